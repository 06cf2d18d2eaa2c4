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

// What a keyboard reported it can do for one part, keys or side light: the
// same list under the name the lighting code uses for it.
using lightCapabilityInfo = lightModeListInfo;
