#pragma once

#include "profiles/DMacroBindings.h"

#include <QList>
#include <QString>

class DSeniorKeyRecords;

// The keys bound to an advanced key in the profiles of every keyboard. The
// advanced-key file is shared by all keyboards, and a new record takes the
// index above the highest, so the index of a deleted last record comes
// back: a key left bound to it would run whatever record is made next.
class DSeniorKeyBindings
{
public:
    using Binding = DMacroBindings::Binding;

    // Every key whose stored function is the advanced key. False when a
    // layer file cannot be read: its keys are then unknown.
    static bool find(const QString& userConfigDir, int index, QList<Binding>* out);

    // Deletes the record with its bindings: each bound key gets its default
    // function back. The layer files are written first, as one batch, and
    // the record only goes once they hold the change, so a failed write
    // never leaves a key bound to a record that is gone. False when
    // anything was not written; the record then stays.
    static bool removeRecord(DSeniorKeyRecords& records, const QString& userConfigDir, int type, int index);
};
