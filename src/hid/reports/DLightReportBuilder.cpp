#include "hid/reports/DLightReportBuilder.h"

#include <QDateTime>

#include <iterator>

namespace {

constexpr uint8_t keyboardEffectCommand = 0x06;
constexpr uint8_t sideEffectCommand = 0x07;
constexpr uint8_t keyboardEffectLength = 0x0E;
constexpr uint8_t sideEffectLength = 0x0D;
constexpr int staticEffect = 0;
constexpr int payloadStart = 6;

DLightReportBuilder::Report effectReport(uint8_t command, uint8_t length, const colorInfoData& info, bool forceStatic)
{
    DLightReportBuilder::Report r{};
    r[0] = 0x01;
    r[1] = command;
    r[5] = length;
    const int fields[] = {info.ledType,      info.ledBrightness - 1, info.ledSpeed - 1, info.topRed,
                          info.topGreen,     info.topBlue,           info.bottomRed,    info.bottomGreen,
                          info.bottomBlue,   info.ledDirection,      info.fullColor,    info.extraValue};
    for (int i = 0; i < int(std::size(fields)); ++i)
        r[size_t(payloadStart + i)] = uint8_t(fields[i]);
    // Static shows one colour, so the flag goes out cleared whatever the
    // profile holds for it.
    if (forceStatic && info.ledType == staticEffect)
        r[16] = 0;
    return r;
}

void putStamp(DLightReportBuilder::Report& r, uint16_t stamp)
{
    r[62] = uint8_t(stamp >> 8);
    r[63] = uint8_t(stamp & 0xFF);
}

} // namespace

uint16_t DLightReportBuilder::currentStamp()
{
    return uint16_t(QDateTime::currentMSecsSinceEpoch() & 0xFFFF);
}

DLightReportBuilder::Report DLightReportBuilder::keyboardEffect(const colorInfoData& info, uint16_t stamp)
{
    Report r = effectReport(keyboardEffectCommand, keyboardEffectLength, info, true);
    putStamp(r, stamp);
    return r;
}

DLightReportBuilder::Report DLightReportBuilder::sideEffect(const colorInfoData& info, uint16_t stamp)
{
    Report r = effectReport(sideEffectCommand, sideEffectLength, info, true);
    putStamp(r, stamp);
    return r;
}

DLightReportBuilder::Report DLightReportBuilder::uploadClosingEffect(const colorInfoData& info)
{
    return effectReport(keyboardEffectCommand, keyboardEffectLength, info, false);
}
