#pragma once

#include <QByteArray>
#include <QColor>
#include <QVector>

#include <array>

// The custom colour report (0x08): the 132 key colours of the 6 x 22 grid go
// to the keyboard as 8 packets, 18 keys (54 bytes) each and the last 6 keys
// (18 bytes) in packet 7.
class DCustomLightReport
{
public:
    static constexpr int command = 0x08;
    static constexpr int gridKeys = 6 * 22;
    static constexpr int keysPerPacket = 18;
    static constexpr int packetCount = (gridKeys + keysPerPacket - 1) / keysPerPacket;

    // Red, green and blue of each colour, in grid order, cut into the
    // packets' payloads. Colours beyond the grid are ignored; missing ones
    // are sent black, so an upload is always 8 packets.
    static QVector<QByteArray> packetPayloads(const QVector<QColor>& gridColours);
    // One report: slot and packet number (low 8 bits), the payload length
    // and up to 58 payload bytes.
    static std::array<uchar, 64> build(int slot, int packet, const QByteArray& payload);
};
