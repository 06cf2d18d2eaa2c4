#pragma once

#include "platform/include/InstalledService.h"

#include <QString>
#include <memory>

// Types a text for the keyboard where the user is typing: the text goes on
// the clipboard and a synthetic Ctrl+V asks the focused window to paste it.
// What was on the clipboard before is not restored. GUI thread only.
class TextPaster
{
public:
    virtual ~TextPaster() = default;

    // False when the keystrokes could not be sent; the text is on the
    // clipboard even then, so the user can still paste it by hand.
    virtual bool paste(const QString& text) = 0;

    // The platform's paster unless another one is installed.
    static std::shared_ptr<TextPaster> current() { return InstalledService<TextPaster>::current(&createForPlatform); }
    // Null puts the platform's paster back.
    static void install(std::shared_ptr<TextPaster> paster)
    {
        InstalledService<TextPaster>::install(std::move(paster));
    }

private:
    static std::shared_ptr<TextPaster> createForPlatform();
};
