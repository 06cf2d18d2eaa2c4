#pragma once

#include <QPoint>
#include <QWidget>

// Transparent overlay over the keyboard view. While enabled it turns the
// mouse into pointer positions, one-key presses and dragged rectangles; which
// key lies under a point is the keyboard view's business, not this one's.
class dragShowArea : public QWidget
{
    Q_OBJECT
public:
    explicit dragShowArea(QWidget* parent = nullptr);

    void setRectColor(int r, int g, int b);
    void setOneKeyMode(bool on);
    void setDragEnabled(bool enabled);
    bool isOneKeyMode() const { return m_oneKeyMode; }
    bool isDragEnabled() const { return m_dragEnabled; }
    bool isDragging() const { return m_dragging; }

signals:
    void sigDragArea(int startX, int startY, int endX, int endY);
    void sigDragShowAreaMouseMovePoint(int moveX, int moveY);
    void sigDragAreaMousePressOrRelease(bool isMousePress);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QPoint clampedInside(const QPoint& point) const;

    bool m_dragging = false;
    QPoint m_startPoint;
    QPoint m_currentPoint;
    QPoint m_endPoint;
    int m_rectRed = 255;
    int m_rectGreen = 143;
    int m_rectBlue = 31;
    bool m_oneKeyMode = false;
    bool m_dragEnabled = false;
};
