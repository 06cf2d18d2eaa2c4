#include "ui/mainwidget/devicePage/keyboardView/sideLightButtonCustom.h"

#include <QLinearGradient>
#include <QPainter>

#include <algorithm>

sideLightButtonCustom::sideLightButtonCustom(QWidget* parent)
    : QToolButton(parent)
{
}

sideLightButtonCustom::~sideLightButtonCustom() = default;

void sideLightButtonCustom::setFixedKeySize(int w, int h)
{
    m_width = w;
    m_height = h;
    setFixedSize(std::max(w, 0), std::max(h, 0));
}

void sideLightButtonCustom::setKeyPosition(int x, int y)
{
    m_posX = x;
    m_posY = y;
    m_position = QPoint(x, y);
}

void sideLightButtonCustom::setLedIndex(int index, int validStatus)
{
    m_ledIndex = index;
    m_validStatus = validStatus;
}

void sideLightButtonCustom::setRounded(bool rounded)
{
    m_rounded = rounded;
}

void sideLightButtonCustom::setLightColor(QColor color)
{
    if (color == m_lightColor)
        return;
    m_lightColor = color;
    update();
}

void sideLightButtonCustom::paintEvent(QPaintEvent*)
{
    if (m_width == m_height)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);

    const bool horizontal = m_width > m_height;
    QLinearGradient gradient(0, 0, horizontal ? m_width : 0, horizontal ? 0 : m_height);
    gradient.setColorAt(0, Qt::transparent);
    gradient.setColorAt(0.5, m_lightColor);
    gradient.setColorAt(1, Qt::transparent);
    gradient.setSpread(QGradient::RepeatSpread);
    painter.setBrush(gradient);

    const QRect bar(0, 0, m_width, m_height);
    if (horizontal && m_rounded) {
        const int radius = m_height / 2 - 1;
        painter.drawRoundedRect(bar, radius, radius);
    } else {
        painter.drawRect(bar);
    }
}
