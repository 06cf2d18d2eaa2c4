#include "support/ApplicationSetUp.h"
#include "support/TestMain.h"

#include "app/DDataManager.h"
#include "support/SimulatorHarness.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/triggerSetting/DTriggerSettingPage.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>
#include <QTranslator>

namespace {

// Whether all of the widget lies inside every widget it sits in, up to the
// window: nothing of it is cut off or scrolled away.
bool wholeInView(const QWidget* widget, const QWidget* window)
{
    const QRect own(widget->mapTo(window, QPoint(0, 0)), widget->size());
    QRect view = own;
    for (const QWidget* outer = widget->parentWidget(); outer && outer != window; outer = outer->parentWidget())
        view &= QRect(outer->mapTo(window, QPoint(0, 0)), outer->size());
    view &= window->rect();
    return view == own;
}

} // namespace

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

    void triggerPageShowsEveryControlAtTheDefaultSize_data() { addEveryLanguageRow(); }
    void triggerPageShowsEveryControlAtTheDefaultSize()
    {
        QFETCH(QString, language);
        QTranslator translator;
        QVERIFY(installTranslation(translator, language));
        SimulatorHarness sim;
        sim.plug("OV68M");
        DMainWidget window(sim.newDeviceChangeSource());
        window.show();
        DDevicePage* page = window.devicePage();
        QSignalSpy loaded(page, &DDevicePage::sigHaveCheckUpgradeFirmwareNUC);
        QVERIFY(loaded.wait(20000));
        QVERIFY(window.isDeviceListShown());
        page->findChild<QToolButton*>(QStringLiteral("toolButton_TriggerSetting"))->click();
        auto* trigger = page->findChild<DTriggerSettingPage*>();
        QTRY_VERIFY(trigger->isVisible());

        // The tallest form: quick trigger with separate press and release.
        for (const char* name : {"checkBox_QuickTrigger", "checkBox_SecondarySensitivity"}) {
            auto* box = trigger->findChild<QCheckBox*>(QLatin1String(name));
            if (!box->isChecked())
                box->click();
            QVERIFY2(box->isChecked(), name);
        }
        QApplication::processEvents();

        int controls = 0;
        for (QWidget* widget : trigger->findChildren<QWidget*>()) {
            const bool control = qobject_cast<QAbstractButton*>(widget) || qobject_cast<QAbstractSlider*>(widget)
                || (qobject_cast<QLabel*>(widget) && !qobject_cast<QLabel*>(widget)->text().isEmpty());
            if (!control || !widget->isVisible() || widget->width() <= 0 || widget->height() <= 0)
                continue;
            ++controls;
            QVERIFY2(wholeInView(widget, &window), qPrintable(widget->objectName()));
        }
        for (const char* name : {"horizontalSlider_PressJourney", "horizontalSlider_ReleaseJourney"})
            QVERIFY2(trigger->findChild<QWidget*>(QLatin1String(name))->isVisible(), name);
        QVERIFY(controls > 10);
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
