#include "hid/reports/DKeyMapReport.h"

#include <algorithm>

namespace {
constexpr int maxPayload = DKeyMapReport::entrySize * DKeyMapReport::entriesPerReport;
} // namespace

DReportFrame DKeyMapReport::build(const std::vector<uint8_t>& entries, int layerCode, int packetNumber)
{
    const int length = std::min(int(entries.size()), maxPayload);
    DReportFrame r(DReportNumbers::kKeyMap, layerCode, length);
    r.setPacket(packetNumber);
    r.setPayload(entries.data(), length);
    return r;
}
