#include "ui/mainwidget/devicePage/keyboardView/dragShowArea.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

dragShowArea::dragShowArea(QWidget* parent)
    : QWidget(parent)
{
    setMouseTracking(true);
}

void dragShowArea::setRectColor(int r, int g, int b)
{
    m_rectRed = r;
    m_rectGreen = g;
    m_rectBlue = b;
}

void dragShowArea::setOneKeyMode(bool on)
{
    m_oneKeyMode = on;
}

void dragShowArea::setDragEnabled(bool enabled)
{
    m_dragEnabled = enabled;
}

QPoint dragShowArea::clampedInside(const QPoint& point) const
{
    const QRect inside = contentsRect();
    return QPoint(std::clamp(point.x(), 0, inside.width()), std::clamp(point.y(), 0, inside.height()));
}

void dragShowArea::mousePressEvent(QMouseEvent* event)
{
    if (!m_dragEnabled)
        return;
    if (event->button() == Qt::LeftButton) {
        if (m_oneKeyMode) {
            m_dragging = false;
            emit sigDragAreaMousePressOrRelease(true);
        } else {
            m_startPoint = event->pos();
            m_endPoint = event->pos();
            m_currentPoint = event->pos();
            m_dragging = true;
        }
    } else if (event->button() == Qt::RightButton) {
        emit sigDragArea(0, 0, 0, 0);
    }
}

void dragShowArea::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_dragEnabled)
        return;
    if (!m_dragging) {
        emit sigDragShowAreaMouseMovePoint(event->pos().x(), event->pos().y());
        return;
    }
    m_currentPoint = clampedInside(event->pos());
    repaint();
}

void dragShowArea::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_dragEnabled || event->button() != Qt::LeftButton)
        return;
    if (m_oneKeyMode) {
        emit sigDragAreaMousePressOrRelease(false);
        emit sigDragShowAreaMouseMovePoint(event->pos().x(), event->pos().y());
        return;
    }
    m_endPoint = event->pos();
    m_dragging = false;
    repaint();
    const QPoint end = clampedInside(m_endPoint);
    emit sigDragArea(m_startPoint.x(), m_startPoint.y(), end.x(), end.y());
}

void dragShowArea::paintEvent(QPaintEvent*)
{
    if (!m_dragEnabled || !m_dragging)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);

    const int x0 = m_startPoint.x();
    const int y0 = m_startPoint.y();
    int w = m_currentPoint.x() - x0;
    int h = m_currentPoint.y() - y0;
    // Stay two pixels short of the pointer, so the band never hides it.
    if (w < 0)
        w += 2;
    if (h < 0)
        h += 2;
    if (w > 0)
        w -= 2;
    if (h > 0)
        h -= 2;

    const QColor colour(m_rectRed, m_rectGreen, m_rectBlue, 255);
    QColor fill = colour;
    fill.setAlpha(100);
    const QRect band(x0, y0, w, h);
    painter.fillRect(band, fill);
    painter.setPen(QPen(QBrush(colour), 1, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter.drawRect(band);
}
