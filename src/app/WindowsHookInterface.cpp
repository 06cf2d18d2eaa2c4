#include "app/WindowsHookInterface.h"

#include "app/DDataManager.h"
#include "app/logCategories.h"

#include <QCoreApplication>
#include <QDebug>
#include <QPointer>

#include <algorithm>
#include <cstring>
#include <exception>

namespace {

const QString kRegistryKey = QStringLiteral("HOOK");

QMap<QString, WindowsHookInterface*> s_hookRegistry;
// The installed hooks: the source they were installed at, or null (also
// once that source is gone).
QPointer<InputHookSource> s_keyboardHook;
QPointer<InputHookSource> s_mouseHook;
quint8 s_heldKeys[WindowsHookInterface::kHeldKeyCapacity] = {};
int s_heldKeyCount = 0;

QPointer<InputHookSource> s_source;
bool s_sourceIsOwn = false;

// The flag words the hook counts as a press: plain, extended, injected
// extended, and both with Alt held. Everything else is a release.
bool isPressFlags(quint32 flags)
{
    return flags == 0x00 || flags == 0x01 || flags == 0x11 || flags == 0x20 || flags == 0x21;
}

int heldIndexOf(quint32 vkCode)
{
    for (int index = 0; index < s_heldKeyCount; ++index) {
        if (s_heldKeys[index] == vkCode)
            return index;
    }
    return -1;
}

void clearHeldKeys()
{
    std::memset(s_heldKeys, 0, sizeof(s_heldKeys));
    s_heldKeyCount = 0;
}

bool keyboardProc(WPARAM message, const KBDLLHOOKSTRUCT& event)
{
    return WindowsHookInterface::keyboardHookProc(0, message, reinterpret_cast<LPARAM>(&event)) != 0;
}

void mouseProc(WPARAM message, const MSLLHOOKSTRUCT& event)
{
    WindowsHookInterface::mouseHookProc(0, message, reinterpret_cast<LPARAM>(&event));
}

} // namespace

WindowsHookInterface::WindowsHookInterface(QObject* parent)
    : QObject(parent)
{
    s_hookRegistry.insert(kRegistryKey, this);
    // The keyboard must never stay captured after the program is gone.
    if (QCoreApplication::instance())
        connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, &WindowsHookInterface::stopHook);
}

WindowsHookInterface::~WindowsHookInterface()
{
    if (s_hookRegistry.value(kRegistryKey) == this) {
        removeHooks();
        s_hookRegistry.remove(kRegistryKey);
    }
}

InputHookSource* WindowsHookInterface::hookSource()
{
    if (!s_source) {
        s_source = InputHookSource::createForPlatform(QCoreApplication::instance());
        s_sourceIsOwn = true;
    }
    return s_source;
}

void WindowsHookInterface::setHookSource(InputHookSource* source)
{
    if (s_keyboardHook)
        s_keyboardHook->removeKeyboardHook();
    if (s_mouseHook)
        s_mouseHook->removeMouseHook();
    s_keyboardHook = nullptr;
    s_mouseHook = nullptr;
    if (s_sourceIsOwn && s_source && s_source != source)
        delete s_source;
    s_source = source;
    s_sourceIsOwn = false;
}

bool WindowsHookInterface::capturesWholeDesktop()
{
    return hookSource()->reach() == InputHookSource::Reach::WholeDesktop;
}

QString WindowsHookInterface::captureScopeNotice()
{
    if (capturesWholeDesktop())
        return QString();
    return tr("Keys are only captured while this window has focus.");
}

bool WindowsHookInterface::keyboardHookInstalled()
{
    return s_keyboardHook != nullptr;
}

bool WindowsHookInterface::mouseHookInstalled()
{
    return s_mouseHook != nullptr;
}

int WindowsHookInterface::heldKeyCount()
{
    return s_heldKeyCount;
}

quint8 WindowsHookInterface::heldKey(int index)
{
    return index >= 0 && index < kHeldKeyCapacity ? s_heldKeys[index] : 0;
}

WindowsHookInterface* WindowsHookInterface::receiver()
{
    return s_hookRegistry.value(kRegistryKey);
}

KeySwallowPolicy WindowsHookInterface::swallowPolicy() const
{
    KeySwallowPolicy policy;
    policy.swallowKeys = m_mode != 5;
    return policy;
}

KeySwallowPolicy WindowsHookInterface::currentSwallowPolicy()
{
    // The receiver's mode decides, whichever instance installed the hooks.
    WindowsHookInterface* target = receiver();
    return target ? target->swallowPolicy() : KeySwallowPolicy{};
}

bool WindowsHookInterface::startHook(int mode)
{
    m_mode = mode;
    clearHeldKeys();
    // A mode switched on running hooks must swallow as the new mode does.
    if (s_keyboardHook)
        s_keyboardHook->setKeySwallowPolicy(currentSwallowPolicy());
    return installHooks();
}

bool WindowsHookInterface::stopHook()
{
    removeHooks();
    return true;
}

bool WindowsHookInterface::installHooks()
{
    if (s_keyboardHook || s_mouseHook)
        return true;
    InputHookSource* source = hookSource();
    if (!source->installKeyboardHook(&keyboardProc, currentSwallowPolicy())) {
        qCWarning(lcHooks, "Set keyboard Hook error, error code=%ld", source->lastErrorCode());
        return false;
    }
    s_keyboardHook = source;
    if (m_mode != 1)
        return true;
    if (!source->installMouseHook(&mouseProc)) {
        qCWarning(lcHooks, "Set mouse Hook error, error code=%ld", source->lastErrorCode());
        return false;
    }
    s_mouseHook = source;
    return true;
}

bool WindowsHookInterface::removeHooks()
{
    if (s_keyboardHook) {
        s_keyboardHook->removeKeyboardHook();
        s_keyboardHook = nullptr;
    }
    if (s_mouseHook) {
        s_mouseHook->removeMouseHook();
        s_mouseHook = nullptr;
    }
    return true;
}

void WindowsHookInterface::dispatchKeyboardEvent(int keyCode, int scCode, int flag, int hookFlag)
{
    if (m_mode == 1)
        DDataManager::getInstance()->relayMacroKeyboardEvent(keyCode, scCode, flag, hookFlag);
    else
        emit sigKeyboardRecviveStreamEX_Key(keyCode, scCode, flag, hookFlag);
}

void WindowsHookInterface::dispatchMouseEvent(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (m_mode == 1)
        DDataManager::getInstance()->relayMacroMouseEvent(nCode, wParam, lParam);
}

void WindowsHookInterface::dispatchGuarded(const char* hookName, const std::function<void()>& dispatch)
{
    // A receiver that fails must not leave the user's keyboard captured, and
    // nothing may unwind through the event loop that delivered the event.
    try {
        dispatch();
    } catch (const std::exception& error) {
        qCCritical(lcHooks, "%s hook receiver failed (%s); hooks removed", hookName, error.what());
        removeHooks();
    } catch (...) {
        qCCritical(lcHooks, "%s hook receiver failed; hooks removed", hookName);
        removeHooks();
    }
}

LRESULT WindowsHookInterface::keyboardHookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    Q_UNUSED(wParam)
    WindowsHookInterface* target = receiver();
    if (nCode != 0 || !s_keyboardHook || !target)
        return 0;
    const auto* event = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    const quint32 vkCode = event->vkCode & 0xFF;
    const LRESULT swallow = target->swallowPolicy().swallows(vkCode) ? 1 : 0;

    int flag = 0;
    if (isPressFlags(event->flags)) {
        // A repeat of a held key is not reported; it goes where its press went.
        if (heldIndexOf(vkCode) >= 0)
            return swallow;
        // More keys down at once than the table holds: the surplus ones are
        // ignored rather than written past its end.
        if (s_heldKeyCount >= kHeldKeyCapacity)
            return swallow;
        s_heldKeys[s_heldKeyCount++] = static_cast<quint8>(vkCode);
        flag = 1;
    } else {
        const int index = heldIndexOf(vkCode);
        if (index >= 0) {
            std::move(s_heldKeys + index + 1, s_heldKeys + kHeldKeyCapacity, s_heldKeys + index);
            s_heldKeys[kHeldKeyCapacity - 1] = 0;
            --s_heldKeyCount;
        }
    }

    target->dispatchGuarded("Keyboard", [&] {
        target->dispatchKeyboardEvent(static_cast<int>(event->vkCode), static_cast<int>(event->scanCode), flag,
                                      static_cast<int>(event->flags));
    });
    return swallow;
}

LRESULT WindowsHookInterface::mouseHookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    WindowsHookInterface* target = receiver();
    if (nCode != 0 || wParam == LowLevelHook::kMouseMove || !s_mouseHook || !target)
        return 0;
    target->dispatchGuarded("Mouse", [&] { target->dispatchMouseEvent(nCode, wParam, lParam); });
    return 0;
}
