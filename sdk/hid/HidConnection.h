#pragma once

#include <cstddef>
#include <cstdint>

// One opened HID interface of a transport. Calls on one connection are
// serialised by its owner (HidDeviceTable).
class HidConnection
{
public:
    virtual ~HidConnection() = default;

    // One input report into `buffer`; returns its byte count, 0 when none
    // arrived within `timeoutMs` (0: do not wait), -1 when the device failed.
    virtual int read(uint8_t* buffer, size_t size, int timeoutMs) = 0;
    // One output report, unchanged; returns the bytes written or -1.
    virtual int write(const uint8_t* data, size_t size) = 0;
    // Sleeps until a read would not come back empty (a report waits, or the
    // device failed), or until `wakeFd` becomes readable, at most
    // `timeoutMs` (-1: no limit). Returns 1 when a read would not come back
    // empty, 0 otherwise. `wakeFd` is left as it is.
    virtual int waitForInput(int wakeFd, int timeoutMs) = 0;
};
