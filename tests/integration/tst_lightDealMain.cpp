// The lighting engine against the simulated keyboard, through a real I/O
// thread: the custom key colours in its frame grid and their upload to a
// keyboard behind the receiver, the key-press point for the receiver frame,
// the tick intervals from the effect speed, and the settings it hands to the
// library's effect generator.
#include "support/TestMain.h"

#include "hid/MainHidInterFace.h"
#include "sdk/light/LightEffectGenerator.h"
#include "sdk/models/ModelCatalogue.h"
#include "support/OpenedKeyboard.h"
#include "support/ReportBytes.h"
#include "support/ReportSink.h"
#include "support/SimulatorHarness.h"
#include "ui/mainwidget/devicePage/keyboardView/keyboardButCustom.h"
#include "ui/mainwidget/devicePage/lightDeal/lightDealMain.h"

#include <QWidget>

#include <cstring>
#include <memory>

using namespace ReportBytes;

namespace {

void runKeyboardFrames(int frames)
{
    for (int i = 0; i < frames; ++i)
        COrvaneHid_keyboardLightColorRuning([](const lightFrameCell*) {});
}

void runSideFrames(int frames)
{
    for (int i = 0; i < frames; ++i)
        COrvaneHid_sideLightColorRuning([](const lightFrameCell*) {});
}

constexpr int kRows = DKeyGrid::kRows;
constexpr int kColumns = DKeyGrid::kColumns;
constexpr uint8_t kCustomColourCommand = 0x08;
// A key cap the picture does not have; its colour is sent black.
constexpr int kMissingRow = 2;
constexpr int kMissingColumn = 5;

bool sameRecord(const colorInfoData& a, const colorInfoData& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

colorInfoData record(int part, int effect, int speed)
{
    colorInfoData info{};
    info.lightPart = part;
    info.ledType = effect;
    info.ledBrightness = 3;
    info.ledSpeed = speed;
    info.topRed = 12;
    info.topGreen = 34;
    info.topBlue = 56;
    info.bottomRed = 7;
    info.bottomGreen = 8;
    info.bottomBlue = 9;
    info.ledDirection = 2;
    info.fullColor = 1;
    info.extraValue = 5;
    return info;
}

lightModeListInfo capability(int speedMax, bool offered = true)
{
    lightModeListInfo info;
    if (offered)
        info.lightTypeList = {0, 1, 2};
    info.speedMax = speedMax;
    info.brightnessMax = 4;
    return info;
}

// The painted colour of each cap: distinct per key, with the first and the
// last key of the grid set apart.
QColor paintOf(int row, int column)
{
    if (row == 0 && column == 0)
        return QColor(255, 0, 0);
    if (row == kRows - 1 && column == kColumns - 1)
        return QColor(1, 2, 3);
    const int k = row * kColumns + column;
    return QColor(k, 255 - k, (k * 7) & 0xFF);
}

// One selected keyboard: its I/O thread over the simulator, a picture of
// painted key caps and the engine that knows both.
struct Rig
{
    SimulatorHarness sim;
    std::unique_ptr<OpenedKeyboard> opened;
    QWidget picture;
    lightDealMain engine;

    bool open(bool viaReceiver)
    {
        const char* model = viaReceiver ? "OV84W" : "OV82";
        opened = std::make_unique<OpenedKeyboard>(sim, model, 0, true, viaReceiver);
        if (!opened->isOpen())
            return false;
        hidStructInfoAll info;
        std::strcpy(info.modelName, model);
        info.isOnline = 1;
        info.is24G = viaReceiver ? 1 : 0;
        engine.setHidDeviceInfo(info);
        engine.setHidInterface(opened->hid());

        lightDealMain::KeyCapGrid grid{};
        for (int row = 0; row < kRows; ++row) {
            for (int column = 0; column < kColumns; ++column) {
                if (row == kMissingRow && column == kMissingColumn)
                    continue;
                auto* cap = new keyboardButCustom(&picture);
                cap->setLightColorBackup(paintOf(row, column));
                grid[size_t(row)][size_t(column)] = cap;
            }
        }
        engine.setKeyCapGrid(grid);
        return true;
    }

    // Queues an inquiry behind whatever the engine queued and waits for it,
    // so everything before it has reached the keyboard.
    bool flush()
    {
        const int before = opened->keyboard()->receivedCount(0x13);
        if (opened->hid()->queueCmdReport(DReportFrame(0x13, 0x02)) < 0)
            return false;
        QElapsedTimer timer;
        timer.start();
        while (opened->keyboard()->receivedCount(0x13) == before) {
            if (timer.elapsed() > 5000)
                return false;
            QTest::qWait(5);
        }
        return true;
    }

    QList<SimulatedKeyboard::Report> customReports() const
    {
        return receivedWhere(*opened->keyboard(),
                             [](const auto& r) { return r[0] == 0x01 && r[1] == kCustomColourCommand; });
    }

    ~Rig()
    {
        if (opened)
            opened->close(2000);
    }
};

} // namespace

class tst_lightDealMain : public QObject
{
    Q_OBJECT

private slots:
    void customColours_data()
    {
        QTest::addColumn<bool>("viaReceiver");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("uploads");
        QTest::newRow("receiver, scheme chosen") << true << 0 << 3 << true;
        QTest::newRow("receiver, painted into scheme 3") << true << 1 << 3 << false;
        QTest::newRow("receiver, painted with no scheme") << true << 1 << -1 << true;
        QTest::newRow("cable, scheme chosen") << false << 0 << 3 << false;
        QTest::newRow("cable, painted with no scheme") << false << 1 << -1 << false;
    }
    void customColours()
    {
        QFETCH(bool, viaReceiver);
        QFETCH(int, mode);
        QFETCH(int, index);
        QFETCH(bool, uploads);
        Rig rig;
        QVERIFY(rig.open(viaReceiver));
        QVERIFY(rig.flush());
        rig.opened->keyboard()->clearLog();

        rig.engine.writeCustomLightColors(mode, index);

        // The frame grid always takes the painted colours.
        QByteArray expected;
        for (int row = 0; row < kRows; ++row) {
            for (int column = 0; column < kColumns; ++column) {
                const bool missing = row == kMissingRow && column == kMissingColumn;
                const QColor colour = missing ? QColor(Qt::black) : paintOf(row, column);
                const lightFrameCell cell = rig.engine.keyFrameCell(row, column);
                QCOMPARE(QColor(cell.red, cell.green, cell.blue), colour);
                QCOMPARE(cell.intensity, 255);
                QCOMPARE(cell.fadeMode, 0);
                QCOMPARE(cell.pressPhase, 0);
                expected += char(colour.red());
                expected += char(colour.green());
                expected += char(colour.blue());
            }
        }

        QVERIFY(rig.flush());
        const QList<SimulatedKeyboard::Report> reports = rig.customReports();
        if (!uploads) {
            QCOMPARE(int(reports.size()), 0);
            return;
        }
        QCOMPARE(int(reports.size()), 8);
        QByteArray received;
        for (int packet = 0; packet < 8; ++packet) {
            const SimulatedKeyboard::Report& report = reports[size_t(packet)];
            QCOMPARE(int(report[2]), lightDealMain::kEngineCustomSlot);
            QCOMPARE(int(report[3]), 0);
            QCOMPARE(int(report[4]), packet);
            const int length = packet < 7 ? 54 : 18;
            QCOMPARE(int(report[5]), length);
            for (int i = 6 + length; i < 64; ++i)
                QCOMPARE(int(report[i]), 0);
            received += bytesOf(report).mid(6, length);
            QCOMPARE(rig.opened->keyboard()->customColours(lightDealMain::kEngineCustomSlot, packet),
                     std::vector<uint8_t>(report.begin() + 6, report.begin() + 6 + length));
        }
        QCOMPARE(received, expected);
        const std::vector<uint8_t> first = rig.opened->keyboard()->customColours(lightDealMain::kEngineCustomSlot, 0);
        QCOMPARE(std::vector<uint8_t>(first.begin(), first.begin() + 3), (std::vector<uint8_t>{255, 0, 0}));
        const std::vector<uint8_t> last = rig.opened->keyboard()->customColours(lightDealMain::kEngineCustomSlot, 7);
        QCOMPARE(std::vector<uint8_t>(last.end() - 3, last.end()), (std::vector<uint8_t>{1, 2, 3}));
        QVERIFY(rig.opened->keyboard()->customColours(0, 0).empty());
    }

    // A keyboard that can no longer take reports: every packet is tried and
    // each failure is logged; without an interface nothing is tried at all.
    void customUploadFailures()
    {
        Rig rig;
        QVERIFY(rig.open(true));
        rig.opened->hid()->closeDevice();
        for (int packet = 0; packet < 8; ++packet)
            QTest::ignoreMessage(QtDebugMsg, "USB serial port [Write custom-Led] Failed ...");
        rig.engine.writeCustomLightColors(0, 1);
        QCOMPARE(rig.engine.keyFrameCell(0, 0).red, 255);

        rig.engine.setHidInterface(nullptr);
        QTest::ignoreMessage(QtDebugMsg, "USB serial port [Write custom-Led] Failed ... no keyboard interface");
        rig.engine.writeCustomLightColors(1, -1);
        QCOMPARE(int(rig.customReports().size()), 0);
    }

    void interactPoint_data()
    {
        QTest::addColumn<int>("is24G");
        QTest::addColumn<bool>("kept");
        QTest::newRow("receiver") << 1 << true;
        QTest::newRow("cable") << 0 << false;
    }
    void interactPoint()
    {
        QFETCH(int, is24G);
        QFETCH(bool, kept);
        lightDealMain engine;
        hidStructInfoAll info;
        info.is24G = is24G;
        engine.setHidDeviceInfo(info);
        QCOMPARE(engine.interactX(), -1);
        QCOMPARE(engine.interactY(), -1);
        engine.setKeyboardColorInfo(record(0, 8, 3));

        engine.setInteractLightsPoint(4, 17);
        QCOMPARE(engine.interactX(), kept ? 4 : -1);
        QCOMPARE(engine.interactY(), kept ? 17 : -1);
        const lightRgbValue ripple = engine.rippleColor();
        const QVector<int> expected = kept ? QVector<int>{12, 34, 56} : QVector<int>{-1, -1, -1};
        QCOMPARE((QVector<int>{ripple.red, ripple.green, ripple.blue}), expected);
    }

    void tickIntervals_data()
    {
        QTest::addColumn<int>("speedMax");
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("keyboardMs");
        QTest::addColumn<int>("sideMs");
        QTest::newRow("max 4, slowest") << 4 << 1 << 28 << 28;
        QTest::newRow("max 4, fastest") << 4 << 5 << 8 << 8;
        QTest::newRow("max 4, speed 3") << 4 << 3 << 16 << 16;
        QTest::newRow("max 9, slowest") << 9 << 1 << 28 << 28;
        QTest::newRow("max 9, speed 6") << 9 << 6 << 17 << 17;
        QTest::newRow("max 9, fastest") << 9 << 10 << 8 << 8;
        QTest::newRow("max 3, fastest") << 3 << 4 << 12 << 22;
        QTest::newRow("max 3, slowest") << 3 << 1 << 28 << 28;
        QTest::newRow("speed past the short table") << 4 << 9 << 8 << 8;
        QTest::newRow("speed past the long table") << 12 << 13 << 8 << 8;
        QTest::newRow("speed 0") << 9 << 0 << 28 << 28;
    }
    void tickIntervals()
    {
        QFETCH(int, speedMax);
        QFETCH(int, speed);
        QFETCH(int, keyboardMs);
        QFETCH(int, sideMs);
        lightDealMain engine;
        QCOMPARE(engine.keyboardTickInterval(), 12);
        QCOMPARE(engine.sideTickInterval(), 15);
        engine.setLightCapability(capability(speedMax), capability(speedMax));
        engine.setKeyboardColorInfo(record(0, 2, speed));
        engine.setSideColorInfo(record(1, 2, speed));
        QCOMPARE(engine.keyboardTickInterval(), keyboardMs);
        QCOMPARE(engine.sideTickInterval(), sideMs);
        // A parameter change of the running effect retimes it the same way.
        engine.keyboardColorInfoChanged(record(0, 2, 1));
        engine.sideColorInfoChanged(record(1, 2, 1));
        QCOMPARE(engine.keyboardTickInterval(), 28);
        QCOMPARE(engine.sideTickInterval(), 28);
    }

    // What the engine keeps of a chosen or changed setting and what reaches
    // the effect generator; without side light the side state stays put.
    void settingsReachTheGenerator_data()
    {
        QTest::addColumn<bool>("sideLight");
        QTest::newRow("with side light") << true;
        QTest::newRow("without side light") << false;
    }
    void settingsReachTheGenerator()
    {
        QFETCH(bool, sideLight);
        LightEffectGenerator& generator = LightEffectGenerator::instance();
        lightDealMain engine;
        hidStructInfoAll info;
        std::strcpy(info.modelName, "OV82");
        engine.setHidDeviceInfo(info);
        engine.setLightCapability(capability(9), capability(4, sideLight));
        QCOMPARE(engine.hasSideLight(), sideLight);

        // A choice restarts the effect; a change keeps its phase.
        runKeyboardFrames(3);
        const colorInfoData chosen = record(0, 7, 4);
        engine.setKeyboardColorInfo(chosen);
        QVERIFY(sameRecord(engine.keyboardColorInfo(), chosen));
        QVERIFY(sameRecord(generator.keyboardRecord(), chosen));
        QCOMPARE(generator.keyboardStep(), 0LL);
        const ModelInfo* model = ModelCatalogue::instance().find(QStringLiteral("OV82"));
        QVERIFY(model);
        QCOMPARE((QVector<int>{generator.keyArea().top, generator.keyArea().bottom, generator.keyArea().left,
                               generator.keyArea().right}),
                 (QVector<int>{model->keyAreaTop, model->keyAreaBottom, model->keyAreaLeft, model->keyAreaRight}));
        QCOMPARE(generator.hasSideLight(), sideLight);
        runKeyboardFrames(3);
        const lightEffectState state = engine.keyboardEffectState();
        QCOMPARE(state.effect, 7);
        QCOMPARE(state.brightness, 3);
        QCOMPARE(state.speedIndex, 3);
        QCOMPARE(QColor(state.topRed, state.topGreen, state.topBlue), QColor(12, 34, 56));
        QCOMPARE(QColor(state.bottomRed, state.bottomGreen, state.bottomBlue), QColor(7, 8, 9));
        QVERIFY(state.isFullColor);

        colorInfoData changed = chosen;
        changed.fullColor = 0;
        changed.ledBrightness = 5;
        engine.keyboardColorInfoChanged(changed);
        QVERIFY(sameRecord(generator.keyboardRecord(), changed));
        QCOMPARE(generator.keyboardStep(), 3LL);
        QVERIFY(!engine.keyboardEffectState().isFullColor);
        QCOMPARE(engine.keyboardEffectState().brightness, 5);
        for (int key = 0; key < kRows * kColumns; ++key)
            QCOMPARE(engine.keyColor(key), QColor(0, 0, 0));

        runSideFrames(2);
        const colorInfoData side = record(1, 3, 2);
        engine.setSideColorInfo(side);
        QVERIFY(sameRecord(engine.sideColorInfo(), side));
        QVERIFY(sameRecord(generator.sideRecord(), side));
        QCOMPARE(generator.sideStep(), 0LL);
        runSideFrames(2);
        QCOMPARE(engine.sideEffectState().effect, sideLight ? 3 : 0);
        QCOMPARE(engine.sideTickInterval(), sideLight ? 24 : 15);

        colorInfoData sideChange = side;
        sideChange.topRed = 200;
        engine.sideColorInfoChanged(sideChange);
        QVERIFY(sameRecord(generator.sideRecord(), sideChange));
        QCOMPARE(generator.sideStep(), 2LL);
        QCOMPARE(engine.sideEffectState().topRed, sideLight ? 200 : 0);
        QCOMPARE(engine.sideColor(0), QColor(0, 0, 0));
    }
};

ORVANE_TEST_MAIN(tst_lightDealMain)
#include "tst_lightDealMain.moc"
