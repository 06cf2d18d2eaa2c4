#include "app/DKeyFunctionDescriber.h"

#include "app/DFixedText.h"
#include "app/DKeyCombinationText.h"
#include "profiles/DKeyFunctionType.h"
#include "sdk/include/orvanesdk_xml.h"

#include <QList>
#include <QObject>
#include <QStringList>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <iterator>
#include <list>
#include <string>

namespace {

namespace Type = DKeyFunctionType;

// A table cell that matches whatever the stored function holds.
constexpr int kAny = INT_MIN;

enum class DetailSource {
    Listed, // a row of kDetails
    KeyLabel, // the label of the key usage in value
    Combination, // modifier names and key label, "mask,usage"
    ValueText, // value itself, UTF-8
    MacroName, // the macro file's macro with the index in value
    ProfileName, // the current layer file's profile with the index in value
    SeniorKeyName, // the advanced-key file's record with the index in value
};

struct CategoryRow
{
    int firstCode;
    int lastCode;
    const char* category;
    DetailSource detail;
};

constexpr CategoryRow kCategories[] = {
    {Type::kRemap, Type::kRemap, QT_TRANSLATE_NOOP("QObject", "Remap Key"), DetailSource::KeyLabel},
    {Type::kMacro, Type::kMacro, QT_TRANSLATE_NOOP("QObject", "Macro"), DetailSource::MacroName},
    {Type::kKeyCombination, Type::kKeyCombination, QT_TRANSLATE_NOOP("QObject", "Key Combination"),
     DetailSource::Combination},
    {Type::kMultimedia, Type::kMultimedia, QT_TRANSLATE_NOOP("QObject", "Multimedia"), DetailSource::Listed},
    {Type::kMouse, Type::kMouse, QT_TRANSLATE_NOOP("QObject", "Mouse"), DetailSource::Listed},
    {Type::kDisable, Type::kDisable, QT_TRANSLATE_NOOP("QObject", "Disable"), DetailSource::Listed},
    {Type::kText, Type::kText, QT_TRANSLATE_NOOP("QObject", "Text"), DetailSource::ValueText},
    {Type::kProfileSwitch, Type::kProfileSwitch, QT_TRANSLATE_NOOP("QObject", "Switch Profile"),
     DetailSource::ProfileName},
    {Type::kLaunchApplication, Type::kLaunchApplication, QT_TRANSLATE_NOOP("QObject", "Launch Application"),
     DetailSource::ValueText},
    {Type::kShortcut, Type::kShortcut, QT_TRANSLATE_NOOP("QObject", "Shortcuts"), DetailSource::Listed},
    {Type::kUnknown, Type::kUnknown, QT_TRANSLATE_NOOP("QObject", "Unknow"), DetailSource::Listed},
    {Type::kKeyboardFunction, Type::kKeyboardFunction, QT_TRANSLATE_NOOP("QObject", "Key Config"),
     DetailSource::Listed},
    {Type::kKeyboardLightEffect, Type::kLightRecording, QT_TRANSLATE_NOOP("QObject", "Keyboard Light"),
     DetailSource::Listed},
    {Type::kSideLightEffect, Type::kSideLightOff, QT_TRANSLATE_NOOP("QObject", "Atmosphere Light"),
     DetailSource::Listed},
    {Type::kAdvancedKey, Type::kAdvancedKey, QT_TRANSLATE_NOOP("QObject", "Senior Keys"), DetailSource::SeniorKeyName},
};

// One detail text per stored (type, paramB, value) combination. For the
// functions of kPairValued, value holds two numbers and `channel` matches
// the second one.
struct DetailRow
{
    int code;
    int sub;
    int value;
    int channel;
    const char* text;
};

constexpr DetailRow kDetails[] = {
    {Type::kMultimedia, kAny, 0, kAny, QT_TRANSLATE_NOOP("QObject", "Volume +")},
    {Type::kMultimedia, kAny, 1, kAny, QT_TRANSLATE_NOOP("QObject", "Volume -")},
    {Type::kMultimedia, kAny, 2, kAny, QT_TRANSLATE_NOOP("QObject", "Mute")},
    {Type::kMultimedia, kAny, 3, kAny, QT_TRANSLATE_NOOP("QObject", "Play/Pause")},
    {Type::kMultimedia, kAny, 4, kAny, QT_TRANSLATE_NOOP("QObject", "Next track")},
    {Type::kMultimedia, kAny, 5, kAny, QT_TRANSLATE_NOOP("QObject", "Prev track")},
    {Type::kMultimedia, kAny, 6, kAny, QT_TRANSLATE_NOOP("QObject", "Stop")},
    {Type::kMultimedia, kAny, 8, kAny, QT_TRANSLATE_NOOP("QObject", "Player")},
    {Type::kMultimedia, kAny, 9, kAny, QT_TRANSLATE_NOOP("QObject", "Calculator")},
    {Type::kMultimedia, kAny, 10, kAny, QT_TRANSLATE_NOOP("QObject", "Computer")},
    {Type::kMultimedia, kAny, 11, kAny, QT_TRANSLATE_NOOP("QObject", "Browser")},
    {Type::kMultimedia, kAny, 12, kAny, QT_TRANSLATE_NOOP("QObject", "Email")},
    {Type::kMultimedia, kAny, 13, kAny, QT_TRANSLATE_NOOP("QObject", "Screen brightness+")},
    {Type::kMultimedia, kAny, 14, kAny, QT_TRANSLATE_NOOP("QObject", "Screen brightness-")},
    {Type::kMultimedia, kAny, 15, kAny, QT_TRANSLATE_NOOP("QObject", "Search")},

    {Type::kMouse, kAny, 0, kAny, QT_TRANSLATE_NOOP("QObject", "Mouse Left")},
    {Type::kMouse, kAny, 1, kAny, QT_TRANSLATE_NOOP("QObject", "Mouse Center")},
    {Type::kMouse, kAny, 2, kAny, QT_TRANSLATE_NOOP("QObject", "Mouse Right")},
    {Type::kMouse, kAny, 3, kAny, QT_TRANSLATE_NOOP("QObject", "Scroll Up")},
    {Type::kMouse, kAny, 4, kAny, QT_TRANSLATE_NOOP("QObject", "Scroll Down")},
    {Type::kMouse, kAny, 5, kAny, QT_TRANSLATE_NOOP("QObject", "Forward")},
    {Type::kMouse, kAny, 6, kAny, QT_TRANSLATE_NOOP("QObject", "Backward")},
    {Type::kMouse, kAny, 7, kAny, QT_TRANSLATE_NOOP("QObject", "Sniper Key")},

    {Type::kDisable, kAny, kAny, kAny, QT_TRANSLATE_NOOP("QObject", "Disable")},

    {Type::kShortcut, kAny, 0, kAny, QT_TRANSLATE_NOOP("QObject", "Close window")},
    {Type::kShortcut, kAny, 1, kAny, QT_TRANSLATE_NOOP("QObject", "Switch windows")},
    {Type::kShortcut, kAny, 2, kAny, QT_TRANSLATE_NOOP("QObject", "Show desktop")},
    {Type::kShortcut, kAny, 3, kAny, QT_TRANSLATE_NOOP("QObject", "My computer")},
    {Type::kShortcut, kAny, 4, kAny, QT_TRANSLATE_NOOP("QObject", "Lock computer")},
    {Type::kShortcut, kAny, 5, kAny, QT_TRANSLATE_NOOP("QObject", "Copy")},
    {Type::kShortcut, kAny, 6, kAny, QT_TRANSLATE_NOOP("QObject", "Cut")},
    {Type::kShortcut, kAny, 7, kAny, QT_TRANSLATE_NOOP("QObject", "Paste")},
    {Type::kShortcut, kAny, 8, kAny, QT_TRANSLATE_NOOP("QObject", "Find")},
    {Type::kShortcut, kAny, 9, kAny, QT_TRANSLATE_NOOP("QObject", "New")},
    {Type::kShortcut, kAny, 10, kAny, QT_TRANSLATE_NOOP("QObject", "Print")},
    {Type::kShortcut, kAny, 11, kAny, QT_TRANSLATE_NOOP("QObject", "Save")},

    {Type::kKeyboardFunction, 0, kAny, kAny, QT_TRANSLATE_NOOP("QObject", "Lock keyboard")},
    {Type::kKeyboardFunction, 2, 0, kAny, QT_TRANSLATE_NOOP("QObject", "Lock/Unlock Win")},
    {Type::kKeyboardFunction, 2, 1, kAny, QT_TRANSLATE_NOOP("QObject", "Lock win")},
    {Type::kKeyboardFunction, 2, 2, kAny, QT_TRANSLATE_NOOP("QObject", "Unlock win")},
    {Type::kKeyboardFunction, 8, 0, kAny, QT_TRANSLATE_NOOP("QObject", "Default layer")},
    {Type::kKeyboardFunction, 8, 1, kAny, QT_TRANSLATE_NOOP("QObject", "FN layer")},
    {Type::kKeyboardFunction, 8, 2, kAny, QT_TRANSLATE_NOOP("QObject", "FN1 layer")},
    {Type::kKeyboardFunction, 10, kAny, kAny, QT_TRANSLATE_NOOP("QObject", "Power query")},
    {Type::kKeyboardFunction, 11, 0, 0, QT_TRANSLATE_NOOP("QObject", "Bluetooth 1")},
    {Type::kKeyboardFunction, 11, 0, 1, QT_TRANSLATE_NOOP("QObject", "Bluetooth 2")},
    {Type::kKeyboardFunction, 11, 0, 2, QT_TRANSLATE_NOOP("QObject", "Bluetooth 3")},
    {Type::kKeyboardFunction, 11, 1, kAny, QT_TRANSLATE_NOOP("QObject", "2.4G switching")},
    {Type::kKeyboardFunction, 11, 2, kAny, QT_TRANSLATE_NOOP("QObject", "USB switching")},

    {Type::kKeyboardLightEffect, kAny, 0, kAny, QT_TRANSLATE_NOOP("QObject", "Overall light")},
    {Type::kKeyboardLightEffect, kAny, 1, kAny, QT_TRANSLATE_NOOP("QObject", "Interaction light")},
    {Type::kKeyboardLightEffect, kAny, 2, kAny, QT_TRANSLATE_NOOP("QObject", "All light")},
    {Type::kKeyboardLightEffect, kAny, 3, kAny, QT_TRANSLATE_NOOP("QObject", "Static")},
    {Type::kKeyboardLightBrightness, kAny, 0, kAny, QT_TRANSLATE_NOOP("QObject", "Brightness +")},
    {Type::kKeyboardLightBrightness, kAny, 1, kAny, QT_TRANSLATE_NOOP("QObject", "Brightness -")},
    {Type::kKeyboardLightSpeed, kAny, 0, kAny, QT_TRANSLATE_NOOP("QObject", "Speed +")},
    {Type::kKeyboardLightSpeed, kAny, 1, kAny, QT_TRANSLATE_NOOP("QObject", "Speed -")},
    {Type::kKeyboardLightDirection, kAny, 0, kAny, QT_TRANSLATE_NOOP("QObject", "Direction +1")},
    {Type::kKeyboardLightDirection, kAny, 1, kAny, QT_TRANSLATE_NOOP("QObject", "Direction -1")},
    {Type::kKeyboardLightDirection, kAny, 2, kAny, QT_TRANSLATE_NOOP("QObject", "Direction Loop")},
    {Type::kKeyboardLightColour, kAny, 0, kAny, QT_TRANSLATE_NOOP("QObject", "Into full color")},
    {Type::kKeyboardLightColour, kAny, 1, kAny, QT_TRANSLATE_NOOP("QObject", "Top color changed")},
    {Type::kKeyboardLightColour, kAny, 2, kAny, QT_TRANSLATE_NOOP("QObject", "Bottom color changed")},
    {Type::kKeyboardLightCustom, kAny, 0, kAny, QT_TRANSLATE_NOOP("QObject", "Custom 1")},
    {Type::kKeyboardLightCustom, kAny, 1, kAny, QT_TRANSLATE_NOOP("QObject", "Custom 2")},
    {Type::kKeyboardLightOff, 0, 0, kAny, QT_TRANSLATE_NOOP("QObject", "Close all")},
    {Type::kKeyboardLightOff, 0, 1, kAny, QT_TRANSLATE_NOOP("QObject", "Close back light")},
    {Type::kKeyboardLightOff, 1, kAny, kAny, QT_TRANSLATE_NOOP("QObject", "Stop back light")},
    {Type::kLightRecording, kAny, kAny, kAny, QT_TRANSLATE_NOOP("QObject", "Light recording")},

    {Type::kSideLightEffect, kAny, 0, kAny, QT_TRANSLATE_NOOP("QObject", "Overall light")},
    {Type::kSideLightEffect, kAny, 1, kAny, QT_TRANSLATE_NOOP("QObject", "Interaction light")},
    {Type::kSideLightEffect, kAny, 2, kAny, QT_TRANSLATE_NOOP("QObject", "All light")},
    {Type::kSideLightBrightness, kAny, 0, kAny, QT_TRANSLATE_NOOP("QObject", "Brightness +")},
    {Type::kSideLightBrightness, kAny, 1, kAny, QT_TRANSLATE_NOOP("QObject", "Brightness -")},
    {Type::kSideLightSpeed, kAny, 0, kAny, QT_TRANSLATE_NOOP("QObject", "Speed +")},
    {Type::kSideLightSpeed, kAny, 1, kAny, QT_TRANSLATE_NOOP("QObject", "Speed -")},
    {Type::kSideLightColour, kAny, 0, kAny, QT_TRANSLATE_NOOP("QObject", "Into full color")},
    {Type::kSideLightColour, kAny, 1, kAny, QT_TRANSLATE_NOOP("QObject", "Top color changed")},
    {Type::kSideLightColour, kAny, 2, kAny, QT_TRANSLATE_NOOP("QObject", "Bottom color changed")},
    {Type::kSideLightOff, 0, kAny, kAny, QT_TRANSLATE_NOOP("QObject", "Close side light")},
    {Type::kSideLightOff, 1, kAny, kAny, QT_TRANSLATE_NOOP("QObject", "Stop side light")},
};

// (type, paramB) of the functions whose value is "first,second" rather than
// one number; there a missing number reads as -1 instead of 0.
struct PairValued
{
    int code;
    int sub;
};

constexpr PairValued kPairValued[] = {
    {Type::kKeyboardFunction, 11}, // connection: mode, channel
};

// The bits of the HID keyboard modifier byte, lowest first; these names are
// the same in every language.
bool matches(int cell, int stored)
{
    return cell == kAny || cell == stored;
}

const CategoryRow* categoryOf(int code)
{
    const auto row = std::find_if(std::begin(kCategories), std::end(kCategories),
                                  [code](const CategoryRow& r) { return code >= r.firstCode && code <= r.lastCode; });
    return row == std::end(kCategories) ? nullptr : row;
}

bool isPairValued(int code, int sub)
{
    return std::any_of(std::begin(kPairValued), std::end(kPairValued),
                       [code, sub](const PairValued& p) { return p.code == code && p.sub == sub; });
}

const char* listedDetail(int code, int sub, int value, int channel)
{
    for (const DetailRow& row : kDetails) {
        if (row.code == code && matches(row.sub, sub) && matches(row.value, value) && matches(row.channel, channel))
            return row.text;
    }
    return nullptr;
}

int pairNumber(const QList<QByteArray>& parts, int at)
{
    if (at >= parts.size() || parts.at(at).trimmed().isEmpty())
        return -1;
    return DKeyFunctionDescriber::leadingNumber(parts.at(at));
}

QString unknownText()
{
    return QObject::tr("Unknow");
}

} // namespace

DKeyFunctionDescriber::DKeyFunctionDescriber(const QMap<int, QString>& keyNames, const char* currentProfilePath,
                                             const char* macroFilePath, const char* seniorKeyFilePath)
    : m_keyNames(keyNames)
    , m_currentProfilePath(currentProfilePath)
    , m_macroFilePath(macroFilePath)
    , m_seniorKeyFilePath(seniorKeyFilePath)
{
}

int DKeyFunctionDescriber::leadingNumber(const QByteArray& text)
{
    const long number = std::strtol(text.constData(), nullptr, 10);
    return int(std::clamp<long>(number, INT_MIN, INT_MAX));
}

DKeyFunctionDescriber::Description DKeyFunctionDescriber::describe(const keyOperateInfo& info) const
{
    Description description{QObject::tr("Default"), unknownText()};
    const int code = DKeyFunctionType::of(info);
    const CategoryRow* category = categoryOf(code);
    if (!category)
        return description;
    description.category = QObject::tr(category->category);

    const QByteArray value = DFixedText::bytes(info.value);
    switch (category->detail) {
    case DetailSource::Listed: {
        const int sub = leadingNumber(DFixedText::bytes(info.paramB));
        int first = leadingNumber(value);
        int second = -1;
        if (isPairValued(code, sub)) {
            const QList<QByteArray> parts = value.split(',');
            first = pairNumber(parts, 0);
            second = pairNumber(parts, 1);
        }
        if (const char* text = listedDetail(code, sub, first, second))
            description.detail = QObject::tr(text);
        break;
    }
    case DetailSource::KeyLabel:
        description.detail = keyLabel(leadingNumber(value));
        break;
    case DetailSource::Combination:
        description.detail = combinationText(value);
        break;
    case DetailSource::ValueText:
        description.detail = QString::fromUtf8(value);
        break;
    case DetailSource::MacroName:
        description.detail = macroName(leadingNumber(value));
        break;
    case DetailSource::ProfileName:
        description.detail = profileName(value);
        break;
    case DetailSource::SeniorKeyName:
        description.detail = seniorKeyName(leadingNumber(value));
        break;
    }
    return description;
}

QString DKeyFunctionDescriber::keyLabel(int usage) const
{
    return m_keyNames.value(usage);
}

QString DKeyFunctionDescriber::combinationText(const QByteArray& value) const
{
    // A combination saved without its key still names its modifiers.
    return DKeyCombinationText::storedText(value, m_keyNames);
}

QString DKeyFunctionDescriber::macroName(int macroIndex) const
{
    std::list<macroNodeInfo> macros;
    if (!COrvaneXML_SelectMacroAllNodes(m_macroFilePath.constData(), &macros))
        return unknownText();
    const std::string wanted = std::to_string(macroIndex);
    for (const macroNodeInfo& macro : macros) {
        if (macro.index == wanted)
            return QString::fromStdString(macro.name);
    }
    return unknownText();
}

QString DKeyFunctionDescriber::profileName(const QByteArray& profileIndex) const
{
    profileNodeRecord record{};
    if (!COrvaneXML_SelectProfileNodeInfo(m_currentProfilePath.constData(), profileIndex.constData(), &record))
        return QString();
    return DFixedText::utf8(record.name);
}

QString DKeyFunctionDescriber::seniorKeyName(int recordIndex) const
{
    std::list<seniorKeyInfoStu> records;
    if (!COrvaneXML_SeniorKey_SelectAllInfoItem(m_seniorKeyFilePath.constData(), &records))
        return unknownText();
    for (const seniorKeyInfoStu& record : records) {
        if (record.index == recordIndex)
            return DFixedText::utf8(record.name);
    }
    return unknownText();
}
