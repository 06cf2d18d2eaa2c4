#include "devices/DDeviceChangeMatcher.h"

#include "app/DFixedText.h"
#include "devices/DBootloaderIdentity.h"
#include "platform/include/DeviceChangeSource.h"

const hidSupportInfo* DDeviceChangeMatcher::findModel(const std::list<hidSupportInfo>* supportList,
                                                      const QString& devicePath)
{
    if (!supportList)
        return nullptr;
    for (const hidSupportInfo& record : *supportList) {
        const QString vendor = DFixedText::local8Bit(record.vendorIdText);
        const QString product = DFixedText::local8Bit(record.productIdText);
        if (vendor.isEmpty() || product.isEmpty())
            continue;
        if (devicePath.contains(vendor, Qt::CaseInsensitive) && devicePath.contains(product, Qt::CaseInsensitive))
            return &record;
    }
    return nullptr;
}

DDeviceChangeMatcher::Decision
DDeviceChangeMatcher::decide(int changeType, const std::list<hidSupportInfo>* supportList, const QString& devicePath)
{
    Decision decision;
    if (changeType != DeviceChangeSource::Arrival && changeType != DeviceChangeSource::Removal)
        return decision;
    decision.model = findModel(supportList, devicePath);
    decision.refreshDevicePage = decision.model != nullptr;
    decision.scheduleBootloaderUpgrade
        = changeType == DeviceChangeSource::Arrival && DBootloaderIdentity::matches(devicePath);
    return decision;
}
