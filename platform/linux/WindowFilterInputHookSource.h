#pragma once

#include "platform/include/InputHookSource.h"

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

    bool eventFilter(QObject* watched, QEvent* event) override;

protected:
    bool prepare(HookKind kind) override;
    void release() override;

private:
    bool filterKey(QKeyEvent* event);
    void filterMouse(QEvent* event);

    bool m_filterInstalled = false;
    QSet<quint32> m_downKeys;
};
