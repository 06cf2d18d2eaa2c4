// The effect generator through the library's flat functions: every effect
// that runs by itself, on the keys and on the side bar, checked by what its
// frames must show rather than by stored pictures.
#include "support/TestMain.h"

#include "sdk/include/orvanesdk_hid.h"
#include "sdk/include/orvanesdk_light.h"
#include "sdk/light/LightEffectGenerator.h"
#include "sdk/models/ModelCatalogue.h"

#include <QColor>
#include <QList>
#include <QPoint>
#include <QSet>

#include <array>
#include <cmath>
#include <cstring>
#include <limits>
#include <list>
#include <random>
#include <vector>

namespace {

constexpr int kKeys = 132;
constexpr int kSide = 60;
constexpr int kBreathPeriod = 144;
constexpr int kNeonPeriod = 216;
constexpr int kRadarPeriod = 144;
constexpr int kStriationPeriod = 216;
constexpr int kTwinkleLife = 48;
constexpr double kPi = 3.14159265358979323846;

using KeyFrame = std::array<lightFrameCell, kKeys>;
using SideFrame = std::array<lightFrameCell, kSide>;

// The callbacks are plain functions, so what they receive waits here.
KeyFrame g_keyFrame;
SideFrame g_sideFrame;
int g_keyCalls = 0;
int g_sideCalls = 0;

void onKeyFrame(const lightFrameCell* frame)
{
    ++g_keyCalls;
    std::copy(frame, frame + kKeys, g_keyFrame.begin());
}

void onSideFrame(const lightFrameCell* frame)
{
    ++g_sideCalls;
    std::copy(frame, frame + kSide, g_sideFrame.begin());
}

KeyFrame nextKeyFrame()
{
    const int before = g_keyCalls;
    COrvaneHid_keyboardLightColorRuning(onKeyFrame);
    if (g_keyCalls != before + 1)
        qFatal("the keyboard frame call made %d callbacks", g_keyCalls - before);
    return g_keyFrame;
}

SideFrame nextSideFrame()
{
    const int before = g_sideCalls;
    COrvaneHid_sideLightColorRuning(onSideFrame);
    if (g_sideCalls != before + 1)
        qFatal("the side frame call made %d callbacks", g_sideCalls - before);
    return g_sideFrame;
}

colorInfoData record(int part, int effect, bool fullColour, int direction = 0, QColor top = QColor(255, 0, 0),
                     QColor bottom = QColor(0, 0, 40))
{
    colorInfoData r{};
    r.lightPart = part;
    r.ledType = effect;
    r.ledBrightness = 3;
    r.ledSpeed = 3;
    r.topRed = top.red();
    r.topGreen = top.green();
    r.topBlue = top.blue();
    r.bottomRed = bottom.red();
    r.bottomGreen = bottom.green();
    r.bottomBlue = bottom.blue();
    r.ledDirection = direction;
    r.fullColor = fullColour ? 1 : 0;
    return r;
}

// A bar of 45 segments with placeholders at 3, 17 and 30.
std::list<int> sideSegments()
{
    std::list<int> flags(45, 1);
    int i = 0;
    for (int& f : flags) {
        if (i == 3 || i == 17 || i == 30)
            f = 0;
        ++i;
    }
    return flags;
}

bool isPlaceholder(int cell)
{
    return cell == 3 || cell == 17 || cell == 30 || cell >= 45;
}

bool inByte(int v)
{
    return v >= 0 && v <= 255;
}

bool isDark(const lightFrameCell& c)
{
    const int* words = &c.red;
    for (int i = 0; i < 11; ++i) {
        if (words[i] != 0)
            return false;
    }
    return true;
}

// Every word a cell may carry, and nothing in the words these effects leave
// unused. Only side Collision carries a second colour.
const char* cellFault(const lightFrameCell& c, bool secondColour)
{
    if (!inByte(c.red) || !inByte(c.green) || !inByte(c.blue))
        return "colour out of range";
    if (!inByte(c.intensity))
        return "intensity out of range";
    if (c.pressPhase < 0 || c.pressPhase > 9)
        return "pressPhase out of range";
    if (c.fadeMode != 0 || c.level != 0 || c.autoRippleFlag != 0)
        return "an unused word is set";
    if (secondColour ? !(inByte(c.mixRed) && inByte(c.mixGreen) && inByte(c.mixBlue))
                     : (c.mixRed != 0 || c.mixGreen != 0 || c.mixBlue != 0))
        return "second colour wrong";
    return nullptr;
}

QColor colourOf(const lightFrameCell& c)
{
    return QColor(c.red, c.green, c.blue);
}

bool sameCell(const lightFrameCell& a, const lightFrameCell& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// All cells of a keyboard frame, or all segments in use of a side frame,
// hold the same cell; that cell is returned in *cell.
bool isUniform(const lightFrameCell* frame, int part, lightFrameCell* cell)
{
    const int n = part == 0 ? kKeys : kSide;
    bool first = true;
    for (int i = 0; i < n; ++i) {
        if (part == 1 && isPlaceholder(i))
            continue;
        if (first) {
            *cell = frame[i];
            first = false;
        } else if (!sameCell(frame[i], *cell)) {
            return false;
        }
    }
    return true;
}

// One uniform frame of either part, checked for range and placeholders.
lightFrameCell nextUniformCell(int part)
{
    lightFrameCell cell{};
    if (part == 0) {
        const KeyFrame f = nextKeyFrame();
        if (!isUniform(f.data(), 0, &cell))
            qFatal("keyboard frame not uniform");
    } else {
        const SideFrame f = nextSideFrame();
        if (!isUniform(f.data(), 1, &cell))
            qFatal("side frame not uniform");
        for (int i = 0; i < kSide; ++i) {
            if (isPlaceholder(i) && !isDark(f[size_t(i)]))
                qFatal("placeholder segment %d lit", i);
        }
    }
    return cell;
}

void start(int part, const colorInfoData& r)
{
    if (part == 0)
        COrvaneHid_SetKeyboardColorInfoDataStu(r, 0, "OV104", true);
    else
        COrvaneHid_SetSideColorInfoDataStu(r, 45, sideSegments());
}

void change(int part, const colorInfoData& r)
{
    if (part == 0)
        COrvaneHid_SetKeyboardColorInfoDataStuHaveChanged(r);
    else
        COrvaneHid_SetSideColorInfoDataStuHaveChanged(r);
}

// The keys of the model the keyboard tests run on.
KeyArea testArea()
{
    const ModelInfo* m = ModelCatalogue::instance().find(QStringLiteral("OV104"));
    if (!m)
        qFatal("OV104 is not in the catalogue");
    KeyArea a;
    a.top = m->keyAreaTop;
    a.bottom = m->keyAreaBottom;
    a.left = m->keyAreaLeft;
    a.right = m->keyAreaRight;
    return a;
}

int wrapInto(int v, int first, int last)
{
    const int n = last - first + 1;
    return first + ((v - first) % n + n) % n;
}

const lightFrameCell& at(const KeyFrame& f, int row, int column)
{
    return f[size_t(row * 22 + column)];
}

// The angle of a key seen from the centre of the key area, degrees
// clockwise on screen from the right.
double angleOf(const KeyArea& a, int row, int column)
{
    return std::atan2(row - (a.top + a.bottom) / 2.0, column - (a.left + a.right) / 2.0) * 180.0 / kPi;
}

double forwardDegrees(double from, double to)
{
    double d = std::fmod(to - from, 360.0);
    return d < 0 ? d + 360.0 : d;
}

// How much the keys' intensities agree with those one offset away: stripes
// agree best along their own direction.
long long agreement(const KeyFrame& f, const KeyArea& a, int dc, int dr)
{
    long long sum = 0;
    for (int r = a.top; r <= a.bottom; ++r) {
        for (int c = a.left; c <= a.right; ++c) {
            if (a.contains(r + dr, c + dc))
                sum += static_cast<long long>(at(f, r, c).intensity) * at(f, r + dr, c + dc).intensity;
        }
    }
    return sum;
}

std::vector<KeyFrame> keyFrames(int count)
{
    std::vector<KeyFrame> frames;
    for (int i = 0; i < count; ++i)
        frames.push_back(nextKeyFrame());
    return frames;
}

std::vector<SideFrame> sideFrames(int count)
{
    std::vector<SideFrame> frames;
    for (int i = 0; i < count; ++i)
        frames.push_back(nextSideFrame());
    return frames;
}

// The segments in use of sideSegments(), in bar order.
std::vector<int> segmentCells()
{
    std::vector<int> cells;
    for (int i = 0; i < kSide; ++i) {
        if (!isPlaceholder(i))
            cells.push_back(i);
    }
    return cells;
}

struct EffectCase
{
    int part;
    int effect;
    const char* name;
    std::vector<int> directions;
    int period;
};

// Every effect that runs by itself, with the directions it offers and its
// period in steps (the longest one where there are several).
const std::vector<EffectCase>& effectCases()
{
    static const std::vector<EffectCase> cases = {
        {0, 0, "Static", {0}, 8},
        {0, 1, "Breath", {0}, kBreathPeriod},
        {0, 2, "Wave", {0, 1, 2, 3, 4, 5}, 4 * 22},
        {0, 3, "Neon", {0}, kNeonPeriod},
        {0, 4, "Radar", {6, 7}, kRadarPeriod},
        {0, 5, "Snake", {6, 7}, 2 * 52},
        {0, 9, "Twinkle", {0}, 3 * kTwinkleLife},
        {0, 15, "Striation", {6, 7}, kStriationPeriod},
        {1, 0, "side Static", {0}, 8},
        {1, 1, "side Breath", {0}, kBreathPeriod},
        {1, 2, "side Wave", {0}, 2 * 60},
        {1, 3, "side Collision", {0}, 2 * 60},
        {1, 4, "side Neon", {0}, kNeonPeriod},
        {1, 5, "side Close", {0}, 8},
    };
    return cases;
}

} // namespace

class tst_lightEffects : public QObject
{
    Q_OBJECT

private slots:
    // Each test starts from a freshly prepared generator.
    void init() { QCOMPARE(COrvaneLight_Init(), 0); }

    void everyWordStaysInRange_data()
    {
        QTest::addColumn<int>("part");
        QTest::addColumn<int>("effect");
        QTest::addColumn<bool>("fullColour");
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("steps");
        for (const EffectCase& c : effectCases()) {
            for (bool full : {false, true}) {
                for (int d : c.directions) {
                    QTest::addRow("%s, full colour %s, direction %d", c.name, full ? "on" : "off", d)
                        << c.part << c.effect << full << d << 2 * c.period;
                }
            }
        }
    }
    void everyWordStaysInRange()
    {
        QFETCH(int, part);
        QFETCH(int, effect);
        QFETCH(bool, fullColour);
        QFETCH(int, direction);
        QFETCH(int, steps);
        start(part, record(part, effect, fullColour, direction, QColor(200, 120, 0), QColor(0, 30, 90)));
        const bool collision = part == 1 && effect == 3;
        for (int s = 0; s < steps; ++s) {
            if (part == 0) {
                const KeyFrame f = nextKeyFrame();
                for (int i = 0; i < kKeys; ++i) {
                    if (const char* fault = cellFault(f[size_t(i)], false))
                        QFAIL(qPrintable(QStringLiteral("step %1 key %2: %3").arg(s).arg(i).arg(fault)));
                    const lightRgbValue mix = COrvaneHid_lightColorMix(i / 22, i % 22);
                    QVERIFY(inByte(mix.red) && inByte(mix.green) && inByte(mix.blue));
                }
            } else {
                const SideFrame f = nextSideFrame();
                for (int i = 0; i < kSide; ++i) {
                    if (const char* fault = cellFault(f[size_t(i)], collision))
                        QFAIL(qPrintable(QStringLiteral("step %1 segment %2: %3").arg(s).arg(i).arg(fault)));
                    if (isPlaceholder(i) && !isDark(f[size_t(i)]))
                        QFAIL(qPrintable(QStringLiteral("placeholder %1 lit").arg(i)));
                }
            }
        }
    }

    void staticShowsTheTopColour_data()
    {
        QTest::addColumn<int>("part");
        QTest::addColumn<bool>("fullColour");
        for (int part : {0, 1}) {
            for (bool full : {false, true})
                QTest::addRow("%s, full colour %s", part ? "side" : "keys", full ? "on" : "off") << part << full;
        }
    }
    void staticShowsTheTopColour()
    {
        QFETCH(int, part);
        QFETCH(bool, fullColour);
        start(part, record(part, 0, fullColour, 0, QColor(10, 200, 30)));
        for (int s = 0; s < 20; ++s) {
            const lightFrameCell c = nextUniformCell(part);
            QCOMPARE(colourOf(c), QColor(10, 200, 30));
            QCOMPARE(c.intensity, 255);
        }
    }

    void breathGoesDarkToFullAndBack_data() { staticShowsTheTopColour_data(); }
    void breathGoesDarkToFullAndBack()
    {
        QFETCH(int, part);
        QFETCH(bool, fullColour);
        start(part, record(part, 1, fullColour));
        std::vector<lightFrameCell> cells;
        for (int s = 0; s < 3 * kBreathPeriod; ++s)
            cells.push_back(nextUniformCell(part));

        int darkest = 255, brightest = 0, hueChanges = 0;
        for (int s = 0; s < int(cells.size()); ++s) {
            const lightFrameCell& c = cells[size_t(s)];
            darkest = std::min(darkest, c.intensity);
            brightest = std::max(brightest, c.intensity);
            if (s >= kBreathPeriod)
                QCOMPARE(c.intensity, cells[size_t(s - kBreathPeriod)].intensity);
            if (s > 0 && colourOf(c) != colourOf(cells[size_t(s - 1)])) {
                // A new hue only while the keys are dark.
                QVERIFY2(c.intensity == 0, qPrintable(QStringLiteral("hue changed at step %1").arg(s)));
                ++hueChanges;
            }
            if (!fullColour)
                QCOMPARE(colourOf(c), QColor(255, 0, 0));
        }
        QCOMPARE(cells.front().intensity, 0);
        QCOMPARE(darkest, 0);
        QCOMPARE(brightest, 255);
        QCOMPARE(hueChanges, fullColour ? 2 : 0);
    }

    void neonGoesRoundTheColours_data() { staticShowsTheTopColour_data(); }
    void neonGoesRoundTheColours()
    {
        QFETCH(int, part);
        QFETCH(bool, fullColour);
        start(part, record(part, part == 0 ? 3 : 4, fullColour, 0, QColor(255, 0, 0), QColor(0, 0, 255)));
        std::vector<lightFrameCell> cells;
        for (int s = 0; s < 2 * kNeonPeriod; ++s)
            cells.push_back(nextUniformCell(part));
        for (int s = kNeonPeriod; s < 2 * kNeonPeriod; ++s)
            QVERIFY(sameCell(cells[size_t(s)], cells[size_t(s - kNeonPeriod)]));
        if (fullColour) {
            double lastHue = -1;
            QSet<int> sextants;
            for (int s = 0; s < kNeonPeriod; ++s) {
                const QColor colour = colourOf(cells[size_t(s)]);
                QCOMPARE(colour.hsvSaturation(), 255);
                const double h = colour.hsvHueF() * 360.0;
                QVERIFY2(h >= lastHue - 0.5, qPrintable(QStringLiteral("hue fell at step %1").arg(s)));
                lastHue = h;
                sextants.insert(int(h / 60.0));
            }
            QCOMPARE(sextants.size(), 6); // once round the whole circle
        } else {
            QCOMPARE(colourOf(cells[0]), QColor(255, 0, 0));
            QCOMPARE(colourOf(cells[kNeonPeriod / 2]), QColor(0, 0, 255));
            const QColor between = colourOf(cells[kNeonPeriod / 4]);
            QVERIFY(between.red() > 0 && between.blue() > 0 && between.green() == 0);
        }
    }

    // Frames that draw nothing: before any setting, for the effects that are
    // not generated here and for ids nobody knows.
    void darkFrames_data()
    {
        QTest::addColumn<int>("part");
        QTest::addColumn<int>("effect"); // -1: no setting at all
        QTest::newRow("keys before any setting") << 0 << -1;
        for (int id : {6, 7, 8, 10, 11, 12, 13, 14, 16, 100, 17, 255, -3})
            QTest::addRow("keys %d", id) << 0 << id;
        QTest::newRow("side before any setting") << 1 << -1;
        for (int id : {5, 6, 100, -1000})
            QTest::addRow("side %d", id) << 1 << id;
    }
    void darkFrames()
    {
        QFETCH(int, part);
        QFETCH(int, effect);
        if (effect != -1)
            start(part, record(part, effect, true, 0, QColor(255, 255, 255), QColor(9, 9, 9)));
        for (int s = 0; s < 30; ++s) {
            if (part == 0) {
                for (const lightFrameCell& c : nextKeyFrame())
                    QVERIFY(isDark(c));
            } else {
                for (const lightFrameCell& c : nextSideFrame())
                    QVERIFY(isDark(c));
            }
        }
    }

    // A Set starts over, a change keeps the phase and takes the new colours,
    // and a change to another effect starts that one over.
    void setRestartsAndChangeKeepsThePhase_data()
    {
        QTest::addColumn<int>("part");
        QTest::newRow("keys") << 0;
        QTest::newRow("side") << 1;
    }
    void setRestartsAndChangeKeepsThePhase()
    {
        QFETCH(int, part);
        start(part, record(part, 1, false));
        std::vector<int> intensities;
        for (int s = 0; s < 40; ++s)
            intensities.push_back(nextUniformCell(part).intensity);

        change(part, record(part, 1, false, 0, QColor(0, 255, 0)));
        lightFrameCell c = nextUniformCell(part);
        QCOMPARE(colourOf(c), QColor(0, 255, 0));
        QVERIFY(c.intensity > intensities.back());

        start(part, record(part, 1, false, 0, QColor(0, 0, 255)));
        for (int s = 0; s < 40; ++s)
            QCOMPARE(nextUniformCell(part).intensity, intensities[size_t(s)]);

        // Static to Breath by a change: Breath from its dark start.
        start(part, record(part, 0, false));
        nextUniformCell(part);
        change(part, record(part, 1, false));
        QCOMPARE(nextUniformCell(part).intensity, 0);
        QCOMPARE(nextUniformCell(part).intensity, intensities[1]);
    }

    // Four steps on, a wave is the same picture one key further in its
    // direction, within the used key area.
    void waveMovesOneKeyPerFourSteps_data()
    {
        QTest::addColumn<int>("direction");
        QTest::addColumn<bool>("fullColour");
        QTest::addColumn<int>("dr");
        QTest::addColumn<int>("dc");
        const struct
        {
            const char* name;
            int direction;
            int dr;
            int dc;
        } rows[] = {{"Right", 0, 0, 1}, {"Left", 1, 0, -1}, {"Up", 2, -1, 0}, {"Down", 3, 1, 0}};
        for (const auto& row : rows) {
            for (bool full : {false, true})
                QTest::addRow("%s, full colour %s", row.name, full ? "on" : "off")
                    << row.direction << full << row.dr << row.dc;
        }
    }
    void waveMovesOneKeyPerFourSteps()
    {
        QFETCH(int, direction);
        QFETCH(bool, fullColour);
        QFETCH(int, dr);
        QFETCH(int, dc);
        const KeyArea a = testArea();
        start(0, record(0, 2, fullColour, direction));
        const std::vector<KeyFrame> frames = keyFrames(2 * 4 * a.width());
        int lit = 0;
        for (size_t t = 0; t + 4 < frames.size(); ++t) {
            for (int r = a.top; r <= a.bottom; ++r) {
                for (int c = a.left; c <= a.right; ++c) {
                    const lightFrameCell& later = at(frames[t + 4], r, c);
                    const lightFrameCell& before
                        = at(frames[t], wrapInto(r - dr, a.top, a.bottom), wrapInto(c - dc, a.left, a.right));
                    if (!sameCell(later, before))
                        QFAIL(qPrintable(QStringLiteral("step %1 key %2,%3").arg(t).arg(r).arg(c)));
                    lit += later.intensity > 0;
                }
            }
        }
        QVERIFY(lit > 0);
        if (!fullColour) {
            // A band: some keys of each frame dark, the others in the top colour.
            for (const KeyFrame& f : frames) {
                int dark = 0;
                for (const lightFrameCell& c : f)
                    dark += c.intensity == 0;
                QVERIFY(dark > 0 && dark < kKeys);
            }
        }
    }

    // Dispersion and Gather are symmetric about the centre of the keys and
    // reach the outer keys after (Dispersion) or before (Gather) the inner.
    void waveDispersesAndGathers_data()
    {
        QTest::addColumn<int>("direction");
        QTest::addColumn<bool>("fullColour");
        for (int d : {4, 5}) {
            for (bool full : {false, true})
                QTest::addRow("%s, full colour %s", d == 4 ? "Dispersion" : "Gather", full ? "on" : "off") << d << full;
        }
    }
    void waveDispersesAndGathers()
    {
        QFETCH(int, direction);
        QFETCH(bool, fullColour);
        const KeyArea a = testArea();
        start(0, record(0, 2, fullColour, direction));
        const std::vector<KeyFrame> frames = keyFrames(120);
        for (const KeyFrame& f : frames) {
            for (int r = a.top; r <= a.bottom; ++r) {
                for (int c = a.left; c <= a.right; ++c)
                    QVERIFY(sameCell(at(f, r, c), at(f, a.top + a.bottom - r, a.left + a.right - c)));
            }
        }
        if (fullColour)
            return;
        // The band's crest: the first step a key is at full intensity after
        // the band has passed it once.
        auto crest = [&](int r, int c) {
            int t = 0;
            while (t < int(frames.size()) && at(frames[size_t(t)], r, c).intensity == 255)
                ++t;
            while (t < int(frames.size()) && at(frames[size_t(t)], r, c).intensity != 255)
                ++t;
            return t;
        };
        const int inner = crest((a.top + a.bottom) / 2, (a.left + a.right) / 2);
        const int outer = crest((a.top + a.bottom) / 2, a.left + 2);
        QVERIFY(inner < int(frames.size()) && outer < int(frames.size()));
        if (direction == 4)
            QVERIFY2(outer > inner, qPrintable(QStringLiteral("%1 %2").arg(inner).arg(outer)));
        else
            QVERIFY2(outer < inner, qPrintable(QStringLiteral("%1 %2").arg(inner).arg(outer)));
    }

    // The beam's brightest key turns a quarter round every 36 steps, the
    // way the direction says; a quarter turn behind it the keys are dark.
    void radarTurns_data()
    {
        QTest::addColumn<int>("direction");
        QTest::addColumn<bool>("fullColour");
        for (int d : {6, 7}) {
            for (bool full : {false, true})
                QTest::addRow("%s, full colour %s", d == 6 ? "CW" : "UnCW", full ? "on" : "off") << d << full;
        }
    }
    void radarTurns()
    {
        QFETCH(int, direction);
        QFETCH(bool, fullColour);
        const KeyArea a = testArea();
        start(0, record(0, 4, fullColour, direction));
        const std::vector<KeyFrame> frames = keyFrames(2 * kRadarPeriod);
        auto brightestAngle = [&](const KeyFrame& f) {
            int best = -1;
            double angle = 0;
            for (int r = a.top; r <= a.bottom; ++r) {
                for (int c = a.left; c <= a.right; ++c) {
                    if (at(f, r, c).intensity > best) {
                        best = at(f, r, c).intensity;
                        angle = angleOf(a, r, c);
                    }
                }
            }
            return angle;
        };
        for (size_t t = 0; t + 36 < frames.size(); t += 6) {
            const double moved = forwardDegrees(brightestAngle(frames[t]), brightestAngle(frames[t + 36]));
            const double expected = direction == 6 ? 90.0 : 270.0;
            QVERIFY2(std::abs(moved - expected) < 45.0, qPrintable(QStringLiteral("step %1: %2").arg(t).arg(moved)));
            int lit = 0;
            for (const lightFrameCell& c : frames[t])
                lit += c.intensity > 0;
            QVERIFY(lit > 0 && lit < kKeys / 2);
            if (fullColour) {
                // Hue by angle: keys in one direction from the centre share it.
                QCOMPARE(colourOf(at(frames[t], a.top, a.left)), colourOf(at(frames[t + 36], a.top, a.left)));
            }
        }
    }

    // Eight keys round the edge of the key area, the head one key further on
    // every two steps, all the way round.
    void snakeRunsRoundTheEdge_data() { radarTurns_data(); }
    void snakeRunsRoundTheEdge()
    {
        QFETCH(int, direction);
        QFETCH(bool, fullColour);
        const KeyArea a = testArea();
        const int loop = 2 * (a.width() + a.height()) - 4;
        start(0, record(0, 5, fullColour, direction));
        const std::vector<KeyFrame> frames = keyFrames(2 * loop + 2);
        QSet<int> headsSeen;
        QPoint lastHead(-1, -1);
        for (size_t t = 0; t < frames.size(); ++t) {
            int lit = 0;
            QPoint head(-1, -1);
            for (int r = 0; r < 6; ++r) {
                for (int c = 0; c < 22; ++c) {
                    const lightFrameCell& cell = at(frames[t], r, c);
                    if (cell.intensity == 0)
                        continue;
                    ++lit;
                    QVERIFY(a.contains(r, c));
                    QVERIFY(r == a.top || r == a.bottom || c == a.left || c == a.right);
                    QVERIFY(cell.pressPhase >= 1 && cell.pressPhase <= 9);
                    if (cell.pressPhase == 9)
                        head = QPoint(c, r);
                }
            }
            QCOMPARE(lit, 8);
            QVERIFY(head.x() >= 0);
            headsSeen.insert(head.y() * 22 + head.x());
            if (t % 2 == 1) {
                QCOMPARE(head, lastHead); // one key per two steps
            } else if (t > 0) {
                QCOMPARE((head - lastHead).manhattanLength(), 1);
            }
            lastHead = head;
        }
        QCOMPARE(headsSeen.size(), loop);
        // From the top left corner clockwise is along the top, anticlockwise
        // down the left side.
        QCOMPARE(QPoint(a.left, a.top), [&] {
            for (int i = 0; i < kKeys; ++i) {
                if (frames[0][size_t(i)].pressPhase == 9)
                    return QPoint(i % 22, i / 22);
            }
            return QPoint();
        }());
        const lightFrameCell& along = at(frames[2], a.top, a.left + 1);
        const lightFrameCell& down = at(frames[2], a.top + 1, a.left);
        QCOMPARE((direction == 6 ? along : down).pressPhase, 9);
    }

    // About one key in ten lit at a time, never many more, and only keys of
    // the model; fading in and out over 48 steps.
    void twinkleLightsAFewKeys_data()
    {
        QTest::addColumn<bool>("fullColour");
        QTest::newRow("full colour off") << false;
        QTest::newRow("full colour on") << true;
    }
    void twinkleLightsAFewKeys()
    {
        QFETCH(bool, fullColour);
        COrvaneHid_SetKeyboardColorInfoDataStu(record(0, 9, fullColour), 0, "OV61", false);
        const ModelInfo* m = ModelCatalogue::instance().find(QStringLiteral("OV61"));
        QVERIFY(m);
        KeyArea a;
        a.top = m->keyAreaTop;
        a.bottom = m->keyAreaBottom;
        a.left = m->keyAreaLeft;
        a.right = m->keyAreaRight;
        const int keys = a.width() * a.height();
        const std::vector<KeyFrame> frames = keyFrames(20 * kTwinkleLife);
        long long litSum = 0;
        QSet<QRgb> colours;
        for (size_t t = 0; t < frames.size(); ++t) {
            int lit = 0;
            for (int i = 0; i < kKeys; ++i) {
                const lightFrameCell& c = frames[t][size_t(i)];
                if (c.intensity == 0)
                    continue;
                ++lit;
                QVERIFY(a.contains(i / 22, i % 22));
                colours.insert(colourOf(c).rgb());
            }
            QVERIFY2(lit * 100 <= keys * 15, qPrintable(QStringLiteral("%1 of %2 lit").arg(lit).arg(keys)));
            if (t >= size_t(2 * kTwinkleLife))
                litSum += lit;
        }
        const double share = double(litSum) / double(frames.size() - 2 * kTwinkleLife) / keys;
        QVERIFY2(share > 0.06 && share < 0.13, qPrintable(QString::number(share)));
        if (fullColour)
            QVERIFY(colours.size() > 10);
        else
            QCOMPARE(colours.size(), 1);
        // A key that lights fades in and out again within 48 steps.
        const int key = [&] {
            for (int i = 0; i < kKeys; ++i) {
                if (frames[size_t(5 * kTwinkleLife)][size_t(i)].intensity > 0)
                    return i;
            }
            return -1;
        }();
        QVERIFY(key >= 0);
        size_t first = size_t(5 * kTwinkleLife);
        while (frames[first - 1][size_t(key)].intensity > 0)
            --first;
        size_t end = first;
        int peak = 0;
        bool falling = false;
        while (end < frames.size() && frames[end][size_t(key)].intensity > 0) {
            const int now = frames[end][size_t(key)].intensity;
            if (end > first && now < frames[end - 1][size_t(key)].intensity)
                falling = true;
            else if (end > first && falling && now > frames[end - 1][size_t(key)].intensity)
                QFAIL("a twinkle brightened again while fading");
            peak = std::max(peak, now);
            ++end;
        }
        QVERIFY(end - first < size_t(kTwinkleLife));
        QVERIFY(end - first > size_t(kTwinkleLife / 2));
        QVERIFY(peak > 200);
    }

    // One seed, one sequence of calls: the same frames, whatever else the
    // program did before; another seed twinkles differently.
    void oneSeedGivesTheSameFrames()
    {
        LightEffectGenerator first(7);
        LightEffectGenerator second(7);
        LightEffectGenerator other(8);
        for (LightEffectGenerator* g : {&first, &second, &other}) {
            g->setKeyboard(record(0, 9, true), 0, "OV104", false);
            g->setSide(record(1, 3, true), 45, sideSegments());
        }
        static std::vector<lightFrameCell> frames[3];
        for (auto& f : frames)
            f.clear();
        static int current = 0;
        auto keep = [](const lightFrameCell* f) { frames[current].insert(frames[current].end(), f, f + kKeys); };
        auto keepSide = [](const lightFrameCell* f) { frames[current].insert(frames[current].end(), f, f + kSide); };
        LightEffectGenerator* all[] = {&first, &second, &other};
        for (current = 0; current < 3; ++current) {
            for (int s = 0; s < 4 * kTwinkleLife; ++s) {
                all[current]->runKeyboard(keep);
                all[current]->runSide(keepSide);
            }
        }
        QCOMPARE(frames[0].size(), frames[1].size());
        QVERIFY(std::memcmp(frames[0].data(), frames[1].data(), frames[0].size() * sizeof(lightFrameCell)) == 0);
        QVERIFY(std::memcmp(frames[0].data(), frames[2].data(), frames[0].size() * sizeof(lightFrameCell)) != 0);
    }

    // The stripes lie along the direction that agrees best with itself;
    // every eighth of a turn (27 steps) that direction moves on by 45
    // degrees, clockwise or not. Lit stripe keys carry pressPhase.
    void striationTurns_data() { radarTurns_data(); }
    void striationTurns()
    {
        QFETCH(int, direction);
        QFETCH(bool, fullColour);
        const KeyArea a = testArea();
        start(0, record(0, 15, fullColour, direction));
        const std::vector<KeyFrame> frames = keyFrames(kStriationPeriod + 1);
        const QPoint offsets[] = {QPoint(1, 0), QPoint(1, 1), QPoint(0, 1), QPoint(1, -1)};
        for (int eighth = 0; eighth < 8; ++eighth) {
            const KeyFrame& f = frames[size_t(eighth * kStriationPeriod / 8)];
            int best = 0;
            for (int o = 1; o < 4; ++o) {
                if (agreement(f, a, offsets[o].x(), offsets[o].y())
                    > agreement(f, a, offsets[best].x(), offsets[best].y()))
                    best = o;
            }
            const int expected = direction == 6 ? eighth % 4 : (4 - eighth % 4) % 4;
            QVERIFY2(best == expected, qPrintable(QStringLiteral("eighth %1: %2").arg(eighth).arg(best)));
            for (const lightFrameCell& c : f)
                QCOMPARE(c.intensity > 0, c.pressPhase >= 1);
        }
        QVERIFY(sameCell(frames.back()[40], frames.front()[40]));
    }

    // Unoffered directions read as the effect's default.
    void unofferedDirectionIsTheDefault_data()
    {
        QTest::addColumn<int>("effect");
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("defaultDirection");
        QTest::newRow("Wave CW") << 2 << 6 << 0;
        QTest::newRow("Wave 99") << 2 << 99 << 0;
        QTest::newRow("Radar Left") << 4 << 1 << 6;
        QTest::newRow("Snake Dispersion") << 5 << 4 << 6;
        QTest::newRow("Striation -1") << 15 << -1 << 6;
        QTest::newRow("Breath UnCW") << 1 << 7 << 0;
    }
    void unofferedDirectionIsTheDefault()
    {
        QFETCH(int, effect);
        QFETCH(int, direction);
        QFETCH(int, defaultDirection);
        start(0, record(0, effect, false, defaultDirection));
        const std::vector<KeyFrame> expected = keyFrames(60);
        start(0, record(0, effect, false, direction));
        const std::vector<KeyFrame> got = keyFrames(60);
        for (size_t t = 0; t < got.size(); ++t)
            QVERIFY(std::memcmp(got[t].data(), expected[t].data(), sizeof(KeyFrame)) == 0);
    }

    // The side wave runs along the segments in use, one per two steps,
    // stepping over the placeholders.
    void sideWaveRunsAlongTheBar_data() { staticShowsTheTopColour_data(); }
    void sideWaveRunsAlongTheBar()
    {
        QFETCH(bool, fullColour);
        start(1, record(1, 2, fullColour));
        const std::vector<int> cells = segmentCells();
        const int n = int(cells.size());
        const std::vector<SideFrame> frames = sideFrames(4 * n);
        for (size_t t = 0; t + 2 < frames.size(); ++t) {
            for (int j = 0; j < n; ++j) {
                QVERIFY(sameCell(frames[t + 2][size_t(cells[size_t(j)])],
                                 frames[t][size_t(cells[size_t((j - 1 + n) % n)])]));
            }
            for (int i = 0; i < kSide; ++i) {
                if (isPlaceholder(i))
                    QVERIFY(isDark(frames[t][size_t(i)]));
            }
        }
    }

    // Two lights from both ends, mirror images of each other, meet in the
    // middle with a flash that the meeting step's query reports.
    void sideCollisionMeetsInTheMiddle_data() { staticShowsTheTopColour_data(); }
    void sideCollisionMeetsInTheMiddle()
    {
        QFETCH(bool, fullColour);
        start(1, record(1, 3, fullColour));
        const std::vector<int> cells = segmentCells();
        const int n = int(cells.size());
        int meetings = 0;
        int lastA = -1;
        for (int t = 0; t < 8 * n; ++t) {
            const SideFrame f = nextSideFrame();
            const sideCollisionInfo info = COrvaneHid_GetSideCollisionLightRuningConfig();
            QCOMPARE(int(info.segmentCount), n);
            QCOMPARE(int(info.meetingPoint), (n - 1) / 2);
            QCOMPARE(info.positionA + info.positionB, n - 1);
            QVERIFY(info.positionA <= info.meetingPoint);
            QVERIFY(info.meeting <= 1);
            for (int j = 0; j < n; ++j) {
                const lightFrameCell& c = f[size_t(cells[size_t(j)])];
                const lightFrameCell& mirror = f[size_t(cells[size_t(n - 1 - j)])];
                if (!fullColour) {
                    QCOMPARE(c.intensity, mirror.intensity);
                } else if (info.positionA < info.meetingPoint) {
                    // B is A's mirror image, in the second colour.
                    QCOMPARE(c.intensity > 0, mirror.pressPhase > 0 && mirror.intensity == 0);
                }
            }
            if (info.meeting) {
                ++meetings;
                QCOMPARE(int(info.positionA), (n - 1) / 2);
                int flashing = 0;
                for (int j = 0; j < n; ++j)
                    flashing += f[size_t(cells[size_t(j)])].pressPhase > 0;
                QVERIFY(flashing >= 2 && flashing <= 5);
            } else if (lastA >= 0 && info.positionA > lastA) {
                QCOMPARE(int(info.positionA), lastA + 1);
            }
            lastA = info.positionA;
        }
        QVERIFY(meetings >= 3);
        // Another side effect reports nothing.
        start(1, record(1, 2, fullColour));
        nextSideFrame();
        const sideCollisionInfo none = COrvaneHid_GetSideCollisionLightRuningConfig();
        QCOMPARE(none.segmentCount + none.positionA + none.positionB + none.meetingPoint + none.meeting, 0);
    }

    // Arbitrary settings, models, counts and segment lists, in any order:
    // nothing breaks and every word stays in range.
    void arbitrarySettingsStayInRange()
    {
        std::mt19937 random(20261211);
        auto any = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
        auto anyInt = [&] {
            const int kinds[] = {0, 1, 255, 256, -1, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()};
            return any(0, 1) ? kinds[any(0, 6)] : any(-1000, 1000);
        };
        const char* models[] = {"OV61", "OV68M", "OV104", "OV84W", "", "no such model", nullptr};
        for (int round = 0; round < 400; ++round) {
            colorInfoData r{};
            int* words = &r.lightPart;
            for (int w = 0; w < 14; ++w)
                words[w] = anyInt();
            r.ledType = any(0, 3) ? any(-2, 17) : anyInt();
            r.ledDirection = any(0, 3) ? any(0, 7) : anyInt();
            switch (any(0, 3)) {
            case 0:
                COrvaneHid_SetKeyboardColorInfoDataStu(r, anyInt(), models[any(0, 6)], any(0, 1));
                break;
            case 1:
                COrvaneHid_SetKeyboardColorInfoDataStuHaveChanged(r);
                break;
            case 2: {
                std::list<int> flags;
                const int listed = any(0, 90);
                for (int i = 0; i < listed; ++i)
                    flags.push_back(any(0, 4) ? 1 : anyInt());
                COrvaneHid_SetSideColorInfoDataStu(r, any(0, 2) ? any(-5, 100) : anyInt(), flags);
                break;
            }
            default:
                COrvaneHid_SetSideColorInfoDataStuHaveChanged(r);
                break;
            }
            for (int s = any(1, 30); s > 0; --s) {
                for (const lightFrameCell& c : nextKeyFrame()) {
                    if (const char* fault = cellFault(c, false))
                        QFAIL(fault);
                }
                const SideFrame side = nextSideFrame();
                const sideCollisionInfo info = COrvaneHid_GetSideCollisionLightRuningConfig();
                QVERIFY(info.segmentCount <= kSide);
                QVERIFY(info.segmentCount == 0
                        || (info.positionA < info.segmentCount && info.positionB < info.segmentCount));
                for (const lightFrameCell& c : side) {
                    if (const char* fault = cellFault(c, true))
                        QFAIL(fault);
                }
                const lightRgbValue mix = COrvaneHid_lightColorMix(any(-3, 8), any(-3, 24));
                QVERIFY(inByte(mix.red) && inByte(mix.green) && inByte(mix.blue));
            }
        }
    }

    // A press inside the grid is kept for the next keyboard frame, one
    // outside it is not; beyond 16 the oldest goes, and a Set forgets them.
    void keyPressesAreKept_data()
    {
        QTest::addColumn<QList<QPoint>>("presses"); // (row, column)
        QTest::addColumn<QList<QPoint>>("kept");
        QTest::newRow("one") << QList<QPoint>{{2, 5}} << QList<QPoint>{{2, 5}};
        QTest::newRow("corners") << QList<QPoint>{{0, 0}, {5, 21}} << QList<QPoint>{{0, 0}, {5, 21}};
        QTest::newRow("outside the grid")
            << QList<QPoint>{{-1, 0}, {6, 3}, {0, 22}, {3, -1}, {1 << 30, 1}, {2, std::numeric_limits<int>::min()}}
            << QList<QPoint>{};
        QTest::newRow("inside between outside") << QList<QPoint>{{6, 0}, {4, 4}, {0, 99}} << QList<QPoint>{{4, 4}};
        QList<QPoint> burst, last16;
        for (int i = 0; i < 20; ++i) {
            burst << QPoint(i % 6, i);
            if (i >= 4)
                last16 << QPoint(i % 6, i);
        }
        QTest::newRow("20 in a burst") << burst << last16;
    }
    void keyPressesAreKept()
    {
        QFETCH(QList<QPoint>, presses);
        QFETCH(QList<QPoint>, kept);
        start(0, record(0, 6, false));
        for (const QPoint& p : presses)
            COrvaneHid_keyClickedSendXY(p.x(), p.y());
        const LightEffectGenerator& g = LightEffectGenerator::instance();
        QCOMPARE(g.pendingPressCount(), kept.size());
        for (int i = 0; i < kept.size(); ++i)
            QCOMPARE(QPoint(g.pendingPress(i).row, g.pendingPress(i).column), kept[i]);
        start(0, record(0, 6, false));
        QCOMPARE(g.pendingPressCount(), 0);
    }

    void coloursAreClamped()
    {
        colorInfoData r = record(0, 0, false);
        r.topRed = 300;
        r.topGreen = -5;
        r.topBlue = 1 << 30;
        COrvaneHid_SetKeyboardColorInfoDataStu(r, 0, "OV61", false);
        const KeyFrame f = nextKeyFrame();
        QCOMPARE(colourOf(f[0]), QColor(255, 0, 255));
    }

    // The mix is the cell's colour over the bottom colour by its intensity;
    // a place outside the grid is black.
    void colourMix()
    {
        COrvaneHid_SetKeyboardColorInfoDataStu(record(0, 1, false, 0, QColor(255, 0, 0), QColor(0, 0, 200)), 0, "OV104",
                                               false);
        nextKeyFrame(); // dark: the bottom colour
        lightRgbValue mix = COrvaneHid_lightColorMix(2, 5);
        QCOMPARE(QColor(mix.red, mix.green, mix.blue), QColor(0, 0, 200));
        for (int s = 1; s <= kBreathPeriod / 2; ++s)
            nextKeyFrame(); // full: the cell's colour
        mix = COrvaneHid_lightColorMix(5, 21);
        QCOMPARE(QColor(mix.red, mix.green, mix.blue), QColor(255, 0, 0));
        for (const QPoint& p : {QPoint(-1, 0), QPoint(6, 0), QPoint(0, 22), QPoint(0, -1), QPoint(1 << 30, 3)}) {
            mix = COrvaneHid_lightColorMix(p.x(), p.y());
            QCOMPARE(QColor(mix.red, mix.green, mix.blue), QColor(0, 0, 0));
        }
    }

    // The side light runs only over as many segments as the list holds and a
    // frame carries, whatever count comes with it.
    void sideCountIsGuarded_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("listed");
        QTest::addColumn<int>("lit");
        QTest::newRow("as listed") << 45 << 45 << 45;
        QTest::newRow("count above 60") << 90 << 90 << 60;
        QTest::newRow("count beyond the list") << 50 << 4 << 4;
        QTest::newRow("count below the list") << 10 << 45 << 10;
        QTest::newRow("negative count") << -7 << 45 << 0;
        QTest::newRow("empty list") << 33 << 0 << 0;
    }
    void sideCountIsGuarded()
    {
        QFETCH(int, count);
        QFETCH(int, listed);
        QFETCH(int, lit);
        COrvaneHid_SetSideColorInfoDataStu(record(1, 0, false), count, std::list<int>(size_t(listed), 1));
        const SideFrame f = nextSideFrame();
        for (int i = 0; i < kSide; ++i)
            QCOMPARE(f[size_t(i)].intensity > 0, i < lit);
    }
};

ORVANE_TEST_MAIN(tst_lightEffects)
#include "tst_lightEffects.moc"
