#include "ui/mainwidget/devicePage/keyFunctions/DKeyDisablePage.h"
#include "ui_DKeyDisablePage.h"

#include "profiles/DKeyFunctionType.h"
#include "ui/mainwidget/devicePage/keyFunctions/DKeyFunctionPages.h"

DKeyDisablePage::DKeyDisablePage(QWidget* parent)
    : QWidget(parent)
    , m_ui(new Ui::DKeyDisablePage)
{
    m_ui->setupUi(this);
    retranslate();
}

DKeyDisablePage::~DKeyDisablePage()
{
    delete m_ui;
}

void DKeyDisablePage::retranslate()
{
    const QString keyLabel = m_ui->label_KeyChar->text();
    m_ui->retranslateUi(this);
    m_ui->label_KeyChar->setText(keyLabel);
    m_ui->label_3->setText(QObject::tr("Disable"));
    m_ui->pushButton_OK->setText(QObject::tr("OK"));
    m_ui->pushButton_Cancel->setText(QObject::tr("Cancel"));
}

void DKeyDisablePage::loadCurrentKeyInfo()
{
    m_store.takeSelection();
    m_ui->label_KeyChar->setText(m_store.keyLabel());
}

void DKeyDisablePage::on_pushButton_OK_clicked()
{
    if (!m_store.save(DKeyFunctionType::kDisable, QByteArrayLiteral("1"), QByteArrayLiteral("1"),
                      QByteArrayLiteral("-1"))) {
        emit sigCustomKeyInfoSaveFailed(DKeyFunctionPages::kDisableFunctionCode, DKeyFunctionPages::kProfileNotSaved);
        return;
    }
    emit sigShoudUpdateKeyboard(m_store.keyCode());
    emit sigCustomKeyInfoSaveSuccessful();
}

void DKeyDisablePage::on_pushButton_Cancel_clicked()
{
    emit sigClickedCancel();
}
