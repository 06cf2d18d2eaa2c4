#include "support/TestMain.h"

#include "hid/DDeviceHidCmdSend.h"
#include "hid/MainHidInterFace.h"
#include "support/OpenedKeyboard.h"
#include "support/ReportBytes.h"
#include "support/ReportSink.h"
#include "support/SimulatorHarness.h"

#include <functional>
#include <memory>

using Builder = std::function<void(DDeviceHidCmdSend&)>;
Q_DECLARE_METATYPE(Builder)

using namespace ReportBytes;

namespace {

// "01 13 00 ..." with the bytes given at their positions; the rest 0.
QByteArray report(std::initializer_list<std::pair<int, int>> bytes)
{
    return reportWith(bytes, reportWith({{0, 0x01}}));
}

const uchar kKeyBytes[8] = {0x02, 0x00, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09};

QByteArray fullKeyInput()
{
    QByteArray in(64, '\0');
    for (int i = 0; i < 64; ++i)
        in[i] = char(0xA0 + i);
    return in;
}

} // namespace

class tst_DDeviceHidCmdSend : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<SimulatorHarness> m_sim;
    std::unique_ptr<OpenedKeyboard> m_opened;

    // The builder reports (byte 0 = 0x01) the keyboard received so far.
    QList<QByteArray> builderReports() const
    {
        return receivedBytesWhere(*m_opened->keyboard(), [](const auto& r) { return r[0] == 0x01; });
    }

    static void addBuilderRows()
    {
        QTest::addColumn<Builder>("build");
        QTest::addColumn<QByteArray>("expected");
        QTest::addColumn<QString>("failureLine");

        const QByteArray input = fullKeyInput();
        QByteArray fullEcho = report({{1, 0x04}, {5, 0x15}});
        for (int i = 6; i <= 18; ++i)
            fullEcho[i] = input[i];
        QByteArray keyEcho = report({{1, 0x03}, {5, 9}});
        for (int i = 0; i < 8; ++i)
            keyEcho[6 + i] = char(kKeyBytes[i]);
        QByteArray serial = report({{1, 0x15}, {5, 0x20}});
        const QByteArray sn = "0123456789abcdef0123456789ABCDEF";
        for (int i = 0; i < 32; ++i)
            serial[6 + i] = sn[i];
        QByteArray shortSerial = report({{1, 0x15}, {5, 0x20}});
        for (int i = 0; i < 5; ++i)
            shortSerial[6 + i] = "ab12Z"[i];

        const QString keyFailure = "USB serial port [Write Key] Failed ...";
        const QString sensitivityFailure = "USB serial port [Query Keyboard Sensitivity] Failed ...";
        QTest::newRow("writeSerialNumber 32") << Builder([sn](DDeviceHidCmdSend& b) {
            QCOMPARE(b.writeSerialNumber(QString::fromLatin1(sn)), QString::fromLatin1(sn));
        }) << serial << "USB serial port [Write SN] Failed ...";
        QTest::newRow("writeSerialNumber cut at 32")
            << Builder([sn](DDeviceHidCmdSend& b) { b.writeSerialNumber(QString::fromLatin1(sn) + "XYZ"); }) << serial
            << "USB serial port [Write SN] Failed ...";
        QTest::newRow("writeSerialNumber short") << Builder([](DDeviceHidCmdSend& b) { b.writeSerialNumber("ab12Z"); })
                                                 << shortSerial << "USB serial port [Write SN] Failed ...";
        QTest::newRow("writeKeyboardReport")
            << Builder([](DDeviceHidCmdSend& b) { b.writeKeyboardReport(kKeyBytes); }) << keyEcho << keyFailure;
        QTest::newRow("writeFullKeyReport copies 6..18 only") << Builder([input](DDeviceHidCmdSend& b) {
            b.writeFullKeyReport(reinterpret_cast<const uchar*>(input.constData()));
        }) << fullEcho << keyFailure;
        QTest::newRow("inquireSideLightModeList")
            << Builder([](DDeviceHidCmdSend& b) { b.inquireSideLightModeList(); }) << report({{1, 0x01}})
            << "---------- *** Inquire [Side Light Mode] Failed *** ----------";
        QTest::newRow("inquireKeyboardLightConfig")
            << Builder([](DDeviceHidCmdSend& b) { b.inquireKeyboardLightConfig(); }) << report({{1, 0x06}, {2, 1}})
            << "---------- *** Inquire [Keyboard Light Config] Failed *** ----------";
        QTest::newRow("inquireSideLightConfig")
            << Builder([](DDeviceHidCmdSend& b) { b.inquireSideLightConfig(); }) << report({{1, 0x07}, {2, 1}})
            << "---------- *** Inquire [Side Light Config] Failed *** ----------";
        QTest::newRow("inquireLightModeList")
            << Builder([](DDeviceHidCmdSend& b) { b.inquireLightModeList(); }) << report({{1, 0x09}})
            << "---------- *** Inquire [Light Mode] Failed *** ----------";
        QTest::newRow("checkLayoutSupportCustom")
            << Builder([](DDeviceHidCmdSend& b) { b.checkLayoutSupportCustom(); }) << report({{1, 0x0D}})
            << "USB serial port [Check keyboard layout is support custom] Failed ...";
        QTest::newRow("resetKeyboard") << Builder([](DDeviceHidCmdSend& b) { b.resetKeyboard(); })
                                       << report({{1, 0x13}, {5, 1}, {6, 1}})
                                       << "---------- *** [Reset] Failed *** ----------";
        QTest::newRow("setLockWinKeyFeatures 1,0,1,0")
            << Builder([](DDeviceHidCmdSend& b) { b.setLockWinKeyFeatures(1, 0, 1, 0); })
            << report({{1, 0x13}, {5, 1}, {13, 1}, {16, 1}}) << "---------- *** [Lock Win] Failed *** ----------";
        QTest::newRow("setLockWinKeyFeatures f3 and f4 swap")
            << Builder([](DDeviceHidCmdSend& b) { b.setLockWinKeyFeatures(0, 1, 0, 1); })
            << report({{1, 0x13}, {5, 1}, {14, 1}, {15, 1}}) << "---------- *** [Lock Win] Failed *** ----------";
        QTest::newRow("setSleepTime 600 1800 0")
            << Builder([](DDeviceHidCmdSend& b) { b.setSleepTime(600, 1800, 0); })
            << report({{1, 0x13}, {2, 1}, {5, 1}, {9, 0x02}, {10, 0x58}, {11, 0x07}, {12, 0x08}})
            << "---------- *** [Set Sleep time] Failed *** ----------";
        QTest::newRow("setSleepTime small and prohibited")
            << Builder([](DDeviceHidCmdSend& b) { b.setSleepTime(200, 60, 1); })
            << report({{1, 0x13}, {2, 1}, {5, 1}, {10, 200}, {12, 60}, {13, 1}})
            << "---------- *** [Set Sleep time] Failed *** ----------";
        QTest::newRow("setSleepTime beyond 16 bits does not wrap")
            << Builder([](DDeviceHidCmdSend& b) { b.setSleepTime(70000, -5, 0); })
            << report({{1, 0x13}, {2, 1}, {5, 1}, {9, 0xFF}, {10, 0xFF}})
            << "---------- *** [Set Sleep time] Failed *** ----------";
        QTest::newRow("checkSleepTime") << Builder([](DDeviceHidCmdSend& b) { b.checkSleepTime(); })
                                        << report({{1, 0x13}, {2, 2}, {5, 1}})
                                        << "---------- *** [Check Sleep time] Failed *** ----------";
        QTest::newRow("querySensitivity") << Builder([](DDeviceHidCmdSend& b) { b.querySensitivity(); })
                                          << report({{1, 0x29}, {5, 0x18}, {6, 0x04}}) << sensitivityFailure;
        QTest::newRow("queryAntiShake") << Builder([](DDeviceHidCmdSend& b) { b.queryAntiShake(); })
                                        << report({{1, 0x29}, {5, 0x18}, {6, 0x0A}}) << sensitivityFailure;
        QTest::newRow("queryRateOfReturn") << Builder([](DDeviceHidCmdSend& b) { b.queryRateOfReturn(); })
                                           << report({{1, 0x29}, {5, 0x18}, {6, 0x09}}) << sensitivityFailure;
    }

private slots:
    void init()
    {
        m_sim = std::make_unique<SimulatorHarness>();
        m_opened = std::make_unique<OpenedKeyboard>(*m_sim, "OV68M", 1);
        QVERIFY(m_opened->isOpen());
    }

    void cleanup()
    {
        m_opened->close();
        m_opened.reset();
        m_sim.reset();
    }

    void buildsEachReportByteForByte_data() { addBuilderRows(); }
    void buildsEachReportByteForByte()
    {
        QFETCH(Builder, build);
        QFETCH(QByteArray, expected);
        DDeviceHidCmdSend sender;
        sender.setHidInterface(m_opened->hid());
        build(sender);
        QTRY_COMPARE(builderReports().size(), 1);
        QCOMPARE(builderReports().front().toHex(' '), expected.toHex(' '));
    }

    void logsFailureWhenNotOpen_data() { addBuilderRows(); }
    void logsFailureWhenNotOpen()
    {
        QFETCH(Builder, build);
        QFETCH(QString, failureLine);
        m_opened->hid()->closeDevice();
        DDeviceHidCmdSend sender;
        sender.setHidInterface(m_opened->hid());
        QTest::ignoreMessage(QtDebugMsg, qPrintable(failureLine));
        build(sender);
        QTest::qWait(20);
        QVERIFY(builderReports().isEmpty());
    }

    void lockReturnsThePushResult()
    {
        DDeviceHidCmdSend sender;
        sender.setHidInterface(m_opened->hid());
        QCOMPARE(sender.setLockWinKeyFeatures(1, 1, 1, 1), 0);
        m_opened->hid()->closeDevice();
        QTest::ignoreMessage(QtDebugMsg, "---------- *** [Lock Win] Failed *** ----------");
        QCOMPARE(sender.setLockWinKeyFeatures(1, 1, 1, 1), -1);
        DDeviceHidCmdSend unset;
        QTest::ignoreMessage(QtDebugMsg, "---------- *** [Lock Win] Failed *** ----------");
        QCOMPARE(unset.setLockWinKeyFeatures(0, 0, 0, 0), -1);
    }

    void generatedSerialNumber()
    {
        DDeviceHidCmdSend sender;
        sender.setHidInterface(m_opened->hid());
        const QString first = sender.writeSerialNumber(QString());
        QVERIFY2(QRegularExpression("^[0-9a-f]{32}$").match(first).hasMatch(), qPrintable(first));
        QTRY_COMPARE(builderReports().size(), 1);
        QCOMPARE(builderReports().front().mid(6, 32), first.toLatin1());
        QCOMPARE(builderReports().front().at(38), '\0');
        // The keyboard keeps what was written.
        QTRY_COMPARE(QString::fromStdString(m_opened->keyboard()->serialNumber()), first);
        QVERIFY(sender.writeSerialNumber(QString()) != first);
    }
};

ORVANE_TEST_MAIN(tst_DDeviceHidCmdSend)
#include "tst_DDeviceHidCmdSend.moc"
