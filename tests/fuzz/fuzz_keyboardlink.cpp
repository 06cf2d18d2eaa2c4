// Arbitrary input reports, one per 64-byte slice of the input, go through
// the dispatcher of an opened keyboard link the way its I/O thread hands
// them over (serial-number reports to their own slot). The profile store is
// a stand-in that answers every key with some computer action, and the
// paste and open-program layers are fakes. Nothing may crash, read outside
// a report or grow without bound, and a serial number the link generated
// must never change.
#include "hid/DDeviceKeyboardLink.h"
#include "hid/DInputReportReader.h"
#include "hid/DLinkProfileStore.h"
#include "hid/MainHidInterFace.h"
#include "sim/SimulatedBus.h"
#include "support/TestEnvironment.h"
#include "platform/fake/FakeProgramOpener.h"
#include "platform/fake/FakeTextPaster.h"
#include "sdk/hid/HidTransportRegistry.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr size_t maxReportsPerInput = 16;
constexpr int reportSize = MainHidInterFace::reportSize;

// Keeps only the latest of everything it is given.
class FuzzProfileStore : public DLinkProfileStore
{
public:
    bool saveLight(const char*, int, const colorInfoData& info) override
    {
        lastLight = info;
        return true;
    }
    bool setLightInUse(const char*, int, int, int effect) override
    {
        lightInUse = effect;
        return true;
    }
    bool saveSleepTimes(const char*, int, int lightSeconds, int keyboardMinutes) override
    {
        sleep = {lightSeconds, keyboardMinutes};
        return true;
    }
    bool keyFunction(const char*, int, int usage, keyOperateInfo* info) override
    {
        // Types 5 to 9 by usage; values a text, a profile number or a path.
        std::snprintf(info->type, sizeof info->type, "%d", 5 + usage % 5);
        std::snprintf(info->value, sizeof info->value, usage % 2 ? "%d" : "/fuzz/key-%d", usage);
        return true;
    }
    bool lockInfo(const char*, int, functionLockInfo* info) override
    {
        std::strcpy(info->altTab, "1");
        std::strcpy(info->altF4, "1");
        std::strcpy(info->shiftTab, "1");
        std::strcpy(info->windowsKey, lockWindows ? "1" : "0");
        lockWindows = !lockWindows;
        return true;
    }

    colorInfoData lastLight{};
    int lightInUse = -1;
    std::pair<int, int> sleep;
    bool lockWindows = false;
};

void fail(const char* what)
{
    std::fprintf(stderr, "fuzz_keyboardlink: %s\n", what);
    std::abort();
}

struct Fixture
{
    TestEnvironment* environment = new TestEnvironment;
    QGuiApplication* app = nullptr;
    std::shared_ptr<SimulatedBus> bus = std::make_shared<SimulatedBus>();
    std::shared_ptr<SimulatedKeyboard> keyboard;
    std::shared_ptr<FakeTextPaster> paster = std::make_shared<FakeTextPaster>();
    std::shared_ptr<FakeProgramOpener> opener = std::make_shared<FakeProgramOpener>();
    FuzzProfileStore store;
    DDeviceKeyboardLink* link = nullptr;

    Fixture()
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "fuzz_keyboardlink";
        static char* argv[] = {name, nullptr};
        app = new QGuiApplication(argc, argv);
        HidTransportRegistry::install(bus);
        TextPaster::install(paster);
        ProgramOpener::install(opener);
        // Magnetic switches, keyboard modes and a side light: every handler has work.
        keyboard = bus->plug(QStringLiteral("OV98M"));
        hidStructInfoAll info;
        qstrncpy(info.hidPath, bus->pathOf(keyboard).c_str(), sizeof info.hidPath);
        qstrncpy(info.modelName, "OV98M", sizeof info.modelName);
        link = new DDeviceKeyboardLink;
        link->setProfileStore(&store);
        link->setProfilePath("/fuzz/layer.xml");
        link->setDongleStatusEnabled(true);
        link->openDevice(1, info);
        QElapsedTimer clock;
        clock.start();
        while (!link->isReady()) {
            if (clock.elapsed() > 5000)
                fail("the link never became ready");
            QCoreApplication::processEvents();
            QThread::usleep(200);
        }
        link->inquireLightConfig();
    }

    void shutDown()
    {
        delete link;
        keyboard.reset();
        HidTransportRegistry::install(nullptr);
        TextPaster::install(nullptr);
        ProgramOpener::install(nullptr);
        bus.reset();
        delete app;
        delete environment;
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

    for (size_t offset = 0, n = 0; offset < size && n < maxReportsPerInput; offset += reportSize, ++n) {
        // The I/O thread always hands over 64 bytes, whatever the read returned.
        auto* report = new unsigned char[reportSize]();
        const int length = int(std::min<size_t>(reportSize, size - offset));
        std::memcpy(report, data + offset, size_t(length));
        if (report[1] == 0x15) {
            const QString before = f.link->currentSN();
            const bool usable = DInputReportReader::isUsableSerialNumber(DInputReportReader::readSerialNumber(report));
            f.link->onHidSNDataArrived(report, QStringLiteral("OV98M"));
            if (!usable && !before.isEmpty() && f.link->currentSN() != before)
                fail("an unusable serial number replaced the known one");
            if (!DInputReportReader::isUsableSerialNumber(f.link->currentSN()))
                fail("the link keeps an unusable serial number");
        } else {
            f.link->onHidDataArrived(report, length, 1);
        }
    }
    // The keyboard's answers to what the reports made the link send.
    QCoreApplication::processEvents();

    if (f.link->customizableKeys().size() > DInputReportReader::customizableColumnCount * DInputReportReader::customizableRowCount
        || f.link->calibrationResult().size() > DInputReportReader::customizableColumnCount
        || f.link->keyboardModes().lightTypeList.size() > reportSize - 6
        || f.link->sideModes().lightTypeList.size() > reportSize - 6)
        fail("a kept list outgrew its report");
    f.paster->pasted.clear();
    f.opener->opened.clear();
    return 0;
}
