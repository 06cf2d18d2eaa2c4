#pragma once

#include "sdk/store/StoreAccess.h"

#include <list>
#include <map>

// The advanced-key file: whole records, unique by index, in file order.
class SeniorKeyStore : public StoreAccess
{
public:
    static constexpr std::size_t kMaxRecords = 40;

    using StoreAccess::StoreAccess;

    bool createFile(const char* path);
    bool createTopNode(const char* path);
    bool records(const char* path, std::list<seniorKeyInfoStu>* list) const;
    bool records(const char* path, std::map<int, seniorKeyInfoStu>* map) const;
    bool add(const char* path, int type, const seniorKeyInfoStu& record);
    bool modify(const char* path, int type, const seniorKeyInfoStu& record);
    bool remove(const char* path, int type, int index);
};
