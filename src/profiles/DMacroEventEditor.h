#pragma once

#include "profiles/DMacroEvent.h"
#include "profiles/DMacroFile.h"

#include <QList>
#include <QString>

// The events of the macro on show in the editor, in the order of its rows,
// and the changes made to them one at a time: selecting a row, inserting a
// press-and-release pair next to it, changing it and its partner, moving it,
// deleting a pair, and appending a recording. Every change is written to the
// macro file before it shows here; a change the file does not take leaves
// the list as it was and reports WriteFailed.
class DMacroEventEditor
{
public:
    enum class Result {
        Done,
        NoSelection, // "Please select a specific location first"
        NoKey, // "Please enter a key"
        LimitReached, // "The record of events has reached the limit"
        Unchanged, // nothing to do, nothing said
        WriteFailed,
    };
    enum class Place { Before, After };

    // An insertion is refused from this many rows on (so 39 rows can grow to
    // 41).
    static constexpr int kMaxRows = 40;

    explicit DMacroEventEditor(const DMacroFile& file = DMacroFile());
    void setFile(const DMacroFile& file);

    // The macro now on show, with the events read for it; clears the
    // selection.
    void show(const QString& index, const QString& name, const QList<DMacroEvent>& events);
    // The name the macro is written back with; a rename made meanwhile stays.
    void setName(const QString& name) { m_name = name; }
    void clear();

    const QList<DMacroEvent>& events() const { return m_events; }
    qint64 totalDelay() const { return m_totalDelay; }
    // The presses of the macro as the recorder's limit counts them.
    int presses() const { return m_presses; }

    bool hasSelection() const { return m_selected >= 0; }
    int selectedRow() const { return m_selected; }
    void select(int row);
    // The row with the selected row's mark and the other direction; -1 when
    // there is none.
    int partnerRow() const;

    Result insertKey(Place place, int usage, const QString& label);
    Result insertMouse(Place place, DMacroEvent::MouseButton button);
    // The selected event becomes a key (its partner too) and takes the delay.
    // An empty label is refused; a label other than the row's takes the
    // captured usage, the row's own label keeps the row's key.
    Result changeToKey(const QString& label, int capturedUsage, int delay);
    Result changeToMouse(DMacroEvent::MouseButton button, int delay);
    Result moveUp() { return move(-1); }
    Result moveDown() { return move(1); }
    // Removes the row's pair: both rows, from the file and the list.
    Result removePair(int row);

    // Appends a recording after the stored events.
    Result append(const QList<DMacroEvent>& recorded);

private:
    Result insertPair(Place place, const DMacroEvent& down, const DMacroEvent& up);
    Result change(const DMacroEvent& kindOfDown, int delay);
    Result move(int step);
    bool writeWhole(const QList<DMacroEvent>& events);
    QByteArray indexText() const { return m_index.toLatin1(); }

    DMacroFile m_file;
    QString m_index;
    QString m_name;
    QList<DMacroEvent> m_events;
    int m_selected = -1;
    qint64 m_totalDelay = 0;
    int m_presses = 0;
};
