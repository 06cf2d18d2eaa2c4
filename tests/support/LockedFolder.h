#pragma once

#include <QByteArray>
#include <QString>

// Makes a folder refuse new entries for as long as it lives: read-only for a
// normal user, immutable for root (who ignores permissions). locked() is
// false where the file system cannot do either; tests skip then.
class LockedFolder
{
public:
    explicit LockedFolder(const QString& path);
    ~LockedFolder();

    LockedFolder(const LockedFolder&) = delete;
    LockedFolder& operator=(const LockedFolder&) = delete;

    bool locked() const { return m_locked; }

private:
    QByteArray m_path;
    bool m_locked = false;
};
