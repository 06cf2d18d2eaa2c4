#include "support/SoftKeyLooks.h"

#include "app/DDataManager.h"
#include "app/DThemeRoles.h"
#include "ui/mainwidget/devicePage/keyboardView/SoftKeyboardButCustom.h"

#include <QImage>

#include <algorithm>

namespace SoftKeyLooks {

bool showsMarkedLook(SoftKeyboardButCustom* key)
{
    const QImage drawn = key->grab().toImage();
    const QColor line = drawn.pixelColor(drawn.width() / 2, drawn.height() - 1);
    const QColor marked = DDataManager::getInstance()->themeRoles().color(DThemeRoles::KeySelected);
    return line.rgb() == marked.rgb();
}

QList<int> markedLooks(const QWidget& page)
{
    QList<int> usages;
    for (SoftKeyboardButCustom* key : page.findChildren<SoftKeyboardButCustom*>()) {
        if (showsMarkedLook(key))
            usages << key->keyDec();
    }
    std::sort(usages.begin(), usages.end());
    return usages;
}

} // namespace SoftKeyLooks
