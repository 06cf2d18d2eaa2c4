#include "app/logCategories.h"

#include <QByteArray>
#include <QMutex>
#include <QString>

#include <cerrno>
#include <unistd.h>

Q_LOGGING_CATEGORY(lcLink, "orvane.link", QtWarningMsg)
Q_LOGGING_CATEGORY(lcDownload, "orvane.download", QtWarningMsg)
Q_LOGGING_CATEGORY(lcLighting, "orvane.lighting", QtWarningMsg)
Q_LOGGING_CATEGORY(lcMusic, "orvane.music", QtWarningMsg)
Q_LOGGING_CATEGORY(lcFirmware, "orvane.firmware", QtWarningMsg)
Q_LOGGING_CATEGORY(lcStore, "orvane.store", QtWarningMsg)
Q_LOGGING_CATEGORY(lcHooks, "orvane.hooks", QtWarningMsg)
Q_LOGGING_CATEGORY(lcUi, "orvane.ui", QtWarningMsg)

namespace {

// A basic mutex needs no construction or destruction, so messages written
// while static objects are made or destroyed still find it usable.
QBasicMutex g_outputLock;

void writeWhole(const QByteArray& line)
{
    const char* data = line.constData();
    size_t left = size_t(line.size());
    while (left > 0) {
        const ssize_t n = ::write(STDERR_FILENO, data, left);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        data += n;
        left -= size_t(n);
    }
}

void writeMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    QString text = qFormatLogMessage(type, context, message);
    // A message that carries line breaks of its own still makes one line.
    while (text.endsWith(QLatin1Char('\n')) || text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    QByteArray line = text.toLocal8Bit();
    line.append('\n');
    const QMutexLocker locker(&g_outputLock);
    writeWhole(line);
}

} // namespace

void installLogOutput()
{
    // QT_MESSAGE_PATTERN, when set, still takes the place of this pattern.
    qSetMessagePattern(QStringLiteral("%{if-category}%{category}: %{endif}"
                                      "%{if-warning}warning: %{endif}%{if-critical}error: %{endif}"
                                      "%{if-fatal}fatal: %{endif}%{message}"));
    qInstallMessageHandler(writeMessage);
}
