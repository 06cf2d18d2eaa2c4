#pragma once

#include "app/DThemeRoles.h"
#include "app/themeColorData.h"
#include "app/winMessageTypes.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>

class keyboardButCustom;
class keySelectFrame;
struct keyOperateInfo;

// The state the pages share: settings paths and start-up flags, the active
// theme and fonts, the selected keyboard's profile paths, the selected key,
// the key-picture maps and the magnetic-switch values. GUI thread only;
// reach it through getInstance() every time instead of keeping the pointer.
class DDataManager : public QObject
{
    Q_OBJECT

public:
    static constexpr int kPathBufferSize = 256;

    static DDataManager* getInstance();

    // The program uses getInstance(); tests build their own managers, with
    // a defaults file of their choosing.
    explicit DDataManager(const QString& defaultsFile = defaultConfigFile());
    ~DDataManager() override;

    static QString defaultConfigFile();
    static QString userConfigFileName();
    // "<data folder>/UserConfig/OrvaneConfig.ini", known without a manager
    // (the crash notice must not create one).
    static QString userSettingsPath();

    void logStartBanner() const;
    static QString applicationDirPath();
    QString dataDir() const { return m_dataDir; }
    QString userConfigDir() const { return m_userConfigDir; }
    int softKeyboardLayoutCode(const QString& layoutName) const;
    QColor customKeyMarkColor() const;

    // Themes and fonts.
    themeColorData themeColors() const { return m_themeColors; }
    // Every colour role of the loaded theme (its base colours, its own
    // "ThemeRoles" group, the rest derived).
    const DThemeRoles& themeRoles() const { return m_themeRoles; }
    QFont getFont(int which) const;
    void loadTheme(int themeIndex);
    QString normalizeThemeColor(const QString& value) const;
    void buildBoldFont();
    void buildNormalFont();
    static QString themeFilePath(int themeIndex, bool userConfig);

    // 8-bit paths for the profile store. A setter refuses a path that does not
    // fit the 256-byte buffers its callers hand to the copiers, and keeps the
    // previous one.
    bool setCurrentProfilePath(const char* path);
    void copyCurrentProfilePath(char* out) const;
    bool setMacroFilePath(const char* path);
    void copyMacroFilePath(char* out) const;
    bool setMagneticProfilePath(const char* path);
    void copyMagneticProfilePath(char* out) const;
    bool setSeniorKeyFilePath(const char* path);
    void copySeniorKeyFilePath(char* out) const;

    int currentProfileIndex() const { return m_currentProfileIndex; }
    void setCurrentProfileIndex(int index) { m_currentProfileIndex = index; }
    void setUseLocalFont(bool use) { m_useLocalFont = use; }
    bool isUserConfig() const { return m_userConfig; }
    bool bgImageIsUsing() const { return m_bgImageIsUsing; }
    void setBgImageIsUsing(bool inUse) { m_bgImageIsUsing = inUse; }
    bool appVersionChanged() const { return m_appVersionChanged; }
    bool lightSynchronize() const { return m_lightSynchronize; }
    QMap<int, QString> keyNameMap() const { return m_keyNameMap; }
    void setKeyNameMap(const QMap<int, QString>& map) { m_keyNameMap = map; }
    QMap<int, int> virtualKeyToHidMap() const { return m_virtualKeyToHidMap; }
    void setVirtualKeyToHidMap(const QMap<int, int>& map) { m_virtualKeyToHidMap = map; }
    QMap<int, keyboardButCustom*> keyButtonMap() const { return m_keyButtonMap; }
    void setKeyButtonMap(const QMap<int, keyboardButCustom*>& map) { m_keyButtonMap = map; }
    QList<keyboardButCustom*> keyButtonList() const { return m_keyButtonList; }
    void setKeyButtonList(const QList<keyboardButCustom*>& list) { m_keyButtonList = list; }
    // The getter shares the class's name, hence the elaborated type names.
    class keySelectFrame* keySelectFrame() const { return m_keySelectFrame; }
    void setKeySelectFrame(class keySelectFrame* frame) { m_keySelectFrame = frame; }
    int hidDeviceType() const { return m_hidDeviceType; }
    void setHidDeviceType(int type) { m_hidDeviceType = type; }
    bool hasSpecialEnterKey() const { return m_hasSpecialEnterKey; }
    void setHasSpecialEnterKey(bool has) { m_hasSpecialEnterKey = has; }
    int currentKeyCode() const { return m_currentKeyCode; }
    QString currentKeyChar() const { return m_currentKeyChar; }
    QString keyFunctionDetailText() const { return m_keyFunctionDetailText; }
    // The hover tip's category for a key's stored function; the detail line
    // goes to keyFunctionDetailText().
    QString keyFunctionTypeName(keyOperateInfo info);
    void setMacroRecordHookRunning(bool running) { m_macroRecordHookRunning = running; }
    int keyTravelMaxLevel() const { return m_keyTravelMaxLevel; }
    void setKeyTravelMaxLevel(int level) { m_keyTravelMaxLevel = level; }
    int keyAntiShake() const { return m_keyAntiShake; }
    void setKeyAntiShake(int value) { m_keyAntiShake = value; }
    int rateOfReturn() const { return m_rateOfReturn; }
    void setRateOfReturn(int value) { m_rateOfReturn = value; }
    bool isMagneticKeyboard() const { return m_magneticKeyboard; }
    void setMagneticKeyboard(bool magnetic) { m_magneticKeyboard = magnetic; }
    bool isDefaultLayerSelected() const { return m_defaultLayerSelected; }
    void setDefaultLayerSelected(bool selected) { m_defaultLayerSelected = selected; }
    bool isCalibrating() const { return m_calibrating; }
    void setCalibrating(bool calibrating) { m_calibrating = calibrating; }
    int prohibitSleep() const { return m_prohibitSleep; }
    void setProhibitSleep(int status) { m_prohibitSleep = status; }
    QString currentDeviceName() const { return m_currentDeviceName; }
    void setCurrentDeviceName(const QString& name) { m_currentDeviceName = name; }
    bool simpleDeviceListMode() const { return m_simpleDeviceListMode; }
    bool hasSideLight() const { return m_hasSideLight; }
    void setHasSideLight(bool has) { m_hasSideLight = has; }

    // Key selection.
    void setCurrentKey(int keyCode, const QString& keyChar);
    void clearCurrentKey();

    // Relays between objects that do not know each other.
    bool switchMacroRecordHook(bool isStartHook);
    void relayMacroKeyboardEvent(int keyCode, int scCode, int flag, int hookFlag);
    void relayMacroMouseEvent(int nCode, WPARAM wParam, LPARAM lParam);
    void relaySensitivityValue(int indexX, int indexY, int sensitivityNum);
    void querySensitivity(int source, int indexX, int indexY);
    void relaySensitivityInfo(int type, int pressNum, int releaseNum, int QuickTriggerPressNum,
                              int QuickTriggerReleaseNum);
    void relayCalibrationPoint(int keyPointX, int keyPointY);
    void relayCalibrationStatus(int keyCalibrationStatus);
    void relayAllKeysCalibrationStatus(int keyCalibrationStatus);
    void notifySeniorKeysListChanged();

signals:
    void sigKeyButtonClickedReturnKeyCodeAndKeyChar(int keyCode, QString strChar);
    void sigDeviceListHaveChanged();
    void sigHookRuningStrtusCtrl_MacroRecord(bool isStartHook);
    void sigRecviveStreamEX_MacroKeyboard(int keyCode, int scCode, int flag, int hookFlag);
    void sigRecviveStreamEX_MacroMouse(int nCode, WPARAM wParam, LPARAM lParam);
    void sigBackDynamicDisplaySensitivityNum(int indexX, int indexY, int sensitivityNum);
    void sigQueryDynamicDisplaySensitivityNum(int indexX, int indexY);
    void sigQueryDynamicDisplaySensitivityNum_MouseEnter_BackInfo(int type, int pressNum, int releaseNum);
    void sigQueryDynamicDisplaySensitivityNum_MouseClicked_BackInfo(int type, int pressNum, int releaseNum,
                                                                    int QuickTriggerPressNum,
                                                                    int QuickTriggerReleaseNum);
    void sigTheMagneticKeyboardCalibrationPoint(int keyPointX, int keyPointY);
    void sigTheMagneticKeyboardCalibrationStatusBack(int keyCalibrationStatus);
    void sigMagneticKeyboardAllKeysCalibrationStatusBack(int keyCalibrationStatus);
    void sigSeniorKeysListItemHaveChanged();

private:
    static bool storePath(char* buffer, const char* path);

    QString m_dataDir;
    QString m_userConfigDir;
    bool m_useLocalFont = true;
    QFont m_boldFont;
    QFont m_normalFont;
    QFont m_defaultFont;
    themeColorData m_themeColors;
    DThemeRoles m_themeRoles;
    char* m_currentProfilePath = nullptr;
    int m_currentProfileIndex = 1;
    char* m_macroFilePath = nullptr;
    char* m_magneticProfilePath = nullptr;
    char* m_seniorKeyFilePath = nullptr;
    bool m_userConfig = false;
    bool m_bgImageIsUsing = false;
    bool m_appVersionChanged = false;
    bool m_lightSynchronize = false;
    QMap<int, QString> m_keyNameMap;
    QMap<int, int> m_virtualKeyToHidMap;
    QMap<int, keyboardButCustom*> m_keyButtonMap;
    QList<keyboardButCustom*> m_keyButtonList;
    class keySelectFrame* m_keySelectFrame = nullptr;
    int m_hidDeviceType = 1;
    int m_currentKeyCode = -1;
    QString m_currentKeyChar;
    QString m_keyFunctionDetailText;
    bool m_macroRecordHookRunning = false;
    int m_keyTravelMaxLevel = 0;
    int m_keyAntiShake = 0;
    int m_rateOfReturn = 0;
    bool m_magneticKeyboard = false;
    bool m_defaultLayerSelected = false;
    bool m_calibrating = false;
    int m_prohibitSleep = 0;
    QString m_currentDeviceName;
    bool m_simpleDeviceListMode = true;
    bool m_hasSideLight = false;
    int m_sensitivityQuerySource = -1;
    bool m_hasSpecialEnterKey = false;
};
