#include "TestMain.h"

#include "orvanesdk_hid.h"

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
        QVERIFY2(ms >= 199 && ms < 400, qPrintable(QString::number(ms)));
        COrvaneHid_highPrecisionTimerStop(state[0], state[1]);
    }

    // The time a step takes is inside the interval, not added to it: with
    // 0.8 ms of work per step, relative waits would take 1.8 ms a step.
    void deadlinesAreAbsolute()
    {
        uint32_t state[2] = {};
        COrvaneHid_highPrecisionTimerInit(state);
        COrvaneHid_highPrecisionTimerStart(state[0], state[1]);
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < 200; ++i) {
            busyFor(800000);
            COrvaneHid_highPrecisionTimerRuning(100, state[0], state[1]);
        }
        const qint64 ms = t.elapsed();
        QVERIFY2(ms >= 199 && ms < 300, qPrintable(QString::number(ms)));
        COrvaneHid_highPrecisionTimerStop(state[0], state[1]);
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
        QThread::msleep(20);
        stop = true;
        worker.join();
        QVERIFY2(waits - atStop <= 25, qPrintable(QString::number(waits - atStop)));  // not a spin
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
