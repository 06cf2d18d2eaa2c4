#pragma once

#include <QString>

#include <functional>

// The search for a keyboard of the ".ufw" family in its upgrade mode: the
// slots "A:" to "Z:" in order, asked through the upgrade library's query.
// 0 is found, -5 is "not in this slot, go on"; any other answer ends the
// search at once.
class DUpgradeDriveSearch
{
public:
    static constexpr int kFound = 0;
    static constexpr int kNotInSlot = -5;

    struct Outcome
    {
        bool found = false;
        QString drive; // the last slot asked ("C:"); the one found when found
        int lastCode = kNotInSlot;
    };

    // `query` gets the slot letter's character code.
    static Outcome run(const std::function<int(int letter)>& query);

    // "Error -5" for the library's known codes, "Error -1" for any other;
    // 0 and -10 only name the result of an upgrade.
    static QString errorText(int code, bool upgrade);
};
