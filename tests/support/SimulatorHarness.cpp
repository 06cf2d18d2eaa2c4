#include "support/SimulatorHarness.h"

#include "sdk/hid/HidTransportRegistry.h"

SimulatorHarness::SimulatorHarness()
    : m_bus(std::make_shared<SimulatedBus>())
{
    HidTransportRegistry::install(m_bus);
}

SimulatorHarness::~SimulatorHarness()
{
    HidTransportRegistry::install(nullptr);
}

std::shared_ptr<SimulatedKeyboard> SimulatorHarness::plug(const char* modelCode, bool viaReceiver,
                                                          const std::optional<std::string>& firmwareVersion)
{
    return m_bus->plug(QString::fromLatin1(modelCode), viaReceiver, firmwareVersion);
}

std::string SimulatorHarness::pathOf(const std::shared_ptr<SimulatedKeyboard>& keyboard) const
{
    return m_bus->pathOf(keyboard);
}

hidStructInfoAll SimulatorHarness::deviceRecord(const std::shared_ptr<SimulatedKeyboard>& keyboard) const
{
    hidStructInfoAll info;
    qstrncpy(info.hidPath, pathOf(keyboard).c_str(), sizeof info.hidPath);
    qstrncpy(info.modelName, keyboard->model().code.toLatin1().constData(), sizeof info.modelName);
    return info;
}

SimulatedDeviceChangeSource* SimulatorHarness::newDeviceChangeSource() const
{
    return new SimulatedDeviceChangeSource(m_bus);
}
