// What the lighting costs: the device page offscreen with a simulated cable
// keyboard with a side light, Wave at the fastest speed on the keys and the
// side bar, light synchronisation on, for a window of seconds. The baseline
// of the same run is the same page with the keyboard selected and the
// lighting stopped. Two runs: the window hidden, and the preview shown.
//
// Per run: CPU time as a share of one core and as a ratio to the baseline,
// split into the engine and the stream (the engine's slots on the GUI
// thread), the preview's painting (paint events), the rest of the GUI
// thread, and the other threads (the I/O thread with the simulated keyboard
// it writes to, and the tickers); whole and cut frames the keyboard took;
// the keyboard ticker's interval error as median and 99th percentile.
//
// With --music the keys run the music effect instead, fed by the synthetic
// sound output playing a chord (the side bar keeps Wave); the capture's
// packets and the analysis they bring count with the rest of the GUI thread.
//
// Usage: bench_lighting [--music] [seconds (default 10)]

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
#include "ui/mainwidget/devicePage/lightDeal/updateLightMainThread.h"
#include "ui/mainwidget/devicePage/lightsConfig/DLightsConfigPage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <vector>

namespace {

constexpr int kWave = 2;
constexpr int kLightsPage = 1;

int64_t threadCpuNs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return int64_t(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

// utime + stime of the whole process, threads that have ended included, in ns.
int64_t processCpuNs()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return int64_t(ts.tv_sec) * 1000000000 + ts.tv_nsec;
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
    int64_t guiNs = 0;
    int64_t engineNs = 0;
    int64_t paintNs = 0;
    int64_t otherNs = 0;
    int frames = 0;
    int cutFrames = 0;
    std::vector<int64_t> tickGapsNs;

    double share(int64_t ns) const { return double(ns) / 1e9 / seconds * 100.0; }
};

double percentileMs(std::vector<int64_t> ns, double fraction)
{
    if (ns.empty())
        return 0;
    std::sort(ns.begin(), ns.end());
    return double(ns[std::min(ns.size() - 1, size_t(fraction * double(ns.size())))]) / 1e6;
}

// Fills f; the tick gaps come in meanwhile.
void measure(MeasuringApplication& app, const SimulatedKeyboard& keyboard, int seconds, Figures& f)
{
    app.processEvents();
    const int framesBefore = keyboard.lighting().wholeFrames();
    const int cutBefore = keyboard.lighting().cutFrames();
    app.m_engineNs = 0;
    app.m_paintNs = 0;
    const int64_t gui = threadCpuNs();
    const int64_t process = processCpuNs();
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < seconds * 1000)
        app.processEvents(QEventLoop::WaitForMoreEvents);
    f.seconds = double(clock.nsecsElapsed()) / 1e9;
    f.guiNs = threadCpuNs() - gui;
    f.otherNs = processCpuNs() - process - f.guiNs;
    f.engineNs = app.m_engineNs;
    f.paintNs = app.m_paintNs;
    f.frames = keyboard.lighting().wholeFrames() - framesBefore;
    f.cutFrames = keyboard.lighting().cutFrames() - cutBefore;
}

void report(const char* name, const Figures& f, const Figures& base)
{
    const auto ratio = [](int64_t a, int64_t b) { return b > 0 ? double(a) / double(b) : 0.0; };
    const int64_t restNs = f.guiNs - f.engineNs - f.paintNs;
    std::printf("%s (%.1f s):\n", name, f.seconds);
    std::printf("  engine and stream (GUI thread): %.2f %% of a core\n", f.share(f.engineNs));
    std::printf("  preview painting:               %.2f %% of a core\n", f.share(f.paintNs));
    std::printf("  rest of the GUI thread:         %.2f %% of a core (baseline %.2f %%)\n", f.share(restNs),
                base.share(base.guiNs));
    std::printf("  other threads (I/O, tickers):   %.2f %% of a core (baseline %.2f %%)\n", f.share(f.otherNs),
                base.share(base.otherNs));
    const int64_t all = f.guiNs + f.otherNs;
    const int64_t baseAll = base.guiNs + base.otherNs;
    std::printf("  all: %.2f %% of a core, %.2f x the baseline (%.2f %%); lighting adds %.2f %%\n", f.share(all),
                ratio(all, baseAll), base.share(baseAll), f.share(all) - base.share(baseAll));
    std::printf("  whole frames: %.1f a second, cut frames: %d\n", double(f.frames) / f.seconds, f.cutFrames);
    std::printf("  keyboard tick interval error: median %.3f ms, 99th percentile %.3f ms\n",
                percentileMs(f.tickGapsNs, 0.5), percentileMs(f.tickGapsNs, 0.99));
}

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir root;
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        qputenv(name, QFile::encodeName(root.path() + QLatin1Char('/') + QLatin1String(name)));
    qputenv("QT_QPA_PLATFORM", "offscreen");
    initOrvaneResources();
    MeasuringApplication app(argc, argv);
    const bool music = argc > 1 && qstrcmp(argv[1], "--music") == 0;
    const int secondsArgument = music ? 2 : 1;
    const int seconds = argc > secondsArgument ? std::max(1, atoi(argv[secondsArgument])) : 10;
    if (music) {
        auto loopback = std::make_shared<SyntheticSoundLoopback>(true);
        loopback->sound()->setTones({{110.0, 0.2}, {277.2, 0.15}, {329.6, 0.15}, {659.3, 0.1}});
        SoundLoopback::install(loopback);
    }
    const int keyEffect = music ? DLightEffects::kMusicalRhythm : kWave;
    colorInfoData keySetting = fastestWaveSetting(0);
    keySetting.ledType = keyEffect;
    // The keyboard pictures live beside the program.
    const QString images = QCoreApplication::applicationDirPath() + QStringLiteral("/images");
    if (!QFileInfo::exists(images))
        QFile::link(QStringLiteral(ORVANE_BIN_DIR "/images"), images);
    qRegisterMetaType<hidStructInfoAll>();
    DDataManager::getInstance()->loadTheme(0);

    auto bus = std::make_shared<SimulatedBus>();
    HidTransportRegistry::install(bus);
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
    emit lights->sigSelectCurrentLightTypeIndex_KB(keyEffect, keySetting);
    emit lights->sigSelectCurrentLightTypeIndex_Side(kWave, fastestWaveSetting(1));

    auto* ticker = engine->findChild<updateLightMainThread*>();
    Figures* current = nullptr;
    QElapsedTimer tickClock;
    tickClock.start();
    int64_t lastTick = -1;
    QObject::connect(ticker, &updateLightMainThread::sigDviceUpdateAllKeyColor, &app, [&] {
        const int64_t now = tickClock.nsecsElapsed();
        if (current && lastTick >= 0)
            current->tickGapsNs.push_back(std::abs(now - lastTick - engine->keyboardTickInterval() * 1000000LL));
        lastTick = now;
    });

    Figures hidden;
    current = &hidden;
    measure(app, *keyboard, seconds, hidden);

    page->resize(1104, 600);
    page->show();
    page->onCurIndexChangedMainPage(kLightsPage);
    emit lights->sigSelectCurrentLightTypeIndex_KB(keyEffect, keySetting);
    emit lights->sigSelectCurrentLightTypeIndex_Side(kWave, fastestWaveSetting(1));
    Figures shown;
    current = &shown;
    lastTick = -1;
    measure(app, *keyboard, seconds, shown);

    current = nullptr;
    page->stopLightThreadsIfRunning();
    QThread::msleep(200);
    page->hide();
    Figures baseHidden;
    measure(app, *keyboard, seconds, baseHidden);
    page->show();
    Figures baseShown;
    measure(app, *keyboard, seconds, baseShown);

    report("window hidden", hidden, baseHidden);
    report("preview shown", shown, baseShown);
    page.reset();
    HidTransportRegistry::install(nullptr);
    return 0;
}
