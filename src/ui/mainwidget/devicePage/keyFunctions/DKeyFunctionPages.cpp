#include "ui/mainwidget/devicePage/keyFunctions/DKeyFunctionPages.h"

#include "app/DDataManager.h"
#include "app/DThemeColor.h"

#include "ui/mainwidget/devicePage/keyboardView/DVirtualKeyboardTool.h"
#include "ui/widgets/ArrowWidget.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

constexpr int kPopupWidth = 1050;
constexpr int kPopupHeight = 345;
constexpr int kPopupArrowX = 350;
// From the field's bottom centre to the bubble's top left corner: the bubble
// stands above the field with its arrow over it.
constexpr QPoint kPopupOffset(357, 375);

} // namespace

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

QButtonGroup* DKeyFunctionPages::pressModeGroup(QWidget* page, QRadioButton* lightPress, QRadioButton* heavyPress)
{
    auto* group = new QButtonGroup(page);
    group->addButton(lightPress, 0);
    group->addButton(heavyPress, 1);
    lightPress->setChecked(true);
    return group;
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

ArrowWidget* DKeyFunctionPages::createKeyboardPopup(QWidget* page, DVirtualKeyboardTool* keyboard)
{
    keyboard->setWindowOpacity(1.0);
    auto* popup = new ArrowWidget(ArrowWidget::ArrowBottom, page);
    popup->setWindowOpacity(1.0);
    popup->setPopupSize(kPopupWidth, kPopupHeight);
    popup->setArrowX(kPopupArrowX);
    popup->setContentWidget(keyboard);
    return popup;
}

void DKeyFunctionPages::openKeyboardPopup(ArrowWidget* popup, QLineEdit* field)
{
    popup->move(field->mapToGlobal(QPoint(field->width() / 2, field->height())) - kPopupOffset);
    // Not made the active window: the keys go to the capture's hook either
    // way, and a window manager would not hand the keyboard back from a
    // window it does not manage.
    popup->show();
}

void DKeyFunctionPages::showInKeyField(QLineEdit* field, const QString& text)
{
    field->clear();
    field->setMaxLength(text.size());
    field->setText(text);
}

void DKeyFunctionPages::setKeyFieldTheme(QLineEdit* field, ArrowWidget* popup)
{
    DDataManager* data = DDataManager::getInstance();
    const themeColorData theme = data->themeColors();
    field->setStyleSheet(DThemeColor::fillStyleSheet(
        QStringLiteral("QLineEdit#%1{ color: rgb(%2); background-color: rgb(%3); border: 1px solid rgb(%4); "
                       "border-radius: 4px; }"
                       "QLineEdit#%1:hover, QLineEdit#%1:pressed{ border: 1px solid rgb(%5); }"),
        {field->objectName(), theme.textDefaultColor, theme.deviceRightBgColor, theme.deviceBorderColor,
         theme.textCheckedColor}));
    QFont font = data->getFont(1);
    font.setPointSize(11);
    field->setFont(font);
    const QColor fill = DThemeColor::fromText(theme.allBgColor);
    popup->setBackgroundColor(fill.red(), fill.green(), fill.blue());
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
