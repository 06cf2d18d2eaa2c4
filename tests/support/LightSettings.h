#pragma once

#include "sdk/include/orvanesdk_xml.h"

// Wave at the fastest speed and full brightness, a band of a bright top
// colour over black: a setting whose frames change on every tick.
colorInfoData fastestWaveSetting(int part);
