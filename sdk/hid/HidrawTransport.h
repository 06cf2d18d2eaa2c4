#pragma once

#include "sdk/hid/HidTransport.h"

// The system's keyboards through their hidraw nodes: hidapi's hidraw backend
// enumerates them (its libusb backend would detach the kernel driver and
// stop the keyboard typing), and an opened node is read, written and waited
// on directly. Only devices with a catalogue vendor id are enumerated.
class HidrawTransport : public HidTransport
{
public:
    bool initialise() override;
    std::vector<HidDeviceEntry> enumerate() override;
    std::unique_ptr<HidConnection> open(const std::string& path) override;
};
