#include "app/DEventWait.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>

namespace {

// How many waits are running on this thread, the innermost last.
thread_local int t_waitDepth = 0;

} // namespace

bool DEventWait::isWaiting()
{
    return t_waitDepth > 0;
}

bool DEventWait::until(int timeoutMs, const Condition& done, int pollMs)
{
    if (done())
        return true;
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    if (!dispatcher)
        return false;

    const int depth = ++t_waitDepth;
    // The dispatcher may go to sleep right after the event that fulfilled the
    // condition (the Unix one does); a last look before each sleep keeps it
    // awake. An outer wait must not look while an inner one runs: its
    // condition may already hold, and waking for it again and again would
    // spin the inner wait.
    const QMetaObject::Connection lastLook
        = QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, [&done, depth, dispatcher] {
              if (t_waitDepth == depth && done())
                  dispatcher->wakeUp();
          });

    QElapsedTimer clock;
    clock.start();
    QTimer wake;
    wake.setSingleShot(true);
    // A coarse timer may fire early, and an early wake would only mean a
    // second sleep; a precise one ends the wait on its deadline.
    wake.setTimerType(Qt::PreciseTimer);
    bool met = false;
    for (;;) {
        met = done();
        const qint64 left = timeoutMs - clock.elapsed();
        if (met || left <= 0)
            break;
        wake.start(int(pollMs > 0 ? std::min<qint64>(left, pollMs) : left));
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    QObject::disconnect(lastLook);
    --t_waitDepth;
    return met;
}
