#pragma once

// The profile store: profile (layer) files, the macro file and the
// advanced-key file. Every function takes the file path first, as 8-bit text
// of at most 255 bytes; indexes, key codes and most numbers cross as decimal
// text. Lists go into containers that the caller creates; the store appends.
//
// Every function runs on the GUI thread only. Every function that changes a
// file returns true when the file holds the change afterwards (a delete of
// something absent is true, nothing needed writing); false means nothing was
// changed, on disk or in memory. Inside a StoreWriteBatch (StoreWriteBatch.h)
// true means the store holds the change and writes it when the batch ends;
// the batch's commit() says whether it reached the file. Functions that read
// return true when the file could be read and held what was asked, and leave
// the caller's record untouched otherwise. Index texts and key codes must be
// decimal numbers and paths at most 255 bytes; anything else is refused. The
// file format, backups and the recovery of damaged files are described in
// sdk/store/FORMAT.md.

#include <cstddef>
#include <list>
#include <map>
#include <string>
#include <vector>

// One stored key function, 5224 bytes. Filled by
// COrvaneXML_SelectProFileKeyOperateInfo; its fields are, in order, the
// arguments of COrvaneXML_AddProFileMacroWithKeyInfoItem.
struct keyOperateInfo
{
    char keyCode[16]; // HID usage, decimal; "-1" = no entry (callers preset it)
    char keyName[64]; // key label
    char type[8]; // type code, decimal
    char paramA[8];
    char paramB[8];
    char value[5120]; // number, "a,b" pair, UTF-8 text or path
};

// One profile of a layer file as COrvaneXML_SelectProFileAllNodes lists it.
struct profileNodeInfo
{
    std::string index;
    std::string name;
};

// 648 bytes filled by COrvaneXML_SelectProfileNodeInfo; the name starts at
// byte 8 (NUL-terminated UTF-8).
struct profileNodeRecord
{
    char index[8];
    char name[640];
};

// One light setting: 14 ints.
struct colorInfoData
{
    int lightPart; // 0 keys, 1 side (2 is accepted too)
    int ledType; // effect id
    int ledBrightness;
    int ledSpeed;
    int topRed;
    int topGreen;
    int topBlue;
    int bottomRed;
    int bottomGreen;
    int bottomBlue;
    int ledDirection;
    int fullColor;
    int extraValue;
    int reservedValue;
};

// One key colour of a custom light scheme, 104 bytes.
struct customLightDataItem
{
    char keyCode[16]; // HID usage, decimal
    char keyLabel[64]; // Latin-1
    int row; // 0..5
    int column; // 0..21
    int red;
    int green;
    int blue;
    int fourthValue; // 128 from the picture; kept as given
};

// One custom light scheme of a profile, 100 bytes.
struct customLightNodeInfo
{
    char index[16]; // decimal
    char name[64]; // UTF-8
    char status[16]; // "Using" / "UnUsing"
    int slot; // keyboard slot 0 or 1, -1 for none
};

// Lock flags of a profile, 32 bytes; "1" = locked. The order differs from
// the keyboard report on purpose: it is the order of the store's setter.
struct functionLockInfo
{
    char altTab[8];
    char altF4[8];
    char shiftTab[8];
    char windowsKey[8];
};

// Sleep times of a profile: light in seconds, keyboard in whole minutes.
struct sleepTimeInfo
{
    int lightSleepSeconds;
    int keyboardSleepMinutes;
};

// One macro event, 240 bytes.
struct macroEventItem
{
    char mark[64]; // decimal, shared by a press and its release
    char delay[16]; // ms before this event
    char type[16]; // "key" or "mouse"
    char keyCode[16]; // HID usage or mouse message number
    char codeName[64]; // label, UTF-8
    char operateExplain[64]; // "down" or "up"
};

// One macro of the macro file.
struct macroNodeInfo
{
    std::string index;
    std::string name;
};

// One advanced key, 416 bytes, little-endian ints.
struct seniorKeyInfoStu
{
    int index; // unique, >= 1
    char name[256]; // local 8-bit
    int type; // 1 DKS, 2 MT, 3 TGL
    char key[4][16]; // usage or "mask,usage"; empty = none
    int action[16]; // action[k * 4 + p]
    int point[4]; // 0.1 mm
    int holdDuration; // ms
    int tglKeySet;
};

// What the store did with a file it could not parse. Collected until the
// program asks with COrvaneXML_TakeRecoveryNotes, so it can tell the user.
struct storeRecoveryInfo
{
    enum Outcome {
        RestoredFromBackup = 0, // the broken file was moved aside, "<file>.bak" took its place
        FreshFile = 1, // moved aside; no usable backup, an empty file took its place
        LeftInPlace = 2 // could not be moved aside; calls on it fail until it is fixed
    };
    std::string path; // the file, 8-bit
    std::string movedAsidePath; // "<file>.corrupt-<yyyyMMdd-hhmmss>", empty for LeftInPlace
    int outcome;
    std::string reason; // why the file was refused (parser message)
};

static_assert(sizeof(keyOperateInfo) == 5224, "keyOperateInfo layout");
static_assert(offsetof(keyOperateInfo, type) == 80 && offsetof(keyOperateInfo, value) == 104, "keyOperateInfo layout");
static_assert(sizeof(profileNodeRecord) == 648 && offsetof(profileNodeRecord, name) == 8, "profileNodeRecord layout");
static_assert(sizeof(colorInfoData) == 56, "colorInfoData layout");
static_assert(sizeof(customLightDataItem) == 104 && offsetof(customLightDataItem, row) == 80
                  && offsetof(customLightDataItem, fourthValue) == 100,
              "customLightDataItem layout");
static_assert(sizeof(customLightNodeInfo) == 100 && offsetof(customLightNodeInfo, slot) == 96,
              "customLightNodeInfo layout");
static_assert(sizeof(functionLockInfo) == 32, "functionLockInfo layout");
static_assert(sizeof(macroEventItem) == 240 && offsetof(macroEventItem, codeName) == 112
                  && offsetof(macroEventItem, operateExplain) == 176,
              "macroEventItem layout");
static_assert(sizeof(seniorKeyInfoStu) == 416 && offsetof(seniorKeyInfoStu, type) == 260
                  && offsetof(seniorKeyInfoStu, key) == 264 && offsetof(seniorKeyInfoStu, action) == 328
                  && offsetof(seniorKeyInfoStu, point) == 392 && offsetof(seniorKeyInfoStu, holdDuration) == 408
                  && offsetof(seniorKeyInfoStu, tglKeySet) == 412,
              "seniorKeyInfoStu layout");

// Start-up: 0 when the store is ready.
int COrvaneXML_Init();

// Files and profiles.
bool COrvaneXML_CreateXMLFile(const char* path);
bool COrvaneXML_CreateProFileXmlParentNode(const char* path, const char* profileIndex, const char* name, int fixed);
int COrvaneXML_GetCreateXMLFileProfileIndex(const char* path); // -1 when unreadable or none set
bool COrvaneXML_ModifyXMLFileProfileIndex(const char* path, int profileIndex);
bool COrvaneXML_SelectProFileAllNodes(const char* path, std::vector<profileNodeInfo>* nodes);
bool COrvaneXML_SelectProFileAllNodes(const char* path, std::list<profileNodeInfo>* nodes);
bool COrvaneXML_SelectProfileNodeInfo(const char* path, const char* profileIndex, profileNodeRecord* record);
bool COrvaneXML_IsExistenceSelectProfileNode(const char* path, const char* profileIndex);
bool COrvaneXML_DeleteProFileSelectedNode(const char* path, const char* profileIndex);
bool COrvaneXML_ModifyProfileNodeInfo(const char* path, const char* profileIndex, const char* name);
bool COrvaneXML_ProFileExport(const char* layerPath, const char* targetPath, const char* profileIndex, int reserved);
bool COrvaneXML_ProFileImport(const char* layerPath, const char* chosenPath, const char* sourceIndex);
// The key functions COrvaneXML_ProFileImport would bring from that file, so
// the caller can ask before anything is stored; the file is only read.
bool COrvaneXML_ProFileImportKeyInfo(const char* chosenPath, const char* sourceIndex, std::list<keyOperateInfo>* infos);

// Key functions.
bool COrvaneXML_SelectProFileKeyOperateInfo(const char* path, const char* profileIndex, const char* keyCode,
                                            keyOperateInfo* info);
bool COrvaneXML_DeleteProFileMacroWithKeyInfoItem(const char* path, const char* profileIndex, const char* keyCode,
                                                  const char* keyName);
bool COrvaneXML_AddProFileMacroWithKeyInfoItem(const char* path, const char* profileIndex, const char* keyCode,
                                               const char* keyName, const char* type, const char* paramA,
                                               const char* paramB, const char* value);
bool COrvaneXML_ProFileKeyInfoSelectAll(const char* path, const char* profileIndex, std::list<keyOperateInfo>* infos);

// The profile's own copies of bound macros. The count is -1 when the profile cannot be read.
int COrvaneXML_GetProFileValueNum(const char* path, const char* profileIndex, const char* type, const char* value);
bool COrvaneXML_DeleteProFileBindMacroNode(const char* path, const char* profileIndex, const char* macroIndex,
                                           const char* tag);
bool COrvaneXML_AddProFileBindMacroItem(const char* path, const char* profileIndex, std::list<macroEventItem> events,
                                        const char* macroIndex, const char* tag);
bool COrvaneXML_ProFileMacroWithKeyInfoSelectAll(const char* path, const char* profileIndex, const char* macroIndex,
                                                 const char* reserved, std::list<macroEventItem>* events);

// Light settings. The effect in use is the one recorded for the part, else the
// effect of the part's first stored setting, else -1.
int COrvaneXML_SelectProFileMouseLightTypeUsingIndex(const char* path, const char* profileIndex, int part);
bool COrvaneXML_ModifyProFileMouseLightUsingIndex(const char* path, const char* profileIndex, int part, int effect);
bool COrvaneXML_SelectProfileColorDataInfo(const char* path, const char* profileIndex, int part, int effect,
                                           colorInfoData* info);
bool COrvaneXML_IsProFileAlreadyHaveLightInfo(const char* path, const char* profileIndex, int part, int effect);
bool COrvaneXML_AddProFileLightInfoItem(const char* path, const char* profileIndex, colorInfoData info);
bool COrvaneXML_ModifyProFileLightInfoItem(const char* path, const char* profileIndex, int part, int effect,
                                           colorInfoData info);
bool COrvaneXML_ModifyProFileLightSynchronizeStatus(const char* path, const char* profileIndex, int status);

// Custom light schemes.
bool COrvaneXML_AddProFileCustomLightNode(const char* path, const char* profileIndex, const char* schemeIndex,
                                          const char* name, const char* status, int slot);
bool COrvaneXML_XmlCustomLightInfoSelectAll(const char* defaultFile, const char* schemeIndex,
                                            std::list<customLightDataItem>* items);
bool COrvaneXML_AddProFileCustomLightDataInfo(const char* path, const char* profileIndex, const char* schemeIndex,
                                              customLightDataItem item);
bool COrvaneXML_ClearProFileCustomLightNode(const char* path, const char* profileIndex, const char* schemeIndex);
bool COrvaneXML_ProFileCustomLightInfoSelectAll(const char* path, const char* profileIndex, const char* schemeIndex,
                                                std::list<customLightDataItem>* items);
bool COrvaneXML_SelectProFileCustomLightAllNodes(const char* path, const char* profileIndex,
                                                 std::list<customLightNodeInfo>* nodes);
bool COrvaneXML_ModifyProFileCustomLightNodeUsingStatus(const char* path, const char* profileIndex,
                                                        const char* schemeIndex, const char* status, int slot);
bool COrvaneXML_ModifyProFileCustomLightNodeName(const char* path, const char* profileIndex, const char* schemeIndex,
                                                 const char* name);

// Sleep and lock settings.
bool COrvaneXML_SetProFileIntoSleepTimeInfo(const char* path, const char* profileIndex, int lightSeconds,
                                            int keyboardMinutes);
bool COrvaneXML_GetProFileIntoSleepTimeInfo(const char* path, const char* profileIndex, sleepTimeInfo* info);
// The same, into two consecutive ints (light seconds, keyboard minutes).
bool COrvaneXML_GetProFileIntoSleepTimeInfo(const char* path, const char* profileIndex, int* twoValues);
bool COrvaneXML_GetProFileFunctionInfo(const char* path, const char* profileIndex, functionLockInfo* info);
bool COrvaneXML_AddProFileFunctionInfo(const char* path, const char* profileIndex, const char* altTab,
                                       const char* altF4, const char* shiftTab, const char* windowsKey);

// The macro file.
bool COrvaneXML_SelectMacroAllNodes(const char* path, std::list<macroNodeInfo>* nodes);
bool COrvaneXML_CreateMacroXmlParentNode(const char* path, const char* macroIndex, const char* name);
bool COrvaneXML_DeleteMacroNode(const char* path, const char* macroIndex);
bool COrvaneXML_ModifyMacroNodeName(const char* path, const char* macroIndex, const char* name);
bool COrvaneXML_SelectAllKeyOrMouseEvent(const char* path, const char* macroIndex, std::list<macroEventItem>* events);
bool COrvaneXML_AddKeyOrMouseEventItem(const char* path, std::list<macroEventItem> events, const char* macroIndex);
// which: 0 the pair's "down", 1 its "up"; direction: 1 towards the start, 0 towards the end.
bool COrvaneXML_UpdateEventItem(const char* path, const char* macroIndex, const char* mark, int which,
                                macroEventItem item);
bool COrvaneXML_DeleteEventItem(const char* path, const char* macroIndex, const char* mark);
bool COrvaneXML_MacroEventItemUpOrDownOperate(const char* path, const char* macroIndex, const char* mark, int direction,
                                              int which);

// The advanced-key file.
bool COrvaneXML_SeniorKey_CreateXMLFile(const char* path);
bool COrvaneXML_SeniorKey_CreateProFileXmlParentNode(const char* path);
bool COrvaneXML_SeniorKey_SelectAllInfoItem(const char* path, std::list<seniorKeyInfoStu>* records);
bool COrvaneXML_SeniorKey_SelectAllInfoItem(const char* path, std::map<int, seniorKeyInfoStu>* records);
bool COrvaneXML_SeniorKey_AddInfoItem(const char* path, int type, seniorKeyInfoStu record);
bool COrvaneXML_SeniorKey_ModifyInfoItem(const char* path, int type, seniorKeyInfoStu record);
bool COrvaneXML_SeniorKey_DeleteInfoItem(const char* path, int type, int index);

// Files the store had to recover since the last call, oldest first; the
// list is emptied by the call.
void COrvaneXML_TakeRecoveryNotes(std::list<storeRecoveryInfo>* notes);
