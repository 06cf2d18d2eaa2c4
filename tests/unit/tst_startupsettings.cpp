#include "support/LockedFolder.h"
#include "support/TestMain.h"

#include "app/DStartupSettings.h"
#include "app/DUserSettingsKeys.h"
#include "platform/include/AutoStartEntry.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

class tst_StartupSettings : public QObject
{
    Q_OBJECT

private slots:
    // What the file holds before the first start, and which keys that start
    // must write. Every key ends up present; written keys are true and the
    // others keep the value they had.
    void firstRunKeysAreWrittenOnce_data()
    {
        QTest::addColumn<QVariantMap>("before");
        QTest::addColumn<bool>("writesAutoStart");
        QTest::addColumn<bool>("writesMinimize");
        QTest::addColumn<bool>("writesClose");
        QTest::newRow("empty file") << QVariantMap() << true << true << true;
        QTest::newRow("autostart off kept")
            << QVariantMap({{DUserSettingsKeys::kAutoStart, false}}) << false << true << true;
        QTest::newRow("close-to-tray off kept")
            << QVariantMap({{DUserSettingsKeys::kCloseToTray, false}}) << true << true << false;
        QTest::newRow("all present, all off") << QVariantMap({{DUserSettingsKeys::kAutoStart, false},
                                                              {DUserSettingsKeys::kMinimizeToTray, false},
                                                              {DUserSettingsKeys::kCloseToTray, false}})
                                              << false << false << false;
        QTest::newRow("odd stored text kept")
            << QVariantMap({{DUserSettingsKeys::kMinimizeToTray, QStringLiteral("maybe")}}) << true << false << true;
    }
    void firstRunKeysAreWrittenOnce()
    {
        QFETCH(QVariantMap, before);
        QFETCH(bool, writesAutoStart);
        QFETCH(bool, writesMinimize);
        QFETCH(bool, writesClose);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("OrvaneConfig.ini"));
        {
            QSettings seed(path, QSettings::IniFormat);
            for (auto it = before.cbegin(); it != before.cend(); ++it)
                seed.setValue(it.key(), it.value());
        }

        QSettings settings(path, QSettings::IniFormat);
        const DStartupSettings::FirstRunWrites first = DStartupSettings::writeFirstRunKeys(settings);
        QCOMPARE(first.autoStart, writesAutoStart);
        QCOMPARE(first.minimizeToTray, writesMinimize);
        QCOMPARE(first.closeToTray, writesClose);

        // Read back through a fresh object: the writes reached the file.
        QSettings reread(path, QSettings::IniFormat);
        const QString keys[]
            = {DUserSettingsKeys::kAutoStart, DUserSettingsKeys::kMinimizeToTray, DUserSettingsKeys::kCloseToTray};
        const bool written[] = {writesAutoStart, writesMinimize, writesClose};
        for (int i = 0; i < 3; ++i) {
            QVERIFY(reread.contains(keys[i]));
            if (!written[i])
                QCOMPARE(reread.value(keys[i]).toString(), before.value(keys[i]).toString());
            else
                QCOMPARE(reread.value(keys[i]).toBool(), true);
        }

        const DStartupSettings::FirstRunWrites second = DStartupSettings::writeFirstRunKeys(reread);
        QVERIFY(!second.autoStart && !second.minimizeToTray && !second.closeToTray);
    }

    void absentKeysReadAsOff()
    {
        QTemporaryDir dir;
        QSettings settings(dir.filePath(QStringLiteral("OrvaneConfig.ini")), QSettings::IniFormat);
        QVERIFY(!DStartupSettings::isAutoStart(settings));
        QVERIFY(!DStartupSettings::isCloseToTray(settings));
        settings.setValue(DUserSettingsKeys::kCloseToTray, true);
        QVERIFY(DStartupSettings::isCloseToTray(settings));
        QVERIFY(!DStartupSettings::isAutoStart(settings));
    }

    void autoStartEntryFollowsTheSetting_data()
    {
        QTest::addColumn<QVariant>("setting");
        QTest::addColumn<bool>("entryBefore");
        QTest::addColumn<bool>("entryAfter");
        QTest::newRow("on, no entry") << QVariant(true) << false << true;
        QTest::newRow("on, entry") << QVariant(true) << true << true;
        QTest::newRow("off, entry") << QVariant(false) << true << false;
        QTest::newRow("off, no entry") << QVariant(false) << false << false;
        QTest::newRow("absent, entry") << QVariant() << true << false;
    }
    void autoStartEntryFollowsTheSetting()
    {
        QFETCH(QVariant, setting);
        QFETCH(bool, entryBefore);
        QFETCH(bool, entryAfter);
        QTemporaryDir dir;
        QSettings settings(dir.filePath(QStringLiteral("OrvaneConfig.ini")), QSettings::IniFormat);
        if (setting.isValid())
            settings.setValue(DUserSettingsKeys::kAutoStart, setting);
        AutoStartEntry entry(QStringLiteral("orvane-keyboard"), dir.filePath(QStringLiteral("config")));
        const QString program = QStringLiteral("/usr/bin/orvane-keyboard");
        if (entryBefore)
            QVERIFY(entry.install(program));
        QVERIFY(DStartupSettings::syncAutoStart(settings, entry, program));
        QCOMPARE(entry.exists(), entryAfter);
        QCOMPARE(entry.isInstalledFor(program), entryAfter);
    }

    // The settings dialog's box: the key and the entry change together; a
    // path with a space is quoted in the entry.
    void autoStartChoiceStoresAndFollows()
    {
        QTemporaryDir dir;
        QSettings settings(dir.filePath(QStringLiteral("OrvaneConfig.ini")), QSettings::IniFormat);
        AutoStartEntry entry(QStringLiteral("orvane-keyboard"), dir.filePath(QStringLiteral("config")));
        const QString program = QStringLiteral("/opt/Orvane Keyboard/orvane-keyboard");

        QVERIFY(DStartupSettings::setAutoStart(settings, entry, program, true));
        QVERIFY(QSettings(settings.fileName(), QSettings::IniFormat).value(DUserSettingsKeys::kAutoStart).toBool());
        QVERIFY(entry.isInstalledFor(program));
        QFile file(entry.filePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("Exec=\"/opt/Orvane Keyboard/orvane-keyboard\" --AutoUp\n"));

        QVERIFY(DStartupSettings::setAutoStart(settings, entry, program, false));
        QVERIFY(!QSettings(settings.fileName(), QSettings::IniFormat).value(DUserSettingsKeys::kAutoStart).toBool());
        QVERIFY(!entry.exists());
    }

    // An entry that cannot be written leaves the key as it was, so the next
    // start does not believe in an entry that is not there.
    void autoStartChoiceThatCannotBeWrittenChangesNothing()
    {
        QTemporaryDir dir;
        QSettings settings(dir.filePath(QStringLiteral("OrvaneConfig.ini")), QSettings::IniFormat);
        QVERIFY(DStartupSettings::store(settings, DUserSettingsKeys::kAutoStart, false));
        const QString configHome = dir.filePath(QStringLiteral("config"));
        QVERIFY(QDir().mkpath(configHome + QStringLiteral("/autostart")));
        AutoStartEntry entry(QStringLiteral("orvane-keyboard"), configHome);
        LockedFolder locked(configHome + QStringLiteral("/autostart"));
        if (!locked.locked())
            QSKIP("The file system cannot refuse new entries here");

        QVERIFY(!DStartupSettings::setAutoStart(settings, entry, QStringLiteral("/usr/bin/orvane-keyboard"), true));
        QCOMPARE(QSettings(settings.fileName(), QSettings::IniFormat).value(DUserSettingsKeys::kAutoStart),
                 QVariant(false));
        QVERIFY(!entry.exists());
    }

    void storeReportsAFileThatCannotBeWritten()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("UserConfig"));
        QVERIFY(QDir().mkpath(folder));
        QSettings settings(folder + QStringLiteral("/OrvaneConfig.ini"), QSettings::IniFormat);
        QVERIFY(DStartupSettings::store(settings, DUserSettingsKeys::kCloseToTray, true));
        LockedFolder locked(folder);
        if (!locked.locked())
            QSKIP("The file system cannot refuse new entries here");
        QSettings again(settings.fileName(), QSettings::IniFormat);
        QVERIFY(!DStartupSettings::store(again, DUserSettingsKeys::kCloseToTray, false));
        // What is not written is not seen either, by no settings object.
        QCOMPARE(QSettings(settings.fileName(), QSettings::IniFormat).value(DUserSettingsKeys::kCloseToTray),
                 QVariant(true));
        QCOMPARE(again.value(DUserSettingsKeys::kCloseToTray), QVariant(true));
    }
};

ORVANE_TEST_MAIN(tst_StartupSettings)
#include "tst_startupsettings.moc"
