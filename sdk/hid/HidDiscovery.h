#pragma once

#include "sdk/hid/HidTransport.h"
#include "sdk/include/orvanesdk_records.h"

#include <list>
#include <map>
#include <mutex>
#include <string>
#include <vector>

struct ModelInfo;

// Discovery: which present devices are keyboards of the catalogue, and the
// records the application builds its device list from.
class HidDiscovery
{
public:
    static HidDiscovery& instance();

    void supportList(std::list<hidSupportInfo>* list) const;
    void modelTable(std::map<std::string, hidSupportMapInfo>* table) const;
    // One path per keyboard: a catalogue model is listed only on its
    // report interface; devices of unknown ids are listed and later skipped.
    void presentPaths(std::list<std::string>* paths);
    // False for a path that is not present or not a catalogue model.
    bool describe(const std::string& path, hidInfoStu* hid, hidFirmwareInfoStu* firmware);

    static bool isReportInterface(const HidDeviceEntry& entry, const ModelInfo& model);
    // "V1.2.3" from a USB release number 0x0123.
    static std::string versionText(uint16_t releaseNumber);

private:
    std::vector<HidDeviceEntry> listed();

    std::mutex m_mutex;
    std::vector<HidDeviceEntry> m_lastEnumeration;
};
