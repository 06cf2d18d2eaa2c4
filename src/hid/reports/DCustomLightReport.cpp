#include "hid/reports/DCustomLightReport.h"

#include <algorithm>
#include <cstring>

QVector<QByteArray> DCustomLightReport::packetPayloads(const QVector<QColor>& gridColours)
{
    QVector<QByteArray> payloads;
    QByteArray bytes;
    for (int key = 0; key < gridKeys; ++key) {
        const QColor colour = key < gridColours.size() && gridColours[key].isValid() ? gridColours[key] : Qt::black;
        bytes.append(char(colour.red()));
        bytes.append(char(colour.green()));
        bytes.append(char(colour.blue()));
        if ((key + 1) % keysPerPacket == 0 || key + 1 == gridKeys) {
            payloads.append(bytes);
            bytes.clear();
        }
    }
    return payloads;
}

std::array<uchar, 64> DCustomLightReport::build(int slot, int packet, const QByteArray& payload)
{
    constexpr int payloadOffset = 6;
    std::array<uchar, 64> report{};
    const int length = std::min(int(payload.size()), int(report.size()) - payloadOffset);
    report[0] = 0x01;
    report[1] = command;
    report[2] = uchar(slot);
    report[4] = uchar(packet);
    report[5] = uchar(length);
    std::memcpy(report.data() + payloadOffset, payload.constData(), size_t(length));
    return report;
}
