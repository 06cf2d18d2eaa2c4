#pragma once

#include "sdk/include/orvanesdk_light.h"
#include "sdk/light/EffectSetting.h"
#include "sdk/light/LightGrid.h"

#include <array>
#include <random>

// The keyboard effects that answer key presses (Reactive, Aurora, Ripple,
// Cross, Speed Respond, Fireworks) and Auto Ripple, which makes its ripples
// by itself. A press starts an animation at its key in the next frame; at
// most kMaxAnimations run at once and a new one ends the oldest. Where two
// animations light one cell, the brighter shows. Nothing here allocates.
class PressEffects
{
public:
    static constexpr int kMaxAnimations = KeyPress::kMaxPending;
    static constexpr int kReactiveLife = 36;
    static constexpr int kAuroraLife = 36;
    static constexpr int kAuroraRadius = 6;
    static constexpr int kRippleStepsPerKey = 3;
    static constexpr int kCrossStepsPerKey = 2;
    static constexpr int kCrossTrail = 16; // steps a cell of the cross takes to fade
    static constexpr int kFireworksStepsPerKey = 3;
    static constexpr int kFireworksReach = 5;
    static constexpr int kFireworksLife = 27;
    static constexpr int kSpeedRows = 6;
    static constexpr int kSpeedSinkSteps = 24;
    static constexpr int kAutoRipplePeriod = 54;

    explicit PressEffects(std::mt19937& random);

    // True for the effects that take key presses.
    static bool takesPresses(int effect);
    // True for the effects drawn here: those and Auto Ripple.
    static bool draws(int effect);

    // A (re)start: no animation, no bar, no ripple yet.
    void start(const EffectSetting& setting, const KeyArea& area);
    // A press of a key-press effect: picks its colour at once (so the
    // ripple colour can be asked before the next frame) and keeps it for
    // the next frame. The caller checks the position and the effect.
    void press(const EffectSetting& setting, int row, int column);
    // The frame of one step; the presses since the last frame start here.
    void render(const EffectSetting& setting, long long step, lightFrameCell* frame);

    // The colour of the last press or ripple since the start; the top colour
    // before any.
    lightRgbValue rippleColour(const EffectSetting& setting) const;
    autoRippleLightConfig autoRippleConfig() const { return m_autoRipple; }
    int liveAnimations() const { return m_live; }
    // Presses waiting for the next frame, oldest first.
    int pendingCount() const { return m_pendingCount; }
    KeyPress pending(int i) const;
    int barHeight() const { return m_barHeight; }

private:
    struct Animation
    {
        int row = 0;
        int column = 0;
        long long born = 0; // the step it started in
        int life = 0; // steps
        lightRgbValue colour{};
        int hue = 0;
    };
    struct Pending
    {
        int row;
        int column;
        lightRgbValue colour;
        int hue;
    };

    void begin(const EffectSetting& setting, const Pending& p, long long step);
    int lifeOf(int effect, int row, int column) const;
    // The intensity an animation gives a cell (0: not lit) and the cell's
    // colour in *colour.
    int shade(const EffectSetting& setting, const Animation& a, int age, int row, int column,
              lightRgbValue* colour) const;
    void speedBar(const EffectSetting& setting, lightFrameCell* frame);
    void autoRipple(const EffectSetting& setting, long long step);

    std::mt19937& m_random;
    KeyArea m_area;
    lightRgbValue m_rippleColour{};
    autoRippleLightConfig m_autoRipple{};
    // The animations, oldest first.
    std::array<Animation, kMaxAnimations> m_animations{};
    int m_live = 0;
    std::array<Pending, kMaxAnimations> m_pending{};
    int m_pendingCount = 0;
    // Speed Respond: the bar's height and the steps since it last changed.
    int m_barHeight = 0;
    int m_sinceChange = 0;
    bool m_rippleStarted = false;
};
