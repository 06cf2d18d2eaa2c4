#include "ui/mainwidget/devicePage/DDevicePageTheme.h"

#include "app/DThemeColor.h"

#include <array>

namespace {

using Field = QString themeColorData::*;

struct StyleRow
{
    const char* objectName;
    const char* styleTemplate;
    std::array<Field, 6> markers;
    int font;
    int pointSize;
};

constexpr Field kTextDefault = &themeColorData::textDefaultColor;
constexpr Field kTextChecked = &themeColorData::textCheckedColor;
constexpr Field kTextFont = &themeColorData::textFont;
constexpr Field kDeviceBorder = &themeColorData::deviceBorderColor;
constexpr Field kDeviceLeftBg = &themeColorData::deviceLeftBgColor;
constexpr Field kDeviceRightBg = &themeColorData::deviceRightBgColor;

constexpr int kNone = DDevicePageTheme::NoFont;
constexpr int kBold = DDevicePageTheme::BoldFont;
constexpr int kNormal = DDevicePageTheme::NormalFont;

// The first five rows are the list column; the list rows follow them.
constexpr StyleRow kStyleRows[] = {
    {"frame", "QFrame#frame{ background-color: rgb(%1);}", {kDeviceLeftBg}, kNone, 0},
    {"label", "QLabel#label{color: rgb(%1);}", {kTextDefault}, kNone, 0},
    {"frame_Url",
     "QFrame#frame_Url{ border: none; border-top: 3px solid rgb(%1); background-color: rgb(%2);}",
     {kDeviceBorder, kDeviceLeftBg},
     kNone,
     0},
    {"label_Url", "QLabel#label_Url{color: rgb(%1);}", {kTextChecked}, kNone, 0},
    {"scrollAreaWidgetContents_2",
     "QWidget#scrollAreaWidgetContents_2{ background-color: rgb(%1);}",
     {kDeviceLeftBg},
     kNone,
     0},
    {"frame_Right", "QFrame#frame_Right{ background-color: rgb(%1); }", {kDeviceRightBg}, kNone, 0},
    {"comboBox_profileList",
     "QComboBox{ background-color: rgb(%1); padding-left: 5px; border: 1px solid rgb(%2); "
     "font: 75 10pt \"%5\"; color: rgb(%3); border-radius: 4px; }"
     "QComboBox:hover{ border: 1px solid rgb(%4); }"
     "QComboBox QAbstractItemView::item{ height: 40px; padding-left: 10px; }"
     "QComboBox::down-arrow{ width: 10px; height: 10px; image: url(:/images/publicIco/comboxDef.png); }"
     "QComboBox::down-arrow:hover{ image: url(:/images/publicIco/comboxDef.png); }"
     "QComboBox::down-arrow:on{ image: url(:/images/publicIco/comboxSel.png); }"
     "QComboBox::drop-down{ width: 20px; padding-right: 3px; border: none; background: transparent; "
     "position: relative; left: 0px; top: 0px; }"
     "QComboBox QAbstractItemView{ outline: 0px; }",
     {kDeviceRightBg, kDeviceBorder, kTextDefault, kTextChecked, kTextFont},
     kNone,
     0},
    {"lineEdit_profileName",
     "QLineEdit{ color: rgb(%2); font: 75 10pt \"%4\"; background-color: rgb(%1); "
     "border: 1px solid rgb(%5); border-radius: 4px; }"
     "QLineEdit:hover{ border: 1px solid rgb(%3); }"
     "QLineEdit:pressed{ border: 1px solid rgb(%3); }",
     {kDeviceRightBg, kTextDefault, kTextChecked, kTextFont, kDeviceBorder},
     kNone,
     0},
    {"label_Tip", "QLabel#label_Tip{ color: rgb(%1);}", {kTextChecked}, kBold, 20},
    {"label_Mode", "QLabel#label_Mode{ color: rgb(%1);}", {kTextChecked}, kNormal, 13},
    {"widget_RightBottom",
     "QWidget#widget_RightBottom{ border: none; border-top: 3px solid rgb(%1);}",
     {kDeviceBorder},
     kNone,
     0},
    {"label", nullptr, {}, kNormal, 12},
    {"pushButton_Reset",
     "QPushButton{ border-radius: 8px; border: 2px solid rgb(%1); background-color: rgb(%2); color: rgb(%3); }"
     "QPushButton:hover{ background-color: rgb(%4); border: 2px solid rgb(%6); border-radius: 8px; }"
     "QPushButton:pressed{ color: rgb(%6); background-color: rgb(%5); border: 2px solid rgb(%6); "
     "border-radius: 8px; }",
     {kDeviceBorder, kDeviceRightBg, kTextDefault, kDeviceRightBg, kDeviceRightBg, kTextChecked},
     kNormal,
     11},
};

constexpr StyleRow kScrollBar = {
    "widget_4",
    "QScrollBar:vertical{ background: transparent; width: 4px; margin: 3px 0px 3px 0px; }"
    "QScrollBar::handle:vertical{ background: rgba(%2); min-height: 20px; border-radius: 2px; }"
    "QScrollBar::handle:vertical:hover{ background: rgba(%3); }"
    "QScrollBar::add-line:vertical{ height: 0px; subcontrol-position: bottom; subcontrol-origin: margin; }"
    "QScrollBar::sub-line:vertical{ height: 0px; subcontrol-position: top; subcontrol-origin: margin; }"
    "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical{ background: rgb(%1); border-radius: 3px; }",
    {&themeColorData::allScrollBgColor, &themeColorData::allScrollBarColorDef, &themeColorData::allScrollBarColorHover},
    kNone,
    0};

QString fill(const StyleRow& row, const themeColorData& theme)
{
    if (!row.styleTemplate)
        return QString();
    QStringList values;
    for (Field field : row.markers) {
        if (!field)
            break;
        values << theme.*field;
    }
    return DThemeColor::fillStyleSheet(QLatin1String(row.styleTemplate), values);
}

QColor withAlpha(const QString& text, int alpha)
{
    QColor c = DThemeColor::fromText(text);
    c.setAlpha(alpha);
    return c;
}

} // namespace

QVector<DDevicePageTheme::Style> DDevicePageTheme::styles(const themeColorData& theme)
{
    QVector<Style> out;
    for (const StyleRow& row : kStyleRows)
        out.append({QLatin1String(row.objectName), fill(row, theme), row.font, row.pointSize});
    return out;
}

QString DDevicePageTheme::scrollBarStyle(const themeColorData& theme)
{
    return fill(kScrollBar, theme);
}

QColor DDevicePageTheme::toastBackground(const themeColorData& theme)
{
    return withAlpha(theme.allBgColor, 200);
}

QColor DDevicePageTheme::toastText(const themeColorData& theme)
{
    return withAlpha(theme.textCheckedColor, 255);
}

QColor DDevicePageTheme::accent(const themeColorData& theme)
{
    return DThemeColor::fromText(theme.textCheckedColor);
}
