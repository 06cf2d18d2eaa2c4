#include "ui/mainwidget/devicePage/keyFunctions/DKeyConfigFunctionPage.h"
#include "ui_DKeyConfigFunctionPage.h"

#include "app/DDataManager.h"
#include "profiles/DKeyFunctionType.h"
#include "ui/mainwidget/devicePage/keyFunctions/DKeyActionChoice.h"
#include "ui/mainwidget/devicePage/keyFunctions/DKeyFunctionPages.h"

namespace {

using Action = DKeyAction;
using Type = DKeyFunctionType::Code;

// The device types (of the key-layout descriptions) whose keyboards offer no
// connection switch and no power query: the magnetic-switch models and OV68.
constexpr int kMagneticDeviceType = 4;
constexpr int kOV68DeviceType = 5;

// paramB is the sub-function; a connection switch stores "mode,channel"
// (mode 2 USB, 1 2.4 GHz, 0 Bluetooth), USB and 2.4 GHz shown whatever the
// channel.
constexpr DKeyAction kActions[] = {
    {"radioButton_LockKeyboard", Type::kKeyboardFunction, 0, 0, Action::kNoChannel, Action::kParamB},
    {"radioButton_SwitchLoopWin", Type::kKeyboardFunction, 2, 0, Action::kNoChannel, Action::kParamBAndValue},
    {"radioButton_LockWin", Type::kKeyboardFunction, 2, 1, Action::kNoChannel, Action::kParamBAndValue},
    {"radioButton_UnlockWin", Type::kKeyboardFunction, 2, 2, Action::kNoChannel, Action::kParamBAndValue},
    {"radioButton_DefaultLayer", Type::kKeyboardFunction, 8, 0, Action::kNoChannel, Action::kParamBAndValue},
    {"radioButton_FNLayer", Type::kKeyboardFunction, 8, 1, Action::kNoChannel, Action::kParamBAndValue},
    {"radioButton_FN1Layer", Type::kKeyboardFunction, 8, 2, Action::kNoChannel, Action::kParamBAndValue},
    {"radioButton_USB", Type::kKeyboardFunction, 11, 2, 0, Action::kConnectionMode},
    {"radioButton_24G", Type::kKeyboardFunction, 11, 1, 0, Action::kConnectionMode},
    {"radioButton_Pattern1", Type::kKeyboardFunction, 11, 0, 0, Action::kConnectionChannel},
    {"radioButton_Pattern2", Type::kKeyboardFunction, 11, 0, 1, Action::kConnectionChannel},
    {"radioButton_Pattern3", Type::kKeyboardFunction, 11, 0, 2, Action::kConnectionChannel},
    {"radioButton_PowerQuery", Type::kKeyboardFunction, 10, 0, Action::kNoChannel, Action::kParamB},
};

} // namespace

DKeyConfigFunctionPage::DKeyConfigFunctionPage(QWidget* parent)
    : QWidget(parent)
    , m_ui(new Ui::DKeyConfigFunctionPage)
{
    m_ui->setupUi(this);
    for (QRadioButton* hidden : {m_ui->radioButton_DefaultLayer, m_ui->radioButton_FNLayer, m_ui->radioButton_FN1Layer,
                                 m_ui->radioButton_LockWin, m_ui->radioButton_UnlockWin})
        hidden->hide();
    m_choice = new DKeyActionChoice(this, kActions, DKeyFunctionPages::kKeyConfigFunctionCode);
    m_choice->relayTo(this);
    retranslate();
}

DKeyConfigFunctionPage::~DKeyConfigFunctionPage()
{
    delete m_ui;
}

void DKeyConfigFunctionPage::retranslate()
{
    m_ui->retranslateUi(this);
    m_ui->label->setText(QObject::tr("Key Config"));
    m_ui->radioButton_LockKeyboard->setText(QObject::tr("Lock keyboard"));
    m_ui->radioButton_SwitchLoopWin->setText(QObject::tr("Lock/Unlock Win"));
    m_ui->radioButton_LockWin->setText(QObject::tr("Lock win"));
    m_ui->radioButton_UnlockWin->setText(QObject::tr("Unlock win"));
    m_ui->radioButton_DefaultLayer->setText(QObject::tr("Default layer"));
    m_ui->radioButton_FNLayer->setText(QObject::tr("FN layer"));
    m_ui->radioButton_FN1Layer->setText(QObject::tr("FN1 layer"));
    m_ui->radioButton_USB->setText(QObject::tr("USB switching"));
    m_ui->radioButton_24G->setText(QObject::tr("2.4G switching"));
    m_ui->radioButton_Pattern1->setText(QObject::tr("Bluetooth 1"));
    m_ui->radioButton_Pattern2->setText(QObject::tr("Bluetooth 2"));
    m_ui->radioButton_Pattern3->setText(QObject::tr("Bluetooth 3"));
    m_ui->radioButton_PowerQuery->setText(QObject::tr("Power query"));
}

void DKeyConfigFunctionPage::loadCurrentKeyInfo()
{
    const int deviceType = DDataManager::getInstance()->hidDeviceType();
    const bool hasConnections = deviceType != kMagneticDeviceType && deviceType != kOV68DeviceType;
    for (QRadioButton* button : {m_ui->radioButton_PowerQuery, m_ui->radioButton_USB, m_ui->radioButton_24G,
                                 m_ui->radioButton_Pattern1, m_ui->radioButton_Pattern2, m_ui->radioButton_Pattern3})
        button->setVisible(hasConnections);
    m_choice->load();
}

void DKeyConfigFunctionPage::on_radioButton_LockKeyboard_clicked()
{
    m_choice->store(m_ui->radioButton_LockKeyboard);
}

void DKeyConfigFunctionPage::on_radioButton_SwitchLoopWin_clicked()
{
    m_choice->store(m_ui->radioButton_SwitchLoopWin);
}

void DKeyConfigFunctionPage::on_radioButton_LockWin_clicked()
{
    m_choice->store(m_ui->radioButton_LockWin);
}

void DKeyConfigFunctionPage::on_radioButton_UnlockWin_clicked()
{
    m_choice->store(m_ui->radioButton_UnlockWin);
}

void DKeyConfigFunctionPage::on_radioButton_DefaultLayer_clicked()
{
    m_choice->store(m_ui->radioButton_DefaultLayer);
}

void DKeyConfigFunctionPage::on_radioButton_FNLayer_clicked()
{
    m_choice->store(m_ui->radioButton_FNLayer);
}

void DKeyConfigFunctionPage::on_radioButton_FN1Layer_clicked()
{
    m_choice->store(m_ui->radioButton_FN1Layer);
}

void DKeyConfigFunctionPage::on_radioButton_USB_clicked()
{
    m_choice->store(m_ui->radioButton_USB);
}

void DKeyConfigFunctionPage::on_radioButton_24G_clicked()
{
    m_choice->store(m_ui->radioButton_24G);
}

void DKeyConfigFunctionPage::on_radioButton_Pattern1_clicked()
{
    m_choice->store(m_ui->radioButton_Pattern1);
}

void DKeyConfigFunctionPage::on_radioButton_Pattern2_clicked()
{
    m_choice->store(m_ui->radioButton_Pattern2);
}

void DKeyConfigFunctionPage::on_radioButton_Pattern3_clicked()
{
    m_choice->store(m_ui->radioButton_Pattern3);
}

void DKeyConfigFunctionPage::on_radioButton_PowerQuery_clicked()
{
    m_choice->store(m_ui->radioButton_PowerQuery);
}
