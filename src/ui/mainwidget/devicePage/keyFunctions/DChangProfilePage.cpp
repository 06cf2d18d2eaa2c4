#include "ui/mainwidget/devicePage/keyFunctions/DChangProfilePage.h"

DChangProfilePage::DChangProfilePage(QWidget* parent)
    : QWidget(parent)
{
}

void DChangProfilePage::retranslate() { }

void DChangProfilePage::loadCurrentKeyInfo()
{
    m_store.takeSelection();
}
