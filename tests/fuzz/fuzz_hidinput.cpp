// Input reports of any content and length, one per 64-byte slice of the
// input, go from the simulated keyboard through the I/O thread's read step
// and routing to a receiver that frees them like the keyboard link does.
// Every report must arrive once, whole, on the right signal.
#include "support/FuzzFixture.h"
#include "support/OpenedKeyboard.h"
#include "support/ReportSink.h"

#include <QByteArray>
#include <cstring>
#include <vector>

namespace {

constexpr size_t kMaxReportsPerInput = 16;

class HidInputFixture : public FuzzFixture
{
public:
    OpenedKeyboard opened{simulator(), "OV68M", 3};
    SimulatedKeyboard* keyboard = opened.keyboard().get();
    ReportSink* sink = opened.sink();

    HidInputFixture()
        : FuzzFixture("fuzz_hidinput", Application::Core)
    {
        if (!opened.isOpen())
            fail("the keyboard did not open");
        waitFor(1); // the answer to the opening serial inquiry
        sink->serialNumbers.clear();
        sink->serialNames.clear();
    }

    ~HidInputFixture() override { opened.close(); }

    int arrived() const { return sink->data.size() + sink->serialNumbers.size(); }

    void waitFor(int count)
    {
        if (!waitUntil([&] { return arrived() >= count; }))
            fail(QByteArray::number(arrived()) + " of " + QByteArray::number(count) + " reports arrived");
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    HidInputFixture& f = FuzzFixture::instance<HidInputFixture>();

    struct Sent
    {
        SimulatedKeyboard::Report bytes{};
        int length = 0;
    };
    std::vector<Sent> sent;
    for (size_t offset = 0; offset < size && sent.size() < kMaxReportsPerInput; offset += 64) {
        Sent s;
        s.length = int(std::min<size_t>(64, size - offset));
        std::memcpy(s.bytes.data(), data + offset, size_t(s.length));
        f.keyboard->injectInput(s.bytes, s.length);
        sent.push_back(s);
    }
    f.waitFor(int(sent.size()));

    int data64 = 0, serial = 0;
    for (const Sent& s : sent) {
        const QByteArray expected(reinterpret_cast<const char*>(s.bytes.data()), 64);
        if (s.bytes[1] == 0x15) {
            if (f.sink->serialNumbers.value(serial++) != expected)
                f.fail("a serial-number report changed on its way");
        } else {
            const ReportSink::Arrival a = f.sink->data.value(data64++);
            if (a.bytes != expected || a.length != s.length || a.threadIndex != 3)
                f.fail("a report changed on its way");
        }
    }
    if (data64 != f.sink->data.size() || serial != f.sink->serialNumbers.size())
        f.fail("more reports arrived than were sent");
    f.sink->data.clear();
    f.sink->serialNumbers.clear();
    f.sink->serialNames.clear();
    return 0;
}
