#include "sdk/firmware/FirmwareBytes.h"

#include <array>

namespace {

std::array<uint32_t, 256> makeCrc32Table()
{
    std::array<uint32_t, 256> table{};
    for (uint32_t i = 0; i < 256; ++i) {
        uint32_t c = i;
        for (int bit = 0; bit < 8; ++bit)
            c = (c & 1) ? (c >> 1) ^ 0xEDB88320u : c >> 1;
        table[i] = c;
    }
    return table;
}

} // namespace

uint32_t FirmwareBytes::crc32(const char* data, int size)
{
    static const std::array<uint32_t, 256> kTable = makeCrc32Table();
    uint32_t crc = 0xFFFFFFFFu;
    for (int i = 0; i < size; ++i)
        crc = kTable[(crc ^ uint8_t(data[i])) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

uint16_t FirmwareBytes::crc16(const char* data, int size)
{
    uint16_t crc = 0xFFFF;
    for (int i = 0; i < size; ++i) {
        crc ^= uint8_t(data[i]);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? uint16_t((crc >> 1) ^ 0x8408) : uint16_t(crc >> 1);
    }
    return uint16_t(crc ^ 0xFFFF);
}

uint16_t FirmwareBytes::readU16(const char* at)
{
    return uint16_t(uint8_t(at[0]) | (uint8_t(at[1]) << 8));
}

uint32_t FirmwareBytes::readU32(const char* at)
{
    return uint32_t(uint8_t(at[0])) | (uint32_t(uint8_t(at[1])) << 8) | (uint32_t(uint8_t(at[2])) << 16)
           | (uint32_t(uint8_t(at[3])) << 24);
}

void FirmwareBytes::writeU16(char* at, uint16_t value)
{
    at[0] = char(value & 0xFF);
    at[1] = char(value >> 8);
}

void FirmwareBytes::writeU32(char* at, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        at[i] = char((value >> (8 * i)) & 0xFF);
}

QByteArray FirmwareBytes::filler(int size, const QByteArray& seed)
{
    QByteArray bytes(size, '\0');
    // A 32-bit xorshift started from the seed's CRC: cheap, and never the
    // long runs of one byte that would hide a misplaced field.
    uint32_t state = crc32(seed.constData(), seed.size()) | 1u;
    for (int i = 0; i < size; ++i) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        bytes[i] = char(state & 0xFF);
    }
    return bytes;
}
