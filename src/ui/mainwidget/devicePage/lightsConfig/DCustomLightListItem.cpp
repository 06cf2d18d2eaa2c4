#include "ui/mainwidget/devicePage/lightsConfig/DCustomLightListItem.h"

#include "app/DDataManager.h"
#include "profiles/DCustomLightSchemeList.h"
#include "ui/widgets/DAppStyle.h"
#include "ui_DCustomLightListItem.h"

#include <QMouseEvent>

DCustomLightListItem::DCustomLightListItem(QWidget* parent)
    : QWidget(parent)
    , m_ui(new Ui::DCustomLightListItem)
{
    m_ui->setupUi(this);
    m_ui->pushButton_CustomOperate->hide();
    m_ui->stackedWidget->setCurrentWidget(m_ui->page_Default);
    connect(m_ui->lineEdit_CustomItemName, &QLineEdit::textEdited, this, &DCustomLightListItem::onNameEdited);
    // Enter keeps the name, as the tick beside the field does.
    connect(m_ui->lineEdit_CustomItemName, &QLineEdit::returnPressed, this,
            &DCustomLightListItem::on_pushButton_Save_clicked);
    retranslate();
}

void DCustomLightListItem::retranslate()
{
    // The form's own texts are the name, which the row keeps.
    m_ui->checkBox->setToolTip(QObject::tr("Use this scheme on the keyboard"));
}

DCustomLightListItem::~DCustomLightListItem()
{
    delete m_ui;
}

void DCustomLightListItem::setItemInfo(QString index, QString name, QString status, int slot)
{
    m_customLightIndex = index;
    m_customLightName = name;
    m_usingStatus = status;
    m_flagIndex = slot;
    m_ui->checkBox->setChecked(status == QLatin1String(DCustomLightSchemeList::kUsingStatus));
    m_ui->label_CustomItemName->setText(name);
}

void DCustomLightListItem::setSelectedLook(bool selected)
{
    m_selectedLook = selected;
    DAppStyle::setState(m_ui->frame_5, "selected", selected);
    DAppStyle::setState(m_ui->label_CustomItemName, "selected", selected);
}

void DCustomLightListItem::setUsingChecked(bool checked)
{
    m_ui->checkBox->setChecked(checked);
}

void DCustomLightListItem::mousePressEvent(QMouseEvent* event)
{
    emit sigCustomLightItemMouseClicked(m_customLightIndex, m_customLightName);
    event->accept();
}

void DCustomLightListItem::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The press of the double click already reported a click.
    m_ui->lineEdit_CustomItemName->setText(DCustomLightSchemeList::fitName(m_customLightName));
    m_ui->stackedWidget->setCurrentWidget(m_ui->page_ModifyName);
    m_ui->lineEdit_CustomItemName->setFocus();
    event->accept();
}

void DCustomLightListItem::on_checkBox_clicked()
{
    // A scheme is only ever turned on here; the page turns the others off.
    if (!m_ui->checkBox->isChecked()) {
        m_ui->checkBox->setChecked(true);
        return;
    }
    emit sigCustomLightUsingStatus(true);
    m_ui->checkBox->clearFocus();
}

void DCustomLightListItem::on_pushButton_Save_clicked()
{
    const QString name = m_ui->lineEdit_CustomItemName->text();
    if (name.isEmpty()) {
        emit sigModifyCustomLightItemNameIsEmpty();
        return;
    }
    char path[DDataManager::kPathBufferSize] = {};
    DDataManager* data = DDataManager::getInstance();
    data->copyCurrentProfilePath(path);
    if (!DCustomLightSchemeList::rename(path, data->currentProfileIndex(), m_customLightIndex, name)) {
        emit sigModifyCustomLightItemNameFailed();
        return;
    }
    m_ui->label_CustomItemName->setText(name);
    m_customLightName = name;
    m_ui->stackedWidget->setCurrentWidget(m_ui->page_Default);
    emit sigModifyCustomLightItemNameSuccess();
}

void DCustomLightListItem::on_pushButton_Cancel_clicked()
{
    m_ui->stackedWidget->setCurrentWidget(m_ui->page_Default);
}

void DCustomLightListItem::onNameEdited(const QString& text)
{
    // What is shown is what the store's name field can hold.
    const QString fitting = DCustomLightSchemeList::fitName(text);
    if (fitting != text) {
        QLineEdit* edit = m_ui->lineEdit_CustomItemName;
        const int cursor = edit->cursorPosition();
        edit->setText(fitting);
        edit->setCursorPosition(qMin(cursor, fitting.size()));
    }
}
