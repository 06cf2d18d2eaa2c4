#pragma once

#include "lightModeListInfo.h"
#include "mainwidget/devicePage/hidStructInfoAll.h"

#include <QList>
#include <QObject>

#include <array>

class MainHidInterFace;
class keyboardButCustom;
class sideLightButtonCustom;

// The lighting engine of the selected keyboard. So far it holds what the
// keyboard's link learned: the keyboard's record, its I/O thread and the
// effect lists the keyboard reported.
class lightDealMain : public QObject
{
    Q_OBJECT

public:
    explicit lightDealMain(QObject* parent = nullptr);

    void setHidDeviceInfo(hidStructInfoAll info);
    void setHidInterface(MainHidInterFace* hidInterface);
    void setLightCapability(lightModeListInfo keyboard, lightModeListInfo side);

    // The key caps of the picture the effects are painted on, 6 rows of 22.
    using KeyCapGrid = std::array<std::array<keyboardButCustom*, 22>, 6>;
    void setKeyCapGrid(const KeyCapGrid& grid) { m_keyCapGrid = grid; }
    void setSideLightButtons(const QList<sideLightButtonCustom*>& buttons) { m_sideLightButtons = buttons; }
    void initMusicRhythm(int layoutNumber, int bandCount, double minHz, double maxHz);
    // So far the effects are not computed: these keep the engine's state
    // for the device page, which starts and stops it.
    void loadProfileLight() { ++m_profileLightLoads; }
    void setUiUpdateEnabled(bool enabled) { m_uiUpdateEnabled = enabled; }
    void setLightThreadsRunning(bool running);
    void setLightSynchronize(bool on) { m_lightSynchronize = on; }
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
    lightModeListInfo keyboardCapability() const { return m_keyboardModes; }
    lightModeListInfo sideCapability() const { return m_sideModes; }

private:
    hidStructInfoAll m_hidInfo;
    MainHidInterFace* m_hidInterface = nullptr;
    lightModeListInfo m_keyboardModes;
    lightModeListInfo m_sideModes;
    KeyCapGrid m_keyCapGrid {};
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
};
