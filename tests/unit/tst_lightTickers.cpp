// The lighting engine's four tickers: the first tick at once or after an
// interval, no tick before its deadline, one late tick (not a burst) after
// the GUI thread stalled, and a stop followed at once by a start that leaves
// the ticker running. Every check waits for ticks or bounds them from below,
// so a busy machine cannot decide it; how close to their interval the ticks
// come is a figure of bench_pacing.
#include "support/TestMain.h"

#include "ui/mainwidget/devicePage/lightDeal/sendLightUpdataThread.h"
#include "ui/mainwidget/devicePage/lightDeal/updateLightMainThread.h"
#include "ui/mainwidget/devicePage/lightDeal/updateLightMainThreadSide.h"
#include "ui/mainwidget/devicePage/lightDeal/updateLightMainThreadUI.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

namespace {

// How long a check waits for what a working ticker does at once.
constexpr int kPatienceMs = 60000;

// A ticker with its signal received in the GUI thread, as the engine
// receives it: each tick is taken when its slot runs.
struct Listened
{
    std::unique_ptr<DLightTickerThread> ticker;
    QElapsedTimer clock;
    std::vector<qint64> arrivals; // ns since the clock started
    std::atomic<int> emitted{0}; // counted on the ticker's thread
    QObject context;

    template<typename Ticker, typename Signal>
    static std::unique_ptr<Listened> make(Signal signal)
    {
        auto listened = std::make_unique<Listened>();
        auto* ticker = new Ticker;
        listened->ticker.reset(ticker);
        Listened* self = listened.get();
        QObject::connect(ticker, signal, &listened->context, [self] {
            self->arrivals.push_back(self->clock.nsecsElapsed());
            self->ticker->tickTaken();
            if (self->waiting && self->arrivals.size() >= self->target)
                self->waiting->quit();
        });
        QObject::connect(
            ticker, signal, ticker, [self] { ++self->emitted; }, Qt::DirectConnection);
        return listened;
    }

    void start()
    {
        clock.start();
        ticker->startTicking();
    }

    // Runs the event loop (which sleeps until an event comes) until count
    // ticks have arrived; the time-out only ends a ticker that never ticks.
    bool waitForTicks(size_t count, int timeoutMs = kPatienceMs)
    {
        if (arrivals.size() >= count)
            return true;
        QEventLoop loop;
        QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
        target = count;
        waiting = &loop;
        loop.exec();
        waiting = nullptr;
        return arrivals.size() >= count;
    }

    size_t target = 0;
    QEventLoop* waiting = nullptr;
};

using Factory = std::function<std::unique_ptr<Listened>()>;

constexpr qint64 kMsNs = 1000000;

std::unique_ptr<Listened> keyTicker()
{
    return Listened::make<updateLightMainThread>(&updateLightMainThread::sigDviceUpdateAllKeyColor);
}
std::unique_ptr<Listened> sideTicker()
{
    return Listened::make<updateLightMainThreadSide>(&updateLightMainThreadSide::sigDviceUpdateAllKeyColorSide);
}
std::unique_ptr<Listened> repaintTicker()
{
    return Listened::make<updateLightMainThreadUI>(&updateLightMainThreadUI::sigDviceUpdateAllKeyColorUI);
}
std::unique_ptr<Listened> streamTicker()
{
    return Listened::make<sendLightUpdataThread>(&sendLightUpdataThread::sigDviceUpdateAllKeyColorSendKeyboardHid);
}

} // namespace

Q_DECLARE_METATYPE(Factory)

class tst_lightTickers : public QObject
{
    Q_OBJECT

private slots:
    // The keyboard and side tickers tick at once: with an interval longer
    // than the wait, the first tick still comes. The stream and repaint
    // tickers wait an interval first.
    void firstTick_data()
    {
        QTest::addColumn<Factory>("factory");
        QTest::addColumn<bool>("atOnce");
        QTest::newRow("keyboard") << Factory(keyTicker) << true;
        QTest::newRow("side") << Factory(sideTicker) << true;
        QTest::newRow("repaint") << Factory(repaintTicker) << false;
        QTest::newRow("stream") << Factory(streamTicker) << false;
    }
    void firstTick()
    {
        QFETCH(Factory, factory);
        QFETCH(bool, atOnce);
        const std::unique_ptr<Listened> listened = factory();
        if (atOnce) {
            listened->ticker->setInterval(10 * kPatienceMs);
            listened->start();
            QVERIFY(listened->waitForTicks(1));
        } else {
            const int intervalMs = listened->ticker->interval();
            listened->start();
            QVERIFY(listened->waitForTicks(1));
            QVERIFY2(listened->arrivals.front() >= intervalMs * kMsNs,
                     qPrintable(QString::number(listened->arrivals.front())));
        }
        listened->ticker->stopAndWait();
    }

    // Tick k comes no earlier than k intervals after the start: each waits
    // for its own deadline, and a late one moves the later deadlines on.
    void noTickBeforeItsDeadline()
    {
        constexpr int kIntervalMs = 8;
        constexpr size_t kTicks = 20;
        const std::unique_ptr<Listened> listened = keyTicker();
        listened->ticker->setInterval(kIntervalMs);
        listened->start();
        QVERIFY(listened->waitForTicks(kTicks));
        listened->ticker->stopAndWait();
        for (size_t k = 1; k < kTicks; ++k)
            QVERIFY2(listened->arrivals[k] >= qint64(k) * kIntervalMs * kMsNs,
                     qPrintable(QStringLiteral("tick %1 at %2 ns").arg(k).arg(listened->arrivals[k])));
    }

    void stallGivesOneLateTick_data()
    {
        QTest::addColumn<Factory>("factory");
        QTest::addColumn<int>("intervalMs");
        QTest::newRow("keyboard") << Factory(keyTicker) << 12;
        QTest::newRow("side") << Factory(sideTicker) << 15;
        QTest::newRow("repaint") << Factory(repaintTicker) << 30;
        QTest::newRow("stream") << Factory(streamTicker) << 30;
    }
    void stallGivesOneLateTick()
    {
        QFETCH(Factory, factory);
        QFETCH(int, intervalMs);
        const std::unique_ptr<Listened> listened = factory();
        QCOMPARE(listened->ticker->interval(), intervalMs);
        listened->start();
        QVERIFY(listened->waitForTicks(3));

        // The blocking pauses of a download or a hot plug: at least ten
        // intervals, and until the ticker has sent the tick it then holds
        // back the others for.
        const size_t before = listened->arrivals.size();
        QThread::msleep(10 * intervalMs);
        while (listened->emitted.load() <= int(before))
            QThread::msleep(1);
        QThread::msleep(3 * intervalMs);
        QCOMPARE(listened->emitted.load(), int(before) + 1);
        QCoreApplication::processEvents();
        QCOMPARE(listened->arrivals.size(), before + 1);
        const qint64 late = listened->arrivals.back();

        // The beat goes on from the late tick, without making up for the
        // ones the stall swallowed.
        QVERIFY(listened->waitForTicks(before + 2));
        const qint64 gapMs = (listened->arrivals[before + 1] - late) / 1000000;
        QVERIFY2(gapMs >= intervalMs / 2, qPrintable(QString::number(gapMs)));
    }

    // Switching keyboards stops the tickers and starts them again at once:
    // the ticker runs afterwards, whether its loop had ended or not.
    void stopThenStartKeepsTicking_data()
    {
        QTest::addColumn<bool>("letItEnd");
        QTest::newRow("at once") << false;
        QTest::newRow("after the loop ended") << true;
    }
    void stopThenStartKeepsTicking()
    {
        QFETCH(bool, letItEnd);
        const std::unique_ptr<Listened> listened = keyTicker();
        listened->start();
        QVERIFY(listened->waitForTicks(2));
        listened->ticker->setRunning(false);
        if (letItEnd)
            QVERIFY(listened->ticker->wait(kPatienceMs));
        listened->ticker->startTicking();
        QVERIFY(listened->ticker->running());
        const size_t before = listened->arrivals.size();
        QVERIFY(listened->waitForTicks(before + 5));
        QVERIFY(listened->ticker->isRunning());

        // A stopped ticker ends promptly and ticks no more.
        listened->ticker->setRunning(false);
        QVERIFY(listened->ticker->wait(kPatienceMs));
        QCoreApplication::processEvents();
        const size_t stopped = listened->arrivals.size();
        QTest::qWait(60);
        QCOMPARE(listened->arrivals.size(), stopped);
    }
};

ORVANE_TEST_MAIN(tst_lightTickers)
#include "tst_lightTickers.moc"
