// The lighting engine's step clock, worked out at given times on the
// monotonic clock so that no check depends on how busy the machine is: an
// effect makes as many steps as its interval fits into the time since it
// started, whatever the beat that takes them; a step is never taken before
// its deadline; a very late beat takes a bounded number; a new interval
// keeps the step already due; the keyboard and the side count apart.
#include "support/TestMain.h"

#include "hid/DLightStepClock.h"

namespace {

constexpr int64_t kMs = 1000000;
constexpr int64_t kStart = 7000 * kMs; // any time on the monotonic clock

} // namespace

class tst_lightStepClock : public QObject
{
    Q_OBJECT

private slots:
    // Beats of any length take, together, the steps the interval fits into
    // the time since the start, the first one at once.
    void stepsFollowTheIntervalNotTheBeat_data()
    {
        QTest::addColumn<int>("intervalMs");
        QTest::addColumn<int>("beatMs");
        QTest::addColumn<int>("beats");
        QTest::newRow("fastest effect, engine beat") << 8 << 30 << 40;
        QTest::newRow("default keys, engine beat") << 12 << 30 << 40;
        QTest::newRow("slowest effect, engine beat") << 28 << 30 << 40;
        QTest::newRow("beat as fast as the effect") << 12 << 12 << 40;
        QTest::newRow("beat faster than the effect") << 15 << 4 << 100;
        QTest::newRow("uneven beat against the effect") << 8 << 7 << 90;
    }
    void stepsFollowTheIntervalNotTheBeat()
    {
        QFETCH(int, intervalMs);
        QFETCH(int, beatMs);
        QFETCH(int, beats);
        DLightStepClock clock;
        clock.setInterval(DLightStepClock::Keyboard, intervalMs);
        QCOMPARE(clock.interval(DLightStepClock::Keyboard), intervalMs);
        clock.restart(DLightStepClock::Keyboard, kStart);
        QCOMPARE(clock.take(DLightStepClock::Keyboard, kStart), 1);
        int taken = 1;
        for (int beat = 1; beat <= beats; ++beat) {
            const int64_t now = kStart + beat * beatMs * kMs;
            const int steps = clock.take(DLightStepClock::Keyboard, now);
            QVERIFY2(steps >= 0 && steps <= beatMs / intervalMs + 1, qPrintable(QString::number(steps)));
            taken += steps;
            QCOMPARE(taken, beat * beatMs / intervalMs + 1);
        }
    }

    // A step is taken at its deadline, not a nanosecond before, and once.
    void noStepBeforeItsDeadline()
    {
        DLightStepClock clock;
        clock.setInterval(DLightStepClock::Side, 15);
        clock.restart(DLightStepClock::Side, kStart);
        QCOMPARE(clock.take(DLightStepClock::Side, kStart - 1), 0);
        QCOMPARE(clock.take(DLightStepClock::Side, kStart), 1);
        QCOMPARE(clock.take(DLightStepClock::Side, kStart), 0);
        QCOMPARE(clock.take(DLightStepClock::Side, kStart + 15 * kMs - 1), 0);
        QCOMPARE(clock.take(DLightStepClock::Side, kStart + 15 * kMs), 1);
        QCOMPARE(clock.take(DLightStepClock::Side, kStart + 15 * kMs), 0);
    }

    // After a stall the beat takes a bounded number of steps, and the
    // effect goes on one interval after that beat instead of catching up.
    void aVeryLateBeatTakesABoundedNumber()
    {
        DLightStepClock clock;
        clock.setInterval(DLightStepClock::Keyboard, 8);
        clock.restart(DLightStepClock::Keyboard, kStart);
        QCOMPARE(clock.take(DLightStepClock::Keyboard, kStart), 1);
        const int64_t late = kStart + 2000 * kMs;
        QCOMPARE(clock.take(DLightStepClock::Keyboard, late), DLightStepClock::kMostStepsAtOnce);
        QCOMPARE(clock.take(DLightStepClock::Keyboard, late + 8 * kMs - 1), 0);
        QCOMPARE(clock.take(DLightStepClock::Keyboard, late + 8 * kMs), 1);
        // As many as the bound are still all taken.
        const int64_t bound = late + 8 * kMs + DLightStepClock::kMostStepsAtOnce * 8 * kMs;
        QCOMPARE(clock.take(DLightStepClock::Keyboard, bound), DLightStepClock::kMostStepsAtOnce);
        QCOMPARE(clock.take(DLightStepClock::Keyboard, bound), 0);
    }

    // A speed change takes effect from the step already due: that one keeps
    // its deadline, the ones after it follow the new interval.
    void aNewIntervalKeepsTheStepDue()
    {
        DLightStepClock clock;
        clock.setInterval(DLightStepClock::Keyboard, 8);
        clock.restart(DLightStepClock::Keyboard, kStart);
        QCOMPARE(clock.take(DLightStepClock::Keyboard, kStart), 1);
        clock.setInterval(DLightStepClock::Keyboard, 28);
        QCOMPARE(clock.take(DLightStepClock::Keyboard, kStart + 8 * kMs), 1);
        QCOMPARE(clock.take(DLightStepClock::Keyboard, kStart + 35 * kMs), 0);
        QCOMPARE(clock.take(DLightStepClock::Keyboard, kStart + 36 * kMs), 1);
    }

    // A restart makes the first step due at once again, whatever was due.
    void aRestartBeginsAtOnce()
    {
        DLightStepClock clock;
        clock.setInterval(DLightStepClock::Keyboard, 20);
        clock.restart(DLightStepClock::Keyboard, kStart);
        QCOMPARE(clock.take(DLightStepClock::Keyboard, kStart + 5 * kMs), 1);
        clock.restart(DLightStepClock::Keyboard, kStart + 6 * kMs);
        QCOMPARE(clock.take(DLightStepClock::Keyboard, kStart + 6 * kMs), 1);
        QCOMPARE(clock.take(DLightStepClock::Keyboard, kStart + 25 * kMs), 0);
        QCOMPARE(clock.take(DLightStepClock::Keyboard, kStart + 26 * kMs), 1);
    }

    void keyboardAndSideCountApart()
    {
        DLightStepClock clock;
        clock.setInterval(DLightStepClock::Keyboard, 10);
        clock.setInterval(DLightStepClock::Side, 25);
        clock.restart(DLightStepClock::Keyboard, kStart);
        clock.restart(DLightStepClock::Side, kStart + 5 * kMs);
        QCOMPARE(clock.take(DLightStepClock::Keyboard, kStart + 30 * kMs), 4);
        QCOMPARE(clock.take(DLightStepClock::Side, kStart + 30 * kMs), 2);
        QCOMPARE(clock.take(DLightStepClock::Keyboard, kStart + 60 * kMs), 3);
        QCOMPARE(clock.take(DLightStepClock::Side, kStart + 60 * kMs), 1);
    }

    void nowIsTheMonotonicClock()
    {
        const int64_t first = DLightStepClock::nowNs();
        timespec ts{};
        clock_gettime(CLOCK_MONOTONIC, &ts);
        const int64_t monotonic = int64_t(ts.tv_sec) * 1000000000 + ts.tv_nsec;
        QVERIFY(first > 0 && first <= monotonic);
        QVERIFY(DLightStepClock::nowNs() >= monotonic);
    }
};

ORVANE_TEST_MAIN(tst_lightStepClock)
#include "tst_lightStepClock.moc"
