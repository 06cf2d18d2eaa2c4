#include "support/ApplicationSetUp.h"
#include "support/TestMain.h"

#include "support/HookReports.h"
#include "support/X11Injector.h"
#include "support/X11OtherClient.h"

#include "app/DDataManager.h"
#include "app/WindowsHookInterface.h"
#include "platform/linux/KeyPositionTable.h"

#include <QProcess>
#include <QSignalSpy>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace {

// Keycodes of the evdev set the test server uses.
constexpr int kKeyA = 38;
constexpr int kKeyTab = 23;
constexpr int kKeyCaps = 66;
constexpr int kKeyNumLock = 77;
constexpr int kKeyScrollLock = 78;
constexpr int kKeyLeftCtrl = 37;
constexpr int kKeyRightCtrl = 105;
constexpr int kKeyLeftAlt = 64;

int countOf(const QList<OtherClient::Event>& events, int type, int detail)
{
    int count = 0;
    for (const OtherClient::Event& event : events)
        count += event.type == type && event.detail == detail ? 1 : 0;
    return count;
}

} // namespace

// The X11 tap against a real X server: what reaches the receivers, what
// reaches another client, and that the keyboard is always given back.
class tst_X11InputHooks : public QObject
{
    Q_OBJECT

public:
    tst_X11InputHooks()
    {
        // The child of crashWhileCapturingGivesKeyboardBack: capture, then die.
        if (qEnvironmentVariableIsSet("ORVANE_HOOK_CRASH_CHILD")) {
            static WindowsHookInterface hook;
            if (hook.startHook(2)) {
                std::puts("capturing");
                std::fflush(stdout);
                QTest::qWait(200);
            }
            std::abort();
        }
    }

private slots:
    void initTestCase();
    void cleanup();

    void keyPositionsMatchServer();
    void captureReportsOnePressPerPress_data();
    void captureReportsOnePressPerPress();
    void passThroughKeysReachOtherClients_data();
    void passThroughKeysReachOtherClients();
    void translationOnTheServer_data();
    void translationOnTheServer();
    void altHeldSetsAltFlag();
    void macroRecordingRelaysButtons();
    void macroOverCaptureAddsNoMouseHook();
    void heldKeysStayWithinTable();
    void keysWithDesktopShortcutsAreCaptured();
    void everyEndOfCaptureGivesKeyboardBack_data();
    void everyEndOfCaptureGivesKeyboardBack();
    void stopWhileKeyHeldGivesKeyboardBack();
    void crashWhileCapturingGivesKeyboardBack();

private:
    std::unique_ptr<Injector> m_injector;
    OtherClient* m_client = nullptr;
};

void tst_X11InputHooks::initTestCase()
{
    prepareApplicationTest();
    QVERIFY2(WindowsHookInterface::capturesWholeDesktop(), "the X11 tap should serve an X11 session");
    m_injector = std::make_unique<Injector>();
    m_injector->setFastRepeat();
}

void tst_X11InputHooks::cleanup()
{
    delete m_client;
    m_client = nullptr;
}

void tst_X11InputHooks::keyPositionsMatchServer()
{
    for (std::size_t i = 0; i < KeyPositionTable::rowCount(); ++i) {
        const KeyPosition& row = KeyPositionTable::rows()[i];
        QCOMPARE(m_injector->keyName(row.xKeycode), QByteArray(row.xkbName));
    }
}

void tst_X11InputHooks::captureReportsOnePressPerPress_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("swallowed");
    QTest::newRow("remap capture") << 2 << true;
    QTest::newRow("key-combination capture") << 3 << true;
    QTest::newRow("lighting") << 5 << false;
}

void tst_X11InputHooks::captureReportsOnePressPerPress()
{
    QFETCH(int, mode);
    QFETCH(bool, swallowed);
    m_client = new OtherClient;
    WindowsHookInterface hook;
    QSignalSpy keys(&hook, &WindowsHookInterface::sigKeyboardRecviveStreamEX_Key);
    QVERIFY(hook.startHook(mode));
    QCOMPARE(m_client->canGrabKey(kKeyA), !swallowed);

    // Held long enough for the server to repeat it several times.
    m_injector->key(kKeyA, true);
    QTest::qWait(400);
    m_injector->key(kKeyA, false);
    QTRY_COMPARE(keys.count(), 2);
    m_injector->tap(kKeyLeftCtrl);
    QList<OtherClient::Event> seen;
    QVERIFY(m_client->waitForKey(KeyRelease, kKeyLeftCtrl, &seen));

    QTRY_COMPARE(keys.count(), 4);
    QCOMPARE(hookReportsOf(keys),
             (HookReports{{0x41, 0x1E, 1, 0x00}, {0x41, 0x1E, 0, 0x80}, {162, 0x1D, 1, 0x00}, {162, 0x1D, 0, 0x80}}));
    if (swallowed) {
        QCOMPARE(countOf(seen, KeyPress, kKeyA), 0);
        QCOMPARE(countOf(seen, KeyRelease, kKeyA), 0);
    } else {
        QVERIFY2(countOf(seen, KeyPress, kKeyA) >= 3, "the server did not repeat the held key");
        QCOMPARE(countOf(seen, KeyRelease, kKeyA), countOf(seen, KeyPress, kKeyA));
    }
    QVERIFY(hook.stopHook());
}

void tst_X11InputHooks::passThroughKeysReachOtherClients_data()
{
    QTest::addColumn<int>("keycode");
    QTest::addColumn<int>("vk");
    QTest::addColumn<int>("scan");
    QTest::addColumn<int>("extended");
    QTest::newRow("Caps Lock") << kKeyCaps << 20 << 0x3A << 0;
    QTest::newRow("Num Lock") << kKeyNumLock << 144 << 0x45 << 1;
    QTest::newRow("Scroll Lock") << kKeyScrollLock << 145 << 0x46 << 0;
    QTest::newRow("left Ctrl") << kKeyLeftCtrl << 162 << 0x1D << 0;
    QTest::newRow("right Ctrl") << kKeyRightCtrl << 163 << 0x1D << 1;
}

void tst_X11InputHooks::passThroughKeysReachOtherClients()
{
    QFETCH(int, keycode);
    QFETCH(int, vk);
    QFETCH(int, scan);
    QFETCH(int, extended);
    m_client = new OtherClient;
    WindowsHookInterface hook;
    QSignalSpy keys(&hook, &WindowsHookInterface::sigKeyboardRecviveStreamEX_Key);
    QVERIFY(hook.startHook(2));

    const unsigned locksBefore = m_injector->lockedModifiers();
    m_injector->tap(keycode);
    QList<OtherClient::Event> seen;
    QVERIFY2(m_client->waitForKey(KeyRelease, keycode, &seen), "the key did not reach the focused window");
    QCOMPARE(countOf(seen, KeyPress, keycode), 1);
    QTRY_COMPARE(keys.count(), 2);
    QCOMPARE(hookReportsOf(keys), (HookReports{{vk, scan, 1, extended}, {vk, scan, 0, 0x80 | extended}}));

    // A lock key toggles exactly once: nothing plays it a second time.
    if (keycode == kKeyCaps || keycode == kKeyNumLock) {
        QVERIFY(m_injector->lockedModifiers() != locksBefore);
        m_injector->tap(keycode);
        QTRY_COMPARE(keys.count(), 4);
        QCOMPARE(m_injector->lockedModifiers(), locksBefore);
    }
    QVERIFY(hook.stopHook());
}

void tst_X11InputHooks::translationOnTheServer_data()
{
    QTest::addColumn<int>("keycode");
    QTest::addColumn<QVector<int>>("press");
    QTest::newRow("A") << kKeyA << QVector<int>{0x41, 0x1E, 1, 0x00};
    QTest::newRow("Up arrow, extended") << 111 << QVector<int>{0x26, 0x48, 1, 0x01};
    QTest::newRow("keypad 8, never an arrow") << 80 << QVector<int>{0x68, 0x48, 1, 0x00};
    QTest::newRow("Enter") << 36 << QVector<int>{0x0D, 0x1C, 1, 0x00};
    QTest::newRow("keypad Enter, extended") << 104 << QVector<int>{0x0D, 0x1C, 1, 0x01};
    QTest::newRow("keypad divide, extended") << 106 << QVector<int>{0x6F, 0x35, 1, 0x01};
    QTest::newRow("left Windows key") << 133 << QVector<int>{0x5B, 0x5B, 1, 0x01};
    QTest::newRow("right Alt is Alt") << 108 << QVector<int>{0xA5, 0x38, 1, 0x21};
    QTest::newRow("ISO key") << 94 << QVector<int>{0xE2, 0x56, 1, 0x00};
    QTest::newRow("Yen") << 132 << QVector<int>{0xFF, 0x7D, 1, 0x00};
}

void tst_X11InputHooks::translationOnTheServer()
{
    QFETCH(int, keycode);
    QFETCH(QVector<int>, press);
    WindowsHookInterface hook;
    QSignalSpy keys(&hook, &WindowsHookInterface::sigKeyboardRecviveStreamEX_Key);
    QVERIFY(hook.startHook(2));
    m_injector->tap(keycode);
    QTRY_COMPARE(keys.count(), 2);
    QVector<int> release = press;
    release[2] = 0;
    release[3] = (press[3] & 0x01) | 0x80;
    QCOMPARE(hookReportsOf(keys), (HookReports{press, release}));
    QVERIFY(hook.stopHook());
}

void tst_X11InputHooks::altHeldSetsAltFlag()
{
    WindowsHookInterface hook;
    QSignalSpy keys(&hook, &WindowsHookInterface::sigKeyboardRecviveStreamEX_Key);
    QVERIFY(hook.startHook(2));
    m_injector->key(kKeyLeftAlt, true);
    m_injector->tap(kKeyTab);
    m_injector->key(kKeyLeftAlt, false);
    QTRY_COMPARE(keys.count(), 4);
    QCOMPARE(hookReportsOf(keys),
             (HookReports{{0xA4, 0x38, 1, 0x20}, {0x09, 0x0F, 1, 0x20}, {0x09, 0x0F, 0, 0xA0}, {0xA4, 0x38, 0, 0x80}}));
    QVERIFY(hook.stopHook());
}

void tst_X11InputHooks::macroRecordingRelaysButtons()
{
    m_client = new OtherClient;
    WindowsHookInterface hook;
    QList<QVector<int>> relayed; // message, x, y, wheel delta
    QMetaObject::Connection connection = connect(
        DDataManager::getInstance(), &DDataManager::sigRecviveStreamEX_MacroMouse, this,
        [&relayed](int nCode, WPARAM wParam, LPARAM lParam) {
            QCOMPARE(nCode, 0);
            const auto* event = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
            relayed << QVector<int>{int(wParam), event->pt.x, event->pt.y, int(qint16(event->mouseData >> 16))};
        });
    QSignalSpy macroKeys(DDataManager::getInstance(), &DDataManager::sigRecviveStreamEX_MacroKeyboard);
    QVERIFY(hook.startHook(1));

    m_injector->moveTo(100, 120);
    m_injector->button(1, true);
    m_injector->moveTo(150, 130);
    m_injector->button(1, false);
    m_injector->button(3, true);
    m_injector->button(3, false);
    m_injector->button(2, true);
    m_injector->button(2, false);
    m_injector->button(4, true);
    m_injector->button(4, false);
    m_injector->button(5, true);
    m_injector->button(5, false);
    m_injector->tap(kKeyA);
    QTRY_COMPARE(macroKeys.count(), 2);
    disconnect(connection);
    QCOMPARE(relayed, (QList<QVector<int>>{{513, 100, 120, 0},
                                           {514, 150, 130, 0},
                                           {516, 150, 130, 0},
                                           {517, 150, 130, 0},
                                           {519, 150, 130, 0},
                                           {520, 150, 130, 0},
                                           {522, 150, 130, 120},
                                           {522, 150, 130, -120}}));
    // Buttons are never swallowed: the window under the pointer got them all.
    const QList<OtherClient::Event> seen = m_client->take();
    for (int button = 1; button <= 5; ++button) {
        QCOMPARE(countOf(seen, ButtonPress, button), 1);
        QCOMPARE(countOf(seen, ButtonRelease, button), 1);
    }
    QVERIFY(hook.stopHook());
}

void tst_X11InputHooks::macroOverCaptureAddsNoMouseHook()
{
    WindowsHookInterface hook;
    QSignalSpy macroMouse(DDataManager::getInstance(), &DDataManager::sigRecviveStreamEX_MacroMouse);
    QSignalSpy macroKeys(DDataManager::getInstance(), &DDataManager::sigRecviveStreamEX_MacroKeyboard);
    QVERIFY(hook.startHook(2));
    QVERIFY(hook.startHook(1));
    QVERIFY(!WindowsHookInterface::mouseHookInstalled());
    m_injector->button(1, true);
    m_injector->button(1, false);
    m_injector->tap(kKeyA);
    QTRY_COMPARE(macroKeys.count(), 2);
    QCOMPARE(macroMouse.count(), 0);
    QVERIFY(hook.stopHook());
}

void tst_X11InputHooks::heldKeysStayWithinTable()
{
    m_client = new OtherClient;
    WindowsHookInterface hook;
    QSignalSpy keys(&hook, &WindowsHookInterface::sigKeyboardRecviveStreamEX_Key);
    QVERIFY(hook.startHook(2));
    int minKeycode = 0;
    int maxKeycode = 0;
    XDisplayKeycodes(m_injector->display(), &minKeycode, &maxKeycode);
    // The table holds virtual keys: positions that share one (both Enter
    // keys, the Japanese keys without a code of their own) count once.
    int known = 0;
    QSet<int> virtualKeys;
    for (int keycode = minKeycode; keycode <= maxKeycode; ++keycode) {
        m_injector->key(keycode, true);
        if (const KeyPosition* position = KeyPositionTable::byXKeycode(quint32(keycode))) {
            ++known;
            virtualKeys.insert(position->vkCode);
        }
    }
    QTRY_COMPARE(keys.count(), virtualKeys.size());
    QCOMPARE(WindowsHookInterface::heldKeyCount(), virtualKeys.size());
    QVERIFY(WindowsHookInterface::heldKeyCount() <= WindowsHookInterface::kHeldKeyCapacity);
    for (int keycode = minKeycode; keycode <= maxKeycode; ++keycode)
        m_injector->key(keycode, false);
    QTRY_COMPARE(keys.count(), virtualKeys.size() + known);
    QCOMPARE(WindowsHookInterface::heldKeyCount(), 0);
    // The two lock keys went round once; put them back.
    m_injector->tap(kKeyCaps);
    m_injector->tap(kKeyNumLock);
    QVERIFY(hook.stopHook());
}

void tst_X11InputHooks::keysWithDesktopShortcutsAreCaptured()
{
    constexpr int kKeyB = 56;
    m_client = new OtherClient;
    m_client->grabShortcut(kKeyB, Mod4Mask);
    WindowsHookInterface hook;
    QSignalSpy keys(&hook, &WindowsHookInterface::sigKeyboardRecviveStreamEX_Key);
    QVERIFY(hook.startHook(2));
    m_injector->tap(kKeyB);
    m_injector->tap(kKeyLeftCtrl);
    QList<OtherClient::Event> seen;
    QVERIFY(m_client->waitForKey(KeyRelease, kKeyLeftCtrl, &seen));
    QCOMPARE(countOf(seen, KeyPress, kKeyB), 0);
    QTRY_COMPARE(keys.count(), 4);
    QCOMPARE(hookReportsOf(keys).first(), (QVector<int>{0x42, 0x30, 1, 0x00}));
    QVERIFY(hook.stopHook());
}

void tst_X11InputHooks::everyEndOfCaptureGivesKeyboardBack_data()
{
    QTest::addColumn<QString>("ending");
    QTest::newRow("stop") << "stop";
    QTest::newRow("switch to lighting") << "mode 5";
    QTest::newRow("owner destroyed") << "destroy";
    QTest::newRow("receiver throws") << "throw";
    QTest::newRow("application quits") << "quit";
}

void tst_X11InputHooks::everyEndOfCaptureGivesKeyboardBack()
{
    QFETCH(QString, ending);
    m_client = new OtherClient;
    auto* hook = new WindowsHookInterface;
    QSignalSpy keys(hook, &WindowsHookInterface::sigKeyboardRecviveStreamEX_Key);
    QVERIFY(hook->startHook(2));
    QVERIFY(!m_client->canGrabKey(kKeyA));

    if (ending == QLatin1String("stop")) {
        QVERIFY(hook->stopHook());
    } else if (ending == QLatin1String("mode 5")) {
        QVERIFY(hook->startHook(5));
    } else if (ending == QLatin1String("destroy")) {
        delete hook;
        hook = nullptr;
    } else if (ending == QLatin1String("throw")) {
        connect(hook, &WindowsHookInterface::sigKeyboardRecviveStreamEX_Key, this,
                [] { throw std::runtime_error("receiver broke"); });
        QTest::ignoreMessage(QtCriticalMsg, "Keyboard hook receiver failed (receiver broke); hooks removed");
        m_injector->key(kKeyA, true);
        QTRY_VERIFY(!WindowsHookInterface::keyboardHookInstalled());
        m_injector->key(kKeyA, false);
    } else if (ending == QLatin1String("quit")) {
        QVERIFY(QMetaObject::invokeMethod(QCoreApplication::instance(), "aboutToQuit"));
    }

    QVERIFY(m_client->canGrabKey(kKeyA));
    QVERIFY(m_client->canGrabKeyboard());
    m_client->take();
    m_injector->tap(kKeyA);
    QVERIFY2(m_client->waitForKey(KeyRelease, kKeyA), "typing does not reach the focused window again");
    delete hook;
}

void tst_X11InputHooks::stopWhileKeyHeldGivesKeyboardBack()
{
    m_client = new OtherClient;
    WindowsHookInterface hook;
    QSignalSpy keys(&hook, &WindowsHookInterface::sigKeyboardRecviveStreamEX_Key);
    QVERIFY(hook.startHook(2));
    m_injector->key(kKeyA, true);
    QTRY_COMPARE(keys.count(), 1);
    // The held key made the server activate our grab: the whole keyboard is ours.
    QVERIFY(!m_client->canGrabKeyboard());
    QVERIFY(hook.stopHook());
    QVERIFY(m_client->canGrabKeyboard());
    m_injector->key(kKeyA, false);
}

void tst_X11InputHooks::crashWhileCapturingGivesKeyboardBack()
{
    m_client = new OtherClient;
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("ORVANE_HOOK_CRASH_CHILD"), QStringLiteral("1"));
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), QStringList());
    QVERIFY(child.waitForReadyRead(20000));
    QCOMPARE(child.readLine().trimmed(), QByteArray("capturing"));
    QVERIFY(!m_client->canGrabKey(kKeyA));
    QVERIFY(child.waitForFinished(20000));
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);
    QVERIFY(m_client->canGrabKey(kKeyA));
    m_injector->tap(kKeyA);
    QVERIFY(m_client->waitForKey(KeyRelease, kKeyA));
}

ORVANE_TEST_MAIN(tst_X11InputHooks)
#include "tst_X11InputHooks.moc"
