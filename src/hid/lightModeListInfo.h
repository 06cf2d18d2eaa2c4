#pragma once

#include <QList>

// A light effect list as a keyboard reports it: the effect ids it offers,
// with the speed and brightness maxima of its effects.
struct lightModeListInfo
{
    QList<int> lightTypeList;
    int speedMax = 0;
    int brightnessMax = 0;
};
