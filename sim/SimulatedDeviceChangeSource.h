#pragma once

#include "platform/include/DeviceChangeSource.h"

#include <atomic>
#include <functional>
#include <memory>

class SimulatedBus;

// The device-change notices of the simulated bus: each plug and unplug on
// the bus arrives as the notice udev would give for a real keyboard. Notices
// may be posted from any thread (an unplug mid-transfer comes from the I/O
// thread); they reach deviceChanged on the source's own thread, in the order
// posted; those posted before it is started or after it is gone are dropped.
class SimulatedDeviceChangeSource : public DeviceChangeSource
{
    Q_OBJECT

public:
    using Poster = std::function<void(int changeType, const QString& devicePath)>;

    // Without a bus, notices come only through poster().
    explicit SimulatedDeviceChangeSource(const std::shared_ptr<SimulatedBus>& bus = nullptr, QObject* parent = nullptr);
    ~SimulatedDeviceChangeSource() override;

    bool start() override;
    bool isStarted() const { return m_started; }

    // Thread-safe, and safe to keep and call after the source is destroyed.
    Poster poster() const;
    void post(int changeType, const QString& devicePath) { poster()(changeType, devicePath); }

private:
    struct Relay;
    std::shared_ptr<Relay> m_relay;
    std::atomic<bool> m_started{false};
};
