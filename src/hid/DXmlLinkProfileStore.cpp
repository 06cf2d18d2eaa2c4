#include "hid/DXmlLinkProfileStore.h"

#include "sdk/include/StoreWriteBatch.h"

#include <QByteArray>

namespace {
QByteArray decimal(int value)
{
    return QByteArray::number(value);
}
} // namespace

bool DXmlLinkProfileStore::saveLight(const char* path, int profileIndex, const colorInfoData& info)
{
    const QByteArray index = decimal(profileIndex);
    // The setting and the effect in use go to the file together.
    StoreWriteBatch batch;
    const bool stored = COrvaneXML_IsProFileAlreadyHaveLightInfo(path, index, info.lightPart, info.ledType)
                            ? COrvaneXML_ModifyProFileLightInfoItem(path, index, info.lightPart, info.ledType, info)
                            : COrvaneXML_AddProFileLightInfoItem(path, index, info);
    const bool inUse = setLightInUse(path, profileIndex, info.lightPart, info.ledType);
    if (!stored || !inUse) {
        batch.abandon();
        return false;
    }
    return batch.commit();
}

bool DXmlLinkProfileStore::setLightInUse(const char* path, int profileIndex, int part, int effect)
{
    return COrvaneXML_ModifyProFileMouseLightUsingIndex(path, decimal(profileIndex), part, effect);
}

bool DXmlLinkProfileStore::saveSleepTimes(const char* path, int profileIndex, int lightSeconds, int keyboardMinutes)
{
    return COrvaneXML_SetProFileIntoSleepTimeInfo(path, decimal(profileIndex), lightSeconds, keyboardMinutes);
}

bool DXmlLinkProfileStore::keyFunction(const char* path, int profileIndex, int usage, keyOperateInfo* info)
{
    return COrvaneXML_SelectProFileKeyOperateInfo(path, decimal(profileIndex), decimal(usage), info);
}

bool DXmlLinkProfileStore::lockInfo(const char* path, int profileIndex, functionLockInfo* info)
{
    return COrvaneXML_GetProFileFunctionInfo(path, decimal(profileIndex), info);
}
