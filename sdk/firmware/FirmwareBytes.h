#pragma once

#include <QByteArray>

#include <cstdint>

// The byte-level helpers the image formats share: their checksums, their
// little-endian fields and the deterministic filler the image tool writes.
class FirmwareBytes
{
public:
    // CRC-32 as zlib and PNG compute it (reflected 0x04C11DB7, initial and
    // final value 0xFFFFFFFF).
    static uint32_t crc32(const char* data, int size);
    // CRC-16/X-25 (reflected 0x1021, initial and final value 0xFFFF).
    static uint16_t crc16(const char* data, int size);

    static uint16_t readU16(const char* at);
    static uint32_t readU32(const char* at);
    static void writeU16(char* at, uint16_t value);
    static void writeU32(char* at, uint32_t value);

    // `size` bytes that depend only on `seed`, so the same catalogue always
    // builds the same images.
    static QByteArray filler(int size, const QByteArray& seed);
};
