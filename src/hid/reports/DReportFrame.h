#pragma once

#include "hid/reports/DReportNumbers.h"

#include <array>
#include <cstddef>
#include <cstdint>

// One 64-byte command report as the I/O thread writes it. Every builder
// shares the header: report id (byte 0), command (1), sub-command, layer or
// slot (2), packet number (4) and payload length (5); the payload starts at
// byte 6. Layouts that name their fields by byte position set them by
// position.
class DReportFrame
{
public:
    static constexpr int kSize = 64;
    static constexpr int kPayloadOffset = 6;
    static constexpr int kPayloadCapacity = kSize - kPayloadOffset;
    using Bytes = std::array<uint8_t, kSize>;

    // 64 zero bytes, without even the report id: the I/O thread's own
    // handshake and serial-number inquiry have always gone out like that.
    DReportFrame() = default;
    // The report id and command, the rest zero.
    explicit DReportFrame(uint8_t command, int sub = 0, int length = 0);

    DReportFrame& setCommand(uint8_t command);
    DReportFrame& setSub(int sub);
    DReportFrame& setPacket(int packet);
    DReportFrame& setLength(int length);
    // Copies at most the payload's capacity; returns how many bytes it took.
    int setPayload(const uint8_t* data, int size);
    DReportFrame& setPayloadByte(int index, int value);
    DReportFrame& setByte(int at, int value);
    // High byte first, as the keyboard reads its 16-bit fields.
    DReportFrame& setBigEndian16(int at, uint16_t value);

    uint8_t command() const { return m_bytes[1]; }
    uint8_t operator[](int at) const { return m_bytes[std::size_t(at)]; }
    const uint8_t* data() const { return m_bytes.data(); }
    static constexpr int size() { return kSize; }
    Bytes::const_iterator begin() const { return m_bytes.begin(); }
    Bytes::const_iterator end() const { return m_bytes.end(); }

    bool operator==(const DReportFrame& other) const { return m_bytes == other.m_bytes; }
    bool operator!=(const DReportFrame& other) const { return m_bytes != other.m_bytes; }

private:
    Bytes m_bytes{};
};
