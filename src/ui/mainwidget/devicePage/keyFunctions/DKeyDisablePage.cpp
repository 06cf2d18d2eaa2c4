#include "ui/mainwidget/devicePage/keyFunctions/DKeyDisablePage.h"

DKeyDisablePage::DKeyDisablePage(QWidget* parent)
    : QWidget(parent)
{
}

void DKeyDisablePage::retranslate() { }

void DKeyDisablePage::setTheme() { }

void DKeyDisablePage::loadCurrentKeyInfo()
{
    m_store.takeSelection();
}
