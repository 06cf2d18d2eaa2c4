#pragma once

#include <QByteArray>
#include <QString>

class QObject;

// Qt reads a style sheet only as far as it understands it: a sheet it cannot
// parse is dropped whole, an unknown colour or property is skipped, and all
// it does about it is print a warning. So every test treats such a warning
// as a failure of the test function it is printed in.
namespace StyleSheetWarnings {

// Whether a line of message output is one of Qt's style-sheet warnings.
bool isStyleSheetWarning(const QString& message);

// From now on a style-sheet warning fails the running test function. The
// test framework puts its own message handler in place when it starts, so
// this has to be called from inside a test run; it is done for every test
// by exec() and again by prepareApplicationTest().
void watch();

// A style-sheet warning found somewhere else, such as in the output of a
// child program: fails the running test function as a warning of ours does.
void report(const QString& message);

// Runs the test object as QTest::qExec does, watching from its first test
// function on; a warning no test function could be failed for (one printed
// by another thread or between functions) fails the run.
int exec(QObject* testObject, int argc, char** argv);

// Reports every style-sheet warning among the whole lines of `output` from
// `from` on; returns where the part not yet ended by a line break starts.
int reportInOutput(const QByteArray& output, int from);

} // namespace StyleSheetWarnings
