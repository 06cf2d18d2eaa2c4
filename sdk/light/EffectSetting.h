#pragma once

#include "sdk/include/orvanesdk_light.h"

// A light record as the effects read it: colours clamped to 0..255 and a
// direction the effect offers (any other reads as the effect's default).
// Brightness and speed are not here: the application darkens and times the
// frames itself.
struct EffectSetting
{
    static constexpr int kNoEffect = -1;

    int effect = kNoEffect;
    lightRgbValue top{};
    lightRgbValue bottom{};
    bool fullColour = false;
    int direction = 0;

    static EffectSetting keyboard(const colorInfoData& record);
    static EffectSetting side(const colorInfoData& record);
};
