// One 512 KiB upgrade through our bootloader protocol against the simulated
// bootloader: the time from the first request to the accepted image, against
// its floor of one block per pacing interval. The pacing interval is
// measured first in the same run, as the baseline.
#include "app/resourceInit.h"
#include "bench/PacingBaseline.h"
#include "sdk/hid/HidTransportRegistry.h"
#include "sdk/include/orvanesdk_firmware.h"
#include "sdk/include/orvanesdk_hid.h"
#include "sim/SimulatedBus.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

namespace {

constexpr int kBlockSize = 56; // the simulated bootloader's

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    initOrvaneResources();
    const double intervalMs = measuredIntervalMs();

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("OV84W.bin"));
    if (!folder.isValid() || !QFile::copy(QStringLiteral(":/images/UpdateFirmwareFile/OV84W.bin"), path)) {
        std::fprintf(stderr, "bench_firmwareUpgrade: no OV84W image in the resource bundle\n");
        return 1;
    }
    const qint64 imageSize = QFile(path).size();

    auto bus = std::make_shared<SimulatedBus>();
    HidTransportRegistry::install(bus);
    const auto bootloader = bus->plugBootloader(QStringLiteral("OV84W"));
    const int handle = bootloader ? COrvaneHid_OpenPath(bus->pathOf(bootloader).c_str()) : 0;
    if (!handle) {
        std::fprintf(stderr, "bench_firmwareUpgrade: cannot open the simulated bootloader\n");
        return 1;
    }
    QElapsedTimer clock;
    clock.start();
    const int result = COrvaneHid_FirmwareUpgrade(handle, QFile::encodeName(path).constData(), 0x40000, 0, 0, nullptr);
    const double elapsedMs = double(clock.nsecsElapsed()) / 1e6;
    COrvaneHid_Close(handle);
    HidTransportRegistry::install(nullptr);
    if (result != 0 || !bootloader->accepted()) {
        std::fprintf(stderr, "bench_firmwareUpgrade: the upgrade failed (%d)\n", result);
        return 1;
    }

    const qint64 blocks = (imageSize + kBlockSize - 1) / kBlockSize;
    const double floorMs = double(blocks) * intervalMs;
    std::printf("pacing interval (baseline): %.4f ms per call\n", intervalMs);
    std::printf("image: %lld bytes in %lld blocks\n", static_cast<long long>(imageSize),
                static_cast<long long>(blocks));
    std::printf("upgrade: %.0f ms; floor (blocks x interval): %.0f ms; ratio %.3f\n", elapsedMs, floorMs,
                elapsedMs / floorMs);
    return 0;
}
