#include "sdk/firmware/BootloaderProtocol.h"

#include "sdk/firmware/FirmwareBytes.h"

#include <cstring>

namespace {

constexpr int kIdentityModelAt = 8;
constexpr int kIdentityVariantAt = 24;
constexpr int kIdentityVersionAt = 25;
constexpr int kIdentityLargestAt = 28;
constexpr int kIdentityBlockSizeAt = 32;

bool knownOperation(uint8_t code)
{
    return code >= uint8_t(BootloaderProtocol::Operation::Identify)
           && code <= uint8_t(BootloaderProtocol::Operation::Reset);
}

// The model field: 1 to 16 printable ASCII characters, then only NULs.
bool readModel(const uint8_t* field, QString* model)
{
    int length = 0;
    while (length < BootloaderProtocol::kModelFieldSize && field[length] != 0) {
        if (field[length] < 0x20 || field[length] > 0x7E)
            return false;
        ++length;
    }
    for (int i = length; i < BootloaderProtocol::kModelFieldSize; ++i) {
        if (field[i] != 0)
            return false;
    }
    if (length == 0)
        return false;
    *model = QString::fromLatin1(reinterpret_cast<const char*>(field), length);
    return true;
}

} // namespace

BootloaderProtocol::Report BootloaderProtocol::request(Operation operation, uint16_t block)
{
    Report r{};
    r[0] = kMarker;
    r[1] = uint8_t(operation);
    FirmwareBytes::writeU16(reinterpret_cast<char*>(&r[2]), block);
    return r;
}

BootloaderProtocol::Report BootloaderProtocol::identify()
{
    return request(Operation::Identify, 0);
}

BootloaderProtocol::Report BootloaderProtocol::start(uint32_t size, uint32_t crc32, FirmwareVariant variant)
{
    Report r = request(Operation::Start, 0);
    FirmwareBytes::writeU32(reinterpret_cast<char*>(&r[4]), size);
    FirmwareBytes::writeU32(reinterpret_cast<char*>(&r[8]), crc32);
    r[12] = uint8_t(variant);
    return r;
}

BootloaderProtocol::Report BootloaderProtocol::data(uint16_t block, const char* data, int count)
{
    Report r = request(Operation::Data, block);
    if (count < 1 || count > kMaxBlockSize || !data)
        count = 0;
    r[4] = uint8_t(count);
    if (count > 0)
        std::memcpy(&r[8], data, size_t(count));
    return r;
}

BootloaderProtocol::Report BootloaderProtocol::finish(uint32_t size, uint32_t crc32)
{
    Report r = request(Operation::Finish, 0);
    FirmwareBytes::writeU32(reinterpret_cast<char*>(&r[4]), size);
    FirmwareBytes::writeU32(reinterpret_cast<char*>(&r[8]), crc32);
    return r;
}

BootloaderProtocol::Report BootloaderProtocol::reset()
{
    return request(Operation::Reset, 0);
}

bool BootloaderProtocol::parseAnswer(const uint8_t* bytes, int length, Answer* out)
{
    if (!bytes || !out || length < int(sizeof(Report)))
        return false;
    if (bytes[0] != kMarker || (bytes[1] & kAnswerBit) == 0 || !knownOperation(bytes[1] & ~kAnswerBit))
        return false;
    if (bytes[4] > uint8_t(Status::WriteFailed))
        return false;
    Answer answer;
    answer.operation = Operation(bytes[1] & ~kAnswerBit);
    answer.block = FirmwareBytes::readU16(reinterpret_cast<const char*>(&bytes[2]));
    answer.status = Status(bytes[4]);
    if (answer.operation == Operation::Identify && answer.status == Status::Accepted) {
        if (!readModel(bytes + kIdentityModelAt, &answer.identity.model))
            return false;
        if (bytes[kIdentityVariantAt] > uint8_t(FirmwareVariant::Receiver)
            || bytes[kIdentityVersionAt] != kProtocolVersion)
            return false;
        answer.identity.variant = FirmwareVariant(bytes[kIdentityVariantAt]);
        answer.identity.largestImage
            = FirmwareBytes::readU32(reinterpret_cast<const char*>(bytes + kIdentityLargestAt));
        answer.identity.blockSize = FirmwareBytes::readU16(reinterpret_cast<const char*>(bytes + kIdentityBlockSizeAt));
        if (answer.identity.blockSize < 1 || answer.identity.blockSize > kMaxBlockSize)
            return false;
    }
    *out = answer;
    return true;
}

QString BootloaderProtocol::statusText(Status status)
{
    switch (status) {
    case Status::Accepted:
        return QStringLiteral("accepted");
    case Status::WrongModel:
        return QStringLiteral("wrong model");
    case Status::WrongVariant:
        return QStringLiteral("wrong variant");
    case Status::BadCrc:
        return QStringLiteral("bad CRC-32");
    case Status::TooLarge:
        return QStringLiteral("image too large");
    case Status::OutOfOrder:
        return QStringLiteral("block out of order");
    case Status::NotStarted:
        return QStringLiteral("not started");
    case Status::WriteFailed:
        return QStringLiteral("write failed");
    }
    return QStringLiteral("unknown");
}
