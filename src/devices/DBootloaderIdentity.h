#pragma once

#include <QString>

#include <string>
#include <vector>

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

    // The model code whose upgrade-mode ids the path carries; empty for any
    // other path.
    static QString upgradeModelOf(const QString& devicePath);

    // The present HID interfaces, as the device library lists them, in path
    // order, of keyboards of `model` in upgrade mode; of every model when
    // `model` is empty.
    static std::vector<std::string> presentPaths(const QString& model);
};
