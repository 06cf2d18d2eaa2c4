#pragma once

#include "platform/include/SoundLoopbackSource.h"

#include <memory>

// The loopback source on a PulseAudio server (or PipeWire's PulseAudio
// service): records the monitor of the default sink in the analysis format,
// so the server converts whatever the device runs at. The client library
// runs its own threaded main loop; packets are emitted from it.
class PulseLoopbackSource : public SoundLoopbackSource
{
    Q_OBJECT

public:
    explicit PulseLoopbackSource(QObject* parent = nullptr);
    ~PulseLoopbackSource() override;

    int start() override;
    void stop() override;
    bool isRunning() const override { return m_session != nullptr; }
    QString defaultOutputName() const override;

    struct Session;

private:
    std::shared_ptr<Session> m_session;
    QString m_lastOutputName;
};
