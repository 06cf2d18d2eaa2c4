#include "ui/seniorKeys/DSeniorKeysPage.h"

#include "app/DDataManager.h"
#include "app/DFixedText.h"
#include "app/DKeySlotText.h"
#include "app/logCategories.h"
#include "profiles/DSeniorKeyBindings.h"
#include "ui/mainwidget/devicePage/DStoreRecoveryNotice.h"
#include "ui/seniorKeys/DAllKeysShowPage.h"
#include "ui/seniorKeys/DDksShowWidget.h"
#include "ui/seniorKeys/DSeniorKeyEventListItem.h"
#include "ui/seniorKeys/DSeniorKeysRecordExplainDia.h"
#include "ui/seniorKeys/DStrokeConfigView.h"
#include "ui/widgets/ArrowWidget.h"
#include "ui/widgets/CbNotice.h"
#include "ui/widgets/DPopupShape.h"
#include "ui/widgets/DStoreMessage.h"
#include "ui/widgets/DThemeIcons.h"
#include "ui_DSeniorKeysPage.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QDebug>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPalette>
#include <QTimer>

#include <cstring>

namespace {

// A slot shows as much of its combination as fits inside its border, the
// whole of it in the tip when some is left out.
constexpr int kSlotPadding = 8;

void showKey(QAbstractButton* button, const QString& text)
{
    DKeySlotText::showOn(button, text, kSlotPadding);
}

constexpr int kWidth = 930;
constexpr int kHeight = 590;
constexpr int kStartDelayMs = 200;
constexpr int kHoldStepMs = 10;
constexpr int kHoldSteps = 100;

// Hover ids of the key-slot buttons: 1 to 4 the DKS slots, then MT hold, MT
// click and the TGL key.
constexpr int kMtHoldSlot = 5;
constexpr int kMtClickSlot = 6;
constexpr int kTglSlot = 7;

struct ExplainPlace
{
    int arrowX;
    int offsetX;
};
// By bubble kind 1 and 2: the arrow sits under the button's centre.
constexpr ExplainPlace kExplainPlaces[] = {{353, 360}, {193, 200}};
constexpr int kExplainWidth = 395;
constexpr int kExplainHeight = 320;
constexpr int kExplainBelowTop = 11;

void setKeyText(seniorKeyInfoStu& record, int slot, const QByteArray& text)
{
    char* field = record.key[slot];
    std::memset(field, 0, sizeof record.key[slot]);
    std::memcpy(field, text.constData(), std::size_t(qMin(text.size(), int(sizeof record.key[slot]) - 1)));
}

} // namespace

DSeniorKeysPage::DSeniorKeysPage(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::DSeniorKeysPage)
    , m_records(QByteArray())
{
    std::memset(&m_currentInfo, 0, sizeof m_currentInfo);
    ui->setupUi(this);
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_DeleteOnClose);
    DPopupShape::apply(this);
    setFixedSize(kWidth, kHeight);

    m_notice = new CbNotice(this);
    m_notice->setFontPixelSize(14);
    setTexts();

    DDataManager::getInstance()->copySeniorKeyFilePath(m_seniorKeyFilePath);
    m_records = DSeniorKeyRecords(QByteArray(m_seniorKeyFilePath));

    for (QAbstractButton* button : keyButtons()) {
        showKey(button, QString());
        button->installEventFilter(this);
    }
    ui->toolButton_ExplainInfo->installEventFilter(this);
    ui->toolButton_ExplainInfo02->installEventFilter(this);
    ui->stackedWidget_2->setCurrentWidget(ui->page_DKS);

    ui->horizontalSlider_HoldDuration->setRange(1, kHoldSteps);
    ui->horizontalSlider_HoldDuration->setValue(1);
    ui->horizontalSlider_HoldDuration->setPressTolerance(0, 15);
    connect(ui->horizontalSlider_HoldDuration, &QSlider::valueChanged, this,
            &DSeniorKeysPage::onSliderHoldDurationValue);
    connect(ui->horizontalSlider_HoldDuration, &QSlider::sliderReleased, this,
            &DSeniorKeysPage::onSliderHoldDurationReleased);
    ui->label_HoldDuration->setText(QStringLiteral("10ms"));

    // The lists take their boxes' colours from the style sheets; the scroll
    // areas would otherwise fill their viewports from the palette, black
    // where the dialog is translucent.
    for (QScrollArea* area : {ui->scrollArea_2, ui->scrollArea_3}) {
        for (QWidget* layer : {area->viewport(), area->widget()}) {
            layer->setAutoFillBackground(false);
            QPalette clear = layer->palette();
            clear.setColor(QPalette::Window, Qt::transparent);
            clear.setColor(QPalette::Base, Qt::transparent);
            layer->setPalette(clear);
        }
    }
    m_listLayout = ui->verticalLayout_11;

    auto* kindGroup = new QButtonGroup(this);
    kindGroup->addButton(ui->radioButton_DKS, DSeniorKeyRecords::kDks);
    kindGroup->addButton(ui->radioButton_MT, DSeniorKeyRecords::kMt);
    kindGroup->addButton(ui->radioButton_TGL, DSeniorKeyRecords::kTgl);
    connect(kindGroup, &QButtonGroup::idClicked, this, &DSeniorKeysPage::onOperateTypeChanged);
    auto* dksGroup = new QButtonGroup(this);
    dksGroup->addButton(ui->toolButton_SeniorKey01, 1);
    dksGroup->addButton(ui->toolButton_SeniorKey02, 2);
    dksGroup->addButton(ui->toolButton_SeniorKey03, 3);
    dksGroup->addButton(ui->toolButton_SeniorKey04, 4);
    connect(dksGroup, &QButtonGroup::idClicked, this, &DSeniorKeysPage::onSksSelKeyChanged);
    auto* mtGroup = new QButtonGroup(this);
    mtGroup->addButton(ui->toolButton_HoldKey, 1);
    mtGroup->addButton(ui->toolButton_ClickKey, 2);
    connect(mtGroup, &QButtonGroup::idClicked, this, &DSeniorKeysPage::onMtSelKeyChanged);
    // The one TGL slot is always the one that takes the key: a click must
    // not take its mark away.
    auto* tglGroup = new QButtonGroup(this);
    tglGroup->addButton(ui->toolButton_TglKey, 1);
    m_operateType = DSeniorKeyRecords::kDks;
    m_currentKeyButton = ui->toolButton_SeniorKey01;
    m_selectedKeySlot = 1;

    setTheme();

    ui->label_Stroke01->setText(linkText(QStringLiteral("1.0mm")));
    ui->label_Stroke04->setText(linkText(QStringLiteral("1.0mm")));
    connect(ui->label_Stroke01, &QLabel::linkActivated, this, &DSeniorKeysPage::onLickActivited_Stroke01,
            Qt::DirectConnection);
    connect(ui->label_Stroke04, &QLabel::linkActivated, this, &DSeniorKeysPage::onLickActivited_Stroke04,
            Qt::DirectConnection);

    QTimer::singleShot(kStartDelayMs, this, &DSeniorKeysPage::onLoadDksPage);
}

DSeniorKeysPage::~DSeniorKeysPage()
{
    // The bubbles are windows of their own, without a parent.
    for (ArrowWidget* popup : m_explainPopups)
        delete popup;
    delete ui;
}

void DSeniorKeysPage::setTexts()
{
    ui->label_Title->setText(QObject::tr("Senior Keys"));
    ui->pushButton_NewCreate->setText(QObject::tr("Create"));
    ui->radioButton_SingleKey->setText(QObject::tr("Single Key"));
    ui->radioButton_CombinationKeys->setText(QObject::tr("Key Combination"));
    ui->label_9->setText(QObject::tr("Hold"));
    ui->label_10->setText(QObject::tr("Click"));
    ui->label_13->setText(QObject::tr("Hold Duration"));
    ui->label_TipInfo->setText(QObject::tr("Senior keys is empty"));
    ui->label_MT_Explain->setText(
        QObject::tr("The key have two functions: holding down the key is one type, and clicking the key is one type."));
    ui->label_TGL_Explain->setText(QObject::tr("Click this key to switch continuous triggering on or off."));
}

void DSeniorKeysPage::setTheme()
{
    // The colours come from the application's sheet (70-seniorkeys.qss);
    // the fonts are the data manager's, which the sheet cannot name.
    DDataManager* data = DDataManager::getInstance();
    m_notice->setTheme(data->themeColors());
    m_linkFontFamily = data->themeColors().textFont;
    QFont bold = data->getFont(0);
    bold.setPointSize(12);
    ui->label_Title->setFont(bold);
    ui->label_EventTotalNum->setFont(bold);
    QFont normal = data->getFont(1);
    normal.setPointSize(8);
    ui->label_Stroke02->setFont(normal);
    ui->label_Stroke03->setFont(normal);
    // The question mark is one drawing in every theme, tinted to its accent.
    const QIcon help(DThemeIcons::tinted(QStringLiteral(":/images/publicIco/question.png"),
                                         data->themeRoles().color(DThemeRoles::AccentText)));
    for (QToolButton* button : {ui->toolButton_ExplainInfo, ui->toolButton_ExplainInfo02}) {
        button->setIcon(help);
        button->setIconSize(button->maximumSize());
    }
    // The pictures of the DKS points' travel are one colour, the text's: the
    // form's grey fades on the light themes.
    const std::pair<QToolButton*, const char*> travels[] = {
        {ui->toolButton_StrokeTip01, ":/images/DKS/Down02Def.png"},
        {ui->toolButton_StrokeTip02, ":/images/DKS/Down01Def.png"},
        {ui->toolButton_StrokeTip03, ":/images/DKS/Up02Def.png"},
        {ui->toolButton_StrokeTip04, ":/images/DKS/Up01Def.png"},
    };
    const QColor text = data->themeRoles().color(DThemeRoles::Text);
    for (const auto& [button, picture] : travels)
        button->setIcon(QIcon(DThemeIcons::tinted(QLatin1String(picture), text)));
}

QString DSeniorKeysPage::linkText(const QString& readout) const
{
    // The family is quoted with single quotes: double ones would end the
    // style attribute and leave the link in the document's default font.
    // Rich text cannot take the sheet's colours: the link names the theme's
    // accent itself. The family is quoted with single quotes: double ones
    // would end the style attribute and leave the link in the default font.
    const QColor accent = DDataManager::getInstance()->themeRoles().color(DThemeRoles::AccentText);
    return QStringLiteral("<span style=\"font-family:'%3';font-size:12pt;\"></span>"
                          "<a href=\"Company|%1|\"><span style=\"font-size:8pt; text-decoration:underline; "
                          "color:%2;\">%1</span>")
        .arg(readout, accent.name(), m_linkFontFamily);
}

void DSeniorKeysPage::onLoadDksPage()
{
    m_dksShowWidget = new DDksShowWidget(ui->widget_DksDrawPage);
    connect(m_dksShowWidget, &DDksShowWidget::sigDksPageMouseMovePointXY, this,
            &DSeniorKeysPage::onDksPageMouseMovePointXY);
    connect(m_dksShowWidget, &DDksShowWidget::sigTheSeniorKeyInfoStuNeedUpdate_DKS, this,
            &DSeniorKeysPage::onTheSeniorKeyInfoStuNeedUpdate_DKS);
    ui->widget_DksDrawPage->layout()->addWidget(m_dksShowWidget);
    m_dksShowWidget->setGridSize(ui->widget_DksDrawPage->width(), ui->widget_DksDrawPage->height());

    m_keyNameMap.clear();
    m_allKeysPage = new DAllKeysShowPage(ui->scrollAreaWidgetContents_3);
    connect(m_allKeysPage, &DAllKeysShowPage::sigKeyListClicked, this, &DSeniorKeysPage::onKeyListClicked);
    connect(m_allKeysPage, &DAllKeysShowPage::sigAllKeysInfoAlreadyLoadedA, this,
            &DSeniorKeysPage::onAllKeysInfoAlreadyLoaded);
    ui->verticalLayout_16->addWidget(m_allKeysPage);
    m_keyNameMap = m_allKeysPage->allKeysMap();

    loadSeniorKeyList();
}

void DSeniorKeysPage::onDksPageMouseMovePointXY(int posX, int posY)
{
    Q_UNUSED(posX)
    Q_UNUSED(posY)
}

void DSeniorKeysPage::onAllKeysInfoAlreadyLoaded()
{
    m_keyNameMap = m_allKeysPage->allKeysMap();
}

void DSeniorKeysPage::loadSeniorKeyList()
{
    while (m_listLayout->count() > 1) {
        QLayoutItem* item = m_listLayout->takeAt(0);
        // A row may be the sender of the signal that brought us here.
        if (QWidget* widget = item->widget())
            widget->deleteLater();
        delete item;
    }
    m_selectedRow = nullptr;
    m_rowMap.clear();

    bool loaded = m_records.load();
    // The read that finds a damaged file fails; the store has put the backup
    // or an empty file in its place by then, and the user learns which and
    // where the damaged copy went.
    const QStringList notes = DStoreRecoveryNotice::takeMessages();
    if (!notes.isEmpty()) {
        DStoreMessage::show(this, notes.join(QStringLiteral("\n\n")));
        if (!loaded)
            loaded = m_records.load();
    }
    if (!loaded) {
        qCDebug(lcStore) << "SelectAllInfo faliled" << m_records.lastError();
        ui->label_EventTotalNum->setText(QStringLiteral("0/40"));
        return;
    }
    const QMap<int, seniorKeyInfoStu>& records = m_records.records();
    ui->stackedWidget_Left->setCurrentWidget(records.isEmpty() ? ui->page_EmptyTipAll : ui->page_SeniorKesOperate);
    for (const seniorKeyInfoStu& record : records) {
        auto* row = new DSeniorKeyEventListItem(ui->scrollAreaWidgetContents_2);
        row->setKeyNameMap(m_keyNameMap);
        row->setData(record);
        connect(row, &DSeniorKeyEventListItem::sigDeleteSeniorKeyEventItem, this,
                &DSeniorKeysPage::onDeleteSeniorKeyEventItem);
        connect(row, &DSeniorKeyEventListItem::sigSeniorKeyEventItemClick, this,
                &DSeniorKeysPage::onSeniorKeyEventItemClick);
        m_listLayout->insertWidget(m_listLayout->count() - 1, row);
        m_rowMap.insert(record.index, row);
    }
    if (!m_rowMap.isEmpty())
        selectRecord(m_rowMap.first(), m_rowMap.firstKey());
    qCDebug(lcStore) << "SelectAllInfo successful";
    ui->label_EventTotalNum->setText(QString::number(records.size()) + QStringLiteral("/40"));
}

void DSeniorKeysPage::onSeniorKeyEventItemClick(int bindingIndex)
{
    auto* row = qobject_cast<DSeniorKeyEventListItem*>(sender());
    if (!row || m_rowMap.value(bindingIndex) != row)
        return;
    selectRecord(row, bindingIndex);
}

void DSeniorKeysPage::selectRecord(DSeniorKeyEventListItem* row, int index)
{
    m_selectedRow = row;
    for (DSeniorKeyEventListItem* each : qAsConst(m_rowMap))
        each->setSelected(each == m_selectedRow);
    for (QAbstractButton* button : keyButtons())
        showKey(button, QString());
    m_currentInfo = m_records.records().value(index);
    showSeniorKeyInfo();

    m_selectedKeySlot = 1;
    switch (m_currentInfo.type) {
    case DSeniorKeyRecords::kMt:
        ui->toolButton_HoldKey->setChecked(true);
        m_currentKeyButton = ui->toolButton_HoldKey;
        ui->stackedWidget_2->setCurrentWidget(ui->page_MT);
        break;
    case DSeniorKeyRecords::kTgl:
        ui->toolButton_TglKey->setChecked(true);
        m_currentKeyButton = ui->toolButton_TglKey;
        ui->stackedWidget_2->setCurrentWidget(ui->page_TGL);
        break;
    default:
        ui->toolButton_SeniorKey01->setChecked(true);
        m_currentKeyButton = ui->toolButton_SeniorKey01;
        ui->stackedWidget_2->setCurrentWidget(ui->page_DKS);
        break;
    }
}

QList<QAbstractButton*> DSeniorKeysPage::keyButtons() const
{
    return {ui->toolButton_SeniorKey01, ui->toolButton_SeniorKey02, ui->toolButton_SeniorKey03,
            ui->toolButton_SeniorKey04, ui->toolButton_HoldKey,     ui->toolButton_ClickKey,
            ui->toolButton_TglKey};
}

QString DSeniorKeysPage::keyDisplay(int slot) const
{
    return DSeniorKeyRecords::displayText(DSeniorKeyRecords::keyText(m_currentInfo, slot), m_keyNameMap);
}

void DSeniorKeysPage::showSeniorKeyInfo()
{
    switch (m_currentInfo.type) {
    case DSeniorKeyRecords::kDks:
        showKey(ui->toolButton_SeniorKey01, keyDisplay(0));
        showKey(ui->toolButton_SeniorKey02, keyDisplay(1));
        showKey(ui->toolButton_SeniorKey03, keyDisplay(2));
        showKey(ui->toolButton_SeniorKey04, keyDisplay(3));
        showPoints();
        if (m_dksShowWidget)
            m_dksShowWidget->setSeniorKeyInfo(m_currentInfo);
        break;
    case DSeniorKeyRecords::kMt:
        showKey(ui->toolButton_HoldKey, keyDisplay(0));
        showKey(ui->toolButton_ClickKey, keyDisplay(1));
        ui->horizontalSlider_HoldDuration->setValue(m_currentInfo.holdDuration / kHoldStepMs);
        ui->label_HoldDuration->setText(QString::number(m_currentInfo.holdDuration) + QStringLiteral("ms"));
        break;
    case DSeniorKeyRecords::kTgl:
        showKey(ui->toolButton_TglKey, m_currentInfo.tglKeySet == 1 ? keyDisplay(0) : QString());
        break;
    default:
        break;
    }
}

void DSeniorKeysPage::showPoints()
{
    QLabel* const readouts[] = {ui->label_Stroke01, ui->label_Stroke02, ui->label_Stroke03, ui->label_Stroke04};
    for (int phase = 0; phase < DSeniorKeyRecords::kPhases; ++phase)
        readouts[phase]->setText(DSeniorKeyRecords::pointText(m_currentInfo.point[phase]));
    for (QLabel* link : {ui->label_Stroke01, ui->label_Stroke04}) {
        link->setText(linkText(link->text()));
        link->setAlignment(Qt::AlignCenter);
    }
}

void DSeniorKeysPage::onOperateTypeChanged(int index)
{
    m_operateType = index;
}

void DSeniorKeysPage::on_pushButton_NewCreate_clicked()
{
    switch (m_records.create(m_operateType)) {
    case DSeniorKeyRecords::Result::Done:
        m_listChanged = true;
        showNotice(QObject::tr("Create senior keys successful"));
        qCDebug(lcStore) << "Add successful";
        loadSeniorKeyList();
        return;
    case DSeniorKeyRecords::Result::LimitReached:
        showNotice(QObject::tr("The number of senior keys has reached the maximum"));
        return;
    default:
        qCDebug(lcStore) << "Add faliled" << m_records.lastError();
        reportSaveFailure();
        return;
    }
}

void DSeniorKeysPage::onDeleteSeniorKeyEventItem(int keyType, int bindingIndex)
{
    auto* row = qobject_cast<DSeniorKeyEventListItem*>(sender());
    if (row && m_rowMap.value(bindingIndex) != row)
        return;
    const QString configDir = DDataManager::getInstance()->userConfigDir();
    QList<DSeniorKeyBindings::Binding> bindings;
    if (!DSeniorKeyBindings::find(configDir, bindingIndex, &bindings)) {
        qCDebug(lcStore) << "Delete faliled: the keys bound to advanced key" << bindingIndex << "cannot be read";
        reportSaveFailure();
        return;
    }
    if (!bindings.isEmpty()) {
        const int answer = QMessageBox::question(
            this, QObject::tr("Tip"),
            QObject::tr("%n keys are bound to this advanced key. Deleting it gives them back their default function. "
                        "Delete it?",
                        nullptr, bindings.size()),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (answer != QMessageBox::Yes)
            return;
    }
    if (!DSeniorKeyBindings::removeRecord(m_records, configDir, keyType, bindingIndex)) {
        qCDebug(lcStore) << "Delete faliled" << m_records.lastError();
        reportSaveFailure();
        return;
    }
    m_listChanged = true;
    showNotice(QObject::tr("Delete senior keys successful"));
    qCDebug(lcStore) << "Delete successful";
    loadSeniorKeyList();
}

void DSeniorKeysPage::onTheSeniorKeyInfoStuNeedUpdate_DKS()
{
    if (!m_selectedRow || !m_dksShowWidget)
        return;
    m_currentInfo = m_dksShowWidget->seniorKeyInfo();
    storeCurrent("DKS");
}

bool DSeniorKeysPage::storeCurrent(const char* what)
{
    if (m_selectedRow)
        m_selectedRow->setData(m_currentInfo);
    if (m_records.modify(m_currentInfo) == DSeniorKeyRecords::Result::Done) {
        qCDebug(lcStore) << what << "Modify successful";
        return true;
    }
    qCDebug(lcStore) << what << "Modify faliled" << m_records.lastError();
    reportSaveFailure();
    return false;
}

void DSeniorKeysPage::reportSaveFailure()
{
    const int shown = m_selectedRow ? m_currentInfo.index : -1;
    loadSeniorKeyList();
    if (DSeniorKeyEventListItem* row = m_rowMap.value(shown))
        selectRecord(row, shown);
    showNotice(QObject::tr("The advanced-key file could not be saved"));
}

void DSeniorKeysPage::showNotice(const QString& text)
{
    m_notice->showNoticeTextAt(text, rect().center());
}

// Key entry ---------------------------------------------------------------

void DSeniorKeysPage::onSksSelKeyChanged(int index)
{
    if (index < 1 || index > DSeniorKeyRecords::kKeySlots)
        return;
    m_selectedKeySlot = index;
    m_currentKeyButton = keyButtons().at(index - 1);
}

void DSeniorKeysPage::onMtSelKeyChanged(int index)
{
    m_selectedKeySlot = index;
    m_currentKeyButton = index == 2 ? static_cast<QAbstractButton*>(ui->toolButton_ClickKey)
                                    : static_cast<QAbstractButton*>(ui->toolButton_HoldKey);
}

void DSeniorKeysPage::onKeyListClicked(int keyDec, QString keyCharacter)
{
    if (!m_selectedRow)
        return;
    if (ui->radioButton_SingleKey->isChecked()) {
        showKey(m_currentKeyButton, keyCharacter);
        enterKey(QByteArray::number(keyDec), "DKS [SingleKey] K1K2K3K4");
        return;
    }
    if (!ui->radioButton_CombinationKeys->isChecked())
        return;
    switch (m_combination.pick(keyDec, m_keyNameMap)) {
    case DSeniorKeyCombination::Step::Collecting:
        showKey(m_currentKeyButton, m_combination.shownText());
        break;
    case DSeniorKeyCombination::Step::Committed:
        showKey(m_currentKeyButton, m_combination.shownText());
        enterKey(m_combination.keyText(), "DKS [CombinationKeys] K1K2K3K4");
        break;
    default:
        break;
    }
}

void DSeniorKeysPage::enterKey(const QByteArray& keyText, const char* what)
{
    switch (m_currentInfo.type) {
    case DSeniorKeyRecords::kDks:
        setKeyText(m_currentInfo, qBound(1, m_selectedKeySlot, 4) - 1, keyText);
        if (m_dksShowWidget)
            m_dksShowWidget->setSeniorKeyInfo(m_currentInfo);
        break;
    case DSeniorKeyRecords::kMt:
        setKeyText(m_currentInfo, m_selectedKeySlot == 2 ? 1 : 0, keyText);
        break;
    case DSeniorKeyRecords::kTgl:
        m_currentInfo.tglKeySet = 1;
        setKeyText(m_currentInfo, 0, keyText);
        break;
    default:
        return;
    }
    storeCurrent(what);
}

void DSeniorKeysPage::mousePressEvent(QMouseEvent* event)
{
    QDialog::mousePressEvent(event);
    if (event->button() != Qt::RightButton || m_hoveredKeySlot == -1 || !m_selectedRow)
        return;
    const int slot = m_hoveredKeySlot;
    if (slot >= 1 && slot <= 4) {
        if (m_currentInfo.type != DSeniorKeyRecords::kDks)
            return;
        setKeyText(m_currentInfo, slot - 1, QByteArray());
        showKey(keyButtons().at(slot - 1), QString());
        if (m_dksShowWidget)
            m_dksShowWidget->setSeniorKeyInfo(m_currentInfo);
    } else if (slot == kMtHoldSlot || slot == kMtClickSlot) {
        if (m_currentInfo.type != DSeniorKeyRecords::kMt)
            return;
        setKeyText(m_currentInfo, slot == kMtHoldSlot ? 0 : 1, QByteArray());
        showKey(slot == kMtHoldSlot ? ui->toolButton_HoldKey : ui->toolButton_ClickKey, QString());
    } else if (slot == kTglSlot) {
        if (m_currentInfo.type != DSeniorKeyRecords::kTgl)
            return;
        setKeyText(m_currentInfo, 0, QByteArray());
        m_currentInfo.tglKeySet = 0;
        showKey(ui->toolButton_TglKey, QString());
    } else {
        return;
    }
    storeCurrent("DKS [SingleKey Qt::RightButton] K1K2K3K4");
}

void DSeniorKeysPage::onSliderHoldDurationValue(int HoldDurationValue)
{
    ui->label_HoldDuration->setText(QString::number(HoldDurationValue * kHoldStepMs) + QStringLiteral("ms"));
}

void DSeniorKeysPage::onSliderHoldDurationReleased()
{
    const int value = ui->horizontalSlider_HoldDuration->value();
    qCDebug(lcUi) << "-------------------------------- [Mouse Released] sliderCurVal:" << value;
    if (!m_selectedRow || m_currentInfo.type != DSeniorKeyRecords::kMt)
        return;
    m_currentInfo.holdDuration = value * kHoldStepMs;
    storeCurrent("DKS [SingleKey SliderHoldDurationReleased] stu.ValueTime");
}

// Pop-ups -----------------------------------------------------------------

bool DSeniorKeysPage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Enter || event->type() == QEvent::Leave) {
        const bool enter = event->type() == QEvent::Enter;
        const int slot = keyButtons().indexOf(qobject_cast<QAbstractButton*>(watched));
        if (slot != -1)
            m_hoveredKeySlot = enter ? slot + 1 : -1;
        if (watched == ui->toolButton_ExplainInfo || watched == ui->toolButton_ExplainInfo02) {
            if (!enter) {
                if (m_explainPopup)
                    m_explainPopup->hide();
            } else {
                showExplanation(static_cast<QWidget*>(watched), watched == ui->toolButton_ExplainInfo
                                                                    ? DSeniorKeysRecordExplainDia::kKeyEntry
                                                                    : DSeniorKeysRecordExplainDia::kKinds);
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void DSeniorKeysPage::showExplanation(QWidget* button, int kind)
{
    const ExplainPlace& place = kExplainPlaces[kind - 1];
    ArrowWidget*& popup = m_explainPopups[kind - 1];
    if (!popup) {
        auto* bubble = new DSeniorKeysRecordExplainDia(kind, this);
        bubble->setWindowOpacity(1);
        popup = new ArrowWidget(ArrowWidget::ArrowTop, nullptr);
        popup->setPopupSize(kExplainWidth, kExplainHeight);
        popup->setArrowX(place.arrowX);
        popup->setContentWidget(bubble);
    }
    if (m_explainPopup && m_explainPopup != popup)
        m_explainPopup->hide();
    m_explainPopup = popup;
    const QPoint bottomCentre = button->mapToGlobal(QPoint(button->width() / 2, button->height()));
    popup->move(bottomCentre - QPoint(place.offsetX, button->height() - kExplainBelowTop));
    popup->show();
}

void DSeniorKeysPage::onLickActivited_Stroke01(QString str)
{
    Q_UNUSED(str)
    openStrokeConfig();
}

void DSeniorKeysPage::onLickActivited_Stroke04(QString str)
{
    Q_UNUSED(str)
    openStrokeConfig();
}

void DSeniorKeysPage::openStrokeConfig()
{
    if (!m_strokeOverlay) {
        m_strokeOverlay = new QWidget(this, Qt::FramelessWindowHint);
        m_strokeOverlay->setObjectName(QStringLiteral("widget"));
        m_strokeOverlay->setAttribute(Qt::WA_StyledBackground);
    }
    m_strokeOverlay->resize(size());
    m_strokeOverlay->raise();
    m_strokeOverlay->show();

    auto* view = new DStrokeConfigView(this);
    view->setSeniorKeyInfo(m_currentInfo);
    connect(view, &DStrokeConfigView::sigTheStrokeConfigViewClose, this, &DSeniorKeysPage::onTheStrokeConfigViewClose);
    connect(view, &DStrokeConfigView::sigTheDKSStrokeStuChanged, this, &DSeniorKeysPage::onTheDKSStrokeStuChanged);
    view->move(x() + (width() - view->width()) / 2, y() + (height() - view->height()) / 2);
    view->setWindowModality(Qt::WindowModal);
    view->show();
}

void DSeniorKeysPage::onTheStrokeConfigViewClose()
{
    if (m_strokeOverlay)
        m_strokeOverlay->hide();
}

void DSeniorKeysPage::onTheDKSStrokeStuChanged()
{
    auto* view = qobject_cast<DStrokeConfigView*>(sender());
    if (!view)
        return;
    m_currentInfo = view->seniorKeyInfo();
    if (m_dksShowWidget)
        m_dksShowWidget->setSeniorKeyInfo(m_currentInfo);
    // The pop-up has stored the record; the list's copy is read back.
    m_records.load();
    if (DSeniorKeyEventListItem* row = m_rowMap.value(m_currentInfo.index))
        row->setData(m_currentInfo);
    showPoints();
}

// Closing -----------------------------------------------------------------

void DSeniorKeysPage::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    if (m_listChanged)
        DDataManager::getInstance()->notifySeniorKeysListChanged();
    emit sigSeniorKeysPageClose();
}

void DSeniorKeysPage::on_pushButton_Close_clicked()
{
    finish();
    close();
}

void DSeniorKeysPage::reject()
{
    finish();
    QDialog::reject();
}

void DSeniorKeysPage::closeEvent(QCloseEvent* event)
{
    qCDebug(lcUi) << "------------------------- *** [DSeniorKeysPage] closeEvent *** -------------------------";
    // A close asked for by the window system must take the overlay away and
    // tell the key pages too, as the close button does.
    finish();
    QDialog::closeEvent(event);
}
