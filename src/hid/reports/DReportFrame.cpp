#include "hid/reports/DReportFrame.h"

#include <QtGlobal>

#include <algorithm>

namespace {

constexpr int kCommandAt = 1;
constexpr int kSubAt = 2;
constexpr int kPacketAt = 4;
constexpr int kLengthAt = 5;

} // namespace

DReportFrame::DReportFrame(uint8_t command, int sub, int length)
{
    m_bytes[0] = DReportNumbers::kCommandReportId;
    setCommand(command);
    setSub(sub);
    setLength(length);
}

DReportFrame& DReportFrame::setCommand(uint8_t command)
{
    return setByte(kCommandAt, command);
}

DReportFrame& DReportFrame::setSub(int sub)
{
    return setByte(kSubAt, sub);
}

DReportFrame& DReportFrame::setPacket(int packet)
{
    return setByte(kPacketAt, packet);
}

DReportFrame& DReportFrame::setLength(int length)
{
    return setByte(kLengthAt, length);
}

int DReportFrame::setPayload(const uint8_t* data, int size)
{
    const int taken = std::clamp(size, 0, kPayloadCapacity);
    if (data)
        std::copy_n(data, taken, m_bytes.begin() + kPayloadOffset);
    return data ? taken : 0;
}

DReportFrame& DReportFrame::setPayloadByte(int index, int value)
{
    return setByte(kPayloadOffset + index, value);
}

DReportFrame& DReportFrame::setByte(int at, int value)
{
    // A position outside the report is a builder's mistake: caught in debug
    // builds, and never a write past the 64 bytes.
    Q_ASSERT(at >= 0 && at < kSize);
    if (at >= 0 && at < kSize)
        m_bytes[size_t(at)] = uint8_t(value);
    return *this;
}

DReportFrame& DReportFrame::setBigEndian16(int at, uint16_t value)
{
    setByte(at, value >> 8);
    return setByte(at + 1, value & 0xFF);
}
