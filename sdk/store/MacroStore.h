#pragma once

#include "sdk/store/StoreAccess.h"

#include <list>

// The macro file: macros in ascending index order, each an ordered list of
// events in which a press and its release share a mark.
class MacroStore : public StoreAccess
{
public:
    using StoreAccess::StoreAccess;

    bool macros(const char* path, std::list<macroNodeInfo>* nodes) const;
    bool createMacro(const char* path, const char* macroIndex, const char* name);
    bool deleteMacro(const char* path, const char* macroIndex);
    bool renameMacro(const char* path, const char* macroIndex, const char* name);
    bool events(const char* path, const char* macroIndex, std::list<macroEventItem>* events) const;
    bool appendEvents(const char* path, const std::list<macroEventItem>& events, const char* macroIndex);
    // which: 0 the "down" of the mark, 1 its "up".
    bool updateEvent(const char* path, const char* macroIndex, const char* mark, int which, const macroEventItem& item);
    bool deleteEventPair(const char* path, const char* macroIndex, const char* mark);
    // direction: 1 one place towards the start, 0 one place towards the end.
    bool moveEvent(const char* path, const char* macroIndex, const char* mark, int direction, int which);

private:
    bool editMacro(const char* path, const char* macroIndex, const std::function<Edit(StoreMacro&)>& change);
};
