#include "ui/mainwidget/devicePage/keyFunctions/DKeyboardLightCustomEventPage.h"
#include "ui_DKeyboardLightCustomEventPage.h"

#include "profiles/DKeyFunctionType.h"
#include "ui/mainwidget/devicePage/keyFunctions/DKeyActionChoice.h"
#include "ui/mainwidget/devicePage/keyFunctions/DKeyFunctionPages.h"
#include "ui/widgets/GridColumnFit.h"

namespace {

using Action = DKeyAction;
using Type = DKeyFunctionType::Code;

// The off actions are told apart by paramB: "Stop back light" is paramB 1
// whatever its value; light recording whatever value and paramB.
constexpr DKeyAction kActions[] = {
    {"radioButton_OverallLightList", Type::kKeyboardLightEffect, 1, 0, Action::kNoChannel, Action::kValue},
    {"radioButton_InteractionLightList", Type::kKeyboardLightEffect, 1, 1, Action::kNoChannel, Action::kValue},
    {"radioButton_AllLightList", Type::kKeyboardLightEffect, 1, 2, Action::kNoChannel, Action::kValue},
    {"radioButton_StaticMode", Type::kKeyboardLightEffect, 1, 3, Action::kNoChannel, Action::kValue},
    {"radioButton_BrightnessUp", Type::kKeyboardLightBrightness, 1, 0, Action::kNoChannel, Action::kValue},
    {"radioButton_BrightnessDown", Type::kKeyboardLightBrightness, 1, 1, Action::kNoChannel, Action::kValue},
    {"radioButton_SpeedAdd", Type::kKeyboardLightSpeed, 1, 0, Action::kNoChannel, Action::kValue},
    {"radioButton_SpeedLessen", Type::kKeyboardLightSpeed, 1, 1, Action::kNoChannel, Action::kValue},
    {"radioButton_DirectionAddOne", Type::kKeyboardLightDirection, 1, 0, Action::kNoChannel, Action::kValue},
    {"radioButton_DirectionLessenOne", Type::kKeyboardLightDirection, 1, 1, Action::kNoChannel, Action::kValue},
    {"radioButton_DirectionLoop", Type::kKeyboardLightDirection, 1, 2, Action::kNoChannel, Action::kValue},
    {"radioButton_FullColor", Type::kKeyboardLightColour, 1, 0, Action::kNoChannel, Action::kValue},
    {"radioButton_TopColor", Type::kKeyboardLightColour, 1, 1, Action::kNoChannel, Action::kValue},
    {"radioButton_BottomColor", Type::kKeyboardLightColour, 1, 2, Action::kNoChannel, Action::kValue},
    {"radioButton_CloseAll", Type::kKeyboardLightOff, 0, 0, Action::kNoChannel, Action::kParamBAndValue},
    {"radioButton_CloseBackLight", Type::kKeyboardLightOff, 0, 1, Action::kNoChannel, Action::kParamBAndValue},
    {"radioButton_StopBackLight", Type::kKeyboardLightOff, 1, 0, Action::kNoChannel, Action::kParamB},
    {"radioButton_LightRecording", Type::kLightRecording, 1, 0, Action::kNoChannel, Action::kTypeOnly},
    {"radioButton_IntoCustomLight01", Type::kKeyboardLightCustom, 1, 0, Action::kNoChannel, Action::kValue},
    {"radioButton_IntoCustomLight02", Type::kKeyboardLightCustom, 1, 1, Action::kNoChannel, Action::kValue},
};

} // namespace

DKeyboardLightCustomEventPage::DKeyboardLightCustomEventPage(QWidget* parent)
    : QWidget(parent)
    , m_ui(new Ui::DKeyboardLightCustomEventPage)
{
    m_ui->setupUi(this);
    m_choice = new DKeyActionChoice(this, kActions, DKeyFunctionPages::kKeyboardLightFunctionCode);
    m_choice->relayTo(this);
    m_columnFit = new GridColumnFit(m_ui->gridLayout_2);
    retranslate();
}

DKeyboardLightCustomEventPage::~DKeyboardLightCustomEventPage()
{
    delete m_ui;
}

void DKeyboardLightCustomEventPage::retranslate()
{
    m_ui->retranslateUi(this);
    m_ui->label_4->setText(QObject::tr("Keyboard Light"));
    m_ui->radioButton_OverallLightList->setText(QObject::tr("Overall light"));
    m_ui->radioButton_InteractionLightList->setText(QObject::tr("Interaction light"));
    m_ui->radioButton_AllLightList->setText(QObject::tr("All light"));
    m_ui->radioButton_StaticMode->setText(QObject::tr("Static"));
    m_ui->radioButton_BrightnessUp->setText(QObject::tr("Brightness +"));
    m_ui->radioButton_BrightnessDown->setText(QObject::tr("Brightness -"));
    m_ui->radioButton_SpeedAdd->setText(QObject::tr("Speed +"));
    m_ui->radioButton_SpeedLessen->setText(QObject::tr("Speed -"));
    m_ui->radioButton_DirectionAddOne->setText(QObject::tr("Direction +1"));
    m_ui->radioButton_DirectionLessenOne->setText(QObject::tr("Direction -1"));
    m_ui->radioButton_DirectionLoop->setText(QObject::tr("Direction Loop"));
    m_ui->radioButton_FullColor->setText(QObject::tr("Into full color"));
    m_ui->radioButton_TopColor->setText(QObject::tr("Top color changed"));
    m_ui->radioButton_BottomColor->setText(QObject::tr("Bottom color changed"));
    m_ui->radioButton_CloseAll->setText(QObject::tr("Close all"));
    m_ui->radioButton_CloseBackLight->setText(QObject::tr("Close back light"));
    m_ui->radioButton_StopBackLight->setText(QObject::tr("Stop back light"));
    m_ui->radioButton_LightRecording->setText(QObject::tr("Light recording"));
    m_ui->radioButton_IntoCustomLight01->setText(QObject::tr("Custom 1"));
    m_ui->radioButton_IntoCustomLight02->setText(QObject::tr("Custom 2"));
    m_columnFit->refit();
}

void DKeyboardLightCustomEventPage::setTheme()
{
    // A theme may bring another font, and with it other widths.
    m_columnFit->refit();
}

void DKeyboardLightCustomEventPage::loadCurrentKeyInfo()
{
    m_choice->load();
}

void DKeyboardLightCustomEventPage::on_radioButton_OverallLightList_clicked()
{
    m_choice->store(m_ui->radioButton_OverallLightList);
}

void DKeyboardLightCustomEventPage::on_radioButton_InteractionLightList_clicked()
{
    m_choice->store(m_ui->radioButton_InteractionLightList);
}

void DKeyboardLightCustomEventPage::on_radioButton_AllLightList_clicked()
{
    m_choice->store(m_ui->radioButton_AllLightList);
}

void DKeyboardLightCustomEventPage::on_radioButton_StaticMode_clicked()
{
    m_choice->store(m_ui->radioButton_StaticMode);
}

void DKeyboardLightCustomEventPage::on_radioButton_BrightnessUp_clicked()
{
    m_choice->store(m_ui->radioButton_BrightnessUp);
}

void DKeyboardLightCustomEventPage::on_radioButton_BrightnessDown_clicked()
{
    m_choice->store(m_ui->radioButton_BrightnessDown);
}

void DKeyboardLightCustomEventPage::on_radioButton_SpeedAdd_clicked()
{
    m_choice->store(m_ui->radioButton_SpeedAdd);
}

void DKeyboardLightCustomEventPage::on_radioButton_SpeedLessen_clicked()
{
    m_choice->store(m_ui->radioButton_SpeedLessen);
}

void DKeyboardLightCustomEventPage::on_radioButton_DirectionAddOne_clicked()
{
    m_choice->store(m_ui->radioButton_DirectionAddOne);
}

void DKeyboardLightCustomEventPage::on_radioButton_DirectionLessenOne_clicked()
{
    m_choice->store(m_ui->radioButton_DirectionLessenOne);
}

void DKeyboardLightCustomEventPage::on_radioButton_DirectionLoop_clicked()
{
    m_choice->store(m_ui->radioButton_DirectionLoop);
}

void DKeyboardLightCustomEventPage::on_radioButton_FullColor_clicked()
{
    m_choice->store(m_ui->radioButton_FullColor);
}

void DKeyboardLightCustomEventPage::on_radioButton_TopColor_clicked()
{
    m_choice->store(m_ui->radioButton_TopColor);
}

void DKeyboardLightCustomEventPage::on_radioButton_BottomColor_clicked()
{
    m_choice->store(m_ui->radioButton_BottomColor);
}

void DKeyboardLightCustomEventPage::on_radioButton_CloseAll_clicked()
{
    m_choice->store(m_ui->radioButton_CloseAll);
}

void DKeyboardLightCustomEventPage::on_radioButton_CloseBackLight_clicked()
{
    m_choice->store(m_ui->radioButton_CloseBackLight);
}

void DKeyboardLightCustomEventPage::on_radioButton_StopBackLight_clicked()
{
    m_choice->store(m_ui->radioButton_StopBackLight);
}

void DKeyboardLightCustomEventPage::on_radioButton_LightRecording_clicked()
{
    m_choice->store(m_ui->radioButton_LightRecording);
}

void DKeyboardLightCustomEventPage::on_radioButton_IntoCustomLight01_clicked()
{
    m_choice->store(m_ui->radioButton_IntoCustomLight01);
}

void DKeyboardLightCustomEventPage::on_radioButton_IntoCustomLight02_clicked()
{
    m_choice->store(m_ui->radioButton_IntoCustomLight02);
}
