#pragma once

#include "sdk/include/orvanesdk_xml.h"

// The light setting the page takes, and stores, for an effect the profile
// holds nothing for.
class DDefaultLightRecord
{
public:
    static colorInfoData make(int part, int effect);
    // The direction an effect starts with; 0 for the side and unknown effects.
    static int defaultDirection(int part, int effect);
};
