#pragma once

#include "sdk/include/orvanesdk_light.h"
#include "sdk/light/EffectSetting.h"

// The shapes several effects share, on the keys and on the side bar alike:
// the colour circle, the uniform effects (Static, Breath, Neon) and the
// moving band of the waves. Periods are in steps, one step per frame.
class EffectShapes
{
public:
    static constexpr int kBreathPeriod = 144;
    static constexpr int kNeonPeriod = 216;
    // Full colour moves on by this much each breath.
    static constexpr int kBreathHueStep = 60;

    enum class Uniform { Static, Breath, Neon };

    // Full saturation and value; any angle, taken modulo 360.
    static lightRgbValue hue(double degrees);

    // The one cell every key or segment shows in a uniform effect.
    static lightFrameCell uniform(Uniform shape, const EffectSetting& setting, long long step);

    // A band moving along a loop of periodKeys keys, the phase counted in
    // unitsPerKey units: full at phase 0, fading to dark two keys away (or a
    // fifth of the loop on long loops).
    static int bandIntensity(long long phase, int unitsPerKey, int periodKeys);
    // The rainbow's hue at that phase: once round the circle per loop.
    static double bandHue(long long phase, int unitsPerKey, int periodKeys);

    static lightFrameCell cell(const lightRgbValue& colour, int intensity, int pressPhase = 0);
    // Non-negative remainder.
    static long long wrap(long long value, long long period);
};
