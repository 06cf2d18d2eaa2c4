#include "support/LightSettings.h"

colorInfoData fastestWaveSetting(int part)
{
    colorInfoData info{};
    info.lightPart = part;
    info.ledType = 2;
    info.ledBrightness = 5;
    info.ledSpeed = 5;
    info.topRed = 250;
    info.topGreen = 40;
    info.topBlue = 10;
    return info;
}
