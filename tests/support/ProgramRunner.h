#pragma once

#include <QProcess>
#include <QStringList>

class TestEnvironment;

// Starts the built program as a child process inside a test environment.
class ProgramRunner
{
public:
    // How long a wait for what a working program does at once may take on a
    // busy machine: it only ends a wait for a program that never does it.
    static constexpr int kPatienceMs = 60000;

    explicit ProgramRunner(const TestEnvironment& environment);
    ~ProgramRunner();

    static QString programPath();
    // The local socket a running instance listens on: in the user's
    // runtime folder.
    static QString serverName();
    // The file the single-instance segment's key comes from (its native
    // key): beside the socket, in the user's runtime folder.
    static QString segmentKeyFile();
    // True once an instance of the program in this test environment accepts
    // connections (each accepted connection also raises its window).
    static bool waitForListeningInstance(int timeoutMs);

    // Crash notices the program started in this environment. The crashed
    // process is not their parent, so they are found through /proc.
    static QList<qint64> crashNotices(const TestEnvironment& environment);
    // Ends them: a notice waits for a click that never comes and would keep
    // the test's output open.
    static void endCrashNotices(const TestEnvironment& environment);

    QProcess& start(const QStringList& arguments = {}, const QProcessEnvironment* extra = nullptr);
    // Before start(): the program's output (standard and error) is kept for
    // output() instead of passed on.
    void captureOutput();
    // All the program wrote so far.
    QByteArray output();
    // Waits until the output holds `text`; false if the program ended or
    // the patience ran out first.
    bool waitForOutput(const QByteArray& text, int timeoutMs = kPatienceMs);
    // Waits until the main window has painted itself (its start-up work,
    // the settings it writes among it, is done by then); needs
    // captureOutput().
    bool waitForMainWindow(int timeoutMs = kPatienceMs);
    // Waits for the process to end; returns its exit code, or -1 when it
    // did not end in time (it is killed then).
    int waitForExit(int timeoutMs);
    QProcess& process() { return m_process; }
    // For tests of what a crashed instance leaves: keep its segment.
    void keepLeftSegment() { m_releaseSegment = false; }

private:
    void releaseLeftSegment();

    const TestEnvironment& m_environment;
    QProcess m_process;
    QByteArray m_output;
    // How much of m_output was looked through for style-sheet warnings.
    int m_scannedOutput = 0;
    bool m_releaseSegment = true;
};
