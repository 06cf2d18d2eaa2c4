#pragma once

#include "hid/DKeyReportEcho.h"
#include "hid/hidStructInfoAll.h"
#include "hid/lightModeListInfo.h"
#include "sdk/include/orvanesdk_xml.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QPair>
#include <QString>

class DDeviceHidCmdSend;
class DLinkProfileStore;
class DStoreWriteThrottle;
class MainHidInterFace;

// One present keyboard: its I/O thread and command builder, its serial
// number, the start-up chain of inquiries, and every input report of the
// keyboard, which it handles on the GUI thread. The device page creates one
// per keyboard it opens.
class DDeviceKeyboardLink : public QObject
{
    Q_OBJECT

public:
    static constexpr int kProfilePathSize = 256;

    explicit DDeviceKeyboardLink(QObject* parent = nullptr);
    // Closes the keyboard and lets its thread end.
    ~DDeviceKeyboardLink() override;

    void openDevice(int threadIndex, hidStructInfoAll info);
    MainHidInterFace* hidInterface() const { return m_hidInterface; }
    bool isReady() const { return m_linkReady; }
    QString currentSN() const { return m_strCurrentSN; }
    hidStructInfoAll hidInfo() const { return m_hidInfo; }

    void setProfileIndex(int index) { m_linkProfileIndex = index; }
    void setProfilePath(const char* path);
    int profileIndex() const { return m_linkProfileIndex; }
    const char* profilePath() const { return m_linkProfilePath; }
    void setLightInfoSaved(bool saved) { m_lightInfoSaved = saved; }
    bool lightInfoSaved() const { return m_lightInfoSaved; }
    // Where the handlers read and write the profile; the profile store
    // unless another one is given. The link does not own it.
    void setProfileStore(DLinkProfileStore* store);

    void resetKeyboard();
    void checkSleepTime();
    void setSleepTime(int lightSleep, int keyboardSleep, int prohibitSleep);
    int setLockWinKeyFeatures(int f1, int f2, int f3, int f4);

    void setDongleStatusEnabled(bool enabled) { m_dongleStatusEnabled = enabled; }
    void inquireLightConfig();
    void saveLightInfoToProfile(int part);

    lightModeListInfo keyboardModes() const { return m_keyboardModes; }
    lightModeListInfo sideModes() const { return m_sideModes; }
    QList<QPair<int, int>> customizableKeys() const { return m_customizableKeys; }
    // Column to row bits of the keys the last all-keys calibration answer
    // named; the device page knows it by its second name.
    QMap<int, int> calibrationResult() const { return m_calibrationMap; }
    QMap<int, int> allKeysCalibrationMap() const { return calibrationResult(); }
    bool isLockArmed() const { return m_lockArmed; }
    // This keyboard's magnetic-switch settings as it answered the start-up
    // queries (0 until it has), and as the user set them since.
    struct MagneticSettings
    {
        int travelLevels = 0; // the travel level value of magnetic answer 4
        int antiShake = 0;
        int rateOfReturn = 0;
    };
    MagneticSettings magneticSettings() const { return m_magneticSettings; }
    void keepAntiShake(int value) { m_magneticSettings.antiShake = value; }
    void keepRateOfReturn(int value) { m_magneticSettings.rateOfReturn = value; }
    DKeyReportEcho::KeyReport echoReport() const { return m_keyEcho.echoReport(); }

    // The press/release hook of the key-report echo.
    void onKeyPressOrRelease(int reportType, int reserved, int usage, int pressed);

signals:
    void sigSendChargingStatusAndElectricity(int ChargingStatus, int Electricity, int KeyboardMode, int is24GValid,
                                             QString strCurrentSN);
    void sigDongleStatus(int is24GValid, QString strCurrentHidPath, QString strCurrentHidName);
    void sigRuningOnboardDownloadStatus(int statusNun);
    void sigTheKeyboardModeChanged(int mode);
    void sigSleepTimeSetSuccessful();
    void sigRuningOnboard0x18Cmd();
    void sigRuningOnboard0x19Cmd();
    void sigQN9080Recv0x0bCmd(int recvNum);
    void sigWaitForDataReturn_0x0d(QString strCurrentHidPath, QString strHidName);
    void sigLightConfigHaveChanged_HidSend(int hidType, int ledType);
    void sigCustomLight_ConfigHaveChanged_HidSend0x09(int hidType, int ledType, int usingCustomIndex);
    void sigCustomEventChangProfile(int changeProfileIndex);
    void sigMagneticSettingsChanged();

public slots:
    void onHidSNDataArrived(unsigned char* data, QString strHidName);
    void onHidDataArrived(unsigned char* data, int length, int threadIndex);

private:
    void dispatch(const uchar* report);
    void handleState(const uchar* report);
    void handleEffectList(const uchar* report);
    void handleLightConfig(const uchar* report);
    void storeLight(int part, const colorInfoData& info, const QByteArray& path, int profileIndex);
    void handleCustomLightSlot(const uchar* report);
    void handleCustomizableKeys(const uchar* report);
    void handleSleepTimes(const uchar* report);
    void handleTextReport(const uchar* report);
    void handleMagneticAnswer(const uchar* report);
    void handleKeyReport(const uchar* report);
    void runPcKeyFunction(const uchar* report);
    bool isMagneticModel() const;
    bool hasKeyboardModes() const;

    hidStructInfoAll m_hidInfo;
    QString m_strCurrentHidName;
    MainHidInterFace* m_hidInterface = nullptr;
    DDeviceHidCmdSend* m_cmdSend = nullptr;
    char m_linkProfilePath[kProfilePathSize] = {};
    int m_linkProfileIndex = 1;
    bool m_linkReady = false;
    QString m_strCurrentSN;
    bool m_lockArmed = false;
    DKeyReportEcho m_keyEcho;
    lightModeListInfo m_keyboardModes;
    bool m_keyboardConfigValid = false;
    lightModeListInfo m_sideModes;
    bool m_sideConfigValid = false;
    QMap<int, int> m_customizableColumns;
    QList<QPair<int, int>> m_customizableKeys;
    colorInfoData m_keyboardConfig{};
    colorInfoData m_sideConfig{};
    bool m_notifyLightChanges = false;
    int m_last24GValid = -1;
    bool m_dongleStatusEnabled = false;
    int m_lastKeyboardMode = -1;
    bool m_lightInfoSaved = false;
    QMap<int, int> m_calibrationMap;
    MagneticSettings m_magneticSettings;
    DLinkProfileStore* m_store;
    bool m_closing = false;
    // Keyboard light (0), side light (1), sleep times, custom slot shown.
    static constexpr int kSleepSave = 2;
    static constexpr int kCustomSlotSave = 3;
    DStoreWriteThrottle* m_saveThrottles[4] = {};
};
