#include "hid/reports/DLightReportBuilder.h"

#include <QDateTime>

#include <iterator>

namespace {

constexpr uint8_t kKeyboardEffectLength = 0x0E;
constexpr uint8_t kSideEffectLength = 0x0D;
constexpr int kStaticEffect = 0;
constexpr int kFullColourField = 10;
constexpr int kStampAt = 62;

DReportFrame effectReport(uint8_t command, uint8_t length, const colorInfoData& info, bool forceStatic)
{
    DReportFrame r(command, 0, length);
    const int fields[] = {info.ledType,    info.ledBrightness - 1, info.ledSpeed - 1, info.topRed,
                          info.topGreen,   info.topBlue,           info.bottomRed,    info.bottomGreen,
                          info.bottomBlue, info.ledDirection,      info.fullColor,    info.extraValue};
    for (int i = 0; i < int(std::size(fields)); ++i)
        r.setPayloadByte(i, fields[i]);
    // Static shows one colour, so the flag goes out cleared whatever the
    // profile holds for it.
    if (forceStatic && info.ledType == kStaticEffect)
        r.setPayloadByte(kFullColourField, 0);
    return r;
}

void putStamp(DReportFrame& r, uint16_t stamp)
{
    r.setBigEndian16(kStampAt, stamp);
}

} // namespace

uint16_t DLightReportBuilder::currentStamp()
{
    return uint16_t(QDateTime::currentMSecsSinceEpoch() & 0xFFFF);
}

DReportFrame DLightReportBuilder::keyboardEffect(const colorInfoData& info, uint16_t stamp)
{
    DReportFrame r = effectReport(DReportNumbers::kKeyboardEffect, kKeyboardEffectLength, info, true);
    putStamp(r, stamp);
    return r;
}

DReportFrame DLightReportBuilder::sideEffect(const colorInfoData& info, uint16_t stamp)
{
    DReportFrame r = effectReport(DReportNumbers::kSideEffect, kSideEffectLength, info, true);
    putStamp(r, stamp);
    return r;
}

DReportFrame DLightReportBuilder::uploadClosingEffect(const colorInfoData& info)
{
    return effectReport(DReportNumbers::kKeyboardEffect, kKeyboardEffectLength, info, false);
}
