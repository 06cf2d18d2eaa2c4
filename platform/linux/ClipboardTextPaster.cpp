#include "platform/linux/ClipboardTextPaster.h"

#include "platform/linux/PlatformLogCategories.h"

#include <QClipboard>
#include <QDebug>
#include <QGuiApplication>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {

bool sendControlV()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return false;
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return false;
    int eventBase = 0, errorBase = 0, major = 0, minor = 0;
    const KeyCode control = XKeysymToKeycode(display, XK_Control_L);
    const KeyCode v = XKeysymToKeycode(display, XK_v);
    const bool ready = XTestQueryExtension(display, &eventBase, &errorBase, &major, &minor) && control && v;
    if (ready) {
        XTestFakeKeyEvent(display, control, True, CurrentTime);
        XTestFakeKeyEvent(display, v, True, CurrentTime);
        XTestFakeKeyEvent(display, v, False, CurrentTime);
        XTestFakeKeyEvent(display, control, False, CurrentTime);
        XSync(display, False);
    }
    XCloseDisplay(display);
    return ready;
}

} // namespace

std::shared_ptr<TextPaster> TextPaster::createForPlatform()
{
    return std::make_shared<ClipboardTextPaster>();
}

bool ClipboardTextPaster::paste(const QString& text)
{
    // Setting the clipboard makes Qt confirm the selection ownership with
    // the server (a round trip), so the paste request the keystrokes cause
    // can never overtake it.
    QGuiApplication::clipboard()->setText(text, QClipboard::Clipboard);
    if (sendControlV())
        return true;
    qCDebug(platformLcHooks) << "Paste: no X11 display with XTest, the text was only put on the clipboard";
    return false;
}
