#include "ui/mainwidget/devicePage/DDeviceListItem.h"
#include "ui_DDeviceListItem.h"

#include "app/DDataManager.h"
#include "app/DThemeColor.h"
#include "sdk/models/ModelCatalogue.h"
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
    m_offlineOverlay->setObjectName(QStringLiteral("widget"));
    m_offlineOverlay->setStyleSheet(QStringLiteral("#widget {background-color:rgba(10, 10, 10, 100);}"));
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
    // Qt's style sheets take an alpha only through rgba(), and a theme colour
    // carries a fourth field while a background image is in use.
    const QString rgb = m_accentColor.section(QLatin1Char(','), 0, 2);
    const QString look = selected ? QStringLiteral("QFrame#frame_DeviceImageBg{ border: 1px solid rgba(%1, 255); } "
                                                   "QFrame#frame_DeviceImageBg:hover{ border: 1px solid rgb(%1); }")
                                  : QStringLiteral("QFrame#frame_DeviceImageBg{ border: 1px solid rgba(%1, 0); } "
                                                   "QFrame#frame_DeviceImageBg:hover{ border: 1px solid rgb(%1); }");
    m_ui->frame_DeviceImageBg->setStyleSheet(look.arg(rgb));
}

void DDeviceListItem::setTheme()
{
    DDataManager* data = DDataManager::getInstance();
    const QFont bold = data->getFont(0);
    const QFont normal = data->getFont(1);
    const themeColorData theme = data->themeColors();

    m_accentColor = theme.textCheckedColor;
    m_ui->frame->setStyleSheet(DThemeColor::fillStyleSheet(QStringLiteral("QFrame#frame{ background-color: rgb(%1);}"),
                                                           {theme.deviceListAreaDefaultBgColor}));

    m_ui->label_ProductName->setStyleSheet(DThemeColor::fillStyleSheet(
        QStringLiteral("QLabel#label_ProductName{ color: rgb(%1);}"), {theme.textCheckedColor}));
    QFont productFont = bold;
    productFont.setPointSize(11);
    m_ui->label_ProductName->setFont(productFont);

    m_ui->label_DeviceName->setStyleSheet(DThemeColor::fillStyleSheet(
        QStringLiteral("QLabel#label_DeviceName{ color: rgb(%1);}"), {theme.textDefaultColor}));
    QFont nameFont = normal;
    nameFont.setPointSize(12);
    m_ui->label_DeviceName->setFont(nameFont);

    setSelected(m_selected);
}

void DDeviceListItem::mousePressEvent(QMouseEvent* event)
{
    Q_UNUSED(event)
    emit sigHidItemMouseClicked(m_info);
}
