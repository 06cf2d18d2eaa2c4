#include "sdk/store/StoreDocument.h"

#include <algorithm>

namespace {
template<typename Item>
Item* findByIndex(std::vector<Item>& items, int index)
{
    auto it = std::find_if(items.begin(), items.end(), [index](const Item& item) { return item.index == index; });
    return it == items.end() ? nullptr : &*it;
}
} // namespace

StoreProfile* StoreDocument::profile(int index)
{
    return findByIndex(profiles, index);
}

const StoreProfile* StoreDocument::profile(int index) const
{
    return const_cast<StoreDocument*>(this)->profile(index);
}

StoreMacro* StoreDocument::macro(int index)
{
    return findByIndex(macros, index);
}

const StoreMacro* StoreDocument::macro(int index) const
{
    return const_cast<StoreDocument*>(this)->macro(index);
}
