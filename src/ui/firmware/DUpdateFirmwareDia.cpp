#include "ui/firmware/DUpdateFirmwareDia.h"

#include "app/DDataManager.h"
#include "app/DFixedText.h"
#include "app/DThemeRoles.h"
#include "devices/DUpgradeRowTargets.h"
#include "hid/DDeviceKeyboardLink.h"
#include "ui/firmware/UpdateFirmwareInfoItem.h"
#include "ui/widgets/CbNotice.h"
#include "ui/widgets/DPopupShape.h"
#include "ui_DUpdateFirmwareDia.h"

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
    const DDataManager* data = DDataManager::getInstance();
    const themeColorData theme = data->themeColors();
    const DThemeRoles& roles = data->themeRoles();
    // The warning runs across the window's foot, painted, not styled.
    ui->widget_Tip->setTextFont(theme.textFont, 14);
    ui->widget_Tip->setBackground(roles.color(DThemeRoles::Transparent));
    ui->widget_Tip->setForeground(roles.color(DThemeRoles::UpgradeWarning));
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
    for (const hidStructInfoAll& record : records)
        addRow(record, links.value(QString::fromLatin1(record.hidPath)));
}

void DUpdateFirmwareDia::addRow(const hidStructInfoAll& record, DDeviceKeyboardLink* link)
{
    auto* row = new UpdateFirmwareInfoItem(ui->scrollAreaWidgetContents_2);
    row->setInfo(record, link ? link->hidInterface() : nullptr, link ? link->currentSN() : QString());
    row->setUpdateEnabled(!m_othersDisabled);
    connect(row, &UpdateFirmwareInfoItem::sigStartUpgradeing, this, &DUpdateFirmwareDia::onStartUpgradeing);
    m_rowLayout->insertWidget(m_rowLayout->count() - 1, row);
    m_rows.append(row);
}

void DUpdateFirmwareDia::followDevices(const QMap<QString, hidStructInfoAll>& keyboards,
                                       const QMap<QString, DDeviceKeyboardLink*>& links,
                                       const QList<hidStructInfoAll>& bootloaders)
{
    const auto serialOf = [&links](const QString& path) {
        const DDeviceKeyboardLink* link = links.value(path);
        return link ? link->currentSN() : QString();
    };
    QList<DUpgradeRowTargets::Row> rows;
    for (const UpdateFirmwareInfoItem* row : qAsConst(m_rows))
        rows.append({{row->hidPath(), row->modelName(), row->usbOrDongle() != 0, row->serialNumber()},
                     row->madeForBootloader()});
    QList<DUpgradeRowTargets::Device> present;
    for (const hidStructInfoAll& record : keyboards) {
        const QString path = DFixedText::latin1(record.hidPath);
        present.append({path, DFixedText::latin1(record.modelName), record.is24G != 0, serialOf(path)});
    }
    QMap<QString, hidStructInfoAll> bootloaderRecords;
    QList<DUpgradeRowTargets::Device> waiting;
    for (const hidStructInfoAll& record : bootloaders) {
        const QString path = DFixedText::latin1(record.hidPath);
        bootloaderRecords.insert(path, record);
        waiting.append({path, DFixedText::latin1(record.modelName), false, QString()});
    }

    const DUpgradeRowTargets::Plan plan = DUpgradeRowTargets::plan(rows, present, waiting);
    for (int i = 0; i < m_rows.size(); ++i) {
        UpdateFirmwareInfoItem* row = m_rows.at(i);
        const DUpgradeRowTargets::Target& target = plan.rows.at(i);
        switch (target.kind) {
        case DUpgradeRowTargets::Kind::Keyboard: {
            DDeviceKeyboardLink* link = links.value(target.path);
            row->followDevice(keyboards.value(target.path), link ? link->hidInterface() : nullptr,
                              serialOf(target.path));
            break;
        }
        case DUpgradeRowTargets::Kind::Bootloader:
            row->followDevice(bootloaderRecords.value(target.path), nullptr, QString());
            break;
        case DUpgradeRowTargets::Kind::None:
            row->detachDevice();
            break;
        }
    }
    for (const QString& path : plan.newBootloaders)
        addRow(bootloaderRecords.value(path), nullptr);
}

void DUpdateFirmwareDia::onStartUpgradeing()
{
    m_progressMax.reset();
    auto* row = qobject_cast<UpdateFirmwareInfoItem*>(sender());
    if (!row)
        return;
    m_activeRow = row;
    m_othersDisabled = true;
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
    m_othersDisabled = false;
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
