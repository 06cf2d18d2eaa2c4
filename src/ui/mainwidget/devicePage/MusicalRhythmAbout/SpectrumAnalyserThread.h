#pragma once

#include "platform/include/FFTRealWrapper.h"
#include "ui/mainwidget/devicePage/MusicalRhythmAbout/FrequencySpectrum.h"

#include <QByteArray>
#include <QObject>
#include <QVector>

#include <array>
#include <memory>

enum WindowFunction {
    WindowRectangular = 0,
    WindowHann = 1,
};
Q_DECLARE_METATYPE(WindowFunction)

// The calculation behind the analyser: a Hann-windowed 4096-point transform
// of one block's first channel, turned into levels per bin. It runs on the
// thread of its caller (the GUI thread); the name is the one the analyser
// knows it by. The samples are windowed straight into the transform's input
// and the levels read straight from its output; two results take turns, so
// a receiver that keeps the last spectrum costs no copy of it.
class SpectrumAnalyserThread : public QObject
{
    Q_OBJECT

public:
    static constexpr int kBlockLength = FFTRealWrapper::kPoints;

    explicit SpectrumAnalyserThread(QObject* parent = nullptr);
    ~SpectrumAnalyserThread() override;

    const QVector<float>& windowWeights() const { return m_windowWeights; }

public slots:
    void setWindowFunction(WindowFunction type);
    void calculateSpectrum(QByteArray buffer, int inputFrequency, int bytesPerSample);

signals:
    void calculationComplete(FrequencySpectrum spectrum);

private:
    void calculateWindow();

    std::unique_ptr<FFTRealWrapper> m_transform;
    WindowFunction m_windowKind = WindowHann;
    QVector<float> m_windowWeights;
    std::array<FrequencySpectrum, 2> m_results;
    int m_nextResult = 0;
    int m_resultFrequency = 0;
};
