#include "ui/mainwidget/devicePage/keyFunctions/DKeyWithAppPage.h"

DKeyWithAppPage::DKeyWithAppPage(QWidget* parent)
    : QWidget(parent)
{
}

void DKeyWithAppPage::retranslate() { }

void DKeyWithAppPage::setTheme() { }

void DKeyWithAppPage::loadCurrentKeyInfo()
{
    m_store.takeSelection();
}
