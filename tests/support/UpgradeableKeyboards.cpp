#include "support/UpgradeableKeyboards.h"

#include <QByteArray>

QList<hidStructInfoAll> upgradeableKeyboards()
{
    QList<hidStructInfoAll> records;
    for (const char* name : {"OV68M", "OV84"}) {
        hidStructInfoAll record;
        qstrncpy(record.hidPath, name, sizeof record.hidPath);
        qstrncpy(record.productName, name, sizeof record.productName);
        qstrncpy(record.likeName, "Keyboard", sizeof record.likeName);
        qstrncpy(record.firmwareVersion, "V1.0", sizeof record.firmwareVersion);
        qstrncpy(record.newFirmwareVersion, "V1.2", sizeof record.newFirmwareVersion);
        records << record;
    }
    return records;
}
