#pragma once

#include <chrono>
#include <cstdint>
#include <map>
#include <mutex>

// The pacing timers behind COrvaneHid_highPrecisionTimer*. Each waits to
// absolute deadlines on the monotonic clock, one interval apart, so the time
// a step itself takes is not added on top of the wait; a timer that fell
// behind starts again from now instead of catching up in a burst.
class PacingTimers
{
public:
    static constexpr std::chrono::microseconds kInterval{1000};

    static PacingTimers& instance();

    void init(uint32_t* state); // two words
    void start(uint32_t word0, uint32_t word1);
    // Returns after `steps` intervals (at least one); a timer that is
    // unknown, stopped or not yet started still waits them from now. A timer
    // whose deadline has passed returns at once, without sleeping.
    void wait(uint32_t word0, uint32_t word1, int steps = 1);
    void stop(uint32_t word0, uint32_t word1);
    size_t count() const;

    // What start and wait do at a given time on the monotonic clock, in ns:
    // the timer's first deadline is `nowNs`; a wait asked at `nowNs` moves the
    // deadline on and returns the one it sleeps to.
    void startAt(uint32_t word0, uint32_t word1, int64_t nowNs);
    int64_t nextDeadline(uint32_t word0, uint32_t word1, int steps, int64_t nowNs);
    static int64_t nowNs();

private:
    struct Timer
    {
        bool running = false;
        int64_t deadlineNs = 0; // CLOCK_MONOTONIC
    };
    static bool valid(uint32_t word0, uint32_t word1) { return word1 == ~word0; }

    mutable std::mutex m_mutex;
    std::map<uint32_t, Timer> m_timers;
    uint32_t m_nextId = 1;
};
