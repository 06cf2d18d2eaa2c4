#include "sdk/store/StoreFileCache.h"

#include "sdk/store/StoreXmlNames.h"
#include "sdk/store/StoreXmlReader.h"
#include "sdk/store/StoreXmlWriter.h"

#include <QDateTime>
#include <QDebug>
#include <QFile>
#include <QSaveFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string keyOf(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

bool readAll(const QString& path, QByteArray* bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    *bytes = file.readAll();
    return file.error() == QFileDevice::NoError;
}

QString asidePath(const QString& path)
{
    const QString base
        = path + QStringLiteral(".corrupt-") + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    QString candidate = base;
    for (int n = 2; QFile::exists(candidate); ++n)
        candidate = base + QLatin1Char('-') + QString::number(n);
    return candidate;
}

} // namespace

bool StoreFileCache::Stamp::operator==(const Stamp& other) const
{
    return device == other.device && inode == other.inode && size == other.size && seconds == other.seconds
           && nanoseconds == other.nanoseconds;
}

std::optional<StoreFileCache::Stamp> StoreFileCache::stampOf(const QString& path)
{
    struct stat info;
    if (::stat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    Stamp stamp;
    stamp.device = info.st_dev;
    stamp.inode = info.st_ino;
    stamp.size = info.st_size;
    stamp.seconds = info.st_mtim.tv_sec;
    stamp.nanoseconds = info.st_mtim.tv_nsec;
    return stamp;
}

const StoreDocument* StoreFileCache::document(const QString& path, Status* status, OnCorrupt onCorrupt)
{
    Status ignored;
    Status& result = status ? *status : ignored;
    const std::string key = keyOf(path);
    if (auto it = m_entries.find(key); it != m_entries.end() && it->second.pending) {
        result = Status::Ok;
        return &it->second.document;
    }
    const std::optional<Stamp> stamp = stampOf(path);
    if (!stamp) {
        m_entries.erase(key);
        result = Status::Missing;
        return nullptr;
    }
    if (!m_reparse) {
        auto it = m_entries.find(key);
        if (it != m_entries.end() && it->second.stamp == *stamp) {
            if (!it->second.broken) {
                result = Status::Ok;
                return &it->second.document;
            }
            // Known broken and unchanged: try again to move it aside, the
            // folder may have become writable.
            result = Status::Corrupt;
            if (onCorrupt == OnCorrupt::Recover)
                recover(path, it->second.reason, false);
            return nullptr;
        }
    }
    QByteArray bytes;
    if (!readAll(path, &bytes)) {
        result = Status::Unreadable;
        return nullptr;
    }
    StoreDocument parsed;
    QString reason;
    if (!StoreXmlReader::read(bytes, &parsed, &reason)) {
        m_entries.erase(key);
        result = Status::Corrupt;
        // A file that was never ours (say, one the user picked to import) is
        // not moved: only a damaged store file, or one with a backup, is.
        const bool ours = bytes.contains(StoreXmlNames::kRootTag) || QFile::exists(path + QStringLiteral(".bak"));
        if (onCorrupt == OnCorrupt::Fail || !ours)
            return nullptr;
        qWarning() << "profile store: cannot read" << path << reason;
        recover(path, reason);
        result = Status::Recovered;
        return nullptr;
    }
    Entry& entry = m_reparse ? m_scratch : m_entries[key];
    entry.stamp = *stamp;
    entry.document = std::move(parsed);
    entry.broken = false;
    result = Status::Ok;
    return &entry.document;
}

bool StoreFileCache::modify(const QString& path, const std::function<Edit(StoreDocument&)>& edit, OnCorrupt onCorrupt)
{
    const StoreDocument* current = document(path, nullptr, onCorrupt);
    if (!current)
        return false;
    StoreDocument changed = *current;
    switch (edit(changed)) {
    case Edit::Refused:
        return false;
    case Edit::Unchanged:
        return true;
    case Edit::Changed:
        break;
    }
    if (m_batchDepth == 0 || m_writeThrough)
        return commit(path, std::move(changed));
    Entry& entry = m_entries[keyOf(path)];
    if (!entry.pending)
        m_pending.push_back(path);
    entry.pending = true;
    entry.document = std::move(changed);
    return true;
}

bool StoreFileCache::commit(const QString& path, StoreDocument document)
{
    if (!write(path, StoreXmlWriter::write(document), true))
        return false;
    const std::optional<Stamp> stamp = stampOf(path);
    if (m_reparse || !stamp) {
        m_entries.erase(keyOf(path));
        return true;
    }
    Entry& entry = m_entries[keyOf(path)];
    entry.stamp = *stamp;
    entry.document = std::move(document);
    entry.broken = false;
    entry.pending = false;
    return true;
}

void StoreFileCache::beginBatch()
{
    ++m_batchDepth;
}

bool StoreFileCache::endBatch()
{
    Q_ASSERT_X(m_batchDepth > 0, "profile store", "a write batch ended that was never begun");
    if (m_batchDepth == 0)
        return true;
    if (--m_batchDepth > 0)
        return !m_batchAbandoned;
    if (m_batchAbandoned) {
        dropPending();
        return false;
    }
    bool written = true;
    std::vector<QString> pending;
    pending.swap(m_pending);
    for (const QString& path : pending) {
        auto it = m_entries.find(keyOf(path));
        if (it == m_entries.end() || !it->second.pending)
            continue;
        StoreDocument document = std::move(it->second.document);
        // Erased first, so a failed write leaves memory as the file is.
        m_entries.erase(it);
        if (!stampOf(path) || !commit(path, std::move(document))) {
            qWarning() << "profile store: the changes held back for" << path << "could not be written";
            written = false;
        }
    }
    return written;
}

void StoreFileCache::abandonBatch()
{
    Q_ASSERT_X(m_batchDepth > 0, "profile store", "a write batch was given up that was never begun");
    if (m_batchDepth == 0)
        return;
    m_batchAbandoned = true;
    if (--m_batchDepth == 0)
        dropPending();
}

void StoreFileCache::dropPending()
{
    m_batchAbandoned = false;
    std::vector<QString> pending;
    pending.swap(m_pending);
    for (const QString& path : pending) {
        auto it = m_entries.find(keyOf(path));
        // Read again from the file on next use, which never saw the changes.
        if (it != m_entries.end() && it->second.pending)
            m_entries.erase(it);
    }
}

bool StoreFileCache::create(const QString& path, const std::function<void(StoreDocument&)>& init)
{
    if (stampOf(path))
        return document(path) != nullptr;
    if (QFile::exists(path))
        return false; // a folder or device under that name: not ours to replace
    StoreDocument fresh;
    if (init)
        init(fresh);
    if (!write(path, StoreXmlWriter::write(fresh), false))
        return false;
    return document(path) != nullptr;
}

std::optional<StoreDocument> StoreFileCache::readOnly(const QString& path, QString* error)
{
    QByteArray bytes;
    if (!readAll(path, &bytes)) {
        if (error)
            *error = QStringLiteral("cannot open %1").arg(path);
        return std::nullopt;
    }
    StoreDocument parsed;
    if (!StoreXmlReader::read(bytes, &parsed, error))
        return std::nullopt;
    return parsed;
}

bool StoreFileCache::write(const QString& path, const QByteArray& bytes, bool keepBackup)
{
    if (keepBackup && stampOf(path)) {
        // A hard link keeps the previous version without copying it; the
        // commit below replaces the name, not the linked inode.
        const QByteArray from = QFile::encodeName(path);
        const QByteArray backup = QFile::encodeName(path + QStringLiteral(".bak"));
        const QByteArray staging = backup + ".new";
        ::unlink(staging.constData());
        bool kept = ::linkat(AT_FDCWD, from.constData(), AT_FDCWD, staging.constData(), AT_SYMLINK_FOLLOW) == 0
                    && ::rename(staging.constData(), backup.constData()) == 0;
        // rename() leaves both names when the backup already is that same file.
        ::unlink(staging.constData());
        if (!kept) {
            QByteArray previous;
            QSaveFile copy(QFile::decodeName(backup));
            kept = readAll(path, &previous) && copy.open(QIODevice::WriteOnly)
                   && copy.write(previous) == previous.size() && copy.commit();
        }
        if (!kept) {
            qWarning() << "profile store: cannot keep a backup of" << path;
            return false;
        }
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        qWarning() << "profile store: cannot write" << path << file.errorString();
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        qWarning() << "profile store: cannot write" << path << file.errorString();
        file.cancelWriting();
    }
    if (m_failCommits)
        file.cancelWriting();
    if (!file.commit()) {
        qWarning() << "profile store: cannot write" << path << file.errorString();
        return false;
    }
    return true;
}

void StoreFileCache::recover(const QString& path, const QString& reason, bool noteLeftInPlace)
{
    storeRecoveryInfo note;
    note.path = QFile::encodeName(path).toStdString();
    note.reason = reason.toStdString();
    const QString aside = asidePath(path);
    if (!QFile::rename(path, aside)) {
        note.outcome = storeRecoveryInfo::LeftInPlace;
        // Remembered as broken until the file changes, so the note is made once.
        if (auto stamp = stampOf(path)) {
            Entry& entry = m_entries[keyOf(path)];
            entry = Entry();
            entry.stamp = *stamp;
            entry.broken = true;
            entry.reason = reason;
        }
        if (noteLeftInPlace) {
            qWarning() << "profile store: cannot move aside" << path;
            m_notes.push_back(note);
        }
        return;
    }
    m_entries.erase(keyOf(path));
    note.movedAsidePath = QFile::encodeName(aside).toStdString();

    QByteArray backup;
    StoreDocument parsed;
    const bool backupUsable
        = readAll(path + QStringLiteral(".bak"), &backup) && StoreXmlReader::read(backup, &parsed, nullptr);
    if (backupUsable && write(path, backup, false)) {
        note.outcome = storeRecoveryInfo::RestoredFromBackup;
    } else if (write(path, StoreXmlWriter::write(StoreDocument()), false)) {
        note.outcome = storeRecoveryInfo::FreshFile;
    } else {
        // The folder took the rename but no new file: put the original back.
        QFile::rename(aside, path);
        note.movedAsidePath.clear();
        note.outcome = storeRecoveryInfo::LeftInPlace;
    }
    qWarning() << "profile store: recovered" << path << "outcome" << note.outcome;
    m_notes.push_back(note);
}

void StoreFileCache::takeRecoveryNotes(std::list<storeRecoveryInfo>* notes)
{
    if (notes)
        notes->splice(notes->end(), m_notes);
    else
        m_notes.clear();
}

void StoreFileCache::setReparseEveryCall(bool reparse)
{
    m_reparse = reparse;
    clear();
}

void StoreFileCache::setFailCommits(bool fail)
{
    m_failCommits = fail;
}

void StoreFileCache::setWriteThrough(bool writeThrough)
{
    m_writeThrough = writeThrough;
}

void StoreFileCache::clear()
{
    for (auto it = m_entries.begin(); it != m_entries.end();)
        it = it->second.pending ? std::next(it) : m_entries.erase(it);
}
