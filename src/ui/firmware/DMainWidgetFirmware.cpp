// DMainWidget: the firmware check and the upgrade window it opens.
#include "ui/mainwidget/DMainWidget.h"

#include "devices/DFirmwareCheck.h"
#include "ui/firmware/DUpdateFirmwareDia.h"
#include "ui/firmware/DUpgradeReportRelay.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"

#include <QDebug>
#include <QTimer>

namespace {

constexpr int kAutomaticWindowDelayMs = 1000;

} // namespace

DUpdateFirmwareDia* DMainWidget::upgradeWindow() const
{
    return m_upgradeWindow;
}

bool DMainWidget::checkDeviceFirmware(const hidStructInfoAll& record)
{
    QString version;
    if (!DFirmwareCheck(m_upgradeEntryPoints).checkDeviceFirmware(record, &version))
        return false;
    m_newFirmwareVersion = version;
    return true;
}

bool DMainWidget::collectUpgradeableDevices(int openNow)
{
    m_upgradeList = DFirmwareCheck(m_upgradeEntryPoints).collect(m_devicePage->deviceInfoMap());
    if (m_upgradeList.isEmpty())
        return false;
    m_newFirmwareVersion = QString::fromLatin1(m_upgradeList.last().newFirmwareVersion);
    m_openUpgradeWindowNow = openNow;
    if (openNow != 0)
        onUpdateFirmwareWindowOpen();
    else
        QTimer::singleShot(kAutomaticWindowDelayMs, this, &DMainWidget::onUpdateFirmwareWindowOpen);
    return true;
}

void DMainWidget::onUpdateFirmwareWindowOpen()
{
    if (m_upgradeWindow)
        return;
    m_upgradeRequested = false;

    auto* overlay = new QWidget(this, Qt::FramelessWindowHint);
    overlay->resize(size());
    overlay->setObjectName(QStringLiteral("widget"));
    overlay->setStyleSheet(QStringLiteral("#widget {background-color:rgba(10, 10, 10, 100);}"));
    overlay->setAttribute(Qt::WA_StyledBackground, true);
    m_upgradeOverlay = overlay;
    // The settings dialog's check opens over the dialog's own overlay.
    if (m_openUpgradeWindowNow == 0)
        overlay->show();

    auto* window = new DUpdateFirmwareDia(this);
    m_upgradeWindow = window;
    m_upgradeRelay->setWindow(window);
    window->setDeviceList(m_upgradeList, m_devicePage->deviceLinkMap());
    connect(window, &DUpdateFirmwareDia::sigUpdateFirmwareWindowClose, this, &DMainWidget::onUpdateFirmwareWindowClose);
    connect(window, &DUpdateFirmwareDia::sigStartHidUpgrade, this, &DMainWidget::onStartHidUpgrade);
    window->move(x() + (width() - window->width()) / 2, y() + (height() - window->height()) / 2);
    window->setWindowModality(Qt::WindowModal);
    window->show();
}

void DMainWidget::onUpdateFirmwareWindowClose()
{
    if (m_upgradeOverlay) {
        m_upgradeOverlay->hide();
        m_upgradeOverlay->deleteLater();
    }
    // The window deletes itself once its close has returned; from here on
    // the relay drops what an upgrade still reports.
    m_upgradeWindow = nullptr;
    m_upgradeRelay->setWindow(nullptr);
}

void DMainWidget::onStartHidUpgrade(QString strHidPath, QString strSn, QString strHidName, int hidUsbOrDongle)
{
    m_upgradeRequested = true;
    qDebug() << "Firmware upgrade requested:" << strHidName << strHidPath << strSn << "receiver:" << hidUsbOrDongle;
    // No upgrade route is in this build: the request fails at once, so the
    // window gives the row back instead of waiting for progress that never
    // comes.
    qDebug() << "Firmware upgrade not available in this build";
    m_upgradeRequested = false;
    m_upgradeRelay->reportFailure();
}
