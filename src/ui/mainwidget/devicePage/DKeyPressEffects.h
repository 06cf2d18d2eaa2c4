#pragma once

#include "hid/DLightEffects.h"

// Keyboard light effects that react to key presses. While one of them runs,
// the key page's keyboard hook has to pass key presses on to the lighting.
class DKeyPressEffects
{
public:
    static constexpr int kCustomEffect = DLightEffects::kCustom;

    static bool isKeyPressDriven(int effectId);
};
