#pragma once

#include <QtGlobal>

#include <cstddef>

// One row per physical key position: the XKB key name, the X keycode that
// position has with the evdev keycodes, and what the receivers of the hooks
// expect for it: the virtual-key code of a US keyboard, the set-1 scan code
// and whether the key is an extended one (E0 prefix). Reading by position
// keeps the codes independent of the XKB layout the user has chosen.
//
// The keypad digits always give their keypad codes, so the arrows of the
// navigation block (extended) are never read as keypad keys and back.
struct KeyPosition
{
    const char* xkbName;
    quint8 xKeycode;
    quint8 vkCode;
    quint8 scanCode;
    bool extended;
    int qtKey; // what Qt reports for the key when it gives no native code
    int qtKeyNoNumLock; // the keypad's navigation meaning, 0 when it has none
    bool keypad;
};

class KeyPositionTable
{
public:
    static const KeyPosition* rows();
    static std::size_t rowCount();

    static const KeyPosition* byXKeycode(quint32 xKeycode);
    static const KeyPosition* byXkbName(const char* name, std::size_t length);
    static const KeyPosition* byVirtualKey(quint32 vkCode);
    // For key events without a native code; keypad tells whether Qt marked
    // the key as a keypad key.
    static const KeyPosition* byQtKey(int qtKey, bool keypad);
};
