#pragma once

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
};
