#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// The set-up of the key-function pages: a fresh layer file
// "appProfile_Default.xml" with `profiles` profiles in a temporary folder,
// its first profile made the data manager's current one. The current key is
// cleared again when it goes.
class CurrentProfileLayer
{
public:
    explicit CurrentProfileLayer(int profiles = 2);
    ~CurrentProfileLayer();
    CurrentProfileLayer(const CurrentProfileLayer&) = delete;
    CurrentProfileLayer& operator=(const CurrentProfileLayer&) = delete;

    // The file was written and the data manager took it.
    bool ready() const { return m_ready; }
    const QByteArray& path() const { return m_path; }
    QString folder() const { return m_dir.path(); }
    // Another file in the same folder.
    QByteArray pathOf(const QString& name) const;

private:
    QTemporaryDir m_dir;
    QByteArray m_path;
    bool m_ready = false;
};
