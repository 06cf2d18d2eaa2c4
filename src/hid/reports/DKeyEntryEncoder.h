#pragma once

#include "sdk/include/orvanesdk_xml.h"

#include <QByteArray>
#include <array>
#include <cstdint>

// Turns a key's stored function and its HID usage into the four-byte entry
// of the keyboard's key map (kind first). Every table is a pure function of
// the stored values, so the whole encoding is testable without a keyboard.
class DKeyEntryEncoder
{
public:
    using Entry = std::array<uint8_t, 4>;

    // Functions whose entry names a slot the download fills first.
    enum class SlotKind { None, Macro, AdvancedKey };

    enum class Error {
        None,
        // The report carries two modifiers; dropping one would send a
        // different combination than the user chose.
        TooManyModifiers,
    };

    struct Result
    {
        Entry entry{};
        Error error = Error::None;
    };

    struct Combination
    {
        int firstModifier = 0;
        int secondModifier = 0;
        int key = 0;
        int modifierCount = 0;
        bool valid = false; // "mask,usage"; false without the comma
    };

    struct Shortcut
    {
        int modifier = 0;
        int key = 0;
    };

    static constexpr int kFnUsage = -10;
    static constexpr int kRemapTargetSpecial = -20;
    static constexpr int kMaxModifiers = 2;

    // The slot kind of a stored function; its slot is passed to encode().
    static SlotKind slotKindOf(const keyOperateInfo& record);
    // usage: the key cap's HID usage, not 0. slot: the macro slot or
    // advanced-key store index for the kinds that name one.
    static Result encode(const keyOperateInfo& record, int usage, int slot = 0);

    static int multimediaDeviceCode(int value);
    static int mouseWheelFlag(int value);
    static int mouseButtonCode(int value);
    static Shortcut shortcutKeys(int value);
    static Combination parseKeyCombination(const keyOperateInfo& record);
    static Combination parseKeyCombinationText(const QByteArray& text);
    // The entry of a combination inside key-map and advanced-key reports.
    static Entry combinationEntry(const Combination& combination);
};
