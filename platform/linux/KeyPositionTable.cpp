#include "platform/linux/KeyPositionTable.h"

#include <Qt>

#include <cstring>
#include <iterator>

namespace {

// clang-format off
constexpr KeyPosition kRows[] = {
    // Function row
    {"ESC",    9,  27, 0x01, false, Qt::Key_Escape, 0, false},
    {"FK01",  67, 112, 0x3B, false, Qt::Key_F1, 0, false},
    {"FK02",  68, 113, 0x3C, false, Qt::Key_F2, 0, false},
    {"FK03",  69, 114, 0x3D, false, Qt::Key_F3, 0, false},
    {"FK04",  70, 115, 0x3E, false, Qt::Key_F4, 0, false},
    {"FK05",  71, 116, 0x3F, false, Qt::Key_F5, 0, false},
    {"FK06",  72, 117, 0x40, false, Qt::Key_F6, 0, false},
    {"FK07",  73, 118, 0x41, false, Qt::Key_F7, 0, false},
    {"FK08",  74, 119, 0x42, false, Qt::Key_F8, 0, false},
    {"FK09",  75, 120, 0x43, false, Qt::Key_F9, 0, false},
    {"FK10",  76, 121, 0x44, false, Qt::Key_F10, 0, false},
    {"FK11",  95, 122, 0x57, false, Qt::Key_F11, 0, false},
    {"FK12",  96, 123, 0x58, false, Qt::Key_F12, 0, false},
    {"PRSC", 107,  44, 0x37, true,  Qt::Key_Print, 0, false},
    {"SCLK",  78, 145, 0x46, false, Qt::Key_ScrollLock, 0, false},
    {"PAUS", 127,  19, 0x45, false, Qt::Key_Pause, 0, false},
    // Number row
    {"TLDE",  49, 192, 0x29, false, Qt::Key_QuoteLeft, 0, false},
    {"AE01",  10,  49, 0x02, false, Qt::Key_1, 0, false},
    {"AE02",  11,  50, 0x03, false, Qt::Key_2, 0, false},
    {"AE03",  12,  51, 0x04, false, Qt::Key_3, 0, false},
    {"AE04",  13,  52, 0x05, false, Qt::Key_4, 0, false},
    {"AE05",  14,  53, 0x06, false, Qt::Key_5, 0, false},
    {"AE06",  15,  54, 0x07, false, Qt::Key_6, 0, false},
    {"AE07",  16,  55, 0x08, false, Qt::Key_7, 0, false},
    {"AE08",  17,  56, 0x09, false, Qt::Key_8, 0, false},
    {"AE09",  18,  57, 0x0A, false, Qt::Key_9, 0, false},
    {"AE10",  19,  48, 0x0B, false, Qt::Key_0, 0, false},
    {"AE11",  20, 189, 0x0C, false, Qt::Key_Minus, 0, false},
    {"AE12",  21, 187, 0x0D, false, Qt::Key_Equal, 0, false},
    {"BKSP",  22,   8, 0x0E, false, Qt::Key_Backspace, 0, false},
    // Top letter row
    {"TAB",   23,   9, 0x0F, false, Qt::Key_Tab, 0, false},
    {"AD01",  24,  81, 0x10, false, Qt::Key_Q, 0, false},
    {"AD02",  25,  87, 0x11, false, Qt::Key_W, 0, false},
    {"AD03",  26,  69, 0x12, false, Qt::Key_E, 0, false},
    {"AD04",  27,  82, 0x13, false, Qt::Key_R, 0, false},
    {"AD05",  28,  84, 0x14, false, Qt::Key_T, 0, false},
    {"AD06",  29,  89, 0x15, false, Qt::Key_Y, 0, false},
    {"AD07",  30,  85, 0x16, false, Qt::Key_U, 0, false},
    {"AD08",  31,  73, 0x17, false, Qt::Key_I, 0, false},
    {"AD09",  32,  79, 0x18, false, Qt::Key_O, 0, false},
    {"AD10",  33,  80, 0x19, false, Qt::Key_P, 0, false},
    {"AD11",  34, 219, 0x1A, false, Qt::Key_BracketLeft, 0, false},
    {"AD12",  35, 221, 0x1B, false, Qt::Key_BracketRight, 0, false},
    {"BKSL",  51, 220, 0x2B, false, Qt::Key_Backslash, 0, false},
    // Home row
    {"CAPS",  66,  20, 0x3A, false, Qt::Key_CapsLock, 0, false},
    {"AC01",  38,  65, 0x1E, false, Qt::Key_A, 0, false},
    {"AC02",  39,  83, 0x1F, false, Qt::Key_S, 0, false},
    {"AC03",  40,  68, 0x20, false, Qt::Key_D, 0, false},
    {"AC04",  41,  70, 0x21, false, Qt::Key_F, 0, false},
    {"AC05",  42,  71, 0x22, false, Qt::Key_G, 0, false},
    {"AC06",  43,  72, 0x23, false, Qt::Key_H, 0, false},
    {"AC07",  44,  74, 0x24, false, Qt::Key_J, 0, false},
    {"AC08",  45,  75, 0x25, false, Qt::Key_K, 0, false},
    {"AC09",  46,  76, 0x26, false, Qt::Key_L, 0, false},
    {"AC10",  47, 186, 0x27, false, Qt::Key_Semicolon, 0, false},
    {"AC11",  48, 222, 0x28, false, Qt::Key_Apostrophe, 0, false},
    {"RTRN",  36,  13, 0x1C, false, Qt::Key_Return, 0, false},
    // Bottom letter row
    {"LFSH",  50, 160, 0x2A, false, Qt::Key_Shift, 0, false},
    {"LSGT",  94, 226, 0x56, false, Qt::Key_Less, 0, false},
    {"AB01",  52,  90, 0x2C, false, Qt::Key_Z, 0, false},
    {"AB02",  53,  88, 0x2D, false, Qt::Key_X, 0, false},
    {"AB03",  54,  67, 0x2E, false, Qt::Key_C, 0, false},
    {"AB04",  55,  86, 0x2F, false, Qt::Key_V, 0, false},
    {"AB05",  56,  66, 0x30, false, Qt::Key_B, 0, false},
    {"AB06",  57,  78, 0x31, false, Qt::Key_N, 0, false},
    {"AB07",  58,  77, 0x32, false, Qt::Key_M, 0, false},
    {"AB08",  59, 188, 0x33, false, Qt::Key_Comma, 0, false},
    {"AB09",  60, 190, 0x34, false, Qt::Key_Period, 0, false},
    {"AB10",  61, 191, 0x35, false, Qt::Key_Slash, 0, false},
    {"RTSH",  62, 161, 0x36, false, Qt::Key_Shift, 0, false},
    // Space row
    {"LCTL",  37, 162, 0x1D, false, Qt::Key_Control, 0, false},
    {"LWIN", 133,  91, 0x5B, true,  Qt::Key_Super_L, 0, false},
    {"LALT",  64, 164, 0x38, false, Qt::Key_Alt, 0, false},
    {"SPCE",  65,  32, 0x39, false, Qt::Key_Space, 0, false},
    {"RALT", 108, 165, 0x38, true,  Qt::Key_AltGr, 0, false},
    {"RWIN", 134,  92, 0x5C, true,  Qt::Key_Super_R, 0, false},
    {"COMP", 135,  93, 0x5D, true,  Qt::Key_Menu, 0, false},
    {"RCTL", 105, 163, 0x1D, true,  0, 0, false},
    // Navigation block
    {"INS",  118,  45, 0x52, true,  Qt::Key_Insert, 0, false},
    {"HOME", 110,  36, 0x47, true,  Qt::Key_Home, 0, false},
    {"PGUP", 112,  33, 0x49, true,  Qt::Key_PageUp, 0, false},
    {"DELE", 119,  46, 0x53, true,  Qt::Key_Delete, 0, false},
    {"END",  115,  35, 0x4F, true,  Qt::Key_End, 0, false},
    {"PGDN", 117,  34, 0x51, true,  Qt::Key_PageDown, 0, false},
    {"UP",   111,  38, 0x48, true,  Qt::Key_Up, 0, false},
    {"LEFT", 113,  37, 0x4B, true,  Qt::Key_Left, 0, false},
    {"DOWN", 116,  40, 0x50, true,  Qt::Key_Down, 0, false},
    {"RGHT", 114,  39, 0x4D, true,  Qt::Key_Right, 0, false},
    // Keypad
    {"NMLK",  77, 144, 0x45, true,  Qt::Key_NumLock, 0, false},
    {"KPDV", 106, 111, 0x35, true,  Qt::Key_Slash, 0, true},
    {"KPMU",  63, 106, 0x37, false, Qt::Key_Asterisk, 0, true},
    {"KPSU",  82, 109, 0x4A, false, Qt::Key_Minus, 0, true},
    {"KP7",   79, 103, 0x47, false, Qt::Key_7, Qt::Key_Home, true},
    {"KP8",   80, 104, 0x48, false, Qt::Key_8, Qt::Key_Up, true},
    {"KP9",   81, 105, 0x49, false, Qt::Key_9, Qt::Key_PageUp, true},
    {"KPAD",  86, 107, 0x4E, false, Qt::Key_Plus, 0, true},
    {"KP4",   83, 100, 0x4B, false, Qt::Key_4, Qt::Key_Left, true},
    {"KP5",   84, 101, 0x4C, false, Qt::Key_5, Qt::Key_Clear, true},
    {"KP6",   85, 102, 0x4D, false, Qt::Key_6, Qt::Key_Right, true},
    {"KP1",   87,  97, 0x4F, false, Qt::Key_1, Qt::Key_End, true},
    {"KP2",   88,  98, 0x50, false, Qt::Key_2, Qt::Key_Down, true},
    {"KP3",   89,  99, 0x51, false, Qt::Key_3, Qt::Key_PageDown, true},
    {"KPEN", 104,  13, 0x1C, true,  Qt::Key_Enter, 0, true},
    {"KP0",   90,  96, 0x52, false, Qt::Key_0, Qt::Key_Insert, true},
    {"KPDL",  91, 110, 0x53, false, Qt::Key_Period, Qt::Key_Delete, true},
    // International keys: Brazilian, Japanese and Korean positions
    {"AB11",  97, 193, 0x73, false, 0, 0, false},
    {"JPCM", 103, 194, 0x7E, false, Qt::Key_Comma, 0, true},
    {"AE13", 132, 255, 0x7D, false, Qt::Key_yen, 0, false},
    {"HKTG", 101, 255, 0x70, false, Qt::Key_Hiragana_Katakana, 0, false},
    {"HENK", 100, 255, 0x79, false, Qt::Key_Henkan, 0, false},
    {"MUHE", 102, 235, 0x7B, false, Qt::Key_Muhenkan, 0, false},
    {"HNGL", 130,  21, 0x72, false, Qt::Key_Hangul, 0, false},
    {"HJCV", 131,  25, 0x71, false, Qt::Key_Hangul_Hanja, 0, false},
    // Media keys
    {"MUTE", 121, 173, 0x20, true,  Qt::Key_VolumeMute, 0, false},
    {"VOL-", 122, 174, 0x2E, true,  Qt::Key_VolumeDown, 0, false},
    {"VOL+", 123, 175, 0x30, true,  Qt::Key_VolumeUp, 0, false},
    {"I171", 171, 176, 0x19, true,  Qt::Key_MediaNext, 0, false},
    {"I172", 172, 179, 0x22, true,  Qt::Key_MediaTogglePlayPause, 0, false},
    {"I173", 173, 177, 0x10, true,  Qt::Key_MediaPrevious, 0, false},
    {"I174", 174, 178, 0x24, true,  Qt::Key_MediaStop, 0, false},
};
// clang-format on

} // namespace

const KeyPosition* KeyPositionTable::rows()
{
    return kRows;
}

std::size_t KeyPositionTable::rowCount()
{
    return std::size(kRows);
}

const KeyPosition* KeyPositionTable::byXKeycode(quint32 xKeycode)
{
    for (const KeyPosition& row : kRows) {
        if (row.xKeycode == xKeycode)
            return &row;
    }
    return nullptr;
}

const KeyPosition* KeyPositionTable::byXkbName(const char* name, std::size_t length)
{
    // XKB names are up to four characters and not NUL-terminated when full.
    const std::size_t used = strnlen(name, length);
    if (used == 0)
        return nullptr;
    for (const KeyPosition& row : kRows) {
        if (std::strlen(row.xkbName) == used && std::memcmp(row.xkbName, name, used) == 0)
            return &row;
    }
    return nullptr;
}

const KeyPosition* KeyPositionTable::byVirtualKey(quint32 vkCode)
{
    for (const KeyPosition& row : kRows) {
        if (row.vkCode == vkCode)
            return &row;
    }
    return nullptr;
}

const KeyPosition* KeyPositionTable::byQtKey(int qtKey, bool keypad)
{
    if (qtKey == 0)
        return nullptr;
    for (const KeyPosition& row : kRows) {
        if (row.keypad == keypad && (row.qtKey == qtKey || row.qtKeyNoNumLock == qtKey))
            return &row;
    }
    // Some platforms never mark keypad keys; others mark keys that only
    // exist once, such as Num Lock.
    for (const KeyPosition& row : kRows) {
        if (row.qtKey == qtKey)
            return &row;
    }
    return nullptr;
}
