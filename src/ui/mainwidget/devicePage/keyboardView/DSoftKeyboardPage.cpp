#include "ui/mainwidget/devicePage/keyboardView/DSoftKeyboardPage.h"
#include "ui_DSoftKeyboardPage.h"

#include "app/DDataManager.h"
#include "ui/mainwidget/devicePage/keyboardView/DKeyLayoutDescription.h"
#include "ui/mainwidget/devicePage/keyboardView/SoftKeyboardButCustom.h"

namespace {

constexpr int kUsLayoutCode = 31;
constexpr int kLayoutCode91 = 91;
constexpr int kFnUsage = -10;
constexpr int kFirstModifier = 224;
constexpr int kLastModifier = 231;
constexpr int kMaxMarkedModifiers = 2;

// The code-91 description names three keys by what they print there.
struct LabelFixUp
{
    int keyDec;
    const char* label;
};

constexpr LabelFixUp kLayout91FixUps[] = {{47, "´ `"}, {51, "Ç"}, {52, "~^"}};

bool isModifier(int keyDec)
{
    return keyDec >= kFirstModifier && keyDec <= kLastModifier;
}

} // namespace

DSoftKeyboardPage::DSoftKeyboardPage(QWidget* parent)
    : QWidget(parent)
    , m_ui(new Ui::DSoftKeyboardPage)
{
    m_ui->setupUi(this);
    setFixedSize(1000, 245);
    setTheme();
}

DSoftKeyboardPage::~DSoftKeyboardPage()
{
    delete m_ui;
}

QString DSoftKeyboardPage::descriptionFileName(int layoutCode)
{
    if (layoutCode == kUsLayoutCode)
        return QStringLiteral("softKeyInfoNormalUS.config");
    return QStringLiteral("softKeyInfoNormal_%1.config").arg(layoutCode);
}

QString DSoftKeyboardPage::fixedUpLabel(int layoutCode, int keyDec, const QString& label)
{
    const QString name = SoftKeyboardButCustom::internationalKeyName(keyDec);
    if (!name.isNull())
        return name;
    if (layoutCode == kLayoutCode91) {
        for (const LabelFixUp& fixUp : kLayout91FixUps) {
            if (fixUp.keyDec == keyDec)
                return QString::fromUtf8(fixUp.label);
        }
    }
    return label;
}

void DSoftKeyboardPage::loadKeyboardInfo(const QString& layoutName)
{
    // Every key goes, also one a later entry had pushed out of the map, and
    // the marks go with them so nothing points at a deleted key.
    for (SoftKeyboardButCustom* key : findChildren<SoftKeyboardButCustom*>(QString(), Qt::FindDirectChildrenOnly)) {
        key->hide();
        key->disconnect(this);
        key->deleteLater();
    }
    m_keyNames.clear();
    m_keyButtons.clear();
    m_markedKeys.clear();
    m_modifierCount = 0;

    m_layoutCode = DDataManager::getInstance()->softKeyboardLayoutCode(layoutName);
    const QByteArray text = DKeyLayoutDescription::readResource(
        descriptionFileName(m_layoutCode),
        "------------------------ Softkeyboard loadKeyboardInfo => fp == NULL -------------------------");
    if (text.isNull())
        return;
    parseKeyboardInfo(text);
}

void DSoftKeyboardPage::parseKeyboardInfo(const QByteArray& text)
{
    DKeyLayoutDescription description;
    if (!description.parse(text, 1, 6))
        return;
    m_virtualKeyToHid.clear();
    for (int row = 1; row <= 6; ++row) {
        for (const DKeyLayoutEntry& entry : description.row(row)) {
            const QString label = fixedUpLabel(m_layoutCode, entry.dec, entry.label);
            auto* key = new SoftKeyboardButCustom(this);
            key->setFixedButtonSize(entry.width, entry.height);
            key->setGeometry(entry.posX, entry.posY, qMax(0, entry.width), qMax(0, entry.height));
            key->setKeyInfo(entry.dec, label);
            key->show();
            m_virtualKeyToHid.insert(entry.qtDec, entry.dec);
            m_keyNames.insert(entry.dec, label);
            m_keyButtons.insert(entry.dec, key);
            connect(key, &SoftKeyboardButCustom::clicked, this, &DSoftKeyboardPage::onKeyButtonClicked);
        }
    }
    m_keyNames.insert(kFnUsage, QStringLiteral("Fn"));
    DDataManager* data = DDataManager::getInstance();
    data->setKeyNameMap(m_keyNames);
    data->setVirtualKeyToHidMap(m_virtualKeyToHid);
    emit sigSoftKeyboardAlreadyLoad();
}

void DSoftKeyboardPage::setMarkMode(int markMode)
{
    m_markMode = markMode;
}

void DSoftKeyboardPage::setMarkEnabled(bool enabled)
{
    m_markEnabled = enabled;
}

void DSoftKeyboardPage::clearMarkedKeys()
{
    for (SoftKeyboardButCustom* key : qAsConst(m_markedKeys)) {
        key->setRestoreOnLeave(true);
        key->setButtonState(0);
    }
    m_markedKeys.clear();
    m_modifierCount = 0;
}

void DSoftKeyboardPage::markKey(int keyDec)
{
    if (m_markMode != 1 || !m_markEnabled)
        return;
    SoftKeyboardButCustom* key = m_keyButtons.value(keyDec);
    if (!key || m_markedKeys.contains(key))
        return;
    key->setRestoreOnLeave(true);
    key->setButtonState(0);
}

// The keys paint in the theme's colours as they are when drawn.
void DSoftKeyboardPage::setTheme()
{
    for (SoftKeyboardButCustom* key : qAsConst(m_keyButtons))
        key->update();
}

void DSoftKeyboardPage::onKeyButtonClicked()
{
    auto* key = qobject_cast<SoftKeyboardButCustom*>(sender());
    if (!key)
        return;
    if (m_markMode == 1 && m_markEnabled) {
        if (isModifier(key->keyDec()))
            ++m_modifierCount;
        if (m_modifierCount > kMaxMarkedModifiers) {
            --m_modifierCount;
        } else {
            key->setRestoreOnLeave(false);
            key->setButtonState(1);
            m_markedKeys.append(key);
        }
    }
    emit sigSoftKeyboardClicked(key->keyDec(), key->keyCharacter());
}
