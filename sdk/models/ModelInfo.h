#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <utility>
#include <vector>

// One keyboard model of the catalogue (models.json).
struct ModelInfo
{
    // Side LEDs a light frame carries for a model without a side light, and
    // the key part of every frame: 132 LEDs at 18 per report.
    static constexpr int kDefaultStreamSideLeds = 33;
    static constexpr int kStreamKeyPackets = 8;
    static constexpr int kLedsPerStreamPacket = 18;
    static constexpr int kMagneticDeviceType = 4;

    QString code;
    QString productName;
    QString likeName;
    QString deviceType;
    std::array<int, 4> values{};
    int layoutNumber = 0;
    int layoutDeviceType = 0;
    int sideLightCount = 0; // 0: no side light
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    uint16_t receiverProductId = 0; // 0: no 2.4 GHz receiver
    int interfaceNumber = 0;
    uint16_t usagePage = 0;
    // The maker's own USB ids (cable, receiver, upgrade mode), not
    // placeholders: only these get a udev rule.
    bool realUsbIds = false;
    bool keyboardModes = false;
    bool prohibitSleep = false;
    bool paletteRgbFirst = false;
    bool deepEnterNotch = false;
    bool musicSingleColumn = false;
    int musicColumns68 = 0; // 0: the default
    int pictureBoxWidth = 0; // 0 x 0: the default row picture box
    int pictureBoxHeight = 0;
    // First and last row and column of the key grid that hold a key.
    int keyAreaTop = 0;
    int keyAreaBottom = 5;
    int keyAreaLeft = 0;
    int keyAreaRight = 21;
    // The keys (row, column of the key grid) whose FN layer the firmware
    // keeps for its own Fn functions; its customisable-key report names them.
    std::vector<std::pair<int, int>> fnLayerKeys;
    // The built-in firmware image; family None: the model is not upgradeable.
    enum class FirmwareFamily { None, Vendor, Bin512, Bin256 };
    FirmwareFamily firmwareFamily = FirmwareFamily::None;
    QString firmwareVersion; // the image's version text
    uint16_t upgradeProductId = 0; // the keyboard's id in upgrade mode

    bool isMagnetic() const { return layoutDeviceType == kMagneticDeviceType; }
    bool hasSideLight() const { return sideLightCount > 0; }
    bool hasReceiver() const { return receiverProductId != 0; }
    bool isUpgradeable() const { return firmwareFamily != FirmwareFamily::None; }
    bool hasOwnPictureBox() const { return pictureBoxWidth > 0 && pictureBoxHeight > 0; }

    // The light stream sends the side part even without a side light.
    int streamSideLedCount() const { return hasSideLight() ? sideLightCount : kDefaultStreamSideLeds; }
    int streamSidePackets() const { return (streamSideLedCount() + kLedsPerStreamPacket - 1) / kLedsPerStreamPacket; }
    // One whole USB light frame; the I/O thread releases stream reports in
    // batches of exactly this size so that a frame is never cut.
    int streamBatchSize() const { return kStreamKeyPackets + streamSidePackets(); }

    QString vendorIdText() const;
    QString productIdText() const;
    QString receiverProductIdText() const;
};
