#include "support/FakeInputHookSource.h"

FakeInputHookSource::FakeInputHookSource(Reach reach, QObject* parent)
    : InputHookSource(parent)
    , m_reach(reach)
{
}

bool FakeInputHookSource::prepare(HookKind kind)
{
    long& failure = kind == HookKind::Keyboard ? m_keyboardFailure : m_mouseFailure;
    if (failure != NoError) {
        setLastErrorCode(failure);
        failure = NoError;
        return false;
    }
    ++(kind == HookKind::Keyboard ? m_keyboardInstalls : m_mouseInstalls);
    return true;
}

FakeInputHookSource::Delivery FakeInputHookSource::injectKey(quint32 vkCode, quint32 scanCode, quint32 flags)
{
    if (!hasKeyboardHook())
        return Delivery::NoHook;
    KBDLLHOOKSTRUCT record;
    record.vkCode = vkCode;
    record.scanCode = scanCode;
    record.flags = flags;
    record.time = ++m_time;
    return deliverKey(record) ? Delivery::Swallowed : Delivery::Passed;
}

FakeInputHookSource::Delivery FakeInputHookSource::tapKey(quint32 vkCode, quint32 scanCode, quint32 flags)
{
    const Delivery press = injectKey(vkCode, scanCode, flags);
    injectKey(vkCode, scanCode, flags | LowLevelHook::kFlagReleased);
    return press;
}

bool FakeInputHookSource::injectMouse(WPARAM message, qint32 x, qint32 y, quint32 mouseData)
{
    if (!hasMouseHook())
        return false;
    MSLLHOOKSTRUCT record;
    record.pt.x = x;
    record.pt.y = y;
    record.mouseData = mouseData;
    record.time = ++m_time;
    deliverMouse(message, record);
    return true;
}
