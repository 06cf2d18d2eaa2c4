#include "support/TestMain.h"

#include "ui/mainwidget/devicePage/triggerSetting/DMagneticCustomEventTipView.h"

#include <QFrame>
#include <QLabel>

namespace {

QFontMetrics measuring()
{
    QFont font = QApplication::font();
    font.setFamily(QStringLiteral("Microsoft YaHei"));
    font.setPointSize(12);
    return QFontMetrics(font);
}

// A text exactly as wide as the limit, built from two letters of different
// widths; empty when the font offers no such mix.
QString textOfWidth(int width)
{
    const QFontMetrics metrics = measuring();
    const QString letters = QStringLiteral("mwaeil.");
    for (QChar wideLetter : letters) {
        for (QChar narrowLetter : letters) {
            for (int wide = 0; wide < 80; ++wide) {
                for (int narrow = 0; narrow < 200; ++narrow) {
                    const QString text = QString(wide, wideLetter) + QString(narrow, narrowLetter);
                    const int advance = metrics.horizontalAdvance(text);
                    if (advance == width)
                        return text;
                    if (advance > width)
                        break;
                }
            }
        }
    }
    return QString();
}

} // namespace

class tst_DMagneticCustomEventTipView : public QObject
{
    Q_OBJECT

private slots:
    void detailsAreKeptOrElided()
    {
        const int limit = DMagneticCustomEventTipView::kDetailWidth;
        const QString exact = textOfWidth(limit);
        QVERIFY(!exact.isEmpty());
        const QString wide = QString(80, QLatin1Char('W'));
        const QString longTitle = QStringLiteral("(Heavy Press) ") + wide;

        DMagneticCustomEventTipView view;
        view.setTipInfo({QStringLiteral("Enter"), QStringLiteral("(Light Press)Remap key"), exact, longTitle, wide},
                        false, false);
        const auto label = [&](const char* name) { return view.findChild<QLabel*>(QLatin1String(name))->text(); };
        QCOMPARE(label("label_1"), QStringLiteral("Enter"));
        QCOMPARE(label("label_3"), exact);
        QCOMPARE(label("label_4"), longTitle);
        const QString elided = label("label_5");
        QVERIFY(elided.endsWith(QChar(0x2026)));
        QVERIFY(measuring().horizontalAdvance(elided) <= limit);
    }

    void sectionsHide_data()
    {
        QTest::addColumn<bool>("hideLight");
        QTest::addColumn<bool>("hideHeavy");
        QTest::newRow("both shown") << false << false;
        QTest::newRow("light hidden") << true << false;
        QTest::newRow("heavy hidden") << false << true;
        QTest::newRow("only the key name") << true << true;
    }

    void sectionsHide()
    {
        QFETCH(bool, hideLight);
        QFETCH(bool, hideHeavy);
        DMagneticCustomEventTipView view;
        view.show();
        view.setTipInfo({QStringLiteral("A"), QStringLiteral("t1"), QStringLiteral("d1"), QStringLiteral("t2"),
                         QStringLiteral("d2")},
                        hideLight, hideHeavy);
        QCOMPARE(view.findChild<QFrame*>(QStringLiteral("frame_Center"))->isVisible(), !hideLight);
        QCOMPARE(view.findChild<QFrame*>(QStringLiteral("frame_Bottom"))->isVisible(), !hideHeavy);
        QVERIFY(view.findChild<QLabel*>(QStringLiteral("label_1"))->isVisible());
    }
};

ORVANE_TEST_MAIN(tst_DMagneticCustomEventTipView)
#include "tst_DMagneticCustomEventTipView.moc"
