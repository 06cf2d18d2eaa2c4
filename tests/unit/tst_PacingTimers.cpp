// The pacing timers: which deadline each wait sleeps to, worked out at given
// times so no check depends on how busy the machine is; then that the real
// waits sleep at least to their deadlines. How close to the interval they
// come on a given machine is a figure of bench_pacing.
#include "support/TestMain.h"

#include "sdk/hid/PacingTimers.h"
#include "sdk/include/orvanesdk_hid.h"

#include <QElapsedTimer>

namespace {

constexpr int64_t kMs = 1000000;
constexpr int64_t kStart = 5000 * kMs; // any time on the monotonic clock

// A timer of its own set of timers, started at kStart.
struct StartedTimer
{
    PacingTimers timers;
    uint32_t state[2] = {};

    StartedTimer()
    {
        timers.init(state);
        timers.startAt(state[0], state[1], kStart);
    }
    int64_t waitAt(int64_t now, int steps = 1) { return timers.nextDeadline(state[0], state[1], steps, now); }
};

} // namespace

class tst_PacingTimers : public QObject
{
    Q_OBJECT

private slots:
    void intervalIsOneMillisecond() { QCOMPARE(int64_t(PacingTimers::kInterval.count()), int64_t(1000)); }

    // Each wait sleeps to one interval after the deadline before it, asked
    // at once after waking or after a step that took most of the interval:
    // the step's time is inside the interval, not added to it.
    void deadlinesAreAbsolute_data()
    {
        QTest::addColumn<int64_t>("stepNs");
        QTest::newRow("asked at once") << int64_t(0);
        QTest::newRow("after a step of 0.8 ms") << int64_t(800000);
        QTest::newRow("after a step of a whole interval") << kMs;
    }
    void deadlinesAreAbsolute()
    {
        QFETCH(int64_t, stepNs);
        StartedTimer timer;
        int64_t woke = kStart;
        for (int i = 1; i <= 200; ++i) {
            const int64_t deadline = timer.waitAt(woke + stepNs);
            QCOMPARE(deadline, kStart + i * kMs);
            woke = deadline;
        }
    }

    // Several intervals in one wait move the deadline on by all of them;
    // fewer than one still waits one.
    void stepsInOneWait_data()
    {
        QTest::addColumn<int>("steps");
        QTest::addColumn<int64_t>("moved");
        QTest::newRow("two") << 2 << 2 * kMs;
        QTest::newRow("five") << 5 << 5 * kMs;
        QTest::newRow("one") << 1 << kMs;
        QTest::newRow("none") << 0 << kMs;
        QTest::newRow("negative") << -3 << kMs;
    }
    void stepsInOneWait()
    {
        QFETCH(int, steps);
        QFETCH(int64_t, moved);
        StartedTimer timer;
        QCOMPARE(timer.waitAt(kStart, steps), kStart + moved);
        QCOMPARE(timer.waitAt(kStart + moved, steps), kStart + 2 * moved);
    }

    // A stall is not made up for with a burst of short waits: the timer
    // starts again from the end of the stall.
    void aStallIsNotCaughtUp()
    {
        StartedTimer timer;
        QCOMPARE(timer.waitAt(kStart), kStart + kMs);
        const int64_t stalled = kStart + 30 * kMs + 123;
        QCOMPARE(timer.waitAt(stalled), stalled);
        int64_t woke = stalled;
        for (int i = 1; i <= 20; ++i) {
            const int64_t deadline = timer.waitAt(woke);
            QCOMPARE(deadline, stalled + i * kMs);
            woke = deadline;
        }
    }

    // A timer that is stopped, unknown, not started or given a wrong second
    // word still paces: one interval from the time asked.
    void stoppedOrUnknownTimersStillPace_data()
    {
        QTest::addColumn<QString>("which");
        QTest::newRow("stopped") << "stopped";
        QTest::newRow("unknown") << "unknown";
        QTest::newRow("not started") << "not started";
        QTest::newRow("wrong second word") << "wrong second word";
    }
    void stoppedOrUnknownTimersStillPace()
    {
        QFETCH(QString, which);
        PacingTimers timers;
        uint32_t state[2] = {};
        timers.init(state);
        if (which != QLatin1String("not started"))
            timers.startAt(state[0], state[1], kStart);
        if (which == QLatin1String("stopped"))
            timers.stop(state[0], state[1]);
        uint32_t word0 = state[0], word1 = state[1];
        if (which == QLatin1String("unknown"))
            word0 = 12345, word1 = ~word0;
        if (which == QLatin1String("wrong second word"))
            word1 = 0;
        const int64_t now = kStart + 7 * kMs;
        for (int i = 0; i < 3; ++i)
            QCOMPARE(timers.nextDeadline(word0, word1, 1, now + i), now + i + kMs);
        QCOMPARE(timers.nextDeadline(word0, word1, 3, now), now + 3 * kMs);
    }

    void eachInitGivesItsOwnTimer()
    {
        uint32_t a[2] = {}, b[2] = {};
        COrvaneHid_highPrecisionTimerInit(a);
        COrvaneHid_highPrecisionTimerInit(b);
        QVERIFY(a[0] != b[0]);
        QCOMPARE(a[1], ~a[0]);
        COrvaneHid_highPrecisionTimerStop(a[0], a[1]);
        COrvaneHid_highPrecisionTimerStop(b[0], b[1]);

        // Two timers keep their own deadlines.
        PacingTimers timers;
        uint32_t first[2] = {}, second[2] = {};
        timers.init(first);
        timers.init(second);
        QCOMPARE(timers.count(), size_t(2));
        timers.startAt(first[0], first[1], kStart);
        timers.startAt(second[0], second[1], kStart + kMs / 2);
        QCOMPARE(timers.nextDeadline(first[0], first[1], 1, kStart), kStart + kMs);
        QCOMPARE(timers.nextDeadline(second[0], second[1], 1, kStart), kStart + kMs / 2 + kMs);
        QCOMPARE(timers.nextDeadline(first[0], first[1], 1, kStart), kStart + 2 * kMs);
        timers.stop(first[0], first[1]);
        QCOMPARE(timers.count(), size_t(1));
        timers.stop(second[0], second[1] + 1); // not its word: kept
        QCOMPARE(timers.count(), size_t(1));
    }

    // The library's calls sleep at least to their deadlines; a busy machine
    // can only make them later.
    void waitsSleepToTheirDeadlines()
    {
        uint32_t state[2] = {};
        COrvaneHid_highPrecisionTimerInit(state);
        QElapsedTimer t;
        t.start();
        COrvaneHid_highPrecisionTimerStart(state[0], state[1]);
        for (int i = 0; i < 50; ++i)
            COrvaneHid_highPrecisionTimerRuning(100, state[0], state[1]);
        QVERIFY2(t.nsecsElapsed() >= 50 * kMs, qPrintable(QString::number(t.nsecsElapsed())));
        // The first of these may be due at once when the loop above ran
        // late; the nine after it are three intervals apart.
        t.restart();
        for (int i = 0; i < 10; ++i)
            COrvaneHid_highPrecisionTimerRuningSteps(3, state[0], state[1]);
        QVERIFY2(t.nsecsElapsed() >= 27 * kMs, qPrintable(QString::number(t.nsecsElapsed())));
        COrvaneHid_highPrecisionTimerStop(state[0], state[1]);

        // A stopped timer is no spin either.
        t.restart();
        for (int i = 0; i < 10; ++i)
            COrvaneHid_highPrecisionTimerRuning(100, state[0], state[1]);
        QVERIFY2(t.nsecsElapsed() >= 10 * kMs, qPrintable(QString::number(t.nsecsElapsed())));
    }
};

ORVANE_TEST_MAIN(tst_PacingTimers)
#include "tst_PacingTimers.moc"
