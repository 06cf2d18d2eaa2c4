#include "ui/mainwidget/devicePage/keyFunctions/DMouseKeyPage.h"

DMouseKeyPage::DMouseKeyPage(QWidget* parent)
    : QWidget(parent)
{
}

void DMouseKeyPage::retranslate() { }

void DMouseKeyPage::setTheme() { }

void DMouseKeyPage::loadCurrentKeyInfo()
{
    m_store.takeSelection();
}
