#pragma once

#include <QString>
#include <QtGlobal>

// Who may take part in a local-socket channel between instances of the
// program: only the user who runs it. Another local user must neither stop
// our start by listening first nor learn what we hand the running instance.
class LocalSocketUser
{
public:
    static uint currentUserId();

    // Where a per-user channel called `name` lives: the user's runtime
    // folder (private to the user), or, without one, the temporary folder
    // with the user id in the name.
    static QString serverPath(const QString& name);

    // Whether the process at the other end of a connected local socket runs
    // as our user (its credentials as the kernel recorded them).
    static bool peerIsCurrentUser(qintptr socketDescriptor);
};
