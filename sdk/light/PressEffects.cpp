#include "sdk/light/PressEffects.h"

#include "sdk/light/EffectShapes.h"

#include <algorithm>
#include <cmath>

namespace {

enum PressEffect {
    kReactive = 6,
    kAurora = 7,
    kRipple = 8,
    kCross = 11,
    kSpeedRespond = 12,
    kAutoRipple = 14,
    kFireworks = 16
};

// Direction ids of the light records.
constexpr int kDown = 3;
constexpr int kGather = 5;

int cellOf(int row, int column)
{
    return row * LightGrid::kColumns + column;
}

// 9 as an animation starts, falling to 1 in its last step.
int phaseOf(int age, int life)
{
    if (life <= 1)
        return 9;
    return 1 + 8 * (life - 1 - age) / (life - 1);
}

int fading(int age, int life)
{
    return life > 0 ? 255 * (life - age) / life : 0;
}

} // namespace

PressEffects::PressEffects(std::mt19937& random)
    : m_random(random)
{
}

bool PressEffects::takesPresses(int effect)
{
    switch (effect) {
    case kReactive:
    case kAurora:
    case kRipple:
    case kCross:
    case kSpeedRespond:
    case kFireworks:
        return true;
    default:
        return false;
    }
}

bool PressEffects::draws(int effect)
{
    return takesPresses(effect) || effect == kAutoRipple;
}

void PressEffects::start(const EffectSetting& setting, const KeyArea& area)
{
    (void)setting;
    m_area = area;
    m_rippleColour = {};
    m_rippleStarted = false;
    m_autoRipple = {};
    m_live = 0;
    m_pendingCount = 0;
    m_barHeight = 0;
    m_sinceChange = 0;
}

void PressEffects::press(const EffectSetting& setting, int row, int column)
{
    Pending p{row, column, setting.top, 0};
    if (setting.fullColour) {
        p.hue = std::uniform_int_distribution<int>(0, 359)(m_random);
        p.colour = EffectShapes::hue(p.hue);
    }
    if (m_pendingCount == kMaxAnimations) {
        std::move(m_pending.begin() + 1, m_pending.end(), m_pending.begin());
        --m_pendingCount;
    }
    m_pending[size_t(m_pendingCount++)] = p;
    m_rippleColour = p.colour;
    m_rippleStarted = true;
}

KeyPress PressEffects::pending(int i) const
{
    if (i < 0 || i >= m_pendingCount)
        return {};
    return KeyPress{m_pending[size_t(i)].row, m_pending[size_t(i)].column};
}

lightRgbValue PressEffects::rippleColour(const EffectSetting& setting) const
{
    return m_rippleStarted ? m_rippleColour : setting.top;
}

// Long enough for the shape to leave the key area, measured from the key
// to the area's farthest corner or edge.
int PressEffects::lifeOf(int effect, int row, int column) const
{
    const int across = std::max(std::abs(column - m_area.left), std::abs(column - m_area.right));
    const int down = std::max(std::abs(row - m_area.top), std::abs(row - m_area.bottom));
    switch (effect) {
    case kReactive:
        return kReactiveLife;
    case kAurora:
        return kAuroraLife;
    case kRipple:
    case kAutoRipple:
        return kRippleStepsPerKey * (static_cast<int>(std::ceil(std::hypot(across, down))) + 1);
    case kCross:
        return kCrossStepsPerKey * std::max(across, down) + kCrossTrail;
    case kFireworks:
        return kFireworksLife;
    default:
        return 0;
    }
}

void PressEffects::begin(const EffectSetting& setting, const Pending& p, long long step)
{
    if (m_live == kMaxAnimations) {
        std::move(m_animations.begin() + 1, m_animations.end(), m_animations.begin());
        --m_live;
    }
    Animation& a = m_animations[size_t(m_live++)];
    a.row = p.row;
    a.column = p.column;
    a.born = step;
    a.life = lifeOf(setting.effect, p.row, p.column);
    a.colour = p.colour;
    a.hue = p.hue;
}

int PressEffects::shade(const EffectSetting& setting, const Animation& a, int age, int row, int column,
                        lightRgbValue* colour) const
{
    const int dr = row - a.row;
    const int dc = column - a.column;
    *colour = a.colour;
    switch (setting.effect) {
    case kReactive:
        return dr == 0 && dc == 0 ? fading(age, a.life) : 0;
    case kAurora: {
        // A soft disc whose edge moves out from the key, or in to it from
        // kAuroraRadius keys; brightest at the key, the whole fading.
        const double d = std::hypot(dr, dc);
        const double t = double(age) / (a.life - 1);
        const double radius = kAuroraRadius * (setting.direction == kGather ? 1.0 - t : t);
        const double edge = std::clamp(1.0 + radius - d, 0.0, 1.0);
        const double glow = edge * (1.0 - 0.5 * d / (kAuroraRadius + 1));
        if (setting.fullColour)
            *colour = EffectShapes::hue(a.hue + 30.0 * d);
        return static_cast<int>(glow * fading(age, a.life));
    }
    case kRipple:
    case kAutoRipple: {
        // A ring one key wide, sharpest on its radius, dimming a little as
        // it grows.
        const double off = std::abs(std::hypot(dr, dc) - double(age) / kRippleStepsPerKey);
        if (off >= 0.5)
            return 0;
        const int crest = 255 - static_cast<int>(off * 300.0);
        return crest * (2 * a.life - age) / (2 * a.life);
    }
    case kCross: {
        if (dr != 0 && dc != 0)
            return 0;
        // Each key of the row and column lights as the light reaches it
        // and fades over kCrossTrail steps.
        const int since = age - kCrossStepsPerKey * std::max(std::abs(dr), std::abs(dc));
        if (since < 0 || since >= kCrossTrail)
            return 0;
        return 255 * (kCrossTrail - since) / kCrossTrail;
    }
    case kFireworks: {
        // On the eight rays only: the spark and one key of trail behind it.
        const int k = std::max(std::abs(dr), std::abs(dc));
        if (dr != 0 && dc != 0 && std::abs(dr) != std::abs(dc))
            return 0;
        const int spark = std::min(kFireworksReach, age / kFireworksStepsPerKey);
        if (k != spark && k != spark - 1)
            return 0;
        const int fade = fading(age, a.life);
        return k == spark ? fade : fade / 2;
    }
    default:
        return 0;
    }
}

void PressEffects::render(const EffectSetting& setting, long long step, lightFrameCell* frame)
{
    std::fill(frame, frame + LightGrid::kKeyCells, lightFrameCell{});
    if (setting.effect == kSpeedRespond) {
        speedBar(setting, frame);
        return;
    }
    // Animations that have run their course end, then the presses since the
    // last frame (or Auto Ripple's next ripple) start theirs.
    int kept = 0;
    for (int i = 0; i < m_live; ++i) {
        if (step - m_animations[size_t(i)].born < m_animations[size_t(i)].life)
            m_animations[size_t(kept++)] = m_animations[size_t(i)];
    }
    m_live = kept;
    bool rippleStarts = false;
    if (setting.effect == kAutoRipple) {
        if (EffectShapes::wrap(step, kAutoRipplePeriod) == 0) {
            autoRipple(setting, step);
            rippleStarts = true;
        }
    } else {
        for (int i = 0; i < m_pendingCount; ++i)
            begin(setting, m_pending[size_t(i)], step);
    }
    m_pendingCount = 0;

    for (int i = 0; i < m_live; ++i) {
        const Animation& a = m_animations[size_t(i)];
        const int age = static_cast<int>(step - a.born);
        const int phase = phaseOf(age, a.life);
        for (int r = 0; r < LightGrid::kRows; ++r) {
            for (int c = 0; c < LightGrid::kColumns; ++c) {
                lightRgbValue colour;
                const int intensity = shade(setting, a, age, r, c, &colour);
                lightFrameCell& cell = frame[cellOf(r, c)];
                if (intensity > 0 && intensity >= cell.intensity)
                    cell = EffectShapes::cell(colour, std::min(intensity, 255), phase);
            }
        }
    }
    if (rippleStarts)
        frame[0].autoRippleFlag = 1;
}

// Each press raises the bar one row, up to six (or the key area's height);
// without presses it sinks a row every kSpeedSinkSteps steps.
void PressEffects::speedBar(const EffectSetting& setting, lightFrameCell* frame)
{
    const int highest = std::min(kSpeedRows, m_area.height());
    if (m_pendingCount > 0) {
        m_barHeight = std::min(highest, m_barHeight + m_pendingCount);
        m_sinceChange = 0;
        m_pendingCount = 0;
    } else if (m_barHeight > 0 && ++m_sinceChange >= kSpeedSinkSteps) {
        --m_barHeight;
        m_sinceChange = 0;
    }
    const int phase
        = 1 + 8 * (kSpeedSinkSteps - 1 - std::min(m_sinceChange, kSpeedSinkSteps - 1)) / (kSpeedSinkSteps - 1);
    for (int level = 1; level <= m_barHeight; ++level) {
        const int row = setting.direction == kDown ? m_area.top + level - 1 : m_area.bottom - level + 1;
        // Green at the bar's foot to red at six rows in full colour.
        const lightRgbValue colour = setting.fullColour ? EffectShapes::hue(120.0 - 24.0 * (level - 1)) : setting.top;
        lightFrameCell cell = EffectShapes::cell(colour, 255, phase);
        cell.level = level;
        // The whole grid row, so column 0 carries the levels whatever the model.
        std::fill(frame + cellOf(row, 0), frame + cellOf(row, 0) + LightGrid::kColumns, cell);
    }
}

void PressEffects::autoRipple(const EffectSetting& setting, long long step)
{
    std::uniform_int_distribution<int> anyRow(m_area.top, m_area.bottom);
    std::uniform_int_distribution<int> anyColumn(m_area.left, m_area.right);
    Pending p{anyRow(m_random), anyColumn(m_random), setting.top, 0};
    if (setting.fullColour) {
        p.hue = std::uniform_int_distribution<int>(0, 359)(m_random);
        p.colour = EffectShapes::hue(p.hue);
    }
    begin(setting, p, step);
    m_rippleColour = p.colour;
    m_rippleStarted = true;
    m_autoRipple = {{p.row, p.column, p.colour.red, p.colour.green, p.colour.blue}};
}
