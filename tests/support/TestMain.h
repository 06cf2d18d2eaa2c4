#pragma once

#include "app/resourceInit.h"
#include "platform/fake/SyntheticLoopbackSource.h"
#include "support/StyleSheetWarnings.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QtTest>
#include <memory>

// Like QTEST_MAIN, but every test process gets its own HOME, XDG folders and
// TMPDIR before the application object exists, and the resource bundle is
// registered as the program's entry point registers it. No test records the
// machine's sound output unless it installs the platform's loopback itself.
// The program's categories say everything, so tests can expect their lines.
// A Qt style-sheet warning fails the test function it is printed in.
#define ORVANE_TEST_MAIN(TestObject)                                                                                   \
    int main(int argc, char* argv[])                                                                                   \
    {                                                                                                                  \
        TestEnvironment environment;                                                                                   \
        initOrvaneResources();                                                                                         \
        SoundLoopback::install(std::make_shared<SyntheticSoundLoopback>());                                            \
        QApplication app(argc, argv);                                                                                  \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                                       \
        QLoggingCategory::setFilterRules(QStringLiteral("orvane.*.debug=true"));                                       \
        TestObject tc;                                                                                                 \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                     \
        return StyleSheetWarnings::exec(&tc, argc, argv);                                                              \
    }
