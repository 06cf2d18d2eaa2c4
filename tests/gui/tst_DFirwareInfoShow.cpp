// "Firmware Info": the rows it makes of what the device library lists of the
// simulated keyboards, and the two lines of one row.
#include "support/ApplicationSetUp.h"
#include "support/SimulatorHarness.h"
#include "support/TestMain.h"

#include "sdk/include/orvanesdk_hid.h"
#include "ui/firmware/DFirwareInfoItem.h"
#include "ui/firmware/DFirwareInfoShow.h"

#include <QLabel>
#include <QLayout>
#include <QScrollArea>

namespace {

struct Row
{
    QString id;
    QString version;
    bool operator==(const Row& other) const { return id == other.id && version == other.version; }
};

QList<Row> rowsOf(const DFirwareInfoShow& dialog)
{
    QList<Row> rows;
    auto* layout = dialog.findChild<QWidget*>(QStringLiteral("scrollAreaWidgetContents_2"))->layout();
    for (int i = 0; i < layout->count(); ++i) {
        auto* row = qobject_cast<DFirwareInfoItem*>(layout->itemAt(i)->widget());
        if (row)
            rows.append({row->findChild<QLabel*>(QStringLiteral("label_HidInfo"))->text(),
                         row->findChild<QLabel*>(QStringLiteral("label_DataTimeInfo"))->text()});
    }
    return rows;
}

// The version line of the last keyboard of that model in the library's list.
QString versionOfLastListed(const QByteArray& model)
{
    std::list<std::string> paths;
    COrvaneHid_GetHidInfoList(&paths);
    QString version;
    for (const std::string& path : paths) {
        hidInfoStu hid;
        hidFirmwareInfoStu firmware;
        if (COrvaneHid_GetHidAndFirmwareInfoStu(path.c_str(), &hid, &firmware) && model == firmware.model)
            version = QString::fromLatin1(firmware.version) + QStringLiteral("---") + firmware.buildDate;
    }
    return version;
}

} // namespace

QT_BEGIN_NAMESPACE
char* toString(const Row& row)
{
    return QTest::toString(row.id + QStringLiteral(" / ") + row.version);
}
QT_END_NAMESPACE

class tst_DFirwareInfoShow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplicationTest(); }

    void window()
    {
        SimulatorHarness sim;
        DFirwareInfoShow dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Firmware Info"));
        QCOMPARE(dialog.size(), QSize(350, 370));
        QVERIFY(!(dialog.windowFlags() & Qt::WindowContextHelpButtonHint));
        QVERIFY(dialog.findChild<QWidget*>(QStringLiteral("frame_26"))->isHidden());
        auto* area = dialog.findChild<QScrollArea*>(QStringLiteral("scrollArea_2"));
        QCOMPARE(area->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        // Nothing listed: the list stays empty, and says nothing.
        QTest::qWait(300);
        QVERIFY(rowsOf(dialog).isEmpty());
    }

    // One row per distinct id, sorted, loaded 200 ms after construction;
    // every interface of a keyboard gives the same id, so it is one row.
    void rowsOfTheListedKeyboards()
    {
        SimulatorHarness sim;
        QVERIFY(sim.plug("OV84W"));
        QVERIFY(sim.plug("OV68M", false, std::string("V1.2")));
        DFirwareInfoShow dialog;
        dialog.show();
        QVERIFY(rowsOf(dialog).isEmpty());
        QTRY_COMPARE(rowsOf(dialog).size(), 2);
        const QList<Row> expected{{QStringLiteral("NUC01KBORVANE,OV68M"), QStringLiteral("V1.2---2026-01-15")},
                                  {QStringLiteral("NUC01KBORVANE,OV84W"), versionOfLastListed("OV84W")}};
        QCOMPARE(rowsOf(dialog), expected);
        // The closing spacer stays last, so the rows pack at the top.
        auto* layout = dialog.findChild<QWidget*>(QStringLiteral("scrollAreaWidgetContents_2"))->layout();
        QVERIFY(layout->itemAt(layout->count() - 1)->spacerItem());
    }

    void twoKeyboardsOfOneIdGiveOneRow()
    {
        SimulatorHarness sim;
        QVERIFY(sim.plug("OV68M", false, std::string("V1.0")));
        QVERIFY(sim.plug("OV68M", false, std::string("V2.0")));
        const QString later = versionOfLastListed("OV68M");
        QVERIFY(!later.isEmpty());
        DFirwareInfoShow dialog;
        QTRY_COMPARE(rowsOf(dialog).size(), 1);
        QCOMPARE(rowsOf(dialog).first().version, later);
    }

    void rowLines_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("firstLine");
        QTest::newRow("no hyphen") << "NUC01KBORVANE,OV68M"
                                   << "V1---2026"
                                   << "NUC01KBORVANE,OV68M";
        QTest::newRow("after the first hyphen") << "NUC-01-KB,OV68M"
                                                << "V1---2026"
                                                << "01-KB,OV68M";
        QTest::newRow("empty version and date") << "A-B"
                                                << "---"
                                                << "B";
    }
    void rowLines()
    {
        QFETCH(QString, id);
        QFETCH(QString, version);
        QFETCH(QString, firstLine);
        DFirwareInfoItem row;
        row.setInfo(id, version);
        QCOMPARE(row.findChild<QLabel*>(QStringLiteral("label_HidInfo"))->text(), firstLine);
        QCOMPARE(row.findChild<QLabel*>(QStringLiteral("label_DataTimeInfo"))->text(), version);
    }
};

ORVANE_TEST_MAIN(tst_DFirwareInfoShow)
#include "tst_DFirwareInfoShow.moc"
