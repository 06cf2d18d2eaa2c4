#pragma once

#include "hid/DKeyGrid.h"
#include "hid/lightModeListInfo.h"
#include "hid/reports/DLinkReports.h"
#include "hid/reports/DReportFrame.h"
#include "sdk/include/orvanesdk_xml.h"

#include <QList>
#include <QMap>
#include <QPair>
#include <QString>

// Reads the fields of the keyboard's input reports. A report is always the
// 64 bytes the I/O thread hands over, and it comes from a device: nothing
// here reads past byte 63, and values the program would trust as ranges
// are clamped.
class DInputReportReader
{
public:
    static constexpr int kReportSize = DReportFrame::kSize;
    static constexpr int kSerialNumberLength = DLinkReports::kSerialNumberLength;
    static constexpr int kBatteryFull = 100;

    struct StateReport
    {
        bool valid = false;
        bool lockArmed = false;
        int charging = 0;
        int battery = 0;
        int linkMode = 0;
        int receiverState = 0;
        int downloadStatus = 0;
        int keyboardMode = 0;
    };

    struct SleepTimes
    {
        int lightSeconds = 0;
        int keyboardSeconds = 0;
        int prohibit = 0;
    };

    static StateReport readState(const uchar* report);
    static lightModeListInfo readEffectList(const uchar* report);
    // part: 0 keys (report 0x07), 1 side (report 0x08).
    static colorInfoData readLightConfig(const uchar* report, int part);
    // Column of the key grid to its row bits.
    static QMap<int, int> readCustomizableColumns(const uchar* report);
    // (row, column) of every key the columns allow, column by column.
    static QList<QPair<int, int>> customizableKeys(const QMap<int, int>& columns);
    static SleepTimes readSleepTimes(const uchar* report);
    // Field `field` (from 0) of the comma-separated text of report 0x0D.
    static QString readTextField(const uchar* report, int field);
    // Column to result byte of an all-keys calibration answer; empty unless
    // the status (byte 7) is 0 or 1.
    static QMap<int, int> readCalibration(const uchar* report);
    static QString readSerialNumber(const uchar* report);
    // A serial number names the keyboard's profile folder, so only one made
    // of exactly 32 letters, digits, '-' or '_' is taken as the keyboard's.
    static bool isUsableSerialNumber(const QString& sn);
};
