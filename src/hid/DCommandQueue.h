#pragma once

#include "hid/reports/DReportFrame.h"

#include <deque>

// The outgoing command reports of one keyboard, in order. Reports the link
// sends of its own accord are told apart from commands the user triggered:
// a keyboard that keeps provoking them must neither grow the queue without
// end nor hold the user's commands back behind them.
class DCommandQueue
{
public:
    enum class Kind {
        Command, // the user's: always queued, never dropped
        Inquiry, // a question to the keyboard: asked once while it waits
        Echo // an answer to a keyboard report: each one counts, in order
    };

    // Inquiries and echoes held at most; beyond it the oldest is dropped.
    static constexpr int kUnaskedLimit = 64;

    bool isEmpty() const { return m_entries.empty(); }
    int size() const { return int(m_entries.size()); }

    void append(const DReportFrame& report, Kind kind = Kind::Command);
    DReportFrame takeFirst();

private:
    struct Entry
    {
        DReportFrame report;
        Kind kind;
    };

    std::deque<Entry> m_entries;
    int m_unasked = 0;
};
