// The magnetic-switch requests byte by byte, and the key set they carry.
#include "support/TestMain.h"

#include "hid/DKeyBitmap.h"
#include "hid/reports/DMagneticReports.h"

#include <functional>

using Build = std::function<DReportFrame()>;
Q_DECLARE_METATYPE(Build)

namespace {

// A magnetic request: report id, command 0x29, length 0x18, byte 6 and the
// bytes given; the rest 0.
QByteArray request(int sixth, std::initializer_list<std::pair<int, int>> bytes = {})
{
    QByteArray r(64, '\0');
    r[0] = 0x01;
    r[1] = 0x29;
    r[5] = 0x18;
    r[6] = char(sixth);
    for (const auto& [at, value] : bytes)
        r[at] = char(value);
    return r;
}

QByteArray bytesOf(const DReportFrame& frame)
{
    return QByteArray(reinterpret_cast<const char*>(frame.data()), frame.size());
}

DKeyBitmap keys(const QList<QPair<int, int>>& list)
{
    return DKeyBitmap::fromKeys(list);
}

} // namespace

class tst_magneticReports : public QObject
{
    Q_OBJECT

private slots:
    void requests_data()
    {
        QTest::addColumn<Build>("build");
        QTest::addColumn<QByteArray>("expected");

        QTest::newRow("selection: row 3, column 10 is byte 17 = 0x08") << Build([] {
            return DMagneticReports::selection(keys({{3, 10}}));
        }) << request(0x02, {{17, 0x08}});
        QTest::newRow("selection: row 5, column 21 is bit 5 of byte 28") << Build([] {
            return DMagneticReports::selection(keys({{5, 21}}));
        }) << request(0x02, {{28, 0x20}});
        QTest::newRow("selection: a column's rows share its byte") << Build([] {
            return DMagneticReports::selection(keys({{0, 0}, {5, 0}, {2, 1}}));
        }) << request(0x02, {{7, 0x21}, {8, 0x04}});
        QTest::newRow("selection: empty is 22 zero bytes")
            << Build([] { return DMagneticReports::selection(DKeyBitmap()); }) << request(0x02);
        QTest::newRow("selection: positions outside the grid are left out") << Build([] {
            return DMagneticReports::selection(keys({{6, 0}, {-1, 3}, {0, 22}, {1, -1}, {1, 1}}));
        }) << request(0x02, {{8, 0x02}});
        QTest::newRow("apply: mode, bitmap, four values") << Build([] {
            return DMagneticReports::apply(13, keys({{1, 2}, {4, 2}}), 15, 25, 3, 4);
        }) << request(13, {{9, 0x12}, {29, 15}, {30, 25}, {31, 3}, {32, 4}});
        QTest::newRow("apply: mode 0, values as their low byte") << Build([] {
            return DMagneticReports::apply(0, keys({{0, 21}}), 256 + 7, 7, 1, 1);
        }) << request(0, {{28, 0x01}, {29, 7}, {30, 7}, {31, 1}, {32, 1}});
        QTest::newRow("key query") << Build([] { return DMagneticReports::keyQuery(3, 10); })
                                   << request(0x05, {{7, 3}, {8, 10}});
        QTest::newRow("key calibration") << Build([] { return DMagneticReports::keyCalibration(5, 21); })
                                         << request(0x07, {{7, 5}, {8, 21}});
        QTest::newRow("all keys start") << Build([] { return DMagneticReports::allKeysCalibration(true); })
                                        << request(0x08, {{7, 0}});
        QTest::newRow("all keys stop") << Build([] { return DMagneticReports::allKeysCalibration(false); })
                                       << request(0x08, {{7, 1}});
        QTest::newRow("rate of return") << Build([] { return DMagneticReports::setRateOfReturn(8); })
                                        << request(0x09, {{7, 1}, {8, 8}});
        QTest::newRow("anti-shake") << Build([] { return DMagneticReports::setAntiShake(5); })
                                    << request(0x0A, {{7, 1}, {8, 5}});
        QTest::newRow("restore defaults")
            << Build([] { return DMagneticReports::request(DReportNumbers::kRestoreDefaultSensitivity); })
            << request(0x06);
        QTest::newRow("leaving the trigger page")
            << Build([] { return DMagneticReports::request(DReportNumbers::kTravelDisplayEnd); }) << request(0x03);
    }

    void requests()
    {
        QFETCH(Build, build);
        QFETCH(QByteArray, expected);
        QCOMPARE(bytesOf(build()).toHex(' '), expected.toHex(' '));
    }

    // A keyboard's result bytes name keys only in bits 0 to 5 of columns 0 to 21.
    void bitmapFromResultColumns_data()
    {
        QTest::addColumn<QVariantMap>("columns");
        QTest::addColumn<QString>("keys");

        QTest::newRow("rows 0 and 5 of column 4") << QVariantMap{{"4", 0x21}} << "0/4 5/4";
        QTest::newRow("bits 6 and 7 name no row") << QVariantMap{{"2", 0xC0}, {"3", 0xC2}} << "1/3";
        QTest::newRow("columns outside the grid") << QVariantMap{{"-1", 1}, {"22", 1}, {"21", 8}} << "3/21";
        QTest::newRow("column order, rows from the top")
            << QVariantMap{{"9", 0x06}, {"0", 0x3F}} << "0/0 1/0 2/0 3/0 4/0 5/0 1/9 2/9";
    }

    void bitmapFromResultColumns()
    {
        QFETCH(QVariantMap, columns);
        QFETCH(QString, keys);
        QMap<int, int> map;
        for (auto it = columns.cbegin(); it != columns.cend(); ++it)
            map.insert(it.key().toInt(), it.value().toInt());
        QStringList named;
        for (const QPair<int, int>& key : DKeyBitmap::fromColumns(map).keys())
            named << QStringLiteral("%1/%2").arg(key.first).arg(key.second);
        QCOMPARE(named.join(' '), keys);
    }

    void bitmapMembership()
    {
        DKeyBitmap bitmap;
        QVERIFY(bitmap.isEmpty());
        bitmap.insert(3, 10);
        bitmap.insert(3, 10);
        bitmap.insert(6, 10);
        QVERIFY(!bitmap.isEmpty());
        QVERIFY(bitmap.contains(3, 10));
        QVERIFY(!bitmap.contains(2, 10));
        QVERIFY(!bitmap.contains(6, 10));
        QVERIFY(!bitmap.contains(3, 22));
        QCOMPARE(bitmap, DKeyBitmap::fromKeys({{3, 10}}));
    }
};

ORVANE_TEST_MAIN(tst_magneticReports)
#include "tst_magneticReports.moc"
