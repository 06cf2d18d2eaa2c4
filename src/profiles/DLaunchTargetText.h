#pragma once

#include <QString>

// What a key that opens a program will run, in words a user can check
// before keeping it: the target itself and, for a desktop entry, the
// command line the entry starts (its Exec line), which the name alone hides.
class DLaunchTargetText
{
public:
    static QString describe(const QString& target);

    // The "Exec=" line of a desktop entry's [Desktop Entry] group as it
    // stands in the file; empty when the target is none or has none.
    static QString execLine(const QString& desktopEntry);
};
