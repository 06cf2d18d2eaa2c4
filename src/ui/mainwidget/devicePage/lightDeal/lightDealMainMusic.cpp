// The engine's music effect: the capture switch and the output-device
// watch, the collection of captured bytes for the analysis, the bars of each
// spectrum and the music frame drawn from them.
#include "ui/mainwidget/devicePage/lightDeal/lightDealMain.h"

#include "app/DDataManager.h"
#include "app/logCategories.h"
#include "hid/DLightEffects.h"
#include "sdk/models/ModelCatalogue.h"
#include "ui/mainwidget/devicePage/MusicalRhythmAbout/DSoundCardAudioCapture.h"
#include "ui/mainwidget/devicePage/MusicalRhythmAbout/SpectrumAnalyser.h"
#include "ui/mainwidget/devicePage/keyboardView/keyboardButCustom.h"

#include <QDebug>
#include <QTimer>

#include <cstdio>

namespace {
constexpr int kMusicBlankAlpha = 128;
constexpr int kKeyCapAlpha = 180;
// One analysis block: 4096 frames of 16-bit stereo.
constexpr int kAnalysisBlockBytes = 16384;
constexpr int kAnalysisEvery = 10;
constexpr QChar kReplacementCharacter(0xFFFD);
// The waits between tries of a failed capture: doubling from the first to
// the last, so a sound server that comes back is followed within seconds
// and one that stays away costs next to nothing.
constexpr int kFirstCaptureRetryMs = 250;
constexpr int kLastCaptureRetryMs = 2000;
} // namespace

void lightDealMain::initMusicRhythm(int layoutNumber, int bandCount, double minHz, double maxHz)
{
    m_musicLayoutNumber = layoutNumber;
    const QString modelName = DDataManager::getInstance()->currentDeviceName();
    m_musicBars.init(layoutNumber, bandCount, minHz, maxHz, ModelCatalogue::instance().find(modelName));
    m_columnsPerBand = m_musicBars.columnsPerBand();
    qCDebug(lcMusic) << "------------- Init [Musical Rhythm] Over ---------------";
}

bool lightDealMain::isMusicChosen() const
{
    return m_keyboardEffectState.effect == DLightEffects::kMusicalRhythm;
}

bool lightDealMain::isMusicCaptureRunning() const
{
    return m_capture->isRunning();
}

void lightDealMain::setMusicRhythmRunning(bool on)
{
    m_musicRunning = on;
    if (on) {
        if (m_capture->isRunning() || m_captureRetryTimer->isActive())
            return;
        m_outputDeviceName.clear();
        m_outputWatchTimer->start();
        blankKeyPreview();
        m_analyser->cancelPending();
        m_captureRetryMs = kFirstCaptureRetryMs;
        startMusicCapture();
        return;
    }
    // Both timers go with the effect, whether or not the capture ever ran.
    m_outputWatchTimer->stop();
    m_captureRetryTimer->stop();
    if (m_capture->isRunning()) {
        m_capture->stopCapture();
        m_analyser->cancelPending();
        blankKeyPreview();
    }
}

void lightDealMain::startMusicCapture()
{
    if (m_capture->startCapture() < 0)
        onMusicCaptureFailed();
}

// The bars drop rather than freeze on the last spectrum, and the capture is
// tried again for as long as the effect is chosen.
void lightDealMain::onMusicCaptureFailed()
{
    if (!m_musicRunning)
        return;
    m_analyser->cancelPending();
    // The next capture is analysed from its first full block on.
    m_captureBuffer.clear();
    m_analysisGate = 0;
    m_lastSpectrum = FrequencySpectrum();
    m_musicBars.setSpectrum(m_lastSpectrum, m_keyFrame);
    m_captureRetryTimer->start(m_captureRetryMs);
    m_captureRetryMs = qMin(2 * m_captureRetryMs, kLastCaptureRetryMs);
}

void lightDealMain::onMusicCaptureRetry()
{
    if (m_musicRunning && !m_capture->isRunning()) {
        m_outputDeviceName.clear();
        startMusicCapture();
    }
}

void lightDealMain::blankKeyPreview()
{
    m_keyColors.fill(QColor(0, 0, 0, kMusicBlankAlpha));
}

// The sound server names the default output; a name beginning with the
// replacement character is one it could not decode and is not compared.
void lightDealMain::onAudioOutputDevListChanging()
{
    if (!m_capture->isRunning())
        return;
    const QString name = m_capture->currentOutputName();
    if (name.isEmpty() || name.startsWith(kReplacementCharacter))
        return;
    if (!m_outputDeviceName.isEmpty() && name != m_outputDeviceName) {
        m_capture->stopCapture();
        m_analyser->cancelPending();
        m_capture->startCapture();
    }
    m_outputDeviceName = name;
}

void lightDealMain::onSendCaptureAudioData(QByteArray data)
{
    if (!m_musicRunning)
        return;
    // Sound arrives: the next failure starts its tries from the shortest wait.
    m_captureRetryMs = kFirstCaptureRetryMs;
    m_captureBuffer.append(data);
    if (m_captureBuffer.size() <= kAnalysisBlockBytes)
        return;
    if (m_analysisGate == 0) {
        // The analysis reads the first block of what waits, in place.
        m_analyser->calculate(m_captureBuffer, m_analysisFormat);
        m_captureBuffer.clear();
        qCDebug(lcMusic)
            << "-------------------------*** onSendCaptureAudioData [Runing Deal] ***-------------------------";
    }
    m_analysisGate = (m_analysisGate + 1) % kAnalysisEvery;
}

void lightDealMain::onSpectrumChanged(FrequencySpectrum spectrum)
{
    if (!m_musicRunning)
        return;
    m_lastSpectrum = spectrum;
    m_musicBars.setSpectrum(m_lastSpectrum, m_keyFrame);
}

void lightDealMain::prepareMusicColors()
{
    const lightEffectState& state = m_keyboardEffectState;
    const QColor top(state.topRed, state.topGreen, state.topBlue);
    for (int row = 0; row < DKeyGrid::kRows; ++row) {
        for (int column = 0; column < DKeyGrid::kColumns; ++column) {
            const QColor colour = state.isFullColor ? m_musicBars.bandColour(column) : top;
            m_keyFrame[size_t(row)][size_t(column)]
                = lightFrameCell{colour.red(), colour.green(), colour.blue(), 0, 0, 0, 0, 0, 0, 0, 0};
            m_keyColors[size_t(row * DKeyGrid::kColumns + column)]
                = QColor(colour.red(), colour.green(), colour.blue());
            if (keyboardButCustom* cap = m_keyCapGrid[size_t(row)][size_t(column)])
                cap->setLightColor(QColor(colour.red(), colour.green(), colour.blue(), kKeyCapAlpha));
        }
    }
}

void lightDealMain::renderMusicFrame()
{
    const lightEffectState& state = m_keyboardEffectState;
    const QColor bottom(state.bottomRed, state.bottomGreen, state.bottomBlue);
    m_musicBars.renderFrame(m_keyFrame, bottom, keyboardFactor(), &m_keyColors, &m_columnLevels, &m_columnIntensities);
}
