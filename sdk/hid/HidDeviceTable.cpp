#include "sdk/hid/HidDeviceTable.h"

#include "sdk/hid/HidTransportRegistry.h"
#include "sdk/hid/ReportTrace.h"

#include <cerrno>
#include <cstring>
#include <sys/eventfd.h>
#include <unistd.h>

HidDeviceTable::Device::Device()
    : wakeFd(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK))
{
}

HidDeviceTable::Device::~Device()
{
    if (wakeFd >= 0)
        ::close(wakeFd);
}

HidDeviceTable& HidDeviceTable::instance()
{
    static HidDeviceTable table;
    return table;
}

int HidDeviceTable::open(const std::string& path)
{
    std::unique_ptr<HidConnection> connection = HidTransportRegistry::current()->open(path);
    if (!connection)
        return 0;
    auto device = std::make_shared<Device>();
    device->connection = std::move(connection);
    device->path = path;
    std::lock_guard<std::mutex> lock(m_mutex);
    // Handles are never reused, so a stale handle cannot reach a device
    // opened later.
    const int handle = m_nextHandle;
    m_nextHandle = m_nextHandle == INT32_MAX ? 1 : m_nextHandle + 1;
    m_devices[handle] = std::move(device);
    return handle;
}

std::shared_ptr<HidDeviceTable::Device> HidDeviceTable::find(int handle) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto it = m_devices.find(handle);
    return it == m_devices.end() ? nullptr : it->second;
}

bool HidDeviceTable::setNonblocking(int handle, bool nonblocking)
{
    const auto device = find(handle);
    if (!device)
        return false;
    device->nonblocking = nonblocking;
    return true;
}

int HidDeviceTable::withConnection(int handle, const std::function<int(Device&)>& call)
{
    const auto device = find(handle);
    if (!device)
        return -1;
    std::lock_guard<std::mutex> lock(device->mutex);
    if (!device->connection)
        return -1;
    return call(*device);
}

int HidDeviceTable::read(int handle, uint8_t* report)
{
    if (!report)
        return -1;
    return withConnection(handle, [report](Device& device) {
        uint8_t buffer[kReportSize] = {};
        int n = device.connection->read(buffer, kReportSize, device.nonblocking ? 0 : kBlockingReadMs);
        // The caller always takes 64 bytes: a short report leaves zeros
        // behind it, never the bytes of an earlier one.
        std::memcpy(report, buffer, kReportSize);
        n = n > static_cast<int>(kReportSize) ? static_cast<int>(kReportSize) : n;
        // An empty read is the idle loop's heartbeat, not a report.
        if (ReportTrace::enabled() && n != 0)
            ReportTrace::log(n < 0 ? ReportTrace::Event::ReadFailed : ReportTrace::Event::Read, device.path, buffer,
                             n < 0 ? 0 : size_t(n));
        return n;
    });
}

int HidDeviceTable::write(int handle, const uint8_t* report)
{
    if (!report)
        return -1;
    return withConnection(handle, [report](Device& device) {
        const int n = device.connection->write(report, kReportSize);
        if (ReportTrace::enabled())
            ReportTrace::log(n < 0 ? ReportTrace::Event::WriteFailed : ReportTrace::Event::Written, device.path, report,
                             kReportSize);
        return n;
    });
}

int HidDeviceTable::waitForInput(int handle, int timeoutMs)
{
    return withConnection(handle, [timeoutMs](Device& device) {
        // Without an eventfd nothing could wake the wait: do not sleep.
        if (device.wakeFd < 0)
            return 1;
        const int ready = device.connection->waitForInput(device.wakeFd, timeoutMs);
        // Taken after the wait: a wake that comes later ends the next one.
        uint64_t wakes = 0;
        while (::read(device.wakeFd, &wakes, sizeof wakes) < 0 && errno == EINTR) {
        }
        return ready;
    });
}

void HidDeviceTable::wake(int handle)
{
    const auto device = find(handle);
    if (device && device->wakeFd >= 0)
        eventfd_write(device->wakeFd, 1);
}

void HidDeviceTable::close(int handle)
{
    std::shared_ptr<Device> device;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        const auto it = m_devices.find(handle);
        if (it == m_devices.end())
            return;
        device = std::move(it->second);
        m_devices.erase(it);
    }
    if (device->wakeFd >= 0)
        eventfd_write(device->wakeFd, 1);
    std::lock_guard<std::mutex> lock(device->mutex);
    device->connection.reset();
}

size_t HidDeviceTable::openCount() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_devices.size();
}
