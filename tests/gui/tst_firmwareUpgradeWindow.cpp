// The main window's firmware check: the upgrade window it opens for the
// settings dialog and for the automatic check, its overlay, its closing, and
// the reports an upgrade sends after it.
#include "support/ApplicationSetUp.h"
#include "support/TestMain.h"

#include "app/DDataManager.h"
#include "support/SimulatorHarness.h"
#include "ui/firmware/DUpdateFirmwareDia.h"
#include "ui/firmware/DUpgradeReportRelay.h"
#include "ui/firmware/UpdateFirmwareInfoItem.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/settings/DSettingsDia.h"
#include "ui/widgets/CbNotice.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>

#include <thread>

namespace {

constexpr int kLoadTimeoutMs = 20000;

struct LoadedWindow
{
    SimulatorHarness sim;
    std::unique_ptr<DMainWidget> window;

    bool load(const QList<QPair<const char*, std::optional<std::string>>>& keyboards)
    {
        for (const auto& [model, version] : keyboards) {
            if (!sim.plug(model, false, version))
                return false;
        }
        window = std::make_unique<DMainWidget>(sim.newDeviceChangeSource());
        QSignalSpy loaded(window->devicePage(), &DDevicePage::sigHaveCheckUpgradeFirmwareNUC);
        window->show();
        return loaded.wait(kLoadTimeoutMs) && window->devicePage()->deviceLinkMap().size() == keyboards.size();
    }
};

const std::string kOlder = "V1.0";

} // namespace

class tst_firmwareUpgradeWindow : public QObject
{
    Q_OBJECT

private slots:
    // The program's version is the one remembered, so no check starts by
    // itself after a list load; each test starts its own.
    void initTestCase()
    {
        rememberProgramVersion();
        prepareApplicationTest();
        QVERIFY(!DDataManager::getInstance()->appVersionChanged());
    }

    void nothingUpgradeableOpensNothing()
    {
        LoadedWindow loaded;
        QVERIFY(loaded.load({{"OV84W", std::nullopt}, {"OV61", kOlder}}));
        QVERIFY(!loaded.window->collectUpgradeableDevices(1));
        QVERIFY(!loaded.window->collectUpgradeableDevices(0));
        QTest::qWait(1200);
        QVERIFY(!loaded.window->upgradeWindow());
        QVERIFY(loaded.window->findChildren<DUpdateFirmwareDia*>().isEmpty());
    }

    // The settings dialog's check: the window at once, without an overlay of
    // its own; a second check keeps the open window and its rows.
    void openAtOnceThenOnlyOnce()
    {
        LoadedWindow loaded;
        QVERIFY(loaded.load({{"OV84W", kOlder}, {"OV68M", kOlder}}));
        DMainWidget& main = *loaded.window;
        QVERIFY(main.collectUpgradeableDevices(1));
        QPointer<DUpdateFirmwareDia> window = main.upgradeWindow();
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QVERIFY(main.upgradeOverlay() && !main.upgradeOverlay()->isVisible());
        QCOMPARE(window->windowModality(), Qt::WindowModal);
        QCOMPARE(window->rows().size(), 2);
        QStringList paths;
        for (const hidStructInfoAll& record : main.upgradeList())
            paths << QString::fromLatin1(record.hidPath);
        QCOMPARE(paths, main.devicePage()->deviceInfoMap().keys());
        QCOMPARE(window->rows().at(0)->hidPath(), paths.at(0));
        QCOMPARE(window->rows().at(1)->hidPath(), paths.at(1));
        UpdateFirmwareInfoItem* first = window->rows().first();

        QVERIFY(main.collectUpgradeableDevices(1));
        QCOMPARE(main.upgradeWindow(), window.data());
        QCOMPARE(main.findChildren<DUpdateFirmwareDia*>().size(), 1);
        QCOMPARE(window->rows().first(), first);

        // Closed by its button: gone once, after its own slot, and a report
        // that comes later is dropped.
        QWidget* overlay = main.upgradeOverlay();
        window->findChild<QPushButton*>(QStringLiteral("pushButton_Close"))->click();
        QVERIFY(!main.upgradeWindow());
        QVERIFY(!overlay->isVisible());
        QTRY_VERIFY(window.isNull());
        std::thread worker([relay = main.upgradeReportRelay()] {
            relay->reportProgress(100, 50);
            relay->reportSuccess();
        });
        worker.join();
        QTest::qWait(50);
        QVERIFY(main.findChildren<DUpdateFirmwareDia*>().isEmpty());

        // Once closed, the next check opens a fresh window.
        QVERIFY(main.collectUpgradeableDevices(1));
        QVERIFY(main.upgradeWindow());
    }

    // The settings dialog's button: the window at once over the dialog's
    // overlay, no second dimming and no toast.
    void settingsDialogButtonOpensAtOnce()
    {
        LoadedWindow loaded;
        QVERIFY(loaded.load({{"OV68M", kOlder}}));
        DMainWidget& main = *loaded.window;
        main.findChild<QPushButton*>(QStringLiteral("pushButton_Setting"))->click();
        DSettingsDia* dialog = main.findChildren<DSettingsDia*>().last();
        QWidget* overlay = main.overlay();
        QVERIFY(overlay && overlay->isVisible());

        dialog->findChild<QPushButton*>(QStringLiteral("pushButton_UpgradeCheck"))->click();
        QVERIFY(main.upgradeWindow());
        QVERIFY(main.upgradeWindow()->isVisible());
        QCOMPARE(main.upgradeWindow()->rows().size(), 1);
        QVERIFY(main.upgradeOverlay() && !main.upgradeOverlay()->isVisible());
        QCOMPARE(main.overlay(), overlay);
        QVERIFY(!dialog->findChild<CbNotice*>()->isVisible());
    }

    // The automatic check: the window a second later, over its overlay.
    void automaticCheckOpensLater()
    {
        LoadedWindow loaded;
        QVERIFY(loaded.load({{"OV68M", kOlder}}));
        DMainWidget& main = *loaded.window;
        QElapsedTimer clock;
        clock.start();
        QVERIFY(main.collectUpgradeableDevices(0));
        QVERIFY(!main.upgradeWindow());
        QTRY_VERIFY(main.upgradeWindow());
        QVERIFY(clock.elapsed() >= 1000);
        QVERIFY(main.upgradeOverlay()->isVisible());
        QCOMPARE(main.upgradeOverlay()->objectName(), QStringLiteral("widget"));
        QCOMPARE(main.upgradeOverlay()->size(), main.size());
    }

    // Reports of a worker thread reach the window on the GUI thread.
    void reportsFromAWorker()
    {
        LoadedWindow loaded;
        QVERIFY(loaded.load({{"OV68M", kOlder}}));
        DMainWidget& main = *loaded.window;
        QVERIFY(main.collectUpgradeableDevices(1));
        DUpdateFirmwareDia* window = main.upgradeWindow();
        UpdateFirmwareInfoItem* row = window->rows().first();
        // Start by hand: the reports come from this test's worker, not from
        // the main window's route.
        disconnect(window, &DUpdateFirmwareDia::sigStartHidUpgrade, &main, nullptr);
        row->findChild<QPushButton*>(QStringLiteral("pushButton_Update"))->click();
        std::thread worker([relay = main.upgradeReportRelay()] {
            for (int done = 0; done <= 100; done += 25)
                relay->reportProgress(100, done);
            relay->reportSuccess();
        });
        worker.join();
        QTRY_COMPARE(window->toast()->text(), QStringLiteral("Update successful"));
        QCOMPARE(row->findChild<QLabel*>(QStringLiteral("label_ProgressNum"))->text(), QStringLiteral("100%"));
    }

    // A keyboard pulled out before Update cannot enter its bootloader: its
    // row offers nothing until it is back, and a request that still comes
    // for it fails at once.
    void requestForAKeyboardThatIsGoneFails()
    {
        LoadedWindow loaded;
        QVERIFY(loaded.load({{"OV84W", kOlder}}));
        DMainWidget& main = *loaded.window;
        QVERIFY(main.collectUpgradeableDevices(1));
        DUpdateFirmwareDia* window = main.upgradeWindow();
        QSignalSpy failed(window, &DUpdateFirmwareDia::sigUpgradeFirmwareFailed);
        UpdateFirmwareInfoItem* row = window->rows().first();
        loaded.sim.bus().unplug(loaded.sim.bus().keyboards().front());
        QTRY_VERIFY(main.devicePage()->deviceLinkMap().isEmpty());
        auto* button = row->findChild<QPushButton*>(QStringLiteral("pushButton_Update"));
        QTRY_VERIFY(!button->isEnabled());
        QVERIFY(!row->hidInterface());
        emit window->sigStartHidUpgrade(row->hidPath(), row->serialNumber(), row->modelName(), row->usbOrDongle());
        QTRY_COMPARE(failed.count(), 1);
        QVERIFY(!main.isUpgradePending());
    }
};

ORVANE_TEST_MAIN(tst_firmwareUpgradeWindow)
#include "tst_firmwareUpgradeWindow.moc"
