#pragma once

#include "sdk/include/orvanesdk_light.h"
#include "ui/mainwidget/devicePage/lightDeal/lightEffectState.h"

#include <QColor>
#include <QMap>

// How a cell of a generated frame becomes a preview colour, effect by
// effect: where the colour comes from, how opaque the key cap's fill is and
// how far the brightness darkens it. The keyboard and the side light read
// the same kinds of rule from one table each; the stream sends the same
// colours, so the preview and the keyboard agree.
class DLightFrameColouring
{
public:
    enum class Source {
        Cell, // the cell's colour
        BlendTop, // the top colour over the bottom one by the intensity
        BlendCell, // the cell's colour over the bottom one
        Mix, // the library's full-colour colour of the key
        Scaled, // the cell's colour times the intensity
        Twinkle, // BlendCell with a bottom colour, else Scaled by the capped intensity
        CellOverSecond, // the cell's colour over its second colour
        Black,
    };
    enum class Alpha {
        Opaque,
        OpaqueIfTopElseZero,
        OpaqueIfTopElseCapped,
        OpaqueIfBottomElseCapped,
        OpaqueIfBottomOrPhaseElseCapped,
        CappedIfTopElseUnlessBlack, // Breath of the keys
        CappedIfBottomElseUnlessBlack, // Breath of the side light
        Zero,
    };
    struct Rule
    {
        Source source;
        Alpha alpha;
    };
    struct Effect
    {
        int id;
        Rule fullColourOn;
        Rule fullColourOff;
        bool darkened;
    };

    static constexpr int kKeyOpaque = 180;
    static constexpr int kSideOpaque = 250;
    static constexpr int kCappedIntensity = 200;
    static constexpr int kCustomOpaque = 180;

    // Null for an effect that leaves the colours as they were (Custom, DPI,
    // unknown ids).
    static const Effect* keyboardEffect(int id);
    static const Effect* sideEffect(int id);

    // True when the rule needs the library's full-colour colour of the key.
    static bool needsMix(const Effect& effect, bool fullColour);

    // The colour of one cell, before darkening; opaque is the fill the part
    // uses for a lit key (kKeyOpaque or kSideOpaque).
    static QColor colour(const Rule& rule, const lightEffectState& state, const lightFrameCell& cell,
                         const lightRgbValue& mix, int opaque);
    // The intensity Speed Respond records for a column-0 cell.
    static int speedRespondIntensity(const lightEffectState& state, const lightFrameCell& cell);

    // Brightness: for a maximum m (0 read as 1) brightness b = 1 .. m + 1 has
    // level m + 2 - b, and each level below the first darkens by 160 / m.
    static QMap<int, int> brightnessLevels(int brightnessMax);
    static int brightnessStep(int brightnessMax);
    // A brightness outside the map takes the nearest level, so a stray value
    // in a keyboard's report never lightens the colour.
    static int darkeningFactor(const QMap<int, int>& levels, int step, int brightness);

    // A custom key colour as the preview shows it; black is a dark key.
    static QColor customColour(int red, int green, int blue);

    static bool topSet(const lightEffectState& state);
    static bool bottomSet(const lightEffectState& state);
};
