#include "sdk/firmware/BootloaderUpgrade.h"

#include "sdk/firmware/BinImage.h"
#include "sdk/firmware/FirmwareBytes.h"
#include "sdk/firmware/UfwImage.h"
#include "sdk/hid/HidDeviceTable.h"
#include "sdk/hid/PacingTimers.h"
#include "sdk/models/ModelCatalogue.h"

#include <algorithm>
#include <ctime>

namespace {

int64_t monotonicMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return int64_t(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

// The pacing timer for the length of one upgrade.
class Pacing
{
public:
    Pacing()
    {
        PacingTimers::instance().init(m_state);
        PacingTimers::instance().start(m_state[0], m_state[1]);
    }
    ~Pacing() { PacingTimers::instance().stop(m_state[0], m_state[1]); }
    void wait() { PacingTimers::instance().wait(m_state[0], m_state[1]); }

private:
    uint32_t m_state[2] = {};
};

} // namespace

BootloaderUpgrade::BootloaderUpgrade(int handle, const QByteArray& image, ImageKind kind)
    : m_handle(handle)
    , m_image(image)
    , m_kind(kind)
{
}

bool BootloaderUpgrade::checkImage(const QByteArray& image, ImageKind kind, const QString& model,
                                   FirmwareVariant variant, QString* error)
{
    QString why;
    QString imageModel;
    FirmwareVariant imageVariant = FirmwareVariant::Cable;
    bool oneImage = false;
    if (kind == ImageKind::Ufw) {
        UfwImage ufw;
        if (!UfwImage::read(image, &ufw, &why)) {
            *error = QStringLiteral("image refused: ") + why;
            return false;
        }
        imageModel = ufw.model;
        imageVariant = ufw.variant;
    } else {
        const ModelInfo* info = ModelCatalogue::instance().find(model);
        if (!info
            || (info->firmwareFamily != ModelInfo::FirmwareFamily::Bin512
                && info->firmwareFamily != ModelInfo::FirmwareFamily::Bin256)) {
            *error = QStringLiteral("no .bin image family for model ") + model;
            return false;
        }
        oneImage = info->firmwareFamily == ModelInfo::FirmwareFamily::Bin256;
        BinImage bin;
        if (!BinImage::read(image, oneImage ? BinImage::kFamily256 : BinImage::kFamily512, &bin, &why)) {
            *error = QStringLiteral("image refused: ") + why;
            return false;
        }
        imageModel = bin.idFields().value(4);
        imageVariant = bin.variant;
    }
    if (imageModel != model) {
        *error = QStringLiteral("image is for model %1, the bootloader is %2").arg(imageModel, model);
        return false;
    }
    // The 256 KiB family runs one image on both connections.
    if (!oneImage && imageVariant != variant) {
        *error = QStringLiteral("image is for the other connection of %1").arg(model);
        return false;
    }
    return true;
}

BootloaderUpgrade::Result BootloaderUpgrade::fail(Result result, const QString& error)
{
    m_error = result == Result::Lost ? error + QStringLiteral(": the device is gone") : error;
    return result;
}

bool BootloaderUpgrade::exchange(const BootloaderProtocol::Report& request, BootloaderProtocol::Answer* answer)
{
    HidDeviceTable& table = HidDeviceTable::instance();
    const auto operation = BootloaderProtocol::Operation(request[1]);
    const uint16_t block = FirmwareBytes::readU16(reinterpret_cast<const char*>(&request[2]));
    const int sends = operation == BootloaderProtocol::Operation::Data ? kSendsPerBlock : 1;
    for (int send = 0; send < sends; ++send) {
        if (table.write(m_handle, request.data()) < 0) {
            m_lost = true;
            return false;
        }
        const int64_t deadline = monotonicMs() + kAnswerTimeoutMs;
        for (;;) {
            const int64_t left = deadline - monotonicMs();
            if (left <= 0)
                break;
            const int waited = table.waitForInput(m_handle, int(left));
            if (waited < 0) {
                m_lost = true;
                return false;
            }
            if (waited == 0)
                continue;
            uint8_t bytes[HidDeviceTable::kReportSize] = {};
            const int n = table.read(m_handle, bytes);
            if (n < 0) {
                m_lost = true;
                return false;
            }
            // Anything else (a late answer to an earlier block, another
            // protocol's report) is not this request's answer.
            BootloaderProtocol::Answer parsed;
            if (n > 0 && BootloaderProtocol::parseAnswer(bytes, n, &parsed) && parsed.operation == operation
                && parsed.block == block) {
                *answer = parsed;
                return true;
            }
        }
    }
    return false;
}

BootloaderUpgrade::Result BootloaderUpgrade::run(const Progress& progress)
{
    HidDeviceTable::instance().setNonblocking(m_handle, true);
    BootloaderProtocol::Answer answer;
    if (!exchange(BootloaderProtocol::identify(), &answer) || answer.status != BootloaderProtocol::Status::Accepted)
        return fail(m_lost ? Result::Lost : Result::NotOurBootloader,
                    QStringLiteral("the device does not answer in our bootloader protocol"));
    const BootloaderProtocol::Identity identity = answer.identity;

    QString error;
    if (!checkImage(m_image, m_kind, identity.model, identity.variant, &error))
        return fail(error.startsWith(QLatin1String("image refused")) ? Result::BadImage : Result::Mismatch, error);
    // Block numbers are 16 bits wide.
    if (uint32_t(m_image.size()) > identity.largestImage || m_image.size() / identity.blockSize >= 0xFFFF)
        return fail(Result::Mismatch, QStringLiteral("image larger than the bootloader takes"));

    const uint32_t size = uint32_t(m_image.size());
    const uint32_t crc = FirmwareBytes::crc32(m_image.constData(), m_image.size());
    if (!exchange(BootloaderProtocol::start(size, crc, identity.variant), &answer))
        return fail(m_lost ? Result::Lost : Result::NoAnswer, QStringLiteral("no answer to start"));
    if (answer.status != BootloaderProtocol::Status::Accepted)
        return fail(Result::Refused, QStringLiteral("start refused: ") + BootloaderProtocol::statusText(answer.status));

    if (progress)
        progress(int(size), 0);
    Pacing pacing;
    int done = 0;
    for (int block = 0; done < int(size); ++block) {
        const int count = std::min(identity.blockSize, int(size) - done);
        if (!exchange(BootloaderProtocol::data(uint16_t(block), m_image.constData() + done, count), &answer))
            return fail(m_lost ? Result::Lost : Result::NoAnswer,
                        QStringLiteral("block %1 not acknowledged").arg(block));
        if (answer.status != BootloaderProtocol::Status::Accepted)
            return fail(
                Result::Refused,
                QStringLiteral("block %1 refused: %2").arg(block).arg(BootloaderProtocol::statusText(answer.status)));
        done += count;
        if (progress)
            progress(int(size), done);
        pacing.wait();
    }

    if (!exchange(BootloaderProtocol::finish(size, crc), &answer))
        return fail(m_lost ? Result::Lost : Result::NoAnswer, QStringLiteral("no answer to finish"));
    if (answer.status != BootloaderProtocol::Status::Accepted)
        return fail(Result::Refused, QStringLiteral("image refused: ") + BootloaderProtocol::statusText(answer.status));
    // The bootloader leaves on reset; its answer may not come.
    exchange(BootloaderProtocol::reset(), &answer);
    return Result::Success;
}
