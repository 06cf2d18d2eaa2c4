#include "support/RenderedLook.h"

#include <QGraphicsEffect>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

namespace {

// The widget as drawn over what is behind it: grabbing the window and
// cutting out the widget's rectangle keeps every ancestor's background.
QImage drawn(QWidget* widget)
{
    widget->ensurePolished();
    QWidget* top = widget->window();
    const QPoint origin = widget->mapTo(top, QPoint(0, 0));
    return top->grab(QRect(origin, widget->size())).toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

namespace RenderedLook {

QColor background(QWidget* widget)
{
    const QImage image = drawn(widget);
    return mostCommon(image, image.rect());
}

QColor mostCommon(const QImage& image, const QRect& area)
{
    const QRect inside = area & image.rect();
    QHash<QRgb, int> counts;
    QRgb best = 0;
    int bestCount = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const int count = ++counts[line[x]];
            if (count > bestCount) {
                bestCount = count;
                best = line[x];
            }
        }
    }
    return QColor(best);
}

QImage image(QWidget* widget, int scale)
{
    if (scale == 1)
        return drawn(widget);
    widget->ensurePolished();
    QWidget* top = widget->window();
    const QRect area(widget->mapTo(top, QPoint(0, 0)), widget->size());
    // A device of that many pixels per point, as a high-density screen is:
    // the window is laid out as ever and drawn finer.
    QPixmap pixmap(area.size() * scale);
    pixmap.setDevicePixelRatio(scale);
    pixmap.fill(Qt::black);
    // A pop-up's fade is drawn only at the screen's density; the window is
    // measured as it stands once the fade is over.
    QGraphicsEffect* effect = top->graphicsEffect();
    const bool effectOn = effect && effect->isEnabled();
    if (effectOn)
        effect->setEnabled(false);
    top->render(&pixmap, QPoint(), QRegion(area),
                QWidget::DrawWindowBackground | QWidget::DrawChildren | QWidget::IgnoreMask);
    if (effectOn)
        effect->setEnabled(true);
    return pixmap.toImage().convertToFormat(QImage::Format_RGB32);
}

QColor text(QWidget* widget)
{
    widget->ensurePolished();
    return widget->palette().color(widget->foregroundRole());
}

QColor pixel(QWidget* widget, const QPoint& point)
{
    return drawn(widget).pixelColor(point);
}

} // namespace RenderedLook
