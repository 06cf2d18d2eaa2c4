#pragma once

#include "lightModeListInfo.h"
#include "mainwidget/devicePage/hidStructInfoAll.h"

#include <QObject>

class MainHidInterFace;

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

    hidStructInfoAll hidDeviceInfo() const { return m_hidInfo; }
    MainHidInterFace* hidInterface() const { return m_hidInterface; }
    lightModeListInfo keyboardCapability() const { return m_keyboardModes; }
    lightModeListInfo sideCapability() const { return m_sideModes; }

private:
    hidStructInfoAll m_hidInfo;
    MainHidInterFace* m_hidInterface = nullptr;
    lightModeListInfo m_keyboardModes;
    lightModeListInfo m_sideModes;
};
