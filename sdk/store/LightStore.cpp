#include "sdk/store/LightStore.h"

#include "sdk/store/StoreRecords.h"
#include "sdk/store/StoreText.h"

#include <QFile>

#include <algorithm>
#include <cstring>

namespace {

template<typename Settings>
auto findSetting(Settings& lights, int part, int effect) -> decltype(&lights.front())
{
    for (auto& light : lights) {
        if (light.lightPart == part && light.ledType == effect)
            return &light;
    }
    return nullptr;
}

template<typename Schemes>
auto findScheme(Schemes& schemes, int index) -> decltype(&schemes.front())
{
    for (auto& scheme : schemes) {
        if (scheme.index == index)
            return &scheme;
    }
    return nullptr;
}

bool sameSetting(const colorInfoData& a, const colorInfoData& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

void appendColours(const StoreCustomScheme& scheme, std::list<customLightDataItem>* items)
{
    for (const StoreSchemeKeyColour& colour : scheme.colours) {
        items->emplace_back();
        StoreRecords::fill(&items->back(), colour);
    }
}

} // namespace

int LightStore::effectInUse(const char* path, const char* profileIndex, int part) const
{
    int effect = -1;
    readProfile(path, profileIndex, [&](const StoreProfile& profile) {
        for (const StoreLightInUse& inUse : profile.lightInUse) {
            if (inUse.part == part) {
                effect = inUse.effect;
                return true;
            }
        }
        for (const colorInfoData& light : profile.lights) {
            if (light.lightPart == part) {
                effect = light.ledType;
                return true;
            }
        }
        return false;
    });
    return effect;
}

bool LightStore::setEffectInUse(const char* path, const char* profileIndex, int part, int effect)
{
    return editProfile(path, profileIndex, [&](StoreProfile& profile) {
        for (StoreLightInUse& inUse : profile.lightInUse) {
            if (inUse.part == part) {
                if (inUse.effect == effect)
                    return Edit::Unchanged;
                inUse.effect = effect;
                return Edit::Changed;
            }
        }
        profile.lightInUse.push_back({part, effect});
        return Edit::Changed;
    });
}

bool LightStore::setting(const char* path, const char* profileIndex, int part, int effect, colorInfoData* info) const
{
    return info && readProfile(path, profileIndex, [&](const StoreProfile& profile) {
               const colorInfoData* light = findSetting(profile.lights, part, effect);
               if (light)
                   *info = *light;
               return light != nullptr;
           });
}

bool LightStore::hasSetting(const char* path, const char* profileIndex, int part, int effect) const
{
    return readProfile(path, profileIndex, [&](const StoreProfile& profile) {
        return findSetting(profile.lights, part, effect) != nullptr;
    });
}

bool LightStore::addSetting(const char* path, const char* profileIndex, const colorInfoData& info)
{
    return editProfile(path, profileIndex, [&](StoreProfile& profile) {
        colorInfoData* light = findSetting(profile.lights, info.lightPart, info.ledType);
        if (light && sameSetting(*light, info))
            return Edit::Unchanged;
        if (light)
            *light = info;
        else
            profile.lights.push_back(info);
        return Edit::Changed;
    });
}

bool LightStore::modifySetting(const char* path, const char* profileIndex, int part, int effect,
                               const colorInfoData& info)
{
    // The setting keeps the part and effect it is stored under.
    colorInfoData stored = info;
    stored.lightPart = part;
    stored.ledType = effect;
    return editProfile(path, profileIndex, [&](StoreProfile& profile) {
        colorInfoData* light = findSetting(profile.lights, part, effect);
        if (!light)
            return Edit::Refused;
        if (sameSetting(*light, stored))
            return Edit::Unchanged;
        *light = stored;
        return Edit::Changed;
    });
}

bool LightStore::setSynchronizeStatus(const char* path, const char* profileIndex, int status)
{
    return editProfile(path, profileIndex, [&](StoreProfile& profile) {
        if (profile.lightSynchronize == status)
            return Edit::Unchanged;
        profile.lightSynchronize = status;
        return Edit::Changed;
    });
}

bool LightStore::addScheme(const char* path, const char* profileIndex, const char* schemeIndex, const char* name,
                           const char* status, int slot)
{
    const std::optional<int> index = StoreText::decimal(schemeIndex);
    if (!index || !name || !status)
        return false;
    StoreCustomScheme scheme;
    scheme.index = *index;
    scheme.name = StoreText::cut(name, sizeof(customLightNodeInfo::name) - 1);
    scheme.status = StoreText::cut(status, sizeof(customLightNodeInfo::status) - 1);
    scheme.slot = slot;
    return editProfile(path, profileIndex, [&](StoreProfile& profile) {
        if (findScheme(profile.schemes, *index))
            return Edit::Refused;
        profile.schemes.push_back(std::move(scheme));
        return Edit::Changed;
    });
}

bool LightStore::editScheme(const char* path, const char* profileIndex, const char* schemeIndex,
                            const std::function<Edit(StoreCustomScheme&)>& change)
{
    const std::optional<int> index = StoreText::decimal(schemeIndex);
    if (!index)
        return false;
    return editProfile(path, profileIndex, [&](StoreProfile& profile) {
        StoreCustomScheme* scheme = findScheme(profile.schemes, *index);
        return scheme ? change(*scheme) : Edit::Refused;
    });
}

bool LightStore::addSchemeColour(const char* path, const char* profileIndex, const char* schemeIndex,
                                 const customLightDataItem& item)
{
    StoreSchemeKeyColour colour = StoreRecords::colour(item);
    return editScheme(path, profileIndex, schemeIndex, [&](StoreCustomScheme& scheme) {
        scheme.colours.push_back(std::move(colour));
        return Edit::Changed;
    });
}

bool LightStore::clearScheme(const char* path, const char* profileIndex, const char* schemeIndex)
{
    return editScheme(path, profileIndex, schemeIndex, [&](StoreCustomScheme& scheme) {
        if (scheme.colours.empty())
            return Edit::Unchanged;
        scheme.colours.clear();
        return Edit::Changed;
    });
}

bool LightStore::schemeColours(const char* path, const char* profileIndex, const char* schemeIndex,
                               std::list<customLightDataItem>* items) const
{
    const std::optional<int> index = StoreText::decimal(schemeIndex);
    if (!index || !items)
        return false;
    return readProfile(path, profileIndex, [&](const StoreProfile& profile) {
        const StoreCustomScheme* scheme = findScheme(profile.schemes, *index);
        if (scheme)
            appendColours(*scheme, items);
        return scheme != nullptr;
    });
}

bool LightStore::schemes(const char* path, const char* profileIndex, std::list<customLightNodeInfo>* nodes) const
{
    return nodes && readProfile(path, profileIndex, [&](const StoreProfile& profile) {
               for (const StoreCustomScheme& scheme : profile.schemes) {
                   nodes->emplace_back();
                   StoreRecords::fill(&nodes->back(), scheme);
               }
               return true;
           });
}

bool LightStore::setSchemeStatus(const char* path, const char* profileIndex, const char* schemeIndex,
                                 const char* status, int slot)
{
    if (!status)
        return false;
    const std::string newStatus = StoreText::cut(status, sizeof(customLightNodeInfo::status) - 1);
    return editScheme(path, profileIndex, schemeIndex, [&](StoreCustomScheme& scheme) {
        if (scheme.status == newStatus && scheme.slot == slot)
            return Edit::Unchanged;
        scheme.status = newStatus;
        scheme.slot = slot;
        return Edit::Changed;
    });
}

bool LightStore::renameScheme(const char* path, const char* profileIndex, const char* schemeIndex, const char* name)
{
    if (!name)
        return false;
    const std::string newName = StoreText::cut(name, sizeof(customLightNodeInfo::name) - 1);
    return editScheme(path, profileIndex, schemeIndex, [&](StoreCustomScheme& scheme) {
        if (scheme.name == newName)
            return Edit::Unchanged;
        scheme.name = newName;
        return Edit::Changed;
    });
}

bool LightStore::defaultSchemeColours(const char* defaultFile, const char* schemeIndex,
                                      std::list<customLightDataItem>* items)
{
    const std::optional<int> index = StoreText::decimal(schemeIndex);
    if (!index || !items || !StoreText::isValidPath(defaultFile))
        return false;
    const std::optional<StoreDocument> doc = StoreFileCache::readOnly(QFile::decodeName(defaultFile));
    if (!doc)
        return false;
    const StoreCustomScheme* scheme = findScheme(doc->defaultSchemes, *index);
    if (scheme)
        appendColours(*scheme, items);
    return scheme != nullptr;
}
