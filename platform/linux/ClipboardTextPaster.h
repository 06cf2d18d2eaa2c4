#pragma once

#include "platform/include/TextPaster.h"

// The clipboard plus a Ctrl+V sent through XTest. Without an X11 display
// (Wayland, offscreen) the text still goes on the clipboard, but no
// keystrokes can be sent to another program.
class ClipboardTextPaster : public TextPaster
{
public:
    bool paste(const QString& text) override;
};
