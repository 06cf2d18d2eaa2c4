#pragma once

typedef struct _XDisplay Display;

// Stands in for a desktop's notification area on a bare X server: it owns
// the system-tray selection, so Qt reports a system tray as available. It
// never embeds an icon; tests only need the program to believe a tray is
// there.
class X11TrayHost
{
public:
    X11TrayHost();
    ~X11TrayHost();
    X11TrayHost(const X11TrayHost&) = delete;
    X11TrayHost& operator=(const X11TrayHost&) = delete;

    // True once the selection is ours.
    bool isActive() const { return m_active; }

private:
    Display* m_display = nullptr;
    unsigned long m_window = 0;
    bool m_active = false;
};
