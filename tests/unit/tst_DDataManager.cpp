#include "app/DDataManager.h"
#include "support/TestMain.h"

#include <QDir>
#include <QFontInfo>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <cstring>

// The data manager as the program builds it: fresh and repeated starts against
// a private user folder, the theme table, fonts, paths, key selection and relays.
class tst_DDataManager : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_scratch;

    static QString userDir()
    {
        return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/UserConfig");
    }
    static QString userFile() { return userDir() + DDataManager::userConfigFileName(); }

    static void resetUserFolder() { QDir(userDir()).removeRecursively(); }

    QString defaultsWith(const QString& name, const QMap<QString, QVariant>& values)
    {
        const QString path = m_scratch.filePath(name);
        QFile::remove(path);
        QFile::copy(DDataManager::defaultConfigFile(), path);
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QSettings settings(path, QSettings::IniFormat);
        for (auto it = values.begin(); it != values.end(); ++it)
            settings.setValue(it.key(), it.value());
        return path;
    }

    static void storeUserValue(const QString& key, const QVariant& value)
    {
        QDir().mkpath(userDir());
        QSettings(userFile(), QSettings::IniFormat).setValue(key, value);
    }

private slots:
    void initTestCase() { QVERIFY(m_scratch.isValid()); }

    void init() { resetUserFolder(); }

    // Whether the folder is new or an earlier version left it open to
    // others, only the user can look into it.
    void dataFolderIsTheUsersAlone_data()
    {
        QTest::addColumn<bool>("existedOpen");
        QTest::newRow("created") << false;
        QTest::newRow("left open before") << true;
    }
    void dataFolderIsTheUsersAlone()
    {
        QFETCH(bool, existedOpen);
        const QString dataDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QDir(dataDir).removeRecursively();
        if (existedOpen) {
            QVERIFY(QDir().mkpath(dataDir));
            QVERIFY(QFile::setPermissions(dataDir, QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                       | QFileDevice::ExeOwner | QFileDevice::ReadGroup
                                                       | QFileDevice::ExeGroup | QFileDevice::ReadOther
                                                       | QFileDevice::ExeOther));
        }
        DDataManager manager;
        QCOMPARE(manager.dataDir(), dataDir);
        const QFileDevice::Permissions all = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                             | QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup
                                             | QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
        QCOMPARE(QFile::permissions(dataDir) & all,
                 QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QVERIFY(QDir(userDir()).exists());
    }

    void firstRunWritesDefaultsAndCountsAsVersionChange()
    {
        QVERIFY(!QDir(userDir()).exists());
        const QString shipped
            = QSettings(DDataManager::defaultConfigFile(), QSettings::IniFormat).value("AppVersion/Version").toString();
        QVERIFY(!shipped.isEmpty());
        {
            DDataManager manager;
            QCOMPARE(manager.userConfigDir(), userDir());
            QCOMPARE(DDataManager::userSettingsPath(), userFile());
            QVERIFY(QDir(userDir()).exists());
            QVERIFY(manager.appVersionChanged());
        }
        QSettings user(userFile(), QSettings::IniFormat);
        QCOMPARE(user.value("Theme/selectThemeIndex").toString(), QStringLiteral("0"));
        QCOMPARE(user.value("ThemeBgImage/BgImageIsUsing").toString(), QStringLiteral("false"));
        QCOMPARE(user.value("oldVersion/VersionInfo").toString(), shipped);

        DDataManager again;
        QVERIFY(!again.appVersionChanged());
    }

    void versionChangeIsReportedOnce()
    {
        {
            DDataManager first;
        }
        const QString newer = defaultsWith("newer.ini", {{"AppVersion/Version", "V_9.99.99"}});
        {
            DDataManager upgraded(newer);
            QVERIFY(upgraded.appVersionChanged());
        }
        QCOMPARE(QSettings(userFile(), QSettings::IniFormat).value("oldVersion/VersionInfo").toString(),
                 QStringLiteral("V_9.99.99"));
        DDataManager again(newer);
        QVERIFY(!again.appVersionChanged());

        // A defaults file without a version counts as the fallback version.
        DDataManager missing(m_scratch.filePath("absent.ini"));
        QVERIFY(missing.appVersionChanged());
        QCOMPARE(QSettings(userFile(), QSettings::IniFormat).value("oldVersion/VersionInfo").toString(),
                 QStringLiteral("V_1.00.00"));
    }

    void storedThemeIndex_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<bool>("userConfig");
        QTest::addColumn<int>("storedAfter");
        QTest::addColumn<QString>("mainWidgetBgColor");

        QTest::newRow("light kept") << 1 << false << 1 << "240,240,240";
        QTest::newRow("fifth without own config becomes black") << 4 << false << 0 << "34,34,58";
        // With its own config the fifth theme comes from beside the program,
        // which the test folder does not have: every field is empty.
        QTest::newRow("fifth with own config, file absent") << 4 << true << 4 << "";
        QTest::newRow("out of range loads black") << 7 << false << 7 << "34,34,58";
    }

    void storedThemeIndex()
    {
        QFETCH(int, stored);
        QFETCH(bool, userConfig);
        QFETCH(int, storedAfter);
        QFETCH(QString, mainWidgetBgColor);

        storeUserValue("Theme/selectThemeIndex", stored);
        const QString defaults = defaultsWith("myself.ini", {{"MyselfConfig/userConfig", userConfig}});
        DDataManager manager(defaults);
        QCOMPARE(manager.isUserConfig(), userConfig);
        QCOMPARE(manager.themeColors().mainWidgetBgColor, mainWidgetBgColor);
        QCOMPARE(QSettings(userFile(), QSettings::IniFormat).value("Theme/selectThemeIndex").toInt(), storedAfter);
    }

    void fifthThemeFileLocation()
    {
        QCOMPARE(DDataManager::themeFilePath(4, false), QStringLiteral(":/images/StyleQss/OtherThemeConfig.ini"));
        QCOMPARE(DDataManager::themeFilePath(4, true),
                 QCoreApplication::applicationDirPath() + QStringLiteral("/configDir/OtherThemeConfig.ini"));
        DDataManager manager(defaultsWith("myself.ini", {{"MyselfConfig/userConfig", true}}));
        manager.loadTheme(4);
        const themeColorData theme = manager.themeColors();
        for (int i = 0; i < themeColorData::kFieldCount; ++i)
            QVERIFY2(theme.field(i).isEmpty(), kThemeColorKeys[i].key);
        QCOMPARE(manager.getFont(0).family(), QString());
    }

    void fifthThemeFromBesideTheProgram()
    {
        // The user's own fifth theme; the test binary's folder stands in for
        // the program's, and the file is removed again at once.
        const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/configDir");
        const QString path = dir + QStringLiteral("/OtherThemeConfig.ini");
        QVERIFY(!QFile::exists(path));
        QVERIFY(QDir().mkpath(dir));
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("[ThemeColor]\nTextDefaultColor=1.2.3\nDeviceBorderColor=4.5.6.7\nTextFont=Noto.Sans Mono\n");
        }
        DDataManager manager(defaultsWith("myself.ini", {{"MyselfConfig/userConfig", true}}));
        manager.loadTheme(4);
        const themeColorData theme = manager.themeColors();
        QFile::remove(path);
        QDir().rmdir(dir);

        QCOMPARE(theme.textDefaultColor, QStringLiteral("1,2,3"));
        QCOMPARE(theme.deviceBorderColor, QStringLiteral("4,5,6"));
        QCOMPARE(theme.textFont, QStringLiteral("Noto.Sans Mono"));
        QVERIFY(theme.mainWidgetBgColor.isEmpty());
        QCOMPARE(manager.getFont(0).family(), QStringLiteral("Noto.Sans Mono"));
    }

    void loadTheme_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("bgImage");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");

        QTest::newRow("black main") << 0 << false << "MainWidgetBgColor"
                                    << "34,34,58";
        QTest::newRow("black border drops alpha") << 0 << false << "DeviceBorderColor"
                                                  << "52,52,86";
        QTest::newRow("black border keeps alpha with image") << 0 << true << "DeviceBorderColor"
                                                             << "52,52,86,128";
        QTest::newRow("light main") << 1 << false << "MainWidgetBgColor"
                                    << "240,240,240";
        QTest::newRow("light main with image") << 1 << true << "MainWidgetBgColor"
                                               << "240,240,240,128";
        QTest::newRow("blue checked") << 2 << false << "TextCheckedColor"
                                      << "120,215,255";
        QTest::newRow("blue control border") << 2 << false << "SettingsControlBorderColor"
                                             << "52,86,170";
        QTest::newRow("pink right bg with image") << 3 << true << "DeviceRightBgColor"
                                                  << "255,242,250,100";
        QTest::newRow("fifth is black") << 4 << false << "AllBgColor"
                                        << "42,42,70";
        QTest::newRow("index 7 is black") << 7 << false << "MainWidgetBgColor"
                                          << "34,34,58";
        QTest::newRow("index -1 is black") << -1 << false << "UpgradeProgressBarTopColor"
                                           << "52,52,86";
        QTest::newRow("font untouched") << 2 << true << "TextFont"
                                        << "Microsoft YaHei";
    }

    void loadTheme()
    {
        QFETCH(int, index);
        QFETCH(bool, bgImage);
        QFETCH(QString, key);
        QFETCH(QString, expected);

        DDataManager manager;
        manager.setBgImageIsUsing(bgImage);
        manager.loadTheme(index);
        const themeColorData theme = manager.themeColors();
        int field = -1;
        for (int i = 0; i < themeColorData::kFieldCount; ++i) {
            if (key == QLatin1String(kThemeColorKeys[i].key))
                field = i;
        }
        QVERIFY(field >= 0);
        QCOMPARE(theme.field(field), expected);
    }

    void shippedThemesAreComplete_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < 5; ++i)
            QTest::addRow("theme %d", i) << i;
    }

    void shippedThemesAreComplete()
    {
        QFETCH(int, index);
        DDataManager manager;
        for (bool bgImage : {false, true}) {
            manager.setBgImageIsUsing(bgImage);
            manager.loadTheme(index);
            const themeColorData theme = manager.themeColors();
            for (int i = 0; i < themeColorData::kColorFieldCount; ++i) {
                const QStringList parts = theme.field(i).split(QLatin1Char(','));
                QVERIFY2(parts.size() == 3 || (bgImage && parts.size() == 4), kThemeColorKeys[i].key);
                for (const QString& part : parts) {
                    bool ok = false;
                    const int component = part.toInt(&ok);
                    QVERIFY2(ok && component >= 0 && component <= 255, kThemeColorKeys[i].key);
                }
            }
            QCOMPARE(theme.textFont, QStringLiteral("Microsoft YaHei"));
        }
    }

    void fifthThemeEqualsBlack()
    {
        DDataManager manager;
        manager.setBgImageIsUsing(true);
        manager.loadTheme(0);
        const themeColorData black = manager.themeColors();
        manager.loadTheme(4);
        const themeColorData fifth = manager.themeColors();
        for (int i = 0; i < themeColorData::kFieldCount; ++i)
            QCOMPARE(fifth.field(i), black.field(i));
    }

    void normalizeThemeColor_data()
    {
        QTest::addColumn<bool>("bgImage");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("expected");

        QTest::newRow("alpha dropped") << false << "1,2,3,4"
                                       << "1,2,3";
        QTest::newRow("three kept") << false << "1,2,3"
                                    << "1,2,3";
        QTest::newRow("five kept") << false << "1,2,3,4,5"
                                   << "1,2,3,4,5";
        QTest::newRow("two kept") << false << "1,2"
                                  << "1,2";
        QTest::newRow("empty") << false << ""
                               << "";
        QTest::newRow("image keeps alpha") << true << "1,2,3,4"
                                           << "1,2,3,4";
    }

    void normalizeThemeColor()
    {
        QFETCH(bool, bgImage);
        QFETCH(QString, value);
        QFETCH(QString, expected);
        DDataManager manager;
        manager.setBgImageIsUsing(bgImage);
        QCOMPARE(manager.normalizeThemeColor(value), expected);
    }

    void fonts()
    {
        DDataManager manager;
        const QFont bold = manager.getFont(0);
        QCOMPARE(bold.family(), QStringLiteral("Microsoft YaHei"));
        QCOMPARE(bold.pointSize(), 10);
        QCOMPARE(bold.weight(), 75);
        QVERIFY(!bold.italic());
        QCOMPARE(manager.getFont(1).weight(), 50);
        QCOMPARE(manager.getFont(1).pointSize(), 10);
        const QFont other = manager.getFont(5);
        QCOMPARE(other.family(), QStringLiteral("Microsoft YaHei"));
        QCOMPARE(other.pointSize(), QFont().pointSize());

        manager.setUseLocalFont(false);
        QCOMPARE(manager.getFont(0), other);
        QCOMPARE(manager.getFont(1), other);
    }

    void windowsFamilyRendersWithNotoCjk()
    {
        DDataManager manager;
        const QFontInfo info(manager.getFont(0));
        QVERIFY2(info.family().startsWith(QLatin1String("Noto Sans CJK")), qPrintable(info.family()));
    }

    void pathBuffers()
    {
        DDataManager manager;
        using Setter = bool (DDataManager::*)(const char*);
        using Copier = void (DDataManager::*)(char*) const;
        const std::pair<Setter, Copier> pairs[] = {
            {&DDataManager::setCurrentProfilePath, &DDataManager::copyCurrentProfilePath},
            {&DDataManager::setMacroFilePath, &DDataManager::copyMacroFilePath},
            {&DDataManager::setMagneticProfilePath, &DDataManager::copyMagneticProfilePath},
            {&DDataManager::setSeniorKeyFilePath, &DDataManager::copySeniorKeyFilePath},
        };
        const std::string fits(DDataManager::kPathBufferSize - 1, 'a');
        const std::string tooLong(DDataManager::kPathBufferSize, 'b');
        for (const auto& pair : pairs) {
            char out[DDataManager::kPathBufferSize];
            std::memset(out, 'x', sizeof out);
            (manager.*pair.second)(out);
            QCOMPARE(out, "");

            QVERIFY((manager.*pair.first)("/home/u/UserConfig/appMacro.xml"));
            (manager.*pair.second)(out);
            QCOMPARE(out, "/home/u/UserConfig/appMacro.xml");

            QVERIFY((manager.*pair.first)(fits.c_str()));
            (manager.*pair.second)(out);
            QCOMPARE(std::string(out), fits);

            QVERIFY(!(manager.*pair.first)(tooLong.c_str()));
            (manager.*pair.second)(out);
            QCOMPARE(std::string(out), fits);
        }
    }

    void keySelection()
    {
        DDataManager manager;
        QSignalSpy spy(&manager, &DDataManager::sigKeyButtonClickedReturnKeyCodeAndKeyChar);
        manager.setCurrentKey(4, QStringLiteral("A"));
        QCOMPARE(manager.currentKeyCode(), 4);
        QCOMPARE(manager.currentKeyChar(), QStringLiteral("A"));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), 4);
        QCOMPARE(spy.at(0).at(1).toString(), QStringLiteral("A"));

        manager.clearCurrentKey();
        QCOMPARE(manager.currentKeyCode(), -1);
        QVERIFY(manager.currentKeyChar().isEmpty());
        QCOMPARE(spy.count(), 1);
    }

    void macroHookSwitchReportsReceiverOutcome()
    {
        DDataManager manager;
        QCOMPARE(manager.switchMacroRecordHook(true), false);

        // The receiver reports whether it did what was asked, as the key page does.
        bool installSucceeds = true;
        const auto connection
            = connect(&manager, &DDataManager::sigHookRuningStrtusCtrl_MacroRecord, this,
                      [&](bool start) { manager.setMacroRecordHookRunning(start ? installSucceeds : true); });
        QCOMPARE(manager.switchMacroRecordHook(true), true);
        QCOMPARE(manager.switchMacroRecordHook(false), true);
        installSucceeds = false;
        QCOMPARE(manager.switchMacroRecordHook(true), false);
        disconnect(connection);
        // Nobody listening: the previous outcome comes back.
        QCOMPARE(manager.switchMacroRecordHook(true), false);
    }

    void sensitivityReplyFollowsQuerySource()
    {
        DDataManager manager;
        QSignalSpy query(&manager, &DDataManager::sigQueryDynamicDisplaySensitivityNum);
        QSignalSpy enter(&manager, &DDataManager::sigQueryDynamicDisplaySensitivityNum_MouseEnter_BackInfo);
        QSignalSpy clicked(&manager, &DDataManager::sigQueryDynamicDisplaySensitivityNum_MouseClicked_BackInfo);

        // No query yet: the stored source is -1, so the clicked reply is used.
        manager.relaySensitivityInfo(1, 2, 3, 4, 5);
        QCOMPARE(clicked.count(), 1);

        manager.querySensitivity(0, 7, 8);
        QCOMPARE(query.count(), 1);
        QCOMPARE(query.at(0).at(0).toInt(), 7);
        QCOMPARE(query.at(0).at(1).toInt(), 8);
        manager.relaySensitivityInfo(1, 20, 30, 40, 50);
        QCOMPARE(enter.count(), 1);
        QCOMPARE(enter.at(0), (QList<QVariant>{1, 20, 30}));
        QCOMPARE(clicked.count(), 1);

        manager.querySensitivity(1, 2, 3);
        manager.relaySensitivityInfo(2, 21, 31, 41, 51);
        QCOMPARE(clicked.count(), 2);
        QCOMPARE(clicked.at(1), (QList<QVariant>{2, 21, 31, 41, 51}));
        QCOMPARE(enter.count(), 1);
    }

    void relaysPassTheirArguments()
    {
        DDataManager manager;
        QSignalSpy keyboard(&manager, &DDataManager::sigRecviveStreamEX_MacroKeyboard);
        QSignalSpy mouse(&manager, &DDataManager::sigRecviveStreamEX_MacroMouse);
        QSignalSpy value(&manager, &DDataManager::sigBackDynamicDisplaySensitivityNum);
        QSignalSpy point(&manager, &DDataManager::sigTheMagneticKeyboardCalibrationPoint);
        QSignalSpy status(&manager, &DDataManager::sigTheMagneticKeyboardCalibrationStatusBack);
        QSignalSpy allStatus(&manager, &DDataManager::sigMagneticKeyboardAllKeysCalibrationStatusBack);
        QSignalSpy senior(&manager, &DDataManager::sigSeniorKeysListItemHaveChanged);

        manager.relayMacroKeyboardEvent(65, 30, 1, 2);
        manager.relayMacroMouseEvent(0, 0x201, -5);
        manager.relaySensitivityValue(3, 4, 120);
        manager.relayCalibrationPoint(5, 6);
        manager.relayCalibrationStatus(1);
        manager.relayAllKeysCalibrationStatus(2);
        manager.notifySeniorKeysListChanged();

        QCOMPARE(keyboard.at(0), (QList<QVariant>{65, 30, 1, 2}));
        QCOMPARE(mouse.count(), 1);
        QCOMPARE(mouse.at(0).at(0).toInt(), 0);
        QCOMPARE(mouse.at(0).at(1).value<WPARAM>(), WPARAM(0x201));
        QCOMPARE(mouse.at(0).at(2).value<LPARAM>(), LPARAM(-5));
        QCOMPARE(value.at(0), (QList<QVariant>{3, 4, 120}));
        QCOMPARE(point.at(0), (QList<QVariant>{5, 6}));
        QCOMPARE(status.at(0), (QList<QVariant>{1}));
        QCOMPARE(allStatus.at(0), (QList<QVariant>{2}));
        QCOMPARE(senior.count(), 1);
    }

    void fixedAnswers()
    {
        DDataManager manager;
        for (const QString& name : {QString(), QStringLiteral("DE"), QStringLiteral("FR_AZERTY")})
            QCOMPARE(manager.softKeyboardLayoutCode(name), 31);
        QCOMPARE(manager.customKeyMarkColor(), QColor(30, 200, 35, 255));
        QCOMPARE(manager.currentProfileIndex(), 1);
        QCOMPARE(manager.hidDeviceType(), 1);
        QVERIFY(manager.simpleDeviceListMode());
        QCOMPARE(manager.keyFunctionDetailText(), QStringLiteral("Unknow"));
        QVERIFY(!manager.lightSynchronize());
        QVERIFY(DDataManager::getInstance() == DDataManager::getInstance());
    }
};

ORVANE_TEST_MAIN(tst_DDataManager)
#include "tst_DDataManager.moc"
