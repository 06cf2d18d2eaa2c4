#include "ui/mainwidget/devicePage/keyFunctions/DHotKeyPage.h"
#include "ui_DHotKeyPage.h"

#include "profiles/DKeyFunctionType.h"
#include "ui/mainwidget/devicePage/keyFunctions/DKeyActionChoice.h"
#include "ui/mainwidget/devicePage/keyFunctions/DKeyFunctionPages.h"

namespace {

using Action = DKeyAction;
constexpr int kShortcut = DKeyFunctionType::kShortcut;

// New is 9 and Print 10 although Print stands first in the grid.
constexpr DKeyAction kShortcuts[] = {
    {"radioButton_CloseWindow", kShortcut, 1, 0, Action::kNoChannel, Action::kValue},
    {"radioButton_ShowDesktop", kShortcut, 1, 2, Action::kNoChannel, Action::kValue},
    {"radioButton_OpenMyComputer", kShortcut, 1, 3, Action::kNoChannel, Action::kValue},
    {"radioButton_LockingComputer", kShortcut, 1, 4, Action::kNoChannel, Action::kValue},
    {"radioButton_Copy", kShortcut, 1, 5, Action::kNoChannel, Action::kValue},
    {"radioButton_Cut", kShortcut, 1, 6, Action::kNoChannel, Action::kValue},
    {"radioButton_Paste", kShortcut, 1, 7, Action::kNoChannel, Action::kValue},
    {"radioButton_Find", kShortcut, 1, 8, Action::kNoChannel, Action::kValue},
    {"radioButton_CreateNew", kShortcut, 1, 9, Action::kNoChannel, Action::kValue},
    {"radioButton_Print", kShortcut, 1, 10, Action::kNoChannel, Action::kValue},
    {"radioButton_Save", kShortcut, 1, 11, Action::kNoChannel, Action::kValue},
};

} // namespace

DHotKeyPage::DHotKeyPage(QWidget* parent)
    : QWidget(parent)
    , m_ui(new Ui::DHotKeyPage)
{
    m_ui->setupUi(this);
    m_choice = new DKeyActionChoice(this, kShortcuts, DKeyFunctionPages::kShortcutFunctionCode);
    m_choice->relayTo(this);
    retranslate();
}

DHotKeyPage::~DHotKeyPage()
{
    delete m_ui;
}

void DHotKeyPage::retranslate()
{
    m_ui->retranslateUi(this);
    m_ui->label->setText(QObject::tr("Shortcuts"));
    m_ui->radioButton_CloseWindow->setText(QObject::tr("Close window"));
    m_ui->radioButton_ShowDesktop->setText(QObject::tr("Show desktop"));
    m_ui->radioButton_OpenMyComputer->setText(QObject::tr("My computer"));
    m_ui->radioButton_LockingComputer->setText(QObject::tr("Lock computer"));
    m_ui->radioButton_Copy->setText(QObject::tr("Copy"));
    m_ui->radioButton_Cut->setText(QObject::tr("Cut"));
    m_ui->radioButton_Paste->setText(QObject::tr("Paste"));
    m_ui->radioButton_Find->setText(QObject::tr("Find"));
    m_ui->radioButton_CreateNew->setText(QObject::tr("New"));
    m_ui->radioButton_Print->setText(QObject::tr("Print"));
    m_ui->radioButton_Save->setText(QObject::tr("Save"));
}

void DHotKeyPage::loadCurrentKeyInfo()
{
    m_choice->load();
}

void DHotKeyPage::storeCheckedShortcut()
{
    if (QAbstractButton* button = m_choice->checkedButton())
        m_choice->store(button);
}

void DHotKeyPage::on_radioButton_CloseWindow_clicked()
{
    storeCheckedShortcut();
}

void DHotKeyPage::on_radioButton_ShowDesktop_clicked()
{
    storeCheckedShortcut();
}

void DHotKeyPage::on_radioButton_OpenMyComputer_clicked()
{
    storeCheckedShortcut();
}

void DHotKeyPage::on_radioButton_LockingComputer_clicked()
{
    storeCheckedShortcut();
}

void DHotKeyPage::on_radioButton_Copy_clicked()
{
    storeCheckedShortcut();
}

void DHotKeyPage::on_radioButton_Cut_clicked()
{
    storeCheckedShortcut();
}

void DHotKeyPage::on_radioButton_Paste_clicked()
{
    storeCheckedShortcut();
}

void DHotKeyPage::on_radioButton_Find_clicked()
{
    storeCheckedShortcut();
}

void DHotKeyPage::on_radioButton_CreateNew_clicked()
{
    storeCheckedShortcut();
}

void DHotKeyPage::on_radioButton_Print_clicked()
{
    storeCheckedShortcut();
}

void DHotKeyPage::on_radioButton_Save_clicked()
{
    storeCheckedShortcut();
}
