#include "ui/mainwidget/devicePage/keyFunctions/DKeyFunctionPages.h"

#include "app/DDataManager.h"
#include "app/DThemeColor.h"

#include <QLabel>
#include <QPushButton>

QString DKeyFunctionPages::radioButtonStyleSheet()
{
    const themeColorData theme = DDataManager::getInstance()->themeColors();
    return DThemeColor::fillStyleSheet(
        QStringLiteral("QRadioButton{ color: rgb(%1); font-weight: 75; font-size: 10pt; font-family: \"%3\"; }"
                       "QRadioButton:checked{ color: rgb(%2); }"
                       "QRadioButton::indicator:checked{ background-color: rgb(%2); border-radius: 6px; "
                       "border: 2px solid white; }"),
        {theme.textDefaultColor, theme.textCheckedColor, theme.textFont});
}

void DKeyFunctionPages::setCaptionTheme(QLabel* caption)
{
    const themeColorData theme = DDataManager::getInstance()->themeColors();
    caption->setStyleSheet(DThemeColor::fillStyleSheet(QStringLiteral("QLabel#%1{ color: rgb(%2); }"),
                                                       {caption->objectName(), theme.textDefaultColor}));
    QFont font = DDataManager::getInstance()->getFont(1);
    font.setPointSize(12);
    caption->setFont(font);
}

void DKeyFunctionPages::setKeyPanelTheme(QLabel* caption, QLabel* keyLabel, const QList<QPushButton*>& buttons)
{
    const themeColorData theme = DDataManager::getInstance()->themeColors();
    QFont font = DDataManager::getInstance()->getFont(1);
    font.setPointSize(12);
    caption->setFont(font);
    caption->setStyleSheet(
        DThemeColor::fillStyleSheet(QStringLiteral("QLabel{ color: rgb(%1); }"), {theme.textDefaultColor}));
    if (keyLabel) {
        keyLabel->setFont(font);
        keyLabel->setStyleSheet(DThemeColor::fillStyleSheet(
            QStringLiteral("QLabel#label_KeyChar{ color: rgb(%1); border: 3px solid rgb(%2); border-radius: 8px; }"),
            {theme.textCheckedColor, theme.deviceBorderColor}));
    }
    const QString buttonSheet = DThemeColor::fillStyleSheet(
        QStringLiteral("QPushButton{ border-radius: 8px; border: 3px solid rgb(%1); background-color: rgb(%2); "
                       "color: rgb(%3); }"
                       "QPushButton:hover{ background-color: rgb(%2); border: 3px solid rgb(%4); }"
                       "QPushButton:pressed{ color: rgb(%4); background-color: rgb(%2); border: 3px solid rgb(%4); }"),
        {theme.deviceBorderColor, theme.deviceRightBgColor, theme.textDefaultColor, theme.textCheckedColor});
    for (QPushButton* button : buttons) {
        button->setFont(font);
        button->setStyleSheet(buttonSheet);
    }
}

QString DKeyFunctionPages::comboBoxStyleSheet()
{
    const themeColorData theme = DDataManager::getInstance()->themeColors();
    return DThemeColor::fillStyleSheet(
        QStringLiteral(
            "QComboBox{ background-color: rgb(%1); padding-left: 5px; border: 1px solid rgb(%2); "
            "font: 75 10pt \"%5\"; color: rgb(%3); border-radius: 4px; }"
            "QComboBox:hover{ border: 1px solid rgb(%4); }"
            "QComboBox QAbstractItemView::item{ height: 40px; padding-left: 10px; }"
            "QComboBox::down-arrow{ width: 14px; height: 14px; image: url(:/images/publicIco/comboxDef.png); }"
            "QComboBox::down-arrow:hover{ image: url(:/images/publicIco/comboxDef.png); }"
            "QComboBox::down-arrow:on{ image: url(:/images/publicIco/comboxSel.png); "
            "selection-background-color: rgb(255, 35, 76); }"
            "QComboBox::drop-down{ width: 20px; padding-right: 3px; background: transparent; "
            "subcontrol-origin: padding; subcontrol-position: top right; }"
            "QComboBox QAbstractItemView{ outline: 0px; background-color: rgb(%1); color: rgb(%3); "
            "border: 1px solid rgb(%2); selection-background-color: rgb(%2); selection-color: rgb(%4); }"
            "QComboBox QAbstractItemView QScrollBar:vertical{ background: rgb(%6); width: 4px; }"
            "QComboBox QAbstractItemView QScrollBar::handle:vertical{ background: rgba(%7); "
            "min-height: 20px; border-radius: 2px; }"
            "QComboBox QAbstractItemView QScrollBar::add-line:vertical, "
            "QComboBox QAbstractItemView QScrollBar::sub-line:vertical{ height: 0px; }"
            "QComboBox QAbstractItemView QScrollBar::add-page:vertical, "
            "QComboBox QAbstractItemView QScrollBar::sub-page:vertical{ background: transparent; }"),
        {theme.deviceRightBgColor, theme.deviceBorderColor, theme.textDefaultColor, theme.textCheckedColor,
         theme.textFont, theme.allScrollBgColor, theme.allScrollBarColorDef});
}
