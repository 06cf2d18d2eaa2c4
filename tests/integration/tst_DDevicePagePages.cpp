// The device page's page switching and its other slots against the
// simulated keyboard: main pages with their loads and the refusal during
// calibration, the report on leaving the trigger page, the layer switch,
// the key hook for the key-press light effects, the zoom, the macro and
// advanced-key buttons, and the refresh of a profile's bound-macro copy.
#include "support/ApplicationSetUp.h"
#include "support/DevicePageProbe.h"
#include "support/LoadedDevicePage.h"
#include "support/StoreTestSupport.h"
#include "support/TestMain.h"

#include "app/DDataManager.h"
#include "hid/DDeviceKeyboardLink.h"
#include "support/SimulatorHarness.h"
#include "ui/mainwidget/devicePage/DDeviceListItem.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/DPerformancePage.h"
#include "ui/mainwidget/devicePage/keyboardView/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/keyboardView/dragShowArea.h"
#include "ui/mainwidget/devicePage/keyboardView/hidDeviceJoinFrame.h"
#include "ui/mainwidget/devicePage/lightsConfig/DLightsConfigPage.h"
#include "ui/mainwidget/devicePage/triggerSetting/DTriggerSettingPage.h"
#include "ui/widgets/CbNotice.h"

#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QToolButton>

#include <memory>

using namespace StoreTestSupport;

namespace {

constexpr int kLoadTimeoutMs = 20000;

colorInfoData effect(int id)
{
    colorInfoData info{};
    info.ledType = id;
    return info;
}

int triggerLeaveReports(const SimulatedKeyboard& keyboard)
{
    int count = 0;
    for (const SimulatedKeyboard::LoggedReport& report : keyboard.receivedReports()) {
        if (report.bytes[1] == 0x29 && report.bytes[5] == 0x18 && report.bytes[6] == 0x03)
            ++count;
    }
    return count;
}

} // namespace

class tst_DDevicePagePages : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_folders = 0;

    template<typename T>
    static T* child(QObject& parent, const char* name)
    {
        return parent.findChild<T*>(QLatin1String(name));
    }

    // Whether the drag overlay lies above the keyboard picture.
    static bool overlayOnTop(DDevicePage& page)
    {
        auto* overlay = page.findChild<dragShowArea*>();
        auto* picture = page.findChild<hidDeviceJoinFrame*>();
        if (!overlay || !picture || overlay->parent() != picture->parent())
            return false;
        const QObjectList& order = overlay->parent()->children();
        return order.indexOf(overlay) > order.indexOf(picture);
    }

    static QString shownPage(DDevicePage& page)
    {
        return child<QStackedWidget>(page, "stackedWidget")->currentWidget()->objectName();
    }

    // A default and an FN layer file in a folder of their own, current
    // profiles 2 and 3.
    QByteArray layerFiles()
    {
        const QString folder = m_dir.filePath(QStringLiteral("kb%1").arg(++m_folders));
        QDir().mkpath(folder);
        const QByteArray defaultLayer = QFile::encodeName(folder + QStringLiteral("/appProfile_Default.xml"));
        const QByteArray fnLayer = QFile::encodeName(folder + QStringLiteral("/appProfile_FN.xml"));
        for (const QByteArray& path : {defaultLayer, fnLayer}) {
            [&] {
                QVERIFY(COrvaneXML_CreateXMLFile(path));
                for (const char* index : {"1", "2", "3"})
                    QVERIFY(COrvaneXML_CreateProFileXmlParentNode(path, index, "Profile", 0));
            }();
        }
        COrvaneXML_ModifyXMLFileProfileIndex(defaultLayer, 2);
        COrvaneXML_ModifyXMLFileProfileIndex(fnLayer, 3);
        return defaultLayer;
    }

private slots:
    void initTestCase() { prepareApplicationTest(); }

    void cleanup() { DDataManager::getInstance()->setCalibrating(false); }

    void mainPages()
    {
        SimulatorHarness sim;
        sim.plug("OV68M");
        std::unique_ptr<DDevicePage> page = loadedDevicePage(kLoadTimeoutMs);
        QVERIFY(page);
        page->setCurrentProfile(2, layerFiles().constData());
        QVERIFY(COrvaneXML_SetProFileIntoSleepTimeInfo(page->profilePath(), "2", 321, 12));
        page->show();
        auto* modeLabel = child<QLabel>(*page, "label_ChangModeTest");

        const int lightLoads = DevicePageProbe(*page).lightsConfigPage()->loadCount();
        child<QToolButton>(*page, "toolButton_LightConfig")->click();
        QCOMPARE(DevicePageProbe(*page).checkedMainPage(), 1);
        QCOMPARE(shownPage(*page), QStringLiteral("page_LightsConfig"));
        QCOMPARE(DevicePageProbe(*page).lightsConfigPage()->loadCount(), lightLoads + 1);
        QCOMPARE(modeLabel->text(), QStringLiteral("Light"));
        QVERIFY(overlayOnTop(*page));

        child<QToolButton>(*page, "toolButton_Performance")->click();
        QCOMPARE(DevicePageProbe(*page).checkedMainPage(), 2);
        QCOMPARE(shownPage(*page), QStringLiteral("page_Performance"));
        QCOMPARE(child<QLineEdit>(*DevicePageProbe(*page).performancePage(), "lineEdit_LightSleep")->text(),
                 QStringLiteral("321"));
        QCOMPARE(modeLabel->text(), QStringLiteral("Keyboard"));
        QVERIFY(!overlayOnTop(*page));

        auto* overlay = page->findChild<dragShowArea*>();
        QVERIFY(overlay);
        overlay->setDragEnabled(false);
        const int triggerLoads = DevicePageProbe(*page).triggerSettingPage()->loadCount();
        child<QToolButton>(*page, "toolButton_TriggerSetting")->click();
        QCOMPARE(DevicePageProbe(*page).checkedMainPage(), 4);
        QCOMPARE(shownPage(*page), QStringLiteral("page_TriggerSetting"));
        QCOMPARE(DevicePageProbe(*page).triggerSettingPage()->loadCount(), triggerLoads + 1);
        QCOMPARE(modeLabel->text(), QStringLiteral("Trigger"));
        QVERIFY(overlayOnTop(*page));
        QVERIFY(overlay->isDragEnabled());

        DevicePageProbe(*page).customKeysPage()->initPageState(1);
        child<QToolButton>(*page, "toolButton_CustomKey")->click();
        QCOMPARE(DevicePageProbe(*page).checkedMainPage(), 0);
        QCOMPARE(shownPage(*page), QStringLiteral("page_CustomKeys"));
        QVERIFY(child<QPushButton>(*page, "pushButton_DefaultLayer")->isChecked());
        QVERIFY(!child<QPushButton>(*page, "pushButton_FnLayer")->isChecked());

        // A key cap click shows the key page without a switch: the key page
        // is not set up again as a switch to it would.
        child<QToolButton>(*page, "toolButton_Performance")->click();
        DevicePageProbe(*page).customKeysPage()->initPageState(1);
        page->onAutoIntoCustomKeysPage();
        QCOMPARE(shownPage(*page), QStringLiteral("page_CustomKeys"));
        QVERIFY(child<QToolButton>(*page, "toolButton_CustomKey")->isChecked());
        QVERIFY(child<QPushButton>(*page, "pushButton_FnLayer")->isChecked());
        QVERIFY(!child<QPushButton>(*page, "pushButton_DefaultLayer")->isChecked());

        // The hidden colour-display test toggles the overlay and the label.
        auto* colourTest = child<QPushButton>(*page, "pushButton_ChangModeTest");
        colourTest->click();
        QVERIFY(overlayOnTop(*page));
        QCOMPARE(modeLabel->text(), QStringLiteral("Light"));
        colourTest->click();
        QVERIFY(!overlayOnTop(*page));
        QCOMPARE(modeLabel->text(), QStringLiteral("Keyboard"));
    }

    void refusedWhileCalibrating()
    {
        SimulatorHarness sim;
        auto keyboard = sim.plug("OV68M");
        std::unique_ptr<DDevicePage> page = loadedDevicePage(kLoadTimeoutMs);
        QVERIFY(page);
        page->show();
        child<QToolButton>(*page, "toolButton_TriggerSetting")->click();
        DDataManager::getInstance()->setCalibrating(true);
        const int reports = triggerLeaveReports(*keyboard);

        child<QToolButton>(*page, "toolButton_LightConfig")->click();
        QCOMPARE(DevicePageProbe(*page).checkedMainPage(), 4);
        QCOMPARE(shownPage(*page), QStringLiteral("page_TriggerSetting"));
        QVERIFY(child<QToolButton>(*page, "toolButton_TriggerSetting")->isChecked());
        QCOMPARE(DevicePageProbe(*page).toast()->text(),
                 QStringLiteral("Key calibration in progress, please wait a moment"));
        QTest::qWait(200);
        QCOMPARE(triggerLeaveReports(*keyboard), reports);

        DDataManager::getInstance()->setCalibrating(false);
        child<QToolButton>(*page, "toolButton_LightConfig")->click();
        QCOMPARE(DevicePageProbe(*page).checkedMainPage(), 1);
        QCOMPARE(shownPage(*page), QStringLiteral("page_LightsConfig"));
        // The refused switch left the trigger page the one shown: it is left now.
        QTRY_COMPARE_WITH_TIMEOUT(triggerLeaveReports(*keyboard), reports + 1, kLoadTimeoutMs);
    }

    void leavingTheTriggerPageTellsTheKeyboard()
    {
        SimulatorHarness sim;
        auto keyboard = sim.plug("OV68M");
        std::unique_ptr<DDevicePage> page = loadedDevicePage(kLoadTimeoutMs);
        QVERIFY(page);
        page->show();
        const int before = triggerLeaveReports(*keyboard);
        for (const char* button : {"toolButton_LightConfig", "toolButton_Performance", "toolButton_CustomKey"})
            child<QToolButton>(*page, button)->click();
        child<QToolButton>(*page, "toolButton_TriggerSetting")->click();
        child<QToolButton>(*page, "toolButton_TriggerSetting")->click();
        QTest::qWait(200);
        QCOMPARE(triggerLeaveReports(*keyboard), before);

        child<QToolButton>(*page, "toolButton_Performance")->click();
        QTRY_COMPARE_WITH_TIMEOUT(triggerLeaveReports(*keyboard), before + 1, kLoadTimeoutMs);
        child<QToolButton>(*page, "toolButton_LightConfig")->click();
        QTest::qWait(200);
        QCOMPARE(triggerLeaveReports(*keyboard), before + 1);
    }

    void layerSwitch()
    {
        SimulatorHarness sim;
        sim.plug("OV68M");
        std::unique_ptr<DDevicePage> page = loadedDevicePage(kLoadTimeoutMs);
        QVERIFY(page);
        const QByteArray defaultLayer = layerFiles();
        page->setCurrentProfile(2, defaultLayer.constData());
        QCOMPARE(page->currentLayer(), 0);
        DDataManager::getInstance()->setMagneticKeyboard(true);

        page->onDefaultLayerAndFnLayerSwitch(0);
        QCOMPARE(QByteArray(page->profilePath()), defaultLayer);

        emit DevicePageProbe(*page).customKeysPage()->sigDefaultLayerAndFnLayerSwitch(1);
        QCOMPARE(page->currentLayer(), 1);
        QVERIFY(QByteArray(page->profilePath()).endsWith("/appProfile_FN.xml"));
        QCOMPARE(page->profileIndex(), 3);
        QCOMPARE(QByteArray(DevicePageProbe(*page).performancePage()->profilePath()), QByteArray(page->profilePath()));
        QCOMPARE(DevicePageProbe(*page).performancePage()->profileIndex(), 3);
        QCOMPARE(DevicePageProbe(*page).customKeysPage()->currentLayer(), 1);
        QVERIFY(!DDataManager::getInstance()->isDefaultLayerSelected());

        // The layer already shown is not loaded again.
        const QByteArray fnLayer(page->profilePath());
        page->setCurrentProfile(1, fnLayer.constData());
        page->onDefaultLayerAndFnLayerSwitch(1);
        QCOMPARE(page->profileIndex(), 1);

        page->onDefaultLayerAndFnLayerSwitch(0);
        QCOMPARE(QByteArray(page->profilePath()), defaultLayer);
        QCOMPARE(page->profileIndex(), 2);
        QVERIFY(DDataManager::getInstance()->isDefaultLayerSelected());
        DDataManager::getInstance()->setMagneticKeyboard(false);
    }

    void keyPressHook_data()
    {
        QTest::addColumn<int>("effectId");
        QTest::addColumn<bool>("hook");
        QTest::newRow("static") << 0 << false;
        QTest::newRow("reactive") << 6 << true;
        QTest::newRow("aurora") << 7 << true;
        QTest::newRow("ripple") << 8 << true;
        QTest::newRow("custom") << 10 << false;
        QTest::newRow("cross") << 11 << true;
        QTest::newRow("speed respond") << 12 << true;
        QTest::newRow("fireworks") << 16 << true;
    }
    void keyPressHook()
    {
        QFETCH(int, effectId);
        QFETCH(bool, hook);
        SimulatorHarness sim;
        sim.plug("OV82");
        std::unique_ptr<DDevicePage> page = loadedDevicePage(kLoadTimeoutMs);
        QVERIFY(page);
        DCustomKeysPage* keys = DevicePageProbe(*page).customKeysPage();
        // From the opposite state, so the choice itself has to switch it.
        emit DevicePageProbe(*page).lightsConfigPage()->sigSelectCurrentLightTypeIndex_KB(1, effect(hook ? 0 : 7));
        QCOMPARE(keys->isKeyboardHookEnabled(), !hook);
        emit DevicePageProbe(*page).lightsConfigPage()->sigSelectCurrentLightTypeIndex_KB(effectId, effect(effectId));
        QCOMPARE(keys->isKeyboardHookEnabled(), hook);
        // The page holds the choice: only when it is Custom does the next
        // effect end the painting selection.
        QCOMPARE(DevicePageProbe(*page).nextEffectKeepsSelection(), effectId != DLightsConfigPage::kCustomEffect);
        emit DevicePageProbe(*page).lightsConfigPage()->sigSelectCurrentLightTypeIndex_KB(effectId, effect(effectId));
        QCOMPARE(keys->isKeyboardHookEnabled(), hook);
        // The keyboard changing its own key light does the same.
        DDeviceKeyboardLink* link = DevicePageProbe(*page).selectedLink();
        QVERIFY(link);
        emit link->sigLightConfigHaveChanged_HidSend(0, hook ? 0 : effectId);
        QCOMPARE(keys->isKeyboardHookEnabled(), false);
        emit link->sigLightConfigHaveChanged_HidSend(1, effectId);
        QCOMPARE(keys->isKeyboardHookEnabled(), false);
        // A keyboard that is not the selected one changes nothing here.
        emit link->sigLightConfigHaveChanged_HidSend(0, 7);
        QCOMPARE(keys->isKeyboardHookEnabled(), true);
        DDeviceKeyboardLink stranger;
        connect(&stranger, &DDeviceKeyboardLink::sigLightConfigHaveChanged_HidSend, page.get(),
                &DDevicePage::onLightConfigHaveChanged_HidSend);
        emit stranger.sigLightConfigHaveChanged_HidSend(0, 0);
        QCOMPARE(keys->isKeyboardHookEnabled(), true);
        // A page switch forgets the chosen effect, Custom too.
        page->onCurIndexChangedMainPage(2);
        QVERIFY(DevicePageProbe(*page).nextEffectKeepsSelection());
    }

    void zoom()
    {
        SimulatorHarness sim;
        sim.plug("OV82");
        std::unique_ptr<DDevicePage> page = loadedDevicePage(kLoadTimeoutMs);
        QVERIFY(page);
        auto* label = child<QLabel>(*page, "label_Multiple");
        QCOMPARE(label->text(), QStringLiteral("1.0"));
        // The picture's keyboard area is what grows and shrinks.
        auto* picture = page->findChild<hidDeviceJoinFrame*>();
        QVERIFY(picture);
        auto* area = picture->findChild<QFrame*>(QStringLiteral("frame_hidSpace"));
        QVERIFY(area);
        const QSize original = area->size();
        auto* bigger = child<QPushButton>(*page, "pushButton_MoreBig");
        auto* smaller = child<QPushButton>(*page, "pushButton_MoreSmall");
        smaller->click();
        QCOMPARE(label->text(), QStringLiteral("1.0"));
        for (int i = 0; i < 10; ++i)
            bigger->click();
        QCOMPARE(label->text(), QStringLiteral("2.0"));
        const QSize largest = area->size();
        QVERIFY(largest.width() > original.width() * 3 / 2);
        QVERIFY(largest.height() > original.height() * 3 / 2);
        bigger->click();
        QCOMPARE(label->text(), QStringLiteral("2.0"));
        QCOMPARE(area->size(), largest);
        for (int i = 0; i < 11; ++i)
            smaller->click();
        QCOMPARE(label->text(), QStringLiteral("1.0"));
        QCOMPARE(area->size(), original);
    }

    void macroAndAdvancedKeyButtons()
    {
        SimulatorHarness sim;
        sim.plug("OV68M");
        std::unique_ptr<DDevicePage> page = loadedDevicePage(kLoadTimeoutMs);
        QVERIFY(page);
        DevicePageProbe(*page).customKeysPage()->setKeyboardHookEnabled(true);
        const int checkedPage = DevicePageProbe(*page).checkedMainPage();
        const QString pageOnShow = shownPage(*page);
        QSignalSpy macro(page.get(), &DDevicePage::sigShowMacroPage);
        QSignalSpy senior(page.get(), &DDevicePage::sigShowSeniorKeysPage);
        child<QToolButton>(*page, "toolButton_MacroDialog")->click();
        QCOMPARE(macro.count(), 1);
        QVERIFY(!DevicePageProbe(*page).customKeysPage()->isKeyboardHookEnabled());
        child<QToolButton>(*page, "toolButton_SeniorKey")->click();
        QCOMPARE(senior.count(), 1);
        QCOMPARE(macro.count(), 1);
        QCOMPARE(DevicePageProbe(*page).checkedMainPage(), checkedPage);
        QCOMPARE(shownPage(*page), pageOnShow);
    }

    // Only a profile that binds the edited macro gets its copy replaced,
    // whichever profile is current.
    void macroEditRefreshesBoundCopies()
    {
        SimulatorHarness sim;
        sim.plug("OV82");
        std::unique_ptr<DDevicePage> page = loadedDevicePage(kLoadTimeoutMs);
        QVERIFY(page);
        QTRY_VERIFY_WITH_TIMEOUT(!DevicePageProbe(*page).profileFolder().isEmpty(), kLoadTimeoutMs);
        // The keyboard's own layer file, where the macro file's users live.
        const QByteArray layer
            = QFile::encodeName(DevicePageProbe(*page).profileFolder() + QStringLiteral("/appProfile_Default.xml"));
        for (const char* index : {"2", "3"})
            QVERIFY(COrvaneXML_CreateProFileXmlParentNode(layer, index, "Profile", 0));
        const QByteArray macros = pathIn(m_dir, QStringLiteral("macros%1.xml").arg(m_folders));
        QVERIFY(COrvaneXML_CreateXMLFile(macros));
        QVERIFY(COrvaneXML_CreateMacroXmlParentNode(macros, "3", "Three"));
        QVERIFY(COrvaneXML_AddKeyOrMouseEventItem(macros, keyPress("1", "4", "A"), "3"));
        QVERIFY(DDataManager::getInstance()->setMacroFilePath(macros.constData()));
        QVERIFY(COrvaneXML_AddProFileMacroWithKeyInfoItem(layer, "2", "5", "B", "1", "1", "1", "3"));
        QVERIFY(COrvaneXML_AddProFileBindMacroItem(layer, "2", keyPress("1", "4", "A"), "3", "Macro3"));
        QVERIFY(COrvaneXML_AddKeyOrMouseEventItem(macros, keyPress("2", "6", "C"), "3"));

        page->setCurrentProfile(3, layer.constData());
        emit page->sigMacroListHaveChangedSendToDevice(QStringLiteral("3"), QStringLiteral("Three"));
        std::list<macroEventItem> copy;
        QVERIFY(COrvaneXML_ProFileMacroWithKeyInfoSelectAll(layer, "2", "3", "", &copy));
        QCOMPARE(copy.size(), std::size_t(4));
        std::list<macroEventItem> none;
        COrvaneXML_ProFileMacroWithKeyInfoSelectAll(layer, "3", "3", "", &none);
        QVERIFY(none.empty());
    }
};

ORVANE_TEST_MAIN(tst_DDevicePagePages)
#include "tst_DDevicePagePages.moc"
