#pragma once

#include <QString>

// The sleep times as the performance page hands them over and the keyboard
// takes them: light and keyboard sleep in seconds, the keyboard's in whole
// minutes on the page and in the profile.
class DSleepTimeCheck
{
public:
    enum Result {
        Accepted,
        KeyboardTooShort,
        LightLongerThanKeyboard,
        // Beyond what the page lets anyone type (an edited profile, say):
        // the keyboard's 16-bit fields would wrap it round.
        OutOfRange,
    };

    static constexpr int kLightMaximumSeconds = 60000;
    static constexpr int kKeyboardMinimumMinutes = 5;
    static constexpr int kKeyboardMaximumMinutes = 1000;
    static constexpr int kKeyboardMinimumSeconds = kKeyboardMinimumMinutes * 60;
    static constexpr int kKeyboardMaximumSeconds = kKeyboardMaximumMinutes * 60;
    // What the page shows for a profile that never stored its times.
    static constexpr int kDefaultLightSeconds = 600;
    static constexpr int kDefaultKeyboardMinutes = 30;

    // The keyboard's own limit is checked first: a keyboard time under five
    // minutes is the fault to fix whatever the light time says.
    static Result check(int lightSeconds, int keyboardSeconds);
    // The toast text of a refusal; empty for Accepted.
    static QString refusalText(Result result);

    // A time field's integer; empty or unreadable text counts as 0.
    static int fieldValue(const QString& text);
};
