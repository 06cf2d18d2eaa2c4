#include "support/ApplicationSetUp.h"
#include "support/TestMain.h"

#include "app/DDataManager.h"
#include "sdk/hid/HidTransportRegistry.h"
#include "sdk/models/ModelCatalogue.h"
#include "support/DevicePageProbe.h"
#include "support/FakeDeviceChangeSource.h"
#include "support/SimulatorHarness.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QMutex>
#include <QSignalSpy>

#include <atomic>
#include <cstring>
#include <thread>

namespace {

// Collects the debug output with the time it was written, so a test can
// tell when the window acted on a notice.
struct MessageLog
{
    static MessageLog*& current()
    {
        static MessageLog* log = nullptr;
        return log;
    }
    QMutex mutex;
    QList<QPair<qint64, QString>> lines;
    QElapsedTimer clock;
    QtMessageHandler previous = nullptr;

    MessageLog()
    {
        clock.start();
        current() = this;
        previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& text) {
            MessageLog* log = current();
            {
                QMutexLocker lock(&log->mutex);
                log->lines.append({log->clock.elapsed(), text});
            }
            log->previous(type, context, text);
        });
    }
    ~MessageLog()
    {
        qInstallMessageHandler(previous);
        current() = nullptr;
    }
    // Milliseconds on the log's clock of the first line holding the text, or -1.
    qint64 firstTime(const QString& text)
    {
        QMutexLocker lock(&mutex);
        for (const auto& line : lines) {
            if (line.second.contains(text))
                return line.first;
        }
        return -1;
    }
};

// A bus whose transport cannot work: the device library does not start.
class DeadBus : public SimulatedBus
{
public:
    bool initialise() override { return false; }
};

// How long a check waits for what the window does within a second: it only
// ends a wait for something that never comes.
constexpr int kPatienceMs = 60000;

// The least time a single-shot timer of `ms` takes: Qt's default (coarse)
// timers may fire up to 5 % early.
qint64 atLeast(int ms)
{
    return ms - ms / 20;
}

// With no upgrade pending an arriving bootloader is only noted.
const QString kBootloaderFound = QStringLiteral("HID bootloader arrived with no upgrade pending");

// The id of a catalogue keyboard in upgrade mode.
uint16_t upgradeModeId()
{
    for (const ModelInfo& m : ModelCatalogue::instance().models()) {
        if (m.isUpgradeable())
            return m.upgradeProductId;
    }
    return 0;
}

} // namespace

class tst_DeviceChangeWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplicationTest(); }

    void libraryStartsWithTheWindow()
    {
        SimulatorHarness sim;
        SimulatedDeviceChangeSource* source = sim.newDeviceChangeSource();
        DMainWidget window(source);
        QVERIFY(window.supportList());
        QVERIFY(!window.supportList()->empty());
        const QString folder = DDataManager::getInstance()->userConfigDir();
        QCOMPARE(QString::fromLocal8Bit(window.macroFilePath()), folder + "/appMacro.xml");
        QCOMPARE(QString::fromLocal8Bit(window.seniorKeyFilePath()), folder + "/SeniorKeyConfig.xml");
        QVERIFY(QFile::exists(folder + "/appMacro.xml"));
        QVERIFY(QFile::exists(folder + "/SeniorKeyConfig.xml"));
        char handed[256] = {};
        DDataManager::getInstance()->copyMacroFilePath(handed);
        QCOMPARE(QByteArray(handed), QByteArray(window.macroFilePath()));
        DDataManager::getInstance()->copySeniorKeyFilePath(handed);
        QCOMPARE(QByteArray(handed), QByteArray(window.seniorKeyFilePath()));

        auto* version = window.findChild<QLabel*>("label_SdkVer");
        QVERIFY(version);
        QVERIFY(version->text().startsWith(QLatin1String("OrvaneSDK")));
        QVERIFY(version->isHidden());
        // The window listens to the source it was handed, and keeps it.
        QVERIFY(source->isStarted());
        QCOMPARE(source->parent(), &window);
    }

    // A keyboard on the simulated bus is announced like a real one: 300 ms
    // later the window hands the change on.
    void keyboardNoticesReachTheWindow_data()
    {
        QTest::addColumn<bool>("viaReceiver");
        QTest::newRow("cable") << false;
        QTest::newRow("receiver") << true;
    }
    void keyboardNoticesReachTheWindow()
    {
        QFETCH(bool, viaReceiver);
        SimulatorHarness sim;
        DMainWidget window(sim.newDeviceChangeSource());
        QSignalSpy into(&window, &DMainWidget::sigHidDeviceConnectChanging_Into);
        QSignalSpy removed(&window, &DMainWidget::sigHidDeviceConnectChanging_Remove);

        QElapsedTimer clock;
        clock.start();
        const auto keyboard = sim.plug("OV68M", viaReceiver);
        QVERIFY(keyboard);
        const QString path = QString::fromStdString(sim.pathOf(keyboard));
        QTRY_COMPARE_WITH_TIMEOUT(into.count(), 1, kPatienceMs);
        QVERIFY2(clock.elapsed() >= atLeast(300), qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(into.at(0).at(0).toString(), path);
        QCOMPARE(removed.count(), 0);

        clock.restart();
        sim.bus().unplug(keyboard);
        QTRY_COMPARE_WITH_TIMEOUT(removed.count(), 1, kPatienceMs);
        QVERIFY2(clock.elapsed() >= atLeast(300), qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(removed.at(0).at(0).toString(), path);
        QCOMPARE(into.count(), 1);
    }

    // A keyboard sends a notice per interface, a hub coming up dozens: the
    // window stays free while they come and refreshes once, at the end.
    void burstOfNoticesIsOneRefresh_data()
    {
        QTest::addColumn<int>("lastChange");
        QTest::addColumn<bool>("plugged");
        QTest::newRow("ends plugged") << int(DeviceChangeSource::Arrival) << true;
        QTest::newRow("ends pulled out") << int(DeviceChangeSource::Removal) << false;
    }
    void burstOfNoticesIsOneRefresh()
    {
        QFETCH(int, lastChange);
        QFETCH(bool, plugged);
        constexpr int kNotices = 60;
        SimulatorHarness sim;
        SimulatedDeviceChangeSource* source = sim.newDeviceChangeSource();
        DMainWidget window(source);
        QVERIFY(window.devicePage());
        QSignalSpy into(&window, &DMainWidget::sigHidDeviceConnectChanging_Into);
        QSignalSpy removed(&window, &DMainWidget::sigHidDeviceConnectChanging_Remove);
        const auto keyboard = sim.plug("OV68M");
        QVERIFY(keyboard);
        const QString path = QString::fromStdString(sim.pathOf(keyboard));
        if (lastChange == DeviceChangeSource::Removal)
            sim.bus().unplug(keyboard);
        const int other = lastChange == DeviceChangeSource::Arrival ? int(DeviceChangeSource::Removal)
                                                                    : int(DeviceChangeSource::Arrival);
        for (int i = 0; i < kNotices; ++i)
            source->post(i % 2 ? lastChange : other, path);

        QTRY_COMPARE_WITH_TIMEOUT(into.count() + removed.count(), 1, kPatienceMs);
        QSignalSpy& handedOn = lastChange == DeviceChangeSource::Arrival ? into : removed;
        QCOMPARE(handedOn.count(), 1);
        QCOMPARE(handedOn.at(0).at(0).toString(), path);
        QTRY_COMPARE_WITH_TIMEOUT(window.devicePage()->deviceInfoMap().keys(),
                                  plugged ? QStringList{path} : QStringList{}, kPatienceMs);
        QCOMPARE(DevicePageProbe(*window.devicePage()).rowOf(path) != nullptr, plugged);
        // Nothing of the burst is left over for a second refresh.
        QTest::qWait(600);
        QCOMPARE(into.count() + removed.count(), 1);
    }

    void foreignDevicesAndBootloaders()
    {
        SimulatorHarness sim;
        MessageLog log;
        DMainWidget window(sim.newDeviceChangeSource());
        QSignalSpy into(&window, &DMainWidget::sigHidDeviceConnectChanging_Into);
        QSignalSpy removed(&window, &DMainWidget::sigHidDeviceConnectChanging_Remove);

        const std::string mouse = sim.bus().plugForeign(0x046d, 0xc077, 0);
        // Another maker's bootloader is recognised but never opened.
        const std::string foreignBoot = sim.bus().plugForeign(0x1FC9, 0xF7DF, 0);
        QTRY_VERIFY_WITH_TIMEOUT(log.firstTime(kBootloaderFound) >= 0, kPatienceMs);
        QCOMPARE(sim.bus().openCount(), 0);
        sim.bus().unplugPath(foreignBoot);
        {
            QMutexLocker lock(&log.mutex);
            log.lines.clear();
        }

        const qint64 bootPlugged = log.clock.elapsed();
        const std::string boot = sim.bus().plugForeign(0x1209, upgradeModeId(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(log.firstTime(kBootloaderFound) >= 0, kPatienceMs);
        QVERIFY2(log.firstTime(kBootloaderFound) - bootPlugged >= atLeast(600),
                 qPrintable(QString::number(log.firstTime(kBootloaderFound) - bootPlugged)));
        QVERIFY(log.firstTime(QString::fromStdString(boot)) >= 0);
        QCOMPARE(into.count(), 0);

        // Pulling the bootloader and the mouse out schedules nothing.
        {
            QMutexLocker lock(&log.mutex);
            log.lines.clear();
        }
        sim.bus().unplugPath(boot);
        sim.bus().unplugPath(mouse);
        QTest::qWait(900);
        QCOMPARE(log.firstTime(kBootloaderFound), qint64(-1));
        QCOMPARE(removed.count(), 0);
        QCOMPARE(into.count(), 0);
    }

    // Without a supported-model list nothing is a keyboard, but a
    // bootloader still is a bootloader.
    void libraryThatDidNotStart()
    {
        auto bus = std::make_shared<DeadBus>();
        HidTransportRegistry::install(bus);
        const QString folder = DDataManager::getInstance()->userConfigDir();
        QFile::remove(folder + "/appMacro.xml");
        QFile::remove(folder + "/SeniorKeyConfig.xml");
        {
            MessageLog log;
            DMainWidget window(new SimulatedDeviceChangeSource(bus));
            QVERIFY(!window.supportList());
            QCOMPARE(window.macroFilePath()[0], '\0');
            QCOMPARE(window.seniorKeyFilePath()[0], '\0');
            QVERIFY(!QFile::exists(folder + "/appMacro.xml"));
            QVERIFY(!QFile::exists(folder + "/SeniorKeyConfig.xml"));
            QCOMPARE(log.firstTime(QStringLiteral("Load JL dll Failed")), qint64(-1));

            QSignalSpy into(&window, &DMainWidget::sigHidDeviceConnectChanging_Into);
            QSignalSpy removed(&window, &DMainWidget::sigHidDeviceConnectChanging_Remove);
            const auto keyboard = bus->plug(QStringLiteral("OV68M"));
            bus->plugForeign(0x1209, upgradeModeId(), 0);
            QTRY_VERIFY_WITH_TIMEOUT(log.firstTime(kBootloaderFound) >= 0, kPatienceMs);
            bus->unplug(keyboard);
            QTest::qWait(100);
            QCOMPARE(into.count(), 0);
            QCOMPARE(removed.count(), 0);
        }
        HidTransportRegistry::install(nullptr);
    }

    void simulatedSourceDeliversOnItsOwnThread()
    {
        auto* source = new SimulatedDeviceChangeSource;
        QSignalSpy spy(source, &DeviceChangeSource::deviceChanged);
        SimulatedDeviceChangeSource::Poster post = source->poster();
        post(11, QStringLiteral("before start"));
        QVERIFY(source->start());
        QThread* gui = QThread::currentThread();
        std::atomic<bool> onGuiThread{false};
        connect(source, &DeviceChangeSource::deviceChanged, source,
                [&](int, const QString&) { onGuiThread = QThread::currentThread() == gui; });
        std::thread worker([post] {
            for (int i = 0; i < 20; ++i)
                post(i % 2 ? 12 : 11, QStringLiteral("path %1").arg(i));
        });
        worker.join();
        QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 20, kPatienceMs);
        QVERIFY(onGuiThread);
        for (int i = 0; i < 20; ++i) {
            QCOMPARE(spy.at(i).at(0).toInt(), i % 2 ? 12 : 11);
            QCOMPARE(spy.at(i).at(1).toString(), QStringLiteral("path %1").arg(i));
        }
        post(11, QStringLiteral("queued, then the source dies"));
        delete source;
        post(11, QStringLiteral("after"));
        QTest::qWait(50);
    }

    // A system without notices leaves the reason in the debug output; the
    // window still comes up.
    void failingSourceLeavesTheReason()
    {
        SimulatorHarness sim;
        MessageLog log;
        auto* source = new FakeDeviceChangeSource;
        source->setStartFails(true);
        DMainWidget window(source);
        QVERIFY(!source->isStarted());
        QVERIFY(!source->errorText().isEmpty());
        QVERIFY(log.firstTime(QStringLiteral("Register device-change notification failed")) >= 0);
        QVERIFY(log.firstTime(source->errorText()) >= 0);
        QVERIFY(window.devicePage());
    }
};

ORVANE_TEST_MAIN(tst_DeviceChangeWindow)
#include "tst_DeviceChangeWindow.moc"
