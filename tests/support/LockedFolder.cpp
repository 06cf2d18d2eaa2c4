#include "support/LockedFolder.h"

#include <QFile>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool setImmutable(const QByteArray& path, bool immutable)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return false;
    int flags = 0;
    bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (done) {
        flags = immutable ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return done;
}

} // namespace

LockedFolder::LockedFolder(const QString& path)
    : m_path(QFile::encodeName(path))
{
    if (::geteuid() != 0)
        m_locked = ::chmod(m_path.constData(), 0555) == 0;
    else
        m_locked = setImmutable(m_path, true);
}

LockedFolder::~LockedFolder()
{
    if (!m_locked)
        return;
    if (::geteuid() != 0)
        ::chmod(m_path.constData(), 0755);
    else
        setImmutable(m_path, false);
}
