#include "ui/mainwidget/devicePage/keyFunctions/DSeniorKeysBindingPage.h"

DSeniorKeysBindingPage::DSeniorKeysBindingPage(QWidget* parent)
    : QWidget(parent)
{
}

void DSeniorKeysBindingPage::retranslate() { }

void DSeniorKeysBindingPage::setTheme() { }

void DSeniorKeysBindingPage::loadCurrentKeyInfo()
{
    m_store.takeSelection();
}
