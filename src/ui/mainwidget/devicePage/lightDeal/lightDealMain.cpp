#include "ui/mainwidget/devicePage/lightDeal/lightDealMain.h"

#include "app/DDataManager.h"
#include "app/logCategories.h"
#include "hid/DLightEffects.h"
#include "hid/MainHidInterFace.h"
#include "hid/reports/DCustomLightReport.h"
#include "hid/reports/DLightStreamReport.h"
#include "sdk/models/ModelCatalogue.h"
#include "ui/mainwidget/devicePage/MusicalRhythmAbout/DSoundCardAudioCapture.h"
#include "ui/mainwidget/devicePage/MusicalRhythmAbout/SpectrumAnalyser.h"
#include "ui/mainwidget/devicePage/MusicalRhythmAbout/audioFormatUtils.h"
#include "ui/mainwidget/devicePage/keyboardView/keyboardButCustom.h"
#include "ui/mainwidget/devicePage/keyboardView/sideLightButtonCustom.h"
#include "ui/mainwidget/devicePage/lightDeal/DLightFrameColouring.h"
#include "ui/mainwidget/devicePage/lightDeal/DLightTickInterval.h"
#include "ui/mainwidget/devicePage/lightDeal/sendLightUpdataThread.h"

#include <QDateTime>
#include <QDebug>
#include <QEvent>
#include <QTimer>
#include <QVector>
#include <QWidget>

#include <algorithm>

namespace {
// The device record carries four support values; the generator's fifth one
// has no source in it, so it gets a fixed 0.
constexpr int kSupportValue4 = 0;
constexpr int kOutputWatchMs = 1000;
constexpr int kSyncKeepAliveMs = 3000;
constexpr int kMusicBands = 11;
constexpr int kAutoRipple = 14;
constexpr int kSideCollision = 3;

constexpr int kSpeedRespond = 12;

using Colouring = DLightFrameColouring;

// The colouring operation of each effect id; ids not here leave the colours
// as they were.
struct ColouringOperation
{
    int id;
    void (lightDealMain::*operation)();
};

} // namespace

lightDealMain* lightEngine = nullptr;

void keyboardFrameCallback(const lightFrameCell* frame)
{
    if (lightEngine)
        lightEngine->onKeyboardFrame(frame);
}

void sideFrameCallback(const lightFrameCell* frame)
{
    if (lightEngine)
        lightEngine->onSideFrame(frame);
}

namespace {
// The frames of the steps a beat passes over: only its last is coloured.
void passedFrame(const lightFrameCell*) {}
} // namespace

lightDealMain::lightDealMain(QObject* parent)
    : QObject(parent)
    , m_syncTimer(new QTimer(this))
    , m_frameBeat(new sendLightUpdataThread(this))
    , m_keyboardTickInterval(DLightTickInterval::kKeyboardDefaultMs)
    , m_sideTickInterval(DLightTickInterval::kSideDefaultMs)
    , m_capture(new DSoundCardAudioCapture(this))
    , m_analyser(new SpectrumAnalyser(this))
    , m_outputWatchTimer(new QTimer(this))
    , m_captureRetryTimer(new QTimer(this))
{
    lightEngine = this;
    m_syncTimer->setInterval(kSyncKeepAliveMs);
    connect(m_syncTimer, &QTimer::timeout, this, &lightDealMain::onSendLightSynchronize0x17Cmd);
    m_stepClock.setInterval(DLightStepClock::Keyboard, m_keyboardTickInterval);
    m_stepClock.setInterval(DLightStepClock::Side, m_sideTickInterval);
    // The beat is emitted from its own thread and queued to the GUI thread,
    // where all the work runs.
    connect(m_frameBeat, &sendLightUpdataThread::sigDviceUpdateAllKeyColorSendKeyboardHid, this,
            &lightDealMain::onDviceUpdateAllKeyColorSendKeyboardHid);

    m_analysisFormat = analysisAudioFormat();
    connect(m_capture, &DSoundCardAudioCapture::sigSendCaptureAudioData, this, &lightDealMain::onSendCaptureAudioData);
    connect(m_analyser, SIGNAL(spectrumChanged(FrequencySpectrum)), this, SLOT(onSpectrumChanged(FrequencySpectrum)));
    m_outputWatchTimer->setInterval(kOutputWatchMs);
    connect(m_outputWatchTimer, &QTimer::timeout, this, &lightDealMain::onAudioOutputDevListChanging);
    connect(m_capture, &DSoundCardAudioCapture::captureFailed, this, &lightDealMain::onMusicCaptureFailed);
    m_outputWatchTimer->setObjectName(QStringLiteral("musicOutputWatch"));
    m_captureRetryTimer->setObjectName(QStringLiteral("musicCaptureRetry"));
    m_captureRetryTimer->setSingleShot(true);
    connect(m_captureRetryTimer, &QTimer::timeout, this, &lightDealMain::onMusicCaptureRetry);
}

lightDealMain::~lightDealMain()
{
    // The program keeps its engine; one that goes (tests) ends its threads
    // and is no longer the callbacks' target.
    m_syncTimer->stop();
    m_frameBeat->stopAndWait();
    if (lightEngine == this)
        lightEngine = nullptr;
}

void lightDealMain::setHidDeviceInfo(hidStructInfoAll info)
{
    m_hidInfo = info;
}

void lightDealMain::setHidInterface(MainHidInterFace* hidInterface)
{
    m_hidInterface = hidInterface;
}

void lightDealMain::setLightCapability(lightCapabilityInfo keyboard, lightCapabilityInfo side)
{
    m_hasSideLight = !side.lightTypeList.isEmpty();
    m_keyboardSpeedMax = keyboard.speedMax;
    m_sideSpeedMax = side.speedMax;
    m_keyboardBrightnessLevels = Colouring::brightnessLevels(keyboard.brightnessMax);
    m_keyboardBrightnessStep = Colouring::brightnessStep(keyboard.brightnessMax);
    m_sideBrightnessLevels = Colouring::brightnessLevels(side.brightnessMax);
    m_sideBrightnessStep = Colouring::brightnessStep(side.brightnessMax);
    m_keyboardModes = std::move(keyboard);
    m_sideModes = std::move(side);
}

void lightDealMain::loadProfileLight()
{
    clearAllColors();
    DDataManager* data = DDataManager::getInstance();
    m_profileIndex = data->currentProfileIndex();
    data->copyCurrentProfilePath(m_profilePath.data());
    const QByteArray index = QByteArray::number(m_profileIndex);
    for (int part : {DLightEffects::kKeyboardPart, DLightEffects::kSidePart}) {
        const int effect
            = COrvaneXML_SelectProFileMouseLightTypeUsingIndex(m_profilePath.data(), index.constData(), part);
        colorInfoData record{};
        if (!COrvaneXML_SelectProfileColorDataInfo(m_profilePath.data(), index.constData(), part, effect, &record))
            continue;
        (part == DLightEffects::kKeyboardPart ? m_keyboardColorInfo : m_sideColorInfo) = record;
        refreshEffectState(part);
    }
    pushKeyboardColorInfo();
    if (!m_hasSideLight)
        return;
    m_sideValidFlags.clear();
    for (const sideLightButtonCustom* segment : qAsConst(m_sideLightButtons))
        m_sideValidFlags.push_back(segment->validStatus());
    pushSideColorInfo();
}

void lightDealMain::setLightThreadsRunning(bool running)
{
    if (running)
        startLightThreads();
    else
        stopLightThreads();
}

void lightDealMain::startLightThreads()
{
    const bool wasRunning = m_keyTickerRunning;
    m_lightingStopped = false;
    if (isMusicChosen())
        setMusicRhythmRunning(true);
    m_keyTickerRunning = true;
    m_sideTickerRunning = true;
    if (!wasRunning) {
        const int64_t now = DLightStepClock::nowNs();
        m_stepClock.restart(DLightStepClock::Keyboard, now);
        m_stepClock.restart(DLightStepClock::Side, now);
        m_framePublished = false;
    }
    frameNow();
}

void lightDealMain::stopLightThreads()
{
    m_keyTickerRunning = false;
    m_sideTickerRunning = false;
    updateBeat();
    // Nothing shows or sends the bars any more: the sound server is let go.
    m_lightingStopped = true;
    setMusicRhythmRunning(false);
}

void lightDealMain::setUiUpdateEnabled(bool enabled)
{
    if (enabled == m_uiUpdateEnabled)
        return;
    m_uiUpdateEnabled = enabled;
    // The caps kept what they showed last, or nothing: they take the frame
    // now rather than at the next change.
    if (enabled) {
        onDviceUpdateAllKeyColorUI();
        onDviceUpdateAllSideLightColorUI();
    }
}

void lightDealMain::setKeyboardColorInfo(colorInfoData info)
{
    m_keyboardColorInfo = info;
    refreshEffectState(0);
    pushKeyboardColorInfo();
    // The generator starts the effect again at its first step.
    m_stepClock.restart(DLightStepClock::Keyboard, DLightStepClock::nowNs());
    showCustomColoursNow();
    frameNow();
}

void lightDealMain::keyboardColorInfoChanged(colorInfoData info)
{
    const int effectBefore = m_keyboardEffectState.effect;
    m_keyboardColorInfo = info;
    clearKeyColors();
    refreshEffectState(0);
    COrvaneHid_SetKeyboardColorInfoDataStuHaveChanged(info);
    // Another effect starts at its first step, as a new setting does.
    if (m_keyboardEffectState.effect != effectBefore)
        m_stepClock.restart(DLightStepClock::Keyboard, DLightStepClock::nowNs());
    showCustomColoursNow();
    frameNow();
}

void lightDealMain::setSideColorInfo(colorInfoData info)
{
    m_sideColorInfo = info;
    refreshEffectState(1);
    pushSideColorInfo();
    m_stepClock.restart(DLightStepClock::Side, DLightStepClock::nowNs());
    frameNow();
}

void lightDealMain::sideColorInfoChanged(colorInfoData info)
{
    const int effectBefore = m_sideEffectState.effect;
    m_sideColorInfo = info;
    clearSideColors();
    refreshEffectState(1);
    COrvaneHid_SetSideColorInfoDataStuHaveChanged(info);
    if (m_sideEffectState.effect != effectBefore)
        m_stepClock.restart(DLightStepClock::Side, DLightStepClock::nowNs());
    frameNow();
}

void lightDealMain::refreshEffectState(int part)
{
    if (part == 0) {
        m_keyboardEffectState = lightEffectState::fromColorInfo(m_keyboardColorInfo);
        m_keyboardTickInterval = DLightTickInterval::keyboard(m_keyboardSpeedMax, m_keyboardColorInfo.ledSpeed);
        m_stepClock.setInterval(DLightStepClock::Keyboard, m_keyboardTickInterval);
        if (isMusicChosen()) {
            prepareMusicColors();
            setMusicRhythmRunning(!m_lightingStopped);
        } else {
            setMusicRhythmRunning(false);
        }
        return;
    }
    if (part == 1 && m_hasSideLight) {
        m_sideEffectState = lightEffectState::fromColorInfo(m_sideColorInfo);
        m_sideTickInterval = DLightTickInterval::side(m_sideSpeedMax, m_sideColorInfo.ledSpeed);
        m_stepClock.setInterval(DLightStepClock::Side, m_sideTickInterval);
    }
}

void lightDealMain::pushKeyboardColorInfo()
{
    COrvaneHid_SetKeyboardColorInfoDataStu(m_keyboardColorInfo, kSupportValue4, m_hidInfo.modelName, m_hasSideLight);
}

void lightDealMain::pushSideColorInfo()
{
    COrvaneHid_SetSideColorInfoDataStu(m_sideColorInfo, int(m_sideValidFlags.size()), m_sideValidFlags);
}

void lightDealMain::clearAllColors()
{
    clearKeyColors();
    clearSideColors();
}

void lightDealMain::clearKeyColors()
{
    m_keyColors.fill(QColor(0, 0, 0));
}

void lightDealMain::clearSideColors()
{
    m_sideColors.fill(QColor(0, 0, 0));
}

void lightDealMain::writeCustomLightColors(int mode, int index)
{
    QVector<QColor> colours;
    colours.reserve(DKeyGrid::kRows * DKeyGrid::kColumns);
    for (int row = 0; row < DKeyGrid::kRows; ++row) {
        for (int column = 0; column < DKeyGrid::kColumns; ++column) {
            const keyboardButCustom* cap = m_keyCapGrid[size_t(row)][size_t(column)];
            QColor colour = cap ? cap->lightColorBackup() : QColor();
            if (!colour.isValid())
                colour = Qt::black;
            lightFrameCell& cell = m_keyFrame[row][column];
            cell.red = colour.red();
            cell.green = colour.green();
            cell.blue = colour.blue();
            cell.intensity = 255;
            cell.fadeMode = 0;
            cell.pressPhase = 0;
            colours.append(colour);
        }
    }
    showCustomColoursNow();
    // Under another effect the colours wait in the frame grid for Custom.
    if (m_keyboardEffectState.effect == DLightEffects::kCustom)
        frameNow();
    // Over USB the light stream carries these colours; the receiver link has
    // no stream, so the keyboard keeps them itself.
    const bool upload = m_hidInfo.is24G == 1 && (mode == 0 || (mode == 1 && index == -1));
    if (!upload)
        return;
    if (!m_hidInterface) {
        qCDebug(lcLighting) << "USB serial port [Write custom-Led] Failed ... no keyboard interface";
        return;
    }
    const QVector<QByteArray> packets = DCustomLightReport::packetPayloads(colours);
    for (int packet = 0; packet < packets.size(); ++packet)
        sendCustomLedReport(kEngineCustomSlot, packet, packets[packet]);
}

void lightDealMain::sendCustomLedReport(int slot, int packet, const QByteArray& bytes)
{
    if (!m_hidInterface || m_hidInterface->queueCmdReport(DCustomLightReport::build(slot, packet, bytes)) < 0)
        qCDebug(lcLighting) << "USB serial port [Write custom-Led] Failed ...";
}

void lightDealMain::setInteractLightsPoint(int indexX, int indexY)
{
    if (m_hidInfo.is24G != 1)
        return;
    m_interactX = indexX;
    m_interactY = indexY;
    m_rippleColor = COrvaneHid_GetCurrentRippleLightColor();
}

void lightDealMain::onDviceUpdateAllKeyColor(int steps)
{
    if (m_keyboardColorInfo.ledType == DLightEffects::kMusicalRhythm) {
        for (int step = 0; step < steps; ++step)
            renderMusicFrame();
        return;
    }
    if (steps <= 0)
        return;
    for (int step = 1; step < steps; ++step)
        COrvaneHid_keyboardLightColorRuning(passedFrame);
    COrvaneHid_keyboardLightColorRuning(keyboardFrameCallback);
}

void lightDealMain::onDviceUpdateAllSideLightColor(int steps)
{
    if (steps <= 0)
        return;
    for (int step = 1; step < steps; ++step)
        COrvaneHid_sideLightColorRuning(passedFrame);
    COrvaneHid_sideLightColorRuning(sideFrameCallback);
}

void lightDealMain::setKeyCapGrid(const KeyCapGrid& grid)
{
    m_keyCapGrid = grid;
    for (QWidget* watched : {m_previewWatched.data(), m_previewWindow.data()}) {
        if (watched)
            watched->removeEventFilter(this);
    }
    m_previewWatched = nullptr;
    m_previewWindow = nullptr;
    for (const auto& row : m_keyCapGrid) {
        for (keyboardButCustom* cap : row) {
            if (!cap)
                continue;
            // A cap is shown again with any of its ancestors; a window
            // restored from minimised says so only to itself.
            m_previewWatched = cap;
            m_previewWindow = cap->window();
            cap->installEventFilter(this);
            m_previewWindow->installEventFilter(this);
            return;
        }
    }
}

bool lightDealMain::eventFilter(QObject* watched, QEvent* event)
{
    const bool previewWidget = watched == m_previewWatched.data() || watched == m_previewWindow.data();
    if (previewWidget && (event->type() == QEvent::Show || event->type() == QEvent::WindowStateChange)
        && isPreviewShown()) {
        onDviceUpdateAllKeyColorUI();
        onDviceUpdateAllSideLightColorUI();
    }
    return QObject::eventFilter(watched, event);
}

bool lightDealMain::isPreviewShown() const
{
    for (const auto& row : m_keyCapGrid) {
        for (const keyboardButCustom* cap : row) {
            if (cap)
                return cap->isVisible() && !cap->window()->isMinimized();
        }
    }
    return false;
}

// A hidden preview is not recoloured: it takes the frame when it is shown
// again (eventFilter).
void lightDealMain::onDviceUpdateAllKeyColorUI()
{
    if (!m_keyTickerRunning || !m_uiUpdateEnabled || !isPreviewShown())
        return;
    for (int row = 0; row < DKeyGrid::kRows; ++row) {
        for (int column = 0; column < DKeyGrid::kColumns; ++column) {
            if (keyboardButCustom* cap = m_keyCapGrid[size_t(row)][size_t(column)])
                cap->setLightColor(m_keyColors[size_t(row * DKeyGrid::kColumns + column)]);
        }
    }
}

void lightDealMain::onDviceUpdateAllSideLightColorUI()
{
    if (!m_sideTickerRunning || !m_hasSideLight || !m_uiUpdateEnabled || !isPreviewShown())
        return;
    const int count = std::min(int(m_sideLightButtons.size()), kMaxSideLights);
    for (int k = 0; k < count; ++k)
        m_sideLightButtons[k]->setLightColor(m_sideColors[size_t(k)]);
}

void lightDealMain::onDviceUpdateAllKeyColorSendKeyboardHid()
{
    m_frameBeat->tickTaken();
    renderFrame(false);
    updateBeat();
}

void lightDealMain::renderFrame(bool changed)
{
    const int64_t now = DLightStepClock::nowNs();
    // A frame made for a change is a step of its own, due or not: the
    // generator takes a new setting with its next step.
    const int least = changed ? 1 : 0;
    if (m_keyTickerRunning)
        onDviceUpdateAllKeyColor(std::max(least, m_stepClock.take(DLightStepClock::Keyboard, now)));
    if (m_sideTickerRunning)
        onDviceUpdateAllSideLightColor(std::max(least, m_stepClock.take(DLightStepClock::Side, now)));
    publishFrame();
}

void lightDealMain::publishFrame()
{
    const bool changed
        = !m_framePublished || m_keyColors != m_publishedKeyColors || m_sideColors != m_publishedSideColors;
    if (changed) {
        m_publishedKeyColors = m_keyColors;
        m_publishedSideColors = m_sideColors;
        m_framePublished = true;
        onDviceUpdateAllKeyColorUI();
        onDviceUpdateAllSideLightColorUI();
    }
    if (!m_lightSyncOn)
        return;
    if (m_hidInfo.is24G == 0) {
        if (changed)
            sendUsbLightStream();
    } else if (m_hidInfo.is24G == 1) {
        send24GLightFrame();
    }
}

void lightDealMain::frameNow()
{
    if (m_keyTickerRunning || m_sideTickerRunning || m_lightSyncOn)
        renderFrame(true);
    updateBeat();
}

// Static and Custom keys and a Static or dark side bar give the same frame
// at every step.
bool lightDealMain::framesMove() const
{
    const int keys = m_keyboardEffectState.effect;
    const bool keysStill = keys == DLightEffects::kStatic || keys == DLightEffects::kCustom;
    const int side = m_sideEffectState.effect;
    const bool sideStill = !m_hasSideLight || side == DLightEffects::kStatic || side == DLightEffects::kSideClose;
    return !keysStill || !sideStill;
}

// A frame behind the receiver carries a time and key presses, so it goes at
// every beat, moving or not.
void lightDealMain::updateBeat()
{
    const bool receiverFrames = m_lightSyncOn && m_hidInfo.is24G == 1;
    const bool beat = receiverFrames || ((m_keyTickerRunning || m_sideTickerRunning) && framesMove());
    if (beat && !m_frameBeat->running())
        m_frameBeat->startTicking();
    else if (!beat && m_frameBeat->running())
        m_frameBeat->setRunning(false);
}

void lightDealMain::setLightSynchronize(bool on)
{
    // Kept by the engine's own flag rather than by whether the stream
    // ticker's thread still runs: a stop followed at once by a start (another
    // keyboard selected) must switch the new keyboard on.
    if (on == m_lightSyncOn)
        return;
    if (on) {
        if (!m_hidInterface) {
            qCDebug(lcLighting) << "USB serial port [ Into Light Synchronous ] Failed ... no keyboard interface";
            return;
        }
        m_hidInterface->setStreamEnabled(true);
        m_lightSyncOn = true;
        onSendLightSynchronize0x17Cmd();
        m_syncTimer->start();
        // The keyboard gets the frame it shows from now on at once, changed
        // or not.
        m_framePublished = false;
        frameNow();
        return;
    }
    if (m_hidInterface)
        m_hidInterface->setStreamEnabled(false);
    m_syncTimer->stop();
    m_lightSyncOn = false;
    updateBeat();
    onSendLightSynchronize0x17Cmd();
}

void lightDealMain::onSendLightSynchronize0x17Cmd()
{
    if (!m_hidInterface)
        return;
    if (m_hidInterface->queueCmdReport(DLightStreamReport::synchronize(m_lightSyncOn)) < 0)
        qCDebug(lcLighting) << "USB serial port [ Into Light Synchronous ] Failed ...";
}

int lightDealMain::sideLedCount() const
{
    const ModelInfo* model = ModelCatalogue::instance().find(QString::fromLatin1(m_hidInfo.modelName));
    return model ? model->streamSideLedCount() : ModelInfo().streamSideLedCount();
}

void lightDealMain::sendUsbLightStream()
{
    if (m_usbStreamBusy)
        return;
    m_usbStreamBusy = true;
    const QVector<QColor> keys(m_keyColors.begin(), m_keyColors.end());
    const QVector<QByteArray> keyPackets = DLightStreamReport::packetPayloads(keys);
    for (int packet = 0; packet < keyPackets.size(); ++packet)
        sendUsbStreamReport(DLightStreamReport::kKeyPart, packet, keyPackets[packet]);
    // The side part always goes, as long as the model's side bar, so the
    // keyboard takes the frame whole; LEDs past the picture's go black.
    const int count = sideLedCount();
    QVector<QColor> side(count, QColor(Qt::black));
    std::copy_n(m_sideColors.begin(), std::min(count, kMaxSideLights), side.begin());
    const QVector<QByteArray> sidePackets = DLightStreamReport::packetPayloads(side);
    for (int packet = 0; packet < sidePackets.size(); ++packet)
        sendUsbStreamReport(DLightStreamReport::kSidePart, packet, sidePackets[packet]);
    m_usbStreamBusy = false;
}

void lightDealMain::sendUsbStreamReport(int part, int packet, const QByteArray& bytes)
{
    if (m_usbReportBusy || !m_lightSyncOn)
        return;
    m_usbReportBusy = true;
    if (m_hidInterface && m_hidInterface->queueStreamReport(DLightStreamReport::streamPacket(part, packet, bytes)) < 0)
        qCDebug(lcLighting) << "USB serial port [Write keyboard Color] Failed ... USB";
    m_usbReportBusy = false;
}

void lightDealMain::send24GLightFrame()
{
    const uint16_t stamp = DLightStreamReport::stamp(QDateTime::currentMSecsSinceEpoch());
    const QVector<int> keyData = keyboardFrameData();
    const int sideEffect = m_hasSideLight ? m_sideColorInfo.ledType : -1;
    const DReportFrame report
        = DLightStreamReport::receiverFrame(stamp, m_keyboardColorInfo.ledType, keyData, sideEffect, sideFrameData());
    if (m_hidInterface && m_hidInterface->queueCmdReport(report) < 0)
        qCDebug(lcLighting) << "USB serial port [Write keyboard Color] Failed ... 2.4G";
}

QVector<int> lightDealMain::keyboardFrameData()
{
    switch (m_keyboardColorInfo.ledType) {
    case DLightEffects::kMusicalRhythm:
        return musicFrameData();
    case 0: // Static
    case 1: // Breath
    case 3: // Neon
    {
        const QColor first = m_keyColors[0];
        return {first.red(), first.green(), first.blue()};
    }
    case 6: // Reactive
    case 7: // Aurora
    case 8: // Ripple
    case 11: // Cross
    case 16: // Fireworks
    {
        if (m_interactX == -1 || m_interactY == -1)
            return {};
        // One key press is sent once.
        const QVector<int> press{m_interactX, m_interactY, m_rippleColor.red, m_rippleColor.green, m_rippleColor.blue};
        m_interactX = -1;
        m_interactY = -1;
        return press;
    }
    case kSpeedRespond:
        if (m_speedRespondLevels.isEmpty())
            return {};
        return {m_speedRespondLevels.lastKey(), m_speedRespondLevels.last()};
    case kAutoRipple: {
        if (m_keyFrame[0][0].autoRippleFlag != 1)
            return {};
        const autoRippleLightConfig config = COrvaneHid_GetCurrentAutoRippleLightConfig();
        return QVector<int>(std::begin(config.values), std::end(config.values));
    }
    default:
        return {};
    }
}

// Per band the level and the intensity of its last column: levels from
// byte 5, intensities from byte 16.
QVector<int> lightDealMain::musicFrameData() const
{
    QVector<int> data(2 * kMusicBands, 0);
    int lastColumn = -1;
    for (int band = 0; band < kMusicBands && band < m_columnsPerBand.size(); ++band) {
        if (m_columnsPerBand[band] <= 0)
            break;
        lastColumn += m_columnsPerBand[band];
        if (lastColumn >= m_columnLevels.size() || lastColumn >= m_columnIntensities.size())
            break;
        data[band] = m_columnLevels[lastColumn];
        data[kMusicBands + band] = m_columnIntensities[lastColumn];
    }
    return data;
}

QVector<int> lightDealMain::sideFrameData() const
{
    switch (m_sideColorInfo.ledType) {
    case 0: // Static
    case 1: // Breath
    case 4: // Neon
    case DLightEffects::kSideClose: {
        const QColor first = m_sideColors[0];
        return {first.red(), first.green(), first.blue()};
    }
    case kSideCollision: {
        const sideCollisionInfo collision = COrvaneHid_GetSideCollisionLightRuningConfig();
        return {collision.positionA, collision.positionB, collision.meetingPoint, collision.meeting,
                collision.segmentCount};
    }
    default:
        return {};
    }
}

int lightDealMain::keyboardFactor() const
{
    return Colouring::darkeningFactor(m_keyboardBrightnessLevels, m_keyboardBrightnessStep,
                                      m_keyboardEffectState.brightness);
}

int lightDealMain::sideFactor() const
{
    return Colouring::darkeningFactor(m_sideBrightnessLevels, m_sideBrightnessStep, m_sideEffectState.brightness);
}

namespace {

QColor darkened(const QColor& colour, int factor)
{
    return factor == 100 ? colour : colour.darker(factor);
}

} // namespace

void lightDealMain::onKeyboardFrame(const lightFrameCell* frame)
{
    if (m_keyboardEffectState.effect == DLightEffects::kCustom) {
        colourCustomFrame();
        return;
    }
    std::copy(frame, frame + DKeyGrid::kKeyCount, m_keyFrame[0].data());
    static constexpr std::array<ColouringOperation, 15> kOperations{{
        {0, &lightDealMain::colorStatic},
        {1, &lightDealMain::colorBreath},
        {2, &lightDealMain::colorWave},
        {3, &lightDealMain::colorNeon},
        {4, &lightDealMain::colorRadar},
        {5, &lightDealMain::colorSnake},
        {6, &lightDealMain::colorReactive},
        {7, &lightDealMain::colorAurora},
        {8, &lightDealMain::colorRipple},
        {9, &lightDealMain::colorTwinkle},
        {11, &lightDealMain::colorCross},
        {kSpeedRespond, &lightDealMain::colorSpeedRespond},
        {14, &lightDealMain::colorAutoRipple},
        {15, &lightDealMain::colorStriation},
        {16, &lightDealMain::colorFireworks},
    }};
    const int effect = m_keyboardColorInfo.ledType;
    for (const ColouringOperation& row : kOperations) {
        if (row.id == effect) {
            (this->*row.operation)();
            return;
        }
    }
}

void lightDealMain::onSideFrame(const lightFrameCell* frame)
{
    std::copy(frame, frame + kMaxSideLights, m_sideFrame.data());
    static constexpr std::array<ColouringOperation, 6> kOperations{{
        {0, &lightDealMain::colorSideStatic},
        {1, &lightDealMain::colorSideBreath},
        {2, &lightDealMain::colorSideWave},
        {3, &lightDealMain::colorSideCollision},
        {4, &lightDealMain::colorSideNeon},
        {DLightEffects::kSideClose, &lightDealMain::colorSideClose},
    }};
    const int effect = m_sideColorInfo.ledType;
    for (const ColouringOperation& row : kOperations) {
        if (row.id == effect) {
            (this->*row.operation)();
            return;
        }
    }
}

// The custom colours the user painted stand in the frame grid
// (writeCustomLightColors); the library's frame plays no part.
void lightDealMain::colourCustomFrame()
{
    const int factor = keyboardFactor();
    for (int row = 0; row < DKeyGrid::kRows; ++row) {
        for (int column = 0; column < DKeyGrid::kColumns; ++column) {
            const lightFrameCell& cell = m_keyFrame[size_t(row)][size_t(column)];
            if (keyboardButCustom* cap = m_keyCapGrid[size_t(row)][size_t(column)])
                cap->setLightColorBackup(QColor(cell.red, cell.green, cell.blue, 255));
            m_keyColors[size_t(row * DKeyGrid::kColumns + column)]
                = darkened(Colouring::customColour(cell.red, cell.green, cell.blue), factor);
        }
    }
}

// The painted colours are known without a frame of the generator: the
// frame made at once after a change shows (and streams) them, never the
// keys unlit.
void lightDealMain::showCustomColoursNow()
{
    if (m_keyboardEffectState.effect == DLightEffects::kCustom)
        colourCustomFrame();
}

void lightDealMain::colourKeys(int effect)
{
    const Colouring::Effect* row = Colouring::keyboardEffect(effect);
    if (!row)
        return;
    const lightEffectState& state = m_keyboardEffectState;
    const Colouring::Rule& rule = state.isFullColor ? row->fullColourOn : row->fullColourOff;
    const bool mix = Colouring::needsMix(*row, state.isFullColor);
    const int factor = row->darkened ? keyboardFactor() : 100;
    for (int r = 0; r < DKeyGrid::kRows; ++r) {
        for (int c = 0; c < DKeyGrid::kColumns; ++c) {
            const lightRgbValue mixed = mix ? COrvaneHid_lightColorMix(r, c) : lightRgbValue{0, 0, 0};
            const QColor colour
                = Colouring::colour(rule, state, m_keyFrame[size_t(r)][size_t(c)], mixed, Colouring::kKeyOpaque);
            m_keyColors[size_t(r * DKeyGrid::kColumns + c)] = darkened(colour, factor);
        }
    }
}

void lightDealMain::colourSide(int effect)
{
    const Colouring::Effect* row = Colouring::sideEffect(effect);
    if (!row)
        return;
    const lightEffectState& state = m_sideEffectState;
    const Colouring::Rule& rule = state.isFullColor ? row->fullColourOn : row->fullColourOff;
    const int factor = row->darkened ? sideFactor() : 100;
    // One colour per segment of the picture, never past the frame.
    const int count = std::min(int(m_sideValidFlags.size()), kMaxSideLights);
    for (int k = 0; k < count; ++k) {
        const QColor colour = Colouring::colour(rule, state, m_sideFrame[size_t(k)], {0, 0, 0}, Colouring::kSideOpaque);
        m_sideColors[size_t(k)] = darkened(colour, factor);
    }
}

void lightDealMain::colorStatic()
{
    colourKeys(0);
}

void lightDealMain::colorBreath()
{
    colourKeys(1);
}

void lightDealMain::colorWave()
{
    colourKeys(2);
}

void lightDealMain::colorNeon()
{
    colourKeys(3);
}

void lightDealMain::colorRadar()
{
    colourKeys(4);
}

void lightDealMain::colorSnake()
{
    colourKeys(5);
}

void lightDealMain::colorReactive()
{
    colourKeys(6);
}

void lightDealMain::colorAurora()
{
    colourKeys(7);
}

void lightDealMain::colorRipple()
{
    colourKeys(8);
}

void lightDealMain::colorTwinkle()
{
    colourKeys(9);
}

void lightDealMain::colorCross()
{
    colourKeys(11);
}

// The receiver frame carries the levels of the first column.
void lightDealMain::colorSpeedRespond()
{
    m_speedRespondLevels.clear();
    colourKeys(kSpeedRespond);
    for (int row = 0; row < DKeyGrid::kRows; ++row) {
        const lightFrameCell& cell = m_keyFrame[size_t(row)][0];
        const int intensity = Colouring::speedRespondIntensity(m_keyboardEffectState, cell);
        if (intensity > 0)
            m_speedRespondLevels.insert(cell.level, intensity);
    }
}

void lightDealMain::colorAutoRipple()
{
    colourKeys(14);
}

void lightDealMain::colorStriation()
{
    colourKeys(15);
}

void lightDealMain::colorFireworks()
{
    colourKeys(16);
}

void lightDealMain::colorSideStatic()
{
    colourSide(0);
}

void lightDealMain::colorSideBreath()
{
    colourSide(1);
}

void lightDealMain::colorSideWave()
{
    colourSide(2);
}

void lightDealMain::colorSideCollision()
{
    colourSide(3);
}

void lightDealMain::colorSideNeon()
{
    colourSide(4);
}

void lightDealMain::colorSideClose()
{
    colourSide(DLightEffects::kSideClose);
}
