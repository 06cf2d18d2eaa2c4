#pragma once

// The set-up the fuzz targets share. libFuzzer calls a target once per
// input and never tells it when the run ends, so a target makes its fixture
// on the first input, keeps it between inputs, and lets exit take it down.
// The same code runs under the replay driver and under libFuzzer.

#include "support/SimulatorHarness.h"
#include "support/TestEnvironment.h"

#include <cstdlib>
#include <functional>
#include <memory>

class QCoreApplication;

class FuzzFixture
{
public:
    enum class Application {
        None,
        Core,
        Gui // offscreen unless QT_QPA_PLATFORM says otherwise
    };

    virtual ~FuzzFixture();
    FuzzFixture(const FuzzFixture&) = delete;
    FuzzFixture& operator=(const FuzzFixture&) = delete;

    // The one fixture of type T, made on the first call and destroyed at exit.
    template<typename T>
    static T& instance()
    {
        static T* fixture = nullptr;
        if (!fixture) {
            fixture = new T;
            std::atexit([] { delete fixture; });
        }
        return *fixture;
    }

    // A finding: says what and aborts, which is how a fuzz target reports one.
    [[noreturn]] static void fail(const char* target, const char* what);
    [[noreturn]] void fail(const char* what) const { fail(m_target, what); }

protected:
    // The target's own HOME and XDG folders first, then the application
    // object the target asks for.
    FuzzFixture(const char* target, Application application);

    // A simulated bus, which becomes the device library's transport on the
    // first call.
    SimulatorHarness& simulator();

    // Handles events until `done` holds; false after five seconds without.
    bool waitUntil(const std::function<bool()>& done, int timeoutMs = 5000);

private:
    // Destroyed after the target's own members (links, I/O threads,
    // keyboards), in this order backwards: the transport before the
    // application, the application before the environment.
    const char* m_target;
    TestEnvironment m_environment;
    std::unique_ptr<QCoreApplication> m_application;
    std::unique_ptr<SimulatorHarness> m_simulator;
};
