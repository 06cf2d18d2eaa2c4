// The light stream from a selected keyboard's device page to the simulated
// keyboard, through the real I/O thread: whole frames over the cable for
// every side-bar length, frames dropped but never cut when commands crowd
// the queue and the GUI thread stalls, compact frames behind the receiver,
// and synchronisation following the selection and the window's close.
#include "support/ApplicationSetUp.h"
#include "support/DevicePageProbe.h"
#include "support/LightSettings.h"
#include "support/LoadedDevicePage.h"
#include "support/TestMain.h"

#include "hid/MainHidInterFace.h"
#include "hid/reports/DReportFrame.h"
#include "sdk/models/ModelCatalogue.h"
#include "sim/SimulatedKeyboard.h"
#include "support/SimulatorHarness.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDeviceListItem.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/lightDeal/lightDealMain.h"
#include "ui/mainwidget/devicePage/lightsConfig/DLightsConfigPage.h"

#include <memory>

namespace {

constexpr int kLoadTimeoutMs = 20000;
constexpr int kWave = 2;
constexpr int kStreamSeconds = 5;

void chooseFastestWave(const DDevicePage& page)
{
    DLightsConfigPage* lights = DevicePageProbe(page).lightsConfigPage();
    emit lights->sigSelectCurrentLightTypeIndex_KB(kWave, fastestWaveSetting(0));
    emit lights->sigSelectCurrentLightTypeIndex_Side(kWave, fastestWaveSetting(1));
}

// The light-synchronisation reports a keyboard got, byte 6 of each.
QList<int> syncSwitches(const SimulatedKeyboard& keyboard)
{
    QList<int> switches;
    for (const auto& logged : keyboard.receivedReports())
        if (logged.bytes[1] == 0x16)
            switches.append(logged.bytes[6]);
    return switches;
}

} // namespace

class tst_lightStream : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplicationTest(); }

    void usbFrames_data()
    {
        QTest::addColumn<QByteArray>("model");
        QTest::addColumn<int>("sideLeds");
        QTest::newRow("33 side LEDs") << QByteArray("OV82M") << 33;
        QTest::newRow("45 side LEDs") << QByteArray("OV68M") << 45;
        QTest::newRow("50 side LEDs") << QByteArray("OV98") << 50;
        QTest::newRow("51 side LEDs") << QByteArray("OV98M") << 51;
        QTest::newRow("no side light") << QByteArray("OV61M") << 33;
    }
    void usbFrames()
    {
        QFETCH(QByteArray, model);
        QFETCH(int, sideLeds);
        SimulatorHarness sim;
        const auto keyboard = sim.plug(model.constData());
        QVERIFY(keyboard);
        std::unique_ptr<DDevicePage> page = loadedDevicePage(kLoadTimeoutMs);
        QVERIFY(page);
        chooseFastestWave(*page);
        QTest::qWait(200);
        keyboard->clearLog();
        const int framesBefore = keyboard->lighting().wholeFrames();
        QTest::qWait(kStreamSeconds * 1000);

        const SimulatedLighting lighting = keyboard->lighting();
        QCOMPARE(lighting.streamSideLeds(), sideLeds);
        QCOMPARE(lighting.cutFrames(), 0);
        const int frames = lighting.wholeFrames() - framesBefore;
        // One frame per 30 ms stream tick; a busy test machine may lose some.
        QVERIFY2(frames > 20 * kStreamSeconds && frames <= 34 * kStreamSeconds, qPrintable(QString::number(frames)));
        QCOMPARE(int(lighting.lastFrameSide().size()), 3 * sideLeds);
        QCOMPARE(int(lighting.lastFrameKeys().size()), 3 * 132);
        QCOMPARE(keyboard->receivedCount(0x17), 0);
        QVERIFY(lighting.isSynchronising());
    }

    // Commands go first and a stalled GUI thread holds the stream up: frames
    // may be lost then, never cut.
    void crowdedQueueDropsWholeFrames()
    {
        SimulatorHarness sim;
        const auto keyboard = sim.plug("OV68M");
        std::unique_ptr<DDevicePage> page = loadedDevicePage(kLoadTimeoutMs);
        QVERIFY(page);
        chooseFastestWave(*page);
        MainHidInterFace* hid = DevicePageProbe(*page).selectedInterface();
        QVERIFY(hid);
        QTRY_VERIFY_WITH_TIMEOUT(keyboard->lighting().wholeFrames() > 5, 5000);
        for (int round = 0; round < 3; ++round) {
            for (int i = 0; i < 40; ++i)
                hid->queueCmdReport(DReportFrame(0x13, 0x02));
            QThread::msleep(300);
            QTest::qWait(200);
        }
        const int frames = keyboard->lighting().wholeFrames();
        QTRY_VERIFY_WITH_TIMEOUT(keyboard->lighting().wholeFrames() > frames + 5, 5000);
        QCOMPARE(keyboard->lighting().cutFrames(), 0);
    }

    // Behind the receiver: one compact frame per stream tick.
    void receiverFrames()
    {
        SimulatorHarness sim;
        const auto keyboard = sim.plug("OV84W", true);
        std::unique_ptr<DDevicePage> page = loadedDevicePage(kLoadTimeoutMs);
        QVERIFY(page);
        keyboard->sendStateReport();
        QTRY_VERIFY_WITH_TIMEOUT(DevicePageProbe(*page).selectedLink() != nullptr, kLoadTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(!keyboard->lighting().receiverFrames().empty(), 5000);
        // After the keyboard has told its own light settings.
        QTest::qWait(300);
        chooseFastestWave(*page);
        QTest::qWait(100);
        const size_t before = keyboard->lighting().receiverFrames().size();
        QTest::qWait(2000);
        const std::vector<SimulatedLighting::ReceiverFrame> frames = keyboard->lighting().receiverFrames();
        const int count = int(frames.size() - before);
        QVERIFY2(count > 40 && count <= 68, qPrintable(QString::number(count)));
        QCOMPARE(int(frames.back().keyboardEffect), kWave);
        QCOMPARE(int(frames.back().sideEffect), kWave);
        QCOMPARE(frames.back().strayBytes, 0);
        QCOMPARE(keyboard->receivedCount(0x0E), 0);
        QVERIFY(keyboard->lighting().isSynchronising());
    }

    // The window closes: the keyboard hears synchronisation off once, and no
    // frame follows.
    void windowCloseSwitchesOff()
    {
        SimulatorHarness sim;
        const auto keyboard = sim.plug("OV68M");
        DMainWidget window(sim.newDeviceChangeSource());
        window.show();
        QTRY_VERIFY_WITH_TIMEOUT(keyboard->lighting().wholeFrames() > 2, kLoadTimeoutMs);
        QVERIFY(!syncSwitches(*keyboard).contains(0));

        QVERIFY(window.close());
        QTRY_VERIFY_WITH_TIMEOUT(syncSwitches(*keyboard).endsWith(0), 5000);
        QCOMPARE(syncSwitches(*keyboard).count(0), 1);
        QVERIFY(!keyboard->lighting().isSynchronising());
        // A frame already on its way drains; nothing starts after it.
        QTest::qWait(100);
        const int frames = keyboard->lighting().wholeFrames();
        QTest::qWait(400);
        QCOMPARE(keyboard->lighting().wholeFrames(), frames);
        QCOMPARE(keyboard->lighting().cutFrames(), 0);
        QCOMPARE(syncSwitches(*keyboard).count(0), 1);
        QVERIFY(!keyboard->lighting().isSynchronising());
    }

    // Another keyboard selected: the old one is switched off, the new one on
    // and streamed to. Removing the selected one mid-stream switches off.
    void synchronisationFollowsTheSelection()
    {
        SimulatorHarness sim;
        const auto first = sim.plug("OV68M");
        const auto second = sim.plug("OV82M");
        std::unique_ptr<DDevicePage> page = loadedDevicePage(kLoadTimeoutMs);
        QVERIFY(page);
        const SimulatedKeyboard* selected
            = DevicePageProbe(*page).selectedRow()->deviceInfo().hidPath == QByteArray::fromStdString(sim.pathOf(first))
                  ? first.get()
                  : second.get();
        const auto other = selected == first.get() ? second : first;
        QTRY_VERIFY_WITH_TIMEOUT(selected->lighting().wholeFrames() > 2, 5000);
        QCOMPARE(syncSwitches(*selected), QList<int>{1});

        DDeviceListItem* row = DevicePageProbe(*page).rowOf(QString::fromStdString(sim.pathOf(other)));
        QVERIFY(row);
        QTest::mousePress(row, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(DevicePageProbe(*page).selectedRow(), row);
        QTRY_COMPARE_WITH_TIMEOUT(syncSwitches(*selected), (QList<int>{1, 0}), 5000);
        QVERIFY(!selected->lighting().isSynchronising());
        QTRY_VERIFY_WITH_TIMEOUT(other->lighting().wholeFrames() > 2, 5000);
        QCOMPARE(syncSwitches(*other), QList<int>{1});
        const int oldFrames = selected->lighting().wholeFrames();
        QTest::qWait(200);
        QCOMPARE(selected->lighting().wholeFrames(), oldFrames);

        // Pulled out while it streams: the engine stops, nothing more goes.
        sim.bus().unplug(other);
        page->onHidDeviceChanged(12, QStringLiteral("hidPath"));
        QTRY_VERIFY_WITH_TIMEOUT(DevicePageProbe(*page).selectedRow() != row, kLoadTimeoutMs);
        const int afterRemoval = int(other->receivedReports().size());
        QTest::qWait(200);
        QCOMPARE(int(other->receivedReports().size()), afterRemoval);
    }
};

ORVANE_TEST_MAIN(tst_lightStream)
#include "tst_lightStream.moc"
