#include "ui/mainwidget/devicePage/keyFunctions/DKeyConfigFunctionPage.h"

DKeyConfigFunctionPage::DKeyConfigFunctionPage(QWidget* parent)
    : QWidget(parent)
{
}

void DKeyConfigFunctionPage::retranslate() { }

void DKeyConfigFunctionPage::setTheme() { }

void DKeyConfigFunctionPage::loadCurrentKeyInfo()
{
    m_store.takeSelection();
}
