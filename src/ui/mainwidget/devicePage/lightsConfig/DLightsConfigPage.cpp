#include "DLightsConfigPage.h"

DLightsConfigPage::DLightsConfigPage(QWidget* parent)
    : QWidget(parent)
{
}

void DLightsConfigPage::retranslate()
{
}

void DLightsConfigPage::setTheme()
{
}
