#pragma once

#include <QString>

#include <string>

// The keyboards' bootloaders, recognised by the pair of USB id texts their
// device path carries. The model catalogue lists the same pairs for the
// udev rule; a test keeps the two together.
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

    // True when the path holds both texts of one pair, in any case.
    static bool matches(const QString& devicePath);

    // The first present HID interface whose path carries a bootloader
    // identity, as the device library lists them; empty when there is none.
    static std::string findPresentPath();
};
