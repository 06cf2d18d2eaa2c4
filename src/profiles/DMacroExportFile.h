#pragma once

#include "profiles/DMacroEvent.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The file one exported macro travels in: a small XML document of our own,
// not the profile store's macro file. Written from the store's events and
// read back from whatever file the user picks, so reading checks everything
// before anything is kept: an event the keyboard would play differently
// from what the file says (a cut key code, a held key, a clipped delay)
// refuses the whole file.
class DMacroExportFile
{
public:
    // Far above any macro the keyboard can hold; a larger file is no macro.
    static constexpr qint64 kMaxFileBytes = 1024 * 1024;
    // One macro slot of the keyboard carries 62 events and drops the rest.
    static constexpr int kMaxEvents = 62;
    static constexpr int kMinKeyCode = -1;
    static constexpr int kMaxKeyCode = 255;
    static constexpr int kMaxDelay = 65535;

    enum class Refusal {
        None,
        CannotOpen,
        TooLarge,
        NotXml,
        NoEvent,
        TooManyEvents,
        TooLong,
        BadMark,
        BadDelay,
        BadType,
        BadKeyCode,
        BadMouseCode,
        BadDirection,
        UnpairedMark,
    };

    // Why a file was refused: the first fault found and where.
    struct Check
    {
        Refusal refusal = Refusal::None;
        int event = 0; // 1-based, in file order, for faults of one event
        QString mark;  // for a mark whose press and release do not pair

        bool accepted() const { return refusal == Refusal::None; }
        // The reason as the user reads it after "Import macro failed: ".
        QString reason() const;
    };

    // The whole document, declaration first, one element per line.
    static QByteArray write(const QString& index, const QString& name, const QList<DMacroEvent>& events);

    // Reads and checks the whole document; *events is set only when every
    // event is valid and they pair up. An event is an `item` element or any
    // element carrying `mark` and `type`, wherever it stands; the index and
    // name in the file are not used. An absent `delay` reads as 0. A `macro`
    // element without events is an empty macro; a document with neither is
    // refused.
    static Check read(const QByteArray& bytes, QList<DMacroEvent>* events);
};
