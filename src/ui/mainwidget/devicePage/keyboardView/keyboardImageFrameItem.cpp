#include "ui/mainwidget/devicePage/keyboardView/keyboardImageFrameItem.h"
#include "ui_keyboardImageFrameItem.h"

#include "app/DDataManager.h"
#include "app/DFixedText.h"
#include "app/DStyleSheetUrl.h"
#include "sdk/include/orvanesdk_records.h"

keyboardImageFrameItem::keyboardImageFrameItem(QWidget* parent)
    : QWidget(parent)
    , m_ui(new Ui::keyboardImageFrameItem)
{
    m_ui->setupUi(this);
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
    m_picturePath = picturePathFor(pictureName);
    m_ui->frame->setStyleSheet(
        QStringLiteral("QFrame#frame{border-image: %1;}").arg(DStyleSheetUrl::of(m_picturePath)));
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
