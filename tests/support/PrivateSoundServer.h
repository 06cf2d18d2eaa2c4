#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <QVector>

#include <memory>
#include <vector>

// A PulseAudio server of the test's own: its own runtime folder, two null
// sinks ("first", the default, and "second"), reachable only through the
// PULSE_SERVER address it sets for this process. Tones are played into a
// sink with pacat. Every wait is bounded.
class PrivateSoundServer
{
public:
    struct Tone
    {
        double frequency;
        double amplitude; // of full scale
    };

    PrivateSoundServer() = default;
    ~PrivateSoundServer();

    // The reason the server cannot run here (programs missing), or empty.
    static QString missingPrograms();
    bool start();
    QString log() const;

    // Plays the tones into the sink for `seconds`, until stopTones.
    bool playTones(const QString& sink, const QVector<Tone>& tones, int seconds = 30);
    void stopTones();
    bool setDefaultSink(const QString& sink);
    // The server dies (SIGKILL); start() brings up a new one at the same
    // address.
    void kill();
    // SIGSTOP and SIGCONT: a server that stalls.
    void pause();
    void resume();

private:
    bool pactl(const QStringList& arguments);

    QTemporaryDir m_folder;
    QProcess m_server;
    std::vector<std::unique_ptr<QProcess>> m_players;
};
