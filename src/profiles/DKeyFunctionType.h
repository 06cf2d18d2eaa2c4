#pragma once

struct keyOperateInfo;

// The key-function type codes, as the key-function pages store them in the
// type field of a key's record (decimal text). The numbers are those of the
// profile files users already have, so they never change.
namespace DKeyFunctionType {

enum Code : int {
    // What a record holds when the profile has no function for the key.
    kNoFunction = -1,
    kRemap = 0,
    kMacro = 1,
    kKeyCombination = 2,
    kMultimedia = 3,
    kMouse = 4,
    kDisable = 5,
    kText = 6,
    kProfileSwitch = 7,
    kLaunchApplication = 8,
    kShortcut = 9,
    kUnknown = 10,
    kKeyboardFunction = 19,
    kKeyboardLightEffect = 20,
    kKeyboardLightBrightness = 21,
    kKeyboardLightSpeed = 22,
    kKeyboardLightDirection = 23,
    kKeyboardLightColour = 24,
    kKeyboardLightCustom = 25,
    kKeyboardLightOff = 26,
    kLightRecording = 27,
    kSideLightEffect = 30,
    kSideLightBrightness = 31,
    kSideLightSpeed = 32,
    kSideLightColour = 33,
    kSideLightOff = 34,
    kAdvancedKey = 40,
};

// The type of a stored entry, read one way for everything that shows it and
// everything that sends it: a decimal number, blanks around it allowed.
// Anything else ("6x", empty) is no function: the page shows the key's own
// function and the keyboard gets the key's own entry, never two different
// guesses at what was meant.
int of(const keyOperateInfo& record);

} // namespace DKeyFunctionType
