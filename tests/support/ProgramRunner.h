#pragma once

#include <QProcess>
#include <QStringList>

class TestEnvironment;

// Starts the built program as a child process inside a test environment.
class ProgramRunner
{
public:
    explicit ProgramRunner(const TestEnvironment& environment);
    ~ProgramRunner();

    static QString programPath();

    QProcess& start(const QStringList& arguments = {}, const QProcessEnvironment* extra = nullptr);
    // Waits for the process to end; returns its exit code, or -1 when it
    // did not end in time (it is killed then).
    int waitForExit(int timeoutMs);
    QProcess& process() { return m_process; }

private:
    const TestEnvironment& m_environment;
    QProcess m_process;
};
