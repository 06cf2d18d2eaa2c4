#pragma once

#include <QSharedMemory>
#include <QString>

// The one-byte shared-memory segment whose existence says "an instance runs".
// A crashed instance leaves it behind on Linux, so it can be reclaimed once
// no running instance answers. Each user has a segment of their own, so
// one user's instance neither stops nor delays another user's start.
class DSingleInstanceSegment
{
public:
    explicit DSingleInstanceSegment(const QString& key);

    // The segment's key for this user.
    static QString userKey(const QString& key);

    // True when this process created the segment and so is the first instance.
    bool create();
    // Attaches and detaches the leftover segment, which removes it when no
    // live process is attached, then creates it anew. True when this process
    // now holds it; false when a live process still does.
    bool reclaimStale();
    bool isHeld() const { return m_held; }

private:
    QSharedMemory m_memory;
    bool m_held = false;
};
