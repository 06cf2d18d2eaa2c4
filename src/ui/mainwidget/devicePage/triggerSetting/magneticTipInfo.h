#pragma once

#include <QString>

// What the light and heavy press tip shows for one key.
struct magneticTipInfo
{
    QString keyName;
    QString lightPressTitle;
    QString lightPressDetail;
    QString heavyPressTitle;
    QString heavyPressDetail;
};
