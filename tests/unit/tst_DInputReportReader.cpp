// Reading the fields of the keyboard's input reports: effect lists with and
// without markers, state, light settings, customisable keys, sleep times,
// the text report, calibration results and serial numbers; nothing is read
// beyond the 64 bytes.
#include "support/TestMain.h"

#include "hid/DInputReportReader.h"

#include <memory>

using Bytes = QList<int>;
Q_DECLARE_METATYPE(Bytes)

namespace {

// A report that ends exactly at the end of its own allocation, so that
// AddressSanitizer catches any read past byte 63.
std::unique_ptr<uchar[]> report(uchar type, std::initializer_list<std::pair<int, int>> bytes = {},
                                const Bytes& payload = {})
{
    std::unique_ptr<uchar[]> r(new uchar[DInputReportReader::kReportSize]());
    r[0] = 0x01;
    r[1] = type;
    for (int i = 0; i < payload.size() && 6 + i < DInputReportReader::kReportSize; ++i)
        r[6 + i] = uchar(payload[i]);
    for (const auto& [at, value] : bytes)
        r[at] = uchar(value);
    return r;
}

Bytes range(int from, int count, int value = -1)
{
    Bytes list;
    for (int i = 0; i < count; ++i)
        list << (value < 0 ? from + i : value);
    return list;
}

} // namespace

class tst_DInputReportReader : public QObject
{
    Q_OBJECT

private slots:
    void effectList_data()
    {
        QTest::addColumn<Bytes>("payload");
        QTest::addColumn<Bytes>("ids");
        QTest::addColumn<int>("speedMax");
        QTest::addColumn<int>("brightnessMax");

        QTest::newRow("0xA5 marker") << Bytes{0, 1, 2, 0xA5, 5, 5} << Bytes{0, 1, 2} << 5 << 5;
        QTest::newRow("0xA5 then 0x5A") << Bytes{3, 4, 0xA5, 0x5A, 7, 9} << Bytes{3, 4} << 7 << 9;
        QTest::newRow("0x5A alone") << Bytes{8, 0x5A, 4, 6} << Bytes{8} << 4 << 6;
        QTest::newRow("empty list") << Bytes{0xA5, 0, 0} << Bytes{} << 0 << 0;
        QTest::newRow("no marker: 58 ids") << range(1, 58) << range(1, 58) << 0 << 0;
        QTest::newRow("zero bytes are ids") << Bytes{} << range(0, 58, 0) << 0 << 0;
        QTest::newRow("marker at byte 62") << range(1, 56) + Bytes{0xA5, 9} << range(1, 56) << 9 << 0;
        QTest::newRow("marker in the last byte") << range(1, 57) + Bytes{0xA5} << range(1, 57) << 0 << 0;
        QTest::newRow("markers to the end") << Bytes{1} + range(0, 57, 0xA5) << Bytes{1} << 0 << 0;
    }

    void effectList()
    {
        QFETCH(Bytes, payload);
        QFETCH(Bytes, ids);
        QFETCH(int, speedMax);
        QFETCH(int, brightnessMax);
        const auto r = report(0x0A, {}, payload);
        const lightModeListInfo list = DInputReportReader::readEffectList(r.get());
        QCOMPARE(list.lightTypeList, ids);
        QCOMPARE(list.speedMax, speedMax);
        QCOMPARE(list.brightnessMax, brightnessMax);
    }

    void state_data()
    {
        QTest::addColumn<Bytes>("bytes"); // bytes 5, 6, 9..14
        QTest::addColumn<Bytes>("read"); // valid, armed, charging, battery, mode, receiver, download, keyboard mode

        QTest::newRow("valid cable") << Bytes{1, 1, 0, 80, 0, 0, 0, 0} << Bytes{1, 1, 0, 80, 0, 0, 0, 0};
        QTest::newRow("byte 5 zero") << Bytes{0, 1, 1, 50, 1, 1, 2, 3} << Bytes{0, 1, 1, 50, 1, 1, 2, 3};
        QTest::newRow("armed only by 1") << Bytes{1, 2, 0, 0, 0, 0, 0, 0} << Bytes{1, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("battery clamped") << Bytes{1, 0, 1, 250, 1, 0, 4, 2} << Bytes{1, 0, 1, 100, 1, 0, 4, 2};
    }

    void state()
    {
        QFETCH(Bytes, bytes);
        QFETCH(Bytes, read);
        const auto r = report(0x01, {{5, bytes[0]},
                                     {6, bytes[1]},
                                     {9, bytes[2]},
                                     {10, bytes[3]},
                                     {11, bytes[4]},
                                     {12, bytes[5]},
                                     {13, bytes[6]},
                                     {14, bytes[7]}});
        const auto s = DInputReportReader::readState(r.get());
        QCOMPARE((Bytes{s.valid, s.lockArmed, s.charging, s.battery, s.linkMode, s.receiverState, s.downloadStatus,
                        s.keyboardMode}),
                 read);
    }

    void lightConfig()
    {
        const auto r = report(0x08, {}, Bytes{6, 3, 1, 10, 20, 30, 40, 50, 60, 2, 1, 7, 99});
        const colorInfoData c = DInputReportReader::readLightConfig(r.get(), 1);
        QCOMPARE(
            (Bytes{c.lightPart, c.ledType, c.ledBrightness, c.ledSpeed, c.topRed, c.topGreen, c.topBlue, c.bottomRed,
                   c.bottomGreen, c.bottomBlue, c.ledDirection, c.fullColor, c.extraValue, c.reservedValue}),
            (Bytes{1, 6, 4, 2, 10, 20, 30, 40, 50, 60, 2, 1, 7, 0}));
        const auto full = report(0x07, {}, range(0, 58, 255));
        const colorInfoData m = DInputReportReader::readLightConfig(full.get(), 0);
        QCOMPARE(m.ledBrightness, 256);
        QCOMPARE(m.reservedValue, 0);
    }

    void customizableKeys()
    {
        Bytes columns = range(0, 22, 0);
        columns[0] = 0x01;
        columns[3] = 0x22;
        columns[21] = 0xC0 | 0x20; // bits 6 and 7 are no rows
        const auto r = report(0x0E, {}, columns + Bytes{0xFF, 0xFF});
        const QMap<int, int> map = DInputReportReader::readCustomizableColumns(r.get());
        QCOMPARE(map.size(), 22);
        QCOMPARE(map.value(3), 0x22);
        const QList<QPair<int, int>> keys = DInputReportReader::customizableKeys(map);
        QCOMPARE(keys, (QList<QPair<int, int>>{{0, 0}, {1, 3}, {5, 3}, {5, 21}}));
    }

    void sleepTimes()
    {
        const auto r = report(0x14, {{2, 2}, {9, 0x02}, {10, 0x58}, {11, 0x07}, {12, 0x07}, {13, 1}});
        const auto t = DInputReportReader::readSleepTimes(r.get());
        QCOMPARE(t.lightSeconds, 600);
        QCOMPARE(t.keyboardSeconds, 1799);
        QCOMPARE(t.prohibit, 1);
    }

    void textField_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("field4");
        QTest::newRow("five fields") << QByteArray("a,b,c,d,V1.2") << "V1.2";
        QTest::newRow("more fields") << QByteArray("a,b,c,d,e,f") << "e";
        QTest::newRow("too few") << QByteArray("a,b,c") << "";
        QTest::newRow("ends at zero") << QByteArray("a,b,c,d,xy\0,z,w", 15) << "xy";
        QTest::newRow("fills the payload") << QByteArray("1,2,3,4,") + QByteArray(50, 'Q') << QString(50, 'Q');
    }

    void textField()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, field4);
        Bytes payload;
        for (char c : text)
            payload << uchar(c);
        const auto r = report(0x0D, {}, payload);
        QCOMPARE(DInputReportReader::readTextField(r.get(), 4), field4);
    }

    void calibration_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("entries");
        QTest::newRow("status 0") << 0 << 3;
        QTest::newRow("status 1") << 1 << 3;
        QTest::newRow("status 2 keeps none") << 2 << 0;
    }

    void calibration()
    {
        QFETCH(int, status);
        QFETCH(int, entries);
        Bytes payload = Bytes{0x08, status} + range(0, 22, 0);
        payload[2] = 5; // column 0
        payload[2 + 10] = 7; // column 10
        payload[2 + 21] = 1; // column 21
        payload << 9; // byte 30 is no column
        const auto r = report(0x21, {}, payload);
        const QMap<int, int> map = DInputReportReader::readCalibration(r.get());
        QCOMPARE(map.size(), entries);
        if (entries)
            QCOMPARE(map, (QMap<int, int>{{0, 5}, {10, 7}, {21, 1}}));
    }

    void serialNumber_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("read");
        QTest::addColumn<bool>("usable");

        const QByteArray hex = "0123456789abcdef0123456789ABCDEF";
        QTest::newRow("32 characters") << hex << QString::fromLatin1(hex) << true;
        QTest::newRow("31 and a zero") << hex.left(31) << QString::fromLatin1(hex.left(31)) << false;
        QTest::newRow("empty") << QByteArray() << QString() << false;
        QTest::newRow("cut at 32") << hex + "ZZ" << QString::fromLatin1(hex) << true;
        QTest::newRow("path characters") << QByteArray("../../") + hex.left(26)
                                         << QStringLiteral("../../") + hex.left(26) << false;
        QTest::newRow("dash and underscore")
            << QByteArray("abc-def_") + hex.left(24) << QStringLiteral("abc-def_") + hex.left(24) << true;
        QTest::newRow("high bytes") << QByteArray(32, char(0xE9)) << QString(32, QChar(0xE9)) << false;
    }

    void serialNumber()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, read);
        QFETCH(bool, usable);
        Bytes payload;
        for (char c : bytes)
            payload << uchar(c);
        const auto r = report(0x15, {}, payload);
        const QString sn = DInputReportReader::readSerialNumber(r.get());
        QCOMPARE(sn, read);
        QCOMPARE(DInputReportReader::isUsableSerialNumber(sn), usable);
    }
};

ORVANE_TEST_MAIN(tst_DInputReportReader)
#include "tst_DInputReportReader.moc"
