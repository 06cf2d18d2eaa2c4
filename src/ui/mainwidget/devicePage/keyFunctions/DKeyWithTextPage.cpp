#include "ui/mainwidget/devicePage/keyFunctions/DKeyWithTextPage.h"
#include "ui_DKeyWithTextPage.h"

#include "app/DFixedText.h"
#include "profiles/DKeyFunctionType.h"
#include "profiles/DKeyTextLimit.h"
#include "ui/mainwidget/devicePage/keyFunctions/DFieldHintColour.h"
#include "ui/mainwidget/devicePage/keyFunctions/DKeyFunctionPages.h"

#include <QSignalBlocker>
#include <QTextCursor>

DKeyWithTextPage::DKeyWithTextPage(QWidget* parent)
    : QWidget(parent)
    , m_ui(new Ui::DKeyWithTextPage)
{
    m_ui->setupUi(this);
    DFieldHintColour::watchFields(this);
    setTexts();
}

DKeyWithTextPage::~DKeyWithTextPage()
{
    delete m_ui;
}

void DKeyWithTextPage::retranslate()
{
    m_ui->retranslateUi(this);
    setTexts();
}

void DKeyWithTextPage::setTexts()
{
    m_ui->label_8->setText(QObject::tr("Text"));
    m_ui->textEdit_keyText->setPlaceholderText(QObject::tr("Enter text ..."));
    m_ui->pushButton_OK->setText(QObject::tr("OK"));
    m_ui->pushButton_Cancel->setText(QObject::tr("Cancel"));
}

void DKeyWithTextPage::loadCurrentKeyInfo()
{
    m_store.takeSelection();
    m_loading = true;
    m_ui->textEdit_keyText->clear();
    m_ui->textEdit_keyText->setFocus();
    keyOperateInfo info;
    if (m_store.load(&info) && DKeyFunctionStore::typeOf(info) == DKeyFunctionType::kText) {
        // Plain text: a stored text that looks like markup is what the key types.
        m_ui->textEdit_keyText->setPlainText(DFixedText::utf8(info.value));
        m_ui->textEdit_keyText->moveCursor(QTextCursor::End);
    }
    m_loading = false;
}

void DKeyWithTextPage::on_textEdit_keyText_textChanged()
{
    m_text = m_ui->textEdit_keyText->toPlainText();
    if (DKeyTextLimit::fits(m_text))
        return;
    const DKeyTextLimit::Fitted fitted = DKeyTextLimit::fit(m_text, m_ui->textEdit_keyText->textCursor().position());
    {
        const QSignalBlocker blocker(m_ui->textEdit_keyText);
        m_ui->textEdit_keyText->setPlainText(fitted.text);
        QTextCursor cursor = m_ui->textEdit_keyText->textCursor();
        cursor.setPosition(fitted.cursor);
        m_ui->textEdit_keyText->setTextCursor(cursor);
    }
    m_text = fitted.text;
    if (!m_loading)
        emit sigCustomKeyInfoSaveFailed(DKeyFunctionPages::kTextFunctionCode, DKeyFunctionPages::kTextCut);
}

void DKeyWithTextPage::on_pushButton_OK_clicked()
{
    if (m_text.isEmpty()) {
        emit sigCustomKeyInfoSaveFailed(DKeyFunctionPages::kTextFunctionCode, DKeyFunctionPages::kRefusedByPage);
        return;
    }
    if (!m_store.save(DKeyFunctionType::kText, "1", "1", m_text.toUtf8())) {
        emit sigCustomKeyInfoSaveFailed(DKeyFunctionPages::kTextFunctionCode, DKeyFunctionPages::kProfileNotSaved);
        return;
    }
    emit sigShoudUpdateKeyboard(m_store.keyCode());
    emit sigCustomKeyInfoSaveSuccessful();
}

void DKeyWithTextPage::on_pushButton_Cancel_clicked()
{
    emit sigClickedCancel();
}
