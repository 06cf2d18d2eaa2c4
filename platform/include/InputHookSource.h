#pragma once

#include "platform/include/KeySwallowPolicy.h"
#include "platform/include/lowLevelHookRecords.h"

#include <QObject>
#include <QString>

#include <functional>

// Where keyboard and mouse events for the low-level hooks come from. One
// source serves the whole process; everything runs on the GUI thread and
// every event reaches its procedure synchronously, before the source looks
// at the next one.
//
// A source either taps the whole desktop or, where the display offers no
// such tap (Wayland without X11, offscreen), only the program's own windows;
// reach() tells which, so the program can say that keys are only captured
// while its window has focus.
class InputHookSource : public QObject
{
    Q_OBJECT

public:
    enum class Reach { WholeDesktop, OwnWindowsOnly };

    // Failure codes reported by the install calls.
    enum ErrorCode : long {
        NoError = 0,
        NoDisplay = 1,
        NoRecordExtension = 2,
        RecordContextFailed = 3,
        NoApplication = 4,
        InjectedFailure = 5,
    };

    // Returns whether the event is swallowed. Sources that cannot decide per
    // event (X11 arranges its grabs from the policy in advance) ignore it;
    // the procedure and the policy agree by construction.
    using KeyboardProc = std::function<bool(WPARAM message, const KBDLLHOOKSTRUCT& event)>;
    using MouseProc = std::function<void(WPARAM message, const MSLLHOOKSTRUCT& event)>;

    explicit InputHookSource(QObject* parent = nullptr)
        : QObject(parent)
    {
    }
    ~InputHookSource() override = default;

    virtual Reach reach() const = 0;

    bool installKeyboardHook(KeyboardProc proc, const KeySwallowPolicy& policy);
    bool installMouseHook(MouseProc proc);
    void removeKeyboardHook();
    void removeMouseHook();
    bool hasKeyboardHook() const { return static_cast<bool>(m_keyboardProc); }
    bool hasMouseHook() const { return static_cast<bool>(m_mouseProc); }

    // Takes effect at once, also while the keyboard hook is installed.
    void setKeySwallowPolicy(const KeySwallowPolicy& policy);
    KeySwallowPolicy keySwallowPolicy() const { return m_policy; }

    long lastErrorCode() const { return m_lastErrorCode; }

    // The source for the display the application runs on: the desktop-wide
    // X11 tap when Qt runs on X11 and the server offers RECORD, otherwise
    // the window filter.
    static InputHookSource* createForPlatform(QObject* parent);

    // Async-signal-safe: drops every grab of the process by closing the
    // connections that hold them. For the crash handler, so a crashing
    // capture never leaves the user's keyboard grabbed.
    static void releaseGrabsForCrash();

protected:
    enum class HookKind { Keyboard, Mouse };

    // Gets ready to deliver events of that kind, before each install; on
    // failure it sets the error code and returns false.
    virtual bool prepare(HookKind kind) = 0;
    // The last hook went.
    virtual void release() = 0;
    // The keyboard hook or the policy changed; for sources that arrange
    // swallowing in advance.
    virtual void applyKeySwallowPolicy() { }

    // Run the procedures through copies, so a procedure may remove its own
    // hook. deliverKey returns whether the procedure swallows the event.
    bool deliverKey(const KBDLLHOOKSTRUCT& event);
    void deliverMouse(WPARAM message, const MSLLHOOKSTRUCT& event);

    void setLastErrorCode(long code) { m_lastErrorCode = code; }

private:
    KeyboardProc m_keyboardProc;
    MouseProc m_mouseProc;
    KeySwallowPolicy m_policy;
    long m_lastErrorCode = NoError;
};
