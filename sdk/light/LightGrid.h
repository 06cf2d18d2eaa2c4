#pragma once

// The cells a frame carries: the keys as 6 rows of 22 (row x 22 + column)
// and the side bar as 60 segments.
struct LightGrid
{
    static constexpr int kRows = 6;
    static constexpr int kColumns = 22;
    static constexpr int kKeyCells = kRows * kColumns;
    static constexpr int kSideCells = 60;
};

// The part of the grid a model's keys occupy, first and last row and column
// inclusive. Effects that move round or out from a centre use it, so a small
// keyboard is not lit as if it had the full grid.
struct KeyArea
{
    int top = 0;
    int bottom = LightGrid::kRows - 1;
    int left = 0;
    int right = LightGrid::kColumns - 1;

    int width() const { return right - left + 1; }
    int height() const { return bottom - top + 1; }
    bool contains(int row, int column) const
    {
        return row >= top && row <= bottom && column >= left && column <= right;
    }
};

// A key press at a grid position.
struct KeyPress
{
    // No effect animates more presses at once than this.
    static constexpr int kMaxPending = 16;

    int row = 0;
    int column = 0;
};
