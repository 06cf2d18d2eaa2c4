// While the device page waits for a keyboard that does not answer, the
// process sleeps: the waits go through the real I/O threads against a
// simulated keyboard that drops its answers, and the process's CPU time
// over the wait stays a small part of the time waited. A wait that spun
// would keep a core busy for the whole of it.
#include "support/ApplicationSetUp.h"
#include "support/DevicePageProbe.h"
#include "support/LoadedDevicePage.h"
#include "support/TestMain.h"

#include "hid/DDeviceKeyboardLink.h"
#include "support/SimulatorHarness.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/widgets/CbNotice.h"

#include <QElapsedTimer>

#include <ctime>
#include <functional>
#include <memory>

namespace {

constexpr int kLoadTimeoutMs = 20000;
// A spinning wait uses a whole core, so close to 100 %; the I/O threads'
// pacing and the sanitizers stay far below this on a busy machine too.
constexpr double kMostCpuShare = 0.30;

qint64 processCpuNs()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

} // namespace

class tst_waitWithoutSpinning : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplicationTest(); }

    void pageWaitsAsleep_data()
    {
        QTest::addColumn<QString>("wait");
        QTest::addColumn<int>("leastWaitMs");
        QTest::newRow("sleep-time acknowledgement dropped") << "sleep" << DDevicePage::kSleepTimeAckWaitMs;
        QTest::newRow("new keyboard's link never ready") << "link" << DDevicePage::kLinkReadyWaitMs;
    }
    void pageWaitsAsleep()
    {
        QFETCH(QString, wait);
        QFETCH(int, leastWaitMs);
        SimulatorHarness sim;
        auto selected = sim.plug("OV82");
        std::unique_ptr<DDevicePage> page = loadedDevicePage(kLoadTimeoutMs);
        QVERIFY(page);
        QVERIFY(DevicePageProbe(*page).selectedRow());
        QTRY_VERIFY_WITH_TIMEOUT(
            DevicePageProbe(*page).selectedLink() && DevicePageProbe(*page).selectedLink()->isReady(), kLoadTimeoutMs);

        std::function<void()> waitFor;
        std::function<void()> verifyWaited;
        if (wait == QLatin1String("sleep")) {
            selected->setSilentCommand(0x13, true);
            waitFor = [&page] { page->onLightAndKeyboardSleepTime(600, 1800, 0); };
            verifyWaited = [&page] {
                QCOMPARE(DevicePageProbe(*page).toast()->text(), QStringLiteral("Sleep time set failed"));
            };
        } else {
            auto silent = sim.plug("OV68M");
            QVERIFY(silent);
            silent->setAnswering(false);
            const QString path = QString::fromStdString(sim.pathOf(silent));
            waitFor = [&page] { page->onHidDeviceChanged(11, QString()); };
            verifyWaited = [&page, path] {
                DDeviceKeyboardLink* link = page->deviceLinkMap().value(path);
                QVERIFY(link);
                QVERIFY(!link->isReady());
            };
        }

        QElapsedTimer wall;
        wall.start();
        const qint64 cpuBefore = processCpuNs();
        waitFor();
        const qint64 cpuNs = processCpuNs() - cpuBefore;
        const qint64 wallNs = wall.nsecsElapsed();
        verifyWaited();
        QVERIFY2(wallNs >= qint64(leastWaitMs) * 1000000, qPrintable(QString::number(wallNs / 1000000)));
        const double share = double(cpuNs) / double(wallNs);
        QVERIFY2(share < kMostCpuShare,
                 qPrintable(QStringLiteral("CPU %1 ms over %2 ms").arg(cpuNs / 1000000).arg(wallNs / 1000000)));
    }
};

ORVANE_TEST_MAIN(tst_waitWithoutSpinning)
#include "tst_waitWithoutSpinning.moc"
