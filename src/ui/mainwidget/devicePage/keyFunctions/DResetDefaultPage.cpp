#include "ui/mainwidget/devicePage/keyFunctions/DResetDefaultPage.h"
#include "ui_DResetDefaultPage.h"

#include "app/DDataManager.h"
#include "ui/mainwidget/devicePage/keyFunctions/DKeyFunctionPages.h"

#include <QButtonGroup>

DResetDefaultPage::DResetDefaultPage(QWidget* parent)
    : QWidget(parent)
    , m_ui(new Ui::DResetDefaultPage)
{
    m_ui->setupUi(this);
    retranslate();
    m_ui->pushButton_Cancel->hide();
    m_pressModeGroup
        = DKeyFunctionPages::pressModeGroup(this, m_ui->radioButton_LightPress, m_ui->radioButton_HeavyPress);
    connect(m_pressModeGroup, &QButtonGroup::idClicked, this, &DResetDefaultPage::onCurIndexChanged_ModeSel);
}

DResetDefaultPage::~DResetDefaultPage()
{
    delete m_ui;
}

void DResetDefaultPage::retranslate()
{
    const QString label = m_ui->label_KeyChar->text();
    m_ui->retranslateUi(this);
    m_ui->label_KeyChar->setText(label);
    m_ui->label_3->setText(QObject::tr("Default"));
    m_ui->pushButton_OK->setText(QObject::tr("OK"));
    m_ui->pushButton_Cancel->setText(QObject::tr("Cancel"));
    m_ui->radioButton_LightPress->setText(QObject::tr("Light Press"));
    m_ui->radioButton_HeavyPress->setText(QObject::tr("Heavy Press"));
}

void DResetDefaultPage::loadCurrentKeyInfo()
{
    m_store.takeSelection();
    showKeyLabel();
    m_ui->frame_Top2->setVisible(DDataManager::getInstance()->isMagneticKeyboard() && m_pressModeSelectable);
    m_ui->radioButton_LightPress->setChecked(true);
    onCurIndexChanged_ModeSel(0);
}

void DResetDefaultPage::clearCurrentKey()
{
    m_store.clearKey();
    showKeyLabel();
}

void DResetDefaultPage::setPressModeVisible(bool)
{
    m_ui->frame_Top2->hide();
    m_pressModeSelectable = false;
}

void DResetDefaultPage::onCurIndexChanged_ModeSel(int)
{
    // Only the layer shown is offered; the heavy-press layer is read-only.
}

void DResetDefaultPage::on_pushButton_OK_clicked()
{
    if (!m_store.hasKey()) {
        emit sigCustomKeyInfoSaveFailed(DKeyFunctionPages::kResetFunctionCode, DKeyFunctionPages::kRefusedByPage);
        return;
    }
    if (!m_store.reset()) {
        emit sigCustomKeyInfoSaveFailed(DKeyFunctionPages::kResetFunctionCode, DKeyFunctionPages::kProfileNotSaved);
        return;
    }
    emit sigShoudUpdateKeyboard(m_store.keyCode());
    emit sigCustomKeyInfoSaveSuccessful();
}

void DResetDefaultPage::on_pushButton_Cancel_clicked()
{
    emit sigClickedCancel();
}

void DResetDefaultPage::showKeyLabel()
{
    m_ui->label_KeyChar->setText(m_store.hasKey() ? m_store.keyLabel() : QStringLiteral("NULL"));
}
