#pragma once

#include "platform/include/DeviceChangeSource.h"

#include <atomic>
#include <functional>
#include <memory>

// A device-change source fed by hand or by the simulated bus. Notices may
// be posted from any thread; they reach deviceChanged on the source's own
// thread, in the order posted; those posted before it is started or after
// it is gone are dropped.
class FakeDeviceChangeSource : public DeviceChangeSource
{
    Q_OBJECT

public:
    using Poster = std::function<void(int changeType, const QString& devicePath)>;

    explicit FakeDeviceChangeSource(QObject* parent = nullptr);
    ~FakeDeviceChangeSource() override;

    // Fails when told to, like a system without notices.
    bool start() override;
    void setStartFails(bool fails) { m_startFails = fails; }
    bool isStarted() const { return m_started; }

    // Thread-safe, and safe to keep and call after the source is destroyed.
    Poster poster() const;
    void post(int changeType, const QString& devicePath) { poster()(changeType, devicePath); }

private:
    struct Relay;
    std::shared_ptr<Relay> m_relay;
    bool m_startFails = false;
    std::atomic<bool> m_started{false};
};
