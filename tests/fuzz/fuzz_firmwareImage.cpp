// Arbitrary bytes as a firmware image of each format. A reader either
// refuses the bytes with a reason or accepts them, and what it accepts
// writes back to the same bytes. The same bytes also go in as a payload and
// as an id text, which the readers must then accept.
#include "sdk/firmware/BinImage.h"
#include "sdk/firmware/UfwImage.h"
#include "sdk/include/orvanesdk_firmware.h"
#include "support/FuzzFixture.h"

#include <QByteArray>

#include <cstdint>

namespace {

class FirmwareImageFixture : public FuzzFixture
{
public:
    FirmwareImageFixture()
        : FuzzFixture("fuzz_firmwareImage", Application::None)
    {
        qputenv("QT_LOGGING_RULES", "*.debug=false");
    }
};

void checkUfw(const QByteArray& bytes)
{
    UfwImage image;
    QString error;
    const bool accepted = UfwImage::read(bytes, &image, &error);
    if (!accepted && error.isEmpty())
        FuzzFixture::fail("fuzz_firmwareImage", ".ufw refused without a reason");
    if (accepted && UfwImage::write(image.model, image.version, image.variant, image.payload) != bytes)
        FuzzFixture::fail("fuzz_firmwareImage", "accepted .ufw does not write back the same");
    const int loaded = JL_loadUfwData(reinterpret_cast<const unsigned char*>(bytes.constData()), bytes.size());
    if ((loaded == 0) != accepted)
        FuzzFixture::fail("fuzz_firmwareImage", "the firmware layer and the reader disagree");
    char model[17];
    char version[4];
    if (accepted && JL_getUfwPidVid(model, 17, version, 4) != 0)
        FuzzFixture::fail("fuzz_firmwareImage", "accepted .ufw has no model");

    const QByteArray wrapped = UfwImage::write(QStringLiteral("OV68M"), "V1.1", FirmwareVariant::Cable, bytes);
    if (!UfwImage::read(wrapped, &image, &error) || image.payload != bytes)
        FuzzFixture::fail("fuzz_firmwareImage", "a written .ufw does not read back");
}

void checkBin(const QByteArray& bytes, const BinImage::Family& family)
{
    BinImage image;
    QString error;
    if (BinImage::read(bytes, family, &image, &error)) {
        if (image.flash.size() != family.length || image.flash.left(bytes.size()) != bytes
            || image.idFields().size() < BinImage::kIdFieldCount || image.idText().size() > BinImage::kIdFieldSize)
            FuzzFixture::fail("fuzz_firmwareImage", "accepted .bin reads wrong");
    } else if (error.isEmpty()) {
        FuzzFixture::fail("fuzz_firmwareImage", ".bin refused without a reason");
    }

    const QByteArray idText = bytes.left(BinImage::kIdFieldSize);
    if (idText.contains('\0'))
        return;
    const int length = family.idOffset + BinImage::kIdFieldSize + BinImage::kTrailerSize;
    const QByteArray written = BinImage::write(family, length, idText, FirmwareVariant::Receiver, bytes);
    if (!BinImage::read(written, family, &image, &error) || image.idText() != idText)
        FuzzFixture::fail("fuzz_firmwareImage", "a written .bin does not read back");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzFixture::instance<FirmwareImageFixture>();
    const QByteArray bytes(reinterpret_cast<const char*>(data), int(size));
    checkUfw(bytes);
    checkBin(bytes, BinImage::kFamily256);
    checkBin(bytes, BinImage::kFamily512);
    return 0;
}
