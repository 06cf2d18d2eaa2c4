#include "sdk/firmware/UfwImage.h"

#include "sdk/firmware/FirmwareBytes.h"

#include <cstring>

namespace {

constexpr int kMagicAt = 0;
constexpr int kFormatAt = 4;
constexpr int kVariantAt = 6;
constexpr int kReservedAt = 7;
constexpr int kModelAt = 8;
constexpr int kVersionAt = 24;
constexpr int kPayloadSizeAt = 28;
constexpr int kPayloadCrcAt = 32;
constexpr int kHeaderCrcAt = 36;
constexpr int kReserved2At = 38;

bool printable(const QByteArray& text)
{
    for (char c : text) {
        if (c < 0x21 || c > 0x7E)
            return false;
    }
    return true;
}

// A NUL-padded text field: the text, then nothing but NULs.
bool readField(const char* field, int size, QByteArray* text)
{
    int length = 0;
    while (length < size && field[length] != '\0')
        ++length;
    for (int i = length; i < size; ++i) {
        if (field[i] != '\0')
            return false;
    }
    *text = QByteArray(field, length);
    return !text->isEmpty() && printable(*text);
}

bool fail(QString* error, const QString& text)
{
    if (error)
        *error = text;
    return false;
}

} // namespace

QByteArray UfwImage::write(const QString& model, const QByteArray& version, FirmwareVariant variant,
                           const QByteArray& payload)
{
    const QByteArray modelBytes = model.toLatin1();
    if (modelBytes.isEmpty() || modelBytes.size() > kModelFieldSize || !printable(modelBytes)
        || QString::fromLatin1(modelBytes) != model || version.isEmpty() || version.size() > kVersionFieldSize
        || !printable(version) || uint32_t(payload.size()) > kMaxPayloadSize)
        return {};
    QByteArray image(kHeaderSize, '\0');
    char* h = image.data();
    std::memcpy(h + kMagicAt, kMagic, sizeof kMagic);
    FirmwareBytes::writeU16(h + kFormatAt, kFormatVersion);
    h[kVariantAt] = char(variant);
    std::memcpy(h + kModelAt, modelBytes.constData(), size_t(modelBytes.size()));
    std::memcpy(h + kVersionAt, version.constData(), size_t(version.size()));
    FirmwareBytes::writeU32(h + kPayloadSizeAt, uint32_t(payload.size()));
    FirmwareBytes::writeU32(h + kPayloadCrcAt, FirmwareBytes::crc32(payload.constData(), payload.size()));
    FirmwareBytes::writeU16(h + kHeaderCrcAt, FirmwareBytes::crc16(h, kHeaderCrcAt));
    return image + payload;
}

bool UfwImage::read(const QByteArray& bytes, UfwImage* out, QString* error)
{
    if (bytes.size() < kHeaderSize)
        return fail(
            error,
            QStringLiteral("truncated: %1 bytes, shorter than the %2-byte header").arg(bytes.size()).arg(kHeaderSize));
    const char* h = bytes.constData();
    if (std::memcmp(h + kMagicAt, kMagic, sizeof kMagic) != 0)
        return fail(error, QStringLiteral("not a .ufw image (wrong magic)"));
    const uint16_t headerCrc = FirmwareBytes::readU16(h + kHeaderCrcAt);
    if (FirmwareBytes::crc16(h, kHeaderCrcAt) != headerCrc)
        return fail(error, QStringLiteral("header corrupted (CRC-16 mismatch)"));
    if (FirmwareBytes::readU16(h + kFormatAt) != kFormatVersion)
        return fail(error, QStringLiteral("unknown format version %1").arg(FirmwareBytes::readU16(h + kFormatAt)));
    const uint8_t variant = uint8_t(h[kVariantAt]);
    if (variant > uint8_t(FirmwareVariant::Receiver))
        return fail(error, QStringLiteral("unknown variant %1").arg(variant));
    if (h[kReservedAt] != '\0' || FirmwareBytes::readU16(h + kReserved2At) != 0)
        return fail(error, QStringLiteral("reserved header bytes are not zero"));
    QByteArray model;
    QByteArray version;
    if (!readField(h + kModelAt, kModelFieldSize, &model))
        return fail(error, QStringLiteral("model field unreadable"));
    if (!readField(h + kVersionAt, kVersionFieldSize, &version))
        return fail(error, QStringLiteral("version field unreadable"));
    const uint32_t payloadSize = FirmwareBytes::readU32(h + kPayloadSizeAt);
    if (payloadSize > kMaxPayloadSize)
        return fail(
            error,
            QStringLiteral("oversize: payload of %1 bytes, the limit is %2").arg(payloadSize).arg(kMaxPayloadSize));
    const qint64 expected = qint64(kHeaderSize) + payloadSize;
    if (bytes.size() < expected)
        return fail(error,
                    QStringLiteral("truncated: %1 bytes, the header announces %2").arg(bytes.size()).arg(expected));
    if (bytes.size() > expected)
        return fail(error,
                    QStringLiteral("oversize: %1 bytes, the header announces %2").arg(bytes.size()).arg(expected));
    const uint32_t payloadCrc = FirmwareBytes::readU32(h + kPayloadCrcAt);
    if (FirmwareBytes::crc32(h + kHeaderSize, int(payloadSize)) != payloadCrc)
        return fail(error, QStringLiteral("payload corrupted (CRC-32 mismatch)"));

    out->model = QString::fromLatin1(model);
    out->version = version;
    out->variant = FirmwareVariant(variant);
    out->payload = bytes.mid(kHeaderSize);
    out->headerCrc = headerCrc;
    out->payloadCrc = payloadCrc;
    return true;
}
