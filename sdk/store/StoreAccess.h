#pragma once

#include "sdk/store/StoreFileCache.h"

#include <algorithm>
#include <functional>
#include <optional>

// What every part of the store does before touching a file: check the path
// and the profile index, find the document and the profile.
class StoreAccess
{
public:
    using Edit = StoreFileCache::Edit;

    explicit StoreAccess(StoreFileCache& cache);

    // Removes the items matching pred: Changed when there were any.
    template<typename Items, typename Pred>
    static Edit eraseWhere(Items& items, Pred pred)
    {
        const auto before = items.size();
        items.erase(std::remove_if(items.begin(), items.end(), pred), items.end());
        return items.size() == before ? Edit::Unchanged : Edit::Changed;
    }

    // Replaces the first item matching pred with item, or appends item.
    template<typename Items, typename Pred, typename Item>
    static void replaceOrAppend(Items& items, Pred pred, Item item)
    {
        auto it = std::find_if(items.begin(), items.end(), pred);
        if (it != items.end())
            *it = std::move(item);
        else
            items.push_back(std::move(item));
    }

    // Inserts item before the first with a greater index, keeping ascending order.
    template<typename Items, typename Item>
    static void insertByIndex(Items& items, Item item)
    {
        auto at = std::find_if(items.begin(), items.end(), [&](const Item& other) { return other.index > item.index; });
        items.insert(at, std::move(item));
    }

protected:
    static QString filePath(const char* path);

    // The document of a valid path; null when the path is refused or the file unreadable.
    const StoreDocument* document(const char* path) const;
    bool edit(const char* path, const std::function<Edit(StoreDocument&)>& change);

    // Runs read on the profile; false when path, index or profile is missing.
    bool readProfile(const char* path, const char* profileIndex,
                     const std::function<bool(const StoreProfile&)>& read) const;
    // Runs change on a copy of the profile and stores it; Refused when there is no such profile.
    bool editProfile(const char* path, const char* profileIndex, const std::function<Edit(StoreProfile&)>& change);

    StoreFileCache& m_cache;
};
