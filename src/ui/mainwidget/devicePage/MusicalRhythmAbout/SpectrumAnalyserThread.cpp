#include "ui/mainwidget/devicePage/MusicalRhythmAbout/SpectrumAnalyserThread.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>

namespace {
// Scales the natural logarithm of a bin's magnitude to the 0..1 level.
constexpr double kLevelScale = 0.15;
} // namespace

SpectrumAnalyserThread::SpectrumAnalyserThread(QObject* parent)
    : QObject(parent)
    , m_transform(std::make_unique<FFTRealWrapper>())
    , m_windowWeights(kBlockLength, 0.0f)
    , m_results{FrequencySpectrum(kBlockLength), FrequencySpectrum(kBlockLength)}
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
    const int available = bytesPerSample > 0 && buffer.size() >= 2
                              ? int(std::min<qint64>(kBlockLength, (qint64(buffer.size()) - 2) / bytesPerSample + 1))
                              : 0;
    float* in = m_transform->input();
    constexpr float kUnit = 1.0f / 32768.0f;
    for (int i = 0; i < available; ++i)
        in[i] = float(qFromLittleEndian<qint16>(bytes + qint64(i) * bytesPerSample)) * kUnit * m_windowWeights[i];
    std::fill(in + available, in + kBlockLength, 0.0f);
    m_transform->transform();
    const float* bins = m_transform->bins();

    FrequencySpectrum& result = m_results[size_t(m_nextResult)];
    m_nextResult = 1 - m_nextResult;
    if (inputFrequency != m_resultFrequency) {
        for (FrequencySpectrum& spectrum : m_results) {
            for (int i = 2; i <= kBlockLength / 2; ++i)
                spectrum[i].frequency = double(qint64(i) * inputFrequency) / kBlockLength;
        }
        m_resultFrequency = inputFrequency;
    }
    constexpr int half = kBlockLength / 2;
    for (int i = 2; i <= half; ++i) {
        const float re = bins[2 * i];
        const float im = i < half ? bins[2 * i + 1] : 0.0f;
        const float power = re * re + im * im;
        // The level of the magnitude, from its square: log(sqrt(p)) = log(p) / 2.
        const double level = power > 0.0f ? kLevelScale * 0.5 * double(std::log(power)) : 0.0;
        FrequencySpectrum::Element& element = result[i];
        element.clipped = level > 1.0;
        element.amplitude = qBound(0.0, level, 1.0);
    }
    emit calculationComplete(result);
}
