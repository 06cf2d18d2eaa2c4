#include "platform/fake/SyntheticLoopbackSource.h"

#include <QtEndian>

#include <algorithm>
#include <chrono>
#include <cmath>

void SyntheticSound::setTones(const QVector<Tone>& tones)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_tones = tones;
}

QVector<SyntheticSound::Tone> SyntheticSound::tones() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_tones;
}

void SyntheticSound::setOutputName(const QString& name)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_outputName = name;
}

QString SyntheticSound::outputName() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_outputName;
}

SyntheticLoopbackSource::SyntheticLoopbackSource(std::shared_ptr<SyntheticSound> sound, bool freeRunning,
                                                 QObject* parent)
    : SoundLoopbackSource(parent)
    , m_sound(std::move(sound))
    , m_freeRunning(freeRunning)
{
}

SyntheticLoopbackSource::~SyntheticLoopbackSource()
{
    stop();
}

int SyntheticLoopbackSource::start()
{
    if (m_running)
        return 0;
    if (m_sound->startFails())
        return -1;
    ++m_startCount;
    m_running = true;
    if (m_freeRunning) {
        m_stopping = false;
        m_thread = std::thread([this] { run(); });
    }
    return 0;
}

void SyntheticLoopbackSource::stop()
{
    if (m_thread.joinable()) {
        {
            std::lock_guard<std::mutex> lock(m_stopMutex);
            m_stopping = true;
        }
        m_stopWake.notify_all();
        m_thread.join();
    }
    m_running = false;
}

void SyntheticLoopbackSource::interrupt()
{
    if (!m_running)
        return;
    stop();
    emit failed();
}

void SyntheticLoopbackSource::deliverPackets(int count)
{
    for (int i = 0; i < count && m_running; ++i)
        emit packetCaptured(nextPacket());
}

QByteArray SyntheticLoopbackSource::nextPacket()
{
    const QVector<SyntheticSound::Tone> tones = m_sound->tones();
    QByteArray packet(kPacketFrames * kBytesPerFrame, '\0');
    auto* bytes = reinterpret_cast<uchar*>(packet.data());
    for (int k = 0; k < kPacketFrames; ++k, ++m_frame) {
        const double t = double(m_frame) / kSampleRate;
        double value = 0.0;
        for (const SyntheticSound::Tone& tone : tones)
            value += tone.amplitude * std::sin(2.0 * M_PI * tone.frequency * t);
        const auto sample = qint16(std::lround(std::clamp(value, -1.0, 1.0) * 32767.0));
        qToLittleEndian(sample, bytes + k * kBytesPerFrame);
        qToLittleEndian(sample, bytes + k * kBytesPerFrame + 2);
    }
    return packet;
}

void SyntheticLoopbackSource::run()
{
    using Clock = std::chrono::steady_clock;
    auto due = Clock::now();
    std::unique_lock<std::mutex> lock(m_stopMutex);
    while (!m_stopping) {
        due += std::chrono::milliseconds(10);
        if (m_stopWake.wait_until(lock, due, [this] { return m_stopping; }))
            break;
        lock.unlock();
        emit packetCaptured(nextPacket());
        lock.lock();
    }
}

SoundLoopbackSource* SyntheticSoundLoopback::createSource(QObject* parent)
{
    auto* source = new SyntheticLoopbackSource(m_sound, m_freeRunning, parent);
    m_lastSource = source;
    return source;
}
