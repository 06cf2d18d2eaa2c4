#include "platform/include/LocalSocketUser.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

uint LocalSocketUser::currentUserId()
{
    return uint(::getuid());
}

QString LocalSocketUser::privateFolder(const QString& path)
{
    const QByteArray native = QFile::encodeName(path);
    if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST)
        return QString();
    // Whatever stands there must be a folder (not a link to one) of ours;
    // one left open by an older umask is closed again.
    struct stat info;
    if (::lstat(native.constData(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::getuid())
        return QString();
    if ((info.st_mode & 07777) != 0700 && ::chmod(native.constData(), 0700) != 0)
        return QString();
    return path;
}

QString LocalSocketUser::channelFolder(const QString& name)
{
    // Qt hands out the runtime folder only when it belongs to the user and
    // is closed to everyone else. Without XDG_RUNTIME_DIR it would make one
    // named after the user in the temporary folder, which users without a
    // name in the password file would share; so then the folder is ours.
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        if (!runtime.isEmpty())
            return runtime;
    }
    const QString own = name + QLatin1Char('-') + QString::number(currentUserId());
    QString folder = privateFolder(QDir::tempPath() + QLatin1Char('/') + own);
    // Another user may have taken that name in a shared temporary folder:
    // then a folder in the user's own cache stands in.
    if (folder.isEmpty()) {
        const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
        if (!cache.isEmpty() && QDir().mkpath(cache))
            folder = privateFolder(cache + QLatin1Char('/') + own);
    }
    return folder;
}

QString LocalSocketUser::serverPath(const QString& name)
{
    const QString folder = channelFolder(name);
    if (folder.isEmpty())
        return QDir::tempPath() + QLatin1Char('/') + name + QLatin1Char('-') + QString::number(currentUserId());
    return folder + QLatin1Char('/') + name;
}

bool LocalSocketUser::peerIsCurrentUser(qintptr socketDescriptor)
{
    if (socketDescriptor < 0)
        return false;
    ucred credentials = {};
    socklen_t length = sizeof credentials;
    if (::getsockopt(int(socketDescriptor), SOL_SOCKET, SO_PEERCRED, &credentials, &length) != 0
        || length != sizeof credentials)
        return false;
    return credentials.uid == ::getuid();
}
