#pragma once

#include "sdk/include/orvanesdk_xml.h"

// What a keyboard link reads from and writes to the current profile. The
// link's handlers run on input reports of the keyboard; the store behind
// this is the profile store, or a stand-in where reports are replayed
// without files.
class DLinkProfileStore
{
public:
    virtual ~DLinkProfileStore() = default;

    // Stores a reported light setting as the entry of its part and effect,
    // and makes that effect the part's effect in use.
    virtual bool saveLight(const char* path, int profileIndex, const colorInfoData& info) = 0;
    virtual bool setLightInUse(const char* path, int profileIndex, int part, int effect) = 0;
    // Light sleep in seconds, keyboard sleep in whole minutes.
    virtual bool saveSleepTimes(const char* path, int profileIndex, int lightSeconds, int keyboardMinutes) = 0;
    // Leaves `info` as the caller preset it when the key has no function.
    virtual bool keyFunction(const char* path, int profileIndex, int usage, keyOperateInfo* info) = 0;
    virtual bool lockInfo(const char* path, int profileIndex, functionLockInfo* info) = 0;
};
