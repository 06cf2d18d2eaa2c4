#pragma once

#include <QString>

// The name a person reads for a keyboard: its product name and its display
// name joined by a space, but a name that already holds the other is not
// said twice ("Orvane Swift 68 HE", not "Orvane Swift 68 HE Swift 68 HE").
class DUpgradeDeviceName
{
public:
    static QString of(const QString& productName, const QString& likeName);
};
