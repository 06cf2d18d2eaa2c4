#include "sdk/store/StoreAccess.h"

#include "sdk/store/StoreText.h"

#include <QFile>

StoreAccess::StoreAccess(StoreFileCache& cache)
    : m_cache(cache)
{
}

QString StoreAccess::filePath(const char* path)
{
    return QFile::decodeName(path);
}

const StoreDocument* StoreAccess::document(const char* path) const
{
    if (!StoreText::isValidPath(path))
        return nullptr;
    return m_cache.document(filePath(path));
}

bool StoreAccess::edit(const char* path, const std::function<Edit(StoreDocument&)>& change)
{
    if (!StoreText::isValidPath(path))
        return false;
    return m_cache.modify(filePath(path), change);
}

bool StoreAccess::readProfile(const char* path, const char* profileIndex,
                              const std::function<bool(const StoreProfile&)>& read) const
{
    const std::optional<int> index = StoreText::decimal(profileIndex);
    if (!index)
        return false;
    const StoreDocument* doc = document(path);
    const StoreProfile* profile = doc ? doc->profile(*index) : nullptr;
    return profile && read(*profile);
}

bool StoreAccess::editProfile(const char* path, const char* profileIndex,
                              const std::function<Edit(StoreProfile&)>& change)
{
    const std::optional<int> index = StoreText::decimal(profileIndex);
    if (!index)
        return false;
    return edit(path, [&](StoreDocument& doc) {
        StoreProfile* profile = doc.profile(*index);
        return profile ? change(*profile) : Edit::Refused;
    });
}
