#include "profiles/DDefaultLightRecord.h"

#include <iterator>

namespace {

constexpr int kKeyboardPart = 0;
constexpr int kSideCloseEffect = 5;
constexpr int kMusicalRhythmEffect = 100;
constexpr int kMusicalRhythmDirection = 2;

// Keyboard effects 0..16: the direction each one starts with.
constexpr int kKeyboardDirections[] = {0, 0, 0, 0, 6, 6, 0, 4, 4, 0, 0, 0, 2, 0, 4, 6, 4};

} // namespace

int DDefaultLightRecord::defaultDirection(int part, int effect)
{
    if (part != kKeyboardPart)
        return 0;
    if (effect == kMusicalRhythmEffect)
        return kMusicalRhythmDirection;
    if (effect < 0 || effect >= int(std::size(kKeyboardDirections)))
        return 0;
    return kKeyboardDirections[effect];
}

colorInfoData DDefaultLightRecord::make(int part, int effect)
{
    colorInfoData info{};
    info.lightPart = part;
    info.ledType = effect;
    info.ledBrightness = 3;
    info.ledSpeed = 3;
    // A closed side light shows nothing, so it starts without a colour.
    info.topRed = part != kKeyboardPart && effect == kSideCloseEffect ? 0 : 255;
    info.ledDirection = defaultDirection(part, effect);
    info.fullColor = 1;
    return info;
}
