// The flat start-up, discovery, input/output and pacing functions of the
// device library; each forwards to the class that does the work.
#include "sdk/include/orvanesdk_hid.h"

#include "sdk/hid/HidDeviceTable.h"
#include "sdk/hid/HidDiscovery.h"
#include "sdk/hid/HidTransportRegistry.h"
#include "sdk/hid/PacingTimers.h"
#include "sdk/models/ModelCatalogue.h"

#include <cstring>
#include <string>

namespace {
constexpr char kVersionText[] = "OrvaneSDK 1.0.0";
}

int COrvaneSDK_VersionStr(char* buffer)
{
    if (!buffer)
        return -1;
    std::memcpy(buffer, kVersionText, sizeof kVersionText);
    return 0;
}

int COrvaneHid_Init()
{
    if (ModelCatalogue::instance().models().empty())
        return 1;
    return HidTransportRegistry::current()->initialise() ? 0 : 2;
}

void COrvaneHid_GetSupportInfoList(std::list<hidSupportInfo>* list)
{
    HidDiscovery::instance().supportList(list);
}

void COrvaneHid_GetHidInfoList(std::list<std::string>* paths)
{
    HidDiscovery::instance().presentPaths(paths);
}

void COrvaneHid_GetHidInfoStuMapList(std::map<std::string, hidSupportMapInfo>* models)
{
    HidDiscovery::instance().modelTable(models);
}

int COrvaneHid_GetHidAndFirmwareInfoStu(const char* path, hidInfoStu* hid, hidFirmwareInfoStu* firmware)
{
    if (!path)
        return 0;
    return HidDiscovery::instance().describe(path, hid, firmware) ? 1 : 0;
}

int COrvaneHid_OpenPath(const char* path)
{
    if (!path || std::strlen(path) > 255)
        return 0;
    return HidDeviceTable::instance().open(path);
}

int COrvaneHid_SetNonblocking(int handle, int nonblock)
{
    return HidDeviceTable::instance().setNonblocking(handle, nonblock != 0) ? 0 : -1;
}

int COrvaneHid_HidReadBuff(int handle, unsigned char* buf)
{
    return HidDeviceTable::instance().read(handle, buf);
}

int COrvaneHid_HidWriteBuff(int handle, const unsigned char* report, const char* /*path*/)
{
    return HidDeviceTable::instance().write(handle, report);
}

int COrvaneHid_WaitForInput(int handle, int timeoutMs)
{
    return HidDeviceTable::instance().waitForInput(handle, timeoutMs);
}

void COrvaneHid_Wake(int handle)
{
    HidDeviceTable::instance().wake(handle);
}

void COrvaneHid_Close(int handle)
{
    HidDeviceTable::instance().close(handle);
}

void COrvaneHid_highPrecisionTimerInit(uint32_t* state)
{
    PacingTimers::instance().init(state);
}

void COrvaneHid_highPrecisionTimerStart(uint32_t word0, uint32_t word1)
{
    PacingTimers::instance().start(word0, word1);
}

void COrvaneHid_highPrecisionTimerRuning(int /*interval*/, uint32_t word0, uint32_t word1)
{
    PacingTimers::instance().wait(word0, word1);
}

void COrvaneHid_highPrecisionTimerRuningSteps(int steps, uint32_t word0, uint32_t word1)
{
    PacingTimers::instance().wait(word0, word1, steps);
}

void COrvaneHid_highPrecisionTimerStop(uint32_t word0, uint32_t word1)
{
    PacingTimers::instance().stop(word0, word1);
}
