#include "devices/DUpgradeDriveSearch.h"

#include <algorithm>
#include <array>

DUpgradeDriveSearch::Outcome DUpgradeDriveSearch::run(const std::function<int(int letter)>& query)
{
    Outcome outcome;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        outcome.drive = QString(QLatin1Char(letter)) + QLatin1Char(':');
        outcome.lastCode = query(letter);
        if (outcome.lastCode == kFound) {
            outcome.found = true;
            return outcome;
        }
        if (outcome.lastCode != kNotInSlot)
            return outcome;
    }
    return outcome;
}

QString DUpgradeDriveSearch::errorText(int code, bool upgrade)
{
    static constexpr std::array<int, 11> kKnown{-3, -5, -6, -9, -18, -20, -21, -22, -23, -24, -25};
    const bool known = std::find(kKnown.begin(), kKnown.end(), code) != kKnown.end() || code == -26
                       || (upgrade && (code == 0 || code == -10));
    return QStringLiteral("Error %1").arg(known ? code : -1);
}
