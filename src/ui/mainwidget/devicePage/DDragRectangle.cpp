#include "ui/mainwidget/devicePage/DDragRectangle.h"

#include <algorithm>

DDragRectangle::Band DDragRectangle::fromDrag(int startX, int startY, int endX, int endY)
{
    // A press and release on one spot is a click; the overlay reports its
    // right-button press as all zeros, which still clears the selection.
    if (startX == endX && startY == endY && startX != 0 && startY != 0)
        return {};
    if (startX == endX || startY == endY)
        return {true, 0, 0, 0, 0};
    return {true, std::min(startX, endX), std::min(startY, endY), std::max(startX, endX), std::max(startY, endY)};
}
