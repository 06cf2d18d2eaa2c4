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

void lightDealMain::initMusicRhythm(int layoutNumber, int bandCount, double minHz, double maxHz)
{
    m_musicLayoutNumber = layoutNumber;
    m_musicBandCount = bandCount;
    m_musicMinHz = minHz;
    m_musicMaxHz = maxHz;
}

void lightDealMain::setLightThreadsRunning(bool running)
{
    m_keyboardLightRunning = running;
    m_sideLightRunning = running;
}
