#include "sim/SimulatedBus.h"

#include "sdk/hid/HidPath.h"
#include "sdk/hid/HidTransportRegistry.h"
#include "sdk/models/ModelCatalogue.h"
#include "sim/SimulatedKeyboardMemory.h"

#include <QDebug>
#include <QStringList>
#include <algorithm>
#include <ctime>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace {

constexpr uint16_t kBootKeyboardPage = 0x01;
constexpr uint16_t kConsumerPage = 0x0C;

int64_t monotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return int64_t(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

// Sleeps like a hidraw node: on an eventfd the device (a keyboard or a
// bootloader) signals when it queues input, until its next report is due.
template<typename Device>
class SimulatedConnection : public HidConnection
{
public:
    explicit SimulatedConnection(std::shared_ptr<Device> device)
        : m_device(std::move(device))
        , m_inputFd(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK))
    {
        if (m_inputFd >= 0)
            m_device->addInputListener(m_inputFd);
    }
    ~SimulatedConnection() override
    {
        if (m_inputFd >= 0) {
            m_device->removeInputListener(m_inputFd);
            ::close(m_inputFd);
        }
    }

    int read(uint8_t* buffer, size_t size, int /*timeoutMs*/) override
    {
        if (size < 64)
            return -1;
        return m_device->takeInput(buffer);
    }
    int write(const uint8_t* data, size_t size) override
    {
        if (size != 64)
            return -1;
        return m_device->receive(data) ? 64 : -1;
    }
    int waitForInput(int wakeFd, int timeoutMs) override
    {
        if (m_inputFd < 0)
            return 1;
        const int64_t end = timeoutMs < 0 ? -1 : monotonicNs() + int64_t(timeoutMs) * 1000000;
        for (;;) {
            // Taken before the look at the input: a report queued after the
            // look signals again and ends the sleep below.
            eventfd_t count = 0;
            eventfd_read(m_inputFd, &count);
            const int64_t due = m_device->nextInputDueNs();
            const int64_t now = monotonicNs();
            if (due >= 0 && due <= now)
                return 1;
            if (end >= 0 && now >= end)
                return 0;
            int64_t until = end;
            if (due >= 0 && (until < 0 || due < until))
                until = due;
            timespec left{};
            if (until >= 0)
                left = {time_t((until - now) / 1000000000), long((until - now) % 1000000000)};
            pollfd fds[2] = {{m_inputFd, POLLIN, 0}, {wakeFd, POLLIN, 0}};
            if (ppoll(fds, 2, until < 0 ? nullptr : &left, nullptr) > 0 && fds[1].revents != 0)
                return 0;
        }
    }

private:
    std::shared_ptr<Device> m_device;
    const int m_inputFd;
};

std::string firmwareVersionOf(const ModelInfo& model)
{
    if (model.isUpgradeable())
        return model.firmwareVersion.toStdString();
    return "V1.0." + std::to_string(model.productId % 10);
}

} // namespace

SimulatedBus::~SimulatedBus()
{
    // An open connection may outlive the bus; its keyboard must not call back.
    for (const Device& d : m_devices) {
        if (d.keyboard) {
            d.keyboard->setUnplugRequest(nullptr);
            d.keyboard->setBootloaderRequest(nullptr);
        }
    }
    for (const auto& bootloader : m_allBootloaders)
        bootloader->setEventRequest(nullptr);
}

std::shared_ptr<SimulatedKeyboard> SimulatedBus::plug(const QString& modelCode, bool viaReceiver,
                                                      const std::optional<std::string>& firmwareVersion,
                                                      const std::string& serialNumber)
{
    const ModelInfo* model = ModelCatalogue::instance().find(modelCode);
    if (!model || (viaReceiver && !model->hasReceiver()))
        return nullptr;
    auto keyboard = std::make_shared<SimulatedKeyboard>(*model, viaReceiver);
    if (!serialNumber.empty())
        keyboard->setSerialNumberRaw(serialNumber);
    QString memoryFolder;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        memoryFolder = m_memoryFolder;
    }
    // Like a real keyboard it comes with what it kept, before the host sees it.
    if (!memoryFolder.isEmpty())
        SimulatedKeyboardMemory(memoryFolder).keep(keyboard);
    Device device;
    device.keyboard = keyboard;
    std::string reportPath;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        const int number = ++m_plugCounter;
        const uint16_t productId = viaReceiver ? model->receiverProductId : model->productId;
        const std::pair<int, uint16_t> interfaces[] = {{0, kBootKeyboardPage},
                                                       {model->interfaceNumber, model->usagePage},
                                                       {model->interfaceNumber + 1, kConsumerPage}};
        for (const auto& [number_, page] : interfaces) {
            if (number_ == 0 && model->interfaceNumber == 0)
                continue;
            HidDeviceEntry e;
            e.path = HidPath::compose("sim:" + std::to_string(number) + "/" + std::to_string(number_), model->vendorId,
                                      productId, number_);
            e.vendorId = model->vendorId;
            e.productId = productId;
            e.interfaceNumber = number_;
            e.usagePage = page;
            e.releaseNumber = 0x0100;
            e.manufacturer = "Orvane";
            e.product
                = (viaReceiver ? model->productName + QStringLiteral(" Receiver") : model->productName).toStdString();
            e.firmwareVersion = firmwareVersion ? *firmwareVersion : firmwareVersionOf(*model);
            e.buildDate = "2026-01-15";
            if (number_ == model->interfaceNumber)
                device.reportPath = e.path;
            device.interfaces.push_back(e);
        }
        reportPath = device.reportPath;
        m_devices.push_back(std::move(device));
    }
    SimulatedKeyboard* raw = keyboard.get();
    keyboard->setUnplugRequest([this, raw, reportPath] { removeDevice(raw, reportPath); });
    keyboard->setBootloaderRequest([this, raw] { enterBootloader(raw); });
    notify(true, reportPath);
    return keyboard;
}

std::shared_ptr<SimulatedBootloader> SimulatedBus::plugBootloader(const QString& modelCode, bool viaReceiver,
                                                                  const std::string& runningVersion,
                                                                  const std::string& serialNumber)
{
    const ModelInfo* model = ModelCatalogue::instance().find(modelCode);
    if (!model || !model->isUpgradeable() || (viaReceiver && !model->hasReceiver()))
        return nullptr;
    std::shared_ptr<SimulatedBootloader> bootloader;
    std::string path;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        bootloader = std::make_shared<SimulatedBootloader>(*model, viaReceiver, m_bootloaderFaults, runningVersion);
        Kept kept{bootloader.get(), model->code, viaReceiver, false, serialNumber};
        const auto unpowered = std::find_if(m_unpowered.begin(), m_unpowered.end(), [&](const Kept& k) {
            return k.model == model->code && k.viaReceiver == viaReceiver;
        });
        if (unpowered != m_unpowered.end()) {
            kept.handshake = unpowered->handshake;
            if (kept.serialNumber.empty())
                kept.serialNumber = unpowered->serialNumber;
            m_unpowered.erase(unpowered);
        }
        m_kept.push_back(kept);
        HidDeviceEntry e;
        e.path = HidPath::compose("sim:" + std::to_string(++m_plugCounter) + "/0", model->vendorId,
                                  model->upgradeProductId, 0);
        e.vendorId = model->vendorId;
        e.productId = model->upgradeProductId;
        e.interfaceNumber = 0;
        e.usagePage = 0xFF00;
        e.manufacturer = "Orvane";
        e.product = (model->productName + QStringLiteral(" Upgrade")).toStdString();
        Device device;
        device.bootloader = bootloader;
        device.reportPath = e.path;
        device.interfaces.push_back(e);
        path = e.path;
        m_devices.push_back(std::move(device));
        m_allBootloaders.push_back(bootloader);
    }
    SimulatedBootloader* raw = bootloader.get();
    bootloader->setEventRequest([this, raw](SimulatedBootloader::Event event) { leaveBootloader(raw, event); });
    notify(true, path);
    return bootloader;
}

void SimulatedBus::setBootloaderFaults(const SimulatedBootloader::Faults& faults)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_bootloaderFaults = faults;
}

std::vector<std::shared_ptr<SimulatedBootloader>> SimulatedBus::bootloaders() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::vector<std::shared_ptr<SimulatedBootloader>> result;
    for (const Device& d : m_devices) {
        if (d.bootloader)
            result.push_back(d.bootloader);
    }
    return result;
}

std::vector<std::shared_ptr<SimulatedBootloader>> SimulatedBus::allBootloaders() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_allBootloaders;
}

std::string SimulatedBus::pathOf(const std::shared_ptr<SimulatedBootloader>& bootloader) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (const Device& d : m_devices) {
        if (bootloader && d.bootloader == bootloader)
            return d.reportPath;
    }
    return {};
}

void SimulatedBus::enterBootloader(const SimulatedKeyboard* keyboard)
{
    QString model;
    bool viaReceiver = false;
    bool handshake = false;
    std::string version;
    std::string path;
    std::string serial;
    bool arrives = true;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (const Device& d : m_devices) {
            if (d.keyboard.get() == keyboard) {
                model = d.keyboard->model().code;
                viaReceiver = d.keyboard->viaReceiver();
                version = d.interfaces.front().firmwareVersion;
                path = d.reportPath;
                break;
            }
        }
        arrives = !m_bootloaderFaults.noArrival;
    }
    if (path.empty())
        return;
    handshake = keyboard->stateOnHandshake();
    serial = keyboard->serialNumber();
    removeDevice(keyboard, path);
    if (!arrives)
        return;
    const auto bootloader = plugBootloader(model, viaReceiver, version, serial);
    if (bootloader) {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (Kept& kept : m_kept) {
            if (kept.bootloader == bootloader.get())
                kept.handshake = handshake;
        }
    }
}

void SimulatedBus::leaveBootloader(const SimulatedBootloader* bootloader, SimulatedBootloader::Event event)
{
    std::string path;
    Kept kept;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (const Device& d : m_devices) {
            if (d.bootloader.get() == bootloader)
                path = d.reportPath;
        }
        for (const Kept& k : m_kept) {
            if (k.bootloader == bootloader)
                kept = k;
        }
        // Power lost: the flash is half-written and the keyboard stays in
        // its bootloader until it has power again (plugBootloader).
        if (!path.empty() && event == SimulatedBootloader::Event::PowerLost)
            m_unpowered.push_back(kept);
    }
    if (path.empty())
        return;
    removeDevice(nullptr, path);
    if (event == SimulatedBootloader::Event::PowerLost)
        return;
    const auto keyboard
        = plug(bootloader->model().code, bootloader->viaReceiver(), bootloader->firmwareVersion(), kept.serialNumber);
    if (keyboard)
        keyboard->setStateOnHandshake(kept.handshake);
}

std::string SimulatedBus::plugForeign(uint16_t vendorId, uint16_t productId, int interfaceNumber)
{
    Device device;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        HidDeviceEntry e;
        e.path = HidPath::compose("sim:" + std::to_string(++m_plugCounter) + "/" + std::to_string(interfaceNumber),
                                  vendorId, productId, interfaceNumber);
        e.vendorId = vendorId;
        e.productId = productId;
        e.interfaceNumber = interfaceNumber;
        e.product = "Other device";
        device.reportPath = e.path;
        device.interfaces.push_back(e);
        m_devices.push_back(device);
    }
    notify(true, device.reportPath);
    return device.reportPath;
}

void SimulatedBus::removeDevice(const SimulatedKeyboard* keyboard, const std::string& path)
{
    bool removed = false;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (auto it = m_devices.begin(); it != m_devices.end(); ++it) {
            if ((keyboard && it->keyboard.get() == keyboard) || (!keyboard && it->reportPath == path)) {
                if (it->keyboard)
                    it->keyboard->setPlugged(false);
                if (it->bootloader)
                    it->bootloader->setPlugged(false);
                m_devices.erase(it);
                removed = true;
                break;
            }
        }
    }
    if (removed)
        notify(false, path);
}

void SimulatedBus::unplug(const std::shared_ptr<SimulatedKeyboard>& keyboard)
{
    if (keyboard)
        removeDevice(keyboard.get(), pathOf(keyboard));
}

void SimulatedBus::unplugPath(const std::string& path)
{
    removeDevice(nullptr, path);
}

std::vector<std::shared_ptr<SimulatedKeyboard>> SimulatedBus::keyboards() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::vector<std::shared_ptr<SimulatedKeyboard>> result;
    for (const Device& d : m_devices) {
        if (d.keyboard)
            result.push_back(d.keyboard);
    }
    return result;
}

std::string SimulatedBus::pathOf(const std::shared_ptr<SimulatedKeyboard>& keyboard) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (const Device& d : m_devices) {
        if (d.keyboard == keyboard)
            return d.reportPath;
    }
    return {};
}

void SimulatedBus::setChangeListener(ChangeListener listener)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_listener = std::move(listener);
}

void SimulatedBus::notify(bool arrived, const std::string& path)
{
    ChangeListener listener;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        listener = m_listener;
    }
    if (listener)
        listener(arrived, path);
}

std::vector<HidDeviceEntry> SimulatedBus::enumerate()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::vector<HidDeviceEntry> entries;
    for (const Device& d : m_devices)
        entries.insert(entries.end(), d.interfaces.begin(), d.interfaces.end());
    return entries;
}

std::unique_ptr<HidConnection> SimulatedBus::open(const std::string& path)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (const Device& d : m_devices) {
        if (d.keyboard && d.reportPath == path && d.keyboard->isPlugged()) {
            ++m_openCount;
            return std::make_unique<SimulatedConnection<SimulatedKeyboard>>(d.keyboard);
        }
        if (d.bootloader && d.reportPath == path && d.bootloader->isPlugged() && !d.bootloader->faults().refusesOpen) {
            ++m_openCount;
            return std::make_unique<SimulatedConnection<SimulatedBootloader>>(d.bootloader);
        }
    }
    return nullptr;
}

int SimulatedBus::openCount() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_openCount;
}

int SimulatedBus::plugModelList(const QString& modelList)
{
    int plugged = 0;
    for (QString item : modelList.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        QStringList parts = item.trimmed().split(QLatin1Char('@'));
        item = parts.takeFirst();
        bool receiver = false;
        bool fresh = false;
        std::optional<std::string> firmwareVersion;
        for (const QString& option : parts) {
            if (option.compare(QLatin1String("24g"), Qt::CaseInsensitive) == 0)
                receiver = true;
            else if (option.compare(QLatin1String("oldfw"), Qt::CaseInsensitive) == 0)
                firmwareVersion = kOlderFirmwareVersion;
            else if (option.compare(QLatin1String("fresh"), Qt::CaseInsensitive) == 0)
                fresh = true;
            else
                qWarning() << "ORVANE_SIMULATE: unknown option" << option << "of" << item;
        }
        const auto keyboard = plug(item, receiver, firmwareVersion);
        if (!keyboard) {
            qWarning() << "ORVANE_SIMULATE: no such model" << item << (receiver ? "behind a receiver" : "");
            continue;
        }
        // Like the real firmware, report the state regularly, so a keyboard
        // behind the receiver shows up as connected.
        keyboard->setStateOnHandshake(true);
        if (fresh)
            keyboard->restoreFactoryState();
        ++plugged;
    }
    return plugged;
}

void SimulatedBus::setMemoryFolder(const QString& folder)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_memoryFolder = folder;
}

std::shared_ptr<SimulatedBus> SimulatedBus::installFromEnvironment(const QString& memoryFolder)
{
    const QString modelList = qEnvironmentVariable("ORVANE_SIMULATE");
    if (modelList.trimmed().isEmpty())
        return nullptr;
    auto bus = std::make_shared<SimulatedBus>();
    bus->setMemoryFolder(memoryFolder);
    if (bus->plugModelList(modelList) == 0)
        return nullptr;
    HidTransportRegistry::install(bus);
    return bus;
}
