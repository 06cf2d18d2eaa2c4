#include "hid/DCommandQueue.h"

#include "app/logCategories.h"

#include <QDebug>

#include <algorithm>

void DCommandQueue::append(const DReportFrame& report, Kind kind)
{
    if (kind == Kind::Command) {
        m_entries.push_back({report, kind});
        return;
    }
    if (kind == Kind::Inquiry && std::any_of(m_entries.begin(), m_entries.end(), [&report](const Entry& e) {
            return e.kind == Kind::Inquiry && e.report == report;
        }))
        return;
    if (m_unasked >= kUnaskedLimit) {
        const auto oldest
            = std::find_if(m_entries.begin(), m_entries.end(), [](const Entry& e) { return e.kind != Kind::Command; });
        qCWarning(lcLink)
            << "The keyboard provokes reports faster than it takes them; an unsent one is dropped, command"
            << int(oldest->report.command());
        m_entries.erase(oldest);
        --m_unasked;
    }
    m_entries.push_back({report, kind});
    ++m_unasked;
}

DReportFrame DCommandQueue::takeFirst()
{
    const Entry first = m_entries.front();
    m_entries.pop_front();
    if (first.kind != Kind::Command)
        --m_unasked;
    return first.report;
}
