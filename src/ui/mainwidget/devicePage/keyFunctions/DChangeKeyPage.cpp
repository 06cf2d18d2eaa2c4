#include "ui/mainwidget/devicePage/keyFunctions/DChangeKeyPage.h"
#include "ui_DChangeKeyPage.h"

#include "app/DDataManager.h"
#include "app/DFixedText.h"
#include "app/DKeyFunctionDescriber.h"
#include "profiles/DKeyFunctionType.h"
#include "ui/mainwidget/devicePage/keyFunctions/DFieldHintColour.h"
#include "ui/mainwidget/devicePage/keyFunctions/DKeyCapturePopUp.h"
#include "ui/mainwidget/devicePage/keyFunctions/DKeyFunctionPages.h"
#include "ui/mainwidget/devicePage/keyboardView/DVirtualKeyboardTool.h"
#include "ui/widgets/ArrowWidget.h"

#include <QButtonGroup>

namespace {

// Clicks on the remap page's keyboard only name a key; nothing is marked.
constexpr int kReportOnly = 0;

} // namespace

DChangeKeyPage::DChangeKeyPage(QWidget* parent)
    : QWidget(parent)
    , m_ui(new Ui::DChangeKeyPage)
{
    m_ui->setupUi(this);
    DFieldHintColour::watchFields(m_ui->frame_6);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);

    m_virtualKeyboard = new DVirtualKeyboardTool(kReportOnly, this);
    connect(m_virtualKeyboard, &DVirtualKeyboardTool::sigSoftKeyboardClicked_VirtualKB, this,
            &DChangeKeyPage::onSoftKeyboardClicked_VirtualKB);
    m_capture = new DKeyCapturePopUp(this, m_ui->lineEdit_changForKey, m_virtualKeyboard);
    m_popup = m_capture->popup();
    connect(m_capture, &DKeyCapturePopUp::sigCaptureAsked, this, [this] { emit sigMesgStartOrStopHook(true); });
    connect(m_popup, &ArrowWidget::sigArrowWidgetHide, this, &DChangeKeyPage::onArrowWidgetHide);

    retranslate();
    m_pressModeGroup
        = DKeyFunctionPages::pressModeGroup(this, m_ui->radioButton_LightPress, m_ui->radioButton_HeavyPress);
    connect(m_pressModeGroup, &QButtonGroup::idClicked, this, &DChangeKeyPage::onCurIndexChanged_ModeSel);
}

DChangeKeyPage::~DChangeKeyPage()
{
    // The page going away hides it: that is no end of a capture to report
    // to a page half destroyed.
    delete m_capture;
    disconnect(m_popup, nullptr, this, nullptr);
    delete m_ui;
}

void DChangeKeyPage::retranslate()
{
    const QString shown = m_ui->lineEdit_changForKey->text();
    m_ui->retranslateUi(this);
    m_ui->lineEdit_changForKey->setText(shown);
    m_virtualKeyboard->retranslate();
    m_ui->label_44->setText(QObject::tr("Remap Key"));
    m_ui->lineEdit_changForKey->setPlaceholderText(QObject::tr("Remap with key?"));
    m_ui->radioButton_LightPress->setText(QObject::tr("Light Press"));
    m_ui->radioButton_HeavyPress->setText(QObject::tr("Heavy Press"));
}

void DChangeKeyPage::setTheme()
{
    DKeyFunctionPages::setKeyboardPopupTheme(m_popup);
    m_virtualKeyboard->setTheme();
}

void DChangeKeyPage::loadCurrentKeyInfo()
{
    m_store.takeSelection();
    m_keyNames = DDataManager::getInstance()->keyNameMap();
    m_entryFound = false;
    m_ui->radioButton_LightPress->setChecked(true);
    onCurIndexChanged_ModeSel(0);
    m_ui->frame_Top2->setVisible(DDataManager::getInstance()->isMagneticKeyboard() && m_pressModeSelectable);
}

void DChangeKeyPage::setPressModeVisible(bool)
{
    m_ui->frame_Top2->hide();
    m_pressModeSelectable = false;
}

void DChangeKeyPage::onCurIndexChanged_ModeSel(int)
{
    // Only the layer shown is offered, so both choices read the same file.
    m_target = -1;
    m_ui->lineEdit_changForKey->clear();
    keyOperateInfo info;
    if (!m_store.load(&info) || DKeyFunctionStore::typeOf(info) != DKeyFunctionType::kRemap)
        return;
    DKeyFunctionPages::showInKeyField(m_ui->lineEdit_changForKey, m_keyNames.value(DKeyFunctionDescriber::leadingNumber(
                                                                      DFixedText::bytes(info.value))));
    m_entryFound = true;
}

void DChangeKeyPage::onArrowWidgetHide()
{
    emit sigMesgStartOrStopHook(false);
    m_popup->setPopupOpen(false);
    m_popup->hide();
}

void DChangeKeyPage::onSoftKeyboardClicked_VirtualKB(int keyDec)
{
    DKeyFunctionPages::showInKeyField(m_ui->lineEdit_changForKey,
                                      DDataManager::getInstance()->keyNameMap().value(keyDec));
    setCapturedKey(keyDec);
}

void DChangeKeyPage::setCapturedKey(int keyDec)
{
    if (!m_keyNames.contains(keyDec))
        return;
    DKeyFunctionPages::showInKeyField(m_ui->lineEdit_changForKey, m_keyNames.value(keyDec));
    m_target = keyDec;
    store();
}

void DChangeKeyPage::onKeyboardRecviveStream(int, int, int, int) { }

void DChangeKeyPage::store()
{
    if (m_target == -1)
        return;
    const bool saved = m_store.save(DKeyFunctionType::kRemap, QByteArrayLiteral("1"), QByteArrayLiteral("1"),
                                    QByteArray::number(m_target));
    m_target = -1;
    if (!saved) {
        emit sigCustomKeyInfoSaveFailed(DKeyFunctionPages::kRemapFunctionCode, DKeyFunctionPages::kProfileNotSaved);
        return;
    }
    emit sigShoudUpdateKeyboard(m_store.keyCode());
    emit sigCustomKeyInfoSaveSuccessful();
}
