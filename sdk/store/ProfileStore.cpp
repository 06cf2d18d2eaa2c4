#include "sdk/store/ProfileStore.h"

#include "sdk/include/StoreFileChecks.h"
#include "sdk/store/StoreRecords.h"
#include "sdk/store/StoreText.h"

#include <algorithm>
#include <cstring>

bool ProfileStore::createFile(const char* path)
{
    return StoreText::isValidPath(path) && m_cache.create(filePath(path));
}

void ProfileStore::insertProfile(StoreDocument& doc, StoreProfile profile)
{
    insertByIndex(doc.profiles, std::move(profile));
}

bool ProfileStore::createProfile(const char* path, const char* profileIndex, const char* name, int fixed)
{
    const std::optional<int> index = StoreText::decimal(profileIndex);
    if (!index || *index < 1 || *index > kStoreMaxProfileIndex || !name)
        return false;
    return edit(path, [&](StoreDocument& doc) {
        if (doc.profile(*index) || doc.profiles.size() >= kMaxProfiles)
            return Edit::Refused;
        StoreProfile profile;
        profile.index = *index;
        profile.name = StoreText::cut(name, sizeof(profileNodeRecord::name) - 1);
        profile.fixed = fixed;
        insertProfile(doc, std::move(profile));
        return Edit::Changed;
    });
}

int ProfileStore::currentProfile(const char* path) const
{
    const StoreDocument* doc = document(path);
    return doc && doc->currentProfile ? *doc->currentProfile : -1;
}

bool ProfileStore::setCurrentProfile(const char* path, int profileIndex)
{
    return edit(path, [&](StoreDocument& doc) {
        if (doc.currentProfile == profileIndex)
            return Edit::Unchanged;
        doc.currentProfile = profileIndex;
        return Edit::Changed;
    });
}

bool ProfileStore::profileNodes(const char* path, std::vector<profileNodeInfo>* nodes) const
{
    const StoreDocument* doc = document(path);
    if (!doc || !nodes)
        return false;
    for (const StoreProfile& profile : doc->profiles)
        nodes->push_back({std::to_string(profile.index), profile.name});
    return true;
}

bool ProfileStore::profileRecord(const char* path, const char* profileIndex, profileNodeRecord* record) const
{
    return record && readProfile(path, profileIndex, [&](const StoreProfile& profile) {
               StoreText::toField(record->index, std::to_string(profile.index));
               StoreText::toField(record->name, profile.name);
               return true;
           });
}

bool ProfileStore::hasProfile(const char* path, const char* profileIndex) const
{
    return readProfile(path, profileIndex, [](const StoreProfile&) { return true; });
}

bool ProfileStore::deleteProfile(const char* path, const char* profileIndex)
{
    const std::optional<int> index = StoreText::decimal(profileIndex);
    if (!index)
        return false;
    return edit(path, [&](StoreDocument& doc) {
        return eraseWhere(doc.profiles, [&](const StoreProfile& profile) { return profile.index == *index; });
    });
}

bool ProfileStore::renameProfile(const char* path, const char* profileIndex, const char* name)
{
    if (!name)
        return false;
    const std::string newName = StoreText::cut(name, sizeof(profileNodeRecord::name) - 1);
    return editProfile(path, profileIndex, [&](StoreProfile& profile) {
        if (profile.name == newName)
            return Edit::Unchanged;
        profile.name = newName;
        return Edit::Changed;
    });
}

bool ProfileStore::exportProfile(const char* layerPath, const char* targetPath, const char* profileIndex)
{
    const std::optional<int> index = StoreText::decimal(profileIndex);
    if (!index || !StoreText::isValidPath(targetPath))
        return false;
    const StoreDocument* layer = document(layerPath);
    const StoreProfile* source = layer ? layer->profile(*index) : nullptr;
    if (!source)
        return false;
    const StoreProfile copy = *source;
    // The target is a file the user chose: one that is not ours is refused,
    // never moved aside.
    return m_cache.modify(
        filePath(targetPath),
        [&](StoreDocument& target) {
            eraseWhere(target.profiles, [&](const StoreProfile& p) { return p.index == copy.index; });
            insertProfile(target, copy);
            return Edit::Changed;
        },
        StoreFileCache::OnCorrupt::Fail);
}

std::optional<StoreProfile> ProfileStore::importSource(const char* chosenPath, const char* sourceIndex)
{
    const std::optional<int> index = StoreText::decimal(sourceIndex);
    if (!index || !StoreText::isValidPath(chosenPath))
        return std::nullopt;
    const std::optional<StoreDocument> chosen = StoreFileCache::readOnly(filePath(chosenPath));
    const StoreProfile* source = chosen ? chosen->profile(*index) : nullptr;
    if (!source)
        return std::nullopt;
    return *source;
}

bool ProfileStore::importProfile(const char* layerPath, const char* chosenPath, const char* sourceIndex)
{
    const std::optional<StoreProfile> source = importSource(chosenPath, sourceIndex);
    if (!source)
        return false;
    return edit(layerPath, [&](StoreDocument& doc) {
        if (doc.profiles.size() >= kMaxProfiles)
            return Edit::Refused;
        StoreProfile imported = *source;
        imported.index = 1;
        // Listed indexes are at most kStoreMaxProfileIndex, so this cannot overflow.
        for (const StoreProfile& profile : doc.profiles)
            imported.index = std::max(imported.index, profile.index + 1);
        if (imported.index > kStoreMaxProfileIndex)
            return Edit::Refused;
        insertProfile(doc, std::move(imported));
        return Edit::Changed;
    });
}

bool ProfileStore::importedKeys(const char* chosenPath, const char* sourceIndex, std::list<keyOperateInfo>* infos) const
{
    const std::optional<StoreProfile> source = infos ? importSource(chosenPath, sourceIndex) : std::nullopt;
    if (!source)
        return false;
    for (const StoreKeyFunction& key : source->keys) {
        infos->emplace_back();
        StoreRecords::fill(&infos->back(), key);
    }
    return true;
}

bool ProfileStore::setSleep(const char* path, const char* profileIndex, int lightSeconds, int keyboardMinutes)
{
    return editProfile(path, profileIndex, [&](StoreProfile& profile) {
        if (profile.sleep && profile.sleep->lightSeconds == lightSeconds
            && profile.sleep->keyboardMinutes == keyboardMinutes)
            return Edit::Unchanged;
        profile.sleep = StoreSleep{lightSeconds, keyboardMinutes};
        return Edit::Changed;
    });
}

bool ProfileStore::sleep(const char* path, const char* profileIndex, sleepTimeInfo* info) const
{
    return info && readProfile(path, profileIndex, [&](const StoreProfile& profile) {
               if (!profile.sleep)
                   return false;
               info->lightSleepSeconds = profile.sleep->lightSeconds;
               info->keyboardSleepMinutes = profile.sleep->keyboardMinutes;
               return true;
           });
}

bool ProfileStore::setLocks(const char* path, const char* profileIndex, const char* altTab, const char* altF4,
                            const char* shiftTab, const char* windowsKey)
{
    if (!altTab || !altF4 || !shiftTab || !windowsKey)
        return false;
    constexpr std::size_t kWidth = sizeof(functionLockInfo::altTab) - 1;
    const StoreLocks locks{StoreText::cut(altTab, kWidth), StoreText::cut(altF4, kWidth),
                           StoreText::cut(shiftTab, kWidth), StoreText::cut(windowsKey, kWidth)};
    return editProfile(path, profileIndex, [&](StoreProfile& profile) {
        if (profile.locks && profile.locks->altTab == locks.altTab && profile.locks->altF4 == locks.altF4
            && profile.locks->shiftTab == locks.shiftTab && profile.locks->windowsKey == locks.windowsKey)
            return Edit::Unchanged;
        profile.locks = locks;
        return Edit::Changed;
    });
}

bool ProfileStore::locks(const char* path, const char* profileIndex, functionLockInfo* info) const
{
    return info && readProfile(path, profileIndex, [&](const StoreProfile& profile) {
               if (!profile.locks)
                   return false;
               StoreText::toField(info->altTab, profile.locks->altTab);
               StoreText::toField(info->altF4, profile.locks->altF4);
               StoreText::toField(info->shiftTab, profile.locks->shiftTab);
               StoreText::toField(info->windowsKey, profile.locks->windowsKey);
               return true;
           });
}
