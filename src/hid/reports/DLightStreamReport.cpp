#include "hid/reports/DLightStreamReport.h"

#include <algorithm>

namespace {

constexpr int kPartAt = 2;
constexpr int kPacketAt = 4;
constexpr int kStampAt = 2;
constexpr int kKeyEffectAt = 4;
constexpr int kKeyDataAt = 5;
constexpr int kSideEffectAt = 34;
constexpr int kSideDataAt = 35;

void putData(DReportFrame& report, int at, const QVector<int>& data, int size)
{
    const int count = std::min(int(data.size()), size);
    for (int i = 0; i < count; ++i)
        report.setByte(at + i, data[i] & 0xFF);
}

} // namespace

DReportFrame DLightStreamReport::synchronize(bool on)
{
    DReportFrame report(DReportNumbers::kLightSynchronize, 0, 1);
    report.setPayloadByte(0, on ? 1 : 0);
    return report;
}

QVector<QByteArray> DLightStreamReport::packetPayloads(const QVector<QColor>& colours)
{
    QVector<QByteArray> payloads;
    QByteArray bytes;
    for (int led = 0; led < colours.size(); ++led) {
        const QColor colour = colours[led].isValid() ? colours[led] : QColor(Qt::black);
        bytes.append(char(colour.red()));
        bytes.append(char(colour.green()));
        bytes.append(char(colour.blue()));
        if ((led + 1) % kLedsPerPacket == 0 || led + 1 == colours.size()) {
            payloads.append(bytes);
            bytes.clear();
        }
    }
    return payloads;
}

DReportFrame DLightStreamReport::streamPacket(int part, int packet, const QByteArray& payload)
{
    const int length = std::min(int(payload.size()), DReportFrame::kPayloadCapacity);
    DReportFrame report(DReportNumbers::kLightStream, part, length);
    report.setPacket(packet);
    report.setPayload(reinterpret_cast<const uint8_t*>(payload.constData()), length);
    return report;
}

bool DLightStreamReport::isFrameStart(const DReportFrame& report)
{
    return report.command() == DReportNumbers::kLightStream && report[kPartAt] == kKeyPart && report[kPacketAt] == 0;
}

uint16_t DLightStreamReport::stamp(qint64 msSinceEpoch)
{
    return uint16_t(msSinceEpoch % 65536);
}

DReportFrame DLightStreamReport::receiverFrame(uint16_t stamp, int keyboardEffect, const QVector<int>& keyData,
                                               int sideEffect, const QVector<int>& sideData)
{
    DReportFrame report(DReportNumbers::kReceiverLightFrame);
    report.setBigEndian16(kStampAt, stamp);
    report.setByte(kKeyEffectAt, keyboardEffect & 0xFF);
    putData(report, kKeyDataAt, keyData, kKeyDataSize);
    if (sideEffect >= 0) {
        report.setByte(kSideEffectAt, sideEffect & 0xFF);
        putData(report, kSideDataAt, sideData, kSideDataSize);
    }
    return report;
}
