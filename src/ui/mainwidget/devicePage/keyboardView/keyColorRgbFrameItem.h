#pragma once

#include <QWidget>

namespace Ui {
class keyColorRgbFrameItem;
}

// The middle layer of the keyboard view; it only keeps its place in the stack.
class keyColorRgbFrameItem : public QWidget
{
    Q_OBJECT
public:
    explicit keyColorRgbFrameItem(QWidget* parent = nullptr);
    ~keyColorRgbFrameItem() override;

private:
    Ui::keyColorRgbFrameItem* m_ui;
};
