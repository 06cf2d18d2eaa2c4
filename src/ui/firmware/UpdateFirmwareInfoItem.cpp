#include "ui/firmware/UpdateFirmwareInfoItem.h"

#include "app/DDataManager.h"
#include "app/DFixedText.h"
#include "app/DThemeColor.h"
#include "hid/MainHidInterFace.h"
#include "hid/reports/DLinkReports.h"

#include "ui_UpdateFirmwareInfoItem.h"

#include <QDebug>
#include <QFontMetrics>
#include <QLabel>

UpdateFirmwareInfoItem::UpdateFirmwareInfoItem(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::UpdateFirmwareInfoItem)
{
    ui->setupUi(this);
    ui->stackedWidget->setCurrentWidget(ui->page_1);
    setProgress(0);
    retranslate();
    applyTheme();
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
}

void UpdateFirmwareInfoItem::applyTheme()
{
    const themeColorData theme = DDataManager::getInstance()->themeColors();
    ui->frame_Bg110->setStyleSheet(DThemeColor::fillStyleSheet(
        QStringLiteral("QFrame#frame_Bg110{ border: none; border-bottom: 2px solid rgb(%1); }"
                       "QLabel{ color: rgb(%2); font: 75 12pt \"%3\"; }"),
        {theme.upgradeItemBorderColor, theme.textCheckedColor, theme.textFont}));
    ui->progressBar->setStyleSheet(DThemeColor::fillStyleSheet(
        QStringLiteral("QProgressBar{ background-color: rgb(%1); border: none; border-radius: 6px; }"
                       "QProgressBar::chunk{ background-color: rgb(%2); border-radius: 6px; }"),
        {theme.upgradeProgressBarTopColor, theme.upgradeProgressBarBottomColor}));
    ui->pushButton_Update->setStyleSheet(DThemeColor::fillStyleSheet(
        QStringLiteral("QPushButton{ border-radius: 8px; border: 2px solid rgb(%1); background-color: rgb(%2);"
                       " color: rgb(%3); font: 75 10pt \"%4\"; }"
                       "QPushButton:hover{ background-color: rgb(%2); border: 2px solid rgb(%5); }"
                       "QPushButton:pressed{ color: rgb(%5); background-color: rgb(%2); border: 2px solid rgb(%5); }"),
        {theme.deviceBorderColor, theme.upgradeBgColor, theme.textDefaultColor, theme.textFont,
         theme.textCheckedColor}));
}

void UpdateFirmwareInfoItem::setInfo(const hidStructInfoAll& record, MainHidInterFace* hidInterface,
                                     const QString& serialNumber)
{
    m_hidInterface = hidInterface;
    m_available = hidInterface && record.isOnline == 1;
    m_hidPath = DFixedText::latin1(record.hidPath);
    m_serialNumber = serialNumber;
    m_modelName = DFixedText::latin1(record.modelName);
    m_usbOrDongle = record.is24G;
    m_newVersion = DFixedText::latin1(record.newFirmwareVersion);
    // A long name is cut with an ellipsis to the room its column has; the
    // whole name is the label's tooltip.
    const QString name = DFixedText::utf8(record.productName) + QLatin1Char(' ') + DFixedText::utf8(record.likeName);
    QLabel* nameLabel = ui->label_HidLikeName;
    nameLabel->ensurePolished();
    nameLabel->setText(QFontMetrics(nameLabel->font()).elidedText(name, Qt::ElideRight, nameLabel->minimumWidth()));
    nameLabel->setToolTip(name);
    ui->label_OldVer->setText(DFixedText::latin1(record.firmwareVersion));
    ui->label_NewVer->setText(m_newVersion);
    ui->pushButton_Update->setEnabled(m_available);
}

void UpdateFirmwareInfoItem::setUpdateEnabled(bool enabled)
{
    // A keyboard without an open link cannot be told to upgrade.
    ui->pushButton_Update->setEnabled(enabled && m_available);
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
    // A keyboard already in its bootloader has no link left to tell; the
    // upgrade starts all the same and finds the bootloader.
    const DReportFrame report = DLinkReports::enterBootloader();
    if (!m_hidInterface || m_hidInterface->queueCmdReport(report) < 0)
        qDebug() << "USB serial port [Into firmware] Failed ...";
    emit sigStartUpgradeing();
}
