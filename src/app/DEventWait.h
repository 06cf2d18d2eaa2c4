#pragma once

#include <functional>

// Waits on the calling thread for something its event loop will bring (a
// keyboard's answer, a link becoming ready) without spinning: events are
// processed as they come and the thread sleeps in between, until the
// condition holds or the deadline passes. Waits may nest; only the innermost
// one is woken by its condition.
class DEventWait
{
public:
    using Condition = std::function<bool()>;

    // Returns whether done() held before timeoutMs passed. done() is checked
    // after every batch of events and before every sleep, so a condition set
    // by an event of this thread ends the wait at once. A condition that
    // changes elsewhere without any event to say so (another thread's
    // counter) needs pollMs > 0: the wait then also wakes that often.
    static bool until(int timeoutMs, const Condition& done, int pollMs = 0);
    // Whether a wait is running on the calling thread: what called it is
    // still on the stack and may hold on to objects it used before.
    static bool isWaiting();
};
