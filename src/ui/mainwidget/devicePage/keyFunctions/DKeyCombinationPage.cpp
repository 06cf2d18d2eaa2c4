#include "ui/mainwidget/devicePage/keyFunctions/DKeyCombinationPage.h"
#include "ui_DKeyCombinationPage.h"

#include "app/DDataManager.h"
#include "app/DFixedText.h"
#include "app/DKeyCombinationText.h"
#include "profiles/DKeyFunctionType.h"
#include "ui/mainwidget/devicePage/keyFunctions/DFieldHintColour.h"
#include "ui/mainwidget/devicePage/keyFunctions/DKeyCapturePopUp.h"
#include "ui/mainwidget/devicePage/keyFunctions/DKeyFunctionPages.h"
#include "ui/mainwidget/devicePage/keyboardView/DVirtualKeyboardTool.h"
#include "ui/widgets/ArrowWidget.h"

#include <QButtonGroup>

namespace {

// Clicked keys are marked, at most two modifiers among them.
constexpr int kMarkChosen = 1;
constexpr int kFirstModifier = 224;
constexpr int kLastModifier = 231;
constexpr int kMaxModifiers = 2;

// The modifier's bit in the stored mask; 0 for any other key.
int modifierBit(int keyDec)
{
    return keyDec >= kFirstModifier && keyDec <= kLastModifier ? 1 << (keyDec - kFirstModifier) : 0;
}

} // namespace

DKeyCombinationPage::DKeyCombinationPage(QWidget* parent)
    : QWidget(parent)
    , m_ui(new Ui::DKeyCombinationPage)
{
    m_ui->setupUi(this);
    DFieldHintColour::watchFields(m_ui->frame_7);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);

    m_virtualKeyboard = new DVirtualKeyboardTool(kMarkChosen, this);
    connect(m_virtualKeyboard, &DVirtualKeyboardTool::sigSoftKeyboardClicked_VirtualKB, this,
            &DKeyCombinationPage::onSoftKeyboardClicked_VirtualKB);
    m_capture = new DKeyCapturePopUp(this, m_ui->lineEdit_keyCombination, m_virtualKeyboard);
    m_popup = m_capture->popup();
    connect(m_capture, &DKeyCapturePopUp::sigCaptureAsked, this, [this] {
        m_virtualKeyboard->setMarkEnabled(true);
        emit sigMesgStartOrStopHook(true);
    });
    connect(m_popup, &ArrowWidget::sigArrowWidgetHide, this, &DKeyCombinationPage::onArrowWidgetHide);

    retranslate();
    m_pressModeGroup
        = DKeyFunctionPages::pressModeGroup(this, m_ui->radioButton_LightPress, m_ui->radioButton_HeavyPress);
    connect(m_pressModeGroup, &QButtonGroup::idClicked, this, &DKeyCombinationPage::onCurIndexChanged_ModeSel);
}

DKeyCombinationPage::~DKeyCombinationPage()
{
    // The page going away hides it: that is no end of a capture to report
    // to a page half destroyed.
    delete m_capture;
    disconnect(m_popup, nullptr, this, nullptr);
    delete m_ui;
}

void DKeyCombinationPage::retranslate()
{
    const QString shown = m_ui->lineEdit_keyCombination->text();
    m_ui->retranslateUi(this);
    m_ui->lineEdit_keyCombination->setText(shown);
    m_virtualKeyboard->retranslate();
    m_ui->label_5->setText(QObject::tr("Key Combination"));
    m_ui->lineEdit_keyCombination->setPlaceholderText(QObject::tr("Enter key?"));
    m_ui->radioButton_LightPress->setText(QObject::tr("Light Press"));
    m_ui->radioButton_HeavyPress->setText(QObject::tr("Heavy Press"));
}

void DKeyCombinationPage::setTheme()
{
    DKeyFunctionPages::setKeyboardPopupTheme(m_popup);
    m_virtualKeyboard->setTheme();
}

void DKeyCombinationPage::loadCurrentKeyInfo()
{
    m_store.takeSelection();
    m_keyNames = DDataManager::getInstance()->keyNameMap();
    m_entryFound = false;
    m_ui->radioButton_LightPress->setChecked(true);
    onCurIndexChanged_ModeSel(0);
    m_ui->frame_Top2->setVisible(DDataManager::getInstance()->isMagneticKeyboard() && m_pressModeSelectable);
}

void DKeyCombinationPage::setPressModeVisible(bool)
{
    m_ui->frame_Top2->hide();
    m_pressModeSelectable = false;
}

void DKeyCombinationPage::onCurIndexChanged_ModeSel(int)
{
    // Only the layer shown is offered, so both choices read the same file.
    m_ui->lineEdit_keyCombination->clear();
    clearChosen();
    keyOperateInfo info;
    if (!m_store.load(&info) || DKeyFunctionStore::typeOf(info) != DKeyFunctionType::kKeyCombination)
        return;
    // Values from imported profiles may lack the key or carry more than the
    // modifier byte: what can be read is shown, and nothing is taken over
    // into a combination that could be stored.
    DKeyFunctionPages::showInKeyField(m_ui->lineEdit_keyCombination,
                                      DKeyCombinationText::storedText(DFixedText::bytes(info.value), m_keyNames));
    m_entryFound = true;
}

void DKeyCombinationPage::onArrowWidgetHide()
{
    emit sigMesgStartOrStopHook(false);
    m_virtualKeyboard->setMarkEnabled(false);
    m_popup->setPopupOpen(false);
    m_popup->hide();
}

void DKeyCombinationPage::setCapturedKey(int keyDec)
{
    onSoftKeyboardClicked_VirtualKB(keyDec);
}

void DKeyCombinationPage::onSoftKeyboardClicked_VirtualKB(int keyDec)
{
    if (!m_composing)
        clearChosen();
    m_composing = true;
    const int bit = modifierBit(keyDec);
    if (bit == 0) {
        if (m_chosenCount == 0) {
            // A combination starts with a modifier.
            m_virtualKeyboard->clearMarkedKeys();
            return;
        }
        m_composing = false;
        if (m_keyNames.contains(keyDec)) {
            m_usage = keyDec;
            addChosenName(m_keyNames.value(keyDec));
            m_chosenCount = 0;
            m_chosenNames.clear();
            m_virtualKeyboard->clearMarkedKeys();
            store();
            return;
        }
    }
    if (m_chosenCount == kMaxModifiers) {
        m_virtualKeyboard->markKey(keyDec);
        return;
    }
    if (bit != 0 && !(m_mask & bit)) {
        m_mask |= bit;
        addChosenName(DKeyCombinationText::modifierNames(bit).value(0));
    }
}

void DKeyCombinationPage::onKeyboardRecviveStream(int, int, int, int) { }

void DKeyCombinationPage::addChosenName(const QString& name)
{
    if (m_chosenNames.contains(name))
        return;
    m_chosenNames.append(name);
    m_chosenCount = m_chosenNames.size();
    DKeyFunctionPages::showInKeyField(m_ui->lineEdit_keyCombination, m_chosenNames.join(QLatin1Char('+')));
}

void DKeyCombinationPage::clearChosen()
{
    m_chosenNames.clear();
    m_chosenCount = 0;
    m_mask = 0;
    m_usage = 0;
}

void DKeyCombinationPage::store()
{
    if (m_mask == 0 || m_usage == 0)
        return;
    const QByteArray value = QByteArray::number(m_mask) + ',' + QByteArray::number(m_usage);
    m_mask = 0;
    m_usage = 0;
    if (!m_store.save(DKeyFunctionType::kKeyCombination, QByteArrayLiteral("1"), QByteArrayLiteral("1"), value)) {
        emit sigCustomKeyInfoSaveFailed(DKeyFunctionPages::kCombinationFunctionCode,
                                        DKeyFunctionPages::kProfileNotSaved);
        return;
    }
    emit sigShoudUpdateKeyboard(m_store.keyCode());
    emit sigCustomKeyInfoSaveSuccessful();
}
