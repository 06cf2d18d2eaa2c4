#pragma once

#include "hid/reports/DReportFrame.h"

#include <vector>

// The 0x17 reports that carry one layer's key map: the four-byte entries in
// key-list order, at most 14 to a report.
class DKeyMapReport
{
public:
    static constexpr int kEntrySize = 4;
    static constexpr int kEntriesPerReport = 14;

    // Layer codes of byte 2.
    static constexpr int kDefaultLayer = 0;
    static constexpr int kMagneticLayer = 1;
    static constexpr int kFnLayer = 2;

    // One report from at most 56 entry bytes.
    static DReportFrame build(const std::vector<uint8_t>& entries, int layerCode, int packetNumber);
};
