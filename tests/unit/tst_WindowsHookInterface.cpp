#include "support/ApplicationSetUp.h"
#include "support/InstalledHookSource.h"
#include "support/TestMain.h"

#include "support/HookReports.h"

#include "app/DDataManager.h"
#include "app/WindowsHookInterface.h"

#include <QSignalSpy>

#include <memory>
#include <stdexcept>

using Delivery = FakeInputHookSource::Delivery;

// The hook rules above the input source: which events reach which receiver
// with which flag, which keys are swallowed, the held-key table and the
// install rules, driven through the fake source.
class tst_WindowsHookInterface : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void keyEvents_data();
    void keyEvents();
    void macroRecordingRoutesToDataManager();
    void heldKeyTableKeepsOrder();
    void heldKeyTableNeverOverflows();
    void stopWithKeyDownNeverGrowsTable();
    void modeSwitchWithoutStop();
    void failedInstalls();
    void latestInstanceReceives();
    void throwingReceiverReleasesHooks_data();
    void throwingReceiverReleasesHooks();
    void quitReleasesHooks();
    void scopeNoticeFollowsReach();
    void sourceGoneLeavesNoHook();

private:
    std::unique_ptr<InstalledHookSource> m_source;
};

namespace {
using Events = QList<QVector<int>>;

struct Press
{
    int vk;
    int scan;
    int flags;
};
} // namespace

void tst_WindowsHookInterface::initTestCase()
{
    prepareApplicationTest();
}

void tst_WindowsHookInterface::init()
{
    m_source = std::make_unique<InstalledHookSource>();
}

void tst_WindowsHookInterface::cleanup()
{
    m_source.reset();
}

void tst_WindowsHookInterface::keyEvents_data()
{
    QTest::addColumn<int>("mode");
    // vk, scan, flags per injected event
    QTest::addColumn<Events>("injected");
    // swallowed (1) or passed (0), per injected event
    QTest::addColumn<QVector<int>>("swallowed");
    // keyCode, scCode, flag, hookFlag per dispatched event
    QTest::addColumn<Events>("dispatched");

    QTest::newRow("mode 2: held letter, one press, repeats not reported")
        << 2 << Events{{0x41, 0x1E, 0x00}, {0x41, 0x1E, 0x00}, {0x41, 0x1E, 0x00}, {0x41, 0x1E, 0x80}}
        << QVector<int>{1, 1, 1, 1} << Events{{0x41, 0x1E, 1, 0x00}, {0x41, 0x1E, 0, 0x80}};
    QTest::newRow("mode 2: pass-through keys reach the system")
        << 2 << Events{{20, 0x3A, 0x00},  {20, 0x3A, 0x80},  {144, 0x45, 0x01}, {144, 0x45, 0x81}, {145, 0x46, 0x00},
                       {145, 0x46, 0x80}, {162, 0x1D, 0x00}, {162, 0x1D, 0x80}, {163, 0x1D, 0x01}, {163, 0x1D, 0x81}}
        << QVector<int>{0, 0, 0, 0, 0, 0, 0, 0, 0, 0}
        << Events{{20, 0x3A, 1, 0x00},  {20, 0x3A, 0, 0x80},  {144, 0x45, 1, 0x01}, {144, 0x45, 0, 0x81},
                  {145, 0x46, 1, 0x00}, {145, 0x46, 0, 0x80}, {162, 0x1D, 1, 0x00}, {162, 0x1D, 0, 0x80},
                  {163, 0x1D, 1, 0x01}, {163, 0x1D, 0, 0x81}};
    QTest::newRow("mode 2: shift is no pass-through key")
        << 2 << Events{{160, 0x2A, 0x00}, {160, 0x2A, 0x80}} << QVector<int>{1, 1}
        << Events{{160, 0x2A, 1, 0x00}, {160, 0x2A, 0, 0x80}};
    QTest::newRow("mode 3 swallows as mode 2")
        << 3 << Events{{0x26, 0x48, 0x01}, {0x26, 0x48, 0x81}, {162, 0x1D, 0x00}} << QVector<int>{1, 1, 0}
        << Events{{0x26, 0x48, 1, 0x01}, {0x26, 0x48, 0, 0x81}, {162, 0x1D, 1, 0x00}};
    QTest::newRow("mode 5 swallows nothing")
        << 5
        << Events{{0x41, 0x1E, 0x00}, {0x41, 0x1E, 0x00}, {0x41, 0x1E, 0x80}, {0x5B, 0x5B, 0x01}, {0x5B, 0x5B, 0x81}}
        << QVector<int>{0, 0, 0, 0, 0}
        << Events{{0x41, 0x1E, 1, 0x00}, {0x41, 0x1E, 0, 0x80}, {0x5B, 0x5B, 1, 0x01}, {0x5B, 0x5B, 0, 0x81}};
    QTest::newRow("Alt and extended flag words are presses")
        << 2 << Events{{164, 0x38, 0x20},  {0x09, 0x0F, 0x20}, {0x09, 0x0F, 0xA0}, {164, 0x38, 0x80},
                       {0x0D, 0x1C, 0x21}, {0x0D, 0x1C, 0x81}, {0x2E, 0x53, 0x11}}
        << QVector<int>{1, 1, 1, 1, 1, 1, 1}
        << Events{{164, 0x38, 1, 0x20},  {0x09, 0x0F, 1, 0x20}, {0x09, 0x0F, 0, 0xA0}, {164, 0x38, 0, 0x80},
                  {0x0D, 0x1C, 1, 0x21}, {0x0D, 0x1C, 0, 0x81}, {0x2E, 0x53, 1, 0x11}};
    QTest::newRow("an injected plain press counts as a release")
        << 2 << Events{{0x42, 0x30, 0x10}, {0x42, 0x30, 0x10}} << QVector<int>{1, 1}
        << Events{{0x42, 0x30, 0, 0x10}, {0x42, 0x30, 0, 0x10}};
    QTest::newRow("a release without its press is reported")
        << 2 << Events{{0x43, 0x2E, 0x80}} << QVector<int>{1} << Events{{0x43, 0x2E, 0, 0x80}};
    QTest::newRow("interleaved keys, a key pressed again after its release")
        << 5 << Events{{0x41, 0x1E, 0}, {0x42, 0x30, 0}, {0x41, 0x1E, 0x80},
                       {0x42, 0x30, 0}, {0x41, 0x1E, 0}, {0x42, 0x30, 0x80}}
        << QVector<int>{0, 0, 0, 0, 0, 0}
        << Events{{0x41, 0x1E, 1, 0},
                  {0x42, 0x30, 1, 0},
                  {0x41, 0x1E, 0, 0x80},
                  {0x41, 0x1E, 1, 0},
                  {0x42, 0x30, 0, 0x80}};
}

void tst_WindowsHookInterface::keyEvents()
{
    QFETCH(int, mode);
    QFETCH(Events, injected);
    QFETCH(QVector<int>, swallowed);
    QFETCH(Events, dispatched);

    WindowsHookInterface hook;
    QSignalSpy keys(&hook, &WindowsHookInterface::sigKeyboardRecviveStreamEX_Key);
    QSignalSpy macroKeys(DDataManager::getInstance(), &DDataManager::sigRecviveStreamEX_MacroKeyboard);
    QVERIFY(hook.startHook(mode));
    QVERIFY(!WindowsHookInterface::mouseHookInstalled());

    QVector<int> actual;
    for (const QVector<int>& event : injected) {
        const Delivery delivery = m_source->injectKey(quint32(event[0]), quint32(event[1]), quint32(event[2]));
        QVERIFY(delivery != Delivery::NoHook);
        actual << (delivery == Delivery::Swallowed ? 1 : 0);
    }
    QCOMPARE(actual, swallowed);

    QCOMPARE(hookReportsOf(keys), dispatched);
    QCOMPARE(macroKeys.count(), 0);
    QVERIFY(hook.stopHook());
    QCOMPARE(m_source->injectKey(0x41, 0x1E, 0), Delivery::NoHook);
}

void tst_WindowsHookInterface::macroRecordingRoutesToDataManager()
{
    WindowsHookInterface hook;
    QSignalSpy keys(&hook, &WindowsHookInterface::sigKeyboardRecviveStreamEX_Key);
    QSignalSpy macroKeys(DDataManager::getInstance(), &DDataManager::sigRecviveStreamEX_MacroKeyboard);
    QSignalSpy macroMouse(DDataManager::getInstance(), &DDataManager::sigRecviveStreamEX_MacroMouse);
    QVERIFY(hook.startHook(1));
    QVERIFY(WindowsHookInterface::keyboardHookInstalled());
    QVERIFY(WindowsHookInterface::mouseHookInstalled());

    QCOMPARE(m_source->injectKey(0x41, 0x1E, 0), Delivery::Swallowed);
    QCOMPARE(m_source->injectKey(162, 0x1D, 0), Delivery::Passed);
    QCOMPARE(macroKeys.count(), 2);
    QCOMPARE(macroKeys.at(0), (QList<QVariant>{0x41, 0x1E, 1, 0}));
    QCOMPARE(keys.count(), 0);

    // Button downs and ups are relayed with their message, moves never.
    const WPARAM messages[]
        = {LowLevelHook::kLeftButtonDown,  LowLevelHook::kMouseMove,     LowLevelHook::kLeftButtonUp,
           LowLevelHook::kRightButtonDown, LowLevelHook::kRightButtonUp, LowLevelHook::kMiddleButtonDown,
           LowLevelHook::kMouseMove,       LowLevelHook::kMiddleButtonUp};
    for (WPARAM message : messages)
        QVERIFY(m_source->injectMouse(message, 10, 20));
    QList<WPARAM> relayed;
    for (const QList<QVariant>& args : macroMouse) {
        QCOMPARE(args[0].toInt(), 0);
        relayed << args[1].value<WPARAM>();
    }
    QCOMPARE(relayed, (QList<WPARAM>{513, 514, 516, 517, 519, 520}));

    QVERIFY(hook.stopHook());
    QVERIFY(!WindowsHookInterface::mouseHookInstalled());
    QVERIFY(!m_source->injectMouse(LowLevelHook::kLeftButtonDown));
}

void tst_WindowsHookInterface::heldKeyTableKeepsOrder()
{
    WindowsHookInterface hook;
    QVERIFY(hook.startHook(5));
    for (quint32 vk : {0x41u, 0x42u, 0x43u, 0x44u})
        m_source->injectKey(vk, 0, 0);
    m_source->injectKey(0x42, 0, 0x80);
    QCOMPARE(WindowsHookInterface::heldKeyCount(), 3);
    QCOMPARE(WindowsHookInterface::heldKey(0), quint8(0x41));
    QCOMPARE(WindowsHookInterface::heldKey(1), quint8(0x43));
    QCOMPARE(WindowsHookInterface::heldKey(2), quint8(0x44));
    QCOMPARE(WindowsHookInterface::heldKey(3), quint8(0));
    m_source->injectKey(0x44, 0, 0x80);
    m_source->injectKey(0x41, 0, 0x80);
    QCOMPARE(WindowsHookInterface::heldKeyCount(), 1);
    QCOMPARE(WindowsHookInterface::heldKey(0), quint8(0x43));
    QCOMPARE(WindowsHookInterface::heldKey(1), quint8(0));
}

void tst_WindowsHookInterface::heldKeyTableNeverOverflows()
{
    WindowsHookInterface hook;
    QSignalSpy keys(&hook, &WindowsHookInterface::sigKeyboardRecviveStreamEX_Key);
    QVERIFY(hook.startHook(2));
    for (quint32 vk = 1; vk <= 130; ++vk) {
        const Delivery expected = vk == 20 ? Delivery::Passed : Delivery::Swallowed; // Caps Lock
        QCOMPARE(m_source->injectKey(vk, 0, 0), expected);
    }
    QCOMPARE(WindowsHookInterface::heldKeyCount(), WindowsHookInterface::kHeldKeyCapacity);
    QCOMPARE(keys.count(), WindowsHookInterface::kHeldKeyCapacity);
    QCOMPARE(WindowsHookInterface::heldKey(127), quint8(128));
    QCOMPARE(WindowsHookInterface::heldKey(128), quint8(0));

    // A key that did not fit is still reported when it goes up, and once
    // there is room its next press counts.
    m_source->injectKey(129, 0, 0x80);
    m_source->injectKey(1, 0, 0x80);
    QCOMPARE(WindowsHookInterface::heldKeyCount(), 127);
    keys.clear();
    m_source->injectKey(129, 0, 0);
    QCOMPARE(keys.count(), 1);
    QCOMPARE(keys.at(0).at(2).toInt(), 1);
    QCOMPARE(WindowsHookInterface::heldKeyCount(), 128);
    QCOMPARE(WindowsHookInterface::heldKey(127), quint8(129));
}

void tst_WindowsHookInterface::stopWithKeyDownNeverGrowsTable()
{
    WindowsHookInterface hook;
    QSignalSpy keys(&hook, &WindowsHookInterface::sigKeyboardRecviveStreamEX_Key);
    for (int cycle = 0; cycle < 5; ++cycle) {
        QVERIFY(hook.startHook(2));
        QCOMPARE(WindowsHookInterface::heldKeyCount(), 0);
        m_source->injectKey(0x41, 0x1E, 0x80); // went down while no hook ran
        m_source->injectKey(0x41, 0x1E, 0);
        QCOMPARE(WindowsHookInterface::heldKeyCount(), 1);
        QVERIFY(hook.stopHook());
    }
    // Every cycle's press counted as new: the table forgot the stale key.
    int presses = 0;
    for (const QList<QVariant>& args : keys)
        presses += args[2].toInt();
    QCOMPARE(presses, 5);
}

void tst_WindowsHookInterface::modeSwitchWithoutStop()
{
    WindowsHookInterface hook;
    QSignalSpy keys(&hook, &WindowsHookInterface::sigKeyboardRecviveStreamEX_Key);
    QSignalSpy macroKeys(DDataManager::getInstance(), &DDataManager::sigRecviveStreamEX_MacroKeyboard);
    QVERIFY(hook.startHook(2));
    m_source->injectKey(0x41, 0x1E, 0);
    QCOMPARE(WindowsHookInterface::heldKeyCount(), 1);

    // Mode 1 over a running mode 2: the mode changes, no mouse hook comes.
    QVERIFY(hook.startHook(1));
    QCOMPARE(hook.mode(), 1);
    QCOMPARE(WindowsHookInterface::heldKeyCount(), 0);
    QVERIFY(!WindowsHookInterface::mouseHookInstalled());
    QCOMPARE(m_source->mouseInstallCount(), 0);
    QCOMPARE(m_source->keyboardInstallCount(), 1);
    QVERIFY(!m_source->injectMouse(LowLevelHook::kLeftButtonDown));
    m_source->injectKey(0x42, 0x30, 0);
    QCOMPARE(macroKeys.count(), 1);

    // Mode 5 over it stops swallowing at once, also for the source's own grabs.
    QVERIFY(hook.startHook(5));
    QVERIFY(!m_source->keySwallowPolicy().swallowKeys);
    QCOMPARE(m_source->injectKey(0x43, 0x2E, 0), Delivery::Passed);
    QVERIFY(hook.startHook(3));
    QVERIFY(m_source->keySwallowPolicy().swallowKeys);
    QCOMPARE(m_source->injectKey(0x44, 0x20, 0), Delivery::Swallowed);
    QCOMPARE(keys.count(), 3);
}

void tst_WindowsHookInterface::failedInstalls()
{
    WindowsHookInterface hook;
    m_source->failNextKeyboardInstall(InputHookSource::NoDisplay);
    QTest::ignoreMessage(QtWarningMsg, "Set keyboard Hook error, error code=1");
    QVERIFY(!hook.startHook(1));
    QVERIFY(!WindowsHookInterface::keyboardHookInstalled());
    QVERIFY(!WindowsHookInterface::mouseHookInstalled());
    QCOMPARE(m_source->injectKey(0x41, 0x1E, 0), Delivery::NoHook);

    // The next start tries again; a failing mouse hook leaves the keyboard
    // hook in place until the next stop.
    m_source->failNextMouseInstall(InputHookSource::RecordContextFailed);
    QTest::ignoreMessage(QtWarningMsg, "Set mouse Hook error, error code=3");
    QVERIFY(!hook.startHook(1));
    QVERIFY(WindowsHookInterface::keyboardHookInstalled());
    QVERIFY(!WindowsHookInterface::mouseHookInstalled());
    QCOMPARE(m_source->injectKey(0x41, 0x1E, 0), Delivery::Swallowed);
    QVERIFY(hook.stopHook());
    QVERIFY(!WindowsHookInterface::keyboardHookInstalled());
    QCOMPARE(m_source->injectKey(0x41, 0x1E, 0x80), Delivery::NoHook);
    QVERIFY(hook.stopHook());
}

void tst_WindowsHookInterface::latestInstanceReceives()
{
    WindowsHookInterface first;
    QSignalSpy firstKeys(&first, &WindowsHookInterface::sigKeyboardRecviveStreamEX_Key);
    QVERIFY(first.startHook(5));
    {
        WindowsHookInterface second;
        QSignalSpy secondKeys(&second, &WindowsHookInterface::sigKeyboardRecviveStreamEX_Key);
        // The receiver's mode (none yet) decides what is swallowed.
        QCOMPARE(m_source->injectKey(0x41, 0x1E, 0), Delivery::Swallowed);
        QCOMPARE(secondKeys.count(), 1);
        QCOMPARE(firstKeys.count(), 0);
    }
    // The registered receiver went away and took the hooks with it.
    QVERIFY(!WindowsHookInterface::keyboardHookInstalled());
    QCOMPARE(m_source->injectKey(0x41, 0x1E, 0x80), Delivery::NoHook);
}

void tst_WindowsHookInterface::throwingReceiverReleasesHooks_data()
{
    QTest::addColumn<int>("mode");
    QTest::newRow("key capture") << 2;
    QTest::newRow("macro recording") << 1;
}

void tst_WindowsHookInterface::throwingReceiverReleasesHooks()
{
    QFETCH(int, mode);
    WindowsHookInterface hook;
    auto thrower = [] { throw std::runtime_error("receiver broke"); };
    QMetaObject::Connection keyConnection
        = mode == 1
              ? connect(DDataManager::getInstance(), &DDataManager::sigRecviveStreamEX_MacroKeyboard, this, thrower)
              : connect(&hook, &WindowsHookInterface::sigKeyboardRecviveStreamEX_Key, this, thrower);
    QVERIFY(hook.startHook(mode));
    QTest::ignoreMessage(QtCriticalMsg, "Keyboard hook receiver failed (receiver broke); hooks removed");
    QCOMPARE(m_source->injectKey(0x41, 0x1E, 0), Delivery::Swallowed);
    disconnect(keyConnection);
    QVERIFY(!WindowsHookInterface::keyboardHookInstalled());
    QVERIFY(!WindowsHookInterface::mouseHookInstalled());
    QVERIFY(!m_source->hasKeyboardHook());
    QVERIFY(!m_source->hasMouseHook());

    if (mode == 1) {
        QVERIFY(hook.startHook(1));
        QMetaObject::Connection mouseConnection
            = connect(DDataManager::getInstance(), &DDataManager::sigRecviveStreamEX_MacroMouse, this, thrower);
        QTest::ignoreMessage(QtCriticalMsg, "Mouse hook receiver failed (receiver broke); hooks removed");
        QVERIFY(m_source->injectMouse(LowLevelHook::kLeftButtonDown));
        disconnect(mouseConnection);
        QVERIFY(!m_source->hasKeyboardHook());
        QVERIFY(!m_source->hasMouseHook());
    }
}

void tst_WindowsHookInterface::quitReleasesHooks()
{
    WindowsHookInterface hook;
    QVERIFY(hook.startHook(2));
    QVERIFY(QMetaObject::invokeMethod(QCoreApplication::instance(), "aboutToQuit"));
    QVERIFY(!m_source->hasKeyboardHook());
    QVERIFY(!WindowsHookInterface::keyboardHookInstalled());
}

void tst_WindowsHookInterface::scopeNoticeFollowsReach()
{
    QVERIFY(WindowsHookInterface::capturesWholeDesktop());
    QVERIFY(WindowsHookInterface::captureScopeNotice().isEmpty());
    FakeInputHookSource windowsOnly(InputHookSource::Reach::OwnWindowsOnly);
    WindowsHookInterface::setHookSource(&windowsOnly);
    QVERIFY(!WindowsHookInterface::capturesWholeDesktop());
    QCOMPARE(WindowsHookInterface::captureScopeNotice(),
             QStringLiteral("Keys are only captured while this window has focus."));
    WindowsHookInterface::setHookSource(m_source.get());
}

void tst_WindowsHookInterface::sourceGoneLeavesNoHook()
{
    WindowsHookInterface hook;
    auto* doomed = new FakeInputHookSource;
    WindowsHookInterface::setHookSource(doomed);
    QVERIFY(hook.startHook(1));
    delete doomed;
    QVERIFY(!WindowsHookInterface::keyboardHookInstalled());
    QVERIFY(!WindowsHookInterface::mouseHookInstalled());
    QVERIFY(hook.stopHook());
    WindowsHookInterface::setHookSource(m_source.get());
    QVERIFY(hook.startHook(1));
    QVERIFY(m_source->hasKeyboardHook());
    QVERIFY(m_source->hasMouseHook());
}

ORVANE_TEST_MAIN(tst_WindowsHookInterface)
#include "tst_WindowsHookInterface.moc"
