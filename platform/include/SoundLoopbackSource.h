#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

// A loopback recording of what the computer plays on its default sound
// output, as interleaved signed 16-bit little-endian stereo PCM at 44.1 kHz,
// whatever the device itself runs at. Packets (about 10 ms each) are
// emitted from the source's own thread as byte copies; a receiver in the GUI
// thread gets them queued. Start, stop and the queries belong to the thread
// that owns the source.
class SoundLoopbackSource : public QObject
{
    Q_OBJECT

public:
    static constexpr int kSampleRate = 44100;
    static constexpr int kChannels = 2;
    static constexpr int kBytesPerFrame = 4;
    // A stop returns within this bound even when the sound server stalls.
    static constexpr int kStopBoundMs = 200;

    explicit SoundLoopbackSource(QObject* parent = nullptr)
        : QObject(parent)
    {
    }

    // 0 when the recording runs or is being set up, -1 when it cannot start
    // at all. Never waits on the sound server: a server that refuses or goes
    // away later is told by `failed`.
    virtual int start() = 0;
    virtual void stop() = 0;
    virtual bool isRunning() const = 0;
    // The default output as the sound server last named it; empty while
    // unknown. Kept current from the server's change notices.
    virtual QString defaultOutputName() const = 0;

signals:
    void packetCaptured(QByteArray bytes);
    // The recording could not be set up or ended on its own (the server went
    // away, the stream was refused). Emitted on the owner's thread, once per
    // start, after the source has stopped: isRunning() is false by then.
    void failed();
};
