#pragma once

#include <QSlider>

// A slider that only answers presses on or near its handle, so a stray click
// on the groove never changes a trigger travel or a hold time, and that lets
// the wheel scroll neither itself nor the page beneath it.
class MySlider : public QSlider
{
    Q_OBJECT

public:
    // Sent synchronously to the parent after every press the slider accepts.
    static constexpr int kPressAcceptedEvent = 1001;

    explicit MySlider(QWidget* parent = nullptr);

    void setPressTolerance(int left, int right);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    int m_pressToleranceLeft = 10;
    int m_pressToleranceRight = 5;
};
