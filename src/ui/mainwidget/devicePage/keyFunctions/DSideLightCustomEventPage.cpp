#include "ui/mainwidget/devicePage/keyFunctions/DSideLightCustomEventPage.h"

DSideLightCustomEventPage::DSideLightCustomEventPage(QWidget* parent)
    : QWidget(parent)
{
}

void DSideLightCustomEventPage::retranslate() { }

void DSideLightCustomEventPage::setTheme() { }

void DSideLightCustomEventPage::loadCurrentKeyInfo()
{
    m_store.takeSelection();
}
