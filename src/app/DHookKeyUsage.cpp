#include "app/DHookKeyUsage.h"

namespace {

constexpr int kVkEnter = 13;
constexpr int kMainEnter = 999;
constexpr int kKeypadEnter = 998;
constexpr int kFlagExtended = 0x01;
constexpr int kFlagAltDown = 0x20;
constexpr int kFlagReleased = 0x80;

// Without Num Lock the keypad sends the navigation keys' codes, but never
// with the extended bit, which the navigation block's own keys carry.
struct KeypadKey
{
    int navigation;
    int keypad;
};

constexpr KeypadKey kKeypadKeys[] = {
    {45, 96}, // Insert: keypad 0
    {35, 97}, // End: keypad 1
    {40, 98}, // Down: keypad 2
    {34, 99}, // Page Down: keypad 3
    {37, 100}, // Left: keypad 4
    {12, 101}, // Clear: keypad 5
    {39, 102}, // Right: keypad 6
    {36, 103}, // Home: keypad 7
    {38, 104}, // Up: keypad 8
    {33, 105}, // Page Up: keypad 9
    {46, 110}, // Delete: keypad decimal point
};

} // namespace

int DHookKeyUsage::lookupCode(int keyCode, int hookFlag)
{
    if (keyCode == kVkEnter) {
        // With Alt held the hook cannot tell the two Enter keys apart.
        if (hookFlag == 0)
            return kMainEnter;
        if (hookFlag == kFlagExtended)
            return kKeypadEnter;
        return keyCode;
    }
    const int unreleased = hookFlag & ~kFlagReleased;
    if (unreleased != 0 && unreleased != kFlagAltDown)
        return keyCode;
    for (const KeypadKey& key : kKeypadKeys) {
        if (key.navigation == keyCode)
            return key.keypad;
    }
    return keyCode;
}

int DHookKeyUsage::usageOf(int keyCode, int flag, int hookFlag, const QMap<int, int>& virtualKeyToHid)
{
    if (flag == 0 || (hookFlag & ~kFlagExtended) == kFlagReleased)
        return kNoUsage;
    return virtualKeyToHid.value(lookupCode(keyCode, hookFlag), kNoUsage);
}
