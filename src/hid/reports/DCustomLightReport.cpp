#include "hid/reports/DCustomLightReport.h"

#include "hid/reports/DLightStreamReport.h"

// The custom colours travel in the light stream's packets: 18 keys to a
// packet, under their own command.
QVector<QByteArray> DCustomLightReport::packetPayloads(const QVector<QColor>& gridColours)
{
    QVector<QColor> grid = gridColours.mid(0, DKeyGrid::kKeyCount);
    grid.resize(DKeyGrid::kKeyCount);
    return DLightStreamReport::packetPayloads(grid);
}

DReportFrame DCustomLightReport::build(int slot, int packet, const QByteArray& payload)
{
    DReportFrame report = DLightStreamReport::streamPacket(slot, packet, payload);
    report.setCommand(DReportNumbers::kCustomColours);
    return report;
}
