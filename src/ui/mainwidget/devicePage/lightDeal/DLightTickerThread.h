#pragma once

#include <QThread>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>

// The beat of the lighting engine: a thread that only emits a queued signal
// per tick, so all the work runs in the GUI thread. It waits to deadlines on
// the monotonic clock, so a tick comes within about a millisecond of its
// interval. While its last tick still waits in the GUI thread's queue it
// emits no new one: a GUI thread that stalls gets one late tick, not a burst.
class DLightTickerThread : public QThread
{
    Q_OBJECT

public:
    // The name is the thread's in the system's process lists (at most 15
    // characters there), so a profile tells the tickers apart.
    DLightTickerThread(const char* name, int intervalMs, bool firstTickAtOnce, QObject* parent = nullptr);

    // Stores the flag; a loop waiting for its deadline ends at once.
    void setRunning(bool running);
    bool running() const { return m_running.load(std::memory_order_relaxed); }
    void setInterval(int ms);
    int interval() const { return m_interval.load(std::memory_order_relaxed); }

    // Starts ticking: a loop that has not yet ended after a stop takes the
    // start over; one that is ending is waited for first, so a stop followed
    // at once by a start always leaves the ticker running.
    void startTicking();
    // Ends the loop and waits for the thread (destructors).
    void stopAndWait();
    // The GUI thread took the last tick; the next one may follow.
    void tickTaken();

protected:
    // Runs on the thread until the running flag goes down.
    void runTicks(const std::function<void()>& emitTick);

private:
    using Clock = std::chrono::steady_clock;

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::atomic<bool> m_running{false};
    std::atomic<int> m_interval;
    bool m_firstTickAtOnce;
    bool m_looping = false; // guarded by m_mutex
    bool m_tickPending = false; // guarded by m_mutex
    bool m_waitingForTake = false; // guarded by m_mutex
};
