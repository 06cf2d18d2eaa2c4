#pragma once

#include "sdk/hid/HidConnection.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// One HID interface as a transport enumerates it.
struct HidDeviceEntry
{
    std::string path; // HidPath form: unique per plugged interface
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    int interfaceNumber = -1; // -1: the transport does not know it
    uint16_t usagePage = 0;
    uint16_t releaseNumber = 0;
    std::string manufacturer;
    std::string product;
    std::string serialNumber;
    // What the firmware itself reports, where the transport can tell it
    // (the simulator); left empty, it is derived from the USB descriptors
    // and the catalogue.
    std::string firmwareVersion;
    std::string buildDate;
    std::vector<std::string> firmwareId;
};

// Where HID devices come from: the system's hidraw nodes or the simulator.
class HidTransport
{
public:
    virtual ~HidTransport() = default;

    // False when the transport cannot work at all (no HID subsystem).
    virtual bool initialise() { return true; }
    virtual std::vector<HidDeviceEntry> enumerate() = 0;
    // Null when the path cannot be opened.
    virtual std::unique_ptr<HidConnection> open(const std::string& path) = 0;
};
