#include "sdk/firmware/BinImage.h"

#include "sdk/firmware/FirmwareBytes.h"

#include <cstring>

namespace {

constexpr int kVariantAt = 4;
constexpr int kReservedAt = 5;
constexpr int kCoveredAt = 8;
constexpr int kCrcAt = 12;

bool fail(QString* error, const QString& text)
{
    if (error)
        *error = text;
    return false;
}

} // namespace

QByteArray BinImage::idText() const
{
    if (m_family.length == 0 || flash.size() < m_family.idOffset + kIdFieldSize)
        return {};
    const char* field = flash.constData() + m_family.idOffset;
    int length = 0;
    while (length < kIdFieldSize && field[length] != '\0')
        ++length;
    return QByteArray(field, length);
}

QStringList BinImage::idFields() const
{
    QStringList fields = QString::fromLatin1(idText()).split(QLatin1Char(','));
    while (fields.size() < kIdFieldCount)
        fields << QString();
    return fields;
}

QByteArray BinImage::write(const Family& family, int length, const QByteArray& idText, FirmwareVariant variant,
                           const QByteArray& seed)
{
    if (length > family.length || length < family.idOffset + kIdFieldSize + kTrailerSize || idText.size() > kIdFieldSize
        || idText.contains('\0'))
        return {};
    QByteArray image = FirmwareBytes::filler(length, seed);
    char* d = image.data();
    std::memset(d + family.idOffset, 0, kIdFieldSize);
    std::memcpy(d + family.idOffset, idText.constData(), size_t(idText.size()));
    char* trailer = d + length - kTrailerSize;
    std::memset(trailer, 0, kTrailerSize);
    std::memcpy(trailer, kMagic, sizeof kMagic);
    trailer[kVariantAt] = char(variant);
    const uint32_t covered = uint32_t(length - kTrailerSize);
    FirmwareBytes::writeU32(trailer + kCoveredAt, covered);
    FirmwareBytes::writeU32(trailer + kCrcAt, FirmwareBytes::crc32(d, int(covered)));
    return image;
}

bool BinImage::read(const QByteArray& bytes, const Family& family, BinImage* out, QString* error)
{
    if (bytes.size() > family.length)
        return fail(error,
                    QStringLiteral("oversize: %1 bytes, the flash holds %2").arg(bytes.size()).arg(family.length));
    if (bytes.size() < kTrailerSize)
        return fail(error, QStringLiteral("truncated: %1 bytes, shorter than the %2-byte trailer")
                               .arg(bytes.size())
                               .arg(kTrailerSize));
    const char* trailer = bytes.constData() + bytes.size() - kTrailerSize;
    if (std::memcmp(trailer, kMagic, sizeof kMagic) != 0)
        return fail(error, QStringLiteral("no trailer at the end (truncated, extended or not a .bin image)"));
    const uint32_t covered = FirmwareBytes::readU32(trailer + kCoveredAt);
    if (qint64(covered) + kTrailerSize != bytes.size())
        return fail(error, QStringLiteral("size mismatch: %1 bytes, the trailer covers %2")
                               .arg(bytes.size() - kTrailerSize)
                               .arg(covered));
    const uint8_t variant = uint8_t(trailer[kVariantAt]);
    if (variant > uint8_t(FirmwareVariant::Receiver))
        return fail(error, QStringLiteral("unknown variant %1").arg(variant));
    if (trailer[kReservedAt] != '\0' || trailer[kReservedAt + 1] != '\0' || trailer[kReservedAt + 2] != '\0')
        return fail(error, QStringLiteral("reserved trailer bytes are not zero"));
    if (FirmwareBytes::crc32(bytes.constData(), int(covered)) != FirmwareBytes::readU32(trailer + kCrcAt))
        return fail(error, QStringLiteral("corrupted (CRC-32 mismatch)"));

    out->flash = QByteArray(family.length, '\0');
    std::memcpy(out->flash.data(), bytes.constData(), size_t(bytes.size()));
    out->fileLength = bytes.size();
    out->variant = FirmwareVariant(variant);
    out->m_family = family;
    return true;
}
