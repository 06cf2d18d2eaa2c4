#include "DTriggerSettingPage.h"

DTriggerSettingPage::DTriggerSettingPage(QWidget* parent)
    : QWidget(parent)
{
}

void DTriggerSettingPage::retranslate()
{
}

void DTriggerSettingPage::setTheme()
{
}
