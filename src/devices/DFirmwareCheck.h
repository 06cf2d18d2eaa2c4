#pragma once

#include "devices/DVendorUpgradeLibrary.h"
#include "hid/hidStructInfoAll.h"

#include <QList>
#include <QMap>
#include <QString>

// Decides, keyboard by keyboard, whether the program carries a firmware
// image that is newer than what the keyboard runs. The model table is the
// catalogue's firmware section; ".ufw" images are read through the upgrade
// entry points, ".bin" images directly.
class DFirmwareCheck
{
public:
    static constexpr const char* kImageFolder = ":/images/UpdateFirmwareFile/";

    explicit DFirmwareCheck(const DVendorUpgradeLibrary::EntryPoints& entryPoints,
                            const QString& imageFolder = QLatin1String(kImageFolder));

    // The image the record's keyboard would take ("OV68M_Dongle.ufw"); empty
    // when its model has none.
    static QString imageName(const hidStructInfoAll& record);

    // True when the record's image exists, passes its checks, is meant for
    // the keyboard and is newer than its firmware; `newVersion` then holds
    // the image's version text.
    bool checkDeviceFirmware(const hidStructInfoAll& record, QString* newVersion) const;

    // The upgradeable records in the map's order (ascending paths), each
    // copy with its newFirmwareVersion filled.
    QList<hidStructInfoAll> collect(const QMap<QString, hidStructInfoAll>& records) const;

private:
    bool checkUfw(const hidStructInfoAll& record, const QString& path, QString* newVersion) const;
    bool checkBin(const hidStructInfoAll& record, const QString& path, QString* newVersion) const;

    DVendorUpgradeLibrary::EntryPoints m_entryPoints;
    QString m_imageFolder;
};
