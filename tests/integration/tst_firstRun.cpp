#include "support/ProgramRunner.h"
#include "support/TestMain.h"

#include <QSettings>

// What the program writes into a fresh user settings file, and that a later
// start keeps the user's own values. Both are looked at once the window has
// painted itself: the settings are written before it is shown.
class tst_firstRun : public QObject
{
    Q_OBJECT

private:
    TestEnvironment m_env;

    QString userFile() const { return m_env.appDataDir() + QStringLiteral("/UserConfig/OrvaneConfig.ini"); }

    QVariant stored(const QString& key) const { return QSettings(userFile(), QSettings::IniFormat).value(key); }

    // Ends the instance the way a log-out does, so the next start finds the
    // leftovers of a process that never cleaned up.
    static void stop(ProgramRunner& runner)
    {
        runner.process().kill();
        runner.process().waitForFinished(10000);
    }

private slots:
    void keysAreWrittenOnce()
    {
        const QMap<QString, QString> firstRun = {
            {QStringLiteral("Language/selectLanguageIndex"), QStringLiteral("3")},
            {QStringLiteral("Theme/selectThemeIndex"), QStringLiteral("0")},
            {QStringLiteral("ThemeBgImage/BgImageIsUsing"), QStringLiteral("false")},
            {QStringLiteral("AutoStart/isAutoStart"), QStringLiteral("true")},
            {QStringLiteral("MinimizeToTray/isMinimizeToTray"), QStringLiteral("true")},
            {QStringLiteral("CloseToTray/isCloseToTray"), QStringLiteral("true")},
        };
        QProcessEnvironment english;
        english.insert(QStringLiteral("LC_ALL"), QStringLiteral("en_US.UTF-8"));
        {
            ProgramRunner first(m_env);
            first.captureOutput();
            first.start({}, &english);
            QVERIFY2(first.waitForMainWindow(), first.output().constData());
            for (auto it = firstRun.begin(); it != firstRun.end(); ++it)
                QCOMPARE(stored(it.key()).toString(), it.value());
            QVERIFY(!stored(QStringLiteral("oldVersion/VersionInfo")).toString().isEmpty());
            stop(first);
        }

        const QMap<QString, QString> userChoice = {
            {QStringLiteral("Language/selectLanguageIndex"), QStringLiteral("13")},
            {QStringLiteral("Theme/selectThemeIndex"), QStringLiteral("2")},
            {QStringLiteral("ThemeBgImage/BgImageIsUsing"), QStringLiteral("true")},
            {QStringLiteral("AutoStart/isAutoStart"), QStringLiteral("false")},
            {QStringLiteral("MinimizeToTray/isMinimizeToTray"), QStringLiteral("false")},
            {QStringLiteral("CloseToTray/isCloseToTray"), QStringLiteral("false")},
        };
        {
            QSettings settings(userFile(), QSettings::IniFormat);
            for (auto it = userChoice.begin(); it != userChoice.end(); ++it)
                settings.setValue(it.key(), it.value());
        }
        ProgramRunner second(m_env);
        second.captureOutput();
        second.start({}, &english);
        QVERIFY2(second.waitForMainWindow(), second.output().constData());
        for (auto it = userChoice.begin(); it != userChoice.end(); ++it)
            QCOMPARE(stored(it.key()).toString(), it.value());
        stop(second);
    }
};

ORVANE_TEST_MAIN(tst_firstRun)
#include "tst_firstRun.moc"
