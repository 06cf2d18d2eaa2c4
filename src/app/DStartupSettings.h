#pragma once

#include <QString>

class AutoStartEntry;
class QSettings;
class QVariant;

// The start-up keys of the user settings file: the three the main window
// writes on the first run, the run-at-log-on entry that follows "AutoStart",
// and the settings dialog's checked writes of them.
class DStartupSettings
{
public:
    struct FirstRunWrites
    {
        bool autoStart = false;
        bool minimizeToTray = false;
        bool closeToTray = false;
    };

    // Writes each of the three keys as true when it is absent; a key that
    // exists keeps its value, whatever it is.
    static FirstRunWrites writeFirstRunKeys(QSettings& settings);

    // Absent keys count as false.
    static bool isAutoStart(const QSettings& settings);
    static bool isCloseToTray(const QSettings& settings);

    // Makes the run-at-log-on entry agree with "AutoStart/isAutoStart".
    static bool syncAutoStart(const QSettings& settings, AutoStartEntry& entry, const QString& programPath);

    // Writes one key and syncs the file; false, with the stored value back in
    // place, when the file did not take it. The object keeps its error status
    // then: open a fresh one for later writes.
    static bool store(QSettings& settings, const QString& key, const QVariant& value);

    // The user's choice in the settings dialog: stores "AutoStart/isAutoStart"
    // and makes the entry follow it. False when the key or the entry could
    // not be written; the key then holds its earlier value again, so the file
    // and the entry do not disagree.
    static bool setAutoStart(QSettings& settings, AutoStartEntry& entry, const QString& programPath, bool on);
};
