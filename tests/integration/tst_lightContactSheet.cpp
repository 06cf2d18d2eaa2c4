// The effect contact sheet: every keyboard effect the generator draws, at
// four steps (the key-press effects after scripted presses), coloured by the
// lighting engine onto the key caps of a 104-key and a 61-key keyboard
// picture, offscreen. One PNG per effect goes to the build tree's
// screenshots folder for a person to look at; the test checks what can be
// checked without eyes: every picture lights some key and the key-press
// effects light the pressed key.
#include "support/ApplicationSetUp.h"
#include "support/DevicePageProbe.h"
#include "support/LoadedDevicePage.h"
#include "support/TestMain.h"

#include "sdk/include/orvanesdk_light.h"
#include "support/SimulatorHarness.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/keyboardView/hidDeviceJoinFrame.h"
#include "ui/mainwidget/devicePage/keyboardView/keyboardButCustom.h"
#include "ui/mainwidget/devicePage/lightDeal/lightDealMain.h"

#include <QDir>
#include <QImage>
#include <QMap>
#include <QPainter>

#include <array>
#include <memory>
#include <vector>

namespace {

constexpr int kLoadTimeoutMs = 20000;
constexpr int kLightsPage = 1;
// A key both models have, away from the edges.
constexpr int kPressRow = 3;
constexpr int kPressColumn = 6;

struct SheetEffect
{
    int id;
    const char* name;
    int direction;
    bool pressed; // a key-press effect: the pressed key lights in the first picture
    std::array<int, 4> steps; // the frames shown, counted from 0
};

const std::vector<SheetEffect>& sheetEffects()
{
    static const std::vector<SheetEffect> effects = {
        {0, "Static", 0, false, {0, 1, 2, 3}},         {1, "Breath", 0, false, {18, 36, 72, 108}},
        {2, "Wave", 0, false, {0, 8, 16, 24}},         {3, "Neon", 0, false, {0, 54, 108, 162}},
        {4, "Radar", 6, false, {0, 36, 72, 108}},      {5, "Snake", 6, false, {0, 16, 32, 48}},
        {6, "Reactive", 0, true, {0, 8, 16, 30}},      {7, "Aurora", 4, true, {0, 10, 20, 30}},
        {8, "Ripple", 0, true, {0, 6, 12, 21}},        {9, "Twinkle", 0, false, {30, 60, 90, 120}},
        {11, "Cross", 0, true, {0, 6, 12, 20}},        {12, "Speed Respond", 2, false, {0, 6, 40, 70}},
        {14, "Auto Ripple", 0, false, {1, 9, 18, 27}}, {15, "Striation", 6, false, {0, 27, 54, 81}},
        {16, "Fireworks", 0, true, {0, 4, 10, 16}},
    };
    return effects;
}

colorInfoData sheetRecord(const SheetEffect& e)
{
    colorInfoData r{};
    r.lightPart = 0;
    r.ledType = e.id;
    r.ledBrightness = 5;
    r.ledSpeed = 5;
    r.topRed = 250;
    r.topGreen = 90;
    r.topBlue = 10;
    r.ledDirection = e.direction;
    return r;
}

// The presses a key-press effect gets before a frame: the one key first;
// Speed Respond three then two more, then none so the bar sinks.
void pressBefore(const SheetEffect& e, int frame)
{
    if (e.id == 12) {
        const int count = frame == 0 ? 3 : frame == 6 ? 2 : 0;
        for (int i = 0; i < count; ++i)
            COrvaneHid_keyClickedSendXY(kPressRow, kPressColumn + i);
        return;
    }
    if (frame == 0)
        COrvaneHid_keyClickedSendXY(kPressRow, kPressColumn);
}

lightDealMain* g_engine = nullptr;
void onFrame(const lightFrameCell* frame)
{
    g_engine->onKeyboardFrame(frame);
}

// The engine's colours onto the caps, as its repaint tick does.
int paintCaps(const lightDealMain& engine)
{
    int lit = 0;
    for (int row = 0; row < 6; ++row) {
        for (int column = 0; column < 22; ++column) {
            keyboardButCustom* cap = engine.keyCapGrid()[size_t(row)][size_t(column)];
            if (!cap)
                continue;
            const QColor colour = engine.keyColor(row * 22 + column);
            cap->setLightColor(colour);
            lit += colour.alpha() > 0 && colour != QColor(0, 0, 0);
        }
    }
    return lit;
}

QImage labelled(const QImage& picture, const QString& label)
{
    QImage out(picture.width(), picture.height() + 24, QImage::Format_ARGB32);
    out.fill(QColor(32, 32, 36));
    QPainter p(&out);
    p.drawImage(0, 24, picture);
    p.setPen(Qt::white);
    p.drawText(QRect(6, 0, out.width() - 12, 24), Qt::AlignVCenter | Qt::AlignLeft, label);
    return out;
}

// The pictures of one effect, four per model, in a grid: a row per model.
QImage sheetOf(const QList<QImage>& pictures, int perRow)
{
    int width = 0, height = 0;
    QList<int> rowHeights;
    for (int i = 0; i < pictures.size(); i += perRow) {
        int w = 0, h = 0;
        for (int j = i; j < std::min(int(pictures.size()), i + perRow); ++j) {
            w += pictures[j].width();
            h = std::max(h, pictures[j].height());
        }
        width = std::max(width, w);
        height += h;
        rowHeights << h;
    }
    QImage sheet(width, height, QImage::Format_ARGB32);
    sheet.fill(QColor(20, 20, 24));
    QPainter p(&sheet);
    int y = 0;
    for (int row = 0; row < rowHeights.size(); ++row) {
        int x = 0;
        for (int j = row * perRow; j < std::min(int(pictures.size()), (row + 1) * perRow); ++j) {
            p.drawImage(x, y, pictures[j]);
            x += pictures[j].width();
        }
        y += rowHeights[row];
    }
    return sheet;
}

} // namespace

class tst_lightContactSheet : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        prepareApplicationTest();
        QVERIFY(linkProgramPictures());
    }

    void everyEffectOnTwoKeyboards()
    {
        QMap<int, QList<QImage>> pictures; // effect id -> pictures, model by model
        for (const char* model : {"OV104", "OV61"}) {
            SimulatorHarness sim;
            QVERIFY(sim.plug(model));
            std::unique_ptr<DDevicePage> page = loadedDevicePage(kLoadTimeoutMs);
            QVERIFY(page);
            page->resize(1104, 600);
            page->show();
            page->onCurIndexChangedMainPage(kLightsPage);
            // The frames are made here, step by step, not by the tickers.
            page->stopLightThreadsIfRunning();
            QTest::qWait(100);
            DevicePageProbe probe(*page);
            lightDealMain* engine = probe.lightingEngine();
            QVERIFY(engine);
            g_engine = engine;
            QWidget* picture = probe.picture();
            QVERIFY(picture);
            keyboardButCustom* pressedCap = engine->keyCapGrid()[kPressRow][kPressColumn];
            QVERIFY(pressedCap);

            for (const SheetEffect& e : sheetEffects()) {
                engine->setKeyboardColorInfo(sheetRecord(e));
                int frame = 0;
                for (int shown = 0; shown < 4; ++shown) {
                    for (; frame <= e.steps[size_t(shown)]; ++frame) {
                        if (e.pressed || e.id == 12)
                            pressBefore(e, frame);
                        COrvaneHid_keyboardLightColorRuning(onFrame);
                    }
                    const int lit = paintCaps(*engine);
                    QVERIFY2(lit > 0, qPrintable(QStringLiteral("%1 on %2, step %3: no key lit")
                                                     .arg(e.name, model)
                                                     .arg(e.steps[size_t(shown)])));
                    if (e.pressed && shown == 0)
                        QVERIFY2(pressedCap->lightColor().alpha() > 0, e.name);
                    pictures[e.id] << labelled(
                        picture->grab().toImage(),
                        QStringLiteral("%1  %2  step %3").arg(e.name, model).arg(e.steps[size_t(shown)]));
                }
            }
            g_engine = nullptr;
        }

        const QString dir = QStringLiteral(ORVANE_TEST_BIN_DIR "/../screenshots");
        QVERIFY(QDir().mkpath(dir));
        for (const SheetEffect& e : sheetEffects()) {
            QCOMPARE(pictures[e.id].size(), 8);
            const QString file = QStringLiteral("%1/effect-%2-%3.png")
                                     .arg(dir)
                                     .arg(e.id, 2, 10, QLatin1Char('0'))
                                     .arg(QString::fromLatin1(e.name).replace(QLatin1Char(' '), QLatin1Char('-')));
            QVERIFY(sheetOf(pictures[e.id], 4).save(file));
        }
    }
};

ORVANE_TEST_MAIN(tst_lightContactSheet)
#include "tst_lightContactSheet.moc"
