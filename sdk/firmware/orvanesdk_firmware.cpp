#include "sdk/include/orvanesdk_firmware.h"

#include "sdk/firmware/UfwImage.h"

#include <QDebug>

#include <cstring>
#include <mutex>

namespace {

enum Result { kOk = 0, kNoImage = 1, kBadArgument = 2, kRejected = 3 };

struct HeldImage
{
    std::mutex mutex;
    bool held = false;
    UfwImage image;
};

HeldImage& heldImage()
{
    static HeldImage held;
    return held;
}

} // namespace

int JL_loadUfwData(const unsigned char* data, int length)
{
    HeldImage& h = heldImage();
    std::lock_guard<std::mutex> lock(h.mutex);
    h.held = false;
    h.image = UfwImage();
    if (!data || length < 0) {
        qDebug() << "Firmware image rejected: no data";
        return kBadArgument;
    }
    QString error;
    UfwImage image;
    if (!UfwImage::read(QByteArray(reinterpret_cast<const char*>(data), length), &image, &error)) {
        qDebug().noquote() << "Firmware image rejected:" << error;
        return kRejected;
    }
    h.image = image;
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
