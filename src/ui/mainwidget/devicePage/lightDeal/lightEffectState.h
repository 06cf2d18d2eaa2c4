#pragma once

#include "sdk/include/orvanesdk_xml.h"

// The engine's working copy of a light setting.
struct lightEffectState
{
    int effect = 0;
    int brightness = 0;
    int speedIndex = 0; // speed - 1
    int topRed = 0;
    int topGreen = 0;
    int topBlue = 0;
    int bottomRed = 0;
    int bottomGreen = 0;
    int bottomBlue = 0;
    bool isFullColor = false;

    static lightEffectState fromColorInfo(const colorInfoData& info)
    {
        return {info.ledType, info.ledBrightness, info.ledSpeed - 1, info.topRed,     info.topGreen,
                info.topBlue, info.bottomRed,     info.bottomGreen,  info.bottomBlue, info.fullColor == 1};
    }
};
