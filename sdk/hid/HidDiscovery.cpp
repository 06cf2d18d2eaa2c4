#include "sdk/hid/HidDiscovery.h"

#include "sdk/hid/HidTransportRegistry.h"
#include "sdk/models/ModelCatalogue.h"

#include <cstdio>
#include <cstring>

namespace {

void copyText(char* target, size_t size, const std::string& text)
{
    std::memset(target, 0, size);
    std::memcpy(target, text.data(), std::min(text.size(), size - 1));
}

template<size_t N>
void copyText(char (&target)[N], const std::string& text)
{
    copyText(target, N, text);
}

template<size_t N>
void copyText(char (&target)[N], const QString& text)
{
    copyText(target, N, text.toStdString());
}

} // namespace

HidDiscovery& HidDiscovery::instance()
{
    static HidDiscovery discovery;
    return discovery;
}

void HidDiscovery::supportList(std::list<hidSupportInfo>* list) const
{
    if (!list)
        return;
    for (const ModelInfo& m : ModelCatalogue::instance().models()) {
        for (const bool receiver : {false, true}) {
            if (receiver && !m.hasReceiver())
                continue;
            hidSupportInfo info{};
            copyText(info.model, m.code);
            copyText(info.vendorIdText, m.vendorIdText());
            copyText(info.productIdText, receiver ? m.receiverProductIdText() : m.productIdText());
            info.is24G = receiver ? 1 : 0;
            copyText(info.productName, m.productName);
            list->push_back(info);
        }
    }
}

void HidDiscovery::modelTable(std::map<std::string, hidSupportMapInfo>* table) const
{
    if (!table)
        return;
    for (const ModelInfo& m : ModelCatalogue::instance().models()) {
        hidSupportMapInfo info{};
        copyText(info.deviceType, m.deviceType);
        info.value0 = m.values[0];
        info.value1 = m.values[1];
        info.value2 = m.values[2];
        info.value3 = m.values[3];
        copyText(info.model, m.code);
        info.layoutNumber = m.layoutNumber;
        copyText(info.productName, m.productName);
        copyText(info.likeName, m.likeName);
        (*table)[m.code.toStdString()] = info;
    }
}

bool HidDiscovery::isReportInterface(const HidDeviceEntry& entry, const ModelInfo& model)
{
    if (entry.interfaceNumber >= 0)
        return entry.interfaceNumber == model.interfaceNumber;
    return entry.usagePage != 0 && entry.usagePage == model.usagePage;
}

std::string HidDiscovery::versionText(uint16_t releaseNumber)
{
    char text[16];
    std::snprintf(text, sizeof text, "V%x.%x.%x", releaseNumber >> 8, (releaseNumber >> 4) & 0xF, releaseNumber & 0xF);
    return text;
}

std::vector<HidDeviceEntry> HidDiscovery::listed()
{
    const ModelCatalogue& catalogue = ModelCatalogue::instance();
    std::vector<HidDeviceEntry> result;
    for (HidDeviceEntry& e : HidTransportRegistry::current()->enumerate()) {
        const ModelCatalogue::UsbMatch match = catalogue.findByUsbId(e.vendorId, e.productId);
        if (match.model && !isReportInterface(e, *match.model))
            continue;
        result.push_back(std::move(e));
    }
    return result;
}

void HidDiscovery::presentPaths(std::list<std::string>* paths)
{
    std::vector<HidDeviceEntry> entries = listed();
    if (paths) {
        for (const HidDeviceEntry& e : entries)
            paths->push_back(e.path);
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    m_lastEnumeration = std::move(entries);
}

bool HidDiscovery::describe(const std::string& path, hidInfoStu* hid, hidFirmwareInfoStu* firmware)
{
    if (!hid || !firmware)
        return false;
    HidDeviceEntry entry;
    bool found = false;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (const HidDeviceEntry& e : m_lastEnumeration) {
            if (e.path == path) {
                entry = e;
                found = true;
                break;
            }
        }
    }
    if (!found) {
        for (const HidDeviceEntry& e : listed()) {
            if (e.path == path) {
                entry = e;
                found = true;
                break;
            }
        }
    }
    if (!found || path.size() > 255)
        return false;
    const ModelCatalogue& catalogue = ModelCatalogue::instance();
    const ModelCatalogue::UsbMatch match = catalogue.findByUsbId(entry.vendorId, entry.productId);
    if (!match.model)
        return false;
    const ModelInfo& model = *match.model;

    const std::string version
        = entry.firmwareVersion.empty() ? versionText(entry.releaseNumber) : entry.firmwareVersion;
    std::memset(hid, 0, sizeof *hid);
    hid->vendorId = entry.vendorId;
    hid->productId = entry.productId;
    copyText(hid->path, path);
    copyText(hid->manufacturer, entry.manufacturer);
    copyText(hid->product, entry.product);
    copyText(hid->model, model.code);
    copyText(hid->firmware, version);
    hid->interfaceNumber = entry.interfaceNumber;
    hid->is24G = match.viaReceiver ? 1 : 0;

    std::memset(firmware, 0, sizeof *firmware);
    char* sections[4] = {firmware->idSection0, firmware->idSection1, firmware->idSection2, firmware->idSection3};
    for (int i = 0; i < 4; ++i) {
        const std::string text = i < int(entry.firmwareId.size())    ? entry.firmwareId[size_t(i)]
                                 : i < catalogue.firmwareId().size() ? catalogue.firmwareId().at(i).toStdString()
                                                                     : std::string();
        copyText(sections[i], sizeof firmware->idSection0, text);
    }
    copyText(firmware->model, model.code);
    copyText(firmware->version, version);
    copyText(firmware->buildDate, entry.buildDate);
    return true;
}
