#include "support/FuzzFixture.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QThread>

#include <cstdio>

namespace {

// QCoreApplication keeps a reference to argc, so it must outlive it.
int g_argc = 1;
char* g_argv[] = {nullptr, nullptr};

} // namespace

FuzzFixture::FuzzFixture(const char* target, Application application)
    : m_target(target)
{
    if (application == Application::None || QCoreApplication::instance())
        return;
    g_argv[0] = const_cast<char*>(target);
    if (application == Application::Gui) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        m_application = std::make_unique<QGuiApplication>(g_argc, g_argv);
    } else {
        m_application = std::make_unique<QCoreApplication>(g_argc, g_argv);
    }
}

FuzzFixture::~FuzzFixture() = default;

void FuzzFixture::fail(const char* target, const char* what)
{
    std::fprintf(stderr, "%s: %s\n", target, what);
    std::abort();
}

SimulatorHarness& FuzzFixture::simulator()
{
    if (!m_simulator)
        m_simulator = std::make_unique<SimulatorHarness>();
    return *m_simulator;
}

bool FuzzFixture::waitUntil(const std::function<bool()>& done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents();
        QThread::usleep(100);
    }
    return true;
}
