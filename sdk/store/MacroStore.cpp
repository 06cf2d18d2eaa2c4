#include "sdk/store/MacroStore.h"

#include "sdk/store/StoreRecords.h"
#include "sdk/store/StoreText.h"

#include <algorithm>

namespace {

const char* explainOf(int which)
{
    return which == 0 ? "down" : which == 1 ? "up" : nullptr;
}

// The event of the pair `mark` that is its press (which 0) or release (1).
std::vector<StoreMacroEvent>::iterator findEvent(std::vector<StoreMacroEvent>& events, const std::string& mark,
                                                 int which)
{
    const char* explain = explainOf(which);
    if (!explain)
        return events.end();
    return std::find_if(events.begin(), events.end(), [&](const StoreMacroEvent& event) {
        return event.mark == mark && event.operateExplain == explain;
    });
}

} // namespace

bool MacroStore::macros(const char* path, std::list<macroNodeInfo>* nodes) const
{
    const StoreDocument* doc = document(path);
    if (!doc || !nodes)
        return false;
    for (const StoreMacro& macro : doc->macros)
        nodes->push_back({std::to_string(macro.index), macro.name});
    return true;
}

bool MacroStore::createMacro(const char* path, const char* macroIndex, const char* name)
{
    const std::optional<int> index = StoreText::decimal(macroIndex);
    if (!index || *index < 1 || !name)
        return false;
    return edit(path, [&](StoreDocument& doc) {
        if (doc.macro(*index))
            return Edit::Refused;
        StoreMacro macro;
        macro.index = *index;
        macro.name = name;
        // Ascending index order: a macro cleared by delete and create keeps its place.
        insertByIndex(doc.macros, std::move(macro));
        return Edit::Changed;
    });
}

bool MacroStore::deleteMacro(const char* path, const char* macroIndex)
{
    const std::optional<int> index = StoreText::decimal(macroIndex);
    if (!index)
        return false;
    return edit(path, [&](StoreDocument& doc) {
        return eraseWhere(doc.macros, [&](const StoreMacro& macro) { return macro.index == *index; });
    });
}

bool MacroStore::editMacro(const char* path, const char* macroIndex, const std::function<Edit(StoreMacro&)>& change)
{
    const std::optional<int> index = StoreText::decimal(macroIndex);
    if (!index)
        return false;
    return edit(path, [&](StoreDocument& doc) {
        StoreMacro* macro = doc.macro(*index);
        return macro ? change(*macro) : Edit::Refused;
    });
}

bool MacroStore::renameMacro(const char* path, const char* macroIndex, const char* name)
{
    if (!name)
        return false;
    return editMacro(path, macroIndex, [&](StoreMacro& macro) {
        if (macro.name == name)
            return Edit::Unchanged;
        macro.name = name;
        return Edit::Changed;
    });
}

bool MacroStore::events(const char* path, const char* macroIndex, std::list<macroEventItem>* list) const
{
    const std::optional<int> index = StoreText::decimal(macroIndex);
    if (!index || !list)
        return false;
    const StoreDocument* doc = document(path);
    const StoreMacro* macro = doc ? doc->macro(*index) : nullptr;
    if (!macro)
        return false;
    for (const StoreMacroEvent& event : macro->events) {
        list->emplace_back();
        StoreRecords::fill(&list->back(), event);
    }
    return true;
}

bool MacroStore::appendEvents(const char* path, const std::list<macroEventItem>& list, const char* macroIndex)
{
    return editMacro(path, macroIndex, [&](StoreMacro& macro) {
        if (list.empty())
            return Edit::Unchanged;
        for (const macroEventItem& item : list)
            macro.events.push_back(StoreRecords::event(item));
        return Edit::Changed;
    });
}

bool MacroStore::updateEvent(const char* path, const char* macroIndex, const char* mark, int which,
                             const macroEventItem& item)
{
    if (!mark)
        return false;
    return editMacro(path, macroIndex, [&](StoreMacro& macro) {
        auto it = findEvent(macro.events, mark, which);
        if (it == macro.events.end())
            return Edit::Refused;
        *it = StoreRecords::event(item);
        return Edit::Changed;
    });
}

bool MacroStore::deleteEventPair(const char* path, const char* macroIndex, const char* mark)
{
    if (!mark)
        return false;
    const std::string wanted = mark;
    return editMacro(path, macroIndex, [&](StoreMacro& macro) {
        return eraseWhere(macro.events, [&](const StoreMacroEvent& event) { return event.mark == wanted; });
    });
}

bool MacroStore::moveEvent(const char* path, const char* macroIndex, const char* mark, int direction, int which)
{
    if (!mark || (direction != 0 && direction != 1))
        return false;
    return editMacro(path, macroIndex, [&](StoreMacro& macro) {
        auto it = findEvent(macro.events, mark, which);
        if (it == macro.events.end())
            return Edit::Refused;
        if (direction == 1) {
            if (it == macro.events.begin())
                return Edit::Refused;
            std::iter_swap(it, it - 1);
        } else {
            if (it + 1 == macro.events.end())
                return Edit::Refused;
            std::iter_swap(it, it + 1);
        }
        return Edit::Changed;
    });
}
