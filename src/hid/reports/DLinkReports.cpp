#include "hid/reports/DLinkReports.h"

#include <algorithm>

using namespace DReportNumbers;

namespace {

constexpr int kSerialNumberPayload = 0x20;
constexpr int kKeyEchoPayload = 9;
constexpr int kFullKeyEchoPayload = 0x15;
constexpr int kFullKeyEchoFrom = 6;
constexpr int kFullKeyEchoBytes = 13;
constexpr int kSettingsPayload = 1;
constexpr int kResetFlagAt = 6;
constexpr int kLocksAt = 13;
constexpr int kLightSleepAt = 9;
constexpr int kKeyboardSleepAt = 11;
constexpr int kProhibitSleepAt = 13;

uint16_t sleepSeconds(int seconds)
{
    return uint16_t(std::clamp(seconds, 0, 0xFFFF));
}

} // namespace

DReportFrame DLinkReports::handshake()
{
    DReportFrame frame;
    frame.setLength(1);
    return frame;
}

DReportFrame DLinkReports::serialNumberInquiry()
{
    DReportFrame frame;
    frame.setCommand(kSerialNumberInquiry);
    return frame;
}

DReportFrame DLinkReports::serialNumber(const QByteArray& text)
{
    DReportFrame frame(kSerialNumberWrite, 0, kSerialNumberPayload);
    frame.setPayload(reinterpret_cast<const uint8_t*>(text.constData()),
                     std::min(int(text.size()), kSerialNumberLength));
    return frame;
}

DReportFrame DLinkReports::keyEcho(const uint8_t* keys)
{
    DReportFrame frame(kKeyEcho, 0, kKeyEchoPayload);
    frame.setPayload(keys, kKeyEchoLength);
    return frame;
}

DReportFrame DLinkReports::fullKeyEcho(const uint8_t* inputReport)
{
    DReportFrame frame(kFullKeyEcho, 0, kFullKeyEchoPayload);
    frame.setPayload(inputReport ? inputReport + kFullKeyEchoFrom : nullptr, kFullKeyEchoBytes);
    return frame;
}

DReportFrame DLinkReports::enterBootloader()
{
    return DReportFrame(kEnterBootloader);
}

DReportFrame DLinkReports::sideEffectListInquiry()
{
    return DReportFrame(kSideEffectListInquiry);
}

DReportFrame DLinkReports::keyboardLightConfigInquiry()
{
    return DReportFrame(kKeyboardEffect, 1);
}

DReportFrame DLinkReports::sideLightConfigInquiry()
{
    return DReportFrame(kSideEffect, 1);
}

DReportFrame DLinkReports::keyboardEffectListInquiry()
{
    return DReportFrame(kKeyboardEffectListInquiry);
}

DReportFrame DLinkReports::customizableKeysInquiry()
{
    return DReportFrame(kCustomizableKeysInquiry);
}

DReportFrame DLinkReports::reset()
{
    DReportFrame frame(kDeviceSettings, kSettingsGeneral, kSettingsPayload);
    frame.setByte(kResetFlagAt, 1);
    return frame;
}

DReportFrame DLinkReports::keyLocks(int winKey, int shiftTab, int altTab, int altF4)
{
    DReportFrame frame(kDeviceSettings, kSettingsGeneral, kSettingsPayload);
    frame.setByte(kLocksAt, winKey);
    frame.setByte(kLocksAt + 1, shiftTab);
    frame.setByte(kLocksAt + 2, altF4);
    frame.setByte(kLocksAt + 3, altTab);
    return frame;
}

DReportFrame DLinkReports::sleepTimes(int lightSleep, int keyboardSleep, int prohibitSleep)
{
    DReportFrame frame(kDeviceSettings, kSettingsSleepSet, kSettingsPayload);
    frame.setBigEndian16(kLightSleepAt, sleepSeconds(lightSleep));
    frame.setBigEndian16(kKeyboardSleepAt, sleepSeconds(keyboardSleep));
    frame.setByte(kProhibitSleepAt, prohibitSleep);
    return frame;
}

DReportFrame DLinkReports::sleepTimesInquiry()
{
    return DReportFrame(kDeviceSettings, kSettingsSleepInquiry, kSettingsPayload);
}
