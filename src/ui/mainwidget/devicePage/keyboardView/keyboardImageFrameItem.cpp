#include "ui/mainwidget/devicePage/keyboardView/keyboardImageFrameItem.h"
#include "ui_keyboardImageFrameItem.h"

#include "app/DDataManager.h"
#include "app/DFixedText.h"
#include "sdk/include/orvanesdk_records.h"

#include <QEvent>
#include <QPainter>

keyboardImageFrameItem::keyboardImageFrameItem(QWidget* parent)
    : QWidget(parent)
    , m_ui(new Ui::keyboardImageFrameItem)
{
    m_ui->setupUi(this);
    // The frame shows the picture and nothing else: no panel of the style.
    m_ui->frame->installEventFilter(this);
}

keyboardImageFrameItem::~keyboardImageFrameItem()
{
    delete m_ui;
}

QString keyboardImageFrameItem::picturePathFor(const QString& pictureName)
{
    return DDataManager::applicationDirPath() + QStringLiteral("/images/hidImages/Keyboard_") + pictureName
           + QStringLiteral(".png");
}

void keyboardImageFrameItem::showPicture(const QString& pictureName)
{
    const QString path = picturePathFor(pictureName);
    if (path == m_picturePath)
        return;
    m_picturePath = path;
    m_picture = QPixmap(path);
    m_scaled = QPixmap();
    m_ui->frame->update();
    emit pictureChanged();
}

QPixmap keyboardImageFrameItem::shownPicture(const QSize& size)
{
    if (m_picture.isNull() || size.isEmpty())
        return QPixmap();
    if (m_picture.size() == size)
        return m_picture;
    if (m_scaled.size() != size)
        m_scaled = m_picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return m_scaled;
}

QPoint keyboardImageFrameItem::pictureOrigin() const
{
    const QMargins margins = layout()->contentsMargins();
    return QPoint(margins.left(), margins.top());
}

bool keyboardImageFrameItem::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_ui->frame || event->type() != QEvent::Paint)
        return QWidget::eventFilter(watched, event);
    const QPixmap picture = shownPicture(m_ui->frame->size());
    if (!picture.isNull()) {
        QPainter painter(m_ui->frame);
        painter.drawPixmap(0, 0, picture);
    }
    return true;
}

void keyboardImageFrameItem::setDeviceInfo(hidInfoStu info)
{
    m_modelName = DFixedText::local8Bit(info.model);
    showPicture(m_modelName);
}

void keyboardImageFrameItem::setKeyboardMode(int mode)
{
    if (mode >= 0 && mode <= 2)
        showPicture(m_modelName + QStringLiteral("_") + QString::number(mode));
    else
        showPicture(m_modelName);
}
