#include "sdk/light/EffectSetting.h"

#include <algorithm>

namespace {

// Direction ids of the light records.
constexpr int kRight = 0;
constexpr int kUp = 2;
constexpr int kDispersion = 4;
constexpr int kClockwise = 6;

struct OfferedDirections
{
    int effect;
    int defaultDirection;
    int count;
    int offered[6];
};

// Keyboard effects that take a direction; every other effect runs one way.
constexpr OfferedDirections kKeyboardDirections[] = {
    {2, kRight, 6, {0, 1, 2, 3, 4, 5}}, // Wave
    {4, kClockwise, 2, {6, 7}}, // Radar
    {5, kClockwise, 2, {6, 7}}, // Snake
    {15, kClockwise, 2, {6, 7}}, // Striation
    {7, kDispersion, 2, {4, 5}}, // Aurora
    {12, kUp, 2, {2, 3}}, // Speed Respond
};

lightRgbValue clampedColour(int red, int green, int blue)
{
    return {std::clamp(red, 0, 255), std::clamp(green, 0, 255), std::clamp(blue, 0, 255)};
}

EffectSetting common(const colorInfoData& record)
{
    EffectSetting s;
    s.effect = record.ledType;
    s.top = clampedColour(record.topRed, record.topGreen, record.topBlue);
    s.bottom = clampedColour(record.bottomRed, record.bottomGreen, record.bottomBlue);
    s.fullColour = record.fullColor == 1;
    return s;
}

} // namespace

EffectSetting EffectSetting::keyboard(const colorInfoData& record)
{
    EffectSetting s = common(record);
    s.direction = 0;
    for (const OfferedDirections& row : kKeyboardDirections) {
        if (row.effect != record.ledType)
            continue;
        const int* end = row.offered + row.count;
        const bool offered = std::find(row.offered, end, record.ledDirection) != end;
        s.direction = offered ? record.ledDirection : row.defaultDirection;
    }
    return s;
}

EffectSetting EffectSetting::side(const colorInfoData& record)
{
    // No side effect takes a direction.
    EffectSetting s = common(record);
    s.direction = 0;
    return s;
}
