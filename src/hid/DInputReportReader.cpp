#include "hid/DInputReportReader.h"

#include "app/DFixedText.h"

#include <QByteArray>
#include <algorithm>

namespace {

constexpr int kPayloadStart = DReportFrame::kPayloadOffset;
constexpr uint8_t kMarkers[] = {0xA5, 0x5A};
constexpr int kCalibrationColumnsStart = 8;

bool isMarker(uint8_t byte)
{
    return std::find(std::begin(kMarkers), std::end(kMarkers), byte) != std::end(kMarkers);
}

// 8-bit text from `start` up to the first zero byte, within `width` bytes
// and the report.
QByteArray textAt(const uchar* report, int start, int width)
{
    const int limit = std::min(width, DInputReportReader::kReportSize - start);
    return DFixedText::bytes(reinterpret_cast<const char*>(report + start), limit);
}

} // namespace

DInputReportReader::StateReport DInputReportReader::readState(const uchar* report)
{
    StateReport state;
    state.valid = report[5] != 0;
    state.lockArmed = report[6] == 1;
    state.charging = report[9];
    state.battery = std::min<int>(report[10], kBatteryFull);
    state.linkMode = report[11];
    state.receiverState = report[12];
    state.downloadStatus = report[13];
    state.keyboardMode = report[14];
    return state;
}

lightModeListInfo DInputReportReader::readEffectList(const uchar* report)
{
    lightModeListInfo list;
    int at = kPayloadStart;
    while (at < kReportSize && !isMarker(report[at]))
        list.lightTypeList.append(report[at++]);
    if (at == kReportSize)
        return list;
    while (at < kReportSize && isMarker(report[at]))
        ++at;
    if (at < kReportSize)
        list.speedMax = report[at];
    if (at + 1 < kReportSize)
        list.brightnessMax = report[at + 1];
    return list;
}

colorInfoData DInputReportReader::readLightConfig(const uchar* report, int part)
{
    colorInfoData info{};
    info.lightPart = part;
    info.ledType = report[6];
    info.ledBrightness = report[7] + 1;
    info.ledSpeed = report[8] + 1;
    int* const rest[] = {&info.topRed,     &info.topGreen,     &info.topBlue,   &info.bottomRed, &info.bottomGreen,
                         &info.bottomBlue, &info.ledDirection, &info.fullColor, &info.extraValue};
    for (int i = 0; i < int(std::size(rest)); ++i)
        *rest[i] = report[9 + i];
    info.reservedValue = 0;
    return info;
}

QMap<int, int> DInputReportReader::readCustomizableColumns(const uchar* report)
{
    QMap<int, int> columns;
    for (int column = 0; column < DKeyGrid::kColumns; ++column)
        columns.insert(column, report[kPayloadStart + column]);
    return columns;
}

QList<QPair<int, int>> DInputReportReader::customizableKeys(const QMap<int, int>& columns)
{
    QList<QPair<int, int>> keys;
    for (auto it = columns.cbegin(); it != columns.cend(); ++it) {
        for (int row = 0; row < DKeyGrid::kRows; ++row) {
            if (it.value() & (1 << row))
                keys.append({row, it.key()});
        }
    }
    return keys;
}

DInputReportReader::SleepTimes DInputReportReader::readSleepTimes(const uchar* report)
{
    SleepTimes times;
    times.lightSeconds = report[9] * 256 + report[10];
    times.keyboardSeconds = report[11] * 256 + report[12];
    times.prohibit = report[13];
    return times;
}

QString DInputReportReader::readTextField(const uchar* report, int field)
{
    const QList<QByteArray> fields = textAt(report, kPayloadStart, kReportSize - kPayloadStart).split(',');
    return QString::fromLatin1(fields.value(field));
}

QMap<int, int> DInputReportReader::readCalibration(const uchar* report)
{
    QMap<int, int> results;
    if (report[7] != 0 && report[7] != 1)
        return results;
    for (int column = 0; column < DKeyGrid::kColumns; ++column) {
        if (report[kCalibrationColumnsStart + column] != 0)
            results.insert(column, report[kCalibrationColumnsStart + column]);
    }
    return results;
}

QString DInputReportReader::readSerialNumber(const uchar* report)
{
    return QString::fromLatin1(textAt(report, kPayloadStart, kSerialNumberLength));
}

bool DInputReportReader::isUsableSerialNumber(const QString& sn)
{
    if (sn.size() != kSerialNumberLength)
        return false;
    return std::all_of(sn.cbegin(), sn.cend(), [](QChar c) {
        return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
               || (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || c == QLatin1Char('-') || c == QLatin1Char('_');
    });
}
