#pragma once

#include <QColor>

// Relative luminance and contrast ratio as the web accessibility guidelines
// define them (sRGB, linearised per channel); alpha is not considered.
namespace DContrastRatio {

double luminance(const QColor& colour);
double contrast(const QColor& a, const QColor& b);

// The least the guidelines ask of normal text, and of large text and icons.
constexpr double kText = 4.5;
constexpr double kLarge = 3.0;

// `colour` itself when it reaches `minimum` on `background`; otherwise
// `colour` moved step by step towards black or white (whichever can contrast
// more with the background) until it does, keeping as much of its hue as the
// ratio allows.
QColor readable(const QColor& colour, const QColor& background, double minimum);

} // namespace DContrastRatio
