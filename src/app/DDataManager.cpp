#include "app/DDataManager.h"

#include "app/DKeyFunctionDescriber.h"
#include "app/DUserSettingsKeys.h"
#include "app/logCategories.h"
#include "platform/include/FontSubstitutes.h"
#include "sdk/include/StoreFileChecks.h"
#include "sdk/include/orvanesdk_xml.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>

#include <cstring>

namespace {
constexpr const char* kFallbackAppVersion = "V_1.00.00";
constexpr int kThemeCount = 5;
constexpr int kUserThemeIndex = 4;

constexpr const char* kThemeFiles[kThemeCount] = {
    ":/images/StyleQss/BlackThemeConfig.ini", ":/images/StyleQss/LightThemeConfig.ini",
    ":/images/StyleQss/BlueThemeConfig.ini",  ":/images/StyleQss/PinkThemeConfig.ini",
    ":/images/StyleQss/OtherThemeConfig.ini",
};

char* newPathBuffer()
{
    char* buffer = new char[DDataManager::kPathBufferSize];
    buffer[0] = '\0';
    return buffer;
}

void copyPath(char* out, const char* buffer)
{
    if (out)
        std::memcpy(out, buffer, std::strlen(buffer) + 1);
}
} // namespace

DDataManager* DDataManager::getInstance()
{
    static DDataManager* instance = new DDataManager();
    return instance;
}

QString DDataManager::defaultConfigFile()
{
    return DUserSettingsKeys::kDefaultsFile;
}

QString DDataManager::userConfigFileName()
{
    return QLatin1Char('/') + DUserSettingsKeys::kUserFileName;
}

QString DDataManager::userSettingsPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QLatin1Char('/')
           + DUserSettingsKeys::kUserFolderName + userConfigFileName();
}

DDataManager::DDataManager(const QString& defaultsFile)
    : m_currentProfilePath(newPathBuffer())
    , m_macroFilePath(newPathBuffer())
    , m_magneticProfilePath(newPathBuffer())
    , m_seniorKeyFilePath(newPathBuffer())
    , m_keyFunctionDetailText(QObject::tr("Unknow"))
{
    installWindowsFontSubstitutes();
    // The hook relay may be connected across threads by signature text.
    qRegisterMetaType<WPARAM>("WPARAM");
    qRegisterMetaType<LPARAM>("LPARAM");

    m_dataDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(m_dataDir);
    // Profiles can hold private text (text keys, macros): the data folder is
    // the user's alone, also where an earlier version left it open to others.
    QFile::setPermissions(m_dataDir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    m_userConfigDir = m_dataDir + QLatin1Char('/') + DUserSettingsKeys::kUserFolderName;
    QDir().mkpath(m_userConfigDir);
    // Files at the store's own names in here are the program's, also when
    // they can no longer be read.
    COrvaneXML_SetOwnFolder(QFile::encodeName(m_userConfigDir).constData());

    QSettings user(m_userConfigDir + userConfigFileName(), QSettings::IniFormat);

    int themeIndex = 0;
    if (user.contains(DUserSettingsKeys::kThemeIndex))
        themeIndex = user.value(DUserSettingsKeys::kThemeIndex).toInt();
    else
        user.setValue(DUserSettingsKeys::kThemeIndex, 0);

    if (user.contains(DUserSettingsKeys::kBgImageInUse))
        m_bgImageIsUsing = user.value(DUserSettingsKeys::kBgImageInUse).toBool();
    else
        user.setValue(DUserSettingsKeys::kBgImageInUse, false);

    QSettings defaults(defaultsFile, QSettings::IniFormat);
    defaults.setIniCodec("UTF_8");
    m_userConfig = defaults.value(DUserSettingsKeys::kOwnThemeAllowed, false).toBool();
    if (!m_userConfig && themeIndex == kUserThemeIndex) {
        themeIndex = 0;
        user.setValue(DUserSettingsKeys::kThemeIndex, 0);
    }

    m_useLocalFont = true;
    loadTheme(themeIndex);
    m_defaultFont.setFamily(QStringLiteral("Microsoft YaHei"));

    const QString appVersion
        = defaults.value(DUserSettingsKeys::kAppVersion, QString::fromLatin1(kFallbackAppVersion)).toString();
    QString rememberedVersion;
    if (user.contains(DUserSettingsKeys::kRememberedVersion))
        rememberedVersion = user.value(DUserSettingsKeys::kRememberedVersion).toString();
    else
        user.setValue(DUserSettingsKeys::kRememberedVersion, appVersion);
    m_appVersionChanged = rememberedVersion != appVersion;
    if (m_appVersionChanged)
        user.setValue(DUserSettingsKeys::kRememberedVersion, appVersion);

    m_lightSynchronize = defaults.value(DUserSettingsKeys::kLightSynchronize, false).toBool();
    m_simpleDeviceListMode = true;
}

DDataManager::~DDataManager()
{
    delete[] m_currentProfilePath;
    delete[] m_macroFilePath;
    delete[] m_magneticProfilePath;
    delete[] m_seniorKeyFilePath;
}

void DDataManager::logStartBanner() const
{
    qCDebug(lcUi) << "------------------------- *** App Runing *** ------------------------------";
}

QString DDataManager::applicationDirPath()
{
    return QCoreApplication::applicationDirPath();
}

int DDataManager::softKeyboardLayoutCode(const QString& layoutName) const
{
    Q_UNUSED(layoutName)
    // Every layout shows the US on-screen keyboard.
    return 31;
}

QColor DDataManager::customKeyMarkColor() const
{
    return QColor(30, 200, 35, 255);
}

QString DDataManager::themeFilePath(int themeIndex, bool userConfig)
{
    if (themeIndex < 0 || themeIndex >= kThemeCount)
        themeIndex = 0;
    if (themeIndex == kUserThemeIndex && userConfig)
        return applicationDirPath() + QStringLiteral("/configDir/OtherThemeConfig.ini");
    return QString::fromLatin1(kThemeFiles[themeIndex]);
}

void DDataManager::loadTheme(int themeIndex)
{
    QSettings file(themeFilePath(themeIndex, m_userConfig), QSettings::IniFormat);
    file.setIniCodec("UTF_8");
    file.beginGroup(QStringLiteral("ThemeColor"));

    themeColorData theme;
    for (int i = 0; i < themeColorData::kColorFieldCount; ++i) {
        QString value = file.value(QLatin1String(kThemeColorKeys[i].key)).toString();
        // The files separate the components with dots: written with commas,
        // QSettings would hand the value back as a list.
        value.replace(QLatin1Char('.'), QLatin1Char(','));
        theme.field(i) = normalizeThemeColor(value);
    }
    const int fontField = themeColorData::kFieldCount - 1;
    theme.field(fontField) = file.value(QLatin1String(kThemeColorKeys[fontField].key)).toString();

    file.endGroup();

    // The shipped themes set the roles their base colours cannot give; a
    // user's theme file may too.
    QHash<QString, QString> roleOverrides;
    file.beginGroup(QStringLiteral("ThemeRoles"));
    for (const QString& key : file.childKeys()) {
        QString value = file.value(key).toString();
        value.replace(QLatin1Char('.'), QLatin1Char(','));
        roleOverrides.insert(key, normalizeThemeColor(value));
    }
    file.endGroup();

    m_themeColors = theme;
    m_themeRoles = DThemeRoles::fromTheme(theme, roleOverrides);
    buildBoldFont();
    buildNormalFont();
}

QString DDataManager::normalizeThemeColor(const QString& value) const
{
    if (m_bgImageIsUsing)
        return value;
    if (value.count(QLatin1Char(',')) == 3)
        return value.left(value.lastIndexOf(QLatin1Char(',')));
    return value;
}

void DDataManager::buildBoldFont()
{
    m_boldFont = QFont(m_themeColors.textFont, 10, 75);
}

void DDataManager::buildNormalFont()
{
    m_normalFont = QFont(m_themeColors.textFont, 10, 50);
}

QFont DDataManager::getFont(int which) const
{
    if (!m_useLocalFont)
        return m_defaultFont;
    switch (which) {
    case 0:
        return m_boldFont;
    case 1:
        return m_normalFont;
    default:
        return m_defaultFont;
    }
}

bool DDataManager::storePath(char* buffer, const char* path)
{
    if (!path)
        path = "";
    const size_t length = std::strlen(path);
    if (length >= static_cast<size_t>(kPathBufferSize)) {
        qCDebug(lcStore) << "DDataManager: a path of" << length
                         << "bytes does not fit its buffer, kept the previous one";
        return false;
    }
    std::memcpy(buffer, path, length + 1);
    return true;
}

bool DDataManager::setCurrentProfilePath(const char* path)
{
    return storePath(m_currentProfilePath, path);
}
void DDataManager::copyCurrentProfilePath(char* out) const
{
    copyPath(out, m_currentProfilePath);
}
bool DDataManager::setMacroFilePath(const char* path)
{
    return storePath(m_macroFilePath, path);
}
void DDataManager::copyMacroFilePath(char* out) const
{
    copyPath(out, m_macroFilePath);
}
bool DDataManager::setMagneticProfilePath(const char* path)
{
    return storePath(m_magneticProfilePath, path);
}
void DDataManager::copyMagneticProfilePath(char* out) const
{
    copyPath(out, m_magneticProfilePath);
}
bool DDataManager::setSeniorKeyFilePath(const char* path)
{
    return storePath(m_seniorKeyFilePath, path);
}
void DDataManager::copySeniorKeyFilePath(char* out) const
{
    copyPath(out, m_seniorKeyFilePath);
}

void DDataManager::setCurrentKey(int keyCode, const QString& keyChar)
{
    m_currentKeyCode = keyCode;
    m_currentKeyChar = keyChar;
    emit sigKeyButtonClickedReturnKeyCodeAndKeyChar(keyCode, keyChar);
}

void DDataManager::clearCurrentKey()
{
    m_currentKeyCode = -1;
    m_currentKeyChar.clear();
}

bool DDataManager::switchMacroRecordHook(bool isStartHook)
{
    // The receiver installs or removes the hooks inside the emission and
    // stores the outcome through setMacroRecordHookRunning.
    emit sigHookRuningStrtusCtrl_MacroRecord(isStartHook);
    return m_macroRecordHookRunning;
}

void DDataManager::relayMacroKeyboardEvent(int keyCode, int scCode, int flag, int hookFlag)
{
    emit sigRecviveStreamEX_MacroKeyboard(keyCode, scCode, flag, hookFlag);
}

void DDataManager::relayMacroMouseEvent(int nCode, WPARAM wParam, LPARAM lParam)
{
    emit sigRecviveStreamEX_MacroMouse(nCode, wParam, lParam);
}

void DDataManager::relaySensitivityValue(int indexX, int indexY, int sensitivityNum)
{
    emit sigBackDynamicDisplaySensitivityNum(indexX, indexY, sensitivityNum);
}

void DDataManager::querySensitivity(int source, int indexX, int indexY)
{
    m_sensitivityQuerySource = source;
    emit sigQueryDynamicDisplaySensitivityNum(indexX, indexY);
}

void DDataManager::relaySensitivityInfo(int type, int pressNum, int releaseNum, int QuickTriggerPressNum,
                                        int QuickTriggerReleaseNum)
{
    if (m_sensitivityQuerySource == 0)
        emit sigQueryDynamicDisplaySensitivityNum_MouseEnter_BackInfo(type, pressNum, releaseNum);
    else
        emit sigQueryDynamicDisplaySensitivityNum_MouseClicked_BackInfo(type, pressNum, releaseNum,
                                                                        QuickTriggerPressNum, QuickTriggerReleaseNum);
}

void DDataManager::relayCalibrationPoint(int keyPointX, int keyPointY)
{
    emit sigTheMagneticKeyboardCalibrationPoint(keyPointX, keyPointY);
}

void DDataManager::relayCalibrationStatus(int keyCalibrationStatus)
{
    emit sigTheMagneticKeyboardCalibrationStatusBack(keyCalibrationStatus);
}

void DDataManager::relayAllKeysCalibrationStatus(int keyCalibrationStatus)
{
    emit sigMagneticKeyboardAllKeysCalibrationStatusBack(keyCalibrationStatus);
}

void DDataManager::notifySeniorKeysListChanged()
{
    emit sigSeniorKeysListItemHaveChanged();
}

QString DDataManager::keyFunctionTypeName(keyOperateInfo info)
{
    const DKeyFunctionDescriber describer(m_keyNameMap, m_currentProfilePath, m_macroFilePath, m_seniorKeyFilePath);
    const DKeyFunctionDescriber::Description description = describer.describe(info);
    m_keyFunctionDetailText = description.detail;
    return description.category;
}
