#include "ui/mainwidget/devicePage/lightDeal/DLightFrameColouring.h"

#include <algorithm>
#include <array>

namespace {

using Colouring = DLightFrameColouring;
using S = Colouring::Source;
using A = Colouring::Alpha;

constexpr Colouring::Rule kPressMix{S::Mix, A::OpaqueIfBottomOrPhaseElseCapped};
constexpr Colouring::Rule kMix{S::Mix, A::OpaqueIfBottomElseCapped};
constexpr Colouring::Rule kOpaqueCell{S::Cell, A::Opaque};

// The key-press effects read the library's mixed colour, and in full colour
// a key in an active phase stays lit however faint its intensity.
constexpr Colouring::Effect pressEffect(int id)
{
    return {id, kPressMix, kMix, true};
}

constexpr std::array<Colouring::Effect, 15> kKeyboardEffects{{
    {0, {S::Cell, A::OpaqueIfTopElseZero}, {S::Cell, A::OpaqueIfTopElseZero}, true}, // Static
    {1, {S::Scaled, A::CappedIfTopElseUnlessBlack}, {S::Scaled, A::CappedIfTopElseUnlessBlack}, true}, // Breath
    {2, kOpaqueCell, {S::BlendTop, A::OpaqueIfTopElseCapped}, true}, // Wave
    {3, kOpaqueCell, {S::BlendCell, A::OpaqueIfTopElseCapped}, true}, // Neon
    {4, kOpaqueCell, {S::BlendTop, A::OpaqueIfBottomElseCapped}, true}, // Radar
    {5, kPressMix, {S::BlendCell, A::OpaqueIfBottomElseCapped}, true}, // Snake
    pressEffect(6), // Reactive
    pressEffect(7), // Aurora
    {8, kMix, kMix, true}, // Ripple
    {9, {S::Twinkle, A::OpaqueIfBottomElseCapped}, {S::Twinkle, A::OpaqueIfBottomElseCapped}, true}, // Twinkle
    pressEffect(11), // Cross
    {12, kMix, kMix, true}, // Speed Respond
    {14, kMix, kMix, true}, // Auto Ripple
    pressEffect(15), // Striation
    pressEffect(16), // Fireworks
}};

constexpr std::array<Colouring::Effect, 6> kSideEffects{{
    {0, {S::Cell, A::OpaqueIfTopElseZero}, {S::Cell, A::OpaqueIfTopElseZero}, true}, // Static
    {1, {S::Scaled, A::CappedIfBottomElseUnlessBlack}, {S::Scaled, A::CappedIfBottomElseUnlessBlack}, true}, // Breath
    {2, kOpaqueCell, {S::BlendTop, A::OpaqueIfBottomElseCapped}, true}, // Wave
    {3,
     {S::CellOverSecond, A::OpaqueIfBottomOrPhaseElseCapped},
     {S::BlendCell, A::OpaqueIfBottomElseCapped},
     true}, // Collision
    {4, kOpaqueCell, {S::BlendCell, A::OpaqueIfBottomElseCapped}, true}, // Neon
    {5, {S::Black, A::Zero}, {S::Black, A::Zero}, false}, // Close
}};

template<size_t N>
const Colouring::Effect* find(const std::array<Colouring::Effect, N>& table, int id)
{
    const auto it = std::find_if(table.begin(), table.end(), [id](const Colouring::Effect& e) { return e.id == id; });
    return it == table.end() ? nullptr : &*it;
}

int capped(int intensity)
{
    return std::min(intensity, Colouring::kCappedIntensity);
}

// Signed integer arithmetic truncating towards zero, as the keyboard's
// firmware does it.
int blend(int value, int intensity, int under)
{
    return (value * intensity + (255 - intensity) * under) / 256;
}

int channel(int value)
{
    return std::clamp(value, 0, 255);
}

struct Rgb
{
    int red;
    int green;
    int blue;
};

Rgb sourceColour(S source, const lightEffectState& state, const lightFrameCell& cell, const lightRgbValue& mix)
{
    const int a = cell.intensity;
    switch (source) {
    case S::Cell:
        return {cell.red, cell.green, cell.blue};
    case S::BlendTop:
        return {blend(state.topRed, a, state.bottomRed), blend(state.topGreen, a, state.bottomGreen),
                blend(state.topBlue, a, state.bottomBlue)};
    case S::BlendCell:
        return {blend(cell.red, a, state.bottomRed), blend(cell.green, a, state.bottomGreen),
                blend(cell.blue, a, state.bottomBlue)};
    case S::Mix:
        return {mix.red, mix.green, mix.blue};
    case S::Scaled:
        return {cell.red * a / 256, cell.green * a / 256, cell.blue * a / 256};
    case S::Twinkle:
        if (Colouring::bottomSet(state))
            return sourceColour(S::BlendCell, state, cell, mix);
        return {cell.red * capped(a) / 256, cell.green * capped(a) / 256, cell.blue * capped(a) / 256};
    case S::CellOverSecond:
        return {blend(cell.red, a, cell.mixRed), blend(cell.green, a, cell.mixGreen),
                blend(cell.blue, a, cell.mixBlue)};
    case S::Black:
        break;
    }
    return {0, 0, 0};
}

int alphaOf(A alpha, const lightEffectState& state, const lightFrameCell& cell, const Rgb& colour, int opaque)
{
    const int a = capped(cell.intensity);
    const bool black = colour.red == 0 && colour.green == 0 && colour.blue == 0;
    const bool inPhase = cell.pressPhase >= 1 && cell.pressPhase <= 9;
    switch (alpha) {
    case A::Opaque:
        return opaque;
    case A::OpaqueIfTopElseZero:
        return Colouring::topSet(state) ? opaque : 0;
    case A::OpaqueIfTopElseCapped:
        return Colouring::topSet(state) ? opaque : a;
    case A::OpaqueIfBottomElseCapped:
        return Colouring::bottomSet(state) ? opaque : a;
    case A::OpaqueIfBottomOrPhaseElseCapped:
        return Colouring::bottomSet(state) || inPhase ? opaque : a;
    case A::CappedIfTopElseUnlessBlack:
        return Colouring::topSet(state) || !black ? a : 0;
    case A::CappedIfBottomElseUnlessBlack:
        return Colouring::bottomSet(state) || !black ? a : 0;
    case A::Zero:
        break;
    }
    return 0;
}

} // namespace

const DLightFrameColouring::Effect* DLightFrameColouring::keyboardEffect(int id)
{
    return find(kKeyboardEffects, id);
}

const DLightFrameColouring::Effect* DLightFrameColouring::sideEffect(int id)
{
    return find(kSideEffects, id);
}

bool DLightFrameColouring::needsMix(const Effect& effect, bool fullColour)
{
    return (fullColour ? effect.fullColourOn : effect.fullColourOff).source == Source::Mix;
}

QColor DLightFrameColouring::colour(const Rule& rule, const lightEffectState& state, const lightFrameCell& cell,
                                    const lightRgbValue& mix, int opaque)
{
    const Rgb rgb = sourceColour(rule.source, state, cell, mix);
    const int alpha = alphaOf(rule.alpha, state, cell, rgb, opaque);
    return QColor(channel(rgb.red), channel(rgb.green), channel(rgb.blue), channel(alpha));
}

int DLightFrameColouring::speedRespondIntensity(const lightEffectState& state, const lightFrameCell& cell)
{
    return bottomSet(state) ? cell.intensity : capped(cell.intensity);
}

QMap<int, int> DLightFrameColouring::brightnessLevels(int brightnessMax)
{
    const int m = std::max(brightnessMax, 1);
    QMap<int, int> levels;
    for (int b = 1; b <= m + 1; ++b)
        levels.insert(b, m + 2 - b);
    return levels;
}

int DLightFrameColouring::brightnessStep(int brightnessMax)
{
    return 160 / std::max(brightnessMax, 1);
}

int DLightFrameColouring::darkeningFactor(const QMap<int, int>& levels, int step, int brightness)
{
    if (levels.isEmpty())
        return 100;
    const int nearest = std::clamp(brightness, levels.firstKey(), levels.lastKey());
    return (levels.value(nearest) - 1) * step + 100;
}

QColor DLightFrameColouring::customColour(int red, int green, int blue)
{
    // A key left black is unlit on the keyboard: the picture shows it dark
    // too, not as a bare labelled cap.
    return QColor(channel(red), channel(green), channel(blue), kCustomOpaque);
}

bool DLightFrameColouring::topSet(const lightEffectState& state)
{
    return state.topRed != 0 || state.topGreen != 0 || state.topBlue != 0;
}

bool DLightFrameColouring::bottomSet(const lightEffectState& state)
{
    return state.bottomRed != 0 || state.bottomGreen != 0 || state.bottomBlue != 0;
}
