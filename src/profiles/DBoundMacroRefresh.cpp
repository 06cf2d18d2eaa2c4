#include "profiles/DBoundMacroRefresh.h"

#include "app/logCategories.h"
#include "profiles/DMacroBindings.h"
#include "sdk/include/StoreWriteBatch.h"
#include "sdk/include/orvanesdk_xml.h"

#include <QDebug>

#include <list>

namespace {

// The key-function type code of a macro binding.
constexpr char kMacroFunctionType[] = "1";

// Keys of the profile bound to the macro; -1 when the file cannot be read.
int bindingsIn(const char* profilePath, const QByteArray& profile, const QByteArray& macroIndex)
{
    return COrvaneXML_GetProFileValueNum(profilePath, profile.constData(), kMacroFunctionType, macroIndex.constData());
}

bool replaceCopy(const char* profilePath, const QByteArray& profile, const QByteArray& macroIndex,
                 const std::list<macroEventItem>& events)
{
    const QByteArray tag = DBoundMacroRefresh::tagOf(macroIndex);
    return COrvaneXML_DeleteProFileBindMacroNode(profilePath, profile.constData(), macroIndex.constData(),
                                                 tag.constData())
           && COrvaneXML_AddProFileBindMacroItem(profilePath, profile.constData(), events, macroIndex.constData(),
                                                 tag.constData());
}

} // namespace

QByteArray DBoundMacroRefresh::tagOf(const QByteArray& macroIndex)
{
    return "Macro" + macroIndex;
}

bool DBoundMacroRefresh::refresh(const char* profilePath, int profileIndex, const char* macroFilePath,
                                 const QByteArray& macroIndex)
{
    const QByteArray index = QByteArray::number(profileIndex);
    if (bindingsIn(profilePath, index, macroIndex) <= 0)
        return false;
    // Read before deleting: a macro file that cannot be read must not cost
    // the profile the copy it has.
    std::list<macroEventItem> events;
    if (!COrvaneXML_SelectAllKeyOrMouseEvent(macroFilePath, macroIndex.constData(), &events))
        return false;
    // Replaced in one write, so the profile never holds no copy at all.
    StoreWriteBatch batch;
    if (!replaceCopy(profilePath, index, macroIndex, events)) {
        batch.abandon();
        return false;
    }
    return batch.commit();
}

bool DBoundMacroRefresh::refreshEverywhere(const QString& userConfigDir, const char* macroFilePath,
                                           const QByteArray& macroIndex)
{
    if (macroIndex.isEmpty())
        return false;
    std::list<macroEventItem> events;
    if (!COrvaneXML_SelectAllKeyOrMouseEvent(macroFilePath, macroIndex.constData(), &events))
        return false;
    // One batch: a keyboard never gets one layer's copy new and another's old.
    // A file that cannot be read keeps what it has; the others still follow.
    bool complete = true;
    StoreWriteBatch batch;
    for (const QByteArray& layerPath : DMacroBindings::layerFiles(userConfigDir)) {
        QList<QByteArray> profiles;
        if (!DMacroBindings::profilesOf(layerPath, &profiles)) {
            qCWarning(lcStore) << "Macro" << macroIndex << "could not be refreshed in" << layerPath;
            complete = false;
            continue;
        }
        for (const QByteArray& profile : profiles) {
            const int bound = bindingsIn(layerPath.constData(), profile, macroIndex);
            if (bound < 0) {
                complete = false;
                continue;
            }
            if (bound > 0 && !replaceCopy(layerPath.constData(), profile, macroIndex, events)) {
                batch.abandon();
                return false;
            }
        }
    }
    return batch.commit() && complete;
}
