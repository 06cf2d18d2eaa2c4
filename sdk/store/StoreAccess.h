#pragma once

#include "StoreFileCache.h"

#include <functional>
#include <optional>

// What every part of the store does before touching a file: check the path
// and the profile index, find the document and the profile.
class StoreAccess
{
public:
    using Edit = StoreFileCache::Edit;

    explicit StoreAccess(StoreFileCache& cache);

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
