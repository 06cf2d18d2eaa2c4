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
// unused. Only side Collision carries a second colour, only Speed Respond a
// level (1..6 on lit cells) and only Auto Ripple a flag (on cell [0][0]).
const char* cellFault(const lightFrameCell& c, bool secondColour, int effect = -1, int cell = -1)
{
    if (!inByte(c.red) || !inByte(c.green) || !inByte(c.blue))
        return "colour out of range";
    if (!inByte(c.intensity))
        return "intensity out of range";
    if (c.pressPhase < 0 || c.pressPhase > 9)
        return "pressPhase out of range";
    if (c.fadeMode != 0)
        return "fadeMode is set";
    if (effect == 12 ? (c.intensity > 0 ? c.level < 1 || c.level > 6 : c.level != 0) : c.level != 0)
        return "level wrong";
    if (effect == 14 && cell == 0 ? (c.autoRippleFlag != 0 && c.autoRippleFlag != 1) : c.autoRippleFlag != 0)
        return "autoRippleFlag wrong";
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

// The presses a run of a key-press effect gets before frame `step`: one,
// then several, then 20 in a burst, with positions outside the grid among
// them, and again one after the burst has faded.
void scriptedPresses(int step)
{
    switch (step) {
    case 0:
        COrvaneHid_keyClickedSendXY(2, 10);
        break;
    case 9:
        for (const QPoint& p : {QPoint(0, 0), QPoint(5, 20), QPoint(3, 3), QPoint(6, 4), QPoint(-1, 2)})
            COrvaneHid_keyClickedSendXY(p.x(), p.y());
        break;
    case 30:
        for (int i = 0; i < 20; ++i)
            COrvaneHid_keyClickedSendXY(i % 6, (i * 7) % 22);
        COrvaneHid_keyClickedSendXY(2, 22);
        break;
    case 120:
        COrvaneHid_keyClickedSendXY(4, 17);
        break;
    default:
        break;
    }
}

// The lit cells of a frame.
std::vector<QPoint> litCells(const KeyFrame& f)
{
    std::vector<QPoint> lit;
    for (int i = 0; i < kKeys; ++i) {
        if (f[size_t(i)].intensity > 0)
            lit.emplace_back(i / 22, i % 22); // (row, column)
    }
    return lit;
}

// Cells as row x 22 + column, for comparing sets of them.
QSet<int> cellSet(const std::vector<QPoint>& cells)
{
    QSet<int> set;
    for (const QPoint& p : cells)
        set.insert(p.x() * 22 + p.y());
    return set;
}

double distance(const QPoint& a, int row, int column)
{
    return std::hypot(a.x() - row, a.y() - column);
}

// How far the lit cells reach from a key, and how near they come.
double farthestLit(const KeyFrame& f, int row, int column)
{
    double d = -1;
    for (const QPoint& p : litCells(f))
        d = std::max(d, distance(p, row, column));
    return d;
}

double nearestLit(const KeyFrame& f, int row, int column)
{
    double d = 1e9;
    for (const QPoint& p : litCells(f))
        d = std::min(d, distance(p, row, column));
    return d;
}

// Frames of a keyboard effect with one press at (row, column) before the
// first, until the frame is dark again (at most `limit` frames).
std::vector<KeyFrame> onePress(int effect, bool fullColour, int direction, int row, int column, int limit = 200)
{
    COrvaneHid_SetKeyboardColorInfoDataStu(record(0, effect, fullColour, direction), 0, "OV104", false);
    COrvaneHid_keyClickedSendXY(row, column);
    std::vector<KeyFrame> frames;
    for (int s = 0; s < limit; ++s) {
        frames.push_back(nextKeyFrame());
        if (litCells(frames.back()).empty())
            break;
    }
    return frames;
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
        {0, 6, "Reactive", {0}, 100},
        {0, 7, "Aurora", {4, 5}, 100},
        {0, 8, "Ripple", {0}, 100},
        {0, 11, "Cross", {0}, 100},
        {0, 12, "Speed Respond", {2, 3}, 100},
        {0, 14, "Auto Ripple", {0}, 3 * 54},
        {0, 16, "Fireworks", {0}, 100},
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

    void fullColourOnOff_data()
    {
        QTest::addColumn<bool>("fullColour");
        QTest::newRow("full colour off") << false;
        QTest::newRow("full colour on") << true;
    }

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
                scriptedPresses(s);
                const KeyFrame f = nextKeyFrame();
                for (int i = 0; i < kKeys; ++i) {
                    if (const char* fault = cellFault(f[size_t(i)], false, effect, i))
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
        // The key-press effects before any press.
        for (int id : {6, 7, 8, 10, 11, 12, 13, 16, 100, 17, 255, -3})
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
    void oneSeedGivesTheSameFrames_data()
    {
        QTest::addColumn<int>("effect");
        QTest::newRow("Twinkle") << 9;
        QTest::newRow("Fireworks with presses") << 16;
        QTest::newRow("Ripple with presses") << 8;
        QTest::newRow("Auto Ripple") << 14;
    }
    void oneSeedGivesTheSameFrames()
    {
        QFETCH(int, effect);
        LightEffectGenerator first(7);
        LightEffectGenerator second(7);
        LightEffectGenerator other(8);
        for (LightEffectGenerator* g : {&first, &second, &other}) {
            g->setKeyboard(record(0, effect, true), 0, "OV104", false);
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
                if (s % 7 == 0)
                    all[current]->keyPressed(s % 6, s % 22);
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
                if (any(0, 2) == 0)
                    COrvaneHid_keyClickedSendXY(any(-2, 7), any(-2, 23));
                const KeyFrame f = nextKeyFrame();
                for (int i = 0; i < kKeys; ++i) {
                    if (const char* fault
                        = cellFault(f[size_t(i)], false, LightEffectGenerator::instance().keyboardRecord().ledType, i))
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

    // Reactive: the pressed key alone lights at once and fades over 36
    // steps, its phase from 9 down to 1; several presses light their keys.
    void reactiveLightsThePressedKey_data() { fullColourOnOff_data(); }
    void reactiveLightsThePressedKey()
    {
        QFETCH(bool, fullColour);
        const std::vector<KeyFrame> frames = onePress(6, fullColour, 0, 3, 8);
        QCOMPARE(int(frames.size()), 36 + 1);
        for (size_t t = 0; t + 1 < frames.size(); ++t) {
            const std::vector<QPoint> lit = litCells(frames[t]);
            QCOMPARE(int(lit.size()), 1);
            QCOMPARE(lit.front(), QPoint(3, 8));
            if (t > 0)
                QVERIFY(at(frames[t], 3, 8).intensity < at(frames[t - 1], 3, 8).intensity);
        }
        QCOMPARE(at(frames.front(), 3, 8).intensity, 255);
        QCOMPARE(at(frames.front(), 3, 8).pressPhase, 9);
        QCOMPARE(at(frames[frames.size() - 2], 3, 8).pressPhase, 1);
        const lightRgbValue ripple = COrvaneHid_GetCurrentRippleLightColor();
        QCOMPARE(colourOf(at(frames.front(), 3, 8)), QColor(ripple.red, ripple.green, ripple.blue));

        // Several at once: exactly their keys.
        COrvaneHid_keyClickedSendXY(0, 0);
        COrvaneHid_keyClickedSendXY(5, 21);
        COrvaneHid_keyClickedSendXY(2, 2);
        const std::vector<QPoint> lit = litCells(nextKeyFrame());
        QCOMPARE(cellSet(lit), cellSet({{0, 0}, {5, 21}, {2, 2}}));
    }

    // At most 16 animations: of 20 presses in a burst the first four end.
    void sixteenAnimationsAtMost()
    {
        COrvaneHid_SetKeyboardColorInfoDataStu(record(0, 6, false), 0, "OV104", false);
        std::vector<QPoint> last16;
        for (int i = 0; i < 20; ++i) {
            COrvaneHid_keyClickedSendXY(i % 6, i);
            if (i >= 4)
                last16.emplace_back(i % 6, i);
        }
        const std::vector<QPoint> lit = litCells(nextKeyFrame());
        QCOMPARE(cellSet(lit), cellSet(last16));
        QCOMPARE(LightEffectGenerator::instance().liveAnimations(), 16);
        // A new press ends the oldest running one.
        COrvaneHid_keyClickedSendXY(5, 0);
        const KeyFrame f = nextKeyFrame();
        QCOMPARE(LightEffectGenerator::instance().liveAnimations(), 16);
        QCOMPARE(at(f, 4, 4).intensity, 0);
        QVERIFY(at(f, 5, 5).intensity > 0);
        QCOMPARE(at(f, 5, 0).intensity, 255);
    }

    // Aurora: the glow is symmetric about the key; its reach grows
    // (Dispersion) or shrinks from six keys (Gather).
    void auroraSpreadsOrGathers_data()
    {
        QTest::addColumn<int>("direction");
        QTest::addColumn<bool>("fullColour");
        for (int d : {4, 5}) {
            for (bool full : {false, true})
                QTest::addRow("%s, full colour %s", d == 4 ? "Dispersion" : "Gather", full ? "on" : "off") << d << full;
        }
    }
    void auroraSpreadsOrGathers()
    {
        QFETCH(int, direction);
        QFETCH(bool, fullColour);
        const int row = 2, column = 10;
        const std::vector<KeyFrame> frames = onePress(7, fullColour, direction, row, column);
        QVERIFY(frames.size() > 20);
        std::vector<double> reach;
        for (const KeyFrame& f : frames) {
            if (litCells(f).empty())
                continue;
            for (int r = 0; r < 6; ++r) {
                for (int c = 0; c < 22; ++c) {
                    const int mr = 2 * row - r, mc = 2 * column - c;
                    if (mr >= 0 && mr < 6 && mc >= 0 && mc < 22)
                        QVERIFY(sameCell(at(f, r, c), at(f, mr, mc)));
                }
            }
            reach.push_back(farthestLit(f, row, column));
        }
        for (size_t t = 1; t < reach.size(); ++t)
            QVERIFY2(direction == 4 ? reach[t] >= reach[t - 1] : reach[t] <= reach[t - 1],
                     qPrintable(QStringLiteral("step %1: %2 after %3").arg(t).arg(reach[t]).arg(reach[t - 1])));
        if (direction == 4) {
            QVERIFY(reach.front() < 1.5);
            QVERIFY(reach.back() >= 5.0);
        } else {
            QVERIFY(reach.front() >= 5.5 && reach.front() < 7.5);
            QVERIFY(reach.back() < 2.0);
        }
    }

    // Ripple: a ring one key wide growing one key per 3 steps until it has
    // left the keys, in the colour the query reports for the last press.
    void rippleGrowsInItsColour_data() { fullColourOnOff_data(); }
    void rippleGrowsInItsColour()
    {
        QFETCH(bool, fullColour);
        COrvaneHid_SetKeyboardColorInfoDataStu(record(0, 8, fullColour, 0, QColor(0, 200, 100)), 0, "OV104", false);
        lightRgbValue before = COrvaneHid_GetCurrentRippleLightColor();
        QCOMPARE(QColor(before.red, before.green, before.blue), QColor(0, 200, 100));
        const std::vector<KeyFrame> frames = onePress(8, fullColour, 0, 1, 4);
        const lightRgbValue ripple = COrvaneHid_GetCurrentRippleLightColor();
        if (!fullColour)
            QCOMPARE(QColor(ripple.red, ripple.green, ripple.blue), QColor(255, 0, 0));
        else
            QCOMPARE(QColor(ripple.red, ripple.green, ripple.blue).hsvSaturation(), 255);
        // Out to the farthest corner of the keys (5, 20): 17 keys away.
        QVERIFY(frames.size() >= size_t(3 * 17));
        double lastReach = -1;
        for (size_t t = 0; t + 1 < frames.size(); ++t) {
            const KeyFrame& f = frames[t];
            const double reach = farthestLit(f, 1, 4);
            QVERIFY(reach >= lastReach);
            QVERIFY(std::abs(reach - t / 3.0) < 0.5);
            QVERIFY(reach - nearestLit(f, 1, 4) < 1.0);
            lastReach = reach;
            for (const QPoint& p : litCells(f))
                QCOMPARE(colourOf(at(f, p.x(), p.y())), QColor(ripple.red, ripple.green, ripple.blue));
        }
        // Each press starts a ripple of its own colour.
        COrvaneHid_keyClickedSendXY(4, 4);
        const lightRgbValue second = COrvaneHid_GetCurrentRippleLightColor();
        const KeyFrame f = nextKeyFrame();
        QCOMPARE(colourOf(at(f, 4, 4)), QColor(second.red, second.green, second.blue));
    }

    // Cross: only the pressed key's row and column, the light running out
    // one key per two steps.
    void crossRunsAlongRowAndColumn_data() { fullColourOnOff_data(); }
    void crossRunsAlongRowAndColumn()
    {
        QFETCH(bool, fullColour);
        const std::vector<KeyFrame> frames = onePress(11, fullColour, 0, 2, 6);
        QVERIFY(frames.size() > 30);
        for (size_t t = 0; t + 1 < frames.size(); ++t) {
            for (const QPoint& p : litCells(frames[t]))
                QVERIFY(p.x() == 2 || p.y() == 6);
            if (t <= 2 * 14)
                QVERIFY2(std::abs(farthestLit(frames[t], 2, 6) - double(t / 2)) < 0.01, qPrintable(QString::number(t)));
        }
    }

    // Fireworks: only the eight rays from the key, five keys at most; a new
    // hue per burst in full colour.
    void fireworksOnTheEightRays_data() { fullColourOnOff_data(); }
    void fireworksOnTheEightRays()
    {
        QFETCH(bool, fullColour);
        const std::vector<KeyFrame> frames = onePress(16, fullColour, 0, 2, 10);
        QVERIFY(frames.size() > 15);
        double reach = 0;
        for (const KeyFrame& f : frames) {
            for (const QPoint& p : litCells(f)) {
                const int dr = p.x() - 2, dc = p.y() - 10;
                QVERIFY(dr == 0 || dc == 0 || std::abs(dr) == std::abs(dc));
                QVERIFY(std::max(std::abs(dr), std::abs(dc)) <= 5);
                reach = std::max(reach, double(std::max(std::abs(dr), std::abs(dc))));
            }
        }
        QCOMPARE(reach, 5.0);
        QSet<QRgb> hues;
        for (int burst = 0; burst < 4; ++burst) {
            COrvaneHid_keyClickedSendXY(3, 3 + 5 * burst);
            hues.insert(colourOf(at(nextKeyFrame(), 3, 3 + 5 * burst)).rgb());
        }
        QCOMPARE(hues.size() > 1, fullColour);
    }

    // Speed Respond: a bar one row per recent press, up to six, sinking a
    // row per 24 steps without presses; Up from the bottom, Down from the
    // top; every lit cell carries its row's place in the bar.
    void speedRespondFollowsThePresses_data()
    {
        QTest::addColumn<int>("direction");
        QTest::addColumn<bool>("fullColour");
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("bottom");
        for (int d : {2, 3}) {
            for (bool full : {false, true})
                QTest::addRow("%s, full colour %s", d == 2 ? "Up" : "Down", full ? "on" : "off")
                    << d << full << "OV104" << 0 << 5;
            QTest::addRow("%s on a 61-key model", d == 2 ? "Up" : "Down") << d << false << "OV61" << 1 << 5;
        }
    }
    void speedRespondFollowsThePresses()
    {
        QFETCH(int, direction);
        QFETCH(bool, fullColour);
        QFETCH(QString, model);
        QFETCH(int, top);
        QFETCH(int, bottom);
        COrvaneHid_SetKeyboardColorInfoDataStu(record(0, 12, fullColour, direction), 0, qPrintable(model), false);
        const int highest = std::min(6, bottom - top + 1);
        // The bar's height in a frame, checking its shape.
        auto height = [&](const KeyFrame& f) {
            int h = 0;
            for (int level = 1; level <= 6; ++level) {
                const int row = direction == 2 ? bottom - level + 1 : top + level - 1;
                if (row < 0 || row > 5 || at(f, row, 0).intensity == 0)
                    break;
                for (int c = 0; c < 22; ++c) {
                    if (at(f, row, c).level != level || !sameCell(at(f, row, c), at(f, row, 0)))
                        return -1;
                }
                h = level;
            }
            int lit = 0;
            for (const lightFrameCell& c : f)
                lit += c.intensity > 0;
            return lit == 22 * h ? h : -1;
        };
        QCOMPARE(height(nextKeyFrame()), 0);
        for (int presses = 1; presses <= 3; ++presses) {
            COrvaneHid_keyClickedSendXY(2, presses);
            QCOMPARE(height(nextKeyFrame()), presses);
        }
        // Without presses it sinks one row per 24 steps.
        for (int h = 3; h > 0; --h) {
            for (int s = 1; s < 24; ++s)
                QCOMPARE(height(nextKeyFrame()), h);
            QCOMPARE(height(nextKeyFrame()), h - 1);
        }
        // A burst fills it to the top and no further.
        for (int i = 0; i < 20; ++i)
            COrvaneHid_keyClickedSendXY(1, i);
        QCOMPARE(height(nextKeyFrame()), highest);
        COrvaneHid_keyClickedSendXY(1, 1);
        QCOMPARE(height(nextKeyFrame()), highest);
        if (fullColour) {
            const KeyFrame f = nextKeyFrame();
            const int foot = direction == 2 ? bottom : top;
            const int head = direction == 2 ? bottom - 5 : top + 5;
            QVERIFY(colourOf(at(f, foot, 0)) != colourOf(at(f, head, 0)));
        }
    }

    // Auto Ripple: a ripple starts by itself every 54 steps at a key of the
    // model; [0][0] carries the flag only in its first frame, and the query
    // then names its key and colour.
    void autoRippleStartsByItself_data()
    {
        QTest::addColumn<bool>("fullColour");
        QTest::addColumn<QString>("model");
        for (const char* model : {"OV104", "OV61"}) {
            for (bool full : {false, true})
                QTest::addRow("%s, full colour %s", model, full ? "on" : "off") << full << model;
        }
    }
    void autoRippleStartsByItself()
    {
        QFETCH(bool, fullColour);
        QFETCH(QString, model);
        const ModelInfo* m = ModelCatalogue::instance().find(model);
        QVERIFY(m);
        autoRippleLightConfig config = COrvaneHid_GetCurrentAutoRippleLightConfig();
        for (int v : config.values)
            QCOMPARE(v, 0);
        COrvaneHid_SetKeyboardColorInfoDataStu(record(0, 14, fullColour, 0, QColor(30, 60, 90)), 0, qPrintable(model),
                                               false);
        // Presses are not for Auto Ripple.
        COrvaneHid_keyClickedSendXY(2, 2);
        QCOMPARE(LightEffectGenerator::instance().pendingPressCount(), 0);
        QSet<QRgb> colours;
        for (int s = 0; s < 5 * 54; ++s) {
            const KeyFrame f = nextKeyFrame();
            const bool starts = s % 54 == 0;
            QCOMPARE(f[0].autoRippleFlag, starts ? 1 : 0);
            const autoRippleLightConfig now = COrvaneHid_GetCurrentAutoRippleLightConfig();
            if (!starts) {
                QVERIFY(std::memcmp(&now, &config, sizeof now) == 0);
                continue;
            }
            config = now;
            const int row = config.values[0], column = config.values[1];
            QVERIFY(row >= m->keyAreaTop && row <= m->keyAreaBottom);
            QVERIFY(column >= m->keyAreaLeft && column <= m->keyAreaRight);
            const QColor colour(config.values[2], config.values[3], config.values[4]);
            QCOMPARE(colourOf(at(f, row, column)), colour);
            QCOMPARE(at(f, row, column).intensity, 255);
            QCOMPARE(at(f, row, column).pressPhase, 9);
            if (!fullColour)
                QCOMPARE(colour, QColor(30, 60, 90));
            colours.insert(colour.rgb());
            const lightRgbValue ripple = COrvaneHid_GetCurrentRippleLightColor();
            QCOMPARE(QColor(ripple.red, ripple.green, ripple.blue), colour);
        }
        QCOMPARE(colours.size() > 1, fullColour);
        // Another effect has no ripple to describe.
        COrvaneHid_SetKeyboardColorInfoDataStu(record(0, 8, fullColour), 0, qPrintable(model), false);
        config = COrvaneHid_GetCurrentAutoRippleLightConfig();
        for (int v : config.values)
            QCOMPARE(v, 0);
    }

    // Presses under an effect that takes none are dropped, and lit cells of
    // every key-press effect carry a phase as they fade.
    void pressesOnlyForKeyPressEffects_data()
    {
        QTest::addColumn<int>("effect");
        QTest::addColumn<bool>("kept");
        for (int id : {0, 2, 9, 10, 14, 100})
            QTest::addRow("effect %d", id) << id << false;
        for (int id : {6, 7, 8, 11, 12, 16})
            QTest::addRow("effect %d", id) << id << true;
    }
    void pressesOnlyForKeyPressEffects()
    {
        QFETCH(int, effect);
        QFETCH(bool, kept);
        start(0, record(0, effect, true));
        COrvaneHid_keyClickedSendXY(3, 3);
        QCOMPARE(LightEffectGenerator::instance().pendingPressCount(), kept ? 1 : 0);
        if (!kept)
            return;
        const KeyFrame f = nextKeyFrame();
        QCOMPARE(LightEffectGenerator::instance().pendingPressCount(), 0);
        QVERIFY(!litCells(f).empty());
        for (const lightFrameCell& c : f)
            QCOMPARE(c.intensity > 0, c.pressPhase >= 1 && c.pressPhase <= 9);
        // A change of colours keeps what runs; a Set forgets it.
        COrvaneHid_SetKeyboardColorInfoDataStuHaveChanged(record(0, effect, false));
        QVERIFY(!litCells(nextKeyFrame()).empty());
        COrvaneHid_keyClickedSendXY(1, 1);
        start(0, record(0, effect, true));
        QVERIFY(litCells(nextKeyFrame()).empty());
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
