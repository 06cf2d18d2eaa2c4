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
#include "support/FakeProgramOpener.h"
#include "support/FakeTextPaster.h"
#include "support/FuzzFixture.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr size_t kMaxReportsPerInput = 16;
constexpr int kReportSize = MainHidInterFace::kReportSize;

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

class KeyboardLinkFixture : public FuzzFixture
{
public:
    std::shared_ptr<FakeTextPaster> paster = std::make_shared<FakeTextPaster>();
    std::shared_ptr<FakeProgramOpener> opener = std::make_shared<FakeProgramOpener>();
    FuzzProfileStore store;
    // Magnetic switches, keyboard modes and a side light: every handler has work.
    std::shared_ptr<SimulatedKeyboard> keyboard = simulator().plug("OV98M");
    DDeviceKeyboardLink* link = nullptr;

    KeyboardLinkFixture()
        : FuzzFixture("fuzz_keyboardlink", Application::Gui)
    {
        TextPaster::install(paster);
        ProgramOpener::install(opener);
        const hidStructInfoAll info = simulator().deviceRecord(keyboard);
        link = new DDeviceKeyboardLink;
        link->setProfileStore(&store);
        link->setProfilePath("/fuzz/layer.xml");
        link->setDongleStatusEnabled(true);
        link->openDevice(1, info);
        if (!waitUntil([this] { return link->isReady(); }))
            fail("the link never became ready");
        link->inquireLightConfig();
    }

    ~KeyboardLinkFixture() override
    {
        delete link;
        TextPaster::install(nullptr);
        ProgramOpener::install(nullptr);
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    KeyboardLinkFixture& f = FuzzFixture::instance<KeyboardLinkFixture>();

    for (size_t offset = 0, n = 0; offset < size && n < kMaxReportsPerInput; offset += kReportSize, ++n) {
        // The I/O thread always hands over 64 bytes, whatever the read returned.
        auto* report = new unsigned char[kReportSize]();
        const int length = int(std::min<size_t>(kReportSize, size - offset));
        std::memcpy(report, data + offset, size_t(length));
        if (report[1] == 0x15) {
            const QString before = f.link->currentSN();
            const bool usable = DInputReportReader::isUsableSerialNumber(DInputReportReader::readSerialNumber(report));
            f.link->onHidSNDataArrived(report, QStringLiteral("OV98M"));
            if (!usable && !before.isEmpty() && f.link->currentSN() != before)
                f.fail("an unusable serial number replaced the known one");
            if (!DInputReportReader::isUsableSerialNumber(f.link->currentSN()))
                f.fail("the link keeps an unusable serial number");
        } else {
            f.link->onHidDataArrived(report, length, 1);
        }
    }
    // The keyboard's answers to what the reports made the link send.
    QCoreApplication::processEvents();

    if (f.link->customizableKeys().size() > DKeyGrid::kKeyCount
        || f.link->calibrationResult().size() > DKeyGrid::kColumns
        || f.link->keyboardModes().lightTypeList.size() > kReportSize - 6
        || f.link->sideModes().lightTypeList.size() > kReportSize - 6)
        f.fail("a kept list outgrew its report");
    f.paster->pasted.clear();
    f.opener->opened.clear();
    return 0;
}
