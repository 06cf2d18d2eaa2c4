#include "platform/fake/FakeDeviceChangeSource.h"

#include <QMetaObject>

#include <mutex>

struct FakeDeviceChangeSource::Relay
{
    std::mutex mutex;
    FakeDeviceChangeSource* target = nullptr;
};

FakeDeviceChangeSource::FakeDeviceChangeSource(QObject* parent)
    : DeviceChangeSource(parent)
    , m_relay(std::make_shared<Relay>())
{
    m_relay->target = this;
}

FakeDeviceChangeSource::~FakeDeviceChangeSource()
{
    std::lock_guard<std::mutex> lock(m_relay->mutex);
    m_relay->target = nullptr;
}

bool FakeDeviceChangeSource::start()
{
    if (m_startFails) {
        setErrorText(QStringLiteral("injected failure"));
        return false;
    }
    m_started = true;
    return true;
}

FakeDeviceChangeSource::Poster FakeDeviceChangeSource::poster() const
{
    std::shared_ptr<Relay> relay = m_relay;
    return [relay](int changeType, const QString& devicePath) {
        // Held while posting, so the target cannot be destroyed in between;
        // the queued call itself is dropped by Qt if it dies afterwards.
        std::lock_guard<std::mutex> lock(relay->mutex);
        FakeDeviceChangeSource* target = relay->target;
        if (!target || !target->m_started)
            return;
        QMetaObject::invokeMethod(
            target, [target, changeType, devicePath] { emit target->deviceChanged(changeType, devicePath); },
            Qt::QueuedConnection);
    };
}
