#include "sdk/hid/HidrawTransport.h"

#include "sdk/hid/HidPath.h"
#include "sdk/models/ModelCatalogue.h"

#include <QString>
#include <hidapi.h>

namespace {

std::string utf8(const wchar_t* text)
{
    return text ? QString::fromWCharArray(text).toStdString() : std::string();
}

class HidrawConnection : public HidConnection
{
public:
    explicit HidrawConnection(hid_device* device)
        : m_device(device)
    {
    }
    ~HidrawConnection() override { hid_close(m_device); }

    int read(uint8_t* buffer, size_t size, int timeoutMs) override
    {
        return hid_read_timeout(m_device, buffer, size, timeoutMs);
    }
    int write(const uint8_t* data, size_t size) override { return hid_write(m_device, data, size); }

private:
    hid_device* m_device;
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

std::unique_ptr<HidConnection> HidrawTransport::open(const std::string& path)
{
    // Only hidraw nodes: the path comes back from the application as text.
    const std::string node = HidPath::node(path);
    if (!hidapiReady() || node.rfind("/dev/hidraw", 0) != 0 || node.find("..") != std::string::npos)
        return nullptr;
    hid_device* device = hid_open_path(node.c_str());
    if (!device)
        return nullptr;
    return std::make_unique<HidrawConnection>(device);
}
