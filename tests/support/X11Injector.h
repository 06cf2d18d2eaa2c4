#pragma once

#include <QByteArray>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <cstring>

// Physical input, as XTest makes it.
class Injector
{
public:
    Injector()
        : m_display(XOpenDisplay(nullptr))
    {
    }
    ~Injector() { XCloseDisplay(m_display); }

    void key(int keycode, bool press)
    {
        XTestFakeKeyEvent(m_display, static_cast<unsigned>(keycode), press ? True : False, CurrentTime);
        XSync(m_display, False);
    }
    void tap(int keycode)
    {
        key(keycode, true);
        key(keycode, false);
    }
    void button(int button, bool press)
    {
        XTestFakeButtonEvent(m_display, static_cast<unsigned>(button), press ? True : False, CurrentTime);
        XSync(m_display, False);
    }
    void moveTo(int x, int y)
    {
        XTestFakeMotionEvent(m_display, -1, x, y, CurrentTime);
        XSync(m_display, False);
    }
    void setFastRepeat()
    {
        XkbSetAutoRepeatRate(m_display, XkbUseCoreKbd, 150, 20);
        XSync(m_display, False);
    }
    unsigned lockedModifiers()
    {
        XkbStateRec state;
        XkbGetState(m_display, XkbUseCoreKbd, &state);
        return state.locked_mods;
    }
    QByteArray keyName(int keycode)
    {
        XkbDescPtr keyboard = XkbGetMap(m_display, 0, XkbUseCoreKbd);
        XkbGetNames(m_display, XkbKeyNamesMask, keyboard);
        const QByteArray name(keyboard->names->keys[keycode].name, strnlen(keyboard->names->keys[keycode].name, 4));
        XkbFreeKeyboard(keyboard, 0, True);
        return name;
    }
    Display* display() const { return m_display; }

private:
    Display* m_display;
};
