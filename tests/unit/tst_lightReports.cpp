// The lighting reports byte for byte: the keyboard and side effect reports
// with their stamp, the effect report that closes a custom colour upload,
// and the eight custom colour packets of one upload.
#include "support/ReportBytes.h"
#include "support/TestMain.h"

#include "hid/reports/DCustomLightReport.h"
#include "hid/reports/DLightReportBuilder.h"

#include <functional>

using Build = std::function<DReportFrame()>;
Q_DECLARE_METATYPE(Build)

using namespace ReportBytes;

namespace {

colorInfoData record(int effect, int fullColor)
{
    // part, effect, brightness, speed, top, bottom, direction, full colour, extra, reserved
    return colorInfoData{0, effect, 4, 2, 255, 128, 7, 1, 2, 3, 5, fullColor, 9, 77};
}

// The report record() gives, with the frame, byte 16 and the stamp bytes given.
QByteArray effectReport(int command, int length, int effect, int byte16, int stampHigh, int stampLow)
{
    return reportWith({{0, 0x01},
                       {1, command},
                       {5, length},
                       {6, effect},
                       {7, 3},
                       {8, 1},
                       {9, 255},
                       {10, 128},
                       {11, 7},
                       {12, 1},
                       {13, 2},
                       {14, 3},
                       {15, 5},
                       {16, byte16},
                       {17, 9},
                       {62, stampHigh},
                       {63, stampLow}});
}

QVector<QColor> caps(int count)
{
    QVector<QColor> list;
    for (int i = 0; i < count; ++i)
        list << QColor(i % 256, (i * 7) % 256, 255 - i % 256);
    return list;
}

} // namespace

class tst_lightReports : public QObject
{
    Q_OBJECT

private slots:
    void effectReports_data()
    {
        QTest::addColumn<Build>("build");
        QTest::addColumn<QByteArray>("expected");

        using B = DLightReportBuilder;
        QTest::newRow("keyboard Wave keeps full colour")
            << Build([] { return B::keyboardEffect(record(2, 1), 258); }) << effectReport(0x06, 0x0E, 2, 1, 1, 2);
        QTest::newRow("keyboard Static clears full colour")
            << Build([] { return B::keyboardEffect(record(0, 1), 255); }) << effectReport(0x06, 0x0E, 0, 0, 0, 255);
        QTest::newRow("side Wave") << Build([] { return B::sideEffect(record(2, 1), 0xABCD); })
                                   << effectReport(0x07, 0x0D, 2, 1, 0xAB, 0xCD);
        QTest::newRow("side Static clears full colour")
            << Build([] { return B::sideEffect(record(0, 1), 0); }) << effectReport(0x07, 0x0D, 0, 0, 0, 0);
        QTest::newRow("upload close: Static as stored, no stamp")
            << Build([] { return B::uploadClosingEffect(record(0, 1)); }) << effectReport(0x06, 0x0E, 0, 1, 0, 0);
        QTest::newRow("upload close: Custom")
            << Build([] { return B::uploadClosingEffect(record(10, 0)); }) << effectReport(0x06, 0x0E, 10, 0, 0, 0);
        QTest::newRow("levels 1 go out as 0, values cut to 8 bits") << Build([] {
            colorInfoData info{0, 2, 1, 1, 256 + 17, 0, 0, 0, 0, 0, 0, 0, 0, 0};
            return B::keyboardEffect(info, 0x1234);
        }) << reportWith({{0, 0x01}, {1, 0x06}, {5, 0x0E}, {6, 2}, {9, 17}, {62, 0x12}, {63, 0x34}});
        QTest::newRow("colour packet") << Build([] {
            return DCustomLightReport::build(1, 3, "\x0A\x14\x1E\x28");
        }) << reportWith({{0, 0x01}, {1, 0x08}, {2, 1}, {4, 3}, {5, 4}, {6, 10}, {7, 20}, {8, 30}, {9, 40}});
        QTest::newRow("colour packet: slot cut to 8 bits, payload to the report")
            << Build([] { return DCustomLightReport::build(256 + 1, 7, QByteArray(60, char(0xEE))); }) << [] {
                   QByteArray r = reportWith({{0, 0x01}, {1, 0x08}, {2, 1}, {4, 7}, {5, 58}});
                   r.replace(6, 58, QByteArray(58, char(0xEE)));
                   return r;
               }();
    }

    void effectReports()
    {
        QFETCH(Build, build);
        QFETCH(QByteArray, expected);
        QCOMPARE(bytesOf(build()).toHex(' '), expected.toHex(' '));
    }

    void stampIsTheClockLow16Bits()
    {
        const qint64 before = QDateTime::currentMSecsSinceEpoch();
        const uint16_t stamp = DLightReportBuilder::currentStamp();
        const qint64 after = QDateTime::currentMSecsSinceEpoch();
        bool matches = false;
        for (qint64 t = before; t <= after; ++t)
            matches = matches || stamp == uint16_t(t % 65536);
        QVERIFY(matches);
    }

    void uploadPackets_data()
    {
        QTest::addColumn<int>("capCount");
        QTest::newRow("one cap per cell") << 132;
        QTest::newRow("missing caps are black") << 100;
        QTest::newRow("caps beyond the grid are left out") << 140;
        QTest::newRow("no picture") << 0;
    }

    void uploadPackets()
    {
        QFETCH(int, capCount);
        const QVector<QColor> colours = caps(capCount);
        const QVector<QByteArray> packets = DCustomLightReport::packetPayloads(colours);
        QCOMPARE(packets.size(), 8);
        for (int p = 0; p < 8; ++p)
            QCOMPARE(packets[p].size(), p < 7 ? 54 : 18);
        for (int cell = 0; cell < 132; ++cell) {
            const QByteArray& packet = packets[cell / 18];
            const int at = (cell % 18) * 3;
            const QColor expected = cell < capCount ? colours[cell] : QColor(0, 0, 0);
            QCOMPARE(QColor(uchar(packet[at]), uchar(packet[at + 1]), uchar(packet[at + 2])), expected);
        }
    }

    void firstAndLastCellPlaces()
    {
        QVector<QColor> colours = caps(132);
        colours[0] = QColor(255, 0, 0);
        colours[131] = QColor(1, 2, 3);
        const QVector<QByteArray> packets = DCustomLightReport::packetPayloads(colours);
        const QByteArray first = bytesOf(DCustomLightReport::build(1, 0, packets[0]));
        const QByteArray last = bytesOf(DCustomLightReport::build(1, 7, packets[7]));
        QCOMPARE(first.mid(6, 3), QByteArray("\xFF\x00\x00", 3));
        QCOMPARE(last.mid(21, 3), QByteArray("\x01\x02\x03", 3));
        QCOMPARE(last.mid(24), QByteArray(40, '\0'));
    }
};

ORVANE_TEST_MAIN(tst_lightReports)
#include "tst_lightReports.moc"
