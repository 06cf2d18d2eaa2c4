#pragma once

#include <QString>

#include <array>

// The light effects and directions the keyboard numbers, with what the
// program attaches to each: the name it shows, the direction a new setting
// starts with, whether key presses drive it and whether the lighting page
// offers it. Every list of effects in the program reads these rows.
class DLightEffects
{
public:
    static constexpr int kKeyboardPart = 0;
    static constexpr int kSidePart = 1;

    static constexpr int kStatic = 0;
    static constexpr int kCustom = 10;
    static constexpr int kDpi = 13;
    static constexpr int kMusicalRhythm = 100;
    static constexpr int kSideClose = 5;

    struct KeyboardEffect
    {
        int id;
        const char* name; // untranslated; translated in the context "QObject"
        int defaultDirection;
        bool keyPressDriven;
        bool hasButton;
    };

    struct SideEffect
    {
        int id;
        const char* name;
    };

    struct Direction
    {
        int id;
        const char* button; // object name of the lighting page's button
        const char* tip;    // untranslated; where the light runs, "QObject"
    };

    static const std::array<KeyboardEffect, 18>& keyboardEffects();
    static const std::array<SideEffect, 6>& sideEffects();
    static const std::array<Direction, 8>& directions();

    // Null for an id the table does not have.
    static const KeyboardEffect* keyboardEffect(int id);
    static const SideEffect* sideEffect(int id);

    // The translated name; empty for an unknown effect.
    static QString name(int part, int id);
    // 0 for the side and for unknown effects.
    static int defaultDirection(int part, int id);
    static bool isKeyPressDriven(int id);
    static bool hasButton(int id);
};
