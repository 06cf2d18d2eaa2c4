#include "ui/mainwidget/devicePage/MusicalRhythmAbout/DSoundCardAudioCapture.h"

#include "platform/include/SoundLoopback.h"

DSoundCardAudioCapture::DSoundCardAudioCapture(QObject* parent)
    : QObject(parent)
    , m_source(SoundLoopback::current()->createSource(this))
{
    // The source emits from its own thread; the hand-over to this object's
    // thread queues the packet.
    connect(m_source, &SoundLoopbackSource::packetCaptured, this, &DSoundCardAudioCapture::sigSendCaptureAudioData);
    connect(m_source, &SoundLoopbackSource::failed, this, [this] {
        m_running = false;
        emit captureFailed();
    });
}

DSoundCardAudioCapture::~DSoundCardAudioCapture()
{
    stopCapture();
}

int DSoundCardAudioCapture::startCapture()
{
    if (m_source->start() < 0)
        return -1;
    m_running = true;
    return 0;
}

int DSoundCardAudioCapture::stopCapture()
{
    m_running = false;
    m_source->stop();
    return 0;
}

QString DSoundCardAudioCapture::currentOutputName() const
{
    return m_source->defaultOutputName();
}
