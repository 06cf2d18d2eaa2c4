#include "ui/mainwidget/devicePage/keyFunctions/DKeyboardLightCustomEventPage.h"

DKeyboardLightCustomEventPage::DKeyboardLightCustomEventPage(QWidget* parent)
    : QWidget(parent)
{
}

void DKeyboardLightCustomEventPage::retranslate() { }

void DKeyboardLightCustomEventPage::setTheme() { }

void DKeyboardLightCustomEventPage::loadCurrentKeyInfo()
{
    m_store.takeSelection();
}
