#include "app/DAppllication.h"
#include "app/DLoginWidget.h"
#include "support/TestMain.h"

#include <QGraphicsOpacityEffect>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>

// The parts of the application object that need no second application:
// the stored-language rule, raising the window, and the start-up window.
class tst_DAppllication : public QObject
{
    Q_OBJECT

private slots:
    void resolveLanguageIndex_data()
    {
        QTest::addColumn<bool>("folderExists");
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<int>("expected");

        QTest::newRow("no folder") << false << QVariant() << 13;
        QTest::newRow("no key") << true << QVariant() << 13;
        QTest::newRow("-1 means system") << true << QVariant(-1) << 13;
        QTest::newRow("stored German") << true << QVariant(10) << 10;
        QTest::newRow("garbage means system") << true << QVariant(QStringLiteral("abc")) << 13;
    }

    void resolveLanguageIndex()
    {
        QFETCH(bool, folderExists);
        QFETCH(QVariant, stored);
        QFETCH(int, expected);

        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("UserConfig"));
        const QString ini = folder + QStringLiteral("/OrvaneConfig.ini");
        if (folderExists) {
            QVERIFY(QDir().mkpath(folder));
            if (stored.isValid())
                QSettings(ini, QSettings::IniFormat).setValue(QStringLiteral("Language/selectLanguageIndex"), stored);
        }
        QCOMPARE(DAppllication::resolveLanguageIndex(ini, 13), expected);
    }

    void raiseWindowBringsItBack_data()
    {
        QTest::addColumn<QString>("from");
        QTest::newRow("hidden in the tray") << "hidden";
        QTest::newRow("minimised") << "minimised";
        QTest::newRow("hidden after minimising") << "both";
    }

    void raiseWindowBringsItBack()
    {
        QFETCH(QString, from);
        QWidget window;
        window.resize(300, 200);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        if (from != QLatin1String("hidden"))
            window.showMinimized();
        if (from != QLatin1String("minimised"))
            window.hide();
        QVERIFY(!window.isVisible() || window.isMinimized());

        DAppllication::raiseWindow(&window);
        QVERIFY(window.isVisible());
        QVERIFY(!window.isMinimized());
        QVERIFY(window.windowState() & Qt::WindowActive);
    }

    void loginWidgetForm()
    {
        DLoginWidget login;
        QCOMPARE(login.objectName(), QStringLiteral("DLoginWidget"));
        QCOMPARE(login.size(), QSize(300, 400));
        QCOMPARE(login.minimumSize(), login.maximumSize());
        QCOMPARE(login.windowOpacity(), 0.0);
        QVERIFY(!login.windowIcon().pixmap(32).isNull());
        auto* button = login.findChild<QPushButton*>(QStringLiteral("pushButton_Login"));
        QVERIFY(button);
        QCOMPARE(button->geometry(), QRect(70, 210, 151, 41));
        QCOMPARE(button->text(), QStringLiteral("Login"));
        QVERIFY(!login.isVisible());
    }

    void autoLoginEmitsAtOnce()
    {
        DLoginWidget login;
        QSignalSpy spy(&login, &DLoginWidget::sigLoginFinished);
        login.autoLogin();
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toBool(), true);
        QTest::mouseClick(login.findChild<QPushButton*>(QStringLiteral("pushButton_Login")), Qt::LeftButton);
        QCOMPARE(spy.count(), 2);
    }

    void fadeOutEndsHidden()
    {
        DLoginWidget login;
        login.show();
        login.fadeOut();
        auto* effect = qobject_cast<QGraphicsOpacityEffect*>(login.graphicsEffect());
        QVERIFY(effect);
        QTRY_VERIFY_WITH_TIMEOUT(!login.isVisible(), 2000);
        QCOMPARE(effect->opacity(), 0.0);
    }
};

ORVANE_TEST_MAIN(tst_DAppllication)
#include "tst_DAppllication.moc"
