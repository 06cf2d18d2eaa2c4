#pragma once

#include "sdk/include/orvanesdk_xml.h"

#include <QByteArray>

#include <cstddef>

// One fixed key function that a choice page offers with one button: what a
// click stores and which stored entries show that button checked. A page's
// rows are a constant table; the entry is read the way the profile files
// have always been read, so a field that is no number reads as 0.
struct DKeyAction
{
    // Which fields of a stored entry of the row's type pick the row.
    enum Read : int {
        kValue,
        kParamBAndValue,
        kParamB,
        kTypeOnly,
        // A connection switch, "mode,channel": the mode alone, or the mode
        // and the channel.
        kConnectionMode,
        kConnectionChannel,
    };
    static constexpr int kNoChannel = -1;

    const char* button;
    int type;
    int paramB;
    int value;
    // Set only for a connection switch, whose value is "value,channel".
    int channel;
    Read read;

    QByteArray storedParamB() const;
    QByteArray storedValue() const;
    bool matches(const keyOperateInfo& entry) const;

    // The first row the entry picks, or -1.
    static int rowOf(const DKeyAction* rows, std::size_t count, const keyOperateInfo& entry);
};
