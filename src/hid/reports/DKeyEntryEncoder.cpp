#include "hid/reports/DKeyEntryEncoder.h"

#include "app/DFixedText.h"
#include "app/logCategories.h"
#include "profiles/DKeyFunctionType.h"

#include <QDebug>
#include <algorithm>

namespace {

using Entry = DKeyEntryEncoder::Entry;

enum Kind : uint8_t {
    KindPlainKey = 0x00,
    KindFnKey = 0x01,
    KindMultimedia = 0x07,
    KindLightRecording = 0x09,
    KindMacro = 0x10,
    KindKeyboardFunction = 0x11,
    KindMouse = 0x12,
    KindCombination = 0x13,
    KindRemapSpecial = 0x14,
    KindComputerFunction = 0x16,
    KindAdvancedKey = 0x17,
};

namespace Type = DKeyFunctionType;

// Light actions whose entry is the kind and the stored choice.
struct ChoiceKind
{
    int type;
    uint8_t kind;
};
constexpr ChoiceKind kChoiceKinds[] = {
    {Type::kKeyboardLightEffect, 0x02},    {Type::kKeyboardLightBrightness, 0x03}, {Type::kKeyboardLightSpeed, 0x04},
    {Type::kKeyboardLightDirection, 0x05}, {Type::kKeyboardLightColour, 0x06},     {Type::kKeyboardLightCustom, 0x08},
    {Type::kSideLightEffect, 0x0A},        {Type::kSideLightBrightness, 0x0B},     {Type::kSideLightSpeed, 0x0C},
    {Type::kSideLightColour, 0x0D},
};

// Keys with no stored function that the keyboard plays as media keys.
struct MediaUsage
{
    int usage;
    uint8_t code;
};
constexpr MediaUsage kMediaUsages[] = {{215, 0x32}, {127, 0x12}, {129, 0x11}, {128, 0x10}};

constexpr uint8_t kMultimediaCodes[]
    = {0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x30, 0x32, 0x34, 0x23, 0x20, 0x38, 0x39, 0x21};

struct MouseCode
{
    uint8_t wheel;
    uint8_t button;
};
constexpr MouseCode kMouseCodes[] = {{0, 1}, {0, 4}, {0, 2}, {1, 1}, {1, 255}, {0, 16}, {0, 8}, {0, 0}};

constexpr DKeyEntryEncoder::Shortcut kShortcuts[] = {
    {0xE2, 0x3D}, {0xE2, 0x2B}, {0xE3, 0x07}, {0xE3, 0x08}, {0xE3, 0x0F}, {0xE0, 0x06},
    {0xE0, 0x1B}, {0xE0, 0x19}, {0xE0, 0x09}, {0xE0, 0x11}, {0xE0, 0x13}, {0xE0, 0x16},
};

// Keyboard functions by sub-function.
enum class SubForm { Lock, SubValue, Wide, Bare, Connection };
struct SubFunction
{
    int sub;
    SubForm form;
};
constexpr SubFunction kSubFunctions[] = {
    {0, SubForm::Lock},     {1, SubForm::SubValue}, {2, SubForm::SubValue}, {3, SubForm::Wide},
    {4, SubForm::SubValue}, {5, SubForm::SubValue}, {6, SubForm::SubValue}, {7, SubForm::SubValue},
    {8, SubForm::SubValue}, {9, SubForm::SubValue}, {10, SubForm::Bare},    {11, SubForm::Connection},
};

// Sub-functions of the light "off" actions: all off (with what to turn
// off as value), backlight stopped, side light stopped.
constexpr int kSubLightOff = 4;
constexpr int kSubBacklightStopped = 5;
constexpr int kSubSideLightStopped = 6;

constexpr uint8_t kModifierBase = 224;
constexpr int kMaxUsage = 255;
constexpr int kMaxWideValue = 0xFFFF;

Entry entry(int b0, int b1 = 0, int b2 = 0, int b3 = 0)
{
    return {uint8_t(b0), uint8_t(b1), uint8_t(b2), uint8_t(b3)};
}

template<typename T, std::size_t N>
const T* inTable(const T (&table)[N], int index)
{
    return index >= 0 && std::size_t(index) < N ? &table[index] : nullptr;
}

// Mode and channel of the connection function, "mode,channel".
bool splitPair(const QByteArray& text, int* first, int* second)
{
    const int comma = text.indexOf(',');
    if (comma < 0)
        return false;
    *first = text.left(comma).trimmed().toInt();
    *second = text.mid(comma + 1).trimmed().toInt();
    return true;
}

Entry keyboardFunction(int sub, int v, const QByteArray& valueText, Entry plain)
{
    const SubFunction* found = nullptr;
    for (const SubFunction& s : kSubFunctions) {
        if (s.sub == sub)
            found = &s;
    }
    if (!found)
        return plain;
    switch (found->form) {
    case SubForm::Lock:
        return entry(KindKeyboardFunction, sub);
    case SubForm::SubValue:
        return entry(KindKeyboardFunction, sub, v);
    case SubForm::Bare:
        return entry(KindKeyboardFunction, sub);
    case SubForm::Wide: {
        // A larger value than the two bytes hold is sent as their maximum
        // rather than as unrelated digits.
        const int wide = v > kMaxUsage ? std::min(v, kMaxWideValue) : v;
        return entry(KindKeyboardFunction, sub, v > kMaxUsage ? wide >> 8 : 0, wide & 0xFF);
    }
    case SubForm::Connection: {
        int mode = 0;
        int channel = 0;
        if (!splitPair(valueText, &mode, &channel)) {
            qCDebug(lcDownload) << "Onboard download: connection function without mode and channel:" << valueText;
            return plain;
        }
        return entry(KindKeyboardFunction, sub, mode, channel);
    }
    }
    return plain;
}

} // namespace

DKeyEntryEncoder::SlotKind DKeyEntryEncoder::slotKindOf(const keyOperateInfo& record)
{
    switch (Type::of(record)) {
    case Type::kMacro:
        return SlotKind::Macro;
    case Type::kAdvancedKey:
        return SlotKind::AdvancedKey;
    default:
        return SlotKind::None;
    }
}

DKeyEntryEncoder::Result DKeyEntryEncoder::encode(const keyOperateInfo& record, int usage, int slot)
{
    const int u = std::min(usage, kMaxUsage);
    const int t = Type::of(record);
    const int v = DFixedText::number(record.value);
    const int paramB = DFixedText::number(record.paramB);
    const Entry plain = entry(KindPlainKey, u);

    for (const ChoiceKind& choice : kChoiceKinds) {
        if (choice.type == t)
            return {entry(choice.kind, v)};
    }

    switch (t) {
    case Type::kNoFunction:
        if (usage == kFnUsage)
            return {entry(KindFnKey)};
        for (const MediaUsage& media : kMediaUsages) {
            if (media.usage == usage)
                return {entry(KindMultimedia, media.code)};
        }
        return {plain};
    case Type::kRemap:
        if (v == kRemapTargetSpecial)
            return {entry(KindRemapSpecial)};
        if (v == kFnUsage)
            return {entry(KindFnKey)};
        return {entry(KindPlainKey, v)};
    case Type::kMacro:
        return {entry(KindMacro, u, slot)};
    case Type::kKeyCombination: {
        const Combination c = parseKeyCombination(record);
        if (!c.valid) {
            qCDebug(lcDownload) << "Onboard download: key combination without a mask:"
                                << DFixedText::bytes(record.value);
            return {plain};
        }
        if (c.modifierCount > kMaxModifiers)
            return {plain, Error::TooManyModifiers};
        return {combinationEntry(c)};
    }
    case Type::kMultimedia:
        return {entry(KindMultimedia, multimediaDeviceCode(v))};
    case Type::kMouse:
        return {entry(KindMouse, mouseWheelFlag(v), mouseButtonCode(v))};
    case Type::kDisable:
        return {entry(KindPlainKey)};
    case Type::kText:
    case Type::kProfileSwitch:
    case Type::kLaunchApplication:
        return {entry(KindComputerFunction, 0, 0, u)};
    case Type::kShortcut: {
        const Shortcut s = shortcutKeys(v);
        return {entry(KindCombination, s.modifier, s.key)};
    }
    case Type::kKeyboardFunction:
        return {keyboardFunction(paramB, v, DFixedText::bytes(record.value).trimmed(), plain)};
    case Type::kKeyboardLightOff:
        if (paramB == 0 || paramB == 1)
            return {entry(KindKeyboardFunction, paramB == 0 ? kSubLightOff : kSubBacklightStopped, v)};
        return {plain};
    case Type::kLightRecording:
        return {entry(KindLightRecording)};
    case Type::kSideLightOff:
        if (paramB == 0 || paramB == 1)
            return {entry(KindKeyboardFunction, paramB == 0 ? kSubLightOff : kSubSideLightStopped, v)};
        return {plain};
    case Type::kAdvancedKey:
        return {entry(KindAdvancedKey, slot)};
    default:
        return {plain};
    }
}

int DKeyEntryEncoder::multimediaDeviceCode(int value)
{
    const uint8_t* code = inTable(kMultimediaCodes, value);
    return code ? *code : 0;
}

int DKeyEntryEncoder::mouseWheelFlag(int value)
{
    const MouseCode* code = inTable(kMouseCodes, value);
    return code ? code->wheel : 0;
}

int DKeyEntryEncoder::mouseButtonCode(int value)
{
    const MouseCode* code = inTable(kMouseCodes, value);
    return code ? code->button : 0;
}

DKeyEntryEncoder::Shortcut DKeyEntryEncoder::shortcutKeys(int value)
{
    const Shortcut* s = inTable(kShortcuts, value);
    return s ? *s : Shortcut{};
}

DKeyEntryEncoder::Combination DKeyEntryEncoder::parseKeyCombination(const keyOperateInfo& record)
{
    return parseKeyCombinationText(DFixedText::bytes(record.value));
}

DKeyEntryEncoder::Combination DKeyEntryEncoder::parseKeyCombinationText(const QByteArray& text)
{
    Combination c;
    int mask = 0;
    if (!splitPair(text, &mask, &c.key))
        return c;
    c.valid = true;
    for (int bit = 0; bit < 8; ++bit) {
        if (!(mask & (1 << bit)))
            continue;
        if (++c.modifierCount == 1)
            c.firstModifier = kModifierBase + bit;
        else
            c.secondModifier = kModifierBase + bit;
    }
    return c;
}

DKeyEntryEncoder::Entry DKeyEntryEncoder::combinationEntry(const Combination& c)
{
    if (c.secondModifier == 0)
        return entry(KindCombination, c.firstModifier, c.key);
    return entry(KindCombination, c.firstModifier, c.secondModifier, c.key);
}
