// The flat lighting functions of the device library; each forwards to the
// class that does the work.
#include "sdk/include/orvanesdk_light.h"

#include "sdk/light/LightEffectSettings.h"

void COrvaneHid_SetKeyboardColorInfoDataStu(colorInfoData info, int supportValue4, const char* modelCode,
                                            bool hasSideLight)
{
    LightEffectSettings::instance().setKeyboard(info, supportValue4, modelCode, hasSideLight);
}

void COrvaneHid_SetKeyboardColorInfoDataStuHaveChanged(colorInfoData info)
{
    LightEffectSettings::instance().changeKeyboard(info);
}

void COrvaneHid_SetSideColorInfoDataStu(colorInfoData info, int count, std::list<int> validFlags)
{
    LightEffectSettings::instance().setSide(info, count, validFlags);
}

void COrvaneHid_SetSideColorInfoDataStuHaveChanged(colorInfoData info)
{
    LightEffectSettings::instance().changeSide(info);
}

lightRgbValue COrvaneHid_GetCurrentRippleLightColor()
{
    return LightEffectSettings::instance().rippleColor();
}
