#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

namespace DThemeColor {

// A theme colour text ("r,g,b" or "r,g,b,a") as an opaque colour: the first
// three comma-separated fields are read as decimal integers, a missing or
// unreadable field counting 0.
QColor fromText(const QString& text);

// Fills a style-sheet template: marker %n (1..9) takes values[n-1]. The
// values go in as they are, in one pass, so a font family or colour text that
// happens to hold "%2" is never taken for a marker. A marker without a value
// stays as written.
QString fillTemplate(const QString& styleTemplate, const QStringList& values);

// Qt's style sheets take three components only in rgb() and four only in
// rgba(); anything else leaves the colour unset. Theme colours carry an alpha
// while a background image is in use, so every rgb()/rgba() of a filled
// template gets the name that fits its component count.
QString fitColorFunctions(const QString& styleSheet);

// The style sheet every themed widget gets: the template filled with the
// theme's texts, then each colour function fitted to its component count.
QString fillStyleSheet(const QString& styleTemplate, const QStringList& values);

} // namespace DThemeColor
