#pragma once

#include "sdk/firmware/FirmwareVariant.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>

// A ".bin" image for our bootloader: the flash contents of one family, its id
// text at the family's offset, and a trailer that closes the file; layout in
// sdk/firmware/FORMAT.md.
class BinImage
{
public:
    struct Family
    {
        int length; // the flash the image fills at most
        int idOffset; // where the id text lies
    };
    static constexpr Family kFamily512{0x80000, 0x10840};
    static constexpr Family kFamily256{0x40000, 0x1FE1C};
    static constexpr int kIdFieldSize = 50;
    static constexpr int kIdFieldCount = 6;
    static constexpr int kTrailerSize = 16;
    static constexpr const char kMagic[4] = {'O', 'V', 'B', 'T'};

    // The family's whole length, the file's bytes first and zeros past its
    // end, as the bootloader's flash reads after a shorter image.
    QByteArray flash;
    int fileLength = 0;
    FirmwareVariant variant = FirmwareVariant::Cable;

    // The id text: up to the first NUL of its field, at most 50 characters.
    QByteArray idText() const;
    // Its six comma-separated fields; fields the text lacks are empty.
    QStringList idFields() const;

    // An image of `length` bytes (at most the family's, room for the id
    // field and the trailer), deterministic filler from `seed`, the id text
    // NUL-padded in its field; empty when it does not fit.
    static QByteArray write(const Family& family, int length, const QByteArray& idText, FirmwareVariant variant,
                            const QByteArray& seed);

    // Checks the trailer, the size it covers and its CRC-32, and that the
    // file is no longer than the family's flash. On failure returns false
    // and says what is wrong; `out` is then untouched.
    static bool read(const QByteArray& bytes, const Family& family, BinImage* out, QString* error);

private:
    Family m_family{0, 0};
};
