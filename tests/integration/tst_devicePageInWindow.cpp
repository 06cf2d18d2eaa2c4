#include "support/TestMain.h"

#include "app/DDataManager.h"
#include "support/SimulatorHarness.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>

// The main window hosts the device page: the names of the selected keyboard
// in the title, the device-list toggle, and the device page filling the
// window's device page.
class tst_devicePageInWindow : public QObject
{
    Q_OBJECT

private slots:
    void hostsTheDevicePage()
    {
        SimulatorHarness sim;
        sim.plug("OV98M");
        DMainWidget window(sim.newDeviceChangeSource());
        window.show();
        DDevicePage* page = window.devicePage();
        QVERIFY(page);
        QCOMPARE(page->parentWidget()->objectName(), QStringLiteral("page_Device"));

        QSignalSpy loaded(page, &DDevicePage::sigHaveCheckUpgradeFirmwareNUC);
        QVERIFY(loaded.wait(20000));
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("label_ProductName"))->text(),
                 QStringLiteral("Orvane Swift 98 HE"));
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("label_DeviceName"))->text(), QStringLiteral("Swift 98 HE"));

        // The defaults file keeps the maker's link frame hidden.
        QVERIFY(page->findChild<QFrame*>(QStringLiteral("frame_Url"))->isHidden());

        // A keyboard is shown, so the list is; the toggle hides and shows it.
        auto* list = page->findChild<QFrame*>(QStringLiteral("frame_left"));
        QVERIFY(window.isDeviceListShown());
        QVERIFY(list->isVisible());
        auto* toggle = window.findChild<QPushButton*>(QStringLiteral("m_listToggleButton"));
        toggle->click();
        QVERIFY(!window.isDeviceListShown());
        QVERIFY(!list->isVisible());
        toggle->click();
        QVERIFY(list->isVisible());
    }

    void noKeyboardHidesTheList()
    {
        SimulatorHarness sim;
        DMainWidget window(sim.newDeviceChangeSource());
        window.show();
        QSignalSpy loaded(window.devicePage(), &DDevicePage::sigHaveCheckUpgradeFirmwareNUC);
        QVERIFY(loaded.wait(20000));
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("label_ProductName"))->text(), QStringLiteral("HID"));
        QVERIFY(!window.isDeviceListShown());
        QVERIFY(!window.devicePage()->findChild<QFrame*>(QStringLiteral("frame_left"))->isVisible());
    }
};

ORVANE_TEST_MAIN(tst_devicePageInWindow)
#include "tst_devicePageInWindow.moc"
