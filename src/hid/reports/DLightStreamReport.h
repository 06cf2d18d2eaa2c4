#pragma once

#include "hid/reports/DReportFrame.h"

#include <QByteArray>
#include <QColor>
#include <QVector>

#include <cstdint>

// What the lighting engine sends while light synchronisation is on: the
// switch and its keep-alive (0x16); over a cable the colours of each frame,
// 18 LEDs to a light-stream packet (0x0E), keys as part 0 and the side bar
// as part 1; behind the receiver one compact light frame (0x28) instead.
class DLightStreamReport
{
public:
    static constexpr int kLedsPerPacket = 18;
    static constexpr int kKeyPart = 0;
    static constexpr int kSidePart = 1;
    static constexpr int kKeyDataSize = 29; // bytes 5..33 of the compact frame
    static constexpr int kSideDataSize = 5; // bytes 35..39

    static DReportFrame synchronize(bool on);
    // Red, green and blue of each colour, 18 LEDs to a packet; the last
    // packet carries what is left. An invalid colour goes out black.
    static QVector<QByteArray> packetPayloads(const QVector<QColor>& colours);
    static DReportFrame streamPacket(int part, int packet, const QByteArray& payload);
    // The first packet of a frame: key part, packet 0.
    static bool isFrameStart(const DReportFrame& report);
    // Milliseconds since the epoch as the keyboard's 16-bit stamp.
    static uint16_t stamp(qint64 msSinceEpoch);
    // The compact frame: the stamp, the keyboard effect with its data, and
    // with side light (sideEffect >= 0) the side effect with its data. Data
    // beyond its field is cut off; every value goes as its low 8 bits.
    static DReportFrame receiverFrame(uint16_t stamp, int keyboardEffect, const QVector<int>& keyData, int sideEffect,
                                      const QVector<int>& sideData);
};
