// What the main window and its device page hold stays the same however long
// the program runs: each dialog opened and closed a hundred times, a
// keyboard plugged in and pulled out a hundred times.
#include "support/ApplicationSetUp.h"
#include "support/SimulatorHarness.h"
#include "support/TestMain.h"

#include "ui/firmware/DUpdateFirmwareDia.h"
#include "ui/macro/DMacroPage.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/seniorKeys/DSeniorKeysPage.h"
#include "ui/settings/DSettingsDia.h"

#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>

#include <memory>

namespace {

constexpr int kLoadTimeoutMs = 30000;
constexpr int kRounds = 100;
// A firmware version older than the one the program carries.
const std::string kOlderFirmware = "V1.0";

template<typename Dialog>
Dialog* lastOpen(DMainWidget& window)
{
    const QList<Dialog*> open = window.findChildren<Dialog*>();
    return open.isEmpty() ? nullptr : open.last();
}

// Opens a dialog as the user does; the dialog, or null.
QWidget* openDialog(DMainWidget& window, const QByteArray& which)
{
    if (which == "macro") {
        emit window.devicePage()->sigShowMacroPage();
        return lastOpen<DMacroPage>(window);
    }
    if (which == "advanced") {
        emit window.devicePage()->sigShowSeniorKeysPage();
        return lastOpen<DSeniorKeysPage>(window);
    }
    if (which == "settings") {
        window.findChild<QPushButton*>(QStringLiteral("pushButton_Setting"))->click();
        return lastOpen<DSettingsDia>(window);
    }
    window.collectUpgradeableDevices(1);
    return window.upgradeWindow();
}

struct LoadedWindow
{
    SimulatorHarness sim;
    std::unique_ptr<DMainWidget> window;

    bool load(const std::optional<std::string>& firmware = std::nullopt)
    {
        if (!sim.plug("OV68M", false, firmware))
            return false;
        window = std::make_unique<DMainWidget>(sim.newDeviceChangeSource());
        QSignalSpy loaded(window->devicePage(), &DDevicePage::sigHaveCheckUpgradeFirmwareNUC);
        window->show();
        return (!loaded.isEmpty() || loaded.wait(kLoadTimeoutMs)) && window->devicePage()->linkCount() == 1;
    }
};

} // namespace

class tst_mainWindowLongRun : public QObject
{
    Q_OBJECT

private slots:
    // No firmware check opens a window by itself after the list loads.
    void initTestCase()
    {
        rememberProgramVersion();
        prepareApplicationTest();
    }

    void dialogsLeaveNothingBehind_data()
    {
        QTest::addColumn<QByteArray>("dialog");
        QTest::newRow("macro editor") << QByteArray("macro");
        QTest::newRow("advanced-key editor") << QByteArray("advanced");
        QTest::newRow("settings") << QByteArray("settings");
        QTest::newRow("firmware upgrade") << QByteArray("upgrade");
    }
    void dialogsLeaveNothingBehind()
    {
        QFETCH(QByteArray, dialog);
        LoadedWindow loaded;
        QVERIFY(loaded.load(dialog == "upgrade" ? std::optional<std::string>(kOlderFirmware) : std::nullopt));
        DMainWidget& window = *loaded.window;
        const int children = window.children().size();
        for (int round = 0; round < kRounds; ++round) {
            QPointer<QWidget> open = openDialog(window, dialog);
            QVERIFY2(open && open->isVisible(), qPrintable(QString::number(round)));
            QCOMPARE(window.children().size(), children + 2); // the dialog and its overlay
            open->findChild<QPushButton*>(QStringLiteral("pushButton_Close"))->click();
            QTRY_VERIFY(open.isNull());
            QTRY_COMPARE(window.children().size(), children);
        }
    }

    void plugsLeaveNothingBehind()
    {
        LoadedWindow loaded;
        QVERIFY(loaded.load());
        DMainWidget& window = *loaded.window;
        DDevicePage& page = *window.devicePage();
        const int children = window.children().size();
        for (int round = 0; round < kRounds; ++round) {
            const auto keyboard = loaded.sim.plug("OV84W");
            QTRY_COMPARE_WITH_TIMEOUT(page.deviceLinkMap().size(), 2, kLoadTimeoutMs);
            QCOMPARE(page.linkCount(), 2);
            loaded.sim.bus().unplug(keyboard);
            QTRY_COMPARE_WITH_TIMEOUT(page.deviceLinkMap().size(), 1, kLoadTimeoutMs);
            // The gone keyboard's link ends once the page is back in the event loop.
            QTRY_COMPARE(page.linkCount(), 1);
        }
        QCOMPARE(window.children().size(), children);
    }
};

ORVANE_TEST_MAIN(tst_mainWindowLongRun)
#include "tst_mainWindowLongRun.moc"
