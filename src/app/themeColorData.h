#pragma once

#include <QString>
#include <array>

// The active colour theme: one text per key of the theme files' group
// "ThemeColor". Fields 0..39 are colours ("r,g,b" or "r,g,b,a"), the last is a
// font family. Style sheets take them through DThemeColor::fillStyleSheet,
// which gives a four-component colour rgba().
struct themeColorData
{
    QString textDefaultColor;
    QString textHoverColor;
    QString textCheckedColor;
    QString allBgColor;
    QString allThemeColor;
    QString allScrollBgColor;
    QString allScrollBarColorDef;
    QString allScrollBarColorHover;
    QString mainWidgetBgColor;
    QString mainWidgetBorderColor;
    QString mainWidgetTitleColorStart;
    QString mainWidgetTitleColorStop;
    QString deviceBorderColor;
    QString deviceLeftBgColor;
    QString deviceRightBgColor;
    QString deviceListAreaDefaultBgColor;
    QString deviceSoftkeyboardButColor;
    QString deviceSoftkeyboardButDefaultTextColor;
    QString deviceSliderHorizontalVerticalColor;
    QString deviceSliderEllipseColor;
    QString macroBorderColor;
    QString macroLeftBgColor;
    QString macroCenterBgColor;
    QString macroRightBgColor;
    QString macroListItemTextColor;
    QString macroListItemSelectedColor;
    QString macroListItemHoverColor;
    QString settingsTitleColorStart;
    QString settingsTitleColorStop;
    QString settingsBgColor;
    QString settingsBorderColor;
    QString settingsControlBorderColor;
    QString settingsControlDefaultColor;
    QString settingsControlHoverBgColor;
    QString settingsControlSelectedBgColor;
    QString upgradeBgColor;
    QString upgradeBorderColor;
    QString upgradeItemBorderColor;
    QString upgradeProgressBarTopColor;
    QString upgradeProgressBarBottomColor;
    QString textFont;

    static constexpr int kFieldCount = 41;
    static constexpr int kColorFieldCount = 40;

    // Field i in key order (0..40); the theme loader and tests walk the record
    // through these instead of naming every member.
    QString& field(int index);
    const QString& field(int index) const;
};

struct DThemeColorKey
{
    const char* key;
    QString themeColorData::*member;
};

// The keys of group "ThemeColor", in field order.
extern const std::array<DThemeColorKey, themeColorData::kFieldCount> kThemeColorKeys;
