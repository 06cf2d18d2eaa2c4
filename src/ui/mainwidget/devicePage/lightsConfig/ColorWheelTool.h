#pragma once

#include <QWidget>

namespace Ui {
class ColorWheelTool;
}

// An empty form kept beside the colour picker; nothing shows it.
class ColorWheelTool : public QWidget
{
    Q_OBJECT

public:
    explicit ColorWheelTool(QWidget* parent = nullptr);
    ~ColorWheelTool() override;

private:
    Ui::ColorWheelTool* m_ui;
};
