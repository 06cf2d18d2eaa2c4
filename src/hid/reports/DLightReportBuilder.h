#pragma once

#include "hid/reports/DReportFrame.h"
#include "sdk/include/orvanesdk_xml.h"

#include <cstdint>

// The lighting page's effect reports: the keyboard (0x06) and side (0x07)
// effect reports, and the keyboard effect report that closes an upload of
// custom colours.
class DLightReportBuilder
{
public:
    // The keyboard's own clock check: milliseconds since the epoch, low 16 bits.
    static uint16_t currentStamp();

    static DReportFrame keyboardEffect(const colorInfoData& info, uint16_t stamp);
    static DReportFrame sideEffect(const colorInfoData& info, uint16_t stamp);
    // The effect report that closes an upload: no stamp, and the stored
    // full-colour flag even for Static.
    static DReportFrame uploadClosingEffect(const colorInfoData& info);
};
