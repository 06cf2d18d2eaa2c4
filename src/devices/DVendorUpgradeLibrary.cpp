#include "devices/DVendorUpgradeLibrary.h"

#include <QDebug>
#include <QLibrary>

DVendorUpgradeLibrary::EntryPoints DVendorUpgradeLibrary::load(const QString& library)
{
    EntryPoints entries;
    // Nothing ever calls unload(), so the library and its entry points stay
    // for the life of the process after this object is gone.
    QLibrary handle(library);
    if (handle.load()) {
        entries.loadUfwData = handle.resolve("JL_loadUfwData");
        entries.getUfwCrc = handle.resolve("JL_getUfwCrc");
        entries.getUfwPidVid = handle.resolve("JL_getUfwPidVid");
        entries.upgradeDevice = handle.resolve("JL_upgradeDevice");
        entries.queryDevicePidVid = handle.resolve("JL_queryDevicePidVid");
    }
    if (!entries.complete())
        qDebug() << kFailureLine;
    return entries;
}
