#include "app/DKeyFunctionDescriber.h"
#include "app/QtLinguist.h"
#include "sdk/include/orvanesdk_xml.h"
#include "support/ApplicationSetUp.h"
#include "support/RenderedLook.h"
#include "support/TestMain.h"
#include "support/ThemeUnderTest.h"

#include "app/DDataManager.h"
#include "ui/seniorKeys/DSeniorKeysRecordExplainDia.h"
#include "ui/widgets/ArrowWidget.h"
#include "ui/widgets/DCustomEventTipExplain.h"
#include "ui/widgets/DToolTipExplain.h"

#include <QLabel>
#include <QLayout>
#include <QMetaEnum>
#include <QSet>
#include <QTranslator>

#include <cstring>

class tst_HoverTips : public QObject
{
    Q_OBJECT

private:
    static QLabel* label(QWidget& tip, const char* name) { return tip.findChild<QLabel*>(QLatin1String(name)); }

    static QString colour(QWidget* widget) { return RenderedLook::text(widget).name(); }
    static QString role(DThemeRoles::Role role) { return DDataManager::getInstance()->themeRoles().color(role).name(); }

private slots:
    void initTestCase() { prepareApplicationTest(); }

    void toolTipExplain()
    {
        DToolTipExplain tip;
        QLabel* text = tip.findChild<QLabel*>();
        QVERIFY(text);
        QCOMPARE(text->text(), QStringLiteral("ABC66666666666"));
        QCOMPARE(text->minimumHeight(), 40);
        QCOMPARE(text->alignment(), Qt::AlignCenter);
        QCOMPARE(colour(text), role(DThemeRoles::BubbleText));
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
        label(tip, "label_keyName")->ensurePolished();
        QCOMPARE(label(tip, "label_keyName")->font().pointSize(), 14);
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
        // A highlighted tip after a plain one, and the other way round.
        tip.setTipInfo(keyName, QStringLiteral("Keyboard"), QStringLiteral("Media"), highlighted);
        tip.setTipInfo(keyName, QStringLiteral("Keyboard"), QStringLiteral("Media"), remappable);
        const QString expected = role(highlighted ? DThemeRoles::BubbleAccent : DThemeRoles::BubbleText);
        QCOMPARE(colour(label(tip, "label_keyName")), expected);
        QCOMPARE(colour(label(tip, "label_detail")), expected);
        QCOMPARE(colour(label(tip, "label_category")), role(DThemeRoles::BubbleText));
        QCOMPARE(label(tip, "label_keyName")->text(), keyName);
        QCOMPARE(label(tip, "label_category")->text(), QStringLiteral("Keyboard"));
    }

    // A detail wider than the built tip widens the whole tip instead of
    // losing its end; only one beyond the widest tip is elided.
    void detail_data()
    {
        QTest::addColumn<QString>("detail");
        QTest::addColumn<bool>("grows");
        QTest::addColumn<bool>("elided");
        QTest::newRow("short") << QStringLiteral("Play/Pause") << false << false;
        QTest::newRow("wider than built") << QString::fromUtf8("Блокировка/разблокировка Win") << true << false;
        QTest::newRow("beyond the widest tip")
            << QStringLiteral("Macro: open the browser, wait, type the address and press Enter twice, then log in")
            << true << true;
        QTest::newRow("empty") << QString() << false << false;
    }
    void detail()
    {
        QFETCH(QString, detail);
        QFETCH(bool, grows);
        QFETCH(bool, elided);
        DCustomEventTipExplain tip;
        tip.setTipInfo(QStringLiteral("F1"), QStringLiteral("Macro"), detail, true);
        QLabel* shownLabel = label(tip, "label_detail");
        const QString shown = shownLabel->text();
        // The font the style sheet gives the label is the one drawn.
        const QFontMetrics metrics(shownLabel->font());
        QCOMPARE(shownLabel->width() > DCustomEventTipExplain::kLabelWidth, grows);
        QCOMPARE(label(tip, "label_category")->width(), shownLabel->width());
        QCOMPARE(tip.width(), shownLabel->width());
        QVERIFY(metrics.horizontalAdvance(shown) < shownLabel->width());
        if (!elided) {
            QCOMPARE(shown, detail);
        } else {
            QVERIFY(shown.endsWith(QChar(0x2026)));
            QVERIFY(shown.size() < detail.size());
            QVERIFY(detail.startsWith(shown.chopped(1)));
            QVERIFY(metrics.horizontalAdvance(shown) <= DCustomEventTipExplain::kMaxDetailWidth);
        }
        // A short text after a long one gives the built width back.
        tip.setTipInfo(QStringLiteral("F1"), QStringLiteral("Macro"), QStringLiteral("Mute"), true);
        QCOMPARE(shownLabel->width(), DCustomEventTipExplain::kLabelWidth);
    }

    // Every category and detail the key-function descriptions can show, in
    // every language, is shown whole in the tip.
    void everyTranslatedTipFits_data()
    {
        QTest::addColumn<int>("language");
        for (int language = QtLinguist::Zh_SM; language <= QtLinguist::Czech; ++language)
            QTest::newRow(QMetaEnum::fromType<QtLinguist::Language>().valueToKey(language)) << language;
    }
    void everyTranslatedTipFits()
    {
        QFETCH(int, language);
        QtLinguist linguist(QStringLiteral(ORVANE_TEST_BIN_DIR "/translation"));
        QVERIFY(linguist.loadLanguage(language));
        const DKeyFunctionDescriber describer({{4, QStringLiteral("A")}}, "", "", "");
        QSet<QPair<QString, QString>> shown;
        for (int type = -1; type <= 41; ++type) {
            for (int paramB = 0; paramB <= 11; ++paramB) {
                for (const char* value : {"0",  "1",  "2",  "3",  "4",  "5",  "6",   "7",   "8",   "9",
                                          "10", "11", "12", "13", "14", "15", "0,1", "0,2", "1,0", "2,0"}) {
                    keyOperateInfo info;
                    std::memset(&info, 0, sizeof info);
                    qstrncpy(info.type, QByteArray::number(type).constData(), sizeof info.type);
                    qstrncpy(info.paramB, QByteArray::number(paramB).constData(), sizeof info.paramB);
                    qstrncpy(info.value, value, sizeof info.value);
                    const DKeyFunctionDescriber::Description d = describer.describe(info);
                    shown.insert({d.category, d.detail});
                }
            }
        }
        shown.insert({QObject::tr("Default"), QObject::tr("Cannot remapped")});
        QVERIFY(shown.size() > 60);
        DCustomEventTipExplain tip;
        for (const auto& texts : shown) {
            tip.setTipInfo(QStringLiteral("Esc"), texts.first, texts.second, true);
            for (const char* name : {"label_category", "label_detail"}) {
                QLabel* l = label(tip, name);
                const QString expected = QByteArray(name) == "label_detail" ? texts.second : texts.first;
                QCOMPARE(l->text(), expected);
                QVERIFY2(QFontMetrics(l->font()).horizontalAdvance(l->text()) < l->width(), qPrintable(expected));
            }
        }
    }

    // Every bubble reads in every theme: each text against the bubble as
    // drawn behind it, the highlighted key's too, and the bubble is the
    // theme's bubble colour (no colour of another theme left over).
    void bubblesReadInEveryTheme_data() { ThemeUnderTest::addEveryThemeRow(); }
    void bubblesReadInEveryTheme()
    {
        QFETCH(int, theme);
        const ThemeUnderTest::Scope themed(theme);
        auto* hint = new DToolTipExplain;
        hint->setExplainText(QStringLiteral("Light effect speed"));
        auto* plain = new DCustomEventTipExplain;
        plain->setTipInfo(QStringLiteral("A"), QStringLiteral("Default"), QStringLiteral("A"), true);
        auto* fn = new DCustomEventTipExplain;
        fn->setTipInfo(QStringLiteral("Fn"), QStringLiteral("Default"), QStringLiteral("Cannot remapped"), false);
        auto* explanation = new DSeniorKeysRecordExplainDia(DSeniorKeysRecordExplainDia::kKinds, nullptr);
        QStringList failures;
        for (QWidget* content : {static_cast<QWidget*>(hint), static_cast<QWidget*>(plain), static_cast<QWidget*>(fn),
                                 static_cast<QWidget*>(explanation)}) {
            ArrowWidget bubble(ArrowWidget::ArrowBottom);
            bubble.setContentWidget(content);
            content->adjustSize();
            bubble.setPopupSize(content->width() + 30,
                                ArrowWidget::heightFor(ArrowWidget::ArrowBottom, content->height()));
            bubble.show();
            QVERIFY(QTest::qWaitForWindowExposed(&bubble));
            const QImage drawn = bubble.grab().toImage();
            QCOMPARE(drawn.pixelColor(bubble.width() / 2, 16).name(), role(DThemeRoles::Bubble));
            for (QLabel* text : content->findChildren<QLabel*>()) {
                if (text->isVisible() && !text->text().isEmpty())
                    QCOMPARE(RenderedLook::background(text).name(), role(DThemeRoles::Bubble));
            }
            failures += ThemeUnderTest::unreadableTexts(content);
        }
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
    }
};

ORVANE_TEST_MAIN(tst_HoverTips)
#include "tst_hovertips.moc"
