#include "profiles/DDefaultLightRecord.h"

#include "hid/DLightEffects.h"

colorInfoData DDefaultLightRecord::make(int part, int effect)
{
    colorInfoData info{};
    info.lightPart = part;
    info.ledType = effect;
    info.ledBrightness = 3;
    info.ledSpeed = 3;
    // A closed side light shows nothing, so it starts without a colour.
    info.topRed = part != DLightEffects::kKeyboardPart && effect == DLightEffects::kSideClose ? 0 : 255;
    info.ledDirection = DLightEffects::defaultDirection(part, effect);
    info.fullColor = 1;
    return info;
}
