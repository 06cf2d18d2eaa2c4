#include "support/TestMain.h"

#include "app/DKeySlotText.h"

#include <QFontMetrics>

// A combination narrower than its slot shows whole; a wider one keeps whole
// names from both ends around an ellipsis, the key always among them, and
// carries the whole combination as its tip.
class tst_DKeySlotText : public QObject
{
    Q_OBJECT

private slots:
    void shown_data()
    {
        const QString e(QChar(0x2026));
        QTest::addColumn<QString>("combination");
        // The slot is as wide as this text is drawn, plus `extra` pixels.
        QTest::addColumn<QString>("widthOf");
        QTest::addColumn<int>("extra");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("tip");

        QTest::newRow("fits exactly") << "L_CTRL+A"
                                      << "L_CTRL+A" << 0 << "L_CTRL+A" << false;
        QTest::newRow("single key fits") << "F12"
                                         << "F12" << 5 << "F12" << false;
        QTest::newRow("one pixel short: front dropped") << "L_CTRL+L_SHIFT+A"
                                                        << "L_CTRL+L_SHIFT+A" << -1 << "L_CTRL+" + e + "+A" << true;
        QTest::newRow("front and key") << "L_CTRL+L_SHIFT+L_ALT+A"
                                       << "L_CTRL+" + e + "+A" << 0 << "L_CTRL+" + e + "+A" << true;
        QTest::newRow("a second name from the back when it fits")
            << "L_CTRL+L_SHIFT+L_ALT+R_WIN+A"
            << "L_CTRL+" + e + "+R_WIN+A" << 0 << "L_CTRL+" + e + "+R_WIN+A" << true;
        QTest::newRow("only the key fits") << "L_CTRL+L_SHIFT+A" << e + "+A" << 2 << e + "+A" << true;
    }
    void shown()
    {
        QFETCH(QString, combination);
        QFETCH(QString, widthOf);
        QFETCH(int, extra);
        QFETCH(QString, shown);
        QFETCH(bool, tip);
        QFont font;
        font.setPointSize(8);
        const QFontMetrics metrics(font);
        const int width = metrics.horizontalAdvance(widthOf) + extra;
        const DKeySlotText text(combination, metrics, width);
        QCOMPARE(text.shown(), shown);
        QVERIFY(metrics.horizontalAdvance(text.shown()) <= width);
        QCOMPARE(text.toolTip(), tip ? combination : QString());
    }

    // A name with no "+" that is wider than the slot is cut inside, still
    // within the width, and the tip tells it whole.
    void longSingleName()
    {
        QFont font;
        font.setPointSize(8);
        const QFontMetrics metrics(font);
        const QString name = QStringLiteral("PRINT_SCREEN_AND_SYSTEM_REQUEST");
        const int width = metrics.horizontalAdvance(name) / 2;
        const DKeySlotText text(name, metrics, width);
        QVERIFY(text.shown().contains(QChar(0x2026)));
        QVERIFY(metrics.horizontalAdvance(text.shown()) <= width);
        QCOMPARE(text.toolTip(), name);
    }
};

ORVANE_TEST_MAIN(tst_DKeySlotText)
#include "tst_DKeySlotText.moc"
