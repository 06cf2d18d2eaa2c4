#include "support/TestMain.h"

#include "sdk/include/orvanesdk_hid.h"

#include <QElapsedTimer>
#include <atomic>
#include <thread>

class tst_PacingTimers : public QObject
{
    Q_OBJECT

private:
    static void busyFor(qint64 ns)
    {
        QElapsedTimer t;
        t.start();
        while (t.nsecsElapsed() < ns) {
        }
    }

private slots:
    void oneIntervalPerCall()
    {
        uint32_t state[2] = {};
        COrvaneHid_highPrecisionTimerInit(state);
        COrvaneHid_highPrecisionTimerStart(state[0], state[1]);
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < 200; ++i)
            COrvaneHid_highPrecisionTimerRuning(100, state[0], state[1]);
        const qint64 ms = t.elapsed();
        // The upper bound leaves room for a loaded machine; an interval of
        // 3 ms or more would still show.
        QVERIFY2(ms >= 199 && ms < 600, qPrintable(QString::number(ms)));
        COrvaneHid_highPrecisionTimerStop(state[0], state[1]);
    }

    // Several intervals in one wait: the deadline moves on by all of them,
    // so a run of two-step waits paces like twice as many single ones.
    void severalIntervalsInOneWait()
    {
        uint32_t state[2] = {};
        COrvaneHid_highPrecisionTimerInit(state);
        COrvaneHid_highPrecisionTimerStart(state[0], state[1]);
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < 100; ++i)
            COrvaneHid_highPrecisionTimerRuningSteps(2, state[0], state[1]);
        QVERIFY2(t.elapsed() >= 199, qPrintable(QString::number(t.elapsed())));
        // Fewer than one step still waits one.
        t.restart();
        for (int i = 0; i < 50; ++i)
            COrvaneHid_highPrecisionTimerRuningSteps(0, state[0], state[1]);
        QVERIFY2(t.elapsed() >= 49, qPrintable(QString::number(t.elapsed())));
        COrvaneHid_highPrecisionTimerStop(state[0], state[1]);
    }

    // The time a step takes is inside the interval, not added to it. The same
    // steps with a plain 1 ms sleep after the work run beside it, so a loaded
    // machine slows both; a run the scheduler spoiled is tried again.
    void deadlinesAreAbsolute()
    {
        constexpr int kSteps = 200;
        constexpr qint64 kWorkNs = 800000;
        QString figures;
        for (int attempt = 0; attempt < 3; ++attempt) {
            QElapsedTimer relative;
            relative.start();
            for (int i = 0; i < kSteps; ++i) {
                busyFor(kWorkNs);
                QThread::usleep(1000);
            }
            const qint64 relativeMs = relative.elapsed();

            uint32_t state[2] = {};
            COrvaneHid_highPrecisionTimerInit(state);
            COrvaneHid_highPrecisionTimerStart(state[0], state[1]);
            QElapsedTimer t;
            t.start();
            for (int i = 0; i < kSteps; ++i) {
                busyFor(kWorkNs);
                COrvaneHid_highPrecisionTimerRuning(100, state[0], state[1]);
            }
            const qint64 ms = t.elapsed();
            COrvaneHid_highPrecisionTimerStop(state[0], state[1]);

            figures += QStringLiteral("[deadlines %1 ms, relative waits %2 ms] ").arg(ms).arg(relativeMs);
            QVERIFY2(ms >= kSteps - 1, qPrintable(figures));
            if (ms * 100 < relativeMs * 80)
                return;
        }
        QFAIL(qPrintable(figures));
    }

    // A stall is not made up for with a burst of short waits.
    void aStallIsNotCaughtUp()
    {
        uint32_t state[2] = {};
        COrvaneHid_highPrecisionTimerInit(state);
        COrvaneHid_highPrecisionTimerStart(state[0], state[1]);
        QThread::msleep(30);
        COrvaneHid_highPrecisionTimerRuning(100, state[0], state[1]);
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < 20; ++i)
            COrvaneHid_highPrecisionTimerRuning(100, state[0], state[1]);
        QVERIFY2(t.elapsed() >= 19, qPrintable(QString::number(t.elapsed())));
        COrvaneHid_highPrecisionTimerStop(state[0], state[1]);
    }

    void stoppedOrUnknownTimersStillPace()
    {
        uint32_t state[2] = {};
        COrvaneHid_highPrecisionTimerInit(state);
        COrvaneHid_highPrecisionTimerStart(state[0], state[1]);
        std::atomic<bool> stop{false};
        std::atomic<int> waits{0};
        std::thread worker([&] {
            while (!stop) {
                COrvaneHid_highPrecisionTimerRuning(100, state[0], state[1]);
                ++waits;
            }
        });
        QThread::msleep(20);
        COrvaneHid_highPrecisionTimerStop(state[0], state[1]);
        const int atStop = waits;
        QElapsedTimer afterStop;
        afterStop.start();
        QThread::msleep(20);
        stop = true;
        const qint64 ms = afterStop.elapsed();
        worker.join();
        // Still about one wait per millisecond, not a spin.
        QVERIFY2(waits - atStop <= ms + 3, qPrintable(QStringLiteral("%1 in %2 ms").arg(waits - atStop).arg(ms)));
        QVERIFY(waits - atStop >= 5);

        QElapsedTimer t;
        t.start();
        for (int i = 0; i < 10; ++i)
            COrvaneHid_highPrecisionTimerRuning(100, 12345, 0);
        QVERIFY(t.elapsed() >= 9);
    }

    void eachInitGivesItsOwnTimer()
    {
        uint32_t a[2] = {}, b[2] = {};
        COrvaneHid_highPrecisionTimerInit(a);
        COrvaneHid_highPrecisionTimerInit(b);
        QVERIFY(a[0] != b[0]);
        QVERIFY(a[1] != a[0]);
        COrvaneHid_highPrecisionTimerStop(a[0], a[1]);
        COrvaneHid_highPrecisionTimerStop(b[0], b[1]);
    }
};

ORVANE_TEST_MAIN(tst_PacingTimers)
#include "tst_PacingTimers.moc"
