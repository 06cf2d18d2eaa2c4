#pragma once

#include <QColor>
#include <array>

// The eleven fully saturated colours the lighting effects cycle through, in
// two orders; which one a keyboard gets depends on its model.
namespace presetPalettes {

struct rgb
{
    int r, g, b;
};

constexpr int kColorCount = 11;

constexpr std::array<rgb, kColorCount> kRainbow = {{
    {255, 0, 0},
    {255, 128, 0},
    {255, 255, 0},
    {128, 255, 0},
    {0, 255, 0},
    {0, 255, 128},
    {0, 255, 255},
    {0, 128, 255},
    {0, 0, 255},
    {128, 0, 255},
    {255, 0, 255},
}};

constexpr std::array<rgb, kColorCount> kRedGreenBlueFirst = {{
    {255, 0, 0},
    {0, 255, 0},
    {0, 0, 255},
    {255, 0, 255},
    {255, 128, 0},
    {255, 255, 0},
    {128, 255, 0},
    {0, 255, 128},
    {0, 255, 255},
    {0, 128, 255},
    {128, 0, 255},
}};

inline QColor rainbowColor(int index)
{
    const rgb& c = kRainbow.at(static_cast<size_t>(index));
    return QColor(c.r, c.g, c.b, 255);
}

inline QColor redGreenBlueFirstColor(int index)
{
    const rgb& c = kRedGreenBlueFirst.at(static_cast<size_t>(index));
    return QColor(c.r, c.g, c.b, 255);
}

} // namespace presetPalettes
