// A full on-board download against the simulated keyboard: two layers of
// 132 keys, ten macros and forty advanced keys. The floor is what the
// report count allows at one write per two pacing intervals (the interval
// measured first in the same run). The two fixed 400 ms pauses come on top,
// but the I/O thread goes on writing the queued reports behind them, so the
// floor plus the pauses is an upper bound of the ideal, not a lower one.
#include "bench/PacingBaseline.h"
#include "hid/MainHidInterFace.h"
#include "hid/download/DOnboardDownload.h"
#include "sdk/hid/HidTransportRegistry.h"
#include "sdk/include/orvanesdk_hid.h"
#include "sdk/include/orvanesdk_xml.h"
#include "sim/SimulatedBus.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

constexpr int kKeys = 132;
constexpr int kMacros = 10;
constexpr int kSeniorKeys = 40;
constexpr int kPressesPerMacro = 10;

void put(char* field, std::size_t width, const QByteArray& text)
{
    std::memset(field, 0, width);
    std::memcpy(field, text.constData(), std::min(width - 1, std::size_t(text.size())));
}

macroEventItem macroEvent(int mark, int usage, bool down)
{
    macroEventItem e;
    std::memset(&e, 0, sizeof e);
    put(e.mark, sizeof e.mark, QByteArray::number(mark));
    put(e.delay, sizeof e.delay, down ? "30" : "45");
    put(e.type, sizeof e.type, "key");
    put(e.keyCode, sizeof e.keyCode, QByteArray::number(usage));
    put(e.operateExplain, sizeof e.operateExplain, down ? "down" : "up");
    return e;
}

// Five macro keys and twenty advanced keys in each layer.
bool writeProfiles(const QString& folder, const QByteArray& seniorPath)
{
    bool ok = COrvaneXML_SeniorKey_CreateXMLFile(seniorPath.constData())
              && COrvaneXML_SeniorKey_CreateProFileXmlParentNode(seniorPath.constData());
    for (int index = 1; index <= kSeniorKeys; ++index) {
        seniorKeyInfoStu r;
        std::memset(&r, 0, sizeof r);
        r.index = index;
        r.type = 1 + index % 3;
        put(r.name, sizeof r.name, "Adv" + QByteArray::number(index));
        put(r.key[0], sizeof r.key[0], QByteArray::number(4 + index));
        put(r.key[1], sizeof r.key[1], "1,5");
        const int points[4] = {15, 36, 36, 15};
        std::memcpy(r.point, points, sizeof points);
        r.holdDuration = 200;
        ok = ok && COrvaneXML_SeniorKey_AddInfoItem(seniorPath.constData(), r.type, r);
    }
    const char* const files[2] = {"/appProfile_Default.xml", "/appProfile_FN.xml"};
    for (int layer = 0; layer < 2; ++layer) {
        const QByteArray path = QFile::encodeName(folder + QLatin1String(files[layer]));
        ok = ok && COrvaneXML_CreateXMLFile(path.constData())
             && COrvaneXML_CreateProFileXmlParentNode(path.constData(), "1", "Profile1", 0)
             && COrvaneXML_ModifyXMLFileProfileIndex(path.constData(), 1);
        for (int m = 0; m < kMacros / 2; ++m) {
            const QByteArray index = QByteArray::number(m + 1);
            std::list<macroEventItem> events;
            for (int p = 0; p < kPressesPerMacro; ++p) {
                events.push_back(macroEvent(p + 1, 4 + p, true));
                events.push_back(macroEvent(p + 1, 4 + p, false));
            }
            ok = ok && COrvaneXML_AddProFileBindMacroItem(path.constData(), "1", events, index.constData(), "Macro")
                 && COrvaneXML_AddProFileMacroWithKeyInfoItem(path.constData(), "1",
                                                              QByteArray::number(4 + m).constData(), "", "1", "1", "1",
                                                              index.constData());
        }
        for (int s = 0; s < kSeniorKeys / 2; ++s) {
            const QByteArray record = QByteArray::number(1 + layer * kSeniorKeys / 2 + s);
            ok = ok
                 && COrvaneXML_AddProFileMacroWithKeyInfoItem(path.constData(), "1",
                                                              QByteArray::number(20 + s).constData(), "", "40", "0",
                                                              "0", record.constData());
        }
    }
    return ok;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 3;
    const double intervalMs = measuredIntervalMs();

    QTemporaryDir dir;
    const QByteArray seniorPath = QFile::encodeName(dir.filePath(QStringLiteral("SeniorKeyConfig.xml")));
    if (!dir.isValid() || !writeProfiles(dir.path(), seniorPath)) {
        std::fprintf(stderr, "bench_onboardDownload: cannot write the profile files\n");
        return 1;
    }
    QVector<int> usages;
    for (int i = 0; i < kKeys; ++i)
        usages << 4 + i;

    auto bus = std::make_shared<SimulatedBus>();
    HidTransportRegistry::install(bus);
    const auto keyboard = bus->plug(QStringLiteral("OV68M"));
    MainHidInterFace hid(1, QStringLiteral("OV68M"));
    if (hid.openDevice(QString::fromStdString(bus->pathOf(keyboard))) != 0) {
        std::fprintf(stderr, "bench_onboardDownload: cannot open the simulated keyboard\n");
        return 1;
    }
    DOnboardDownload download;
    download.setHidInterface(&hid);
    QObject::connect(&hid, &MainHidInterFace::sigHidDataArrived, &download, [&](unsigned char* data, int, int) {
        if (data[1] == 0x19)
            download.onRuningOnboard0x19Cmd();
        delete[] data;
    });
    hid.start();
    QThread::msleep(100); // past the opening inquiry
    QCoreApplication::processEvents();

    std::vector<double> times;
    int reports = 0;
    for (int run = 0; run < runs; ++run) {
        keyboard->clearLog();
        QElapsedTimer clock;
        clock.start();
        const DOnboardDownload::Outcome outcome = download.run(dir.path(), usages, true, seniorPath);
        times.push_back(double(clock.nsecsElapsed()) / 1e6);
        reports = keyboard->receivedCount(0x17) + keyboard->receivedCount(0x18) + keyboard->receivedCount(0x2A);
        if (outcome != DOnboardDownload::Outcome::Successful || download.attemptsMade() != 1) {
            std::fprintf(stderr, "bench_onboardDownload: run %d did not succeed in one attempt\n", run + 1);
            return 1;
        }
    }
    hid.closeDevice();
    hid.wait();
    QCoreApplication::sendPostedEvents();
    HidTransportRegistry::install(nullptr);

    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2];
    const double pausesMs = 2 * DOnboardDownloadPlan::kStorePause;
    const double floorMs = reports * 2.0 * intervalMs;
    std::printf("pacing interval (baseline): %.4f ms per call\n", intervalMs);
    std::printf("reports per download: %d (0x17, 0x18, 0x2A)\n", reports);
    std::printf("download: median %.1f ms of %d runs (fastest %.1f, slowest %.1f)\n", median, runs, times.front(),
                times.back());
    std::printf("floor: %d reports x 2 intervals = %.1f ms\n", reports, floorMs);
    std::printf("ratio to the floor: %.2f\n", median / floorMs);
    std::printf("ratio to the floor plus the %.0f ms of pauses (writes overlap them): %.2f\n", pausesMs,
                median / (floorMs + pausesMs));
    return 0;
}
