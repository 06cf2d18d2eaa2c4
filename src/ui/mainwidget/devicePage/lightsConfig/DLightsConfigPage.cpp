#include "ui/mainwidget/devicePage/lightsConfig/DLightsConfigPage.h"

#include "app/DColorChannelText.h"
#include "app/DDataManager.h"
#include "app/DEventWait.h"
#include "app/logCategories.h"
#include "hid/DLightEffectControls.h"
#include "hid/DLightEffects.h"
#include "hid/MainHidInterFace.h"
#include "hid/reports/DCustomLightReport.h"
#include "hid/reports/DLightReportBuilder.h"
#include "profiles/DDefaultLightRecord.h"
#include "ui/mainwidget/devicePage/DStoreRecoveryNotice.h"
#include "ui/mainwidget/devicePage/keyboardView/keyboardButCustom.h"
#include "ui/mainwidget/devicePage/lightsConfig/DCustomLightListItem.h"
#include "ui/mainwidget/devicePage/lightsConfig/SVColorArea.h"
#include "ui/widgets/ArrowWidget.h"
#include "ui/widgets/DToolTipExplain.h"
#include "ui/widgets/sliderCustomWidget.h"
#include "ui_DLightsConfigPage.h"

#include <QButtonGroup>
#include <QDebug>
#include <QEvent>
#include <QSignalBlocker>
#include <QTimer>

#include <cstring>
#include <list>
#include <optional>

namespace {

constexpr int kKeyboardPart = DLightEffects::kKeyboardPart;
constexpr int kSidePart = DLightEffects::kSidePart;
constexpr char kLedFailure[] = "USB serial port [Write Led] Failed ...";
constexpr char kSideLedFailure[] = "USB serial port [Write Side Led] Failed ...";
constexpr char kCustomLedFailure[] = "USB serial port [Write custom-Led] Failed ...";
// The name a scheme is announced with when it takes over a keyboard slot.
constexpr char kTakenSlotName[] = "CustomLight";

constexpr int kStepperWidth = 140;
constexpr int kStepperHeight = 40;
constexpr int kStepperMargin = 6;
constexpr int kStepperSteps = 5;
constexpr int kBrightnessStart = 2;
constexpr int kSpeedStart = 3;
constexpr int kEventFilterDelayMs = 500;
constexpr int kPartSwitchTip = 900;
constexpr int kLabelPointSize = 12;
constexpr int kSmallPointSize = 8;
constexpr int kSmallestPointSize = 7;
// Room for the texts of the fixed columns: the title column, the custom-light
// column after its margin, a third of the colour row, the effect name's frame.
constexpr int kLabelColumnWidth = 110;
constexpr int kLabelColumnMaxWidth = 180;
// The form's width of the column holding the names and their steppers.
constexpr int kSettingsColumnWidth = 270;
constexpr int kLabelColumnPadding = 6;
constexpr int kCustomTitleWidth = 170;
constexpr int kColourTitleWidth = 100;
constexpr int kEffectNameWidth = 300;
constexpr int kTipWidth = 250;
constexpr int kTipHeight = 70;
constexpr int kTipArrowX = 30;
constexpr int kTipLeftOfCentre = 38;
constexpr int kTipAboveButton = 74;

constexpr std::array<const char*, DLightEffectControls::kKeyboardButtons> kKeyboardButtonNames{
    "toolButton_Static",        "toolButton_Neon",     "toolButton_Breath",    "toolButton_Wave",
    "toolButton_Twinkle",       "toolButton_Snack",    "toolButton_Radar",     "toolButton_AutoRipple",
    "toolButton_Striation",     "toolButton_Aurora",   "toolButton_Ripple",    "toolButton_Reactive",
    "toolButton_Cross",         "toolButton_MouseDPI", "toolButton_Fireworks", "toolButton_SpeedRespond",
    "toolButton_MusicalRhythm", "toolButton_CustomLed"};
constexpr std::array<const char*, DLightEffectControls::kSideButtons> kSideButtonNames{
    "toolButton_SideStatic", "toolButton_SideNeon",      "toolButton_SideBreath",
    "toolButton_SideWave",   "toolButton_SideCollision", "toolButton_SideClose"};

constexpr std::array<const char*, DLightEffectControls::kKeyboardButtons> kKeyboardTips{
    QT_TRANSLATE_NOOP("QObject", "Static"),         QT_TRANSLATE_NOOP("QObject", "Neon"),
    QT_TRANSLATE_NOOP("QObject", "Breath"),         QT_TRANSLATE_NOOP("QObject", "Wave"),
    QT_TRANSLATE_NOOP("QObject", "Twinkle"),        QT_TRANSLATE_NOOP("QObject", "Snake"),
    QT_TRANSLATE_NOOP("QObject", "Radar"),          QT_TRANSLATE_NOOP("QObject", "Auto Ripple"),
    QT_TRANSLATE_NOOP("QObject", "Striation"),      QT_TRANSLATE_NOOP("QObject", "Aurora"),
    QT_TRANSLATE_NOOP("QObject", "Ripple"),         QT_TRANSLATE_NOOP("QObject", "Reactive"),
    QT_TRANSLATE_NOOP("QObject", "Cross"),          QT_TRANSLATE_NOOP("QObject", "DPI"),
    QT_TRANSLATE_NOOP("QObject", "Fireworks"),      QT_TRANSLATE_NOOP("QObject", "Speed Respond"),
    QT_TRANSLATE_NOOP("QObject", "Musical Rhythm"), QT_TRANSLATE_NOOP("QObject", "Custom")};
constexpr std::array<const char*, DLightEffectControls::kSideButtons> kSideTips{
    QT_TRANSLATE_NOOP("QObject", "Static"),    QT_TRANSLATE_NOOP("QObject", "Neon"),
    QT_TRANSLATE_NOOP("QObject", "Breath"),    QT_TRANSLATE_NOOP("QObject", "Wave"),
    QT_TRANSLATE_NOOP("QObject", "Collision"), QT_TRANSLATE_NOOP("QObject", "Close")};

constexpr std::array<const char*, 20> kPresetColors{
    "255,0,0",   "255,85,0",  "255,170,0",  "255,255,0",   "170,255,170", "85,255,85",  "0,255,0",
    "0,255,85",  "0,255,170", "0,255,255",  "0,170,255",   "0,85,255",    "0,0,255",    "85,0,255",
    "170,0,255", "255,0,255", "255,85,255", "255,170,255", "0,0,0",       "255,255,255"};

QColor topColour(const colorInfoData& info)
{
    return QColor(info.topRed, info.topGreen, info.topBlue);
}

QColor bottomColour(const colorInfoData& info)
{
    return QColor(info.bottomRed, info.bottomGreen, info.bottomBlue);
}

// A swatch is filled with the light colour it stands for: that colour is the
// user's data, not the theme's, so it is the one thing a swatch's own sheet
// says; its frame and rounding are the application sheet's.
void fillSwatch(QWidget* swatch, const QColor& colour)
{
    swatch->setStyleSheet(QStringLiteral("background-color: %1;").arg(colour.name()));
}

} // namespace

DLightsConfigPage::DLightsConfigPage(QWidget* parent)
    : QWidget(parent)
    , m_ui(new Ui::DLightsConfigPage)
{
    m_ui->setupUi(this);
    refreshPresetSwatches();
    setTexts();

    for (QPushButton* shown : {m_ui->pushButton_Left, m_ui->pushButton_Right, m_ui->pushButton_Up,
                               m_ui->pushButton_Down, m_ui->pushButton_Gather, m_ui->pushButton_Dispersion})
        shown->show();
    m_ui->pushButton_CW->hide();
    m_ui->pushButton_UnCW->hide();
    m_ui->horizontalLayout_12->setSpacing(8);
    // The switch is its picture; the form's placeholder text would be drawn over it.
    m_ui->toolButton_LightSelectTypeChanged->setText(QString());

    m_colorArea = new SVColorArea(m_ui->frame_Color);
    m_ui->frame_Color->layout()->addWidget(m_colorArea);
    connect(m_colorArea, &SVColorArea::sigGetRGB, this, &DLightsConfigPage::onGetRGB);
    connect(m_colorArea, &SVColorArea::sigMoveingStatus, this, &DLightsConfigPage::onMoveingStatus);
    connect(m_colorArea, &SVColorArea::sigMouseIsPress, this, &DLightsConfigPage::onSVColorAreaMouseIsPress);

    const auto makeStepper = [](QFrame* holder, int start) {
        auto* stepper = new sliderCustomWidget(holder);
        holder->layout()->addWidget(stepper);
        stepper->setSliderSize(kStepperWidth, kStepperHeight);
        stepper->setMargin(kStepperMargin);
        stepper->setStepCount(kStepperSteps);
        stepper->setCurrentIndex(start);
        return stepper;
    };
    m_brightnessSlider = makeStepper(m_ui->frame_SliderBrightness, kBrightnessStart);
    m_speedSlider = makeStepper(m_ui->frame_SliderSpeed, kSpeedStart);
    applyStepperColours();
    connect(m_brightnessSlider, &sliderCustomWidget::sigBackCurrentPositionNum, this,
            &DLightsConfigPage::onBackCurrentPositionNum_Brightness);
    connect(m_speedSlider, &sliderCustomWidget::sigBackCurrentPositionNum, this,
            &DLightsConfigPage::onBackCurrentPositionNum_Speed);

    m_keyboardGroup = new QButtonGroup(this);
    for (int button = 0; button < DLightEffectControls::kKeyboardButtons; ++button)
        m_keyboardGroup->addButton(findChild<QAbstractButton*>(QLatin1String(kKeyboardButtonNames[button])), button);
    m_sideGroup = new QButtonGroup(this);
    for (int position = 0; position < DLightEffectControls::kSideButtons; ++position)
        m_sideGroup->addButton(findChild<QAbstractButton*>(QLatin1String(kSideButtonNames[position])),
                               DLightEffectControls::kSideButtonBase + position);
    m_colourChoiceGroup = new QButtonGroup(this);
    m_colourChoiceGroup->addButton(m_ui->pushButton_TopColor, 0);
    m_colourChoiceGroup->addButton(m_ui->pushButton_BottomColor, 1);
    m_directionGroup = new QButtonGroup(this);
    for (const DLightEffects::Direction& direction : DLightEffects::directions())
        m_directionGroup->addButton(findChild<QAbstractButton*>(QLatin1String(direction.button)), direction.id);
    connect(m_keyboardGroup, &QButtonGroup::idClicked, this, &DLightsConfigPage::onCurIndexChanged_KB_LightMode);
    connect(m_sideGroup, &QButtonGroup::idClicked, this, &DLightsConfigPage::onCurIndexChanged_Side_LightMode);
    connect(m_colourChoiceGroup, &QButtonGroup::idClicked, this,
            &DLightsConfigPage::onCurIndexChanged_LightTopOrBottomColor);
    connect(m_directionGroup, &QButtonGroup::idClicked, this, &DLightsConfigPage::onCurIndexChanged_LedDirection);
    // How a scheme is painted, under the list's title.
    m_customHint = new QLabel(m_ui->frame_D);
    m_customHint->setObjectName(QStringLiteral("label_CustomHint"));
    m_customHint->setWordWrap(true);
    m_ui->verticalLayout_7->insertWidget(m_ui->verticalLayout_7->indexOf(m_ui->frame_14) + 1, m_customHint);
    setTexts();
    m_ui->toolButton_Static->setChecked(true);
    m_ui->toolButton_SideStatic->setChecked(true);
    m_ui->pushButton_TopColor->setChecked(true);
    m_ui->pushButton_Left->setChecked(true);

    // The fields only ever hold a channel value; what the form starts them
    // with is the colour of no setting.
    for (QLineEdit* field : {m_ui->lineEdit_R, m_ui->lineEdit_G, m_ui->lineEdit_B})
        field->setMaxLength(3);
    m_fieldValues
        = {m_ui->lineEdit_R->text().toInt(), m_ui->lineEdit_G->text().toInt(), m_ui->lineEdit_B->text().toInt()};
    // Tab goes through the fields as they stand: red, green, blue.
    setTabOrder(m_ui->lineEdit_R, m_ui->lineEdit_G);
    setTabOrder(m_ui->lineEdit_G, m_ui->lineEdit_B);

    QTimer::singleShot(kEventFilterDelayMs, this, &DLightsConfigPage::onInstallEventFilterOpen);
}

DLightsConfigPage::~DLightsConfigPage()
{
    // The bubble is a window of its own, not a child of the page.
    delete m_tipBubble;
    delete m_ui;
}

void DLightsConfigPage::setTexts()
{
    m_ui->label->setText(QObject::tr("Type:"));
    m_ui->label_24->setText(QObject::tr("Brightness:"));
    m_ui->label_25->setText(QObject::tr("Speed:"));
    m_ui->label_26->setText(QObject::tr("Direction:"));
    m_ui->label_2->setText(QObject::tr("Full color"));
    m_ui->label_3->setText(QObject::tr("Top color"));
    m_ui->label_4->setText(QObject::tr("Bottom color"));
    m_ui->label_23->setText(QObject::tr("Custom light"));
    // The arrows alone do not say which way the light runs.
    for (const DLightEffects::Direction& direction : DLightEffects::directions()) {
        if (QAbstractButton* button = m_directionGroup ? m_directionGroup->button(direction.id) : nullptr)
            button->setToolTip(QObject::tr(direction.tip));
    }
    if (m_customHint)
        m_customHint->setText(QObject::tr("Select keys on the picture, then pick a color."));
}

void DLightsConfigPage::retranslate()
{
    m_ui->retranslateUi(this);
    setTexts();
    const int part = m_keyboardShown ? kKeyboardPart : kSidePart;
    const int effect = m_keyboardShown ? m_keyboardEffect : m_sideEffect;
    const QString name = DLightEffects::name(part, effect);
    m_ui->label_LightMode->setText(shownEffectName(part, name.isEmpty() ? QObject::tr("Wave") : name));
    for (DCustomLightListItem* row : m_customRows)
        row->retranslate();
    styleLabels();
    // The fields show the colour being edited, whatever the form put there.
    showColourFields(m_currentColour);
}

// A text too long for its place gets a smaller size instead of being cut
// off; the setting names share one column as wide as the longest of them
// needs, up to a limit, so a long word (German "Geschwindigkeit:") keeps
// its size.
void DLightsConfigPage::styleLabels()
{
    const QFont normal = DDataManager::getInstance()->getFont(1);
    const auto fit = [&normal](QLabel* label, int pointSize, int room) {
        QFont font = normal;
        font.setWeight(QFont::Bold);
        font.setPointSize(pointSize);
        label->setFont(font);
        while (font.pointSize() > kSmallestPointSize && label->fontMetrics().horizontalAdvance(label->text()) > room) {
            font.setPointSize(font.pointSize() - 1);
            label->setFont(font);
        }
    };
    const std::array<QLabel*, 3> settingNames{m_ui->label_24, m_ui->label_25, m_ui->label_26};
    int column = kLabelColumnWidth;
    for (QLabel* label : settingNames) {
        fit(label, kLabelPointSize, kLabelColumnMaxWidth);
        column = qMax(column, label->fontMetrics().horizontalAdvance(label->text()) + kLabelColumnPadding);
    }
    column = qMin(column, kLabelColumnMaxWidth);
    for (QLabel* label : settingNames) {
        label->setFixedWidth(column);
        fit(label, kLabelPointSize, column);
    }
    // The steppers beside the names keep their length: the settings column
    // grows by what the names took.
    m_ui->frame_A->setFixedWidth(kSettingsColumnWidth + column - kLabelColumnWidth);
    fit(m_ui->label, kLabelPointSize, kLabelColumnWidth);
    fit(m_ui->label_23, kLabelPointSize, kCustomTitleWidth);
    for (QLabel* label : {m_ui->label_2, m_ui->label_3, m_ui->label_4, m_ui->label_R, m_ui->label_G, m_ui->label_B})
        fit(label, kSmallPointSize, kColourTitleWidth);
    QFont hintFont = normal;
    hintFont.setPointSize(kSmallPointSize);
    m_customHint->setFont(hintFont);
    fit(m_ui->label_LightMode, kLabelPointSize, kEffectNameWidth);
}

void DLightsConfigPage::applyStepperColours()
{
    const DThemeRoles& roles = DDataManager::getInstance()->themeRoles();
    const QColor handle = roles.color(DThemeRoles::SliderHandle);
    const QColor track = roles.color(DThemeRoles::SliderGroove);
    for (sliderCustomWidget* stepper : {m_brightnessSlider, m_speedSlider}) {
        stepper->setHandleColor(handle);
        stepper->setTrackColor(track);
        stepper->setTickColor(track);
    }
}

void DLightsConfigPage::setTheme()
{
    styleLabels();
    applyStepperColours();
}

void DLightsConfigPage::refreshPresetSwatches()
{
    m_presetColors.clear();
    for (const char* preset : kPresetColors)
        m_presetColors << QString::fromLatin1(preset);
    for (int n = 0; n < m_presetColors.size(); ++n) {
        auto* swatch = findChild<QLabel*>(QStringLiteral("label_Color%1").arg(n + 1, 2, 10, QLatin1Char('0')));
        if (swatch)
            fillSwatch(swatch, presetColour(n));
    }
}

QColor DLightsConfigPage::presetColour(int n) const
{
    const QStringList parts = m_presetColors.value(n).split(QLatin1Char(','));
    return QColor(parts.value(0).toInt(), parts.value(1).toInt(), parts.value(2).toInt());
}

void DLightsConfigPage::onInstallEventFilterOpen()
{
    for (QAbstractButton* button : m_keyboardGroup->buttons())
        button->installEventFilter(this);
    for (QAbstractButton* button : m_sideGroup->buttons())
        button->installEventFilter(this);
    for (int n = 1; n <= int(kPresetColors.size()); ++n) {
        if (auto* swatch = findChild<QLabel*>(QStringLiteral("label_Color%1").arg(n, 2, 10, QLatin1Char('0'))))
            swatch->installEventFilter(this);
    }
    m_ui->toolButton_LightSelectTypeChanged->installEventFilter(this);
}

bool DLightsConfigPage::eventFilter(QObject* watched, QEvent* event)
{
    const QString name = watched->objectName();
    if (event->type() == QEvent::MouseButtonPress && name.startsWith(QLatin1String("label_Color"))) {
        const int n = name.mid(int(std::strlen("label_Color"))).toInt();
        if (n >= 1 && n <= m_presetColors.size()) {
            m_colorArea->resetKnob();
            onColorItemSelcSignal(presetColour(n - 1));
        }
    } else if (event->type() == QEvent::Enter || event->type() == QEvent::Leave) {
        int tipId = -1;
        if (watched == m_ui->toolButton_LightSelectTypeChanged)
            tipId = kPartSwitchTip;
        else if (auto* button = qobject_cast<QAbstractButton*>(watched))
            tipId = button->group() == m_keyboardGroup || button->group() == m_sideGroup ? button->group()->id(button)
                                                                                         : -1;
        if (tipId >= 0) {
            if (event->type() == QEvent::Enter)
                showEffectTip(tipId);
            else if (m_tipBubble)
                m_tipBubble->hide();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void DLightsConfigPage::showEffectTip(int tipId)
{
    QAbstractButton* button = nullptr;
    const char* text = nullptr;
    if (tipId == kPartSwitchTip) {
        button = m_ui->toolButton_LightSelectTypeChanged;
        text = QT_TRANSLATE_NOOP("QObject", "Keyboard/Ambient");
    } else if (tipId >= 0 && tipId < DLightEffectControls::kKeyboardButtons) {
        button = m_keyboardGroup->button(tipId);
        text = kKeyboardTips[std::size_t(tipId)];
    } else if (tipId >= DLightEffectControls::kSideButtonBase
               && tipId < DLightEffectControls::kSideButtonBase + DLightEffectControls::kSideButtons) {
        button = m_sideGroup->button(tipId);
        text = kSideTips[std::size_t(tipId - DLightEffectControls::kSideButtonBase)];
    }
    if (!button)
        return;
    if (!m_tipBubble) {
        m_tipText = new DToolTipExplain(nullptr);
        m_tipBubble = new ArrowWidget(ArrowWidget::ArrowBottom, nullptr);
        m_tipBubble->setPopupSize(kTipWidth, kTipHeight);
        m_tipBubble->setArrowX(kTipArrowX);
        m_tipBubble->setContentWidget(m_tipText);
    }
    const QPoint bottomCentre = button->mapToGlobal(QPoint(button->width() / 2, button->height()));
    m_tipBubble->move(bottomCentre - QPoint(kTipLeftOfCentre, button->height() + kTipAboveButton));
    m_tipText->setExplainText(QObject::tr(text));
    m_tipBubble->widenForContent(kTipWidth);
    m_tipBubble->show();
}

void DLightsConfigPage::setLightCapability(lightCapabilityInfo keyboard, lightCapabilityInfo side)
{
    m_keyboardModes = std::move(keyboard);
    m_sideModes = std::move(side);
    // DPI is never offered, whatever the keyboard lists.
    for (int button = 0; button < DLightEffectControls::kKeyboardButtons; ++button)
        m_keyboardGroup->button(button)->hide();
    m_ui->toolButton_MusicalRhythm->show();
    m_ui->toolButton_CustomLed->show();
    for (const int effect : m_keyboardModes.lightTypeList) {
        const int button = DLightEffectControls::keyboardButtonOfEffect(effect);
        if (button >= 0)
            m_keyboardGroup->button(button)->show();
    }
    for (QAbstractButton* button : m_sideGroup->buttons())
        button->hide();
    if (m_sideModes.lightTypeList.isEmpty()) {
        m_ui->frame_B->hide();
        return;
    }
    for (const int effect : m_sideModes.lightTypeList) {
        const int button = DLightEffectControls::sideButtonOfEffect(effect);
        if (button >= 0)
            m_sideGroup->button(button)->show();
    }
    m_ui->frame_B->show();
}

void DLightsConfigPage::loadProfileLightType()
{
    ++m_loadCount;
    // The key tab turns the caps' LED colours off; this page shows them.
    for (keyboardButCustom* cap : DDataManager::getInstance()->keyButtonList()) {
        if (cap)
            cap->setLightColorEnabled(true);
    }
    m_keyboardShown = true;
    m_ui->stackedWidget->setCurrentWidget(m_ui->page_KeyboardLightMode);
    m_speedSlider->setStepCount(m_keyboardModes.speedMax);
    m_brightnessSlider->setStepCount(m_keyboardModes.brightnessMax);
    m_ui->frame_D->hide();
    m_keyboardGroup->setExclusive(false);
    for (QAbstractButton* button : m_keyboardGroup->buttons())
        button->setChecked(false);
    m_keyboardGroup->setExclusive(true);

    m_keyboardEffect = effectInUse(kKeyboardPart);
    const int button = DLightEffectControls::keyboardButtonOfEffect(m_keyboardEffect);
    if (button < 0)
        return;
    onCurIndexChanged_KB_LightMode(button);
    m_keyboardGroup->button(button)->setChecked(true);
}

void DLightsConfigPage::applyDeviceLightChange(int part, int effect)
{
    Q_UNUSED(effect)
    // The link has already stored what the keyboard reported; the page only
    // reads it back and passes it on, without echoing it to the keyboard.
    m_keyboardShown = part != kKeyboardPart;
    m_ui->frame_D->hide();
    switchPart(!m_keyboardShown);
    emit sigLightConfigHaveChanged(FromKeyboard, m_colorInfo);
}

void DLightsConfigPage::applyDeviceCustomLightChange(int part, int effect, int customIndex)
{
    Q_UNUSED(part)
    Q_UNUSED(effect)
    m_usingCustomIndex = customIndex;
    m_ui->frame_D->show();
    m_resetSlotOnCustom = false;
    onCurIndexChanged_KB_LightMode(DLightEffectControls::kCustomButton);
    m_resetSlotOnCustom = true;
    emit sigLightConfigHaveChanged(FromKeyboard, m_colorInfo);
}

void DLightsConfigPage::on_toolButton_LightSelectTypeChanged_clicked()
{
    switchPart(!m_keyboardShown);
}

bool DLightsConfigPage::switchPart(bool toKeyboard)
{
    if (!toKeyboard) {
        if (m_sideModes.lightTypeList.isEmpty()) {
            emit sigSomeMessageTip_LightsConfigPage(QObject::tr("The device has no atmosphere lamp"));
            // Nothing else changes: the keyboard part stays on screen.
            m_keyboardShown = true;
            return false;
        }
        m_ui->frame_D->hide();
        m_speedSlider->setStepCount(m_sideModes.speedMax);
        m_brightnessSlider->setStepCount(m_sideModes.brightnessMax);
        m_keyboardShown = false;
        m_ui->stackedWidget->setCurrentWidget(m_ui->page_SideLightMode);
        m_sideEffect = effectInUse(kSidePart);
        loadLightSettings(kSidePart);
        showControls(kSidePart, m_sideEffect);
        return true;
    }
    m_speedSlider->setStepCount(m_keyboardModes.speedMax);
    m_brightnessSlider->setStepCount(m_keyboardModes.brightnessMax);
    m_keyboardShown = true;
    m_ui->stackedWidget->setCurrentWidget(m_ui->page_KeyboardLightMode);
    m_keyboardEffect = effectInUse(kKeyboardPart);
    loadLightSettings(kKeyboardPart);
    showControls(kKeyboardPart, m_keyboardEffect);
    if (m_keyboardEffect == kCustomEffect)
        m_ui->frame_D->show();
    return true;
}

void DLightsConfigPage::onCurIndexChanged_KB_LightMode(int indexSel)
{
    m_ui->frame_D->hide();
    const int effect = DLightEffectControls::keyboardEffectOfButton(indexSel);
    // The DPI button names no effect: the one in use stays.
    if (indexSel != DLightEffectControls::kDpiButton)
        m_keyboardEffect = effect;
    if (indexSel == DLightEffectControls::kCustomButton) {
        m_ui->frame_D->show();
        if (m_resetSlotOnCustom)
            m_usingCustomIndex = 0;
        loadCustomLightList();
    }
    loadLightSettings(kKeyboardPart);
    if (indexSel == DLightEffectControls::kDpiButton)
        m_ui->label_LightMode->setText(QObject::tr("DPI"));
    showControls(kKeyboardPart, m_keyboardEffect);
    if (m_keyboardEffect == kCustomEffect) {
        if (const DCustomLightSchemeList::Scheme* scheme = m_customSchemes.selectedScheme())
            announceScheme({scheme->slot, scheme->index, scheme->name});
    }
    emit sigSelectCurrentLightTypeIndex_KB(m_keyboardEffect, m_colorInfo);
    if (m_colorInfo.lightPart == kKeyboardPart)
        sendKeyboardLightReport(m_colorInfo);
}

void DLightsConfigPage::onCurIndexChanged_Side_LightMode(int indexSel)
{
    m_sideEffect = DLightEffectControls::sideEffectOfButton(indexSel);
    loadLightSettings(kSidePart);
    showControls(kSidePart, m_sideEffect);
    emit sigSelectCurrentLightTypeIndex_Side(m_sideEffect, m_colorInfo);
    if (m_colorInfo.lightPart == kSidePart)
        sendSideLightReport(m_colorInfo);
}

void DLightsConfigPage::showControls(int part, int effect)
{
    const DLightEffectControls::Controls controls = DLightEffectControls::forEffect(part, effect);
    m_ui->frame_Brightness->setVisible(controls.brightness);
    m_ui->frame_Speed->setVisible(controls.speed);
    m_ui->frame_DirectionMain->setVisible(controls.directions != 0);
    for (const DLightEffects::Direction& direction : DLightEffects::directions())
        m_directionGroup->button(direction.id)->setVisible(DLightEffectControls::hasDirection(controls, direction.id));
    m_ui->frame_23->setVisible(controls.colours);
    m_ui->frame_25->setVisible(controls.colours);
    m_ui->frame_24->setVisible(controls.picker);
    m_ui->frame_8->setVisible(controls.picker);
}

void DLightsConfigPage::showEffectName()
{
    const int part = m_keyboardShown ? kKeyboardPart : kSidePart;
    const int effect = part == kKeyboardPart ? m_keyboardEffect : m_sideEffect;
    QButtonGroup* group = part == kKeyboardPart ? m_keyboardGroup : m_sideGroup;
    const int button = part == kKeyboardPart ? DLightEffectControls::keyboardButtonOfEffect(effect)
                                             : DLightEffectControls::sideButtonOfEffect(effect);
    if (QAbstractButton* shown = group->button(button))
        shown->setChecked(true);
    m_ui->label_LightMode->setText(shownEffectName(part, DLightEffects::name(part, effect)));
}

// The side light's effects are told apart from the keys' by name, so the
// part the ⇄ button switched to is plain to see.
QString DLightsConfigPage::shownEffectName(int part, const QString& name) const
{
    if (part != kSidePart || name.isEmpty())
        return name;
    return QObject::tr("Side light: %1").arg(name);
}

void DLightsConfigPage::loadLightSettings(int part)
{
    loadLightSettings(part, part == kKeyboardPart ? m_keyboardEffect : m_sideEffect);
}

void DLightsConfigPage::loadLightSettings(int part, int effect)
{
    // No effect in use: nothing to show, and no setting to invent for it.
    if (effect < 0)
        return;
    const char* path = m_profile.path();
    const QByteArray index = profileIndexText();
    colorInfoData record{};
    if (!COrvaneXML_SelectProfileColorDataInfo(path, index.constData(), part, effect, &record)) {
        record = DDefaultLightRecord::make(part, effect);
        COrvaneXML_AddProFileLightInfoItem(path, index.constData(), record);
    }
    m_colorInfo = record;
    m_pendingColors
        = {record.topRed, record.topGreen, record.topBlue, record.bottomRed, record.bottomGreen, record.bottomBlue};
    m_ui->checkBox_FullColorMode->setChecked(record.fullColor == 1);
    m_colorArea->resetKnob();
    m_currentColour = topColour(record);
    showColourFields(m_currentColour);
    fillSwatch(m_ui->label_ColorShow, m_currentColour);
    fillSwatch(m_ui->pushButton_TopColor, topColour(record));
    fillSwatch(m_ui->pushButton_BottomColor, bottomColour(record));
    m_ui->pushButton_TopColor->setChecked(true);
    m_directionGroup->setExclusive(false);
    for (QAbstractButton* button : m_directionGroup->buttons())
        button->setChecked(m_directionGroup->id(button) == record.ledDirection);
    m_directionGroup->setExclusive(true);
    m_speedSlider->setCurrentIndex(record.ledSpeed - 1);
    m_brightnessSlider->setCurrentIndex(record.ledBrightness - 1);
    COrvaneXML_ModifyProFileMouseLightUsingIndex(path, index.constData(), part, effect);
    showEffectName();
}

void DLightsConfigPage::commitLightChange(int changeCode)
{
    if (m_colorAreaPressed)
        return;
    if (changeCode == ColourChange) {
        m_colorInfo.topRed = m_pendingColors[0];
        m_colorInfo.topGreen = m_pendingColors[1];
        m_colorInfo.topBlue = m_pendingColors[2];
        m_colorInfo.bottomRed = m_pendingColors[3];
        m_colorInfo.bottomGreen = m_pendingColors[4];
        m_colorInfo.bottomBlue = m_pendingColors[5];
    }
    const char* path = m_profile.path();
    const QByteArray index = profileIndexText();
    // A setting the profile lost is written again, so the change survives
    // the next load instead of only reaching the keyboard.
    const bool stored
        = COrvaneXML_IsProFileAlreadyHaveLightInfo(path, index.constData(), m_colorInfo.lightPart, m_colorInfo.ledType)
              ? COrvaneXML_ModifyProFileLightInfoItem(path, index.constData(), m_colorInfo.lightPart,
                                                      m_colorInfo.ledType, m_colorInfo)
              : COrvaneXML_AddProFileLightInfoItem(path, index.constData(), m_colorInfo);
    emit sigLightConfigHaveChanged(changeCode, m_colorInfo);
    const bool sent
        = m_colorInfo.lightPart == kKeyboardPart
              ? queueReport(DLightReportBuilder::keyboardEffect(m_colorInfo, DLightReportBuilder::currentStamp()),
                            kLedFailure)
              : queueReport(DLightReportBuilder::sideEffect(m_colorInfo, DLightReportBuilder::currentStamp()),
                            kSideLedFailure);
    if (m_colorInfo.ledType == kCustomEffect && changeCode == ColourChange)
        emit sigLightConfigHaveChanged_Custom(ColourChange, m_colorInfo);
    if (!stored || !sent)
        tellFailure();
    const QStringList notes = DStoreRecoveryNotice::takeMessages();
    if (!notes.isEmpty())
        emit sigStoreNotes_LightsConfigPage(notes.join(QStringLiteral("\n\n")));
}

void DLightsConfigPage::tellFailure()
{
    emit sigSomeMessageTip_LightsConfigPage(
        QObject::tr("The light setting could not be saved or sent to the keyboard."));
}

void DLightsConfigPage::onBackCurrentPositionNum_Brightness(int currPositionIndex)
{
    m_colorInfo.ledBrightness = currPositionIndex + 1;
    commitLightChange(BrightnessChange);
}

void DLightsConfigPage::onBackCurrentPositionNum_Speed(int currPositionIndex)
{
    m_colorInfo.ledSpeed = currPositionIndex + 1;
    commitLightChange(SpeedChange);
}

void DLightsConfigPage::onCurIndexChanged_LedDirection(int selIndex)
{
    if (QAbstractButton* button = m_directionGroup->button(selIndex))
        button->setChecked(true);
    m_colorInfo.ledDirection = selIndex;
    commitLightChange(DirectionChange);
}

void DLightsConfigPage::on_checkBox_FullColorMode_clicked()
{
    m_colorInfo.fullColor = m_ui->checkBox_FullColorMode->isChecked() ? 1 : 0;
    commitLightChange(FullColourChange);
}

bool DLightsConfigPage::isTopColourChecked() const
{
    return m_ui->pushButton_TopColor->isChecked();
}

void DLightsConfigPage::showColourFields(const QColor& colour)
{
    m_fieldValues = {colour.red(), colour.green(), colour.blue()};
    const std::array<QLineEdit*, 3> fields{m_ui->lineEdit_R, m_ui->lineEdit_G, m_ui->lineEdit_B};
    for (std::size_t channel = 0; channel < fields.size(); ++channel) {
        const QSignalBlocker quiet(fields[channel]);
        fields[channel]->setText(QString::number(m_fieldValues[channel]));
    }
    m_colorArea->setMarkedColor(colour);
}

void DLightsConfigPage::showEditedColour(const QColor& colour)
{
    showColourFields(colour);
    fillSwatch(m_ui->label_ColorShow, colour);
    const bool top = isTopColourChecked();
    fillSwatch(top ? m_ui->pushButton_TopColor : m_ui->pushButton_BottomColor, colour);
    const std::size_t first = top ? 0 : 3;
    m_pendingColors[first] = colour.red();
    m_pendingColors[first + 1] = colour.green();
    m_pendingColors[first + 2] = colour.blue();
}

void DLightsConfigPage::onCurIndexChanged_LightTopOrBottomColor(int selIndex)
{
    m_currentColour = selIndex == 0 ? topColour(m_colorInfo) : bottomColour(m_colorInfo);
    showColourFields(m_currentColour);
    fillSwatch(m_ui->label_ColorShow, m_currentColour);
    m_colorArea->resetKnob();
}

void DLightsConfigPage::onGetRGB(int r, int g, int b)
{
    m_currentColour = QColor(r, g, b);
    showEditedColour(m_currentColour);
}

void DLightsConfigPage::onMoveingStatus(int valueRotate, int degRotate)
{
    Q_UNUSED(degRotate)
    if (valueRotate == 0)
        return;
    const int value = int((100 - valueRotate) * 2.55);
    showEditedColour(QColor::fromHsv(m_currentColour.hsvHue(), m_currentColour.hsvSaturation(), value));
}

void DLightsConfigPage::onSVColorAreaMouseIsPress(bool isMousePress)
{
    m_colorAreaPressed = isMousePress;
    commitLightChange(ColourChange);
}

void DLightsConfigPage::onColorItemSelcSignal(QColor color)
{
    if (m_colorAreaPressed)
        return;
    m_currentColour = color;
    showEditedColour(color);
    commitLightChange(ColourChange);
}

void DLightsConfigPage::on_lineEdit_R_textChanged(QString text)
{
    typedChannel(m_ui->lineEdit_R, 0, text);
}

void DLightsConfigPage::on_lineEdit_G_textChanged(QString text)
{
    typedChannel(m_ui->lineEdit_G, 1, text);
}

void DLightsConfigPage::on_lineEdit_B_textChanged(QString text)
{
    typedChannel(m_ui->lineEdit_B, 2, text);
}

void DLightsConfigPage::typedChannel(QLineEdit* field, int channel, const QString& text)
{
    // Only what the user types counts; the page's own updates are quiet.
    if (!field->hasFocus())
        return;
    // A field being cleared to type anew is left alone until a number stands there.
    if (text.isEmpty())
        return;
    const std::optional<int> value = DColorChannelText::typed(text);
    if (!value || !DColorChannelText::parse(text)) {
        // Not a number puts back what the field held; a number past the top
        // stands as the top, so the field shows what the keyboard gets.
        const QSignalBlocker quiet(field);
        field->setText(QString::number(value ? *value : m_fieldValues[std::size_t(channel)]));
        if (!value)
            return;
    }
    m_fieldValues[std::size_t(channel)] = *value;
    onColorItemSelcSignal(QColor(m_fieldValues[0], m_fieldValues[1], m_fieldValues[2]));
}

int DLightsConfigPage::currentCustomLightIndex() const
{
    const DCustomLightSchemeList::Scheme* scheme = m_customSchemes.selectedScheme();
    bool ok = false;
    const int index = scheme ? scheme->index.toInt(&ok) : -1;
    return ok ? index : -1;
}

void DLightsConfigPage::loadCustomLightList()
{
    std::list<customLightNodeInfo> nodes;
    COrvaneXML_SelectProFileCustomLightAllNodes(m_profile.path(), profileIndexText().constData(), &nodes);
    const auto selection = m_customSchemes.rebuild(nodes, m_usingCustomIndex);
    rebuildCustomRows();
    if (selection)
        announceScheme(*selection);
}

void DLightsConfigPage::rebuildCustomRows()
{
    m_rowsLayout = m_ui->verticalLayout_39;
    // Everything but the trailing spacer goes; a row may be the sender of
    // the signal that got here, so it is deleted once that is over.
    while (m_rowsLayout->count() > 1) {
        QLayoutItem* item = m_rowsLayout->takeAt(0);
        if (QWidget* widget = item->widget()) {
            widget->hide();
            widget->deleteLater();
        }
        delete item;
    }
    m_customRows.clear();
    for (const DCustomLightSchemeList::Scheme& scheme : m_customSchemes.schemes()) {
        auto* row = new DCustomLightListItem(m_ui->scrollAreaWidgetContents_3);
        connect(row, &DCustomLightListItem::sigCustomLightItemMouseClicked, this,
                &DLightsConfigPage::onCustomLightItemMouseClicked);
        connect(row, &DCustomLightListItem::sigModifyCustomLightItemNameIsEmpty, this,
                &DLightsConfigPage::onModifyCustomLightItemNameIsEmpty);
        connect(row, &DCustomLightListItem::sigModifyCustomLightItemNameSuccess, this,
                &DLightsConfigPage::onModifyCustomLightItemNameSuccess);
        connect(row, &DCustomLightListItem::sigModifyCustomLightItemNameFailed, this,
                &DLightsConfigPage::onModifyCustomLightItemNameFailed);
        connect(row, &DCustomLightListItem::sigCustomLightUsingStatus, this,
                &DLightsConfigPage::onCustomLightUsingStatus);
        row->setItemInfo(scheme.index, scheme.name, scheme.status, scheme.slot);
        m_rowsLayout->insertWidget(m_rowsLayout->count() - 1, row);
        m_customRows << row;
    }
    showCustomRowStates();
}

void DLightsConfigPage::showCustomRowStates()
{
    const QVector<DCustomLightSchemeList::Scheme>& schemes = m_customSchemes.schemes();
    for (int row = 0; row < m_customRows.size() && row < schemes.size(); ++row) {
        DCustomLightListItem* item = m_customRows[row];
        item->setUsingStatus(schemes[row].status);
        item->setFlagIndex(schemes[row].slot);
        item->setUsingChecked(schemes[row].isUsing());
        item->setSelectedLook(row == m_customSchemes.selectedRow());
    }
}

int DLightsConfigPage::senderRow() const
{
    return int(m_customRows.indexOf(qobject_cast<DCustomLightListItem*>(sender())));
}

void DLightsConfigPage::onCustomLightItemMouseClicked(QString strCustomLightIndex, QString strCustomLightName)
{
    Q_UNUSED(strCustomLightIndex)
    Q_UNUSED(strCustomLightName)
    selectCustomLight(senderRow());
}

void DLightsConfigPage::onModifyCustomLightItemNameIsEmpty()
{
    emit sigSomeMessageTip_LightsConfigPage(QObject::tr("Custom light name can't be empty"));
}

void DLightsConfigPage::onModifyCustomLightItemNameSuccess()
{
    emit sigSomeMessageTip_LightsConfigPage(QObject::tr("Modify custom light name successful"));
}

void DLightsConfigPage::onModifyCustomLightItemNameFailed()
{
    emit sigSomeMessageTip_LightsConfigPage(QObject::tr("Modify custom light name failed"));
}

void DLightsConfigPage::onCustomLightUsingStatus(bool isUsing)
{
    setCustomLightUsing(senderRow(), isUsing);
}

void DLightsConfigPage::selectCustomLight(int row)
{
    const auto selection = m_customSchemes.select(row, m_usingCustomIndex);
    showCustomRowStates();
    if (selection)
        announceScheme(*selection);
}

void DLightsConfigPage::setCustomLightUsing(int row, bool isUsing)
{
    const QVector<DCustomLightSchemeList::Scheme> before = m_customSchemes.schemes();
    const int selectedBefore = m_customSchemes.selectedRow();
    const int slotBefore = m_usingCustomIndex;
    const auto handOver = m_customSchemes.markUsing(row, isUsing, m_usingCustomIndex);
    if (!handOver) {
        showCustomRowStates();
        return;
    }
    const bool stored = m_customSchemes.store(m_profile.path(), m_profile.index(), *handOver);
    if (!stored) {
        // What the file holds stays what the rows show.
        m_customSchemes.restore(before, selectedBefore);
        m_usingCustomIndex = slotBefore;
        showCustomRowStates();
        tellFailure();
        return;
    }
    showCustomRowStates();
    const QString takenIndex = m_customSchemes.schemes().at(handOver->takenRow).index;
    announceScheme({handOver->slot, takenIndex, QString::fromLatin1(kTakenSlotName)});
    if (!uploadCustomLightForItem(takenIndex, handOver->slot))
        tellFailure();
}

void DLightsConfigPage::announceScheme(const DCustomLightSchemeList::Selection& selection)
{
    emit sigCustomLightItemHaveChanged(selection.slot, selection.index, selection.name);
}

bool DLightsConfigPage::resendCustomLight()
{
    return m_usingCustomIndex == DCustomLightSchemeList::kNoSlot || uploadCustomLightColors(m_usingCustomIndex);
}

bool DLightsConfigPage::uploadCustomLightForItem(QString index, int slot)
{
    Q_UNUSED(index)
    return uploadCustomLightColors(slot);
}

bool DLightsConfigPage::uploadCustomLightColors(int slot)
{
    // The custom colours, not the LED colours: those are the preview, which
    // the engine darkens by the brightness and the keyboard darkens again.
    QVector<QColor> colours;
    for (const keyboardButCustom* cap : DDataManager::getInstance()->keyButtonList())
        colours << (cap ? cap->lightColorBackup() : QColor(Qt::black));
    const QVector<QByteArray> packets = DCustomLightReport::packetPayloads(colours);
    bool queued = true;
    for (int packet = 0; packet < packets.size(); ++packet)
        queued = sendCustomLightPacket(slot, packet, packets[packet]) && queued;
    DEventWait::until(kPauseBeforeClosingEffectMs, [] { return false; });
    return queueReport(DLightReportBuilder::uploadClosingEffect(m_colorInfo), kLedFailure) && queued;
}

bool DLightsConfigPage::sendCustomLightPacket(int slot, int packetNumber, const QByteArray& colourBytes)
{
    return queueReport(DCustomLightReport::build(slot, packetNumber, colourBytes), kCustomLedFailure);
}

void DLightsConfigPage::sendKeyboardLightReport(colorInfoData info)
{
    queueReport(DLightReportBuilder::keyboardEffect(info, DLightReportBuilder::currentStamp()), kLedFailure);
}

void DLightsConfigPage::sendSideLightReport(colorInfoData info)
{
    queueReport(DLightReportBuilder::sideEffect(info, DLightReportBuilder::currentStamp()), kSideLedFailure);
}

int DLightsConfigPage::effectInUse(int part) const
{
    return COrvaneXML_SelectProFileMouseLightTypeUsingIndex(m_profile.path(), profileIndexText().constData(), part);
}

QByteArray DLightsConfigPage::profileIndexText() const
{
    return QByteArray::number(m_profile.index());
}

bool DLightsConfigPage::queueReport(const DReportFrame& report, const char* failureLine)
{
    // Without a keyboard the page is not shown; a report then is lost like
    // one for a closed keyboard.
    if (m_hidInterface && m_hidInterface->queueCmdReport(report) >= 0)
        return true;
    qCDebug(lcLighting, "%s", failureLine);
    return false;
}
