// The device page's state, sleep-time and lock slots against the simulated
// keyboard, through the real I/O threads of the links: battery and charging
// from the selected keyboard's state reports, sleep times with their
// acknowledgement wait, the Windows-key lock options, and the key hook when
// the selected receiver keyboard goes away.
#include "support/ApplicationSetUp.h"
#include "support/DevicePageProbe.h"
#include "support/LoadedDevicePage.h"
#include "support/TestMain.h"

#include "app/DDataManager.h"
#include "hid/DDeviceKeyboardLink.h"
#include "sdk/include/orvanesdk_xml.h"
#include "support/SimulatorHarness.h"
#include "ui/mainwidget/devicePage/DDeviceListItem.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/DPerformancePage.h"
#include "ui/mainwidget/devicePage/keyboardView/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/lightsConfig/DLightsConfigPage.h"
#include "ui/mainwidget/devicePage/lightDeal/lightDealMain.h"
#include "ui/widgets/BatteryItem.h"
#include "ui/widgets/CbNotice.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

namespace {

constexpr int kLoadTimeoutMs = 20000;

QString pathOf(SimulatorHarness& sim, const std::shared_ptr<SimulatedKeyboard>& keyboard)
{
    return QString::fromStdString(sim.pathOf(keyboard));
}

// Sends a state report and waits until the page's link has passed it on.
void sendState(DDevicePage& page, SimulatorHarness& sim, const std::shared_ptr<SimulatedKeyboard>& keyboard,
               uint8_t charging, uint8_t battery, uint8_t mode = 0)
{
    SimulatedKeyboard::StateReport state = keyboard->state();
    state.charging = charging;
    state.battery = battery;
    state.keyboardMode = mode;
    keyboard->setState(state);
    QSignalSpy passed(page.deviceLinkMap().value(pathOf(sim, keyboard)),
                      &DDeviceKeyboardLink::sigSendChargingStatusAndElectricity);
    keyboard->sendStateReport();
    QVERIFY(passed.wait(kLoadTimeoutMs));
}

} // namespace

class tst_DDevicePageState : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QByteArray m_layer;

    template<typename T>
    static T* child(QObject& parent, const char* name)
    {
        return parent.findChild<T*>(QLatin1String(name));
    }

    // Gives the page a profile file with profile 1 of its own.
    void useProfile(DDevicePage& page)
    {
        // The load asks the keyboard for its sleep times, and the answer goes
        // to the profile current when it comes: it must be in first.
        sleepTimeInfo loaded{-1, -1};
        QTRY_VERIFY_WITH_TIMEOUT(COrvaneXML_GetProFileIntoSleepTimeInfo(page.profilePath(), "1", &loaded), 5000);
        m_layer = QFile::encodeName(m_dir.filePath(QStringLiteral("layer%1.xml").arg(++m_files)));
        QVERIFY(COrvaneXML_CreateXMLFile(m_layer));
        QVERIFY(COrvaneXML_CreateProFileXmlParentNode(m_layer, "1", "Profile1", 0));
        page.setCurrentProfile(1, m_layer.constData());
        DDataManager::getInstance()->setMagneticKeyboard(false);
        DDataManager::getInstance()->setHidDeviceType(3);
        DevicePageProbe(page).performancePage()->loadPerformanceSettings();
    }

    int m_files = 0;

private slots:
    void initTestCase() { prepareApplicationTest(); }

    void batteryOfTheSelectedKeyboardOnly()
    {
        SimulatorHarness sim;
        // One that can run from its battery: a cable-only keyboard shows no level.
        auto selected = sim.plug("OV84W");
        auto other = sim.plug("OV84");
        std::unique_ptr<DDevicePage> page = loadedDevicePage(kLoadTimeoutMs);
        QVERIFY(page);
        // Loading the keyboard built the hosted pages.
        QVERIFY(page->findChild<DCustomKeysPage*>() && page->findChild<DLightsConfigPage*>());
        QCOMPARE(DevicePageProbe(*page).selectedLink(), page->deviceLinkMap().value(pathOf(sim, selected)));
        auto* battery = child<BatteryItem>(*page, "label_ElectricityNum");
        auto* charging = child<QLabel>(*page, "label_Charging");
        auto* mode = child<QLabel>(*page, "label_Mode");
        QVERIFY(battery && charging && mode);

        sendState(*page, sim, selected, 0, 23);
        QCOMPARE(battery->level(), 23);
        QVERIFY(battery->showText());
        QVERIFY(charging->isHidden());
        QCOMPARE(mode->text(), QStringLiteral("USB"));

        sendState(*page, sim, other, 2, 77, 1);
        QCOMPARE(battery->level(), 23);
        QVERIFY(charging->isHidden());
        QCOMPARE(mode->text(), QStringLiteral("USB"));

        // Charging: the mark shows and the icon fills step by step from
        // empty, while the page can be seen.
        page->show();
        QVERIFY(QTest::qWaitForWindowExposed(page.get()));
        sendState(*page, sim, selected, 1, 40);
        QVERIFY(!charging->isHidden());
        QVERIFY(!battery->showText());
        QTRY_VERIFY_WITH_TIMEOUT(battery->level() < 23, 5000);
        QTRY_VERIFY_WITH_TIMEOUT(battery->level() >= 3, 5000);
        const int reached = battery->level();
        // Another charging report does not restart it from empty.
        sendState(*page, sim, selected, 1, 40);
        QVERIFY(battery->level() >= reached);
        QTRY_VERIFY_WITH_TIMEOUT(battery->level() > reached, 5000);
        // Nobody sees a hidden page: its animation wakes nothing, and goes
        // on when it shows again.
        auto* animation = battery->findChild<QTimer*>();
        QVERIFY(animation && animation->isActive());
        page->hide();
        QVERIFY(!animation->isActive());
        page->show();
        QVERIFY(animation->isActive());

        sendState(*page, sim, selected, 2, 64);
        QCOMPARE(battery->level(), 100);
        QVERIFY(battery->showText());
        QVERIFY(!charging->isHidden());
        QTest::qWait(3 * 50);
        QCOMPARE(battery->level(), 100);

        sendState(*page, sim, selected, 0, 55);
        QCOMPARE(battery->level(), 55);
        QVERIFY(charging->isHidden());
    }

    void sleepTimes_data()
    {
        QTest::addColumn<QString>("light");
        QTest::addColumn<QString>("minutes");
        QTest::addColumn<bool>("dropAck");
        QTest::addColumn<QString>("tip");
        QTest::addColumn<bool>("stored");
        QTest::newRow("600 s with 5 min") << "300"
                                          << "5" << false << "Sleep time has been set" << true;
        QTest::newRow("600 s with 4 min") << "600"
                                          << "4" << false << "Keyboard enters sleep time is too short" << false;
        QTest::newRow("1200 s with 10 min") << "1200"
                                            << "10" << false
                                            << "The time when the light enters sleep cannot be longer than the "
                                               "keyboard enters sleep"
                                            << false;
        QTest::newRow("acknowledgement dropped") << "120"
                                                 << "20" << true << "Sleep time set failed" << false;
    }
    void sleepTimes()
    {
        QFETCH(QString, light);
        QFETCH(QString, minutes);
        QFETCH(bool, dropAck);
        QFETCH(QString, tip);
        QFETCH(bool, stored);
        SimulatorHarness sim;
        auto keyboard = sim.plug("OV82");
        std::unique_ptr<DDevicePage> page = loadedDevicePage(kLoadTimeoutMs);
        QVERIFY(page);
        useProfile(*page);
        if (dropAck)
            keyboard->setSilentCommand(0x13, true);
        const int sentBefore = keyboard->receivedCount(0x13);
        DPerformancePage* performance = DevicePageProbe(*page).performancePage();
        child<QLineEdit>(*performance, "lineEdit_LightSleep")->setText(light);
        child<QLineEdit>(*performance, "lineEdit_KeyboardSleep")->setText(minutes);

        QElapsedTimer clock;
        clock.start();
        child<QPushButton>(*performance, "pushButton_SubmitSleepTime")->click();
        const qint64 elapsed = clock.elapsed();
        QCOMPARE(DevicePageProbe(*page).toast()->text(), tip);

        sleepTimeInfo times{-1, -1};
        COrvaneXML_GetProFileIntoSleepTimeInfo(m_layer.constData(), "1", &times);
        if (stored) {
            QCOMPARE(times.lightSleepSeconds, light.toInt());
            QCOMPARE(times.keyboardSleepMinutes, minutes.toInt());
            QCOMPARE(keyboard->lightSleep(), light.toInt());
            QCOMPARE(keyboard->keyboardSleep(), minutes.toInt() * 60);
            QVERIFY2(elapsed < DDevicePage::kSleepTimeAckWaitMs, qPrintable(QString::number(elapsed)));
            return;
        }
        QCOMPARE(times.lightSleepSeconds, -1);
        if (dropAck) {
            // The report went out and the page waited the whole time for it.
            QCOMPARE(keyboard->receivedCount(0x13), sentBefore + 1);
            QVERIFY2(elapsed >= DDevicePage::kSleepTimeAckWaitMs, qPrintable(QString::number(elapsed)));
            QVERIFY2(elapsed < DDevicePage::kSleepTimeAckWaitMs + 3000, qPrintable(QString::number(elapsed)));
        } else {
            QCOMPARE(keyboard->receivedCount(0x13), sentBefore);
        }
    }

    void prohibitSleepKeptAfterAcknowledgement()
    {
        SimulatorHarness sim;
        auto keyboard = sim.plug("OV82");
        std::unique_ptr<DDevicePage> page = loadedDevicePage(kLoadTimeoutMs);
        QVERIFY(page);
        useProfile(*page);
        DDataManager::getInstance()->setProhibitSleep(0);
        page->onLightAndKeyboardSleepTime(600, 1800, 1);
        QCOMPARE(DevicePageProbe(*page).toast()->text(), QStringLiteral("Sleep time has been set"));
        QCOMPARE(DDataManager::getInstance()->prohibitSleep(), 1);
        QCOMPARE(keyboard->prohibitSleep(), 1);
        DDataManager::getInstance()->setProhibitSleep(0);
    }

    // On the wire: byte 13 Windows keys, 14 Shift+Tab, 15 Alt+F4, 16 Alt+Tab.
    void lockOptions_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QByteArray>("wire");
        QTest::newRow("windows key") << "checkBox_disableWindowsKey" << QByteArray("\x01\x00\x00\x00", 4);
        QTest::newRow("shift+tab") << "checkBox_disableSHIFT_TAB" << QByteArray("\x00\x01\x00\x00", 4);
        QTest::newRow("alt+tab") << "checkBox_disableALT_TAB" << QByteArray("\x00\x00\x00\x01", 4);
        QTest::newRow("alt+f4") << "checkBox_disableALT_F4" << QByteArray("\x00\x00\x01\x00", 4);
    }
    void lockOptions()
    {
        QFETCH(QString, box);
        QFETCH(QByteArray, wire);
        SimulatorHarness sim;
        auto keyboard = sim.plug("OV82");
        std::unique_ptr<DDevicePage> page = loadedDevicePage(kLoadTimeoutMs);
        QVERIFY(page);
        useProfile(*page);
        const int sentBefore = keyboard->receivedCount(0x13);
        page->show();
        DevicePageProbe(*page).performancePage()->show();
        auto* check = DevicePageProbe(*page).performancePage()->findChild<QCheckBox*>(box);
        check->click();
        QTRY_COMPARE_WITH_TIMEOUT(keyboard->receivedCount(0x13), sentBefore + 1, kLoadTimeoutMs);
        const std::array<uint8_t, 4> flags = keyboard->lockFlags();
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(flags.data()), 4), wire);

        check->click();
        QTRY_COMPARE_WITH_TIMEOUT(keyboard->receivedCount(0x13), sentBefore + 2, kLoadTimeoutMs);
        const std::array<uint8_t, 4> cleared = keyboard->lockFlags();
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(cleared.data()), 4), QByteArray(4, '\0'));
    }

    // The selected keyboard behind the receiver goes away: row, link and I/O
    // thread go together, and the key hook stops with them.
    void receiverKeyboardLeavesWithTheHook()
    {
        SimulatorHarness sim;
        auto receiver = sim.plug("OV84W", true);
        std::unique_ptr<DDevicePage> page = loadedDevicePage(kLoadTimeoutMs);
        QVERIFY(page);
        receiver->sendStateReport();
        QTRY_VERIFY_WITH_TIMEOUT(DevicePageProbe(*page).selectedLink() != nullptr, kLoadTimeoutMs);
        DevicePageProbe(*page).customKeysPage()->setKeyboardHookEnabled(true);
        QVERIFY(DevicePageProbe(*page).customKeysPage()->isKeyboardHookEnabled());

        receiver->setOnline(false);
        QTRY_VERIFY_WITH_TIMEOUT(!DevicePageProbe(*page).selectedRow(), kLoadTimeoutMs);
        QVERIFY(!DevicePageProbe(*page).selectedInterface());
        QVERIFY(!DevicePageProbe(*page).lightingEngine()->hidInterface());
        QVERIFY(!DevicePageProbe(*page).customKeysPage()->isKeyboardHookEnabled());
    }
};

ORVANE_TEST_MAIN(tst_DDevicePageState)
#include "tst_DDevicePageState.moc"
