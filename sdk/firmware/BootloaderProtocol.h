#pragma once

#include "sdk/firmware/FirmwareVariant.h"

#include <QString>

#include <array>
#include <cstdint>

// The reports of our bootloader protocol (sdk/firmware/PROTOCOL.md): the
// requests the host builds and the parser of the bootloader's answers, which
// takes whatever a device sends and never trusts it.
class BootloaderProtocol
{
public:
    using Report = std::array<uint8_t, 64>;

    static constexpr uint8_t kMarker = 0x4F;
    static constexpr uint8_t kAnswerBit = 0x80;
    static constexpr int kMaxBlockSize = 56;
    static constexpr int kModelFieldSize = 16;
    static constexpr uint8_t kProtocolVersion = 1;

    enum class Operation : uint8_t { Identify = 0x01, Start = 0x02, Data = 0x03, Finish = 0x04, Reset = 0x05 };
    enum class Status : uint8_t {
        Accepted = 0,
        WrongModel = 1,
        WrongVariant = 2,
        BadCrc = 3,
        TooLarge = 4,
        OutOfOrder = 5,
        NotStarted = 6,
        WriteFailed = 7,
    };

    struct Identity
    {
        QString model;
        FirmwareVariant variant = FirmwareVariant::Cable;
        uint32_t largestImage = 0;
        int blockSize = 0;
    };

    struct Answer
    {
        Operation operation = Operation::Identify;
        uint16_t block = 0;
        Status status = Status::Accepted;
        Identity identity; // identify answers only
    };

    static Report identify();
    static Report start(uint32_t size, uint32_t crc32, FirmwareVariant variant);
    // `count` bytes (1 to kMaxBlockSize) from `data`.
    static Report data(uint16_t block, const char* data, int count);
    static Report finish(uint32_t size, uint32_t crc32);
    static Report reset();

    // False for anything that is not a well-formed answer of this protocol
    // (too short, another marker, an unknown operation or status, an
    // identity with a bad model text, variant, version or block size).
    static bool parseAnswer(const uint8_t* bytes, int length, Answer* out);

    // The text a refusal is logged with ("bad CRC-32").
    static QString statusText(Status status);

private:
    static Report request(Operation operation, uint16_t block);
};
