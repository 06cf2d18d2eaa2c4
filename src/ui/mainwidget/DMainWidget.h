#pragma once

#include "devices/DVendorUpgradeLibrary.h"
#include "hid/hidStructInfoAll.h"
#include "sdk/include/orvanesdk_records.h"

#include <QList>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QSystemTrayIcon>
#include <QWidget>

#include <atomic>
#include <functional>
#include <list>
#include <memory>
#include <thread>

class DeviceChangeSource;
class DDevicePage;
class DUpdateFirmwareDia;
class DUpgradeReportRelay;
class DMacroPage;
class QAction;
class QMenu;
class QPushButton;
class QSettings;
class QTimer;

namespace Ui {
class DMainWidget;
}

// The application's only top-level window: frameless, dragged by its own
// title bar, resized by its borders, with a tray icon that hides and restores
// it. The device page fills the area below the title bar.
class DMainWidget : public QWidget
{
    Q_OBJECT

public:
    // Plugs and unplugs are learnt from `deviceChangeSource`, which the
    // caller chooses (the system's, or the simulated bus's); a source
    // without a parent becomes the window's. Without one the window hears
    // of none.
    explicit DMainWidget(DeviceChangeSource* deviceChangeSource = nullptr, QWidget* parent = nullptr);
    ~DMainWidget() override;

    // Printed on standard output at the first paint when the environment has
    // ORVANE_REPORT_EXPOSED, so a start-up benchmark can time the window.
    static constexpr const char* kExposedMarker = "orvane: main window exposed";

    // The one main window, or null before it exists.
    static DMainWidget* instance();

    // Called for every mouse move anywhere in the application, with the
    // event's global position; only the cursor changes.
    void updateEdgeCursor(int x, int y);

    // Puts the window away to the tray; without a tray it is minimised, so it
    // stays reachable from the task bar.
    void hideToTray();

    DDevicePage* devicePage() const { return m_devicePage; }
    bool hasTrayIcon() const { return m_trayIcon != nullptr; }
    bool isDeviceListShown() const { return m_deviceListShown; }
    int resizeEdge() const { return m_resizeEdge; }
    QString userIniPath() const { return m_userIniPath; }

    // What the device library's start-up left: null and empty when it did
    // not start.
    const std::list<hidSupportInfo>* supportList() const { return m_supportList.get(); }
    const char* macroFilePath() const { return m_macroFilePath; }
    const char* seniorKeyFilePath() const { return m_seniorKeyFilePath; }

    // The dimming overlay of the dialog opened last; null before the first
    // and once that dialog is gone.
    QWidget* overlay() const { return m_overlay; }
    // Whether the automatic firmware check is waiting for its turn.
    bool isFirmwareCheckPending() const;

    // Rebuilds the list of keyboards whose firmware the program can upgrade;
    // false when there is none. Otherwise the upgrade window opens at once
    // (openNow 1) or a second later over its own overlay (openNow 0).
    // Kept with the rest of the firmware upgrade in ui/firmware/.
    bool collectUpgradeableDevices(int openNow);
    bool checkDeviceFirmware(const hidStructInfoAll& record);

    // The open upgrade window and its overlay, or null.
    DUpdateFirmwareDia* upgradeWindow() const;
    QWidget* upgradeOverlay() const { return m_upgradeOverlay; }
    QList<hidStructInfoAll> upgradeList() const { return m_upgradeList; }
    // Where an upgrade route sends its reports, from any thread.
    DUpgradeReportRelay* upgradeReportRelay() const { return m_upgradeRelay; }
    // Whether an upgrade request waits for its route's outcome.
    bool isUpgradePending() const { return m_upgradeRequested; }
    // Whether an upgrade worker is writing an image now.
    bool isUpgradeWorkerRunning() const { return m_upgradeWorker.joinable(); }

signals:
    void sigHidDeviceConnectChanging_Into(QString hidPath);
    void sigHidDeviceConnectChanging_Remove(QString hidPath);

public slots:
    void iconActivated(QSystemTrayIcon::ActivationReason reason);

private slots:
    void onMinApp();
    void onQuitApp();
    void onReturnHidLikeName(QString productName, QString likeName);
    void omUpdataAllUI();
    void onChangAppTheme(int themeIndex);
    void onShowMacroPage();
    void onMacroPageClose();
    void onShowSeniorKeysPage();
    void on_pushButton_Setting_clicked();
    void onFirmwareUpgradeCheck();
    void onUpdateApp();
    void onHaveCheckUpgradeFirmwareNUC();
    void ontheHidIntoFirmwareUpgradeWait();
    void onClickCtrlHidListStatusBut();
    void on_pushButton_Close_clicked();
    void on_pushButton_Max_clicked();
    void on_pushButton_Min_clicked();
    void onHidDeviceConnectChanging_Into(QString hidPath);
    void onHidDeviceConnectChanging_Remove(QString hidPath);
    void ontheHidIntoFirmwareUpgrade();
    void onUpdateFirmwareWindowOpen();
    void onUpdateFirmwareWindowClose();
    void onStartHidUpgrade(QString strHidPath, QString strSn, QString strHidName, int hidUsbOrDongle);
    // Every device-change notice of the source comes here first.
    void onDeviceChangeNotice(int changeType, const QString& devicePath);
    void onDeviceChangesSettled();
    void onBootloaderWaitExpired();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void readDefaultsFile();
    void applyStartupSettings();
    void createTray();
    void retranslateTray();
    void placeListToggleButton();
    void setListToggleLook(bool listShown);
    // The theme's look on this window's own widgets and pages; the
    // application's sheet is DAppStyle::apply's.
    void themeWindow(int themeIndex);
    QRect globalWindowRect() const;
    void quitApplication();
    void registerDeviceNotifications(DeviceChangeSource* source);
    void startDeviceLibrary();
    void handOffDeviceChange(int changeType);
    QWidget* showOverlay(QWidget* dialog);
    void showOverDialog(QWidget* dialog);
    // The upgrade routes, kept with the firmware check in ui/firmware/.
    void queryUpgradeDrive();
    // False when no matching bootloader opened.
    bool openBootloaderDevice();
    // Each tries its images in turn while the bootloader refuses them as
    // not its own, so nothing is written before the right one.
    void runVendorUpgrade(const QString& drive, const QList<QByteArray>& images);
    void runBootloaderUpgrade(int handle, const QStringList& imageNames, int usbOrDongle);
    // Brings the open upgrade window's rows to where their keyboards are,
    // and our bootloaders present into it; opens it for a bootloader when
    // it is closed.
    void followUpgradeRows();
    void offerLeftBootloaders();
    void retryBootloaderUpgrade();
    void relayVendorProgress(int percent);
    void relayBootloaderProgress(int total, int done);
    void startUpgradeWorker(std::function<void()> body);
    void joinUpgradeWorker();
    // Ends the pending request with one report.
    void finishUpgrade(bool success);
    // At quit: ends a running worker and waits for it.
    void stopUpgrade();
    friend void vendorProgressCallback(int percent);
    friend void bootloaderProgressCallback(int total, int done);

    Ui::DMainWidget* m_ui = nullptr;
    QPushButton* m_listToggleButton = nullptr;
    DDevicePage* m_devicePage = nullptr;
    bool m_deviceListShown = true;
    QPoint m_dragOffset;
    bool m_dragging = false;
    bool m_leftPressed = false;
    int m_resizeEdge = 8;
    QSystemTrayIcon* m_trayIcon = nullptr;
    QMenu* m_trayMenu = nullptr;
    QAction* m_minimizeAction = nullptr;
    QAction* m_maximizeAction = nullptr;
    QAction* m_revertAction = nullptr;
    QAction* m_quitAction = nullptr;
    QString m_titleText;
    QString m_userIniPath;
    QSettings* m_userSettings = nullptr;
    QString m_productName = QStringLiteral("HID");
    QString m_likeName = QStringLiteral("RGB");
    bool m_firstPaintDone = false;
    QPointer<QWidget> m_overlay;
    QPointer<DMacroPage> m_macroPage;
    bool m_tearingDown = false;
    QTimer* m_firmwareCheckTimer = nullptr;
    QTimer* m_deviceChangeTimer = nullptr;
    int m_settledChangeType = 0;
    QString m_settledDevicePath;

    std::unique_ptr<std::list<hidSupportInfo>> m_supportList;
    char m_macroFilePath[256] = {};
    char m_seniorKeyFilePath[256] = {};
    // The upgrade entry points; all null when the device library did not start.
    DVendorUpgradeLibrary::EntryPoints m_upgradeEntryPoints;

    QList<hidStructInfoAll> m_upgradeList;
    QString m_newFirmwareVersion;
    int m_openUpgradeWindowNow = 0;
    QPointer<DUpdateFirmwareDia> m_upgradeWindow;
    QPointer<QWidget> m_upgradeOverlay;
    // Set by Update, cleared when the route has reported or the window
    // opens or closes: only then does a bootloader get written.
    bool m_upgradeRequested = false;
    DUpgradeReportRelay* m_upgradeRelay = nullptr;
    int m_upgradeRetryCount = 0;
    QString m_upgradeModelName;
    int m_upgradeUsbOrDongle = 0;
    // The images the keyboard being upgraded may take, in the order to try.
    QStringList m_upgradeImageNames;
    QString m_upgradeDrive;
    // The bootloader a worker writes; 0 when none is open. Closed from the
    // GUI thread only to stop a worker at quit.
    std::atomic<int> m_bootloaderHandle{0};
    QTimer* m_bootloaderWaitTimer = nullptr;
    // The vendor route's pause before its slot search; stopped with the
    // request, so it never starts the search of a later one.
    QTimer* m_vendorSearchTimer = nullptr;
    std::thread m_upgradeWorker;
};
