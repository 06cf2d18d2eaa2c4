#include "sdk/light/SideEffects.h"

#include "sdk/light/EffectShapes.h"

#include <algorithm>
#include <cmath>

namespace {
enum SideEffect { kStatic = 0, kBreath = 1, kWave = 2, kCollision = 3, kNeon = 4 };
constexpr int kValid = 1;
constexpr int kFlashHueStep = 60; // full colour: the next pair of hues each round
} // namespace

void SideEffects::setSegments(int count, const std::list<int>& validFlags)
{
    m_inUse = 0;
    const int cells = std::clamp(count, 0, LightGrid::kSideCells);
    int cell = 0;
    for (auto it = validFlags.begin(); it != validFlags.end() && cell < cells; ++it, ++cell) {
        if (*it == kValid)
            m_cells[size_t(m_inUse++)] = cell;
    }
}

void SideEffects::render(const EffectSetting& setting, long long step, lightFrameCell* frame)
{
    std::fill(frame, frame + LightGrid::kSideCells, lightFrameCell{});
    m_collision = sideCollisionInfo{};
    lightFrameCell lit{};
    switch (setting.effect) {
    case kStatic:
        lit = EffectShapes::uniform(EffectShapes::Uniform::Static, setting, step);
        break;
    case kBreath:
        lit = EffectShapes::uniform(EffectShapes::Uniform::Breath, setting, step);
        break;
    case kNeon:
        lit = EffectShapes::uniform(EffectShapes::Uniform::Neon, setting, step);
        break;
    case kWave:
        wave(setting, step, frame);
        return;
    case kCollision:
        collide(setting, step, frame);
        return;
    default:
        // Close, and any id we do not know, is dark.
        return;
    }
    for (int i = 0; i < m_inUse; ++i)
        frame[m_cells[size_t(i)]] = lit;
}

// A band (the colour circle in full colour) running along the bar, one
// segment per two steps, once round the segments in use per loop.
void SideEffects::wave(const EffectSetting& setting, long long step, lightFrameCell* frame) const
{
    for (int j = 0; j < m_inUse; ++j) {
        const long long phase = static_cast<long long>(j) * kWaveStepsPerSegment - step;
        frame[m_cells[size_t(j)]]
            = setting.fullColour
                  ? EffectShapes::cell(EffectShapes::hue(EffectShapes::bandHue(phase, kWaveStepsPerSegment, m_inUse)),
                                       255)
                  : EffectShapes::cell(setting.top, EffectShapes::bandIntensity(phase, kWaveStepsPerSegment, m_inUse));
    }
}

// Two lights run in from both ends, one segment per two steps, each with a
// short fading trail. Where they meet, the middle flashes and fades; then
// they start again. In full colour light A keeps its hue in the cell's
// colour and light B the opposite hue in the second colour, which the
// application shows where the intensity is 0 and pressPhase marks the cell.
void SideEffects::collide(const EffectSetting& setting, long long step, lightFrameCell* frame)
{
    const int n = m_inUse;
    if (n == 0)
        return;
    const int meetingPoint = (n - 1) / 2;
    const long long meetingStep = static_cast<long long>(meetingPoint) * kCollisionStepsPerSegment;
    const long long round = meetingStep + kCollisionFlash;
    const long long t = EffectShapes::wrap(step, round);
    const long long rounds = step / round;
    const lightRgbValue hueA = EffectShapes::hue(double(EffectShapes::wrap(rounds * kFlashHueStep, 360)));
    const lightRgbValue hueB = EffectShapes::hue(double(EffectShapes::wrap(rounds * kFlashHueStep + 180, 360)));
    auto scaled = [](const lightRgbValue& c, int level) {
        return lightRgbValue{c.red * level / 255, c.green * level / 255, c.blue * level / 255};
    };
    auto put = [&](int j, const lightFrameCell& cell) {
        if (j >= 0 && j < n)
            frame[m_cells[size_t(j)]] = cell;
    };

    const int a = static_cast<int>(std::min<long long>(t / kCollisionStepsPerSegment, meetingPoint));
    m_collision.positionA = static_cast<unsigned char>(a);
    m_collision.positionB = static_cast<unsigned char>(n - 1 - a);
    m_collision.meetingPoint = static_cast<unsigned char>(meetingPoint);
    m_collision.meeting = t == meetingStep ? 1 : 0;
    m_collision.segmentCount = static_cast<unsigned char>(n);

    if (t < meetingStep) {
        for (int k = 0; k < kCollisionTrail; ++k) {
            const int level = 255 - k * 255 / kCollisionTrail;
            if (setting.fullColour) {
                put(a - k, EffectShapes::cell(hueA, level));
                lightFrameCell b = EffectShapes::cell({0, 0, 0}, 0, 9 - 3 * k);
                const lightRgbValue second = scaled(hueB, level);
                b.mixRed = second.red;
                b.mixGreen = second.green;
                b.mixBlue = second.blue;
                put(n - 1 - a + k, b);
            } else {
                put(a - k, EffectShapes::cell(setting.top, level));
                put(n - 1 - a + k, EffectShapes::cell(setting.top, level));
            }
        }
        return;
    }

    // The flash round the meeting point, fading over its steps.
    const int u = static_cast<int>(t - meetingStep);
    const int level = 255 * (kCollisionFlash - u) / kCollisionFlash;
    const int phase = std::max(1, 9 - u * 9 / kCollisionFlash);
    const double centre = (n - 1) / 2.0;
    for (int j = 0; j < n; ++j) {
        if (std::abs(j - centre) > kCollisionFlashReach)
            continue;
        lightFrameCell cell;
        if (setting.fullColour) {
            // Both lights' colours, half and half.
            cell = EffectShapes::cell(scaled(hueA, level), 128, phase);
            const lightRgbValue second = scaled(hueB, level);
            cell.mixRed = second.red;
            cell.mixGreen = second.green;
            cell.mixBlue = second.blue;
        } else {
            cell = EffectShapes::cell(setting.top, level, phase);
        }
        put(j, cell);
    }
}
