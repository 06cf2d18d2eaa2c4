#pragma once

#include "sdk/include/orvanesdk_hid.h"

#include <QElapsedTimer>

// The pacing interval as the library's timer gives it on this machine, in
// ms per call: the baseline the I/O benchmarks compare with.
inline double measuredIntervalMs()
{
    uint32_t state[2] = {};
    COrvaneHid_highPrecisionTimerInit(state);
    COrvaneHid_highPrecisionTimerStart(state[0], state[1]);
    constexpr int kCalls = 2000;
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < kCalls; ++i)
        COrvaneHid_highPrecisionTimerRuning(100, state[0], state[1]);
    const double ms = double(t.nsecsElapsed()) / 1e6 / kCalls;
    COrvaneHid_highPrecisionTimerStop(state[0], state[1]);
    return ms;
}
