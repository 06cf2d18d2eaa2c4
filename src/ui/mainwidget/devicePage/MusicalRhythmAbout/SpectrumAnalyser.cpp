#include "ui/mainwidget/devicePage/MusicalRhythmAbout/SpectrumAnalyser.h"

SpectrumAnalyser::SpectrumAnalyser(QObject* parent)
    : QObject(parent)
{
}

void SpectrumAnalyser::cancelPending()
{
    if (m_state == AnalyserBusy)
        m_state = AnalyserCancelled;
}
