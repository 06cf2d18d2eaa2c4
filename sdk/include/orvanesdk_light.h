#pragma once

// The lighting-effect generator: the application hands it the chosen
// keyboard and side settings; the following frames follow them. Each frame
// call is one step of the effect; the caller sets the pace. sdk/light/EFFECTS.md
// describes what each effect puts into the cells.
//
// Threads: GUI thread only. COrvaneLight_Init (orvanesdk_hid.h) prepares the
// generator.
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

// Where the side effect Collision stands in the last side frame, counted
// along the segments in use (validStatus 1): light A from the first, light B
// from the last, the segment where they meet, 1 only in the step they meet,
// and how many segments are in use. All 0 under any other side effect.
struct sideCollisionInfo
{
    unsigned char positionA;
    unsigned char positionB;
    unsigned char meetingPoint;
    unsigned char meeting;
    unsigned char segmentCount;
};

// What the Auto Ripple effect tells a keyboard behind the receiver about
// its current ripple, five values.
struct autoRippleLightConfig
{
    int values[5];
};

static_assert(sizeof(lightFrameCell) == 44, "lightFrameCell layout");
static_assert(sizeof(sideCollisionInfo) == 5, "sideCollisionInfo layout");

// Receives a frame: 132 cells (row x 22 + column) from the keyboard call, 60
// from the side call. Called on the calling thread, before the call returns.
using lightFrameCallback = void (*)(const lightFrameCell* frame);
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
// The next frame of the keyboard effect and of the side effect. Before the
// first Set, and for effects that draw nothing, every cell is 0.
void COrvaneHid_keyboardLightColorRuning(lightFrameCallback callback);
void COrvaneHid_sideLightColorRuning(lightFrameCallback callback);
// The full-colour colour of a key in the last keyboard frame; black for a
// position outside the grid.
lightRgbValue COrvaneHid_lightColorMix(int row, int column);
sideCollisionInfo COrvaneHid_GetSideCollisionLightRuningConfig();
// A key press at a grid position (row 0..5, column 0..21) for the key-press
// effects; a position outside the grid is ignored.
void COrvaneHid_keyClickedSendXY(int row, int column);
// The colour a key press starts a ripple with.
lightRgbValue COrvaneHid_GetCurrentRippleLightColor();
// Auto Ripple's configuration in the last keyboard frame.
autoRippleLightConfig COrvaneHid_GetCurrentAutoRippleLightConfig();
