#include "ui/mainwidget/devicePage/DKeyPressEffects.h"

#include <algorithm>
#include <iterator>

namespace {

// Reactive, Aurora, Ripple, Cross, Speed Respond, Fireworks.
constexpr int kKeyPressEffects[] = {6, 7, 8, 11, 12, 16};

} // namespace

bool DKeyPressEffects::isKeyPressDriven(int effectId)
{
    return std::find(std::begin(kKeyPressEffects), std::end(kKeyPressEffects), effectId) != std::end(kKeyPressEffects);
}
