#pragma once

#include "app/themeColorData.h"

#include <QColor>
#include <QHash>
#include <QString>
#include <array>

// Every colour the program's look uses, by what it is for. A theme file gives
// the forty base colours of its group "ThemeColor" (the first forty roles, in
// the same order) and may name any role in a group "ThemeRoles" to set it
// outright; the remaining roles are derived from the base ones by the table in
// the source file, so a user's own theme file with the base colours alone
// still gets every role, each text role readable on its background.
//
// Style sheets name a role as "@name" (see DThemeStyleSheet); painted parts ask
// for color(role).
class DThemeRoles
{
public:
    enum Role {
        // From the theme file's base colours, in its key order.
        Text,
        TextHover,
        AccentText,
        Window,
        Accent,
        ScrollTrack,
        ScrollHandle,
        ScrollHandleHover,
        MainSurface,
        MainBorder,
        TitleBar,
        TitleBarEnd,
        DeviceBorder,
        DeviceListPanel,
        DevicePanel,
        DeviceListRow,
        KeyCap,
        KeyCapText,
        SliderGroove,
        SliderHandle,
        MacroBorder,
        MacroLeft,
        MacroCenter,
        MacroRight,
        MacroRowText,
        MacroRowSelected,
        MacroRowHover,
        DialogTitle,
        DialogTitleEnd,
        DialogSurface,
        DialogBorder,
        ControlBorder,
        Control,
        ControlHover,
        ControlSelected,
        UpgradeSurface,
        UpgradeBorder,
        UpgradeRowBorder,
        ProgressTrack,
        ProgressChunk,
        // Derived.
        MutedText,
        DisabledText,
        OnAccent,
        Selection,
        SelectionText,
        Focus,
        Bubble,
        BubbleText,
        BubbleBorder,
        Toast,
        ToastText,
        Overlay,
        KeyPressed,
        KeyMarked,
        KeySelected,
        ErrorText,
        SuccessText,
        Indicator,
        Transparent,
        // Accent text that reads on a help bubble.
        BubbleAccent,
        // The warning of the upgrade window, readable on it.
        UpgradeWarning,
        // A state between good and bad (a battery half empty).
        WarningText,
        RoleCount
    };

    // The theme as loaded, with the overrides of its "ThemeRoles" group
    // (role name -> "r,g,b" or "r,g,b,a"; an unknown name or unreadable value
    // is ignored).
    static DThemeRoles fromTheme(const themeColorData& theme, const QHash<QString, QString>& overrides = {});

    QColor color(Role role) const { return m_colors[role]; }
    // The colour as a style sheet writes it: "rgba(r, g, b, a)".
    QString css(Role role) const;

    // "text", "mutedText", ... as style sheets and theme files write it;
    // RoleCount for an unknown name.
    static const char* name(Role role);
    static Role byName(const QString& name);

private:
    std::array<QColor, RoleCount> m_colors;
};
