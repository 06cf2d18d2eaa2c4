#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>

class QWidget;

// What a widget looks like once the style sheet has been applied, read the
// way a user sees it: from the widget drawn into an image, or from the palette
// the style gave it. Tests of looks compare these, never the text of a sheet.
namespace RenderedLook {

// The colour most of the widget's pixels have (its background where text
// and icons cover less than half of it). Draws the widget on the colour of
// its window behind it, so a see-through background shows what lies under it.
QColor background(QWidget* widget);

// The colour the style draws the widget's text in.
QColor text(QWidget* widget);

// The pixel at `point` of the widget drawn as background() draws it.
QColor pixel(QWidget* widget, const QPoint& point);

// The widget's rectangle of its window as drawn: the widget over every
// ancestor's background, with whatever lies on top of it; `scale` times
// as many pixels each way, so a thin stroke has pixels it covers whole.
QImage image(QWidget* widget, int scale = 1);

// The colour most pixels of `image` have within `area`.
QColor mostCommon(const QImage& image, const QRect& area);

} // namespace RenderedLook
