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
    keyLabel->setFont(font);
    keyLabel->setStyleSheet(DThemeColor::fillStyleSheet(
        QStringLiteral("QLabel#label_KeyChar{ color: rgb(%1); border: 3px solid rgb(%2); border-radius: 8px; }"),
        {theme.textCheckedColor, theme.deviceBorderColor}));
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
