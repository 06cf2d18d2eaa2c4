#include "ui/mainwidget/devicePage/lightDeal/lightDealMain.h"

#include "hid/MainHidInterFace.h"
#include "hid/reports/DCustomLightReport.h"
#include "ui/mainwidget/devicePage/keyboardView/keyboardButCustom.h"
#include "ui/mainwidget/devicePage/lightDeal/DLightTickInterval.h"

#include <QDebug>
#include <QVector>

namespace {
// The device record carries four support values; the generator's fifth one
// has no source in it, so it gets a fixed 0.
constexpr int kSupportValue4 = 0;
} // namespace

lightDealMain::lightDealMain(QObject* parent)
    : QObject(parent)
    , m_keyboardTickInterval(DLightTickInterval::kKeyboardDefaultMs)
    , m_sideTickInterval(DLightTickInterval::kSideDefaultMs)
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

void lightDealMain::setLightCapability(lightCapabilityInfo keyboard, lightCapabilityInfo side)
{
    m_hasSideLight = !side.lightTypeList.isEmpty();
    m_keyboardSpeedMax = keyboard.speedMax;
    m_sideSpeedMax = side.speedMax;
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

void lightDealMain::setKeyboardColorInfo(colorInfoData info)
{
    m_keyboardColorInfo = info;
    refreshEffectState(0);
    pushKeyboardColorInfo();
}

void lightDealMain::keyboardColorInfoChanged(colorInfoData info)
{
    m_keyboardColorInfo = info;
    clearKeyColors();
    refreshEffectState(0);
    COrvaneHid_SetKeyboardColorInfoDataStuHaveChanged(info);
}

void lightDealMain::setSideColorInfo(colorInfoData info)
{
    m_sideColorInfo = info;
    refreshEffectState(1);
    pushSideColorInfo();
}

void lightDealMain::sideColorInfoChanged(colorInfoData info)
{
    m_sideColorInfo = info;
    clearSideColors();
    refreshEffectState(1);
    COrvaneHid_SetSideColorInfoDataStuHaveChanged(info);
}

void lightDealMain::refreshEffectState(int part)
{
    if (part == 0) {
        m_keyboardEffectState = lightEffectState::fromColorInfo(m_keyboardColorInfo);
        m_keyboardTickInterval = DLightTickInterval::keyboard(m_keyboardSpeedMax, m_keyboardColorInfo.ledSpeed);
        return;
    }
    if (part == 1 && m_hasSideLight) {
        m_sideEffectState = lightEffectState::fromColorInfo(m_sideColorInfo);
        m_sideTickInterval = DLightTickInterval::side(m_sideSpeedMax, m_sideColorInfo.ledSpeed);
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
    // Over USB the light stream carries these colours; the receiver link has
    // no stream, so the keyboard keeps them itself.
    const bool upload = m_hidInfo.is24G == 1 && (mode == 0 || (mode == 1 && index == -1));
    if (!upload)
        return;
    if (!m_hidInterface) {
        qDebug() << "USB serial port [Write custom-Led] Failed ... no keyboard interface";
        return;
    }
    const QVector<QByteArray> packets = DCustomLightReport::packetPayloads(colours);
    for (int packet = 0; packet < packets.size(); ++packet)
        sendCustomLedReport(kEngineCustomSlot, packet, packets[packet]);
}

void lightDealMain::sendCustomLedReport(int slot, int packet, const QByteArray& bytes)
{
    if (!m_hidInterface || m_hidInterface->queueCmdReport(DCustomLightReport::build(slot, packet, bytes)) < 0)
        qDebug() << "USB serial port [Write custom-Led] Failed ...";
}

void lightDealMain::setInteractLightsPoint(int indexX, int indexY)
{
    if (m_hidInfo.is24G != 1)
        return;
    m_interactX = indexX;
    m_interactY = indexY;
    m_rippleColor = COrvaneHid_GetCurrentRippleLightColor();
}
