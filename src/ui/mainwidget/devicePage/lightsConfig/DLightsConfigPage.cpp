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

void DLightsConfigPage::loadProfileLightType()
{
    ++m_loadCount;
}

void DLightsConfigPage::applyDeviceLightChange(int part, int effect)
{
    Q_UNUSED(part)
    Q_UNUSED(effect)
    loadProfileLightType();
}
