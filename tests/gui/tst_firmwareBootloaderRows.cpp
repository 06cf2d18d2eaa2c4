// A firmware upgrade that always finishes: a keyboard left in its bootloader
// gets a row of the upgrade window, opened by itself, and Update writes it;
// whatever the bootloader does wrong, the end is the new firmware or a row
// that can still finish it. The rows follow their keyboards (re-plugged,
// through the bootloader and back), the keyboard shown stays shown, and it
// comes back with its serial number, so with its profiles.
//
// The ".ufw" family is used throughout: its images are small.
#include "support/ApplicationSetUp.h"
#include "support/ContrastRatio.h"
#include "support/RenderedLook.h"
#include "support/TestMain.h"

#include "app/DDataManager.h"
#include "app/DThemeRoles.h"
#include "support/SimulatorHarness.h"
#include "ui/firmware/DUpdateFirmwareDia.h"
#include "ui/firmware/UpdateFirmwareInfoItem.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/widgets/DAppStyle.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTranslator>

#include <algorithm>
#include <cstring>

namespace {

constexpr int kLoadTimeoutMs = 20000;
constexpr int kWriteTimeoutMs = 60000;
const std::string kOlder = "V1.0";
const QString kModel = QStringLiteral("OV68M");
const QString kNewVersion = QStringLiteral("V1.1");
// Blocks of the ".ufw" image of the model, at 56 bytes a block.
constexpr int kImageBlocks = (32 * 1024 + 40) / 56;

QString fixed(const char* text)
{
    return QString::fromLatin1(text);
}

int distance(const QColor& a, const QColor& b)
{
    return qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue());
}

// Saves a picture of the window when ORVANE_SCREENSHOT_DIR names a folder:
// on a display, what the display shows of it.
void screenshot(QWidget* window, const QString& name)
{
    const QString folder = qEnvironmentVariable("ORVANE_SCREENSHOT_DIR");
    if (folder.isEmpty() || !window)
        return;
    QCoreApplication::processEvents();
    const QPixmap picture
        = QGuiApplication::platformName() == QLatin1String("xcb")
              ? window->screen()->grabWindow(0, window->x(), window->y(), window->width(), window->height())
              : window->grab();
    picture.save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

// A keyboard of the longest name, waiting in its bootloader (so its row can
// start without a link).
hidStructInfoAll bootloaderRecord(const char* path, const char* model, const char* product, const char* like)
{
    hidStructInfoAll record;
    std::strcpy(record.hidPath, path);
    std::strcpy(record.modelName, model);
    std::strcpy(record.productName, product);
    std::strcpy(record.likeName, like);
    std::strcpy(record.firmwareVersion, "V1.0");
    std::strcpy(record.newFirmwareVersion, "V1.2.0");
    record.isOnline = 1;
    return record;
}

struct Program
{
    SimulatorHarness sim;
    std::unique_ptr<DMainWidget> main;

    bool start(int keyboards)
    {
        main = std::make_unique<DMainWidget>(sim.newDeviceChangeSource());
        QSignalSpy loaded(main->devicePage(), &DDevicePage::sigHaveCheckUpgradeFirmwareNUC);
        main->show();
        return loaded.wait(kLoadTimeoutMs)
               && QTest::qWaitFor([&] { return main->devicePage()->deviceLinkMap().size() == keyboards; },
                                  kLoadTimeoutMs);
    }
    DUpdateFirmwareDia* window() const { return main->upgradeWindow(); }
    QPushButton* button(int row) const
    {
        return window()->rows().at(row)->findChild<QPushButton*>(QStringLiteral("pushButton_Update"));
    }
    QString rowText(int row, const char* label) const
    {
        return window()->rows().at(row)->findChild<QLabel*>(QLatin1String(label))->text();
    }
    bool rowComplete(int row) const
    {
        return window()->rows().at(row)->findChild<QStackedWidget*>(QStringLiteral("stackedWidget"))->currentIndex()
               == 1;
    }
    // Clicks Update of the row and waits for its one report; true on success.
    bool update(int row, bool* reported)
    {
        QSignalSpy succeeded(window(), &DUpdateFirmwareDia::sigUpgradeFirmwareSuc);
        QSignalSpy failed(window(), &DUpdateFirmwareDia::sigUpgradeFirmwareFailed);
        button(row)->click();
        *reported = QTest::qWaitFor([&] { return succeeded.count() + failed.count() > 0; }, kWriteTimeoutMs);
        return succeeded.count() == 1 && failed.isEmpty();
    }
    // The keyboard of the model on the device page, once it runs `version`.
    bool keyboardBack(const QString& version, hidStructInfoAll* record = nullptr)
    {
        return QTest::qWaitFor(
            [&] {
                for (const hidStructInfoAll& each : main->devicePage()->deviceInfoMap()) {
                    if (fixed(each.modelName) == kModel && fixed(each.firmwareVersion) == version) {
                        if (record)
                            *record = each;
                        return true;
                    }
                }
                return false;
            },
            kLoadTimeoutMs);
    }
    std::shared_ptr<SimulatedKeyboard> keyboard() const
    {
        for (const auto& each : const_cast<SimulatorHarness&>(sim).bus().keyboards()) {
            if (each->model().code == kModel)
                return each;
        }
        return nullptr;
    }
    QString shownKeyboard() const { return main->findChild<QLabel*>(QStringLiteral("label_DeviceName"))->text(); }
    QStringList shownProfiles() const
    {
        QStringList names;
        auto* box = main->devicePage()->findChild<QComboBox*>(QStringLiteral("comboBox_profileList"));
        for (int i = 0; i < box->count(); ++i)
            names << box->itemText(i);
        return names;
    }
};

} // namespace

class tst_firmwareBootloaderRows : public QObject
{
    Q_OBJECT

private slots:
    // No check starts for a version change: every window here is opened by
    // a bootloader or by the test.
    void initTestCase()
    {
        rememberProgramVersion();
        prepareApplicationTest();
    }

    // What the window shows in each theme and language: a progress fill
    // in the theme's colours that stands out from its groove (and a groove
    // that does not look like a full bar against the window), names neither
    // cut nor said twice, a warning not to unplug that reads on the window.
    void lookInEveryThemeAndLanguage_data()
    {
        QTest::addColumn<int>("theme");
        QTest::addColumn<QString>("language");
        for (const int theme : {0, 1, 2, 3}) {
            for (const char* language : {"English", "German", "Russian"})
                QTest::addRow("theme %d %s", theme, language) << theme << QString::fromLatin1(language);
        }
    }
    void lookInEveryThemeAndLanguage()
    {
        QFETCH(int, theme);
        QFETCH(QString, language);
        QTranslator translator;
        QVERIFY(installTranslation(translator, language));
        DDataManager::getInstance()->loadTheme(theme);
        DAppStyle::apply(theme);
        const DThemeRoles& roles = DDataManager::getInstance()->themeRoles();
        const QColor background = roles.color(DThemeRoles::UpgradeSurface);
        {
            // Over a main window, as the program opens it.
            QWidget host;
            host.resize(900, 700);
            host.show();
            auto& window = *new DUpdateFirmwareDia(&host);
            window.setDeviceList(
                {bootloaderRecord("sim:1/0#vid_1209&pid_0013&mi_00", "OV84W", "Orvane Pulse 84 Wireless",
                                  "Pulse 84 Wireless"),
                 bootloaderRecord("sim:2/0#vid_1209&pid_0011&mi_00", "OV68M", "Orvane Swift 68 HE", "Swift 68 HE")},
                {});
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            UpdateFirmwareInfoItem* row = window.rows().first();
            auto* name = row->findChild<QLabel*>(QStringLiteral("label_HidLikeName"));
            QCOMPARE(name->text(), QStringLiteral("Orvane Pulse 84 Wireless"));
            QVERIFY(name->toolTip().isEmpty());
            QVERIFY(name->width() >= name->fontMetrics().horizontalAdvance(name->text()));
            QCOMPARE(window.rows().at(1)->findChild<QLabel*>(QStringLiteral("label_HidLikeName"))->text(),
                     QStringLiteral("Orvane Swift 68 HE"));
            QVERIFY(row->findChild<QPushButton*>(QStringLiteral("pushButton_Update"))->isEnabled());
            // Every row whole inside the window, its button not cut off.
            auto* list = window.findChild<QWidget*>(QStringLiteral("scrollArea_2"));
            for (UpdateFirmwareInfoItem* each : window.rows()) {
                auto* button = each->findChild<QPushButton*>(QStringLiteral("pushButton_Update"));
                const QRect inList(button->mapTo(list, QPoint(0, 0)), button->size());
                QVERIFY2(list->rect().contains(inList),
                         qPrintable(QStringLiteral("%1 %2").arg(inList.right()).arg(list->width())));
            }

            auto* bar = row->findChild<QProgressBar*>(QStringLiteral("progressBar"));
            const QString tag = QStringLiteral("upgrade-theme%1-%2-").arg(theme).arg(language);
            window.rows().at(0)->setProgress(0);
            window.rows().at(1)->setProgress(0);
            QImage image = bar->grab().toImage();
            const QColor groove = image.pixelColor(image.width() * 3 / 4, image.height() / 2);
            QCOMPARE(image.pixelColor(image.width() / 4, image.height() / 2), groove);
            screenshot(&window, tag + QStringLiteral("0"));

            row->setProgress(50);
            image = bar->grab().toImage();
            const QColor fill = image.pixelColor(image.width() / 4, image.height() / 2);
            QCOMPARE(image.pixelColor(image.width() * 3 / 4, image.height() / 2), groove);
            QCOMPARE(fill, roles.color(DThemeRoles::ProgressChunk));
            QCOMPARE(groove, roles.color(DThemeRoles::ProgressTrack));
            QVERIFY2(distance(fill, groove) >= 150, qPrintable(fill.name() + QLatin1Char('/') + groove.name()));
            QVERIFY2(distance(fill, groove) >= 2 * distance(groove, background),
                     qPrintable(groove.name() + QLatin1Char('/') + background.name()));
            screenshot(&window, tag + QStringLiteral("50"));

            row->setProgress(100);
            row->showCompletePage();
            screenshot(&window, tag + QStringLiteral("complete"));

            // The warning's letters, at their most solid, on the window.
            QWidget* warning = window.findChild<QWidget*>(QStringLiteral("widget_Tip"));
            const QImage tip = window.grab(QRect(warning->mapTo(&window, QPoint(0, 0)), warning->size())).toImage();
            const QColor ground = RenderedLook::background(warning);
            double best = 0;
            for (int y = 0; y < tip.height(); ++y) {
                for (int x = 0; x < tip.width(); ++x)
                    best = std::max(best, ContrastRatio::contrast(tip.pixelColor(x, y), ground));
            }
            QVERIFY2(best >= ContrastRatio::kText, qPrintable(QString::number(best)));
        }
        QCoreApplication::removeTranslator(&translator);
        DDataManager::getInstance()->loadTheme(0);
        DAppStyle::apply(0);
    }

    // A keyboard left in its bootloader when the program starts: one row,
    // in a window that opens by itself; Update writes it, and the keyboard
    // comes back with the new version, its serial number and its profiles.
    void bootloaderAtStartIsOfferedAndWritten()
    {
        Program program;
        const std::string serial = "5a0000aa00000000000000000000beef";
        // Its profiles, as they were before the broken upgrade.
        {
            const auto keyboard = program.sim.bus().plug(kModel, false, kOlder, serial);
            QVERIFY(keyboard);
            QVERIFY(program.start(1));
            QTRY_VERIFY_WITH_TIMEOUT(QString::fromLocal8Bit(program.main->devicePage()->profilePath())
                                         .contains(QString::fromStdString(serial)),
                                     kLoadTimeoutMs);
        }
        const QString profilePath = QString::fromLocal8Bit(program.main->devicePage()->profilePath());
        const QStringList profiles = program.shownProfiles();
        QVERIFY(!profiles.isEmpty());
        program.main.reset();
        program.sim.bus().unplug(program.keyboard());
        const auto bootloader = program.sim.bus().plugBootloader(kModel, false, kOlder, serial);
        QVERIFY(bootloader);

        QVERIFY(program.start(0));
        QTRY_VERIFY_WITH_TIMEOUT(program.window(), kLoadTimeoutMs);
        QCOMPARE(program.window()->rows().size(), 1);
        QCOMPARE(program.rowText(0, "label_HidLikeName"), QStringLiteral("Orvane Swift 68 HE"));
        QCOMPARE(program.rowText(0, "label_NewVer"), kNewVersion);
        QVERIFY(program.button(0)->isEnabled());
        // Offered, not written: nothing is sent until Update.
        QVERIFY(bootloader->receivedReports().empty());

        bool reported = false;
        QVERIFY(program.update(0, &reported));
        QVERIFY(bootloader->accepted());
        hidStructInfoAll back;
        QVERIFY(program.keyboardBack(kNewVersion, &back));
        QCOMPARE(program.keyboard()->serialNumber(), serial);
        QTRY_COMPARE_WITH_TIMEOUT(QString::fromLocal8Bit(program.main->devicePage()->profilePath()), profilePath,
                                  kLoadTimeoutMs);
        QCOMPARE(program.shownProfiles(), profiles);
        // The row is the keyboard now, with what it runs.
        QTRY_COMPARE(program.rowText(0, "label_OldVer"), kNewVersion);
        QCOMPARE(program.window()->rows().first()->hidPath(), fixed(back.hidPath));
        QVERIFY(program.rowComplete(0));
        QCOMPARE(program.window()->rows().size(), 1);
    }

    // Closing the window leaves no keyboard behind: a bootloader that comes
    // later opens it again by itself.
    void bootloaderArrivingLaterOpensTheWindow()
    {
        Program program;
        QVERIFY(program.start(0));
        QVERIFY(!program.window());
        const auto bootloader = program.sim.bus().plugBootloader(kModel);
        QTRY_VERIFY_WITH_TIMEOUT(program.window(), kLoadTimeoutMs);
        QCOMPARE(program.window()->rows().size(), 1);
        QVERIFY(program.main->upgradeOverlay()->isVisible());
        // Closed without writing it; the next bootloader brings it back.
        program.window()->findChild<QPushButton*>(QStringLiteral("pushButton_Close"))->click();
        QTRY_VERIFY(!program.window());
        const auto second = program.sim.bus().plugBootloader(QStringLiteral("OV61M"));
        QTRY_VERIFY_WITH_TIMEOUT(program.window(), kLoadTimeoutMs);
        QCOMPARE(program.window()->rows().size(), 2);
        QVERIFY(bootloader->receivedReports().empty());
        QVERIFY(second->receivedReports().empty());
    }

    // A bootloader does not say which connection it serves until it is
    // asked: behind the receiver it refuses the cable image, before anything
    // is written, and takes the receiver's.
    void receiverBootloaderTakesTheReceiverImage()
    {
        Program program;
        QVERIFY(program.start(0));
        const auto bootloader = program.sim.bus().plugBootloader(kModel, true);
        QTRY_VERIFY_WITH_TIMEOUT(program.window(), kLoadTimeoutMs);
        QTRY_VERIFY(program.button(0)->isEnabled());
        bool reported = false;
        QVERIFY(program.update(0, &reported));
        QVERIFY(bootloader->accepted());
        // Identified twice, started once.
        QCOMPARE(bootloader->receivedCount(0x01), 2);
        QCOMPARE(bootloader->receivedCount(0x02), 1);
        hidStructInfoAll back;
        QVERIFY(program.keyboardBack(kNewVersion, &back));
        QCOMPARE(back.is24G, 1);
    }

    // Every fault of the bootloader ends in the new firmware, or in a row
    // that finishes the upgrade once the keyboard has power again; the
    // keyboard keeps its serial number either way.
    void faultsEndInNewFirmwareOrARowThatFinishes_data()
    {
        QTest::addColumn<int>("fault");
        enum { PowerLoss, Unplug, Refusal, RefusedOnce, Slow };
        QTest::newRow("power lost at a random block") << int(PowerLoss);
        QTest::newRow("unplugged mid-write") << int(Unplug);
        QTest::newRow("every block refused") << int(Refusal);
        QTest::newRow("one block refused") << int(RefusedOnce);
        QTest::newRow("slow answers") << int(Slow);
    }
    void faultsEndInNewFirmwareOrARowThatFinishes()
    {
        QFETCH(int, fault);
        enum { PowerLoss, Unplug, Refusal, RefusedOnce, Slow };
        Program program;
        const auto keyboard = program.sim.bus().plug(kModel, false, kOlder);
        keyboard->setStateOnHandshake(true);
        const std::string serial = keyboard->serialNumber();
        QVERIFY(program.start(1));
        QVERIFY(program.main->collectUpgradeableDevices(1));
        QTRY_VERIFY(program.button(0)->isEnabled());

        SimulatedBootloader::Faults faults;
        const int block = int(QRandomGenerator::global()->bounded(kImageBlocks));
        if (fault == PowerLoss)
            faults.powerLossAtBlock = block;
        if (fault == Refusal || fault == RefusedOnce) {
            faults.refuseAtBlock = block;
            faults.refusals = fault == Refusal ? -1 : 1;
        }
        if (fault == Slow)
            faults.answerDelayMs = 3;
        program.sim.bus().setBootloaderFaults(faults);
        bool succeeded = false;
        if (fault == Unplug) {
            // Pulled out while blocks go in.
            QSignalSpy progress(program.window(), &DUpdateFirmwareDia::sigUpgradeProgress);
            QSignalSpy failed(program.window(), &DUpdateFirmwareDia::sigUpgradeFirmwareFailed);
            program.button(0)->click();
            QTRY_VERIFY_WITH_TIMEOUT(progress.count() >= 3, kWriteTimeoutMs);
            program.sim.bus().unplugPath(program.sim.bus().pathOf(program.sim.bus().bootloaders().front()));
            QTRY_COMPARE_WITH_TIMEOUT(failed.count(), 1, kWriteTimeoutMs);
        } else {
            bool reported = false;
            succeeded = program.update(0, &reported);
            QVERIFY2(reported, "no outcome reported");
        }
        program.sim.bus().setBootloaderFaults({});
        QTRY_VERIFY(!program.main->isUpgradeWorkerRunning());

        hidStructInfoAll back;
        if (!succeeded) {
            // Left in its bootloader: with power again (a refusing one after
            // a power cycle) the row stands for it and finishes the upgrade.
            QVERIFY(fault != Slow);
            for (const auto& stuck : program.sim.bus().bootloaders())
                program.sim.bus().unplugPath(program.sim.bus().pathOf(stuck));
            const auto bootloader = program.sim.bus().plugBootloader(kModel, false, kOlder, serial);
            QVERIFY(bootloader);
            QTRY_COMPARE_WITH_TIMEOUT(program.window()->rows().first()->hidPath(),
                                      QString::fromStdString(program.sim.bus().pathOf(bootloader)), kLoadTimeoutMs);
            QCOMPARE(program.window()->rows().size(), 1);
            QTRY_VERIFY(program.button(0)->isEnabled());
            bool reported = false;
            QVERIFY(program.update(0, &reported));
        }
        QVERIFY(program.keyboardBack(kNewVersion, &back));
        QCOMPARE(program.keyboard()->serialNumber(), serial);
        QTRY_COMPARE(program.rowText(0, "label_OldVer"), kNewVersion);
        QVERIFY(program.rowComplete(0));
    }

    // The window closed while the write goes on, and the write fails: the
    // keyboard left in its bootloader brings the window back with its row.
    void windowClosedMidWriteComesBackForTheBootloader()
    {
        Program program;
        program.sim.bus().plug(kModel, false, kOlder);
        QVERIFY(program.start(1));
        QVERIFY(program.main->collectUpgradeableDevices(1));
        SimulatedBootloader::Faults faults;
        faults.answerDelayMs = 3;
        faults.refuseAtBlock = kImageBlocks / 2;
        program.sim.bus().setBootloaderFaults(faults);
        QSignalSpy progress(program.window(), &DUpdateFirmwareDia::sigUpgradeProgress);
        program.button(0)->click();
        QTRY_VERIFY_WITH_TIMEOUT(progress.count() >= 3, kWriteTimeoutMs);
        program.window()->findChild<QPushButton*>(QStringLiteral("pushButton_Close"))->click();
        QTRY_VERIFY(!program.window());
        QTRY_VERIFY_WITH_TIMEOUT(program.window(), kWriteTimeoutMs);
        const auto bootloaders = program.sim.bus().bootloaders();
        QCOMPARE(int(bootloaders.size()), 1);
        QVERIFY(!bootloaders.front()->accepted());
        QCOMPARE(program.window()->rows().size(), 1);
        QCOMPARE(program.window()->rows().first()->hidPath(),
                 QString::fromStdString(program.sim.bus().pathOf(bootloaders.front())));
        QVERIFY(program.button(0)->isEnabled());
    }

    // Pulled out and plugged in again while the window stays open: the row
    // follows the keyboard's new link, and Update reaches it.
    void replugWithTheWindowOpen()
    {
        Program program;
        auto keyboard = program.sim.bus().plug(kModel, false, kOlder);
        const std::string serial = keyboard->serialNumber();
        QVERIFY(program.start(1));
        QVERIFY(program.main->collectUpgradeableDevices(1));
        const QString oldPath = program.window()->rows().first()->hidPath();

        program.sim.bus().unplug(keyboard);
        QTRY_VERIFY(!program.button(0)->isEnabled());
        keyboard = program.sim.bus().plug(kModel, false, kOlder, serial);
        const QString newPath = QString::fromStdString(program.sim.bus().pathOf(keyboard));
        QVERIFY(newPath != oldPath);
        QTRY_COMPARE_WITH_TIMEOUT(program.window()->rows().first()->hidPath(), newPath, kLoadTimeoutMs);
        QTRY_VERIFY(program.button(0)->isEnabled());

        bool reported = false;
        QVERIFY(program.update(0, &reported));
        QVERIFY(program.keyboardBack(kNewVersion));
        QCOMPARE(program.window()->rows().size(), 1);
        QCOMPARE(program.keyboard()->serialNumber(), serial);
    }

    // The keyboard shown before its upgrade is shown again when it comes
    // back, though another was shown while it was away, with the profiles
    // it had.
    void shownKeyboardStaysShown()
    {
        Program program;
        const std::string serial = program.sim.bus().plug(kModel, false, kOlder)->serialNumber();
        program.sim.bus().plug(QStringLiteral("OV84W"));
        QVERIFY(program.start(2));
        QTRY_COMPARE_WITH_TIMEOUT(program.shownKeyboard(), QStringLiteral("Swift 68 HE"), kLoadTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(
            QString::fromLocal8Bit(program.main->devicePage()->profilePath()).contains(QString::fromStdString(serial)),
            kLoadTimeoutMs);
        const QString profilePath = QString::fromLocal8Bit(program.main->devicePage()->profilePath());
        const QStringList profiles = program.shownProfiles();
        QVERIFY(program.main->collectUpgradeableDevices(1));
        QCOMPARE(program.window()->rows().size(), 1);
        bool reported = false;
        QVERIFY(program.update(0, &reported));
        QVERIFY(program.keyboardBack(kNewVersion));
        QTRY_COMPARE_WITH_TIMEOUT(program.shownKeyboard(), QStringLiteral("Swift 68 HE"), kLoadTimeoutMs);
        QTRY_COMPARE_WITH_TIMEOUT(QString::fromLocal8Bit(program.main->devicePage()->profilePath()), profilePath,
                                  kLoadTimeoutMs);
        QCOMPARE(program.shownProfiles(), profiles);
        QTRY_COMPARE(program.rowText(0, "label_OldVer"), kNewVersion);
    }
};

ORVANE_TEST_MAIN(tst_firmwareBootloaderRows)
#include "tst_firmwareBootloaderRows.moc"