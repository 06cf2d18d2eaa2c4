#pragma once

#include <QObject>

// The loopback capture of the sound output that feeds the music effect. So
// far it records nothing: it only keeps whether the engine has it running,
// as a capture of a silent output would.
class DSoundCardAudioCapture : public QObject
{
    Q_OBJECT

public:
    explicit DSoundCardAudioCapture(QObject* parent = nullptr);

    // 0 when the capture runs, -1 when it could not start.
    int startCapture();
    // Always 0; the capture has ended when it returns.
    int stopCapture();
    bool isRunning() const { return m_running; }

signals:
    // One packet of 16-bit PCM bytes, a copy the receiver owns.
    void sigSendCaptureAudioData(unsigned char* pData, int dataSize);

private:
    bool m_running = false;
};
