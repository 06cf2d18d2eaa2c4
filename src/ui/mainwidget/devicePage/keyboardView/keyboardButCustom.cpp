#include "ui/mainwidget/devicePage/keyboardView/keyboardButCustom.h"

#include <QPainter>
#include <QPolygon>
#include <QRegion>

#include <algorithm>
#include <array>

namespace {

// Knobs and rollers carry no LED, so the colour view leaves them empty.
constexpr std::array<int, 10> kKeysWithoutLed = {800, 801, 802, 850, 851, 852, 901, 902, 950, 951};

const QColor kNoColor(0, 0, 0, 0);

QColor withFillAlpha(QColor color)
{
    color.setAlpha(50);
    return color;
}

QPen borderPen(const QColor& color, int width)
{
    return QPen(QBrush(color), width, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
}

} // namespace

keyboardButCustom::keyboardButCustom(QWidget* parent)
    : QToolButton(parent)
{
}

keyboardButCustom::~keyboardButCustom() = default;

void keyboardButCustom::setFixedKeySize(int w, int h)
{
    m_width = w;
    m_height = h;
    setFixedSize(std::max(w, 0), std::max(h, 0));
}

void keyboardButCustom::setKeyPosition(int x, int y)
{
    m_posX = x;
    m_posY = y;
    m_position = QPoint(x, y);
}

void keyboardButCustom::setKeyInfo(int keyCode, QString label)
{
    m_keyCode = keyCode;
    m_keyLabel = label;
}

void keyboardButCustom::setGridIndex(int row, int column)
{
    m_rowIndex = row;
    m_columnIndex = column;
}

void keyboardButCustom::setSpecialEnterShape(int shape)
{
    m_enterShape = shape;
}

void keyboardButCustom::setSpecialEnter(bool special)
{
    m_specialEnter = special;
}

void keyboardButCustom::setSpecialEnterNotch(int x, int y)
{
    m_notchX = x;
    m_notchY = y;
    m_notchRight = m_width - x;
    m_notchBottom = m_height - y;
}

void keyboardButCustom::setHoverStatus(bool hover)
{
    m_hover = hover;
    repaint();
}

void keyboardButCustom::setSelectedStatus(bool selected)
{
    m_selected = selected;
    repaint();
}

void keyboardButCustom::setClickedStatus(bool clicked, bool repaintNow)
{
    m_clicked = clicked;
    if (repaintNow)
        repaint();
}

void keyboardButCustom::setCustomizedStatus(bool customized)
{
    m_customized = customized;
    repaint();
}

void keyboardButCustom::setCustomizedBackColor(QColor color)
{
    m_customizedFill = withFillAlpha(color);
}

void keyboardButCustom::setCustomizedBorderColor(QColor color)
{
    m_customizedBorder = color;
}

void keyboardButCustom::setHoverBackColor(QColor color)
{
    m_hoverFill = withFillAlpha(color);
}

void keyboardButCustom::setHoverBorderColor(QColor color)
{
    m_hoverBorder = color;
}

void keyboardButCustom::setClickedBackColor(QColor color)
{
    m_clickedFill = withFillAlpha(color);
}

void keyboardButCustom::setClickedBorderColor(QColor color)
{
    m_clickedBorder = color;
}

void keyboardButCustom::setStateColors(QColor clickedColor, QColor accentColor)
{
    m_hoverFill = withFillAlpha(accentColor);
    m_hoverBorder = accentColor;
    m_customizedFill = withFillAlpha(accentColor);
    m_customizedBorder = accentColor;
    m_accentColor = accentColor;
    m_clickedFill = withFillAlpha(clickedColor);
    m_clickedBorder = clickedColor;
    repaint();
}

void keyboardButCustom::setRemapEnabled(bool enabled)
{
    if (m_remapEnabled == enabled)
        return;
    m_remapEnabled = enabled;
    // A key that takes no function is drawn so: the cap must show the change.
    update();
}

void keyboardButCustom::setSelectEnabled(bool enabled)
{
    m_selectEnabled = enabled;
}

void keyboardButCustom::setColorShowMode(bool on)
{
    m_colorShowMode = on;
}

void keyboardButCustom::setCalibrationShowMode(bool on)
{
    m_calibrationShowMode = on;
    repaint();
}

void keyboardButCustom::setLightColorEnabled(bool enabled)
{
    m_lightColorEnabled = enabled;
}

void keyboardButCustom::setLightColor(QColor color)
{
    if (m_lightColorEnabled) {
        // The lighting engine sets every cap on each repaint tick: the caps
        // paint together in one pass, and not at all while hidden.
        if (color != m_lightColor) {
            m_lightColor = color;
            update();
        }
    } else if (m_lightColor != kNoColor) {
        // A page that shows no light must not keep the last frame on screen.
        m_lightColor = kNoColor;
        update();
    }
}

void keyboardButCustom::setLightColorBackup(QColor color)
{
    m_lightColorBackup = color;
}

void keyboardButCustom::setBackdrop(const QPixmap& picture)
{
    // Only a picture that covers the cap hides what lies beneath it; where it
    // lets anything through, the cap stays see-through and the layers below
    // are drawn as before.
    const bool covers = !picture.isNull() && picture.size() == size() && !picture.hasAlphaChannel();
    m_backdrop = covers ? picture : QPixmap();
    setAttribute(Qt::WA_OpaquePaintEvent, covers);
    update();
}

void keyboardButCustom::refresh(int)
{
    repaint();
}

void keyboardButCustom::enterEvent(QEvent* event)
{
    m_hover = true;
    emit sigCustomButMouseEnter();
    repaint();
    QToolButton::enterEvent(event);
}

void keyboardButCustom::leaveEvent(QEvent* event)
{
    m_hover = false;
    emit sigCustomButMouseLeave();
    repaint();
    QToolButton::leaveEvent(event);
}

bool keyboardButCustom::hasNoLed() const
{
    return std::find(kKeysWithoutLed.begin(), kKeysWithoutLed.end(), m_keyCode) != kKeysWithoutLed.end();
}

void keyboardButCustom::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!m_backdrop.isNull())
        painter.drawPixmap(0, 0, m_backdrop);
    painter.setRenderHint(QPainter::Antialiasing, true);

    if (m_calibrationShowMode) {
        drawState(painter, m_lightColor, (m_clicked || m_hover) ? m_accentColor : kNoColor);
        return;
    }
    if (m_colorShowMode && !m_selectEnabled) {
        if (m_specialEnter)
            drawNotchedEnter(painter, m_lightColor, m_lightColor);
        else if (hasNoLed())
            drawPlainCap(painter, kNoColor, kNoColor);
        else
            drawPlainCap(painter, m_lightColor, m_lightColor);
        return;
    }
    if (m_colorShowMode) {
        const bool marked = m_hover || m_selected;
        // No fill is no light shown at all (the trigger page's caps); an
        // unlit key of a custom scheme comes as a dark fill and is drawn so.
        if (m_lightColor.alpha() == 0)
            drawState(painter, kNoColor, marked ? m_accentColor : kNoColor);
        else
            drawState(painter, m_lightColor, marked ? m_accentColor : m_lightColor);
        return;
    }

    if (m_customized) {
        painter.setBrush(QBrush(Qt::transparent, Qt::SolidPattern));
        drawState(painter, m_customizedFill, m_customizedBorder);
    }
    if (m_clicked) {
        m_currentFill = m_hover ? m_hoverFill : m_clickedFill;
        m_currentBorder = m_hover ? m_hoverBorder : m_clickedBorder;
        drawState(painter, m_currentFill, m_currentBorder);
        return;
    }
    if (m_hover && m_selectEnabled) {
        m_currentFill = m_hoverFill;
        m_currentBorder = m_hoverBorder;
        drawState(painter, m_currentFill, m_currentBorder);
    }
    if (!m_remapEnabled)
        drawState(painter, QColor(200, 0, 0, 50), QColor(200, 0, 0, 255));
}

void keyboardButCustom::drawState(QPainter& painter, const QColor& fill, const QColor& border)
{
    if (m_specialEnter)
        drawNotchedEnter(painter, fill, border);
    else
        drawPlainCap(painter, fill, border);
}

void keyboardButCustom::drawPlainCap(QPainter& painter, const QColor& fill, const QColor& border)
{
    const QRect inner = contentsRect().adjusted(1, 1, -1, -1);
    painter.fillRect(inner, fill);
    painter.setPen(borderPen(border, 3));
    painter.drawRoundedRect(QRect(0, 0, m_width, m_height), 6, 6);
}

void keyboardButCustom::drawNotchedEnter(QPainter& painter, const QColor& fill, const QColor& border)
{
    if (m_enterShape != 1)
        return;
    const int W = m_width;
    const int H = m_height;
    const int nx = m_notchX;
    const int ny = m_notchY;
    const int rw = m_notchRight;

    painter.setPen(borderPen(border, 2));
    painter.drawLine(5, ny, nx - 5, ny);
    painter.drawLine(nx, ny + 5, nx, H - 5);

    painter.setPen(borderPen(border, 3));
    painter.drawLine(nx + 5, H, W - 5, H);
    painter.drawLine(W, H - 5, W, 5);
    painter.drawLine(W - 5, 0, 5, 0);
    painter.drawLine(0, ny - 5, 0, 5);

    // Qt takes arc angles in sixteenths of a degree.
    painter.setPen(borderPen(border, 2));
    painter.drawArc(QRect(0, ny - 10, 10, 10), -180 * 16, 90 * 16);
    painter.drawArc(QRect(nx, H - 10, 10, 10), -180 * 16, 90 * 16);
    painter.drawArc(QRect(nx - 10, ny, 10, 10), 360 * 16, 90 * 16);
    painter.drawArc(QRect(W - 10, 0, 10, 10), 360 * 16, 90 * 16);
    painter.drawArc(QRect(0, 0, 10, 10), 90 * 16, 90 * 16);
    painter.drawArc(QRect(W - 10, H - 10, 10, 10), -90 * 16, 90 * 16);

    painter.setPen(borderPen(fill, 2));
    painter.drawArc(QRect(nx - 8, ny - 1, 10, 10), 360 * 16, 90 * 16);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QBrush(fill, Qt::SolidPattern));
    painter.drawRoundedRect(QRect(2, 2, W - 4, ny - 3), 6, 6, Qt::RelativeSize);
    painter.drawRoundedRect(QRect(nx + 1, ny - 1, rw - 3, H - 1 - ny), 6, 6, Qt::RelativeSize);

    const QPolygon outline({QPoint(0, ny + 3), QPoint(nx - 3, ny + 3), QPoint(nx - 3, H), QPoint(W, H), QPoint(W, 0),
                            QPoint(0, 0), QPoint(0, ny)});
    setMask(QRegion(outline, Qt::OddEvenFill));
}
