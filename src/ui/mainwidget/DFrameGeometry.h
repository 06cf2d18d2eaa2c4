#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <Qt>

// The geometry rules of the frameless main window: which border the cursor is
// on (codes are what the window keeps as its resize state), the cursor shown
// there, how dragging a border changes the window, and the minimum size.
namespace DFrameGeometry {

enum Code : int {
    Top = 0,
    Bottom = 1,
    Left = 2,
    Right = 3,
    TopLeft = 4,
    BottomLeft = 5,
    BottomRight = 6,
    TopRight = 7,
    None = 8,
};

constexpr int kMargin = 4;

// `window` holds the global top-left and bottom-right corners (QRect's
// inclusive right()/bottom()). Corners win over edges; an edge test checks one
// coordinate only, so a point beside the window still counts as "left" when
// its x is within the margin.
int hitTest(const QRect& window, const QPoint& cursor);

Qt::CursorShape cursorFor(int code);

// The rectangle after dragging border `code` to `cursor`; a moving top or
// left edge stops where the window would become smaller than `minimum`.
QRect resized(const QRect& window, int code, const QPoint& cursor, const QSize& minimum);

// Screens larger than full HD in either direction get the larger minimum.
QSize minimumWindowSize(const QSize& availableScreen);

} // namespace DFrameGeometry
