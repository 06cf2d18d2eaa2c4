#pragma once

#include "sdk/store/StoreAccess.h"

#include <list>
#include <optional>
#include <vector>

// Layer files and their profiles: create, list, rename, delete, the current
// profile, export and import; and the sleep and lock settings of a profile.
class ProfileStore : public StoreAccess
{
public:
    static constexpr int kMaxProfiles = 10;

    using StoreAccess::StoreAccess;

    bool createFile(const char* path);
    bool createProfile(const char* path, const char* profileIndex, const char* name, int fixed);
    int currentProfile(const char* path) const;
    bool setCurrentProfile(const char* path, int profileIndex);
    bool profileNodes(const char* path, std::vector<profileNodeInfo>* nodes) const;
    bool profileRecord(const char* path, const char* profileIndex, profileNodeRecord* record) const;
    bool hasProfile(const char* path, const char* profileIndex) const;
    bool deleteProfile(const char* path, const char* profileIndex);
    bool renameProfile(const char* path, const char* profileIndex, const char* name);
    bool exportProfile(const char* layerPath, const char* targetPath, const char* profileIndex);
    bool importProfile(const char* layerPath, const char* chosenPath, const char* sourceIndex);
    // The key functions the import of that profile would bring, read as
    // the import reads the file: never cached, never moved.
    bool importedKeys(const char* chosenPath, const char* sourceIndex, std::list<keyOperateInfo>* infos) const;

    bool setSleep(const char* path, const char* profileIndex, int lightSeconds, int keyboardMinutes);
    bool sleep(const char* path, const char* profileIndex, sleepTimeInfo* info) const;
    bool setLocks(const char* path, const char* profileIndex, const char* altTab, const char* altF4,
                  const char* shiftTab, const char* windowsKey);
    bool locks(const char* path, const char* profileIndex, functionLockInfo* info) const;

    // Puts profile into the document's list, keeping profiles in ascending
    // index order so "last index + 1" is always free.
    static void insertProfile(StoreDocument& doc, StoreProfile profile);

private:
    // The profile sourceIndex of a file picked for import, read as the
    // store reads what it does not keep; nullopt when there is none.
    static std::optional<StoreProfile> importSource(const char* chosenPath, const char* sourceIndex);
};
