#include "ui/mainwidget/devicePage/keyFunctions/DKeyWithTextPage.h"

DKeyWithTextPage::DKeyWithTextPage(QWidget* parent)
    : QWidget(parent)
{
}

void DKeyWithTextPage::retranslate() { }

void DKeyWithTextPage::setTheme() { }

void DKeyWithTextPage::loadCurrentKeyInfo()
{
    m_store.takeSelection();
}
