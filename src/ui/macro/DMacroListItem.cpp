#include "ui/macro/DMacroListItem.h"

#include "ui/macro/macroMenuToolWidget.h"
#include "ui/widgets/ArrowWidget.h"
#include "ui/widgets/DAppStyle.h"
#include "ui_DMacroListItem.h"

#include <QMouseEvent>
#include <QVariant>

namespace {

constexpr int kPopupWidth = 160;
constexpr int kPopupHeight = 130;
constexpr int kPopupArrowX = 73;
// The arrow's tip lies this far right of and below the bubble's corner.
constexpr QPoint kPopupTipOffset(80, 20);

} // namespace

DMacroListItem::DMacroListItem(QWidget* parent)
    : QWidget(parent)
    , m_ui(new Ui::DMacroListItem)
{
    m_ui->setupUi(this);
    setFixedHeight(46);
    m_ui->label_BindingStatus->hide();
    m_ui->stackedWidget->setCurrentWidget(m_ui->page_Default);

    setSelected(false);
}

DMacroListItem::~DMacroListItem()
{
    delete m_ui;
}

void DMacroListItem::setMacroFilePath(const char* path)
{
    m_macroFile = DMacroFile(QByteArray(path ? path : ""));
}

void DMacroListItem::setData(QString index, QString name)
{
    m_macroIndex = index;
    m_macroName = name;
    m_ui->label_MacroName->setText(name);
}

void DMacroListItem::setSelected(bool on)
{
    DAppStyle::setState(m_ui->frame_5, "selected", on);
}

void DMacroListItem::mousePressEvent(QMouseEvent* event)
{
    emit sigMacroItemMouseClicked(m_macroIndex, m_macroName);
    event->accept();
}

void DMacroListItem::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The press of the double-click already reported a click.
    onMacroModifyNanme();
    event->accept();
}

void DMacroListItem::onCloseMenuWidow()
{
    if (m_menuPopup)
        m_menuPopup->hide();
}

void DMacroListItem::onMacroExport()
{
    emit sigExportMacroChildList(m_macroIndex, m_macroName);
}

void DMacroListItem::onMacroDelete()
{
    emit sigDeleteMacro(m_macroIndex, m_macroName);
}

void DMacroListItem::onMacroModifyNanme()
{
    m_ui->lineEdit_MacroName->setText(m_macroName);
    m_ui->stackedWidget->setCurrentWidget(m_ui->page_ModifyName);
    m_ui->lineEdit_MacroName->setFocus();
}

void DMacroListItem::on_pushButton_MacroOperate_clicked()
{
    // One bubble per row, built on first use and shown again after.
    if (!m_menuPopup) {
        auto* menu = new macroMenuToolWidget(this);
        connect(menu, &macroMenuToolWidget::sigCloseMenuWidow, this, &DMacroListItem::onCloseMenuWidow);
        connect(menu, &macroMenuToolWidget::sigMacroExport, this, &DMacroListItem::onMacroExport);
        connect(menu, &macroMenuToolWidget::sigMacroDelete, this, &DMacroListItem::onMacroDelete);
        connect(menu, &macroMenuToolWidget::sigMacroModifyNanme, this, &DMacroListItem::onMacroModifyNanme);
        m_menuPopup = new ArrowWidget(ArrowWidget::ArrowTop, this);
        m_menuPopup->setPopupSize(kPopupWidth, kPopupHeight);
        m_menuPopup->setArrowX(kPopupArrowX);
        m_menuPopup->setContentWidget(menu);
        // The menu never takes the keyboard from the editor, so the name
        // field its "Modify Name" opens, and every other field, takes typing
        // at once; a click elsewhere closes it.
        m_menuPopup->setClosesOnClickOutside(true);
    }
    const QPushButton* button = m_ui->pushButton_MacroOperate;
    const QPoint tip = button->mapToGlobal(QPoint(button->width() / 2, button->height() - 6));
    m_menuPopup->move(tip - kPopupTipOffset);
    m_menuPopup->show();
}

void DMacroListItem::on_pushButton_Save_clicked()
{
    const QString name = m_ui->lineEdit_MacroName->text();
    if (name.isEmpty()) {
        emit sigModifyMacroItemNameIsEmpty();
        return;
    }
    if (!m_macroFile.rename(m_macroIndex, name)) {
        emit sigModifyMacroItemNameFailed();
        return;
    }
    m_ui->label_MacroName->setText(name);
    m_macroName = name;
    m_ui->stackedWidget->setCurrentWidget(m_ui->page_Default);
    emit sigModifyMacroItemNameSuccess();
}

void DMacroListItem::on_pushButton_Cancel_clicked()
{
    m_ui->stackedWidget->setCurrentWidget(m_ui->page_Default);
}
