// Choosing a language in the settings dialog with the program's own
// application object: the choice is stored and loaded, and the dialog, the
// main window, its tray menu and the device page speak it at once.
#include "support/ApplicationSetUp.h"
#include "support/StyleSheetWarnings.h"
#include "support/TestEnvironment.h"

#include "app/DAppllication.h"
#include "app/DDataManager.h"
#include "app/DUserSettingsKeys.h"
#include "app/QtLinguist.h"
#include "app/resourceInit.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/settings/DSettingsDia.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QtTest>

namespace {

// Read from the translations, so a reworded text does not break the test.
QString translated(const char* context, const char* text)
{
    return QCoreApplication::translate(context, text);
}

} // namespace

class tst_settingsLanguage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        prepareApplicationTest();
        QVERIFY(DAppllication::instance()->mainWidget());
        QCOMPARE(translated("QObject", "Settings"), QStringLiteral("Einstellungen"));
    }

    void choiceSpeaksEverywhere_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("title");
        QTest::newRow("English") << "English" << 3 << "Settings";
        QTest::newRow("Russian") << "Русский" << 6 << "Настройки";
        QTest::newRow("German") << "Deutsch" << 10 << "Einstellungen";
    }
    void choiceSpeaksEverywhere()
    {
        QFETCH(QString, name);
        QFETCH(int, index);
        QFETCH(QString, title);
        DMainWidget* window = DAppllication::instance()->mainWidget();
        window->findChild<QPushButton*>(QStringLiteral("pushButton_Setting"))->click();
        QPointer<DSettingsDia> dialog = window->findChildren<DSettingsDia*>().last();
        auto* themes = dialog->findChild<QComboBox*>(QStringLiteral("comboBox_Theme"));
        themes->setCurrentIndex(2);
        QSignalSpy updated(dialog.data(), &DSettingsDia::sigUpdataAllUI);
        QSignalSpy themed(dialog.data(), &DSettingsDia::sigChangAppTheme);

        dialog->findChild<QComboBox*>(QStringLiteral("comboBox_Language"))->setCurrentText(name);

        QCOMPARE(QSettings(DDataManager::userSettingsPath(), QSettings::IniFormat)
                     .value(DUserSettingsKeys::kLanguageIndex)
                     .toInt(),
                 index);
        QCOMPARE(updated.count(), 1);
        QCOMPARE(themed.count(), 0);

        QCOMPARE(translated("QObject", "Settings"), title);
        QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("label_Title"))->text(), title);
        QCOMPARE(dialog->findChild<QPushButton*>(QStringLiteral("pushButton_UpgradeCheck"))->text(),
                 translated("QObject", "Firmware upgrade check"));
        QCOMPARE(themes->count(), 4);
        QCOMPARE(themes->currentIndex(), 2);
        QCOMPARE(themes->currentText(), translated("DSettingsDia", "Blue"));
        QCOMPARE(themes->itemText(0), translated("DSettingsDia", "Dark"));

        QCOMPARE(window->devicePage()->findChild<QLabel*>(QStringLiteral("label"))->text(),
                 translated("QObject", "Device List"));
        QStringList trayTexts;
        for (QAction* action : window->findChildren<QAction*>())
            trayTexts << action->text();
        QVERIFY2(trayTexts.contains(translated("QObject", "Quit(&Q)")), qPrintable(trayTexts.join(',')));

        dialog->findChild<QPushButton*>(QStringLiteral("pushButton_Close"))->click();
        QTRY_VERIFY(dialog.isNull());
    }
};

// The program's application object, started in German, with the build's
// translations borrowed beside the test as the program has them beside itself.
int main(int argc, char* argv[])
{
    TestEnvironment environment;
    initOrvaneResources();
    const QString translations = QFileInfo(QString::fromLocal8Bit(argv[0])).absolutePath() + "/translation";
    if (!QFileInfo::exists(translations))
        QFile::link(QStringLiteral(ORVANE_TEST_BIN_DIR "/translation"), translations);
    {
        // The program's data folder is named after the running program.
        const QString folder = environment.dataHome() + QLatin1Char('/')
                               + QFileInfo(QString::fromLocal8Bit(argv[0])).fileName() + QStringLiteral("/UserConfig");
        QDir().mkpath(folder);
        QSettings user(folder + QStringLiteral("/OrvaneConfig.ini"), QSettings::IniFormat);
        user.setValue(DUserSettingsKeys::kLanguageIndex, int(QtLinguist::German));
    }
    DAppllication app(QStringLiteral("tst_settingsLanguage"), argc, argv, false);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    tst_settingsLanguage tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return StyleSheetWarnings::exec(&tc, argc, argv);
}

#include "tst_settingsLanguage.moc"
