#include "devices/DVendorUpgradeLibrary.h"

#include "app/logCategories.h"
#include "sdk/include/orvanesdk_firmware.h"

#include <QDebug>

DVendorUpgradeLibrary::EntryPoints DVendorUpgradeLibrary::load()
{
    EntryPoints entries;
    entries.loadUfwData = reinterpret_cast<QFunctionPointer>(&JL_loadUfwData);
    entries.getUfwCrc = reinterpret_cast<QFunctionPointer>(&JL_getUfwCrc);
    entries.getUfwPidVid = reinterpret_cast<QFunctionPointer>(&JL_getUfwPidVid);
    entries.upgradeDevice = reinterpret_cast<QFunctionPointer>(&JL_upgradeDevice);
    entries.queryDevicePidVid = reinterpret_cast<QFunctionPointer>(&JL_queryDevicePidVid);
    if (!entries.complete())
        qCDebug(lcFirmware) << kFailureLine;
    return entries;
}
