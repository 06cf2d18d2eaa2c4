// The music effect through the lighting engine's real slots, fed by the
// synthetic sound output: which band a tone reaches and how high, when the
// analysis runs, the capture switch, and following the default output.
#include "platform/fake/SyntheticLoopbackSource.h"
#include "support/MusicEngine.h"
#include "support/OpenedKeyboard.h"
#include "support/SimulatorHarness.h"
#include "support/TestMain.h"
#include "ui/mainwidget/devicePage/lightDeal/lightDealMain.h"

#include <QTimer>

#include <cstring>
#include <memory>

using namespace MusicEngine;

namespace {

constexpr int kRows = DKeyGrid::kRows;
constexpr int kColumns = DKeyGrid::kColumns;
constexpr int kMusicEffect = kEffect;
const double kBand5Tone = binFrequency(44);

// The engine on a synthetic sound output of the test's own; the output is
// installed before the engine makes its capture.
struct MusicRig
{
    MusicRig() { setUp(engine); }
    ~MusicRig() { SoundLoopback::install(std::make_shared<SyntheticSoundLoopback>()); }

    SyntheticLoopbackSource* source() const { return loopback->lastSource(); }
    SyntheticSound& sound() const { return *loopback->sound(); }

    std::shared_ptr<SyntheticSoundLoopback> loopback = [] {
        auto made = std::make_shared<SyntheticSoundLoopback>();
        SoundLoopback::install(made);
        return made;
    }();
    lightDealMain engine;
};
} // namespace

Q_DECLARE_METATYPE(QList<int>)

class tst_musicEffect : public QObject
{
    Q_OBJECT

private slots:
    // 10 ms packets of 1764 bytes: the tenth is the first to find more than
    // 16384 bytes waiting, and brings the first analysis.
    void toneReachesItsBand_data()
    {
        QTest::addColumn<double>("amplitude");
        QTest::addColumn<QList<int>>("levels");
        QTest::newRow("0.25 of full scale: the top level") << 0.25 << onlyBand(5, 5);
        QTest::newRow("0.01 of full scale: level 2") << 0.01 << onlyBand(5, 2);
        QTest::newRow("silence") << 0.0 << filled(kBands, 0);
    }
    void toneReachesItsBand()
    {
        QFETCH(double, amplitude);
        QFETCH(QList<int>, levels);
        MusicRig rig;
        rig.sound().setTone(kBand5Tone, amplitude);
        rig.engine.setKeyboardColorInfo(setting(kMusicEffect));
        QVERIFY(rig.engine.isMusicCaptureRunning());
        QVERIFY(rig.source()->isRunning());
        // Bars of another sound, to see the analysis replace them.
        rig.source()->deliverPackets(9);
        QCOMPARE(bandLevels(rig.engine), filled(kBands, 0));
        rig.source()->deliverPackets(1);
        QCOMPARE(bandLevels(rig.engine), levels);
        // Both columns of the band and the rows up to the level.
        for (int band = 0; band < kBands; ++band) {
            for (int c = band * kColumnsPerBand; c < (band + 1) * kColumnsPerBand; ++c) {
                for (int row = 0; row < kRows; ++row) {
                    // Level 0 lights the bottom row too, with a level word that keeps it dark.
                    const bool lit = kRows - 1 - row <= levels[band];
                    QCOMPARE(rig.engine.keyFrameCell(row, c).intensity, lit ? 255 : 0);
                }
            }
        }
    }

    // After an analysis only every tenth arrival that finds a full block
    // waiting is analysed, from the oldest bytes.
    void oneAnalysisInTen()
    {
        MusicRig rig;
        rig.sound().setTone(kBand5Tone, 0.25);
        rig.engine.setKeyboardColorInfo(setting(kMusicEffect));
        rig.source()->deliverPackets(10);
        QCOMPARE(bandLevels(rig.engine), onlyBand(5, 5));
        rig.sound().setSilence();
        // Packets 20 to 28 find the block full but are not analysed.
        rig.source()->deliverPackets(18);
        QCOMPARE(bandLevels(rig.engine), onlyBand(5, 5));
        rig.source()->deliverPackets(1);
        QCOMPARE(bandLevels(rig.engine), filled(kBands, 0));
        // And so on, one in ten.
        rig.sound().setTone(14 * 44100 / 4096.0, 0.25); // bin 14: band 1
        rig.source()->deliverPackets(18);
        QCOMPARE(bandLevels(rig.engine), filled(kBands, 0));
        rig.source()->deliverPackets(1);
        QCOMPARE(bandLevels(rig.engine), onlyBand(1, 5));
    }

    // Another effect stops the capture and blanks the preview; bytes that
    // still arrive are not analysed. Musical Rhythm again starts it anew.
    void switchingOff()
    {
        MusicRig rig;
        rig.sound().setTone(kBand5Tone, 0.25);
        rig.engine.setKeyboardColorInfo(setting(kMusicEffect));
        rig.source()->deliverPackets(5);
        rig.engine.setKeyboardColorInfo(setting(2));
        QVERIFY(!rig.engine.isMusicCaptureRunning());
        QVERIFY(!rig.source()->isRunning());
        for (int key = 0; key < kRows * kColumns; ++key)
            QCOMPARE(rig.engine.keyColor(key), QColor(0, 0, 0, 128));
        rig.engine.setKeyboardColorInfo(setting(kMusicEffect));
        QVERIFY(rig.engine.isMusicCaptureRunning());
        QCOMPARE(rig.source()->startCount(), 2);
        // The five packets from before wait in the buffer: five more
        // complete the first block.
        rig.source()->deliverPackets(5);
        QCOMPARE(bandLevels(rig.engine), onlyBand(5, 5));
    }

    // Without a sound server the capture does not start and the effect
    // shows no bars.
    void noSoundServer()
    {
        MusicRig rig;
        rig.sound().setStartFails(true);
        rig.engine.setKeyboardColorInfo(setting(kMusicEffect));
        QVERIFY(rig.engine.isMusicRunning());
        QVERIFY(!rig.engine.isMusicCaptureRunning());
        QVERIFY(!rig.source()->isRunning());
        rig.source()->deliverPackets(20);
        QCOMPARE(bandLevels(rig.engine), filled(kBands, 0));
    }

    // The sound server goes away while the effect is chosen: the bars drop
    // instead of freezing, the capture is tried again until the server is
    // back, and then the bars follow the sound again. Choosing another
    // effect ends the tries and the output watch with it.
    void followsTheServerAway()
    {
        MusicRig rig;
        auto* retry = rig.engine.findChild<QTimer*>(QStringLiteral("musicCaptureRetry"));
        auto* watch = rig.engine.findChild<QTimer*>(QStringLiteral("musicOutputWatch"));
        QVERIFY(retry && watch);
        rig.sound().setTone(kBand5Tone, 0.25);
        rig.engine.setKeyboardColorInfo(setting(kMusicEffect));
        rig.source()->deliverPackets(10);
        QCOMPARE(bandLevels(rig.engine), onlyBand(5, 5));

        rig.sound().setStartFails(true);
        rig.source()->interrupt();
        QCOMPARE(bandLevels(rig.engine), filled(kBands, 0));
        QVERIFY(rig.engine.isMusicRunning());
        QVERIFY(!rig.engine.isMusicCaptureRunning());
        QVERIFY(retry->isActive());
        const int starts = rig.source()->startCount();

        rig.sound().setStartFails(false);
        QTRY_VERIFY_WITH_TIMEOUT(rig.engine.isMusicCaptureRunning(), 10000);
        QCOMPARE(rig.source()->startCount(), starts + 1);
        rig.sound().setTone(binFrequency(14), 0.25);
        rig.source()->deliverPackets(10);
        QCOMPARE(bandLevels(rig.engine), onlyBand(1, 5));

        // Away again, and the effect is left while the tries go on.
        rig.sound().setStartFails(true);
        rig.source()->interrupt();
        QVERIFY(retry->isActive());
        rig.engine.setKeyboardColorInfo(setting(2));
        QVERIFY(!retry->isActive());
        QVERIFY(!watch->isActive());
    }

    // Stopping the lighting lets the sound server go, with the effect's
    // timers; the effect chosen meanwhile does not start the capture, and
    // starting the lighting again starts it anew.
    void stoppingTheLightingStopsTheCapture()
    {
        MusicRig rig;
        rig.sound().setTone(kBand5Tone, 0.25);
        rig.engine.setKeyboardColorInfo(setting(kMusicEffect));
        rig.engine.setLightThreadsRunning(true);
        QVERIFY(rig.engine.isMusicCaptureRunning());
        QCOMPARE(rig.source()->startCount(), 1);

        rig.engine.setLightThreadsRunning(false);
        QVERIFY(!rig.engine.isMusicCaptureRunning());
        QVERIFY(!rig.source()->isRunning());
        for (const char* name : {"musicCaptureRetry", "musicOutputWatch"}) {
            auto* timer = rig.engine.findChild<QTimer*>(QString::fromLatin1(name));
            QVERIFY(timer);
            QVERIFY2(!timer->isActive(), name);
        }
        rig.engine.setKeyboardColorInfo(setting(kMusicEffect));
        QVERIFY(!rig.source()->isRunning());
        QCOMPARE(rig.source()->startCount(), 1);

        rig.engine.setLightThreadsRunning(true);
        QVERIFY(rig.engine.isMusicCaptureRunning());
        QCOMPARE(rig.source()->startCount(), 2);
        rig.source()->deliverPackets(10);
        QCOMPARE(bandLevels(rig.engine), onlyBand(5, 5));
        rig.engine.setLightThreadsRunning(false);
    }

    // A capture that never started leaves no timer behind once the effect
    // is left.
    void noTimerOutlivesTheEffect()
    {
        MusicRig rig;
        rig.sound().setStartFails(true);
        rig.engine.setKeyboardColorInfo(setting(kMusicEffect));
        rig.engine.setKeyboardColorInfo(setting(2));
        for (const char* name : {"musicCaptureRetry", "musicOutputWatch"}) {
            auto* timer = rig.engine.findChild<QTimer*>(QString::fromLatin1(name));
            QVERIFY(timer);
            QVERIFY2(!timer->isActive(), name);
        }
    }

    // The bars reach the preview on the engine's own ticks: the lit cells
    // in the top colour, the rest in the bottom colour at alpha 180.
    void previewShowsBars()
    {
        MusicRig rig;
        rig.sound().setTone(kBand5Tone, 0.25);
        rig.engine.setKeyboardColorInfo(setting(kMusicEffect));
        rig.source()->deliverPackets(10);
        rig.engine.setLightThreadsRunning(true);
        const int lit = (kRows - 1) * kColumns + 5 * kColumnsPerBand;
        const int dark = (kRows - 1) * kColumns;
        QTRY_VERIFY_WITH_TIMEOUT(rig.engine.keyColor(lit).alpha() == 180, 10000);
        QCOMPARE(rig.engine.keyColor(dark), QColor(0, 0, 39, 180));
        QCOMPARE(rig.engine.keyColor(lit), QColor(199, 99, 0, 180));
        rig.engine.setLightThreadsRunning(false);
    }

    // Behind a receiver the compact frames carry, per band, the level and
    // the intensity of the top cell of its last column: band 5 at level 5,
    // its top cell falling from one frame to the next, the others dark.
    void receiverFramesCarryTheBars()
    {
        SimulatorHarness sim;
        OpenedKeyboard opened(sim, "OV84W", 0, true, true);
        QVERIFY(opened.isOpen());
        MusicRig rig;
        hidStructInfoAll info;
        std::strcpy(info.modelName, "OV84W");
        info.isOnline = 1;
        info.is24G = 1;
        rig.engine.setHidDeviceInfo(info);
        rig.engine.setHidInterface(opened.hid());
        rig.sound().setTone(kBand5Tone, 0.25);
        rig.engine.setKeyboardColorInfo(setting(kMusicEffect));
        rig.source()->deliverPackets(10);
        rig.engine.setLightThreadsRunning(true);
        rig.engine.setLightSynchronize(true);
        const SimulatedKeyboard& keyboard = *opened.keyboard();
        const auto falling = [&keyboard] {
            int shown = 0;
            for (const auto& frame : keyboard.lighting().receiverFrames())
                shown += frame.musicLevels[5] == 5 && frame.musicIntensities[5] > 0 && frame.musicIntensities[5] < 255;
            return shown;
        };
        QTRY_VERIFY_WITH_TIMEOUT(falling() >= 3, 10000);
        rig.engine.setLightSynchronize(false);
        rig.engine.setLightThreadsRunning(false);
        bool barsSeen = false;
        int lastIntensity = 255;
        for (const auto& frame : keyboard.lighting().receiverFrames()) {
            QCOMPARE(int(frame.keyboardEffect), kMusicEffect);
            QCOMPARE(frame.strayBytes, 0);
            // Before the first music frame no bars at all.
            if (!barsSeen && frame.musicLevels[5] == 0) {
                QCOMPARE(frame.musicIntensities[5], uint8_t(0));
                continue;
            }
            barsSeen = true;
            for (int band = 0; band < kBands; ++band) {
                QCOMPARE(int(frame.musicLevels[size_t(band)]), band == 5 ? 5 : 0);
                if (band != 5)
                    QCOMPARE(int(frame.musicIntensities[size_t(band)]), 0);
            }
            QVERIFY(frame.musicIntensities[5] <= lastIntensity);
            lastIntensity = frame.musicIntensities[5];
        }
        QVERIFY(barsSeen);
    }

    // The watch follows the default output: a new name restarts the
    // capture, an undecodable one and the same one again do not.
    void followsTheDefaultOutput()
    {
        MusicRig rig;
        rig.sound().setOutputName(QStringLiteral("Speakers"));
        rig.engine.setKeyboardColorInfo(setting(kMusicEffect));
        // The first tick only remembers the name.
        QTest::qWait(2500);
        QCOMPARE(rig.source()->startCount(), 1);
        rig.sound().setOutputName(QStringLiteral("\uFFFD?"));
        QTest::qWait(1500);
        QCOMPARE(rig.source()->startCount(), 1);
        rig.sound().setOutputName(QStringLiteral("Headphones"));
        QTRY_COMPARE_WITH_TIMEOUT(rig.source()->startCount(), 2, 10000);
        QTest::qWait(2500);
        QCOMPARE(rig.source()->startCount(), 2);
        QVERIFY(rig.engine.isMusicCaptureRunning());
    }
};

ORVANE_TEST_MAIN(tst_musicEffect)
#include "tst_musicEffect.moc"
