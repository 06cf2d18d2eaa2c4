// Builds the firmware images the program carries, one per upgradeable model
// of the catalogue and connection, in our container formats
// (sdk/firmware/FORMAT.md). Until real firmware exists the payload is
// deterministic filler, so a build always yields the same bytes.
// Usage: orvane-firmware-images <output folder>
#include "sdk/firmware/BinImage.h"
#include "sdk/firmware/FirmwareBytes.h"
#include "sdk/firmware/UfwImage.h"
#include "sdk/models/ModelCatalogue.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>
#include <QTextStream>

namespace {

constexpr int kUfwPayloadSize = 32 * 1024;

bool save(const QDir& folder, const QString& name, const QByteArray& bytes)
{
    if (bytes.isEmpty()) {
        QTextStream(stderr) << "cannot build " << name << "\n";
        return false;
    }
    QSaveFile file(folder.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        QTextStream(stderr) << "cannot write " << file.fileName() << "\n";
        return false;
    }
    return true;
}

bool buildModel(const ModelCatalogue& catalogue, const ModelInfo& model, const QDir& folder)
{
    using Family = ModelInfo::FirmwareFamily;
    QList<FirmwareVariant> variants{FirmwareVariant::Cable};
    // The 256 KiB family has one image for both connections.
    if (model.hasReceiver() && model.firmwareFamily != Family::Bin256)
        variants << FirmwareVariant::Receiver;
    for (const FirmwareVariant variant : variants) {
        const bool receiver = variant == FirmwareVariant::Receiver;
        const QString base = model.code + (receiver ? QStringLiteral("_Dongle") : QString());
        const QByteArray seed = base.toLatin1();
        QByteArray image;
        QString name;
        if (model.firmwareFamily == Family::Vendor) {
            name = base + QStringLiteral(".ufw");
            image = UfwImage::write(model.code, model.firmwareVersion.toLatin1(), variant,
                                    FirmwareBytes::filler(kUfwPayloadSize, seed));
        } else {
            name = base + QStringLiteral(".bin");
            const BinImage::Family family
                = model.firmwareFamily == Family::Bin512 ? BinImage::kFamily512 : BinImage::kFamily256;
            const QStringList id = catalogue.firmwareId() + QStringList{model.code, model.firmwareVersion};
            image = BinImage::write(family, family.length, id.join(QLatin1Char(',')).toLatin1(), variant, seed);
        }
        if (!save(folder, name, image))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: orvane-firmware-images <output folder>\n";
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(folder.path())) {
        QTextStream(stderr) << "cannot create " << folder.path() << "\n";
        return 1;
    }
    const ModelCatalogue& catalogue = ModelCatalogue::instance();
    if (catalogue.models().empty())
        return 1;
    for (const ModelInfo& model : catalogue.models()) {
        if (model.isUpgradeable() && !buildModel(catalogue, model, folder))
            return 1;
    }
    return 0;
}
