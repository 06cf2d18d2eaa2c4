// The two upgrade routes end to end, as a user drives them: the upgrade
// window's Update, the enter-bootloader report through the keyboard's link,
// the simulated keyboard turning into its bootloader, the main window's
// search, the worker that writes the image in our bootloader protocol, and
// the keyboard coming back with the new firmware. Faults end in one failure
// report within a bound, and leave the keyboard upgradeable.
#include "support/ApplicationSetUp.h"
#include "support/BundleFileInPlace.h"
#include "support/TestMain.h"

#include "sdk/firmware/BinImage.h"
#include "sdk/firmware/FirmwareBytes.h"
#include "sdk/models/ModelCatalogue.h"
#include "support/SimulatorHarness.h"
#include "ui/firmware/DUpdateFirmwareDia.h"
#include "ui/firmware/UpdateFirmwareInfoItem.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/widgets/CbNotice.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>

namespace {

constexpr int kLoadTimeoutMs = 20000;
// An image at one block per pacing interval, with the sanitizers on and
// other tests beside it.
constexpr int kWriteTimeoutMs = 120000;
const std::string kOlder = "V1.0";

// Bootloader protocol operation codes, as the simulator logs them.
constexpr uint8_t kIdentify = 0x01;
constexpr uint8_t kStart = 0x02;
constexpr uint8_t kData = 0x03;

QString fixed(const char* text)
{
    return QString::fromLatin1(text);
}

// Saves a picture of the window when ORVANE_SCREENSHOT_DIR names a folder.
void screenshot(QWidget* window, const QString& name)
{
    const QString folder = qEnvironmentVariable("ORVANE_SCREENSHOT_DIR");
    if (!folder.isEmpty() && window)
        window->grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

struct UpgradeRun
{
    SimulatorHarness sim;
    std::unique_ptr<DMainWidget> main;
    QPointer<DUpdateFirmwareDia> window;
    std::unique_ptr<QSignalSpy> succeeded;
    std::unique_ptr<QSignalSpy> failed;
    std::unique_ptr<QSignalSpy> progress;

    // One or more keyboards, then the window with their rows.
    bool load(const QList<std::tuple<const char*, bool>>& keyboards)
    {
        for (const auto& [model, receiver] : keyboards) {
            const auto keyboard = sim.plug(model, receiver, kOlder);
            if (!keyboard)
                return false;
            keyboard->setStateOnHandshake(true);
        }
        main = std::make_unique<DMainWidget>(sim.newDeviceChangeSource());
        QSignalSpy loaded(main->devicePage(), &DDevicePage::sigHaveCheckUpgradeFirmwareNUC);
        main->show();
        if (!loaded.wait(kLoadTimeoutMs))
            return false;
        if (!QTest::qWaitFor([&] { return main->devicePage()->deviceLinkMap().size() == keyboards.size(); },
                             kLoadTimeoutMs))
            return false;
        // Behind the receiver a keyboard counts once it has reported itself.
        const auto online = [&] {
            for (const hidStructInfoAll& record : main->devicePage()->deviceInfoMap()) {
                if (record.isOnline != 1)
                    return false;
            }
            return true;
        };
        if (!QTest::qWaitFor(online, kLoadTimeoutMs))
            return false;
        if (!QTest::qWaitFor([&] { return main->collectUpgradeableDevices(1) && main->upgradeWindow(); },
                             kLoadTimeoutMs))
            return false;
        window = main->upgradeWindow();
        succeeded = std::make_unique<QSignalSpy>(window.data(), &DUpdateFirmwareDia::sigUpgradeFirmwareSuc);
        failed = std::make_unique<QSignalSpy>(window.data(), &DUpdateFirmwareDia::sigUpgradeFirmwareFailed);
        progress = std::make_unique<QSignalSpy>(window.data(), &DUpdateFirmwareDia::sigUpgradeProgress);
        return QTest::qWaitFor([&] { return button(0)->isEnabled(); }, kLoadTimeoutMs);
    }
    UpdateFirmwareInfoItem* row(int index) const { return window->rows().at(index); }
    QPushButton* button(int index) const
    {
        return row(index)->findChild<QPushButton*>(QStringLiteral("pushButton_Update"));
    }
    // The outcome reported, waiting at most `boundMs`; then a little more,
    // to see that no second report follows.
    bool outcome(int boundMs, int* successes, int* failures)
    {
        const bool reported = QTest::qWaitFor([&] { return succeeded->count() + failed->count() > 0; }, boundMs);
        Q_UNUSED(reported)
        QTest::qWait(300);
        *successes = succeeded->count();
        *failures = failed->count();
        return *successes + *failures > 0;
    }
    // The keyboard of `model` back on the device page with `version`.
    bool keyboardBackWith(const QString& model, const QString& version, int timeoutMs = kLoadTimeoutMs)
    {
        return QTest::qWaitFor(
            [&] {
                for (const hidStructInfoAll& record : main->devicePage()->deviceInfoMap()) {
                    if (fixed(record.modelName) == model && fixed(record.firmwareVersion) == version)
                        return true;
                }
                return false;
            },
            timeoutMs);
    }
    int bootloaderReports(uint8_t operation) const
    {
        int n = 0;
        for (const auto& bootloader : const_cast<SimulatorHarness&>(sim).bus().allBootloaders())
            n += bootloader->receivedCount(operation);
        return n;
    }
};

} // namespace

class tst_firmwareUpgradeRoutes : public QObject
{
    Q_OBJECT

    std::vector<std::unique_ptr<BundleFileInPlace>> m_shortImages;

    // In place of the built-in images of the bootloader route's keyboards,
    // which fill the whole flash: the same id text, and only as long as it
    // needs, so an upgrade writes a few hundred blocks, not thousands.
    void layShortImagesOverTheBuiltInOnes()
    {
        const ModelCatalogue& catalogue = ModelCatalogue::instance();
        for (const char* code : {"OV84W", "OV98"}) {
            const ModelInfo* model = catalogue.find(QLatin1String(code));
            QVERIFY(model);
            const bool bin512 = model->firmwareFamily == ModelInfo::FirmwareFamily::Bin512;
            const BinImage::Family family = bin512 ? BinImage::kFamily512 : BinImage::kFamily256;
            const int length = family.idOffset + BinImage::kIdFieldSize + BinImage::kTrailerSize;
            const QByteArray id = (catalogue.firmwareId() + QStringList{model->code, model->firmwareVersion})
                                      .join(QLatin1Char(','))
                                      .toLatin1();
            QList<FirmwareVariant> variants{FirmwareVariant::Cable};
            if (bin512 && model->hasReceiver())
                variants << FirmwareVariant::Receiver;
            for (const FirmwareVariant variant : variants) {
                const QString name = model->code
                                     + (variant == FirmwareVariant::Receiver ? QStringLiteral("_Dongle") : QString())
                                     + QStringLiteral(".bin");
                const QByteArray image = BinImage::write(family, length, id, variant, name.toLatin1());
                QVERIFY(!image.isEmpty());
                m_shortImages.push_back(std::make_unique<BundleFileInPlace>(
                    QStringLiteral("images/UpdateFirmwareFile/") + name, image, BundleFileInPlace::Layer::OverProgram));
                QVERIFY(m_shortImages.back()->ready());
                QFile laid(QStringLiteral(":/images/UpdateFirmwareFile/") + name);
                QVERIFY(laid.open(QIODevice::ReadOnly));
                QCOMPARE(laid.readAll(), image);
            }
        }
    }

private slots:
    // No automatic check opens a window of its own.
    void initTestCase()
    {
        rememberProgramVersion();
        prepareApplicationTest();
        layShortImagesOverTheBuiltInOnes();
    }

    // The HID-bootloader route as a new user meets it, on the cable and
    // behind the receiver: each keyboard takes the image the check chose.
    void bootloaderRouteUpgrades_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<bool>("receiver");
        QTest::addColumn<QString>("image");
        QTest::newRow("512 KiB, cable") << "OV84W" << false << "OV84W.bin";
        QTest::newRow("512 KiB, receiver") << "OV84W" << true << "OV84W_Dongle.bin";
        QTest::newRow("256 KiB, receiver") << "OV98" << true << "OV98.bin";
    }
    void bootloaderRouteUpgrades()
    {
        QFETCH(QString, model);
        QFETCH(bool, receiver);
        QFETCH(QString, image);
        UpgradeRun run;
        QVERIFY(run.load({{qPrintable(model), receiver}}));
        const QString newVersion = fixed(run.main->upgradeList().first().newFirmwareVersion);
        bool grabbed = false;
        connect(run.window, &DUpdateFirmwareDia::sigUpgradeProgress, run.window, [&](int percent) {
            if (!grabbed && percent >= 40) {
                grabbed = true;
                screenshot(run.window, QStringLiteral("upgrade-progress-") + QTest::currentDataTag());
            }
        });
        run.button(0)->click();
        QTRY_VERIFY_WITH_TIMEOUT(!run.sim.bus().allBootloaders().empty(), 5000);
        int successes = 0;
        int failures = 0;
        QVERIFY(run.outcome(kWriteTimeoutMs, &successes, &failures));
        QCOMPARE(successes, 1);
        QCOMPARE(failures, 0);
        QCOMPARE(run.window->toast()->text(), QStringLiteral("Update successful"));
        QCOMPARE(run.row(0)->findChild<QStackedWidget*>(QStringLiteral("stackedWidget"))->currentWidget()->objectName(),
                 QStringLiteral("page_2"));
        screenshot(run.window, QStringLiteral("upgrade-success-") + QTest::currentDataTag());

        // Progress rose to 100 in steps.
        QVERIFY(run.progress->count() >= 10);
        int previous = -1;
        for (const QList<QVariant>& step : qAsConst(*run.progress)) {
            QVERIFY(step.at(0).toInt() > previous);
            previous = step.at(0).toInt();
        }
        QCOMPARE(previous, 100);

        // The bootloader took the chosen image, whole, once.
        QFile file(QStringLiteral(":/images/UpdateFirmwareFile/") + image);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        const auto bootloaders = run.sim.bus().allBootloaders();
        QCOMPARE(int(bootloaders.size()), 1);
        QVERIFY(bootloaders.front()->accepted());
        const SimulatedBootloader::Report start = [&] {
            for (const auto& r : bootloaders.front()->receivedReports()) {
                if (r[1] == kStart)
                    return r;
            }
            return SimulatedBootloader::Report{};
        }();
        QCOMPARE(FirmwareBytes::readU32(reinterpret_cast<const char*>(&start[4])), uint32_t(bytes.size()));
        QCOMPARE(FirmwareBytes::readU32(reinterpret_cast<const char*>(&start[8])),
                 FirmwareBytes::crc32(bytes.constData(), bytes.size()));

        // The keyboard is back with the new version, and a new check no
        // longer offers it.
        QVERIFY(run.keyboardBackWith(model, newVersion));
        QVERIFY(!run.main->isUpgradePending());
        QVERIFY(!run.main->collectUpgradeableDevices(1));
    }

    // The vendor-library route: a 2 s timer (the window keeps painting),
    // the slot search, the write. The check loaded two images; the one
    // written is the upgraded keyboard's.
    void vendorRouteUpgrades()
    {
        UpgradeRun run;
        QVERIFY(run.load({{"OV68M", false}, {"OV61M", false}}));
        QCOMPARE(run.window->rows().size(), 2);
        // The check loads the images in list order; the first row's is not
        // the one the library holds last.
        const int index = 0;
        const QString model = run.row(index)->modelName();
        QElapsedTimer clock;
        clock.start();
        run.button(index)->click();
        // The window paints during the wait.
        QTest::qWait(500);
        QVERIFY(run.window->isVisible());
        QVERIFY(run.main->isUpgradePending());
        int successes = 0;
        int failures = 0;
        QVERIFY(run.outcome(kWriteTimeoutMs, &successes, &failures));
        QCOMPARE(successes, 1);
        QCOMPARE(failures, 0);
        QVERIFY(clock.elapsed() >= 2000);
        QCOMPARE(int(run.sim.bus().allBootloaders().size()), 1);
        QCOMPARE(run.sim.bus().allBootloaders().front()->model().code, model);
        QVERIFY(run.sim.bus().allBootloaders().front()->accepted());
        QVERIFY(run.keyboardBackWith(model, QStringLiteral("V1.1")));
    }

    // Retries of the bootloader route: at most three after the first
    // attempt, one report whatever happens.
    void retries_data()
    {
        QTest::addColumn<int>("refusals");
        QTest::addColumn<int>("attempts");
        QTest::addColumn<bool>("success");
        QTest::newRow("four failed writes: three retries, one failure") << -1 << 4 << false;
        QTest::newRow("one failed write: success, no more attempts") << 1 << 2 << true;
        QTest::newRow("three failed writes: success on the last retry") << 3 << 4 << true;
    }
    void retries()
    {
        QFETCH(int, refusals);
        QFETCH(int, attempts);
        QFETCH(bool, success);
        UpgradeRun run;
        QVERIFY(run.load({{"OV98", false}}));
        SimulatedBootloader::Faults faults;
        faults.refuseAtBlock = 3;
        faults.refusals = refusals;
        run.sim.bus().setBootloaderFaults(faults);
        run.button(0)->click();
        int successes = 0;
        int failures = 0;
        QVERIFY(run.outcome(kWriteTimeoutMs, &successes, &failures));
        // No attempt and no report comes after the one report.
        QTest::qWait(1500);
        QCOMPARE(run.succeeded->count(), success ? 1 : 0);
        QCOMPARE(run.failed->count(), success ? 0 : 1);
        QCOMPARE(run.bootloaderReports(kIdentify), attempts);
    }

    // Every fault ends in one failure report within its bound; the row can
    // start again, and nothing was written where nothing may be.
    void faultsEndInOneFailure_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("fault");
        QTest::addColumn<int>("boundMs");
        QTest::addColumn<bool>("nothingWritten");
        enum { Silence, WrongModel, WrongVariant, BadCrc, NoReturn, ForeignOnly, NoVendorDevice };
        QTest::newRow("silent bootloader") << "OV98" << int(Silence) << 15000 << true;
        QTest::newRow("refused image") << "OV98" << int(BadCrc) << kWriteTimeoutMs << false;
        QTest::newRow("wrong model") << "OV84W" << int(WrongModel) << 10000 << true;
        QTest::newRow("wrong variant") << "OV84W" << int(WrongVariant) << 10000 << true;
        QTest::newRow("no return after 0x0A") << "OV84W" << int(NoReturn) << 18000 << true;
        QTest::newRow("only a foreign device with a bootloader pair") << "OV84W" << int(ForeignOnly) << 18000 << true;
        QTest::newRow("vendor route, every slot empty") << "OV68M" << int(NoVendorDevice) << 6000 << true;
    }
    void faultsEndInOneFailure()
    {
        QFETCH(QString, model);
        QFETCH(int, fault);
        QFETCH(int, boundMs);
        QFETCH(bool, nothingWritten);
        enum { Silence, WrongModel, WrongVariant, BadCrc, NoReturn, ForeignOnly, NoVendorDevice };
        UpgradeRun run;
        QVERIFY(run.load({{qPrintable(model), false}}));
        SimulatedBootloader::Faults faults;
        faults.silent = fault == Silence;
        faults.identifyAsModel = fault == WrongModel ? QStringLiteral("OV98") : QString();
        faults.identifyAsVariant = fault == WrongVariant ? 1 : -1;
        faults.corruptsFlash = fault == BadCrc;
        faults.noArrival = fault == NoReturn || fault == ForeignOnly || fault == NoVendorDevice;
        run.sim.bus().setBootloaderFaults(faults);

        QElapsedTimer clock;
        clock.start();
        run.button(0)->click();
        // In place of the keyboard's bootloader, another maker's arrives.
        if (fault == ForeignOnly) {
            QTRY_VERIFY(run.sim.bus().keyboards().empty());
            run.sim.bus().plugForeign(0x0416, 0x3f00, 0);
        }
        int successes = 0;
        int failures = 0;
        QVERIFY(run.outcome(boundMs, &successes, &failures));
        QVERIFY2(clock.elapsed() <= boundMs + 500, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(successes, 0);
        QCOMPARE(failures, 1);
        QCOMPARE(run.window->toast()->text(), QStringLiteral("Update failed"));
        if (fault == Silence)
            screenshot(run.window, QStringLiteral("upgrade-failure"));
        QVERIFY(!run.main->isUpgradePending());
        QTRY_VERIFY(!run.main->isUpgradeWorkerRunning());
        QCOMPARE(run.row(0)->findChild<QStackedWidget*>(QStringLiteral("stackedWidget"))->currentWidget()->objectName(),
                 QStringLiteral("page_1"));
        // The row can start again where its keyboard, or its bootloader, is
        // there; one that left and never came back has nothing to write.
        const bool keyboardGone = faults.noArrival;
        QTRY_COMPARE(run.button(0)->isEnabled(), !keyboardGone);
        if (nothingWritten) {
            QCOMPARE(run.bootloaderReports(kStart), 0);
            QCOMPARE(run.bootloaderReports(kData), 0);
        }
        for (const auto& bootloader : run.sim.bus().allBootloaders())
            QVERIFY(!bootloader->accepted());
    }

    // Power lost mid-write: one failure; the keyboard stays in its
    // bootloader, comes back there with power, is left alone until asked,
    // and Update in the open window then upgrades it.
    void powerLostMidWriteThenUpgradeFromTheBootloader()
    {
        UpgradeRun run;
        QVERIFY(run.load({{"OV98", false}}));
        SimulatedBootloader::Faults faults;
        faults.powerLossAtBlock = 200;
        run.sim.bus().setBootloaderFaults(faults);
        run.button(0)->click();
        int successes = 0;
        int failures = 0;
        QVERIFY(run.outcome(kWriteTimeoutMs, &successes, &failures));
        QCOMPARE(successes, 0);
        QCOMPARE(failures, 1);
        QVERIFY(run.sim.bus().bootloaders().empty());
        QVERIFY(run.sim.bus().keyboards().empty());

        // Power back: the keyboard is still in its bootloader, which gets
        // no command while nothing is asked of it; the row stands for it.
        run.sim.bus().setBootloaderFaults({});
        const auto bootloader = run.sim.bus().plugBootloader(QStringLiteral("OV98"));
        QVERIFY(bootloader);
        QTRY_COMPARE(run.row(0)->hidPath(), QString::fromStdString(run.sim.bus().pathOf(bootloader)));
        QVERIFY(run.button(0)->isEnabled());
        QCOMPARE(run.window->rows().size(), 1);
        QVERIFY(bootloader->receivedReports().empty());

        run.succeeded->clear();
        run.failed->clear();
        run.button(0)->click();
        QVERIFY(run.outcome(kWriteTimeoutMs, &successes, &failures));
        QCOMPARE(successes, 1);
        QCOMPARE(failures, 0);
        QVERIFY(bootloader->accepted());
        QVERIFY(run.keyboardBackWith(QStringLiteral("OV98"), QStringLiteral("V1.0.8")));
    }

    // A bootloader that matches but cannot be opened is passed over for the
    // next one.
    void bootloaderThatDoesNotOpenIsSkipped()
    {
        UpgradeRun run;
        QVERIFY(run.load({{"OV98", false}}));
        SimulatedBootloader::Faults closed;
        closed.refusesOpen = true;
        run.sim.bus().setBootloaderFaults(closed);
        const auto stuck = run.sim.bus().plugBootloader(QStringLiteral("OV98"));
        QTest::qWait(800);
        run.sim.bus().setBootloaderFaults({});
        run.button(0)->click();
        int successes = 0;
        int failures = 0;
        QVERIFY(run.outcome(kWriteTimeoutMs, &successes, &failures));
        QCOMPARE(successes, 1);
        QCOMPARE(failures, 0);
        QVERIFY(stuck->receivedReports().empty());
        QVERIFY(run.keyboardBackWith(QStringLiteral("OV98"), QStringLiteral("V1.0.8")));
    }

    // Closing the window mid-write drops the worker's later reports; the
    // bootloader arriving afterwards is not written again; quitting stops
    // the worker instead of waiting for the whole image.
    void closeMidWriteThenQuit()
    {
        UpgradeRun run;
        QVERIFY(run.load({{"OV84W", false}}));
        SimulatedBootloader::Faults slow;
        slow.answerDelayMs = 2;
        run.sim.bus().setBootloaderFaults(slow);
        run.button(0)->click();
        QTRY_VERIFY_WITH_TIMEOUT(run.progress->count() >= 3, 20000);
        QVERIFY(run.main->isUpgradeWorkerRunning());
        run.window->findChild<QPushButton*>(QStringLiteral("pushButton_Close"))->click();
        QTRY_VERIFY(run.window.isNull());
        QVERIFY(!run.main->isUpgradePending());
        QTest::qWait(300);

        // The worker is stopped, not waited for until the image is written:
        // no bootloader took a whole image.
        run.main.reset();
        for (const auto& bootloader : run.sim.bus().allBootloaders())
            QVERIFY(!bootloader->accepted());
    }
};

ORVANE_TEST_MAIN(tst_firmwareUpgradeRoutes)
#include "tst_firmwareUpgradeRoutes.moc"
