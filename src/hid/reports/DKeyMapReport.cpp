#include "hid/reports/DKeyMapReport.h"

#include <algorithm>

namespace {
constexpr int kMaxPayload = DKeyMapReport::kEntrySize * DKeyMapReport::kEntriesPerReport;
} // namespace

DReportFrame DKeyMapReport::build(const std::vector<uint8_t>& entries, int layerCode, int packetNumber)
{
    const int length = std::min(int(entries.size()), kMaxPayload);
    DReportFrame r(DReportNumbers::kKeyMap, layerCode, length);
    r.setPacket(packetNumber);
    r.setPayload(entries.data(), length);
    return r;
}
