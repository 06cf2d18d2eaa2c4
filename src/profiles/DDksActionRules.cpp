#include "profiles/DDksActionRules.h"

namespace {

bool isHold(int value)
{
    return value == 2 || value == 3;
}

// A hold that ended where the removed one started is no longer joined to
// anything, so it becomes a plain hold.
int unjoined(int value)
{
    return value == 3 ? 2 : value;
}

} // namespace

int DDksActionRules::span(const Row& row, int startPhase)
{
    int cells = 1;
    for (int p = startPhase + 1; p < 4 && row[p] == 0; ++p)
        ++cells;
    return cells;
}

bool DDksActionRules::removeHold(Row& row, int column)
{
    const int o0 = row[0];
    const int o1 = row[1];
    const int o2 = row[2];
    const int o3 = row[3];
    auto set = [&row, o3](int a, int b, int c) {
        row = {a, b, c, o3};
        return true;
    };

    if (o0 == 2 && o1 == 2 && o2 == 2)
        return set(0, 0, 0);
    if (o0 == 2 && o1 == 2 && o2 == 3)
        return column == 2 ? set(2, 2, 0) : set(0, 0, 2);
    if (o0 == 2 && o1 == 3 && o2 == 2)
        return column == 0 ? set(0, 2, 2) : set(2, 0, 0);
    if (o0 == 2 && o1 == 3 && o2 == 3) {
        if (column == 0)
            return set(0, 2, 3);
        return column == 1 ? set(2, 0, 2) : set(2, 3, 0);
    }
    if (o0 == 2 && o1 == 2 && (o2 == 0 || o2 == 1))
        return set(0, 0, o2);
    if (o0 != 2 && isHold(o1) && o2 == 2)
        return set(o0, 0, 0);
    if (o0 == 2 || isHold(o1) || isHold(o2)) {
        switch (column) {
        case 0:
            return set(0, unjoined(o1), o2);
        case 1:
            return set(o0, 0, unjoined(o2));
        case 2:
            return set(o0, o1, 0);
        default:
            break;
        }
    }
    return false;
}

bool DDksActionRules::applyDrag(Row& row, int startPhase, int barLength, int lastBarLength, int cellWidth)
{
    const int s = startPhase;
    const int length = barLength;
    const int half = cellWidth / 2 + 5;
    if (length == lastBarLength || length <= 10)
        return false;

    if (length < lastBarLength) {
        if (cellWidth + half < length && length < 2 * cellWidth + half) {
            if (s + 2 <= 2)
                row[s + 2] = 0;
        } else if (half < length && length < cellWidth + half) {
            if (s + 1 <= 2)
                row[s + 1] = 0;
        } else if (length < half) {
            row[s] = 1;
        }
        return true;
    }

    if (half < length && length < cellWidth) {
        if (s == 0) {
            row[0] = 2;
            if (row[1] == 2)
                row[1] = 3;
        } else if (s == 1) {
            if (row[0] == 2 || row[2] == 2 || row[2] == 1) {
                row[1] = 3;
                if (row[2] == 2)
                    row[2] = 3;
            } else {
                row[1] = 2;
            }
        } else if (s == 2) {
            row[2] = isHold(row[1]) ? 3 : 2;
        }
    } else if (cellWidth + half < length && length < 2 * cellWidth) {
        if (s == 0) {
            row[1] = 2;
            if (row[2] == 2)
                row[2] = 3;
        } else if (s == 1) {
            row[2] = 2;
        }
    } else if (length > 2 * cellWidth + half) {
        if (s + 2 <= 3 && row[s + 2] == 0)
            row[s + 2] = 2;
    }
    return true;
}
