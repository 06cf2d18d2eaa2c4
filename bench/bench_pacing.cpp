// How closely the timers keep their interval on this machine, the figures
// the tests leave out because a busy machine decides them:
// - the pacing timer: ms per call, and 200 steps of 0.8 ms of work each
//   paced by the timer against the same steps with a plain 1 ms sleep after
//   the work (absolute deadlines keep the work inside the interval);
// - the lighting tickers: how long the first tick takes, and the error of
//   the gaps between ticks as median and 99th percentile, with the ticks
//   taken in the GUI thread as the engine takes them.
//
// Usage: bench_pacing [ticks per ticker (default 200)]
#include "bench/PacingBaseline.h"
#include "ui/mainwidget/devicePage/lightDeal/sendLightUpdataThread.h"
#include "ui/mainwidget/devicePage/lightDeal/updateLightMainThread.h"
#include "ui/mainwidget/devicePage/lightDeal/updateLightMainThreadSide.h"
#include "ui/mainwidget/devicePage/lightDeal/updateLightMainThreadUI.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

void busyFor(qint64 ns)
{
    QElapsedTimer t;
    t.start();
    while (t.nsecsElapsed() < ns) {
    }
}

void pacingWithWork()
{
    constexpr int kSteps = 200;
    constexpr qint64 kWorkNs = 800000;
    QElapsedTimer relative;
    relative.start();
    for (int i = 0; i < kSteps; ++i) {
        busyFor(kWorkNs);
        QThread::usleep(1000);
    }
    const double relativeMs = double(relative.nsecsElapsed()) / 1e6;

    uint32_t state[2] = {};
    COrvaneHid_highPrecisionTimerInit(state);
    COrvaneHid_highPrecisionTimerStart(state[0], state[1]);
    QElapsedTimer paced;
    paced.start();
    for (int i = 0; i < kSteps; ++i) {
        busyFor(kWorkNs);
        COrvaneHid_highPrecisionTimerRuning(100, state[0], state[1]);
    }
    const double pacedMs = double(paced.nsecsElapsed()) / 1e6;
    COrvaneHid_highPrecisionTimerStop(state[0], state[1]);
    std::printf("%d steps of 0.8 ms work: paced %.1f ms (ideal %d), with 1 ms sleeps %.1f ms; ratio %.3f\n", kSteps,
                pacedMs, kSteps, relativeMs, pacedMs / relativeMs);
}

double percentile(std::vector<double> values, double share)
{
    if (values.empty())
        return 0;
    const size_t at = std::min(values.size() - 1, size_t(share * double(values.size())));
    std::nth_element(values.begin(), values.begin() + long(at), values.end());
    return values[at];
}

template<typename Ticker, typename Signal>
void tickerFigures(const char* label, Signal signal, int ticks)
{
    Ticker ticker;
    QElapsedTimer clock;
    std::vector<qint64> arrivals;
    QEventLoop loop;
    QObject::connect(&ticker, signal, &loop, [&] {
        arrivals.push_back(clock.nsecsElapsed());
        ticker.tickTaken();
        if (int(arrivals.size()) >= ticks)
            loop.quit();
    });
    clock.start();
    ticker.startTicking();
    loop.exec();
    ticker.stopAndWait();
    const double intervalMs = ticker.interval();
    std::vector<double> errorsMs;
    for (size_t i = 1; i < arrivals.size(); ++i)
        errorsMs.push_back(std::abs(double(arrivals[i] - arrivals[i - 1]) / 1e6 - intervalMs));
    std::printf("%-9s interval %2.0f ms: first tick after %.3f ms; gap error median %.3f ms, 99th percentile %.3f ms\n",
                label, intervalMs, double(arrivals.front()) / 1e6, percentile(errorsMs, 0.5),
                percentile(errorsMs, 0.99));
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int ticks = argc > 1 ? std::max(10, std::atoi(argv[1])) : 200;

    std::printf("pacing interval: %.4f ms per call\n", measuredIntervalMs());
    pacingWithWork();
    tickerFigures<updateLightMainThread>("keyboard", &updateLightMainThread::sigDviceUpdateAllKeyColor, ticks);
    tickerFigures<updateLightMainThreadSide>("side", &updateLightMainThreadSide::sigDviceUpdateAllKeyColorSide, ticks);
    tickerFigures<updateLightMainThreadUI>("repaint", &updateLightMainThreadUI::sigDviceUpdateAllKeyColorUI, ticks);
    tickerFigures<sendLightUpdataThread>("stream", &sendLightUpdataThread::sigDviceUpdateAllKeyColorSendKeyboardHid,
                                         ticks);
    return 0;
}
