#pragma once

#include <cstdint>

// Which settings each light effect takes, so the lighting page shows only
// the controls that change something, and the place of each effect on the
// page's rows of effect buttons.
class DLightEffectControls
{
public:
    // Bits by direction id (0 right .. 7 anticlockwise).
    static constexpr uint8_t kAllDirections = 0xFF;

    struct Controls
    {
        bool brightness;
        bool speed;
        uint8_t directions; // 0: no direction row at all
        bool colours; // full colour and bottom colour; the top colour is always there
        bool picker = true; // the colour picker: not for an effect that shows no colour at all
    };

    static Controls forEffect(int part, int effect);
    static bool hasDirection(const Controls& controls, int direction)
    {
        return direction >= 0 && direction < 8 && (controls.directions >> direction) & 1;
    }

    // The keyboard row holds 18 buttons; button 13 stands for DPI, which
    // selects no effect of its own (-1 here).
    static constexpr int kKeyboardButtons = 18;
    static constexpr int kDpiButton = 13;
    static constexpr int kCustomButton = 17;
    static constexpr int kSideButtonBase = 50;
    static constexpr int kSideButtons = 6;
    // An id outside the rows selects Wave.
    static int keyboardEffectOfButton(int button);
    static int sideEffectOfButton(int button);
    // -1 for an effect without a button (DPI included).
    static int keyboardButtonOfEffect(int effect);
    static int sideButtonOfEffect(int effect);
};
