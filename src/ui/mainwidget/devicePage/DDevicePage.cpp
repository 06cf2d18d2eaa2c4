#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "app/logCategories.h"
#include "ui_DDevicePage.h"

#include "app/DDataManager.h"
#include "app/DEventWait.h"
#include "app/DThemeColor.h"
#include "app/DUserSettingsKeys.h"
#include "devices/DDeviceListLoader.h"
#include "devices/DHotPlugPlanner.h"
#include "hid/DDeviceKeyboardLink.h"
#include "hid/MainHidInterFace.h"
#include "hid/download/DOnboardDownload.h"
#include "hid/reports/DMagneticReports.h"
#include "profiles/DBoundMacroRefresh.h"
#include "profiles/DProfileFileSet.h"
#include "ui/mainwidget/devicePage/DChargingDisplay.h"
#include "ui/mainwidget/devicePage/DDeviceListItem.h"
#include "ui/mainwidget/devicePage/DDevicePageTheme.h"
#include "ui/mainwidget/devicePage/DKeyPressEffects.h"
#include "ui/mainwidget/devicePage/DPerformancePage.h"
#include "ui/mainwidget/devicePage/DPictureZoom.h"
#include "ui/mainwidget/devicePage/DSleepTimeCheck.h"
#include "ui/mainwidget/devicePage/keyboardView/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/keyboardView/dragShowArea.h"
#include "ui/mainwidget/devicePage/keyboardView/hidDeviceJoinFrame.h"
#include "ui/mainwidget/devicePage/keyboardView/keySelectFrame.h"
#include "ui/mainwidget/devicePage/keyboardView/keyboardButCustom.h"
#include "ui/mainwidget/devicePage/lightDeal/lightDealMain.h"
#include "ui/mainwidget/devicePage/lightsConfig/DLightsConfigPage.h"
#include "ui/mainwidget/devicePage/triggerSetting/DTriggerSettingPage.h"
#include "ui/widgets/ArrowWidget.h"
#include "ui/widgets/CbNotice.h"
#include "ui/widgets/DShownTimer.h"
#include "ui/widgets/DThemeIcons.h"
#include "ui/widgets/DToolTipExplain.h"

#include <QButtonGroup>
#include <QDebug>
#include <QDesktopServices>
#include <QEvent>
#include <QPair>
#include <QSettings>
#include <QShortcut>
#include <QStandardPaths>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

#include <utility>

namespace {

// Top-left corner of a tool button's tip bubble, in the button's coordinates.
QPoint tipBubbleCorner(const QWidget* button)
{
    return QPoint(button->width() / 2 - 38, -74);
}

} // namespace

DDevicePage::DDevicePage(QWidget* parent)
    : QWidget(parent)
    , m_ui(new Ui::DDevicePage)
{
    m_ui->setupUi(this);
    // The list's theme colour is translucent while a background image is in
    // use; a viewport filled with the palette would show through it as a grey
    // column instead of the image.
    m_ui->scrollArea_2->viewport()->setAutoFillBackground(false);
    m_onboardDownload = new DOnboardDownload(this);
    m_ui->pushButton_Test->hide();
    m_ui->pushButton_ChangModeTest->hide();
    m_ui->label_ChangModeTest->hide();
    m_ui->label_Multiple->hide();

    m_desktopPath = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);

    m_ui->label->setText(QObject::tr("Device List"));
    m_ui->label_Tip->setText(QObject::tr("Device not connected"));
    m_ui->pushButton_Reset->setText(QObject::tr("Reset"));

    QSettings defaults(DUserSettingsKeys::kDefaultsFile, QSettings::IniFormat);
    defaults.setIniCodec("UTF_8");
    if (defaults.contains(DUserSettingsKeys::kCompanyLink))
        m_companyLink = defaults.value(DUserSettingsKeys::kCompanyLink).toString();
    setCompanyLinkText();
    m_ui->frame_Url->setVisible(defaults.value(DUserSettingsKeys::kCompanyLinkShown, false).toBool());
    connect(m_ui->label_Url, &QLabel::linkActivated, this, &DDevicePage::onLickActivited, Qt::DirectConnection);
    // The rename field works from the keyboard: Enter stores, Escape cancels.
    connect(m_ui->lineEdit_profileName, &QLineEdit::returnPressed, this, &DDevicePage::on_pushButton_Save_clicked);
    auto* cancelRename
        = new QShortcut(QKeySequence(Qt::Key_Escape), m_ui->lineEdit_profileName, nullptr, nullptr, Qt::WidgetShortcut);
    connect(cancelRename, &QShortcut::activated, this, &DDevicePage::on_pushButton_Cancel_clicked);

    m_ui->label_ElectricityNum->setLevel(60);

    m_toast = new CbNotice(this);
    m_toast->setFontPixelSize(14);

    m_ui->stackedWidget_3->setCurrentWidget(m_ui->page_TipShow);
    m_deviceListLayout = m_ui->verticalLayout_17;

    // Owned like the rest of the page; the destructor still deletes it
    // first, while the key caps it paints exist.
    m_lightDeal = new lightDealMain(this);
    // The hosted pages (keys, lighting, performance, trigger) are built with
    // the first keyboard, when one of them is first needed: with none there
    // is nothing to show on them, and building them took a quarter of the
    // program's start.

    for (QToolButton* button :
         {m_ui->toolButton_CustomKey, m_ui->toolButton_LightConfig, m_ui->toolButton_MacroDialog,
          m_ui->toolButton_Performance, m_ui->toolButton_TriggerSetting, m_ui->toolButton_SeniorKey})
        button->installEventFilter(this);

    // The macro and advanced-key buttons open dialogs, so they are no pages.
    m_mainButtonGroup = new QButtonGroup(this);
    m_mainButtonGroup->addButton(m_ui->toolButton_CustomKey, KeysPage);
    m_mainButtonGroup->addButton(m_ui->toolButton_LightConfig, LightsPage);
    m_mainButtonGroup->addButton(m_ui->toolButton_Performance, PerformancePage);
    m_mainButtonGroup->addButton(m_ui->toolButton_TriggerSetting, TriggerPage);
    m_ui->toolButton_CustomKey->setChecked(true);
    connect(m_mainButtonGroup, &QButtonGroup::idClicked, this, &DDevicePage::onCurIndexChangedMainPage);

    m_ui->label_Charging->hide();
    m_batteryStep = 0;
    m_batteryTimer = new DShownTimer(m_ui->label_ElectricityNum, DChargingDisplay::kAnimationIntervalMs);
    connect(m_batteryTimer, &QTimer::timeout, this, &DDevicePage::onTimerChangingBatteryNum);

    connect(this, &DDevicePage::sigMacroListHaveChangedSendToDevice, this,
            &DDevicePage::onMacroListHaveChangedSendToDevice);
    DDataManager* data = DDataManager::getInstance();
    connect(data, &DDataManager::sigQueryDynamicDisplaySensitivityNum, this,
            &DDevicePage::onQueryDynamicDisplaySensitivityNum);
    connect(data, &DDataManager::sigTheMagneticKeyboardCalibrationPoint, this,
            &DDevicePage::onTheMagneticKeyboardCalibrationPoint);
    connect(data, &DDataManager::sigTheMagneticKeyboardCalibrationStatusBack, this,
            &DDevicePage::onTheMagneticKeyboardCalibrationStatusBack);
    connect(data, &DDataManager::sigMagneticKeyboardAllKeysCalibrationStatusBack, this,
            &DDevicePage::onMagneticKeyboardAllKeysCalibrationStatusBack);
    // A deleted advanced key took its bindings with it.
    connect(data, &DDataManager::sigSeniorKeysListItemHaveChanged, this, [this] {
        if (m_profilePath[0])
            refreshKeyMarks();
    });

    QTimer::singleShot(kLoadListDelayMs, this, &DDevicePage::onLoadDeviceList);
}

DDevicePage::~DDevicePage()
{
    // A capture pop-up closing as the pages go must not reach back here.
    if (m_customKeysPage)
        disconnect(m_customKeysPage, nullptr, this, nullptr);
    // The program keeps these for its whole life; a page that goes away
    // (tests) must not leave threads talking to keyboards behind.
    qDeleteAll(m_deviceLinkMap);
    qDeleteAll(m_removedLinks);
    delete m_toolTipBubble;
    delete m_lightDeal;
    delete m_ui;
}

DCustomKeysPage* DDevicePage::customKeysPage()
{
    buildHostedPages();
    return m_customKeysPage;
}

DLightsConfigPage* DDevicePage::lightsConfigPage()
{
    buildHostedPages();
    return m_lightsConfigPage;
}

DPerformancePage* DDevicePage::performancePage()
{
    buildHostedPages();
    return m_performancePage;
}

DTriggerSettingPage* DDevicePage::triggerSettingPage()
{
    buildHostedPages();
    return m_triggerSettingPage;
}

void DDevicePage::buildHostedPages()
{
    if (m_customKeysPage)
        return;
    createHostedPages();
    themeHostedPages();
    // The window tinted the icons of the widgets it had; these come after.
    const themeColorData theme = DDataManager::getInstance()->themeColors();
    for (QWidget* page : std::initializer_list<QWidget*>{m_customKeysPage, m_lightsConfigPage, m_performancePage,
                                                         m_triggerSettingPage})
        DThemeIcons::applyTo(page, DThemeColor::fromText(theme.textDefaultColor),
                             DThemeColor::fromText(theme.textCheckedColor));
}

void DDevicePage::themeHostedPages()
{
    m_performancePage->setTheme();
    m_lightsConfigPage->setTheme();
    m_customKeysPage->setTheme();
    m_triggerSettingPage->setTheme();
}

void DDevicePage::createHostedPages()
{
    m_customKeysPage = new DCustomKeysPage(m_ui->page_CustomKeys);
    m_ui->page_CustomKeys->layout()->addWidget(m_customKeysPage);
    connect(m_customKeysPage, &DCustomKeysPage::sigDefaultLayerAndFnLayerSwitch, this,
            &DDevicePage::onDefaultLayerAndFnLayerSwitch);
    connect(m_customKeysPage, &DCustomKeysPage::sigSomeMessageTip_CustomKeysPage, this,
            &DDevicePage::onEveryPageBackTip);
    connect(m_customKeysPage, &DCustomKeysPage::sigStoreNotes_CustomKeysPage, this, &DDevicePage::showStoreMessage);
    connect(m_customKeysPage, &DCustomKeysPage::sigTheKeyboardIntoDownloading, this,
            &DDevicePage::onTheKeyboardIntoDownloading);
    connect(m_customKeysPage, &DCustomKeysPage::sigAutoIntoCustomKeysPage, this,
            &DDevicePage::onAutoIntoCustomKeysPage);
    connect(m_customKeysPage, &DCustomKeysPage::sigInteractLightsPointXY, this, &DDevicePage::onInteractLightsPointXY);
    connect(m_customKeysPage, &DCustomKeysPage::sigKeyCaptureClosed, this, &DDevicePage::restoreKeyPressHook);

    m_lightsConfigPage = new DLightsConfigPage(m_ui->page_LightsConfig);
    m_ui->page_LightsConfig->layout()->addWidget(m_lightsConfigPage);
    connect(m_lightsConfigPage, &DLightsConfigPage::sigSomeMessageTip_LightsConfigPage, this,
            &DDevicePage::onEveryPageBackTip);
    connect(m_lightsConfigPage, &DLightsConfigPage::sigStoreNotes_LightsConfigPage, this,
            &DDevicePage::showStoreMessage);
    connect(m_lightsConfigPage, &DLightsConfigPage::sigSelectCurrentLightTypeIndex_KB, this,
            &DDevicePage::onSelectCurrentLightTypeIndex_KB);
    connect(m_lightsConfigPage, &DLightsConfigPage::sigSelectCurrentLightTypeIndex_Side, this,
            &DDevicePage::onSelectCurrentLightTypeIndex_Side);
    connect(m_lightsConfigPage, &DLightsConfigPage::sigLightConfigHaveChanged, this,
            &DDevicePage::onLightConfigHaveChanged);
    connect(m_lightsConfigPage, &DLightsConfigPage::sigCustomLightItemHaveChanged, this,
            &DDevicePage::onCustomLightItemHaveChanged);
    connect(m_lightsConfigPage, &DLightsConfigPage::sigLightConfigHaveChanged_Custom, this,
            &DDevicePage::onLightConfigHaveChanged_Custom);

    m_performancePage = new DPerformancePage(m_ui->page_Performance);
    m_ui->page_Performance->layout()->addWidget(m_performancePage);
    connect(m_performancePage, &DPerformancePage::sigResetoreCurrentProfile, this,
            &DDevicePage::onResetoreCurrentProfile);
    connect(m_performancePage, &DPerformancePage::sigLightAndKeyboardSleepTime, this,
            &DDevicePage::onLightAndKeyboardSleepTime);
    connect(m_performancePage, &DPerformancePage::sigLockWinKeyAbout, this, &DDevicePage::onLockWinKeyAbout);

    m_triggerSettingPage = new DTriggerSettingPage(m_ui->page_TriggerSetting);
    m_ui->page_TriggerSetting->layout()->addWidget(m_triggerSettingPage);
    connect(m_triggerSettingPage, &DTriggerSettingPage::sigMagnetsKeysApplyConfig, this,
            &DDevicePage::onMagnetsKeysApplyConfig);
    connect(m_triggerSettingPage, &DTriggerSettingPage::sigMagnetsKeyboardDefaultSensitivity, this,
            &DDevicePage::onMagnetsKeyboardDefaultSensitivity);
    connect(m_triggerSettingPage, &DTriggerSettingPage::sigKeyAntiShakeCurrentNum, this,
            &DDevicePage::onKeyAntiShakeCurrentNum);
    connect(m_triggerSettingPage, &DTriggerSettingPage::sigKeyRateOfReturnCurrentNum, this,
            &DDevicePage::onKeyRateOfReturnCurrentNum);
    connect(m_triggerSettingPage, &DTriggerSettingPage::sigCalibrationMode, this, &DDevicePage::onCalibrationMode);
    connect(m_triggerSettingPage, &DTriggerSettingPage::sigKeyCalibrationStartRuning, this,
            &DDevicePage::onKeyCalibrationStartRuning);
    connect(m_triggerSettingPage, &DTriggerSettingPage::sigAllKeysCalibrationMode, this,
            &DDevicePage::onAllKeysCalibrationMode);
}

void DDevicePage::setCompanyLinkText()
{
    // A link takes the palette's link colour, not the sheet's text colour:
    // the accent is written into the text itself.
    const QColor accent = DDataManager::getInstance()->themeRoles().color(DThemeRoles::AccentText);
    m_ui->label_Url->setAlignment(Qt::AlignCenter);
    m_ui->label_Url->setText(QStringLiteral("<a href=\"Company|%1|\"><span style=\"font-size:10pt; "
                                            "text-decoration:underline; color:%2;\">%1</span></a>")
                                 .arg(m_companyLink.toHtmlEscaped(), accent.name()));
}

void DDevicePage::retranslate()
{
    m_ui->retranslateUi(this);
    setCompanyLinkText();
    m_ui->label->setText(QObject::tr("Device List"));
    m_ui->label_Tip->setText(QObject::tr("Device not connected"));
    m_ui->pushButton_Reset->setText(QObject::tr("Reset"));
    m_ui->widget_MoveTip->setText(QObject::tr("All keys calibration in progress ..."));
    // Hosted pages not built yet take the language they are built in.
    if (!m_customKeysPage)
        return;
    m_customKeysPage->retranslate();
    m_lightsConfigPage->retranslate();
    m_performancePage->retranslate();
    m_triggerSettingPage->retranslate();
}

void DDevicePage::setTheme()
{
    DDataManager* data = DDataManager::getInstance();
    const DThemeRoles& roles = data->themeRoles();

    setCompanyLinkText();
    m_ui->label_ElectricityNum->setAccentColor(roles.color(DThemeRoles::AccentText));

    m_toast->setBackgroundColor(roles.color(DThemeRoles::Toast));
    m_toast->setTextColor(roles.color(DThemeRoles::ToastText));
    QFont toastFont(data->themeColors().textFont);
    toastFont.setPixelSize(14);
    m_toast->setNoticeFont(toastFont);

    const QColor accent = roles.color(DThemeRoles::AccentText);
    if (m_dragShowArea)
        m_dragShowArea->setRectColor(accent.red(), accent.green(), accent.blue());

    m_ui->widget_MoveTip->setTextFont(QStringLiteral("Microsoft Yahei"), 14);
    m_ui->widget_MoveTip->setBackground(roles.color(DThemeRoles::Transparent));
    m_ui->widget_MoveTip->setForeground(accent);
    m_ui->widget_MoveTip->setText(QObject::tr("All keys calibration in progress ..."));
    m_ui->widget_MoveTip->hide();

    for (const DDevicePageTheme::FontRow& row : DDevicePageTheme::fonts()) {
        if (QWidget* target = themeTarget(row.objectName)) {
            QFont font = data->getFont(row.font);
            font.setPointSize(row.pointSize);
            target->setFont(font);
        }
    }
    for (DDeviceListItem* row : qAsConst(m_deviceRowMap))
        row->setTheme();

    // Hosted pages not built yet take the theme when they are.
    if (m_customKeysPage)
        themeHostedPages();

    // Only the state colours follow the theme: whether a cap shows its
    // light is the shown page's business.
    for (keyboardButCustom* key : data->keyButtonList())
        key->setStateColors(roles.color(DThemeRoles::KeyPressed), roles.color(DThemeRoles::KeySelected));
}

QWidget* DDevicePage::themeTarget(const QString& objectName) const
{
    // Looked up among the form's own widgets: the list rows carry object
    // names of their own form ("label") that a search of the whole tree
    // could hit first.
    QWidget* const targets[] = {m_ui->label, m_ui->label_Tip, m_ui->label_Mode, m_ui->pushButton_Reset};
    for (QWidget* target : targets) {
        if (target->objectName() == objectName)
            return target;
    }
    return nullptr;
}

void DDevicePage::setDeviceListVisible(bool visible)
{
    m_ui->frame_left->setVisible(visible);
}

QPoint DDevicePage::tipShowPoint() const
{
    return QPoint(rect().center().x(), 40);
}

void DDevicePage::showTip(const QString& text)
{
    m_toast->showNoticeTextAt(text, tipShowPoint());
}

int DDevicePage::toolButtonIndex(QObject* watched) const
{
    const QObject* buttons[]
        = {m_ui->toolButton_CustomKey,   m_ui->toolButton_LightConfig,    m_ui->toolButton_MacroDialog,
           m_ui->toolButton_Performance, m_ui->toolButton_TriggerSetting, m_ui->toolButton_SeniorKey};
    for (int i = 0; i < int(std::size(buttons)); ++i) {
        if (buttons[i] == watched)
            return i;
    }
    return -1;
}

bool DDevicePage::eventFilter(QObject* watched, QEvent* event)
{
    const int index = toolButtonIndex(watched);
    if (index >= 0) {
        if (event->type() == QEvent::Enter)
            showToolButtonTip(unsigned(index));
        else if (event->type() == QEvent::Leave && m_toolTipBubble)
            m_toolTipBubble->hide();
    }
    return QWidget::eventFilter(watched, event);
}

void DDevicePage::showToolButtonTip(unsigned index)
{
    auto* tip = new DToolTipExplain(nullptr);
    delete m_toolTipBubble;
    m_toolTipBubble = new ArrowWidget(ArrowWidget::ArrowBottom, nullptr);
    m_toolTipBubble->setPopupSize(250, 70);
    m_toolTipBubble->setArrowX(30);
    m_toolTipBubble->setContentWidget(tip);

    const QToolButton* buttons[]
        = {m_ui->toolButton_CustomKey,   m_ui->toolButton_LightConfig,    m_ui->toolButton_MacroDialog,
           m_ui->toolButton_Performance, m_ui->toolButton_TriggerSetting, m_ui->toolButton_SeniorKey};
    const char* const captions[]
        = {QT_TRANSLATE_NOOP("QObject", "Key Custom"),      QT_TRANSLATE_NOOP("QObject", "Light Setting"),
           QT_TRANSLATE_NOOP("QObject", "Macro"),           QT_TRANSLATE_NOOP("QObject", "Performance"),
           QT_TRANSLATE_NOOP("QObject", "Trigger Setting"), QT_TRANSLATE_NOOP("QObject", "Senior Keys")};
    QString caption;
    if (index < std::size(buttons)) {
        const QToolButton* button = buttons[index];
        m_toolTipBubble->move(button->mapToGlobal(tipBubbleCorner(button)));
        caption = QObject::tr(captions[index]);
    }
    tip->setExplainText(caption);
    m_toolTipBubble->widenForContent(250);
    m_toolTipBubble->show();
}

void DDevicePage::resetDeviceListLayout()
{
    // The last item is the stretch that keeps the rows at the top.
    while (m_deviceListLayout->count() > 1)
        delete m_deviceListLayout->takeAt(0);
    m_deviceListLayout->setContentsMargins(12, 0, 0, 0);
    m_deviceListLayout->setSpacing(10);
}

DDeviceListItem* DDevicePage::addDeviceRow()
{
    auto* row = new DDeviceListItem(m_ui->scrollAreaWidgetContents_2);
    connect(row, &DDeviceListItem::sigHidItemMouseClicked, this, &DDevicePage::onHidItemMouseClicked);
    m_deviceListLayout->insertWidget(m_deviceListLayout->count() - 1, row);
    return row;
}

bool DDevicePage::hasSelectedKeyboard() const
{
    return m_selectedRow && m_currentLink;
}

void DDevicePage::showNoDevicePage()
{
    m_ui->stackedWidget_3->setCurrentWidget(m_ui->page_TipShow);
    emit sigReturnHidLikeName(QStringLiteral("HID"), QStringLiteral("RGB"));
}

void DDevicePage::dropSelection()
{
    resetCalibration();
    if (m_keyboardPicture)
        m_keyboardPicture->setColorShowMode(false);
    stopLightThreadsIfRunning();
    m_selectedRow = nullptr;
    m_currentLink = nullptr;
    m_currentHidInterface = nullptr;
    publishMagneticSettings();
}

void DDevicePage::releaseSelectedKeyboard()
{
    // Row, link and I/O thread go together: nothing may keep sending to the
    // keyboard that left.
    dropSelection();
    customKeysPage()->setKeyboardHookEnabled(false);
    m_lightDeal->setHidInterface(nullptr);
    lightsConfigPage()->setHidInterface(nullptr);
}

void DDevicePage::onLoadDeviceList()
{
    // The link waits below let notices in; they must not change the maps
    // this walks, so they wait for a refresh after it.
    m_refreshingDevices = true;
    m_refreshPending = false;
    m_ui->stackedWidget_3->setCurrentWidget(m_ui->page_TipShow);

    const DDeviceListLoader::Result list = DDeviceListLoader::load();
    m_deviceInfoMap = list.present;
    for (const QString& path : list.receiverPaths)
        m_receiverStateMap.insert(path, 1);

    // A reload replaces every row; the old ones go with the event loop, as
    // one of them may be the sender of the call that got us here.
    for (DDeviceListItem* row : qAsConst(m_deviceRowMap))
        row->deleteLater();
    if (m_deviceRowMap.values().contains(m_selectedRow))
        m_selectedRow = nullptr;
    resetDeviceListLayout();
    m_deviceRowMap.clear();

    for (const hidStructInfoAll& record : list.shown) {
        DDeviceListItem* row = addDeviceRow();
        row->setDeviceInfo(record);
        const QString path = QString::fromLatin1(record.hidPath);
        m_deviceRowMap.insert(path.isEmpty() ? QString::fromLatin1(record.modelName) : path, row);
    }

    bool selected = false;
    if (list.found) {
        for (const hidStructInfoAll& record : qAsConst(m_deviceInfoMap)) {
            // A keyboard keeps its one link, also across a reload.
            if (!m_deviceLinkMap.contains(QString::fromLatin1(record.hidPath)))
                openDeviceLink(record);
        }
        const hidStructInfoAll& first = list.shown.first();
        const QString firstPath = QString::fromLatin1(first.hidPath);
        if (first.is24G == 0 && m_deviceInfoMap.contains(firstPath)) {
            m_ui->stackedWidget_3->setCurrentWidget(m_ui->page_HaveDevice);
            onHidItemMouseClicked(m_deviceInfoMap.value(firstPath));
            selected = m_selectedRow != nullptr;
        }
    }
    if (!selected)
        showNoDevicePage();
    m_refreshingDevices = false;
    if (m_refreshPending)
        QTimer::singleShot(0, this, [this] { onHidDeviceChanged(11, QString()); });
    emit sigHaveCheckUpgradeFirmwareNUC();
}

void DDevicePage::openDeviceLink(hidStructInfoAll info)
{
    auto* link = new DDeviceKeyboardLink(nullptr);
    connect(link, &DDeviceKeyboardLink::sigCustomEventChangProfile, this, &DDevicePage::onCustomEventChangProfile);
    connect(link, &DDeviceKeyboardLink::sigRuningOnboard0x19Cmd, this, &DDevicePage::onRuningOnboard0x19Cmd);
    connect(link, &DDeviceKeyboardLink::sigRuningOnboard0x18Cmd, this, &DDevicePage::onRuningOnboard0x18Cmd);
    connect(link, &DDeviceKeyboardLink::sigQN9080Recv0x0bCmd, this, &DDevicePage::onQN9080Recv0x0bCmd);
    connect(link, &DDeviceKeyboardLink::sigRuningOnboardDownloadStatus, this,
            &DDevicePage::onRuningOnboardDownloadStatus);
    connect(link, &DDeviceKeyboardLink::sigSendChargingStatusAndElectricity, this,
            &DDevicePage::onSendChargingStatusAndElectricity);
    connect(link, &DDeviceKeyboardLink::sigDongleStatus, this, &DDevicePage::onDongleStatus);
    connect(link, &DDeviceKeyboardLink::sigWaitForDataReturn_0x0d, this, &DDevicePage::onWaitForDataReturn_0x0d);
    connect(link, &DDeviceKeyboardLink::sigSleepTimeSetSuccessful, this, &DDevicePage::onSleepTimeSetSuccessful);
    connect(link, &DDeviceKeyboardLink::sigLightConfigHaveChanged_HidSend, this,
            &DDevicePage::onLightConfigHaveChanged_HidSend);
    connect(link, &DDeviceKeyboardLink::sigCustomLight_ConfigHaveChanged_HidSend0x09, this,
            &DDevicePage::onCustomLight_ConfigHaveChanged_HidSend0x09);
    connect(link, &DDeviceKeyboardLink::sigTheKeyboardModeChanged, this, &DDevicePage::onTheKeyboardModeChanged);
    connect(link, &DDeviceKeyboardLink::sigMagneticSettingsChanged, this, &DDevicePage::onMagneticSettingsChanged);

    m_deviceLinkMap.insert(QString::fromLatin1(info.hidPath), link);
    ++m_linkCounter;
    link->openDevice(m_linkCounter, info);

    DEventWait::until(kLinkReadyWaitMs, [link] { return link->isReady(); });
    link->setDongleStatusEnabled(true);
}

void DDevicePage::endRemovedLinks()
{
    // A wait running below may have been entered from one of the link's own
    // handlers, or hold its I/O thread (a download, an acknowledgement):
    // the links end once no wait is on the stack.
    if (DEventWait::isWaiting()) {
        if (!m_removedLinks.isEmpty())
            QTimer::singleShot(kRemovedLinkRetryMs, this, &DDevicePage::endRemovedLinks);
        return;
    }
    const QList<DDeviceKeyboardLink*> ending = std::exchange(m_removedLinks, {});
    qDeleteAll(ending);
}

void DDevicePage::onHidDeviceChanged(int changeType, QString /*hidPath*/)
{
    // A notice that comes while a refresh waits for a link is not lost: the
    // running refresh enumerates again before it ends.
    if (m_refreshingDevices) {
        m_refreshPending = true;
        return;
    }
    m_refreshingDevices = true;

    const bool plugChange = changeType == 11 || changeType == 12;
    bool changed = false;
    bool removed = false;
    int rounds = 0;
    int maxRounds = -1;
    while (plugChange) {
        m_refreshPending = false;
        const QMap<QString, hidStructInfoAll> present = DDeviceListLoader::load().present;
        if (maxRounds < 0)
            maxRounds = DHotPlugPlanner::maxRounds(m_deviceInfoMap.size(), present.size());
        const DHotPlugPlanner::Step step = DHotPlugPlanner::nextStep(m_deviceInfoMap.keys(), present.keys());
        if (step.change == DHotPlugPlanner::Change::None)
            break;
        if (++rounds > maxRounds) {
            qCWarning(lcLink) << "Device list still changing after" << maxRounds << "rounds; the next notice goes on";
            break;
        }
        if (step.change == DHotPlugPlanner::Change::Arrival) {
            addArrivedDevice(present.value(step.path), present.size());
        } else {
            removeGoneDevice(step.path);
            removed = true;
        }
        changed = true;
    }
    if (changed || !plugChange)
        reorderDeviceRows(removed);
    m_refreshingDevices = false;
    if (changed)
        emit sigDeviceListChanged();
}

void DDevicePage::addArrivedDevice(hidStructInfoAll info, int presentCount)
{
    qCDebug(lcLink) << "--------------- 插入设备 ---------------";
    const QString path = QString::fromLatin1(info.hidPath);
    // Behind a receiver a keyboard counts as offline until the receiver
    // reports it connected.
    if (info.is24G == 1)
        info.isOnline = 0;
    m_deviceInfoMap.insert(path, info);
    m_ui->stackedWidget_3->setCurrentWidget(m_ui->page_HaveDevice);

    const QString modelCode = QString::fromLatin1(info.modelName);
    DDeviceListItem* row = m_deviceRowMap.take(modelCode);
    if (!row)
        row = addDeviceRow();
    row->setDeviceInfo(info);
    m_deviceRowMap.insert(path, row);

    openDeviceLink(info);

    const bool returning = info.is24G == 0 && isReturningKeyboard(info);
    if (returning)
        m_returningModel.clear();
    if (m_deviceInfoMap.contains(path)
        && (returning || DHotPlugPlanner::selectsArrival(presentCount, info.is24G == 1, hasSelectedKeyboard())))
        onHidItemMouseClicked(info);
    if (!hasSelectedKeyboard())
        showNoDevicePage();
    qCDebug(lcLink) << "-------------------- *** [Insert end] *** --------------------";
}

void DDevicePage::removeGoneDevice(const QString& path)
{
    qCDebug(lcLink) << "--------------- 拔出设备 ---------------";
    hidStructInfoAll info = m_deviceInfoMap.value(path);
    const QString modelCode = QString::fromLatin1(info.modelName);
    qstrncpy(info.hidPath, info.modelName, sizeof info.hidPath);
    info.isOnline = 0;

    DDeviceListItem* row = m_deviceRowMap.take(path);
    if (row) {
        row->setDeviceInfo(info);
        // The model's older offline row gives way; nothing refers to it.
        DDeviceListItem* replaced = m_deviceRowMap.value(modelCode);
        if (replaced && replaced != row && replaced != m_selectedRow) {
            replaced->hide();
            replaced->deleteLater();
        }
        m_deviceRowMap.insert(modelCode, row);
    }
    m_deviceInfoMap.remove(path);
    m_receiverStateMap.remove(path);

    DDeviceKeyboardLink* link = m_deviceLinkMap.take(path);
    if (link) {
        m_removedLinks.append(link);
        QTimer::singleShot(0, this, &DDevicePage::endRemovedLinks);
    }
    MainHidInterFace* goneInterface = link ? link->hidInterface() : nullptr;
    const bool wasSelected = row && row == m_selectedRow;
    if (wasSelected && goneInterface && goneInterface->isLeavingNormalMode()) {
        m_returningModel = modelCode;
        m_returningIs24G = info.is24G;
    }
    if (wasSelected) {
        MainHidInterFace* selectedInterface = m_currentHidInterface;
        releaseSelectedKeyboard();
        if (selectedInterface && selectedInterface != goneInterface) {
            selectedInterface->closeDevice();
            selectedInterface->quit();
        }
    }
    if (goneInterface) {
        goneInterface->closeDevice();
        goneInterface->quit();
    }
    if (wasSelected) {
        QList<DHotPlugPlanner::Candidate> candidates;
        for (const hidStructInfoAll& other : qAsConst(m_deviceInfoMap))
            candidates.append({QString::fromLatin1(other.hidPath), other.is24G == 1});
        const QString next = DHotPlugPlanner::replacementAfterRemoval(candidates, m_receiverStateMap);
        if (!next.isEmpty()) {
            hidStructInfoAll chosen = m_deviceInfoMap.value(next);
            // A receiver keyboard is only chosen when its receiver said it
            // is connected.
            chosen.isOnline = 1;
            onHidItemMouseClicked(chosen);
        }
        if (!hasSelectedKeyboard())
            showNoDevicePage();
    }
    qCDebug(lcLink) << "-------------------- *** [OutPut end] *** --------------------";
}

void DDevicePage::reorderDeviceRows(bool afterRemoval)
{
    QList<DHotPlugPlanner::Row> rows;
    for (auto it = m_deviceRowMap.cbegin(); it != m_deviceRowMap.cend(); ++it) {
        const hidStructInfoAll info = it.value()->deviceInfo();
        rows.append({it.key(), it.value()->onlineState() == 1, info.is24G == 1, QString::fromLatin1(info.modelName)});
    }
    const QString selectedKey = m_selectedRow ? m_deviceRowMap.key(m_selectedRow) : QString();
    const QStringList order = DHotPlugPlanner::rowOrder(rows, selectedKey);

    resetDeviceListLayout();
    for (const QString& key : order) {
        DDeviceListItem* row = m_deviceRowMap.value(key);
        m_deviceListLayout->insertWidget(m_deviceListLayout->count() - 1, row);
        // A row left out before (another keyboard of the selected model)
        // takes its own look again.
        row->setOnline(row->onlineState());
    }
    for (auto it = m_deviceRowMap.cbegin(); it != m_deviceRowMap.cend(); ++it) {
        if (!order.contains(it.key()))
            it.value()->hide();
    }
    qCDebug(lcLink) << "-------------------- *** [Update hid list] End *** -------------------";
    if (afterRemoval)
        emit sigIntoOrRemoveHidOver();
}

void DDevicePage::onHidItemMouseClicked(hidStructInfoAll hidStuInfo)
{
    if (hidStuInfo.isOnline != 1) {
        showTip(QObject::tr("The device is offline"));
        return;
    }
    if (m_selectingDevice)
        return;
    m_selectingDevice = true;

    auto* row = qobject_cast<DDeviceListItem*>(sender());
    // The user's own choice wins over the wait for an upgraded keyboard.
    if (row)
        m_returningModel.clear();
    if (row && row == m_selectedRow) {
        showTip(QObject::tr("The device has been turned on"));
        m_selectingDevice = false;
        return;
    }
    if (!row)
        row = m_deviceRowMap.value(QString::fromLatin1(hidStuInfo.hidPath));

    dropSelection();

    emit sigReturnHidLikeName(QString::fromLocal8Bit(hidStuInfo.productName),
                              QString::fromLocal8Bit(hidStuInfo.likeName));
    for (DDeviceListItem* other : qAsConst(m_deviceRowMap))
        other->setSelected(other == row);
    m_selectedRow = row;
    loadSelectedDevice(hidStuInfo);
}

void DDevicePage::setCurrentProfile(int index, const char* path)
{
    m_profileIndex = index;
    // Callers may hand back the page's own path; copying it onto itself would overlap.
    if (path != m_profilePath)
        qstrncpy(m_profilePath, path ? path : "", sizeof m_profilePath);
    // The key-function pages take the profile from the data manager when
    // they are shown, so they store into the layer shown.
    DDataManager::getInstance()->setCurrentProfileIndex(m_profileIndex);
    DDataManager::getInstance()->setCurrentProfilePath(m_profilePath);
    customKeysPage()->setProfileIndex(m_profileIndex);
    customKeysPage()->setProfilePath(m_profilePath);
    lightsConfigPage()->setProfileIndex(m_profileIndex);
    lightsConfigPage()->setProfilePath(m_profilePath);
    performancePage()->setProfileIndex(m_profileIndex);
    performancePage()->setProfilePath(m_profilePath);
    if (m_currentLink) {
        m_currentLink->setProfileIndex(m_profileIndex);
        m_currentLink->setProfilePath(m_profilePath);
    }
}

bool DDevicePage::senderIsCurrentLink() const
{
    return m_currentLink && sender() == m_currentLink;
}

void DDevicePage::onMagneticSettingsChanged()
{
    if (senderIsCurrentLink())
        publishMagneticSettings();
}

void DDevicePage::publishMagneticSettings()
{
    const DDeviceKeyboardLink::MagneticSettings settings
        = m_currentLink ? m_currentLink->magneticSettings() : DDeviceKeyboardLink::MagneticSettings{};
    DDataManager* data = DDataManager::getInstance();
    data->setKeyTravelMaxLevel(settings.travelLevels);
    data->setKeyAntiShake(settings.antiShake);
    data->setRateOfReturn(settings.rateOfReturn);
}

void DDevicePage::onEveryPageBackTip(QString strTip)
{
    showTip(strTip);
}

void DDevicePage::onRuningOnboard0x19Cmd()
{
    if (!senderIsCurrentLink())
        return;
    m_onboardDownload->onRuningOnboard0x19Cmd();
}

void DDevicePage::onRuningOnboardDownloadStatus(int statusNum)
{
    if (!senderIsCurrentLink())
        return;
    m_onboardDownload->onRuningOnboardDownloadStatus(statusNum);
}

void DDevicePage::onSleepTimeSetSuccessful()
{
    if (senderIsCurrentLink())
        m_sleepTimeAcked = true;
}

void DDevicePage::onDongleStatus(int is24GValid, QString strCurrentHidPath, QString strCurrentHidName)
{
    Q_UNUSED(strCurrentHidName)
    m_receiverStateMap.insert(strCurrentHidPath, is24GValid);
    DDeviceListItem* row = m_deviceRowMap.value(strCurrentHidPath);
    bool onlineChanged = false;
    if (row) {
        hidStructInfoAll record = m_deviceInfoMap.value(strCurrentHidPath, row->deviceInfo());
        onlineChanged = row->deviceInfo().isOnline != (is24GValid == 1 ? 0 : 1);
        if (is24GValid == 1) {
            record.isOnline = 0;
            row->setDeviceInfo(record);
            if (row == m_selectedRow)
                selectAnotherKeyboard();
        } else {
            record.isOnline = 1;
            row->setDeviceInfo(record);
            const bool returning = isReturningKeyboard(record);
            if (returning)
                m_returningModel.clear();
            if ((returning || !hasSelectedKeyboard()) && is24GValid == 0) {
                onHidItemMouseClicked(record);
                if (m_currentLink)
                    m_currentLink->inquireLightConfig();
                m_ui->stackedWidget_3->setCurrentWidget(m_ui->page_HaveDevice);
            }
        }
    }
    onUpdateDeviceListShow();
    if (onlineChanged)
        emit sigDeviceListChanged();
}

bool DDevicePage::isReturningKeyboard(const hidStructInfoAll& info) const
{
    return !m_returningModel.isEmpty() && QString::fromLatin1(info.modelName) == m_returningModel
           && info.is24G == m_returningIs24G;
}

void DDevicePage::selectAnotherKeyboard()
{
    releaseSelectedKeyboard();
    for (auto it = m_deviceInfoMap.cbegin(); it != m_deviceInfoMap.cend(); ++it) {
        if (it.value().is24G == 0 || m_receiverStateMap.value(it.key(), 1) == 0) {
            hidStructInfoAll record = it.value();
            record.isOnline = 1;
            onHidItemMouseClicked(record);
            if (m_selectedRow)
                return;
        }
    }
    for (DDeviceListItem* row : qAsConst(m_deviceRowMap))
        row->setSelected(false);
    showNoDevicePage();
}

void DDevicePage::onUpdateDeviceListShow()
{
    const QString selectedPath = m_selectedRow ? QString::fromLatin1(m_selectedRow->deviceInfo().hidPath) : QString();
    QList<QPair<QString, DDeviceListItem*>> cableOnline;
    QList<QPair<QString, DDeviceListItem*>> receiver;
    QList<QPair<QString, DDeviceListItem*>> cableOffline;
    for (auto it = m_deviceRowMap.cbegin(); it != m_deviceRowMap.cend(); ++it) {
        const hidStructInfoAll record = it.value()->deviceInfo();
        const QString path = QString::fromLatin1(record.hidPath);
        if (!selectedPath.isEmpty() && path.compare(selectedPath, Qt::CaseInsensitive) == 0)
            cableOnline.prepend({it.key(), it.value()});
        else if (record.is24G)
            receiver.append({it.key(), it.value()});
        else if (record.isOnline == 1)
            cableOnline.append({it.key(), it.value()});
        else
            cableOffline.append({it.key(), it.value()});
    }

    // The rows themselves are put back in their new order; nothing is
    // rebuilt, so no row is left behind.
    resetDeviceListLayout();
    m_deviceInfoMap.clear();
    for (const auto& entry : cableOnline + receiver + cableOffline) {
        m_deviceListLayout->insertWidget(m_deviceListLayout->count() - 1, entry.second);
        const hidStructInfoAll record = entry.second->deviceInfo();
        if (record.isOnline == 1 || record.is24G)
            m_deviceInfoMap.insert(QString::fromLatin1(record.hidPath), record);
    }
    for (DDeviceListItem* row : qAsConst(m_deviceRowMap))
        row->setSelected(row == m_selectedRow);
    qCDebug(lcLink) << "-------------------- *** [ 2.4G loading hid list over ] *** -------------------";
}

void DDevicePage::onSendChargingStatusAndElectricity(int chargingStatus, int electricity, int keyboardMode,
                                                     int is24GValid, QString strCurrentSN)
{
    const QString selectedSN = m_currentLink ? m_currentLink->currentSN() : QString();
    if (!DChargingDisplay::concernsSelected(keyboardMode, is24GValid, strCurrentSN, selectedSN))
        return;
    const DChargingDisplay::View view = DChargingDisplay::viewOf(chargingStatus, electricity);
    m_ui->label_Charging->setVisible(view.chargingMarkShown);
    m_ui->label_ElectricityNum->setShowText(view.levelTextShown);
    if (view.animating) {
        // Repeated charging reports must not send the animation back to empty.
        if (!m_batteryTimer->isWanted()) {
            m_batteryStep = 0;
            m_batteryTimer->setWanted(true);
        }
    } else {
        m_batteryTimer->setWanted(false);
        m_ui->label_ElectricityNum->setLevel(view.level);
    }
    m_ui->label_Mode->setText(DChargingDisplay::modeText(keyboardMode));
}

void DDevicePage::onTimerChangingBatteryNum()
{
    m_ui->label_ElectricityNum->setLevel(m_batteryStep);
    m_batteryStep = DChargingDisplay::nextAnimationStep(m_batteryStep);
}

void DDevicePage::onTheKeyboardModeChanged(int mode)
{
    if (m_keyboardPicture)
        m_keyboardPicture->setKeyboardImageMode(mode);
}

void DDevicePage::onLightAndKeyboardSleepTime(int lightSleep, int keyboardSleep, int prohibitSleep)
{
    const DSleepTimeCheck::Result check = DSleepTimeCheck::check(lightSleep, keyboardSleep);
    if (check != DSleepTimeCheck::Accepted) {
        showTip(DSleepTimeCheck::refusalText(check));
        return;
    }
    DDeviceKeyboardLink* link = m_currentLink;
    if (!link) {
        showTip(QObject::tr("Sleep time set failed"));
        return;
    }
    m_sleepTimeAcked = false;
    link->setSleepTime(lightSleep, keyboardSleep, prohibitSleep);
    DEventWait::until(kSleepTimeAckWaitMs, [this] { return m_sleepTimeAcked; });
    // The keyboard may have been switched while we waited: only its own
    // acknowledgement counts, and only for its own profile.
    if (!m_sleepTimeAcked || link != m_currentLink) {
        showTip(QObject::tr("Sleep time set failed"));
        return;
    }
    DDataManager::getInstance()->setProhibitSleep(prohibitSleep);
    COrvaneXML_SetProFileIntoSleepTimeInfo(m_profilePath, QByteArray::number(m_profileIndex).constData(), lightSleep,
                                           keyboardSleep / 60);
    showTip(QObject::tr("Sleep time has been set"));
}

void DDevicePage::onLockWinKeyAbout(int winKey, int shiftTab, int altTab, int altF4)
{
    if (m_currentLink)
        m_currentLink->setLockWinKeyFeatures(winKey, shiftTab, altTab, altF4);
}

void DDevicePage::onCurIndexChangedMainPage(int selIndex)
{
    DDataManager* data = DDataManager::getInstance();
    if (m_currentPageIndex == TriggerPage && data->isCalibrating()) {
        m_ui->toolButton_TriggerSetting->setChecked(true);
        onEveryPageBackTip(QObject::tr("Key calibration in progress, please wait a moment"));
        return;
    }
    // Tells the keyboard that the travel display of the trigger page ends.
    if (m_currentPageIndex == TriggerPage && selIndex != TriggerPage)
        queueMagneticReport(DMagneticReports::request(DReportNumbers::kTravelDisplayEnd));
    m_currentKeyboardEffect = -1;
    m_currentPageIndex = selIndex;
    if (m_lightDeal->isKeyboardLightRunning())
        m_lightDeal->setUiUpdateEnabled(selIndex == LightsPage);

    keySelectFrame* frame = data->keySelectFrame();
    if (frame)
        frame->setKeysCalibrationShowMode(false);
    m_calibrationKeyRow = -1;
    m_calibrationKeyColumn = -1;
    if (selIndex == TriggerPage) {
        // Keys are picked by dragging over the picture to set their travel.
        enterTriggerSelectionState();
    } else {
        setColorDisplay(selIndex == LightsPage);
        if (frame) {
            frame->setSideLightVisible(selIndex == LightsPage);
            if (selIndex != LightsPage)
                frame->setKeysSelectEnabled(true);
        }
    }
    triggerSettingPage()->exitCalibrationMode();

    switch (selIndex) {
    case KeysPage:
        m_ui->stackedWidget->setCurrentWidget(m_ui->page_CustomKeys);
        customKeysPage()->initPageState(m_currentLayer);
        m_ui->label_ChangModeTest->setText(QObject::tr("Keyboard"));
        break;
    case LightsPage:
        m_ui->stackedWidget->setCurrentWidget(m_ui->page_LightsConfig);
        lightsConfigPage()->loadProfileLightType();
        m_ui->label_ChangModeTest->setText(QObject::tr("Light", "key lights shown"));
        break;
    case PerformancePage:
        m_ui->stackedWidget->setCurrentWidget(m_ui->page_Performance);
        performancePage()->loadPerformanceSettings();
        m_ui->label_ChangModeTest->setText(QObject::tr("Keyboard"));
        break;
    case TriggerPage:
        m_ui->stackedWidget->setCurrentWidget(m_ui->page_TriggerSetting);
        triggerSettingPage()->loadSensitivityData();
        m_ui->label_ChangModeTest->setText(QObject::tr("Trigger"));
        break;
    default:
        break;
    }
}

void DDevicePage::onAutoIntoCustomKeysPage()
{
    m_ui->toolButton_CustomKey->setChecked(true);
    m_ui->stackedWidget->setCurrentWidget(m_ui->page_CustomKeys);
}

void DDevicePage::onDefaultLayerAndFnLayerSwitch(int pageIndex)
{
    if (pageIndex == m_currentLayer)
        return;
    const QByteArray current(m_profilePath);
    const int slash = current.lastIndexOf('/');
    const QByteArray layerFile
        = DProfileFileSet::layerFileName(pageIndex == 0 ? DProfileFileSet::DefaultLayer : DProfileFileSet::FnLayer)
              .toLatin1();
    const QByteArray path = (slash >= 0 ? current.left(slash) : current) + layerFile;
    if (current.isEmpty() || path.size() >= int(sizeof m_profilePath)) {
        qCDebug(lcStore) << "Layer switch: no usable profile path";
        return;
    }
    m_currentLayer = pageIndex;
    const int index = DProfileFileSet::ensureListedCurrent(path.constData());
    setCurrentProfile(index > 0 ? index : 1, path.constData());
    // A key chosen on the other layer must not be stored into this one; the
    // picture lets it go too, or a click on it would not choose it again.
    customKeysPage()->initPageState(pageIndex);
    if (keySelectFrame* frame = DDataManager::getInstance()->keySelectFrame())
        frame->releaseClickedKey();
    // The list and the marks of the layer now shown.
    refreshProfileList();

    if (m_currentLink) {
        const QList<keyboardButCustom*> caps = DDataManager::getInstance()->keyButtonList();
        for (const QPair<int, int>& key : m_currentLink->customizableKeys()) {
            for (keyboardButCustom* cap : caps) {
                if (cap->getRowIndex() == key.first && cap->getColumnIndex() == key.second)
                    cap->setRemapEnabled(pageIndex == 0);
            }
        }
    }
    if (DDataManager::getInstance()->isMagneticKeyboard()) {
        customKeysPage()->setCurrentLayer(pageIndex);
        DDataManager::getInstance()->setDefaultLayerSelected(pageIndex == 0);
    }
}

void DDevicePage::onSelectCurrentLightTypeIndex_KB(int lightIndex, colorInfoData info)
{
    if (m_currentKeyboardEffect == DKeyPressEffects::kCustomEffect && lightIndex != DKeyPressEffects::kCustomEffect
        && m_keyboardPicture)
        m_keyboardPicture->selectKeysInRect(0, 0, 0, 0);
    customKeysPage()->setKeyboardHookEnabled(DKeyPressEffects::isKeyPressDriven(info.ledType));
    // Custom colours are painted by selecting and dragging over the keys.
    const bool painting = lightIndex == DKeyPressEffects::kCustomEffect;
    if (m_dragShowArea)
        m_dragShowArea->setDragEnabled(painting);
    if (keySelectFrame* frame = DDataManager::getInstance()->keySelectFrame())
        frame->setKeysSelectEnabled(painting);
    m_currentKeyboardEffect = lightIndex;
    m_lightDeal->setKeyboardColorInfo(info);
}

void DDevicePage::onSelectCurrentLightTypeIndex_Side(int lightIndex, colorInfoData info)
{
    Q_UNUSED(lightIndex)
    m_lightDeal->setSideColorInfo(info);
}

void DDevicePage::onLightConfigHaveChanged(int lightConfigChangedFrom, colorInfoData info)
{
    Q_UNUSED(lightConfigChangedFrom)
    if (info.lightPart == 0)
        m_lightDeal->keyboardColorInfoChanged(info);
    else if (info.lightPart == 1)
        m_lightDeal->sideColorInfoChanged(info);
}

void DDevicePage::onInteractLightsPointXY(int indexX, int indexY)
{
    m_lightDeal->setInteractLightsPoint(indexX, indexY);
}

void DDevicePage::onLightConfigHaveChanged_HidSend(int hidType, int ledType)
{
    // Another keyboard's light change is already in its own profile; the
    // page, the picture and the hook belong to the selected keyboard.
    if (!senderIsCurrentLink())
        return;
    lightsConfigPage()->applyDeviceLightChange(hidType, ledType);
    if (hidType == 0) {
        restartCustomPainting(false);
        customKeysPage()->setKeyboardHookEnabled(DKeyPressEffects::isKeyPressDriven(ledType));
    }
    keySelectFrame* frame = DDataManager::getInstance()->keySelectFrame();
    if (m_currentPageIndex == KeysPage && frame)
        frame->setKeysSelectEnabled(true);
}

void DDevicePage::onMacroListHaveChangedSendToDevice(QString strMacroIndex, QString strMacroName)
{
    Q_UNUSED(strMacroName)
    char macroFile[DDataManager::kPathBufferSize] = {};
    DDataManager::getInstance()->copyMacroFilePath(macroFile);
    if (strMacroIndex.isEmpty())
        return;
    if (!DBoundMacroRefresh::refreshEverywhere(DDataManager::getInstance()->userConfigDir(), macroFile,
                                               strMacroIndex.toLatin1()))
        qCWarning(lcStore) << "The copies of macro" << strMacroIndex << "bound to keys could not all be refreshed";
}

void DDevicePage::on_toolButton_MacroDialog_clicked()
{
    customKeysPage()->setKeyboardHookEnabled(false);
    emit sigShowMacroPage();
}

void DDevicePage::onMacroPageClose()
{
    restoreKeyPressHook();
    if (m_profilePath[0])
        refreshProfileList();
}

void DDevicePage::restoreKeyPressHook()
{
    // The effect the lighting engine runs, not the state before the hook
    // was taken: the effect may have changed meanwhile.
    customKeysPage()->setKeyboardHookEnabled(
        m_currentLink && DKeyPressEffects::isKeyPressDriven(m_lightDeal->keyboardColorInfo().ledType));
}

void DDevicePage::on_toolButton_SeniorKey_clicked()
{
    emit sigShowSeniorKeysPage();
}

void DDevicePage::zoomPicture(bool zoomIn)
{
    if (!DPictureZoom::zoom(&m_pictureScale, m_ui->label_Multiple->text(), zoomIn))
        return;
    m_ui->label_Multiple->setText(DPictureZoom::labelText(m_pictureScale));
    if (m_keyboardPicture)
        m_keyboardPicture->setScale(m_pictureScale, true);
}

void DDevicePage::on_pushButton_MoreBig_clicked()
{
    zoomPicture(true);
}

void DDevicePage::on_pushButton_MoreSmall_clicked()
{
    zoomPicture(false);
}

void DDevicePage::setColorDisplay(bool on)
{
    // With colours shown the overlay sits above the picture, so dragging
    // selects keys instead of clicking single caps.
    if (m_dragShowArea) {
        if (on) {
            m_dragShowArea->raise();
            m_dragShowArea->show();
        } else {
            m_dragShowArea->lower();
        }
    }
    if (m_keyboardPicture) {
        if (!on) {
            m_keyboardPicture->raise();
            m_keyboardPicture->show();
        }
        m_keyboardPicture->setColorShowMode(on);
    }
}

void DDevicePage::on_pushButton_ChangModeTest_clicked()
{
    m_colorTestMode = !m_colorTestMode;
    setColorDisplay(m_colorTestMode);
    m_ui->label_ChangModeTest->setText(m_colorTestMode ? QObject::tr("Light", "key lights shown")
                                                       : QObject::tr("Keyboard"));
}

void DDevicePage::onLickActivited(QString link)
{
    Q_UNUSED(link)
    QDesktopServices::openUrl(QUrl(m_companyLink));
}

void DDevicePage::onTheKeyboardIntoDownloading()
{
    DDataManager* data = DDataManager::getInstance();
    QVector<int> usages;
    for (keyboardButCustom* cap : data->keyButtonList())
        usages << (cap ? cap->getKeyDec() : 0);
    char seniorKeyPath[256] = {};
    data->copySeniorKeyFilePath(seniorKeyPath);
    m_onboardDownload->setHidInterface(m_currentHidInterface);
    const DOnboardDownload::Outcome outcome
        = m_onboardDownload->run(m_profileFolder, usages, data->isMagneticKeyboard(), QByteArray(seniorKeyPath));
    if (outcome == DOnboardDownload::Outcome::Busy)
        return;
    customKeysPage()->stopDownloadAnimation();
    showTip(m_onboardDownload->message());
}

// The slots below are wired now so that every page and link signal reaches
// the page; what each one does comes with the work on profiles, page
// switching, the device state and the download.
void DDevicePage::onRuningOnboard0x18Cmd() { }
void DDevicePage::onQN9080Recv0x0bCmd(int) { }
void DDevicePage::onWaitForDataReturn_0x0d(QString, QString) { }
