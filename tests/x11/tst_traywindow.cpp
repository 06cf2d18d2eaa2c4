#include "support/TestMain.h"

#include "app/DDataManager.h"
#include "app/DUserSettingsKeys.h"
#include "support/X11TrayHost.h"
#include "ui/mainwidget/DMainWidget.h"

#include <QAction>
#include <QPushButton>
#include <QSettings>
#include <QSystemTrayIcon>
#include <memory>

// With a system tray present the window really goes away to the tray, and
// comes back from it.
class tst_TrayWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<X11TrayHost> m_tray;

    static QAction* trayAction(DMainWidget& window, const QString& text)
    {
        for (QAction* action : window.findChildren<QAction*>()) {
            if (action->text() == text)
                return action;
        }
        return nullptr;
    }

private slots:
    void initTestCase()
    {
        m_tray = std::make_unique<X11TrayHost>();
        QVERIFY(m_tray->isActive());
        QTRY_VERIFY(QSystemTrayIcon::isSystemTrayAvailable());
        QSettings settings(DDataManager::getInstance()->userConfigDir() + QStringLiteral("/OrvaneConfig.ini"),
                           QSettings::IniFormat);
        settings.setValue(DUserSettingsKeys::kCloseToTray, true);
    }

    void cleanupTestCase() { m_tray.reset(); }

    void closeHidesToTheTrayAndTheIconBringsItBack_data()
    {
        QTest::addColumn<int>("reason");
        QTest::newRow("click") << int(QSystemTrayIcon::Trigger);
        QTest::newRow("double click") << int(QSystemTrayIcon::DoubleClick);
    }
    void closeHidesToTheTrayAndTheIconBringsItBack()
    {
        QFETCH(int, reason);
        DMainWidget window;
        QVERIFY(window.hasTrayIcon());
        auto* icon = window.findChild<QSystemTrayIcon*>();
        QVERIFY(icon);
        QVERIFY(icon->isVisible());
        QCOMPARE(icon->toolTip(), window.windowTitle());
        QVERIFY(icon->contextMenu());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("pushButton_Close")), Qt::LeftButton);
        QTRY_VERIFY(!window.isVisible());
        QVERIFY(!window.isMinimized());

        // The context menu opens by itself; other reasons leave the window hidden.
        window.iconActivated(QSystemTrayIcon::Context);
        window.iconActivated(QSystemTrayIcon::MiddleClick);
        QTest::qWait(50);
        QVERIFY(!window.isVisible());

        window.iconActivated(QSystemTrayIcon::ActivationReason(reason));
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(!window.isMinimized());
    }

    void trayMenuHidesAndRestores()
    {
        DMainWidget window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        trayAction(window, QStringLiteral("Minimize(&N)"))->trigger();
        QTRY_VERIFY(!window.isVisible());
        trayAction(window, QStringLiteral("Revert(&R)"))->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.hideToTray();
        QTRY_VERIFY(!window.isVisible());
        trayAction(window, QStringLiteral("Maximize(&X)"))->trigger();
        QTRY_VERIFY(window.isVisible() && window.isMaximized());
    }

    void closingTheWindowHidesTheTrayIcon()
    {
        DMainWidget window;
        window.show();
        auto* icon = window.findChild<QSystemTrayIcon*>();
        QVERIFY(icon && icon->isVisible());
        window.close();
        QVERIFY(!icon->isVisible());
    }
};

ORVANE_TEST_MAIN(tst_TrayWindow)
#include "tst_traywindow.moc"
