#pragma once

#include "sdk/store/StoreAccess.h"

#include <list>

// Light settings of a profile (one per part and effect, and the effect in use
// per part) and its custom light schemes with their key colours.
class LightStore : public StoreAccess
{
public:
    using StoreAccess::StoreAccess;

    // The effect recorded as in use for the part; without one, the effect of
    // the part's first stored setting; -1 when there is neither.
    int effectInUse(const char* path, const char* profileIndex, int part) const;
    bool setEffectInUse(const char* path, const char* profileIndex, int part, int effect);
    bool setting(const char* path, const char* profileIndex, int part, int effect, colorInfoData* info) const;
    bool hasSetting(const char* path, const char* profileIndex, int part, int effect) const;
    // Adds the setting for the record's part and effect, replacing one already there.
    bool addSetting(const char* path, const char* profileIndex, const colorInfoData& info);
    // Overwrites the existing setting of (part, effect); false when there is none.
    bool modifySetting(const char* path, const char* profileIndex, int part, int effect, const colorInfoData& info);
    bool setSynchronizeStatus(const char* path, const char* profileIndex, int status);

    bool addScheme(const char* path, const char* profileIndex, const char* schemeIndex, const char* name,
                   const char* status, int slot);
    bool addSchemeColour(const char* path, const char* profileIndex, const char* schemeIndex,
                         const customLightDataItem& item);
    bool clearScheme(const char* path, const char* profileIndex, const char* schemeIndex);
    bool schemeColours(const char* path, const char* profileIndex, const char* schemeIndex,
                       std::list<customLightDataItem>* items) const;
    bool schemes(const char* path, const char* profileIndex, std::list<customLightNodeInfo>* nodes) const;
    bool setSchemeStatus(const char* path, const char* profileIndex, const char* schemeIndex, const char* status,
                         int slot);
    bool renameScheme(const char* path, const char* profileIndex, const char* schemeIndex, const char* name);

    // Key colours of one scheme of a shipped default scheme file (read only).
    static bool defaultSchemeColours(const char* defaultFile, const char* schemeIndex,
                                     std::list<customLightDataItem>* items);

private:
    bool editScheme(const char* path, const char* profileIndex, const char* schemeIndex,
                    const std::function<Edit(StoreCustomScheme&)>& change);
};
