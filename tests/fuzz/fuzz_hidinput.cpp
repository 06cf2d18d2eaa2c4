// Input reports of any content and length, one per 64-byte slice of the
// input, go from the simulated keyboard through the I/O thread's read step
// and routing to a receiver that frees them like the keyboard link does.
// Every report must arrive once, whole, on the right signal.
#include "hid/MainHidInterFace.h"
#include "support/ReportSink.h"
#include "sim/SimulatedBus.h"
#include "sdk/hid/HidTransportRegistry.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdlib>
#include <cstring>

namespace {

constexpr size_t maxReportsPerInput = 16;

struct Fixture
{
    QCoreApplication* app = nullptr;
    std::shared_ptr<SimulatedBus> bus = std::make_shared<SimulatedBus>();
    std::shared_ptr<SimulatedKeyboard> keyboard;
    MainHidInterFace* hid = nullptr;
    ReportSink* sink = nullptr;

    Fixture()
    {
        if (!QCoreApplication::instance()) {
            static int argc = 1;
            static char name[] = "fuzz_hidinput";
            static char* argv[] = {name, nullptr};
            app = new QCoreApplication(argc, argv);
        }
        HidTransportRegistry::install(bus);
        keyboard = bus->plug(QStringLiteral("OV68M"));
        hid = new MainHidInterFace(3, QStringLiteral("OV68M"));
        sink = new ReportSink(hid);
        if (hid->openDevice(QString::fromStdString(bus->pathOf(keyboard))) != 0)
            std::abort();
        hid->start();
        waitFor(1);  // the answer to the opening serial inquiry
        sink->serialNumbers.clear();
        sink->serialNames.clear();
    }

    int arrived() const { return sink->data.size() + sink->serialNumbers.size(); }

    void waitFor(int count)
    {
        QElapsedTimer clock;
        clock.start();
        while (arrived() < count) {
            if (clock.elapsed() > 5000) {
                std::fprintf(stderr, "fuzz_hidinput: %d of %d reports arrived\n", arrived(), count);
                std::abort();
            }
            QCoreApplication::processEvents();
            QThread::usleep(100);
        }
    }

    void shutDown()
    {
        hid->closeDevice();
        hid->wait();
        QCoreApplication::sendPostedEvents();
        delete sink;
        delete hid;
        keyboard.reset();
        HidTransportRegistry::install(nullptr);
        bus.reset();
        delete app;
    }
};

Fixture* g_fixture = nullptr;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (!g_fixture) {
        g_fixture = new Fixture;
        std::atexit([] {
            g_fixture->shutDown();
            delete g_fixture;
        });
    }
    Fixture& f = *g_fixture;

    struct Sent
    {
        SimulatedKeyboard::Report bytes{};
        int length = 0;
    };
    std::vector<Sent> sent;
    for (size_t offset = 0; offset < size && sent.size() < maxReportsPerInput; offset += 64) {
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
                std::abort();
        } else {
            const ReportSink::Arrival a = f.sink->data.value(data64++);
            if (a.bytes != expected || a.length != s.length || a.threadIndex != 3)
                std::abort();
        }
    }
    if (data64 != f.sink->data.size() || serial != f.sink->serialNumbers.size())
        std::abort();
    f.sink->data.clear();
    f.sink->serialNumbers.clear();
    f.sink->serialNames.clear();
    return 0;
}
