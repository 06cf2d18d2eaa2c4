#include "devices/DFirmwareCheck.h"

#include "app/DFixedText.h"
#include "app/logCategories.h"
#include "devices/DBootloaderIdentity.h"
#include "sdk/firmware/BinImage.h"
#include "sdk/firmware/FirmwareVersion.h"
#include "sdk/firmware/UfwImage.h"
#include "sdk/include/orvanesdk_firmware.h"
#include "sdk/models/ModelCatalogue.h"

#include <QDebug>
#include <QFile>

#include <algorithm>
#include <cstring>

namespace {

using Family = ModelInfo::FirmwareFamily;

const ModelInfo* upgradeableModel(const hidStructInfoAll& record)
{
    const ModelInfo* model = ModelCatalogue::instance().find(DFixedText::latin1(record.modelName));
    return model && model->isUpgradeable() ? model : nullptr;
}

// The 256 KiB family has one image for both connections.
bool takesReceiverImage(const ModelInfo& model, const hidStructInfoAll& record)
{
    return record.is24G != 0 && model.firmwareFamily != Family::Bin256;
}

// The connection an image for this record must be built for; records of
// models that are not upgradeable never get this far.
FirmwareVariant expectedVariant(const hidStructInfoAll& record)
{
    const ModelInfo* model = upgradeableModel(record);
    return model && takesReceiverImage(*model, record) ? FirmwareVariant::Receiver : FirmwareVariant::Cable;
}

// Reads at most `limit` bytes; one more than the format allows is enough
// for its check to call the file oversize.
bool readImage(const QString& path, qint64 limit, QByteArray* bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    *bytes = file.read(limit);
    return file.error() == QFileDevice::NoError;
}

template<std::size_t N>
void putText(char (&field)[N], const QByteArray& text)
{
    std::memset(field, 0, N);
    std::memcpy(field, text.constData(), std::min(size_t(text.size()), N - 1));
}

void logRejected(const QString& path, const QString& why)
{
    qCDebug(lcFirmware).noquote() << "Firmware image" << path << "rejected:" << why;
}

} // namespace

DFirmwareCheck::DFirmwareCheck(const DVendorUpgradeLibrary::EntryPoints& entryPoints, const QString& imageFolder)
    : m_entryPoints(entryPoints)
    , m_imageFolder(imageFolder)
{
    if (!m_imageFolder.endsWith(QLatin1Char('/')))
        m_imageFolder += QLatin1Char('/');
}

QString DFirmwareCheck::imageName(const hidStructInfoAll& record)
{
    const ModelInfo* model = upgradeableModel(record);
    if (!model)
        return {};
    const QString suffix = model->firmwareFamily == Family::Vendor ? QStringLiteral(".ufw") : QStringLiteral(".bin");
    return model->code + (takesReceiverImage(*model, record) ? QStringLiteral("_Dongle") : QString()) + suffix;
}

QStringList DFirmwareCheck::imageCandidates(const QString& model, bool viaReceiver, bool inBootloader)
{
    hidStructInfoAll record;
    putText(record.modelName, model.toLatin1());
    QStringList names;
    for (const bool receiver : {viaReceiver, !viaReceiver}) {
        record.is24G = receiver ? 1 : 0;
        const QString name = imageName(record);
        if (!name.isEmpty() && !names.contains(name) && QFile::exists(QLatin1String(kImageFolder) + name))
            names << name;
        if (!inBootloader)
            break;
    }
    return names;
}

bool DFirmwareCheck::bootloaderRecord(const QString& path, hidStructInfoAll* record) const
{
    const ModelInfo* model = ModelCatalogue::instance().find(DBootloaderIdentity::upgradeModelOf(path));
    if (!model || !model->isUpgradeable())
        return false;
    hidStructInfoAll found;
    putText(found.hidPath, path.toLatin1());
    putText(found.modelName, model->code.toLatin1());
    putText(found.productName, model->productName.toUtf8());
    putText(found.likeName, model->likeName.toUtf8());
    const QStringList id = ModelCatalogue::instance().firmwareId();
    putText(found.firmwareIdPart0, id.value(0).toLatin1());
    putText(found.firmwareIdPart1, id.value(1).toLatin1());
    putText(found.firmwareIdPart3, id.value(3).toLatin1());
    // Present and able to take an image, whatever it ran before.
    found.isOnline = 1;
    QString version;
    if (!checkDeviceFirmware(found, &version))
        return false;
    putText(found.newFirmwareVersion, version.toLatin1());
    *record = found;
    return true;
}

QList<hidStructInfoAll> DFirmwareCheck::presentBootloaders() const
{
    QList<hidStructInfoAll> records;
    for (const std::string& path : DBootloaderIdentity::presentPaths(QString())) {
        hidStructInfoAll record;
        if (bootloaderRecord(QString::fromStdString(path), &record))
            records << record;
    }
    return records;
}

bool DFirmwareCheck::checkDeviceFirmware(const hidStructInfoAll& record, QString* newVersion) const
{
    const ModelInfo* model = upgradeableModel(record);
    if (!model)
        return false;
    const QString path = m_imageFolder + imageName(record);
    // A model without its image (or without the image for its receiver) is
    // simply not upgradeable: nothing to report.
    if (!QFile::exists(path))
        return false;
    if (model->firmwareFamily == Family::Vendor)
        return checkUfw(record, path, newVersion);
    return checkBin(record, path, newVersion);
}

bool DFirmwareCheck::checkUfw(const hidStructInfoAll& record, const QString& path, QString* newVersion) const
{
    if (!m_entryPoints.canReadImages())
        return false;
    QByteArray image;
    if (!readImage(path, qint64(UfwImage::kHeaderSize) + UfwImage::kMaxPayloadSize + 1, &image)) {
        qCDebug(lcFirmware) << "Open hex file error 01";
        return false;
    }
    const auto loadUfwData = reinterpret_cast<JL_loadUfwDataFn>(m_entryPoints.loadUfwData);
    const auto getUfwCrc = reinterpret_cast<JL_getUfwCrcFn>(m_entryPoints.getUfwCrc);
    const auto getUfwPidVid = reinterpret_cast<JL_getUfwPidVidFn>(m_entryPoints.getUfwPidVid);
    if (loadUfwData(reinterpret_cast<const unsigned char*>(image.constData()), image.size()) != 0) {
        qCDebug(lcFirmware) << "---------------- *** File error 02 JL *** ---------------" << path;
        return false;
    }
    uint16_t headerCrc = 0;
    uint32_t payloadCrc = 0;
    if (getUfwCrc(&headerCrc, &payloadCrc) != 0) {
        qCDebug(lcFirmware) << "---------------- *** File error 03 JL *** ---------------" << path;
        return false;
    }
    char modelBuffer[17] = {};
    char versionBuffer[5] = {};
    if (getUfwPidVid(modelBuffer, 17, versionBuffer, 4) != 0) {
        qCDebug(lcFirmware) << "---------------- *** File error 04 JL *** ---------------" << path;
        return false;
    }
    modelBuffer[16] = '\0';
    // The library names model and version only; the connection the image is
    // built for is in its header, and a cable image must never be offered to
    // a keyboard behind its receiver (or the other way round).
    UfwImage header;
    QString error;
    if (!UfwImage::read(image, &header, &error) || header.variant != expectedVariant(record)) {
        logRejected(path, error.isEmpty() ? QStringLiteral("built for the other connection") : error);
        return false;
    }
    const QString imageModel = QString::fromLatin1(modelBuffer);
    const QString imageVersion = QString::fromLatin1(versionBuffer);
    if (imageModel != DFixedText::latin1(record.modelName)
        || !FirmwareVersion::isNewer(imageVersion, DFixedText::latin1(record.firmwareVersion)))
        return false;
    *newVersion = imageVersion;
    return true;
}

bool DFirmwareCheck::checkBin(const hidStructInfoAll& record, const QString& path, QString* newVersion) const
{
    const ModelInfo* model = upgradeableModel(record);
    const BinImage::Family family
        = model->firmwareFamily == Family::Bin512 ? BinImage::kFamily512 : BinImage::kFamily256;
    QByteArray bytes;
    if (!readImage(path, qint64(family.length) + 1, &bytes)) {
        qCDebug(lcFirmware) << "Open hex file error 02";
        return false;
    }
    BinImage image;
    QString error;
    if (!BinImage::read(bytes, family, &image, &error)) {
        logRejected(path, error);
        return false;
    }
    if (image.variant != expectedVariant(record)) {
        logRejected(path, QStringLiteral("built for the other connection"));
        return false;
    }
    const QStringList fields = image.idFields();
    const auto same = [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; };
    if (!same(fields.at(0), DFixedText::latin1(record.firmwareIdPart0))
        || !same(fields.at(1), DFixedText::latin1(record.firmwareIdPart1))
        || !same(fields.at(3), DFixedText::latin1(record.firmwareIdPart3))
        || !same(fields.at(4), DFixedText::latin1(record.modelName))
        || !FirmwareVersion::isNewer(fields.at(5), DFixedText::latin1(record.firmwareVersion)))
        return false;
    *newVersion = fields.at(5);
    return true;
}

QList<hidStructInfoAll> DFirmwareCheck::collect(const QMap<QString, hidStructInfoAll>& records) const
{
    QList<hidStructInfoAll> upgradeable;
    for (const hidStructInfoAll& record : records) {
        QString version;
        if (!checkDeviceFirmware(record, &version))
            continue;
        hidStructInfoAll copy = record;
        putText(copy.newFirmwareVersion, version.toLatin1());
        upgradeable << copy;
    }
    return upgradeable;
}
