#include "ui/mainwidget/devicePage/keyFunctions/DMultimediaPage.h"
#include "ui_DMultimediaPage.h"

#include "profiles/DKeyFunctionType.h"
#include "ui/mainwidget/devicePage/keyFunctions/DKeyActionChoice.h"
#include "ui/mainwidget/devicePage/keyFunctions/DKeyFunctionPages.h"

namespace {

using Action = DKeyAction;

// Code 7 has no button; Browser is 11 and Email 12 although Email stands first.
constexpr DKeyAction kActions[] = {
    {"radioButton_volAdd", DKeyFunctionType::kMultimedia, 1, 0, Action::kNoChannel, Action::kValue},
    {"radioButton_volLower", DKeyFunctionType::kMultimedia, 1, 1, Action::kNoChannel, Action::kValue},
    {"radioButton_mute", DKeyFunctionType::kMultimedia, 1, 2, Action::kNoChannel, Action::kValue},
    {"radioButton_playOrPause", DKeyFunctionType::kMultimedia, 1, 3, Action::kNoChannel, Action::kValue},
    {"radioButton_next", DKeyFunctionType::kMultimedia, 1, 4, Action::kNoChannel, Action::kValue},
    {"radioButton_previous", DKeyFunctionType::kMultimedia, 1, 5, Action::kNoChannel, Action::kValue},
    {"radioButton_videoStop", DKeyFunctionType::kMultimedia, 1, 6, Action::kNoChannel, Action::kValue},
    {"radioButton_Player", DKeyFunctionType::kMultimedia, 1, 8, Action::kNoChannel, Action::kValue},
    {"radioButton_Calculator", DKeyFunctionType::kMultimedia, 1, 9, Action::kNoChannel, Action::kValue},
    {"radioButton_Computer", DKeyFunctionType::kMultimedia, 1, 10, Action::kNoChannel, Action::kValue},
    {"radioButton_Browser", DKeyFunctionType::kMultimedia, 1, 11, Action::kNoChannel, Action::kValue},
    {"radioButton_Email", DKeyFunctionType::kMultimedia, 1, 12, Action::kNoChannel, Action::kValue},
    {"radioButton_ScreenBrightnessAdd", DKeyFunctionType::kMultimedia, 1, 13, Action::kNoChannel, Action::kValue},
    {"radioButton_ScreenBrightnessLess", DKeyFunctionType::kMultimedia, 1, 14, Action::kNoChannel, Action::kValue},
    {"radioButton_wwwSearch", DKeyFunctionType::kMultimedia, 1, 15, Action::kNoChannel, Action::kValue},
};

} // namespace

DMultimediaPage::DMultimediaPage(QWidget* parent)
    : QWidget(parent)
    , m_ui(new Ui::DMultimediaPage)
{
    m_ui->setupUi(this);
    m_choice = new DKeyActionChoice(this, kActions, DKeyFunctionPages::kMultimediaFunctionCode);
    m_choice->relayTo(this);
    retranslate();
}

DMultimediaPage::~DMultimediaPage()
{
    delete m_ui;
}

void DMultimediaPage::retranslate()
{
    m_ui->retranslateUi(this);
    m_ui->label_6->setText(QObject::tr("Multimedia"));
    m_ui->radioButton_volAdd->setText(QObject::tr("Volume +"));
    m_ui->radioButton_volLower->setText(QObject::tr("Volume -"));
    m_ui->radioButton_mute->setText(QObject::tr("Mute"));
    m_ui->radioButton_playOrPause->setText(QObject::tr("Play/Pause"));
    m_ui->radioButton_next->setText(QObject::tr("Next track"));
    m_ui->radioButton_previous->setText(QObject::tr("Prev track"));
    m_ui->radioButton_videoStop->setText(QObject::tr("Stop"));
    m_ui->radioButton_Player->setText(QObject::tr("Player"));
    m_ui->radioButton_Calculator->setText(QObject::tr("Calculator"));
    m_ui->radioButton_Computer->setText(QObject::tr("Computer"));
    m_ui->radioButton_Browser->setText(QObject::tr("Browser"));
    m_ui->radioButton_Email->setText(QObject::tr("Email"));
    m_ui->radioButton_ScreenBrightnessAdd->setText(QObject::tr("Screen brightness+"));
    m_ui->radioButton_ScreenBrightnessLess->setText(QObject::tr("Screen brightness-"));
    m_ui->radioButton_wwwSearch->setText(QObject::tr("Search"));
}

void DMultimediaPage::loadCurrentKeyInfo()
{
    m_choice->load();
}

void DMultimediaPage::storeCheckedMultimedia()
{
    if (QAbstractButton* button = m_choice->checkedButton())
        m_choice->store(button);
}

void DMultimediaPage::on_radioButton_playOrPause_clicked()
{
    storeCheckedMultimedia();
}

void DMultimediaPage::on_radioButton_videoStop_clicked()
{
    storeCheckedMultimedia();
}

void DMultimediaPage::on_radioButton_previous_clicked()
{
    storeCheckedMultimedia();
}

void DMultimediaPage::on_radioButton_next_clicked()
{
    storeCheckedMultimedia();
}

void DMultimediaPage::on_radioButton_volAdd_clicked()
{
    storeCheckedMultimedia();
}

void DMultimediaPage::on_radioButton_volLower_clicked()
{
    storeCheckedMultimedia();
}

void DMultimediaPage::on_radioButton_mute_clicked()
{
    storeCheckedMultimedia();
}

void DMultimediaPage::on_radioButton_Player_clicked()
{
    storeCheckedMultimedia();
}

void DMultimediaPage::on_radioButton_Calculator_clicked()
{
    storeCheckedMultimedia();
}

void DMultimediaPage::on_radioButton_Computer_clicked()
{
    storeCheckedMultimedia();
}

void DMultimediaPage::on_radioButton_Email_clicked()
{
    storeCheckedMultimedia();
}

void DMultimediaPage::on_radioButton_Browser_clicked()
{
    storeCheckedMultimedia();
}

void DMultimediaPage::on_radioButton_ScreenBrightnessAdd_clicked()
{
    storeCheckedMultimedia();
}

void DMultimediaPage::on_radioButton_ScreenBrightnessLess_clicked()
{
    storeCheckedMultimedia();
}

void DMultimediaPage::on_radioButton_wwwSearch_clicked()
{
    storeCheckedMultimedia();
}
