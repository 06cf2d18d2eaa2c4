#include "ui/mainwidget/devicePage/DDevicePageTheme.h"

#include "app/DThemeRoles.h"
#include "app/DThemeStyleSheet.h"

namespace {

struct FontEntry
{
    const char* objectName;
    DDevicePageTheme::Font font;
    int pointSize;
};

constexpr FontEntry kFonts[] = {
    {"label", DDevicePageTheme::NormalFont, 12},
    {"label_Tip", DDevicePageTheme::BoldFont, 20},
    {"label_Mode", DDevicePageTheme::NormalFont, 13},
    {"pushButton_Reset", DDevicePageTheme::NormalFont, 11},
};

const char kScrollBar[]
    = "QScrollBar:vertical{ background: transparent; width: 4px; margin: 3px 0px 3px 0px; }"
      "QScrollBar::handle:vertical{ background: @scrollHandle; min-height: 20px; border-radius: 2px; }"
      "QScrollBar::handle:vertical:hover{ background: @scrollHandleHover; }"
      "QScrollBar::add-line:vertical{ height: 0px; subcontrol-position: bottom; subcontrol-origin: margin; }"
      "QScrollBar::sub-line:vertical{ height: 0px; subcontrol-position: top; subcontrol-origin: margin; }"
      "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical{ background: @scrollTrack; border-radius: 3px; }";

} // namespace

QVector<DDevicePageTheme::FontRow> DDevicePageTheme::fonts()
{
    QVector<FontRow> out;
    for (const FontEntry& entry : kFonts)
        out.append({QLatin1String(entry.objectName), entry.font, entry.pointSize});
    return out;
}

QString DDevicePageTheme::scrollBarStyle(const themeColorData& theme)
{
    return DThemeStyleSheet::fill(QLatin1String(kScrollBar), DThemeRoles::fromTheme(theme), {});
}
