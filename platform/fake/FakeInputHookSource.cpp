#include "FakeInputHookSource.h"

FakeInputHookSource::FakeInputHookSource(Reach reach, QObject* parent) : InputHookSource(parent), m_reach(reach) {}

bool FakeInputHookSource::installKeyboardHook(KeyboardProc proc, const KeySwallowPolicy& policy)
{
    if (m_keyboardFailure != NoError) {
        setLastErrorCode(m_keyboardFailure);
        m_keyboardFailure = NoError;
        return false;
    }
    ++m_keyboardInstalls;
    m_keyboardProc = std::move(proc);
    m_policy = policy;
    return true;
}

bool FakeInputHookSource::installMouseHook(MouseProc proc)
{
    if (m_mouseFailure != NoError) {
        setLastErrorCode(m_mouseFailure);
        m_mouseFailure = NoError;
        return false;
    }
    ++m_mouseInstalls;
    m_mouseProc = std::move(proc);
    return true;
}

void FakeInputHookSource::removeKeyboardHook()
{
    m_keyboardProc = nullptr;
}

void FakeInputHookSource::removeMouseHook()
{
    m_mouseProc = nullptr;
}

FakeInputHookSource::Delivery FakeInputHookSource::injectKey(quint32 vkCode, quint32 scanCode, quint32 flags)
{
    if (!m_keyboardProc)
        return Delivery::NoHook;
    KBDLLHOOKSTRUCT record;
    record.vkCode = vkCode;
    record.scanCode = scanCode;
    record.flags = flags;
    record.time = ++m_time;
    const KeyboardProc proc = m_keyboardProc;
    return proc(LowLevelHook::keyMessage(flags), record) ? Delivery::Swallowed : Delivery::Passed;
}

bool FakeInputHookSource::injectMouse(WPARAM message, qint32 x, qint32 y, quint32 mouseData)
{
    if (!m_mouseProc)
        return false;
    MSLLHOOKSTRUCT record;
    record.pt.x = x;
    record.pt.y = y;
    record.mouseData = mouseData;
    record.time = ++m_time;
    const MouseProc proc = m_mouseProc;
    proc(message, record);
    return true;
}
