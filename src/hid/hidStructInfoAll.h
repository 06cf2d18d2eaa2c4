#pragma once

#include <QMetaType>

#include <cstdint>

// One keyboard the device page knows, present or offline; copied by value
// wherever it goes. Texts are NUL-terminated 8-bit, cut to the field width.
struct hidStructInfoAll
{
    char deviceType[64] = {};
    char hidPath[256] = {};
    char modelName[128] = {};
    char productName[128] = {};
    char likeName[128] = {};
    char firmwareVersion[64] = {};
    char firmwareIdPart0[128] = {};
    char firmwareIdPart1[64] = {};
    char firmwareIdPart3[64] = {};
    int32_t isOnline = 0;
    int32_t is24G = 0;
    int32_t supportValue0 = 0;
    int32_t supportValue1 = 0;
    int32_t supportValue2 = 0;
    int32_t supportValue3 = 0;
    int32_t layoutNumber = 0;
    char newFirmwareVersion[64] = {};
};

// Records travel through signals (device rows, queued connections, spies).
Q_DECLARE_METATYPE(hidStructInfoAll)
