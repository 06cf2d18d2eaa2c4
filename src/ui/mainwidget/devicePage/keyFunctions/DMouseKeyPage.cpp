#include "ui/mainwidget/devicePage/keyFunctions/DMouseKeyPage.h"
#include "ui_DMouseKeyPage.h"

#include "profiles/DKeyFunctionType.h"
#include "ui/mainwidget/devicePage/keyFunctions/DKeyActionChoice.h"
#include "ui/mainwidget/devicePage/keyFunctions/DKeyFunctionPages.h"

namespace {

using Action = DKeyAction;

// Forward is 5 and Backward 6, and the wheel reads down before up in the grid.
constexpr DKeyAction kActions[] = {
    {"radioButton_mouseLeft", DKeyFunctionType::kMouse, 1, 0, Action::kNoChannel, Action::kValue},
    {"radioButton_mouseCenter", DKeyFunctionType::kMouse, 1, 1, Action::kNoChannel, Action::kValue},
    {"radioButton_mouseRight", DKeyFunctionType::kMouse, 1, 2, Action::kNoChannel, Action::kValue},
    {"radioButton_mouseScrollUp", DKeyFunctionType::kMouse, 1, 3, Action::kNoChannel, Action::kValue},
    {"radioButton_mouseScrollDown", DKeyFunctionType::kMouse, 1, 4, Action::kNoChannel, Action::kValue},
    {"radioButton_Forward", DKeyFunctionType::kMouse, 1, 5, Action::kNoChannel, Action::kValue},
    {"radioButton_Backward", DKeyFunctionType::kMouse, 1, 6, Action::kNoChannel, Action::kValue},
    {"radioButton_SniperKey", DKeyFunctionType::kMouse, 1, 7, Action::kNoChannel, Action::kValue},
};

} // namespace

DMouseKeyPage::DMouseKeyPage(QWidget* parent)
    : QWidget(parent)
    , m_ui(new Ui::DMouseKeyPage)
{
    m_ui->setupUi(this);
    m_ui->radioButton_SniperKey->hide();
    m_choice = new DKeyActionChoice(this, kActions, DKeyFunctionPages::kMouseFunctionCode);
    m_choice->relayTo(this);
    retranslate();
}

DMouseKeyPage::~DMouseKeyPage()
{
    delete m_ui;
}

void DMouseKeyPage::retranslate()
{
    m_ui->retranslateUi(this);
    m_ui->label_7->setText(QObject::tr("Mouse Key"));
    m_ui->radioButton_mouseLeft->setText(QObject::tr("Mouse Left"));
    m_ui->radioButton_mouseCenter->setText(QObject::tr("Mouse Center"));
    m_ui->radioButton_mouseRight->setText(QObject::tr("Mouse Right"));
    m_ui->radioButton_mouseScrollUp->setText(QObject::tr("Scroll Up"));
    m_ui->radioButton_mouseScrollDown->setText(QObject::tr("Scroll Down"));
    m_ui->radioButton_Forward->setText(QObject::tr("Forward"));
    m_ui->radioButton_Backward->setText(QObject::tr("Backward"));
    m_ui->radioButton_SniperKey->setText(QObject::tr("Sniper Key"));
}

void DMouseKeyPage::loadCurrentKeyInfo()
{
    m_choice->load();
}

void DMouseKeyPage::storeCheckedMouseAction()
{
    if (QAbstractButton* button = m_choice->checkedButton())
        m_choice->store(button);
}

void DMouseKeyPage::on_radioButton_mouseLeft_clicked()
{
    storeCheckedMouseAction();
}

void DMouseKeyPage::on_radioButton_mouseCenter_clicked()
{
    storeCheckedMouseAction();
}

void DMouseKeyPage::on_radioButton_mouseRight_clicked()
{
    storeCheckedMouseAction();
}

void DMouseKeyPage::on_radioButton_mouseScrollDown_clicked()
{
    storeCheckedMouseAction();
}

void DMouseKeyPage::on_radioButton_mouseScrollUp_clicked()
{
    storeCheckedMouseAction();
}

void DMouseKeyPage::on_radioButton_Backward_clicked()
{
    storeCheckedMouseAction();
}

void DMouseKeyPage::on_radioButton_Forward_clicked()
{
    storeCheckedMouseAction();
}
