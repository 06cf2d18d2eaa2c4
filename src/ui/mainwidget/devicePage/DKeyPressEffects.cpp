#include "ui/mainwidget/devicePage/DKeyPressEffects.h"

#include "hid/DLightEffects.h"

bool DKeyPressEffects::isKeyPressDriven(int effectId)
{
    return DLightEffects::isKeyPressDriven(effectId);
}
