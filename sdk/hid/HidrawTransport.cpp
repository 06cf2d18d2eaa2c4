#include "sdk/hid/HidrawTransport.h"

#include "sdk/hid/HidPath.h"
#include "sdk/models/ModelCatalogue.h"

#include <QString>
#include <cerrno>
#include <fcntl.h>
#include <hidapi.h>
#include <poll.h>
#include <unistd.h>

namespace {

std::string utf8(const wchar_t* text)
{
    return text ? QString::fromWCharArray(text).toStdString() : std::string();
}

// hidapi finds the nodes; the node itself is read and written here, as
// hidapi's hidraw backend does, because hidapi gives no descriptor to sleep
// on until a report arrives.
class HidrawConnection : public HidConnection
{
public:
    explicit HidrawConnection(int fd)
        : m_fd(fd)
    {
    }
    ~HidrawConnection() override { ::close(m_fd); }

    int read(uint8_t* buffer, size_t size, int timeoutMs) override
    {
        if (timeoutMs != 0 && waitForInput(-1, timeoutMs) == 0)
            return 0;
        const ssize_t n = ::read(m_fd, buffer, size);
        if (n < 0)
            return errno == EAGAIN || errno == EINTR ? 0 : -1;
        return int(n);
    }
    int write(const uint8_t* data, size_t size) override
    {
        const ssize_t n = ::write(m_fd, data, size);
        return n < 0 ? -1 : int(n);
    }
    int waitForInput(int wakeFd, int timeoutMs) override
    {
        pollfd fds[2] = {{m_fd, POLLIN, 0}, {wakeFd, POLLIN, 0}};
        const int ready = ::poll(fds, wakeFd < 0 ? 1 : 2, timeoutMs);
        if (ready < 0)
            return errno == EINTR ? 0 : 1; // a failed poll: let the read tell
        // POLLERR or POLLHUP: the keyboard is gone, which the read reports.
        return fds[0].revents != 0 ? 1 : 0;
    }

private:
    int m_fd;
};

bool hidapiReady()
{
    static const bool kReady = hid_init() == 0;
    return kReady;
}

} // namespace

bool HidrawTransport::initialise()
{
    return hidapiReady();
}

std::vector<HidDeviceEntry> HidrawTransport::enumerate()
{
    std::vector<HidDeviceEntry> entries;
    if (!hidapiReady())
        return entries;
    for (uint16_t vendorId : ModelCatalogue::instance().vendorIds()) {
        hid_device_info* list = hid_enumerate(vendorId, 0);
        for (const hid_device_info* d = list; d; d = d->next) {
            if (!lists(d->vendor_id, d->product_id))
                continue;
            HidDeviceEntry e;
            e.path = HidPath::compose(d->path, d->vendor_id, d->product_id, d->interface_number);
            e.vendorId = d->vendor_id;
            e.productId = d->product_id;
            e.interfaceNumber = d->interface_number;
            e.usagePage = d->usage_page;
            e.releaseNumber = d->release_number;
            e.manufacturer = utf8(d->manufacturer_string);
            e.product = utf8(d->product_string);
            e.serialNumber = utf8(d->serial_number);
            entries.push_back(std::move(e));
        }
        hid_free_enumeration(list);
    }
    return entries;
}

bool HidrawTransport::lists(uint16_t vendorId, uint16_t productId)
{
    const ModelCatalogue& catalogue = ModelCatalogue::instance();
    return catalogue.findByUsbId(vendorId, productId).model || catalogue.findByUpgradeId(vendorId, productId);
}

std::unique_ptr<HidConnection> HidrawTransport::open(const std::string& path)
{
    // Only hidraw nodes: the path comes back from the application as text.
    const std::string node = HidPath::node(path);
    if (!hidapiReady() || node.rfind("/dev/hidraw", 0) != 0 || node.find("..") != std::string::npos)
        return nullptr;
    // Non-blocking: a read that finds nothing returns at once; waiting is
    // the poll's.
    const int fd = ::open(node.c_str(), O_RDWR | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return nullptr;
    return std::make_unique<HidrawConnection>(fd);
}
