#include "ui/mainwidget/devicePage/MusicalRhythmAbout/SpectrumAnalyser.h"

SpectrumAnalyser::SpectrumAnalyser(QObject* parent)
    : QObject(parent)
    , m_thread(new SpectrumAnalyserThread(this))
{
    qRegisterMetaType<FrequencySpectrum>("FrequencySpectrum");
    qRegisterMetaType<WindowFunction>("WindowFunction");
    const bool connected = bool(connect(m_thread, SIGNAL(calculationComplete(FrequencySpectrum)), this,
                                        SLOT(calculationComplete(FrequencySpectrum))));
    if (!connected)
        qFatal("CHECKED_CONNECT failed");
}

void SpectrumAnalyser::calculate(QByteArray buffer, const QAudioFormat& format)
{
    if (m_state != AnalyserIdle)
        return;
    const int bytesPerSample = format.sampleSize() * format.channelCount() / 8;
    m_state = AnalyserBusy;
    QMetaObject::invokeMethod(m_thread, "calculateSpectrum", Qt::AutoConnection, Q_ARG(QByteArray, buffer),
                              Q_ARG(int, format.sampleRate()), Q_ARG(int, bytesPerSample));
}

void SpectrumAnalyser::cancelPending()
{
    if (m_state == AnalyserBusy)
        m_state = AnalyserCancelled;
}

void SpectrumAnalyser::setWindowFunction(WindowFunction type)
{
    QMetaObject::invokeMethod(m_thread, "setWindowFunction", Qt::AutoConnection, Q_ARG(WindowFunction, type));
}

void SpectrumAnalyser::calculationComplete(FrequencySpectrum spectrum)
{
    if (m_state == AnalyserBusy)
        emit spectrumChanged(spectrum);
    m_state = AnalyserIdle;
}
