#include "ui/mainwidget/DFrameGeometry.h"

#include <array>

namespace DFrameGeometry {

namespace {

constexpr std::array<Qt::CursorShape, 9> kCursors = {
    Qt::SizeVerCursor, // Top
    Qt::SizeVerCursor, // Bottom
    Qt::SizeHorCursor, // Left
    Qt::SizeHorCursor, // Right
    Qt::SizeFDiagCursor, // TopLeft
    Qt::SizeBDiagCursor, // BottomLeft
    Qt::SizeFDiagCursor, // BottomRight
    Qt::SizeBDiagCursor, // TopRight
    Qt::ArrowCursor, // None
};

bool within(int value, int low, int high)
{
    return value >= low && value <= high;
}

} // namespace

int hitTest(const QRect& window, const QPoint& cursor)
{
    const int x = cursor.x();
    const int y = cursor.y();
    const bool nearLeft = within(x, window.left(), window.left() + kMargin);
    const bool nearRight = within(x, window.right() - kMargin, window.right());
    const bool nearTop = within(y, window.top(), window.top() + kMargin);
    const bool nearBottom = within(y, window.bottom() - kMargin, window.bottom());

    if (nearLeft && nearTop)
        return TopLeft;
    if (nearRight && nearBottom)
        return BottomRight;
    if (nearLeft && nearBottom)
        return BottomLeft;
    if (nearRight && nearTop)
        return TopRight;
    if (nearLeft)
        return Left;
    if (nearRight)
        return Right;
    if (nearTop)
        return Top;
    if (nearBottom)
        return Bottom;
    return None;
}

Qt::CursorShape cursorFor(int code)
{
    if (code < 0 || code >= static_cast<int>(kCursors.size()))
        return Qt::ArrowCursor;
    return kCursors[static_cast<size_t>(code)];
}

QRect resized(const QRect& window, int code, const QPoint& cursor, const QSize& minimum)
{
    QPoint tl = window.topLeft();
    const QPoint br = window.bottomRight();
    QRect result = window;

    auto moveTop = [&] {
        if (br.y() - cursor.y() > minimum.height())
            tl.setY(cursor.y());
        result.setTop(tl.y());
    };
    auto moveLeft = [&] {
        if (br.x() - cursor.x() > minimum.width())
            tl.setX(cursor.x());
        result.setLeft(tl.x());
    };
    auto setHeight = [&] { result.setHeight(cursor.y() - tl.y()); };
    auto setWidth = [&] { result.setWidth(cursor.x() - tl.x()); };

    switch (code) {
    case Top:
        moveTop();
        break;
    case Bottom:
        setHeight();
        break;
    case Left:
        moveLeft();
        break;
    case Right:
        setWidth();
        break;
    case TopLeft:
        moveLeft();
        moveTop();
        break;
    case BottomLeft:
        setHeight();
        moveLeft();
        break;
    case BottomRight:
        setWidth();
        setHeight();
        break;
    case TopRight:
        setWidth();
        moveTop();
        break;
    default:
        break;
    }
    return result;
}

QSize minimumWindowSize(const QSize& availableScreen)
{
    if (availableScreen.width() > 1920 || availableScreen.height() > 1080)
        return QSize(1450, 810);
    return QSize(1280, 715);
}

} // namespace DFrameGeometry
