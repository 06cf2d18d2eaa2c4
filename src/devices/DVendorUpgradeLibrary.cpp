#include "devices/DVendorUpgradeLibrary.h"

#include "sdk/include/orvanesdk_firmware.h"

#include <QDebug>

DVendorUpgradeLibrary::EntryPoints DVendorUpgradeLibrary::load()
{
    EntryPoints entries;
    entries.loadUfwData = reinterpret_cast<QFunctionPointer>(&JL_loadUfwData);
    entries.getUfwCrc = reinterpret_cast<QFunctionPointer>(&JL_getUfwCrc);
    entries.getUfwPidVid = reinterpret_cast<QFunctionPointer>(&JL_getUfwPidVid);
    // Writing an image into a keyboard is not offered yet.
    if (!entries.complete())
        qDebug() << kFailureLine;
    return entries;
}
