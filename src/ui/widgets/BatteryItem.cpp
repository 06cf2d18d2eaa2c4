#include "ui/widgets/BatteryItem.h"

#include "app/DDataManager.h"

#include <QPainter>

namespace {
struct LevelColour
{
    int upTo; // inclusive upper bound of the charge in percent
    DThemeRoles::Role role;
};
// Anything above the last bound, and anything below 0, counts as healthy.
constexpr LevelColour kLevelColours[] = {
    {25, DThemeRoles::ErrorText},
    {50, DThemeRoles::WarningText},
};
constexpr DThemeRoles::Role kHealthy = DThemeRoles::SuccessText;
} // namespace

BatteryItem::BatteryItem(QWidget* parent)
    : QLabel(parent)
{
}

void BatteryItem::setLevel(int percent)
{
    m_fillRole = kHealthy;
    if (m_showText && percent >= 0) {
        for (const LevelColour& band : kLevelColours) {
            if (percent <= band.upTo) {
                m_fillRole = band.role;
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

QColor BatteryItem::fillColor() const
{
    return DDataManager::getInstance()->themeRoles().color(m_fillRole);
}

void BatteryItem::paintEvent(QPaintEvent*)
{
    const DThemeRoles& roles = DDataManager::getInstance()->themeRoles();
    QPainter painter(this);

    painter.setPen(roles.color(DThemeRoles::Text));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRect(0, 0, 29, 15), 2, 2, Qt::AbsoluteSize);
    painter.drawRect(QRect(29, 5, 1, 6));
    painter.drawRect(QRect(29, 5, 2, 6));

    const QColor fill = roles.color(m_fillRole);
    painter.setPen(fill);
    painter.setBrush(fill);
    painter.drawRect(QRect(2, 2, m_fillWidth, 11));

    if (m_showText) {
        QFont textFont(QStringLiteral("Microsoft YaHei"), 7, 75, true);
        textFont.setLetterSpacing(QFont::AbsoluteSpacing, 0);
        painter.setFont(textFont);
        painter.setPen(roles.color(DThemeRoles::Text));
        painter.drawText(QRect(2, 2, 25, 11), Qt::AlignCenter, QString::number(m_level) + QLatin1Char('%'));
    }
}
