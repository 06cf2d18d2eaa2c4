#include "sim/SimulatedBootloader.h"

#include "sdk/firmware/BinImage.h"
#include "sdk/firmware/FirmwareBytes.h"
#include "sdk/firmware/UfwImage.h"

#include <algorithm>
#include <cstring>
#include <sys/eventfd.h>
#include <thread>

namespace {

// The bootloader's own numbers, kept apart from the host's on purpose.
constexpr uint8_t kMarker = 0x4F;
enum Operation : uint8_t { Identify = 0x01, Start = 0x02, Data = 0x03, Finish = 0x04, Reset = 0x05 };
enum Status : uint8_t {
    Accepted = 0,
    WrongModel = 1,
    WrongVariant = 2,
    BadCrc = 3,
    TooLarge = 4,
    OutOfOrder = 5,
    NotStarted = 6,
    WriteFailed = 7,
};
constexpr int kBlockSize = 56;
constexpr uint32_t kVendorLargestImage = 0x10000;

uint32_t largestImage(const ModelInfo& model)
{
    switch (model.firmwareFamily) {
    case ModelInfo::FirmwareFamily::Bin512:
        return uint32_t(BinImage::kFamily512.length);
    case ModelInfo::FirmwareFamily::Bin256:
        return uint32_t(BinImage::kFamily256.length);
    default:
        return kVendorLargestImage;
    }
}

uint32_t u32(const uint8_t* at)
{
    return FirmwareBytes::readU32(reinterpret_cast<const char*>(at));
}

} // namespace

SimulatedBootloader::SimulatedBootloader(const ModelInfo& model, bool viaReceiver, const Faults& faults,
                                         const std::string& runningVersion)
    : m_model(model)
    , m_viaReceiver(viaReceiver)
    , m_faults(faults)
    , m_version(runningVersion)
{
}

void SimulatedBootloader::setEventRequest(EventRequest request)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_eventRequest = std::move(request);
}

bool SimulatedBootloader::receive(const uint8_t* report)
{
    bool haveEvent = false;
    Event event = Event::Reset;
    EventRequest request;
    int delayMs = 0;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_plugged)
            return false;
        Report r{};
        std::memcpy(r.data(), report, r.size());
        m_log.push_back(r);
        if (r[0] == kMarker && r[1] == Data)
            delayMs = m_faults.answerDelayMs;
        haveEvent = answerLocked(r, &event);
        if (haveEvent) {
            request = m_eventRequest;
            if (event == Event::PowerLost) {
                m_plugged = false;
                for (int fd : m_listeners)
                    eventfd_write(fd, 1);
            }
        }
    }
    if (delayMs > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
    if (haveEvent && request)
        request(event);
    return true;
}

bool SimulatedBootloader::answerLocked(const Report& r, Event* event)
{
    if (r[0] != kMarker || m_faults.silent)
        return false;
    const uint16_t block = FirmwareBytes::readU16(reinterpret_cast<const char*>(&r[2]));
    switch (r[1]) {
    case Identify: {
        Report a{};
        a[0] = kMarker;
        a[1] = Identify | 0x80;
        a[4] = Accepted;
        const QByteArray model
            = (m_faults.identifyAsModel.isEmpty() ? m_model.code : m_faults.identifyAsModel).toLatin1().left(16);
        std::memcpy(&a[8], model.constData(), size_t(model.size()));
        a[24] = m_faults.identifyAsVariant >= 0 ? uint8_t(m_faults.identifyAsVariant) : uint8_t(m_viaReceiver ? 1 : 0);
        a[25] = 1;
        FirmwareBytes::writeU32(reinterpret_cast<char*>(&a[28]), largestImage(m_model));
        FirmwareBytes::writeU16(reinterpret_cast<char*>(&a[32]), kBlockSize);
        m_input.push_back(a);
        for (int fd : m_listeners)
            eventfd_write(fd, 1);
        return false;
    }
    case Start: {
        const uint32_t size = u32(&r[4]);
        if (size == 0 || size > largestImage(m_model)) {
            queueLocked(Start, 0, TooLarge);
            return false;
        }
        m_started = true;
        m_accepted = false;
        m_size = size;
        m_crc = u32(&r[8]);
        m_nextBlock = 0;
        m_flash.clear();
        queueLocked(Start, 0, Accepted);
        return false;
    }
    case Data: {
        if (!m_started) {
            queueLocked(Data, block, NotStarted);
            return false;
        }
        if (block == m_faults.powerLossAtBlock) {
            m_started = false;
            *event = Event::PowerLost;
            return true;
        }
        if (block == m_faults.refuseAtBlock && (m_faults.refusals < 0 || m_refusalsMade < m_faults.refusals)) {
            ++m_refusalsMade;
            queueLocked(Data, block, WriteFailed);
            return false;
        }
        // A repeated block (its acknowledgement was lost) is acknowledged
        // again and not stored twice.
        if (block + 1 == m_nextBlock) {
            queueLocked(Data, block, Accepted);
            return false;
        }
        const int count = r[4];
        if (block != m_nextBlock || count < 1 || count > kBlockSize || uint32_t(m_flash.size() + count) > m_size) {
            queueLocked(Data, block, OutOfOrder);
            return false;
        }
        m_flash.append(reinterpret_cast<const char*>(&r[8]), count);
        ++m_nextBlock;
        queueLocked(Data, block, Accepted);
        return false;
    }
    case Finish: {
        if (!m_started) {
            queueLocked(Finish, 0, NotStarted);
            return false;
        }
        if (m_faults.corruptsFlash && !m_flash.isEmpty())
            m_flash[m_flash.size() / 2] = char(m_flash[m_flash.size() / 2] ^ 0x5A);
        uint8_t status = Accepted;
        std::string version;
        if (u32(&r[4]) != m_size || uint32_t(m_flash.size()) != m_size)
            status = OutOfOrder;
        else if (u32(&r[8]) != m_crc || FirmwareBytes::crc32(m_flash.constData(), m_flash.size()) != m_crc)
            status = BadCrc;
        else
            imageIsMineLocked(&status, &version);
        if (status == Accepted) {
            m_accepted = true;
            m_version = version;
        }
        m_started = false;
        queueLocked(Finish, 0, status);
        return false;
    }
    case Reset:
        queueLocked(Reset, 0, Accepted);
        *event = Event::Reset;
        return true;
    default:
        return false;
    }
}

bool SimulatedBootloader::imageIsMineLocked(uint8_t* status, std::string* version) const
{
    QString error;
    QString model;
    FirmwareVariant variant = FirmwareVariant::Cable;
    if (m_model.firmwareFamily == ModelInfo::FirmwareFamily::Vendor) {
        UfwImage image;
        if (!UfwImage::read(m_flash, &image, &error)) {
            *status = BadCrc;
            return false;
        }
        model = image.model;
        variant = image.variant;
        *version = image.version.toStdString();
    } else {
        const BinImage::Family family
            = m_model.firmwareFamily == ModelInfo::FirmwareFamily::Bin512 ? BinImage::kFamily512 : BinImage::kFamily256;
        BinImage image;
        if (!BinImage::read(m_flash, family, &image, &error)) {
            *status = BadCrc;
            return false;
        }
        const QStringList fields = image.idFields();
        model = fields.value(4);
        variant = image.variant;
        *version = fields.value(5).toStdString();
    }
    if (model != m_model.code) {
        *status = WrongModel;
        return false;
    }
    // The 256 KiB family runs one image on both connections.
    const bool oneImage = m_model.firmwareFamily == ModelInfo::FirmwareFamily::Bin256;
    if (!oneImage && variant != (m_viaReceiver ? FirmwareVariant::Receiver : FirmwareVariant::Cable)) {
        *status = WrongVariant;
        return false;
    }
    *status = Accepted;
    return true;
}

void SimulatedBootloader::queueLocked(uint8_t operation, uint16_t block, uint8_t status)
{
    Report a{};
    a[0] = kMarker;
    a[1] = uint8_t(operation | 0x80);
    FirmwareBytes::writeU16(reinterpret_cast<char*>(&a[2]), block);
    a[4] = status;
    m_input.push_back(a);
    for (int fd : m_listeners)
        eventfd_write(fd, 1);
}

int SimulatedBootloader::takeInput(uint8_t* report)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_plugged)
        return -1;
    if (m_input.empty())
        return 0;
    std::memcpy(report, m_input.front().data(), 64);
    m_input.pop_front();
    return 64;
}

int64_t SimulatedBootloader::nextInputDueNs() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return !m_plugged || !m_input.empty() ? 0 : -1;
}

bool SimulatedBootloader::isPlugged() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_plugged;
}

void SimulatedBootloader::setPlugged(bool plugged)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_plugged = plugged;
    for (int fd : m_listeners)
        eventfd_write(fd, 1);
}

void SimulatedBootloader::addInputListener(int eventFd)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_listeners.push_back(eventFd);
}

void SimulatedBootloader::removeInputListener(int eventFd)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_listeners.erase(std::remove(m_listeners.begin(), m_listeners.end(), eventFd), m_listeners.end());
}

std::vector<SimulatedBootloader::Report> SimulatedBootloader::receivedReports() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_log;
}

int SimulatedBootloader::receivedCount(uint8_t operation) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return int(std::count_if(m_log.begin(), m_log.end(),
                             [operation](const Report& r) { return r[0] == kMarker && r[1] == operation; }));
}

std::string SimulatedBootloader::firmwareVersion() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_version;
}

bool SimulatedBootloader::accepted() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_accepted;
}
