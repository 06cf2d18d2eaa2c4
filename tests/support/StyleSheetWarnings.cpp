#include "support/StyleSheetWarnings.h"

#include <QCoreApplication>
#include <QMutex>
#include <QMutexLocker>
#include <QStringList>
#include <QTest>
#include <QThread>

#include <cstdio>

namespace {

// What QCssParser and QStyleSheetStyle print; nothing else in Qt prints these.
const char* const kStarts[] = {
    "Could not parse application stylesheet",
    "Could not parse stylesheet of object",
    "QCssParser::",
    "Unknown property ",
};
const char* const kContained[] = {
    " does not have a property named ",
    " cannot design property named ",
};

QtMessageHandler g_next = nullptr;
bool g_watching = false;
QMutex g_mutex;
// Warnings no test function could be failed for.
QStringList g_unreported;

void failOrKeep(const QString& message)
{
    if (QThread::currentThread() == QCoreApplication::instance()->thread() && QTest::currentTestFunction()) {
        const QByteArray text = QStringLiteral("Qt style-sheet warning: %1").arg(message).toLocal8Bit();
        QTest::qFail(text.constData(), __FILE__, __LINE__);
        return;
    }
    const QMutexLocker lock(&g_mutex);
    g_unreported << message;
}

void handleMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (g_next)
        g_next(type, context, message);
    if (type == QtWarningMsg && StyleSheetWarnings::isStyleSheetWarning(message))
        failOrKeep(message);
}

// The framework's handler is in place once a test function runs; the first
// event any object gets inside one installs ours over it.
class FirstTestFunction : public QObject
{
public:
    bool eventFilter(QObject*, QEvent*) override
    {
        if (QTest::currentTestFunction()) {
            StyleSheetWarnings::watch();
            QCoreApplication::instance()->removeEventFilter(this);
        }
        return false;
    }
};

} // namespace

namespace StyleSheetWarnings {

bool isStyleSheetWarning(const QString& message)
{
    for (const char* start : kStarts) {
        if (message.startsWith(QLatin1String(start)))
            return true;
    }
    for (const char* part : kContained) {
        if (message.contains(QLatin1String(part)))
            return true;
    }
    return false;
}

void watch()
{
    if (g_watching || !QTest::currentTestFunction())
        return;
    g_watching = true;
    g_next = qInstallMessageHandler(handleMessage);
}

void report(const QString& message)
{
    failOrKeep(message);
}

int reportInOutput(const QByteArray& output, int from)
{
    int end;
    while ((end = output.indexOf('\n', from)) >= 0) {
        const QString line = QString::fromLocal8Bit(output.mid(from, end - from)).trimmed();
        if (isStyleSheetWarning(line))
            report(line);
        from = end + 1;
    }
    return from;
}

int exec(QObject* testObject, int argc, char** argv)
{
    FirstTestFunction first;
    QCoreApplication::instance()->installEventFilter(&first);
    const int failures = QTest::qExec(testObject, argc, argv);
    // The framework put its predecessor back when it stopped.
    g_watching = false;
    g_next = nullptr;
    const QMutexLocker lock(&g_mutex);
    for (const QString& message : qAsConst(g_unreported))
        std::fprintf(stderr, "FAIL!  : Qt style-sheet warning outside a test function: %s\n", qPrintable(message));
    return failures + int(g_unreported.size());
}

} // namespace StyleSheetWarnings
