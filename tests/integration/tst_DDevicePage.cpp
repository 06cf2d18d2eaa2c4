// The device page against the simulated bus, through the real I/O threads
// of the keyboard links: the device list loading, the selection, the signals
// of the links and the hosted pages, and the page protocol.
#include "support/ApplicationSetUp.h"
#include "support/DevicePageProbe.h"
#include "support/RenderedLook.h"
#include "support/TestMain.h"

#include "app/DDataManager.h"
#include "app/DThemeColor.h"
#include "hid/DDeviceKeyboardLink.h"
#include "hid/MainHidInterFace.h"
#include "hid/download/DOnboardDownload.h"
#include "sdk/include/orvanesdk_xml.h"
#include "sdk/models/ModelCatalogue.h"
#include "support/SimulatorHarness.h"
#include "ui/mainwidget/devicePage/DDeviceListItem.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/DPerformancePage.h"
#include "ui/mainwidget/devicePage/keyboardView/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/keyboardView/hidDeviceJoinFrame.h"
#include "ui/mainwidget/devicePage/lightDeal/lightDealMain.h"
#include "ui/mainwidget/devicePage/lightsConfig/DLightsConfigPage.h"
#include "ui/mainwidget/devicePage/triggerSetting/DTriggerSettingPage.h"
#include "ui/widgets/ArrowWidget.h"
#include "ui/widgets/BatteryItem.h"
#include "ui/widgets/CbNotice.h"
#include "ui/widgets/DAppStyle.h"
#include "ui/widgets/DToolTipExplain.h"

#include <QButtonGroup>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QToolButton>
#include <QTranslator>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>

namespace {

// Generous for a sanitizer build on a busy machine; a load normally ends
// well within it.
constexpr int kLoadTimeoutMs = 20000;

struct LoadedPage
{
    std::unique_ptr<DDevicePage> page;
    std::unique_ptr<QSignalSpy> names;
    std::unique_ptr<QSignalSpy> loadEnd;
    qint64 msToLoadEnd = -1;
};

LoadedPage loadPage()
{
    LoadedPage loaded;
    QElapsedTimer clock;
    clock.start();
    loaded.page = std::make_unique<DDevicePage>();
    loaded.names = std::make_unique<QSignalSpy>(loaded.page.get(), &DDevicePage::sigReturnHidLikeName);
    loaded.loadEnd = std::make_unique<QSignalSpy>(loaded.page.get(), &DDevicePage::sigHaveCheckUpgradeFirmwareNUC);
    if (loaded.loadEnd->wait(kLoadTimeoutMs))
        loaded.msToLoadEnd = clock.elapsed();
    return loaded;
}

QStringList rowModels(DDevicePage& page)
{
    auto* layout = page.findChild<QVBoxLayout*>(QStringLiteral("verticalLayout_17"));
    QStringList models;
    for (int i = 0; i < layout->count(); ++i) {
        if (auto* row = qobject_cast<DDeviceListItem*>(layout->itemAt(i)->widget()))
            models << QString::fromLatin1(row->deviceInfo().modelName);
    }
    return models;
}

QStringList catalogueCodesWithout(const QStringList& present)
{
    QStringList codes;
    for (const ModelInfo& model : ModelCatalogue::instance().models()) {
        if (!present.contains(model.code))
            codes << model.code;
    }
    std::sort(codes.begin(), codes.end());
    return codes;
}

QWidget* shownPage(DDevicePage& page)
{
    return page.findChild<QStackedWidget*>(QStringLiteral("stackedWidget_3"))->currentWidget();
}

QString pathOf(SimulatorHarness& sim, const std::shared_ptr<SimulatedKeyboard>& keyboard)
{
    return QString::fromStdString(sim.pathOf(keyboard));
}

} // namespace

class tst_DDevicePage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplicationTest(); }

    void cleanup() { QCoreApplication::removeTranslator(&m_translator); }

    void construction()
    {
        SimulatorHarness sim;
        DDevicePage page;
        // Started after the page's own delay began, so it reads at most the
        // time since then.
        QElapsedTimer sinceBuilt;
        sinceBuilt.start();
        QSignalSpy loadEnd(&page, &DDevicePage::sigHaveCheckUpgradeFirmwareNUC);
        // The hosted pages come with the first keyboard, not with the page.
        QVERIFY(!page.findChild<DCustomKeysPage*>());
        QVERIFY(!page.findChild<DLightsConfigPage*>());
        QVERIFY(!page.findChild<DPerformancePage*>());
        QVERIFY(!page.findChild<DTriggerSettingPage*>());

        QCOMPARE(DevicePageProbe(page).customKeysPage()->parentWidget()->objectName(),
                 QStringLiteral("page_CustomKeys"));
        QCOMPARE(DevicePageProbe(page).lightsConfigPage()->parentWidget()->objectName(),
                 QStringLiteral("page_LightsConfig"));
        QCOMPARE(DevicePageProbe(page).performancePage()->parentWidget()->objectName(),
                 QStringLiteral("page_Performance"));
        QCOMPARE(DevicePageProbe(page).triggerSettingPage()->parentWidget()->objectName(),
                 QStringLiteral("page_TriggerSetting"));
        QVERIFY(DevicePageProbe(page).lightingEngine());
        QCOMPARE(DevicePageProbe(page).toast()->parentWidget(), &page);
        QCOMPARE(DevicePageProbe(page).toast()->font().pixelSize(), 14);
        auto* battery = page.findChild<BatteryItem*>(QStringLiteral("label_ElectricityNum"));
        QCOMPARE(battery->level(), 60);
        QCOMPARE(shownPage(page)->objectName(), QStringLiteral("page_TipShow"));
        for (const char* hidden :
             {"pushButton_Test", "pushButton_ChangModeTest", "label_ChangModeTest", "label_Multiple", "label_Charging"})
            QVERIFY2(page.findChild<QWidget*>(QLatin1String(hidden))->isHidden(), hidden);
        QVERIFY(page.findChild<QToolButton*>(QStringLiteral("toolButton_CustomKey"))->isChecked());
        const QString link = page.findChild<QLabel*>(QStringLiteral("label_Url"))->text();
        QVERIFY(link.contains(QStringLiteral("href=\"Company|https://orvane.example/|\"")));
        QVERIFY(link.contains(QStringLiteral("color:%1;").arg(
            DDataManager::getInstance()->themeRoles().color(DThemeRoles::AccentText).name())));
        QCOMPARE(page.tipShowPoint(), QPoint(page.rect().center().x(), 40));

        // The list follows 200 ms after the page is built, not at once. A
        // coarse timer may fire up to 5 % early.
        QVERIFY(DevicePageProbe(page).rows().isEmpty());
        QVERIFY(QTest::qWaitFor([&page] { return !DevicePageProbe(page).rows().isEmpty(); }, kLoadTimeoutMs));
        QVERIFY2(sinceBuilt.elapsed() >= DDevicePage::kLoadListDelayMs * 95 / 100,
                 qPrintable(QString::number(sinceBuilt.elapsed())));
        QVERIFY(!loadEnd.isEmpty() || loadEnd.wait(kLoadTimeoutMs));
        QVERIFY(!DevicePageProbe(page).rows().isEmpty());
    }

    // The group passes 0, 1, 2 and 4; the macro and advanced-key buttons
    // open dialogs and are in no group.
    void mainButtonGroup_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("id");
        QTest::newRow("keys") << "toolButton_CustomKey" << 0;
        QTest::newRow("lighting") << "toolButton_LightConfig" << 1;
        QTest::newRow("performance") << "toolButton_Performance" << 2;
        QTest::newRow("trigger") << "toolButton_TriggerSetting" << 4;
        QTest::newRow("macro") << "toolButton_MacroDialog" << -1;
        QTest::newRow("advanced keys") << "toolButton_SeniorKey" << -1;
    }
    void mainButtonGroup()
    {
        QFETCH(QString, button);
        QFETCH(int, id);
        SimulatorHarness sim;
        DDevicePage page;
        auto* group = page.findChild<QButtonGroup*>();
        QVERIFY(group);
        auto* tool = page.findChild<QToolButton*>(button);
        QCOMPARE(group->id(tool), id);
        QSignalSpy clicked(group, QOverload<int>::of(&QButtonGroup::buttonClicked));
        tool->click();
        QCOMPARE(clicked.count(), id < 0 ? 0 : 1);
        if (id >= 0)
            QCOMPARE(clicked.at(0).at(0).toInt(), id);
    }

    void toolButtonTips_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("caption");
        QTest::newRow("keys") << "toolButton_CustomKey"
                              << "Key Custom";
        QTest::newRow("lighting") << "toolButton_LightConfig"
                                  << "Light Setting";
        QTest::newRow("macro") << "toolButton_MacroDialog"
                               << "Macro";
        QTest::newRow("performance") << "toolButton_Performance"
                                     << "Performance";
        QTest::newRow("trigger") << "toolButton_TriggerSetting"
                                 << "Trigger Setting";
        QTest::newRow("advanced keys") << "toolButton_SeniorKey"
                                       << "Senior Keys";
    }
    void toolButtonTips()
    {
        QFETCH(QString, button);
        QFETCH(QString, caption);
        SimulatorHarness sim;
        DDevicePage page;
        page.show();
        auto* tool = page.findChild<QToolButton*>(button);
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(tool, &enter);
        QPointer<ArrowWidget> bubble = DevicePageProbe(page).toolTipBubble();
        QVERIFY(bubble);
        QVERIFY(bubble->isVisible());
        QCOMPARE(bubble->pos(), tool->mapToGlobal(QPoint(tool->width() / 2 - 38, -74)));
        QCOMPARE(bubble->findChild<QLabel*>()->text(), caption);

        // The next hover replaces the bubble; leaving hides it.
        QCoreApplication::sendEvent(tool, &enter);
        QVERIFY(!bubble);
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(tool, &leave);
        ArrowWidget* replacement = DevicePageProbe(page).toolTipBubble();
        QVERIFY(replacement);
        QVERIFY(!replacement->isVisible());
    }

    void noKeyboard()
    {
        SimulatorHarness sim;
        LoadedPage loaded = loadPage();
        QVERIFY(loaded.msToLoadEnd >= DDevicePage::kLoadListDelayMs);
        DDevicePage& page = *loaded.page;

        QCOMPARE(rowModels(page), catalogueCodesWithout({}));
        const QList<DDeviceListItem*> rows = DevicePageProbe(page).rows();
        QCOMPARE(rows.size(), catalogueCodesWithout({}).size());
        for (DDeviceListItem* row : rows) {
            QCOMPARE(DevicePageProbe(page).rowOf(QString::fromLatin1(row->deviceInfo().modelName)), row);
            QCOMPARE(row->deviceInfo().isOnline, 0);
            QCOMPARE(QByteArray(row->deviceInfo().hidPath), QByteArray());
            QVERIFY(row->isHidden());
        }
        QCOMPARE(shownPage(page)->objectName(), QStringLiteral("page_TipShow"));
        QCOMPARE(loaded.names->count(), 1);
        QCOMPARE(loaded.names->at(0), QVariantList({QStringLiteral("HID"), QStringLiteral("RGB")}));
        QCOMPARE(loaded.loadEnd->count(), 1);
        QVERIFY(page.deviceLinkMap().isEmpty());
        QCOMPARE(sim.bus().openCount(), 0);
        QVERIFY(!DevicePageProbe(page).selectedRow());
        QVERIFY(!DevicePageProbe(page).selectedInterface());
        QVERIFY(!DevicePageProbe(page).lightingEngine()->hidInterface());
    }

    // Cable keyboards come first and the first is selected, whatever the
    // order they were plugged in; a receiver keyboard is listed offline
    // (hidden) and gets its link too.
    void cableAndReceiver()
    {
        SimulatorHarness sim;
        auto receiver = sim.plug("OV84W", true);
        auto cable = sim.plug("OV68M");
        QVERIFY(receiver && cable);
        LoadedPage loaded = loadPage();
        QVERIFY(loaded.msToLoadEnd >= 0);
        DDevicePage& page = *loaded.page;

        QCOMPARE(rowModels(page), QStringList({"OV68M", "OV84W"}) + catalogueCodesWithout({"OV68M", "OV84W"}));
        const QString cablePath = pathOf(sim, cable);
        const QString receiverPath = pathOf(sim, receiver);
        DDeviceListItem* cableRow = DevicePageProbe(page).rowOf(cablePath);
        DDeviceListItem* receiverRow = DevicePageProbe(page).rowOf(receiverPath);
        QVERIFY(cableRow && receiverRow);
        QVERIFY(!cableRow->isHidden());
        QVERIFY(receiverRow->isHidden());
        QCOMPARE(receiverRow->deviceInfo().isOnline, 0);
        QCOMPARE(receiverRow->deviceInfo().is24G, 1);
        // Until its receiver reports it, the receiver keyboard counts as
        // not connected; the cable keyboard is online.
        QCOMPARE(receiverRow->onlineState(), 0);
        QCOMPARE(cableRow->onlineState(), 1);

        QCOMPARE(page.deviceLinkMap().keys(), page.deviceInfoMap().keys());
        QCOMPARE(page.deviceLinkMap().size(), 2);
        QVERIFY(page.deviceLinkMap().value(cablePath)->isReady());
        QVERIFY(page.deviceLinkMap().value(receiverPath)->isReady());

        QCOMPARE(DevicePageProbe(page).selectedRow(), cableRow);
        QVERIFY(cableRow->isSelected());
        QVERIFY(!receiverRow->isSelected());
        QTRY_COMPARE_WITH_TIMEOUT(DevicePageProbe(page).selectedLink(), page.deviceLinkMap().value(cablePath),
                                  kLoadTimeoutMs);
        QCOMPARE(DevicePageProbe(page).selectedInterface(), page.deviceLinkMap().value(cablePath)->hidInterface());
        QCOMPARE(DevicePageProbe(page).lightingEngine()->hidInterface(), DevicePageProbe(page).selectedInterface());
        QCOMPARE(QByteArray(DevicePageProbe(page).lightingEngine()->hidDeviceInfo().hidPath), cablePath.toLatin1());
        QCOMPARE(shownPage(page)->objectName(), QStringLiteral("page_HaveDevice"));
        QVERIFY(DevicePageProbe(page).picture());
        QCOMPARE(DevicePageProbe(page).picture()->modelName(), QStringLiteral("OV68M"));
        QCOMPARE(loaded.names->count(), 1);
        QCOMPARE(loaded.names->at(0),
                 QVariantList({QStringLiteral("Orvane Swift 68 HE"), QStringLiteral("Swift 68 HE")}));
        QCOMPARE(loaded.loadEnd->count(), 1);
    }

    void onlyReceiver()
    {
        SimulatorHarness sim;
        auto receiver = sim.plug("OV84W", true);
        LoadedPage loaded = loadPage();
        QVERIFY(loaded.msToLoadEnd >= 0);
        DDevicePage& page = *loaded.page;
        QCOMPARE(rowModels(page).first(), QStringLiteral("OV84W"));
        QCOMPARE(page.deviceLinkMap().keys(), QStringList({pathOf(sim, receiver)}));
        QVERIFY(!DevicePageProbe(page).selectedRow());
        QVERIFY(!DevicePageProbe(page).selectedLink());
        QCOMPARE(shownPage(page)->objectName(), QStringLiteral("page_TipShow"));
        QCOMPARE(loaded.names->count(), 1);
        QCOMPARE(loaded.names->at(0), QVariantList({QStringLiteral("HID"), QStringLiteral("RGB")}));
    }

    // Two keyboards of one model: two records and two links, the first in
    // enumeration order selected, no offline row for the model.
    void twoOfOneModel_data()
    {
        QTest::addColumn<bool>("viaReceiver");
        QTest::newRow("cable") << false;
        QTest::newRow("receiver") << true;
    }
    void twoOfOneModel()
    {
        QFETCH(bool, viaReceiver);
        SimulatorHarness sim;
        auto first = sim.plug("OV84W", viaReceiver);
        auto second = sim.plug("OV84W", viaReceiver);
        LoadedPage loaded = loadPage();
        QVERIFY(loaded.msToLoadEnd >= 0);
        DDevicePage& page = *loaded.page;
        QCOMPARE(rowModels(page), QStringList({"OV84W", "OV84W"}) + catalogueCodesWithout({"OV84W"}));
        QCOMPARE(page.deviceInfoMap().size(), 2);
        QCOMPARE(page.deviceLinkMap().size(), 2);
        const QString firstPath = pathOf(sim, first);
        const QString secondPath = pathOf(sim, second);
        QVERIFY(page.deviceLinkMap().contains(firstPath) && page.deviceLinkMap().contains(secondPath));
        DDeviceListItem* firstRow = DevicePageProbe(page).rowOf(firstPath);
        DDeviceListItem* secondRow = DevicePageProbe(page).rowOf(secondPath);
        QVERIFY(firstRow && secondRow);
        if (viaReceiver) {
            // Both wait for their receiver's state, offline and unselected.
            for (DDeviceListItem* row : {firstRow, secondRow}) {
                QCOMPARE(row->onlineState(), 0);
                QVERIFY(row->isHidden());
            }
            QVERIFY(!DevicePageProbe(page).selectedRow());
        } else {
            for (DDeviceListItem* row : {firstRow, secondRow})
                QCOMPARE(row->onlineState(), 1);
            QCOMPARE(DevicePageProbe(page).selectedRow(), firstRow);
            QTRY_COMPARE_WITH_TIMEOUT(DevicePageProbe(page).selectedLink(), page.deviceLinkMap().value(firstPath),
                                      kLoadTimeoutMs);
        }
    }

    void magneticSettingsStayPerKeyboard_data()
    {
        QTest::addColumn<int>("selected"); // 0: the first keyboard, 1: the second
        QTest::newRow("the first keyboard") << 0;
        QTest::newRow("the second keyboard") << 1;
        QTest::newRow("the second, then the first again") << 2;
    }

    // Two magnetic-switch keyboards answer their start-up travel level,
    // rate-of-return and anti-shake queries: each link keeps its own, and the
    // trigger page reads those of the keyboard selected, whichever answered last.
    void magneticSettingsStayPerKeyboard()
    {
        QFETCH(int, selected);
        SimulatorHarness sim;
        const std::shared_ptr<SimulatedKeyboard> keyboards[] = {sim.plug("OV68M"), sim.plug("OV82M")};
        const QList<int> answers[] = {{30, 2, 3}, {40, 8, 5}}; // levels, rate of return, anti-shake
        for (int i = 0; i < 2; ++i) {
            keyboards[i]->setMagneticValue(0x04, uint8_t(answers[i][0]));
            keyboards[i]->setMagneticValue(0x09, uint8_t(answers[i][1]));
            keyboards[i]->setMagneticValue(0x0A, uint8_t(answers[i][2]));
        }
        LoadedPage loaded = loadPage();
        QVERIFY(loaded.msToLoadEnd >= 0);
        DDevicePage& page = *loaded.page;
        const auto held = [&page, &sim, &keyboards](int i) {
            const DDeviceKeyboardLink* link = page.deviceLinkMap().value(pathOf(sim, keyboards[i]));
            if (!link)
                return QList<int>();
            const DDeviceKeyboardLink::MagneticSettings settings = link->magneticSettings();
            return QList<int>{settings.travelLevels, settings.rateOfReturn, settings.antiShake};
        };
        QTRY_COMPARE_WITH_TIMEOUT(held(0), answers[0], kLoadTimeoutMs);
        QTRY_COMPARE_WITH_TIMEOUT(held(1), answers[1], kLoadTimeoutMs);

        const QList<int> order = selected == 2 ? QList<int>{1, 0} : QList<int>{selected};
        for (int i : order) {
            DDeviceListItem* row = DevicePageProbe(page).rowOf(pathOf(sim, keyboards[i]));
            QVERIFY(row);
            QTest::mouseClick(row, Qt::LeftButton);
            QTRY_COMPARE_WITH_TIMEOUT(DevicePageProbe(page).selectedLink(),
                                      page.deviceLinkMap().value(pathOf(sim, keyboards[i])), kLoadTimeoutMs);
        }
        const int shown = order.last();
        DDataManager* data = DDataManager::getInstance();
        QCOMPARE((QList<int>{data->keyTravelMaxLevel(), data->rateOfReturn(), data->keyAntiShake()}), answers[shown]);
        DTriggerSettingPage* trigger = DevicePageProbe(page).triggerSettingPage();
        trigger->loadSensitivityData();
        QCOMPARE(trigger->findChild<QLabel*>(QStringLiteral("label_Rate"))->text(),
                 QString::number(answers[shown][1]) + QLatin1Char('K'));
        QCOMPARE(trigger->findChild<QLabel*>(QStringLiteral("label_AntiShake"))->text(),
                 QString::number(answers[shown][2]));
    }

    // Links are numbered 1, 2, 3 ... in ascending path order.
    void linkThreadIndexes()
    {
        SimulatorHarness sim;
        auto a = sim.plug("OV98M");
        auto b = sim.plug("OV61", false);
        auto c = sim.plug("OV84W", true);
        LoadedPage loaded = loadPage();
        QVERIFY(loaded.msToLoadEnd >= 0);
        DDevicePage& page = *loaded.page;
        QCOMPARE(sim.bus().openCount(), 3);

        QMap<QString, int> indexes;
        // Reports come from the I/O threads as queued calls; one that comes
        // late must find no receiver, not the map of a test that ended.
        QObject indexesAlive;
        const auto links = page.deviceLinkMap();
        for (auto it = links.cbegin(); it != links.cend(); ++it) {
            const QString path = it.key();
            // The link frees the report; only the index is read here.
            connect(it.value()->hidInterface(), &MainHidInterFace::sigHidDataArrived, &indexesAlive,
                    [&indexes, path](unsigned char*, int, int threadIndex) { indexes.insert(path, threadIndex); });
        }
        SimulatedKeyboard::Report answer{};
        answer[0] = 0x01;
        answer[1] = 0x0B;
        for (const auto& keyboard : {a, b, c})
            keyboard->injectInput(answer);
        QTRY_COMPARE_WITH_TIMEOUT(indexes.size(), 3, kLoadTimeoutMs);
        QStringList paths = links.keys();
        std::sort(paths.begin(), paths.end());
        for (int i = 0; i < paths.size(); ++i)
            QCOMPARE(indexes.value(paths.at(i)), i + 1);
    }

    // A keyboard that never answers costs the readiness wait and no more;
    // its link stays filed.
    void silentKeyboard()
    {
        SimulatorHarness sim;
        auto silent = sim.plug("OV68M");
        silent->setAnswering(false);
        LoadedPage loaded = loadPage();
        DDevicePage& page = *loaded.page;
        // The page gives a silent keyboard its one readiness wait and then
        // goes on with the link it opened; it neither skips the wait nor
        // opens a second link to try again.
        QVERIFY(loaded.msToLoadEnd >= DDevicePage::kLoadListDelayMs + DDevicePage::kLinkReadyWaitMs);
        QCOMPARE(page.deviceLinkMap().size(), 1);
        DDeviceKeyboardLink* link = page.deviceLinkMap().value(pathOf(sim, silent));
        QVERIFY(link);
        QVERIFY(!link->isReady());
    }

    void clicks()
    {
        SimulatorHarness sim;
        auto first = sim.plug("OV68M");
        auto second = sim.plug("OV98M");
        LoadedPage loaded = loadPage();
        QVERIFY(loaded.msToLoadEnd >= 0);
        DDevicePage& page = *loaded.page;
        page.show();
        DDeviceListItem* firstRow = DevicePageProbe(page).rowOf(pathOf(sim, first));
        DDeviceListItem* secondRow = DevicePageProbe(page).rowOf(pathOf(sim, second));
        QCOMPARE(DevicePageProbe(page).selectedRow(), firstRow);

        // The selected row again: a notice, nothing reloaded.
        loaded.names->clear();
        QTest::mousePress(firstRow, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(DevicePageProbe(page).toast()->text(), QStringLiteral("The device has been turned on"));
        QVERIFY(DevicePageProbe(page).toast()->isVisible());
        QCOMPARE(loaded.names->count(), 0);
        QCOMPARE(DevicePageProbe(page).selectedRow(), firstRow);

        // The hosted pages' messages go to the page's toast, at its point.
        emit DevicePageProbe(page).customKeysPage()->sigSomeMessageTip_CustomKeysPage(
            QStringLiteral("Operate successful"));
        QCOMPARE(DevicePageProbe(page).toast()->text(), QStringLiteral("Operate successful"));
        emit DevicePageProbe(page).lightsConfigPage()->sigSomeMessageTip_LightsConfigPage(
            QStringLiteral("Rename refused"));
        QCOMPARE(DevicePageProbe(page).toast()->text(), QStringLiteral("Rename refused"));
        QVERIFY(qAbs(DevicePageProbe(page).toast()->geometry().center().x() - page.tipShowPoint().x()) <= 1);

        // An offline keyboard cannot be selected.
        hidStructInfoAll offline = DevicePageProbe(page).rowOf(QStringLiteral("OV61"))->deviceInfo();
        page.onHidItemMouseClicked(offline);
        QCOMPARE(DevicePageProbe(page).toast()->text(), QStringLiteral("The device is offline"));
        QCOMPARE(DevicePageProbe(page).selectedRow(), firstRow);

        QTest::mousePress(secondRow, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(DevicePageProbe(page).selectedRow(), secondRow);
        QVERIFY(secondRow->isSelected());
        QVERIFY(!firstRow->isSelected());
        QTRY_COMPARE_WITH_TIMEOUT(DevicePageProbe(page).selectedLink(), page.deviceLinkMap().value(pathOf(sim, second)),
                                  kLoadTimeoutMs);
        QCOMPARE(DevicePageProbe(page).lightingEngine()->hidInterface(), DevicePageProbe(page).selectedInterface());
        QCOMPARE(DevicePageProbe(page).picture()->modelName(), QStringLiteral("OV98M"));
        QCOMPARE(loaded.names->count(), 1);
        QCOMPARE(loaded.names->at(0).at(1).toString(), QStringLiteral("Swift 98 HE"));
    }

    // What a keyboard reports counts only for that keyboard: the selected
    // one's acknowledgements and status count, another's never do. Each is
    // seen where it matters: the download's outcome, the sleep-time toast,
    // the status the download keeps.
    void signalsOfTheSelectedKeyboardOnly_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("fromSelected");
        for (const char* kind : {"macro acknowledgement", "sleep acknowledgement", "download status"}) {
            QTest::addRow("%s of the selected keyboard", kind) << QString::fromLatin1(kind) << true;
            QTest::addRow("%s of another keyboard", kind) << QString::fromLatin1(kind) << false;
        }
    }
    void signalsOfTheSelectedKeyboardOnly()
    {
        QFETCH(QString, kind);
        QFETCH(bool, fromSelected);
        SimulatorHarness sim;
        auto selected = sim.plug("OV68M");
        auto other = sim.plug("OV98M");
        LoadedPage loaded = loadPage();
        QVERIFY(loaded.msToLoadEnd >= 0);
        DDevicePage& page = *loaded.page;
        QTRY_COMPARE_WITH_TIMEOUT(DevicePageProbe(page).selectedLink(),
                                  page.deviceLinkMap().value(pathOf(sim, selected)), kLoadTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(DevicePageProbe(page).selectedLink()->isReady(), kLoadTimeoutMs);
        SimulatedKeyboard& source = fromSelected ? *selected : *other;
        DDeviceKeyboardLink* sourceLink = page.deviceLinkMap().value(pathOf(sim, fromSelected ? selected : other));
        QVERIFY(sourceLink);
        SimulatedKeyboard::Report report{};
        report[0] = 0x01;

        if (kind == QLatin1String("macro acknowledgement")) {
            // The selected keyboard acknowledges nothing itself; the download
            // gets through only on acknowledgements that count.
            selected->dropAcknowledgements(1, 100000);
            report[1] = 0x19;
            QTimer ticker;
            connect(&ticker, &QTimer::timeout, [&source, &report] { source.injectInput(report); });
            ticker.start(20);
            DevicePageProbe(page).customKeysPage()->on_pushButton_Download_clicked();
            ticker.stop();
            QCOMPARE(DevicePageProbe(page).toast()->text(),
                     fromSelected ? QStringLiteral("Download config successful")
                                  : QStringLiteral("Download config failed, Please try again"));
            return;
        }
        if (kind == QLatin1String("sleep acknowledgement")) {
            // The keyboard's own answer never comes; the one injected arrives
            // while the page waits.
            selected->setSilentCommand(0x13, true);
            report[1] = 0x14;
            QSignalSpy acknowledged(sourceLink, &DDeviceKeyboardLink::sigSleepTimeSetSuccessful);
            QTimer::singleShot(0, &page, [&source, &report] { source.injectInput(report); });
            page.onLightAndKeyboardSleepTime(600, 1800, 0);
            QCOMPARE(acknowledged.count(), 1);
            QCOMPARE(DevicePageProbe(page).toast()->text(), fromSelected ? QStringLiteral("Sleep time has been set")
                                                                         : QStringLiteral("Sleep time set failed"));
            return;
        }
        // A fence behind the report tells when the link has handled it.
        QSignalSpy done(sourceLink, &DDeviceKeyboardLink::sigQN9080Recv0x0bCmd);
        SimulatedKeyboard::StateReport state = source.state();
        state.downloadStatus = 3;
        source.setState(state);
        source.sendStateReport();
        report[1] = 0x0B;
        source.injectInput(report);
        QVERIFY(done.wait(kLoadTimeoutMs));
        auto* download = page.findChild<DOnboardDownload*>();
        QVERIFY(download);
        QCOMPARE(download->downloadStatus() == 3, fromSelected);
    }

    // Language changes reach the hosted pages also with no keyboard selected.
    void retranslate()
    {
        SimulatorHarness sim;
        LoadedPage loaded = loadPage();
        QVERIFY(loaded.msToLoadEnd >= 0);
        DDevicePage& page = *loaded.page;
        QVERIFY(!DevicePageProbe(page).selectedRow());
        auto* download
            = DevicePageProbe(page).customKeysPage()->findChild<QPushButton*>(QStringLiteral("pushButton_Download"));
        QCOMPARE(download->text(), QStringLiteral("Download"));

        QVERIFY(m_translator.load(QStringLiteral(ORVANE_TEST_BIN_DIR "/translation/German.qm")));
        QCoreApplication::installTranslator(&m_translator);
        page.retranslate();
        QCOMPARE(download->text(), QStringLiteral("In Tastatur schreiben"));
        QCOMPARE(page.findChild<QLabel*>(QStringLiteral("label"))->text(), QStringLiteral("Geräteliste"));
        QCOMPARE(page.findChild<QLabel*>(QStringLiteral("label_Tip"))->text(), QStringLiteral("Gerät nicht verbunden"));
        QCOMPARE(page.findChild<QPushButton*>(QStringLiteral("pushButton_Reset"))->text(),
                 QStringLiteral("Zurücksetzen"));
        // After a language change the link takes the theme's accent colour.
        const QColor accent = DDataManager::getInstance()->themeRoles().color(DThemeRoles::AccentText);
        QVERIFY(page.findChild<QLabel*>(QStringLiteral("label_Url"))
                    ->text()
                    .contains(QStringLiteral("color:%1;").arg(accent.name())));
    }

    void themeReachesPagesAndRows()
    {
        SimulatorHarness sim;
        sim.plug("OV68M");
        LoadedPage loaded = loadPage();
        QVERIFY(loaded.msToLoadEnd >= 0);
        DDevicePage& page = *loaded.page;
        DDataManager::getInstance()->loadTheme(1);
        DAppStyle::apply(1);
        const QString accent = DDataManager::getInstance()->themeColors().textCheckedColor;
        const QColor text = DDataManager::getInstance()->themeRoles().color(DThemeRoles::Text);
        page.setTheme();
        auto* download
            = DevicePageProbe(page).customKeysPage()->findChild<QPushButton*>(QStringLiteral("pushButton_Download"));
        const QColor drawn = RenderedLook::text(download);
        QList<QColor> names;
        for (DDeviceListItem* row : DevicePageProbe(page).rows())
            names << RenderedLook::text(row->findChild<QLabel*>(QStringLiteral("label_ProductName")));
        DDataManager::getInstance()->loadTheme(0);
        DAppStyle::apply(0);
        QCOMPARE(drawn.rgb(), text.rgb());
        QVERIFY(!names.isEmpty());
        for (const QColor& name : names)
            QCOMPARE(name.rgb(), DThemeColor::fromText(accent).rgb());
    }

    void profileReachesPagesAndLink()
    {
        SimulatorHarness sim;
        sim.plug("OV68M");
        LoadedPage loaded = loadPage();
        QVERIFY(loaded.msToLoadEnd >= 0);
        DDevicePage& page = *loaded.page;
        // Selected once the keyboard has answered, which may take a while on a busy machine.
        QTRY_VERIFY_WITH_TIMEOUT(DevicePageProbe(page).selectedLink(), kLoadTimeoutMs);
        DDeviceKeyboardLink* link = DevicePageProbe(page).selectedLink();
        QVERIFY(link);
        QTRY_VERIFY(!DevicePageProbe(page).profileFolder().isEmpty());
        const QString folder = DevicePageProbe(page).profileFolder();
        QByteArray path("/config/OV68M/serial/appProfile_Default.xml");
        page.setCurrentProfile(3, path.constData());
        // Each receiver keeps its own copy.
        path.fill('x');
        const QByteArray expected("/config/OV68M/serial/appProfile_Default.xml");
        QCOMPARE(DevicePageProbe(page).lightsConfigPage()->profileIndex(), 3);
        QCOMPARE(QByteArray(DevicePageProbe(page).lightsConfigPage()->profilePath()), expected);
        QCOMPARE(DevicePageProbe(page).performancePage()->profileIndex(), 3);
        QCOMPARE(QByteArray(DevicePageProbe(page).performancePage()->profilePath()), expected);
        QCOMPARE(link->profileIndex(), 3);
        QCOMPARE(QByteArray(link->profilePath()), expected);

        // The key page reads a clicked key's function through its own copy.
        QByteArray layer = QFile::encodeName(folder + "/appProfile_FN.xml");
        const QByteArray fnProfile = QByteArray::number(COrvaneXML_GetCreateXMLFileProfileIndex(layer));
        QVERIFY(COrvaneXML_AddProFileMacroWithKeyInfoItem(layer, fnProfile, "4", "A", "3", "1", "1", "2"));
        page.setCurrentProfile(fnProfile.toInt(), layer.constData());
        layer.fill('x');
        DDataManager::getInstance()->setCurrentKey(4, QStringLiteral("A"));
        auto* stack = DevicePageProbe(page).customKeysPage()->findChild<QStackedWidget*>(
            QStringLiteral("stackedWidget_Customize"));
        QCOMPARE(stack->currentWidget()->objectName(), QStringLiteral("page_Multimedia"));
    }

    // The receiver's state report brings a keyboard behind it online and
    // takes it away again; the selection follows.
    void receiverKeyboardComesAndGoes_data()
    {
        QTest::addColumn<bool>("withCable");
        QTest::newRow("alone") << false;
        QTest::newRow("beside a cable keyboard") << true;
    }
    void receiverKeyboardComesAndGoes()
    {
        QFETCH(bool, withCable);
        SimulatorHarness sim;
        auto receiver = sim.plug("OV84W", true);
        std::shared_ptr<SimulatedKeyboard> cable;
        if (withCable)
            cable = sim.plug("OV68M");
        LoadedPage loaded = loadPage();
        QVERIFY(loaded.msToLoadEnd >= 0);
        DDevicePage& page = *loaded.page;
        const QString receiverPath = pathOf(sim, receiver);
        DDeviceListItem* receiverRow = DevicePageProbe(page).rowOf(receiverPath);
        DDeviceListItem* cableRow = withCable ? DevicePageProbe(page).rowOf(pathOf(sim, cable)) : nullptr;
        QVERIFY(receiverRow->isHidden());
        QCOMPARE(DevicePageProbe(page).selectedRow(), cableRow);
        loaded.names->clear();

        receiver->sendStateReport();
        QTRY_VERIFY_WITH_TIMEOUT(!receiverRow->isHidden(), kLoadTimeoutMs);
        QCOMPARE(receiverRow->deviceInfo().isOnline, 1);
        QCOMPARE(receiverRow->findChild<QLabel*>(QStringLiteral("label_DeviceName"))->text(),
                 QStringLiteral("Pulse 84 Wireless(2.4G)"));
        QCOMPARE(DevicePageProbe(page).rowOf(receiverPath), receiverRow);
        if (withCable) {
            // Only its row turns online; the cable keyboard stays selected
            // and listed first.
            QCOMPARE(DevicePageProbe(page).selectedRow(), cableRow);
            QCOMPARE(rowModels(page).mid(0, 2), QStringList({"OV68M", "OV84W"}));
            QCOMPARE(loaded.names->count(), 0);
            QTest::mousePress(receiverRow, Qt::LeftButton, {}, QPoint(10, 10));
        }
        QCOMPARE(DevicePageProbe(page).selectedRow(), receiverRow);
        QTRY_COMPARE_WITH_TIMEOUT(DevicePageProbe(page).selectedLink(), page.deviceLinkMap().value(receiverPath),
                                  kLoadTimeoutMs);
        QCOMPARE(shownPage(page)->objectName(), QStringLiteral("page_HaveDevice"));
        QCOMPARE(loaded.names->last().at(1).toString(), QStringLiteral("Pulse 84 Wireless"));

        receiver->setOnline(false);
        QTRY_VERIFY_WITH_TIMEOUT(receiverRow->isHidden(), kLoadTimeoutMs);
        QCOMPARE(receiverRow->deviceInfo().isOnline, 0);
        if (withCable) {
            QCOMPARE(DevicePageProbe(page).selectedRow(), cableRow);
            QTRY_COMPARE_WITH_TIMEOUT(DevicePageProbe(page).selectedLink(),
                                      page.deviceLinkMap().value(pathOf(sim, cable)), kLoadTimeoutMs);
            QCOMPARE(DevicePageProbe(page).lightingEngine()->hidInterface(), DevicePageProbe(page).selectedInterface());
            QCOMPARE(loaded.names->last().at(1).toString(), QStringLiteral("Swift 68 HE"));
            QCOMPARE(rowModels(page).mid(0, 2), QStringList({"OV68M", "OV84W"}));
        } else {
            QVERIFY(!DevicePageProbe(page).selectedRow());
            QVERIFY(!DevicePageProbe(page).selectedInterface());
            QVERIFY(!DevicePageProbe(page).lightingEngine()->hidInterface());
            QCOMPARE(shownPage(page)->objectName(), QStringLiteral("page_TipShow"));
            QCOMPARE(loaded.names->last(), QVariantList({QStringLiteral("HID"), QStringLiteral("RGB")}));
        }
        // The keyboard's link stays open: the receiver still answers.
        QVERIFY(page.deviceLinkMap().contains(receiverPath));
        QVERIFY(!receiverRow->isSelected());
    }

    // A reload lets the old rows go and leaves no stray children; each
    // keyboard keeps its one link.
    void reloadReleasesRows()
    {
        SimulatorHarness sim;
        auto keyboard = sim.plug("OV68M");
        LoadedPage loaded = loadPage();
        QVERIFY(loaded.msToLoadEnd >= 0);
        DDevicePage& page = *loaded.page;
        QList<QPointer<DDeviceListItem>> oldRows;
        for (DDeviceListItem* row : DevicePageProbe(page).rows())
            oldRows << row;
        // Selected once the keyboard has answered, which may take a while on a busy machine.
        QTRY_VERIFY_WITH_TIMEOUT(DevicePageProbe(page).selectedLink(), kLoadTimeoutMs);
        DDeviceKeyboardLink* link = DevicePageProbe(page).selectedLink();
        QVERIFY(link);

        page.onLoadDeviceList();
        QTRY_VERIFY(
            std::all_of(oldRows.cbegin(), oldRows.cend(), [](const QPointer<DDeviceListItem>& r) { return !r; }));
        auto* contents = page.findChild<QWidget*>(QStringLiteral("scrollAreaWidgetContents_2"));
        QCOMPARE(contents->findChildren<DDeviceListItem*>(QString(), Qt::FindDirectChildrenOnly).size(),
                 rowModels(page).size());
        QCOMPARE(page.deviceLinkMap().size(), 1);
        QCOMPARE(page.deviceLinkMap().value(pathOf(sim, keyboard)), link);
        QCOMPARE(sim.bus().openCount(), 1);
        QCOMPARE(DevicePageProbe(page).selectedRow(), DevicePageProbe(page).rowOf(pathOf(sim, keyboard)));
    }

private:
    QTranslator m_translator;
};

ORVANE_TEST_MAIN(tst_DDevicePage)
#include "tst_DDevicePage.moc"
