#include "ui/mainwidget/devicePage/DDeviceListItem.h"
#include "ui_DDeviceListItem.h"

#include "app/DDataManager.h"
#include "sdk/models/ModelCatalogue.h"
#include "ui/widgets/DAppStyle.h"
#include "ui/mainwidget/devicePage/keyboardView/keyboardImageFrameItem.h"

#include <QMouseEvent>
#include <QPixmap>

DDeviceListItem::DDeviceListItem(QWidget* parent)
    : QWidget(parent)
    , m_ui(new Ui::DDeviceListItem)
{
    m_ui->setupUi(this);
    setFixedSize(kRowWidth, kRowHeight);
    m_offlineOverlay = new QWidget(this, Qt::FramelessWindowHint);
    m_offlineOverlay->setObjectName(QStringLiteral("widget"));
    m_offlineOverlay->setAttribute(Qt::WA_StyledBackground, true);
    m_offlineOverlay->setGeometry(0, 0, kRowWidth, kRowHeight);
    m_offlineOverlay->hide();
    setTheme();
}

DDeviceListItem::~DDeviceListItem()
{
    delete m_ui;
}

QString DDeviceListItem::pictureFile(const QString& modelCode)
{
    return keyboardImageFrameItem::picturePathFor(modelCode);
}

QSize DDeviceListItem::pictureBox(const QString& modelCode)
{
    const ModelInfo* model = ModelCatalogue::instance().find(modelCode);
    if (model && model->hasOwnPictureBox())
        return QSize(model->pictureBoxWidth, model->pictureBoxHeight);
    return QSize(kRowWidth - 4, kRowHeight - 4);
}

QString DDeviceListItem::displayName(const hidStructInfoAll& info)
{
    QString suffix = QStringLiteral("(OffLine)");
    if (info.isOnline == 1)
        suffix = info.is24G ? QStringLiteral("(2.4G)") : QStringLiteral("(USB)");
    return QString::fromLocal8Bit(info.likeName) + suffix;
}

void DDeviceListItem::setDeviceInfo(hidStructInfoAll info)
{
    m_info = info;

    if (QString::fromLocal8Bit(m_info.productName).isEmpty()) {
        m_ui->label_ProductName->hide();
    } else {
        m_ui->label_ProductName->setText(QString::fromUtf8(m_info.productName));
        m_ui->label_ProductName->show();
    }
    m_ui->label_DeviceName->setText(displayName(m_info));

    const QString modelCode = QString::fromLatin1(m_info.modelName);
    QPixmap picture;
    if (picture.load(pictureFile(modelCode)))
        picture = picture.scaled(pictureBox(modelCode), Qt::KeepAspectRatio, Qt::FastTransformation);
    m_ui->label_DeviceImage->setPixmap(picture);

    setOnline(m_info.isOnline);
}

void DDeviceListItem::setOnline(int state)
{
    m_info.isOnline = state;
    m_onlineState = state;
    const bool simpleList = DDataManager::getInstance()->simpleDeviceListMode();
    if (state != 0) {
        m_offlineOverlay->hide();
        if (simpleList)
            show();
        return;
    }
    m_offlineOverlay->show();
    m_offlineOverlay->raise();
    // Only the look of the border goes; the row stays the selected one.
    const bool selected = m_selected;
    setSelected(false);
    m_selected = selected;
    if (simpleList)
        hide();
}

void DDeviceListItem::setSelected(bool selected)
{
    m_selected = selected;
    DAppStyle::setState(m_ui->frame_DeviceImageBg, "selected", selected);
}

void DDeviceListItem::setTheme()
{
    DDataManager* data = DDataManager::getInstance();
    QFont productFont = data->getFont(0);
    productFont.setPointSize(11);
    m_ui->label_ProductName->setFont(productFont);
    QFont nameFont = data->getFont(1);
    nameFont.setPointSize(12);
    m_ui->label_DeviceName->setFont(nameFont);
}

void DDeviceListItem::mousePressEvent(QMouseEvent* event)
{
    Q_UNUSED(event)
    emit sigHidItemMouseClicked(m_info);
}
