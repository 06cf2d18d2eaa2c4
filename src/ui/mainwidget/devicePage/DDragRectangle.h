#pragma once

// The rubber band the overlay reports, as the rectangle the picture selects
// in: corners in any order become left, top, right, bottom; a band without
// width or height selects nothing.
class DDragRectangle
{
public:
    struct Band
    {
        bool select = false; // false: a click without a drag, nothing to do
        int left = 0;
        int top = 0;
        int right = 0;
        int bottom = 0;
    };

    static Band fromDrag(int startX, int startY, int endX, int endY);
};
