#include "support/DevicePageProbe.h"

#include "app/DDataManager.h"
#include "hid/DKeyGrid.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/DPerformancePage.h"
#include "ui/mainwidget/devicePage/keyboardView/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/keyboardView/dragShowArea.h"
#include "ui/mainwidget/devicePage/keyboardView/hidDeviceJoinFrame.h"
#include "ui/mainwidget/devicePage/lightsConfig/DLightsConfigPage.h"
#include "ui/mainwidget/devicePage/triggerSetting/DTriggerSettingPage.h"
#include "ui/widgets/ArrowWidget.h"
#include "ui/widgets/CbNotice.h"

#include <QApplication>

DevicePageProbe::DevicePageProbe(const DDevicePage& page)
    : m_page(page)
{
}

DCustomKeysPage* DevicePageProbe::customKeysPage() const
{
    return m_page.findChild<DCustomKeysPage*>();
}

DLightsConfigPage* DevicePageProbe::lightsConfigPage() const
{
    return m_page.findChild<DLightsConfigPage*>();
}

DPerformancePage* DevicePageProbe::performancePage() const
{
    return m_page.findChild<DPerformancePage*>();
}

DTriggerSettingPage* DevicePageProbe::triggerSettingPage() const
{
    return m_page.findChild<DTriggerSettingPage*>();
}

hidDeviceJoinFrame* DevicePageProbe::picture() const
{
    return m_page.findChild<hidDeviceJoinFrame*>();
}

QWidget* DevicePageProbe::pictureContainer() const
{
    return m_page.findChild<QWidget*>(QStringLiteral("pictureContainer"));
}

dragShowArea* DevicePageProbe::dragOverlay() const
{
    return m_page.findChild<dragShowArea*>();
}

CbNotice* DevicePageProbe::toast() const
{
    // The page's own notice; the hosted pages may keep notices of theirs.
    return m_page.findChild<CbNotice*>(QString(), Qt::FindDirectChildrenOnly);
}

ArrowWidget* DevicePageProbe::toolTipBubble() const
{
    ArrowWidget* found = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* bubble = qobject_cast<ArrowWidget*>(window);
        if (!bubble)
            continue;
        if (found)
            return nullptr;
        found = bubble;
    }
    return found;
}

keyboardButCustom* DevicePageProbe::keyCapAt(int row, int column) const
{
    // The loaded picture lists its caps row by row.
    return DDataManager::getInstance()->keyButtonList().value(row * DKeyGrid::kColumns + column);
}
