#include "ui/firmware/DUpdateFirmwareDia.h"

#include "app/DDataManager.h"
#include "app/DThemeColor.h"
#include "hid/DDeviceKeyboardLink.h"
#include "ui/firmware/UpdateFirmwareInfoItem.h"
#include "ui/widgets/CbNotice.h"

#include "ui/widgets/DPopupShape.h"
#include "ui_DUpdateFirmwareDia.h"

#include <QColor>

DUpdateFirmwareDia::DUpdateFirmwareDia(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::DUpdateFirmwareDia)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_DeleteOnClose);
    DPopupShape::apply(this);
    setFixedSize(740, 520);
    m_rowLayout = ui->verticalLayout_17;
    ui->label_Title->setText(QObject::tr("Update Firmware"));

    ui->widget_Tip->setTextFont(QStringLiteral("Microsoft Yahei"), 14);
    ui->widget_Tip->setBackground(QColor(0, 0, 0, 1));
    ui->widget_Tip->setForeground(QColor(255, 50, 0, 255));
    ui->widget_Tip->setText(QObject::tr("If the firmware is being updated, do not unplug the device!"));

    m_notice = new CbNotice(this);
    applyTheme();
    if (parent)
        move((parent->width() - width()) / 2, (parent->height() - height()) / 2);

    connect(this, &DUpdateFirmwareDia::sigUpgradeFirmwareSuc, this, &DUpdateFirmwareDia::onUpgradeFirmwareSuc);
    connect(this, &DUpdateFirmwareDia::sigUpgradeFirmwareFailed, this, &DUpdateFirmwareDia::onUpgradeFirmwareFailed);
    connect(this, &DUpdateFirmwareDia::sigUpgradeProgress, this, &DUpdateFirmwareDia::onUpgradeProgress);
}

DUpdateFirmwareDia::~DUpdateFirmwareDia()
{
    delete ui;
}

void DUpdateFirmwareDia::applyTheme()
{
    const themeColorData theme = DDataManager::getInstance()->themeColors();
    ui->frame_Bg->setStyleSheet(DThemeColor::fillStyleSheet(
        QStringLiteral("QFrame#frame_Bg{ background-color: rgb(%1); border: 1px solid rgb(%2); border-radius: 12px; }"),
        {theme.upgradeBgColor, theme.textCheckedColor}));
    ui->frame_Title->setStyleSheet(DThemeColor::fillStyleSheet(
        QStringLiteral("QFrame#frame_Title{ background-color: rgb(%1); border: none; border-bottom: 2px solid rgb(%2);"
                       " border-top-left-radius: 12px; border-top-right-radius: 12px; }"
                       "QLabel#label_Title{ color: rgb(%3); font: 75 13pt \"%4\"; }"),
        {theme.upgradeBgColor, theme.upgradeBorderColor, theme.textCheckedColor, theme.textFont}));
    ui->widget_4->setStyleSheet(DThemeColor::fillStyleSheet(
        QStringLiteral("QScrollBar:vertical{ background: transparent; width: 3px; margin: 3px 0px 3px 0px; }"
                       "QScrollBar::handle:vertical{ background: rgba(0, 0, 0, 20%); min-height: 20px;"
                       " border-radius: 1px; }"
                       "QScrollBar::handle:vertical:hover{ background: rgba(0, 0, 0, 30%); }"
                       "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical{ height: 0px; }"
                       "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical{ background: rgb(%1);"
                       " border-radius: 3px; }"),
        {theme.allScrollBarColorDef}));
    // The body's own colour shows through the list; a near-transparent fill
    // of its own turns black on a display without a compositor.
    ui->scrollArea_2->setStyleSheet(
        QStringLiteral("QScrollArea#scrollArea_2, QWidget#qt_scrollarea_viewport, QWidget#scrollAreaWidgetContents_2"
                       "{ background: transparent; border: none; }"));

    m_notice->setTheme(theme);
}

void DUpdateFirmwareDia::clearRows()
{
    // The trailing spacer stays; rows go with deferred deletion, since a
    // row's own signal may be what leads here.
    while (m_rowLayout->count() > 1) {
        QLayoutItem* item = m_rowLayout->takeAt(0);
        if (QWidget* widget = item->widget()) {
            widget->hide();
            widget->deleteLater();
        }
        delete item;
    }
    m_rows.clear();
    m_activeRow = nullptr;
}

void DUpdateFirmwareDia::setDeviceList(const QList<hidStructInfoAll>& records,
                                       const QMap<QString, DDeviceKeyboardLink*>& links)
{
    clearRows();
    for (const hidStructInfoAll& record : records) {
        auto* row = new UpdateFirmwareInfoItem(ui->scrollAreaWidgetContents_2);
        DDeviceKeyboardLink* link = links.value(QString::fromLatin1(record.hidPath));
        row->setInfo(record, link ? link->hidInterface() : nullptr, link ? link->currentSN() : QString());
        connect(row, &UpdateFirmwareInfoItem::sigStartUpgradeing, this, &DUpdateFirmwareDia::onStartUpgradeing);
        m_rowLayout->insertWidget(m_rowLayout->count() - 1, row);
        m_rows.append(row);
    }
}

void DUpdateFirmwareDia::onStartUpgradeing()
{
    m_progressMax.reset();
    auto* row = qobject_cast<UpdateFirmwareInfoItem*>(sender());
    if (!row)
        return;
    m_activeRow = row;
    for (UpdateFirmwareInfoItem* each : qAsConst(m_rows))
        each->setUpdateEnabled(each == row);
    emit sigStartHidUpgrade(row->hidPath(), row->serialNumber(), row->modelName(), row->usbOrDongle());
}

void DUpdateFirmwareDia::reportProgress(int total, int done)
{
    const int percent = m_progressMax.next(total, done);
    if (percent >= 0)
        emit sigUpgradeProgress(percent);
}

void DUpdateFirmwareDia::reportSuccess()
{
    emit sigUpgradeFirmwareSuc();
}

void DUpdateFirmwareDia::reportFailure()
{
    emit sigUpgradeFirmwareFailed();
}

void DUpdateFirmwareDia::onUpgradeProgress(int ProgressNum)
{
    if (m_activeRow)
        m_activeRow->setProgress(ProgressNum);
}

void DUpdateFirmwareDia::onUpgradeFirmwareSuc()
{
    if (m_activeRow)
        m_activeRow->showCompletePage();
    for (UpdateFirmwareInfoItem* row : qAsConst(m_rows))
        row->setUpdateEnabled(true);
    showToast(QObject::tr("Update successful"));
}

void DUpdateFirmwareDia::onUpgradeFirmwareFailed()
{
    if (m_activeRow)
        m_activeRow->showUpdatePage();
    showToast(QObject::tr("Update failed"));
}

void DUpdateFirmwareDia::showToast(const QString& text)
{
    m_notice->showNoticeTextAt(text, rect().center());
}

void DUpdateFirmwareDia::on_pushButton_Close_clicked()
{
    emit sigUpdateFirmwareWindowClose();
    close();
}
