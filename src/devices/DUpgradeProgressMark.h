#pragma once

// The percentage an upgrade shows: worked out from the route's (total,
// done) reports in whole numbers, and only ever rising while one upgrade
// runs.
class DUpgradeProgressMark
{
public:
    // Forgets the mark, for the next upgrade.
    void reset() { m_shown = -1; }
    // The percentage to show for a report, or -1 when the report shows
    // nothing new: a total of 0 or less, or no more than already shown.
    // done × 100 / total in 64 bits, kept within 0 to 100.
    int next(int total, int done);
    int shown() const { return m_shown; }

    static int percent(int total, int done);

private:
    int m_shown = -1;
};
