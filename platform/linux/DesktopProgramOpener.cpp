#include "platform/linux/DesktopProgramOpener.h"

#include "platform/linux/PlatformLogCategories.h"

#include <QDebug>
#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

std::shared_ptr<ProgramOpener> ProgramOpener::createForPlatform()
{
    return std::make_shared<DesktopProgramOpener>();
}

bool DesktopProgramOpener::open(const QString& path)
{
    const QFileInfo info(path);
    // A bare name would be looked up on PATH and a relative one depends on
    // our working folder: neither is what the user picked in a file dialog.
    if (path.isEmpty() || !info.isAbsolute() || !info.exists()) {
        qCDebug(platformLcHooks) << "Open program refused, no such absolute path:" << path;
        return false;
    }
    // A launcher entry names a program to start: the desktop's launcher
    // starts it (without a shell), where a file handler would show its text.
    if (info.isFile() && info.suffix() == QLatin1String("desktop")) {
        if (QProcess::startDetached(QStringLiteral("gio"), {QStringLiteral("launch"), info.absoluteFilePath()}))
            return true;
        qCDebug(platformLcHooks) << "Open program: could not start the launcher entry" << path;
        return false;
    }
    if (info.isFile() && info.isExecutable()) {
        if (QProcess::startDetached(info.absoluteFilePath(), QStringList()))
            return true;
        // An executable bit on a document (as on FAT media) is not a program.
        qCDebug(platformLcHooks) << "Open program: could not start" << path << "- handing it to the desktop";
    }
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath())))
        return true;
    qCDebug(platformLcHooks) << "Open program: the desktop has no handler for" << path;
    return false;
}
