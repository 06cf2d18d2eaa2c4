#include "app/keyFunctionDescriber.h"

#include "sdk/include/orvanesdk_xml.h"

#include <QList>
#include <QObject>
#include <QStringList>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <list>
#include <string>

namespace {

// A table cell that matches whatever the stored function holds.
constexpr int kAny = INT_MIN;

enum class DetailSource {
    Listed,        // a row of kDetails
    KeyLabel,      // the label of the key usage in value
    Combination,   // modifier names and key label, "mask,usage"
    ValueText,     // value itself, UTF-8
    MacroName,     // the macro file's macro with the index in value
    ProfileName,   // the current layer file's profile with the index in value
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
    {0, 0, QT_TRANSLATE_NOOP("QObject", "Remap Key"), DetailSource::KeyLabel},
    {1, 1, QT_TRANSLATE_NOOP("QObject", "Macro"), DetailSource::MacroName},
    {2, 2, QT_TRANSLATE_NOOP("QObject", "Key Combination"), DetailSource::Combination},
    {3, 3, QT_TRANSLATE_NOOP("QObject", "Multimedia"), DetailSource::Listed},
    {4, 4, QT_TRANSLATE_NOOP("QObject", "Mouse"), DetailSource::Listed},
    {5, 5, QT_TRANSLATE_NOOP("QObject", "Disable"), DetailSource::Listed},
    {6, 6, QT_TRANSLATE_NOOP("QObject", "Text"), DetailSource::ValueText},
    {7, 7, QT_TRANSLATE_NOOP("QObject", "Switch Profile"), DetailSource::ProfileName},
    {8, 8, QT_TRANSLATE_NOOP("QObject", "Launch Application"), DetailSource::ValueText},
    {9, 9, QT_TRANSLATE_NOOP("QObject", "Shortcuts"), DetailSource::Listed},
    {10, 10, QT_TRANSLATE_NOOP("QObject", "Unknow"), DetailSource::Listed},
    {19, 19, QT_TRANSLATE_NOOP("QObject", "Key Config"), DetailSource::Listed},
    {20, 27, QT_TRANSLATE_NOOP("QObject", "Keyboard Light"), DetailSource::Listed},
    {30, 34, QT_TRANSLATE_NOOP("QObject", "Atmosphere Light"), DetailSource::Listed},
    {40, 40, QT_TRANSLATE_NOOP("QObject", "Senior Keys"), DetailSource::SeniorKeyName},
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
    {3, kAny, 0, kAny, QT_TRANSLATE_NOOP("QObject", "Volume +")},
    {3, kAny, 1, kAny, QT_TRANSLATE_NOOP("QObject", "Volume -")},
    {3, kAny, 2, kAny, QT_TRANSLATE_NOOP("QObject", "Mute")},
    {3, kAny, 3, kAny, QT_TRANSLATE_NOOP("QObject", "Play/Pause")},
    {3, kAny, 4, kAny, QT_TRANSLATE_NOOP("QObject", "Next track")},
    {3, kAny, 5, kAny, QT_TRANSLATE_NOOP("QObject", "Prev track")},
    {3, kAny, 6, kAny, QT_TRANSLATE_NOOP("QObject", "Stop")},
    {3, kAny, 8, kAny, QT_TRANSLATE_NOOP("QObject", "Player")},
    {3, kAny, 9, kAny, QT_TRANSLATE_NOOP("QObject", "Calculator")},
    {3, kAny, 10, kAny, QT_TRANSLATE_NOOP("QObject", "Computer")},
    {3, kAny, 11, kAny, QT_TRANSLATE_NOOP("QObject", "Browser")},
    {3, kAny, 12, kAny, QT_TRANSLATE_NOOP("QObject", "Email")},
    {3, kAny, 13, kAny, QT_TRANSLATE_NOOP("QObject", "Screen brightness+")},
    {3, kAny, 14, kAny, QT_TRANSLATE_NOOP("QObject", "Screen brightness-")},
    {3, kAny, 15, kAny, QT_TRANSLATE_NOOP("QObject", "Search")},

    {4, kAny, 0, kAny, QT_TRANSLATE_NOOP("QObject", "Mouse Left")},
    {4, kAny, 1, kAny, QT_TRANSLATE_NOOP("QObject", "Mouse Center")},
    {4, kAny, 2, kAny, QT_TRANSLATE_NOOP("QObject", "Mouse Right")},
    {4, kAny, 3, kAny, QT_TRANSLATE_NOOP("QObject", "Scroll Up")},
    {4, kAny, 4, kAny, QT_TRANSLATE_NOOP("QObject", "Scroll Down")},
    {4, kAny, 5, kAny, QT_TRANSLATE_NOOP("QObject", "Forward")},
    {4, kAny, 6, kAny, QT_TRANSLATE_NOOP("QObject", "Backward")},
    {4, kAny, 7, kAny, QT_TRANSLATE_NOOP("QObject", "Sniper Key")},

    {5, kAny, kAny, kAny, QT_TRANSLATE_NOOP("QObject", "Disable")},

    {9, kAny, 0, kAny, QT_TRANSLATE_NOOP("QObject", "Close window")},
    {9, kAny, 1, kAny, QT_TRANSLATE_NOOP("QObject", "Switch windows")},
    {9, kAny, 2, kAny, QT_TRANSLATE_NOOP("QObject", "Show desktop")},
    {9, kAny, 3, kAny, QT_TRANSLATE_NOOP("QObject", "My computer")},
    {9, kAny, 4, kAny, QT_TRANSLATE_NOOP("QObject", "Lock computer")},
    {9, kAny, 5, kAny, QT_TRANSLATE_NOOP("QObject", "Copy")},
    {9, kAny, 6, kAny, QT_TRANSLATE_NOOP("QObject", "Cut")},
    {9, kAny, 7, kAny, QT_TRANSLATE_NOOP("QObject", "Paste")},
    {9, kAny, 8, kAny, QT_TRANSLATE_NOOP("QObject", "Find")},
    {9, kAny, 9, kAny, QT_TRANSLATE_NOOP("QObject", "New")},
    {9, kAny, 10, kAny, QT_TRANSLATE_NOOP("QObject", "Print")},
    {9, kAny, 11, kAny, QT_TRANSLATE_NOOP("QObject", "Save")},

    {19, 0, kAny, kAny, QT_TRANSLATE_NOOP("QObject", "Lock keyboard")},
    {19, 2, 0, kAny, QT_TRANSLATE_NOOP("QObject", "Lock/Unlock Win")},
    {19, 2, 1, kAny, QT_TRANSLATE_NOOP("QObject", "Lock win")},
    {19, 2, 2, kAny, QT_TRANSLATE_NOOP("QObject", "Unlock win")},
    {19, 8, 0, kAny, QT_TRANSLATE_NOOP("QObject", "Default layer")},
    {19, 8, 1, kAny, QT_TRANSLATE_NOOP("QObject", "FN layer")},
    {19, 8, 2, kAny, QT_TRANSLATE_NOOP("QObject", "FN1 layer")},
    {19, 10, kAny, kAny, QT_TRANSLATE_NOOP("QObject", "Power query")},
    {19, 11, 0, 0, QT_TRANSLATE_NOOP("QObject", "Bluetooth 1")},
    {19, 11, 0, 1, QT_TRANSLATE_NOOP("QObject", "Bluetooth 2")},
    {19, 11, 0, 2, QT_TRANSLATE_NOOP("QObject", "Bluetooth 3")},
    {19, 11, 1, kAny, QT_TRANSLATE_NOOP("QObject", "2.4G switching")},
    {19, 11, 2, kAny, QT_TRANSLATE_NOOP("QObject", "USB switching")},

    {20, kAny, 0, kAny, QT_TRANSLATE_NOOP("QObject", "Overall light")},
    {20, kAny, 1, kAny, QT_TRANSLATE_NOOP("QObject", "Interaction light")},
    {20, kAny, 2, kAny, QT_TRANSLATE_NOOP("QObject", "All light")},
    {20, kAny, 3, kAny, QT_TRANSLATE_NOOP("QObject", "Static")},
    {21, kAny, 0, kAny, QT_TRANSLATE_NOOP("QObject", "Brightness +")},
    {21, kAny, 1, kAny, QT_TRANSLATE_NOOP("QObject", "Brightness -")},
    {22, kAny, 0, kAny, QT_TRANSLATE_NOOP("QObject", "Speed +")},
    {22, kAny, 1, kAny, QT_TRANSLATE_NOOP("QObject", "Speed -")},
    {23, kAny, 0, kAny, QT_TRANSLATE_NOOP("QObject", "Direction +1")},
    {23, kAny, 1, kAny, QT_TRANSLATE_NOOP("QObject", "Direction -1")},
    {23, kAny, 2, kAny, QT_TRANSLATE_NOOP("QObject", "Direction Loop")},
    {24, kAny, 0, kAny, QT_TRANSLATE_NOOP("QObject", "Into full color")},
    {24, kAny, 1, kAny, QT_TRANSLATE_NOOP("QObject", "Top color changed")},
    {24, kAny, 2, kAny, QT_TRANSLATE_NOOP("QObject", "Bottom color changed")},
    {25, kAny, 0, kAny, QT_TRANSLATE_NOOP("QObject", "Custom 1")},
    {25, kAny, 1, kAny, QT_TRANSLATE_NOOP("QObject", "Custom 2")},
    {26, 0, 0, kAny, QT_TRANSLATE_NOOP("QObject", "Close all")},
    {26, 0, 1, kAny, QT_TRANSLATE_NOOP("QObject", "Close back light")},
    {26, 1, kAny, kAny, QT_TRANSLATE_NOOP("QObject", "Stop back light")},
    {27, kAny, kAny, kAny, QT_TRANSLATE_NOOP("QObject", "Light recording")},

    {30, kAny, 0, kAny, QT_TRANSLATE_NOOP("QObject", "Overall light")},
    {30, kAny, 1, kAny, QT_TRANSLATE_NOOP("QObject", "Interaction light")},
    {30, kAny, 2, kAny, QT_TRANSLATE_NOOP("QObject", "All light")},
    {31, kAny, 0, kAny, QT_TRANSLATE_NOOP("QObject", "Brightness +")},
    {31, kAny, 1, kAny, QT_TRANSLATE_NOOP("QObject", "Brightness -")},
    {32, kAny, 0, kAny, QT_TRANSLATE_NOOP("QObject", "Speed +")},
    {32, kAny, 1, kAny, QT_TRANSLATE_NOOP("QObject", "Speed -")},
    {33, kAny, 0, kAny, QT_TRANSLATE_NOOP("QObject", "Into full color")},
    {33, kAny, 1, kAny, QT_TRANSLATE_NOOP("QObject", "Top color changed")},
    {33, kAny, 2, kAny, QT_TRANSLATE_NOOP("QObject", "Bottom color changed")},
    {34, 0, kAny, kAny, QT_TRANSLATE_NOOP("QObject", "Close side light")},
    {34, 1, kAny, kAny, QT_TRANSLATE_NOOP("QObject", "Stop side light")},
};

// (type, paramB) of the functions whose value is "first,second" rather than
// one number; there a missing number reads as -1 instead of 0.
struct PairValued
{
    int code;
    int sub;
};

constexpr PairValued kPairValued[] = {
    {19, 11}, // connection: mode, channel
};

// The bits of the HID keyboard modifier byte, lowest first; these names are
// the same in every language.
constexpr const char* kModifierNames[] = {"L_CTRL", "L_SHIFT", "L_ALT", "L_WIN",
                                          "R_CTRL", "R_SHIFT", "R_ALT", "R_WIN"};

// The store terminates its fields, but a record can come from anywhere: never
// read past the field's width.
template<std::size_t N>
QByteArray fieldText(const char (&field)[N])
{
    return QByteArray(field, int(::strnlen(field, N)));
}

bool matches(int cell, int stored)
{
    return cell == kAny || cell == stored;
}

const CategoryRow* categoryOf(int code)
{
    const auto row = std::find_if(std::begin(kCategories), std::end(kCategories), [code](const CategoryRow& r) {
        return code >= r.firstCode && code <= r.lastCode;
    });
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
    return keyFunctionDescriber::leadingNumber(parts.at(at));
}

QString unknownText()
{
    return QObject::tr("Unknow");
}

}

keyFunctionDescriber::keyFunctionDescriber(const QMap<int, QString>& keyNames, const char* currentProfilePath,
                                           const char* macroFilePath, const char* seniorKeyFilePath)
    : m_keyNames(keyNames)
    , m_currentProfilePath(currentProfilePath)
    , m_macroFilePath(macroFilePath)
    , m_seniorKeyFilePath(seniorKeyFilePath)
{
}

int keyFunctionDescriber::leadingNumber(const QByteArray& text)
{
    const long number = std::strtol(text.constData(), nullptr, 10);
    return int(std::clamp<long>(number, INT_MIN, INT_MAX));
}

keyFunctionDescriber::Description keyFunctionDescriber::describe(const keyOperateInfo& info) const
{
    Description description {QObject::tr("Default"), unknownText()};
    const int code = leadingNumber(fieldText(info.type));
    const CategoryRow* category = categoryOf(code);
    if (!category)
        return description;
    description.category = QObject::tr(category->category);

    const QByteArray value = fieldText(info.value);
    switch (category->detail) {
    case DetailSource::Listed: {
        const int sub = leadingNumber(fieldText(info.paramB));
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

QString keyFunctionDescriber::keyLabel(int usage) const
{
    return m_keyNames.value(usage);
}

QString keyFunctionDescriber::combinationText(const QByteArray& value) const
{
    const QList<QByteArray> parts = value.split(',');
    const int mask = leadingNumber(parts.at(0));
    QStringList names;
    for (int bit = 0; bit < int(std::size(kModifierNames)); ++bit) {
        if (mask & (1 << bit))
            names << QLatin1String(kModifierNames[bit]);
    }
    // A combination saved without its key still names its modifiers.
    if (parts.size() > 1) {
        const int usage = leadingNumber(parts.at(1));
        if (m_keyNames.contains(usage))
            names << m_keyNames.value(usage);
    }
    return names.join(QLatin1Char('+'));
}

QString keyFunctionDescriber::macroName(int macroIndex) const
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

QString keyFunctionDescriber::profileName(const QByteArray& profileIndex) const
{
    profileNodeRecord record {};
    if (!COrvaneXML_SelectProfileNodeInfo(m_currentProfilePath.constData(), profileIndex.constData(), &record))
        return QString();
    return QString::fromUtf8(fieldText(record.name));
}

QString keyFunctionDescriber::seniorKeyName(int recordIndex) const
{
    std::list<seniorKeyInfoStu> records;
    if (!COrvaneXML_SeniorKey_SelectAllInfoItem(m_seniorKeyFilePath.constData(), &records))
        return unknownText();
    for (const seniorKeyInfoStu& record : records) {
        if (record.index == recordIndex)
            return QString::fromUtf8(fieldText(record.name));
    }
    return unknownText();
}
