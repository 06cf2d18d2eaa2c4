// The upgrade window with its rows, over keyboards the device page opened on
// the simulated bus and found upgradeable against the built-in images.
#include "support/ApplicationSetUp.h"
#include "support/TestMain.h"

#include "devices/DFirmwareCheck.h"
#include "devices/DUpgradeDeviceName.h"
#include "devices/DVendorUpgradeLibrary.h"
#include "support/LoadedDevicePage.h"
#include "support/SimulatorHarness.h"
#include "ui/firmware/DUpdateFirmwareDia.h"
#include "ui/firmware/UpdateFirmwareInfoItem.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/widgets/CbNotice.h"

#include <QFontMetrics>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

constexpr int kLoadTimeoutMs = 20000;
const std::string kOlder = "V1.0";

QPushButton* button(UpdateFirmwareInfoItem* row)
{
    return row->findChild<QPushButton*>(QStringLiteral("pushButton_Update"));
}

QString text(QWidget* row, const char* name)
{
    return row->findChild<QLabel*>(QLatin1String(name))->text();
}

bool onCompletePage(UpdateFirmwareInfoItem* row)
{
    auto* stack = row->findChild<QStackedWidget*>(QStringLiteral("stackedWidget"));
    return stack->currentWidget()->objectName() == QLatin1String("page_2");
}

// Three upgradeable keyboards on the bus: two on their cable, one behind its
// receiver that has not reported its state (so it counts as offline).
struct UpgradeableKeyboards
{
    SimulatorHarness sim;
    std::shared_ptr<SimulatedKeyboard> vendor = sim.plug("OV68M", false, kOlder);
    std::shared_ptr<SimulatedKeyboard> bin = sim.plug("OV84W", false, kOlder);
    std::shared_ptr<SimulatedKeyboard> receiver = sim.plug("OV98", true, kOlder);
    std::unique_ptr<DDevicePage> page;
    QList<hidStructInfoAll> records;

    bool load()
    {
        page = loadedDevicePage(kLoadTimeoutMs);
        if (!page)
            return false;
        records = DFirmwareCheck(DVendorUpgradeLibrary::load()).collect(page->deviceInfoMap());
        return records.size() == 3;
    }
    UpdateFirmwareInfoItem* rowOf(DUpdateFirmwareDia& window, const std::shared_ptr<SimulatedKeyboard>& keyboard)
    {
        for (UpdateFirmwareInfoItem* row : window.rows()) {
            if (row->hidPath() == QString::fromStdString(sim.pathOf(keyboard)))
                return row;
        }
        return nullptr;
    }
};

} // namespace

class tst_DUpdateFirmwareDia : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplicationTest(); }

    void rowsInListOrderAboveTheSpacer()
    {
        UpgradeableKeyboards keyboards;
        QVERIFY(keyboards.load());
        DUpdateFirmwareDia window;
        QCOMPARE(window.size(), QSize(740, 520));
        QVERIFY(window.testAttribute(Qt::WA_DeleteOnClose));
        window.setDeviceList(keyboards.records, keyboards.page->deviceLinkMap());
        // Replacing the rows keeps one set.
        window.setDeviceList(keyboards.records, keyboards.page->deviceLinkMap());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        auto* layout = window.findChild<QVBoxLayout*>(QStringLiteral("verticalLayout_17"));
        QCOMPARE(layout->count(), 4);
        QVERIFY(layout->itemAt(3)->spacerItem());
        QCOMPARE(window.rows().size(), 3);
        QCOMPARE(window.findChildren<UpdateFirmwareInfoItem*>().size(), 3);
        for (int i = 0; i < 3; ++i) {
            UpdateFirmwareInfoItem* row = window.rows().at(i);
            const hidStructInfoAll& record = keyboards.records.at(i);
            QCOMPARE(layout->itemAt(i)->widget(), row);
            QCOMPARE(row->hidPath(), QString::fromLatin1(record.hidPath));
            // The whole name, said once, or as much of it as its column shows
            // with the whole name as the tooltip.
            const QString name
                = DUpgradeDeviceName::of(QString::fromUtf8(record.productName), QString::fromUtf8(record.likeName));
            auto* nameLabel = row->findChild<QLabel*>(QStringLiteral("label_HidLikeName"));
            const QString shown = nameLabel->text();
            QCOMPARE(nameLabel->toolTip(), shown == name ? QString() : name);
            QVERIFY2(shown == name || (shown.endsWith(QChar(0x2026)) && name.startsWith(shown.chopped(1))),
                     qPrintable(shown));
            QVERIFY(QFontMetrics(nameLabel->font()).horizontalAdvance(shown) <= nameLabel->minimumWidth());
            QCOMPARE(text(row, "label_OldVer"), QStringLiteral("V1.0"));
            QCOMPARE(text(row, "label_NewVer"), QString::fromLatin1(record.newFirmwareVersion));
            QCOMPARE(text(row, "label_ProgressNum"), QStringLiteral("0%"));
            QCOMPARE(text(row, "label_SuccessfulTip"), QStringLiteral("Complete"));
            QCOMPARE(button(row)->text(), QStringLiteral("Update"));
        }
        // The keyboard behind its receiver has not said it is there.
        QVERIFY(!button(keyboards.rowOf(window, keyboards.receiver))->isEnabled());
        QVERIFY(button(keyboards.rowOf(window, keyboards.vendor))->isEnabled());
    }

    void rowWithoutLinkNeverStarts()
    {
        UpgradeableKeyboards keyboards;
        QVERIFY(keyboards.load());
        DUpdateFirmwareDia window;
        window.setDeviceList(keyboards.records, {});
        QSignalSpy started(&window, &DUpdateFirmwareDia::sigStartHidUpgrade);
        for (UpdateFirmwareInfoItem* row : window.rows()) {
            QVERIFY(!button(row)->isEnabled());
            QVERIFY(!row->hidInterface());
            QTest::mouseClick(button(row), Qt::LeftButton);
        }
        QCOMPARE(started.count(), 0);
    }

    void twoQuickClicksSendOneReport()
    {
        UpgradeableKeyboards keyboards;
        QVERIFY(keyboards.load());
        DUpdateFirmwareDia window;
        window.setDeviceList(keyboards.records, keyboards.page->deviceLinkMap());
        QSignalSpy started(&window, &DUpdateFirmwareDia::sigStartHidUpgrade);
        UpdateFirmwareInfoItem* row = keyboards.rowOf(window, keyboards.bin);
        UpdateFirmwareInfoItem* other = keyboards.rowOf(window, keyboards.vendor);
        // Taken first: the keyboard leaves for its bootloader on the click.
        const QString path = QString::fromStdString(keyboards.sim.pathOf(keyboards.bin));

        QTest::mouseClick(button(row), Qt::LeftButton);
        QTest::mouseClick(button(row), Qt::LeftButton);
        QCOMPARE(started.count(), 1);
        const QList<QVariant> args = started.first();
        QCOMPARE(args.at(0).toString(), path);
        QCOMPARE(args.at(1).toString().size(), 32);
        QCOMPARE(args.at(2).toString(), QStringLiteral("OV84W"));
        QCOMPARE(args.at(3).toInt(), 0);
        QCOMPARE(window.activeRow(), row);
        QVERIFY(button(row)->isEnabled());
        QVERIFY(!button(other)->isEnabled());

        QTRY_COMPARE(keyboards.bin->receivedCount(0x0A), 1);
        QTest::qWait(200);
        QCOMPARE(keyboards.bin->receivedCount(0x0A), 1);
        QCOMPARE(keyboards.vendor->receivedCount(0x0A), 0);
        SimulatedKeyboard::Report expected{};
        expected[0] = 0x01;
        expected[1] = 0x0A;
        bool seen = false;
        for (const auto& logged : keyboards.bin->receivedReports())
            seen = seen || logged.bytes == expected;
        QVERIFY(seen);
    }

    void progressOnlyRises()
    {
        UpgradeableKeyboards keyboards;
        QVERIFY(keyboards.load());
        DUpdateFirmwareDia window;
        window.setDeviceList(keyboards.records, keyboards.page->deviceLinkMap());
        UpdateFirmwareInfoItem* row = keyboards.rowOf(window, keyboards.vendor);
        QSignalSpy shown(&window, &DUpdateFirmwareDia::sigUpgradeProgress);
        QTest::mouseClick(button(row), Qt::LeftButton);
        QStringList texts;
        for (const int done : {10, 5, 10, 40}) {
            window.reportProgress(100, done);
            QCoreApplication::processEvents();
            texts << text(row, "label_ProgressNum");
        }
        QCOMPARE(texts, (QStringList{"10%", "10%", "10%", "40%"}));
        QCOMPARE(row->findChild<QProgressBar*>()->value(), 40);
        window.reportProgress(0, 50);
        window.reportProgress(-1, 50);
        QCOMPARE(shown.count(), 2);

        // A new start begins at nothing again; a vendor-library percentage
        // comes as (100, p).
        window.reportFailure();
        QCoreApplication::processEvents();
        QTest::mouseClick(button(row), Qt::LeftButton);
        window.reportProgress(100, 53);
        QCoreApplication::processEvents();
        QCOMPARE(text(row, "label_ProgressNum"), QStringLiteral("53%"));
    }

    void successAndFailure()
    {
        UpgradeableKeyboards keyboards;
        QVERIFY(keyboards.load());
        DUpdateFirmwareDia window;
        window.setDeviceList(keyboards.records, keyboards.page->deviceLinkMap());
        window.show();
        UpdateFirmwareInfoItem* row = keyboards.rowOf(window, keyboards.vendor);
        UpdateFirmwareInfoItem* other = keyboards.rowOf(window, keyboards.bin);
        UpdateFirmwareInfoItem* offline = keyboards.rowOf(window, keyboards.receiver);

        QTest::mouseClick(button(row), Qt::LeftButton);
        window.reportFailure();
        QCoreApplication::processEvents();
        QVERIFY(!onCompletePage(row));
        QVERIFY(button(row)->isEnabled());
        QVERIFY(!button(other)->isEnabled());
        QVERIFY(window.toast()->isVisible());
        QCOMPARE(window.toast()->text(), QStringLiteral("Update failed"));

        // The failed row can start again.
        QSignalSpy started(&window, &DUpdateFirmwareDia::sigStartHidUpgrade);
        QTest::mouseClick(button(row), Qt::LeftButton);
        QCOMPARE(started.count(), 1);
        window.reportSuccess();
        QCoreApplication::processEvents();
        QVERIFY(onCompletePage(row));
        QVERIFY(button(other)->isEnabled());
        QVERIFY(!button(offline)->isEnabled());
        QCOMPARE(window.toast()->text(), QStringLiteral("Update successful"));
    }
};

ORVANE_TEST_MAIN(tst_DUpdateFirmwareDia)
#include "tst_DUpdateFirmwareDia.moc"
