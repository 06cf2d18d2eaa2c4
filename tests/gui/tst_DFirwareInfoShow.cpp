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
#include <QPushButton>
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

// The details line of the last keyboard of that model in the library's list.
QString detailsOfLastListed(const QByteArray& model)
{
    std::list<std::string> paths;
    COrvaneHid_GetHidInfoList(&paths);
    QString version;
    for (const std::string& path : paths) {
        hidInfoStu hid;
        hidFirmwareInfoStu firmware;
        if (COrvaneHid_GetHidAndFirmwareInfoStu(path.c_str(), &hid, &firmware) && model == firmware.model)
            version = (hid.is24G == 1 ? QStringLiteral("2.4 GHz receiver") : QStringLiteral("Cable"))
                      + QStringLiteral(" · ") + QString::fromLatin1(firmware.version) + QStringLiteral(" · ")
                      + firmware.buildDate;
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
        // The program's frame: its own title strip and close button.
        QVERIFY(dialog.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(!dialog.findChild<QWidget*>(QStringLiteral("frame_26"))->isHidden());
        QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("label_10"))->text(), QStringLiteral("Firmware Info"));
        dialog.show();
        QVERIFY(dialog.isVisible());
        dialog.findChild<QPushButton*>(QStringLiteral("pushButton_Close"))->click();
        QVERIFY(!dialog.isVisible());
        auto* area = dialog.findChild<QScrollArea*>(QStringLiteral("scrollArea_2"));
        QCOMPARE(area->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        // Nothing listed: the list stays empty, and says nothing.
        QTest::qWait(300);
        QVERIFY(rowsOf(dialog).isEmpty());
    }

    // One row per model and connection, sorted by name, loaded 200 ms after
    // construction; every interface of a keyboard gives the same row. A row
    // reads as a person would: name, connection, version and build date.
    void rowsOfTheListedKeyboards()
    {
        SimulatorHarness sim;
        QVERIFY(sim.plug("OV84W"));
        QVERIFY(sim.plug("OV68M", false, std::string("V1.2")));
        QVERIFY(sim.plug("OV68M", true, std::string("V1.1")));
        DFirwareInfoShow dialog;
        dialog.show();
        QVERIFY(rowsOf(dialog).isEmpty());
        QTRY_COMPARE(rowsOf(dialog).size(), 3);
        const QList<Row> expected{
            {QStringLiteral("Orvane Pulse 84 Wireless"), detailsOfLastListed("OV84W")},
            {QStringLiteral("Orvane Swift 68 HE"), QStringLiteral("2.4 GHz receiver · V1.1 · 2026-01-15")},
            {QStringLiteral("Orvane Swift 68 HE"), QStringLiteral("Cable · V1.2 · 2026-01-15")}};
        QCOMPARE(rowsOf(dialog), expected);
        // The closing spacer stays last, so the rows pack at the top.
        auto* layout = dialog.findChild<QWidget*>(QStringLiteral("scrollAreaWidgetContents_2"))->layout();
        QVERIFY(layout->itemAt(layout->count() - 1)->spacerItem());
    }

    void twoKeyboardsOfOneModelAndConnectionGiveOneRow()
    {
        SimulatorHarness sim;
        QVERIFY(sim.plug("OV68M", false, std::string("V1.0")));
        QVERIFY(sim.plug("OV68M", false, std::string("V2.0")));
        const QString later = detailsOfLastListed("OV68M");
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
