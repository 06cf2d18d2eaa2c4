#include "platform/include/InputHookSource.h"

bool InputHookSource::installKeyboardHook(KeyboardProc proc, const KeySwallowPolicy& policy)
{
    if (!prepare(HookKind::Keyboard))
        return false;
    m_keyboardProc = std::move(proc);
    m_policy = policy;
    applyKeySwallowPolicy();
    return true;
}

bool InputHookSource::installMouseHook(MouseProc proc)
{
    if (!prepare(HookKind::Mouse))
        return false;
    m_mouseProc = std::move(proc);
    return true;
}

void InputHookSource::removeKeyboardHook()
{
    m_keyboardProc = nullptr;
    applyKeySwallowPolicy();
    if (!m_mouseProc)
        release();
}

void InputHookSource::removeMouseHook()
{
    m_mouseProc = nullptr;
    if (!m_keyboardProc)
        release();
}

void InputHookSource::setKeySwallowPolicy(const KeySwallowPolicy& policy)
{
    m_policy = policy;
    applyKeySwallowPolicy();
}

bool InputHookSource::deliverKey(const KBDLLHOOKSTRUCT& event)
{
    const KeyboardProc proc = m_keyboardProc;
    return proc && proc(LowLevelHook::keyMessage(event.flags), event);
}

void InputHookSource::deliverMouse(WPARAM message, const MSLLHOOKSTRUCT& event)
{
    const MouseProc proc = m_mouseProc;
    if (proc)
        proc(message, event);
}
