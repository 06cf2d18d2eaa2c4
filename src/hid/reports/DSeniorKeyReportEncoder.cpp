#include "hid/reports/DSeniorKeyReportEncoder.h"

#include "app/DFixedText.h"
#include "hid/reports/DKeyEntryEncoder.h"

#include <algorithm>

namespace {

constexpr uint8_t kPayloadLength = 0x32;
constexpr int kTypeByte = 6;
constexpr int kMsPerHoldUnit = 10;

// Where a DKS record puts each of its four keys and their actions.
constexpr int kDksKeyAt[4] = {11, 19, 27, 35};
constexpr int kDksActionsAt[4] = {15, 23, 31, 39};
constexpr int kDksPointsAt = 7;
constexpr int kActionsPerKey = 4;

constexpr int kModTapHoldKeyAt = 7;
constexpr int kModTapClickKeyAt = 11;
constexpr int kModTapHoldAt = 15;
constexpr int kToggleKeyAt = 7;

void put(DReportFrame& r, int at, const std::array<uint8_t, 4>& entry)
{
    for (int i = 0; i < int(entry.size()); ++i)
        r.setByte(at + i, entry[size_t(i)]);
}

} // namespace

DReportFrame DSeniorKeyReportEncoder::emptyReport(int storeIndex)
{
    return DReportFrame(DReportNumbers::kAdvancedKey, storeIndex, kPayloadLength);
}

std::array<uint8_t, 4> DSeniorKeyReportEncoder::keyEntry(const char (&keyText)[16], bool* tooManyModifiers)
{
    const QByteArray text = DFixedText::bytes(keyText);
    if (text.contains(',')) {
        const DKeyEntryEncoder::Combination c = DKeyEntryEncoder::parseKeyCombinationText(text);
        if (c.modifierCount > DKeyEntryEncoder::kMaxModifiers)
            *tooManyModifiers = true;
        return DKeyEntryEncoder::combinationEntry(c);
    }
    return {0, uint8_t(DFixedText::number(keyText)), 0, 0};
}

DSeniorKeyReportEncoder::Result DSeniorKeyReportEncoder::encode(const seniorKeyInfoStu& record, int storeIndex)
{
    Result result;
    DReportFrame& r = result.report;
    r = emptyReport(storeIndex);
    r.setByte(kTypeByte, record.type);
    bool& tooMany = result.tooManyModifiers;
    switch (record.type) {
    case Dks:
        for (int p = 0; p < 4; ++p)
            r.setByte(kDksPointsAt + p, record.point[p]);
        for (int k = 0; k < 4; ++k) {
            put(r, kDksKeyAt[k], keyEntry(record.key[k], &tooMany));
            for (int a = 0; a < kActionsPerKey; ++a)
                r.setByte(kDksActionsAt[k] + a, record.action[k * kActionsPerKey + a]);
        }
        break;
    case ModTap:
        put(r, kModTapHoldKeyAt, keyEntry(record.key[0], &tooMany));
        put(r, kModTapClickKeyAt, keyEntry(record.key[1], &tooMany));
        r.setByte(kModTapHoldAt, record.holdDuration / kMsPerHoldUnit);
        break;
    case Toggle:
        put(r, kToggleKeyAt, keyEntry(record.key[0], &tooMany));
        break;
    default:
        break;
    }
    return result;
}
