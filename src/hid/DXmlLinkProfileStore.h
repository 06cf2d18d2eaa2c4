#pragma once

#include "hid/DLinkProfileStore.h"

// The link's profile access through the profile store's flat functions.
class DXmlLinkProfileStore : public DLinkProfileStore
{
public:
    bool saveLight(const char* path, int profileIndex, const colorInfoData& info) override;
    bool setLightInUse(const char* path, int profileIndex, int part, int effect) override;
    bool saveSleepTimes(const char* path, int profileIndex, int lightSeconds, int keyboardMinutes) override;
    bool keyFunction(const char* path, int profileIndex, int usage, keyOperateInfo* info) override;
    bool lockInfo(const char* path, int profileIndex, functionLockInfo* info) override;
};
