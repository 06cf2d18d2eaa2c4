#include "support/PrivateSoundServer.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <csignal>

namespace {
constexpr int kWaitMs = 10000;
const char* const kPrograms[] = {"pulseaudio", "pactl", "pacat"};
} // namespace

PrivateSoundServer::~PrivateSoundServer()
{
    stopTones();
    if (m_server.state() != QProcess::NotRunning) {
        resume();
        m_server.terminate();
        if (!m_server.waitForFinished(kWaitMs)) {
            m_server.kill();
            m_server.waitForFinished(kWaitMs);
        }
    }
}

QString PrivateSoundServer::missingPrograms()
{
    QStringList missing;
    for (const char* program : kPrograms) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(program)).isEmpty())
            missing << QString::fromLatin1(program);
    }
    return missing.join(QLatin1Char(' '));
}

bool PrivateSoundServer::start()
{
    if (!m_folder.isValid())
        return false;
    const QString folder = m_folder.path();
    const QString socket = folder + QStringLiteral("/native");
    qputenv("PULSE_SERVER", ("unix:" + socket).toLocal8Bit());
    qputenv("PULSE_RUNTIME_PATH", folder.toLocal8Bit());
    qputenv("PULSE_STATE_PATH", folder.toLocal8Bit());
    m_server.setProcessChannelMode(QProcess::MergedChannels);
    m_server.start(QStringLiteral("pulseaudio"),
                   {QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
                    QStringLiteral("--use-pid-file=false"), QStringLiteral("--disable-shm=true"),
                    QStringLiteral("--log-target=stderr"), QStringLiteral("-L"),
                    QStringLiteral("module-native-protocol-unix socket=%1 auth-anonymous=1").arg(socket),
                    QStringLiteral("-L"), QStringLiteral("module-null-sink sink_name=first"), QStringLiteral("-L"),
                    QStringLiteral("module-null-sink sink_name=second")});
    if (!m_server.waitForStarted(kWaitMs))
        return false;
    const QDeadlineTimer deadline(kWaitMs);
    while (!deadline.hasExpired() && m_server.state() == QProcess::Running) {
        if (QFileInfo::exists(socket) && pactl({QStringLiteral("info")}))
            return setDefaultSink(QStringLiteral("first"));
        QThread::msleep(50);
    }
    return false;
}

QString PrivateSoundServer::log() const
{
    return QString::fromLocal8Bit(const_cast<QProcess&>(m_server).readAll());
}

bool PrivateSoundServer::playTones(const QString& sink, const QVector<Tone>& tones, int seconds)
{
    constexpr int rate = 44100;
    QByteArray pcm(rate * seconds * 4, '\0');
    auto* bytes = reinterpret_cast<uchar*>(pcm.data());
    for (int i = 0; i < rate * seconds; ++i) {
        double value = 0.0;
        for (const Tone& tone : tones)
            value += tone.amplitude * std::sin(2 * M_PI * tone.frequency * i / rate);
        const auto sample = qint16(std::lround(std::clamp(value, -1.0, 1.0) * 32767));
        qToLittleEndian(sample, bytes + 4 * i);
        qToLittleEndian(sample, bytes + 4 * i + 2);
    }
    auto player = std::make_unique<QProcess>();
    player->start(QStringLiteral("pacat"),
                  {QStringLiteral("--playback"), QStringLiteral("--device=") + sink, QStringLiteral("--format=s16le"),
                   QStringLiteral("--rate=44100"), QStringLiteral("--channels=2"), QStringLiteral("--raw")});
    if (!player->waitForStarted(kWaitMs))
        return false;
    player->write(pcm);
    player->closeWriteChannel();
    m_players.push_back(std::move(player));
    return true;
}

void PrivateSoundServer::stopTones()
{
    for (auto& player : m_players) {
        player->kill();
        player->waitForFinished(kWaitMs);
    }
    m_players.clear();
}

bool PrivateSoundServer::setDefaultSink(const QString& sink)
{
    return pactl({QStringLiteral("set-default-sink"), sink});
}

void PrivateSoundServer::kill()
{
    stopTones();
    if (m_server.state() == QProcess::NotRunning)
        return;
    resume();
    m_server.kill();
    m_server.waitForFinished(kWaitMs);
}

void PrivateSoundServer::pause()
{
    ::kill(pid_t(m_server.processId()), SIGSTOP);
}

void PrivateSoundServer::resume()
{
    ::kill(pid_t(m_server.processId()), SIGCONT);
}

bool PrivateSoundServer::pactl(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral("pactl"), arguments);
    if (!process.waitForFinished(kWaitMs)) {
        process.kill();
        process.waitForFinished(kWaitMs);
        return false;
    }
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}
