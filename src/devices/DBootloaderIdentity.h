#pragma once

#include <QString>

#include <string>

// A keyboard in upgrade mode, recognised by the USB ids its device path
// carries. Our keyboards come back with the catalogue's upgrade-mode ids;
// the three pairs below are other makers' bootloaders, which a device-change
// notice still recognises but which are never opened. The model catalogue
// lists the same pairs; a test keeps the two together.
class DBootloaderIdentity
{
public:
    struct Pair
    {
        const char* vendorIdText;
        const char* productIdText;
    };

    static constexpr Pair kPairs[] = {
        {"0416", "3f00"},
        {"1FC9", "F7DF"},
        {"0416", "3f01"},
    };

    // True when the path holds both texts of one pair, in any case, or the
    // ids of a catalogue keyboard in upgrade mode.
    static bool matches(const QString& devicePath);
    // True only for the ids of a catalogue keyboard in upgrade mode.
    static bool isCatalogueUpgradeMode(const QString& devicePath);

    // The first present HID interface of a catalogue keyboard in upgrade
    // mode, as the device library lists them; empty when there is none.
    static std::string findPresentPath();
};
