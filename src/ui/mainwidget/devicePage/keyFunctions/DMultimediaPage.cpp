#include "ui/mainwidget/devicePage/keyFunctions/DMultimediaPage.h"

DMultimediaPage::DMultimediaPage(QWidget* parent)
    : QWidget(parent)
{
}

void DMultimediaPage::retranslate() { }

void DMultimediaPage::setTheme() { }

void DMultimediaPage::loadCurrentKeyInfo()
{
    m_store.takeSelection();
}
