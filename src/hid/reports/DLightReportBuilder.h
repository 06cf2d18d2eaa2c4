#pragma once

#include "sdk/include/orvanesdk_xml.h"

#include <array>
#include <cstdint>

// The lighting page's effect reports: the keyboard (0x06) and side (0x07)
// effect reports, and the keyboard effect report that closes an upload of
// custom colours. Plain bytes, so the layouts can be checked without a
// keyboard.
class DLightReportBuilder
{
public:
    using Report = std::array<uint8_t, 64>;

    // The keyboard's own clock check: milliseconds since the epoch, low 16 bits.
    static uint16_t currentStamp();

    static Report keyboardEffect(const colorInfoData& info, uint16_t stamp);
    static Report sideEffect(const colorInfoData& info, uint16_t stamp);
    // The effect report that closes an upload: no stamp, and the stored
    // full-colour flag even for Static.
    static Report uploadClosingEffect(const colorInfoData& info);
};
