#include "support/TestMain.h"

#include "ui/widgets/DCustomEventTipExplain.h"
#include "ui/widgets/DToolTipExplain.h"

#include <QLabel>
#include <QLayout>
#include <QTranslator>

class tst_HoverTips : public QObject
{
    Q_OBJECT

private:
    static QLabel* label(QWidget& tip, const char* name) { return tip.findChild<QLabel*>(QLatin1String(name)); }
    static QFontMetrics detailMetrics()
    {
        QFont font(QStringLiteral("Microsoft YaHei"));
        font.setPointSize(12);
        return QFontMetrics(font);
    }

private slots:
    void toolTipExplain()
    {
        DToolTipExplain tip;
        QLabel* text = tip.findChild<QLabel*>();
        QVERIFY(text);
        QCOMPARE(text->text(), QStringLiteral("ABC66666666666"));
        QCOMPARE(text->minimumHeight(), 40);
        QCOMPARE(text->alignment(), Qt::AlignCenter);
        QVERIFY(text->styleSheet().contains(QStringLiteral("color: rgb(245, 245, 245)")));
        QCOMPARE(tip.layout()->contentsMargins(), QMargins());
        tip.setExplainText(QStringLiteral("Light effect speed"));
        QCOMPARE(text->text(), QStringLiteral("Light effect speed"));
    }

    void keyTipStartsAsBuilt()
    {
        DCustomEventTipExplain tip;
        const QList<QLabel*> labels = tip.findChildren<QLabel*>();
        QCOMPARE(labels.size(), 3);
        for (QLabel* l : labels) {
            QCOMPARE(l->size(), QSize(230, 30));
            QCOMPARE(l->alignment(), Qt::AlignCenter);
        }
        QCOMPARE(label(tip, "label_keyName")->text(), QStringLiteral("A"));
        QVERIFY(label(tip, "label_keyName")->styleSheet().contains(QStringLiteral("14pt")));
        QCOMPARE(label(tip, "label_category")->text(), QStringLiteral("Default"));
        QCOMPARE(label(tip, "label_detail")->text(), QStringLiteral("ABC666666CFK"));
        QCOMPARE(tip.layout()->contentsMargins(), QMargins(0, 0, 0, 12));
        QCOMPARE(tip.layout()->indexOf(label(tip, "label_keyName")), 0);
        QCOMPARE(tip.layout()->indexOf(label(tip, "label_detail")), 2);
    }

    void categoryIsTranslated()
    {
        QTranslator german;
        QVERIFY(german.load(QStringLiteral(ORVANE_TEST_BIN_DIR "/translation/German.qm")));
        QCoreApplication::installTranslator(&german);
        DCustomEventTipExplain tip;
        QCoreApplication::removeTranslator(&german);
        QCOMPARE(label(tip, "label_category")->text(), QStringLiteral("Standard"));
    }

    void highlight_data()
    {
        QTest::addColumn<QString>("keyName");
        QTest::addColumn<bool>("remappable");
        QTest::addColumn<bool>("highlighted");
        QTest::newRow("plain key") << QStringLiteral("A") << true << false;
        QTest::newRow("key that cannot be remapped") << QStringLiteral("A") << false << true;
        QTest::newRow("Fn") << QStringLiteral("Fn") << true << true;
        QTest::newRow("fn") << QStringLiteral("fn") << true << true;
        QTest::newRow("FN") << QStringLiteral("FN") << true << true;
        QTest::newRow("fN is not a spelling of Fn") << QStringLiteral("fN") << true << false;
    }
    void highlight()
    {
        QFETCH(QString, keyName);
        QFETCH(bool, remappable);
        QFETCH(bool, highlighted);
        DCustomEventTipExplain tip;
        const QString categoryStyle = label(tip, "label_category")->styleSheet();
        tip.setTipInfo(keyName, QStringLiteral("Keyboard"), QStringLiteral("Media"), remappable);
        const QString expected = QStringLiteral("color: rgb(%1); font: 75 12pt \"Microsoft YaHei\";")
                                     .arg(highlighted ? QStringLiteral("255,143,31") : QStringLiteral("245,245,245"));
        QCOMPARE(label(tip, "label_keyName")->styleSheet(), expected);
        QCOMPARE(label(tip, "label_detail")->styleSheet(), expected);
        QCOMPARE(label(tip, "label_category")->styleSheet(), categoryStyle);
        QCOMPARE(label(tip, "label_keyName")->text(), keyName);
        QCOMPARE(label(tip, "label_category")->text(), QStringLiteral("Keyboard"));
    }

    void detail_data()
    {
        QTest::addColumn<QString>("detail");
        QTest::addColumn<bool>("elided");
        QTest::newRow("short") << QStringLiteral("Play/Pause") << false;
        QTest::newRow("long") << QStringLiteral("Macro: open the browser, wait, type the address and press Enter twice")
                              << true;
        QTest::newRow("empty") << QString() << false;
    }
    void detail()
    {
        QFETCH(QString, detail);
        QFETCH(bool, elided);
        DCustomEventTipExplain tip;
        tip.setTipInfo(QStringLiteral("F1"), QStringLiteral("Macro"), detail, true);
        const QString shown = label(tip, "label_detail")->text();
        const QFontMetrics metrics = detailMetrics();
        QCOMPARE(metrics.horizontalAdvance(detail) >= DCustomEventTipExplain::kMaxDetailWidth, elided);
        if (!elided) {
            QCOMPARE(shown, detail);
        } else {
            QVERIFY(shown.endsWith(QChar(0x2026)));
            QVERIFY(shown.size() < detail.size());
            QVERIFY(detail.startsWith(shown.chopped(1)));
            QVERIFY(metrics.horizontalAdvance(shown) <= DCustomEventTipExplain::kMaxDetailWidth);
        }
    }
};

ORVANE_TEST_MAIN(tst_HoverTips)
#include "tst_hovertips.moc"
