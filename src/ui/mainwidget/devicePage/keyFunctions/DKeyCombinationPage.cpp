#include "ui/mainwidget/devicePage/keyFunctions/DKeyCombinationPage.h"

DKeyCombinationPage::DKeyCombinationPage(QWidget* parent)
    : QWidget(parent)
{
}

void DKeyCombinationPage::retranslate() { }

void DKeyCombinationPage::setTheme() { }

void DKeyCombinationPage::loadCurrentKeyInfo()
{
    m_store.takeSelection();
}

void DKeyCombinationPage::setPressModeVisible(bool) { }

void DKeyCombinationPage::setCapturedKey(int) { }
