#include "devices/DBootloaderIdentity.h"

#include "sdk/include/orvanesdk_hid.h"
#include "sdk/models/ModelCatalogue.h"

#include <QRegularExpression>

#include <algorithm>
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
    return !upgradeModelOf(devicePath).isEmpty();
}

QString DBootloaderIdentity::upgradeModelOf(const QString& devicePath)
{
    static const QRegularExpression kIds(QStringLiteral("vid_([0-9a-f]{4})&pid_([0-9a-f]{4})"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch ids = kIds.match(devicePath);
    if (!ids.hasMatch())
        return {};
    const ModelInfo* model = ModelCatalogue::instance().findByUpgradeId(uint16_t(ids.captured(1).toUInt(nullptr, 16)),
                                                                        uint16_t(ids.captured(2).toUInt(nullptr, 16)));
    return model ? model->code : QString();
}

std::vector<std::string> DBootloaderIdentity::presentPaths(const QString& model)
{
    std::list<std::string> listed;
    COrvaneHid_GetHidInfoList(&listed);
    std::vector<std::string> paths;
    for (const std::string& path : listed) {
        const QString found = upgradeModelOf(QString::fromStdString(path));
        if (!found.isEmpty() && (model.isEmpty() || found == model))
            paths.push_back(path);
    }
    std::sort(paths.begin(), paths.end());
    return paths;
}
