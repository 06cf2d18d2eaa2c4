#include "sdk/include/orvanesdk_firmware.h"

#include "sdk/SdkLogCategories.h"
#include "sdk/firmware/BinImage.h"
#include "sdk/firmware/BootloaderUpgrade.h"
#include "sdk/firmware/UfwImage.h"
#include "sdk/hid/HidDeviceTable.h"
#include "sdk/hid/HidTransportRegistry.h"
#include "sdk/models/ModelCatalogue.h"

#include <QDebug>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <mutex>

namespace {

enum Result { kOk = 0, kNoImage = 1, kBadArgument = 2, kRejected = 3 };
enum UpgradeCode {
    kNoImageFile = -2,
    kNoDevice = -3,
    kNotInSlot = -5,
    kNoAnswer = -6,
    kImageNotForDevice = -9,
    kRefused = -10,
    kDeviceLost = -18,
};

struct HeldImage
{
    std::mutex mutex;
    bool held = false;
    UfwImage image;
    QByteArray bytes;
};

HeldImage& heldImage()
{
    static HeldImage held;
    return held;
}

// The present keyboards of the ".ufw" family in their upgrade mode, in path
// order: slot 'A' is the first.
std::vector<HidDeviceEntry> vendorUpgradeDevices()
{
    std::vector<HidDeviceEntry> found;
    for (const HidDeviceEntry& e : HidTransportRegistry::current()->enumerate()) {
        const ModelInfo* model = ModelCatalogue::instance().findByUpgradeId(e.vendorId, e.productId);
        if (model && model->firmwareFamily == ModelInfo::FirmwareFamily::Vendor)
            found.push_back(e);
    }
    std::sort(found.begin(), found.end(),
              [](const HidDeviceEntry& a, const HidDeviceEntry& b) { return a.path < b.path; });
    return found;
}

int upgradeCode(BootloaderUpgrade::Result result)
{
    switch (result) {
    case BootloaderUpgrade::Result::Success:
        return kOk;
    case BootloaderUpgrade::Result::NotOurBootloader:
    case BootloaderUpgrade::Result::NoAnswer:
        return kNoAnswer;
    case BootloaderUpgrade::Result::BadImage:
    case BootloaderUpgrade::Result::Mismatch:
        return kImageNotForDevice;
    case BootloaderUpgrade::Result::Refused:
        return kRefused;
    case BootloaderUpgrade::Result::Lost:
        return kDeviceLost;
    }
    return kNoAnswer;
}

int runUpgrade(int handle, const QByteArray& image, BootloaderUpgrade::ImageKind kind,
               const BootloaderUpgrade::Progress& progress)
{
    BootloaderUpgrade upgrade(handle, image, kind);
    const BootloaderUpgrade::Result result = upgrade.run(progress);
    if (result != BootloaderUpgrade::Result::Success)
        qCDebug(sdkLcFirmware).noquote() << "Firmware upgrade failed:" << upgrade.error();
    return upgradeCode(result);
}

} // namespace

int JL_loadUfwData(const unsigned char* data, int length)
{
    HeldImage& h = heldImage();
    std::lock_guard<std::mutex> lock(h.mutex);
    h.held = false;
    h.image = UfwImage();
    if (!data || length < 0) {
        qCDebug(sdkLcFirmware) << "Firmware image rejected: no data";
        return kBadArgument;
    }
    QString error;
    UfwImage image;
    if (!UfwImage::read(QByteArray(reinterpret_cast<const char*>(data), length), &image, &error)) {
        qCDebug(sdkLcFirmware).noquote() << "Firmware image rejected:" << error;
        return kRejected;
    }
    h.image = image;
    h.bytes = QByteArray(reinterpret_cast<const char*>(data), length);
    h.held = true;
    return kOk;
}

int JL_getUfwCrc(uint16_t* headerCrc, uint32_t* payloadCrc)
{
    HeldImage& h = heldImage();
    std::lock_guard<std::mutex> lock(h.mutex);
    if (!h.held)
        return kNoImage;
    if (!headerCrc || !payloadCrc)
        return kBadArgument;
    *headerCrc = h.image.headerCrc;
    *payloadCrc = h.image.payloadCrc;
    return kOk;
}

int JL_getUfwPidVid(char* model, int modelSize, char* version, int versionSize)
{
    HeldImage& h = heldImage();
    std::lock_guard<std::mutex> lock(h.mutex);
    if (!h.held)
        return kNoImage;
    if (!model || !version || modelSize < UfwImage::kModelFieldSize + 1 || versionSize < UfwImage::kVersionFieldSize)
        return kBadArgument;
    const QByteArray modelText = h.image.model.toLatin1();
    std::memset(model, 0, size_t(modelSize));
    std::memcpy(model, modelText.constData(), size_t(modelText.size()));
    std::memset(version, 0, size_t(UfwImage::kVersionFieldSize));
    std::memcpy(version, h.image.version.constData(), size_t(h.image.version.size()));
    return kOk;
}

int JL_queryDevicePidVid(int letter, char* pid, int pidSize, char* vid, int vidSize)
{
    const int slot = letter - 'A';
    const std::vector<HidDeviceEntry> devices = vendorUpgradeDevices();
    if (slot < 0 || slot >= int(devices.size()))
        return kNotInSlot;
    if (pid && pidSize >= 5)
        std::snprintf(pid, size_t(pidSize), "%04x", unsigned(devices[size_t(slot)].productId));
    if (vid && vidSize >= 5)
        std::snprintf(vid, size_t(vidSize), "%04x", unsigned(devices[size_t(slot)].vendorId));
    return kOk;
}

int JL_upgradeDevice(int letter, int /*reserved1*/, int /*reserved2*/, void (*progress)(int percent))
{
    QByteArray image;
    {
        HeldImage& h = heldImage();
        std::lock_guard<std::mutex> lock(h.mutex);
        if (!h.held)
            return kImageNotForDevice;
        image = h.bytes;
    }
    const int slot = letter - 'A';
    const std::vector<HidDeviceEntry> devices = vendorUpgradeDevices();
    if (slot < 0 || slot >= int(devices.size()))
        return kNoDevice;
    const int handle = HidDeviceTable::instance().open(devices[size_t(slot)].path);
    if (handle == 0)
        return kNoDevice;
    int lastPercent = -1;
    const int code = runUpgrade(handle, image, BootloaderUpgrade::ImageKind::Ufw, [&](int total, int done) {
        const int percent = total > 0 ? int(int64_t(done) * 100 / total) : 0;
        if (progress && percent != lastPercent)
            progress(percent);
        lastPercent = percent;
    });
    HidDeviceTable::instance().close(handle);
    return code;
}

int COrvaneHid_FirmwareUpgrade(int handle, const char* imagePath, int /*length*/, int /*reserved*/, int /*attachment*/,
                               void (*progress)(int total, int done))
{
    if (!imagePath)
        return kNoImageFile;
    QFile file(QString::fromLocal8Bit(imagePath));
    if (!file.open(QIODevice::ReadOnly)) {
        qCDebug(sdkLcFirmware) << "Firmware image cannot be read:" << file.fileName();
        return kNoImageFile;
    }
    // Never more than the largest flash: a damaged file is not read whole.
    const QByteArray image = file.read(BinImage::kFamily512.length + 1);
    return runUpgrade(handle, image, BootloaderUpgrade::ImageKind::Bin, [progress](int total, int done) {
        if (progress)
            progress(total, done);
    });
}
