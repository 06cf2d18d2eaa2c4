#include "ui/mainwidget/devicePage/keyboardView/DCustomKeysPage.h"
#include "ui_DCustomKeysPage.h"

#include "app/DDataManager.h"
#include "app/DHookKeyUsage.h"
#include "app/WindowsHookInterface.h"
#include "profiles/DKeyFunctionStore.h"
#include "profiles/DKeyFunctionType.h"
#include "sdk/include/orvanesdk_light.h"
#include "ui/mainwidget/devicePage/DStoreRecoveryNotice.h"
#include "ui/mainwidget/devicePage/keyFunctions/DChangProfilePage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DChangeKeyPage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DHotKeyPage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DKeyCombinationPage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DKeyConfigFunctionPage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DKeyDisablePage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DKeyFunctionPages.h"
#include "ui/mainwidget/devicePage/keyFunctions/DKeyWithAppPage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DKeyWithTextPage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DKeyboardLightCustomEventPage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DMacroCmdPage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DMouseKeyPage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DMultimediaPage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DResetDefaultPage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DSeniorKeysBindingPage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DSideLightCustomEventPage.h"
#include "ui/mainwidget/devicePage/keyboardView/keyboardButCustom.h"
#include "ui/widgets/ArrowWidget.h"
#include "ui/widgets/DAppStyle.h"
#include "ui/widgets/DToolTipExplain.h"

#include <QButtonGroup>
#include <QEvent>
#include <QMovie>
#include <QTimer>

#include <type_traits>
#include <utility>

namespace {

using namespace DKeyFunctionPages;

constexpr int kEventFilterDelayMs = 500;
constexpr int kNoStoredType = -2;

template<typename Page, typename = void>
struct HasSetTheme : std::false_type
{
};
template<typename Page>
struct HasSetTheme<Page, std::void_t<decltype(std::declval<Page&>().setTheme())>> : std::true_type
{
};

// One function of the function list. The id is the button's id in the
// function group, the function code what the host tracks as shown, and the
// stored types those whose entry opens the page.
struct FunctionRow
{
    int id;
    const char* button;
    const char* stackPage;
    int functionCode;
    int firstType;
    int lastType;
    const char* title;
};

constexpr FunctionRow kFunctions[] = {
    {0, "toolButton_Default", "page_Default", kResetFunctionCode, kNoStoredType, kNoStoredType,
     QT_TRANSLATE_NOOP("QObject", "Default")},
    {1, "toolButton_Macro", "page_Macro", kMacroFunctionCode, DKeyFunctionType::kMacro, DKeyFunctionType::kMacro,
     QT_TRANSLATE_NOOP("QObject", "Macro")},
    {2, "toolButton_RemapKey", "page_RemapKey", kRemapFunctionCode, DKeyFunctionType::kRemap, DKeyFunctionType::kRemap,
     QT_TRANSLATE_NOOP("QObject", "Remap Key")},
    {3, "toolButton_Mouse", "page_Mouse", kMouseFunctionCode, DKeyFunctionType::kMouse, DKeyFunctionType::kMouse,
     QT_TRANSLATE_NOOP("QObject", "Mouse")},
    {4, "toolButton_Text", "page_Text", kTextFunctionCode, DKeyFunctionType::kText, DKeyFunctionType::kText,
     QT_TRANSLATE_NOOP("QObject", "Text")},
    {5, "toolButton_Disable", "page_Disable", kDisableFunctionCode, DKeyFunctionType::kDisable,
     DKeyFunctionType::kDisable, QT_TRANSLATE_NOOP("QObject", "Disable")},
    {6, "toolButton_Multimedia", "page_Multimedia", kMultimediaFunctionCode, DKeyFunctionType::kMultimedia,
     DKeyFunctionType::kMultimedia, QT_TRANSLATE_NOOP("QObject", "Multimedia")},
    {7, "toolButton_CombinationKey", "page_CombinationKey", kCombinationFunctionCode, DKeyFunctionType::kKeyCombination,
     DKeyFunctionType::kKeyCombination, QT_TRANSLATE_NOOP("QObject", "Key Combination")},
    {8, "toolButton_OpenApp", "page_OpenApp", kLaunchFunctionCode, DKeyFunctionType::kLaunchApplication,
     DKeyFunctionType::kLaunchApplication, QT_TRANSLATE_NOOP("QObject", "Launch Application")},
    {9, "toolButton_Shortcuts", "page_Shortcuts", kShortcutFunctionCode, DKeyFunctionType::kShortcut,
     DKeyFunctionType::kShortcut, QT_TRANSLATE_NOOP("QObject", "Shortcuts")},
    {10, "toolButton_SwitchProfile", "page_SwitchProfile", kProfileSwitchFunctionCode, DKeyFunctionType::kProfileSwitch,
     DKeyFunctionType::kProfileSwitch, QT_TRANSLATE_NOOP("QObject", "Switch Profile")},
    {19, "toolButton_KeyConfigFunction", "page_KeyConfigFunctionAbout", kKeyConfigFunctionCode,
     DKeyFunctionType::kKeyboardFunction, DKeyFunctionType::kKeyboardFunction,
     QT_TRANSLATE_NOOP("QObject", "Key Config")},
    {20, "toolButton_KBLightAbout", "page_KeyboardLightAbout", kKeyboardLightFunctionCode,
     DKeyFunctionType::kKeyboardLightEffect, DKeyFunctionType::kLightRecording,
     QT_TRANSLATE_NOOP("QObject", "Keyboard Light")},
    {30, "toolButton_SideLightAbout", "page_SideLightAbout", kSideLightFunctionCode, DKeyFunctionType::kSideLightEffect,
     DKeyFunctionType::kSideLightOff, QT_TRANSLATE_NOOP("QObject", "Atmosphere Light")},
    {40, "toolButton_SeniorKeys", "page_SeniorKeysBind", kAdvancedKeyFunctionCode, DKeyFunctionType::kAdvancedKey,
     DKeyFunctionType::kAdvancedKey, QT_TRANSLATE_NOOP("QObject", "Senior Keys")},
};
constexpr int kDefaultRow = 0;

int rowOfId(int id)
{
    for (int row = 0; row < int(std::size(kFunctions)); ++row) {
        if (kFunctions[row].id == id)
            return row;
    }
    return -1;
}

int rowOfType(int type)
{
    for (int row = 0; row < int(std::size(kFunctions)); ++row) {
        if (type >= kFunctions[row].firstType && type <= kFunctions[row].lastType)
            return row;
    }
    return -1;
}

int rowOfCode(int functionCode)
{
    for (int row = 0; row < int(std::size(kFunctions)); ++row) {
        if (kFunctions[row].functionCode == functionCode)
            return row;
    }
    return -1;
}

// The key's entry in a layer file: false when there is none or the file
// cannot be read, which both show as no function.
bool hasEntry(const char* path, int profileIndex, int keyDec)
{
    keyOperateInfo info;
    return DKeyFunctionStore::lookUp(path, profileIndex, keyDec, &info);
}

QByteArray magneticProfilePath()
{
    char path[DDataManager::kPathBufferSize] = {};
    DDataManager::getInstance()->copyMagneticProfilePath(path);
    return QByteArray(path);
}

constexpr int kMagneticProfileIndex = 1;

} // namespace

DCustomKeysPage::DCustomKeysPage(QWidget* parent)
    : QWidget(parent)
    , m_ui(new Ui::DCustomKeysPage)
    , m_hook(this)
{
    m_ui->setupUi(this);
    retranslate();

    DDataManager* data = DDataManager::getInstance();
    connect(data, &DDataManager::sigKeyButtonClickedReturnKeyCodeAndKeyChar, this,
            &DCustomKeysPage::onKeyButtonClickedReturnKeyCodeAndKeyChar);
    connect(data, &DDataManager::sigSeniorKeysListItemHaveChanged, this,
            &DCustomKeysPage::onSeniorKeysListItemHaveChanged);
    connect(&m_hook, &WindowsHookInterface::sigKeyboardRecviveStreamEX_Key, this,
            &DCustomKeysPage::onKeyboardRecviveStream);
    // Direct, so that the data manager can hand the start's outcome back to
    // the macro editor within its request.
    connect(data, &DDataManager::sigHookRuningStrtusCtrl_MacroRecord, this,
            &DCustomKeysPage::onHookRuningStrtusCtrl_MacroRecord, Qt::DirectConnection);

    m_resetDefaultPage = addPage<DResetDefaultPage>(rowOfId(0));
    connect(m_resetDefaultPage, &DResetDefaultPage::sigShoudUpdateKeyboard, this,
            &DCustomKeysPage::onKeyboardAlreadyLoad);
    m_macroCmdPage = addPage<DMacroCmdPage>(rowOfId(1));
    m_changeKeyPage = addPage<DChangeKeyPage>(rowOfId(2));
    connect(m_changeKeyPage, &DChangeKeyPage::sigMesgStartOrStopHook, this, &DCustomKeysPage::onMesgStartOrStopHook);
    m_mouseKeyPage = addPage<DMouseKeyPage>(rowOfId(3));
    m_keyWithTextPage = addPage<DKeyWithTextPage>(rowOfId(4));
    connect(m_keyWithTextPage, &DKeyWithTextPage::sigClickedCancel, this, &DCustomKeysPage::onClickedCancel);
    m_keyDisablePage = addPage<DKeyDisablePage>(rowOfId(5));
    connect(m_keyDisablePage, &DKeyDisablePage::sigClickedCancel, this, &DCustomKeysPage::onClickedCancel);
    m_multimediaPage = addPage<DMultimediaPage>(rowOfId(6));
    m_keyCombinationPage = addPage<DKeyCombinationPage>(rowOfId(7));
    connect(m_keyCombinationPage, &DKeyCombinationPage::sigMesgStartOrStopHook, this,
            &DCustomKeysPage::onMesgStartOrStopHook);
    m_hotKeyPage = addPage<DHotKeyPage>(rowOfId(9));
    m_changProfilePage = addPage<DChangProfilePage>(rowOfId(10));
    m_keyWithAppPage = addPage<DKeyWithAppPage>(rowOfId(8));
    m_keyboardLightPage = addPage<DKeyboardLightCustomEventPage>(rowOfId(20));
    m_sideLightPage = addPage<DSideLightCustomEventPage>(rowOfId(30));
    m_keyConfigFunctionPage = addPage<DKeyConfigFunctionPage>(rowOfId(19));
    m_seniorKeysBindingPage = addPage<DSeniorKeysBindingPage>(rowOfId(40));

    m_functionGroup = new QButtonGroup(this);
    for (const FunctionRow& row : kFunctions)
        m_functionGroup->addButton(findChild<QToolButton*>(QLatin1String(row.button)), row.id);
    m_ui->toolButton_Default->setChecked(true);
    connect(m_functionGroup, &QButtonGroup::idClicked, this, &DCustomKeysPage::onCurIndexChanged_Key);
    // Profile switches are only shown for keys that already hold one.
    m_ui->toolButton_SwitchProfile->hide();

    m_layerGroup = new QButtonGroup(this);
    m_layerGroup->addButton(m_ui->pushButton_DefaultLayer, 0);
    m_layerGroup->addButton(m_ui->pushButton_FnLayer, 1);
    m_ui->pushButton_DefaultLayer->setChecked(true);
    connect(m_layerGroup, &QButtonGroup::idClicked, this, &DCustomKeysPage::onCurIndexChanged_Mode);

    QTimer::singleShot(kEventFilterDelayMs, this, &DCustomKeysPage::onInstallEventFilterOpen);

    m_loadingMovie = new QMovie(QStringLiteral(":/images/Loading.gif"), QByteArray(), this);
    m_ui->label_Loading->setMovie(m_loadingMovie);
    m_ui->label_Loading->hide();
}

DCustomKeysPage::~DCustomKeysPage()
{
    // Pages hidden as this page goes must not report to it half destroyed.
    for (HostedPage& hosted : m_pages)
        delete hosted.page;
    delete m_tipBubble;
    delete m_ui;
}

template<typename Page>
Page* DCustomKeysPage::addPage(int row)
{
    QWidget* holder = findChild<QWidget*>(QLatin1String(kFunctions[row].stackPage));
    auto* page = new Page(holder);
    holder->layout()->addWidget(page);
    HostedPage& hosted = m_pages[row];
    hosted.page = page;
    hosted.load = [page] { page->loadCurrentKeyInfo(); };
    hosted.retranslate = [page] { page->retranslate(); };
    // Most pages look as the application's sheet has them; the rest pick
    // what no sheet gives when the theme changes.
    if constexpr (HasSetTheme<Page>::value)
        hosted.setTheme = [page] { page->setTheme(); };
    if constexpr (!std::is_same_v<Page, DResetDefaultPage>)
        connect(page, &Page::sigShoudUpdateKeyboard, this, &DCustomKeysPage::onShoudUpdateKeyboard);
    // A stored remap or key combination raises no message of its own: those
    // pages are used key after key in one go.
    if constexpr (!std::is_same_v<Page, DChangeKeyPage> && !std::is_same_v<Page, DKeyCombinationPage>)
        connect(page, &Page::sigCustomKeyInfoSaveSuccessful, this, &DCustomKeysPage::onCustomKeyInfoSaveSuccessful);
    connect(page, &Page::sigCustomKeyInfoSaveFailed, this, &DCustomKeysPage::onCustomKeyInfoSaveFailed);
    return page;
}

void DCustomKeysPage::retranslate()
{
    const QString keyLabel = m_ui->label_KeyChar->text();
    m_ui->retranslateUi(this);
    m_ui->label_KeyChar->setText(keyLabel);
    // The form's text would replace the animation.
    m_ui->label_Loading->setMovie(m_loadingMovie);
    m_ui->pushButton_DefaultLayer->setText(QObject::tr("Default layer"));
    m_ui->pushButton_FnLayer->setText(QObject::tr("FN layer"));
    m_ui->pushButton_Download->setText(QObject::tr("Download"));
    m_ui->label->setText(QObject::tr("Type:"));
    m_ui->label_2->setText(QObject::tr("Function:"));
    m_ui->label_3->setText(QObject::tr("Key"));
    for (HostedPage& hosted : m_pages) {
        if (hosted.retranslate)
            hosted.retranslate();
    }
}

void DCustomKeysPage::setTheme()
{
    // Colours are the application sheet's; the sizes are the theme's fonts.
    QFont font12 = DDataManager::getInstance()->getFont(1);
    font12.setPointSize(12);
    QFont font10 = font12;
    font10.setPointSize(10);
    for (QWidget* widget : std::initializer_list<QWidget*>{m_ui->label, m_ui->label_2, m_ui->label_3,
                                                           m_ui->label_KeyChar, m_ui->pushButton_Download})
        widget->setFont(font12);
    for (QPushButton* layer : {m_ui->pushButton_DefaultLayer, m_ui->pushButton_FnLayer})
        layer->setFont(font10);
    for (HostedPage& hosted : m_pages) {
        if (hosted.setTheme)
            hosted.setTheme();
    }
}

void DCustomKeysPage::initPageState(int layer)
{
    DDataManager* data = DDataManager::getInstance();
    m_ui->toolButton_SideLightAbout->setVisible(data->hasSideLight());
    for (keyboardButCustom* cap : data->keyButtonList()) {
        if (cap)
            cap->setLightColorEnabled(false);
    }
    // A download still running keeps its mark: it ends only when the device
    // page says so, so a second one cannot be asked for meanwhile.
    openDefaultPage();
    checkLayerButton(layer);
    m_ui->label_KeyChar->setText(QStringLiteral("NULL"));
    data->clearCurrentKey();
    m_resetDefaultPage->clearCurrentKey();
}

void DCustomKeysPage::resetKeyPage()
{
    m_functionCode = kResetFunctionCode;
    m_ui->toolButton_Default->setChecked(true);
    m_ui->stackedWidget_Customize->setCurrentWidget(m_ui->page_Default);
    m_resetDefaultPage->loadCurrentKeyInfo();

    DDataManager* data = DDataManager::getInstance();
    const bool magnetic = data->isMagneticKeyboard();
    DAppStyle::setState(m_ui->frame_Line, "magnetic", magnetic);
    m_ui->toolButton_SeniorKeys->setVisible(magnetic);
}

void DCustomKeysPage::setCurrentLayer(int layer)
{
    m_currentLayer = layer;
    m_resetDefaultPage->setPressModeVisible(layer == 0);
    m_changeKeyPage->setPressModeVisible(layer == 0);
    m_keyCombinationPage->setPressModeVisible(layer == 0);
}

void DCustomKeysPage::stopDownloadAnimation()
{
    m_downloading = false;
    m_loadingMovie->stop();
    m_ui->label_Loading->hide();
}

void DCustomKeysPage::setKeyboardHookEnabled(bool on, int)
{
    m_hookOwnership.setPassThroughWanted(on);
    runOwnedHook();
}

void DCustomKeysPage::setMacroRecordHookEnabled(bool start)
{
    bool ok = true;
    if (start) {
        m_hookOwnership.take(kMacroRecordMode);
        ok = runOwnedHook();
        // A recording that did not start holds nothing: what ran before
        // runs again.
        if (!ok) {
            m_hookOwnership.release(kMacroRecordMode);
            runOwnedHook();
        }
    } else {
        m_hookOwnership.release(kMacroRecordMode);
        runOwnedHook();
    }
    DDataManager::getInstance()->setMacroRecordHookRunning(ok);
}

void DCustomKeysPage::onHookRuningStrtusCtrl_MacroRecord(bool isStartHook)
{
    setMacroRecordHookEnabled(isStartHook);
}

void DCustomKeysPage::onMesgStartOrStopHook(bool isStartHook)
{
    if (!isStartHook) {
        m_hookOwnership.release(kRemapCaptureMode);
        m_hookOwnership.release(kCombinationCaptureMode);
        runOwnedHook();
        emit sigKeyCaptureClosed();
        return;
    }
    // Only the page on show may capture; a request from any other is not
    // the user's.
    if (m_functionCode == kRemapFunctionCode)
        m_hookOwnership.take(kRemapCaptureMode);
    else if (m_functionCode == kCombinationFunctionCode)
        m_hookOwnership.take(kCombinationCaptureMode);
    else
        return;
    runOwnedHook();
}

void DCustomKeysPage::onKeyboardRecviveStream(int keyCode, int scCode, int flag, int hookFlag)
{
    Q_UNUSED(scCode)
    if (m_hookMode == kMacroRecordMode)
        return;
    const int usage
        = DHookKeyUsage::usageOf(keyCode, flag, hookFlag, DDataManager::getInstance()->virtualKeyToHidMap());
    if (usage == DHookKeyUsage::kNoUsage)
        return;
    if (m_hookMode == kPassThroughMode) {
        passKeyToLighting(usage);
        return;
    }
    // The page on show takes the key, whichever of the two opened the capture.
    if (m_functionCode == kRemapFunctionCode)
        m_changeKeyPage->setCapturedKey(usage);
    else if (m_functionCode == kCombinationFunctionCode)
        m_keyCombinationPage->setCapturedKey(usage);
}

void DCustomKeysPage::passKeyToLighting(int usage)
{
    const keyboardButCustom* cap = DDataManager::getInstance()->keyButtonMap().value(usage);
    if (!cap)
        return;
    const int row = cap->getRowIndex();
    const int column = cap->getColumnIndex();
    COrvaneHid_keyClickedSendXY(row, column);
    emit sigInteractLightsPointXY(row, column);
}

bool DCustomKeysPage::runOwnedHook()
{
    const int mode = m_hookOwnership.modeToRun();
    if (mode == DHookOwnership::kNoMode) {
        m_hook.stopHook();
        m_hookRunning = false;
        return true;
    }
    // A restart in the same mode would forget the keys held down.
    if (m_hookRunning && m_hookMode == mode)
        return true;
    m_hook.stopHook();
    m_hookMode = mode;
    m_hookRunning = m_hook.startHook(mode);
    // A half-installed hook (keyboard without mouse) must not keep keys.
    if (!m_hookRunning)
        m_hook.stopHook();
    return m_hookRunning;
}

void DCustomKeysPage::onInstallEventFilterOpen()
{
    for (QAbstractButton* button : m_functionGroup->buttons())
        button->installEventFilter(this);
}

bool DCustomKeysPage::eventFilter(QObject* watched, QEvent* event)
{
    const int id = functionIdOf(watched);
    if (id >= 0) {
        if (event->type() == QEvent::Enter)
            showFunctionTip(id);
        else if (event->type() == QEvent::Leave && m_tipBubble)
            m_tipBubble->hide();
    }
    return QWidget::eventFilter(watched, event);
}

void DCustomKeysPage::showFunctionTip(int functionId)
{
    const int row = rowOfId(functionId);
    if (row < 0)
        return;
    auto* tip = new DToolTipExplain(nullptr);
    delete m_tipBubble;
    m_tipBubble = new ArrowWidget(ArrowWidget::ArrowBottom, nullptr);
    m_tipBubble->setPopupSize(250, 70);
    m_tipBubble->setArrowX(30);
    m_tipBubble->setContentWidget(tip);
    const QWidget* button = m_functionGroup->button(functionId);
    m_tipBubble->move(button->mapToGlobal(QPoint(button->width() / 2 - 38, -74)));
    tip->setExplainText(QObject::tr(kFunctions[row].title));
    m_tipBubble->widenForContent(250);
    m_tipBubble->show();
}

bool DCustomKeysPage::hasLightPressFunction(int keyDec) const
{
    const DDataManager* data = DDataManager::getInstance();
    if (!data->isMagneticKeyboard() || !data->isDefaultLayerSelected())
        return false;
    return hasEntry(m_profile.path(), m_profile.index(), keyDec);
}

bool DCustomKeysPage::hasHeavyPressFunction(int keyDec) const
{
    const DDataManager* data = DDataManager::getInstance();
    if (!data->isMagneticKeyboard() || !data->isDefaultLayerSelected())
        return false;
    return hasEntry(magneticProfilePath().constData(), kMagneticProfileIndex, keyDec);
}

void DCustomKeysPage::onCurIndexChanged_Key(int selIndex)
{
    if (DDataManager::getInstance()->currentKeyCode() == -1 && !m_forceSelect) {
        tell(QObject::tr("Please select one Key first"));
        m_ui->toolButton_Default->setChecked(true);
        m_ui->stackedWidget_Customize->setCurrentWidget(m_ui->page_Default);
        return;
    }
    const int row = rowOfId(selIndex);
    if (row < 0)
        return;
    m_functionCode = kFunctions[row].functionCode;
    m_functionGroup->button(selIndex)->setChecked(true);
    m_ui->stackedWidget_Customize->setCurrentWidget(m_pages[row].page->parentWidget());
    m_pages[row].load();
    tell(QString());
}

void DCustomKeysPage::onCurIndexChanged_Mode(int selIndex)
{
    checkLayerButton(selIndex == 0 ? 0 : 1);
    emit sigDefaultLayerAndFnLayerSwitch(selIndex);
}

void DCustomKeysPage::onKeyButtonClickedReturnKeyCodeAndKeyChar(int keyCode, QString strChar)
{
    emit sigAutoIntoCustomKeysPage();
    m_ui->label_KeyChar->setText(strChar);

    keyOperateInfo info;
    bool found = DKeyFunctionStore::lookUp(m_profile.path(), m_profile.index(), keyCode, &info);
    if (!found && DDataManager::getInstance()->isMagneticKeyboard())
        found = DKeyFunctionStore::lookUp(magneticProfilePath().constData(), kMagneticProfileIndex, keyCode, &info);
    // An entry whose type reads as no function is sent as the key's own.
    if (!found || DKeyFunctionStore::typeOf(info) == DKeyFunctionType::kNoFunction) {
        onCurIndexChanged_Key(kFunctions[kDefaultRow].id);
        return;
    }
    const int row = rowOfType(DKeyFunctionStore::typeOf(info));
    // An entry of a kind this program does not know: the page on show stays,
    // but it must hold the new key, or its next store would go to the old one.
    onCurIndexChanged_Key(row >= 0 ? kFunctions[row].id : m_functionGroup->checkedId());
}

void DCustomKeysPage::onKeyboardAlreadyLoad(int keyDec)
{
    markKey(keyDec, hasLightPressFunction(keyDec));
}

void DCustomKeysPage::onShoudUpdateKeyboard(int keyDec)
{
    markKey(keyDec, true);
}

void DCustomKeysPage::markKey(int keyDec, bool customized)
{
    DDataManager* data = DDataManager::getInstance();
    const bool heavy = hasHeavyPressFunction(keyDec);
    noteRecoveredFiles();
    keyboardButCustom* cap = data->keyButtonMap().value(keyDec);
    if (!cap)
        return;
    const QColor colour
        = heavy ? data->customKeyMarkColor() : data->themeRoles().color(DThemeRoles::KeyMarked);
    cap->setCustomizedBackColor(colour);
    cap->setCustomizedBorderColor(colour);
    cap->setCustomizedStatus(customized);
}

void DCustomKeysPage::onCustomKeyInfoSaveSuccessful()
{
    tell(QObject::tr("Operate successful"));
}

void DCustomKeysPage::onClickedCancel()
{
    openDefaultPage();
}

void DCustomKeysPage::onCustomKeyInfoSaveFailed(int operateType, int errorIndex)
{
    QString message = QObject::tr("Unknow");
    if (errorIndex == kProfileNotSaved)
        message
            = DStoreRecoveryNotice::saveFailure(QObject::tr("Setting failed because the profile could not be saved"));
    else if (operateType == kTextFunctionCode && errorIndex == kRefusedByPage)
        message = QObject::tr("Setting failed because the text is empty");
    else if (operateType == kResetFunctionCode && errorIndex == kRefusedByPage)
        message = QObject::tr("Please select one Key first");
    else if (operateType == kMacroFunctionCode && errorIndex == kNoMacro)
        message = QObject::tr("Please record a macro first");
    else if (operateType == kMacroFunctionCode && errorIndex == kNoMacroChosen)
        message = QObject::tr("Please select a macro first");
    else if (operateType == kTextFunctionCode && errorIndex == kTextCut)
        message = QObject::tr("The text is too long, the part that does not fit was not added");
    tell(message);
    // The page on show goes back to what the file holds.
    const int row = rowOfCode(operateType);
    if (errorIndex == kProfileNotSaved && row >= 0 && m_functionCode == operateType)
        m_pages[row].load();
}

void DCustomKeysPage::onSeniorKeysListItemHaveChanged()
{
    if (m_functionCode == kAdvancedKeyFunctionCode)
        m_seniorKeysBindingPage->loadCurrentKeyInfo();
}

void DCustomKeysPage::on_pushButton_Download_clicked()
{
    if (m_downloading)
        return;
    m_downloading = true;
    m_loadingMovie->start();
    m_ui->label_Loading->show();
    emit sigTheKeyboardIntoDownloading();
}

void DCustomKeysPage::checkLayerButton(int layer)
{
    if (layer == 0 || layer == 1) {
        m_ui->pushButton_DefaultLayer->setChecked(layer == 0);
        m_ui->pushButton_FnLayer->setChecked(layer == 1);
    }
}

void DCustomKeysPage::openDefaultPage()
{
    m_ui->toolButton_Default->setChecked(true);
    m_forceSelect = true;
    onCurIndexChanged_Key(kFunctions[kDefaultRow].id);
    m_forceSelect = false;
}

int DCustomKeysPage::functionIdOf(QObject* button) const
{
    for (QAbstractButton* candidate : m_functionGroup->buttons()) {
        if (candidate == button)
            return m_functionGroup->id(candidate);
    }
    return -1;
}

void DCustomKeysPage::tell(const QString& message)
{
    const QStringList notes = m_pendingNotes + DStoreRecoveryNotice::takeMessages();
    m_pendingNotes.clear();
    if (!message.isEmpty())
        emit sigSomeMessageTip_CustomKeysPage(message);
    if (!notes.isEmpty())
        emit sigStoreNotes_CustomKeysPage(notes.join(QStringLiteral("\n\n")));
}

void DCustomKeysPage::noteRecoveredFiles()
{
    const QStringList notes = DStoreRecoveryNotice::takeMessages();
    if (notes.isEmpty())
        return;
    m_pendingNotes += notes;
    QTimer::singleShot(0, this, [this] {
        if (!m_pendingNotes.isEmpty())
            tell(QString());
    });
}
