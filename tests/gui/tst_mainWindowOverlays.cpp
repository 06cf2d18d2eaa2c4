// The main window's dialogs over their dimming overlays, and what the
// settings dialog reports back: theme, background image, language and the
// manual and automatic firmware checks.
#include "support/ApplicationSetUp.h"
#include "support/DevicePageProbe.h"
#include "support/RenderedLook.h"
#include "support/TestMain.h"

#include "app/DDataManager.h"
#include "ui/macro/DMacroPage.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/keyboardView/DCustomKeysPage.h"
#include "ui/seniorKeys/DSeniorKeysPage.h"
#include "ui/settings/DSettingsDia.h"
#include "ui/widgets/CbNotice.h"
#include "ui/widgets/DAppStyle.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QToolButton>
#include <QTranslator>

#include <memory>

namespace {

QString userIni()
{
    return DDataManager::getInstance()->userConfigDir() + QStringLiteral("/OrvaneConfig.ini");
}

QString themeName(int index)
{
    static const char* const kNames[] = {"Black", "Light", "Blue", "Pink", "Other"};
    return QLatin1String(kNames[index]);
}

QList<QWidget*> overlays(DMainWidget& window)
{
    return window.findChildren<QWidget*>(QStringLiteral("widget"), Qt::FindDirectChildrenOnly);
}

template<typename Dialog>
Dialog* openDialog(DMainWidget& window, const char* opener)
{
    if (QByteArray(opener) == "sigShowMacroPage")
        emit window.devicePage()->sigShowMacroPage();
    else if (QByteArray(opener) == "sigShowSeniorKeysPage")
        emit window.devicePage()->sigShowSeniorKeysPage();
    else
        window.findChild<QPushButton*>(QStringLiteral("pushButton_Setting"))->click();
    const QList<Dialog*> open = window.findChildren<Dialog*>();
    return open.isEmpty() ? nullptr : open.last();
}

// The theme and background controls are hidden, but their logic is in force:
// they are driven here as a click would. "Other" is offered only where the
// defaults file allows it, so without that its choice is made by its name.
void chooseTheme(DSettingsDia* dialog, int theme)
{
    auto* box = dialog->findChild<QComboBox*>(QStringLiteral("comboBox_Theme"));
    if (theme < box->count())
        box->setCurrentIndex(theme);
    else
        QMetaObject::invokeMethod(dialog, "on_comboBox_Theme_currentIndexChanged", Q_ARG(QString, "Other"));
}

void useBackgroundImage(DSettingsDia* dialog, bool use)
{
    auto* box = dialog->findChild<QCheckBox*>(QStringLiteral("checkBox_UsingBgImage"));
    if (box->isChecked() != use)
        box->click();
}

void closeByButton(QWidget* dialog)
{
    QPointer<QWidget> guard(dialog);
    dialog->findChild<QPushButton*>(QStringLiteral("pushButton_Close"))->click();
    QTRY_VERIFY(guard.isNull());
}

// Once its dialog has gone, the dialog's overlay shows no more, and it
// goes as well.
void overlayGoneWithItsDialog(DMainWidget& window)
{
    QVERIFY(!window.overlay() || window.overlay()->isHidden());
    QTRY_VERIFY(!window.overlay());
    QVERIFY(overlays(window).isEmpty());
}

struct ShownWindow
{
    DMainWidget window;
    ShownWindow()
    {
        window.setGeometry(QRect(QPoint(70, 30), window.minimumSize() + QSize(40, 20)));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
};

} // namespace

class tst_MainWindowOverlays : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplicationTest(); }

    void cleanup()
    {
        DDataManager* data = DDataManager::getInstance();
        data->setBgImageIsUsing(false);
        data->loadTheme(0);
        QSettings(userIni(), QSettings::IniFormat).remove(QStringLiteral("Theme"));
    }

    void dialogOverOverlay_data()
    {
        QTest::addColumn<QByteArray>("opener");
        QTest::newRow("macro editor") << QByteArray("sigShowMacroPage");
        QTest::newRow("advanced keys") << QByteArray("sigShowSeniorKeysPage");
        QTest::newRow("settings") << QByteArray("pushButton_Setting");
    }
    void dialogOverOverlay()
    {
        QFETCH(QByteArray, opener);
        ShownWindow shown;
        DMainWidget& window = shown.window;
        QVERIFY(!window.overlay());

        QWidget* dialog = nullptr;
        if (opener == "sigShowMacroPage")
            dialog = openDialog<DMacroPage>(window, opener);
        else if (opener == "sigShowSeniorKeysPage")
            dialog = openDialog<DSeniorKeysPage>(window, opener);
        else
            dialog = openDialog<DSettingsDia>(window, opener);
        QVERIFY(dialog);

        QPointer<QWidget> overlay = window.overlay();
        QVERIFY(overlay);
        QCOMPARE(overlay->parentWidget(), &window);
        QCOMPARE(overlay->objectName(), QStringLiteral("widget"));
        QCOMPARE(overlay->size(), window.size());
        QVERIFY(overlay->isVisible());
        // The overlay dims what lies below it.
        const QImage shot = window.grab().toImage();
        const QImage plain = [&] {
            overlay->hide();
            const QImage img = window.grab().toImage();
            overlay->show();
            return img;
        }();
        const QPoint probe(window.width() / 2, window.height() - 20);
        QVERIFY(qGray(shot.pixel(probe)) < qGray(plain.pixel(probe)));

        QCOMPARE(dialog->parentWidget(), &window);
        QVERIFY(dialog->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(dialog->windowFlags() & Qt::Tool, Qt::Tool);
        QVERIFY(dialog->testAttribute(Qt::WA_DeleteOnClose));
        QVERIFY(dialog->testAttribute(Qt::WA_TranslucentBackground));
        QCOMPARE(dialog->windowModality(), Qt::WindowModal);
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->pos(), QPoint(window.x() + (window.width() - dialog->width()) / 2,
                                       window.y() + (window.height() - dialog->height()) / 2));

        closeByButton(dialog);
        // The overlay goes with its dialog.
        QVERIFY(!overlay || overlay->isHidden());
        QTRY_VERIFY(overlay.isNull());
        QVERIFY(overlays(window).isEmpty());
    }

    // Each dialog has an overlay of its own for as long as it is open: a
    // second dialog gets a fresh one, and the older dialog's late close
    // hides only its own.
    void everyDialogHasAnOverlayOfItsOwn()
    {
        ShownWindow shown;
        DMainWidget& window = shown.window;
        DSettingsDia* first = openDialog<DSettingsDia>(window, "pushButton_Setting");
        QPointer<QWidget> firstOverlay = window.overlay();
        QVERIFY(firstOverlay);
        DSettingsDia* second = openDialog<DSettingsDia>(window, "pushButton_Setting");
        QVERIFY(second != first);
        QPointer<QWidget> secondOverlay = window.overlay();
        QVERIFY(secondOverlay && secondOverlay != firstOverlay);
        QCOMPARE(overlays(window).size(), 2);

        closeByButton(first);
        QTRY_VERIFY(firstOverlay.isNull());
        QVERIFY(secondOverlay && secondOverlay->isVisible());
        QCOMPARE(overlays(window).size(), 1);
        closeByButton(second);
        QTRY_VERIFY(secondOverlay.isNull());
        QVERIFY(overlays(window).isEmpty());
        QVERIFY(!window.overlay());
    }

    void macroEditorGetsPathAndForwardsChanges()
    {
        ShownWindow shown;
        DMainWidget& window = shown.window;
        QSignalSpy toDevice(window.devicePage(), &DDevicePage::sigMacroListHaveChangedSendToDevice);
        DMacroPage* page = openDialog<DMacroPage>(window, "sigShowMacroPage");
        QCOMPARE(QByteArray(page->macroFilePath()), QByteArray(window.macroFilePath()));
        emit page->sigMacroListHaveChanged(QStringLiteral("3"), QStringLiteral("Burst"));
        QCOMPARE(toDevice.count(), 1);
        QCOMPARE(toDevice.at(0), (QVariantList{"3", "Burst"}));
        closeByButton(page);
    }

    void macroPathIsRefusedNotCut()
    {
        DMacroPage page;
        const QByteArray fits(DMacroPage::kPathBufferSize - 1, 'p');
        page.setMacroFilePath(fits.constData());
        QCOMPARE(QByteArray(page.macroFilePath()), fits);
        // Cut, it would name another file.
        page.setMacroFilePath(QByteArray(400, 'p').constData());
        QCOMPARE(QByteArray(page.macroFilePath()), QByteArray());
        page.setMacroFilePath(nullptr);
        QCOMPARE(QByteArray(page.macroFilePath()), QByteArray());
    }

    void macroEditorClosedByTheSystemOrTheWindowsEnd_data()
    {
        QTest::addColumn<bool>("teardown");
        QTest::newRow("window-system close") << false;
        QTest::newRow("main window torn down") << true;
    }
    void macroEditorClosedByTheSystemOrTheWindowsEnd()
    {
        QFETCH(bool, teardown);
        auto shown = std::make_unique<ShownWindow>();
        DMainWidget& window = shown->window;
        DMacroPage* page = openDialog<DMacroPage>(window, "sigShowMacroPage");
        QPointer<DMacroPage> guard(page);
        QSignalSpy closed(page, &DMacroPage::sigMacroPageClose);
        QSignalSpy hooks(DDataManager::getInstance(), &DDataManager::sigHookRuningStrtusCtrl_MacroRecord);
        if (teardown) {
            shown.reset();
        } else {
            page->close();
            QTRY_VERIFY(guard.isNull());
            overlayGoneWithItsDialog(window);
        }
        QVERIFY(guard.isNull());
        QCOMPARE(closed.count(), 1);
        QCOMPARE(hooks.last(), QVariantList{false});
    }

    // The macro button takes the key page's hook off for the editor. However
    // the editor goes, the hook follows the light effect in use, and without
    // a keyboard none is in use: the hook stays off even when it ran before
    // (tst_keyHookPassThrough has the effects of a keyboard).
    void keyHookFollowsTheEffectAfterTheMacroEditor_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("close button") << 0;
        QTest::newRow("escape") << 1;
        QTest::newRow("window system") << 2;
    }
    void keyHookFollowsTheEffectAfterTheMacroEditor()
    {
        QFETCH(int, how);
        ShownWindow shown;
        DMainWidget& window = shown.window;
        DCustomKeysPage* keys = DevicePageProbe(*window.devicePage()).customKeysPage();
        keys->setKeyboardHookEnabled(true);
        QVERIFY(keys->isKeyboardHookEnabled());
        window.devicePage()->findChild<QToolButton*>(QStringLiteral("toolButton_MacroDialog"))->click();
        QVERIFY(!keys->isKeyboardHookEnabled());
        const QList<DMacroPage*> open = window.findChildren<DMacroPage*>();
        QVERIFY(!open.isEmpty());
        QPointer<DMacroPage> page(open.last());
        if (how == 0)
            page->findChild<QPushButton*>(QStringLiteral("pushButton_Close"))->click();
        else if (how == 1)
            QTest::keyClick(page.data(), Qt::Key_Escape);
        else
            page->close();
        QTRY_VERIFY(page.isNull());
        QVERIFY(!keys->isKeyboardHookEnabled());
        overlayGoneWithItsDialog(window);
    }

    void advancedKeyEditorReportsListChange()
    {
        ShownWindow shown;
        QSignalSpy changed(DDataManager::getInstance(), &DDataManager::sigSeniorKeysListItemHaveChanged);
        // Opened and closed without a create or a delete: the key pages are
        // not told.
        DSeniorKeysPage* page = openDialog<DSeniorKeysPage>(shown.window, "sigShowSeniorKeysPage");
        closeByButton(page);
        QCOMPARE(changed.count(), 0);
        overlayGoneWithItsDialog(shown.window);

        page = openDialog<DSeniorKeysPage>(shown.window, "sigShowSeniorKeysPage");
        auto* create = page->findChild<QPushButton*>(QStringLiteral("pushButton_NewCreate"));
        QTRY_VERIFY(page->findChild<QLabel*>(QStringLiteral("label_EventTotalNum"))->text() != QLatin1String("10/40"));
        create->click();
        QCOMPARE(changed.count(), 0);
        closeByButton(page);
        QCOMPARE(changed.count(), 1);
        overlayGoneWithItsDialog(shown.window);
    }

    void themeFromSettingsRestylesFrameAndDevicePage_data()
    {
        QTest::addColumn<int>("theme");
        for (int i = 0; i < 5; ++i)
            QTest::newRow(qPrintable(themeName(i))) << i;
    }
    void themeFromSettingsRestylesFrameAndDevicePage()
    {
        QFETCH(int, theme);
        ShownWindow shown;
        DMainWidget& window = shown.window;
        QMetaObject::invokeMethod(&window, "onReturnHidLikeName", Q_ARG(QString, "OV68M"), Q_ARG(QString, "Orvane"));
        DSettingsDia* dialog = openDialog<DSettingsDia>(window, "pushButton_Setting");
        chooseTheme(dialog, theme);

        QCOMPARE(QSettings(userIni(), QSettings::IniFormat).value("Theme/selectThemeIndex").toInt(), theme);
        QVERIFY(qApp->styleSheet().contains("leftTopLogo_" + themeName(theme) + ".png"));
        // The device page draws from the application sheet of the theme chosen.
        QCOMPARE(window.devicePage()->findChild<QFrame*>("frame_Right")->styleSheet(), QString());
        QCOMPARE(qApp->styleSheet(), DAppStyle::sheet(theme));
        QCOMPARE(window.findChild<QLabel*>("label_ProductName")->text(), QStringLiteral("OV68M"));
        QCOMPARE(window.findChild<QLabel*>("label_DeviceName")->text(), QStringLiteral("Orvane"));
        closeByButton(dialog);
        // Once the dialog's veil is gone, the title bar shows the theme's colour.
        QTRY_VERIFY(!window.overlay());
        QCOMPARE(RenderedLook::background(window.findChild<QFrame*>("frame_Title")),
                 DDataManager::getInstance()->themeRoles().color(DThemeRoles::TitleBar));
    }

    void backgroundImageFromSettings_data()
    {
        QTest::addColumn<int>("theme");
        for (int i = 0; i < 5; ++i)
            QTest::newRow(qPrintable(themeName(i))) << i;
    }
    void backgroundImageFromSettings()
    {
        QFETCH(int, theme);
        ShownWindow shown;
        DMainWidget& window = shown.window;
        DSettingsDia* dialog = openDialog<DSettingsDia>(window, "pushButton_Setting");
        chooseTheme(dialog, theme);
        auto* titleBar = window.findChild<QFrame*>("frame_Title");
        const QImage plainTitle = titleBar->grab().toImage();
        const QColor plainBar = RenderedLook::background(titleBar);
        const QColor labelColour = RenderedLook::text(window.findChild<QLabel*>("label_ProductName"));
        useBackgroundImage(dialog, true);

        QVERIFY(QSettings(userIni(), QSettings::IniFormat).value("ThemeBgImage/BgImageIsUsing").toBool());
        QVERIFY(DDataManager::getInstance()->bgImageIsUsing());
        // The picture lies behind the title; the names keep their colour.
        QVERIFY(titleBar->grab().toImage() != plainTitle);
        QCOMPARE(RenderedLook::text(window.findChild<QLabel*>("label_ProductName")), labelColour);

        // The pictures themselves are ours, drawn at build time beside the program.
        for (const char* part : {"Title", "Main"}) {
            const QString file
                = QStringLiteral(ORVANE_TEST_BIN_DIR "/images/bgImage%1_%2.png").arg(part, themeName(theme));
            QImage image(file);
            QVERIFY2(!image.isNull(), qPrintable(file));
            QVERIFY(image.width() >= 1280);
        }
        useBackgroundImage(dialog, false);
        QVERIFY(!DDataManager::getInstance()->bgImageIsUsing());
        QCOMPARE(RenderedLook::background(titleBar), plainBar);
        closeByButton(dialog);
    }

    void languageChangeRetranslatesEverything()
    {
        ShownWindow shown;
        DMainWidget& window = shown.window;
        QMetaObject::invokeMethod(&window, "onReturnHidLikeName", Q_ARG(QString, "OV84W"), Q_ARG(QString, "Wireless"));
        DSettingsDia* dialog = openDialog<DSettingsDia>(window, "pushButton_Setting");

        QTranslator german;
        QVERIFY(german.load(QStringLiteral(ORVANE_TEST_BIN_DIR "/translation/German.qm")));
        QCoreApplication::installTranslator(&german);
        emit dialog->sigUpdataAllUI();
        const QString listTitle = window.devicePage()->findChild<QLabel*>("label")->text();
        const QString tip = window.devicePage()->findChild<QLabel*>("label_Tip")->text();
        QStringList trayTexts;
        for (QAction* action : window.findChildren<QAction*>())
            trayTexts << action->text();
        QCoreApplication::removeTranslator(&german);

        QCOMPARE(listTitle, QStringLiteral("Geräteliste"));
        QVERIFY(tip != QLatin1String("Device not connected"));
        QVERIFY(trayTexts.contains(QStringLiteral("Beenden(&Q)")));
        QCOMPARE(window.findChild<QLabel*>("label_ProductName")->text(), QStringLiteral("OV84W"));
        QCOMPARE(window.findChild<QLabel*>("label_DeviceName")->text(), QStringLiteral("Wireless"));
        QCOMPARE(window.findChild<QLabel*>("label_AppName")->text(), window.windowTitle());
        closeByButton(dialog);
    }

    // Without a DAppllication nothing can load, so nothing is reported.
    void languageThatDoesNotLoadReportsNothing()
    {
        DSettingsDia dialog;
        QSignalSpy updated(&dialog, &DSettingsDia::sigUpdataAllUI);
        dialog.findChild<QComboBox*>(QStringLiteral("comboBox_Language"))->setCurrentText(QStringLiteral("Deutsch"));
        QCOMPARE(updated.count(), 0);
        QCOMPARE(QSettings(userIni(), QSettings::IniFormat).value("Language/selectLanguageIndex").toInt(), 10);
    }

    void manualFirmwareCheckWithNothingToUpgrade()
    {
        ShownWindow shown;
        DMainWidget& window = shown.window;
        DSettingsDia* dialog = openDialog<DSettingsDia>(window, "pushButton_Setting");
        QWidget* overlay = window.overlay();
        dialog->findChild<QPushButton*>("pushButton_UpgradeCheck")->click();
        auto* toast = dialog->findChild<CbNotice*>();
        QVERIFY(toast->isVisible());
        QCOMPARE(toast->text(), QStringLiteral("No upgradeable devices found"));
        QCOMPARE(window.overlay(), overlay);
        closeByButton(dialog);
    }

    // The main window's close button follows the dialog's close-to-tray box
    // at once: put away while it is ticked (minimised, with no tray here),
    // the program ends once it is not.
    void closeButtonFollowsCloseToTray()
    {
        ShownWindow shown;
        DMainWidget& window = shown.window;
        auto setCloseToTray = [&window](bool on) {
            DSettingsDia* dialog = openDialog<DSettingsDia>(window, "pushButton_Setting");
            auto* box = dialog->findChild<QCheckBox*>(QStringLiteral("checkBox_Close"));
            if (box->isChecked() != on)
                box->click();
            QCOMPARE(box->isChecked(), on);
            closeByButton(dialog);
        };
        setCloseToTray(true);
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("pushButton_Close")), Qt::LeftButton);
        QTRY_VERIFY(window.isMinimized());
        QVERIFY(window.isVisible());

        window.showNormal();
        setCloseToTray(false);
        QTimer::singleShot(0, &window, [&window] {
            QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("pushButton_Close")), Qt::LeftButton);
        });
        // A watchdog so a failure cannot hang the test.
        QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(!window.isVisible());
    }

    // A fresh settings file counts as a new version: the list's first load
    // starts the check, which opens nothing while no keyboard can be upgraded.
    void automaticFirmwareCheckAfterFirstLoad()
    {
        QVERIFY(DDataManager::getInstance()->appVersionChanged());
        // Nothing is pending before the device list has loaded once; the
        // load needs the event loop, which showing the window runs.
        DMainWidget window;
        QVERIFY(!window.isFirmwareCheckPending());
        window.show();
        QTRY_VERIFY_WITH_TIMEOUT(window.isFirmwareCheckPending(), 20000);
        QTRY_VERIFY_WITH_TIMEOUT(!window.isFirmwareCheckPending(), 5000);
        QVERIFY(!window.overlay());
    }
};

ORVANE_TEST_MAIN(tst_MainWindowOverlays)
#include "tst_mainWindowOverlays.moc"
