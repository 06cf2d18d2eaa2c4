#pragma once

#include "platform/include/SoundLoopback.h"
#include "platform/include/SoundLoopbackSource.h"

#include <QPointer>
#include <QVector>

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

// What the synthetic sound output plays: a sum of sine tones, each at a
// fraction of full scale, the same on both channels. Shared between the
// test that sets it and the sources that render it.
class SyntheticSound
{
public:
    struct Tone
    {
        double frequency;
        double amplitude; // of full scale
    };

    void setTones(const QVector<Tone>& tones);
    void setTone(double frequency, double amplitude) { setTones({{frequency, amplitude}}); }
    void setSilence() { setTones({}); }
    QVector<Tone> tones() const;

    void setOutputName(const QString& name);
    QString outputName() const;
    // The next starts fail, as without a sound server.
    void setStartFails(bool fails) { m_startFails = fails; }
    bool startFails() const { return m_startFails; }

private:
    mutable std::mutex m_mutex;
    QVector<Tone> m_tones;
    QString m_outputName = QStringLiteral("Synthetic output");
    std::atomic<bool> m_startFails{false};
};

// A loopback source without a sound server: 10 ms packets of the synthetic
// sound. Free running, a thread of its own emits a packet every 10 ms;
// otherwise packets go out only when deliverPackets asks, on the calling
// thread.
class SyntheticLoopbackSource : public SoundLoopbackSource
{
    Q_OBJECT

public:
    static constexpr int kPacketFrames = kSampleRate / 100;

    SyntheticLoopbackSource(std::shared_ptr<SyntheticSound> sound, bool freeRunning, QObject* parent = nullptr);
    ~SyntheticLoopbackSource() override;

    int start() override;
    void stop() override;
    bool isRunning() const override { return m_running; }
    QString defaultOutputName() const override { return m_sound->outputName(); }

    void deliverPackets(int count);
    // The sound server goes away: the recording stops and says so.
    void interrupt();
    int startCount() const { return m_startCount; }

private:
    QByteArray nextPacket();
    void run();

    std::shared_ptr<SyntheticSound> m_sound;
    const bool m_freeRunning;
    bool m_running = false;
    int m_startCount = 0;
    qint64 m_frame = 0;
    std::thread m_thread;
    std::mutex m_stopMutex;
    std::condition_variable m_stopWake;
    bool m_stopping = false;
};

// Installed in place of the platform's loopback: every source it makes plays
// the one shared synthetic sound.
class SyntheticSoundLoopback : public SoundLoopback
{
public:
    explicit SyntheticSoundLoopback(bool freeRunning = false)
        : m_freeRunning(freeRunning)
    {
    }

    SoundLoopbackSource* createSource(QObject* parent) override;
    std::shared_ptr<SyntheticSound> sound() const { return m_sound; }
    // The source made last, while it exists.
    SyntheticLoopbackSource* lastSource() const { return m_lastSource; }

private:
    const bool m_freeRunning;
    std::shared_ptr<SyntheticSound> m_sound = std::make_shared<SyntheticSound>();
    QPointer<SyntheticLoopbackSource> m_lastSource;
};
