#include "hid/reports/DMagneticReports.h"

namespace {

constexpr int kRequestLength = 0x18;
constexpr int kApplyValuesAt = DMagneticReports::kBitmapAt + DKeyGrid::kColumns;
// Rate of return and anti-shake: byte 7 says query or set, byte 8 the value.
constexpr int kSettingActionAt = 7;
constexpr int kSettingValueAt = 8;
constexpr int kSet = 1;
constexpr int kAllKeysStart = 0;
constexpr int kAllKeysStop = 1;

void putBitmap(DReportFrame& frame, const DKeyBitmap& keys)
{
    const DKeyBitmap::Bytes& bytes = keys.bytes();
    for (int column = 0; column < DKeyGrid::kColumns; ++column)
        frame.setByte(DMagneticReports::kBitmapAt + column, bytes[std::size_t(column)]);
}

} // namespace

DReportFrame DMagneticReports::request(DReportNumbers::MagneticSub sub)
{
    DReportFrame frame(DReportNumbers::kMagnetic, 0, kRequestLength);
    frame.setPayloadByte(0, sub);
    return frame;
}

DReportFrame DMagneticReports::apply(int mode, const DKeyBitmap& keys, int levelLeft, int levelRight, int quickLeft,
                                     int quickRight)
{
    DReportFrame frame(DReportNumbers::kMagnetic, 0, kRequestLength);
    frame.setPayloadByte(0, mode);
    putBitmap(frame, keys);
    frame.setByte(kApplyValuesAt, levelLeft)
        .setByte(kApplyValuesAt + 1, levelRight)
        .setByte(kApplyValuesAt + 2, quickLeft)
        .setByte(kApplyValuesAt + 3, quickRight);
    return frame;
}

DReportFrame DMagneticReports::selection(const DKeyBitmap& keys)
{
    DReportFrame frame = request(DReportNumbers::kKeySelection);
    putBitmap(frame, keys);
    return frame;
}

DReportFrame DMagneticReports::withKey(DReportNumbers::MagneticSub sub, int row, int column)
{
    return request(sub).setByte(kKeyRowAt, row).setByte(kKeyColumnAt, column);
}

DReportFrame DMagneticReports::keyQuery(int row, int column)
{
    return withKey(DReportNumbers::kKeyTravelInfo, row, column);
}

DReportFrame DMagneticReports::keyCalibration(int row, int column)
{
    return withKey(DReportNumbers::kKeyCalibration, row, column);
}

DReportFrame DMagneticReports::allKeysCalibration(bool start)
{
    return request(DReportNumbers::kAllKeysCalibration).setByte(kSettingActionAt, start ? kAllKeysStart : kAllKeysStop);
}

DReportFrame DMagneticReports::setting(DReportNumbers::MagneticSub sub, int value)
{
    return request(sub).setByte(kSettingActionAt, kSet).setByte(kSettingValueAt, value);
}

DReportFrame DMagneticReports::setRateOfReturn(int value)
{
    return setting(DReportNumbers::kRateOfReturn, value);
}

DReportFrame DMagneticReports::setAntiShake(int value)
{
    return setting(DReportNumbers::kAntiShake, value);
}
