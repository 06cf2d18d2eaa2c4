// What the lighting costs: the device page offscreen with a simulated cable
// keyboard with a side light, an effect on the keys and the side bar (Wave at
// the fastest speed), light synchronisation on, for a window of seconds. The
// baseline is the same page with the keyboard selected and the lighting
// stopped, in the same window state, measured right before each case once
// whatever the case before it left running (the music capture, queued
// frames) has settled, so every case has a quiet baseline of its own. Each
// case is a row of kCases: Wave with
// the window hidden and with the preview shown, then the music effect on the
// keys (the side bar keeps Wave) fed by the synthetic sound output playing a
// chord, hidden and shown; the capture's packets and the analysis they bring
// count with the rest of the GUI thread.
//
// Per case, CPU time as a share of one core and as a ratio to the baseline,
// split by thread: on the GUI thread the engine and the stream (the engine's
// slots), the preview's painting (paint events) and the rest; the I/O
// thread; the lighting tickers; other threads. The simulated keyboard
// answers inside the I/O thread's reads and writes; its time is taken out
// and shown apart, since it is the test device, not the program. Then the
// whole and cut frames the keyboard took, and the error of the engine's beat
// against its interval as median and 99th percentile.
//
// Offscreen unless QT_QPA_PLATFORM names another platform: with "xcb" under
// an X server (xvfb-run with a window manager) the figures include drawing
// to the display.
//
// Usage: bench_lighting [seconds (default 10)]

#include "app/DDataManager.h"
#include "app/resourceInit.h"
#include "hid/DLightEffects.h"
#include "hid/hidStructInfoAll.h"
#include "platform/fake/SyntheticLoopbackSource.h"
#include "sdk/hid/HidTransportRegistry.h"
#include "sim/SimulatedBus.h"
#include "support/LightSettings.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/lightDeal/lightDealMain.h"
#include "ui/mainwidget/devicePage/lightDeal/DLightTickInterval.h"
#include "ui/mainwidget/devicePage/lightDeal/sendLightUpdataThread.h"
#include "ui/mainwidget/devicePage/lightsConfig/DLightsConfigPage.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <map>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kWave = 2;
constexpr int kLightsPage = 1;
constexpr int kSettleMs = 500;

int64_t clockNs(clockid_t clock)
{
    timespec ts{};
    clock_gettime(clock, &ts);
    return int64_t(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

int64_t threadCpuNs()
{
    return clockNs(CLOCK_THREAD_CPUTIME_ID);
}

// The simulated keyboard does its work inside the I/O thread's reads and
// writes. This transport around the bus counts the CPU time spent in them,
// so that the test device's share can be taken out of the I/O thread's.
class MeteredConnection : public HidConnection
{
public:
    MeteredConnection(std::unique_ptr<HidConnection> inner, std::atomic<int64_t>& deviceNs)
        : m_inner(std::move(inner))
        , m_deviceNs(deviceNs)
    {
    }

    int read(uint8_t* buffer, size_t size, int timeoutMs) override
    {
        const int64_t before = threadCpuNs();
        const int n = m_inner->read(buffer, size, timeoutMs);
        m_deviceNs += threadCpuNs() - before;
        return n;
    }
    int write(const uint8_t* data, size_t size) override
    {
        const int64_t before = threadCpuNs();
        const int n = m_inner->write(data, size);
        m_deviceNs += threadCpuNs() - before;
        return n;
    }
    // The wait stands for the poll on a hidraw node: the program's time.
    int waitForInput(int wakeFd, int timeoutMs) override { return m_inner->waitForInput(wakeFd, timeoutMs); }

private:
    std::unique_ptr<HidConnection> m_inner;
    std::atomic<int64_t>& m_deviceNs;
};

class MeteredTransport : public HidTransport
{
public:
    explicit MeteredTransport(std::shared_ptr<HidTransport> inner)
        : m_inner(std::move(inner))
    {
    }

    bool initialise() override { return m_inner->initialise(); }
    std::vector<HidDeviceEntry> enumerate() override { return m_inner->enumerate(); }
    std::unique_ptr<HidConnection> open(const std::string& path) override
    {
        std::unique_ptr<HidConnection> connection = m_inner->open(path);
        if (!connection)
            return nullptr;
        return std::make_unique<MeteredConnection>(std::move(connection), m_deviceNs);
    }

    int64_t deviceNs() const { return m_deviceNs.load(); }

private:
    std::shared_ptr<HidTransport> m_inner;
    std::atomic<int64_t> m_deviceNs{0};
};

// CPU time of each thread of the process now, by thread id, with the name
// the thread gave itself, how often it was put on a CPU, and its user and
// kernel time in clock ticks.
struct ThreadTime
{
    std::string name;
    int64_t ns = 0;
    int64_t runs = 0;
    int64_t userTicks = 0;
    int64_t kernelTicks = 0;
};

std::map<int, ThreadTime> threadTimes()
{
    std::map<int, ThreadTime> times;
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString& tid : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile comm(tasks.filePath(tid + QStringLiteral("/comm")));
        QFile schedstat(tasks.filePath(tid + QStringLiteral("/schedstat")));
        QFile stat(tasks.filePath(tid + QStringLiteral("/stat")));
        if (!comm.open(QIODevice::ReadOnly) || !schedstat.open(QIODevice::ReadOnly) || !stat.open(QIODevice::ReadOnly))
            continue; // the thread has just ended
        // schedstat: time on a CPU in ns, time waiting for one, times run.
        const QList<QByteArray> sched = schedstat.readAll().split(' ');
        // stat: after the name in brackets, state first; utime and stime are
        // the 12th and 13th fields from there.
        const QByteArray line = stat.readAll();
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        times[tid.toInt()]
            = {comm.readAll().trimmed().toStdString(), sched.value(0).toLongLong(),
               sched.value(2).trimmed().toLongLong(), fields.value(11).toLongLong(), fields.value(12).toLongLong()};
    }
    return times;
}

// What the program's threads are, by the names it gives them.
enum Share { Engine, Painting, GuiRest, Io, Tickers, OtherThreads, kProgramShares, Keyboard = kProgramShares, kShares };

constexpr const char* kShareNames[kShares] = {
    "engine and stream (GUI thread)",
    "preview painting (GUI thread)",
    "rest of the GUI thread",
    "I/O thread",
    "lighting tickers",
    "other threads",
    "simulated keyboard (test device)",
};

bool startsWith(const std::string& text, const char* prefix)
{
    return text.rfind(prefix, 0) == 0;
}

// Splits the GUI thread's time by what it delivers: the engine's queued
// slots, and paint events.
class MeasuringApplication : public QApplication
{
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override
    {
        if (m_depth > 0 || (receiver != m_engine && event->type() != QEvent::Paint))
            return QApplication::notify(receiver, event);
        ++m_depth;
        const int64_t before = threadCpuNs();
        const bool done = QApplication::notify(receiver, event);
        (receiver == m_engine ? m_engineNs : m_paintNs) += threadCpuNs() - before;
        --m_depth;
        return done;
    }

    QObject* m_engine = nullptr;
    int64_t m_engineNs = 0;
    int64_t m_paintNs = 0;

private:
    int m_depth = 0;
};

struct Figures
{
    double seconds = 0;
    std::array<int64_t, kShares> ns{};
    // The I/O thread's and the tickers' times on a CPU, and the I/O
    // thread's user and kernel time in clock ticks.
    int64_t ioRuns = 0;
    int64_t tickerRuns = 0;
    int64_t ioUserTicks = 0;
    int64_t ioKernelTicks = 0;
    int frames = 0;
    int cutFrames = 0;
    std::vector<int64_t> tickGapsNs;

    double share(int64_t n) const { return seconds > 0 ? double(n) / 1e9 / seconds * 100.0 : 0.0; }
    double share(Share s) const { return share(ns[s]); }
    int64_t programNs() const
    {
        int64_t all = 0;
        for (int s = 0; s < kProgramShares; ++s)
            all += ns[size_t(s)];
        return all;
    }
};

double percentileMs(std::vector<int64_t> ns, double fraction)
{
    if (ns.empty())
        return 0;
    std::sort(ns.begin(), ns.end());
    return double(ns[std::min(ns.size() - 1, size_t(fraction * double(ns.size())))]) / 1e6;
}

class Bench
{
public:
    Bench(MeasuringApplication& app, const SimulatedKeyboard& keyboard, const MeteredTransport& transport, int seconds)
        : m_app(app)
        , m_keyboard(keyboard)
        , m_transport(transport)
        , m_seconds(seconds)
    {
    }

    void measure(Figures& f);

private:
    MeasuringApplication& m_app;
    const SimulatedKeyboard& m_keyboard;
    const MeteredTransport& m_transport;
    int m_seconds;
};

void Bench::measure(Figures& f)
{
    m_app.processEvents();
    const int framesBefore = m_keyboard.lighting().wholeFrames();
    const int cutBefore = m_keyboard.lighting().cutFrames();
    m_app.m_engineNs = 0;
    m_app.m_paintNs = 0;
    const std::map<int, ThreadTime> before = threadTimes();
    const int64_t gui = threadCpuNs();
    const int64_t process = clockNs(CLOCK_PROCESS_CPUTIME_ID);
    const int64_t device = m_transport.deviceNs();
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < m_seconds * 1000)
        m_app.processEvents(QEventLoop::WaitForMoreEvents);
    f.seconds = double(clock.nsecsElapsed()) / 1e9;
    const int64_t guiNs = threadCpuNs() - gui;
    const int64_t processNs = clockNs(CLOCK_PROCESS_CPUTIME_ID) - process;
    const std::map<int, ThreadTime> after = threadTimes();

    // A thread started meanwhile counts from zero; what threads that ended
    // meanwhile used stays with the other threads.
    int64_t ioNs = 0;
    int64_t tickerNs = 0;
    for (const auto& [tid, now] : after) {
        const auto was = before.find(tid);
        const ThreadTime start = was == before.end() ? ThreadTime() : was->second;
        if (now.name == "hid-io") {
            ioNs += now.ns - start.ns;
            f.ioRuns += now.runs - start.runs;
            f.ioUserTicks += now.userTicks - start.userTicks;
            f.ioKernelTicks += now.kernelTicks - start.kernelTicks;
        } else if (startsWith(now.name, "light-")) {
            tickerNs += now.ns - start.ns;
            f.tickerRuns += now.runs - start.runs;
        }
    }
    f.ns[Keyboard] = m_transport.deviceNs() - device;
    f.ns[Engine] = m_app.m_engineNs;
    f.ns[Painting] = m_app.m_paintNs;
    f.ns[GuiRest] = guiNs - f.ns[Engine] - f.ns[Painting];
    f.ns[Io] = ioNs - f.ns[Keyboard];
    f.ns[Tickers] = tickerNs;
    f.ns[OtherThreads] = std::max<int64_t>(0, processNs - guiNs - ioNs - tickerNs);
    f.frames = m_keyboard.lighting().wholeFrames() - framesBefore;
    f.cutFrames = m_keyboard.lighting().cutFrames() - cutBefore;
}

void report(const char* name, const Figures& f, const Figures& base)
{
    const auto ratio = [](int64_t a, int64_t b) { return b > 0 ? double(a) / double(b) : 0.0; };
    std::printf("%s (%.1f s), %% of one core (baseline: lighting stopped):\n", name, f.seconds);
    for (int s = 0; s < kShares; ++s) {
        if (s == kProgramShares)
            std::printf("  %-34s %6.2f %% (baseline %5.2f %%), %.2f x the baseline; lighting adds %.2f %%\n",
                        "program in all", f.share(f.programNs()), base.share(base.programNs()),
                        ratio(f.programNs(), base.programNs()), f.share(f.programNs()) - base.share(base.programNs()));
        std::printf("  %-34s %6.2f %% (baseline %5.2f %%)\n", kShareNames[s], f.share(Share(s)), base.share(Share(s)));
        if (s == Io && f.ioRuns > 0) {
            const int64_t ticks = f.ioUserTicks + f.ioKernelTicks;
            std::printf("  %-34s %.0f a second, %.1f us each; %.0f %% of it in the kernel\n", "  times on a CPU",
                        double(f.ioRuns) / f.seconds, double(f.ns[Io] + f.ns[Keyboard]) / 1e3 / double(f.ioRuns),
                        ticks > 0 ? 100.0 * double(f.ioKernelTicks) / double(ticks) : 0.0);
        }
        if (s == Tickers && f.tickerRuns > 0)
            std::printf("  %-34s %.0f a second, %.1f us each\n", "  times on a CPU", double(f.tickerRuns) / f.seconds,
                        double(f.ns[Tickers]) / 1e3 / double(f.tickerRuns));
    }
    std::printf("  whole frames: %.1f a second, cut frames: %d\n", double(f.frames) / f.seconds, f.cutFrames);
    std::printf("  engine beat interval error: median %.3f ms, 99th percentile %.3f ms\n",
                percentileMs(f.tickGapsNs, 0.5), percentileMs(f.tickGapsNs, 0.99));
}

enum class Window { Hidden, Shown };

void chooseFastestWave(DLightsConfigPage& lights)
{
    emit lights.sigSelectCurrentLightTypeIndex_KB(kWave, fastestWaveSetting(0));
    emit lights.sigSelectCurrentLightTypeIndex_Side(kWave, fastestWaveSetting(1));
}

void chooseMusic(DLightsConfigPage& lights)
{
    colorInfoData setting = fastestWaveSetting(0);
    setting.ledType = DLightEffects::kMusicalRhythm;
    emit lights.sigSelectCurrentLightTypeIndex_KB(DLightEffects::kMusicalRhythm, setting);
    emit lights.sigSelectCurrentLightTypeIndex_Side(kWave, fastestWaveSetting(1));
}

// A lighting case: what the engine runs, seen in which window state. Each is
// measured against the baseline of its window state.
struct LightingCase
{
    const char* name;
    Window window;
    void (*choose)(DLightsConfigPage& lights);
};

const LightingCase kCases[] = {
    {"Wave, window hidden", Window::Hidden, chooseFastestWave},
    {"Wave, preview shown", Window::Shown, chooseFastestWave},
    {"Music, window hidden", Window::Hidden, chooseMusic},
    {"Music, preview shown", Window::Shown, chooseMusic},
};

void setWindow(DDevicePage& page, Window window)
{
    if (window == Window::Hidden) {
        page.hide();
        return;
    }
    page.resize(1104, 600);
    page.show();
    page.onCurIndexChangedMainPage(kLightsPage);
}

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir root;
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        qputenv(name, QFile::encodeName(root.path() + QLatin1Char('/') + QLatin1String(name)));
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    initOrvaneResources();
    MeasuringApplication app(argc, argv);
    const int seconds = argc > 1 ? std::max(1, atoi(argv[1])) : 10;
    auto loopback = std::make_shared<SyntheticSoundLoopback>(true);
    loopback->sound()->setTones({{110.0, 0.2}, {277.2, 0.15}, {329.6, 0.15}, {659.3, 0.1}});
    SoundLoopback::install(loopback);
    // The keyboard pictures live beside the program.
    const QString images = QCoreApplication::applicationDirPath() + QStringLiteral("/images");
    if (!QFileInfo::exists(images))
        QFile::link(QStringLiteral(ORVANE_BIN_DIR "/images"), images);
    qRegisterMetaType<hidStructInfoAll>();
    DDataManager::getInstance()->loadTheme(0);

    auto bus = std::make_shared<SimulatedBus>();
    auto transport = std::make_shared<MeteredTransport>(bus);
    HidTransportRegistry::install(transport);
    const auto keyboard = bus->plug(QStringLiteral("OV68M"));
    auto page = std::make_unique<DDevicePage>();
    QElapsedTimer loading;
    loading.start();
    while (!page->findChild<lightDealMain*>()->isKeyboardLightRunning() && loading.elapsed() < 20000)
        app.processEvents(QEventLoop::WaitForMoreEvents, 50);
    lightDealMain* engine = page->findChild<lightDealMain*>();
    if (!engine->isKeyboardLightRunning()) {
        std::fprintf(stderr, "bench_lighting: the keyboard was not selected\n");
        return 1;
    }
    app.m_engine = engine;
    QThread::msleep(500);
    app.processEvents();
    DLightsConfigPage* lights = page->findChild<DLightsConfigPage*>();

    auto* beat = engine->findChild<sendLightUpdataThread*>();
    Figures* current = nullptr;
    QElapsedTimer tickClock;
    tickClock.start();
    int64_t lastTick = -1;
    QObject::connect(beat, &sendLightUpdataThread::sigDviceUpdateAllKeyColorSendKeyboardHid, &app, [&] {
        const int64_t now = tickClock.nsecsElapsed();
        if (current && lastTick >= 0)
            current->tickGapsNs.push_back(std::abs(now - lastTick - DLightTickInterval::kStreamMs * 1000000LL));
        lastTick = now;
    });

    Bench bench(app, *keyboard, *transport, seconds);
    constexpr size_t kCaseCount = sizeof kCases / sizeof kCases[0];
    std::array<Figures, kCaseCount> figures;
    std::array<Figures, kCaseCount> baselines;
    for (size_t i = 0; i < kCaseCount; ++i) {
        current = nullptr;
        page->stopLightThreadsIfRunning();
        setWindow(*page, kCases[i].window);
        // What the case before left queued is taken before the baseline.
        QElapsedTimer settle;
        settle.start();
        while (settle.elapsed() < kSettleMs)
            app.processEvents(QEventLoop::WaitForMoreEvents, kSettleMs);
        bench.measure(baselines[i]);
        // Started again as selecting the keyboard starts it; the page
        // shows the frames on the lighting page only.
        engine->setUiUpdateEnabled(kCases[i].window == Window::Shown);
        engine->setLightThreadsRunning(true);
        engine->setLightSynchronize(true);
        kCases[i].choose(*lights);
        current = &figures[i];
        lastTick = -1;
        bench.measure(figures[i]);
    }

    current = nullptr;
    for (size_t i = 0; i < kCaseCount; ++i)
        report(kCases[i].name, figures[i], baselines[i]);
    page.reset();
    HidTransportRegistry::install(nullptr);
    return 0;
}
