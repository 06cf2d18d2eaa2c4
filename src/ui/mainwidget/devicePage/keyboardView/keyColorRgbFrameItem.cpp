#include "ui/mainwidget/devicePage/keyboardView/keyColorRgbFrameItem.h"
#include "ui_keyColorRgbFrameItem.h"

keyColorRgbFrameItem::keyColorRgbFrameItem(QWidget* parent)
    : QWidget(parent)
    , m_ui(new Ui::keyColorRgbFrameItem)
{
    m_ui->setupUi(this);
}

keyColorRgbFrameItem::~keyColorRgbFrameItem()
{
    delete m_ui;
}
