#include "ui/mainwidget/devicePage/triggerSetting/DTriggerSettingPage.h"
#include "app/logCategories.h"
#include "ui_DTriggerSettingPage.h"

#include "app/DDataManager.h"
#include "ui/mainwidget/devicePage/triggerSetting/DKeyCalibrationExplainDia.h"
#include "ui/mainwidget/devicePage/triggerSetting/DSensitivityShowWidget.h"
#include "ui/mainwidget/devicePage/triggerSetting/DTravelScale.h"
#include "ui/widgets/ArrowWidget.h"
#include "ui/widgets/sliderCustomWidget.h"

#include <QDebug>
#include <QEvent>
#include <QTimer>

#include <algorithm>
#include <array>

namespace {

constexpr int kIndicatorBarWidth = 38;
constexpr int kStepperWidth = 220;
constexpr int kStepperHeight = 35;
constexpr int kStepperMargin = 6;
constexpr int kAntiShakeSteps = 7;
// Quick-trigger travel in tenths of a millimetre, and where it starts again
// whenever the mode changes.
constexpr int kQuickTriggerMinimum = 1;
constexpr int kQuickTriggerMaximum = 20;
constexpr int kQuickTriggerDefault = 10;
constexpr std::array<int, 4> kRatesOfReturn{1, 2, 4, 8};

// Size of each explanation bubble, by explanation type; it stands 2 px above
// its button with the arrow's tip at the button's centre.
struct ExplainBubble
{
    int width;
    int height;
};
constexpr std::array<ExplainBubble, 4> kExplainBubbles{{{360, 203}, {310, 173}, {310, 130}, {360, 173}}};
constexpr int kExplainArrowX = 30;
constexpr int kExplainLeftOfCentre = 38;
constexpr int kExplainGap = 2;

int rateStepperPosition(int rate)
{
    const auto found = std::find(kRatesOfReturn.begin(), kRatesOfReturn.end(), rate);
    return found == kRatesOfReturn.end() ? 0 : int(found - kRatesOfReturn.begin());
}

QString rateText(int rate)
{
    return QString::number(rate) + QLatin1Char('K');
}

} // namespace

DTriggerSettingPage::DTriggerSettingPage(QWidget* parent)
    : QWidget(parent)
    , m_ui(new Ui::DTriggerSettingPage)
{
    m_ui->setupUi(this);
    setTexts();
    // Anti-shake and restore-defaults are not offered; their controls stay
    // wired so the device page's handlers keep working.
    m_ui->frame_Top->hide();
    m_ui->toolButton_QuickTriggerExplain->hide();
    m_ui->pushButton_ResetSensitivity->hide();

    DDataManager* data = DDataManager::getInstance();
    connect(data, &DDataManager::sigBackDynamicDisplaySensitivityNum, this,
            &DTriggerSettingPage::onBackDynamicDisplaySensitivityNum);
    connect(data, &DDataManager::sigQueryDynamicDisplaySensitivityNum_MouseClicked_BackInfo, this,
            &DTriggerSettingPage::onQueryDynamicDisplaySensitivityNum_BackInfo);

    m_sensitivityShow = new DSensitivityShowWidget(m_ui->widget_SensitivityShow);
    m_ui->widget_SensitivityShow->layout()->addWidget(m_sensitivityShow);
    connect(m_sensitivityShow, &DSensitivityShowWidget::sigCurrentStrengthNumBack, this,
            &DTriggerSettingPage::onCurrentStrengthNumBack);

    const auto makeStepper = [](QFrame* holder, int steps) {
        auto* stepper = new sliderCustomWidget(holder);
        holder->layout()->addWidget(stepper);
        stepper->setSliderSize(kStepperWidth, kStepperHeight);
        stepper->setMargin(kStepperMargin);
        stepper->setStepCount(steps);
        stepper->setCurrentIndex(0);
        return stepper;
    };
    m_antiShakeSlider = makeStepper(m_ui->frame_SliderNum, kAntiShakeSteps);
    connect(m_antiShakeSlider, &sliderCustomWidget::sigBackCurrentPositionNum, this,
            &DTriggerSettingPage::onBackCurrentPositionNum_Speed);
    m_rateOfReturnSlider = makeStepper(m_ui->frame_SliderRateNum, int(kRatesOfReturn.size()) - 1);
    connect(m_rateOfReturnSlider, &sliderCustomWidget::sigBackCurrentPositionNum, this,
            &DTriggerSettingPage::onBackCurrentPositionNum_RateOfReturn);

    for (MySlider* slider : {m_ui->horizontalSlider_PressReleaseJourney, m_ui->horizontalSlider_PressJourney,
                             m_ui->horizontalSlider_ReleaseJourney}) {
        slider->setRange(kQuickTriggerMinimum, kQuickTriggerMaximum);
        slider->setValue(kQuickTriggerMinimum);
        slider->setPressTolerance(10, 5);
    }
    connect(m_ui->horizontalSlider_PressReleaseJourney, &QSlider::valueChanged, this,
            &DTriggerSettingPage::onSliderPressReleaseJourneyValue);
    connect(m_ui->horizontalSlider_PressJourney, &QSlider::valueChanged, this,
            &DTriggerSettingPage::onSliderPressJourneyValue);
    connect(m_ui->horizontalSlider_ReleaseJourney, &QSlider::valueChanged, this,
            &DTriggerSettingPage::onSliderReleaseJourneyValue);
    connect(m_ui->horizontalSlider_PressReleaseJourney, &QSlider::sliderReleased, this,
            &DTriggerSettingPage::onSliderPressReleaseJourneyReleased);
    connect(m_ui->horizontalSlider_PressJourney, &QSlider::sliderReleased, this,
            &DTriggerSettingPage::onSliderPressJourneyReleased);
    connect(m_ui->horizontalSlider_ReleaseJourney, &QSlider::sliderReleased, this,
            &DTriggerSettingPage::onSliderReleaseJourneyReleased);
    onSliderPressReleaseJourneyValue(m_ui->horizontalSlider_PressReleaseJourney->value());
    onSliderPressJourneyValue(m_ui->horizontalSlider_PressJourney->value());
    onSliderReleaseJourneyValue(m_ui->horizontalSlider_ReleaseJourney->value());

    m_ui->stackedWidget->setCurrentWidget(m_ui->page_SecondClose);
    // The options scroll up and down only: long texts wrap instead of
    // widening the area past its frame.
    m_ui->scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_ui->label_3->setWordWrap(true);

    for (QToolButton* button :
         {m_ui->toolButton_Explain, m_ui->toolButton_QuickTriggerExplain, m_ui->toolButton_MagneticKeyExplain,
          m_ui->toolButton_Explain_2, m_ui->toolButton_LeftIco, m_ui->toolButton_RightIco})
        button->installEventFilter(this);
    m_ui->widget_SensitivityShow->installEventFilter(this);
    m_ui->toolButton_LeftIco->hide();
    m_ui->toolButton_RightIco->hide();
    m_ui->checkBox_IntensityTracking->hide();

    // Nothing to apply until the keyboard has told its travel levels.
    m_ui->pushButton_TriggerApply->setEnabled(false);
}

DTriggerSettingPage::~DTriggerSettingPage()
{
    // The bubble is a window of its own, not a child of the page.
    delete m_explainBubble;
    delete m_ui;
}

void DTriggerSettingPage::setTexts()
{
    // Whole texts: "Reset" alone is the profile-reset command in most
    // languages, not the point where a key lets go.
    const QString press = QObject::tr("Press(Trigger)");
    const QString release = QObject::tr("Release(Reset)");
    m_ui->pushButton_TriggerApply->setText(QObject::tr("Apply"));
    m_ui->checkBox_IntensityTracking->setText(QObject::tr("Journey tracking"));
    m_ui->checkBox_SecondarySensitivity->setText(QObject::tr("Sensitivity of pressing and releasing"));
    m_ui->checkBox_QuickTrigger->setText(QObject::tr("Quick trigger"));
    m_ui->pushButton_ResetSensitivity->setText(QObject::tr("Reset sensitivity"));
    m_ui->label->setText(QObject::tr("Key anti shake"));
    m_ui->label_2->setText(QObject::tr("Rate return"));
    m_ui->checkBox_CalibrationMode->setText(QObject::tr("Key calibration mode"));
    m_ui->pushButton_KeyCalibration->setText(QObject::tr("Start calibration"));
    showAllKeysCalibrationState();
    m_ui->label_4->setText(press);
    m_ui->label_5->setText(release);
    m_ui->label_3->setText(press + QLatin1Char('/') + release);
    m_ui->label_QuickExplain->setText(QObject::tr("Customize and adjust your trigger stroke and reset stroke based on "
                                                  "your intention to press or release the button."));
    m_ui->label_SecondExplain->setText(QObject::tr("You can separately set the stroke values for quick trigger "
                                                   "pressing (triggering) and releasing (resetting)."));
    m_ui->label_6->setText(QObject::tr("All keys calibration"));
}

void DTriggerSettingPage::retranslate()
{
    m_ui->retranslateUi(this);
    setTexts();
    DDataManager* data = DDataManager::getInstance();
    m_ui->label_AntiShake->setText(QString::number(data->keyAntiShake()));
    m_ui->label_Rate->setText(rateText(data->rateOfReturn()));
    applyIndicatorAndStepperColors();
    // The travel labels always show what their sliders hold.
    onSliderPressReleaseJourneyValue(m_ui->horizontalSlider_PressReleaseJourney->value());
    onSliderPressJourneyValue(m_ui->horizontalSlider_PressJourney->value());
    onSliderReleaseJourneyValue(m_ui->horizontalSlider_ReleaseJourney->value());
}

void DTriggerSettingPage::applyIndicatorAndStepperColors()
{
    const DThemeRoles& roles = DDataManager::getInstance()->themeRoles();
    m_sensitivityShow->setThemeColors();

    const QColor handle = roles.color(DThemeRoles::SliderHandle);
    const QColor track = roles.color(DThemeRoles::SliderGroove);
    for (sliderCustomWidget* stepper : {m_antiShakeSlider, m_rateOfReturnSlider}) {
        stepper->setHandleColor(handle);
        stepper->setTrackColor(track);
        stepper->setTickColor(track);
    }
}

void DTriggerSettingPage::setTheme()
{
    // Colours are the application sheet's; the painted parts take the
    // theme's roles and the texts its fonts.
    QFont labelFont = DDataManager::getInstance()->getFont(1);
    labelFont.setPointSize(10);
    QFont buttonFont = labelFont;
    buttonFont.setPointSize(11);
    for (QLabel* label : {m_ui->label, m_ui->label_2, m_ui->label_3, m_ui->label_4, m_ui->label_5,
                          m_ui->label_QuickExplain, m_ui->label_SecondExplain, m_ui->label_6, m_ui->label_AntiShake,
                          m_ui->label_Rate, m_ui->label_Journey3, m_ui->label_PressJourneySecond4,
                          m_ui->label_ReleaseJourneySecond5})
        label->setFont(labelFont);
    for (QPushButton* button : {m_ui->pushButton_TriggerApply, m_ui->pushButton_ResetSensitivity,
                                m_ui->pushButton_KeyCalibration, m_ui->pushButton_KeyCalibration_AllKeys})
        button->setFont(buttonFont);
    applyIndicatorAndStepperColors();
}

int DTriggerSettingPage::clampedLevel(int level) const
{
    return std::clamp(level, 1, std::max(1, m_levels - 1));
}

void DTriggerSettingPage::setLevels(int common, int press, int release)
{
    m_StrengthNum_C = clampedLevel(common);
    m_StrengthNum_L = clampedLevel(press);
    m_StrengthNum_R = clampedLevel(release);
    m_sensitivityShow->setCommonLevel(m_StrengthNum_C);
    m_sensitivityShow->setPressLevel(m_StrengthNum_L);
    m_sensitivityShow->setReleaseLevel(m_StrengthNum_R);
}

void DTriggerSettingPage::setQuickTriggerAreaVisible(bool visible)
{
    m_ui->checkBox_SecondarySensitivity->setVisible(visible);
    m_ui->frame_SecondExplain->setVisible(visible);
    m_ui->stackedWidget->setVisible(visible);
}

void DTriggerSettingPage::loadSensitivityData()
{
    ++m_loadCount;
    DDataManager* data = DDataManager::getInstance();
    m_levels = data->keyTravelMaxLevel() + 1;
    m_sensitivityShow->setShowSize(m_ui->widget_SensitivityShow->width(), m_ui->widget_SensitivityShow->height());
    m_sensitivityShow->setLevelCount(m_levels);
    m_sensitivityShow->setLevelInset(kIndicatorBarWidth);
    m_sensitivityShow->setQuickTriggerMode(false);

    const int antiShake = data->keyAntiShake();
    const int rate = data->rateOfReturn();
    // The keyboard's byte can hold more than the stepper's eight positions.
    m_antiShakeSlider->setCurrentIndex(std::clamp(antiShake, 0, kAntiShakeSteps));
    m_rateOfReturnSlider->setCurrentIndex(rateStepperPosition(rate));
    m_ui->label_AntiShake->setText(QString::number(antiShake));
    m_ui->label_Rate->setText(rateText(rate));

    const int half = m_levels / 2;
    m_ui->checkBox_IntensityTracking->setChecked(true);
    m_ui->checkBox_SecondarySensitivity->setChecked(false);
    m_sensitivityShow->setSeparateMode(0);
    setLevels(half, half - 1, half);
    m_sensitivityShow->setIndicatorFlag(false);

    setQuickTriggerAreaVisible(false);
    m_ui->stackedWidget->setCurrentWidget(m_ui->page_SecondClose);
    applyIndicatorAndStepperColors();
    m_ui->checkBox_QuickTrigger->setChecked(false);
    m_allKeysCalibrationOn = false;
    showAllKeysCalibrationState();
    m_ui->pushButton_TriggerApply->setEnabled(m_levels >= 2);
}

void DTriggerSettingPage::exitCalibrationMode()
{
    DDataManager::getInstance()->setCalibrating(false);
    m_ui->checkBox_CalibrationMode->setChecked(false);
}

void DTriggerSettingPage::clearLiveTravel()
{
    m_sensitivityShow->setLiveTravel(0);
}

void DTriggerSettingPage::clearAllKeysCalibrationFlag()
{
    m_allKeysCalibrationOn = false;
    showAllKeysCalibrationState();
}

// The all-keys button says what its next click does.
void DTriggerSettingPage::showAllKeysCalibrationState()
{
    m_ui->pushButton_KeyCalibration_AllKeys->setText(m_allKeysCalibrationOn ? QObject::tr("Stop calibration")
                                                                            : QObject::tr("Start calibration"));
}

// Every change of mode starts the quick-trigger travel again from 1.0 mm on
// every slider, and what Apply sends follows the sliders.
void DTriggerSettingPage::resetQuickTriggerTravel()
{
    for (QSlider* slider : {m_ui->horizontalSlider_PressReleaseJourney, m_ui->horizontalSlider_PressJourney,
                            m_ui->horizontalSlider_ReleaseJourney})
        slider->setValue(kQuickTriggerDefault);
}

// Quick trigger changes how a key releases, not where it triggers: the
// trigger travel the user had stays (with separate travel, its press travel).
void DTriggerSettingPage::on_checkBox_QuickTrigger_clicked()
{
    const int travel = m_ui->checkBox_SecondarySensitivity->isChecked() ? m_StrengthNum_L : m_StrengthNum_C;
    resetQuickTriggerTravel();
    const bool on = m_ui->checkBox_QuickTrigger->isChecked();
    setQuickTriggerAreaVisible(on);
    m_ui->checkBox_SecondarySensitivity->setChecked(false);
    m_ui->stackedWidget->setCurrentWidget(m_ui->page_SecondClose);
    m_sensitivityShow->setQuickTriggerMode(on);
    m_sensitivityShow->setSeparateMode(0);
    if (on)
        setLevels(travel, travel, travel - 1);
    else
        setLevels(travel, travel - 1, travel);
    m_sensitivityShow->update();
}

void DTriggerSettingPage::on_checkBox_SecondarySensitivity_clicked()
{
    resetQuickTriggerTravel();
    const bool separate = m_ui->checkBox_SecondarySensitivity->isChecked();
    m_sensitivityShow->setSeparateMode(separate ? 1 : 0);
    m_ui->stackedWidget->setCurrentWidget(separate ? m_ui->page_SecondOpen : m_ui->page_SecondClose);
}

void DTriggerSettingPage::on_checkBox_IntensityTracking_clicked() { }

void DTriggerSettingPage::onCurrentStrengthNumBack(int whereData, int StrengthNum)
{
    switch (whereData) {
    case DSensitivityShowWidget::CommonHandle:
        m_StrengthNum_C = StrengthNum;
        break;
    case DSensitivityShowWidget::PressHandle:
        m_StrengthNum_L = StrengthNum;
        break;
    case DSensitivityShowWidget::ReleaseHandle:
        m_StrengthNum_R = StrengthNum;
        break;
    default:
        qCDebug(lcUi) << "------------------------ [ ERROR ] ----------------------------";
        break;
    }
}

void DTriggerSettingPage::onSliderPressReleaseJourneyValue(int Value)
{
    m_ui->label_Journey3->setText(DTravelScale::millimetres(Value));
    m_QuickTrigger_StrengthNum_C = Value;
}

void DTriggerSettingPage::onSliderPressJourneyValue(int Value)
{
    m_ui->label_PressJourneySecond4->setText(DTravelScale::millimetres(Value));
    m_QuickTrigger_StrengthNum_L = Value;
}

void DTriggerSettingPage::onSliderReleaseJourneyValue(int Value)
{
    m_ui->label_ReleaseJourneySecond5->setText(DTravelScale::millimetres(Value));
    m_QuickTrigger_StrengthNum_R = Value;
}

void DTriggerSettingPage::onSliderPressReleaseJourneyReleased()
{
    qCDebug(lcUi) << "------------------------------------------------- ABC m_QuickTrigger_StrengthNum_C:"
                  << m_QuickTrigger_StrengthNum_C;
}

void DTriggerSettingPage::onSliderPressJourneyReleased()
{
    qCDebug(lcUi) << "------------------------------------------------- ABC m_QuickTrigger_StrengthNum_L:"
                  << m_QuickTrigger_StrengthNum_L;
}

void DTriggerSettingPage::onSliderReleaseJourneyReleased()
{
    qCDebug(lcUi) << "------------------------------------------------- ABC m_QuickTrigger_StrengthNum_R:"
                  << m_QuickTrigger_StrengthNum_R;
}

void DTriggerSettingPage::on_pushButton_TriggerApply_clicked()
{
    const bool separate = m_ui->checkBox_SecondarySensitivity->isChecked();
    const bool quick = m_ui->checkBox_QuickTrigger->isChecked();
    const int mode = quick ? (separate ? QuickTriggerSeparateTravel : QuickTriggerOneTravel)
                           : (separate ? SeparateTravel : OneTravel);
    if (separate)
        emit sigMagnetsKeysApplyConfig(mode, m_StrengthNum_L, m_StrengthNum_R, m_QuickTrigger_StrengthNum_L,
                                       m_QuickTrigger_StrengthNum_R);
    else
        emit sigMagnetsKeysApplyConfig(mode, m_StrengthNum_C, m_StrengthNum_C, m_QuickTrigger_StrengthNum_C,
                                       m_QuickTrigger_StrengthNum_C);
}

void DTriggerSettingPage::onQueryDynamicDisplaySensitivityNum_BackInfo(int type, int pressNum, int releaseNum,
                                                                       int QuickTriggerPressNum,
                                                                       int QuickTriggerReleaseNum)
{
    const bool separate = type == SeparateTravel || type == QuickTriggerSeparateTravel;
    m_sensitivityShow->setSeparateMode(separate ? 1 : 0);
    m_ui->checkBox_SecondarySensitivity->setChecked(separate);
    m_ui->stackedWidget->setCurrentWidget(separate ? m_ui->page_SecondOpen : m_ui->page_SecondClose);

    if (type == QuickTriggerOneTravel || type == QuickTriggerSeparateTravel) {
        setQuickTriggerAreaVisible(true);
        m_ui->checkBox_QuickTrigger->setChecked(true);
        m_sensitivityShow->setQuickTriggerMode(true);
        if (type == QuickTriggerOneTravel) {
            m_ui->stackedWidget->setCurrentWidget(m_ui->page_SecondClose);
            m_ui->horizontalSlider_PressReleaseJourney->setValue(QuickTriggerPressNum);
        } else {
            m_ui->stackedWidget->setCurrentWidget(m_ui->page_SecondOpen);
            m_ui->horizontalSlider_PressJourney->setValue(QuickTriggerPressNum);
            m_ui->horizontalSlider_ReleaseJourney->setValue(QuickTriggerReleaseNum);
        }
    } else {
        setQuickTriggerAreaVisible(false);
        m_ui->checkBox_QuickTrigger->setChecked(false);
        m_sensitivityShow->setQuickTriggerMode(false);
    }

    setLevels(pressNum, pressNum, releaseNum);
    m_sensitivityShow->update();
}

void DTriggerSettingPage::onBackDynamicDisplaySensitivityNum(int, int, int sensitivityNum)
{
    m_sensitivityShow->setLiveTravel(sensitivityNum);
}

void DTriggerSettingPage::onBackCurrentPositionNum_Speed(int KeyAntiShakeNum)
{
    m_ui->label_AntiShake->setText(QString::number(KeyAntiShakeNum));
    emit sigKeyAntiShakeCurrentNum(KeyAntiShakeNum);
}

void DTriggerSettingPage::onBackCurrentPositionNum_RateOfReturn(int rateOfReturnNum)
{
    const int rate = rateOfReturnNum >= 0 && rateOfReturnNum < int(kRatesOfReturn.size())
                         ? kRatesOfReturn[std::size_t(rateOfReturnNum)]
                         : 0;
    m_ui->label_Rate->setText(rateText(rate));
    emit sigKeyRateOfReturnCurrentNum(rate);
}

void DTriggerSettingPage::on_pushButton_ResetSensitivity_clicked()
{
    emit sigMagnetsKeyboardDefaultSensitivity();
}

void DTriggerSettingPage::on_checkBox_CalibrationMode_clicked()
{
    emit sigCalibrationMode(m_ui->checkBox_CalibrationMode->isChecked() ? 1 : 0);
}

void DTriggerSettingPage::on_pushButton_KeyCalibration_clicked()
{
    emit sigKeyCalibrationStartRuning();
}

void DTriggerSettingPage::on_pushButton_KeyCalibration_AllKeys_clicked()
{
    m_allKeysCalibrationOn = !m_allKeysCalibrationOn;
    showAllKeysCalibrationState();
    emit sigAllKeysCalibrationMode(m_allKeysCalibrationOn ? 1 : 0);
}

bool DTriggerSettingPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ui->widget_SensitivityShow) {
        if (event->type() == QEvent::Resize && m_levels > 0) {
            // The holder can get its final size after the page was entered:
            // the bar follows it and the handles keep their levels.
            m_sensitivityShow->setShowSize(m_ui->widget_SensitivityShow->width(),
                                           m_ui->widget_SensitivityShow->height());
            m_sensitivityShow->setLevelCount(m_levels);
            setLevels(m_StrengthNum_C, m_StrengthNum_L, m_StrengthNum_R);
        }
    } else if (event->type() == QEvent::Enter) {
        if (watched == m_ui->toolButton_Explain)
            onExplainShow();
        else if (watched == m_ui->toolButton_QuickTriggerExplain)
            theExplainQuickTriggerShow();
        else if (watched == m_ui->toolButton_MagneticKeyExplain)
            theExplainMagneticKeyShow();
        else if (watched == m_ui->toolButton_Explain_2)
            onExplainShow_2();
    } else if (event->type() == QEvent::Leave) {
        hideExplainBubble();
    }
    return QWidget::eventFilter(watched, event);
}

void DTriggerSettingPage::onExplainShow()
{
    showExplainBubble(DKeyCalibrationExplainDia::KeyCalibration, m_ui->toolButton_Explain);
}

void DTriggerSettingPage::theExplainQuickTriggerShow()
{
    showExplainBubble(DKeyCalibrationExplainDia::QuickTrigger, m_ui->toolButton_QuickTriggerExplain);
}

void DTriggerSettingPage::theExplainMagneticKeyShow()
{
    showExplainBubble(DKeyCalibrationExplainDia::PressDuration, m_ui->toolButton_MagneticKeyExplain);
}

void DTriggerSettingPage::onExplainShow_2()
{
    showExplainBubble(DKeyCalibrationExplainDia::AllKeysCalibration, m_ui->toolButton_Explain_2);
}

// A bubble lives until it is hidden or replaced, so hovering never piles up
// windows.
void DTriggerSettingPage::showExplainBubble(int type, QToolButton* button)
{
    hideExplainBubble();
    auto* content = new DKeyCalibrationExplainDia(type, this);
    m_explainBubble = new ArrowWidget(ArrowWidget::ArrowBottom);
    const ExplainBubble& size = kExplainBubbles.at(std::size_t(type));
    m_explainBubble->setPopupSize(size.width, size.height);
    m_explainBubble->setArrowX(kExplainArrowX);
    m_explainBubble->setContentWidget(content);
    const QPoint anchor = button->mapToGlobal(QPoint(button->width() / 2, button->height()));
    m_explainBubble->move(anchor - QPoint(kExplainLeftOfCentre, button->height() + size.height + kExplainGap));
    m_explainBubble->show();
}

void DTriggerSettingPage::hideExplainBubble()
{
    if (!m_explainBubble)
        return;
    m_explainBubble->hide();
    delete m_explainBubble;
    m_explainBubble = nullptr;
}
