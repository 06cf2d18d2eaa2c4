#pragma once

#include <QtGlobal>

#include <array>

// Which keys an input source keeps from the rest of the system while a hook
// runs. Sources that can decide per event (the window filter) and sources
// that must arrange it up front (the X11 key grabs) read the same policy, so
// both swallow the same keys.
struct KeySwallowPolicy
{
    // The lock keys and both Ctrl keys keep working while keys are captured,
    // so the lock lights stay true and no modifier is left stuck.
    static constexpr std::array<quint8, 5> kPassThroughKeys{20, 144, 145, 162, 163};

    bool swallowKeys = false;

    static bool isPassThroughKey(quint32 vkCode);
    bool swallows(quint32 vkCode) const { return swallowKeys && !isPassThroughKey(vkCode); }
    bool operator==(const KeySwallowPolicy& other) const { return swallowKeys == other.swallowKeys; }
    bool operator!=(const KeySwallowPolicy& other) const { return !(*this == other); }
};
