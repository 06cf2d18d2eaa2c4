// The settings dialog on its own: what it shows of the stored settings, the
// language list, start with the system and close to tray with their files,
// the hidden theme logic, the About page and the ways it closes.
#include "support/ApplicationSetUp.h"
#include "support/BundleFileInPlace.h"
#include "support/ContrastRatio.h"
#include "support/LockedFolder.h"
#include "support/RenderedLook.h"
#include "support/TestMain.h"
#include "support/ThemeUnderTest.h"

#include "app/DDataManager.h"
#include "app/DUserSettingsKeys.h"
#include "platform/include/AutoStartEntry.h"
#include "ui/firmware/DFirwareInfoShow.h"
#include "ui/settings/DSettingsDia.h"
#include "ui/widgets/CbNotice.h"
#include "ui/widgets/DAppStyle.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStackedWidget>

namespace {

QString userIni()
{
    return DDataManager::userSettingsPath();
}

// Stands in for the desktop's browser.
class FakeUrlOpener : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened.append(url); }
};

template<typename T>
T* child(const QWidget& dialog, const char* name)
{
    T* found = dialog.findChild<T*>(QLatin1String(name));
    if (!found)
        qWarning("no %s", name);
    return found;
}

QString toastText(const QWidget& dialog)
{
    // The dialog itself need not be on screen.
    auto* toast = dialog.findChild<CbNotice*>();
    return toast && !toast->isHidden() ? toast->text() : QString();
}

// The dialog's colours as drawn: panels, and the texts on them.
QStringList drawnLook(const QWidget& dialog)
{
    QStringList look;
    for (const char* name : {"frame_Title", "frame_Bg", "pushButton_UpgradeCheck", "comboBox_Language"})
        look << RenderedLook::background(child<QWidget>(dialog, name)).name();
    for (const char* name : {"label_Title", "label", "checkBox_AutoStart", "pushButton_General",
                             "pushButton_UpgradeCheck", "comboBox_Language", "label_AppName"})
        look << RenderedLook::text(child<QWidget>(dialog, name)).name();
    look << child<QLabel>(dialog, "label_Link")->text();
    return look;
}

// The colour of the toast's text as drawn: of its pixels, the one furthest
// from its fill.
QColor drawnToastText(CbNotice* toast, const QColor& fill)
{
    const QImage image = toast->grab().toImage();
    QColor furthest = fill;
    double best = 1.0;
    for (int y = image.height() / 4; y < image.height() * 3 / 4; ++y) {
        for (int x = image.width() / 8; x < image.width() * 7 / 8; ++x) {
            const QColor pixel = image.pixelColor(x, y);
            const double ratio = ContrastRatio::contrast(pixel, fill);
            if (ratio > best) {
                best = ratio;
                furthest = pixel;
            }
        }
    }
    return furthest;
}

} // namespace

class tst_DSettingsDia : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        prepareApplicationTest();
        QVERIFY2(QFileInfo(qEnvironmentVariable("ORVANE_RCC")).isExecutable(), "ORVANE_RCC names Qt's rcc");
    }

    void cleanup()
    {
        DDataManager* data = DDataManager::getInstance();
        data->setBgImageIsUsing(false);
        data->loadTheme(0);
        QSettings(userIni(), QSettings::IniFormat).clear();
        AutoStartEntry(QCoreApplication::applicationName()).remove();
    }

    void generalPage()
    {
        DSettingsDia dialog;
        QCOMPARE(dialog.size(), QSize(700, 500));
        QCOMPARE(child<QStackedWidget>(dialog, "stackedWidget")->currentWidget(),
                 child<QWidget>(dialog, "page_Settings"));
        QVERIFY(child<QPushButton>(dialog, "pushButton_General")->isChecked());
        for (const char* shown :
             {"comboBox_Language", "checkBox_AutoStart", "checkBox_Close", "pushButton_UpgradeCheck"})
            QVERIFY2(child<QWidget>(dialog, shown)->isVisibleTo(&dialog), shown);
        for (const char* hidden : {"frame_6", "checkBox_UsingBgImage", "frame_15", "frame_18", "frame_19"})
            QVERIFY2(child<QWidget>(dialog, hidden)->isHidden(), hidden);
        QCOMPARE(child<QLabel>(dialog, "label_Title")->text(), QStringLiteral("Settings"));
        QCOMPARE(child<QPushButton>(dialog, "pushButton_UpgradeCheck")->text(),
                 QStringLiteral("Firmware upgrade check"));
    }

    void storedSettingsShown_data()
    {
        QTest::addColumn<QVariantMap>("stored");
        QTest::addColumn<bool>("autoStart");
        QTest::addColumn<bool>("closeToTray");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("theme");
        QTest::addColumn<int>("themeIndex");
        const QString chinese = QStringLiteral("简体中文");
        QTest::newRow("empty file") << QVariantMap() << false << false << chinese << "Dark" << 0;
        QTest::newRow("language 0") << QVariantMap{{DUserSettingsKeys::kLanguageIndex, 0}} << false << false << chinese
                                    << "Dark" << 0;
        QTest::newRow("language 16") << QVariantMap{{DUserSettingsKeys::kLanguageIndex, 16}} << false << false
                                     << chinese << "Dark" << 0;
        QTest::newRow("German, both ticked") << QVariantMap{{DUserSettingsKeys::kLanguageIndex, 10},
                                                            {DUserSettingsKeys::kAutoStart, true},
                                                            {DUserSettingsKeys::kCloseToTray, true}}
                                             << true << true << "Deutsch"
                                             << "Dark" << 0;
        QTest::newRow("Pink") << QVariantMap{{DUserSettingsKeys::kThemeIndex, 3}} << false << false << chinese << "Pink"
                              << 3;
        QTest::newRow("theme 7") << QVariantMap{{DUserSettingsKeys::kThemeIndex, 7}} << false << false << chinese
                                 << "Dark" << 7;
        QTest::newRow("theme 4 not allowed")
            << QVariantMap{{DUserSettingsKeys::kThemeIndex, 4}} << false << false << chinese << "Dark" << 4;
    }
    void storedSettingsShown()
    {
        QFETCH(QVariantMap, stored);
        QFETCH(bool, autoStart);
        QFETCH(bool, closeToTray);
        QFETCH(QString, language);
        QFETCH(QString, theme);
        QFETCH(int, themeIndex);
        QVERIFY(!DDataManager::getInstance()->isUserConfig());
        {
            QSettings user(userIni(), QSettings::IniFormat);
            user.clear();
            for (auto it = stored.constBegin(); it != stored.constEnd(); ++it)
                user.setValue(it.key(), it.value());
        }
        const QByteArray before = [] {
            QFile file(userIni());
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        }();

        DSettingsDia dialog;
        QCOMPARE(child<QCheckBox>(dialog, "checkBox_AutoStart")->isChecked(), autoStart);
        QCOMPARE(child<QCheckBox>(dialog, "checkBox_Close")->isChecked(), closeToTray);
        QCOMPARE(child<QComboBox>(dialog, "comboBox_Language")->currentText(), language);
        auto* themes = child<QComboBox>(dialog, "comboBox_Theme");
        QCOMPARE(themes->currentText(), theme);
        QCOMPARE(themes->count(), 4);
        // Showing what is stored writes nothing back.
        QFile file(userIni());
        QCOMPARE(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(), before);

        // The theme in force is the stored number, whatever the list shows.
        QSignalSpy themed(&dialog, &DSettingsDia::sigChangAppTheme);
        child<QCheckBox>(dialog, "checkBox_UsingBgImage")->click();
        QCOMPARE(themed.count(), 1);
        QCOMPARE(themed.at(0).at(0).toInt(), themeIndex);
    }

    void languagesInTheirOwnScripts()
    {
        DSettingsDia dialog;
        auto* box = child<QComboBox>(dialog, "comboBox_Language");
        QStringList names;
        for (int i = 0; i < box->count(); ++i) {
            names << box->itemText(i);
            QVERIFY(!box->itemData(i).isValid());
        }
        // The language's own name, as a speaker writes it: no country, no
        // stray punctuation or spaces around it.
        QCOMPARE(names, (QStringList{QStringLiteral("简体中文"), QStringLiteral("English"), QStringLiteral("繁體中文"),
                                     QStringLiteral("한국어"), QStringLiteral("Русский"), QStringLiteral("日本語"),
                                     QStringLiteral("Español"), QStringLiteral("Português"), QStringLiteral("Deutsch"),
                                     QStringLiteral("Italiano"), QStringLiteral("Polski"), QStringLiteral("Français"),
                                     QStringLiteral("العربية"), QStringLiteral("Українська"),
                                     QStringLiteral("Čeština")}));
    }

    // Without the program's application object no translation loads: the
    // choice is stored all the same, and nothing else changes.
    void languageThatDoesNotLoad_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index");
        QTest::newRow("English") << "English" << 3;
        QTest::newRow("Arabic") << "العربية" << 7;
        QTest::newRow("Ukrainian") << "Українська" << 14;
    }
    void languageThatDoesNotLoad()
    {
        QFETCH(QString, name);
        QFETCH(int, index);
        DSettingsDia dialog;
        QSignalSpy updated(&dialog, &DSettingsDia::sigUpdataAllUI);
        QSignalSpy themed(&dialog, &DSettingsDia::sigChangAppTheme);
        child<QComboBox>(dialog, "comboBox_Language")->setCurrentText(name);
        QCOMPARE(QSettings(userIni(), QSettings::IniFormat).value(DUserSettingsKeys::kLanguageIndex).toInt(), index);
        QCOMPARE(updated.count(), 0);
        QCOMPARE(themed.count(), 0);
        QCOMPARE(child<QLabel>(dialog, "label_Title")->text(), QStringLiteral("Settings"));
    }

    void autoStartBoxMakesTheEntry()
    {
        DSettingsDia dialog;
        auto* box = child<QCheckBox>(dialog, "checkBox_AutoStart");
        const AutoStartEntry entry(QCoreApplication::applicationName());
        const QString program = QCoreApplication::applicationFilePath();

        box->click();
        QVERIFY(QSettings(userIni(), QSettings::IniFormat).value(DUserSettingsKeys::kAutoStart).toBool());
        QVERIFY(entry.isInstalledFor(program));
        QFile file(entry.filePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains(("Exec=" + AutoStartEntry::execValue(program) + "\n").toUtf8()));
        QVERIFY(AutoStartEntry::execValue(program).endsWith(QLatin1String(" --AutoUp")));
        QCOMPARE(toastText(dialog), QStringLiteral("Set config success"));

        box->click();
        QVERIFY(!QSettings(userIni(), QSettings::IniFormat).value(DUserSettingsKeys::kAutoStart).toBool());
        QVERIFY(!entry.exists());
        QCOMPARE(toastText(dialog), QStringLiteral("Set config success"));
    }

    void closeToTrayBoxStoresItsKey()
    {
        DSettingsDia dialog;
        auto* box = child<QCheckBox>(dialog, "checkBox_Close");
        box->click();
        QCOMPARE(QSettings(userIni(), QSettings::IniFormat).value(DUserSettingsKeys::kCloseToTray), QVariant(true));
        QCOMPARE(toastText(dialog), QStringLiteral("Set config success"));
        box->click();
        QCOMPARE(QSettings(userIni(), QSettings::IniFormat).value(DUserSettingsKeys::kCloseToTray), QVariant(false));
    }

    // A choice the files do not take is reported, and the box shows again
    // what is stored.
    void choiceThatCannotBeStored_data()
    {
        QTest::addColumn<QByteArray>("box");
        QTest::addColumn<bool>("lockEntryFolder");
        QTest::newRow("close to tray, settings file") << QByteArray("checkBox_Close") << false;
        QTest::newRow("start with the system, settings file") << QByteArray("checkBox_AutoStart") << false;
        QTest::newRow("start with the system, entry") << QByteArray("checkBox_AutoStart") << true;
    }
    void choiceThatCannotBeStored()
    {
        QFETCH(QByteArray, box);
        QFETCH(bool, lockEntryFolder);
        QSettings(userIni(), QSettings::IniFormat).setValue(DUserSettingsKeys::kLanguageIndex, 3);
        const AutoStartEntry entry(QCoreApplication::applicationName());
        const QString entryFolder = QFileInfo(entry.filePath()).absolutePath();
        QVERIFY(QDir().mkpath(entryFolder));
        DSettingsDia dialog;
        auto* check = child<QCheckBox>(dialog, box.constData());
        QVERIFY(!check->isChecked());
        {
            LockedFolder locked(lockEntryFolder ? entryFolder : QFileInfo(userIni()).absolutePath());
            if (!locked.locked())
                QSKIP("The file system cannot refuse new entries here");
            check->click();
        }
        QCOMPARE(toastText(dialog), QStringLiteral("Set config failed"));
        QVERIFY(!check->isChecked());
        const QSettings user(userIni(), QSettings::IniFormat);
        QVERIFY(!user.value(DUserSettingsKeys::kCloseToTray, false).toBool());
        QVERIFY(!user.value(DUserSettingsKeys::kAutoStart, false).toBool());
        QVERIFY(!entry.exists());

        // Once the files take it again, so does the dialog.
        check->click();
        QCOMPARE(toastText(dialog), QStringLiteral("Set config success"));
        QVERIFY(check->isChecked());
    }

    void languageThatCannotBeStored()
    {
        QSettings(userIni(), QSettings::IniFormat).setValue(DUserSettingsKeys::kLanguageIndex, 6);
        DSettingsDia dialog;
        auto* box = child<QComboBox>(dialog, "comboBox_Language");
        QCOMPARE(box->currentText(), QStringLiteral("Русский"));
        {
            LockedFolder locked(QFileInfo(userIni()).absolutePath());
            if (!locked.locked())
                QSKIP("The file system cannot refuse new entries here");
            box->setCurrentText(QStringLiteral("Deutsch"));
        }
        QCOMPARE(toastText(dialog), QStringLiteral("Set config failed"));
        QCOMPARE(box->currentText(), QStringLiteral("Русский"));
        QCOMPARE(QSettings(userIni(), QSettings::IniFormat).value(DUserSettingsKeys::kLanguageIndex).toInt(), 6);
    }

    // The hidden theme controls, driven as a click would: the number is
    // stored and loaded before the window hears of it, and the same theme
    // twice styles the dialog the same.
    void themeChoiceLoadsBeforeItReports()
    {
        DSettingsDia dialog;
        // As the main window does.
        connect(&dialog, &DSettingsDia::sigChangAppTheme, &dialog, &DAppStyle::apply);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* themes = child<QComboBox>(dialog, "comboBox_Theme");
        QString colourSeen;
        connect(&dialog, &DSettingsDia::sigChangAppTheme, this,
                [&] { colourSeen = DDataManager::getInstance()->themeColors().settingsBgColor; });
        QSignalSpy themed(&dialog, &DSettingsDia::sigChangAppTheme);

        themes->setCurrentIndex(1);
        QCOMPARE(themed.count(), 1);
        QCOMPARE(themed.at(0).at(0).toInt(), 1);
        QCOMPARE(QSettings(userIni(), QSettings::IniFormat).value(DUserSettingsKeys::kThemeIndex).toInt(), 1);
        const QString lightColour = colourSeen;
        const QStringList lightLook = drawnLook(dialog);
        QCOMPARE(RenderedLook::background(child<QWidget>(dialog, "frame_Bg")),
                 DDataManager::getInstance()->themeRoles().color(DThemeRoles::DialogSurface));

        themes->setCurrentIndex(2);
        QVERIFY(colourSeen != lightColour);
        QVERIFY(drawnLook(dialog) != lightLook);
        themes->setCurrentIndex(1);
        QCOMPARE(themed.count(), 3);
        QCOMPARE(colourSeen, lightColour);
        QCOMPARE(drawnLook(dialog), lightLook);
        themes->setCurrentIndex(0);
    }

    // Headings, choices and buttons read on the dialog in every theme, and
    // each toast lies below the last row, readable on its own fill.
    void toastLeavesThePageReadable_data()
    {
        ThemeUnderTest::addEveryThemeRow();
    }
    void toastLeavesThePageReadable()
    {
        QFETCH(int, theme);
        QSettings(userIni(), QSettings::IniFormat).setValue(DUserSettingsKeys::kThemeIndex, theme);
        const ThemeUnderTest::Scope inUse(theme);
        DSettingsDia dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* page = child<QWidget>(dialog, "page_Settings");
        QList<QWidget*> texts;
        for (QWidget* part : page->findChildren<QWidget*>()) {
            if (part->isVisible() && (qobject_cast<QLabel*>(part) || qobject_cast<QAbstractButton*>(part)
                                      || qobject_cast<QComboBox*>(part)))
                texts << part;
        }
        QVERIFY(texts.size() >= 6);
        for (QWidget* part : texts) {
            const double ratio
                = ContrastRatio::contrast(RenderedLook::text(part), RenderedLook::background(part));
            QVERIFY2(ratio >= ContrastRatio::kText, qPrintable(QStringLiteral("%1: %2").arg(part->objectName()).arg(ratio)));
        }

        child<QCheckBox>(dialog, "checkBox_Close")->click();
        auto* toast = dialog.findChild<CbNotice*>();
        QTRY_VERIFY(toast->isVisible());
        const QRect placed = toast->geometry();
        QVERIFY(dialog.rect().contains(placed));
        for (QWidget* part : texts) {
            const QRect at(part->mapTo(&dialog, QPoint(0, 0)), part->size());
            QVERIFY2(!at.intersects(placed), qPrintable(part->objectName()));
        }
        const QColor fill = RenderedLook::pixel(toast, QPoint(toast->width() / 2, 3));
        const double ratio = ContrastRatio::contrast(drawnToastText(toast, fill), fill);
        QVERIFY2(ratio >= ContrastRatio::kText, qPrintable(QString::number(ratio)));
        QSettings(userIni(), QSettings::IniFormat).setValue(DUserSettingsKeys::kThemeIndex, 0);
    }

    void backgroundImageChoice()
    {
        QSettings(userIni(), QSettings::IniFormat).setValue(DUserSettingsKeys::kThemeIndex, 2);
        DSettingsDia dialog;
        QSignalSpy themed(&dialog, &DSettingsDia::sigChangAppTheme);
        child<QCheckBox>(dialog, "checkBox_UsingBgImage")->click();
        QVERIFY(QSettings(userIni(), QSettings::IniFormat).value(DUserSettingsKeys::kBgImageInUse).toBool());
        QVERIFY(DDataManager::getInstance()->bgImageIsUsing());
        QCOMPARE(themed.count(), 1);
        QCOMPARE(themed.at(0).at(0).toInt(), 2);
        // Colours may carry an alpha now; the sheet still reads them.
        DAppStyle::apply(2);
        const DThemeRoles& roles = DDataManager::getInstance()->themeRoles();
        QCOMPARE(RenderedLook::text(child<QWidget>(dialog, "label_Title")), roles.color(DThemeRoles::AccentText));
        QCOMPARE(RenderedLook::text(child<QWidget>(dialog, "pushButton_UpgradeCheck")), roles.color(DThemeRoles::Text));
        child<QCheckBox>(dialog, "checkBox_UsingBgImage")->click();
        QVERIFY(!DDataManager::getInstance()->bgImageIsUsing());
        DDataManager::getInstance()->loadTheme(0);
        DAppStyle::apply(0);
    }

    void aboutPageShowsTheDefaultsFile()
    {
        DSettingsDia dialog;
        const QSettings defaults(DDataManager::defaultConfigFile(), QSettings::IniFormat);
        child<QPushButton>(dialog, "pushButton_About")->click();
        QCOMPARE(child<QStackedWidget>(dialog, "stackedWidget")->currentWidget(),
                 child<QWidget>(dialog, "page_TipInfo"));
        QVERIFY(child<QPushButton>(dialog, "pushButton_About")->isChecked());
        QVERIFY(!child<QPushButton>(dialog, "pushButton_General")->isChecked());
        QCOMPARE(child<QLabel>(dialog, "label_AppVersion")->text(), QStringLiteral("V_1.00.01"));
        QCOMPARE(child<QLabel>(dialog, "label_AppName")->text(), QStringLiteral("Orvane Keyboard"));
        QCOMPARE(child<QLabel>(dialog, "label_Copyright")->text(),
                 QStringLiteral("Copyright © 2026 Orvane. All rights reserved."));
        QVERIFY(child<QLabel>(dialog, "label_Link")->isHidden());
        QVERIFY(child<QWidget>(dialog, "frame_15")->isHidden());
        child<QPushButton>(dialog, "pushButton_General")->click();
        QCOMPARE(child<QStackedWidget>(dialog, "stackedWidget")->currentWidget(),
                 child<QWidget>(dialog, "page_Settings"));
    }

    // Each entry to the page reads the file again; missing keys fall back.
    void aboutPageReadsTheFileEachTime()
    {
        DSettingsDia dialog;
        auto* about = child<QPushButton>(dialog, "pushButton_About");
        {
            BundleFileInPlace file(QStringLiteral("images/configDir/OrvaneDefaultConfig.ini"),
                                   "[Copyright]\nCopyrightStr=Made by us*in 2026*everywhere\n"
                                   "[CompanyName]\nComName=Ours\n"
                                   "[CompanyLink]\nComLink=https://ours.example/about\n"
                                   "[CompanyLinkFrame]\nshowStatus=true\n");
            QVERIFY(file.ready());
            about->click();
        }
        QCOMPARE(child<QLabel>(dialog, "label_Copyright")->text(), QStringLiteral("Made by us,in 2026,everywhere"));
        QCOMPARE(child<QLabel>(dialog, "label_AppName")->text(), QStringLiteral("Ours"));
        QCOMPARE(child<QLabel>(dialog, "label_AppVersion")->text(), QStringLiteral("V_1.00.00"));
        auto* link = child<QLabel>(dialog, "label_Link");
        QVERIFY(!link->isHidden());
        QVERIFY(link->text().contains(QStringLiteral(">Ours</span>")));
        QVERIFY(link->text().contains(QStringLiteral("color:%1;").arg(
            DDataManager::getInstance()->themeRoles().css(DThemeRoles::AccentText))));

        FakeUrlOpener opener;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &opener, "open");
        emit link->linkActivated(QStringLiteral("Company|Ours|"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QCOMPARE(opener.opened, QList<QUrl>{QUrl(QStringLiteral("https://ours.example/about"))});

        {
            BundleFileInPlace file(QStringLiteral("images/configDir/OrvaneDefaultConfig.ini"), "[Other]\nkey=1\n");
            QVERIFY(file.ready());
            child<QPushButton>(dialog, "pushButton_General")->click();
            about->click();
        }
        QCOMPARE(child<QLabel>(dialog, "label_Copyright")->text(), QStringLiteral("Copyright"));
        QCOMPARE(child<QLabel>(dialog, "label_AppName")->text(), QStringLiteral("CompanyName"));
        QVERIFY(link->isHidden());
    }

    void firmwareCheckButtonAsksTheWindow()
    {
        DSettingsDia dialog;
        QSignalSpy asked(&dialog, &DSettingsDia::sigFirmwareUpgradeCheck);
        child<QPushButton>(dialog, "pushButton_UpgradeCheck")->click();
        QCOMPARE(asked.count(), 1);
        QVERIFY(toastText(dialog).isEmpty());
        dialog.showNoUpgradeableDeviceTip();
        QCOMPARE(toastText(dialog), QStringLiteral("No upgradeable devices found"));
    }

    void logoDoubleClickOpensFirmwareInfo_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("opens");
        QTest::newRow("left") << int(Qt::LeftButton) << true;
        QTest::newRow("right") << int(Qt::RightButton) << false;
    }
    void logoDoubleClickOpensFirmwareInfo()
    {
        QFETCH(int, button);
        QFETCH(bool, opens);
        DSettingsDia dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QString title;
        QSize size;
        QTimer::singleShot(0, this, [&] {
            if (auto* info = dialog.findChild<DFirwareInfoShow*>()) {
                title = info->windowTitle();
                size = info->size();
                info->close();
            }
        });
        QTest::mouseDClick(child<QWidget>(dialog, "frame_LogoSet"), Qt::MouseButton(button));
        QTest::qWait(20);
        QCOMPARE(dialog.findChildren<DFirwareInfoShow*>().size(), opens ? 1 : 0);
        if (opens) {
            QCOMPARE(title, QStringLiteral("Firmware Info"));
            QCOMPARE(size, QSize(350, 370));
        }
        // A double-click elsewhere in the title opens nothing.
        QTest::mouseDClick(child<QWidget>(dialog, "label_Title"), Qt::LeftButton);
        QCOMPARE(dialog.findChildren<DFirwareInfoShow*>().size(), opens ? 1 : 0);
    }

    void everyCloseReportsOnce_data()
    {
        QTest::addColumn<QByteArray>("how");
        QTest::newRow("close button") << QByteArray("button");
        QTest::newRow("Escape") << QByteArray("escape");
        QTest::newRow("window system") << QByteArray("system");
    }
    void everyCloseReportsOnce()
    {
        QFETCH(QByteArray, how);
        QPointer<DSettingsDia> dialog = new DSettingsDia;
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QSignalSpy closed(dialog.data(), &DSettingsDia::sigSettingsWindowClose);
        if (how == "button")
            child<QPushButton>(*dialog, "pushButton_Close")->click();
        else if (how == "escape")
            QTest::keyClick(dialog, Qt::Key_Escape);
        else
            dialog->close();
        QTRY_VERIFY(dialog.isNull());
        QCOMPARE(closed.count(), 1);
    }
};

ORVANE_TEST_MAIN(tst_DSettingsDia)
#include "tst_DSettingsDia.moc"
