#include "support/FirmwareImageFolder.h"

#include "sdk/firmware/FirmwareBytes.h"
#include "sdk/firmware/UfwImage.h"

#include <QFile>

bool FirmwareImageFolder::writeUfw(const QString& name, const QString& model, const QByteArray& version,
                                   FirmwareVariant variant, Damage damage)
{
    const QByteArray image = UfwImage::write(model, version, variant, FirmwareBytes::filler(4096, name.toLatin1()));
    return !image.isEmpty() && writeBytes(name, damaged(image, damage));
}

bool FirmwareImageFolder::writeBin(const QString& name, const BinImage::Family& family, const QByteArray& idText,
                                   FirmwareVariant variant, Damage damage, int length)
{
    const QByteArray image
        = BinImage::write(family, length > 0 ? length : family.length, idText, variant, name.toLatin1());
    return !image.isEmpty() && writeBytes(name, damaged(image, damage));
}

bool FirmwareImageFolder::writeBytes(const QString& name, const QByteArray& bytes)
{
    QFile file(m_dir.filePath(name));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray FirmwareImageFolder::damaged(QByteArray bytes, Damage damage)
{
    switch (damage) {
    case Damage::None:
        break;
    case Damage::FlipByte:
        bytes[bytes.size() / 2] = char(bytes.at(bytes.size() / 2) ^ 0x01);
        break;
    case Damage::CutLastByte:
        bytes.chop(1);
        break;
    case Damage::AppendByte:
        bytes.append('\0');
        break;
    }
    return bytes;
}
