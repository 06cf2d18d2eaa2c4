#pragma once

#include <QObject>

// The spectrum analysis of the music effect. So far it never calculates:
// it only keeps the state the engine's music switch resets.
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

    bool isIdle() const { return m_state == AnalyserIdle; }
    // A calculation under way is not reported when it ends.
    void cancelPending();

private:
    State m_state = AnalyserIdle;
};
