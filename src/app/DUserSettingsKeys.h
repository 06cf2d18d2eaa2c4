#pragma once

#include <QString>

// The user settings file, the defaults file shipped in the resources, and
// every key the program reads from them. Files already on users' disks hold
// these texts, so none of them may change, odd spellings included.
namespace DUserSettingsKeys {

// "<data folder>/UserConfig/OrvaneConfig.ini"
inline const QString kUserFolderName = QStringLiteral("UserConfig");
inline const QString kUserFileName = QStringLiteral("OrvaneConfig.ini");
inline const QString kDefaultsFile = QStringLiteral(":/images/configDir/OrvaneDefaultConfig.ini");

// In the user settings file.
inline const QString kThemeIndex = QStringLiteral("Theme/selectThemeIndex");
inline const QString kBgImageInUse = QStringLiteral("ThemeBgImage/BgImageIsUsing");
inline const QString kLanguageIndex = QStringLiteral("Language/selectLanguageIndex");
inline const QString kAutoStart = QStringLiteral("AutoStart/isAutoStart");
inline const QString kMinimizeToTray = QStringLiteral("MinimizeToTray/isMinimizeToTray");
inline const QString kCloseToTray = QStringLiteral("CloseToTray/isCloseToTray");
inline const QString kRememberedVersion = QStringLiteral("oldVersion/VersionInfo");

// In the defaults file.
inline const QString kUseLocalFont = QStringLiteral("UseLocalFont/useFontStatus");
inline const QString kCompanyName = QStringLiteral("CompanyName/ComName");
inline const QString kCompanyLink = QStringLiteral("CompanyLink/ComLink");
inline const QString kCompanyLinkShown = QStringLiteral("MainPageCompanyLinkFrame/showStatus");
inline const QString kCopyright = QStringLiteral("Copyright/CopyrightStr");
inline const QString kAboutLinkShown = QStringLiteral("CompanyLinkFrame/showStatus");
inline const QString kOwnThemeAllowed = QStringLiteral("MyselfConfig/userConfig");
inline const QString kAppVersion = QStringLiteral("AppVersion/Version");
inline const QString kLightSynchronize = QStringLiteral("LightSynchronize/isSynchronize");

} // namespace DUserSettingsKeys
