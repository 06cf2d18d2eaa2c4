#include "ui/mainwidget/devicePage/MusicalRhythmAbout/FrequencySpectrum.h"

FrequencySpectrum::FrequencySpectrum(int numPoints)
    : m_elements(numPoints)
{
}

void FrequencySpectrum::reset()
{
    std::fill(m_elements.begin(), m_elements.end(), Element());
}
