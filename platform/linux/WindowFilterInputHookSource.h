#pragma once

#include "InputHookSource.h"

#include <QSet>

class QKeyEvent;

// Where no desktop-wide tap exists (Wayland without X11, offscreen), input
// is taken inside the program's own windows through an application event
// filter. Events are taken where Qt first hands them to a window, so each is
// seen once, and a swallowed key never reaches a widget.
class WindowFilterInputHookSource : public InputHookSource
{
    Q_OBJECT

public:
    explicit WindowFilterInputHookSource(QObject* parent = nullptr);
    ~WindowFilterInputHookSource() override;

    Reach reach() const override { return Reach::OwnWindowsOnly; }
    bool installKeyboardHook(KeyboardProc proc, const KeySwallowPolicy& policy) override;
    bool installMouseHook(MouseProc proc) override;
    void removeKeyboardHook() override;
    void removeMouseHook() override;
    bool hasKeyboardHook() const override { return static_cast<bool>(m_keyboardProc); }
    bool hasMouseHook() const override { return static_cast<bool>(m_mouseProc); }
    void setKeySwallowPolicy(const KeySwallowPolicy& policy) override { m_policy = policy; }
    KeySwallowPolicy keySwallowPolicy() const override { return m_policy; }

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool ensureFilter();
    void dropFilterWhenIdle();
    bool filterKey(QKeyEvent* event);
    void filterMouse(QEvent* event);

    KeyboardProc m_keyboardProc;
    MouseProc m_mouseProc;
    KeySwallowPolicy m_policy;
    bool m_filterInstalled = false;
    QSet<quint32> m_downKeys;
};
