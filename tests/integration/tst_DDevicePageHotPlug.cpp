// Hot plug on the device page against the simulated bus, through the real
// I/O threads of the keyboard links: arrivals, removals, the selection they
// change, the order of the rows, and bursts of changes.
#include "support/ApplicationSetUp.h"
#include "support/DevicePageProbe.h"
#include "support/LoadedDevicePage.h"
#include "support/TestMain.h"

#include "app/DDataManager.h"
#include "hid/DDeviceKeyboardLink.h"
#include "hid/MainHidInterFace.h"
#include "support/SimulatorHarness.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDeviceListItem.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/keyboardView/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/lightDeal/lightDealMain.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <memory>

namespace {

constexpr int kLoadTimeoutMs = 20000;

QString shownPage(DDevicePage& page)
{
    return page.findChild<QStackedWidget*>(QStringLiteral("stackedWidget_3"))->currentWidget()->objectName();
}

// The rows in the list's layout, by what each stands for, with "(hidden)"
// behind rows that do not show.
QStringList layoutRows(DDevicePage& page)
{
    auto* layout = page.findChild<QVBoxLayout*>(QStringLiteral("verticalLayout_17"));
    QStringList result;
    for (int i = 0; i < layout->count(); ++i) {
        auto* row = qobject_cast<DDeviceListItem*>(layout->itemAt(i)->widget());
        if (!row)
            continue;
        result << DevicePageProbe::rowKey(*row) + (row->isHidden() ? QStringLiteral(" (hidden)") : QString());
    }
    return result;
}

QStringList shownRows(DDevicePage& page)
{
    QStringList shown;
    for (const QString& r : layoutRows(page)) {
        if (!r.endsWith(QLatin1String("(hidden)")))
            shown << r;
    }
    return shown;
}

QString selectedKey(DDevicePage& page)
{
    const DDeviceListItem* row = DevicePageProbe(page).selectedRow();
    return row ? DevicePageProbe::rowKey(*row) : QString();
}

QStringList presentPaths(SimulatorHarness& sim)
{
    QStringList paths;
    for (const auto& k : sim.bus().keyboards())
        paths << QString::fromStdString(sim.pathOf(k));
    paths.sort();
    return paths;
}

QString pathOf(SimulatorHarness& sim, const std::shared_ptr<SimulatedKeyboard>& k)
{
    return QString::fromStdString(sim.pathOf(k));
}

// The page agrees with the bus: every present keyboard known, linked and
// filed with its row; nothing else known or linked.
void verifyMatchesBus(DDevicePage& page, SimulatorHarness& sim)
{
    const QStringList present = presentPaths(sim);
    QCOMPARE(page.deviceInfoMap().keys(), present);
    QCOMPARE(page.deviceLinkMap().keys(), present);
    for (const QString& p : present) {
        QVERIFY(DevicePageProbe(page).rowOf(p));
        QVERIFY(page.deviceLinkMap().value(p)->hidInterface()->isOpen());
    }
}

} // namespace

class tst_DDevicePageHotPlug : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplicationTest(); }

    // The model's offline row becomes the keyboard's row; the keyboard is
    // opened and selected.
    void firstCableKeyboardArrives()
    {
        SimulatorHarness sim;
        auto page = loadedDevicePage(kLoadTimeoutMs);
        QVERIFY(page);
        QCOMPARE(shownPage(*page), QStringLiteral("page_TipShow"));
        QPointer<DDeviceListItem> offlineRow = DevicePageProbe(*page).rowOf(QStringLiteral("OV68M"));
        QVERIFY(offlineRow);
        QSignalSpy names(page.get(), &DDevicePage::sigReturnHidLikeName);
        QSignalSpy removalOver(page.get(), &DDevicePage::sigIntoOrRemoveHidOver);

        const auto keyboard = sim.plug("OV68M");
        const QString path = pathOf(sim, keyboard);
        page->onHidDeviceChanged(11, QStringLiteral("hidPath"));

        verifyMatchesBus(*page, sim);
        QCOMPARE(DevicePageProbe(*page).rowOf(path), offlineRow.data());
        QVERIFY(!DevicePageProbe(*page).rowOf(QStringLiteral("OV68M")));
        QCOMPARE(selectedKey(*page), path);
        QVERIFY(DevicePageProbe(*page).selectedLink());
        QCOMPARE(DevicePageProbe(*page).selectedLink(), page->deviceLinkMap().value(path));
        QCOMPARE(shownPage(*page), QStringLiteral("page_HaveDevice"));
        QVERIFY(!names.isEmpty());
        QCOMPARE(names.last().at(0).toString(), QStringLiteral("Orvane Swift 68 HE"));
        QCOMPARE(shownRows(*page), QStringList{path});
        QCOMPARE(layoutRows(*page).first(), path);
        QCOMPARE(removalOver.count(), 0);
    }

    // Behind a receiver the keyboard is opened but waits, hidden, for its
    // receiver to report it.
    void receiverArrives()
    {
        SimulatorHarness sim;
        auto page = loadedDevicePage(kLoadTimeoutMs);
        QVERIFY(page);
        QSignalSpy names(page.get(), &DDevicePage::sigReturnHidLikeName);
        const auto keyboard = sim.plug("OV68M", true);
        const QString path = pathOf(sim, keyboard);
        page->onHidDeviceChanged(11, QStringLiteral("hidPath"));

        verifyMatchesBus(*page, sim);
        QCOMPARE(page->deviceInfoMap().value(path).isOnline, 0);
        QCOMPARE(page->deviceInfoMap().value(path).is24G, 1);
        QVERIFY(!DevicePageProbe(*page).selectedRow());
        QVERIFY(!DevicePageProbe(*page).selectedLink());
        QCOMPARE(shownPage(*page), QStringLiteral("page_TipShow"));
        QCOMPARE(names.last(), (QList<QVariant>{"HID", "RGB"}));
        QVERIFY(DevicePageProbe(*page).rowOf(path)->isHidden());
    }

    void secondCableKeyboardWhileOneIsSelected_data()
    {
        QTest::addColumn<QString>("secondModel");
        QTest::addColumn<bool>("rowShown");
        QTest::newRow("same model") << "OV68M" << false;
        QTest::newRow("other model") << "OV82M" << true;
    }
    void secondCableKeyboardWhileOneIsSelected()
    {
        QFETCH(QString, secondModel);
        QFETCH(bool, rowShown);
        SimulatorHarness sim;
        const auto first = sim.plug("OV68M");
        auto page = loadedDevicePage(kLoadTimeoutMs);
        QVERIFY(page);
        const QString firstPath = pathOf(sim, first);
        QCOMPARE(selectedKey(*page), firstPath);
        DDeviceKeyboardLink* firstLink = DevicePageProbe(*page).selectedLink();
        QVERIFY(firstLink);
        const int opened = sim.bus().openCount();

        const auto second = sim.plug(secondModel.toLatin1().constData());
        const QString secondPath = pathOf(sim, second);
        page->onHidDeviceChanged(11, QStringLiteral("hidPath"));

        verifyMatchesBus(*page, sim);
        QCOMPARE(selectedKey(*page), firstPath);
        QCOMPARE(DevicePageProbe(*page).selectedLink(), firstLink);
        QCOMPARE(opened, 1);
        QCOMPARE(sim.bus().openCount(), 2);
        QCOMPARE(shownPage(*page), QStringLiteral("page_HaveDevice"));
        if (rowShown)
            QCOMPARE(shownRows(*page), (QStringList{firstPath, secondPath}));
        else
            QCOMPARE(shownRows(*page), QStringList{firstPath});
    }

    void selectedKeyboardPulledOut_data()
    {
        QTest::addColumn<bool>("otherViaReceiver");
        QTest::newRow("another cable keyboard takes over") << false;
        QTest::newRow("only an unconnected receiver keyboard left") << true;
    }
    void selectedKeyboardPulledOut()
    {
        QFETCH(bool, otherViaReceiver);
        SimulatorHarness sim;
        const auto selected = sim.plug("OV82M");
        const auto other = sim.plug("OV68M", otherViaReceiver);
        auto page = loadedDevicePage(kLoadTimeoutMs);
        QVERIFY(page);
        const QString selectedPath = pathOf(sim, selected);
        const QString otherPath = pathOf(sim, other);
        QCOMPARE(selectedKey(*page), selectedPath);
        QPointer<MainHidInterFace> io = DevicePageProbe(*page).selectedInterface();
        QVERIFY(io && io->isRunning());
        const MainHidInterFace* const gone = io.data();
        QSignalSpy names(page.get(), &DDevicePage::sigReturnHidLikeName);
        QSignalSpy removalOver(page.get(), &DDevicePage::sigIntoOrRemoveHidOver);
        DevicePageProbe(*page).customKeysPage()->setKeyboardHookEnabled(true);
        QVERIFY(DevicePageProbe(*page).customKeysPage()->isKeyboardHookEnabled());

        sim.bus().unplug(selected);
        page->onHidDeviceChanged(12, QStringLiteral("hidPath"));

        verifyMatchesBus(*page, sim);
        QVERIFY(!io->isOpen());
        // The gone keyboard's link ends, and its I/O thread with it.
        QTRY_VERIFY(io.isNull());
        QCOMPARE(page->linkCount(), page->deviceLinkMap().size());
        QVERIFY(DevicePageProbe(*page).rowOf(QStringLiteral("OV82M")));
        QCOMPARE(QString::fromLatin1(DevicePageProbe(*page).rowOf("OV82M")->deviceInfo().hidPath),
                 QStringLiteral("OV82M"));
        QCOMPARE(DevicePageProbe(*page).rowOf("OV82M")->onlineState(), 0);
        QCOMPARE(removalOver.count(), 1);
        QVERIFY(!DevicePageProbe(*page).customKeysPage()->isKeyboardHookEnabled());
        QVERIFY(DevicePageProbe(*page).lightingEngine()->hidInterface() != gone);
        if (!otherViaReceiver) {
            QCOMPARE(selectedKey(*page), otherPath);
            QCOMPARE(DevicePageProbe(*page).selectedLink(), page->deviceLinkMap().value(otherPath));
            QCOMPARE(DevicePageProbe(*page).lightingEngine()->hidInterface(),
                     DevicePageProbe(*page).selectedInterface());
            QCOMPARE(shownPage(*page), QStringLiteral("page_HaveDevice"));
            QCOMPARE(names.last().at(0).toString(), QStringLiteral("Orvane Swift 68 HE"));
        } else {
            QVERIFY(!DevicePageProbe(*page).selectedRow());
            QVERIFY(!DevicePageProbe(*page).selectedInterface());
            QVERIFY(!DevicePageProbe(*page).lightingEngine()->hidInterface());
            QCOMPARE(shownPage(*page), QStringLiteral("page_TipShow"));
            QCOMPARE(names.last(), (QList<QVariant>{"HID", "RGB"}));
        }
    }

    void otherKeyboardPulledOut()
    {
        SimulatorHarness sim;
        const auto selected = sim.plug("OV82M");
        const auto other = sim.plug("OV68M");
        auto page = loadedDevicePage(kLoadTimeoutMs);
        QVERIFY(page);
        const QString selectedPath = pathOf(sim, selected);
        const QString otherPath = pathOf(sim, other);
        QCOMPARE(selectedKey(*page), selectedPath);
        DDeviceKeyboardLink* otherLink = page->deviceLinkMap().value(otherPath);
        QPointer<MainHidInterFace> io = otherLink->hidInterface();
        QSignalSpy removalOver(page.get(), &DDevicePage::sigIntoOrRemoveHidOver);

        sim.bus().unplug(other);
        page->onHidDeviceChanged(12, QStringLiteral("hidPath"));

        verifyMatchesBus(*page, sim);
        QCOMPARE(selectedKey(*page), selectedPath);
        QVERIFY(!io->isOpen());
        // The gone keyboard's link ends, and its I/O thread with it.
        QTRY_VERIFY(io.isNull());
        QCOMPARE(page->linkCount(), page->deviceLinkMap().size());
        QVERIFY(DevicePageProbe(*page).selectedRow()->onlineState() == 1);
        const QStringList rows = layoutRows(*page);
        // The gone keyboard's row joins the offline rows, in model order.
        QCOMPARE(rows.first(), selectedPath);
        QStringList offline = rows.mid(1);
        QVERIFY(offline.contains(QStringLiteral("OV68M (hidden)")));
        for (const QString& r : offline)
            QVERIFY2(r.endsWith(QLatin1String(" (hidden)")), qPrintable(r));
        QStringList sorted = offline;
        sorted.sort();
        QCOMPARE(offline, sorted);
        QCOMPARE(removalOver.count(), 1);
    }

    // A notice for which the bus shows no change moves nothing.
    void noticeWithoutChange_data()
    {
        QTest::addColumn<int>("changeType");
        QTest::newRow("arrival") << 11;
        QTest::newRow("removal") << 12;
    }
    void noticeWithoutChange()
    {
        QFETCH(int, changeType);
        SimulatorHarness sim;
        sim.plug("OV82M");
        sim.plug("OV68M", true);
        auto page = loadedDevicePage(kLoadTimeoutMs);
        QVERIFY(page);
        const QStringList before = layoutRows(*page);
        const QString selected = selectedKey(*page);
        const int links = sim.bus().openCount();
        QSignalSpy removalOver(page.get(), &DDevicePage::sigIntoOrRemoveHidOver);
        page->onHidDeviceChanged(changeType, QStringLiteral("hidPath"));
        QCOMPARE(layoutRows(*page), before);
        QCOMPARE(selectedKey(*page), selected);
        QCOMPARE(sim.bus().openCount(), links);
        QCOMPARE(removalOver.count(), 0);
    }

    // Any other change code only puts the rows in order.
    void otherCodeReordersOnly()
    {
        SimulatorHarness sim;
        const auto a = sim.plug("OV82M");
        auto page = loadedDevicePage(kLoadTimeoutMs);
        QVERIFY(page);
        const auto b = sim.plug("OV61M");
        page->onHidDeviceChanged(5, QStringLiteral("hidPath"));
        QVERIFY(!page->deviceInfoMap().contains(pathOf(sim, b)));
        QCOMPARE(layoutRows(*page).first(), pathOf(sim, a));
        QCOMPARE(shownRows(*page), QStringList{pathOf(sim, a)});
    }

    // Plugged in and pulled out together, with one notice for all: the list
    // ends with exactly the keyboards present.
    void burstWithOneNotice()
    {
        SimulatorHarness sim;
        const auto stays = sim.plug("OV82M");
        const auto goes = sim.plug("OV61M");
        auto page = loadedDevicePage(kLoadTimeoutMs);
        QVERIFY(page);
        QCOMPARE(page->deviceInfoMap().size(), 2);

        sim.bus().unplug(goes);
        sim.plug("OV68M");
        sim.plug("OV68M", true);
        sim.plug("OV98");
        page->onHidDeviceChanged(12, QStringLiteral("hidPath"));
        verifyMatchesBus(*page, sim);
        QCOMPARE(page->deviceInfoMap().size(), 4);
        QCOMPARE(selectedKey(*page), pathOf(sim, stays));
    }

    // A change while the refresh waits for a new keyboard's link gets no
    // refresh of its own (its notice is dropped) and is still taken in.
    void changeDuringALinkWait_data()
    {
        QTest::addColumn<bool>("unplugSelected");
        QTest::newRow("another keyboard plugged in") << false;
        QTest::newRow("the selected keyboard pulled out") << true;
    }
    void changeDuringALinkWait()
    {
        QFETCH(bool, unplugSelected);
        SimulatorHarness sim;
        const auto selected = sim.plug("OV61M");
        auto page = loadedDevicePage(kLoadTimeoutMs);
        QVERIFY(page);
        QCOMPARE(selectedKey(*page), pathOf(sim, selected));
        QPointer<MainHidInterFace> selectedIo = DevicePageProbe(*page).selectedInterface();
        QVERIFY(selectedIo);
        const auto slow = sim.plug("OV82M");
        slow->setAnswerDelayMs(600);
        std::shared_ptr<SimulatedKeyboard> late;
        bool changed = false;
        QTimer::singleShot(150, [&] {
            if (unplugSelected)
                sim.bus().unplug(selected);
            else
                late = sim.plug("OV68M");
            changed = true;
            page->onHidDeviceChanged(unplugSelected ? 12 : 11, QStringLiteral("hidPath"));
        });
        page->onHidDeviceChanged(11, QStringLiteral("hidPath"));
        QVERIFY2(changed, "the change came after the refresh");
        verifyMatchesBus(*page, sim);
        if (unplugSelected) {
            QCOMPARE(page->deviceInfoMap().size(), 1);
            QVERIFY(!selectedIo->isOpen());
            QCOMPARE(selectedKey(*page), pathOf(sim, slow));
            QCOMPARE(DevicePageProbe(*page).selectedInterface(),
                     page->deviceLinkMap().value(pathOf(sim, slow))->hidInterface());
        } else {
            QCOMPARE(page->deviceInfoMap().size(), 3);
            QCOMPARE(selectedKey(*page), pathOf(sim, selected));
        }
    }

    // Through the main window, with the notices of the simulated bus: a
    // burst of plugs and unplugs from another thread ends with exactly the
    // keyboards present.
    void burstThroughTheWindow()
    {
        SimulatorHarness sim;
        const auto first = sim.plug("OV82M");
        const auto second = sim.plug("OV61M");
        DMainWidget window(sim.newDeviceChangeSource());
        QSignalSpy loadEnd(window.devicePage(), &DDevicePage::sigHaveCheckUpgradeFirmwareNUC);
        QVERIFY(loadEnd.wait(kLoadTimeoutMs));
        DDevicePage& page = *window.devicePage();
        QCOMPARE(page.deviceInfoMap().size(), 2);

        std::thread burst([&] {
            sim.bus().unplug(first);
            auto a = sim.plug("OV68M");
            sim.plug("OV98");
            sim.bus().unplug(a);
            sim.plug("OV68M", true);
            sim.bus().unplug(second);
            sim.plug("OV61M");
        });
        burst.join();
        QTRY_VERIFY_WITH_TIMEOUT(page.deviceInfoMap().keys() == presentPaths(sim), kLoadTimeoutMs);
        // The notices still queued change nothing more.
        QTest::qWait(3 * 300 + 200);
        verifyMatchesBus(page, sim);
        QVERIFY(DevicePageProbe(page).selectedRow());
        QCOMPARE(DevicePageProbe(page).selectedRow()->deviceInfo().is24G, 0);
        QCOMPARE(shownPage(page), QStringLiteral("page_HaveDevice"));
    }
};

ORVANE_TEST_MAIN(tst_DDevicePageHotPlug)
#include "tst_DDevicePageHotPlug.moc"
