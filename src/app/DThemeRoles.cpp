#include "app/DThemeRoles.h"

#include "app/DContrastRatio.h"
#include "app/DThemeColor.h"

#include <QStringList>

namespace {

using R = DThemeRoles;

enum class Kind {
    Base, // the theme file's base colour of the same index
    Copy, // another role as it is
    Mix, // `from` moved `percent` of the way to `toward`
    Fixed, // the same colour in every theme
    Contrast, // black or white, whichever reads better on `against`
};

struct Row
{
    R::Role role;
    const char* name;
    Kind kind;
    R::Role from = R::RoleCount;
    R::Role toward = R::RoleCount;
    int percent = 0;
    QRgb fixed = 0;
    // After the colour is made, it is made readable on this role's colour.
    R::Role against = R::RoleCount;
    double minimum = 0;
};

constexpr double kText = DContrastRatio::kText;
constexpr double kLarge = DContrastRatio::kLarge;

// One row per role, in enum order; a derived row may read only rows above it.
const Row kRows[] = {
    {R::Text, "text", Kind::Base},
    {R::TextHover, "textHover", Kind::Base},
    {R::AccentText, "accentText", Kind::Base},
    {R::Window, "window", Kind::Base},
    {R::Accent, "accent", Kind::Base},
    {R::ScrollTrack, "scrollTrack", Kind::Base},
    {R::ScrollHandle, "scrollHandle", Kind::Base},
    {R::ScrollHandleHover, "scrollHandleHover", Kind::Base},
    {R::MainSurface, "mainSurface", Kind::Base},
    {R::MainBorder, "mainBorder", Kind::Base},
    {R::TitleBar, "titleBar", Kind::Base},
    {R::TitleBarEnd, "titleBarEnd", Kind::Base},
    {R::DeviceBorder, "deviceBorder", Kind::Base},
    {R::DeviceListPanel, "deviceListPanel", Kind::Base},
    {R::DevicePanel, "devicePanel", Kind::Base},
    {R::DeviceListRow, "deviceListRow", Kind::Base},
    {R::KeyCap, "keyCap", Kind::Base},
    {R::KeyCapText, "keyCapText", Kind::Base},
    {R::SliderGroove, "sliderGroove", Kind::Base},
    {R::SliderHandle, "sliderHandle", Kind::Base},
    {R::MacroBorder, "macroBorder", Kind::Base},
    {R::MacroLeft, "macroLeft", Kind::Base},
    {R::MacroCenter, "macroCenter", Kind::Base},
    {R::MacroRight, "macroRight", Kind::Base},
    {R::MacroRowText, "macroRowText", Kind::Base},
    {R::MacroRowSelected, "macroRowSelected", Kind::Base},
    {R::MacroRowHover, "macroRowHover", Kind::Base},
    {R::DialogTitle, "dialogTitle", Kind::Base},
    {R::DialogTitleEnd, "dialogTitleEnd", Kind::Base},
    {R::DialogSurface, "dialogSurface", Kind::Base},
    {R::DialogBorder, "dialogBorder", Kind::Base},
    {R::ControlBorder, "controlBorder", Kind::Base},
    {R::Control, "control", Kind::Base},
    {R::ControlHover, "controlHover", Kind::Base},
    {R::ControlSelected, "controlSelected", Kind::Base},
    {R::UpgradeSurface, "upgradeSurface", Kind::Base},
    {R::UpgradeBorder, "upgradeBorder", Kind::Base},
    {R::UpgradeRowBorder, "upgradeRowBorder", Kind::Base},
    {R::ProgressTrack, "progressTrack", Kind::Base},
    {R::ProgressChunk, "progressChunk", Kind::Base},
    // Secondary text (hints, counters, units): a step towards the panel,
    // never below what normal text needs.
    {R::MutedText, "mutedText", Kind::Mix, R::Text, R::DevicePanel, 30, 0, R::DevicePanel, kText},
    // Disabled text is meant to read as off; it only has to stay visible.
    {R::DisabledText, "disabledText", Kind::Mix, R::Text, R::DevicePanel, 50, 0, R::DevicePanel, 2.0},
    {R::OnAccent, "onAccent", Kind::Contrast, R::RoleCount, R::RoleCount, 0, 0, R::Accent},
    {R::Selection, "selection", Kind::Copy, R::ControlSelected},
    {R::SelectionText, "selectionText", Kind::Copy, R::Text, R::RoleCount, 0, 0, R::Selection, kText},
    {R::Focus, "focus", Kind::Copy, R::AccentText, R::RoleCount, 0, 0, R::DevicePanel, kLarge},
    // Help bubbles stand a little apart from the page they explain.
    {R::Bubble, "bubble", Kind::Mix, R::Control, R::Text, 8},
    {R::BubbleText, "bubbleText", Kind::Copy, R::Text, R::RoleCount, 0, 0, R::Bubble, kText},
    {R::BubbleBorder, "bubbleBorder", Kind::Mix, R::ControlBorder, R::Text, 30},
    {R::Toast, "toast", Kind::Copy, R::Window},
    {R::ToastText, "toastText", Kind::Copy, R::AccentText, R::RoleCount, 0, 0, R::Toast, kText},
    // The veil a dialog lays over the window behind it.
    {R::Overlay, "overlay", Kind::Fixed, R::RoleCount, R::RoleCount, 0, qRgba(10, 10, 10, 100)},
    // A key the keyboard reports pressed.
    {R::KeyPressed, "keyPressed", Kind::Fixed, R::RoleCount, R::RoleCount, 0, qRgba(220, 40, 45, 255)},
    {R::KeyMarked, "keyMarked", Kind::Copy, R::Accent, R::RoleCount, 0, 0, R::KeyCap, kLarge},
    {R::KeySelected, "keySelected", Kind::Copy, R::AccentText, R::RoleCount, 0, 0, R::KeyCap, kLarge},
    {R::ErrorText, "errorText", Kind::Fixed, R::RoleCount, R::RoleCount, 0, qRgba(230, 60, 60, 255), R::DevicePanel,
     kText},
    {R::SuccessText, "successText", Kind::Fixed, R::RoleCount, R::RoleCount, 0, qRgba(60, 180, 90, 255), R::DevicePanel,
     kText},
    // Radio and check indicators, slider handles drawn as marks.
    {R::Indicator, "indicator", Kind::Copy, R::AccentText, R::RoleCount, 0, 0, R::DevicePanel, kLarge},
    {R::Transparent, "transparent", Kind::Fixed, R::RoleCount, R::RoleCount, 0, qRgba(0, 0, 0, 0)},
    {R::BubbleAccent, "bubbleAccent", Kind::Copy, R::AccentText, R::RoleCount, 0, 0, R::Bubble, kText},
    // The warning not to unplug a keyboard while its firmware is written,
    // on the upgrade window.
    {R::UpgradeWarning, "upgradeWarning", Kind::Copy, R::ErrorText, R::RoleCount, 0, 0, R::UpgradeSurface, kText},
    {R::WarningText, "warningText", Kind::Fixed, R::RoleCount, R::RoleCount, 0, qRgba(200, 140, 0, 255),
     R::DevicePanel, kText},
};
static_assert(sizeof(kRows) / sizeof(kRows[0]) == R::RoleCount, "one row per role");
static_assert(int(R::ProgressChunk) + 1 == themeColorData::kColorFieldCount, "base roles follow the theme keys");

// A theme colour text with its alpha, when it has one.
QColor fromThemeText(const QString& text)
{
    const QStringList fields = text.split(QLatin1Char(','));
    QColor colour = DThemeColor::fromText(text);
    if (fields.size() == 4)
        colour.setAlpha(qBound(0, fields.at(3).trimmed().toInt(), 255));
    return colour;
}

QColor opaque(QColor colour)
{
    colour.setAlpha(255);
    return colour;
}

QColor mix(const QColor& from, const QColor& toward, int percent)
{
    const auto channel = [percent](int a, int b) { return a + (b - a) * percent / 100; };
    return QColor(channel(from.red(), toward.red()), channel(from.green(), toward.green()),
                  channel(from.blue(), toward.blue()), from.alpha());
}

} // namespace

DThemeRoles DThemeRoles::fromTheme(const themeColorData& theme, const QHash<QString, QString>& overrides)
{
    DThemeRoles roles;
    for (const Row& row : kRows) {
        QColor colour;
        const auto given = overrides.constFind(QLatin1String(row.name));
        if (given != overrides.constEnd() && given->count(QLatin1Char(',')) >= 2) {
            roles.m_colors[row.role] = fromThemeText(*given);
            continue;
        }
        switch (row.kind) {
        case Kind::Base:
            colour = fromThemeText(theme.field(row.role));
            break;
        case Kind::Copy:
            colour = roles.m_colors[row.from];
            break;
        case Kind::Mix:
            colour = mix(roles.m_colors[row.from], roles.m_colors[row.toward], row.percent);
            break;
        case Kind::Fixed:
            colour = QColor::fromRgba(row.fixed);
            break;
        case Kind::Contrast: {
            const QColor background = opaque(roles.m_colors[row.against]);
            colour = DContrastRatio::contrast(Qt::black, background) >= DContrastRatio::contrast(Qt::white, background)
                         ? QColor(Qt::black)
                         : QColor(Qt::white);
            break;
        }
        }
        if (row.against != RoleCount && row.minimum > 0)
            colour = DContrastRatio::readable(colour, opaque(roles.m_colors[row.against]), row.minimum);
        roles.m_colors[row.role] = colour;
    }
    return roles;
}

QString DThemeRoles::css(Role role) const
{
    const QColor& c = m_colors[role];
    return QStringLiteral("rgba(%1, %2, %3, %4)").arg(c.red()).arg(c.green()).arg(c.blue()).arg(c.alpha());
}

const char* DThemeRoles::name(Role role)
{
    return role >= 0 && role < RoleCount ? kRows[role].name : "";
}

DThemeRoles::Role DThemeRoles::byName(const QString& name)
{
    for (const Row& row : kRows) {
        if (name == QLatin1String(row.name))
            return row.role;
    }
    return RoleCount;
}
