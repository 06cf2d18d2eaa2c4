#include "ui/widgets/BatteryItem.h"

#include <QPainter>

namespace {
struct LevelColour
{
    int upTo; // inclusive upper bound of the charge in percent
    int r, g, b;
};
// Anything above the last bound, and anything below 0, counts as healthy.
constexpr LevelColour kLevelColours[] = {
    {25, 255, 60, 0},
    {50, 200, 140, 0},
};
constexpr QRgb kHealthy = qRgb(100, 150, 100);
} // namespace

BatteryItem::BatteryItem(QWidget* parent)
    : QLabel(parent)
{
}

void BatteryItem::setLevel(int percent)
{
    m_fillColor = QColor(kHealthy);
    if (m_showText && percent >= 0) {
        for (const LevelColour& band : kLevelColours) {
            if (percent <= band.upTo) {
                m_fillColor = QColor(band.r, band.g, band.b);
                break;
            }
        }
    }
    m_level = percent;
    // A level outside 0..100 (a garbled report) must not draw past the outline.
    m_fillWidth = qBound(0, percent, 100) / 4;
    update();
}

void BatteryItem::setShowText(bool show)
{
    m_showText = show;
}

void BatteryItem::setAccentColor(QColor color)
{
    m_accentColor = color;
}

void BatteryItem::paintEvent(QPaintEvent*)
{
    QPainter painter(this);

    painter.setPen(QColor(136, 205, 12));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRect(0, 0, 29, 15), 2, 2, Qt::AbsoluteSize);
    painter.drawRect(QRect(29, 5, 1, 6));
    painter.drawRect(QRect(29, 5, 2, 6));

    painter.setPen(m_fillColor);
    painter.setBrush(m_fillColor);
    painter.drawRect(QRect(2, 2, m_fillWidth, 11));

    if (m_showText) {
        QFont textFont(QStringLiteral("Microsoft YaHei"), 7, 75, true);
        textFont.setLetterSpacing(QFont::AbsoluteSpacing, 0);
        painter.setFont(textFont);
        painter.setPen(QColor(235, 245, 245));
        painter.drawText(QRect(2, 2, 25, 11), Qt::AlignCenter, QString::number(m_level) + QLatin1Char('%'));
    }
}
