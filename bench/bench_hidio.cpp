// The keyboard I/O loop against the simulated keyboard: how many reports
// per second reach the keyboard while the light stream keeps the queue
// full, against the ideal of one write per two pacing intervals. The pacing
// interval itself is measured first in the same run, as the baseline.
#include "bench/PacingBaseline.h"
#include "hid/MainHidInterFace.h"
#include "sdk/hid/HidTransportRegistry.h"
#include "sdk/include/orvanesdk_hid.h"
#include "sim/SimulatedBus.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>

namespace {

constexpr double kNeededWritesPerSecond = 370.0; // a light frame of 11 reports every 30 ms

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int seconds = argc > 1 ? std::max(1, atoi(argv[1])) : 5;

    const double intervalMs = measuredIntervalMs();

    auto bus = std::make_shared<SimulatedBus>();
    HidTransportRegistry::install(bus);
    const auto keyboard = bus->plug(QStringLiteral("OV68M"));
    MainHidInterFace hid(1, QStringLiteral("OV68M"));
    if (hid.openDevice(QString::fromStdString(bus->pathOf(keyboard))) != 0) {
        std::fprintf(stderr, "bench_hidio: cannot open the simulated keyboard\n");
        return 1;
    }
    hid.setStreamEnabled(true);
    hid.start();

    // Offer a whole frame every millisecond: the queue takes one whenever it
    // has drained, so the loop never waits for reports.
    QTimer feeder;
    feeder.setTimerType(Qt::PreciseTimer);
    QObject::connect(&feeder, &QTimer::timeout, [&] {
        for (int i = 0; i < hid.streamBatchLimit() + 1; ++i)
            hid.queueStreamReport(DReportFrame(0x0E, i < 8 ? 0 : 1).setPacket(i < 8 ? i : i - 8));
    });
    feeder.start(1);

    QThread::msleep(100); // past the opening inquiry
    QCoreApplication::processEvents();
    keyboard->clearLog();
    QElapsedTimer clock;
    clock.start();
    QTimer::singleShot(seconds * 1000, &app, &QCoreApplication::quit);
    app.exec();
    const double elapsed = double(clock.nsecsElapsed()) / 1e9;
    const auto log = keyboard->receivedReports();
    hid.closeDevice();
    hid.wait();
    HidTransportRegistry::install(nullptr);

    const double writes = double(log.size()) / elapsed;
    const double ideal = 1000.0 / (2.0 * 1.0);
    const double baselineIdeal = 1000.0 / (2.0 * intervalMs);
    std::printf("pacing interval (baseline): %.4f ms per call\n", intervalMs);
    std::printf("writes: %zu in %.2f s = %.1f writes/s\n", log.size(), elapsed, writes);
    std::printf("ratio to ideal (1 write per 2 x 1 ms = %.0f/s): %.3f\n", ideal, writes / ideal);
    std::printf("ratio to ideal from the measured interval (%.1f/s): %.3f\n", baselineIdeal, writes / baselineIdeal);
    std::printf("against the %.0f writes/s the light stream needs: %.2f x\n", kNeededWritesPerSecond,
                writes / kNeededWritesPerSecond);
    std::printf("write failures: %d\n", hid.writeFailureCount());
    return 0;
}
