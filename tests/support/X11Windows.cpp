#include "support/X11Windows.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

bool cardinalProperty(Display* display, ::Window window, Atom property, unsigned long* values, int count)
{
    Atom type = None;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* data = nullptr;
    const bool ok = XGetWindowProperty(display, window, property, 0, count, False, AnyPropertyType, &type, &format,
                                       &items, &after, &data)
                        == Success
                    && data && format == 32 && int(items) >= count;
    if (ok) {
        for (int i = 0; i < count; ++i)
            values[i] = reinterpret_cast<unsigned long*>(data)[i];
    }
    if (data)
        XFree(data);
    return ok;
}

} // namespace

X11Windows::X11Windows()
    : m_display(XOpenDisplay(nullptr))
{
}

X11Windows::~X11Windows()
{
    if (m_display)
        XCloseDisplay(m_display);
}

QVector<X11Windows::Window> X11Windows::mappedWindowsOf(qint64 pid) const
{
    QVector<Window> found;
    if (!m_display)
        return found;
    collectMapped(DefaultRootWindow(m_display), pid, kFrameDepth, found);
    return found;
}

void X11Windows::collectMapped(unsigned long parentWindow, qint64 pid, int depth, QVector<Window>& found) const
{
    const Atom pidAtom = XInternAtom(m_display, "_NET_WM_PID", False);
    const Atom motifAtom = XInternAtom(m_display, "_MOTIF_WM_HINTS", False);
    const Atom nameAtom = XInternAtom(m_display, "_NET_WM_NAME", False);
    const Atom utf8Atom = XInternAtom(m_display, "UTF8_STRING", False);
    const ::Window root = DefaultRootWindow(m_display);
    ::Window queried = 0, parent = 0, *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(m_display, parentWindow, &queried, &parent, &children, &count))
        return;
    for (unsigned int i = 0; i < count; ++i) {
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(m_display, children[i], &attributes) || attributes.map_state != IsViewable)
            continue;
        unsigned long windowPid = 0;
        if (!cardinalProperty(m_display, children[i], pidAtom, &windowPid, 1)) {
            // A window manager's frame: the client it reparented lies inside.
            if (depth > 0)
                collectMapped(children[i], pid, depth - 1, found);
            continue;
        }
        if (qint64(windowPid) != pid)
            continue;
        Window window;
        window.id = children[i];
        int x = attributes.x, y = attributes.y;
        ::Window unused = 0;
        if (parentWindow != root)
            XTranslateCoordinates(m_display, children[i], root, 0, 0, &x, &y, &unused);
        window.geometry = QRect(x, y, attributes.width, attributes.height);
        unsigned long motif[3] = {0, 0, 0};
        // flags bit 1: the decorations field is valid; decorations 0: none.
        window.undecorated
            = cardinalProperty(m_display, children[i], motifAtom, motif, 3) && (motif[0] & 2) && motif[2] == 0;
        Atom type = None;
        int format = 0;
        unsigned long items = 0, after = 0;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(m_display, children[i], nameAtom, 0, 1024, False, utf8Atom, &type, &format, &items,
                               &after, &data)
                == Success
            && data) {
            window.title = QString::fromUtf8(reinterpret_cast<const char*>(data), int(items));
        }
        if (data)
            XFree(data);
        found << window;
    }
    if (children)
        XFree(children);
}

void X11Windows::requestClose(qint64 pid) const
{
    if (!m_display)
        return;
    const Atom protocols = XInternAtom(m_display, "WM_PROTOCOLS", False);
    const Atom deleteWindow = XInternAtom(m_display, "WM_DELETE_WINDOW", False);
    for (const Window& window : mappedWindowsOf(pid)) {
        XEvent event = {};
        event.xclient.type = ClientMessage;
        event.xclient.window = window.id;
        event.xclient.message_type = protocols;
        event.xclient.format = 32;
        event.xclient.data.l[0] = long(deleteWindow);
        event.xclient.data.l[1] = CurrentTime;
        XSendEvent(m_display, window.id, False, NoEventMask, &event);
    }
    XFlush(m_display);
}
