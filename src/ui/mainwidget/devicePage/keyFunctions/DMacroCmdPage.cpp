#include "ui/mainwidget/devicePage/keyFunctions/DMacroCmdPage.h"

DMacroCmdPage::DMacroCmdPage(QWidget* parent)
    : QWidget(parent)
{
}

void DMacroCmdPage::retranslate() { }

void DMacroCmdPage::setTheme() { }

void DMacroCmdPage::loadCurrentKeyInfo()
{
    m_store.takeSelection();
}
