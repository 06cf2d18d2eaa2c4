#include "sdk/light/KeyboardEffects.h"

#include "sdk/light/EffectShapes.h"

#include <algorithm>
#include <cmath>

namespace {

enum KeyboardEffect {
    kStatic = 0,
    kBreath = 1,
    kWave = 2,
    kNeon = 3,
    kRadar = 4,
    kSnake = 5,
    kTwinkle = 9,
    kStriation = 15
};

// Direction ids of the light records.
constexpr int kRight = 0;
constexpr int kLeft = 1;
constexpr int kUp = 2;
constexpr int kDown = 3;
constexpr int kGather = 5;
constexpr int kAnticlockwise = 7;

constexpr double kPi = 3.14159265358979323846;

void fillAll(lightFrameCell* frame, const lightFrameCell& cell)
{
    std::fill(frame, frame + LightGrid::kKeyCells, cell);
}

int cellOf(int row, int column)
{
    return row * LightGrid::kColumns + column;
}

} // namespace

KeyboardEffects::KeyboardEffects(std::mt19937& random)
    : m_random(random)
{
}

int KeyboardEffects::turnSign(const EffectSetting& setting)
{
    switch (setting.direction) {
    case kLeft:
    case kUp:
    case kGather:
    case kAnticlockwise:
        return -1;
    default:
        return 1;
    }
}

void KeyboardEffects::start(const EffectSetting& setting, const KeyArea& area)
{
    (void)setting;
    m_area = area;
    const double cx = (area.left + area.right) / 2.0;
    const double cy = (area.top + area.bottom) / 2.0;
    double farthest = 0;
    for (int r = 0; r < LightGrid::kRows; ++r) {
        for (int c = 0; c < LightGrid::kColumns; ++c) {
            const int i = cellOf(r, c);
            m_dx[size_t(i)] = c - cx;
            m_dy[size_t(i)] = r - cy;
            m_angle[size_t(i)] = std::atan2(m_dy[size_t(i)], m_dx[size_t(i)]) * 180.0 / kPi;
            const double radius = std::hypot(m_dx[size_t(i)], m_dy[size_t(i)]);
            m_radius[size_t(i)] = static_cast<int>(std::lround(radius * kWaveUnitsPerKey));
            if (area.contains(r, c))
                farthest = std::max(farthest, radius);
        }
    }
    m_radialPeriodKeys = static_cast<int>(std::ceil(farthest)) + 1;

    // Clockwise on screen: along the top, down the right, back along the
    // bottom and up the left. A single row or column is its own loop.
    m_loopLength = 0;
    auto add = [this](int r, int c) { m_loop[size_t(m_loopLength++)] = cellOf(r, c); };
    for (int c = area.left; c <= area.right; ++c)
        add(area.top, c);
    for (int r = area.top + 1; r <= area.bottom; ++r)
        add(r, area.right);
    if (area.height() > 1) {
        for (int c = area.right - 1; c >= area.left; --c)
            add(area.bottom, c);
    }
    if (area.width() > 1) {
        for (int r = area.bottom - 1; r > area.top; --r)
            add(r, area.left);
    }

    m_age.fill(0);
    m_hue.fill(0);
    m_twinkling = 0;
    m_birthCredit = 0;
}

void KeyboardEffects::render(const EffectSetting& setting, long long step, long long turn, lightFrameCell* frame)
{
    switch (setting.effect) {
    case kStatic:
        fillAll(frame, EffectShapes::uniform(EffectShapes::Uniform::Static, setting, step));
        break;
    case kBreath:
        fillAll(frame, EffectShapes::uniform(EffectShapes::Uniform::Breath, setting, step));
        break;
    case kNeon:
        fillAll(frame, EffectShapes::uniform(EffectShapes::Uniform::Neon, setting, step));
        break;
    case kWave:
        wave(setting, turn, frame);
        break;
    case kRadar:
        radar(setting, turn, frame);
        break;
    case kSnake:
        snake(setting, turn, frame);
        break;
    case kTwinkle:
        twinkle(setting, frame);
        break;
    case kStriation:
        striation(setting, turn, frame);
        break;
    default:
        // Custom and DPI show no generated frame, the key-press effects wait
        // for their generator, and an id we do not know stays dark.
        fillAll(frame, lightFrameCell{});
        break;
    }
}

// A band (or the colour circle in full colour) moving one key per four
// steps over the used width or height, or out from and in to the centre.
// Its phase is in quarter keys, so four steps later the frame is the same
// one key further on.
void KeyboardEffects::wave(const EffectSetting& setting, long long turn, lightFrameCell* frame) const
{
    for (int r = 0; r < LightGrid::kRows; ++r) {
        for (int c = 0; c < LightGrid::kColumns; ++c) {
            const int i = cellOf(r, c);
            long long position = 0;
            int periodKeys = 1;
            switch (setting.direction) {
            case kRight:
            case kLeft:
                position = static_cast<long long>(c - m_area.left) * kWaveUnitsPerKey;
                periodKeys = m_area.width();
                break;
            case kUp:
            case kDown:
                position = static_cast<long long>(r - m_area.top) * kWaveUnitsPerKey;
                periodKeys = m_area.height();
                break;
            default:
                position = m_radius[size_t(i)];
                periodKeys = m_radialPeriodKeys;
                break;
            }
            const long long phase = position - turn;
            if (setting.fullColour)
                frame[i] = EffectShapes::cell(
                    EffectShapes::hue(EffectShapes::bandHue(phase, kWaveUnitsPerKey, periodKeys)), 255);
            else
                frame[i]
                    = EffectShapes::cell(setting.top, EffectShapes::bandIntensity(phase, kWaveUnitsPerKey, periodKeys));
        }
    }
}

// A beam turning round the centre once per 144 steps; the keys it passed
// fade out over the quarter turn behind it.
void KeyboardEffects::radar(const EffectSetting& setting, long long turn, lightFrameCell* frame) const
{
    const int sign = turnSign(setting);
    const double beam = 360.0 * double(EffectShapes::wrap(turn, kRadarPeriod)) / kRadarPeriod;
    for (int i = 0; i < LightGrid::kKeyCells; ++i) {
        double behind = std::fmod(sign * (beam - m_angle[size_t(i)]), 360.0);
        if (behind < 0)
            behind += 360.0;
        const int intensity = behind < 90.0 ? static_cast<int>(std::lround(255.0 * (90.0 - behind) / 90.0)) : 0;
        const lightRgbValue colour = setting.fullColour ? EffectShapes::hue(m_angle[size_t(i)]) : setting.top;
        frame[i] = EffectShapes::cell(colour, intensity);
    }
}

// Eight keys running round the edge of the key area, one key per two steps,
// the head brightest. In full colour each key of the edge has its own hue.
void KeyboardEffects::snake(const EffectSetting& setting, long long turn, lightFrameCell* frame) const
{
    fillAll(frame, lightFrameCell{});
    if (m_loopLength == 0)
        return;
    const int sign = turnSign(setting);
    // Truncated, so the head moves on the even steps either way round.
    const long long head = turn / kSnakeStepsPerKey;
    const int length = std::min(kSnakeLength, m_loopLength);
    for (int k = 0; k < length; ++k) {
        const int place = static_cast<int>(EffectShapes::wrap(head - sign * k, m_loopLength));
        const lightRgbValue colour = setting.fullColour ? EffectShapes::hue(360.0 * place / m_loopLength) : setting.top;
        frame[m_loop[size_t(place)]] = EffectShapes::cell(colour, 255 - k * 28, 9 - k);
    }
}

// Keys light at random and fade out again over 48 steps, about one key in
// ten at a time once it has got going.
void KeyboardEffects::twinkle(const EffectSetting& setting, lightFrameCell* frame)
{
    const int keys = m_area.width() * m_area.height();
    const int target = std::max(1, (keys + 5) / 10);
    // A key that has faded rests dark for a step before it can light again,
    // so two twinkles of one key never run together.
    for (int& age : m_age) {
        if (age < 0) {
            ++age;
        } else if (age > 0 && ++age >= kTwinkleLife) {
            age = -1;
            --m_twinkling;
        }
    }
    // Births at the rate that keeps the target lit, never above it.
    m_birthCredit += target;
    std::uniform_int_distribution<int> anyKey(0, keys - 1);
    std::uniform_int_distribution<int> anyHue(0, 359);
    while (m_birthCredit >= kTwinkleLife - 1) {
        m_birthCredit -= kTwinkleLife - 1;
        if (m_twinkling >= target)
            continue;
        int k = anyKey(m_random);
        for (int tries = 0; tries < keys; ++tries, k = (k + 1) % keys) {
            const int i = cellOf(m_area.top + k / m_area.width(), m_area.left + k % m_area.width());
            if (m_age[size_t(i)] == 0) {
                m_age[size_t(i)] = 1;
                m_hue[size_t(i)] = anyHue(m_random);
                ++m_twinkling;
                break;
            }
        }
    }
    const int half = kTwinkleLife / 2;
    for (int i = 0; i < LightGrid::kKeyCells; ++i) {
        const int age = m_age[size_t(i)];
        if (age <= 0) {
            frame[i] = lightFrameCell{};
            continue;
        }
        const int intensity = 255 - std::abs(age - half) * 255 / half;
        frame[i]
            = EffectShapes::cell(setting.fullColour ? EffectShapes::hue(m_hue[size_t(i)]) : setting.top, intensity);
    }
}

// Parallel stripes three keys apart, one through the centre, turning round
// it once per 216 steps.
void KeyboardEffects::striation(const EffectSetting& setting, long long turn, lightFrameCell* frame) const
{
    const double angle = 360.0 * double(EffectShapes::wrap(turn, kStriationPeriod)) / kStriationPeriod;
    const double nx = -std::sin(angle * kPi / 180.0);
    const double ny = std::cos(angle * kPi / 180.0);
    constexpr double kHalfWidth = 0.75;
    for (int i = 0; i < LightGrid::kKeyCells; ++i) {
        const double across = m_dx[size_t(i)] * nx + m_dy[size_t(i)] * ny;
        const double stripe = std::round(across / kStripeSpacing);
        const double off = std::abs(across - stripe * kStripeSpacing);
        if (off >= kHalfWidth) {
            frame[i] = lightFrameCell{};
            continue;
        }
        const int intensity = std::max(1, static_cast<int>(std::lround(255.0 * (kHalfWidth - off) / kHalfWidth)));
        const lightRgbValue colour = setting.fullColour ? EffectShapes::hue(stripe * 72.0 + angle) : setting.top;
        frame[i] = EffectShapes::cell(colour, intensity, 1 + intensity * 8 / 255);
    }
}
