// Key capture on a real X server, with keys made by XTest as a keyboard
// makes them: while the remap pop-up is open a pressed key is stored as the
// remap and reaches no other window, the program's own included, while
// Caps Lock still toggles; once it closes, with a key-press effect in use,
// keys reach the other window again and go to the lighting.
#include "support/ApplicationSetUp.h"
#include "support/DevicePageProbe.h"
#include "support/KeyCapturePopUp.h"
#include "support/LoadedDevicePage.h"
#include "support/SimulatorHarness.h"
#include "support/StoreTestSupport.h"
#include "support/TestMain.h"
#include "support/X11KeyClients.h"

#include "app/DDataManager.h"
#include "app/WindowsHookInterface.h"
#include "hid/DDeviceKeyboardLink.h"
#include "sim/SimulatedKeyboard.h"
#include "ui/mainwidget/devicePage/DKeyPressEffects.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/keyboardView/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/keyboardView/keyboardButCustom.h"
#include "ui/mainwidget/devicePage/lightsConfig/DLightsConfigPage.h"
#include "ui/widgets/ArrowWidget.h"

#include <QLineEdit>
#include <QSignalSpy>

#include <memory>

namespace {

constexpr int kLoadTimeoutMs = 20000;
// Keycodes of the evdev set the test server uses.
constexpr int kKeycodeB = 56;
constexpr int kKeycodeCaps = 66;
constexpr int kKeycodeTab = 23;
constexpr unsigned kLockMask = 1u << 1;
constexpr int kKeyA = 4;
constexpr int kUsageB = 5;
constexpr int kRemapFunctionId = 2;
// X11's event types, which Xlib's header would name.
constexpr int kXKeyPress = 2;
constexpr int kXKeyRelease = 3;

QByteArray currentLayerFile()
{
    char path[DDataManager::kPathBufferSize] = {};
    DDataManager::getInstance()->copyCurrentProfilePath(path);
    return QByteArray(path);
}

} // namespace

class tst_keyCaptureOnX11 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        prepareApplicationTest();
        QVERIFY2(WindowsHookInterface::capturesWholeDesktop(), "the X11 tap should serve an X11 session");
    }

    void remapCaptureOnTheServer()
    {
        SimulatorHarness sim;
        sim.plug("OV82");
        std::unique_ptr<DDevicePage> page = loadedDevicePage(kLoadTimeoutMs);
        QVERIFY(page);
        DCustomKeysPage* keys = DevicePageProbe(*page).customKeysPage();
        emit DevicePageProbe(*page).lightsConfigPage()->sigSelectCurrentLightTypeIndex_KB(
            7, StoreTestSupport::light(0, 7));
        QVERIFY(keys->isKeyboardHookEnabled());
        const QByteArray layer = currentLayerFile();
        QVERIFY(!layer.isEmpty());

        // A field of the program's own that has the focus.
        QLineEdit ownField;
        ownField.setObjectName(QStringLiteral("ownField"));
        ownField.show();
        ownField.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&ownField));
        ownField.setFocus();

        Injector injector;
        QSignalSpy lighting(keys, &DCustomKeysPage::sigInteractLightsPointXY);

        DDataManager::getInstance()->setCurrentKey(kKeyA, QStringLiteral("A"));
        ArrowWidget* popup = openCapturePopUp(*keys, kRemapFunctionId);
        QVERIFY(popup);
        QVERIFY(!keys->isKeyboardHookEnabled());

        // The pop-up leaves the keyboard with the program's own field that
        // had it: the key is stored and typed nowhere.
        QTRY_VERIFY(ownField.hasFocus());
        injector.tap(kKeycodeB);
        QTRY_COMPARE_WITH_TIMEOUT(StoreTestSupport::keyEntryOf(layer, kKeyA), QStringLiteral("0/1/1/%1").arg(kUsageB),
                                  10000);
        QTest::qWait(200);
        QVERIFY(ownField.text().isEmpty());

        // Another window takes the focus; the capture goes on.
        OtherClient other;
        other.refocus();
        QVERIFY(popup->isPopupOpen());
        const unsigned locksBefore = injector.lockedModifiers();
        // Caps Lock toggles for the whole desktop, and is captured too.
        injector.tap(kKeycodeCaps);
        QTRY_COMPARE_WITH_TIMEOUT(injector.lockedModifiers() & kLockMask, (locksBefore ^ kLockMask) & kLockMask, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(StoreTestSupport::keyEntryOf(layer, kKeyA), QStringLiteral("0/1/1/57"), 10000);
        injector.tap(kKeycodeCaps);
        QTRY_COMPARE_WITH_TIMEOUT(injector.lockedModifiers() & kLockMask, locksBefore & kLockMask, 10000);
        injector.tap(kKeycodeB);
        QTRY_COMPARE_WITH_TIMEOUT(StoreTestSupport::keyEntryOf(layer, kKeyA), QStringLiteral("0/1/1/%1").arg(kUsageB),
                                  10000);
        const QList<OtherClient::Event> duringCapture = other.take();
        QCOMPARE(countOf(duringCapture, kXKeyPress, kKeycodeB), 0);
        QCOMPARE(countOf(duringCapture, kXKeyRelease, kKeycodeB), 0);
        QVERIFY(ownField.text().isEmpty());
        QCOMPARE(lighting.size(), 0);

        closeCapturePopUp(*popup);
        QVERIFY(!popup->isPopupOpen());
        QVERIFY(keys->isKeyboardHookEnabled());

        other.refocus();
        injector.tap(kKeycodeB);
        QList<OtherClient::Event> afterCapture;
        QVERIFY(other.waitForKey(kXKeyRelease, kKeycodeB, &afterCapture));
        QCOMPARE(countOf(afterCapture, kXKeyPress, kKeycodeB), 1);
        QTRY_COMPARE_WITH_TIMEOUT(lighting.size(), 1, 10000);
        keyboardButCustom* cap
            = DevicePageProbe(*page).keyCapAt(lighting.at(0).at(0).toInt(), lighting.at(0).at(1).toInt());
        QVERIFY(cap);
        QCOMPARE(cap->keyCode(), kUsageB);
        // Tab ends where a press goes in pass-through, so nothing is held.
        injector.tap(kKeycodeTab);
        QVERIFY(other.waitForKey(kXKeyRelease, kKeycodeTab));
        keys->setKeyboardHookEnabled(false);
    }

    // The keyboard's own lighting key pressed during a macro recording: the
    // light changes it reports leave the hook to the recording, which goes
    // on getting every key while no other window sees them; once it stops,
    // the key-press effect the keyboard ended on has its pass-through.
    void aLightChangeOfTheKeyboardLeavesTheRecordingAlone()
    {
        SimulatorHarness sim;
        auto keyboard = sim.plug("OV82");
        std::unique_ptr<DDevicePage> page = loadedDevicePage(kLoadTimeoutMs);
        QVERIFY(page);
        DCustomKeysPage* keys = DevicePageProbe(*page).customKeysPage();
        DDeviceKeyboardLink* link = DevicePageProbe(*page).selectedLink();
        QVERIFY(link);
        emit DevicePageProbe(*page).lightsConfigPage()->sigSelectCurrentLightTypeIndex_KB(
            7, StoreTestSupport::light(0, 7));
        QVERIFY(keys->isKeyboardHookEnabled());

        Injector injector;
        OtherClient other;
        DDataManager* data = DDataManager::getInstance();
        QSignalSpy recorded(data, &DDataManager::sigRecviveStreamEX_MacroKeyboard);
        QSignalSpy reported(link, &DDeviceKeyboardLink::sigLightConfigHaveChanged_HidSend);
        QVERIFY(data->switchMacroRecordHook(true));
        other.refocus();

        // One change to an effect that does not follow the keys, one to an
        // effect that does: each asked the hook for something else before.
        bool followedKeys[2] = {false, false};
        for (int change = 0; change < 2; ++change) {
            SimulatedLighting::Setting setting;
            setting.effect = change == 0 ? 1 : 7;
            setting.brightness = 3;
            setting.speed = 3;
            keyboard->changeKeyboardLight(setting);
            QTRY_COMPARE_WITH_TIMEOUT(reported.size(), change + 1, 10000);
            QCOMPARE(reported.last().at(0).toInt(), 0);
            followedKeys[change] = DKeyPressEffects::isKeyPressDriven(reported.last().at(1).toInt());
            QVERIFY(!keys->isKeyboardHookEnabled());

            recorded.clear();
            injector.tap(kKeycodeB);
            QTRY_COMPARE_WITH_TIMEOUT(recorded.size(), 2, 10000);
            QCOMPARE(recorded.at(0).at(0).toInt(), 0x42);
            QCOMPARE(recorded.at(0).at(2).toInt(), 1);
            QCOMPARE(recorded.at(1).at(2).toInt(), 0);
        }
        QVERIFY(!followedKeys[0]);
        QVERIFY(followedKeys[1]);
        QList<OtherClient::Event> seen = other.take();
        QCOMPARE(countOf(seen, kXKeyPress, kKeycodeB), 0);
        QCOMPARE(countOf(seen, kXKeyRelease, kKeycodeB), 0);

        QVERIFY(data->switchMacroRecordHook(false));
        QVERIFY(keys->isKeyboardHookEnabled());
        recorded.clear();
        other.refocus();
        injector.tap(kKeycodeB);
        QVERIFY(other.waitForKey(kXKeyRelease, kKeycodeB, &seen));
        QCOMPARE(countOf(seen, kXKeyPress, kKeycodeB), 1);
        QCOMPARE(recorded.size(), 0);
        keys->setKeyboardHookEnabled(false);
    }
};

ORVANE_TEST_MAIN(tst_keyCaptureOnX11)
#include "tst_keyCaptureOnX11.moc"
