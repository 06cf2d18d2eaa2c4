// The COrvaneXML_ functions: each checks the thread and forwards to the store.
#include "sdk/include/orvanesdk_xml.h"

#include "sdk/include/StoreFileChecks.h"
#include "sdk/store/XmlStore.h"

#include <QFile>

namespace {
XmlStore& store()
{
    XmlStore::checkThread();
    return XmlStore::instance();
}
} // namespace

int COrvaneXML_Init()
{
    store();
    return 0;
}

bool COrvaneXML_CreateXMLFile(const char* path)
{
    return store().profiles.createFile(path);
}

bool COrvaneXML_CreateProFileXmlParentNode(const char* path, const char* profileIndex, const char* name, int fixed)
{
    return store().profiles.createProfile(path, profileIndex, name, fixed);
}

int COrvaneXML_GetCreateXMLFileProfileIndex(const char* path)
{
    return store().profiles.currentProfile(path);
}

bool COrvaneXML_ModifyXMLFileProfileIndex(const char* path, int profileIndex)
{
    return store().profiles.setCurrentProfile(path, profileIndex);
}

bool COrvaneXML_SelectProFileAllNodes(const char* path, std::vector<profileNodeInfo>* nodes)
{
    return store().profiles.profileNodes(path, nodes);
}

bool COrvaneXML_SelectProFileAllNodes(const char* path, std::list<profileNodeInfo>* nodes)
{
    std::vector<profileNodeInfo> found;
    if (!nodes || !store().profiles.profileNodes(path, &found))
        return false;
    nodes->insert(nodes->end(), found.begin(), found.end());
    return true;
}

bool COrvaneXML_SelectProfileNodeInfo(const char* path, const char* profileIndex, profileNodeRecord* record)
{
    return store().profiles.profileRecord(path, profileIndex, record);
}

bool COrvaneXML_IsExistenceSelectProfileNode(const char* path, const char* profileIndex)
{
    return store().profiles.hasProfile(path, profileIndex);
}

bool COrvaneXML_DeleteProFileSelectedNode(const char* path, const char* profileIndex)
{
    return store().profiles.deleteProfile(path, profileIndex);
}

bool COrvaneXML_ModifyProfileNodeInfo(const char* path, const char* profileIndex, const char* name)
{
    return store().profiles.renameProfile(path, profileIndex, name);
}

bool COrvaneXML_ProFileExport(const char* layerPath, const char* targetPath, const char* profileIndex, int)
{
    return store().profiles.exportProfile(layerPath, targetPath, profileIndex);
}

bool COrvaneXML_ProFileImport(const char* layerPath, const char* chosenPath, const char* sourceIndex)
{
    return store().profiles.importProfile(layerPath, chosenPath, sourceIndex);
}

bool COrvaneXML_ProFileImportKeyInfo(const char* chosenPath, const char* sourceIndex, std::list<keyOperateInfo>* infos)
{
    return store().profiles.importedKeys(chosenPath, sourceIndex, infos);
}

bool COrvaneXML_SelectProFileKeyOperateInfo(const char* path, const char* profileIndex, const char* keyCode,
                                            keyOperateInfo* info)
{
    return store().keys.select(path, profileIndex, keyCode, info);
}

bool COrvaneXML_DeleteProFileMacroWithKeyInfoItem(const char* path, const char* profileIndex, const char* keyCode,
                                                  const char*)
{
    return store().keys.remove(path, profileIndex, keyCode);
}

bool COrvaneXML_AddProFileMacroWithKeyInfoItem(const char* path, const char* profileIndex, const char* keyCode,
                                               const char* keyName, const char* type, const char* paramA,
                                               const char* paramB, const char* value)
{
    return store().keys.add(path, profileIndex, keyCode, keyName, type, paramA, paramB, value);
}

bool COrvaneXML_ProFileKeyInfoSelectAll(const char* path, const char* profileIndex, std::list<keyOperateInfo>* infos)
{
    return store().keys.selectAll(path, profileIndex, infos);
}

int COrvaneXML_GetProFileValueNum(const char* path, const char* profileIndex, const char* type, const char* value)
{
    return store().keys.valueCount(path, profileIndex, type, value);
}

bool COrvaneXML_DeleteProFileBindMacroNode(const char* path, const char* profileIndex, const char* macroIndex,
                                           const char*)
{
    return store().keys.removeBoundMacro(path, profileIndex, macroIndex);
}

bool COrvaneXML_AddProFileBindMacroItem(const char* path, const char* profileIndex, std::list<macroEventItem> events,
                                        const char* macroIndex, const char* tag)
{
    return store().keys.addBoundMacro(path, profileIndex, events, macroIndex, tag);
}

bool COrvaneXML_ProFileMacroWithKeyInfoSelectAll(const char* path, const char* profileIndex, const char* macroIndex,
                                                 const char*, std::list<macroEventItem>* events)
{
    return store().keys.boundMacroEvents(path, profileIndex, macroIndex, events);
}

int COrvaneXML_SelectProFileMouseLightTypeUsingIndex(const char* path, const char* profileIndex, int part)
{
    return store().lights.effectInUse(path, profileIndex, part);
}

bool COrvaneXML_ModifyProFileMouseLightUsingIndex(const char* path, const char* profileIndex, int part, int effect)
{
    return store().lights.setEffectInUse(path, profileIndex, part, effect);
}

bool COrvaneXML_SelectProfileColorDataInfo(const char* path, const char* profileIndex, int part, int effect,
                                           colorInfoData* info)
{
    return store().lights.setting(path, profileIndex, part, effect, info);
}

bool COrvaneXML_IsProFileAlreadyHaveLightInfo(const char* path, const char* profileIndex, int part, int effect)
{
    return store().lights.hasSetting(path, profileIndex, part, effect);
}

bool COrvaneXML_AddProFileLightInfoItem(const char* path, const char* profileIndex, colorInfoData info)
{
    return store().lights.addSetting(path, profileIndex, info);
}

bool COrvaneXML_ModifyProFileLightInfoItem(const char* path, const char* profileIndex, int part, int effect,
                                           colorInfoData info)
{
    return store().lights.modifySetting(path, profileIndex, part, effect, info);
}

bool COrvaneXML_ModifyProFileLightSynchronizeStatus(const char* path, const char* profileIndex, int status)
{
    return store().lights.setSynchronizeStatus(path, profileIndex, status);
}

bool COrvaneXML_AddProFileCustomLightNode(const char* path, const char* profileIndex, const char* schemeIndex,
                                          const char* name, const char* status, int slot)
{
    return store().lights.addScheme(path, profileIndex, schemeIndex, name, status, slot);
}

bool COrvaneXML_XmlCustomLightInfoSelectAll(const char* defaultFile, const char* schemeIndex,
                                            std::list<customLightDataItem>* items)
{
    XmlStore::checkThread();
    return LightStore::defaultSchemeColours(defaultFile, schemeIndex, items);
}

bool COrvaneXML_AddProFileCustomLightDataInfo(const char* path, const char* profileIndex, const char* schemeIndex,
                                              customLightDataItem item)
{
    return store().lights.addSchemeColour(path, profileIndex, schemeIndex, item);
}

bool COrvaneXML_ClearProFileCustomLightNode(const char* path, const char* profileIndex, const char* schemeIndex)
{
    return store().lights.clearScheme(path, profileIndex, schemeIndex);
}

bool COrvaneXML_ProFileCustomLightInfoSelectAll(const char* path, const char* profileIndex, const char* schemeIndex,
                                                std::list<customLightDataItem>* items)
{
    return store().lights.schemeColours(path, profileIndex, schemeIndex, items);
}

bool COrvaneXML_SelectProFileCustomLightAllNodes(const char* path, const char* profileIndex,
                                                 std::list<customLightNodeInfo>* nodes)
{
    return store().lights.schemes(path, profileIndex, nodes);
}

bool COrvaneXML_ModifyProFileCustomLightNodeUsingStatus(const char* path, const char* profileIndex,
                                                        const char* schemeIndex, const char* status, int slot)
{
    return store().lights.setSchemeStatus(path, profileIndex, schemeIndex, status, slot);
}

bool COrvaneXML_ModifyProFileCustomLightNodeName(const char* path, const char* profileIndex, const char* schemeIndex,
                                                 const char* name)
{
    return store().lights.renameScheme(path, profileIndex, schemeIndex, name);
}

bool COrvaneXML_SetProFileIntoSleepTimeInfo(const char* path, const char* profileIndex, int lightSeconds,
                                            int keyboardMinutes)
{
    return store().profiles.setSleep(path, profileIndex, lightSeconds, keyboardMinutes);
}

bool COrvaneXML_GetProFileIntoSleepTimeInfo(const char* path, const char* profileIndex, sleepTimeInfo* info)
{
    return store().profiles.sleep(path, profileIndex, info);
}

bool COrvaneXML_GetProFileIntoSleepTimeInfo(const char* path, const char* profileIndex, int* twoValues)
{
    sleepTimeInfo info;
    if (!twoValues || !store().profiles.sleep(path, profileIndex, &info))
        return false;
    twoValues[0] = info.lightSleepSeconds;
    twoValues[1] = info.keyboardSleepMinutes;
    return true;
}

bool COrvaneXML_GetProFileFunctionInfo(const char* path, const char* profileIndex, functionLockInfo* info)
{
    return store().profiles.locks(path, profileIndex, info);
}

bool COrvaneXML_AddProFileFunctionInfo(const char* path, const char* profileIndex, const char* altTab,
                                       const char* altF4, const char* shiftTab, const char* windowsKey)
{
    return store().profiles.setLocks(path, profileIndex, altTab, altF4, shiftTab, windowsKey);
}

bool COrvaneXML_SelectMacroAllNodes(const char* path, std::list<macroNodeInfo>* nodes)
{
    return store().macros.macros(path, nodes);
}

bool COrvaneXML_CreateMacroXmlParentNode(const char* path, const char* macroIndex, const char* name)
{
    return store().macros.createMacro(path, macroIndex, name);
}

bool COrvaneXML_DeleteMacroNode(const char* path, const char* macroIndex)
{
    return store().macros.deleteMacro(path, macroIndex);
}

bool COrvaneXML_ModifyMacroNodeName(const char* path, const char* macroIndex, const char* name)
{
    return store().macros.renameMacro(path, macroIndex, name);
}

bool COrvaneXML_SelectAllKeyOrMouseEvent(const char* path, const char* macroIndex, std::list<macroEventItem>* events)
{
    return store().macros.events(path, macroIndex, events);
}

bool COrvaneXML_AddKeyOrMouseEventItem(const char* path, std::list<macroEventItem> events, const char* macroIndex)
{
    return store().macros.appendEvents(path, events, macroIndex);
}

bool COrvaneXML_UpdateEventItem(const char* path, const char* macroIndex, const char* mark, int which,
                                macroEventItem item)
{
    return store().macros.updateEvent(path, macroIndex, mark, which, item);
}

bool COrvaneXML_DeleteEventItem(const char* path, const char* macroIndex, const char* mark)
{
    return store().macros.deleteEventPair(path, macroIndex, mark);
}

bool COrvaneXML_MacroEventItemUpOrDownOperate(const char* path, const char* macroIndex, const char* mark, int direction,
                                              int which)
{
    return store().macros.moveEvent(path, macroIndex, mark, direction, which);
}

bool COrvaneXML_SeniorKey_CreateXMLFile(const char* path)
{
    return store().seniorKeys.createFile(path);
}

bool COrvaneXML_SeniorKey_CreateProFileXmlParentNode(const char* path)
{
    return store().seniorKeys.createTopNode(path);
}

bool COrvaneXML_SeniorKey_SelectAllInfoItem(const char* path, std::list<seniorKeyInfoStu>* records)
{
    return store().seniorKeys.records(path, records);
}

bool COrvaneXML_SeniorKey_SelectAllInfoItem(const char* path, std::map<int, seniorKeyInfoStu>* records)
{
    return store().seniorKeys.records(path, records);
}

bool COrvaneXML_SeniorKey_AddInfoItem(const char* path, int type, seniorKeyInfoStu record)
{
    return store().seniorKeys.add(path, type, record);
}

bool COrvaneXML_SeniorKey_ModifyInfoItem(const char* path, int type, seniorKeyInfoStu record)
{
    return store().seniorKeys.modify(path, type, record);
}

bool COrvaneXML_SeniorKey_DeleteInfoItem(const char* path, int type, int index)
{
    return store().seniorKeys.remove(path, type, index);
}

void COrvaneXML_TakeRecoveryNotes(std::list<storeRecoveryInfo>* notes)
{
    store().cache.takeRecoveryNotes(notes);
}

void COrvaneXML_SetOwnFolder(const char* folder)
{
    store().cache.setOwnFolder(folder ? QFile::decodeName(folder) : QString());
}

bool COrvaneXML_LastWriteTooLarge()
{
    return store().cache.lastWriteTooLarge();
}

int COrvaneXML_FileState(const char* path)
{
    if (!path || !*path)
        return StoreFileMissing;
    StoreFileCache::Status status = StoreFileCache::Status::Missing;
    store().cache.document(QFile::decodeName(path), &status);
    switch (status) {
    case StoreFileCache::Status::Ok:
        return StoreFileReadable;
    case StoreFileCache::Status::Missing:
        return StoreFileMissing;
    case StoreFileCache::Status::Unreadable:
        return StoreFileUnreadable;
    case StoreFileCache::Status::Corrupt:
    case StoreFileCache::Status::Recovered:
        return StoreFileDamaged;
    case StoreFileCache::Status::TooLarge:
        return StoreFileTooLarge;
    }
    return StoreFileUnreadable;
}
