#pragma once

#include "hid/reports/DReportFrame.h"
#include "sdk/include/orvanesdk_xml.h"

#include <QVector>
#include <list>
#include <vector>

// The five 0x18 reports that fill one of the keyboard's macro slots: an
// 8-byte header (play mode, stream length, repeat count) and a 248-byte
// event stream of four bytes per event.
class DMacroReportEncoder
{
public:
    static constexpr int kSlotCount = 10;
    static constexpr int kReportsPerSlot = 5;
    static constexpr int kStreamSize = 248;
    static constexpr int kEventSize = 4;
    static constexpr int kMaxEvents = kStreamSize / kEventSize;

    // The events in list order; at most 62 fit, the rest are left out.
    static std::vector<uint8_t> encodeStream(const std::list<macroEventItem>& events);
    // playMode as the binding page stores it (1 once .. 4 while held).
    static QVector<DReportFrame> slotReports(int slot, const std::list<macroEventItem>& events, int playMode,
                                             int repeatCount);
    static QVector<DReportFrame> emptySlotReports(int slot);
};
