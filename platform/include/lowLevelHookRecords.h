#pragma once

#include <QtGlobal>

// The hook receivers were written against the low-level hook records of
// Windows; every input source of ours fills the same records, with the same
// widths and meanings, so receivers never see which source fed them.
typedef quintptr WPARAM;
typedef qintptr LPARAM;
typedef qintptr LRESULT;

struct KBDLLHOOKSTRUCT
{
    quint32 vkCode = 0;    // virtual-key code
    quint32 scanCode = 0;  // set-1 scan code (without the E0 prefix)
    quint32 flags = 0;     // LowLevelHook::Flag* bits
    quint32 time = 0;      // milliseconds, the source's own clock
    quintptr dwExtraInfo = 0;
};

struct MSLLHOOKSTRUCT
{
    struct
    {
        qint32 x = 0;
        qint32 y = 0;
    } pt;                  // pointer position on the desktop
    quint32 mouseData = 0; // wheel delta or X button in the high word
    quint32 flags = 0;
    quint32 time = 0;
    quintptr dwExtraInfo = 0;
};

namespace LowLevelHook {

constexpr quint32 FlagExtended = 0x01;
constexpr quint32 FlagInjected = 0x10;
constexpr quint32 FlagAltDown = 0x20;
constexpr quint32 FlagReleased = 0x80;

constexpr WPARAM KeyDown = 0x0100;
constexpr WPARAM KeyUp = 0x0101;
constexpr WPARAM SysKeyDown = 0x0104;
constexpr WPARAM SysKeyUp = 0x0105;

constexpr WPARAM MouseMove = 0x0200;
constexpr WPARAM LeftButtonDown = 0x0201;
constexpr WPARAM LeftButtonUp = 0x0202;
constexpr WPARAM RightButtonDown = 0x0204;
constexpr WPARAM RightButtonUp = 0x0205;
constexpr WPARAM MiddleButtonDown = 0x0207;
constexpr WPARAM MiddleButtonUp = 0x0208;
constexpr WPARAM Wheel = 0x020A;
constexpr WPARAM ExtraButtonDown = 0x020B;
constexpr WPARAM ExtraButtonUp = 0x020C;
constexpr WPARAM HorizontalWheel = 0x020E;

constexpr int WheelDelta = 120;

// The message word a key event travels with: the "system" variants while
// Alt is held, as the receivers' original platform reports them.
constexpr WPARAM keyMessage(quint32 flags)
{
    const bool released = (flags & FlagReleased) != 0;
    if (flags & FlagAltDown)
        return released ? SysKeyUp : SysKeyDown;
    return released ? KeyUp : KeyDown;
}

} // namespace LowLevelHook
