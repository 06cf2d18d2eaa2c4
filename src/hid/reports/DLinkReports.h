#pragma once

#include "hid/reports/DReportFrame.h"

#include <QByteArray>

// The keyboard link's fixed reports: the I/O thread's handshake and
// serial-number inquiry, the serial number written back, the key echoes,
// the light and layout inquiries, and the device settings (reset, key
// locks, sleep times), and the request to enter the upgrade mode.
class DLinkReports
{
public:
    static constexpr int kSerialNumberLength = 32;
    static constexpr int kKeyEchoLength = 8;

    static DReportFrame handshake();
    static DReportFrame serialNumberInquiry();
    // At most the first 32 bytes of the text.
    static DReportFrame serialNumber(const QByteArray& text);
    // keys: the 8 bytes of a keyboard report, or null for none pressed.
    static DReportFrame keyEcho(const uint8_t* keys);
    // Bytes 6..18 of the keyboard's full key report, or null.
    static DReportFrame fullKeyEcho(const uint8_t* inputReport);

    static DReportFrame sideEffectListInquiry();
    static DReportFrame keyboardLightConfigInquiry();
    static DReportFrame sideLightConfigInquiry();
    static DReportFrame keyboardEffectListInquiry();
    static DReportFrame customizableKeysInquiry();

    static DReportFrame enterBootloader();
    static DReportFrame reset();
    // The flags as the settings page names them; the keyboard holds the
    // third and fourth the other way round.
    static DReportFrame keyLocks(int winKey, int shiftTab, int altTab, int altF4);
    // Seconds; a time beyond the 16-bit fields is sent as their maximum.
    static DReportFrame sleepTimes(int lightSleep, int keyboardSleep, int prohibitSleep);
    static DReportFrame sleepTimesInquiry();
};
