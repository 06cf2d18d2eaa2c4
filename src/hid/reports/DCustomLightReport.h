#pragma once

#include "hid/DKeyGrid.h"
#include "hid/reports/DReportFrame.h"

#include <QByteArray>
#include <QColor>
#include <QVector>

// The custom colour report (0x08): the 132 key colours of the key grid go
// to the keyboard as 8 packets, 18 keys (54 bytes) each and the last 6 keys
// (18 bytes) in packet 7.
class DCustomLightReport
{
public:
    static constexpr int kKeysPerPacket = 18;
    static constexpr int kPacketCount = (DKeyGrid::kKeyCount + kKeysPerPacket - 1) / kKeysPerPacket;

    // Red, green and blue of each colour, in grid order, cut into the
    // packets' payloads. Colours beyond the grid are ignored; missing ones
    // are sent black, so an upload is always 8 packets.
    static QVector<QByteArray> packetPayloads(const QVector<QColor>& gridColours);
    // One report: slot and packet number (low 8 bits), the payload length
    // and up to 58 payload bytes.
    static DReportFrame build(int slot, int packet, const QByteArray& payload);
};
