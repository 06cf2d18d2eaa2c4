#include "app/DStartupSettings.h"

#include "platform/include/AutoStartEntry.h"

#include <QSettings>

const QString DStartupSettings::autoStartKey = QStringLiteral("AutoStart/isAutoStart");
const QString DStartupSettings::minimizeToTrayKey = QStringLiteral("MinimizeToTray/isMinimizeToTray");
const QString DStartupSettings::closeToTrayKey = QStringLiteral("CloseToTray/isCloseToTray");

namespace {

bool writeIfAbsent(QSettings& settings, const QString& key)
{
    if (settings.contains(key))
        return false;
    settings.setValue(key, true);
    return true;
}

}

DStartupSettings::FirstRunWrites DStartupSettings::writeFirstRunKeys(QSettings& settings)
{
    FirstRunWrites writes;
    writes.autoStart = writeIfAbsent(settings, autoStartKey);
    writes.minimizeToTray = writeIfAbsent(settings, minimizeToTrayKey);
    writes.closeToTray = writeIfAbsent(settings, closeToTrayKey);
    settings.sync();
    return writes;
}

bool DStartupSettings::isAutoStart(const QSettings& settings)
{
    return settings.value(autoStartKey, false).toBool();
}

bool DStartupSettings::isCloseToTray(const QSettings& settings)
{
    return settings.value(closeToTrayKey, false).toBool();
}

bool DStartupSettings::syncAutoStart(const QSettings& settings, AutoStartEntry& entry, const QString& programPath)
{
    return entry.sync(isAutoStart(settings), programPath);
}
