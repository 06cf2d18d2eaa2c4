#include "app/DStartupSettings.h"

#include "app/DUserSettingsKeys.h"
#include "platform/include/AutoStartEntry.h"

#include <QSettings>

namespace {

bool writeIfAbsent(QSettings& settings, const QString& key)
{
    if (settings.contains(key))
        return false;
    settings.setValue(key, true);
    return true;
}

} // namespace

DStartupSettings::FirstRunWrites DStartupSettings::writeFirstRunKeys(QSettings& settings)
{
    FirstRunWrites writes;
    writes.autoStart = writeIfAbsent(settings, DUserSettingsKeys::kAutoStart);
    writes.minimizeToTray = writeIfAbsent(settings, DUserSettingsKeys::kMinimizeToTray);
    writes.closeToTray = writeIfAbsent(settings, DUserSettingsKeys::kCloseToTray);
    settings.sync();
    return writes;
}

bool DStartupSettings::isAutoStart(const QSettings& settings)
{
    return settings.value(DUserSettingsKeys::kAutoStart, false).toBool();
}

bool DStartupSettings::isCloseToTray(const QSettings& settings)
{
    return settings.value(DUserSettingsKeys::kCloseToTray, false).toBool();
}

bool DStartupSettings::syncAutoStart(const QSettings& settings, AutoStartEntry& entry, const QString& programPath)
{
    return entry.sync(isAutoStart(settings), programPath);
}

bool DStartupSettings::store(QSettings& settings, const QString& key, const QVariant& value)
{
    const QVariant before = settings.value(key);
    settings.setValue(key, value);
    settings.sync();
    if (settings.status() == QSettings::NoError)
        return true;
    // Every QSettings of this file in the process sees a value that was set
    // but not written; the stored one goes back, so none shows what the
    // file does not hold.
    if (before.isValid())
        settings.setValue(key, before);
    else
        settings.remove(key);
    return false;
}

bool DStartupSettings::setAutoStart(QSettings& settings, AutoStartEntry& entry, const QString& programPath, bool on)
{
    const bool before = isAutoStart(settings);
    if (!store(settings, DUserSettingsKeys::kAutoStart, on))
        return false;
    if (entry.sync(on, programPath))
        return true;
    store(settings, DUserSettingsKeys::kAutoStart, before);
    entry.sync(before, programPath);
    return false;
}
