#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class SoundLoopbackSource;

// The loopback capture of the sound output that feeds the music effect: what
// the default output plays, as 44.1 kHz 16-bit stereo PCM packets handed to
// the GUI thread.
class DSoundCardAudioCapture : public QObject
{
    Q_OBJECT

public:
    explicit DSoundCardAudioCapture(QObject* parent = nullptr);
    ~DSoundCardAudioCapture() override;

    // 0 when the capture runs or is being set up, -1 when it could not
    // start; never waits on the sound server.
    int startCapture();
    // Always 0; returns within a fixed bound even when the sound server
    // stalls, and no packet arrives after it.
    int stopCapture();
    bool isRunning() const { return m_running; }
    // The default output's name as last reported, for following it.
    QString currentOutputName() const;

signals:
    // One packet of PCM bytes, the receiver's own copy.
    void sigSendCaptureAudioData(QByteArray data);
    // The capture ended on its own or could not be set up; it is stopped.
    void captureFailed();

private:
    SoundLoopbackSource* m_source;
    bool m_running = false;
};
