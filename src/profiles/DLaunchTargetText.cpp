#include "profiles/DLaunchTargetText.h"

#include <QFile>
#include <QFileInfo>

namespace {
// A desktop entry is a few kilobytes; nothing larger is read.
constexpr qint64 kMaxEntryBytes = 1024 * 1024;
} // namespace

QString DLaunchTargetText::describe(const QString& target)
{
    const QString exec = execLine(target);
    return exec.isEmpty() ? target : target + QStringLiteral("\n    ") + exec;
}

QString DLaunchTargetText::execLine(const QString& desktopEntry)
{
    const QFileInfo info(desktopEntry);
    if (!desktopEntry.endsWith(QLatin1String(".desktop")) || !info.isFile() || info.size() > kMaxEntryBytes)
        return QString();
    QFile file(desktopEntry);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    bool inEntry = false;
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (const QByteArray& raw : lines) {
        const QByteArray line = raw.trimmed();
        if (line.startsWith('[')) {
            inEntry = line == "[Desktop Entry]";
            continue;
        }
        if (inEntry && line.startsWith("Exec") && line.mid(4).trimmed().startsWith('='))
            return QString::fromUtf8(line);
    }
    return QString();
}
