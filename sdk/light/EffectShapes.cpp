#include "sdk/light/EffectShapes.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kPi = 3.14159265358979323846;
}

long long EffectShapes::wrap(long long value, long long period)
{
    if (period <= 0)
        return 0;
    const long long r = value % period;
    return r < 0 ? r + period : r;
}

lightRgbValue EffectShapes::hue(double degrees)
{
    double h = std::fmod(degrees, 360.0);
    if (h < 0)
        h += 360.0;
    const double sector = h / 60.0;
    const int i = std::min(5, static_cast<int>(sector));
    const int rising = static_cast<int>(std::lround((sector - i) * 255.0));
    const int falling = 255 - rising;
    switch (i) {
    case 0:
        return {255, rising, 0};
    case 1:
        return {falling, 255, 0};
    case 2:
        return {0, 255, rising};
    case 3:
        return {0, falling, 255};
    case 4:
        return {rising, 0, 255};
    default:
        return {255, 0, falling};
    }
}

lightFrameCell EffectShapes::cell(const lightRgbValue& colour, int intensity, int pressPhase)
{
    lightFrameCell c{};
    c.red = colour.red;
    c.green = colour.green;
    c.blue = colour.blue;
    c.intensity = std::clamp(intensity, 0, 255);
    c.pressPhase = pressPhase;
    return c;
}

lightFrameCell EffectShapes::uniform(Uniform shape, const EffectSetting& setting, long long step)
{
    switch (shape) {
    case Uniform::Static:
        return cell(setting.top, 255);
    case Uniform::Breath: {
        // Dark at the start of each breath, full in its middle; in full colour
        // the hue moves on while the keys are dark.
        const long long p = wrap(step, kBreathPeriod);
        const int level = static_cast<int>(std::lround(127.5 * (1.0 - std::cos(2.0 * kPi * p / kBreathPeriod))));
        const long long breath = step / kBreathPeriod;
        const lightRgbValue colour = setting.fullColour ? hue(double(wrap(breath * kBreathHueStep, 360))) : setting.top;
        return cell(colour, level);
    }
    case Uniform::Neon: {
        const long long p = wrap(step, kNeonPeriod);
        if (setting.fullColour)
            return cell(hue(360.0 * double(p) / kNeonPeriod), 255);
        // Top to bottom and back.
        const long long half = kNeonPeriod / 2;
        const long long towardsBottom = p <= half ? p : kNeonPeriod - p;
        auto mix = [&](int from, int to) { return from + int((to - from) * towardsBottom / half); };
        return cell({mix(setting.top.red, setting.bottom.red), mix(setting.top.green, setting.bottom.green),
                     mix(setting.top.blue, setting.bottom.blue)},
                    255);
    }
    }
    return {};
}

int EffectShapes::bandIntensity(long long phase, int unitsPerKey, int periodKeys)
{
    const long long period = static_cast<long long>(unitsPerKey) * periodKeys;
    const long long p = wrap(phase, period);
    const long long distance = std::min(p, period - p);
    const long long halfWidth = static_cast<long long>(unitsPerKey) * std::max(2, periodKeys / 5);
    if (distance >= halfWidth)
        return 0;
    return static_cast<int>(255 - distance * 255 / halfWidth);
}

double EffectShapes::bandHue(long long phase, int unitsPerKey, int periodKeys)
{
    const long long period = static_cast<long long>(unitsPerKey) * periodKeys;
    return 360.0 * double(wrap(phase, period)) / double(period);
}
