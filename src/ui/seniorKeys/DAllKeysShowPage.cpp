#include "ui/seniorKeys/DAllKeysShowPage.h"
#include "ui_DAllKeysShowPage.h"

#include "ui/mainwidget/devicePage/keyboardView/DKeyLayoutDescription.h"
#include "ui/seniorKeys/DAllKeysItemKey.h"
#include "ui/widgets/FlowLayout.h"

DAllKeysShowPage::DAllKeysShowPage(QWidget* parent)
    : QWidget(parent)
    , m_ui(new Ui::DAllKeysShowPage)
{
    m_ui->setupUi(this);
    m_ui->label_15->setText(QObject::tr("Key Combination"));
    m_ui->label_16->setText(QObject::tr("Normal Keys"));
    m_ui->label_17->setText(QObject::tr("Special Keys"));

    m_keyCombinationLayout = new FlowLayout(m_ui->widget_KeyCombination, -1, -1, -1);
    m_normalKeysLayout = new FlowLayout(m_ui->widget_NormalKeys, -1, -1, -1);
    m_specialKeysLayout = new FlowLayout(m_ui->widget_SpecialKeys, -1, -1, -1);

    loadKeyboardInfo();
}

DAllKeysShowPage::~DAllKeysShowPage()
{
    delete m_ui;
}

void DAllKeysShowPage::loadKeyboardInfo()
{
    // Read straight from the bundle: the list is ours and never leaves it.
    const QByteArray text = DKeyLayoutDescription::readResource(
        QStringLiteral("AllKeysInfo.config"),
        "------------------------ loadKeyboardInfo => fp == NULL -------------------------");
    if (text.isNull())
        return;
    parseKeyboardInfo(text);
}

void DAllKeysShowPage::parseKeyboardInfo(const QByteArray& text)
{
    FlowLayout* const groups[] = {m_keyCombinationLayout, m_normalKeysLayout, m_specialKeysLayout};
    constexpr int kFirstRow = 1;
    DKeyLayoutDescription list;
    if (list.parse(text, kFirstRow, kFirstRow + 2)) {
        for (int group = 0; group < 3; ++group) {
            for (const DKeyLayoutEntry& entry : list.row(kFirstRow + group)) {
                if (!entry.hasDec || !entry.hasCharacter)
                    continue;
                auto* button = new DAllKeysItemKey();
                connect(button, &QAbstractButton::clicked, this, &DAllKeysShowPage::onKeyButtonClicked);
                button->setMinimumSize(30, 30);
                button->setKeyInfo(entry.dec, entry.label);
                groups[group]->addWidget(button);
                m_allKeysMap.insert(entry.dec, entry.label);
            }
        }
    }
    emit sigAllKeysInfoAlreadyLoadedA();
}

void DAllKeysShowPage::onKeyButtonClicked()
{
    if (auto* button = qobject_cast<DAllKeysItemKey*>(sender()))
        emit sigKeyListClicked(button->keyDec(), button->keyCharacter());
}
