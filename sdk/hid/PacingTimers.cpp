#include "sdk/hid/PacingTimers.h"

#include <algorithm>
#include <cerrno>
#include <ctime>

int64_t PacingTimers::nowNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return int64_t(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

PacingTimers& PacingTimers::instance()
{
    static PacingTimers timers;
    return timers;
}

void PacingTimers::init(uint32_t* state)
{
    if (!state)
        return;
    std::lock_guard<std::mutex> lock(m_mutex);
    const uint32_t id = m_nextId++;
    m_timers[id] = Timer{};
    state[0] = id;
    state[1] = ~id;
}

void PacingTimers::start(uint32_t word0, uint32_t word1)
{
    startAt(word0, word1, nowNs());
}

void PacingTimers::startAt(uint32_t word0, uint32_t word1, int64_t nowNs)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto it = m_timers.find(word0);
    if (!valid(word0, word1) || it == m_timers.end())
        return;
    it->second.running = true;
    it->second.deadlineNs = nowNs;
}

int64_t PacingTimers::nextDeadline(uint32_t word0, uint32_t word1, int steps, int64_t nowNs)
{
    const int64_t step = std::chrono::nanoseconds(kInterval).count() * std::max(1, steps);
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto it = m_timers.find(word0);
    if (!valid(word0, word1) || it == m_timers.end() || !it->second.running)
        return nowNs + step;
    Timer& t = it->second;
    t.deadlineNs += step;
    if (t.deadlineNs < nowNs)
        t.deadlineNs = nowNs;
    return t.deadlineNs;
}

void PacingTimers::wait(uint32_t word0, uint32_t word1, int steps)
{
    const int64_t now = nowNs();
    const int64_t deadline = nextDeadline(word0, word1, steps, now);
    // A timer that fell behind goes on from now: no sleep, which would cost
    // the caller a wake-up for nothing.
    if (deadline <= now)
        return;
    const timespec until{static_cast<time_t>(deadline / 1000000000), static_cast<long>(deadline % 1000000000)};
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, nullptr) == EINTR) {
    }
}

void PacingTimers::stop(uint32_t word0, uint32_t word1)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (valid(word0, word1))
        m_timers.erase(word0);
}

size_t PacingTimers::count() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_timers.size();
}
