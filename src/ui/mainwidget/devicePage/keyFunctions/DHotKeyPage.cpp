#include "ui/mainwidget/devicePage/keyFunctions/DHotKeyPage.h"

DHotKeyPage::DHotKeyPage(QWidget* parent)
    : QWidget(parent)
{
}

void DHotKeyPage::retranslate() { }

void DHotKeyPage::setTheme() { }

void DHotKeyPage::loadCurrentKeyInfo()
{
    m_store.takeSelection();
}
