#pragma once

#include "sdk/include/orvanesdk_xml.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// The in-memory form of one store file. A file may hold any of the sections;
// in practice a layer file holds profiles, the macro file macros, the
// advanced-key file advanced keys and a default scheme file schemes. Texts are
// kept as the 8-bit bytes the callers passed.

struct StoreKeyFunction
{
    int keyCode = 0; // the key's HID usage; one entry per key and profile
    std::string keyName;
    std::string type;
    std::string paramA;
    std::string paramB;
    std::string value;
};

struct StoreMacroEvent
{
    std::string mark;
    std::string delay;
    std::string type;
    std::string keyCode;
    std::string codeName;
    std::string operateExplain;
};

struct StoreBoundMacro
{
    int macroIndex = 0;
    std::string tag;
    std::vector<StoreMacroEvent> events;
};

struct StoreLightInUse
{
    int part = 0;
    int effect = 0;
};

struct StoreSchemeKeyColour
{
    std::string keyCode;
    std::string keyLabel;
    int row = 0;
    int column = 0;
    int red = 0;
    int green = 0;
    int blue = 0;
    int fourthValue = 0;
};

struct StoreCustomScheme
{
    int index = 0;
    std::string name;
    std::string status;
    int slot = -1;
    std::vector<StoreSchemeKeyColour> colours;
};

struct StoreSleep
{
    int lightSeconds = 0;
    int keyboardMinutes = 0;
};

struct StoreLocks
{
    std::string altTab;
    std::string altF4;
    std::string shiftTab;
    std::string windowsKey;
};

struct StoreProfile
{
    int index = 0;
    std::string name;
    int fixed = 0;
    std::vector<StoreKeyFunction> keys;
    std::vector<StoreBoundMacro> boundMacros;
    std::vector<colorInfoData> lights; // one per (lightPart, ledType)
    std::vector<StoreLightInUse> lightInUse; // one per part
    std::optional<int> lightSynchronize;
    std::vector<StoreCustomScheme> schemes;
    std::optional<StoreSleep> sleep;
    std::optional<StoreLocks> locks;
};

struct StoreMacro
{
    int index = 0;
    std::string name;
    std::vector<StoreMacroEvent> events;
};

struct StoreDocument
{
    static constexpr int kVersion = 1;

    std::optional<int> currentProfile;
    std::vector<StoreProfile> profiles; // ascending index
    std::vector<StoreMacro> macros; // ascending index
    bool hasSeniorKeyNode = false;
    std::vector<seniorKeyInfoStu> seniorKeys; // file order
    std::vector<StoreCustomScheme> defaultSchemes;

    StoreProfile* profile(int index);
    const StoreProfile* profile(int index) const;
    StoreMacro* macro(int index);
    const StoreMacro* macro(int index) const;
};
