#pragma once

#include <QMap>

// The HID usage a key report of the keyboard hook stands for. The hook
// reports Windows virtual keys, which name Enter and the keypad keys read
// without Num Lock by the same codes as the main Enter and the navigation
// keys; the low-level flags tell them apart, and the on-screen keyboard's
// virtual-key map (which gives the two Enter keys codes of their own) turns
// the result into the usage the key picture and the key functions use.
class DHookKeyUsage
{
public:
    static constexpr int kNoUsage = -1;

    // The usage of a press, or kNoUsage for a release, a report flagged as
    // released, and a key the map does not hold.
    static int usageOf(int keyCode, int flag, int hookFlag, const QMap<int, int>& virtualKeyToHid);

    // The virtual key the map is asked for: Enter and the keypad keys told
    // apart by the flags.
    static int lookupCode(int keyCode, int hookFlag);
};
