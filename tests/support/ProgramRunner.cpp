#include "support/ProgramRunner.h"

#include "support/StyleSheetWarnings.h"
#include "support/TestEnvironment.h"

#include "ui/mainwidget/DMainWidget.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QSharedMemory>
#include <QThread>

#include <algorithm>
#include <csignal>
#include <unistd.h>

ProgramRunner::ProgramRunner(const TestEnvironment& environment)
    : m_environment(environment)
{
    m_process.setProcessChannelMode(QProcess::ForwardedChannels);
}

ProgramRunner::~ProgramRunner()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.terminate();
        if (!m_process.waitForFinished(3000)) {
            m_process.kill();
            m_process.waitForFinished(3000);
        }
    }
    if (m_process.processChannelMode() == QProcess::MergedChannels) {
        const QByteArray all = output() + '\n';
        StyleSheetWarnings::reportInOutput(all, m_scannedOutput);
    }
    endCrashNotices(m_environment);
    if (m_releaseSegment)
        releaseLeftSegment();
}

void ProgramRunner::releaseLeftSegment()
{
    // A killed or crashed program leaves its single-instance segment behind.
    // Its key comes from a file in this environment's runtime folder, and
    // once the folder is gone another test's file may get the same key, so
    // release it here: attaching and detaching removes it when nobody else
    // holds it.
    QSharedMemory segment;
    segment.setNativeKey(segmentKeyFile());
    if (segment.attach())
        segment.detach();
}

QString ProgramRunner::programPath()
{
    return QStringLiteral(ORVANE_TEST_BIN_DIR "/orvane-keyboard");
}

QProcess& ProgramRunner::start(const QStringList& arguments, const QProcessEnvironment* extra)
{
    QProcessEnvironment env = m_environment.processEnvironment();
    // The tests follow a start by the lines the program logs; a run with
    // the default rules prints nothing.
    if (!env.contains(QStringLiteral("QT_LOGGING_RULES")))
        env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("orvane.*.debug=true"));
    if (extra) {
        for (const QString& key : extra->keys())
            env.insert(key, extra->value(key));
    }
    // The window says when it has painted itself, for waitForMainWindow().
    env.insert(QStringLiteral("ORVANE_REPORT_EXPOSED"), QStringLiteral("1"));
    m_process.setProcessEnvironment(env);
    m_process.start(programPath(), arguments);
    m_process.waitForStarted(10000);
    return m_process;
}

void ProgramRunner::captureOutput()
{
    m_process.setProcessChannelMode(QProcess::MergedChannels);
}

QByteArray ProgramRunner::output()
{
    m_output += m_process.readAll();
    // The program's own style-sheet warnings fail the test as the test's do.
    m_scannedOutput = StyleSheetWarnings::reportInOutput(m_output, m_scannedOutput);
    return m_output;
}

bool ProgramRunner::waitForOutput(const QByteArray& text, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!output().contains(text)) {
        if (deadline.hasExpired() || m_process.state() == QProcess::NotRunning)
            return output().contains(text);
        m_process.waitForReadyRead(int(std::min<qint64>(deadline.remainingTime(), 200)));
    }
    return true;
}

bool ProgramRunner::waitForMainWindow(int timeoutMs)
{
    return waitForOutput(DMainWidget::kExposedMarker, timeoutMs);
}

int ProgramRunner::waitForExit(int timeoutMs)
{
    if (!m_process.waitForFinished(timeoutMs)) {
        m_process.kill();
        m_process.waitForFinished(3000);
        return -1;
    }
    return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
}

QString ProgramRunner::serverName()
{
    // The user's runtime folder, as the environment sets it.
    return QFile::decodeName(qgetenv("XDG_RUNTIME_DIR")) + QLatin1Char('/') + QFileInfo(programPath()).fileName();
}

QString ProgramRunner::segmentKeyFile()
{
    return serverName() + QStringLiteral(".segment");
}

bool ProgramRunner::waitForListeningInstance(int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(serverName());
        if (socket.waitForConnected(200)) {
            socket.disconnectFromServer();
            return true;
        }
        QThread::msleep(50);
    }
    return false;
}

QList<qint64> ProgramRunner::crashNotices(const TestEnvironment& environment)
{
    QList<qint64> found;
    const QByteArray expectedCommand = QFile::encodeName(programPath()) + QByteArray("\0--CrashNotice\0", 15);
    const QByteArray expectedHome = "HOME=" + QFile::encodeName(environment.home()) + '\0';
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString& entry : entries) {
        bool isPid = false;
        const qint64 pid = entry.toLongLong(&isPid);
        if (!isPid)
            continue;
        QFile command(QStringLiteral("/proc/%1/cmdline").arg(pid));
        // The dump's path follows the option.
        if (!command.open(QIODevice::ReadOnly) || !command.readAll().startsWith(expectedCommand))
            continue;
        QFile processEnvironment(QStringLiteral("/proc/%1/environ").arg(pid));
        if (processEnvironment.open(QIODevice::ReadOnly) && processEnvironment.readAll().contains(expectedHome))
            found.append(pid);
    }
    return found;
}

void ProgramRunner::endCrashNotices(const TestEnvironment& environment)
{
    const QList<qint64> notices = crashNotices(environment);
    for (qint64 pid : notices)
        ::kill(pid_t(pid), SIGKILL);
}
