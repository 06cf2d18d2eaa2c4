#pragma once

#include "platform/include/SoundLoopbackSource.h"

#include <memory>

// The loopback source on a PulseAudio server (or PipeWire's PulseAudio
// service): records the monitor of the default sink in the analysis format,
// so the server converts whatever the device runs at. The client library
// runs its own threaded main loop; packets are emitted from it, and the
// recording is set up there too, so that a slow or stalled server never
// holds the owner's thread.
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
    void onSessionFailed(quint64 session, const QString& reason);

    std::shared_ptr<Session> m_session;
    quint64 m_sessionCount = 0;
    bool m_failureWarned = false;
    QString m_lastOutputName;
};
