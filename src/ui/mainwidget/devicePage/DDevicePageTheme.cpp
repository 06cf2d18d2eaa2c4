#include "ui/mainwidget/devicePage/DDevicePageTheme.h"

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

} // namespace

QVector<DDevicePageTheme::FontRow> DDevicePageTheme::fonts()
{
    QVector<FontRow> out;
    for (const FontEntry& entry : kFonts)
        out.append({QLatin1String(entry.objectName), entry.font, entry.pointSize});
    return out;
}
