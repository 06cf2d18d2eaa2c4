#include "ui/mainwidget/devicePage/MusicalRhythmAbout/DSoundCardAudioCapture.h"

DSoundCardAudioCapture::DSoundCardAudioCapture(QObject* parent)
    : QObject(parent)
{
}

int DSoundCardAudioCapture::startCapture()
{
    m_running = true;
    return 0;
}

int DSoundCardAudioCapture::stopCapture()
{
    m_running = false;
    return 0;
}
