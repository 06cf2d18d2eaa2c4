#include "hid/reports/DSeniorKeyReportEncoder.h"

#include "app/DFixedText.h"
#include "hid/reports/DKeyEntryEncoder.h"

#include <algorithm>

namespace {

constexpr uint8_t payloadLength = 0x32;
constexpr int typeByte = 6;
constexpr int msPerHoldUnit = 10;

// Where a DKS record puts each of its four keys and their actions.
constexpr int dksKeyAt[4] = {11, 19, 27, 35};
constexpr int dksActionsAt[4] = {15, 23, 31, 39};
constexpr int dksPointsAt = 7;
constexpr int actionsPerKey = 4;

constexpr int modTapHoldKeyAt = 7;
constexpr int modTapClickKeyAt = 11;
constexpr int modTapHoldAt = 15;
constexpr int toggleKeyAt = 7;

void put(DReportFrame& r, int at, const std::array<uint8_t, 4>& entry)
{
    for (int i = 0; i < int(entry.size()); ++i)
        r.setByte(at + i, entry[size_t(i)]);
}

} // namespace

DReportFrame DSeniorKeyReportEncoder::emptyReport(int storeIndex)
{
    return DReportFrame(DReportNumbers::kAdvancedKey, storeIndex, payloadLength);
}

std::array<uint8_t, 4> DSeniorKeyReportEncoder::keyEntry(const char (&keyText)[16], bool* tooManyModifiers)
{
    const QByteArray text = DFixedText::bytes(keyText);
    if (text.contains(',')) {
        const DKeyEntryEncoder::Combination c = DKeyEntryEncoder::parseKeyCombinationText(text);
        if (c.modifierCount > DKeyEntryEncoder::maxModifiers)
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
    r.setByte(typeByte, record.type);
    bool& tooMany = result.tooManyModifiers;
    switch (record.type) {
    case Dks:
        for (int p = 0; p < 4; ++p)
            r.setByte(dksPointsAt + p, record.point[p]);
        for (int k = 0; k < 4; ++k) {
            put(r, dksKeyAt[k], keyEntry(record.key[k], &tooMany));
            for (int a = 0; a < actionsPerKey; ++a)
                r.setByte(dksActionsAt[k] + a, record.action[k * actionsPerKey + a]);
        }
        break;
    case ModTap:
        put(r, modTapHoldKeyAt, keyEntry(record.key[0], &tooMany));
        put(r, modTapClickKeyAt, keyEntry(record.key[1], &tooMany));
        r.setByte(modTapHoldAt, record.holdDuration / msPerHoldUnit);
        break;
    case Toggle:
        put(r, toggleKeyAt, keyEntry(record.key[0], &tooMany));
        break;
    default:
        break;
    }
    return result;
}
