#include "ui/firmware/UpdateFirmwareInfoItem.h"

#include "app/DDataManager.h"
#include "app/DFixedText.h"
#include "app/logCategories.h"
#include "devices/DBootloaderIdentity.h"
#include "devices/DUpgradeDeviceName.h"
#include "hid/MainHidInterFace.h"
#include "hid/reports/DLinkReports.h"

#include "ui_UpdateFirmwareInfoItem.h"

#include <QDebug>
#include <QFontMetrics>
#include <QLabel>

#include <algorithm>

namespace {

// The widest the name may grow before it is cut: the longest catalogue name
// fits. The progress column gives up the room, down to what its caption,
// a bar and the percentage need.
constexpr int kNameRoomPx = 230;
constexpr int kProgressColumnMinPx = 220;

} // namespace

UpdateFirmwareInfoItem::UpdateFirmwareInfoItem(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::UpdateFirmwareInfoItem)
{
    ui->setupUi(this);
    ui->frame_Center->setMinimumWidth(kProgressColumnMinPx);
    ui->stackedWidget->setCurrentWidget(ui->page_1);
    setProgress(0);
    retranslate();
}

UpdateFirmwareInfoItem::~UpdateFirmwareInfoItem()
{
    delete ui;
}

void UpdateFirmwareInfoItem::retranslate()
{
    ui->label->setText(QObject::tr("Product name:"));
    ui->label_3->setText(QObject::tr("Update progress:"));
    ui->label_2->setText(QObject::tr("Current version:"));
    ui->label_5->setText(QObject::tr("New version:"));
    ui->pushButton_Update->setText(QObject::tr("Update"));
    ui->label_SuccessfulTip->setText(QObject::tr("Complete"));
    fitCaptionColumn();
}

void UpdateFirmwareInfoItem::fitCaptionColumn()
{
    ensurePolished();
    int widest = 0;
    for (const QLabel* caption : {ui->label_3, ui->label_5})
        widest = std::max(widest, caption->sizeHint().width());
    const QMargins margins = ui->frame_3->layout()->contentsMargins();
    ui->frame_3->setMinimumWidth(widest + margins.left() + margins.right());
}

void UpdateFirmwareInfoItem::setInfo(const hidStructInfoAll& record, MainHidInterFace* hidInterface,
                                     const QString& serialNumber)
{
    m_serialNumber.clear();
    m_newVersion = DFixedText::latin1(record.newFirmwareVersion);
    ui->label_NewVer->setText(m_newVersion);
    ui->label_OldVer->clear();
    showDevice(record, hidInterface, serialNumber);
    m_madeForBootloader = m_bootloader;
}

void UpdateFirmwareInfoItem::followDevice(const hidStructInfoAll& record, MainHidInterFace* hidInterface,
                                          const QString& serialNumber)
{
    showDevice(record, hidInterface, serialNumber);
}

void UpdateFirmwareInfoItem::showDevice(const hidStructInfoAll& record, MainHidInterFace* hidInterface,
                                        const QString& serialNumber)
{
    m_hidPath = DFixedText::latin1(record.hidPath);
    m_bootloader = DBootloaderIdentity::isCatalogueUpgradeMode(m_hidPath);
    m_hidInterface = m_bootloader ? nullptr : hidInterface;
    m_available = m_bootloader || (hidInterface && record.isOnline == 1);
    if (!serialNumber.isEmpty())
        m_serialNumber = serialNumber;
    m_modelName = DFixedText::latin1(record.modelName);
    // A bootloader does not say which connection it serves; the row keeps
    // what its keyboard said.
    if (!m_bootloader)
        m_usbOrDongle = record.is24G;
    const QString name
        = DUpgradeDeviceName::of(DFixedText::utf8(record.productName), DFixedText::utf8(record.likeName));
    QLabel* nameLabel = ui->label_HidLikeName;
    nameLabel->ensurePolished();
    const QFontMetrics metrics(nameLabel->font());
    // The name takes the room it needs, up to what the row can spare; only
    // a name longer than that is cut, and only a cut name has a tooltip.
    const int room = std::max(nameLabel->minimumWidth(), kNameRoomPx);
    const QString shown = metrics.elidedText(name, Qt::ElideRight, room);
    nameLabel->setMinimumWidth(
        std::min(room, std::max(nameLabel->minimumWidth(), metrics.horizontalAdvance(shown) + 4)));
    nameLabel->setText(shown);
    nameLabel->setToolTip(shown == name ? QString() : name);
    // What the keyboard runs now; a bootloader does not tell, so the last
    // version its keyboard reported stays.
    const QString version = DFixedText::latin1(record.firmwareVersion);
    if (!version.isEmpty() || !m_bootloader)
        ui->label_OldVer->setText(version);
    updateButton();
}

void UpdateFirmwareInfoItem::detachDevice()
{
    m_hidInterface = nullptr;
    m_available = false;
    m_bootloader = false;
    updateButton();
}

void UpdateFirmwareInfoItem::setUpdateEnabled(bool enabled)
{
    m_enabledByWindow = enabled;
    updateButton();
}

void UpdateFirmwareInfoItem::updateButton()
{
    // A keyboard without an open link cannot be told to upgrade.
    ui->pushButton_Update->setEnabled(m_enabledByWindow && m_available);
}

void UpdateFirmwareInfoItem::setProgress(int n)
{
    ui->progressBar->setValue(n);
    ui->progressBar->repaint();
    ui->label_ProgressNum->setText(QString::number(n) + QLatin1Char('%'));
}

void UpdateFirmwareInfoItem::showCompletePage()
{
    ui->stackedWidget->setCurrentWidget(ui->page_2);
    m_busy = false;
}

void UpdateFirmwareInfoItem::showUpdatePage()
{
    ui->stackedWidget->setCurrentWidget(ui->page_1);
    m_busy = false;
}

void UpdateFirmwareInfoItem::on_pushButton_Update_clicked()
{
    if (m_busy || !m_available)
        return;
    m_busy = true;
    // A keyboard already in its bootloader is written as it is.
    if (!m_bootloader) {
        const DReportFrame report = DLinkReports::enterBootloader();
        if (!m_hidInterface || m_hidInterface->queueCmdReport(report) < 0)
            qCDebug(lcFirmware) << "USB serial port [Into firmware] Failed ...";
    }
    emit sigStartUpgradeing();
}
