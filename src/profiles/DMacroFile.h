#pragma once

#include "profiles/DMacroEvent.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The application-wide macro file as the macro editor works on it, through
// the profile store only. Every operation reads the store's result: false
// means the file does not hold the change (a damaged file the store set
// aside is reported through its recovery notes, not here). Operations that
// take several store calls make them one write, so a failure between them
// never loses a macro.
class DMacroFile
{
public:
    struct Macro
    {
        QString index;
        QString name;
    };

    // The store takes paths of at most 255 bytes; a longer one is refused
    // here, never cut: a cut path names another file.
    static constexpr int kMaxPathBytes = 255;

    explicit DMacroFile(const QByteArray& path = QByteArray());

    bool isUsable() const { return !m_path.isEmpty(); }
    QByteArray path() const { return m_path; }

    // Every macro in file order; false when the file cannot be read.
    bool macros(QList<Macro>* out) const;
    // The macro's events in playback order; false when it cannot be read.
    bool events(const QString& index, QList<DMacroEvent>* out) const;
    // See DMacroEvent::nextEventMark; -1 when the macro cannot be read.
    int nextEventMark(const QString& index) const;

    // The smallest positive index no listed macro uses.
    static int smallestFreeIndex(const QList<Macro>& macros);
    static QString defaultName(int index);

    // A new empty macro at the smallest free index, named after it.
    bool add(Macro* created);
    bool rename(const QString& index, const QString& name);
    // Empties the macro; it keeps its index, name and place.
    bool clear(const QString& index, const QString& name);
    // Removes the macro alone (see DMacroBindings for keys bound to it).
    bool remove(const QString& index);

private:
    QByteArray m_path;
};
