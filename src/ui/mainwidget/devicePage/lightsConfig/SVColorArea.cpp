#include "ui/mainwidget/devicePage/lightsConfig/SVColorArea.h"

#include <QConicalGradient>
#include <QCursor>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QRadialGradient>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace {

constexpr QPointF kCentre(60, 60);
constexpr double kDiscStartAngle = -140.0;
constexpr double kWhiteRadius = 43.0;
constexpr double kMarkerRadius = 4.0;

QConicalGradient discGradient()
{
    QConicalGradient hues(kCentre, kDiscStartAngle);
    hues.setColorAt(0.0, Qt::green);
    hues.setColorAt(0.16, Qt::cyan);
    hues.setColorAt(0.32, Qt::blue);
    hues.setColorAt(0.48, Qt::magenta);
    hues.setColorAt(0.64, Qt::red);
    hues.setColorAt(0.8, Qt::yellow);
    hues.setColorAt(1.0, Qt::green);
    return hues;
}

} // namespace

SVColorArea::SVColorArea(QWidget* parent)
    : QWidget(parent)
{
    setFixedSize(kSize, kSize);
    const int side = m_ringDiameter + 20;
    m_discImage = QPixmap(side, side);
    m_discImage.fill(Qt::transparent);
    drawDisc(m_discImage, int(kWhiteRadius), QRectF(23, 22, 77, 77));
}

void SVColorArea::drawDisc(QPixmap& target, int whiteRadius, const QRectF& whiteDisc) const
{
    QPainter painter(&target);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(discGradient());
    painter.drawEllipse(QRectF(20, 20, m_ringDiameter, m_ringDiameter));
    QRadialGradient white(kCentre, whiteRadius, kCentre);
    white.setColorAt(0.0, Qt::white);
    white.setColorAt(1.0, Qt::transparent);
    painter.setBrush(white);
    painter.drawEllipse(whiteDisc);
}

void SVColorArea::redrawWheel()
{
    // The hue only ever reached an image nobody shows; kept so the setters
    // behave as callers of this widget expect.
    if (m_wheelImage.isNull())
        return;
    drawDisc(m_wheelImage, 49, QRectF(20, 20, m_ringDiameter, m_ringDiameter));
}

void SVColorArea::hueChangedSlot(int hue)
{
    m_hue = hue;
    redrawWheel();
    emit svChangedSignal(m_hue, m_saturation, m_hsvValue);
    update();
}

void SVColorArea::setMarkedColor(const QColor& color)
{
    if (color == m_markedColor)
        return;
    m_markedColor = color;
    update();
}

QPointF SVColorArea::markerPoint(const QColor& color)
{
    const QColor hsv = color.toHsv();
    // No hue (black, white, greys): the white centre is the nearest the disc has.
    if (hsv.hsvHue() < 0 || hsv.hsvSaturation() == 0)
        return kCentre;
    // The disc's hues run counter-clockwise from its start angle: green,
    // cyan, blue, magenta, red, yellow a sixth of 0.96 apart, the last sixth
    // back to green 0.2 of the turn. Between two stops the hue grows evenly.
    const double fromGreen = std::fmod(hsv.hsvHueF() * 360.0 - 120.0 + 360.0, 360.0);
    const double turn = fromGreen <= 300.0 ? fromGreen / 60.0 * 0.16 : 0.8 + (fromGreen - 300.0) / 60.0 * 0.2;
    const double angle = (kDiscStartAngle + turn * 360.0) * M_PI / 180.0;
    // The white in the middle fades out over kWhiteRadius: the colour is as
    // saturated as it is far out, up to the disc's edge.
    const double radius = std::min(hsv.hsvSaturationF() * kWhiteRadius, kDiscRadius - 1.5);
    return kCentre + QPointF(radius * std::cos(angle), -radius * std::sin(angle));
}

void SVColorArea::resetKnob()
{
    m_knobValue = 0.0;
    update();
}

void SVColorArea::setHue(int hue)
{
    m_hue = hue;
    redrawWheel();
    update();
}

void SVColorArea::setSaturation(int saturation)
{
    m_saturation = saturation;
    update();
}

void SVColorArea::setHsvValue(int value)
{
    m_hsvValue = value;
    update();
}

void SVColorArea::setHsv(int hue, int saturation, int value)
{
    m_hue = hue;
    m_saturation = saturation;
    m_hsvValue = value;
    redrawWheel();
    update();
}

void SVColorArea::setColor(QColor color)
{
    m_hue = color.hue();
    m_saturation = color.saturation();
    m_hsvValue = color.value();
    redrawWheel();
    emit svChangedSignal(m_hue, m_saturation, m_hsvValue);
    update();
}

void SVColorArea::setKnobColor(QColor color)
{
    m_knobColorFrom = color;
    update();
}

double SVColorArea::knobAngle() const
{
    return -(360.0 - m_knobStartMargin - m_knobEndMargin) / (m_knobMax - m_knobMin) * (m_knobValue - m_knobMin);
}

void SVColorArea::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawPixmap(0, 0, m_discImage);

    QConicalGradient ring(QPointF(50, 50), 83);
    ring.setColorAt(0.0, QColor(255, 255, 255));
    ring.setColorAt(1.0, QColor(0, 0, 0));
    painter.setPen(QPen(QBrush(ring), 6, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(10, 10, 100, 100));

    const double angle = knobAngle();
    painter.translate(kCentre);
    painter.rotate(angle);
    painter.setPen(Qt::NoPen);
    QLinearGradient knob(QPointF(0, 0), QPointF(16, 16));
    knob.setColorAt(0.0, m_knobColorFrom);
    knob.setColorAt(1.0, m_knobColorTo);
    painter.setBrush(knob);
    painter.drawEllipse(QRectF(-10, -58, 16, 16));
    if (m_markedColor.isValid()) {
        // Over the knob, which rests where the disc's reds are.
        painter.resetTransform();
        // A light ring in a dark one stays visible on every part of the disc.
        const QPointF mark = markerPoint(m_markedColor);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(40, 40, 40), 3));
        painter.drawEllipse(mark, kMarkerRadius, kMarkerRadius);
        painter.setPen(QPen(Qt::white, 1.5));
        painter.drawEllipse(mark, kMarkerRadius, kMarkerRadius);
    }
    painter.end();

    emit sigMoveingStatus(int(m_knobValue), int(angle));
}

void SVColorArea::mousePressEvent(QMouseEvent* event)
{
    const QPointF offset = QPointF(event->pos()) - kCentre;
    const int distance = int(std::hypot(offset.x(), offset.y()));
    emit sigMouseIsPress(true);
    if (distance < kDiscRadius) {
        m_pressedInside = true;
        m_saturation = std::clamp(event->pos().x(), 0, 255);
        m_hsvValue = std::clamp(255 - event->pos().y(), 0, 255);
        emit svChangedSignal(m_hue, m_saturation, m_hsvValue);
        print2();
        m_knobValue = 0.0;
        update();
    } else {
        m_pressedInside = false;
        setKnobFromPoint(event->pos());
    }
}

void SVColorArea::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() != Qt::NoButton && !m_pressedInside)
        setKnobFromPoint(event->pos());
}

void SVColorArea::mouseReleaseEvent(QMouseEvent* event)
{
    Q_UNUSED(event)
    emit sigMouseIsPress(false);
}

void SVColorArea::enterEvent(QEvent* event)
{
    QWidget::enterEvent(event);
}

void SVColorArea::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
}

void SVColorArea::setKnobFromPoint(const QPoint& point)
{
    const QPoint delta = point - rect().center();
    const double angle = std::atan2(double(delta.x()), double(delta.y())) * 180.0 / M_PI;
    const double turned = 180.0 + angle;
    double value = turned * (m_knobMax - m_knobMin) / 360.0 + m_knobMin;
    if (value <= m_knobMin)
        value = m_knobMin;
    if (value >= m_knobMax)
        value = m_knobMax;
    m_knobValue = value;
    update();
}

QColor SVColorArea::colourUnderPointer()
{
    const QPoint global = QCursor::pos();
    QScreen* screen = QGuiApplication::screenAt(global);
    // Offscreen and Wayland sessions give no screen pixels back; there the
    // pointer can only be over what this widget itself draws.
    const bool readable = screen && QGuiApplication::platformName() == QLatin1String("xcb");
    if (readable) {
        const QPoint onScreen = global - screen->geometry().topLeft();
        const QImage pixel = screen->grabWindow(0, onScreen.x(), onScreen.y(), 1, 1).toImage();
        if (pixel.width() == 1 && pixel.height() == 1)
            return pixel.pixelColor(0, 0);
    }
    const QPoint local = mapFromGlobal(global);
    if (rect().contains(local)) {
        const QImage own = grab(QRect(local, QSize(1, 1))).toImage();
        if (own.width() >= 1 && own.height() >= 1)
            return own.pixelColor(0, 0);
    }
    return QColor(255, 255, 255);
}

void SVColorArea::print2()
{
    QColor colour = colourUnderPointer();
    // A pixel the platform could not give back reads as white.
    if (!colour.isValid())
        colour = QColor(255, 255, 255);
    const int r = colour.red();
    const int g = colour.green();
    const int b = colour.blue();
    emit sigGetRGB(r, g, b);
    emit sigGetHexRGB(hexText(r, g, b));
}

QString SVColorArea::hexText(int r, int g, int b)
{
    return QStringLiteral("#%1%2%3")
        .arg(r, 2, 16, QLatin1Char('0'))
        .arg(g, 2, 16, QLatin1Char('0'))
        .arg(b, 2, 16, QLatin1Char('0'))
        .toUpper();
}
