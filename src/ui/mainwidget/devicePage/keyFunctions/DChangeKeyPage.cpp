#include "ui/mainwidget/devicePage/keyFunctions/DChangeKeyPage.h"

DChangeKeyPage::DChangeKeyPage(QWidget* parent)
    : QWidget(parent)
{
}

void DChangeKeyPage::retranslate() { }

void DChangeKeyPage::setTheme() { }

void DChangeKeyPage::loadCurrentKeyInfo()
{
    m_store.takeSelection();
}

void DChangeKeyPage::setPressModeVisible(bool) { }

void DChangeKeyPage::setCapturedKey(int) { }
