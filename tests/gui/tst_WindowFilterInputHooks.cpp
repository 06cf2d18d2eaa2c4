#include "support/ApplicationSetUp.h"
#include "support/TestMain.h"

#include "support/HookReports.h"

#include "app/DDataManager.h"
#include "app/WindowsHookInterface.h"

#include <QKeyEvent>
#include <QSignalSpy>
#include <QWheelEvent>
#include <QWidget>

namespace {

// A focused window that notes what reaches it.
class Target : public QWidget
{
public:
    Target() { setFocusPolicy(Qt::StrongFocus); }
    QList<int> keys;
    QList<Qt::MouseButton> presses;

protected:
    void keyPressEvent(QKeyEvent* event) override { keys << event->key(); }
    void keyReleaseEvent(QKeyEvent* event) override { keys << -event->key(); }
    void mousePressEvent(QMouseEvent* event) override { presses << event->button(); }
};

} // namespace

// Without an X11 display the hooks see the program's own windows only,
// through an application event filter, and the program says so.
class tst_WindowFilterInputHooks : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void saysCaptureIsWindowOnly();
    void keys_data();
    void keys();
    void heldKeyReportsOnePress();
    void altHeldSetsAltFlag();
    void macroRecordingRelaysButtonsAndWheel();
    void stoppedHookLeavesInputAlone();

private:
    Target* m_target = nullptr;
};

void tst_WindowFilterInputHooks::initTestCase()
{
    prepareApplicationTest();
}

void tst_WindowFilterInputHooks::init()
{
    m_target = new Target;
    m_target->resize(300, 200);
    m_target->show();
    m_target->activateWindow();
    m_target->setFocus();
    QVERIFY(QTest::qWaitForWindowActive(m_target));
}

void tst_WindowFilterInputHooks::cleanup()
{
    delete m_target;
    m_target = nullptr;
}

void tst_WindowFilterInputHooks::saysCaptureIsWindowOnly()
{
    QVERIFY(!WindowsHookInterface::capturesWholeDesktop());
    QVERIFY(!WindowsHookInterface::captureScopeNotice().isEmpty());
}

void tst_WindowFilterInputHooks::keys_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("keypad");
    QTest::addColumn<QVector<int>>("press");
    QTest::addColumn<bool>("reachesWindow");
    QTest::newRow("capture swallows a letter")
        << 2 << int(Qt::Key_A) << false << QVector<int>{0x41, 0x1E, 1, 0} << false;
    QTest::newRow("capture passes Ctrl") << 2 << int(Qt::Key_Control) << false << QVector<int>{162, 0x1D, 1, 0} << true;
    QTest::newRow("capture passes Caps Lock")
        << 3 << int(Qt::Key_CapsLock) << false << QVector<int>{20, 0x3A, 1, 0} << true;
    QTest::newRow("capture passes Num Lock")
        << 3 << int(Qt::Key_NumLock) << false << QVector<int>{144, 0x45, 1, 1} << true;
    QTest::newRow("capture passes Scroll Lock")
        << 2 << int(Qt::Key_ScrollLock) << false << QVector<int>{145, 0x46, 1, 0} << true;
    QTest::newRow("Home of the navigation block")
        << 2 << int(Qt::Key_Home) << false << QVector<int>{0x24, 0x47, 1, 1} << false;
    QTest::newRow("keypad 7") << 2 << int(Qt::Key_7) << true << QVector<int>{0x67, 0x47, 1, 0} << false;
    QTest::newRow("keypad Enter") << 2 << int(Qt::Key_Enter) << true << QVector<int>{0x0D, 0x1C, 1, 1} << false;
    QTest::newRow("lighting passes a letter") << 5 << int(Qt::Key_A) << false << QVector<int>{0x41, 0x1E, 1, 0} << true;
}

void tst_WindowFilterInputHooks::keys()
{
    QFETCH(int, mode);
    QFETCH(int, key);
    QFETCH(bool, keypad);
    QFETCH(QVector<int>, press);
    QFETCH(bool, reachesWindow);
    WindowsHookInterface hook;
    QSignalSpy reports(&hook, &WindowsHookInterface::sigKeyboardRecviveStreamEX_Key);
    QVERIFY(hook.startHook(mode));

    const Qt::KeyboardModifiers modifiers = keypad ? Qt::KeypadModifier : Qt::NoModifier;
    QTest::keyPress(m_target->windowHandle(), Qt::Key(key), modifiers);
    QTest::keyRelease(m_target->windowHandle(), Qt::Key(key), modifiers);

    QVector<int> release = press;
    release[2] = 0;
    release[3] |= 0x80;
    QCOMPARE(hookReportsOf(reports), (HookReports{press, release}));
    QCOMPARE(m_target->keys, reachesWindow ? (QList<int>{key, -key}) : QList<int>{});
    QVERIFY(hook.stopHook());
}

void tst_WindowFilterInputHooks::heldKeyReportsOnePress()
{
    WindowsHookInterface hook;
    QSignalSpy reports(&hook, &WindowsHookInterface::sigKeyboardRecviveStreamEX_Key);
    QVERIFY(hook.startHook(2));
    for (int i = 0; i < 4; ++i)
        QTest::keyPress(m_target->windowHandle(), Qt::Key_B);
    QTest::keyRelease(m_target->windowHandle(), Qt::Key_B);
    QCOMPARE(hookReportsOf(reports), (HookReports{{0x42, 0x30, 1, 0}, {0x42, 0x30, 0, 0x80}}));
    QVERIFY(m_target->keys.isEmpty());
    QVERIFY(hook.stopHook());
}

void tst_WindowFilterInputHooks::altHeldSetsAltFlag()
{
    WindowsHookInterface hook;
    QSignalSpy reports(&hook, &WindowsHookInterface::sigKeyboardRecviveStreamEX_Key);
    QVERIFY(hook.startHook(2));
    QTest::keyPress(m_target->windowHandle(), Qt::Key_Alt);
    QTest::keyPress(m_target->windowHandle(), Qt::Key_Tab);
    QTest::keyRelease(m_target->windowHandle(), Qt::Key_Tab);
    QTest::keyRelease(m_target->windowHandle(), Qt::Key_Alt);
    QCOMPARE(hookReportsOf(reports),
             (HookReports{{0xA4, 0x38, 1, 0x20}, {0x09, 0x0F, 1, 0x20}, {0x09, 0x0F, 0, 0xA0}, {0xA4, 0x38, 0, 0x80}}));
    QVERIFY(hook.stopHook());
}

void tst_WindowFilterInputHooks::macroRecordingRelaysButtonsAndWheel()
{
    WindowsHookInterface hook;
    QList<QVector<int>> relayed; // message, x, y, wheel delta
    QMetaObject::Connection connection = connect(
        DDataManager::getInstance(), &DDataManager::sigRecviveStreamEX_MacroMouse, this,
        [&relayed](int, WPARAM wParam, LPARAM lParam) {
            const auto* event = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
            relayed << QVector<int>{int(wParam), event->pt.x, event->pt.y, int(qint16(event->mouseData >> 16))};
        });
    QVERIFY(hook.startHook(1));
    QWindow* window = m_target->windowHandle();
    const QPoint at(30, 40);
    const QPoint global = window->mapToGlobal(at);
    QTest::mouseMove(window, at);
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseClick(window, Qt::RightButton, Qt::NoModifier, at);
    QTest::mouseClick(window, Qt::MiddleButton, Qt::NoModifier, at);
    QWheelEvent wheel(QPointF(at), QPointF(global), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(window, &wheel);
    disconnect(connection);
    QCOMPARE(relayed, (QList<QVector<int>>{{513, global.x(), global.y(), 0},
                                           {514, global.x(), global.y(), 0},
                                           {516, global.x(), global.y(), 0},
                                           {517, global.x(), global.y(), 0},
                                           {519, global.x(), global.y(), 0},
                                           {520, global.x(), global.y(), 0},
                                           {522, global.x(), global.y(), -120}}));
    // The clicks still reached the window.
    QCOMPARE(m_target->presses, (QList<Qt::MouseButton>{Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}));
    QVERIFY(hook.stopHook());
}

void tst_WindowFilterInputHooks::stoppedHookLeavesInputAlone()
{
    WindowsHookInterface hook;
    QSignalSpy reports(&hook, &WindowsHookInterface::sigKeyboardRecviveStreamEX_Key);
    QVERIFY(hook.startHook(2));
    QVERIFY(hook.stopHook());
    QTest::keyClick(m_target->windowHandle(), Qt::Key_A);
    QCOMPARE(reports.count(), 0);
    QCOMPARE(m_target->keys, (QList<int>{Qt::Key_A, -Qt::Key_A}));
}

ORVANE_TEST_MAIN(tst_WindowFilterInputHooks)
#include "tst_WindowFilterInputHooks.moc"
