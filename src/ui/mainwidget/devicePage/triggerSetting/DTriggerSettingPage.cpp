#include "ui/mainwidget/devicePage/triggerSetting/DTriggerSettingPage.h"

#include "app/DDataManager.h"

DTriggerSettingPage::DTriggerSettingPage(QWidget* parent)
    : QWidget(parent)
{
}

void DTriggerSettingPage::retranslate() { }

void DTriggerSettingPage::setTheme() { }

void DTriggerSettingPage::exitCalibrationMode()
{
    DDataManager::getInstance()->setCalibrating(false);
}

void DTriggerSettingPage::loadSensitivityData()
{
    ++m_loadCount;
}
