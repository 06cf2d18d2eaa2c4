#include "hid/DLightStepClock.h"

#include <algorithm>
#include <ctime>

namespace {
constexpr int64_t kNsPerMs = 1000000;
constexpr int kDefaultIntervalMs = 12;
} // namespace

DLightStepClock::DLightStepClock()
{
    for (Steps& steps : m_parts)
        steps.intervalMs = kDefaultIntervalMs;
}

int64_t DLightStepClock::nowNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return int64_t(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

void DLightStepClock::restart(Part part, int64_t nowNs)
{
    m_parts[size_t(part)].nextNs = nowNs;
}

void DLightStepClock::setInterval(Part part, int ms)
{
    m_parts[size_t(part)].intervalMs = std::max(1, ms);
}

int DLightStepClock::take(Part part, int64_t nowNs)
{
    Steps& steps = m_parts[size_t(part)];
    if (nowNs < steps.nextNs)
        return 0;
    const int64_t interval = int64_t(steps.intervalMs) * kNsPerMs;
    const int64_t due = (nowNs - steps.nextNs) / interval + 1;
    if (due > kMostStepsAtOnce) {
        // What lies further back is let go; the next step is one interval on.
        steps.nextNs = nowNs + interval;
        return kMostStepsAtOnce;
    }
    steps.nextNs += due * interval;
    return int(due);
}
