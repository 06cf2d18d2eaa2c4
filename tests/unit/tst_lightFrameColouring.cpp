// Frames of the effect generator turned into preview colours by the
// lighting engine: per effect where the colour comes from, how opaque the
// fill is, how far the brightness darkens it, Custom from the painted key
// colours, and Speed Respond's first-column levels.
#include "support/TestMain.h"

#include "ui/mainwidget/devicePage/keyboardView/keyboardButCustom.h"
#include "ui/mainwidget/devicePage/keyboardView/sideLightButtonCustom.h"
#include "ui/mainwidget/devicePage/lightDeal/lightDealMain.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr int kKeys = DKeyGrid::kKeyCount;
constexpr int kSideCells = lightDealMain::kMaxSideLights;
constexpr int kSegments = 12;
constexpr int kBrightnessMax = 4;
constexpr int kFullBrightness = kBrightnessMax + 1;

struct Rgb
{
    int red;
    int green;
    int blue;
};

colorInfoData setting(int part, int effect, Rgb top, Rgb bottom, bool fullColour, int brightness = kFullBrightness)
{
    colorInfoData info{};
    info.lightPart = part;
    info.ledType = effect;
    info.ledBrightness = brightness;
    info.ledSpeed = 3;
    info.topRed = top.red;
    info.topGreen = top.green;
    info.topBlue = top.blue;
    info.bottomRed = bottom.red;
    info.bottomGreen = bottom.green;
    info.bottomBlue = bottom.blue;
    info.fullColor = fullColour ? 1 : 0;
    return info;
}

lightFrameCell cellOf(Rgb colour, int intensity, int pressPhase = 0, int level = 0, Rgb second = {0, 0, 0})
{
    return {colour.red, colour.green, colour.blue, second.red, second.green, second.blue, intensity,
            0,          pressPhase,   level,       0};
}

using Frame = std::vector<lightFrameCell>;

Frame uniform(int cells, const lightFrameCell& cell)
{
    return Frame(size_t(cells), cell);
}

const Rgb kBlack{0, 0, 0};
const Rgb kTop{200, 100, 40};
const Rgb kBottom{10, 20, 30};
const Rgb kCell{120, 60, 240};

// One engine with a picture: every key cap and kSegments side segments
// (validStatus 1), the keyboard reporting brightness maximum 4 for both.
struct Rig
{
    QWidget picture;
    lightDealMain engine;

    Rig()
    {
        lightDealMain::KeyCapGrid grid{};
        for (auto& row : grid)
            for (auto& cap : row)
                cap = new keyboardButCustom(&picture);
        engine.setKeyCapGrid(grid);
        QList<sideLightButtonCustom*> segments;
        for (int k = 0; k < kSegments; ++k) {
            auto* segment = new sideLightButtonCustom(&picture);
            segment->setLedIndex(k, 1);
            segments.append(segment);
        }
        engine.setSideLightButtons(segments);
        lightCapabilityInfo keyboard;
        keyboard.lightTypeList = {0, 1, 2};
        keyboard.speedMax = 4;
        keyboard.brightnessMax = kBrightnessMax;
        engine.setLightCapability(keyboard, keyboard);
        // No profile is current: nothing is read, the side segments are.
        engine.loadProfileLight();
    }
};

using Setup = std::function<void(Rig&)>;
using Probe = QPair<int, QColor>; // key or segment index, expected colour
using Probes = QVector<Probe>;
using Levels = QMap<int, int>;

QColor darker(QColor colour, int factor)
{
    return colour.darker(factor);
}

} // namespace

Q_DECLARE_METATYPE(colorInfoData)
Q_DECLARE_METATYPE(Frame)
Q_DECLARE_METATYPE(Setup)

class tst_lightFrameColouring : public QObject
{
    Q_OBJECT

private slots:
    void colours_data()
    {
        QTest::addColumn<int>("part");
        QTest::addColumn<colorInfoData>("setting");
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<Frame>("frame");
        QTest::addColumn<Probes>("probes");
        QTest::addColumn<Levels>("speedLevels");

        const Setup none = [](Rig&) {};
        const Frame lit = uniform(kKeys, cellOf(kCell, 255));

        QTest::newRow("Static, black top: no fill whatever the frame")
            << 0 << setting(0, 0, kBlack, kBottom, false) << none << lit
            << Probes{{0, QColor(120, 60, 240, 0)}, {131, QColor(120, 60, 240, 0)}} << Levels{};
        QTest::newRow("Static, top set: the cell at 180") << 0 << setting(0, 0, kTop, kBlack, false) << none << lit
                                                          << Probes{{7, QColor(120, 60, 240, 180)}} << Levels{};
        QTest::newRow("Breath over a black cell, top set: alpha capped")
            << 0 << setting(0, 1, kTop, kBlack, false) << none << uniform(kKeys, cellOf(kBlack, 230))
            << Probes{{0, QColor(0, 0, 0, 200)}} << Levels{};
        QTest::newRow("Breath over a black cell, black top: no fill")
            << 0 << setting(0, 1, kBlack, kBlack, false) << none << uniform(kKeys, cellOf(kBlack, 230))
            << Probes{{0, QColor(0, 0, 0, 0)}} << Levels{};
        QTest::newRow("Breath scales the cell by its intensity")
            << 0 << setting(0, 1, kTop, kBlack, false) << none << uniform(kKeys, cellOf(kCell, 128))
            << Probes{{3, QColor(60, 30, 120, 128)}} << Levels{};
        QTest::newRow("Wave: top over bottom by the intensity")
            << 0 << setting(0, 2, kTop, kBottom, false) << none << uniform(kKeys, cellOf(kCell, 100))
            << Probes{{0, QColor((200 * 100 + 155 * 10) / 256, (100 * 100 + 155 * 20) / 256,
                                 (40 * 100 + 155 * 30) / 256, 180)}}
            << Levels{};
        QTest::newRow("Wave in full colour: the cell, opaque")
            << 0 << setting(0, 2, kBlack, kBlack, true) << none << uniform(kKeys, cellOf(kCell, 30))
            << Probes{{0, QColor(120, 60, 240, 180)}} << Levels{};
        QTest::newRow("Twinkle, black bottom: scaled by the capped intensity")
            << 0 << setting(0, 9, kTop, kBlack, false) << none << lit
            << Probes{{0, QColor(120 * 200 / 256, 60 * 200 / 256, 240 * 200 / 256, 200)}} << Levels{};
        QTest::newRow("Twinkle, bottom set: the cell over the bottom, opaque")
            << 0 << setting(0, 9, kTop, kBottom, false) << none << uniform(kKeys, cellOf(kCell, 100))
            << Probes{{0, QColor((120 * 100 + 155 * 10) / 256, (60 * 100 + 155 * 20) / 256,
                                 (240 * 100 + 155 * 30) / 256, 180)}}
            << Levels{};
        QTest::newRow("Reactive in full colour, pressPhase 3: opaque at intensity 10")
            << 0 << setting(0, 6, kTop, kBlack, true) << none << uniform(kKeys, cellOf(kCell, 10, 3))
            << Probes{{0, QColor(0, 0, 0, 180)}} << Levels{};
        QTest::newRow("Reactive in full colour, pressPhase 0: the intensity")
            << 0 << setting(0, 6, kTop, kBlack, true) << none << uniform(kKeys, cellOf(kCell, 10, 0))
            << Probes{{0, QColor(0, 0, 0, 10)}} << Levels{};
        QTest::newRow("Reactive without full colour ignores the phase")
            << 0 << setting(0, 6, kTop, kBlack, false) << none << uniform(kKeys, cellOf(kCell, 10, 3))
            << Probes{{0, QColor(0, 0, 0, 10)}} << Levels{};

        Frame speed = uniform(kKeys, cellOf(kCell, 0));
        speed[0 * 22] = cellOf(kCell, 40, 0, 2);
        speed[2 * 22] = cellOf(kCell, 90, 0, 5);
        speed[4 * 22] = cellOf(kCell, 120, 0, 5);
        speed[1] = cellOf(kCell, 70, 0, 7); // not in the first column
        QTest::newRow("Speed Respond: first-column levels, later rows win")
            << 0 << setting(0, 12, kTop, kBlack, false) << none << speed << Probes{{0, QColor(0, 0, 0, 40)}}
            << Levels{{2, 40}, {5, 120}};
        Frame speedHigh = uniform(kKeys, cellOf(kCell, 0));
        speedHigh[3 * 22] = cellOf(kCell, 250, 0, 1);
        QTest::newRow("Speed Respond with a bottom colour keeps the raw intensity")
            << 0 << setting(0, 12, kTop, kBottom, false) << none << speedHigh << Probes{} << Levels{{1, 250}};

        const Setup painted = [](Rig& rig) {
            rig.engine.keyCapGrid()[0][0]->setLightColorBackup(QColor(0, 0, 0));
            rig.engine.keyCapGrid()[0][1]->setLightColorBackup(QColor(10, 0, 0));
            rig.engine.keyCapGrid()[5][21]->setLightColorBackup(QColor(10, 0, 0));
            rig.engine.writeCustomLightColors(1, 3);
        };
        QTest::newRow("Custom: black painted is a dark key, (10, 0, 0) is 180, the frame plays no part")
            << 0 << setting(0, 10, kTop, kBottom, false) << painted << lit
            << Probes{{0, QColor(0, 0, 0, 180)}, {1, QColor(10, 0, 0, 180)}, {131, QColor(10, 0, 0, 180)}} << Levels{};
        QTest::newRow("Custom is darkened by the brightness")
            << 0 << setting(0, 10, kTop, kBottom, false, 1) << painted << lit
            << Probes{{1, darker(QColor(10, 0, 0, 180), 260)}} << Levels{};

        const Setup staticFirst = [](Rig& rig) {
            rig.engine.setKeyboardColorInfo(setting(0, 0, kTop, kBlack, false));
            const Frame first = uniform(kKeys, cellOf({1, 2, 3}, 255));
            rig.engine.onKeyboardFrame(first.data());
        };
        QTest::newRow("DPI keeps the previous colours") << 0 << setting(0, 13, kTop, kBlack, false) << staticFirst
                                                        << lit << Probes{{0, QColor(1, 2, 3, 180)}} << Levels{};
        QTest::newRow("an unknown effect keeps them too") << 0 << setting(0, 42, kTop, kBlack, false) << staticFirst
                                                          << lit << Probes{{9, QColor(1, 2, 3, 180)}} << Levels{};

        // Brightness 1 .. 5 of maximum 4: factors 260, 220, 180, 140, 100.
        const int factors[] = {260, 220, 180, 140, 100};
        for (int b = 1; b <= kFullBrightness; ++b) {
            const QColor fill(120, 60, 240, 180);
            const QColor expected = b == kFullBrightness ? fill : darker(fill, factors[b - 1]);
            QTest::addRow("brightness %d of 4: factor %d", b, factors[b - 1])
                << 0 << setting(0, 0, kTop, kBlack, false, b) << none << lit << Probes{{5, expected}} << Levels{};
        }
        QTest::newRow("brightness past the maximum is full brightness")
            << 0 << setting(0, 0, kTop, kBlack, false, 9) << none << lit << Probes{{5, QColor(120, 60, 240, 180)}}
            << Levels{};
        QTest::newRow("brightness 0 is the darkest level")
            << 0 << setting(0, 0, kTop, kBlack, false, 0) << none << lit
            << Probes{{5, darker(QColor(120, 60, 240, 180), 260)}} << Levels{};

        const Frame sideLit = uniform(kSideCells, cellOf(kCell, 255, 5));
        QTest::newRow("side Static, top set: 250")
            << 1 << setting(1, 0, kTop, kBlack, false) << none << sideLit
            << Probes{{0, QColor(120, 60, 240, 250)}, {kSegments - 1, QColor(120, 60, 240, 250)}} << Levels{};
        QTest::newRow("side Breath tests the bottom colour")
            << 1 << setting(1, 1, kTop, kBlack, false) << none << uniform(kSideCells, cellOf(kBlack, 90))
            << Probes{{0, QColor(0, 0, 0, 0)}} << Levels{};
        QTest::newRow("side Wave, bottom set: opaque")
            << 1 << setting(1, 2, kTop, kBottom, false) << none << uniform(kSideCells, cellOf(kCell, 255))
            << Probes{{2, QColor((200 * 255) / 256 + 0, (100 * 255) / 256, (40 * 255) / 256, 250)}} << Levels{};
        QTest::newRow("side Collision in full colour: the cell over its second colour")
            << 1 << setting(1, 3, kTop, kBlack, true) << none
            << uniform(kSideCells, cellOf(kCell, 64, 0, 0, {0, 100, 200}))
            << Probes{{1, QColor(120 * 64 / 256, (60 * 64 + 191 * 100) / 256, (240 * 64 + 191 * 200) / 256, 64)}}
            << Levels{};
        QTest::newRow("side Close: transparent black at any brightness")
            << 1 << setting(1, 5, kTop, kBottom, false, 1) << none << sideLit
            << Probes{{0, QColor(0, 0, 0, 0)}, {kSegments - 1, QColor(0, 0, 0, 0)}} << Levels{};
        QTest::newRow("side colours end at the last segment")
            << 1 << setting(1, 0, kTop, kBlack, false) << none << sideLit << Probes{{kSegments, QColor(0, 0, 0)}}
            << Levels{};
    }
    void colours()
    {
        QFETCH(int, part);
        QFETCH(colorInfoData, setting);
        QFETCH(Setup, setup);
        QFETCH(Frame, frame);
        QFETCH(Probes, probes);
        QFETCH(Levels, speedLevels);
        Rig rig;
        setup(rig);
        if (part == 0) {
            rig.engine.setKeyboardColorInfo(setting);
            rig.engine.onKeyboardFrame(frame.data());
        } else {
            rig.engine.setSideColorInfo(setting);
            rig.engine.onSideFrame(frame.data());
        }
        for (const Probe& probe : probes) {
            const QColor seen = part == 0 ? rig.engine.keyColor(probe.first) : rig.engine.sideColor(probe.first);
            QVERIFY2(seen == probe.second && seen.alpha() == probe.second.alpha(),
                     qPrintable(QStringLiteral("%1: %2 alpha %3, expected %4 alpha %5")
                                    .arg(probe.first)
                                    .arg(seen.name())
                                    .arg(seen.alpha())
                                    .arg(probe.second.name())
                                    .arg(probe.second.alpha())));
        }
        if (part == 0 && setting.ledType == 12)
            QCOMPARE(rig.engine.speedRespondLevels(), speedLevels);
        if (setting.ledType == 10) {
            // The caps keep the painted colours, opaque, for the next paint.
            QCOMPARE(rig.engine.keyCapGrid()[0][1]->lightColorBackup(), QColor(10, 0, 0, 255));
            QCOMPARE(rig.engine.keyCapGrid()[2][2]->lightColorBackup(), QColor(0, 0, 0, 255));
        }
    }

    // Under Custom the preview (and so the stream) has the painted colours
    // as soon as they are known, before the next keyboard frame: a key just
    // painted, a scheme just chosen or a brightness just changed never shows
    // unlit for a tick.
    void customColoursWithoutAFrame_data()
    {
        QTest::addColumn<Setup>("change");
        QTest::addColumn<QColor>("painted");
        QTest::addColumn<QColor>("unpainted");
        const auto paint = [](Rig& rig, const QColor& colour) {
            rig.engine.keyCapGrid()[1][3]->setLightColorBackup(colour);
        };
        QTest::newRow("a key painted")
            << Setup([paint](Rig& rig) {
                   paint(rig, QColor(0, 200, 0));
                   rig.engine.writeCustomLightColors(1, 0);
               })
            << QColor(0, 200, 0, 180) << QColor(0, 0, 0, 180);
        QTest::newRow("the brightness changed")
            << Setup([paint](Rig& rig) {
                   paint(rig, QColor(0, 200, 0));
                   rig.engine.writeCustomLightColors(1, 0);
                   rig.engine.keyboardColorInfoChanged(setting(0, 10, kTop, kBottom, false, 1));
               })
            << darker(QColor(0, 200, 0, 180), 260) << darker(QColor(0, 0, 0, 180), 260);
        QTest::newRow("Custom chosen after its scheme was shown")
            << Setup([paint](Rig& rig) {
                   rig.engine.setKeyboardColorInfo(setting(0, 0, kTop, kBottom, false));
                   paint(rig, QColor(5, 6, 7));
                   rig.engine.writeCustomLightColors(0, 0);
                   rig.engine.setKeyboardColorInfo(setting(0, 10, kTop, kBottom, false));
               })
            << QColor(5, 6, 7, 180) << QColor(0, 0, 0, 180);
    }
    void customColoursWithoutAFrame()
    {
        QFETCH(Setup, change);
        QFETCH(QColor, painted);
        QFETCH(QColor, unpainted);
        Rig rig;
        for (auto& row : rig.engine.keyCapGrid())
            for (keyboardButCustom* cap : row)
                cap->setLightColorBackup(QColor(0, 0, 0));
        rig.engine.setKeyboardColorInfo(setting(0, 10, kTop, kBottom, false));
        change(rig);
        const QColor seen = rig.engine.keyColor(1 * 22 + 3);
        QVERIFY2(seen == painted && seen.alpha() == painted.alpha(),
                 qPrintable(QStringLiteral("%1 alpha %2").arg(seen.name()).arg(seen.alpha())));
        const QColor other = rig.engine.keyColor(4 * 22 + 10);
        QVERIFY2(other == unpainted && other.alpha() == unpainted.alpha(),
                 qPrintable(QStringLiteral("%1 alpha %2").arg(other.name()).arg(other.alpha())));
    }

    // A picture with more side segments than a side frame has cells: the
    // colours stop at the frame's end, the extra segments keep theirs.
    void moreSegmentsThanTheFrame()
    {
        Rig rig;
        QList<sideLightButtonCustom*> segments;
        for (int k = 0; k < kSideCells + 10; ++k) {
            auto* segment = new sideLightButtonCustom(&rig.picture);
            segment->setLedIndex(k, 1);
            segments.append(segment);
        }
        rig.engine.setSideLightButtons(segments);
        rig.engine.loadProfileLight();
        rig.engine.setSideColorInfo(setting(1, 0, kTop, kBlack, false));
        const Frame side = uniform(kSideCells, cellOf({6, 5, 4}, 255));
        rig.engine.onSideFrame(side.data());
        QCOMPARE(rig.engine.sideColor(kSideCells - 1), QColor(6, 5, 4, 250));
    }

    // Both frame callbacks reach the engine the library calls back into.
    void callbacksReachTheEngine()
    {
        Rig rig;
        rig.engine.setKeyboardColorInfo(setting(0, 0, kTop, kBlack, false));
        rig.engine.setSideColorInfo(setting(1, 0, kTop, kBlack, false));
        const Frame keys = uniform(kKeys, cellOf({9, 8, 7}, 255));
        const Frame side = uniform(kSideCells, cellOf({6, 5, 4}, 255));
        keyboardFrameCallback(keys.data());
        sideFrameCallback(side.data());
        QCOMPARE(rig.engine.keyColor(0), QColor(9, 8, 7, 180));
        QCOMPARE(rig.engine.sideColor(0), QColor(6, 5, 4, 250));
    }
};

ORVANE_TEST_MAIN(tst_lightFrameColouring)
#include "tst_lightFrameColouring.moc"
