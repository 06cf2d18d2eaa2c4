#include "app/themeColorData.h"

const std::array<DThemeColorKey, themeColorData::kFieldCount> kThemeColorKeys = {{
    {"TextDefaultColor", &themeColorData::textDefaultColor},
    {"TextHoverColor", &themeColorData::textHoverColor},
    {"TextCheckedColor", &themeColorData::textCheckedColor},
    {"AllBgColor", &themeColorData::allBgColor},
    {"AllThemeColor", &themeColorData::allThemeColor},
    {"AllScrollBgColor", &themeColorData::allScrollBgColor},
    {"AllScrollBarColorDef", &themeColorData::allScrollBarColorDef},
    {"AllScrollBarColorHover", &themeColorData::allScrollBarColorHover},
    {"MainWidgetBgColor", &themeColorData::mainWidgetBgColor},
    {"MainWidgetBorderColor", &themeColorData::mainWidgetBorderColor},
    {"MainWidgetTitleColorStart", &themeColorData::mainWidgetTitleColorStart},
    {"MainWidgetTitleColorStop", &themeColorData::mainWidgetTitleColorStop},
    {"DeviceBorderColor", &themeColorData::deviceBorderColor},
    {"DeviceLeftBgColor", &themeColorData::deviceLeftBgColor},
    {"DeviceRightBgColor", &themeColorData::deviceRightBgColor},
    {"DeviceListAreaDefaultBgColor", &themeColorData::deviceListAreaDefaultBgColor},
    {"DeviceSoftkeyboardButColor", &themeColorData::deviceSoftkeyboardButColor},
    {"DeviceSoftkeyboardButDefaultTextColor", &themeColorData::deviceSoftkeyboardButDefaultTextColor},
    {"DeviceSliderHorizontalVerticalColor", &themeColorData::deviceSliderHorizontalVerticalColor},
    {"DeviceSliderEllipseColor", &themeColorData::deviceSliderEllipseColor},
    {"MacroBorderColor", &themeColorData::macroBorderColor},
    {"MacroLeftBgColor", &themeColorData::macroLeftBgColor},
    {"MacroCenterBgColor", &themeColorData::macroCenterBgColor},
    {"MacroRightBgColor", &themeColorData::macroRightBgColor},
    {"MacroListItemTextColor", &themeColorData::macroListItemTextColor},
    {"MacroListItemSelectedColor", &themeColorData::macroListItemSelectedColor},
    {"MacroListItemHoverColor", &themeColorData::macroListItemHoverColor},
    {"SettingsTitleColorStart", &themeColorData::settingsTitleColorStart},
    {"SettingsTitleColorStop", &themeColorData::settingsTitleColorStop},
    {"SettingsBgColor", &themeColorData::settingsBgColor},
    {"SettingsBorderColor", &themeColorData::settingsBorderColor},
    {"SettingsControlBorderColor", &themeColorData::settingsControlBorderColor},
    {"SettingsControlDefaultColor", &themeColorData::settingsControlDefaultColor},
    {"SettingsControlHoverBgColor", &themeColorData::settingsControlHoverBgColor},
    {"SettingsControlSelectedBgColor", &themeColorData::settingsControlSelectedBgColor},
    {"UpgradeBgColor", &themeColorData::upgradeBgColor},
    {"UpgradeBorderColor", &themeColorData::upgradeBorderColor},
    {"UpgradeItemBorderColor", &themeColorData::upgradeItemBorderColor},
    {"UpgradeProgressBarTopColor", &themeColorData::upgradeProgressBarTopColor},
    {"UpgradeProgressBarBottomColor", &themeColorData::upgradeProgressBarBottomColor},
    {"TextFont", &themeColorData::textFont},
}};

QString& themeColorData::field(int index)
{
    return this->*kThemeColorKeys.at(static_cast<size_t>(index)).member;
}

const QString& themeColorData::field(int index) const
{
    return this->*kThemeColorKeys.at(static_cast<size_t>(index)).member;
}
