#include "support/TestMain.h"

#include "sdk/firmware/FirmwareVersion.h"

class tst_FirmwareVersion : public QObject
{
    Q_OBJECT

private slots:
    void isNewer_data()
    {
        QTest::addColumn<QString>("image");
        QTest::addColumn<QString>("device");
        QTest::addColumn<bool>("newer");
        QTest::newRow("10 after 9") << "V1.0.10"
                                    << "V1.0.9" << true;
        QTest::newRow("9 before 10") << "V1.0.9"
                                     << "V1.0.10" << false;
        QTest::newRow("minor beats patch") << "V1.1"
                                           << "V1.0.9" << true;
        QTest::newRow("letter case only") << "v1.0.3"
                                          << "V1.0.3" << false;
        QTest::newRow("missing part is 0") << "1.0"
                                           << "1.0.0" << false;
        QTest::newRow("extra part counts") << "1.0.1"
                                           << "1.0" << true;
        QTest::newRow("older image") << "V1.0.2"
                                     << "V1.0.3" << false;
        QTest::newRow("equal") << "V1.2.0"
                               << "V1.2.0" << false;
        QTest::newRow("leading zeros") << "V1.02"
                                       << "V1.1" << true;
        QTest::newRow("without letter against letter") << "2.0"
                                                       << "V1.9" << true;
        QTest::newRow("numbers beyond 64 bits") << "V1.99999999999999999999"
                                                << "V1.9" << true;
        QTest::newRow("empty keyboard version") << "V1.0"
                                                << "" << true;
        QTest::newRow("blank keyboard version") << "V1.0"
                                                << "  " << true;
        QTest::newRow("empty image version") << ""
                                             << "" << false;
        QTest::newRow("unreadable image") << "V1.x"
                                          << "V1.0" << false;
        QTest::newRow("unreadable image, empty keyboard") << "beta"
                                                          << "" << false;
        QTest::newRow("unreadable keyboard version") << "V9.9"
                                                     << "V1..0" << false;
        QTest::newRow("two letters") << "VV2"
                                     << "V1" << false;
        QTest::newRow("trailing dot") << "V2."
                                      << "V1" << false;
    }
    void isNewer()
    {
        QFETCH(QString, image);
        QFETCH(QString, device);
        QFETCH(bool, newer);
        QCOMPARE(FirmwareVersion::isNewer(image, device), newer);
    }
};

ORVANE_TEST_MAIN(tst_FirmwareVersion)
#include "tst_FirmwareVersion.moc"
