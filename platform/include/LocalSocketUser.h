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
    // folder (private to the user), or, without one, a folder of the user's
    // own: "<name>-<user id>" in the temporary folder, or in the user's cache
    // folder when another user holds that name.
    static QString serverPath(const QString& name);
    // The folder of that channel; empty when the user has none of their own.
    static QString channelFolder(const QString& name);

    // path as a folder that only this user can enter: made with mode 0700
    // when absent; an existing one must be a folder (not a link) owned by
    // the user, and is closed to everyone else. Empty when it cannot be so.
    static QString privateFolder(const QString& path);

    // Whether the process at the other end of a connected local socket runs
    // as our user (its credentials as the kernel recorded them).
    static bool peerIsCurrentUser(qintptr socketDescriptor);
};
