#include "sdk/store/SeniorKeyStore.h"

#include "sdk/store/StoreText.h"

#include <algorithm>
#include <cstring>

namespace {

// The record as stored: texts end inside their fields, nothing after a NUL.
seniorKeyInfoStu normalised(const seniorKeyInfoStu& record)
{
    seniorKeyInfoStu stored = record;
    StoreText::toField(stored.name, StoreText::field(record.name));
    for (int slot = 0; slot < 4; ++slot)
        StoreText::toField(stored.key[slot], StoreText::field(record.key[slot]));
    return stored;
}

auto findRecord(std::vector<seniorKeyInfoStu>& records, int index)
{
    return std::find_if(records.begin(), records.end(),
                        [index](const seniorKeyInfoStu& record) { return record.index == index; });
}

} // namespace

bool SeniorKeyStore::createFile(const char* path)
{
    return StoreText::isValidPath(path) && m_cache.create(filePath(path));
}

bool SeniorKeyStore::createTopNode(const char* path)
{
    return edit(path, [](StoreDocument& doc) {
        if (doc.hasSeniorKeyNode)
            return Edit::Unchanged;
        doc.hasSeniorKeyNode = true;
        return Edit::Changed;
    });
}

bool SeniorKeyStore::records(const char* path, std::list<seniorKeyInfoStu>* list) const
{
    const StoreDocument* doc = document(path);
    if (!doc || !list)
        return false;
    list->insert(list->end(), doc->seniorKeys.begin(), doc->seniorKeys.end());
    return true;
}

bool SeniorKeyStore::records(const char* path, std::map<int, seniorKeyInfoStu>* map) const
{
    const StoreDocument* doc = document(path);
    if (!doc || !map)
        return false;
    for (const seniorKeyInfoStu& record : doc->seniorKeys)
        (*map)[record.index] = record;
    return true;
}

bool SeniorKeyStore::add(const char* path, int type, const seniorKeyInfoStu& record)
{
    if (record.index < 1 || record.type != type)
        return false;
    const seniorKeyInfoStu stored = normalised(record);
    return edit(path, [&](StoreDocument& doc) {
        if (doc.seniorKeys.size() >= kMaxRecords || findRecord(doc.seniorKeys, record.index) != doc.seniorKeys.end())
            return Edit::Refused;
        doc.hasSeniorKeyNode = true;
        doc.seniorKeys.push_back(stored);
        return Edit::Changed;
    });
}

bool SeniorKeyStore::modify(const char* path, int type, const seniorKeyInfoStu& record)
{
    if (record.type != type)
        return false;
    const seniorKeyInfoStu stored = normalised(record);
    return edit(path, [&](StoreDocument& doc) {
        auto it = findRecord(doc.seniorKeys, record.index);
        if (it == doc.seniorKeys.end())
            return Edit::Refused;
        if (std::memcmp(&*it, &stored, sizeof stored) == 0)
            return Edit::Unchanged;
        *it = stored;
        return Edit::Changed;
    });
}

bool SeniorKeyStore::remove(const char* path, int type, int index)
{
    return edit(path, [&](StoreDocument& doc) {
        auto it = findRecord(doc.seniorKeys, index);
        if (it == doc.seniorKeys.end())
            return Edit::Unchanged;
        if (it->type != type)
            return Edit::Refused;
        doc.seniorKeys.erase(it);
        return Edit::Changed;
    });
}
