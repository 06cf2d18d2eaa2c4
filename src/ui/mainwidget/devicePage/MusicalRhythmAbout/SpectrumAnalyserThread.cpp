#include "ui/mainwidget/devicePage/MusicalRhythmAbout/SpectrumAnalyserThread.h"

#include "ui/mainwidget/devicePage/MusicalRhythmAbout/audioFormatUtils.h"

#include <QtEndian>

#include <cmath>

namespace {
// Scales the natural logarithm of a bin's magnitude to the 0..1 level.
constexpr double kLevelScale = 0.15;
} // namespace

SpectrumAnalyserThread::SpectrumAnalyserThread(QObject* parent)
    : QObject(parent)
    , m_transform(std::make_unique<FFTRealWrapper>())
    , m_windowWeights(kBlockLength, 0.0f)
    , m_windowedBlock(kBlockLength, 0.0f)
    , m_transformOut(kBlockLength, 0.0f)
    , m_result(kBlockLength)
{
    calculateWindow();
}

SpectrumAnalyserThread::~SpectrumAnalyserThread() = default;

void SpectrumAnalyserThread::setWindowFunction(WindowFunction type)
{
    m_windowKind = type;
    calculateWindow();
}

void SpectrumAnalyserThread::calculateWindow()
{
    for (int i = 0; i < kBlockLength; ++i) {
        double weight = 1.0;
        if (m_windowKind == WindowHann)
            weight = 0.5 * (1.0 - std::cos((2.0 * M_PI * i) / (kBlockLength - 1)));
        m_windowWeights[i] = float(weight);
    }
}

void SpectrumAnalyserThread::calculateSpectrum(QByteArray buffer, int inputFrequency, int bytesPerSample)
{
    // A short block is read as far as it goes; the rest counts as silence.
    const auto* bytes = reinterpret_cast<const uchar*>(buffer.constData());
    for (int i = 0; i < kBlockLength; ++i) {
        const qint64 offset = qint64(i) * bytesPerSample;
        const qint16 sample = offset + 2 <= buffer.size() ? qFromLittleEndian<qint16>(bytes + offset) : 0;
        m_windowedBlock[i] = float(sampleToUnit(sample) * m_windowWeights[i]);
    }
    m_transform->calculateFFT(m_transformOut.data(), m_windowedBlock.constData());

    constexpr int half = kBlockLength / 2;
    for (int i = 2; i <= half; ++i) {
        FrequencySpectrum::Element& element = m_result[i];
        element.frequency = double(qint64(i) * inputFrequency) / kBlockLength;
        const double re = m_transformOut[i];
        const double im = i < half ? m_transformOut[half + i] : 0.0;
        const double magnitude = std::sqrt(re * re + im * im);
        const double level = magnitude > 0.0 ? kLevelScale * std::log(magnitude) : 0.0;
        element.clipped = level > 1.0;
        element.amplitude = qBound(0.0, level, 1.0);
    }
    emit calculationComplete(m_result);
}
