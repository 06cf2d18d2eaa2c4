#pragma once

#include "sdk/hid/HidConnection.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>

// The library's open devices by handle. Each device has its own lock, held
// for every read, write, wait and the close, so closing on the GUI thread
// while the I/O thread is inside a read or write waits for that call to end,
// and a call that comes after the close finds the handle gone and fails.
// A wait is woken first, so a close never waits for a silent keyboard.
class HidDeviceTable
{
public:
    static constexpr size_t kReportSize = 64;
    // A read in blocking mode gives up after this long, so that a close
    // never waits for a keyboard that stays silent.
    static constexpr int kBlockingReadMs = 100;

    static HidDeviceTable& instance();

    int open(const std::string& path); // handle, 0 on failure
    bool setNonblocking(int handle, bool nonblocking);
    int read(int handle, uint8_t* report); // report: 64 bytes
    int write(int handle, const uint8_t* report);
    // Sleeps until a report waits to be read, wake() is called or
    // `timeoutMs` pass (-1: no limit). 1 when a read would not come back
    // empty, 0 when woken or timed out, -1 for a closed handle. A wake that
    // comes while nobody waits ends the next wait at once.
    int waitForInput(int handle, int timeoutMs);
    void wake(int handle);
    void close(int handle);
    size_t openCount() const;

private:
    struct Device
    {
        Device();
        ~Device();
        Device(const Device&) = delete;
        Device& operator=(const Device&) = delete;

        std::mutex mutex;
        const int wakeFd; // eventfd; -1 when the system gave none
        std::unique_ptr<HidConnection> connection;
        std::string path;
        std::atomic<bool> nonblocking{false};
    };

    std::shared_ptr<Device> find(int handle) const;
    // Runs `call` under the device's lock; -1 when the handle is closed.
    int withConnection(int handle, const std::function<int(Device&)>& call);

    mutable std::mutex m_mutex;
    std::map<int, std::shared_ptr<Device>> m_devices;
    int m_nextHandle = 1;
};
