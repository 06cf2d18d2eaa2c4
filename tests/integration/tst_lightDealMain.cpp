// The lighting engine against the simulated keyboard, through a real I/O
// thread: the custom key colours in its frame grid and their upload to a
// keyboard behind the receiver, the key-press point for the receiver frame,
// the tick intervals from the effect speed, and the settings it hands to the
// library's effect generator.
#include "support/TestMain.h"

#include "hid/DLightEffects.h"
#include "hid/MainHidInterFace.h"
#include "sdk/light/LightEffectGenerator.h"
#include "sdk/models/ModelCatalogue.h"
#include "support/OpenedKeyboard.h"
#include "support/ReportBytes.h"
#include "support/ReportSink.h"
#include "support/SimulatorHarness.h"
#include "ui/mainwidget/devicePage/keyboardView/keyboardButCustom.h"
#include "ui/mainwidget/devicePage/lightDeal/lightDealMain.h"
#include "ui/mainwidget/devicePage/lightDeal/sendLightUpdataThread.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QThread>
#include <QWidget>

#include <cstring>
#include <functional>
#include <memory>
#include <vector>

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
constexpr uint8_t kSyncCommand = 0x16;

using ReceiverFrame = SimulatedLighting::ReceiverFrame;
using FrameAction = std::function<void(lightDealMain&)>;
using FrameCheck = std::function<bool(const ReceiverFrame&, const lightDealMain&)>;
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

Q_DECLARE_METATYPE(FrameAction)
Q_DECLARE_METATYPE(FrameCheck)

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

    // Synchronisation on: one 0x16 saying so at once, then a keep-alive
    // every 3000 ms; off: one saying off, and nothing after. Switching twice
    // sends once.
    void synchronisation()
    {
        Rig rig;
        QVERIFY(rig.open(false));
        QVERIFY(rig.flush());
        SimulatedKeyboard& keyboard = *rig.opened->keyboard();
        keyboard.clearLog();
        const auto syncReports = [&] {
            return receivedWhere(keyboard, [](const auto& r) { return r[0] == 0x01 && r[1] == kSyncCommand; });
        };

        QElapsedTimer switchedOn;
        switchedOn.start();
        rig.engine.setLightSynchronize(true);
        rig.engine.setLightSynchronize(true);
        QVERIFY(rig.engine.isLightSynchronizing());
        QVERIFY(rig.flush());
        QCOMPARE(int(syncReports().size()), 1);
        QCOMPARE(int(syncReports()[0][5]), 1);
        QCOMPARE(int(syncReports()[0][6]), 1);
        QVERIFY(keyboard.lighting().isSynchronising());

        QTRY_COMPARE_WITH_TIMEOUT(int(syncReports().size()), 2, 8000);
        QCOMPARE(int(keyboard.lighting().keepAliveTimes().size()), 2);
        // A coarse timer: within 5 % of its interval.
        QVERIFY2(switchedOn.elapsed() >= 2850, qPrintable(QString::number(switchedOn.elapsed())));

        rig.engine.setLightSynchronize(false);
        rig.engine.setLightSynchronize(false);
        QVERIFY(!rig.engine.isLightSynchronizing());
        QVERIFY(rig.flush());
        QCOMPARE(int(syncReports().size()), 3);
        QCOMPARE(int(syncReports()[2][6]), 0);
        QVERIFY(!keyboard.lighting().isSynchronising());
        QTest::qWait(3300);
        QCOMPARE(int(syncReports().size()), 3);
        // The slot keeps its old name; the keyboard hears no key map.
        QCOMPARE(keyboard.receivedCount(0x17), 0);

        // Without a keyboard there is nothing to switch on.
        rig.engine.setHidInterface(nullptr);
        QTest::ignoreMessage(QtDebugMsg, "USB serial port [ Into Light Synchronous ] Failed ... no keyboard interface");
        rig.engine.setLightSynchronize(true);
        QVERIFY(!rig.engine.isLightSynchronizing());
    }

    // A stop followed at once by a start (another keyboard selected, the
    // profile loaded again) leaves synchronisation on: the keyboard hears off
    // and on in that order, and the frames of the moving effect go on.
    void stopThenStartStaysOn()
    {
        Rig rig;
        QVERIFY(rig.open(false));
        rig.engine.setLightCapability(capability(4), capability(4));
        rig.engine.setKeyboardColorInfo(record(0, 2, 3));
        rig.engine.setSideColorInfo(record(1, 2, 3));
        rig.engine.setLightThreadsRunning(true);
        SimulatedKeyboard& keyboard = *rig.opened->keyboard();
        rig.engine.setLightSynchronize(true);
        QTRY_VERIFY_WITH_TIMEOUT(keyboard.lighting().wholeFrames() > 2, 5000);
        keyboard.clearLog();
        constexpr int kRounds = 5;
        for (int round = 0; round < kRounds; ++round) {
            rig.engine.setLightSynchronize(false);
            rig.engine.setLightSynchronize(true);
        }
        QVERIFY(rig.engine.isLightSynchronizing());
        QVERIFY(rig.flush());
        const QList<SimulatedKeyboard::Report> switches
            = receivedWhere(keyboard, [](const auto& r) { return r[0] == 0x01 && r[1] == kSyncCommand; });
        QCOMPARE(int(switches.size()), 2 * kRounds);
        for (int i = 0; i < switches.size(); ++i)
            QCOMPARE(int(switches[i][6]), i % 2);
        QVERIFY(keyboard.lighting().isSynchronising());
        const int frames = keyboard.lighting().wholeFrames();
        QTRY_VERIFY_WITH_TIMEOUT(keyboard.lighting().wholeFrames() > frames + 3, 5000);
        QCOMPARE(keyboard.lighting().cutFrames(), 0);
        rig.engine.setLightSynchronize(false);
    }

    // A changed setting makes its frame at once and the I/O thread writes it
    // at its next write slot: the keyboard gets it while the GUI thread runs
    // no event, so no beat (queued to the GUI thread) can have sent it. With
    // a frame still draining, the newest change goes right after it. Frames
    // that cannot change without a setting (Static keys and side bar) stop
    // the beat and are not sent again.
    void changedFrameGoesAtTheNextWriteSlot_data()
    {
        QTest::addColumn<int>("changes");
        QTest::newRow("stream idle") << 1;
        QTest::newRow("a frame draining") << 3;
    }
    void changedFrameGoesAtTheNextWriteSlot()
    {
        QFETCH(int, changes);
        Rig rig;
        QVERIFY(rig.open(false));
        rig.engine.setLightCapability(capability(4), capability(4));
        colorInfoData keys = record(0, DLightEffects::kStatic, 3);
        rig.engine.setKeyboardColorInfo(keys);
        rig.engine.setSideColorInfo(record(1, DLightEffects::kStatic, 3));
        rig.engine.setLightThreadsRunning(true);
        rig.engine.setLightSynchronize(true);
        SimulatedKeyboard& keyboard = *rig.opened->keyboard();
        QTRY_VERIFY(keyboard.lighting().wholeFrames() >= 1);
        auto* beat = rig.engine.findChild<sendLightUpdataThread*>();
        QVERIFY(beat);
        QVERIFY(!beat->running());
        QTest::qWait(100);
        const int frames = keyboard.lighting().wholeFrames();
        QTest::qWait(100);
        QCOMPARE(keyboard.lighting().wholeFrames(), frames);
        const std::vector<uint8_t> shownBefore = keyboard.lighting().lastFrameKeys();

        for (int change = 1; change <= changes; ++change) {
            keys.topRed = 60 * change;
            keys.topBlue = 200 - 50 * change;
            rig.engine.keyboardColorInfoChanged(keys);
        }
        std::vector<uint8_t> expected;
        for (int key = 0; key < DKeyGrid::kKeyCount; ++key) {
            const QColor colour = rig.engine.keyColor(key);
            expected.insert(expected.end(), {uint8_t(colour.red()), uint8_t(colour.green()), uint8_t(colour.blue())});
        }
        QVERIFY(expected != shownBefore);
        // Waited for with the event loop still, a millisecond at a time.
        QElapsedTimer patience;
        patience.start();
        while (keyboard.lighting().lastFrameKeys() != expected && patience.elapsed() < 20000)
            QThread::msleep(1);
        QCOMPARE(keyboard.lighting().lastFrameKeys(), expected);
        QCOMPARE(keyboard.lighting().cutFrames(), 0);
        QVERIFY2(keyboard.lighting().wholeFrames() <= frames + changes,
                 qPrintable(QStringLiteral("%1 frames for %2 changes").arg(keyboard.lighting().wholeFrames() - frames).arg(changes)));
        QVERIFY(!beat->running());
        rig.engine.setLightSynchronize(false);
    }

    // Behind the receiver: one compact frame per stream tick on the command
    // queue, with what the effect needs.
    void receiverFrames_data()
    {
        QTest::addColumn<bool>("sideLight");
        QTest::addColumn<int>("keyboardEffect");
        QTest::addColumn<int>("sideEffect");
        QTest::addColumn<FrameAction>("action");
        QTest::addColumn<FrameCheck>("check");
        const FrameAction none = [](lightDealMain&) {};
        QTest::newRow("Static: the first key's colour") << true << 0 << 2 << FrameAction([](lightDealMain& engine) {
            std::vector<lightFrameCell> frame(size_t(kRows * kColumns),
                                              lightFrameCell{90, 80, 70, 0, 0, 0, 255, 0, 0, 0, 0});
            engine.onKeyboardFrame(frame.data());
        }) << FrameCheck([](const ReceiverFrame& f, const lightDealMain& engine) {
            const QColor first = engine.keyColor(0);
            return f.keyColour
                       == std::array<uint8_t, 3>{uint8_t(first.red()), uint8_t(first.green()), uint8_t(first.blue())}
                   && first.red() > 0;
        });
        QTest::newRow("Speed Respond: the highest level") << true << 12 << 2 << FrameAction([](lightDealMain& engine) {
            std::vector<lightFrameCell> frame(size_t(kRows * kColumns), lightFrameCell{});
            frame[0] = lightFrameCell{1, 1, 1, 0, 0, 0, 40, 0, 0, 2, 0};
            frame[2 * kColumns] = lightFrameCell{1, 1, 1, 0, 0, 0, 90, 0, 0, 5, 0};
            frame[4 * kColumns] = lightFrameCell{1, 1, 1, 0, 0, 0, 120, 0, 0, 5, 0};
            engine.onKeyboardFrame(frame.data());
        }) << FrameCheck([](const ReceiverFrame& f, const lightDealMain&) {
            return f.speedLevel == 5 && f.speedIntensity == 120;
        });
        // The ripple's settings go once the frame flags a new ripple; the
        // library is asked when the frame is sent.
        QTest::newRow("Auto Ripple: the ripple's settings")
            << true << 14 << 2 << FrameAction([](lightDealMain& engine) {
                   std::vector<lightFrameCell> frame(size_t(kRows * kColumns), lightFrameCell{});
                   frame[0].autoRippleFlag = 1;
                   engine.onKeyboardFrame(frame.data());
               })
            << FrameCheck([](const ReceiverFrame& f, const lightDealMain&) {
                   const autoRippleLightConfig config = COrvaneHid_GetCurrentAutoRippleLightConfig();
                   for (size_t i = 0; i < f.autoRipple.size(); ++i)
                       if (f.autoRipple[i] != uint8_t(config.values[i]))
                           return false;
                   return true;
               });
        QTest::newRow("Auto Ripple without a new ripple: no data")
            << true << 14 << 2 << FrameAction([](lightDealMain& engine) {
                   std::vector<lightFrameCell> frame(size_t(kRows * kColumns),
                                                     lightFrameCell{1, 1, 1, 0, 0, 0, 200, 0, 0, 3, 0});
                   engine.onKeyboardFrame(frame.data());
               })
            << FrameCheck([](const ReceiverFrame& f, const lightDealMain&) {
                   return f.autoRipple == decltype(f.autoRipple){} && f.bytes[5] == 0;
               });
        QTest::newRow("Speed Respond before its first frame: no level")
            << true << 12 << 2 << none << FrameCheck([](const ReceiverFrame& f, const lightDealMain&) {
                   return f.speedLevel == 0 && f.speedIntensity == 0;
               });
        QTest::newRow("Musical Rhythm before its first frame: no bars")
            << true << 100 << 2 << none << FrameCheck([](const ReceiverFrame& f, const lightDealMain&) {
                   return f.keyboardEffect == 100 && f.musicLevels == decltype(f.musicLevels){}
                          && f.musicIntensities == decltype(f.musicIntensities){};
               });
        QTest::newRow("side Wave with side light")
            << true << 2 << 2 << none << FrameCheck([](const ReceiverFrame& f, const lightDealMain&) {
                   return f.sideEffect == 2 && f.bytes[34] == 2 && f.collision == decltype(f.collision){};
               });
        QTest::newRow("no side light: no side effect")
            << false << 2 << 3 << none
            << FrameCheck([](const ReceiverFrame& f, const lightDealMain&) { return f.bytes[34] == 0; });
    }
    void receiverFrames()
    {
        QFETCH(bool, sideLight);
        QFETCH(int, keyboardEffect);
        QFETCH(int, sideEffect);
        QFETCH(FrameAction, action);
        QFETCH(FrameCheck, check);
        Rig rig;
        QVERIFY(rig.open(true));
        rig.engine.setLightCapability(capability(4), capability(4, sideLight));
        rig.engine.setKeyboardColorInfo(record(0, keyboardEffect, 3));
        rig.engine.setSideColorInfo(record(1, sideEffect, 3));
        action(rig.engine);
        rig.engine.setLightSynchronize(true);
        SimulatedKeyboard& keyboard = *rig.opened->keyboard();
        QTRY_VERIFY_WITH_TIMEOUT(keyboard.lighting().receiverFrames().size() >= 3, 5000);
        rig.engine.setLightSynchronize(false);
        const qint64 now = QDateTime::currentMSecsSinceEpoch();
        for (const ReceiverFrame& frame : keyboard.lighting().receiverFrames()) {
            QCOMPARE(int(frame.keyboardEffect), keyboardEffect);
            QCOMPARE(frame.strayBytes, 0);
            QVERIFY(check(frame, rig.engine));
            // The stamp is the time of sending, modulo 65536.
            const int age = int((now - frame.stamp) % 65536);
            QVERIFY2(age >= 0 && age < 5000, qPrintable(QString::number(age)));
        }
        QCOMPARE(keyboard.receivedCount(0x0E), 0);
    }

    // A key press of a key-press effect goes in the next compact frame, once.
    void receiverKeyPressSentOnce()
    {
        Rig rig;
        QVERIFY(rig.open(true));
        rig.engine.setLightCapability(capability(4), capability(4));
        rig.engine.setKeyboardColorInfo(record(0, 6, 3));
        rig.engine.setLightSynchronize(true);
        SimulatedKeyboard& keyboard = *rig.opened->keyboard();
        QTRY_VERIFY_WITH_TIMEOUT(keyboard.lighting().receiverFrames().size() >= 2, 5000);
        // As the key capture hands a press on: the generator first, then
        // the engine, which takes the generator's colour for that press. In
        // full colour it is the press's own hue, not the top colour.
        COrvaneHid_keyClickedSendXY(3, 7);
        const lightRgbValue generated = COrvaneHid_GetCurrentRippleLightColor();
        QVERIFY(QColor(generated.red, generated.green, generated.blue) != QColor(12, 34, 56));
        rig.engine.setInteractLightsPoint(3, 7);
        const lightRgbValue ripple = rig.engine.rippleColor();
        QCOMPARE(QColor(ripple.red, ripple.green, ripple.blue), QColor(generated.red, generated.green, generated.blue));
        const size_t before = keyboard.lighting().receiverFrames().size();
        QTRY_VERIFY_WITH_TIMEOUT(keyboard.lighting().receiverFrames().size() >= before + 3, 5000);
        rig.engine.setLightSynchronize(false);
        int presses = 0;
        const std::vector<ReceiverFrame> frames = keyboard.lighting().receiverFrames();
        for (size_t i = 0; i < frames.size(); ++i) {
            if (!frames[i].keyPress)
                continue;
            ++presses;
            QCOMPARE(int(frames[i].pressX), 3);
            QCOMPARE(int(frames[i].pressY), 7);
            QCOMPARE(frames[i].pressColour,
                     (std::array<uint8_t, 3>{uint8_t(ripple.red), uint8_t(ripple.green), uint8_t(ripple.blue)}));
            QVERIFY(i + 1 < frames.size());
            QVERIFY(!frames[i + 1].keyPress);
        }
        QCOMPARE(presses, 1);
        QCOMPARE(rig.engine.interactX(), -1);
    }

    // Auto Ripple behind the receiver: a frame whose keyboard frame started
    // a ripple carries the ripple's key and colour as the generator reports
    // them; the others carry nothing.
    void receiverAutoRippleCarriesItsConfig()
    {
        Rig rig;
        QVERIFY(rig.open(true));
        rig.engine.setLightCapability(capability(4), capability(4));
        colorInfoData info = record(0, 14, 1); // the slowest tick: a ripple per 54 x 28 ms
        info.fullColor = 0;
        rig.engine.setKeyboardColorInfo(info);
        rig.engine.setLightThreadsRunning(true);
        rig.engine.setLightSynchronize(true);
        SimulatedKeyboard& keyboard = *rig.opened->keyboard();
        auto carrying = [&] {
            std::vector<ReceiverFrame> frames;
            for (const ReceiverFrame& f : keyboard.lighting().receiverFrames()) {
                if (f.autoRipple != std::array<uint8_t, 5>{})
                    frames.push_back(f);
            }
            return frames;
        };
        QTRY_VERIFY_WITH_TIMEOUT(!carrying().empty() && keyboard.lighting().receiverFrames().size() >= 10, 20000);
        // Stopped well inside the 1.5 s before the next ripple.
        rig.engine.setLightSynchronize(false);
        rig.engine.setLightThreadsRunning(false);
        const ModelInfo* model = ModelCatalogue::instance().find(QStringLiteral("OV84W"));
        QVERIFY(model);
        const std::vector<ReceiverFrame> frames = carrying();
        for (const ReceiverFrame& f : frames) {
            QCOMPARE(int(f.keyboardEffect), 14);
            QCOMPARE(f.strayBytes, 0);
            QVERIFY(f.autoRipple[0] >= model->keyAreaTop && f.autoRipple[0] <= model->keyAreaBottom);
            QVERIFY(f.autoRipple[1] >= model->keyAreaLeft && f.autoRipple[1] <= model->keyAreaRight);
            QCOMPARE(QColor(f.autoRipple[2], f.autoRipple[3], f.autoRipple[4]), QColor(12, 34, 56));
        }
        const size_t all = keyboard.lighting().receiverFrames().size();
        QVERIFY2(frames.size() * 4 < all, qPrintable(QStringLiteral("%1 of %2").arg(frames.size()).arg(all)));
        const autoRippleLightConfig config = COrvaneHid_GetCurrentAutoRippleLightConfig();
        for (int i = 0; i < 5; ++i)
            QCOMPARE(int(frames.back().autoRipple[size_t(i)]), config.values[i]);
    }

    // Musical Rhythm (100) switches the sound capture on and blanks the
    // preview for the bars; any other effect, chosen or changed, switches
    // it off and blanks the preview once more.
    void musicSwitch_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<bool>("changed");
        QTest::addColumn<int>("effect");
        QTest::addColumn<bool>("captureOn");
        QTest::addColumn<bool>("blanked");
        QTest::newRow("Musical Rhythm chosen") << 0 << false << 100 << true << true;
        QTest::newRow("another effect chosen after it") << 100 << false << 2 << false << true;
        QTest::newRow("another effect's setting changed after it") << 100 << true << 3 << false << true;
        QTest::newRow("another effect without the capture") << 0 << false << 2 << false << false;
    }
    void musicSwitch()
    {
        QFETCH(int, before);
        QFETCH(bool, changed);
        QFETCH(int, effect);
        QFETCH(bool, captureOn);
        QFETCH(bool, blanked);
        lightDealMain engine;
        engine.setLightCapability(capability(4), capability(4));
        engine.setKeyboardColorInfo(record(0, before, 3));
        QCOMPARE(engine.isMusicCaptureRunning(), before == 100);
        // A lit preview to see whether it is blanked.
        std::vector<lightFrameCell> frame(size_t(kRows * kColumns), lightFrameCell{9, 8, 7, 0, 0, 0, 255, 0, 0, 0, 0});
        if (before != 100) {
            engine.onKeyboardFrame(frame.data());
            QCOMPARE(engine.keyColor(0).alpha(), 180);
        }

        if (changed)
            engine.keyboardColorInfoChanged(record(0, effect, 3));
        else
            engine.setKeyboardColorInfo(record(0, effect, 3));
        QCOMPARE(engine.isMusicCaptureRunning(), captureOn);
        QCOMPARE(engine.isMusicRunning(), effect == 100);
        for (int key = 0; key < kRows * kColumns; ++key) {
            const QColor colour = engine.keyColor(key);
            QCOMPARE(colour == QColor(0, 0, 0, 128), blanked);
        }
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
