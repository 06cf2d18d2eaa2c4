#include "hid/reports/DCustomLightReport.h"

#include <algorithm>

QVector<QByteArray> DCustomLightReport::packetPayloads(const QVector<QColor>& gridColours)
{
    QVector<QByteArray> payloads;
    QByteArray bytes;
    for (int key = 0; key < DKeyGrid::kKeyCount; ++key) {
        const QColor colour = key < gridColours.size() && gridColours[key].isValid() ? gridColours[key] : Qt::black;
        bytes.append(char(colour.red()));
        bytes.append(char(colour.green()));
        bytes.append(char(colour.blue()));
        if ((key + 1) % kKeysPerPacket == 0 || key + 1 == DKeyGrid::kKeyCount) {
            payloads.append(bytes);
            bytes.clear();
        }
    }
    return payloads;
}

DReportFrame DCustomLightReport::build(int slot, int packet, const QByteArray& payload)
{
    const int length = std::min(int(payload.size()), DReportFrame::kPayloadCapacity);
    DReportFrame report(DReportNumbers::kCustomColours, slot, length);
    report.setPacket(packet);
    report.setPayload(reinterpret_cast<const uint8_t*>(payload.constData()), length);
    return report;
}
