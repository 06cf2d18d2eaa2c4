#include "sim/SimulatedDeviceChangeSource.h"

#include "sim/SimulatedBus.h"

#include <QMetaObject>

#include <mutex>

struct SimulatedDeviceChangeSource::Relay
{
    std::mutex mutex;
    SimulatedDeviceChangeSource* target = nullptr;
};

SimulatedDeviceChangeSource::SimulatedDeviceChangeSource(const std::shared_ptr<SimulatedBus>& bus, QObject* parent)
    : DeviceChangeSource(parent)
    , m_relay(std::make_shared<Relay>())
{
    m_relay->target = this;
    if (!bus)
        return;
    const Poster post = poster();
    bus->setChangeListener([post](bool arrived, const std::string& path) {
        post(arrived ? DeviceChangeSource::Arrival : DeviceChangeSource::Removal, QString::fromStdString(path));
    });
}

SimulatedDeviceChangeSource::~SimulatedDeviceChangeSource()
{
    std::lock_guard<std::mutex> lock(m_relay->mutex);
    m_relay->target = nullptr;
}

bool SimulatedDeviceChangeSource::start()
{
    m_started = true;
    return true;
}

SimulatedDeviceChangeSource::Poster SimulatedDeviceChangeSource::poster() const
{
    std::shared_ptr<Relay> relay = m_relay;
    return [relay](int changeType, const QString& devicePath) {
        // Held while posting, so the target cannot be destroyed in between;
        // the queued call itself is dropped by Qt if it dies afterwards.
        std::lock_guard<std::mutex> lock(relay->mutex);
        SimulatedDeviceChangeSource* target = relay->target;
        if (!target || !target->m_started)
            return;
        QMetaObject::invokeMethod(
            target, [target, changeType, devicePath] { emit target->deviceChanged(changeType, devicePath); },
            Qt::QueuedConnection);
    };
}
