#pragma once

#include <QPoint>
#include <QRect>
#include <Qt>

// Which border of a frameless window the cursor is on, and the cursor shown
// there. Codes are what the window keeps in its resize state.
namespace DWindowEdge {

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

}
