#pragma once

#include "sdk/include/orvanesdk_light.h"
#include "sdk/light/EffectSetting.h"
#include "sdk/light/LightGrid.h"

#include <array>
#include <random>

// The keyboard effects that run by themselves. A frame is the 6 x 22 grid;
// effects that move round or out from a centre take it from the model's key
// area, and cells without a key are computed like the others and simply not
// shown. Nothing here allocates once an effect has started.
class KeyboardEffects
{
public:
    static constexpr int kWaveUnitsPerKey = 4; // steps per key
    static constexpr int kRadarPeriod = 144;
    static constexpr int kSnakeStepsPerKey = 2;
    static constexpr int kSnakeLength = 8;
    static constexpr int kTwinkleLife = 48;
    static constexpr int kStriationPeriod = 216;
    static constexpr double kStripeSpacing = 3.0;

    explicit KeyboardEffects(std::mt19937& random);

    // A (re)start of an effect on a model's keys.
    void start(const EffectSetting& setting, const KeyArea& area);
    // The frame of one step. turn counts the steps in the effect's direction
    // (it runs backwards for Left, Up, Gather and anticlockwise), so a new
    // direction carries on from where the effect stands.
    void render(const EffectSetting& setting, long long step, long long turn, lightFrameCell* frame);

    // +1 or -1: which way turn moves for this setting.
    static int turnSign(const EffectSetting& setting);

private:
    void wave(const EffectSetting& setting, long long turn, lightFrameCell* frame) const;
    void radar(const EffectSetting& setting, long long turn, lightFrameCell* frame) const;
    void snake(const EffectSetting& setting, long long turn, lightFrameCell* frame) const;
    void twinkle(const EffectSetting& setting, lightFrameCell* frame);
    void striation(const EffectSetting& setting, long long turn, lightFrameCell* frame) const;

    std::mt19937& m_random;
    KeyArea m_area;
    // Each cell seen from the centre of the key area, in keys (y downwards).
    std::array<double, LightGrid::kKeyCells> m_dx{};
    std::array<double, LightGrid::kKeyCells> m_dy{};
    std::array<double, LightGrid::kKeyCells> m_angle{}; // degrees, clockwise from the right
    std::array<int, LightGrid::kKeyCells> m_radius{}; // in quarter keys
    int m_radialPeriodKeys = 1;
    // The snake's loop round the edge of the key area, clockwise.
    std::array<int, 2 * (LightGrid::kRows + LightGrid::kColumns)> m_loop{};
    int m_loopLength = 0;
    // Twinkle: each key's age in steps (0 when dark, -1 resting) and hue.
    std::array<int, LightGrid::kKeyCells> m_age{};
    std::array<int, LightGrid::kKeyCells> m_hue{};
    int m_twinkling = 0;
    int m_birthCredit = 0;
};
