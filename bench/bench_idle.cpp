// What the program costs while nothing happens, and how quickly an idle
// keyboard link acts.
//
// 1. On an idle link (the I/O thread against a simulated keyboard, nothing
//    queued): the delay from queueCmdReport to the keyboard receiving the
//    report, and from the keyboard sending a report to the I/O thread
//    reading it, as median and 99th percentile, against the pacing interval
//    measured first in the same run.
// 2. The whole program left alone on an X display: its CPU time over a
//    window with two simulated keyboards (ORVANE_SIMULATE=OV68M,OV84W@24g)
//    against the program with none, and its resident memory 30 s after
//    start against an empty Qt window; all three started at once the same
//    way with fresh settings folders.
//
// Needs an X server; without DISPLAY it runs itself again under xvfb-run.
// Usage: bench_idle [seconds of the CPU window (default 60) [program]]
// (another build of the program, to compare builds on the same machine)

#include "bench/PacingBaseline.h"
#include "bench/ProgramRun.h"
#include "hid/MainHidInterFace.h"
#include "sdk/hid/HidTransportRegistry.h"
#include "sim/SimulatedBus.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>
#include <unistd.h>
#include <vector>

namespace {

using namespace programRun;

constexpr int kRounds = 300;
constexpr int kSettleSeconds = 15;
constexpr int kMemorySeconds = 30;
const QString kTwoKeyboards = QStringLiteral("OV68M,OV84W@24g");

int64_t monotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return int64_t(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

double percentileMs(std::vector<int64_t> ns, double fraction)
{
    std::sort(ns.begin(), ns.end());
    const size_t i = std::min(ns.size() - 1, size_t(fraction * double(ns.size())));
    return double(ns[i]) / 1e6;
}

struct Latencies
{
    std::vector<int64_t> write; // queueCmdReport -> received by the keyboard
    std::vector<int64_t> read; // sent by the keyboard -> read by the I/O thread
};

// Each round lets the link fall idle first, then acts once and waits
// (spinning, off the I/O thread) until the other side has it.
bool measureIdleLink(Latencies& out)
{
    auto bus = std::make_shared<SimulatedBus>();
    HidTransportRegistry::install(bus);
    const auto keyboard = bus->plug(QStringLiteral("OV68M"));
    auto hid = std::make_unique<MainHidInterFace>(1, QStringLiteral("OV68M"));
    if (hid->openDevice(QString::fromStdString(bus->pathOf(keyboard))) != 0)
        return false;
    hid->start();
    QThread::msleep(100); // past the opening inquiry and its answer
    const DReportFrame command(0x16);
    for (int round = 0; round < kRounds; ++round) {
        QThread::usleep(8000 + 37 * unsigned(round % 50));
        int64_t before = monotonicNs();
        const int written = keyboard->receivedCount(0x16);
        hid->queueCmdReport(command);
        while (keyboard->receivedCount(0x16) == written)
            QThread::usleep(20);
        out.write.push_back(keyboard->receivedReports().back().timeNs - before);

        QThread::usleep(8000 + 41 * unsigned(round % 50));
        before = monotonicNs();
        keyboard->sendKeyReport({0, 0, 4});
        while (keyboard->pendingInput() != 0)
            QThread::usleep(20);
        // The first read since: the loop was idle, so it is the one that took the report.
        const auto polls = keyboard->readPolls();
        out.read.push_back(*std::upper_bound(polls.begin(), polls.end(), before) - before);
    }
    hid->closeDevice();
    hid->wait();
    hid.reset();
    HidTransportRegistry::install(nullptr);
    return true;
}

// utime + stime of a process, in seconds; -1 when it is gone.
double cpuSeconds(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    // The fields after the command name, which is in parentheses.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13)
        return -1;
    return double(fields[11].toLongLong() + fields[12].toLongLong()) / double(sysconf(_SC_CLK_TCK));
}

// VmRSS in MB; -1 when the process is gone.
double residentMb(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return double(line.mid(6).trimmed().split(' ').front().toLongLong()) / 1024.0;
    }
    return -1;
}

void sleepUntil(const QElapsedTimer& clock, int seconds)
{
    const qint64 left = qint64(seconds) * 1000 - clock.elapsed();
    if (left > 0)
        QThread::msleep(unsigned(left));
}

struct Child
{
    const char* name;
    std::unique_ptr<QTemporaryDir> root;
    std::unique_ptr<QProcess> process;
    double cpuStart = -1;
    double cpuEnd = -1;
    double rssMb = -1;
};

void start(Child& child, const QString& program, const QStringList& arguments, const QString& simulate)
{
    child.root = std::make_unique<QTemporaryDir>();
    child.process = std::make_unique<QProcess>();
    QProcessEnvironment env = freshEnvironment(child.root->path());
    if (simulate.isEmpty())
        env.remove(QStringLiteral("ORVANE_SIMULATE"));
    else
        env.insert(QStringLiteral("ORVANE_SIMULATE"), simulate);
    child.process->setProcessEnvironment(env);
    child.process->setStandardOutputFile(QProcess::nullDevice());
    child.process->setStandardErrorFile(QProcess::nullDevice());
    child.process->start(program, arguments);
}

void stop(Child& child)
{
    child.process->terminate();
    if (!child.process->waitForFinished(5000)) {
        child.process->kill();
        child.process->waitForFinished(3000);
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && qstrcmp(argv[1], kBaselineArg) == 0)
        return runBaselineChild(argc, argv);
    ensureDisplay(argc, argv, "bench_idle");
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::fprintf(stderr, "bench_idle: no X display\n");
        return 2;
    }

    QCoreApplication app(argc, argv);
    const int seconds = argc > 1 ? qMax(kMemorySeconds - kSettleSeconds, atoi(argv[1])) : 60;

    const double intervalMs = measuredIntervalMs();
    Latencies latencies;
    if (!measureIdleLink(latencies)) {
        std::fprintf(stderr, "bench_idle: cannot open the simulated keyboard\n");
        return 1;
    }
    std::printf("pacing interval (baseline): %.4f ms per call\n", intervalMs);
    const std::pair<const char*, const std::vector<int64_t>*> kinds[]
        = {{"queueCmdReport to the keyboard", &latencies.write}, {"keyboard report to its read", &latencies.read}};
    for (const auto& [label, values] : kinds) {
        const double median = percentileMs(*values, 0.5);
        const double p99 = percentileMs(*values, 0.99);
        std::printf("idle link, %s (%d rounds): median %.3f ms (%.2f intervals), 99th percentile %.3f ms "
                    "(%.2f intervals)\n",
                    label, kRounds, median, median / intervalMs, p99, p99 / intervalMs);
    }
    std::fflush(stdout);

    const QString program
        = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral(ORVANE_BIN_DIR "/orvane-keyboard");
    Child two{"program, two keyboards", {}, {}};
    Child none{"program, no keyboard", {}, {}};
    Child window{"empty Qt window", {}, {}};
    QElapsedTimer clock;
    clock.start();
    start(two, program, {}, kTwoKeyboards);
    start(none, program, {}, QString());
    start(window, QCoreApplication::applicationFilePath(), {QLatin1String(kBaselineArg)}, QString());
    const std::vector<Child*> children = {&two, &none, &window};
    // The memory look falls inside the CPU window.
    sleepUntil(clock, kSettleSeconds);
    for (Child* c : children)
        c->cpuStart = cpuSeconds(c->process->processId());
    sleepUntil(clock, kMemorySeconds);
    for (Child* c : children)
        c->rssMb = residentMb(c->process->processId());
    sleepUntil(clock, kSettleSeconds + seconds);
    for (Child* c : children)
        c->cpuEnd = cpuSeconds(c->process->processId());
    bool ok = true;
    for (Child* c : children) {
        if (c->cpuStart < 0 || c->cpuEnd < 0 || c->rssMb < 0) {
            std::fprintf(stderr, "bench_idle: %s ended early\n", c->name);
            ok = false;
        }
        stop(*c);
    }
    if (!ok)
        return 1;
    const double twoPercent = 100.0 * (two.cpuEnd - two.cpuStart) / seconds;
    const double nonePercent = 100.0 * (none.cpuEnd - none.cpuStart) / seconds;
    std::printf("idle CPU over %d s, %d s after start (%% of one core):\n", seconds, kSettleSeconds);
    std::printf("  program with %s: %.2f %%\n", qPrintable(kTwoKeyboards), twoPercent);
    std::printf("  program with no keyboard (baseline): %.2f %%\n", nonePercent);
    std::printf("  added per keyboard: %.2f %% (goal: at most 0.2 %%)\n", (twoPercent - nonePercent) / 2);
    std::printf("  empty Qt window: %.2f %%\n", 100.0 * (window.cpuEnd - window.cpuStart) / seconds);
    std::printf("resident memory %d s after start:\n", kMemorySeconds);
    std::printf("  program with %s: %.1f MB (goal: at most 80 MB)\n", qPrintable(kTwoKeyboards), two.rssMb);
    std::printf("  program with no keyboard: %.1f MB\n", none.rssMb);
    std::printf("  empty Qt window (baseline): %.1f MB; ratio program with keyboards / window: %.2f\n", window.rssMb,
                two.rssMb / window.rssMb);
    return 0;
}
