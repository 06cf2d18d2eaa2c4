#pragma once

#include "ui/mainwidget/devicePage/MusicalRhythmAbout/FrequencySpectrum.h"
#include "ui/mainwidget/devicePage/MusicalRhythmAbout/SpectrumAnalyserThread.h"

#include <QAudioFormat>
#include <QByteArray>
#include <QObject>

// The front end of the spectrum analysis of the music effect: one block in,
// one spectrum out, unless the block was cancelled meanwhile.
class SpectrumAnalyser : public QObject
{
    Q_OBJECT

public:
    enum State {
        AnalyserIdle,
        AnalyserBusy,
        AnalyserCancelled,
    };

    explicit SpectrumAnalyser(QObject* parent = nullptr);

    // Only when idle: the analysis of the block, read in `format`.
    void calculate(QByteArray buffer, const QAudioFormat& format);
    bool isIdle() const { return m_state == AnalyserIdle; }
    // A calculation under way is not reported when it ends.
    void cancelPending();
    void setWindowFunction(WindowFunction type);

signals:
    void spectrumChanged(FrequencySpectrum spectrum);

private slots:
    void calculationComplete(FrequencySpectrum spectrum);

private:
    SpectrumAnalyserThread* m_thread;
    State m_state = AnalyserIdle;
};
