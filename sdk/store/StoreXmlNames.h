#pragma once

#include "sdk/store/StoreDocument.h"

// Element and attribute names of the store's XML schema (FORMAT.md), shared
// by the reader and the writer so the two cannot drift apart.
namespace StoreXmlNames {
inline constexpr char kRoot[] = "orvaneStore";
inline constexpr char kRootTag[] = "<orvaneStore";
inline constexpr char kVersion[] = "version";
inline constexpr char kBase64Suffix[] = "-base64";

inline constexpr char kProfiles[] = "profiles";
inline constexpr char kCurrent[] = "current";
inline constexpr char kProfile[] = "profile";
inline constexpr char kKey[] = "key";
inline constexpr char kBoundMacro[] = "boundMacro";
inline constexpr char kEvent[] = "event";
inline constexpr char kLight[] = "light";
inline constexpr char kLightInUse[] = "lightInUse";
inline constexpr char kLightSynchronize[] = "lightSynchronize";
inline constexpr char kCustomLight[] = "customLight";
inline constexpr char kKeyColour[] = "keyColour";
inline constexpr char kSleep[] = "sleep";
inline constexpr char kLocks[] = "locks";
inline constexpr char kMacros[] = "macros";
inline constexpr char kMacro[] = "macro";
inline constexpr char kSeniorKeys[] = "seniorKeys";
inline constexpr char kSeniorKey[] = "seniorKey";
inline constexpr char kCustomLights[] = "customLights";

template<typename Record, typename Field>
struct Attribute
{
    const char* name;
    Field Record::*member;
};

// colorInfoData, field by field, in record order.
inline constexpr Attribute<colorInfoData, int> kLightFields[14] = {{"part", &colorInfoData::lightPart},
                                                                   {"effect", &colorInfoData::ledType},
                                                                   {"brightness", &colorInfoData::ledBrightness},
                                                                   {"speed", &colorInfoData::ledSpeed},
                                                                   {"topRed", &colorInfoData::topRed},
                                                                   {"topGreen", &colorInfoData::topGreen},
                                                                   {"topBlue", &colorInfoData::topBlue},
                                                                   {"bottomRed", &colorInfoData::bottomRed},
                                                                   {"bottomGreen", &colorInfoData::bottomGreen},
                                                                   {"bottomBlue", &colorInfoData::bottomBlue},
                                                                   {"direction", &colorInfoData::ledDirection},
                                                                   {"fullColor", &colorInfoData::fullColor},
                                                                   {"extra", &colorInfoData::extraValue},
                                                                   {"reserved", &colorInfoData::reservedValue}};

// macroEventItem texts, in record order.
inline constexpr Attribute<StoreMacroEvent, std::string> kEventFields[6]
    = {{"mark", &StoreMacroEvent::mark},         {"delay", &StoreMacroEvent::delay},
       {"type", &StoreMacroEvent::type},         {"keyCode", &StoreMacroEvent::keyCode},
       {"codeName", &StoreMacroEvent::codeName}, {"operateExplain", &StoreMacroEvent::operateExplain}};

// keyOperateInfo texts after keyCode, in record order.
inline constexpr Attribute<StoreKeyFunction, std::string> kKeyFields[5] = {{"keyName", &StoreKeyFunction::keyName},
                                                                           {"type", &StoreKeyFunction::type},
                                                                           {"paramA", &StoreKeyFunction::paramA},
                                                                           {"paramB", &StoreKeyFunction::paramB},
                                                                           {"value", &StoreKeyFunction::value}};

inline constexpr Attribute<StoreLocks, std::string> kLockFields[4] = {{"altTab", &StoreLocks::altTab},
                                                                      {"altF4", &StoreLocks::altF4},
                                                                      {"shiftTab", &StoreLocks::shiftTab},
                                                                      {"windowsKey", &StoreLocks::windowsKey}};

inline constexpr Attribute<StoreSchemeKeyColour, int> kKeyColourInts[6]
    = {{"row", &StoreSchemeKeyColour::row},   {"column", &StoreSchemeKeyColour::column},
       {"red", &StoreSchemeKeyColour::red},   {"green", &StoreSchemeKeyColour::green},
       {"blue", &StoreSchemeKeyColour::blue}, {"fourth", &StoreSchemeKeyColour::fourthValue}};
inline constexpr const char* kSeniorKeySlots[4] = {"key0", "key1", "key2", "key3"};
} // namespace StoreXmlNames
