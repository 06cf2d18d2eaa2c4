#include "ui/mainwidget/devicePage/keyFunctions/DKeyFunctionPages.h"

#include "app/DDataManager.h"
#include "app/DThemeColor.h"

QString DKeyFunctionPages::pressModeStyleSheet()
{
    const themeColorData theme = DDataManager::getInstance()->themeColors();
    return DThemeColor::fillStyleSheet(
        QStringLiteral("QRadioButton{ color: rgb(%1); font-weight: 75; font-size: 10pt; font-family: \"%3\"; }"
                       "QRadioButton:checked{ color: rgb(%2); }"
                       "QRadioButton::indicator:checked{ background-color: rgb(%2); border-radius: 6px; "
                       "border: 2px solid white; }"),
        {theme.textDefaultColor, theme.textCheckedColor, theme.textFont});
}
