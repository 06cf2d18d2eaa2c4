#pragma once

#include "hid/hidStructInfoAll.h"
#include "sim/SimulatedBus.h"
#include "sim/SimulatedDeviceChangeSource.h"

#include <memory>

// A fresh simulated bus installed as the device library's transport for the
// life of the harness; the system's hidraw transport comes back afterwards.
class SimulatorHarness
{
public:
    SimulatorHarness();
    ~SimulatorHarness();
    SimulatorHarness(const SimulatorHarness&) = delete;
    SimulatorHarness& operator=(const SimulatorHarness&) = delete;

    SimulatedBus& bus() { return *m_bus; }
    // Plugs a keyboard and fails loudly (null) for a model code the
    // catalogue does not know.
    std::shared_ptr<SimulatedKeyboard> plug(const char* modelCode, bool viaReceiver = false,
                                            const std::optional<std::string>& firmwareVersion = std::nullopt);
    std::string pathOf(const std::shared_ptr<SimulatedKeyboard>& keyboard) const;
    // The device-list record of a plugged keyboard as far as opening its
    // link takes: its path and its model.
    hidStructInfoAll deviceRecord(const std::shared_ptr<SimulatedKeyboard>& keyboard) const;
    // The bus's plug and unplug notices, as the entry point hands them to
    // the main window (which takes a parentless source over).
    SimulatedDeviceChangeSource* newDeviceChangeSource() const;

private:
    std::shared_ptr<SimulatedBus> m_bus;
};
