// The command frame's header and payload fields, and the fixed reports that
// no sender test sees whole: the I/O thread's handshake and serial-number
// inquiry, and the two magnetic requests the device page queues itself.
#include "support/TestMain.h"

#include "hid/reports/DLinkReports.h"
#include "hid/reports/DMagneticReports.h"
#include "hid/reports/DReportFrame.h"

#include <functional>

using Build = std::function<DReportFrame()>;
Q_DECLARE_METATYPE(Build)

namespace {

// 64 zero bytes with the given bytes set.
QByteArray report(std::initializer_list<std::pair<int, int>> bytes)
{
    QByteArray r(64, '\0');
    for (const auto& [at, value] : bytes)
        r[at] = char(value);
    return r;
}

QByteArray bytesOf(const DReportFrame& frame)
{
    return QByteArray(reinterpret_cast<const char*>(frame.data()), frame.size());
}

} // namespace

class tst_reportFrame : public QObject
{
    Q_OBJECT

private slots:
    void bytes_data()
    {
        QTest::addColumn<Build>("build");
        QTest::addColumn<QByteArray>("expected");

        QTest::newRow("empty frame has no report id") << Build([] { return DReportFrame(); }) << report({});
        QTest::newRow("header fields") << Build([] { return DReportFrame(0x17, 2, 56).setPacket(9); })
                                       << report({{0, 0x01}, {1, 0x17}, {2, 2}, {4, 9}, {5, 56}});
        QTest::newRow("header fields cut to 8 bits")
            << Build([] { return DReportFrame(0x08, 256 + 3, 0).setPacket(511); })
            << report({{0, 0x01}, {1, 0x08}, {2, 3}, {4, 0xFF}});
        QTest::newRow("payload from byte 6") << Build([] {
            DReportFrame f(0x18);
            const uint8_t bytes[] = {1, 2, 3};
            f.setPayload(bytes, 3);
            return f;
        }) << report({{0, 0x01}, {1, 0x18}, {6, 1}, {7, 2}, {8, 3}});
        QTest::newRow("payload cut at the frame's end") << Build([] {
            DReportFrame f(0x18);
            const QByteArray bytes(70, char(0xEE));
            f.setPayload(reinterpret_cast<const uint8_t*>(bytes.constData()), bytes.size());
            return f;
        })
                                                        << [] {
                                                               QByteArray r = report({{0, 0x01}, {1, 0x18}});
                                                               r.replace(6, 58, QByteArray(58, char(0xEE)));
                                                               return r;
                                                           }();
        QTest::newRow("no payload") << Build([] {
            DReportFrame f(0x03, 0, 9);
            f.setPayload(nullptr, 8);
            return f;
        }) << report({{0, 0x01}, {1, 0x03}, {5, 9}});
        QTest::newRow("16-bit field high byte first")
            << Build([] { return DReportFrame(0x06).setBigEndian16(62, 0xABCD).setPayloadByte(1, 7); })
            << report({{0, 0x01}, {1, 0x06}, {7, 7}, {62, 0xAB}, {63, 0xCD}});

        QTest::newRow("handshake") << Build([] { return DLinkReports::handshake(); }) << report({{5, 1}});
        QTest::newRow("serial number inquiry")
            << Build([] { return DLinkReports::serialNumberInquiry(); }) << report({{1, 0x14}});
        QTest::newRow("enter bootloader: 01 0A and 62 zeros")
            << Build([] { return DLinkReports::enterBootloader(); }) << report({{0, 0x01}, {1, 0x0A}});
        QTest::newRow("travel display end")
            << Build([] { return DMagneticReports::request(DReportNumbers::kTravelDisplayEnd); })
            << report({{0, 0x01}, {1, 0x29}, {5, 0x18}, {6, 0x03}});
        QTest::newRow("restore default sensitivity")
            << Build([] { return DMagneticReports::request(DReportNumbers::kRestoreDefaultSensitivity); })
            << report({{0, 0x01}, {1, 0x29}, {5, 0x18}, {6, 0x06}});
    }

    void bytes()
    {
        QFETCH(Build, build);
        QFETCH(QByteArray, expected);
        QCOMPARE(bytesOf(build()).toHex(' '), expected.toHex(' '));
    }

    void payloadTaken_data()
    {
        QTest::addColumn<int>("offered");
        QTest::addColumn<bool>("present");
        QTest::addColumn<int>("taken");
        QTest::newRow("short") << 8 << true << 8;
        QTest::newRow("exactly the capacity") << 58 << true << 58;
        QTest::newRow("more than fits") << 70 << true << 58;
        QTest::newRow("negative size") << -1 << true << 0;
        QTest::newRow("no data") << 8 << false << 0;
    }

    void payloadTaken()
    {
        QFETCH(int, offered);
        QFETCH(bool, present);
        QFETCH(int, taken);
        const QByteArray bytes(70, char(0x5A));
        DReportFrame frame(0x18);
        QCOMPARE(frame.setPayload(present ? reinterpret_cast<const uint8_t*>(bytes.constData()) : nullptr, offered),
                 taken);
        QCOMPARE(bytesOf(frame).mid(DReportFrame::kPayloadOffset, taken), bytes.left(taken));
        QCOMPARE(bytesOf(frame).mid(DReportFrame::kPayloadOffset + taken), QByteArray(58 - taken, '\0'));
    }
};

ORVANE_TEST_MAIN(tst_reportFrame)
#include "tst_reportFrame.moc"
