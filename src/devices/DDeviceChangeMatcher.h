#pragma once

#include "sdk/include/orvanesdk_records.h"

#include <QString>

#include <list>

// Decides what a device-change notice means for the main window: whether it
// concerns a supported keyboard (so the device page refreshes its list) and
// whether a bootloader came up (so the bootloader upgrade is scheduled).
class DDeviceChangeMatcher
{
public:
    struct Decision
    {
        const hidSupportInfo* model = nullptr; // the first matching record, or null
        bool refreshDevicePage = false;
        bool scheduleBootloaderUpgrade = false;
    };

    // The first record whose vendor and product id texts both occur in the
    // path, in any case. A record with an empty id text matches nothing, and
    // without a support list (the library did not start) nothing matches.
    static const hidSupportInfo* findModel(const std::list<hidSupportInfo>* supportList, const QString& devicePath);

    // changeType: 11 arrival, 12 removal; anything else means nothing.
    // Only an arrival looks for a bootloader, whether or not a model matched.
    static Decision decide(int changeType, const std::list<hidSupportInfo>* supportList, const QString& devicePath);
};
