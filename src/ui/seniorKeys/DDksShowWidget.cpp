#include "ui/seniorKeys/DDksShowWidget.h"

#include "app/DDataManager.h"
#include "app/logCategories.h"

#include <QDebug>
#include <QMouseEvent>
#include <QPainter>

#include <cstdlib>
#include <cstring>

namespace {

constexpr int kIcon = 16;
constexpr int kHalfIcon = kIcon / 2;

// The mark of a point of the grid in the theme's colours: a plus in a faint
// ring where nothing is bound, a disc of the accent with a dot that reads on
// it where an action is.
QPixmap pointMark(bool bound, const DThemeRoles& roles)
{
    constexpr qreal kScale = 2; // sharp on a screen of twice the density
    QPixmap mark(int(kIcon * kScale), int(kIcon * kScale));
    mark.setDevicePixelRatio(kScale);
    mark.fill(Qt::transparent);
    QPainter painter(&mark);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(kHalfIcon, kHalfIcon);
    if (bound) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(roles.color(DThemeRoles::AccentText));
        painter.drawEllipse(centre, 7.2, 7.2);
        painter.setBrush(roles.color(DThemeRoles::OnAccent));
        painter.drawEllipse(centre, 2.4, 2.4);
        return mark;
    }
    const QColor line = roles.color(DThemeRoles::MutedText);
    QColor fill = line;
    fill.setAlphaF(0.25);
    painter.setPen(QPen(line, 1.4));
    painter.setBrush(fill);
    painter.drawEllipse(centre, 6.6, 6.6);
    painter.setPen(QPen(line, 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(kHalfIcon, 5), QPointF(kHalfIcon, 11));
    painter.drawLine(QPointF(5, kHalfIcon), QPointF(11, kHalfIcon));
    return mark;
}

} // namespace

DDksShowWidget::DDksShowWidget(QWidget* parent)
    : QWidget(parent)
{
    setMouseTracking(true);
    const DThemeRoles& roles = DDataManager::getInstance()->themeRoles();
    m_pixmapDefault = pointMark(false, roles);
    m_pixmapSelected = pointMark(true, roles);
    std::memset(&m_seniorKeyInfo, 0, sizeof m_seniorKeyInfo);
    const QColor accent = DDataManager::getInstance()->themeRoles().color(DThemeRoles::AccentText);
    m_accentRed = accent.red();
    m_accentGreen = accent.green();
    m_accentBlue = accent.blue();
}

void DDksShowWidget::setGridSize(int width, int height)
{
    m_width = width;
    m_height = height;
    m_cellWidth = m_width / m_columnCount;
    m_cellHeight = m_height / m_rowCount;
    m_columnX.clear();
    m_rowY.clear();
    m_columnMidX.clear();
    for (int j = 0; j < m_columnCount; ++j)
        m_columnX << 20 + j * m_cellWidth;
    for (int i = 0; i < m_rowCount; ++i)
        m_rowY << 15 + i * m_cellHeight;
    for (int k = 0; k < m_columnCount - 1; ++k)
        m_columnMidX << 20 + k * m_cellWidth + m_cellWidth / 2;
    update();
}

void DDksShowWidget::setSeniorKeyInfo(seniorKeyInfoStu info)
{
    m_seniorKeyInfo = info;
    m_recordSet = true;
    update();
}

int& DDksShowWidget::value(int keyRow, int phase)
{
    return m_seniorKeyInfo.action[keyRow * 4 + phase];
}

DDksActionRules::Row DDksShowWidget::row(int keyRow) const
{
    const int* actions = m_seniorKeyInfo.action + keyRow * 4;
    return {actions[0], actions[1], actions[2], actions[3]};
}

void DDksShowWidget::logRow(const char* prefix, const DDksActionRules::Row& values) const
{
    qCDebug(lcUi).noquote() << QStringLiteral("%1%2 [1]:%3 [2]:%4 [3]:%5")
                                   .arg(QLatin1String(prefix))
                                   .arg(values[0])
                                   .arg(values[1])
                                   .arg(values[2])
                                   .arg(values[3]);
}

void DDksShowWidget::trackHover(int x, int y)
{
    m_hover = false;
    for (int j = 0; j < m_columnX.size() && !m_hover; ++j) {
        for (int i = 0; i < m_rowY.size(); ++i) {
            if (std::abs(x - m_columnX[j]) < kHalfIcon && std::abs(y - m_rowY[i]) < kHalfIcon) {
                m_hover = true;
                m_hoverX = m_mousePressPosX = m_columnX[j];
                m_hoverY = m_mousePressPosY = m_rowY[i];
                m_hoverPhase = j;
                m_hoverKey = i;
                break;
            }
        }
    }
    m_dragArmed = false;
    // The right edge of a tap's icon is the handle that draws a hold.
    if (m_hover && m_recordSet && x > m_hoverX + 4 && x < m_hoverX + kHalfIcon && m_hoverPhase < m_columnCount - 1
        && value(m_hoverKey, m_hoverPhase) == 1) {
        m_spanMax = m_columnCount - 1 - m_hoverPhase;
        m_dragX = x;
        m_dragArmed = true;
        setCursor(Qt::SizeHorCursor);
    } else {
        setCursor(Qt::ArrowCursor);
    }
}

void DDksShowWidget::evaluateDrag()
{
    m_barWidth = 0;
    m_previewWidth = 0;
    if (m_dragX < m_mousePressPosX) {
        qCDebug(lcUi) << "--------------------------------------------------------- m_mousePressPosX:"
                      << m_mousePressPosX;
        return;
    }
    if (m_spanMax < 1)
        return;
    int len = m_dragX - m_mousePressPosX;
    if (len > m_spanMax * m_cellWidth - 6) {
        // Stop 6 px short of the last column.
        m_dragX = (m_columnCount - 1) * m_cellWidth + 14;
        len = m_dragX - m_mousePressPosX;
    }
    const int length = qMin(len + 6, m_span * m_cellWidth);
    if (m_pastMidpoint) {
        int cells = len / m_cellWidth + (len % m_cellWidth > m_cellWidth / 2 ? 1 : 0);
        m_previewWidth = m_span * m_cellWidth < len + 6 ? m_span * m_cellWidth : cells * m_cellWidth;
    }
    m_barWidth = length;

    if (length != m_lastBarLength) {
        if (length > 10)
            qCDebug(lcUi).noquote()
                << (length > m_lastBarLength
                        ? "--------------------------- [Move] Left->Right -------------------------------"
                        : "--------------------------- [Move] Right->Left -------------------------------");
        if (DDksActionRules::applyDrag(m_OneHorizontalKeysTypeTemp, m_hoverPhase, length, m_lastBarLength, m_cellWidth))
            m_rowChanged = true;
        logRow("--------------------------------------------------------- m_OneHorizontalKeysTypeTemp [0]:",
               m_OneHorizontalKeysTypeTemp);
    }
    m_lastBarLength = length;
}

void DDksShowWidget::mouseMoveEvent(QMouseEvent* event)
{
    const int x = event->pos().x();
    const int y = event->pos().y();
    emit sigDksPageMouseMovePointXY(x, y);
    if (m_pressed && m_dragArmed) {
        m_dragX = x;
        m_dragY = y;
        m_pastMidpoint = !m_columnMidX.isEmpty() && x > m_columnMidX.first() && x > m_mousePressPosX;
        evaluateDrag();
    } else {
        trackHover(x, y);
    }
    update();
}

void DDksShowWidget::mousePressEvent(QMouseEvent* event)
{
    m_pressed = true;
    // Nothing to edit before a record is given.
    if (!m_recordSet || m_columnX.isEmpty()) {
        update();
        return;
    }
    if (m_hover && !m_dragArmed && (value(m_hoverKey, m_hoverPhase) == 0 || value(m_hoverKey, m_hoverPhase) == 1)) {
        int& tap = value(m_hoverKey, m_hoverPhase);
        tap = tap == 0 ? 1 : 0;
        emit sigTheSeniorKeyInfoStuNeedUpdate_DKS();
    } else if (m_dragArmed) {
        m_OneHorizontalKeysTypeTemp = row(m_hoverKey);
        m_editRow = m_hoverKey;
        m_lastBarLength = 0;
        m_rowChanged = false;
        m_span = DDksActionRules::span(m_OneHorizontalKeysTypeTemp, m_hoverPhase);
    } else {
        const int x = event->pos().x();
        const int y = event->pos().y();
        int keyRow = -1;
        int column = -1;
        for (int i = 0; i < m_rowY.size() && keyRow < 0; ++i) {
            if (std::abs(y - m_rowY[i]) < 9)
                keyRow = i;
        }
        for (int j = 0; j < m_columnX.size() && column < 0; ++j) {
            if (m_columnX[j] - kHalfIcon < x && x < m_columnX[j] + m_cellWidth - kHalfIcon)
                column = j;
        }
        if (keyRow >= 0 && column >= 0 && (value(keyRow, column) == 2 || value(keyRow, column) == 3)) {
            DDksActionRules::Row changed = row(keyRow);
            if (DDksActionRules::removeHold(changed, column)) {
                logRow("--------------------------------------------------------- ************* [Change Befor] Line "
                       "[0]:",
                       row(keyRow));
                logRow("--------------------------------------------------------- ************* [Change After] Line "
                       "[0]:",
                       changed);
                m_editRow = keyRow;
                m_OneHorizontalKeysTypeTemp = changed;
                m_rowChanged = true;
            }
        }
    }
    update();
}

void DDksShowWidget::mouseReleaseEvent(QMouseEvent*)
{
    m_hover = false;
    m_dragArmed = false;
    m_pressed = false;
    m_pastMidpoint = false;
    m_hoverX = m_hoverY = 0;
    m_mousePressPosX = m_mousePressPosY = 0;
    m_dragX = m_dragY = 0;
    m_spanMax = 0;
    m_span = 0;
    m_barWidth = 0;
    m_previewWidth = 0;
    setCursor(Qt::ArrowCursor);
    if (m_rowChanged) {
        m_rowChanged = false;
        for (int p = 0; p < 4; ++p)
            value(m_editRow, p) = m_OneHorizontalKeysTypeTemp[std::size_t(p)];
        m_OneHorizontalKeysTypeTemp = {0, 0, 0, 0};
        emit sigTheSeniorKeyInfoStuNeedUpdate_DKS();
    }
    update();
}

void DDksShowWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);

    // The grid stays behind the bars: the theme's secondary text colour, half
    // covered.
    QColor line = DDataManager::getInstance()->themeRoles().color(DThemeRoles::MutedText);
    line.setAlpha(128);
    painter.setPen(QPen(line, 2));
    for (int y : qAsConst(m_rowY))
        painter.drawLine(0, y, m_width - 50, y);
    for (int x : qAsConst(m_columnX))
        painter.drawLine(x, 0, x, m_height);

    for (int y : qAsConst(m_rowY)) {
        for (int x : qAsConst(m_columnX))
            painter.drawPixmap(x - kHalfIcon, y - kHalfIcon, kIcon, kIcon, m_pixmapDefault);
    }
    if (m_hover)
        painter.drawPixmap(m_hoverX - kHalfIcon, m_hoverY - kHalfIcon, kIcon, kIcon, m_pixmapSelected);

    const QColor accent(m_accentRed, m_accentGreen, m_accentBlue);
    painter.setPen(Qt::NoPen);
    if (m_pressed && m_dragArmed) {
        if (m_previewWidth > 0) {
            QColor preview = accent;
            preview.setAlpha(160);
            painter.setBrush(preview);
            painter.drawRoundedRect(m_mousePressPosX - kHalfIcon, m_mousePressPosY - kHalfIcon, m_previewWidth, kIcon,
                                    8, 8);
        }
        if (m_barWidth > 0) {
            painter.setBrush(accent);
            painter.drawRoundedRect(m_mousePressPosX - kHalfIcon, m_mousePressPosY - kHalfIcon, m_barWidth, kIcon, 8,
                                    8);
        }
    }

    if (m_recordSet) {
        painter.setBrush(accent);
        for (int i = 0; i < m_rowY.size(); ++i) {
            const int y = m_rowY[i];
            const DDksActionRules::Row values = row(i);
            for (int j = 0; j < m_columnX.size(); ++j)
                painter.drawPixmap(m_columnX[j] - kHalfIcon, y - kHalfIcon, kIcon, kIcon,
                                   values[std::size_t(j)] == 0 ? m_pixmapDefault : m_pixmapSelected);
            for (int p = 0; p < 3; ++p) {
                if (values[std::size_t(p)] == 2 || values[std::size_t(p)] == 3)
                    painter.drawRoundedRect(m_columnX[p] - kHalfIcon, y - kHalfIcon, m_cellWidth, kIcon, 8, 8);
            }
            // Joined holds as one bar, so no seam shows between their cells.
            if (values[0] == 2 && values[1] == 2 && values[2] == 2)
                painter.drawRoundedRect(m_columnX[0] - kHalfIcon, y - kHalfIcon, 3 * m_cellWidth, kIcon, 8, 8);
            else if (values[0] == 2 && values[1] == 2)
                painter.drawRoundedRect(m_columnX[0] - kHalfIcon, y - kHalfIcon, 2 * m_cellWidth, kIcon, 8, 8);
            else if ((values[1] == 2 || values[1] == 3) && values[2] == 2)
                painter.drawRoundedRect(m_columnX[1] - kHalfIcon, y - kHalfIcon, 2 * m_cellWidth, kIcon, 8, 8);
        }
    }

    if (m_hover)
        painter.drawPixmap(m_hoverX - kHalfIcon, m_hoverY - kHalfIcon, kIcon, kIcon, m_pixmapSelected);
}
