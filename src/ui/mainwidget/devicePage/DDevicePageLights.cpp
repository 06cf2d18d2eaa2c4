// The device page between the lighting page, the picture and the keyboard
// for custom light schemes: painting selected keys, showing the scheme
// chosen on the lighting page, and following the keyboard when it switches
// to a custom scheme itself.
#include "ui/mainwidget/devicePage/DDevicePage.h"

#include "app/DDataManager.h"
#include "app/logCategories.h"
#include "hid/DDeviceKeyboardLink.h"
#include "ui/mainwidget/devicePage/keyboardView/dragShowArea.h"
#include "ui/mainwidget/devicePage/keyboardView/hidDeviceJoinFrame.h"
#include "ui/mainwidget/devicePage/keyboardView/keySelectFrame.h"
#include "ui/mainwidget/devicePage/keyboardView/keyboardButCustom.h"
#include "ui/mainwidget/devicePage/lightDeal/lightDealMain.h"
#include "ui/mainwidget/devicePage/lightsConfig/DLightsConfigPage.h"

#include <QDebug>
#include <QtGlobal>

#include <list>

namespace {

// Store and profile values are plain ints; anything outside a channel's
// range must not make an invalid colour.
QColor opaque(int red, int green, int blue)
{
    return QColor(qBound(0, red, 255), qBound(0, green, 255), qBound(0, blue, 255));
}

void paint(keyboardButCustom* cap, const QColor& colour)
{
    cap->setLightColor(colour);
    cap->setLightColorBackup(colour);
}

} // namespace

void DDevicePage::restartCustomPainting(bool enabled)
{
    // The trigger page uses the same selection for its own purpose.
    if (m_currentPageIndex == TriggerPage)
        return;
    if (m_keyboardPicture)
        m_keyboardPicture->selectKeysInRect(0, 0, 0, 0);
    if (m_dragShowArea)
        m_dragShowArea->setDragEnabled(enabled);
    if (keySelectFrame* frame = DDataManager::getInstance()->keySelectFrame())
        frame->setKeysSelectEnabled(enabled);
}

void DDevicePage::onLightConfigHaveChanged_Custom(int lightConfigChangedFrom, colorInfoData info)
{
    Q_UNUSED(lightConfigChangedFrom)
    if (m_keyboardPicture) {
        const QColor colour = opaque(info.topRed, info.topGreen, info.topBlue);
        for (keyboardButCustom* cap : m_keyboardPicture->selectedKeys())
            paint(cap, colour);
    }
    m_lightDeal->writeCustomLightColors(1, m_customLightIndex);
    const bool stored = saveCurrentCustomLight();
    const bool sent = lightsConfigPage()->resendCustomLight();
    if (!stored || !sent)
        lightsConfigPage()->tellFailure();
}

void DDevicePage::onCustomLightItemHaveChanged(int flagIndex, QString strCustomLightIndex, QString strCustomLightName)
{
    Q_UNUSED(strCustomLightName)
    const lightDealMain::KeyCapGrid& grid = m_lightDeal->keyCapGrid();
    const QColor black(0, 0, 0);
    for (const auto& row : grid) {
        for (keyboardButCustom* cap : row) {
            if (cap)
                paint(cap, black);
        }
    }
    std::list<customLightDataItem> items;
    COrvaneXML_ProFileCustomLightInfoSelectAll(m_profilePath, QByteArray::number(m_profileIndex).constData(),
                                               strCustomLightIndex.toUtf8().constData(), &items);
    for (const customLightDataItem& item : items) {
        if (item.row < 0 || item.row >= int(grid.size()) || item.column < 0 || item.column >= int(grid[0].size()))
            continue;
        if (keyboardButCustom* cap = grid[size_t(item.row)][size_t(item.column)])
            paint(cap, opaque(item.red, item.green, item.blue));
    }
    m_customLightIndex = flagIndex;
    m_lightDeal->writeCustomLightColors(0, flagIndex);
}

void DDevicePage::onCustomLight_ConfigHaveChanged_HidSend0x09(int hidType, int ledType, int usingCustomIndex)
{
    // Another keyboard's scheme means nothing for the profile shown here.
    if (!senderIsCurrentLink())
        return;
    // The keyboard has two custom slots; anything else would send the
    // scheme's colours to a slot that does not exist.
    if (usingCustomIndex != 0 && usingCustomIndex != 1) {
        qCDebug(lcLighting) << "The keyboard reported custom light slot" << usingCustomIndex
                            << "which it does not have; ignored";
        return;
    }
    restartCustomPainting(true);
    lightsConfigPage()->applyDeviceCustomLightChange(hidType, ledType, usingCustomIndex);
}
