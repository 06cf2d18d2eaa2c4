#pragma once

#include "devices/DVendorUpgradeLibrary.h"
#include "hid/hidStructInfoAll.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

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
    // The images a route may write into a keyboard of `model`, in the order
    // to try them: the one for its connection; for a keyboard already in its
    // bootloader, whose connection only the bootloader's answer tells, then
    // the image of the other connection. A bootloader refuses an image of
    // the other connection before anything is written.
    static QStringList imageCandidates(const QString& model, bool viaReceiver, bool inBootloader);

    // Keyboards of our models present in their bootloader, each as a record
    // for the upgrade window: path, model, names, the built-in image's
    // version as the new one; its running version is unknown. Only those
    // whose image exists and passes its checks, in path order.
    QList<hidStructInfoAll> presentBootloaders() const;
    // The record of one bootloader path; false when the path is none of
    // ours or its model has no usable image.
    bool bootloaderRecord(const QString& path, hidStructInfoAll* record) const;

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
