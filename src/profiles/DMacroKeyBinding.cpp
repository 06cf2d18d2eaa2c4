#include "profiles/DMacroKeyBinding.h"

#include "profiles/DBoundMacroRefresh.h"
#include "profiles/DKeyFunctionStore.h"
#include "profiles/DKeyFunctionType.h"
#include "sdk/include/StoreWriteBatch.h"
#include "sdk/include/orvanesdk_xml.h"

#include <list>

bool DMacroKeyBinding::bind(const DKeyFunctionStore& key, const QByteArray& macroFilePath, int mode, int count,
                            int macroIndex)
{
    if (mode < kPlayOnce || mode > kPlayWhileHeld || macroIndex < 1 || !key.hasKey() || !key.hasFile())
        return false;
    if (mode != kPlayCount)
        count = 1;
    if (count < kMinCount || count > kMaxCount)
        return false;
    const QByteArray profile = QByteArray::number(key.profileIndex());
    const QByteArray macro = QByteArray::number(macroIndex);
    const QByteArray type = QByteArray::number(int(DKeyFunctionType::kMacro));

    StoreWriteBatch batch;
    const int users
        = COrvaneXML_GetProFileValueNum(key.path(), profile.constData(), type.constData(), macro.constData());
    if (users < 0) {
        batch.abandon();
        return false;
    }
    // Every binding takes the macro as the macro file holds it now, so a key
    // bound again also renews a copy made before the macro changed; the
    // profile's other keys bound to it play the same copy. A copy left by a
    // key bound before is replaced, not added to. A macro gone from the file
    // stays playable from the copy the profile's keys already use.
    std::list<macroEventItem> events;
    const QByteArray tag = DBoundMacroRefresh::tagOf(macro);
    const bool inFile = !macroFilePath.isEmpty()
                        && COrvaneXML_SelectAllKeyOrMouseEvent(macroFilePath.constData(), macro.constData(), &events);
    if (!inFile && users == 0) {
        batch.abandon();
        return false;
    }
    if (inFile
        && (!COrvaneXML_DeleteProFileBindMacroNode(key.path(), profile.constData(), macro.constData(), tag.constData())
            || !COrvaneXML_AddProFileBindMacroItem(key.path(), profile.constData(), events, macro.constData(),
                                                   tag.constData()))) {
        batch.abandon();
        return false;
    }
    if (!key.save(DKeyFunctionType::kMacro, QByteArray::number(count), QByteArray::number(mode), macro)) {
        batch.abandon();
        return false;
    }
    return batch.commit();
}
