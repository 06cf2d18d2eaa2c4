#include "lightDealMain.h"

lightDealMain::lightDealMain(QObject* parent)
    : QObject(parent)
{
}

void lightDealMain::setHidDeviceInfo(hidStructInfoAll info)
{
    m_hidInfo = info;
}

void lightDealMain::setHidInterface(MainHidInterFace* hidInterface)
{
    m_hidInterface = hidInterface;
}

void lightDealMain::setLightCapability(lightModeListInfo keyboard, lightModeListInfo side)
{
    m_keyboardModes = std::move(keyboard);
    m_sideModes = std::move(side);
}
