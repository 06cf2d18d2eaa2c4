#pragma once

#include "sdk/hid/HidTransport.h"

// The system's keyboards through their hidraw nodes: hidapi's hidraw backend
// enumerates them (its libusb backend would detach the kernel driver and
// stop the keyboard typing), and an opened node is read, written and waited
// on directly. Only the catalogue's identities are enumerated: each model's
// cable and receiver ids and its upgrade-mode id, never every device of a
// vendor and never another maker's bootloader.
class HidrawTransport : public HidTransport
{
public:
    bool initialise() override;
    std::vector<HidDeviceEntry> enumerate() override;
    std::unique_ptr<HidConnection> open(const std::string& path) override;

    // Whether a device of these ids is enumerated.
    static bool lists(uint16_t vendorId, uint16_t productId);
};
