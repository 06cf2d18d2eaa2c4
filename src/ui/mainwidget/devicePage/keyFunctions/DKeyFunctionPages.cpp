#include "ui/mainwidget/devicePage/keyFunctions/DKeyFunctionPages.h"

#include "app/DDataManager.h"
#include "app/DThemeRoles.h"

#include "ui/mainwidget/devicePage/keyboardView/DVirtualKeyboardTool.h"
#include "ui/widgets/ArrowWidget.h"

#include <QButtonGroup>
#include <QLineEdit>
#include <QRadioButton>

namespace {

constexpr int kPopupWidth = 1050;
constexpr int kPopupHeight = 345;
constexpr int kPopupArrowX = 350;
// From the field's bottom centre to the bubble's top left corner: the bubble
// stands above the field with its arrow over it.
constexpr QPoint kPopupOffset(357, 375);

} // namespace

QButtonGroup* DKeyFunctionPages::pressModeGroup(QWidget* page, QRadioButton* lightPress, QRadioButton* heavyPress)
{
    auto* group = new QButtonGroup(page);
    group->addButton(lightPress, 0);
    group->addButton(heavyPress, 1);
    lightPress->setChecked(true);
    return group;
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

void DKeyFunctionPages::setKeyboardPopupTheme(ArrowWidget* popup)
{
    const QColor fill = DDataManager::getInstance()->themeRoles().color(DThemeRoles::Window);
    popup->setBackgroundColor(fill.red(), fill.green(), fill.blue());
}
