#pragma once

#include "profiles/DProfileFileSet.h"

#include <QStringList>

// Tells the user about profile files the store found damaged and set aside,
// so a profile that suddenly looks empty is explained and the damaged copy
// can still be found.
class DStoreRecoveryNotice
{
public:
    // One message per file the store recovered since the last call, oldest
    // first; empty when there was none.
    static QStringList takeMessages();

    // Why the profiles of the keyboard `model` could not be opened, for a
    // result other than Opened; `path` is the set's failedPath(). Empty for
    // a result that is no failure to tell (not a keyboard, no serial number
    // yet).
    static QString openFailure(const QString& model, DProfileFileSet::OpenResult result, const QString& path);

    // Why a change was not saved, right after the store refused it: that the
    // file would have grown beyond what the store reads, when so, else
    // `usual`.
    static QString saveFailure(const QString& usual);
};
