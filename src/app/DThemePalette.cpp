#include "app/DThemePalette.h"

#include "app/DThemeColor.h"

namespace DThemePalette {

QPalette fromTheme(const themeColorData& theme)
{
    const QColor window = DThemeColor::fromText(theme.settingsBgColor);
    const QColor base = DThemeColor::fromText(theme.settingsControlDefaultColor);
    const QColor alternate = DThemeColor::fromText(theme.settingsControlHoverBgColor);
    const QColor button = DThemeColor::fromText(theme.settingsControlSelectedBgColor);
    const QColor text = DThemeColor::fromText(theme.textDefaultColor);
    const QColor accent = DThemeColor::fromText(theme.textCheckedColor);
    const QColor border = DThemeColor::fromText(theme.settingsControlBorderColor);
    const QColor tipBase = DThemeColor::fromText(theme.allBgColor);

    QPalette palette(button, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, alternate);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, button);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::BrightText, accent);
    palette.setColor(QPalette::Highlight, accent);
    palette.setColor(QPalette::HighlightedText, window);
    palette.setColor(QPalette::Link, accent);
    palette.setColor(QPalette::LinkVisited, accent);
    palette.setColor(QPalette::ToolTipBase, tipBase);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::PlaceholderText, border);
    palette.setColor(QPalette::Light, button.lighter(125));
    palette.setColor(QPalette::Midlight, button.lighter(110));
    palette.setColor(QPalette::Mid, border);
    palette.setColor(QPalette::Dark, border.darker(130));
    palette.setColor(QPalette::Shadow, border.darker(200));
    // Disabled text half-way to its background: visibly off, still legible.
    const auto halfWay = [](const QColor& a, const QColor& b) {
        return QColor((a.red() + b.red()) / 2, (a.green() + b.green()) / 2, (a.blue() + b.blue()) / 2);
    };
    palette.setColor(QPalette::Disabled, QPalette::WindowText, halfWay(text, window));
    palette.setColor(QPalette::Disabled, QPalette::Text, halfWay(text, base));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, halfWay(text, button));
    return palette;
}

} // namespace DThemePalette
