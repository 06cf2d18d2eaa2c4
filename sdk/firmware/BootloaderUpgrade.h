#pragma once

#include "sdk/firmware/BootloaderProtocol.h"

#include <QByteArray>
#include <QString>

#include <functional>

// One upgrade of a keyboard in its bootloader, over an opened device handle
// of the library, in our bootloader protocol (sdk/firmware/PROTOCOL.md).
// Nothing is written before the bootloader has identified itself and the
// image has passed its checks and is meant for that model and variant.
// Every wait is bounded: an answer within kAnswerTimeoutMs, a block sent at
// most kSendsPerBlock times. Runs on the caller's thread.
class BootloaderUpgrade
{
public:
    static constexpr int kAnswerTimeoutMs = 1000;
    static constexpr int kSendsPerBlock = 3;

    enum class ImageKind { Bin, Ufw };
    enum class Result {
        Success,
        NotOurBootloader, // no answer in our protocol to identify
        BadImage, // the image failed its checks
        Mismatch, // the image is for another model or variant, or too large
        NoAnswer, // the bootloader stopped answering
        Refused, // the bootloader refused a block or the image
        Lost, // the device went away (power lost, unplugged)
    };
    using Progress = std::function<void(int total, int done)>;

    BootloaderUpgrade(int handle, const QByteArray& image, ImageKind kind);

    Result run(const Progress& progress);
    // Why it ended, for the log.
    QString error() const { return m_error; }

    // Checks `image` as `kind` and reads its model and variant; false with
    // the reason otherwise. A ".bin" is read with the family of `model`'s
    // catalogue entry.
    static bool checkImage(const QByteArray& image, ImageKind kind, const QString& model, FirmwareVariant variant,
                           QString* error);

private:
    bool exchange(const BootloaderProtocol::Report& request, BootloaderProtocol::Answer* answer);
    Result fail(Result result, const QString& error);

    const int m_handle;
    const QByteArray m_image;
    const ImageKind m_kind;
    bool m_lost = false;
    QString m_error;
};
