#include "profiles/DMacroEventEditor.h"

#include "sdk/include/StoreWriteBatch.h"
#include "sdk/include/orvanesdk_xml.h"

#include <list>

namespace {

const QString kDown = QStringLiteral("down");
const QString kUp = QStringLiteral("up");

bool toItems(const QList<DMacroEvent>& events, std::list<macroEventItem>* items)
{
    for (const DMacroEvent& event : events) {
        macroEventItem item{};
        if (!event.toItem(&item))
            return false;
        items->push_back(item);
    }
    return true;
}

} // namespace

DMacroEventEditor::DMacroEventEditor(const DMacroFile& file)
    : m_file(file)
{
}

void DMacroEventEditor::setFile(const DMacroFile& file)
{
    m_file = file;
    clear();
}

void DMacroEventEditor::show(const QString& index, const QString& name, const QList<DMacroEvent>& events)
{
    m_index = index;
    m_name = name;
    m_events = events;
    m_selected = -1;
    m_totalDelay = DMacroEvent::totalDelay(events);
    m_presses = DMacroEvent::downCount(events);
}

void DMacroEventEditor::clear()
{
    show(QString(), QString(), {});
}

void DMacroEventEditor::select(int row)
{
    m_selected = row >= 0 && row < m_events.size() ? row : -1;
}

int DMacroEventEditor::partnerRow() const
{
    if (m_selected < 0)
        return -1;
    const DMacroEvent& selected = m_events.at(m_selected);
    for (int row = 0; row < m_events.size(); ++row) {
        if (row != m_selected && m_events.at(row).isPartnerOf(selected))
            return row;
    }
    return -1;
}

DMacroEventEditor::Result DMacroEventEditor::insertKey(Place place, int usage, const QString& label)
{
    if (m_selected < 0)
        return Result::NoSelection;
    if (label.isEmpty())
        return Result::NoKey;
    return insertPair(place, DMacroEvent::key(0, 0, usage, label, true), DMacroEvent::key(0, 0, usage, label, false));
}

DMacroEventEditor::Result DMacroEventEditor::insertMouse(Place place, DMacroEvent::MouseButton button)
{
    return insertPair(place, DMacroEvent::mouse(0, 0, button, true), DMacroEvent::mouse(0, 0, button, false));
}

DMacroEventEditor::Result DMacroEventEditor::insertPair(Place place, const DMacroEvent& down, const DMacroEvent& up)
{
    if (m_selected < 0)
        return Result::NoSelection;
    if (m_events.size() >= kMaxRows)
        return Result::LimitReached;
    const int mark = m_file.nextEventMark(m_index);
    if (mark < 0)
        return Result::WriteFailed;
    const int at = place == Place::Before ? m_selected : m_selected + 1;
    QList<DMacroEvent> events = m_events;
    DMacroEvent press = down;
    DMacroEvent release = up;
    press.mark = release.mark = QString::number(mark);
    events.insert(at, release);
    events.insert(at, press);
    if (!writeWhole(events))
        return Result::WriteFailed;
    m_events = events;
    if (place == Place::Before)
        m_selected += 2;
    ++m_presses;
    return Result::Done;
}

bool DMacroEventEditor::writeWhole(const QList<DMacroEvent>& events)
{
    std::list<macroEventItem> items;
    if (!m_file.isUsable() || !toItems(events, &items))
        return false;
    const QByteArray path = m_file.path();
    const QByteArray index = indexText();
    // Delete, create and add reach the file as one write, so a failure
    // between them never leaves the macro missing or half filled, and the
    // macro keeps the name on show.
    StoreWriteBatch batch;
    const bool changed
        = COrvaneXML_DeleteMacroNode(path.constData(), index.constData())
          && COrvaneXML_CreateMacroXmlParentNode(path.constData(), index.constData(), m_name.toUtf8().constData())
          && (items.empty() || COrvaneXML_AddKeyOrMouseEventItem(path.constData(), items, index.constData()));
    if (!changed) {
        batch.abandon();
        return false;
    }
    return batch.commit();
}

DMacroEventEditor::Result DMacroEventEditor::changeToKey(const QString& label, int capturedUsage, int delay)
{
    if (m_selected < 0)
        return Result::NoSelection;
    if (label.isEmpty())
        return Result::NoKey;
    const DMacroEvent& row = m_events.at(m_selected);
    const bool sameKey = row.type == QLatin1String("key") && label == row.codeName;
    const int usage = sameKey ? row.keyCode : capturedUsage;
    return change(DMacroEvent::key(0, 0, usage, label, true), delay);
}

DMacroEventEditor::Result DMacroEventEditor::changeToMouse(DMacroEvent::MouseButton button, int delay)
{
    if (m_selected < 0)
        return Result::NoSelection;
    return change(DMacroEvent::mouse(0, 0, button, true), delay);
}

DMacroEventEditor::Result DMacroEventEditor::change(const DMacroEvent& kindOfDown, int delay)
{
    const int partner = partnerRow();
    QList<DMacroEvent> events = m_events;
    // The kind and key go to both halves of the pair, each with the code of
    // its own direction; the delay only to the selected one.
    const auto remade = [&](const DMacroEvent& old, int newDelay) {
        DMacroEvent event = kindOfDown;
        event.mark = old.mark;
        event.delay = newDelay;
        event.operateExplain = old.operateExplain;
        if (!old.isDown() && event.type == QLatin1String("mouse"))
            ++event.keyCode; // a button's release message follows its press
        return event;
    };
    events[m_selected] = remade(m_events.at(m_selected), qBound(0, delay, 65535));
    if (partner >= 0)
        events[partner] = remade(m_events.at(partner), m_events.at(partner).delay);

    const QByteArray path = m_file.path();
    const QByteArray index = indexText();
    StoreWriteBatch batch;
    bool changed = m_file.isUsable();
    for (int row : {m_selected, partner}) {
        if (!changed || row < 0)
            continue;
        macroEventItem item{};
        const DMacroEvent& event = events.at(row);
        changed = event.toItem(&item)
                  && COrvaneXML_UpdateEventItem(path.constData(), index.constData(), event.mark.toLatin1().constData(),
                                                event.isDown() ? 0 : 1, item);
    }
    if (!changed) {
        batch.abandon();
        return Result::WriteFailed;
    }
    if (!batch.commit())
        return Result::WriteFailed;
    m_totalDelay += events.at(m_selected).delay - m_events.at(m_selected).delay;
    m_events = events;
    return Result::Done;
}

DMacroEventEditor::Result DMacroEventEditor::move(int step)
{
    if (m_selected < 0)
        return Result::NoSelection;
    const int neighbour = m_selected + step;
    if (neighbour < 0 || neighbour >= m_events.size())
        return Result::Unchanged;
    const DMacroEvent& moved = m_events.at(m_selected);
    // A press never passes its own release.
    if (m_events.at(neighbour).isPartnerOf(moved))
        return Result::Unchanged;
    const QByteArray path = m_file.path();
    if (!m_file.isUsable()
        || !COrvaneXML_MacroEventItemUpOrDownOperate(path.constData(), indexText().constData(),
                                                     moved.mark.toLatin1().constData(), step < 0 ? 1 : 0,
                                                     moved.isDown() ? 0 : 1))
        return Result::WriteFailed;
    m_events.swapItemsAt(m_selected, neighbour);
    m_selected = neighbour;
    return Result::Done;
}

DMacroEventEditor::Result DMacroEventEditor::removePair(int row)
{
    if (row < 0 || row >= m_events.size())
        return Result::Unchanged;
    const QString mark = m_events.at(row).mark;
    const QByteArray path = m_file.path();
    if (!m_file.isUsable()
        || !COrvaneXML_DeleteEventItem(path.constData(), indexText().constData(), mark.toLatin1().constData()))
        return Result::WriteFailed;
    // The store removes every event of the mark; so does the list.
    for (int at = m_events.size() - 1; at >= 0; --at) {
        if (m_events.at(at).mark != mark)
            continue;
        m_totalDelay -= m_events.at(at).delay;
        if (m_events.at(at).isDown())
            --m_presses;
        m_events.removeAt(at);
    }
    m_selected = -1;
    return Result::Done;
}

DMacroEventEditor::Result DMacroEventEditor::append(const QList<DMacroEvent>& recorded)
{
    if (recorded.isEmpty())
        return Result::Unchanged;
    std::list<macroEventItem> items;
    if (!m_file.isUsable() || !toItems(recorded, &items))
        return Result::WriteFailed;
    if (!COrvaneXML_AddKeyOrMouseEventItem(m_file.path().constData(), items, indexText().constData()))
        return Result::WriteFailed;
    m_events += recorded;
    m_totalDelay += DMacroEvent::totalDelay(recorded);
    m_presses = DMacroEvent::downCount(m_events);
    return Result::Done;
}
