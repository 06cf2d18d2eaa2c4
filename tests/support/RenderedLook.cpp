#include "support/RenderedLook.h"

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
    QHash<QRgb, int> counts;
    QRgb best = 0;
    int bestCount = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int count = ++counts[line[x]];
            if (count > bestCount) {
                bestCount = count;
                best = line[x];
            }
        }
    }
    return QColor(best);
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
