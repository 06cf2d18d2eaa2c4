#include "ui/mainwidget/devicePage/triggerSetting/DTravelScale.h"

#include <algorithm>

QColor DTravelScale::Gradient::colorAt(int index) const
{
    int rgb[3];
    for (int c = 0; c < 3; ++c)
        rgb[c] = std::clamp(base[c] - index * step[c], 0, 255);
    return QColor(rgb[0], rgb[1], rgb[2]);
}

void DTravelScale::setLevelCount(int count, int height)
{
    m_levelCount = count;
    m_boundaries.clear();
    if (count < 1) {
        m_segmentHeight = 0;
        return;
    }
    m_segmentHeight = height / count - m_gap;
    for (int k = 1; k < count; ++k)
        m_boundaries.append(kTopInset + k * step());
}

int DTravelScale::clampLevel(int level) const
{
    return std::clamp(level, 1, std::max(1, m_levelCount - 1));
}

int DTravelScale::boundaryY(int level) const
{
    return m_boundaries.at(clampLevel(level) - 1);
}

DTravelScale::Snap DTravelScale::snap(int y) const
{
    const int last = m_boundaries.size();
    if (y <= m_boundaries.first())
        return {1, m_boundaries.first()};
    if (y >= m_boundaries.last())
        return {last, m_boundaries.last()};
    int k = 1;
    while (m_boundaries.at(k - 1) <= y)
        ++k;
    const int below = m_boundaries.at(k - 1);
    const int above = m_boundaries.at(k - 2);
    if (y - above < below - y)
        return {k - 1, above};
    return {k, below};
}

DTravelScale::Gradient DTravelScale::gradient(const QColor& live, int levelCount)
{
    Gradient g{{live.red(), live.green(), live.blue()}, {0, 0, 0}};
    for (int c = 0; c < 3; ++c) {
        const int half = g.base[c] / 2;
        g.step[c] = levelCount > 0 && half > levelCount ? half / levelCount : 0;
    }
    return g;
}

QString DTravelScale::millimetres(int tenths)
{
    return QString::number(tenths / 10.0, 'f', 1) + QStringLiteral("mm");
}
