#pragma once

#include <array>

// How mouse edits change one key row of a DKS record: the four phase values
// (0 nothing, 1 tap, 2 hold to the next phase, 3 a hold that starts anew).
// The grid widget measures the pointer; these rules decide the values.
class DDksActionRules
{
public:
    using Row = std::array<int, 4>;

    // Length of the bar a drag from `startPhase` may reach, in cells: one,
    // plus the empty points right of the start up to the first point that
    // holds a tap or a hold.
    static int span(const Row& row, int startPhase);

    // The row after a click on the hold that covers `column`; false, with
    // `row` unchanged, when no rule covers that row.
    static bool removeHold(Row& row, int column);

    // One evaluation of a drag bar `barLength` px long that was
    // `lastBarLength` before, drawn from `startPhase` over cells
    // `cellWidth` wide. True when the bar grew or shrank past 10 px (the row
    // counts as changed then even when no zone changed a value).
    static bool applyDrag(Row& row, int startPhase, int barLength, int lastBarLength, int cellWidth);
};
