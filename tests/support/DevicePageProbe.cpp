#include "support/DevicePageProbe.h"

#include "app/DDataManager.h"
#include "hid/DDeviceKeyboardLink.h"
#include "hid/DKeyGrid.h"
#include "ui/mainwidget/devicePage/DDeviceListItem.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/DPerformancePage.h"
#include "ui/mainwidget/devicePage/keyboardView/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/keyboardView/DVirtualKeyboardTool.h"
#include "ui/mainwidget/devicePage/keyboardView/dragShowArea.h"
#include "ui/mainwidget/devicePage/keyboardView/hidDeviceJoinFrame.h"
#include "ui/mainwidget/devicePage/lightDeal/lightDealMain.h"
#include "ui/mainwidget/devicePage/lightsConfig/DLightsConfigPage.h"
#include "ui/mainwidget/devicePage/triggerSetting/DTriggerSettingPage.h"
#include "ui/widgets/ArrowWidget.h"
#include "ui/widgets/CbNotice.h"

#include <QApplication>
#include <QButtonGroup>
#include <QFile>
#include <QFileInfo>
#include <QVBoxLayout>

DevicePageProbe::DevicePageProbe(const DDevicePage& page)
    : m_page(page)
{
}

// The page builds them with the first keyboard; a test looks at them
// with or without one.
void DevicePageProbe::buildHostedPages() const
{
    QMetaObject::invokeMethod(const_cast<DDevicePage*>(&m_page), "buildHostedPages");
}

DCustomKeysPage* DevicePageProbe::customKeysPage() const
{
    buildHostedPages();
    return m_page.findChild<DCustomKeysPage*>();
}

DLightsConfigPage* DevicePageProbe::lightsConfigPage() const
{
    buildHostedPages();
    return m_page.findChild<DLightsConfigPage*>();
}

DPerformancePage* DevicePageProbe::performancePage() const
{
    buildHostedPages();
    return m_page.findChild<DPerformancePage*>();
}

DTriggerSettingPage* DevicePageProbe::triggerSettingPage() const
{
    buildHostedPages();
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
        // The remap and key-combination pages keep their keyboard pop-ups.
        if (!bubble || bubble->findChild<DVirtualKeyboardTool*>())
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

QList<DDeviceListItem*> DevicePageProbe::rows() const
{
    return m_page.findChildren<DDeviceListItem*>();
}

QString DevicePageProbe::rowKey(const DDeviceListItem& row)
{
    const hidStructInfoAll info = row.deviceInfo();
    const QString path = QString::fromLatin1(info.hidPath);
    return path.isEmpty() ? QString::fromLatin1(info.modelName) : path;
}

DDeviceListItem* DevicePageProbe::rowOf(const QString& key) const
{
    // A row that gave way to another stays a child until the event loop
    // deletes it, but it has left the list's layout.
    const auto* layout = m_page.findChild<QVBoxLayout*>(QStringLiteral("verticalLayout_17"));
    DDeviceListItem* found = nullptr;
    for (DDeviceListItem* row : rows()) {
        if (rowKey(*row) == key && (!found || layout->indexOf(row) >= 0))
            found = row;
    }
    return found;
}

DDeviceListItem* DevicePageProbe::selectedRow() const
{
    // A hidden row shows its selection to nobody.
    DDeviceListItem* selected = nullptr;
    for (DDeviceListItem* row : rows()) {
        if (!row->isSelected() || row->isHidden())
            continue;
        if (selected)
            return nullptr;
        selected = row;
    }
    return selected;
}

MainHidInterFace* DevicePageProbe::selectedInterface() const
{
    return lightsConfigPage()->hidInterface();
}

DDeviceKeyboardLink* DevicePageProbe::selectedLink() const
{
    MainHidInterFace* selected = selectedInterface();
    if (!selected)
        return nullptr;
    for (DDeviceKeyboardLink* link : m_page.deviceLinkMap()) {
        if (link->hidInterface() == selected)
            return link;
    }
    return nullptr;
}

lightDealMain* DevicePageProbe::lightingEngine() const
{
    return m_page.findChild<lightDealMain*>();
}

int DevicePageProbe::checkedMainPage() const
{
    return m_page.findChild<QButtonGroup*>()->checkedId();
}

bool DevicePageProbe::nextEffectKeepsSelection() const
{
    picture()->selectKeysInRect(-10000, -10000, 10000, 10000);
    if (picture()->selectedKeys().isEmpty())
        return false;
    colorInfoData staticLight{};
    emit lightsConfigPage()->sigSelectCurrentLightTypeIndex_KB(0, staticLight);
    return !picture()->selectedKeys().isEmpty();
}

QString DevicePageProbe::profileFolder() const
{
    const QString file = QFile::decodeName(m_page.profilePath());
    return file.isEmpty() ? QString() : QFileInfo(file).absolutePath();
}
