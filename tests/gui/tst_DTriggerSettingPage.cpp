#include "support/ApplicationSetUp.h"
#include "support/RenderedLook.h"
#include "support/TestMain.h"

#include "app/DDataManager.h"
#include "app/DThemeColor.h"
#include "ui/mainwidget/devicePage/triggerSetting/DSensitivityShowWidget.h"
#include "ui/mainwidget/devicePage/triggerSetting/DTriggerSettingPage.h"
#include "ui/widgets/DAppStyle.h"
#include "ui/widgets/sliderCustomWidget.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QStackedWidget>
#include <QTranslator>

namespace {

using Apply = QList<int>; // mode, L, R, quick-trigger L, quick-trigger R

// A page on screen as the device page shows it, entered with a keyboard that
// reported the given travel level value.
class ShownPage
{
public:
    explicit ShownPage(int reportedLevel = 9)
    {
        DDataManager::getInstance()->setKeyTravelMaxLevel(reportedLevel);
        page.resize(1096, 251);
        page.show();
        QTest::qWaitForWindowExposed(&page);
        page.loadSensitivityData();
    }

    template<typename T>
    T* child(const char* name) const
    {
        T* widget = page.findChild<T*>(QLatin1String(name));
        if (!widget)
            qWarning() << "no child" << name;
        return widget;
    }

    // On the left end, where a check box has its indicator.
    void click(const char* name)
    {
        QAbstractButton* button = child<QAbstractButton>(name);
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(6, button->height() / 2));
    }

    Apply apply()
    {
        QSignalSpy spy(&page, &DTriggerSettingPage::sigMagnetsKeysApplyConfig);
        click("pushButton_TriggerApply");
        if (spy.count() != 1)
            return {};
        Apply values;
        for (const QVariant& value : spy.first())
            values << value.toInt();
        return values;
    }

    QString text(const char* label) const { return child<QLabel>(label)->text(); }
    int slider(const char* name) const { return child<QSlider>(name)->value(); }
    bool checked(const char* name) const { return child<QCheckBox>(name)->isChecked(); }
    QWidget* currentStack() const { return child<QStackedWidget>("stackedWidget")->currentWidget(); }
    bool quickTriggerAreaShown() const
    {
        return child<QWidget>("checkBox_SecondarySensitivity")->isVisible()
               && child<QWidget>("frame_SecondExplain")->isVisible() && child<QWidget>("stackedWidget")->isVisible();
    }
    DSensitivityShowWidget* indicator() const { return page.findChild<DSensitivityShowWidget*>(); }

    // The levels the indicator draws, as it reports them when painted.
    QMap<int, int> drawnLevels() const
    {
        QSignalSpy spy(indicator(), &DSensitivityShowWidget::sigCurrentStrengthNumBack);
        indicator()->grab();
        QMap<int, int> levels;
        for (const QList<QVariant>& report : spy)
            levels.insert(report.at(0).toInt(), report.at(1).toInt());
        return levels;
    }

    // The travel sliders and their labels show the same values.
    bool slidersAgreeWithLabels() const
    {
        const std::pair<const char*, const char*> pairs[]
            = {{"horizontalSlider_PressReleaseJourney", "label_Journey3"},
               {"horizontalSlider_PressJourney", "label_PressJourneySecond4"},
               {"horizontalSlider_ReleaseJourney", "label_ReleaseJourneySecond5"}};
        for (const auto& [slider, label] : pairs) {
            if (text(label) != QString::number(this->slider(slider) / 10.0, 'f', 1) + QStringLiteral("mm"))
                return false;
        }
        return true;
    }

    DTriggerSettingPage page;
};

void answerForKey(int type, int press, int release, int quickPress, int quickRelease)
{
    DDataManager* data = DDataManager::getInstance();
    data->querySensitivity(1, 0, 0);
    data->relaySensitivityInfo(type, press, release, quickPress, quickRelease);
}

} // namespace

class tst_DTriggerSettingPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplicationTest(); }

    void init()
    {
        DDataManager* data = DDataManager::getInstance();
        data->setKeyAntiShake(0);
        data->setRateOfReturn(0);
        data->setCalibrating(false);
    }

    void enteringThePageStartsFromTheLevelCount()
    {
        ShownPage shown(9);
        QVERIFY(shown.child<QPushButton>("pushButton_TriggerApply")->isEnabled());
        QCOMPARE(shown.drawnLevels(), (QMap<int, int>{{1, 5}}));
        QVERIFY(!shown.quickTriggerAreaShown());
        QVERIFY(!shown.checked("checkBox_QuickTrigger"));
        QCOMPARE(shown.apply(), (Apply{0, 5, 5, 1, 1}));

        // The separate travel starts one level above the common one.
        shown.child<QCheckBox>("checkBox_SecondarySensitivity")->click();
        QCOMPARE(shown.apply(), (Apply{1, 4, 5, 10, 10}));
        QCOMPARE(shown.drawnLevels(), (QMap<int, int>{{0, 4}, {2, 5}}));
    }

    void modesAndTheirValues_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<Apply>("expected");
        QTest::addColumn<bool>("areaShown");
        QTest::addColumn<QString>("stackPage");
        QTest::newRow("quick trigger on")
            << QStringList{"checkBox_QuickTrigger"} << Apply{12, 5, 5, 10, 10} << true << "page_SecondClose";
        QTest::newRow("quick trigger and separate")
            << QStringList{"checkBox_QuickTrigger", "checkBox_SecondarySensitivity"} << Apply{13, 5, 4, 10, 10} << true
            << "page_SecondOpen";
        QTest::newRow("separate off again")
            << QStringList{"checkBox_QuickTrigger", "checkBox_SecondarySensitivity", "checkBox_SecondarySensitivity"}
            << Apply{12, 5, 5, 10, 10} << true << "page_SecondClose";
        QTest::newRow("quick trigger off again")
            << QStringList{"checkBox_QuickTrigger", "checkBox_SecondarySensitivity", "checkBox_QuickTrigger"}
            << Apply{0, 5, 5, 10, 10} << false << "page_SecondClose";
    }

    void modesAndTheirValues()
    {
        QFETCH(QStringList, clicks);
        QFETCH(Apply, expected);
        QFETCH(bool, areaShown);
        QFETCH(QString, stackPage);
        ShownPage shown(9);
        for (const QString& name : clicks)
            shown.click(name.toLatin1().constData());
        QCOMPARE(shown.quickTriggerAreaShown(), areaShown);
        QCOMPARE(shown.currentStack()->objectName(), stackPage);
        QVERIFY(shown.slidersAgreeWithLabels());
        QCOMPARE(shown.apply(), expected);
        if (!areaShown)
            QVERIFY(!shown.checked("checkBox_SecondarySensitivity"));
    }

    // What Apply sends is always what the sliders show.
    void quickTriggerTravelFollowsTheSliders()
    {
        ShownPage shown(9);
        shown.click("checkBox_QuickTrigger");
        shown.child<QSlider>("horizontalSlider_PressReleaseJourney")->setValue(17);
        QCOMPARE(shown.text("label_Journey3"), QStringLiteral("1.7mm"));
        QCOMPARE(shown.apply(), (Apply{12, 5, 5, 17, 17}));

        shown.click("checkBox_SecondarySensitivity");
        QVERIFY(shown.slidersAgreeWithLabels());
        QCOMPARE(shown.apply(), (Apply{13, 5, 4, 10, 10}));
        QSlider* press = shown.child<QSlider>("horizontalSlider_PressJourney");
        press->setFocus();
        QTest::keyClick(press, Qt::Key_Right);
        QCOMPARE(shown.text("label_PressJourneySecond4"), QStringLiteral("1.1mm"));
        QCOMPARE(shown.apply(), (Apply{13, 5, 4, 11, 10}));
    }

    void aKeysAnswerFillsThePage_data()
    {
        QTest::addColumn<Apply>("answer"); // type, press, release, quick press, quick release
        QTest::addColumn<Apply>("expected");
        QTest::addColumn<bool>("quick");
        QTest::addColumn<bool>("separate");
        QTest::addColumn<QString>("stackPage");
        QTest::newRow("mode 13") << Apply{13, 6, 3, 15, 8} << Apply{13, 6, 3, 15, 8} << true << true
                                 << "page_SecondOpen";
        QTest::newRow("mode 12") << Apply{12, 7, 7, 12, 0} << Apply{12, 7, 7, 12, 12} << true << false
                                 << "page_SecondClose";
        QTest::newRow("mode 1") << Apply{1, 6, 2, 0, 0} << Apply{1, 6, 2, 1, 1} << false << true << "page_SecondOpen";
        QTest::newRow("mode 0") << Apply{0, 3, 3, 0, 0} << Apply{0, 3, 3, 1, 1} << false << false << "page_SecondClose";
        // Out of range: the levels keep to 1..N-1, the travel to the sliders.
        QTest::newRow("levels out of range")
            << Apply{13, 0, 200, 255, 0} << Apply{13, 1, 9, 20, 1} << true << true << "page_SecondOpen";
    }

    void aKeysAnswerFillsThePage()
    {
        QFETCH(Apply, answer);
        QFETCH(Apply, expected);
        QFETCH(bool, quick);
        QFETCH(bool, separate);
        QFETCH(QString, stackPage);
        ShownPage shown(9);
        answerForKey(answer[0], answer[1], answer[2], answer[3], answer[4]);
        QCOMPARE(shown.checked("checkBox_QuickTrigger"), quick);
        QCOMPARE(shown.checked("checkBox_SecondarySensitivity"), separate);
        QCOMPARE(shown.quickTriggerAreaShown(), quick);
        QCOMPARE(shown.currentStack()->objectName(), stackPage);
        QVERIFY(shown.slidersAgreeWithLabels());
        QCOMPARE(shown.apply(), expected);
        if (separate)
            QCOMPARE(shown.drawnLevels(), (QMap<int, int>{{0, expected[1]}, {2, expected[2]}}));
        else
            QCOMPARE(shown.drawnLevels(), (QMap<int, int>{{1, expected[1]}}));
    }

    void pictureShowsWhatApplySends_data()
    {
        QTest::addColumn<Apply>("answer"); // a key's answer first: type, press, release, quick press, quick release
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<Apply>("expected");
        QTest::addColumn<QStringList>("picture"); // the handles' labels: common, or press and release
        QTest::newRow("3.2 mm stays when quick trigger is ticked")
            << Apply{0, 32, 32, 0, 0} << QStringList{"checkBox_QuickTrigger"} << Apply{12, 32, 32, 10, 10}
            << QStringList{"3.2mm"};
        QTest::newRow("and with separate travel")
            << Apply{0, 32, 32, 0, 0} << QStringList{"checkBox_QuickTrigger", "checkBox_SecondarySensitivity"}
            << Apply{13, 32, 31, 10, 10} << QStringList{"3.2mm", "3.1mm"};
        QTest::newRow("release level as sent, not from the bottom")
            << Apply{13, 20, 19, 18, 10} << QStringList{} << Apply{13, 20, 19, 18, 10} << QStringList{"2.0mm", "1.9mm"};
        QTest::newRow("quick trigger off keeps the press travel")
            << Apply{13, 25, 12, 18, 10} << QStringList{"checkBox_QuickTrigger"} << Apply{0, 25, 25, 10, 10}
            << QStringList{"2.5mm"};
        QTest::newRow("separate travel without quick trigger, then quick trigger")
            << Apply{1, 7, 30, 0, 0} << QStringList{"checkBox_QuickTrigger"} << Apply{12, 7, 7, 10, 10}
            << QStringList{"0.7mm"};
    }

    // The travel picture's labels, the sliders' labels and what Apply sends
    // agree after every change of mode: the keyboard gets what the page shows.
    void pictureShowsWhatApplySends()
    {
        QFETCH(Apply, answer);
        QFETCH(QStringList, clicks);
        QFETCH(Apply, expected);
        QFETCH(QStringList, picture);
        ShownPage shown(40);
        answerForKey(answer[0], answer[1], answer[2], answer[3], answer[4]);
        for (const QString& name : clicks)
            shown.click(name.toLatin1().constData());
        const Apply sent = shown.apply();
        QCOMPARE(sent, expected);
        QVERIFY(shown.slidersAgreeWithLabels());
        const bool separate = shown.checked("checkBox_SecondarySensitivity");
        const QString quickShown
            = separate ? shown.text("label_PressJourneySecond4") + "/" + shown.text("label_ReleaseJourneySecond5")
                       : shown.text("label_Journey3") + "/" + shown.text("label_Journey3");
        if (sent[0] >= 12)
            QCOMPARE(quickShown,
                     QString::number(sent[3] / 10.0, 'f', 1) + "mm/" + QString::number(sent[4] / 10.0, 'f', 1) + "mm");
        DSensitivityShowWidget* indicator = shown.indicator();
        indicator->grab();
        const QStringList drawn = separate ? QStringList{indicator->handleLabel(DSensitivityShowWidget::PressHandle),
                                                         indicator->handleLabel(DSensitivityShowWidget::ReleaseHandle)}
                                           : QStringList{indicator->handleLabel(DSensitivityShowWidget::CommonHandle)};
        QCOMPARE(drawn, picture);
        QStringList sentTravel{QString::number(sent[1] / 10.0, 'f', 1) + "mm"};
        if (separate)
            sentTravel << QString::number(sent[2] / 10.0, 'f', 1) + "mm";
        QCOMPARE(drawn, sentTravel);
    }

    void answerOfType13ShowsItsTravel()
    {
        ShownPage shown(40);
        answerForKey(13, 20, 10, 15, 8);
        QCOMPARE(shown.slider("horizontalSlider_PressJourney"), 15);
        QCOMPARE(shown.slider("horizontalSlider_ReleaseJourney"), 8);
        QCOMPARE(shown.text("label_PressJourneySecond4"), QStringLiteral("1.5mm"));
        QCOMPARE(shown.text("label_ReleaseJourneySecond5"), QStringLiteral("0.8mm"));
        answerForKey(0, 20, 20, 0, 0);
        QVERIFY(!shown.quickTriggerAreaShown());
        QVERIFY(!shown.checked("checkBox_QuickTrigger"));
        QVERIFY(!shown.checked("checkBox_SecondarySensitivity"));
    }

    // Before the keyboard reported its levels there is nothing to apply.
    void noLevelsYet()
    {
        ShownPage shown(0);
        QVERIFY(!shown.child<QPushButton>("pushButton_TriggerApply")->isEnabled());
        QVERIFY(shown.drawnLevels().isEmpty());
        shown.click("checkBox_QuickTrigger");
        QVERIFY(shown.drawnLevels().isEmpty());
        DDataManager::getInstance()->setKeyTravelMaxLevel(9);
        shown.page.loadSensitivityData();
        QVERIFY(shown.child<QPushButton>("pushButton_TriggerApply")->isEnabled());
    }

    void rateOfReturnStepper()
    {
        ShownPage shown(9);
        auto* stepper = shown.child<QFrame>("frame_SliderRateNum")->findChild<sliderCustomWidget*>();
        QVERIFY(stepper);
        QSignalSpy spy(&shown.page, &DTriggerSettingPage::sigKeyRateOfReturnCurrentNum);
        const QList<int> ticks = stepper->tickPositions();
        QCOMPARE(ticks.size(), 4);
        const QStringList labels{"1K", "2K", "4K", "8K"};
        for (int position : {3, 0, 1, 2}) {
            QTest::mouseClick(stepper, Qt::LeftButton, Qt::NoModifier, QPoint(ticks[position], stepper->height() / 2));
            QCOMPARE(shown.text("label_Rate"), labels[position]);
        }
        QCOMPARE(spy.count(), 4);
        QCOMPARE((QList<int>{spy[0][0].toInt(), spy[1][0].toInt(), spy[2][0].toInt(), spy[3][0].toInt()}),
                 (QList<int>{8, 1, 2, 4}));
    }

    // The value labels show what the data manager holds, before and after a
    // change of language; a rate it does not know leaves the stepper at 1K.
    void storedValuesAfterLanguageChange()
    {
        DDataManager* data = DDataManager::getInstance();
        data->setRateOfReturn(4);
        data->setKeyAntiShake(3);
        ShownPage shown(9);
        QCOMPARE(shown.text("label_Rate"), QStringLiteral("4K"));
        auto* stepper = shown.child<QFrame>("frame_SliderRateNum")->findChild<sliderCustomWidget*>();
        QCOMPARE(stepper->handleX(), stepper->tickPositions().at(2));

        QTest::mouseClick(stepper, Qt::LeftButton, Qt::NoModifier,
                          QPoint(stepper->tickPositions().at(3), stepper->height() / 2));
        QCOMPARE(shown.text("label_Rate"), QStringLiteral("8K"));
        shown.click("checkBox_QuickTrigger");
        shown.child<QSlider>("horizontalSlider_PressReleaseJourney")->setValue(14);
        shown.page.retranslate();
        QCOMPARE(shown.text("label_Rate"), QStringLiteral("4K"));
        QCOMPARE(shown.text("label_AntiShake"), QStringLiteral("3"));
        QCOMPARE(shown.text("label_Journey3"), QStringLiteral("1.4mm"));
        QVERIFY(shown.slidersAgreeWithLabels());
        QVERIFY(shown.checked("checkBox_QuickTrigger"));

        data->setRateOfReturn(3);
        shown.page.loadSensitivityData();
        QCOMPARE(stepper->handleX(), stepper->tickPositions().at(0));
        QCOMPARE(shown.text("label_Rate"), QStringLiteral("3K"));
    }

    void calibrationControls()
    {
        ShownPage shown(9);
        QSignalSpy allKeys(&shown.page, &DTriggerSettingPage::sigAllKeysCalibrationMode);
        for (int i = 0; i < 3; ++i)
            shown.click("pushButton_KeyCalibration_AllKeys");
        QCOMPARE(allKeys.count(), 3);
        QCOMPARE((QList<int>{allKeys[0][0].toInt(), allKeys[1][0].toInt(), allKeys[2][0].toInt()}),
                 (QList<int>{1, 0, 1}));
        // A finished run, or a new entry, starts the next click afresh.
        shown.page.clearAllKeysCalibrationFlag();
        shown.click("pushButton_KeyCalibration_AllKeys");
        QCOMPARE(allKeys.last().at(0).toInt(), 1);
        shown.page.loadSensitivityData();
        shown.click("pushButton_KeyCalibration_AllKeys");
        QCOMPARE(allKeys.last().at(0).toInt(), 1);

        QSignalSpy mode(&shown.page, &DTriggerSettingPage::sigCalibrationMode);
        QSignalSpy start(&shown.page, &DTriggerSettingPage::sigKeyCalibrationStartRuning);
        shown.click("checkBox_CalibrationMode");
        shown.click("pushButton_KeyCalibration");
        QCOMPARE(mode.count(), 1);
        QCOMPARE(mode.last().at(0).toInt(), 1);
        QCOMPARE(start.count(), 1);
        DDataManager::getInstance()->setCalibrating(true);
        shown.page.exitCalibrationMode();
        QVERIFY(!shown.checked("checkBox_CalibrationMode"));
        QVERIFY(!DDataManager::getInstance()->isCalibrating());
        QCOMPARE(mode.count(), 1);
        shown.click("checkBox_CalibrationMode");
        shown.click("checkBox_CalibrationMode");
        QCOMPARE(mode.last().at(0).toInt(), 0);
    }

    void unknownHandleReportIsLogged()
    {
        ShownPage shown(9);
        QTest::ignoreMessage(QtDebugMsg, "------------------------ [ ERROR ] ----------------------------");
        emit shown.indicator()->sigCurrentStrengthNumBack(7, 3);
        QCOMPARE(shown.apply(), (Apply{0, 5, 5, 1, 1}));
    }

    // Live travel reaches the indicator until the page is entered, which
    // switches its display off.
    void liveTravel()
    {
        DDataManager::getInstance()->setKeyTravelMaxLevel(9);
        DTriggerSettingPage page;
        page.resize(1096, 251);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        auto* indicator = page.findChild<DSensitivityShowWidget*>();
        indicator->setShowSize(indicator->width(), indicator->height());
        indicator->setLevelCount(10);
        indicator->setLevelInset(38);
        const QColor live = DThemeColor::fromText(DDataManager::getInstance()->themeColors().allThemeColor);
        page.setTheme();
        const QPoint firstSegment(indicator->width() / 2 - 15, 5 + 3);
        DDataManager::getInstance()->relaySensitivityValue(0, 0, 4);
        QCOMPARE(indicator->grab().toImage().pixelColor(firstSegment), live);
        page.clearLiveTravel();
        QVERIFY(indicator->grab().toImage().pixelColor(firstSegment) != live);

        page.loadSensitivityData();
        DDataManager::getInstance()->relaySensitivityValue(0, 0, 4);
        QVERIFY(indicator->grab().toImage().pixelColor(firstSegment) != live);
    }

    void everyThemeRestylesThePage_data()
    {
        QTest::addColumn<int>("theme");
        for (int theme = 0; theme < 5; ++theme)
            QTest::addRow("theme %d", theme) << theme;
    }

    void everyThemeRestylesThePage()
    {
        QFETCH(int, theme);
        DDataManager* data = DDataManager::getInstance();
        data->loadTheme(theme);
        DAppStyle::apply(theme);
        const themeColorData colours = data->themeColors();
        const DThemeRoles& roles = data->themeRoles();
        ShownPage shown(9);
        shown.page.setTheme();

        // Texts and buttons are drawn in the theme's roles, the buttons'
        // icons in its accent, the box in its border colour.
        for (const char* name : {"label_2", "label_3", "label_Rate", "label_Journey3", "pushButton_TriggerApply"}) {
            QWidget* w = shown.child<QWidget>(name);
            QCOMPARE(RenderedLook::text(w).rgb(), roles.color(DThemeRoles::Text).rgb());
            QCOMPARE(w->styleSheet(), QString());
        }
        for (const char* name : {"pushButton_TriggerApply", "pushButton_ResetSensitivity"}) {
            auto* button = shown.child<QPushButton>(name);
            const QImage icon = button->icon().pixmap(button->iconSize()).toImage();
            QColor ink;
            for (int i = 0; i < icon.width() * icon.height() && !ink.isValid(); ++i)
                if (qAlpha(icon.pixel(i % icon.width(), i / icon.width())) == 255)
                    ink = icon.pixelColor(i % icon.width(), i / icon.width());
            QCOMPARE(ink.rgb(), roles.color(DThemeRoles::AccentText).rgb());
        }
        QWidget* box = shown.child<QWidget>("frame_AAA");
        QCOMPARE(RenderedLook::pixel(box, QPoint(box->width() / 2, 1)).rgb(),
                 roles.color(DThemeRoles::DeviceBorder).rgb());
        QCOMPARE(shown.child<QLabel>("label_2")->font().pointSize(), 10);
        QCOMPARE(shown.child<QPushButton>("pushButton_TriggerApply")->font().pointSize(), 11);

        // The indicator's bar background and a stepper's handle take the theme.
        DSensitivityShowWidget* indicator = shown.indicator();
        const QImage bar = indicator->grab().toImage();
        QCOMPARE(bar.pixelColor(indicator->width() / 2, indicator->height() - 2),
                 DThemeColor::fromText(colours.deviceRightBgColor));
        auto* stepper = shown.child<QFrame>("frame_SliderRateNum")->findChild<sliderCustomWidget*>();
        // The handle is a glow: its centre pixel is the colour, all but a trace.
        const QColor centre = stepper->grab().toImage().pixelColor(stepper->handleX(), stepper->height() / 2 - 1);
        const QColor expected = DThemeColor::fromText(colours.deviceSliderEllipseColor);
        QVERIFY2(qAbs(centre.red() - expected.red()) < 30 && qAbs(centre.green() - expected.green()) < 30
                     && qAbs(centre.blue() - expected.blue()) < 30,
                 qPrintable(centre.name() + QLatin1Char(' ') + expected.name()));

        data->loadTheme(0);
        DAppStyle::apply(0);
    }

    void textsInEveryLanguage_data()
    {
        QTest::addColumn<QString>("language");
        for (const char* language : {"Arabic", "Czech", "French", "German", "Italian", "Japanese", "Korean", "Polish",
                                     "Portugal", "Russian", "Spanish", "Ukrainian", "Zh_SM", "Zh_TR"})
            QTest::newRow(language) << QString::fromLatin1(language);
    }

    void textsInEveryLanguage()
    {
        QFETCH(QString, language);
        QTranslator translator;
        QVERIFY(
            translator.load(QStringLiteral(ORVANE_TEST_BIN_DIR "/translation/") + language + QStringLiteral(".qm")));
        ShownPage shown(9);
        const QString english = shown.text("label_3");
        QCoreApplication::installTranslator(&translator);
        shown.page.retranslate();
        const QString translated = shown.text("label_3");
        const QString quickTrigger = shown.child<QCheckBox>("checkBox_QuickTrigger")->text();
        const QString explain = shown.text("label_QuickExplain");
        QCoreApplication::removeTranslator(&translator);
        QVERIFY2(translated != english, qPrintable(translated));
        QVERIFY(quickTrigger != QStringLiteral("Quick trigger"));
        QVERIFY(!explain.startsWith(QStringLiteral("Customize")));
    }
};

ORVANE_TEST_MAIN(tst_DTriggerSettingPage)
#include "tst_DTriggerSettingPage.moc"
