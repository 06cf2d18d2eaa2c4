// The waiting helper: it ends on its condition or its deadline, whatever
// makes the condition true, and it sleeps while it waits instead of going
// round and round, also when waits nest.
#include "support/TestMain.h"

#include "app/DEventWait.h"

#include <QAbstractEventDispatcher>
#include <QElapsedTimer>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <functional>
#include <memory>

namespace {

// How often the GUI thread went to sleep while it was alive: a wait that
// sleeps does so a few times, one that spins thousands of times.
class SleepCounter
{
public:
    SleepCounter()
    {
        m_connection = QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                                        [this] { ++m_sleeps; });
    }
    ~SleepCounter() { QObject::disconnect(m_connection); }
    int sleeps() const { return m_sleeps; }

private:
    QMetaObject::Connection m_connection;
    int m_sleeps = 0;
};

constexpr int kLongDeadlineMs = 10000;
// Far above the few sleeps a wait needs, far below what a spinning one makes.
constexpr int kMostSleeps = 50;

// Starts a thread that, after a short pause, does what it is given.
std::unique_ptr<QThread> later(std::function<void()> action)
{
    std::unique_ptr<QThread> thread(QThread::create([action] {
        QThread::msleep(50);
        action();
    }));
    thread->start();
    return thread;
}

} // namespace

class tst_DEventWait : public QObject
{
    Q_OBJECT

private slots:
    void endsWhenTheConditionHolds_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<int>("pollMs");
        QTest::newRow("already true") << "now" << 0;
        QTest::newRow("queued call of this thread") << "queued" << 0;
        QTest::newRow("event posted by another thread") << "posted" << 0;
        QTest::newRow("another thread's flag, nothing posted") << "flag" << 2;
    }
    void endsWhenTheConditionHolds()
    {
        QFETCH(QString, source);
        QFETCH(int, pollMs);
        std::atomic<bool> flag{source == QLatin1String("now")};
        QObject receiver;
        std::unique_ptr<QThread> thread;
        if (source == QLatin1String("queued"))
            QTimer::singleShot(0, &receiver, [&flag] { flag = true; });
        else if (source == QLatin1String("posted"))
            thread = later([&receiver, &flag] {
                QMetaObject::invokeMethod(
                    &receiver, [&flag] { flag = true; }, Qt::QueuedConnection);
            });
        else if (source == QLatin1String("flag"))
            thread = later([&flag] { flag = true; });

        SleepCounter counter;
        QVERIFY(DEventWait::until(
            kLongDeadlineMs, [&flag] { return flag.load(); }, pollMs));
        if (pollMs == 0)
            QVERIFY2(counter.sleeps() < kMostSleeps, qPrintable(QString::number(counter.sleeps())));
        if (thread)
            QVERIFY(thread->wait(kLongDeadlineMs));
    }

    void endsAtTheDeadline()
    {
        constexpr int kDeadlineMs = 300;
        SleepCounter counter;
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!DEventWait::until(kDeadlineMs, [] { return false; }));
        QVERIFY2(clock.elapsed() >= kDeadlineMs, qPrintable(QString::number(clock.elapsed())));
        QVERIFY2(counter.sleeps() < kMostSleeps, qPrintable(QString::number(counter.sleeps())));
    }

    // Events handled by a wait are handled normally: a timer of the caller
    // fires while it waits.
    void handlesOtherEventsMeanwhile()
    {
        int fired = 0;
        QTimer timer;
        connect(&timer, &QTimer::timeout, [&fired] { ++fired; });
        timer.start(10);
        QVERIFY(DEventWait::until(kLongDeadlineMs, [&fired] { return fired >= 3; }));
        QCOMPARE(fired, 3);
    }

    // An event handled by an outer wait starts an inner one. The outer
    // condition comes true first; the inner wait still sleeps until its own,
    // and the outer one ends right after.
    void nested_data()
    {
        QTest::addColumn<bool>("innerMet");
        QTest::newRow("inner condition met") << true;
        QTest::newRow("inner deadline passes") << false;
    }
    void nested()
    {
        QFETCH(bool, innerMet);
        bool outerDone = false;
        std::atomic<bool> innerDone{false};
        int innerResult = -1;
        int innerSleeps = -1;
        bool outerDoneBeforeInner = false;
        std::unique_ptr<QThread> thread;
        QObject receiver;
        QTimer::singleShot(0, &receiver, [&] {
            outerDone = true;
            if (innerMet) {
                thread = later([&receiver, &innerDone] {
                    QMetaObject::invokeMethod(
                        &receiver, [&innerDone] { innerDone = true; }, Qt::QueuedConnection);
                });
            }
            SleepCounter counter;
            innerResult
                = DEventWait::until(innerMet ? kLongDeadlineMs : 300, [&innerDone] { return innerDone.load(); });
            innerSleeps = counter.sleeps();
            outerDoneBeforeInner = outerDone;
        });
        QVERIFY(
            DEventWait::until(kLongDeadlineMs, [&outerDone, &innerResult] { return outerDone && innerResult >= 0; }));
        QVERIFY(outerDoneBeforeInner);
        QCOMPARE(innerResult, int(innerMet));
        QVERIFY2(innerSleeps < kMostSleeps, qPrintable(QString::number(innerSleeps)));
        if (thread)
            QVERIFY(thread->wait(kLongDeadlineMs));
    }
};

ORVANE_TEST_MAIN(tst_DEventWait)
#include "tst_DEventWait.moc"
