#include "profiles/DBoundMacroRefresh.h"

#include "sdk/include/StoreWriteBatch.h"
#include "sdk/include/orvanesdk_xml.h"

#include <list>

namespace {

// The key-function type code of a macro binding.
constexpr char kMacroFunctionType[] = "1";

} // namespace

QByteArray DBoundMacroRefresh::tagOf(const QByteArray& macroIndex)
{
    return "Macro" + macroIndex;
}

bool DBoundMacroRefresh::refresh(const char* profilePath, int profileIndex, const char* macroFilePath,
                                 const QByteArray& macroIndex)
{
    const QByteArray index = QByteArray::number(profileIndex);
    if (COrvaneXML_GetProFileValueNum(profilePath, index.constData(), kMacroFunctionType, macroIndex.constData()) <= 0)
        return false;
    // Read before deleting: a macro file that cannot be read must not cost
    // the profile the copy it has.
    std::list<macroEventItem> events;
    if (!COrvaneXML_SelectAllKeyOrMouseEvent(macroFilePath, macroIndex.constData(), &events))
        return false;
    const QByteArray tag = tagOf(macroIndex);
    // Replaced in one write, so the profile never holds no copy at all.
    StoreWriteBatch batch;
    const bool replaced
        = COrvaneXML_DeleteProFileBindMacroNode(profilePath, index.constData(), macroIndex.constData(), tag.constData())
          && COrvaneXML_AddProFileBindMacroItem(profilePath, index.constData(), events, macroIndex.constData(),
                                                tag.constData());
    if (!replaced) {
        batch.abandon();
        return false;
    }
    return batch.commit();
}
