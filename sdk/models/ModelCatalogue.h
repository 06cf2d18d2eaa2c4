#pragma once

#include "sdk/models/ModelInfo.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

// The model catalogue: every supported keyboard model with its USB ids and
// per-model flags. The built-in catalogue is sdk/models/models.json, compiled
// into the library.
class ModelCatalogue
{
public:
    struct UsbId
    {
        QString vendorIdText;
        QString productIdText;
    };

    struct UsbMatch
    {
        const ModelInfo* model = nullptr;
        bool viaReceiver = false;
    };

    // The built-in catalogue. It is checked by the tests; a broken data file
    // would leave it empty and say why on the debug output.
    static const ModelCatalogue& instance();

    // Parses a catalogue; on failure returns false and describes the fault.
    static bool parse(const QByteArray& json, ModelCatalogue* out, QString* error);

    const std::vector<ModelInfo>& models() const { return m_models; }
    const ModelInfo* find(const QString& code) const;
    UsbMatch findByUsbId(uint16_t vendorId, uint16_t productId) const;
    // The upgradeable model whose keyboard has this id in upgrade mode.
    const ModelInfo* findByUpgradeId(uint16_t vendorId, uint16_t productId) const;
    bool hasVendorId(uint16_t vendorId) const;
    std::vector<uint16_t> vendorIds() const;

    // Other makers' bootloader identities: recognised in device-change
    // notices only, never opened and never given to the user by udev.
    const std::vector<UsbId>& bootloaderIds() const { return m_bootloaderIds; }
    // Identity sections 0..3 that the firmware of every model reports.
    const QStringList& firmwareId() const { return m_firmwareId; }
    bool usbIdsArePlaceholders() const { return m_placeholderIds; }

    static QString idText(uint16_t id);

private:
    std::vector<ModelInfo> m_models;
    std::vector<UsbId> m_bootloaderIds;
    QStringList m_firmwareId;
    bool m_placeholderIds = false;
};
