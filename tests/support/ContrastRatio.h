#pragma once

#include <QColor>

// Relative luminance and contrast ratio as the web accessibility guidelines
// define them (sRGB, linearised per channel).
namespace ContrastRatio {

double luminance(const QColor& colour);
double contrast(const QColor& a, const QColor& b);

// The least the guidelines ask of normal text, and of large text and icons.
constexpr double kText = 4.5;
constexpr double kLarge = 3.0;

} // namespace ContrastRatio
