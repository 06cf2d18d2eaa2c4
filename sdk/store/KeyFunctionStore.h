#pragma once

#include "sdk/store/StoreAccess.h"

#include <list>

// Key functions of a profile (one entry per key) and the profile's own copies
// of the macros its keys are bound to.
class KeyFunctionStore : public StoreAccess
{
public:
    using StoreAccess::StoreAccess;

    bool select(const char* path, const char* profileIndex, const char* keyCode, keyOperateInfo* info) const;
    bool remove(const char* path, const char* profileIndex, const char* keyCode);
    bool add(const char* path, const char* profileIndex, const char* keyCode, const char* keyName, const char* type,
             const char* paramA, const char* paramB, const char* value);
    bool selectAll(const char* path, const char* profileIndex, std::list<keyOperateInfo>* infos) const;

    // How many entries have that type and value; -1 when the profile cannot be read.
    int valueCount(const char* path, const char* profileIndex, const char* type, const char* value) const;
    bool removeBoundMacro(const char* path, const char* profileIndex, const char* macroIndex);
    bool addBoundMacro(const char* path, const char* profileIndex, const std::list<macroEventItem>& events,
                       const char* macroIndex, const char* tag);
    bool boundMacroEvents(const char* path, const char* profileIndex, const char* macroIndex,
                          std::list<macroEventItem>* events) const;
};
