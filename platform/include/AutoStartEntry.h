#pragma once

#include <QString>
#include <QStringList>

// The program's run-at-log-on entry: an XDG autostart desktop entry
// "<config home>/autostart/<name>.desktop" that starts the program with
// --AutoUp. The settings file says whether it should exist; sync() makes the
// file agree with it, so a moved program or an entry deleted behind our back
// is repaired at the next start.
class AutoStartEntry
{
public:
    // `name` is the entry's file name without ".desktop"; `configHome` the
    // folder that holds "autostart" (XDG_CONFIG_HOME when empty).
    explicit AutoStartEntry(const QString& name, const QString& configHome = QString());

    QString filePath() const;

    // What a desktop's list of start-up programs shows: the program's
    // display name (the file name when empty), a line about it and the path
    // of its icon. Written by install() and checked by isInstalledFor(), so
    // an entry of an older version is repaired.
    void setDescription(const QString& displayName, const QString& comment, const QString& iconPath);

    // The Exec value: the program path quoted as the desktop-entry rules
    // require, then --AutoUp. Empty for a path an entry cannot name exactly
    // (control characters, '%', a path that is not UTF-8); install() then
    // writes nothing and logs why.
    static QString execValue(const QString& programPath);

    bool isInstalledFor(const QString& programPath) const;
    bool exists() const;
    bool install(const QString& programPath);
    bool remove();

    // Installs (or repairs) the entry when `enabled`, removes it otherwise.
    // Returns false when the file could not be written or removed.
    bool sync(bool enabled, const QString& programPath);

private:
    QString m_name;
    QString m_filePath;
    QString m_displayName;
    QString m_comment;
    QString m_iconPath;
    bool m_described = false;

    // The keys after Exec that describe the entry, as install() writes them.
    QStringList descriptionLines() const;
};
