#include "hid/DLightEffectControls.h"

#include "hid/DLightEffects.h"

#include <array>

namespace {

using Controls = DLightEffectControls::Controls;

constexpr uint8_t bit(int direction)
{
    return uint8_t(1u << direction);
}

// Direction ids: 0 right, 1 left, 2 up, 3 down, 4 dispersion, 5 gather, 6 clockwise, 7 anticlockwise.
constexpr uint8_t kLine = bit(0) | bit(1) | bit(2) | bit(3) | bit(4) | bit(5);
constexpr uint8_t kTurn = bit(6) | bit(7);
constexpr uint8_t kCentre = bit(4) | bit(5);
constexpr uint8_t kVertical = bit(2) | bit(3);

struct Row
{
    int effect;
    Controls controls;
};

constexpr Controls kEverything{true, true, DLightEffectControls::kAllDirections, true};

constexpr std::array<Row, 18> kKeyboardRows{{
    {0, {true, false, 0, false}},
    {1, {true, true, 0, true}},
    {2, {true, true, kLine, true}},
    {3, {true, true, 0, true}},
    {4, {true, true, kTurn, true}},
    {5, {true, true, kTurn, true}},
    {6, {true, true, 0, true}},
    {7, {true, true, kCentre, true}},
    {8, {true, true, 0, true}},
    {9, {true, true, 0, true}},
    {10, {true, false, 0, false}},
    {11, {true, true, 0, true}},
    {12, {true, false, kVertical, true}},
    {14, {true, true, 0, true}},
    {15, {true, true, kTurn, true}},
    {16, {true, true, 0, true}},
    {100, {true, false, 0, true}},
    // DPI falls to the default of everything.
    {DLightEffects::kDpi, kEverything},
}};

constexpr std::array<Row, 6> kSideRows{{
    {0, {true, false, 0, false}},
    {1, {true, true, 0, true}},
    {2, {true, true, 0, true}},
    {3, {true, true, 0, true}},
    {4, {true, true, 0, true}},
    {5, {false, false, 0, false, false}}, // Close: the side light is off
}};

// Effect of each keyboard button, left to right; -1 for the DPI button.
constexpr std::array<int, DLightEffectControls::kKeyboardButtons> kKeyboardButtonEffects{
    0, 3, 1, 2, 9, 5, 4, 14, 15, 7, 8, 6, 11, -1, 16, 12, 100, 10};
constexpr std::array<int, DLightEffectControls::kSideButtons> kSideButtonEffects{0, 4, 1, 2, 3, 5};
constexpr int kFallbackEffect = 2;

} // namespace

DLightEffectControls::Controls DLightEffectControls::forEffect(int part, int effect)
{
    if (part == DLightEffects::kSidePart) {
        for (const Row& row : kSideRows) {
            if (row.effect == effect)
                return row.controls;
        }
        return kEverything;
    }
    for (const Row& row : kKeyboardRows) {
        if (row.effect == effect)
            return row.controls;
    }
    return kEverything;
}

int DLightEffectControls::keyboardEffectOfButton(int button)
{
    if (button < 0 || button >= kKeyboardButtons)
        return kFallbackEffect;
    return kKeyboardButtonEffects[std::size_t(button)];
}

int DLightEffectControls::sideEffectOfButton(int button)
{
    const int position = button - kSideButtonBase;
    if (position < 0 || position >= kSideButtons)
        return kFallbackEffect;
    return kSideButtonEffects[std::size_t(position)];
}

int DLightEffectControls::keyboardButtonOfEffect(int effect)
{
    for (int button = 0; button < kKeyboardButtons; ++button) {
        if (effect >= 0 && kKeyboardButtonEffects[std::size_t(button)] == effect)
            return button;
    }
    return -1;
}

int DLightEffectControls::sideButtonOfEffect(int effect)
{
    for (int position = 0; position < kSideButtons; ++position) {
        if (kSideButtonEffects[std::size_t(position)] == effect)
            return kSideButtonBase + position;
    }
    return -1;
}
