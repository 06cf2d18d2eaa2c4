#pragma once

#include <QList>

// The key functions a profile holds, as the key-function pages stored them,
// read for the marks on the keyboard picture and for the download.
class DStoredKeyFunctions
{
public:
    // HID usages of the keys with a stored function, in stored order; -10 is
    // the Fn key. Entries whose key code is not a number, or whose type reads
    // as no function, are left out.
    static QList<int> customisedUsages(const char* profilePath, int profileIndex);
};
