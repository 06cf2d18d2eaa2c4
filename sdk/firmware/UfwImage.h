#pragma once

#include "sdk/firmware/FirmwareVariant.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

// A ".ufw" image: a fixed header naming the model, version and variant,
// then the payload; layout in sdk/firmware/FORMAT.md.
class UfwImage
{
public:
    static constexpr int kHeaderSize = 40;
    static constexpr int kModelFieldSize = 16;
    static constexpr int kVersionFieldSize = 4;
    static constexpr uint16_t kFormatVersion = 1;
    // Far above any keyboard's flash; an image claiming more is damaged.
    static constexpr uint32_t kMaxPayloadSize = 8u * 1024 * 1024;
    static constexpr const char kMagic[4] = {'O', 'V', 'U', 'F'};

    QString model;
    QByteArray version; // 1 to 4 printable characters
    FirmwareVariant variant = FirmwareVariant::Cable;
    QByteArray payload;
    uint16_t headerCrc = 0;
    uint32_t payloadCrc = 0;

    // The whole image; empty when the model (1 to 16 printable ASCII
    // characters) or the version (1 to 4) does not fit its field.
    static QByteArray write(const QString& model, const QByteArray& version, FirmwareVariant variant,
                            const QByteArray& payload);

    // Checks every field, both sizes and both CRCs. On failure returns false
    // and says what is wrong; `out` is then untouched.
    static bool read(const QByteArray& bytes, UfwImage* out, QString* error);
};
