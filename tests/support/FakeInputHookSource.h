#pragma once

#include "platform/include/InputHookSource.h"

// An input source driven by the test: it delivers the records the test
// injects, synchronously, and reports what the procedure decided. Install
// failures can be ordered up front.
class FakeInputHookSource : public InputHookSource
{
    Q_OBJECT

public:
    enum class Delivery { NoHook, Passed, Swallowed };

    explicit FakeInputHookSource(Reach reach = Reach::WholeDesktop, QObject* parent = nullptr);

    Reach reach() const override { return m_reach; }

    // The next install of that hook fails with the given code.
    void failNextKeyboardInstall(long errorCode) { m_keyboardFailure = errorCode; }
    void failNextMouseInstall(long errorCode) { m_mouseFailure = errorCode; }

    Delivery injectKey(quint32 vkCode, quint32 scanCode, quint32 flags);
    // A press with the flags and its release; what became of the press.
    Delivery tapKey(quint32 vkCode, quint32 scanCode, quint32 flags);
    // False when no mouse hook is installed.
    bool injectMouse(WPARAM message, qint32 x = 0, qint32 y = 0, quint32 mouseData = 0);

    int keyboardInstallCount() const { return m_keyboardInstalls; }
    int mouseInstallCount() const { return m_mouseInstalls; }

protected:
    bool prepare(HookKind kind) override;
    void release() override { }

private:
    Reach m_reach;
    long m_keyboardFailure = NoError;
    long m_mouseFailure = NoError;
    int m_keyboardInstalls = 0;
    int m_mouseInstalls = 0;
    quint32 m_time = 0;
};
