#include "ui/mainwidget/devicePage/lightDeal/DLightTickerThread.h"

#include "app/logCategories.h"

#include <QDebug>

namespace {
// A loop told to end leaves at once; this only bounds a thread that the
// system does not schedule.
constexpr unsigned long kEndWaitMs = 2000;
} // namespace

DLightTickerThread::DLightTickerThread(const char* name, int intervalMs, bool firstTickAtOnce, QObject* parent)
    : QThread(parent)
    , m_interval(intervalMs)
    , m_firstTickAtOnce(firstTickAtOnce)
{
    setObjectName(QLatin1String(name));
}

void DLightTickerThread::setRunning(bool running)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_running.store(running, std::memory_order_relaxed);
    m_wake.notify_all();
}

void DLightTickerThread::setInterval(int ms)
{
    m_interval.store(ms, std::memory_order_relaxed);
}

void DLightTickerThread::startTicking()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_running.store(true, std::memory_order_relaxed);
        if (m_looping) {
            m_wake.notify_all();
            return;
        }
    }
    if (isRunning() && !wait(kEndWaitMs))
        qCWarning(lcLighting) << "lighting ticker" << metaObject()->className() << "did not end; it is not restarted";
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_tickPending = false;
        m_looping = true;
    }
    start();
}

void DLightTickerThread::stopAndWait()
{
    setRunning(false);
    wait();
}

void DLightTickerThread::tickTaken()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_tickPending = false;
    // Only a loop held by its pending tick needs waking; one waiting for its
    // deadline would only wake to sleep again, once per tick.
    if (m_waitingForTake)
        m_wake.notify_all();
}

void DLightTickerThread::runTicks(const std::function<void()>& emitTick)
{
    const auto stopped = [this] { return !m_running.load(std::memory_order_relaxed); };
    std::unique_lock<std::mutex> lock(m_mutex);
    Clock::time_point next = Clock::now();
    if (!m_firstTickAtOnce)
        next += std::chrono::milliseconds(interval());
    for (;;) {
        if (m_wake.wait_until(lock, next, stopped))
            break;
        if (m_tickPending) {
            m_waitingForTake = true;
            m_wake.wait(lock, [&] { return stopped() || !m_tickPending; });
            m_waitingForTake = false;
            if (stopped())
                break;
            // The GUI thread was held up past a whole interval: the tick it
            // has just taken late stands for this one.
            const Clock::time_point now = Clock::now();
            const auto period = std::chrono::milliseconds(interval());
            if (now - next >= period) {
                next = now + period;
                continue;
            }
        }
        m_tickPending = true;
        lock.unlock();
        emitTick();
        lock.lock();
        next += std::chrono::milliseconds(interval());
        const Clock::time_point now = Clock::now();
        if (next < now)
            next = now;
    }
    m_looping = false;
}
