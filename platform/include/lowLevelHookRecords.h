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
    quint32 vkCode = 0; // virtual-key code
    quint32 scanCode = 0; // set-1 scan code (without the E0 prefix)
    quint32 flags = 0; // LowLevelHook::Flag* bits
    quint32 time = 0; // milliseconds, the source's own clock
    quintptr dwExtraInfo = 0;
};

struct MSLLHOOKSTRUCT
{
    struct
    {
        qint32 x = 0;
        qint32 y = 0;
    } pt; // pointer position on the desktop
    quint32 mouseData = 0; // wheel delta or X button in the high word
    quint32 flags = 0;
    quint32 time = 0;
    quintptr dwExtraInfo = 0;
};

namespace LowLevelHook {

constexpr quint32 kFlagExtended = 0x01;
constexpr quint32 kFlagInjected = 0x10;
constexpr quint32 kFlagAltDown = 0x20;
constexpr quint32 kFlagReleased = 0x80;

constexpr WPARAM kKeyDown = 0x0100;
constexpr WPARAM kKeyUp = 0x0101;
constexpr WPARAM kSysKeyDown = 0x0104;
constexpr WPARAM kSysKeyUp = 0x0105;

constexpr WPARAM kMouseMove = 0x0200;
constexpr WPARAM kLeftButtonDown = 0x0201;
constexpr WPARAM kLeftButtonUp = 0x0202;
constexpr WPARAM kRightButtonDown = 0x0204;
constexpr WPARAM kRightButtonUp = 0x0205;
constexpr WPARAM kMiddleButtonDown = 0x0207;
constexpr WPARAM kMiddleButtonUp = 0x0208;
constexpr WPARAM kWheel = 0x020A;
constexpr WPARAM kExtraButtonDown = 0x020B;
constexpr WPARAM kExtraButtonUp = 0x020C;
constexpr WPARAM kHorizontalWheel = 0x020E;

constexpr int kWheelDelta = 120;

// The message word a key event travels with: the "system" variants while
// Alt is held, as the receivers' original platform reports them.
constexpr WPARAM keyMessage(quint32 flags)
{
    const bool released = (flags & kFlagReleased) != 0;
    if (flags & kFlagAltDown)
        return released ? kSysKeyUp : kSysKeyDown;
    return released ? kKeyUp : kKeyDown;
}

} // namespace LowLevelHook
