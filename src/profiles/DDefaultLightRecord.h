#pragma once

#include "sdk/include/orvanesdk_xml.h"

// The light setting the page takes, and stores, for an effect the profile
// holds nothing for.
class DDefaultLightRecord
{
public:
    static colorInfoData make(int part, int effect);
};
