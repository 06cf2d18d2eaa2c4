#include "support/TestMain.h"

#include "ui/mainwidget/DTrayPolicy.h"

Q_DECLARE_METATYPE(DTrayPolicy::Action)

class tst_TrayPolicy : public QObject
{
    Q_OBJECT

private slots:
    void closeButton_data()
    {
        QTest::addColumn<bool>("closeToTray");
        QTest::addColumn<bool>("trayAvailable");
        QTest::addColumn<DTrayPolicy::Action>("action");
        QTest::newRow("to tray") << true << true << DTrayPolicy::Action::Hide;
        QTest::newRow("to tray, no tray: minimise") << true << false << DTrayPolicy::Action::Minimize;
        QTest::newRow("quit") << false << true << DTrayPolicy::Action::Quit;
        QTest::newRow("quit, no tray") << false << false << DTrayPolicy::Action::Quit;
    }
    void closeButton()
    {
        QFETCH(bool, closeToTray);
        QFETCH(bool, trayAvailable);
        QFETCH(DTrayPolicy::Action, action);
        QCOMPARE(DTrayPolicy::forCloseButton(closeToTray, trayAvailable), action);
    }

    void hideRequest()
    {
        QCOMPARE(DTrayPolicy::forHideRequest(true), DTrayPolicy::Action::Hide);
        QCOMPARE(DTrayPolicy::forHideRequest(false), DTrayPolicy::Action::Minimize);
    }
};

ORVANE_TEST_MAIN(tst_TrayPolicy)
#include "tst_traypolicy.moc"
