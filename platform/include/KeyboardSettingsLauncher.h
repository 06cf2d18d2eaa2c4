#pragma once

#include <QString>
#include <QStringList>

// The desktop's own keyboard settings (repeat rate, layouts). Each desktop
// ships a different program for them, so the launcher looks for the common
// ones, the running desktop's first, and starts the one it finds detached:
// the settings window lives on its own and the caller never waits for it.
class KeyboardSettingsLauncher
{
public:
    struct Command
    {
        QString program; // absolute path of the found executable
        QStringList arguments;
        bool isValid() const { return !program.isEmpty(); }
    };

    // searchPaths empty: the PATH; desktop empty: XDG_CURRENT_DESKTOP.
    explicit KeyboardSettingsLauncher(const QStringList& searchPaths = {}, const QString& desktop = {});

    // The command that would run, invalid when no known settings program is installed.
    Command find() const;
    bool isAvailable() const { return find().isValid(); }
    // False when nothing is installed or it could not be started.
    bool launch() const;

private:
    QStringList m_searchPaths;
    QStringList m_desktops;
};
