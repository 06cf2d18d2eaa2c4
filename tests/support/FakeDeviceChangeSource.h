#pragma once

#include "sim/SimulatedDeviceChangeSource.h"

// A device-change source fed by hand (post, poster), which can also fail to
// start, like a system without notices.
class FakeDeviceChangeSource : public SimulatedDeviceChangeSource
{
    Q_OBJECT

public:
    explicit FakeDeviceChangeSource(QObject* parent = nullptr)
        : SimulatedDeviceChangeSource(nullptr, parent)
    {
    }

    bool start() override
    {
        if (!m_startFails)
            return SimulatedDeviceChangeSource::start();
        setErrorText(QStringLiteral("injected failure"));
        return false;
    }
    void setStartFails(bool fails) { m_startFails = fails; }

private:
    bool m_startFails = false;
};
