#include "devices/DBootloaderIdentity.h"

#include "sdk/include/orvanesdk_hid.h"

#include <list>

bool DBootloaderIdentity::matches(const QString& devicePath)
{
    for (const Pair& pair : kPairs) {
        if (devicePath.contains(QLatin1String(pair.vendorIdText), Qt::CaseInsensitive)
            && devicePath.contains(QLatin1String(pair.productIdText), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

std::string DBootloaderIdentity::findPresentPath()
{
    std::list<std::string> paths;
    COrvaneHid_GetHidInfoList(&paths);
    for (const std::string& path : paths) {
        if (matches(QString::fromStdString(path)))
            return path;
    }
    return {};
}
