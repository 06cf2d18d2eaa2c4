// Arbitrary bytes as a bootloader's answer, as the host reads it: a report
// of the device's length, or one padded to 64 bytes. The parser either
// refuses it or gives an answer whose every field is in range.
#include "sdk/firmware/BootloaderProtocol.h"
#include "support/FuzzFixture.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

class BootloaderAnswerFixture : public FuzzFixture
{
public:
    BootloaderAnswerFixture()
        : FuzzFixture("fuzz_bootloaderAnswer", Application::None)
    {
    }
};

void check(const uint8_t* bytes, int length)
{
    BootloaderProtocol::Answer answer;
    if (!BootloaderProtocol::parseAnswer(bytes, length, &answer))
        return;
    if (length < 64 || bytes[0] != BootloaderProtocol::kMarker)
        FuzzFixture::fail("fuzz_bootloaderAnswer", "accepted a short or foreign report");
    if (uint8_t(answer.status) > uint8_t(BootloaderProtocol::Status::WriteFailed))
        FuzzFixture::fail("fuzz_bootloaderAnswer", "status out of range");
    if (answer.operation == BootloaderProtocol::Operation::Identify
        && answer.status == BootloaderProtocol::Status::Accepted) {
        const BootloaderProtocol::Identity& id = answer.identity;
        if (id.model.isEmpty() || id.model.size() > BootloaderProtocol::kModelFieldSize)
            FuzzFixture::fail("fuzz_bootloaderAnswer", "model text out of range");
        for (const QChar c : id.model) {
            if (c.unicode() < 0x20 || c.unicode() > 0x7E)
                FuzzFixture::fail("fuzz_bootloaderAnswer", "model text not printable");
        }
        if (id.blockSize < 1 || id.blockSize > BootloaderProtocol::kMaxBlockSize)
            FuzzFixture::fail("fuzz_bootloaderAnswer", "block size out of range");
        if (uint8_t(id.variant) > uint8_t(FirmwareVariant::Receiver))
            FuzzFixture::fail("fuzz_bootloaderAnswer", "variant out of range");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzFixture::instance<BootloaderAnswerFixture>();
    check(data, int(std::min<size_t>(size, 4096)));
    uint8_t padded[64] = {};
    std::memcpy(padded, data, std::min<size_t>(size, sizeof padded));
    check(padded, int(sizeof padded));
    return 0;
}
