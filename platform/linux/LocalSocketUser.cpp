#include "platform/include/LocalSocketUser.h"

#include <QDir>
#include <QStandardPaths>

#include <sys/socket.h>
#include <unistd.h>

uint LocalSocketUser::currentUserId()
{
    return uint(::getuid());
}

QString LocalSocketUser::serverPath(const QString& name)
{
    // Qt hands out the runtime folder only when it belongs to the user and
    // is closed to everyone else (it makes one of that kind otherwise).
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty())
        return runtime + QLatin1Char('/') + name;
    return QDir::tempPath() + QLatin1Char('/') + name + QLatin1Char('-') + QString::number(currentUserId());
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
