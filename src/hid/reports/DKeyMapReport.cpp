#include "hid/reports/DKeyMapReport.h"

#include <algorithm>

namespace {
constexpr uint8_t keyMapCommand = 0x17;
constexpr int payloadOffset = 6;
constexpr int maxPayload = DKeyMapReport::entrySize * DKeyMapReport::entriesPerReport;
} // namespace

OnboardReport DKeyMapReport::build(const std::vector<uint8_t>& entries, int layerCode, int packetNumber)
{
    OnboardReport r{};
    const int length = std::min(int(entries.size()), maxPayload);
    r[0] = 0x01;
    r[1] = keyMapCommand;
    r[2] = uint8_t(layerCode);
    r[4] = uint8_t(packetNumber);
    r[5] = uint8_t(length);
    std::copy_n(entries.begin(), length, r.begin() + payloadOffset);
    return r;
}
