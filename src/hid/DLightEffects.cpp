#include "hid/DLightEffects.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

using KeyboardEffect = DLightEffects::KeyboardEffect;
using SideEffect = DLightEffects::SideEffect;
using Direction = DLightEffects::Direction;

// A keyboard may list DPI among its effects; the page never offers it.
constexpr std::array<KeyboardEffect, 18> kKeyboardEffects{{
    {0, QT_TRANSLATE_NOOP("QObject", "Static"), 0, false, true},
    {1, QT_TRANSLATE_NOOP("QObject", "Breath"), 0, false, true},
    {2, QT_TRANSLATE_NOOP("QObject", "Wave"), 0, false, true},
    {3, QT_TRANSLATE_NOOP("QObject", "Neon"), 0, false, true},
    {4, QT_TRANSLATE_NOOP("QObject", "Radar"), 6, false, true},
    {5, QT_TRANSLATE_NOOP("QObject", "Snake"), 6, false, true},
    {6, QT_TRANSLATE_NOOP("QObject", "Reactive"), 0, true, true},
    {7, QT_TRANSLATE_NOOP("QObject", "Aurora"), 4, true, true},
    {8, QT_TRANSLATE_NOOP("QObject", "Ripple"), 4, true, true},
    {9, QT_TRANSLATE_NOOP("QObject", "Twinkle"), 0, false, true},
    {10, QT_TRANSLATE_NOOP("QObject", "Custom"), 0, false, true},
    {11, QT_TRANSLATE_NOOP("QObject", "Cross"), 0, true, true},
    {12, QT_TRANSLATE_NOOP("QObject", "Speed Respond"), 2, true, true},
    {13, QT_TRANSLATE_NOOP("QObject", "DPI"), 0, false, false},
    {14, QT_TRANSLATE_NOOP("QObject", "Auto Ripple"), 4, false, true},
    {15, QT_TRANSLATE_NOOP("QObject", "Striation"), 6, false, true},
    {16, QT_TRANSLATE_NOOP("QObject", "Fireworks"), 4, true, true},
    {100, QT_TRANSLATE_NOOP("QObject", "Musical Rhythm"), 2, false, true},
}};

constexpr std::array<SideEffect, 6> kSideEffects{{
    {0, QT_TRANSLATE_NOOP("QObject", "Static")},
    {1, QT_TRANSLATE_NOOP("QObject", "Breath")},
    {2, QT_TRANSLATE_NOOP("QObject", "Wave")},
    {3, QT_TRANSLATE_NOOP("QObject", "Collision")},
    {4, QT_TRANSLATE_NOOP("QObject", "Neon")},
    {5, QT_TRANSLATE_NOOP("QObject", "Close")},
}};

constexpr std::array<Direction, 8> kDirections{{
    {0, "pushButton_Right", QT_TRANSLATE_NOOP("QObject", "To the right")},
    {1, "pushButton_Left", QT_TRANSLATE_NOOP("QObject", "To the left")},
    {2, "pushButton_Up", QT_TRANSLATE_NOOP("QObject", "Upwards")},
    {3, "pushButton_Down", QT_TRANSLATE_NOOP("QObject", "Downwards")},
    {4, "pushButton_Dispersion", QT_TRANSLATE_NOOP("QObject", "Outwards from the center")},
    {5, "pushButton_Gather", QT_TRANSLATE_NOOP("QObject", "Inwards to the center")},
    {6, "pushButton_CW", QT_TRANSLATE_NOOP("QObject", "Clockwise")},
    {7, "pushButton_UnCW", QT_TRANSLATE_NOOP("QObject", "Counterclockwise")},
}};

template<typename Row, size_t N>
const Row* findRow(const std::array<Row, N>& rows, int id)
{
    const auto it = std::find_if(rows.begin(), rows.end(), [id](const Row& row) { return row.id == id; });
    return it == rows.end() ? nullptr : &*it;
}

} // namespace

const std::array<KeyboardEffect, 18>& DLightEffects::keyboardEffects()
{
    return kKeyboardEffects;
}

const std::array<SideEffect, 6>& DLightEffects::sideEffects()
{
    return kSideEffects;
}

const std::array<Direction, 8>& DLightEffects::directions()
{
    return kDirections;
}

const KeyboardEffect* DLightEffects::keyboardEffect(int id)
{
    return findRow(kKeyboardEffects, id);
}

const SideEffect* DLightEffects::sideEffect(int id)
{
    return findRow(kSideEffects, id);
}

QString DLightEffects::name(int part, int id)
{
    const char* source = nullptr;
    if (part == kKeyboardPart) {
        if (const KeyboardEffect* effect = keyboardEffect(id))
            source = effect->name;
    } else if (const SideEffect* effect = sideEffect(id)) {
        source = effect->name;
    }
    return source ? QCoreApplication::translate("QObject", source) : QString();
}

int DLightEffects::defaultDirection(int part, int id)
{
    if (part != kKeyboardPart)
        return 0;
    const KeyboardEffect* effect = keyboardEffect(id);
    return effect ? effect->defaultDirection : 0;
}

bool DLightEffects::isKeyPressDriven(int id)
{
    const KeyboardEffect* effect = keyboardEffect(id);
    return effect && effect->keyPressDriven;
}

bool DLightEffects::hasButton(int id)
{
    const KeyboardEffect* effect = keyboardEffect(id);
    return effect && effect->hasButton;
}
