#pragma once

#include <QList>
#include <QTest>

#include <X11/Xlib.h>

inline int s_lastClientError = 0;

inline int recordClientError(Display*, XErrorEvent* error)
{
    s_lastClientError = error->error_code;
    return 0;
}

// A second X client: a focused window that records the key and button
// events it is given, and that tries grabs of its own.
class OtherClient
{
public:
    struct Event
    {
        int type;
        int detail;
    };

    OtherClient()
    {
        m_display = XOpenDisplay(nullptr);
        const int screen = DefaultScreen(m_display);
        XSetWindowAttributes attributes;
        attributes.override_redirect = True;
        attributes.event_mask = KeyPressMask | KeyReleaseMask | ButtonPressMask | ButtonReleaseMask | ExposureMask;
        m_window = XCreateWindow(m_display, RootWindow(m_display, screen), 0, 0, 400, 400, 0, CopyFromParent,
                                 InputOutput, CopyFromParent, CWOverrideRedirect | CWEventMask, &attributes);
        XMapRaised(m_display, m_window);
        XSync(m_display, False);
        XSetInputFocus(m_display, m_window, RevertToPointerRoot, CurrentTime);
        XSync(m_display, False);
    }
    ~OtherClient()
    {
        XDestroyWindow(m_display, m_window);
        XCloseDisplay(m_display);
    }

    QList<Event> take()
    {
        XSync(m_display, False);
        QList<Event> events;
        while (XPending(m_display) > 0) {
            XEvent event;
            XNextEvent(m_display, &event);
            if (event.type == KeyPress || event.type == KeyRelease)
                events.append({event.type, int(event.xkey.keycode)});
            else if (event.type == ButtonPress || event.type == ButtonRelease)
                events.append({event.type, int(event.xbutton.button)});
        }
        return events;
    }

    // Waits until the window got a key event for the keycode; the server
    // delivers in order, so everything sent before it has been handled.
    bool waitForKey(int type, int keycode, QList<Event>* seen = nullptr)
    {
        QList<Event> all;
        for (int round = 0; round < 300; ++round) {
            all += take();
            for (const Event& event : all) {
                if (event.type == type && event.detail == keycode) {
                    if (seen)
                        *seen = all;
                    return true;
                }
            }
            QTest::qWait(10);
        }
        if (seen)
            *seen = all;
        return false;
    }

    // Whether this client may passively grab the key on the root window,
    // where our capture grabs it; a held grab of ours refuses it.
    bool canGrabKey(int keycode)
    {
        XErrorHandler previous = XSetErrorHandler(&recordClientError);
        s_lastClientError = 0;
        XGrabKey(m_display, keycode, AnyModifier, DefaultRootWindow(m_display), False, GrabModeAsync, GrabModeAsync);
        XSync(m_display, False);
        const bool granted = s_lastClientError == 0;
        if (granted)
            XUngrabKey(m_display, keycode, AnyModifier, DefaultRootWindow(m_display));
        XSync(m_display, False);
        XSetErrorHandler(previous);
        return granted;
    }

    // Holds a grab like a desktop shortcut does, until the client goes.
    void grabShortcut(int keycode, unsigned modifiers)
    {
        XGrabKey(m_display, keycode, modifiers, DefaultRootWindow(m_display), False, GrabModeAsync, GrabModeAsync);
        XSync(m_display, False);
    }

    bool canGrabKeyboard()
    {
        const int result = XGrabKeyboard(m_display, m_window, False, GrabModeAsync, GrabModeAsync, CurrentTime);
        if (result == GrabSuccess)
            XUngrabKeyboard(m_display, CurrentTime);
        XSync(m_display, False);
        return result == GrabSuccess;
    }

    void refocus()
    {
        XSetInputFocus(m_display, m_window, RevertToPointerRoot, CurrentTime);
        XSync(m_display, False);
    }

private:
    Display* m_display = nullptr;
    Window m_window = 0;
};
