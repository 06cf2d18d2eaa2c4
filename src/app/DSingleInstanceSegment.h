#pragma once

#include <QSharedMemory>
#include <QString>

#include <memory>

// The one-byte shared-memory segment whose existence says "an instance runs".
// A crashed instance leaves it behind on Linux, so it can be reclaimed once
// no running instance answers. Each user has a segment of their own, so
// one user's instance neither stops nor delays another user's start: its key
// file lies in the user's own channel folder (see LocalSocketUser), where no
// other user can put a file that leads to a segment of theirs.
class DSingleInstanceSegment
{
public:
    // `channel`: the name of the single-instance channel, whose folder holds
    // the key file.
    DSingleInstanceSegment(const QString& key, const QString& channel);
    ~DSingleInstanceSegment();

    // The segment's key for this user.
    static QString userKey(const QString& key);
    // The file the segment's key comes from: "<channel>.segment" in the
    // channel's folder; empty when the user has no folder of their own (then
    // the key is userKey(), in the temporary folder).
    static QString keyFile(const QString& channel);

    // True when this process created the segment and so is the first instance.
    bool create();
    // Attaches and detaches the leftover segment, which removes it when no
    // live process is attached, then creates it anew. True when this process
    // now holds it; false when a live process still does.
    bool reclaimStale();
    bool isHeld() const { return m_held; }

private:
    std::unique_ptr<QSharedMemory> fresh() const;

    QString m_keyFile;
    QString m_key;
    std::unique_ptr<QSharedMemory> m_memory;
    bool m_held = false;
};
