#include "support/X11TrayHost.h"

#include <X11/Xlib.h>

#include <cstdio>

X11TrayHost::X11TrayHost()
    : m_display(XOpenDisplay(nullptr))
{
    if (!m_display)
        return;
    const int screen = DefaultScreen(m_display);
    const Window root = RootWindow(m_display, screen);
    m_window = XCreateSimpleWindow(m_display, root, 0, 0, 1, 1, 0, 0, 0);
    char name[32];
    std::snprintf(name, sizeof name, "_NET_SYSTEM_TRAY_S%d", screen);
    const Atom selection = XInternAtom(m_display, name, False);
    XSetSelectionOwner(m_display, selection, m_window, CurrentTime);
    m_active = XGetSelectionOwner(m_display, selection) == m_window;
    if (!m_active)
        return;
    // The tray protocol's announcement, so clients already running notice.
    XEvent event = {};
    event.xclient.type = ClientMessage;
    event.xclient.window = root;
    event.xclient.message_type = XInternAtom(m_display, "MANAGER", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = CurrentTime;
    event.xclient.data.l[1] = long(selection);
    event.xclient.data.l[2] = long(m_window);
    XSendEvent(m_display, root, False, StructureNotifyMask, &event);
    XSync(m_display, False);
}

X11TrayHost::~X11TrayHost()
{
    if (!m_display)
        return;
    if (m_window)
        XDestroyWindow(m_display, m_window);
    XCloseDisplay(m_display);
}
