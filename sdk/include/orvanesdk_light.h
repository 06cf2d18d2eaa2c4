#pragma once

// The lighting-effect generator: the application hands it the chosen
// keyboard and side settings; the following frames follow them.
//
// Threads: GUI thread only.
#include "sdk/include/orvanesdk_xml.h"

#include <list>

// One cell of a generated frame, 11 ints.
struct lightFrameCell
{
    int red;
    int green;
    int blue;
    int mixRed;
    int mixGreen;
    int mixBlue;
    int intensity; // 0..255
    int fadeMode;
    int pressPhase;
    int level;
    int autoRippleFlag;
};

struct lightRgbValue
{
    int red;
    int green;
    int blue;
};

static_assert(sizeof(lightFrameCell) == 44, "lightFrameCell layout");
static_assert(sizeof(lightRgbValue) == 12, "lightRgbValue layout");

// (Re)start the keyboard effect for this setting and model.
void COrvaneHid_SetKeyboardColorInfoDataStu(colorInfoData info, int supportValue4, const char* modelCode,
                                            bool hasSideLight);
// New parameters for the running keyboard effect.
void COrvaneHid_SetKeyboardColorInfoDataStuHaveChanged(colorInfoData info);
// (Re)start the side effect; validFlags holds one "validStatus" value per
// side segment, count of them.
void COrvaneHid_SetSideColorInfoDataStu(colorInfoData info, int count, std::list<int> validFlags);
void COrvaneHid_SetSideColorInfoDataStuHaveChanged(colorInfoData info);
// The colour a key press starts a ripple with.
lightRgbValue COrvaneHid_GetCurrentRippleLightColor();
