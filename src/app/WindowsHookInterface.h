#pragma once

#include "platform/include/InputHookSource.h"
#include "platform/include/lowLevelHookRecords.h"

#include <QMap>
#include <QObject>
#include <QString>

#include <functional>

// The program's system-wide keyboard and mouse hooks: macro recording (mode
// 1), key capture for the remap and key-combination pages (modes 2 and 3)
// and key presses for the typing-driven lighting effects (mode 5). While a
// mode other than 5 runs, every key but Caps Lock, Num Lock, Scroll Lock and
// the two Ctrl keys is kept from the rest of the system; mouse input never is.
//
// The hook procedures are static and find their receiver through the
// process-wide registry, so the most recently constructed instance receives
// every event. Everything runs on the GUI thread.
class WindowsHookInterface : public QObject
{
    Q_OBJECT

public:
    static constexpr int kNoMode = 999;
    static constexpr int kHeldKeyCapacity = 128;

    explicit WindowsHookInterface(QObject* parent = nullptr);
    ~WindowsHookInterface() override;

    bool startHook(int mode);
    bool stopHook();
    int mode() const { return m_mode; }

    void dispatchKeyboardEvent(int keyCode, int scCode, int flag, int hookFlag);
    void dispatchMouseEvent(int nCode, WPARAM wParam, LPARAM lParam);

    static LRESULT keyboardHookProc(int nCode, WPARAM wParam, LPARAM lParam);
    static LRESULT mouseHookProc(int nCode, WPARAM wParam, LPARAM lParam);

    // Where the hooks take their events from. The platform's source is made
    // on first use; tests put in their own. The source must outlive its use.
    static InputHookSource* hookSource();
    static void setHookSource(InputHookSource* source);

    // False where input can only be taken inside the program's own windows;
    // then captureScopeNotice() is what to tell the user where capture is offered.
    static bool capturesWholeDesktop();
    static QString captureScopeNotice();

    static bool keyboardHookInstalled();
    static bool mouseHookInstalled();
    static int heldKeyCount();
    static quint8 heldKey(int index);

signals:
    void sigKeyboardRecviveStreamEX_Key(int keyCode, int scCode, int flag, int hookFlag);

private:
    bool installHooks();
    bool removeHooks();
    void dispatchGuarded(const char* hookName, const std::function<void()>& dispatch);
    KeySwallowPolicy swallowPolicy() const;
    static KeySwallowPolicy currentSwallowPolicy();
    static WindowsHookInterface* receiver();

    int m_mode = kNoMode;
};
