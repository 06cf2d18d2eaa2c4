#include "app/DAppllication.h"
#include "app/DSingleInstanceSegment.h"
#include "app/crashNotice.h"
#include "app/graphicsIntegration.h"
#include "app/logCategories.h"
#include "app/resourceInit.h"
#include "platform/include/CrashDumpHandler.h"
#include "platform/include/DeviceChangeSource.h"
#include "platform/include/SystemVersion.h"
#include "platform/include/TerminationSignals.h"
#include "sim/SimulatedBus.h"
#include "sim/SimulatedDeviceChangeSource.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
const QString kAppId = QStringLiteral("VELKOV2.0_1.2.0.1");
constexpr int kWindowsXpCode = 1;

QString dumpFolder(const QString& appDataDir)
{
    return appDataDir + QStringLiteral("/dump");
}

// Where simulated keyboards keep their on-board memory between starts.
QString simulatedKeyboardFolder(const QString& appDataDir)
{
    return appDataDir + QStringLiteral("/simulated-keyboards");
}
} // namespace

int main(int argc, char* argv[])
{
    installLogOutput();
    skipUnusedOpenGl();
    if (isCrashNoticeRun(argc, argv))
        return showCrashNotice(argc, argv);

    // Before the application object exists the data folder is not known by
    // name yet; it bears the program's file name.
    const QString program = QFile::symLinkTarget(QStringLiteral("/proc/self/exe"));
    const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QLatin1Char('/')
                               + QFileInfo(program).fileName();
    CrashDumpHandler::install(dumpFolder(dataFolder), program, {QString::fromLatin1(kCrashNoticeOption)});

    initOrvaneResources();
    // Before the device library starts: simulated keyboards take the real
    // ones' place when ORVANE_SIMULATE names models, and then they announce
    // themselves through their bus; udev would only describe devices the
    // library does not list.
    const std::shared_ptr<SimulatedBus> simulatedBus
        = SimulatedBus::installFromEnvironment(simulatedKeyboardFolder(dataFolder));
    DeviceChangeSource* deviceChanges
        = simulatedBus ? new SimulatedDeviceChangeSource(simulatedBus) : DeviceChangeSource::createSystemSource();

    TerminationSignals::catchEarly();
    // The single-instance channel bears the program's file name.
    DSingleInstanceSegment segment(kAppId, QFileInfo(program).fileName());
    const bool alreadyRunning = !segment.create();

    if (systemVersionCode() != kWindowsXpCode)
        QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);

    DAppllication app(kAppId, argc, argv, alreadyRunning, &segment, deviceChanges);
    CrashDumpHandler::setDumpDirectory(dumpFolder(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
    if (app.otherInstanceAnswered())
        return 1;
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &app, [](int signalNumber) {
        qCDebug(lcUi) << "--------------- ending on signal" << signalNumber << "-----------------";
        QCoreApplication::exit(0);
    });
    return app.exec();
}
