#include "ui/mainwidget/devicePage/lightsConfig/ColorWheelTool.h"
#include "ui_ColorWheelTool.h"

ColorWheelTool::ColorWheelTool(QWidget* parent)
    : QWidget(parent)
    , m_ui(new Ui::ColorWheelTool)
{
    m_ui->setupUi(this);
}

ColorWheelTool::~ColorWheelTool()
{
    delete m_ui;
}
