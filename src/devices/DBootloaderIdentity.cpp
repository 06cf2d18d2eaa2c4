#include "devices/DBootloaderIdentity.h"

#include "sdk/include/orvanesdk_hid.h"
#include "sdk/models/ModelCatalogue.h"

#include <QRegularExpression>

#include <list>

bool DBootloaderIdentity::matches(const QString& devicePath)
{
    for (const Pair& pair : kPairs) {
        if (devicePath.contains(QLatin1String(pair.vendorIdText), Qt::CaseInsensitive)
            && devicePath.contains(QLatin1String(pair.productIdText), Qt::CaseInsensitive))
            return true;
    }
    return isCatalogueUpgradeMode(devicePath);
}

bool DBootloaderIdentity::isCatalogueUpgradeMode(const QString& devicePath)
{
    static const QRegularExpression kIds(QStringLiteral("vid_([0-9a-f]{4})&pid_([0-9a-f]{4})"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch ids = kIds.match(devicePath);
    if (!ids.hasMatch())
        return false;
    return ModelCatalogue::instance().findByUpgradeId(uint16_t(ids.captured(1).toUInt(nullptr, 16)),
                                                      uint16_t(ids.captured(2).toUInt(nullptr, 16)))
           != nullptr;
}

std::string DBootloaderIdentity::findPresentPath()
{
    std::list<std::string> paths;
    COrvaneHid_GetHidInfoList(&paths);
    for (const std::string& path : paths) {
        if (isCatalogueUpgradeMode(QString::fromStdString(path)))
            return path;
    }
    return {};
}
