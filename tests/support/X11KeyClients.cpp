#include "support/X11KeyClients.h"

#include <QTest>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <cstring>

namespace {

int s_lastClientError = 0;

int recordClientError(Display*, XErrorEvent* error)
{
    s_lastClientError = error->error_code;
    return 0;
}

} // namespace

OtherClient::OtherClient()
{
    m_display = XOpenDisplay(nullptr);
    const int screen = DefaultScreen(m_display);
    XSetWindowAttributes attributes;
    attributes.override_redirect = True;
    attributes.event_mask = KeyPressMask | KeyReleaseMask | ButtonPressMask | ButtonReleaseMask | ExposureMask;
    m_window = XCreateWindow(m_display, RootWindow(m_display, screen), 0, 0, 400, 400, 0, CopyFromParent, InputOutput,
                             CopyFromParent, CWOverrideRedirect | CWEventMask, &attributes);
    XMapRaised(m_display, m_window);
    XSync(m_display, False);
    XSetInputFocus(m_display, m_window, RevertToPointerRoot, CurrentTime);
    XSync(m_display, False);
}

OtherClient::~OtherClient()
{
    XDestroyWindow(m_display, m_window);
    XCloseDisplay(m_display);
}

QList<OtherClient::Event> OtherClient::take()
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

bool OtherClient::waitForKey(int type, int keycode, QList<Event>* seen)
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

bool OtherClient::canGrabKey(int keycode)
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

void OtherClient::grabShortcut(int keycode, unsigned modifiers)
{
    XGrabKey(m_display, keycode, modifiers, DefaultRootWindow(m_display), False, GrabModeAsync, GrabModeAsync);
    XSync(m_display, False);
}

bool OtherClient::canGrabKeyboard()
{
    const int result = XGrabKeyboard(m_display, m_window, False, GrabModeAsync, GrabModeAsync, CurrentTime);
    if (result == GrabSuccess)
        XUngrabKeyboard(m_display, CurrentTime);
    XSync(m_display, False);
    return result == GrabSuccess;
}

void OtherClient::refocus()
{
    XSetInputFocus(m_display, m_window, RevertToPointerRoot, CurrentTime);
    XSync(m_display, False);
}

Injector::Injector()
    : m_display(XOpenDisplay(nullptr))
{
}

Injector::~Injector()
{
    XCloseDisplay(m_display);
}

void Injector::key(int keycode, bool press)
{
    XTestFakeKeyEvent(m_display, static_cast<unsigned>(keycode), press ? True : False, CurrentTime);
    XSync(m_display, False);
}

void Injector::tap(int keycode)
{
    key(keycode, true);
    key(keycode, false);
}

void Injector::button(int button, bool press)
{
    XTestFakeButtonEvent(m_display, static_cast<unsigned>(button), press ? True : False, CurrentTime);
    XSync(m_display, False);
}

void Injector::moveTo(int x, int y)
{
    XTestFakeMotionEvent(m_display, -1, x, y, CurrentTime);
    XSync(m_display, False);
}

void Injector::setFastRepeat()
{
    XkbSetAutoRepeatRate(m_display, XkbUseCoreKbd, 150, 20);
    XSync(m_display, False);
}

unsigned Injector::lockedModifiers()
{
    XkbStateRec state;
    XkbGetState(m_display, XkbUseCoreKbd, &state);
    return state.locked_mods;
}

QByteArray Injector::keyName(int keycode)
{
    XkbDescPtr keyboard = XkbGetMap(m_display, 0, XkbUseCoreKbd);
    XkbGetNames(m_display, XkbKeyNamesMask, keyboard);
    const QByteArray name(keyboard->names->keys[keycode].name, strnlen(keyboard->names->keys[keycode].name, 4));
    XkbFreeKeyboard(keyboard, 0, True);
    return name;
}

int countOf(const QList<OtherClient::Event>& events, int type, int detail)
{
    int count = 0;
    for (const OtherClient::Event& event : events)
        count += event.type == type && event.detail == detail ? 1 : 0;
    return count;
}
