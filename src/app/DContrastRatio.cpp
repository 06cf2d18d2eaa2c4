#include "app/DContrastRatio.h"

#include <QtMath>

namespace DContrastRatio {

double luminance(const QColor& colour)
{
    auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.03928 ? c / 12.92 : qPow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.red()) + 0.7152 * linear(colour.green()) + 0.0722 * linear(colour.blue());
}

double contrast(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

QColor readable(const QColor& colour, const QColor& background, double minimum)
{
    if (contrast(colour, background) >= minimum)
        return colour;
    const QColor black(0, 0, 0);
    const QColor white(255, 255, 255);
    const QColor target = contrast(black, background) >= contrast(white, background) ? black : white;
    QColor moved = colour;
    for (int step = 1; step <= 20; ++step) {
        const double t = step / 20.0;
        moved = QColor(qRound(colour.red() + (target.red() - colour.red()) * t),
                       qRound(colour.green() + (target.green() - colour.green()) * t),
                       qRound(colour.blue() + (target.blue() - colour.blue()) * t), colour.alpha());
        if (contrast(moved, background) >= minimum)
            break;
    }
    return moved;
}

} // namespace DContrastRatio
