#include "platform/include/CompositingManager.h"

#include <QGuiApplication>

#include <X11/Xlib.h>

#include <string>

bool compositingManagerRunning()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return true;
    // A connection of our own, kept for the run: asked at every pop-up, and
    // a compositing manager may start or stop while the program runs.
    static Display* const display = XOpenDisplay(nullptr);
    if (!display)
        return false;
    const std::string selection = "_NET_WM_CM_S" + std::to_string(DefaultScreen(display));
    const Atom atom = XInternAtom(display, selection.c_str(), False);
    return XGetSelectionOwner(display, atom) != None;
}
