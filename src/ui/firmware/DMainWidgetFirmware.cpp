// DMainWidget: the firmware check, the upgrade window it opens, and the two
// upgrade routes that write an image into a keyboard.
#include "ui/mainwidget/DMainWidget.h"

#include "app/logCategories.h"
#include "devices/DBootloaderIdentity.h"
#include "devices/DFirmwareCheck.h"
#include "devices/DUpgradeDriveSearch.h"
#include "hid/DDeviceKeyboardLink.h"
#include "hid/MainHidInterFace.h"
#include "sdk/include/orvanesdk_firmware.h"
#include "sdk/include/orvanesdk_hid.h"
#include "sdk/models/ModelCatalogue.h"
#include "ui/firmware/DUpdateFirmwareDia.h"
#include "ui/firmware/DUpgradeReportRelay.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"

#include <QDebug>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

namespace {

constexpr int kAutomaticWindowDelayMs = 1000;
// The keyboard has this long after Update to come back as its bootloader.
constexpr int kBootloaderWaitMs = 15000;
// The vendor route's pause before the slot search, for the keyboard to
// switch into its upgrade mode; a timer, so the window keeps painting.
constexpr int kVendorSearchDelayMs = 2000;
constexpr int kMaxRetries = 3;
// What the call is given as length and flags; the image decides the length.
constexpr int kBootloaderLength = 0x40000;
// The upgrade calls' answer for an image the bootloader is not for (another
// model or connection); it comes before anything is written.
constexpr int kImageNotForDevice = -9;

// The main window whose worker runs: the libraries' progress callbacks
// carry no context. Set before a worker starts, cleared once it is joined
// at quit.
std::atomic<DMainWidget*> g_upgradingWidget{nullptr};

} // namespace

void vendorProgressCallback(int percent)
{
    if (DMainWidget* widget = g_upgradingWidget.load())
        widget->relayVendorProgress(percent);
}

void bootloaderProgressCallback(int total, int done)
{
    if (DMainWidget* widget = g_upgradingWidget.load())
        widget->relayBootloaderProgress(total, done);
}

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
    // A keyboard left in its bootloader (an upgrade broken off, the window
    // closed, the program started again) is offered too: it cannot type
    // until it is written.
    const DFirmwareCheck check(m_upgradeEntryPoints);
    m_upgradeList = check.collect(m_devicePage->deviceInfoMap()) + check.presentBootloaders();
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
    // the relay drops what an upgrade still reports, and a bootloader that
    // arrives is left alone.
    m_upgradeWindow = nullptr;
    m_upgradeRelay->setWindow(nullptr);
    m_upgradeRequested = false;
    m_bootloaderWaitTimer->stop();
    m_vendorSearchTimer->stop();
}

void DMainWidget::followUpgradeRows()
{
    const QList<hidStructInfoAll> bootloaders = DFirmwareCheck(m_upgradeEntryPoints).presentBootloaders();
    if (m_upgradeWindow) {
        m_upgradeWindow->followDevices(m_devicePage->deviceInfoMap(), m_devicePage->deviceLinkMap(), bootloaders);
        return;
    }
    // Opened by itself, as for a keyboard found upgradeable, unless it is
    // about to open anyway.
    if (!bootloaders.isEmpty() && !m_firmwareCheckTimer->isActive())
        collectUpgradeableDevices(0);
}

void DMainWidget::offerLeftBootloaders()
{
    // The window was closed while the worker wrote: a keyboard the write
    // left in its bootloader brings it back.
    if (!m_upgradeWindow && !m_upgradeWorker.joinable())
        followUpgradeRows();
}

void DMainWidget::onStartHidUpgrade(QString strHidPath, QString strSn, QString strHidName, int hidUsbOrDongle)
{
    qCDebug(lcFirmware) << "Firmware upgrade requested:" << strHidName << strHidPath << strSn
                        << "receiver:" << hidUsbOrDongle;
    // One upgrade at a time; the row that asked gets its answer at once.
    if (m_upgradeRequested || m_upgradeWorker.joinable()) {
        qCDebug(lcFirmware) << "Firmware upgrade still running; request refused";
        m_upgradeRelay->reportFailure();
        return;
    }
    m_upgradeRequested = true;
    m_upgradeRetryCount = 0;

    // The image for this keyboard and its connection; a keyboard already in
    // its bootloader may take either connection's.
    const bool inBootloader = DBootloaderIdentity::isCatalogueUpgradeMode(strHidPath);
    m_upgradeImageNames = DFirmwareCheck::imageCandidates(strHidName, hidUsbOrDongle != 0, inBootloader);
    const ModelInfo* model = ModelCatalogue::instance().find(strHidName);
    if (!model || !model->isUpgradeable() || m_upgradeImageNames.isEmpty()) {
        qCDebug(lcFirmware) << "No firmware image for" << strHidName;
        finishUpgrade(false);
        return;
    }
    m_upgradeModelName = strHidName;
    m_upgradeUsbOrDongle = hidUsbOrDongle;

    if (model->firmwareFamily == ModelInfo::FirmwareFamily::Vendor) {
        // A bootloader already there needs no time to switch.
        m_vendorSearchTimer->start(inBootloader ? 0 : kVendorSearchDelayMs);
        return;
    }

    // A bootloader already there (a keyboard left in it by a failed upgrade)
    // is written at once.
    if (!DBootloaderIdentity::presentPaths(m_upgradeModelName).empty() && openBootloaderDevice())
        return;
    const DDeviceKeyboardLink* link = m_devicePage->deviceLinkMap().value(strHidPath);
    if (!link || !link->hidInterface() || !link->hidInterface()->isOpen()) {
        qCDebug(lcFirmware) << "Keyboard not reachable; it cannot enter its bootloader";
        finishUpgrade(false);
        return;
    }
    m_bootloaderWaitTimer->start(kBootloaderWaitMs);
}

void DMainWidget::onBootloaderWaitExpired()
{
    if (!m_upgradeRequested || m_upgradeWorker.joinable())
        return;
    qCDebug(lcFirmware) << "No bootloader of" << m_upgradeModelName << "arrived in time";
    finishUpgrade(false);
}

void DMainWidget::ontheHidIntoFirmwareUpgrade()
{
    // Only a bootloader asked for is written: one that arrives by itself,
    // or after the window closed, is left alone.
    if (m_upgradeWorker.joinable()) {
        qCDebug(lcFirmware) << "HID bootloader arrived while an upgrade writes; left alone";
        return;
    }
    if (!m_upgradeRequested || m_upgradeModelName.isEmpty()) {
        // Not written unasked: it gets a row, and Update writes it.
        QStringList present;
        for (const std::string& path : DBootloaderIdentity::presentPaths(QString()))
            present << QString::fromStdString(path);
        qCDebug(lcFirmware).noquote() << "HID bootloader arrived with no upgrade pending; offered:"
                                      << present.join(' ');
        followUpgradeRows();
        return;
    }
    followUpgradeRows();
    const ModelInfo* model = ModelCatalogue::instance().find(m_upgradeModelName);
    if (!model || model->firmwareFamily == ModelInfo::FirmwareFamily::Vendor)
        return;
    // Nothing that opens yet: the bootloader may still be on its way, and
    // the wait's timer ends the request if it never comes.
    openBootloaderDevice();
}

bool DMainWidget::openBootloaderDevice()
{
    int handle = 0;
    for (const std::string& path : DBootloaderIdentity::presentPaths(m_upgradeModelName)) {
        handle = COrvaneHid_OpenPath(path.c_str());
        if (handle) {
            qCDebug(lcFirmware) << "HID bootloader found:" << path.c_str();
            break;
        }
        qCDebug(lcFirmware) << "HID bootloader could not be opened:" << path.c_str();
    }
    if (!handle)
        return false;
    m_bootloaderWaitTimer->stop();
    m_bootloaderHandle = handle;
    const QStringList imageNames = m_upgradeImageNames;
    const int usbOrDongle = m_upgradeUsbOrDongle;
    startUpgradeWorker(
        [this, handle, imageNames, usbOrDongle] { runBootloaderUpgrade(handle, imageNames, usbOrDongle); });
    return true;
}

void DMainWidget::runBootloaderUpgrade(int handle, const QStringList& imageNames, int usbOrDongle)
{
    // Worker thread: it touches no widget; its outcome goes to the GUI thread.
    int result = -1;
    bool retry = false;
    for (const QString& imageName : imageNames) {
        QTemporaryDir folder;
        const QString copy = folder.filePath(imageName);
        if (!folder.isValid() || !QFile::copy(QLatin1String(DFirmwareCheck::kImageFolder) + imageName, copy)) {
            qCDebug(lcFirmware) << "Firmware image not available:" << imageName;
            retry = false;
            break;
        }
        result = COrvaneHid_FirmwareUpgrade(handle, QFile::encodeName(copy).constData(), kBootloaderLength, 0,
                                            usbOrDongle, bootloaderProgressCallback);
        retry = result != 0;
        if (result != kImageNotForDevice)
            break;
    }
    // Closed before any retry opens the next one.
    COrvaneHid_Close(handle);
    m_bootloaderHandle = 0;
    QMetaObject::invokeMethod(
        this,
        [this, result, retry] {
            joinUpgradeWorker();
            if (result == 0)
                finishUpgrade(true);
            else if (retry)
                retryBootloaderUpgrade();
            else
                finishUpgrade(false);
            offerLeftBootloaders();
        },
        Qt::QueuedConnection);
}

void DMainWidget::retryBootloaderUpgrade()
{
    if (!m_upgradeRequested)
        return;
    if (m_upgradeRetryCount >= kMaxRetries) {
        finishUpgrade(false);
        return;
    }
    ++m_upgradeRetryCount;
    qCDebug(lcFirmware) << "Firmware upgrade retry" << m_upgradeRetryCount;
    if (!openBootloaderDevice())
        finishUpgrade(false);
}

void DMainWidget::queryUpgradeDrive()
{
    if (!m_upgradeRequested)
        return;
    const auto query = reinterpret_cast<JL_queryDevicePidVidFn>(m_upgradeEntryPoints.queryDevicePidVid);
    if (!query || !m_upgradeEntryPoints.upgradeDevice || !m_upgradeEntryPoints.loadUfwData) {
        finishUpgrade(false);
        return;
    }
    const DUpgradeDriveSearch::Outcome outcome = DUpgradeDriveSearch::run([query](int letter) {
        char pid[16] = {};
        char vid[8] = {};
        return query(letter, pid, int(sizeof pid), vid, int(sizeof vid));
    });
    m_upgradeDrive = outcome.drive;
    if (!outcome.found) {
        qCDebug(lcFirmware).noquote() << "JL m_queryDevicePidVid()  csErrorText:"
                                      << DUpgradeDriveSearch::errorText(outcome.lastCode, false);
        finishUpgrade(false);
        return;
    }
    QList<QByteArray> images;
    for (const QString& name : qAsConst(m_upgradeImageNames)) {
        QFile file(QLatin1String(DFirmwareCheck::kImageFolder) + name);
        images << (file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
    }
    const QString drive = m_upgradeDrive;
    startUpgradeWorker([this, drive, images] { runVendorUpgrade(drive, images); });
}

void DMainWidget::runVendorUpgrade(const QString& drive, const QList<QByteArray>& images)
{
    // Worker thread. The library writes the image it holds: this keyboard's,
    // loaded right here, whatever the check loaded last.
    const auto load = reinterpret_cast<JL_loadUfwDataFn>(m_upgradeEntryPoints.loadUfwData);
    const auto upgrade = reinterpret_cast<JL_upgradeDeviceFn>(m_upgradeEntryPoints.upgradeDevice);
    int result = kImageNotForDevice;
    for (const QByteArray& image : images) {
        if (image.isEmpty() || load(reinterpret_cast<const unsigned char*>(image.constData()), image.size()) != 0)
            break;
        result = upgrade(drive.at(0).toLatin1(), 1, 1, vendorProgressCallback);
        if (result != kImageNotForDevice)
            break;
    }
    if (result != 0)
        qCDebug(lcFirmware).noquote() << "JL m_upgradeDevice()  csErrorText:"
                                      << DUpgradeDriveSearch::errorText(result, true);
    QMetaObject::invokeMethod(
        this,
        [this, result] {
            joinUpgradeWorker();
            finishUpgrade(result == 0);
            offerLeftBootloaders();
        },
        Qt::QueuedConnection);
}

// Worker thread: the relay takes reports from any thread.
void DMainWidget::relayVendorProgress(int percent)
{
    m_upgradeRelay->reportProgress(100, percent);
}

void DMainWidget::relayBootloaderProgress(int total, int done)
{
    m_upgradeRelay->reportProgress(total, done);
}

void DMainWidget::startUpgradeWorker(std::function<void()> body)
{
    joinUpgradeWorker();
    g_upgradingWidget = this;
    m_upgradeWorker = std::thread(std::move(body));
}

void DMainWidget::joinUpgradeWorker()
{
    if (m_upgradeWorker.joinable())
        m_upgradeWorker.join();
}

void DMainWidget::stopUpgrade()
{
    // At quit: a worker inside a write ends on the closed device within one
    // answer's wait, and is joined.
    m_upgradeRequested = false;
    if (const int handle = m_bootloaderHandle.load())
        COrvaneHid_Close(handle);
    joinUpgradeWorker();
    g_upgradingWidget = nullptr;
}

void DMainWidget::finishUpgrade(bool success)
{
    m_bootloaderWaitTimer->stop();
    m_vendorSearchTimer->stop();
    const bool pending = m_upgradeRequested;
    m_upgradeRequested = false;
    m_upgradeModelName.clear();
    if (!pending)
        return;
    qCDebug(lcFirmware) << (success ? "Firmware upgrade succeeded" : "Firmware upgrade failed");
    if (success)
        m_upgradeRelay->reportSuccess();
    else
        m_upgradeRelay->reportFailure();
}
