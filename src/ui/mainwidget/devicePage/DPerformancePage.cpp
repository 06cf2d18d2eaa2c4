#include "ui/mainwidget/devicePage/DPerformancePage.h"
#include "ui_DPerformancePage.h"

#include "app/DDataManager.h"
#include "platform/include/KeyboardSettingsLauncher.h"
#include "sdk/include/orvanesdk_xml.h"
#include "sdk/models/ModelCatalogue.h"
#include "ui/mainwidget/devicePage/DSleepTimeCheck.h"
#include "ui/mainwidget/devicePage/DSleepTimeValidator.h"

#include <cstring>

namespace {

constexpr int kSleepHiddenDeviceType = 5;

const char* flagText(bool on)
{
    return on ? "1" : "0";
}

bool storedFlag(const char* field)
{
    return QByteArray(field).trimmed().toInt() != 0;
}

void fillFlag(char (&field)[8])
{
    std::memset(field, 0, sizeof field);
    field[0] = '0';
}

} // namespace

DPerformancePage::DPerformancePage(QWidget* parent)
    : QWidget(parent)
    , m_ui(new Ui::DPerformancePage)
{
    m_ui->setupUi(this);
    m_ui->lineEdit_LightSleep->setValidator(new DSleepTimeValidator(0, DSleepTimeCheck::kLightMaximumSeconds, this));
    m_ui->lineEdit_KeyboardSleep->setValidator(new DSleepTimeValidator(DSleepTimeCheck::kKeyboardMinimumMinutes,
                                                                       DSleepTimeCheck::kKeyboardMaximumMinutes, this));
    m_ui->pushButton_Restore->hide();
    // Without a settings program of a known desktop the button would do nothing.
    m_ui->pushButton_keyboardProperties->setVisible(KeyboardSettingsLauncher().isAvailable());
}

DPerformancePage::~DPerformancePage()
{
    delete m_ui;
}

bool DPerformancePage::offersProhibitSleep(const QString& modelCode)
{
    const ModelInfo* model = ModelCatalogue::instance().find(modelCode);
    return model && model->prohibitSleep;
}

QByteArray DPerformancePage::profileIndexText() const
{
    return QByteArray::number(m_profile.index());
}

void DPerformancePage::retranslate()
{
    m_ui->retranslateUi(this);
    loadPerformanceSettings();
}

void DPerformancePage::loadPerformanceSettings()
{
    const QByteArray index = profileIndexText();
    DDataManager* data = DDataManager::getInstance();

    functionLockInfo locks;
    fillFlag(locks.altTab);
    fillFlag(locks.altF4);
    fillFlag(locks.shiftTab);
    fillFlag(locks.windowsKey);
    COrvaneXML_GetProFileFunctionInfo(m_profile.path(), index.constData(), &locks);
    // Every box is set both ways: a check left over from the previous
    // profile would otherwise be stored by the next click.
    m_ui->checkBox_disableALT_TAB->setChecked(storedFlag(locks.altTab));
    m_ui->checkBox_disableALT_F4->setChecked(storedFlag(locks.altF4));
    m_ui->checkBox_disableSHIFT_TAB->setChecked(storedFlag(locks.shiftTab));
    m_ui->checkBox_disableWindowsKey->setChecked(storedFlag(locks.windowsKey));

    sleepTimeInfo sleep{DSleepTimeCheck::kDefaultLightSeconds, DSleepTimeCheck::kDefaultKeyboardMinutes};
    COrvaneXML_GetProFileIntoSleepTimeInfo(m_profile.path(), index.constData(), &sleep);
    m_ui->lineEdit_LightSleep->setText(QString::number(sleep.lightSleepSeconds));
    m_ui->lineEdit_KeyboardSleep->setText(QString::number(sleep.keyboardSleepMinutes));

    if (offersProhibitSleep(data->currentDeviceName())) {
        const bool prohibited = data->prohibitSleep() != 0;
        m_ui->lineEdit_KeyboardSleep->setReadOnly(prohibited);
        m_ui->checkBox_ProhibitSleep->setChecked(prohibited);
        m_ui->frame_ProhibitSleep->show();
    } else {
        m_ui->frame_ProhibitSleep->hide();
        m_ui->checkBox_ProhibitSleep->setChecked(false);
        m_ui->lineEdit_KeyboardSleep->setReadOnly(false);
    }

    m_ui->frame_Center->setVisible(!data->isMagneticKeyboard() && data->hidDeviceType() != kSleepHiddenDeviceType);
}

void DPerformancePage::saveWinLockOptions()
{
    const bool altTab = m_ui->checkBox_disableALT_TAB->isChecked();
    const bool altF4 = m_ui->checkBox_disableALT_F4->isChecked();
    const bool shiftTab = m_ui->checkBox_disableSHIFT_TAB->isChecked();
    const bool windowsKey = m_ui->checkBox_disableWindowsKey->isChecked();
    COrvaneXML_AddProFileFunctionInfo(m_profile.path(), profileIndexText().constData(), flagText(altTab),
                                      flagText(altF4), flagText(shiftTab), flagText(windowsKey));
    emit sigLockWinKeyAbout(windowsKey, shiftTab, altTab, altF4);
}

void DPerformancePage::on_checkBox_disableWindowsKey_clicked()
{
    saveWinLockOptions();
}

void DPerformancePage::on_checkBox_disableSHIFT_TAB_clicked()
{
    saveWinLockOptions();
}

void DPerformancePage::on_checkBox_disableALT_TAB_clicked()
{
    saveWinLockOptions();
}

void DPerformancePage::on_checkBox_disableALT_F4_clicked()
{
    saveWinLockOptions();
}

void DPerformancePage::on_checkBox_ProhibitSleep_clicked()
{
    m_ui->lineEdit_KeyboardSleep->setReadOnly(m_ui->checkBox_ProhibitSleep->isChecked());
}

void DPerformancePage::on_pushButton_SubmitSleepTime_clicked()
{
    const int light = DSleepTimeCheck::fieldValue(m_ui->lineEdit_LightSleep->text());
    const int keyboard = DSleepTimeCheck::fieldValue(m_ui->lineEdit_KeyboardSleep->text()) * 60;
    emit sigLightAndKeyboardSleepTime(light, keyboard, m_ui->checkBox_ProhibitSleep->isChecked() ? 1 : 0);
}

void DPerformancePage::on_pushButton_keyboardProperties_clicked()
{
    KeyboardSettingsLauncher().launch();
}

void DPerformancePage::on_pushButton_Restore_clicked()
{
    emit sigResetoreCurrentProfile();
}

void DPerformancePage::setTheme()
{
    // Colours are the application sheet's; the sizes are the theme's fonts.
    const QFont normal = DDataManager::getInstance()->getFont(1);
    QFont labelFont = normal;
    labelFont.setPointSize(11);
    for (QWidget* widget : {static_cast<QWidget*>(m_ui->label), static_cast<QWidget*>(m_ui->label_2),
                            static_cast<QWidget*>(m_ui->label_5), static_cast<QWidget*>(m_ui->pushButton_SubmitSleepTime),
                            static_cast<QWidget*>(m_ui->pushButton_Restore),
                            static_cast<QWidget*>(m_ui->pushButton_keyboardProperties)})
        widget->setFont(labelFont);
    QFont unitFont = normal;
    unitFont.setPointSize(10);
    for (QLabel* label : {m_ui->label_3, m_ui->label_4})
        label->setFont(unitFont);
}
