// The flat lighting functions of the device library; each forwards to the
// class that does the work.
#include "sdk/include/orvanesdk_light.h"
#include "sdk/include/orvanesdk_hid.h"

#include "sdk/light/LightEffectGenerator.h"

int COrvaneLight_Init()
{
    LightEffectGenerator::prepare();
    return 0;
}

void COrvaneHid_SetKeyboardColorInfoDataStu(colorInfoData info, int supportValue4, const char* modelCode,
                                            bool hasSideLight)
{
    LightEffectGenerator::instance().setKeyboard(info, supportValue4, modelCode, hasSideLight);
}

void COrvaneHid_SetKeyboardColorInfoDataStuHaveChanged(colorInfoData info)
{
    LightEffectGenerator::instance().changeKeyboard(info);
}

void COrvaneHid_SetSideColorInfoDataStu(colorInfoData info, int count, std::list<int> validFlags)
{
    LightEffectGenerator::instance().setSide(info, count, validFlags);
}

void COrvaneHid_SetSideColorInfoDataStuHaveChanged(colorInfoData info)
{
    LightEffectGenerator::instance().changeSide(info);
}

void COrvaneHid_keyboardLightColorRuning(lightFrameCallback callback)
{
    LightEffectGenerator::instance().runKeyboard(callback);
}

void COrvaneHid_sideLightColorRuning(lightFrameCallback callback)
{
    LightEffectGenerator::instance().runSide(callback);
}

lightRgbValue COrvaneHid_lightColorMix(int row, int column)
{
    return LightEffectGenerator::instance().colorMix(row, column);
}

sideCollisionInfo COrvaneHid_GetSideCollisionLightRuningConfig()
{
    return LightEffectGenerator::instance().sideCollision();
}

void COrvaneHid_keyClickedSendXY(int row, int column)
{
    LightEffectGenerator::instance().keyPressed(row, column);
}

lightRgbValue COrvaneHid_GetCurrentRippleLightColor()
{
    return LightEffectGenerator::instance().rippleColor();
}

autoRippleLightConfig COrvaneHid_GetCurrentAutoRippleLightConfig()
{
    return LightEffectGenerator::instance().autoRippleConfig();
}
