#pragma once

#include "hid/DKeyGrid.h"
#include "hid/hidStructInfoAll.h"
#include "profiles/DProfileOperations.h"
#include "sdk/include/orvanesdk_xml.h"

#include <array>

#include <QMap>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QWidget>

class ArrowWidget;
class dragShowArea;
class CbNotice;
class DCustomKeysPage;
class DDeviceKeyboardLink;
class DDeviceListItem;
class DKeyBitmap;
class DLightsConfigPage;
class DOnboardDownload;
class DPerformancePage;
class DShownTimer;
class DReportFrame;
class DTriggerSettingPage;
class MainHidInterFace;
class QButtonGroup;
class QMessageBox;
class hidDeviceJoinFrame;
class keyboardButCustom;
class QTimer;
class QVBoxLayout;
class lightDealMain;

namespace Ui {
class DDevicePage;
}

// The main working area: the device list on the left, and the selected
// keyboard with the configuration pages it hosts on the right. It keeps
// the records, rows and links of every keyboard it knows.
class DDevicePage : public QWidget
{
    Q_OBJECT

public:
    // Links get this long each to answer before the list goes on.
    static constexpr int kLinkReadyWaitMs = 1300;
    static constexpr int kLoadListDelayMs = 200;
    // How long a sleep-time report gets to be acknowledged.
    static constexpr int kSleepTimeAckWaitMs = 1400;
    // The list's scroll bar takes the theme this long after the rest.

    explicit DDevicePage(QWidget* parent = nullptr);
    ~DDevicePage() override;

    void retranslate();
    void setTheme();
    void stopLightThreadsIfRunning();
    void setDeviceListVisible(bool visible);
    // Copies, for the firmware upgrade, which works on every keyboard present.
    QMap<QString, DDeviceKeyboardLink*> deviceLinkMap() const { return m_deviceLinkMap; }
    QMap<QString, hidStructInfoAll> deviceInfoMap() const { return m_deviceInfoMap; }
    // The links the page keeps: those of the keyboards present and those of
    // pulled-out ones not yet ended.
    int linkCount() const { return m_deviceLinkMap.size() + m_removedLinks.size(); }
    void showToolButtonTip(unsigned index);
    // Hands the current profile to the hosted pages and the selected
    // keyboard's link.
    void setCurrentProfile(int index, const char* path);
    int profileIndex() const { return m_profileIndex; }
    const char* profilePath() const { return m_profilePath; }
    QPoint tipShowPoint() const;

    // How long a selected keyboard's link gets to learn its serial number
    // before its profiles wait for it.
    static constexpr int kLinkSerialWaitMs = 1500;
    int currentLayer() const { return m_currentLayer; }

signals:
    void sigShowMacroPage();
    void sigShowSeniorKeysPage();
    void sigReturnHidLikeName(QString productName, QString likeName);
    void sigMacroListHaveChangedSendToDevice(QString strMacroIndex, QString strMacroName);
    void sigHaveCheckUpgradeFirmwareNUC();
    void sigIntoOrRemoveHidOver();
    // A keyboard came, went, or went on or off line behind its receiver.
    void sigDeviceListChanged();

public slots:
    void onLoadDeviceList();
    // Hot plug: 11 a keyboard arrived, 12 one went; the page enumerates
    // again and brings its list to the keyboards present. Any other value
    // only puts the rows in order. The path text is not used.
    void onHidDeviceChanged(int changeType, QString hidPath);
    void onHidItemMouseClicked(hidStructInfoAll hidStuInfo);
    void onUpdateDeviceListShow();
    // The macro editor closed: the key page's hook goes back to what the
    // keyboard's light effect needs, and the key marks follow bindings the
    // editor removed with a macro.
    void onMacroPageClose();

    // Page and link signals. Those that count towards a running wait only
    // count when they come from the selected keyboard.
    void onEveryPageBackTip(QString strTip);
    void onRuningOnboard0x19Cmd();
    void onRuningOnboard0x18Cmd();
    void onRuningOnboardDownloadStatus(int statusNum);
    void onSleepTimeSetSuccessful();
    void onCustomEventChangProfile(int changeProfileIndex);
    void onQN9080Recv0x0bCmd(int recvNum);
    void onSendChargingStatusAndElectricity(int chargingStatus, int electricity, int keyboardMode, int is24GValid,
                                            QString strCurrentSN);
    void onDongleStatus(int is24GValid, QString strCurrentHidPath, QString strCurrentHidName);
    void onWaitForDataReturn_0x0d(QString strCurrentHidPath, QString strHidName);
    void onLightConfigHaveChanged_HidSend(int hidType, int ledType);
    void onCustomLight_ConfigHaveChanged_HidSend0x09(int hidType, int ledType, int usingCustomIndex);
    void onTheKeyboardModeChanged(int mode);
    void onMagneticSettingsChanged();

    void onDefaultLayerAndFnLayerSwitch(int pageIndex);
    void onTheKeyboardIntoDownloading();
    void onAutoIntoCustomKeysPage();
    void onInteractLightsPointXY(int indexX, int indexY);
    void onSelectCurrentLightTypeIndex_KB(int lightIndex, colorInfoData info);
    void onSelectCurrentLightTypeIndex_Side(int lightIndex, colorInfoData info);
    void onLightConfigHaveChanged(int lightConfigChangedFrom, colorInfoData info);
    void onCustomLightItemHaveChanged(int flagIndex, QString strCustomLightIndex, QString strCustomLightName);
    void onLightConfigHaveChanged_Custom(int lightConfigChangedFrom, colorInfoData info);
    void onResetoreCurrentProfile();
    void onLightAndKeyboardSleepTime(int lightSleep, int keyboardSleep, int prohibitSleep);
    void onLockWinKeyAbout(int winKey, int shiftTab, int altTab, int altF4);
    void onMagnetsKeysApplyConfig(int selectMode, int strengthLeft, int strengthRight, int quickTriggerLeft,
                                  int quickTriggerRight);
    void onMagnetsKeyboardDefaultSensitivity();
    void onKeyAntiShakeCurrentNum(int value);
    void onKeyRateOfReturnCurrentNum(int value);
    void onCalibrationMode(int selMode);
    void onKeyCalibrationStartRuning();
    void onAllKeysCalibrationMode(int selMode);

    void onLickActivited(QString link);
    void onCurIndexChangedMainPage(int index);
    void onTimerChangingBatteryNum();
    void onMacroListHaveChangedSendToDevice(QString strMacroIndex, QString strMacroName);
    void onQueryDynamicDisplaySensitivityNum(int indexX, int indexY);
    void onTheMagneticKeyboardCalibrationPoint(int keyPointX, int keyPointY);
    void onTheMagneticKeyboardCalibrationStatusBack(int keyCalibrationStatus);
    void onMagneticKeyboardAllKeysCalibrationStatusBack(int keyCalibrationStatus);

    void onProfileCreate();
    void onProfileDelete();
    void onProfileExport();
    void onProfileImport();
    void onProfileModifyName();
    void onCloseMenuWidow();
    void on_pushButton_ProfileOperate_clicked();
    void on_pushButton_Save_clicked();
    void on_pushButton_Cancel_clicked();
    void on_comboBox_profileList_currentIndexChanged(QString text);
    void on_pushButton_Reset_clicked();

    // The picture's selection overlay.
    void onDragArea_SelectKeys(int startX, int startY, int endX, int endY);
    void onDragShowAreaMouseMovePoint(int moveX, int moveY);
    void onDragAreaMousePressOrRelease(bool isMousePress);
    void onDragAreaMoveOneKey(bool isSelectedOneKey);
    void onTheDragAreaHaveChanged(int operateType, int selectedStatus, int indexX, int indexY);
    void on_toolButton_MacroDialog_clicked();
    void on_toolButton_SeniorKey_clicked();
    void on_pushButton_MoreBig_clicked();
    void on_pushButton_MoreSmall_clicked();
    void on_pushButton_ChangModeTest_clicked();

private slots:
    // Builds the hosted pages unless they are there.
    void buildHostedPages();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // How often ending the removed links is tried again while a wait runs.
    static constexpr int kRemovedLinkRetryMs = 200;
    void endRemovedLinks();
    // The pages of the configuration stack, by the id of the tool button
    // that shows each (also what the picture is told the current page is).
    enum MainPage {
        NoMainPage = -1,
        KeysPage = 0,
        LightsPage = 1,
        PerformancePage = 2,
        TriggerPage = 4,
    };

    // The hosted pages, built on first use (see the constructor).
    DCustomKeysPage* customKeysPage();
    DLightsConfigPage* lightsConfigPage();
    DPerformancePage* performancePage();
    DTriggerSettingPage* triggerSettingPage();
    void createHostedPages();
    void themeHostedPages();
    void openDeviceLink(hidStructInfoAll info);
    void addArrivedDevice(hidStructInfoAll info, int presentCount);
    void removeGoneDevice(const QString& path);
    void reorderDeviceRows(bool afterRemoval);
    // Empties the list's layout (the rows themselves stay) and sets its spacing.
    void resetDeviceListLayout();
    DDeviceListItem* addDeviceRow();
    bool hasSelectedKeyboard() const;
    // The "device not connected" page, and no keyboard's name in the title.
    void showNoDevicePage();
    // Forgets the selected keyboard's row, link and I/O thread, with the
    // picture's colours and the lighting engine stopped.
    void dropSelection();
    // The same for a keyboard that is gone or unusable: the key hook and the
    // lighting pages let go of it too.
    void releaseSelectedKeyboard();
    // After the selected keyboard left: the first other one that can be
    // used, or the no-device page.
    void selectAnotherKeyboard();
    bool isReturningKeyboard(const hidStructInfoAll& info) const;
    void loadSelectedDevice(hidStructInfoAll info);
    // Profiles of the selected keyboard: its file set, the current layer
    // file and profile.
    void openProfileFileSet(hidStructInfoAll record);
    void loadCurrentProfile();
    void refreshProfileList();
    void refreshKeyMarks();
    // False when the selected scheme could not be stored.
    bool saveCurrentCustomLight();
    // The lighting engine's life with the loaded keyboard.
    void startLighting();
    void stopLighting();
    void setCompanyLinkText();
    QWidget* themeTarget(const QString& objectName) const;
    void showTip(const QString& text);
    // The link that sent the signal being handled, when it is the selected one.
    bool senderIsCurrentLink() const;
    // The trigger page reads the selected keyboard's magnetic-switch
    // settings from the data manager.
    void publishMagneticSettings();
    int toolButtonIndex(QObject* watched) const;
    DProfileLightDefaults lightDefaults() const;
    DProfileOperations profileOperations() const;
    void showProfileResult(DProfileOperations::Result result);
    // Tells the user about profile files the store had to set aside.
    void showRecoveryNotes();
    // A message about the keyboard's files, shown whole until closed.
    void showStoreMessage(const QString& text);
    // Opens the profile set once the selected keyboard's link has its
    // serial number, after a load that had to go on without it.
    void retryPendingProfileLoad();
    void zoomPicture(bool zoomIn);

    // Magnetic-switch requests go to the selected keyboard only.
    enum class MagneticSend { NoKeyboard, Refused, Queued };
    MagneticSend queueMagneticReport(const DReportFrame& report);
    // "Operate successful" for a queued request, "Operate failed" for a
    // refused one, nothing without a keyboard.
    void showOperateResult(MagneticSend sent);
    DKeyBitmap selectedKeyBitmap() const;
    // The overlay's band and hover reach the picture on the trigger page and
    // while the lighting page paints custom colours.
    bool isDragSelectionOn() const;
    // The trigger page's picture: the overlay above the caps, keys selected
    // by band or click, no light colours.
    void enterTriggerSelectionState();
    // The caps take the clicks; during all-keys calibration they cannot be
    // selected.
    void enterCalibrationState(bool allKeys);
    void setCalibrationDisplay(bool on);
    void setAllKeysCalibratedCapsMarked(bool marked);
    // Calibration belongs to the selected keyboard: when it goes, nothing
    // of it may stay behind (the page would refuse to be left), and a run
    // that was on is reported as failed.
    void resetCalibration();
    // Clears the picture's selection and lets keys be selected and dragged
    // over for custom painting, or not; the trigger page keeps its own.
    void restartCustomPainting(bool enabled);
    // Whoever took the key hook over (capture, macro recording) is done:
    // the key-press effect in use gets its key presses again.
    void restoreKeyPressHook();
    void setColorDisplay(bool on);

    Ui::DDevicePage* m_ui = nullptr;
    QString m_desktopPath;
    CbNotice* m_toast = nullptr;
    int m_currentPageIndex = NoMainPage;
    int m_currentKeyboardEffect = -1;
    bool m_colorTestMode = false;
    QString m_companyLink = QStringLiteral("https://orvane.example/");
    QVBoxLayout* m_deviceListLayout = nullptr;
    DCustomKeysPage* m_customKeysPage = nullptr;
    DLightsConfigPage* m_lightsConfigPage = nullptr;
    DPerformancePage* m_performancePage = nullptr;
    DTriggerSettingPage* m_triggerSettingPage = nullptr;
    bool m_refreshingDevices = false;
    // A notice came while the list was being loaded or refreshed.
    bool m_refreshPending = false;
    bool m_selectingDevice = false;
    lightDealMain* m_lightDeal = nullptr;
    ArrowWidget* m_toolTipBubble = nullptr;
    QButtonGroup* m_mainButtonGroup = nullptr;
    hidDeviceJoinFrame* m_keyboardPicture = nullptr;
    dragShowArea* m_dragShowArea = nullptr;
    char m_profilePath[256] = {};
    int m_profileIndex = 1;
    hidStructInfoAll m_currentDeviceInfo;
    QString m_profileFolder;
    int m_currentLayer = 0;
    QString m_currentSN;
    // The selected keyboard left for its bootloader: when a keyboard of its
    // model and connection comes back, it is selected again.
    QString m_returningModel;
    int m_returningIs24G = -1;
    bool m_profileLoadPending = false;
    QTimer* m_profileRetryTimer = nullptr;
    bool m_firstLoad = true;
    QWidget* m_pictureContainer = nullptr;
    float m_pictureScale = 1.0f;
    // The keyboard slot of the custom scheme the lighting page last showed.
    int m_customLightIndex = -1;
    DKeyGrid::Of<keyboardButCustom*> m_keyCapGrid{};
    // The key chosen for single-key calibration; -1 while none is.
    int m_calibrationKeyRow = -1;
    int m_calibrationKeyColumn = -1;
    // Calibrations this page started and whose outcome it waits for.
    bool m_keyCalibrationRunning = false;
    bool m_allKeysCalibrationRunning = false;
    // The caps the last all-keys answer reported calibrated.
    QList<keyboardButCustom*> m_allKeysCalibratedCaps;

    QMap<QString, hidStructInfoAll> m_deviceInfoMap;
    QMap<QString, int> m_receiverStateMap;
    QMap<QString, DDeviceListItem*> m_deviceRowMap;
    QMap<QString, DDeviceKeyboardLink*> m_deviceLinkMap;
    // Links of keyboards that were pulled out: never used again, kept only
    // until no caller that may still hold one is on the stack.
    QList<DDeviceKeyboardLink*> m_removedLinks;
    DDeviceListItem* m_selectedRow = nullptr;
    DDeviceKeyboardLink* m_currentLink = nullptr;
    MainHidInterFace* m_currentHidInterface = nullptr;
    int m_linkCounter = 0;

    DOnboardDownload* m_onboardDownload = nullptr;
    bool m_sleepTimeAcked = false;
    DShownTimer* m_batteryTimer = nullptr;
    int m_batteryStep = 0;
};
