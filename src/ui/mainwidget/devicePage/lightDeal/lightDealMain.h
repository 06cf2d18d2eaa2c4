#pragma once

#include "hid/DKeyGrid.h"
#include "hid/hidStructInfoAll.h"
#include "hid/lightModeListInfo.h"
#include "sdk/include/orvanesdk_light.h"
#include "ui/mainwidget/devicePage/lightDeal/lightEffectState.h"

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QObject>

#include <array>
#include <list>

class MainHidInterFace;
class keyboardButCustom;
class sideLightButtonCustom;

// The lighting engine of the selected keyboard: it keeps the chosen keyboard
// and side settings, hands them to the library's effect generator, keeps the
// custom key colours in its frame grid (uploading them to a keyboard behind
// the receiver) and the key presses the receiver frame carries.
class lightDealMain : public QObject
{
    Q_OBJECT

public:
    explicit lightDealMain(QObject* parent = nullptr);

    void setHidDeviceInfo(hidStructInfoAll info);
    void setHidInterface(MainHidInterFace* hidInterface);
    void setLightCapability(lightCapabilityInfo keyboard, lightCapabilityInfo side);

    // The key caps of the picture the effects are painted on.
    using KeyCapGrid = DKeyGrid::Of<keyboardButCustom*>;
    void setKeyCapGrid(const KeyCapGrid& grid) { m_keyCapGrid = grid; }
    void setSideLightButtons(const QList<sideLightButtonCustom*>& buttons) { m_sideLightButtons = buttons; }
    void initMusicRhythm(int layoutNumber, int bandCount, double minHz, double maxHz);
    // So far the effects are not computed: these keep the engine's state
    // for the device page, which starts and stops it.
    void loadProfileLight() { ++m_profileLightLoads; }
    void setUiUpdateEnabled(bool enabled) { m_uiUpdateEnabled = enabled; }
    void setLightThreadsRunning(bool running);
    void setLightSynchronize(bool on) { m_lightSynchronize = on; }
    void setKeyboardColorInfo(colorInfoData info);
    void keyboardColorInfoChanged(colorInfoData info);
    void setSideColorInfo(colorInfoData info);
    void sideColorInfoChanged(colorInfoData info);
    // mode 0: a scheme was chosen; mode 1: colours were painted into scheme
    // `index` (-1: none in use).
    void writeCustomLightColors(int mode, int index);
    void setInteractLightsPoint(int indexX, int indexY);

    bool isKeyboardLightRunning() const { return m_keyboardLightRunning; }
    bool isSideLightRunning() const { return m_sideLightRunning; }
    bool isUiUpdateEnabled() const { return m_uiUpdateEnabled; }
    bool isLightSynchronizing() const { return m_lightSynchronize; }
    int profileLightLoads() const { return m_profileLightLoads; }
    const KeyCapGrid& keyCapGrid() const { return m_keyCapGrid; }
    QList<sideLightButtonCustom*> sideLightButtons() const { return m_sideLightButtons; }
    int musicLayoutNumber() const { return m_musicLayoutNumber; }

    hidStructInfoAll hidDeviceInfo() const { return m_hidInfo; }
    MainHidInterFace* hidInterface() const { return m_hidInterface; }
    lightCapabilityInfo keyboardCapability() const { return m_keyboardModes; }
    lightCapabilityInfo sideCapability() const { return m_sideModes; }

    colorInfoData keyboardColorInfo() const { return m_keyboardColorInfo; }
    colorInfoData sideColorInfo() const { return m_sideColorInfo; }
    lightEffectState keyboardEffectState() const { return m_keyboardEffectState; }
    lightEffectState sideEffectState() const { return m_sideEffectState; }
    bool hasSideLight() const { return m_hasSideLight; }
    // The intervals the effect tickers run at.
    int keyboardTickInterval() const { return m_keyboardTickInterval; }
    int sideTickInterval() const { return m_sideTickInterval; }
    lightFrameCell keyFrameCell(int row, int column) const { return m_keyFrame[row][column]; }
    QColor keyColor(int index) const { return m_keyColors[index]; }
    QColor sideColor(int index) const { return m_sideColors[index]; }
    int interactX() const { return m_interactX; }
    int interactY() const { return m_interactY; }
    lightRgbValue rippleColor() const { return m_rippleColor; }

    static constexpr int kMaxSideLights = 60;
    // Custom colours uploaded by the engine always go to this slot.
    static constexpr int kEngineCustomSlot = 2;

private:
    void refreshEffectState(int part);
    void pushKeyboardColorInfo();
    void pushSideColorInfo();
    void clearKeyColors();
    void clearSideColors();
    void sendCustomLedReport(int slot, int packet, const QByteArray& bytes);

    hidStructInfoAll m_hidInfo;
    MainHidInterFace* m_hidInterface = nullptr;
    lightCapabilityInfo m_keyboardModes;
    lightCapabilityInfo m_sideModes;
    KeyCapGrid m_keyCapGrid{};
    QList<sideLightButtonCustom*> m_sideLightButtons;
    int m_musicLayoutNumber = 0;
    int m_musicBandCount = 0;
    double m_musicMinHz = 0.0;
    double m_musicMaxHz = 0.0;
    int m_profileLightLoads = 0;
    bool m_uiUpdateEnabled = false;
    bool m_keyboardLightRunning = false;
    bool m_sideLightRunning = false;
    bool m_lightSynchronize = false;

    bool m_hasSideLight = false;
    int m_keyboardSpeedMax = 0;
    int m_sideSpeedMax = 0;
    int m_keyboardTickInterval;
    int m_sideTickInterval;
    colorInfoData m_keyboardColorInfo{};
    lightEffectState m_keyboardEffectState;
    colorInfoData m_sideColorInfo{};
    lightEffectState m_sideEffectState;
    std::list<int> m_sideValidFlags;
    std::array<QColor, DKeyGrid::kKeyCount> m_keyColors;
    std::array<QColor, kMaxSideLights> m_sideColors;
    DKeyGrid::Of<lightFrameCell> m_keyFrame{};
    int m_interactX = -1;
    int m_interactY = -1;
    lightRgbValue m_rippleColor{-1, -1, -1};
};
