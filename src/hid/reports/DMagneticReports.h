#pragma once

#include "hid/DKeyBitmap.h"
#include "hid/reports/DReportFrame.h"

// The magnetic-switch requests (command 0x29): one sub-command in byte 6
// names what is asked, set or ended; the keyboard answers the queries with
// the same sub-command. Every request carries the same length byte, whatever
// its payload. Values travel as their low byte.
class DMagneticReports
{
public:
    static constexpr int kBitmapAt = 7;
    static constexpr int kKeyRowAt = 7;
    static constexpr int kKeyColumnAt = 8;

    static DReportFrame request(DReportNumbers::MagneticSub sub);
    // The trigger settings for the keys of the bitmap; `mode` is the
    // selection mode (0, 1, 12 or 13) and goes where the sub-command would.
    static DReportFrame apply(int mode, const DKeyBitmap& keys, int levelLeft, int levelRight, int quickLeft,
                              int quickRight);
    static DReportFrame selection(const DKeyBitmap& keys);
    static DReportFrame keyQuery(int row, int column);
    static DReportFrame keyCalibration(int row, int column);
    static DReportFrame allKeysCalibration(bool start);
    static DReportFrame setRateOfReturn(int value);
    static DReportFrame setAntiShake(int value);

private:
    static DReportFrame withKey(DReportNumbers::MagneticSub sub, int row, int column);
    static DReportFrame setting(DReportNumbers::MagneticSub sub, int value);
};
