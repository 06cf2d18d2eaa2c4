#include "ui/mainwidget/devicePage/keyFunctions/DSideLightCustomEventPage.h"
#include "ui_DSideLightCustomEventPage.h"

#include "profiles/DKeyFunctionType.h"
#include "ui/mainwidget/devicePage/keyFunctions/DKeyActionChoice.h"
#include "ui/mainwidget/devicePage/keyFunctions/DKeyFunctionPages.h"
#include "ui/widgets/GridColumnFit.h"

namespace {

using Action = DKeyAction;
using Type = DKeyFunctionType::Code;

// The two off actions are told apart by paramB alone.
constexpr DKeyAction kActions[] = {
    {"radioButton_OverallLightList", Type::kSideLightEffect, 1, 0, Action::kNoChannel, Action::kValue},
    {"radioButton_InteractionLightList", Type::kSideLightEffect, 1, 1, Action::kNoChannel, Action::kValue},
    {"radioButton_AllLightList", Type::kSideLightEffect, 1, 2, Action::kNoChannel, Action::kValue},
    {"radioButton_BrightnessUp", Type::kSideLightBrightness, 1, 0, Action::kNoChannel, Action::kValue},
    {"radioButton_BrightnessDown", Type::kSideLightBrightness, 1, 1, Action::kNoChannel, Action::kValue},
    {"radioButton_SpeedAdd", Type::kSideLightSpeed, 1, 0, Action::kNoChannel, Action::kValue},
    {"radioButton_SpeedLessen", Type::kSideLightSpeed, 1, 1, Action::kNoChannel, Action::kValue},
    {"radioButton_FullColor", Type::kSideLightColour, 1, 0, Action::kNoChannel, Action::kValue},
    {"radioButton_TopColor", Type::kSideLightColour, 1, 1, Action::kNoChannel, Action::kValue},
    {"radioButton_BottomColor", Type::kSideLightColour, 1, 2, Action::kNoChannel, Action::kValue},
    {"radioButton_CloseSideLight", Type::kSideLightOff, 0, 2, Action::kNoChannel, Action::kParamB},
    {"radioButton_StopSideLight", Type::kSideLightOff, 1, 0, Action::kNoChannel, Action::kParamB},
};

} // namespace

DSideLightCustomEventPage::DSideLightCustomEventPage(QWidget* parent)
    : QWidget(parent)
    , m_ui(new Ui::DSideLightCustomEventPage)
{
    m_ui->setupUi(this);
    m_ui->radioButton_OverallLightList->hide();
    m_ui->radioButton_InteractionLightList->hide();
    m_choice = new DKeyActionChoice(this, kActions, DKeyFunctionPages::kSideLightFunctionCode);
    m_choice->relayTo(this);
    m_columnFit = new GridColumnFit(m_ui->gridLayout);
    retranslate();
}

DSideLightCustomEventPage::~DSideLightCustomEventPage()
{
    delete m_ui;
}

void DSideLightCustomEventPage::retranslate()
{
    m_ui->retranslateUi(this);
    m_ui->label_12->setText(QObject::tr("Atmosphere Light"));
    m_ui->radioButton_OverallLightList->setText(QObject::tr("Overall light"));
    m_ui->radioButton_InteractionLightList->setText(QObject::tr("Interaction light"));
    m_ui->radioButton_AllLightList->setText(QObject::tr("All light"));
    m_ui->radioButton_BrightnessUp->setText(QObject::tr("Brightness +"));
    m_ui->radioButton_BrightnessDown->setText(QObject::tr("Brightness -"));
    m_ui->radioButton_SpeedAdd->setText(QObject::tr("Speed +"));
    m_ui->radioButton_SpeedLessen->setText(QObject::tr("Speed -"));
    m_ui->radioButton_FullColor->setText(QObject::tr("Into full color"));
    m_ui->radioButton_TopColor->setText(QObject::tr("Top color changed"));
    m_ui->radioButton_BottomColor->setText(QObject::tr("Bottom color changed"));
    m_ui->radioButton_CloseSideLight->setText(QObject::tr("Close side light"));
    m_ui->radioButton_StopSideLight->setText(QObject::tr("Stop side light"));
    m_columnFit->refit();
}

void DSideLightCustomEventPage::setTheme()
{
    // A theme may bring another font, and with it other widths.
    m_columnFit->refit();
}

void DSideLightCustomEventPage::loadCurrentKeyInfo()
{
    m_choice->load();
}

void DSideLightCustomEventPage::on_radioButton_OverallLightList_clicked()
{
    m_choice->store(m_ui->radioButton_OverallLightList);
}

void DSideLightCustomEventPage::on_radioButton_InteractionLightList_clicked()
{
    m_choice->store(m_ui->radioButton_InteractionLightList);
}

void DSideLightCustomEventPage::on_radioButton_AllLightList_clicked()
{
    m_choice->store(m_ui->radioButton_AllLightList);
}

void DSideLightCustomEventPage::on_radioButton_BrightnessUp_clicked()
{
    m_choice->store(m_ui->radioButton_BrightnessUp);
}

void DSideLightCustomEventPage::on_radioButton_BrightnessDown_clicked()
{
    m_choice->store(m_ui->radioButton_BrightnessDown);
}

void DSideLightCustomEventPage::on_radioButton_SpeedAdd_clicked()
{
    m_choice->store(m_ui->radioButton_SpeedAdd);
}

void DSideLightCustomEventPage::on_radioButton_SpeedLessen_clicked()
{
    m_choice->store(m_ui->radioButton_SpeedLessen);
}

void DSideLightCustomEventPage::on_radioButton_FullColor_clicked()
{
    m_choice->store(m_ui->radioButton_FullColor);
}

void DSideLightCustomEventPage::on_radioButton_TopColor_clicked()
{
    m_choice->store(m_ui->radioButton_TopColor);
}

void DSideLightCustomEventPage::on_radioButton_BottomColor_clicked()
{
    m_choice->store(m_ui->radioButton_BottomColor);
}

void DSideLightCustomEventPage::on_radioButton_CloseSideLight_clicked()
{
    m_choice->store(m_ui->radioButton_CloseSideLight);
}

void DSideLightCustomEventPage::on_radioButton_StopSideLight_clicked()
{
    m_choice->store(m_ui->radioButton_StopSideLight);
}
