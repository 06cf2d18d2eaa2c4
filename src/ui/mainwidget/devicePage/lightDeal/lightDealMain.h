#pragma once

#include "hid/DKeyGrid.h"
#include "hid/DLightStepClock.h"
#include "hid/hidStructInfoAll.h"
#include "hid/lightModeListInfo.h"
#include "sdk/include/orvanesdk_light.h"
#include "ui/mainwidget/devicePage/MusicalRhythmAbout/FrequencySpectrum.h"
#include "ui/mainwidget/devicePage/lightDeal/DMusicBars.h"
#include "ui/mainwidget/devicePage/lightDeal/lightEffectState.h"

#include <QAudioFormat>
#include <QByteArray>
#include <QColor>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QVector>

#include <array>
#include <list>
#include <memory>

class MainHidInterFace;
class keyboardButCustom;
class sideLightButtonCustom;
class sendLightUpdataThread;
class DSoundCardAudioCapture;
class SpectrumAnalyser;
class QTimer;

// The lighting engine of the selected keyboard. It keeps the chosen keyboard
// and side settings and hands them to the library's effect generator. One
// ticker thread gives the beat of the frames shown and sent (30 ms); at each
// beat, on the GUI thread, it moves both effects by the steps their speeds
// made due (DLightStepClock), colours the last frame, and shows it on the
// keyboard picture (while the preview is on) and streams it, only when it
// changed. Frames that cannot change without a new setting (Static, Custom)
// stop the beat; a new setting makes a frame at once. It also keeps the custom key colours
// in its frame grid (uploading them to a keyboard behind the receiver) and
// the key presses the receiver frame carries.
class lightDealMain : public QObject
{
    Q_OBJECT

public:
    explicit lightDealMain(QObject* parent = nullptr);
    ~lightDealMain() override;

    void setHidDeviceInfo(hidStructInfoAll info);
    void setHidInterface(MainHidInterFace* hidInterface);
    void setLightCapability(lightCapabilityInfo keyboard, lightCapabilityInfo side);

    // The key caps of the picture the effects are painted on.
    using KeyCapGrid = DKeyGrid::Of<keyboardButCustom*>;
    void setKeyCapGrid(const KeyCapGrid& grid);
    void setSideLightButtons(const QList<sideLightButtonCustom*>& buttons) { m_sideLightButtons = buttons; }
    void initMusicRhythm(int layoutNumber, int bandCount, double minHz, double maxHz);
    // Reads the current profile's keyboard and side settings and hands them
    // to the generator.
    void loadProfileLight();
    // The preview: the picture's caps and side segments take the frames
    // while it is on (the lighting page); turned on, they take the last one.
    void setUiUpdateEnabled(bool enabled);
    void setLightThreadsRunning(bool running);
    // Switches the light stream to the keyboard, its keep-alive and the
    // stream ticker on or off.
    void setLightSynchronize(bool on);
    void setKeyboardColorInfo(colorInfoData info);
    void keyboardColorInfoChanged(colorInfoData info);
    void setSideColorInfo(colorInfoData info);
    void sideColorInfoChanged(colorInfoData info);
    // mode 0: a scheme was chosen; mode 1: colours were painted into scheme
    // `index` (-1: none in use).
    void writeCustomLightColors(int mode, int index);
    void setInteractLightsPoint(int indexX, int indexY);

    // A frame of the generator, as its callbacks hand it over: 132 cells of
    // the key grid, 60 of the side bar.
    void onKeyboardFrame(const lightFrameCell* frame);
    void onSideFrame(const lightFrameCell* frame);

    bool isKeyboardLightRunning() const { return m_keyTickerRunning; }
    bool isSideLightRunning() const { return m_sideTickerRunning; }
    bool isUiUpdateEnabled() const { return m_uiUpdateEnabled; }
    bool isLightSynchronizing() const { return m_lightSyncOn; }
    const KeyCapGrid& keyCapGrid() const { return m_keyCapGrid; }
    QList<sideLightButtonCustom*> sideLightButtons() const { return m_sideLightButtons; }
    int musicLayoutNumber() const { return m_musicLayoutNumber; }
    bool isMusicRunning() const { return m_musicRunning; }
    bool isMusicCaptureRunning() const;

    hidStructInfoAll hidDeviceInfo() const { return m_hidInfo; }
    MainHidInterFace* hidInterface() const { return m_hidInterface; }
    lightCapabilityInfo keyboardCapability() const { return m_keyboardModes; }
    lightCapabilityInfo sideCapability() const { return m_sideModes; }

    colorInfoData keyboardColorInfo() const { return m_keyboardColorInfo; }
    colorInfoData sideColorInfo() const { return m_sideColorInfo; }
    lightEffectState keyboardEffectState() const { return m_keyboardEffectState; }
    lightEffectState sideEffectState() const { return m_sideEffectState; }
    bool hasSideLight() const { return m_hasSideLight; }
    // The intervals the effects step at.
    int keyboardTickInterval() const { return m_keyboardTickInterval; }
    int sideTickInterval() const { return m_sideTickInterval; }
    lightFrameCell keyFrameCell(int row, int column) const { return m_keyFrame[row][column]; }
    QColor keyColor(int index) const { return m_keyColors[index]; }
    QColor sideColor(int index) const { return m_sideColors[index]; }
    // Speed Respond's column-0 levels of the last frame: level -> intensity.
    QMap<int, int> speedRespondLevels() const { return m_speedRespondLevels; }
    int interactX() const { return m_interactX; }
    int interactY() const { return m_interactY; }
    lightRgbValue rippleColor() const { return m_rippleColor; }

    static constexpr int kMaxSideLights = 60;
    // Custom colours uploaded by the engine always go to this slot.
    static constexpr int kEngineCustomSlot = 2;

private slots:
    void onSendLightSynchronize0x17Cmd();
    // The beat.
    void onDviceUpdateAllKeyColorSendKeyboardHid();
    void onSendCaptureAudioData(QByteArray data);
    void onAudioOutputDevListChanging();
    void onMusicCaptureFailed();
    void onMusicCaptureRetry();
    void onSpectrumChanged(FrequencySpectrum spectrum);

protected:
    // The caps' window and first cap: shown again, the preview takes the
    // frame it missed while hidden.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onDviceUpdateAllKeyColor(int steps);
    void onDviceUpdateAllSideLightColor(int steps);
    void onDviceUpdateAllKeyColorUI();
    void onDviceUpdateAllSideLightColorUI();
    // Steps the effects by what is due (at least once for a change), colours
    // the last frame and publishes it.
    void renderFrame(bool changed);
    void publishFrame();
    // A setting changed: the frame goes out now, not at the next beat, and
    // the beat runs only while frames move.
    void frameNow();
    void updateBeat();
    bool framesMove() const;
    void refreshEffectState(int part);
    void pushKeyboardColorInfo();
    void pushSideColorInfo();
    void clearAllColors();
    void clearKeyColors();
    void clearSideColors();
    void sendCustomLedReport(int slot, int packet, const QByteArray& bytes);
    void sendUsbLightStream();
    void sendUsbStreamReport(int part, int packet, const QByteArray& bytes);
    void send24GLightFrame();
    QVector<int> keyboardFrameData();
    QVector<int> sideFrameData() const;
    QVector<int> musicFrameData() const;
    int sideLedCount() const;
    void startLightThreads();
    void stopLightThreads();
    void setMusicRhythmRunning(bool on);
    bool isMusicChosen() const;
    // The caps are on screen: a window shown, not minimised.
    bool isPreviewShown() const;
    void startMusicCapture();
    void blankKeyPreview();
    void prepareMusicColors();
    void renderMusicFrame();
    void colourCustomFrame();
    void showCustomColoursNow();
    int keyboardFactor() const;
    int sideFactor() const;

    // One colouring operation per effect; each applies its row of the
    // colouring table to every cell of the frame.
    void colorStatic();
    void colorBreath();
    void colorWave();
    void colorNeon();
    void colorRadar();
    void colorSnake();
    void colorReactive();
    void colorAurora();
    void colorRipple();
    void colorTwinkle();
    void colorCross();
    void colorSpeedRespond();
    void colorAutoRipple();
    void colorStriation();
    void colorFireworks();
    void colorSideStatic();
    void colorSideBreath();
    void colorSideWave();
    void colorSideCollision();
    void colorSideNeon();
    void colorSideClose();
    void colourKeys(int effect);
    void colourSide(int effect);

    hidStructInfoAll m_hidInfo;
    MainHidInterFace* m_hidInterface = nullptr;
    lightCapabilityInfo m_keyboardModes;
    lightCapabilityInfo m_sideModes;
    KeyCapGrid m_keyCapGrid{};
    QList<sideLightButtonCustom*> m_sideLightButtons;
    int m_profileIndex = 1;
    std::array<char, 256> m_profilePath{};
    int m_musicLayoutNumber = 0;
    bool m_uiUpdateEnabled = false;
    bool m_keyTickerRunning = false;
    // The page stopped the lighting: no effect runs, the music capture
    // included, until it starts the lighting again.
    bool m_lightingStopped = false;
    QPointer<QWidget> m_previewWatched;
    QPointer<QWidget> m_previewWindow;
    bool m_sideTickerRunning = false;
    QTimer* m_syncTimer;
    bool m_lightSyncOn = false;
    bool m_usbStreamBusy = false;
    bool m_usbReportBusy = false;
    sendLightUpdataThread* m_frameBeat;
    DLightStepClock m_stepClock;
    // The colours last shown and sent: a beat that made the same frame again
    // has nothing to show or send.
    std::array<QColor, DKeyGrid::kKeyCount> m_publishedKeyColors;
    std::array<QColor, kMaxSideLights> m_publishedSideColors;
    bool m_framePublished = false;

    bool m_hasSideLight = false;
    int m_keyboardSpeedMax = 0;
    int m_sideSpeedMax = 0;
    int m_keyboardTickInterval;
    int m_sideTickInterval;
    QMap<int, int> m_keyboardBrightnessLevels;
    QMap<int, int> m_sideBrightnessLevels;
    int m_keyboardBrightnessStep = 22;
    int m_sideBrightnessStep = 22;
    colorInfoData m_keyboardColorInfo{};
    lightEffectState m_keyboardEffectState;
    colorInfoData m_sideColorInfo{};
    lightEffectState m_sideEffectState;
    std::list<int> m_sideValidFlags;
    std::array<QColor, DKeyGrid::kKeyCount> m_keyColors;
    std::array<QColor, kMaxSideLights> m_sideColors;
    DKeyGrid::Of<lightFrameCell> m_keyFrame{};
    std::array<lightFrameCell, kMaxSideLights> m_sideFrame{};
    QMap<int, int> m_speedRespondLevels;
    int m_interactX = -1;
    int m_interactY = -1;
    lightRgbValue m_rippleColor{-1, -1, -1};

    DSoundCardAudioCapture* m_capture;
    SpectrumAnalyser* m_analyser;
    QTimer* m_outputWatchTimer;
    // A capture that failed (no sound server, or it went away) is tried
    // again while the music effect stays chosen, less often each time.
    QTimer* m_captureRetryTimer;
    int m_captureRetryMs = 0;
    QString m_outputDeviceName;
    bool m_musicRunning = false;
    QByteArray m_captureBuffer;
    QAudioFormat m_analysisFormat;
    // Counts the arrivals that find a full block waiting; one in ten is
    // analysed. The program has one engine, so this is its only count.
    int m_analysisGate = 0;
    DMusicBars m_musicBars;
    FrequencySpectrum m_lastSpectrum;
    // The music bars by column, as the music effect computes them: empty
    // until it has.
    QList<int> m_columnsPerBand;
    QList<int> m_columnLevels;
    QList<int> m_columnIntensities;
};

// The engine the library's frame callbacks reach.
extern lightDealMain* lightEngine;
void keyboardFrameCallback(const lightFrameCell* frame);
void sideFrameCallback(const lightFrameCell* frame);
