#include "ui/widgets/sliderCustomWidget.h"

#include "app/DDataManager.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRadialGradient>

namespace {
// A press or drag closer than this to a tick counts as aimed at it.
constexpr int kSnapDistance = 5;
} // namespace

sliderCustomWidget::sliderCustomWidget(QWidget* parent)
    : QWidget(parent)
{
    setFixedSize(130, 30);
    const DThemeRoles& roles = DDataManager::getInstance()->themeRoles();
    m_trackColor = roles.color(DThemeRoles::SliderGroove);
    m_tickColor = m_trackColor;
    m_handleColor = roles.color(DThemeRoles::SliderHandle);
}

void sliderCustomWidget::setSliderSize(int w, int h)
{
    setFixedSize(w, h);
    m_trackEnd = w - m_margin;
    m_trackY = h / 2;
    m_handleY = h / 2 - 1;
}

void sliderCustomWidget::setStepCount(int n)
{
    // Fewer than one step leaves no track to divide.
    if (n <= 0)
        return;
    m_stepCount = n;
    const int spacing = (width() - 2 * m_margin) / n;
    m_tickXs.clear();
    for (int i = 0; i <= n; ++i)
        m_tickXs.append(m_margin + i * spacing);
    m_trackEnd = m_tickXs.last();
}

void sliderCustomWidget::setCurrentIndex(int i)
{
    m_handleX = i * ((width() - 2 * m_margin) / m_stepCount) + m_margin;
    update();
}

void sliderCustomWidget::setMargin(int margin)
{
    m_margin = margin;
}

void sliderCustomWidget::setTrackColor(QColor color)
{
    m_trackColor = color;
    update();
}

void sliderCustomWidget::setTickColor(QColor color)
{
    m_tickColor = color;
    update();
}

void sliderCustomWidget::setHandleColor(QColor color)
{
    m_handleColor = color;
    update();
}

int sliderCustomWidget::nearTickIndex(int x) const
{
    for (int i = 0; i < m_tickXs.size(); ++i) {
        if (qAbs(m_tickXs.at(i) - x) < kSnapDistance)
            return i;
    }
    return -1;
}

void sliderCustomWidget::jumpTo(int index)
{
    m_handleX = m_tickXs.at(index);
    emit sigBackCurrentPositionNum(index);
}

void sliderCustomWidget::mousePressEvent(QMouseEvent* event)
{
    const int x = event->pos().x();
    const int near = nearTickIndex(x);
    if (near >= 0) {
        jumpTo(near);
    } else if (x > m_handleX) {
        for (int i = 0; i < m_tickXs.size(); ++i) {
            if (m_tickXs.at(i) > m_handleX) {
                jumpTo(i);
                break;
            }
        }
    } else if (x < m_handleX) {
        for (int i = m_tickXs.size() - 1; i >= 0; --i) {
            if (m_tickXs.at(i) < m_handleX) {
                jumpTo(i);
                break;
            }
        }
    } else {
        return;
    }
    update();
}

void sliderCustomWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() == Qt::NoButton)
        return;
    const int near = nearTickIndex(event->pos().x());
    if (near >= 0)
        jumpTo(near);
    update();
}

void sliderCustomWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);

    painter.setPen(QPen(m_trackColor, 3, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter.drawLine(m_margin, m_trackY, m_trackEnd, m_trackY);

    painter.setPen(QPen(m_tickColor, 3, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    for (int x : qAsConst(m_tickXs))
        painter.drawLine(x, m_trackY - 3, x, m_trackY - 1);

    QRadialGradient glow(m_handleX, m_handleY, 6);
    glow.setColorAt(0, m_handleColor);
    QColor rim = m_handleColor;
    rim.setAlpha(0);
    glow.setColorAt(1, rim);
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(QPoint(m_handleX, m_handleY), 6, 6);
}
