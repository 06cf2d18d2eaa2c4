#pragma once

#include "sdk/include/StoreFileChecks.h"
#include "sdk/store/StoreDocument.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <list>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <vector>

// Keeps every store file parsed in memory and writes changes through.
//
// A file is parsed on first use and again only when it changed on disk (a
// stat per call). A change is applied to a copy of the document, written with
// QSaveFile after the previous version has been kept as "<file>.bak", and
// takes the cached document's place only once it is on disk; a failed write
// leaves file and memory as they were.
//
// Inside a write batch (beginBatch() .. endBatch(), nested as deep as the
// callers like) a change only replaces the cached document and marks it
// pending; reads are served from the pending document. The outermost
// endBatch() writes each pending file once, exactly as modify() would have
// written it, so "<file>.bak" holds the version from before the batch. A
// pending document is the newer truth: the file is not read again while the
// batch is open, and a change made to it behind the store's back in that time
// is kept only as the backup.
//
// A store file that does not parse is moved aside as
// "<file>.corrupt-<yyyyMMdd-hhmmss>"; "<file>.bak" takes its place when it
// parses, else an empty store file. The call that met the broken file fails,
// and a note is kept for the program to show. A file that never was a store
// file (no root element of ours, no backup, not one of the store's own names
// in the program's folder) is only refused.
//
// What stands at one of the store's own names in the program's folder is the
// program's file: when it cannot be read (empty, garbage, a folder, FIFO or
// link in its place) it is recovered like any damaged store file. Nothing is
// ever written through a link or into anything but a regular file, nothing
// but a regular file is opened for reading (a FIFO, socket or device at a
// store file's or a backup's name is never opened), and no file larger than
// kMaxFileBytes is read or written.
class StoreFileCache
{
public:
    enum class Status { Ok, Missing, Unreadable, Corrupt, Recovered, TooLarge };
    enum class Edit { Changed, Unchanged, Refused };
    enum class OnCorrupt { Recover, Fail };

    const StoreDocument* document(const QString& path, Status* status = nullptr,
                                  OnCorrupt onCorrupt = OnCorrupt::Recover);

    // Applies edit to the document of path. True when the file afterwards holds
    // the change: written (Changed) or already so (Unchanged).
    bool modify(const QString& path, const std::function<Edit(StoreDocument&)>& edit,
                OnCorrupt onCorrupt = OnCorrupt::Recover);

    // Writes an empty store file where there is none. An existing file is kept
    // as it is; true when a readable store file is there afterwards.
    bool create(const QString& path, const std::function<void(StoreDocument&)>& init = {});

    void beginBatch();
    // Ends one level. The outermost writes every pending file and is true
    // when all were written; a file that could not be written (or was
    // removed meanwhile: changing a file never creates it) is left on disk as
    // it was and its pending changes are dropped from memory. An inner level
    // writes nothing and is true.
    bool endBatch();
    // Ends one level and gives the whole batch up: the outermost level then
    // writes nothing and drops every held-back change from memory, so the
    // files and the store read as they did before the batch. The outermost
    // endBatch() of a batch given up at an inner level is false.
    void abandonBatch();
    int batchDepth() const { return m_batchDepth; }

    // A file the store reads but does not keep: no cache, never moved aside.
    static std::optional<StoreDocument> readOnly(const QString& path, QString* error = nullptr,
                                                 Status* status = nullptr);

    // Store files and import sources above this size are refused: no
    // keyboard's profiles come near it, and reading and rewriting a file of
    // that size on every change would hold the program up.
    static constexpr long long kMaxFileBytes = kStoreMaxFileMegabytes * 1024LL * 1024;

    // The program's own folder: files at the store's own names inside it
    // are the store's, whatever they hold. Empty: no folder is.
    void setOwnFolder(const QString& folder);
    bool isOwnFile(const QString& path) const;

    void takeRecoveryNotes(std::list<storeRecoveryInfo>* notes);

    // Whether the latest write was refused because the file would have
    // grown above kMaxFileBytes (and so could not have been read back).
    bool lastWriteTooLarge() const { return m_lastWriteTooLarge; }

    // Parse the file on every call, as a library without a cache would: the
    // baseline the benchmarks compare against.
    void setReparseEveryCall(bool reparse);
    // Simulates a crash between writing and renaming: every commit fails.
    void setFailCommits(bool fail);
    // Writes every change at once even inside a batch: the baseline the
    // benchmarks and tests compare batching with.
    void setWriteThrough(bool writeThrough);
    // Forgets every cached document that holds no pending change.
    void clear();

private:
    struct Stamp
    {
        unsigned long long device = 0, inode = 0;
        long long size = -1, seconds = 0, nanoseconds = 0;
        bool operator==(const Stamp& other) const;
    };
    struct Entry
    {
        Stamp stamp;
        StoreDocument document;
        bool broken = false; // could not be moved aside; left in place
        bool pending = false; // changed inside a batch, not yet written
        QString reason;
    };

    static std::optional<Stamp> stampOf(const QString& path);
    // Removes, once a run per folder, the temporary files that writes cut
    // short by a kill left beside the store's own files in path's folder.
    void sweepFolderOf(const QString& path);
    void dropPending();
    // Something other than a regular file stands at path itself (a link,
    // folder, FIFO or device).
    static bool irregularAt(const QString& path);
    bool write(const QString& path, const QByteArray& bytes, bool keepBackup);
    // Writes document as path's new version and caches it; false leaves the
    // file and the cache entry as they were.
    bool commit(const QString& path, StoreDocument document);
    // noteLeftInPlace: false when retrying a file already noted as left in place.
    void recover(const QString& path, const QString& reason, bool noteLeftInPlace = true);

    std::unordered_map<std::string, Entry> m_entries;
    std::unordered_set<std::string> m_sweptFolders;
    std::list<storeRecoveryInfo> m_notes;
    std::vector<QString> m_pending; // in the order of their first change
    Entry m_scratch;
    QString m_ownFolder;
    int m_batchDepth = 0;
    bool m_batchAbandoned = false;
    bool m_reparse = false;
    bool m_failCommits = false;
    bool m_writeThrough = false;
    bool m_lastWriteTooLarge = false;
};
