#include "sdk/store/KeyFunctionStore.h"

#include "sdk/store/StoreRecords.h"
#include "sdk/store/StoreText.h"

#include <algorithm>

namespace {

const StoreKeyFunction* findKey(const StoreProfile& profile, int keyCode)
{
    for (const StoreKeyFunction& key : profile.keys) {
        if (key.keyCode == keyCode)
            return &key;
    }
    return nullptr;
}

// A type code as stored: its decimal form when it is a number, else as given.
std::string canonicalType(const std::string& type)
{
    const std::optional<int> number = StoreText::decimal(type);
    return number ? std::to_string(*number) : type;
}

} // namespace

bool KeyFunctionStore::select(const char* path, const char* profileIndex, const char* keyCode,
                              keyOperateInfo* info) const
{
    const std::optional<int> key = StoreText::decimal(keyCode);
    if (!key || !info)
        return false;
    return readProfile(path, profileIndex, [&](const StoreProfile& profile) {
        const StoreKeyFunction* entry = findKey(profile, *key);
        if (!entry)
            return false;
        StoreRecords::fill(info, *entry);
        return true;
    });
}

bool KeyFunctionStore::remove(const char* path, const char* profileIndex, const char* keyCode)
{
    const std::optional<int> key = StoreText::decimal(keyCode);
    if (!key)
        return false;
    return editProfile(path, profileIndex, [&](StoreProfile& profile) {
        return eraseWhere(profile.keys, [&](const StoreKeyFunction& entry) { return entry.keyCode == *key; });
    });
}

bool KeyFunctionStore::add(const char* path, const char* profileIndex, const char* keyCode, const char* keyName,
                           const char* type, const char* paramA, const char* paramB, const char* value)
{
    const std::optional<int> key = StoreText::decimal(keyCode);
    if (!key || !keyName || !type || !paramA || !paramB || !value)
        return false;
    StoreKeyFunction entry;
    entry.keyCode = *key;
    entry.keyName = StoreText::cut(keyName, sizeof(keyOperateInfo::keyName) - 1);
    entry.type = StoreText::cut(canonicalType(type), sizeof(keyOperateInfo::type) - 1);
    entry.paramA = StoreText::cut(paramA, sizeof(keyOperateInfo::paramA) - 1);
    entry.paramB = StoreText::cut(paramB, sizeof(keyOperateInfo::paramB) - 1);
    entry.value = StoreText::cut(value, sizeof(keyOperateInfo::value) - 1);
    return editProfile(path, profileIndex, [&](StoreProfile& profile) {
        // One entry per key: an add replaces what a missing delete left.
        replaceOrAppend(
            profile.keys, [&](const StoreKeyFunction& stored) { return stored.keyCode == *key; }, std::move(entry));
        return Edit::Changed;
    });
}

bool KeyFunctionStore::selectAll(const char* path, const char* profileIndex, std::list<keyOperateInfo>* infos) const
{
    return infos && readProfile(path, profileIndex, [&](const StoreProfile& profile) {
               for (const StoreKeyFunction& key : profile.keys) {
                   infos->emplace_back();
                   StoreRecords::fill(&infos->back(), key);
               }
               return true;
           });
}

int KeyFunctionStore::valueCount(const char* path, const char* profileIndex, const char* type, const char* value) const
{
    if (!type || !value)
        return -1;
    const std::string wantedType = canonicalType(type);
    const std::string wantedValue = value;
    int count = -1;
    readProfile(path, profileIndex, [&](const StoreProfile& profile) {
        count = int(std::count_if(profile.keys.begin(), profile.keys.end(), [&](const StoreKeyFunction& key) {
            return key.type == wantedType && key.value == wantedValue;
        }));
        return true;
    });
    return count;
}

bool KeyFunctionStore::removeBoundMacro(const char* path, const char* profileIndex, const char* macroIndex)
{
    const std::optional<int> macro = StoreText::decimal(macroIndex);
    if (!macro)
        return false;
    return editProfile(path, profileIndex, [&](StoreProfile& profile) {
        return eraseWhere(profile.boundMacros, [&](const StoreBoundMacro& copy) { return copy.macroIndex == *macro; });
    });
}

bool KeyFunctionStore::addBoundMacro(const char* path, const char* profileIndex,
                                     const std::list<macroEventItem>& events, const char* macroIndex, const char* tag)
{
    const std::optional<int> macro = StoreText::decimal(macroIndex);
    if (!macro || !tag)
        return false;
    StoreBoundMacro copy;
    copy.macroIndex = *macro;
    copy.tag = tag;
    for (const macroEventItem& item : events)
        copy.events.push_back(StoreRecords::event(item));
    return editProfile(path, profileIndex, [&](StoreProfile& profile) {
        replaceOrAppend(
            profile.boundMacros, [&](const StoreBoundMacro& stored) { return stored.macroIndex == *macro; },
            std::move(copy));
        return Edit::Changed;
    });
}

bool KeyFunctionStore::boundMacroEvents(const char* path, const char* profileIndex, const char* macroIndex,
                                        std::list<macroEventItem>* events) const
{
    const std::optional<int> macro = StoreText::decimal(macroIndex);
    if (!macro || !events)
        return false;
    return readProfile(path, profileIndex, [&](const StoreProfile& profile) {
        for (const StoreBoundMacro& copy : profile.boundMacros) {
            if (copy.macroIndex != *macro)
                continue;
            for (const StoreMacroEvent& event : copy.events) {
                events->emplace_back();
                StoreRecords::fill(&events->back(), event);
            }
            return true;
        }
        return false;
    });
}
