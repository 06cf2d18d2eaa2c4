#include "sdk/store/StoreFileCache.h"

#include "sdk/SdkLogCategories.h"
#include "sdk/store/StoreXmlNames.h"
#include "sdk/store/StoreXmlReader.h"
#include "sdk/store/StoreXmlWriter.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

#include <algorithm>
#include <iterator>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string keyOf(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

// The names the program gives its store files; see setOwnFolder.
constexpr const char* kOwnFileNames[]
    = {"appProfile_Default.xml", "appProfile_FN.xml", "appProfile_Magnetic.xml", "appMacro.xml", "SeniorKeyConfig.xml"};

// Opens path for reading only where a regular file stands: a FIFO, socket
// or device would hold a read (or the open itself) up or never end it. The
// open cannot wait, and what it opened is looked at again, so nothing put
// in the file's place in between is read either.
bool openRegular(const QString& path, QFile* file)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info;
    if (::stat(name.constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return false;
    }
    // Reads of a regular file wait only for the disk, as any read does.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
}

// Reads at most kMaxFileBytes of a regular file; a larger file is refused
// as a whole.
bool readAll(const QString& path, QByteArray* bytes, bool* tooLarge = nullptr)
{
    if (tooLarge)
        *tooLarge = false;
    QFile file;
    if (!openRegular(path, &file))
        return false;
    // In pieces as long as the file has them: one read of the whole limit
    // would take the limit's memory for every small file.
    QByteArray all;
    all.reserve(int(std::min(file.size(), StoreFileCache::kMaxFileBytes) + 1));
    char piece[16384];
    qint64 n = 0;
    while ((n = file.read(piece, sizeof piece)) > 0) {
        all.append(piece, int(n));
        if (all.size() > StoreFileCache::kMaxFileBytes) {
            bytes->clear();
            if (tooLarge)
                *tooLarge = true;
            return false;
        }
    }
    *bytes = all;
    return n == 0 && file.error() == QFileDevice::NoError;
}

QString asidePath(const QString& path)
{
    const QString base
        = path + QStringLiteral(".corrupt-") + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    QString candidate = base;
    struct stat info;
    for (int n = 2; ::lstat(QFile::encodeName(candidate).constData(), &info) == 0; ++n)
        candidate = base + QLatin1Char('-') + QString::number(n);
    return candidate;
}

// Renames whatever stands at from (a link itself, not what it names; a
// folder or FIFO as well as a file).
bool moveTo(const QString& from, const QString& to)
{
    return ::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

// A temporary file a write leaves when the program is killed in the middle
// of it: QSaveFile's named temporary "<file>.XXXXXX" (six letters, where
// the file system offers no unnamed one) and the backup's staging link
// "<file>.bak.new" or its copy's temporary "<file>.bak.XXXXXX".
bool isStrayTemporaryName(const QByteArray& name)
{
    for (const char* own : kOwnFileNames) {
        const QByteArray stem(own);
        if (!name.startsWith(stem + '.'))
            continue;
        QByteArray rest = name.mid(stem.size() + 1);
        if (rest == "bak.new")
            return true;
        if (rest.startsWith("bak."))
            rest = rest.mid(4);
        return rest.size() == 6 && std::all_of(rest.begin(), rest.end(), [](char c) {
                   return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
               });
    }
    return false;
}

} // namespace

bool StoreFileCache::Stamp::operator==(const Stamp& other) const
{
    return device == other.device && inode == other.inode && size == other.size && seconds == other.seconds
           && nanoseconds == other.nanoseconds;
}

bool StoreFileCache::irregularAt(const QString& path)
{
    struct stat info;
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && !S_ISREG(info.st_mode);
}

void StoreFileCache::setOwnFolder(const QString& folder)
{
    m_ownFolder = folder.isEmpty() ? QString() : QDir::cleanPath(QDir(folder).absolutePath());
}

bool StoreFileCache::isOwnFile(const QString& path) const
{
    if (m_ownFolder.isEmpty())
        return false;
    const QFileInfo info(path);
    const QByteArray name = QFile::encodeName(info.fileName());
    if (std::none_of(std::begin(kOwnFileNames), std::end(kOwnFileNames),
                     [&name](const char* own) { return name == own; }))
        return false;
    // The folder is compared as written and as it resolves, so neither a
    // relative path nor a link to the folder makes a difference.
    const QString folder = QDir::cleanPath(info.absolutePath());
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    const QString ownCanonical = QFileInfo(m_ownFolder).canonicalFilePath();
    const auto inside = [](const QString& folder, const QString& own) {
        return !own.isEmpty() && (folder == own || folder.startsWith(own + QLatin1Char('/')));
    };
    return inside(folder, m_ownFolder) || inside(canonical, ownCanonical);
}

void StoreFileCache::sweepFolderOf(const QString& path)
{
    if (!isOwnFile(path))
        return;
    const QString folder = QFileInfo(path).absolutePath();
    if (!m_sweptFolders.insert(keyOf(folder)).second)
        return;
    // Once a run, before the folder's files are first used: no write of
    // this run is under way then, so what matches is left by an earlier one.
    const QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        const QByteArray encoded = QFile::encodeName(name);
        if (!isStrayTemporaryName(encoded))
            continue;
        const QByteArray stray = QFile::encodeName(folder + QLatin1Char('/') + name);
        struct stat info;
        // Only a regular file of ours; a link is removed as the link.
        if (::lstat(stray.constData(), &info) != 0 || !(S_ISREG(info.st_mode) || S_ISLNK(info.st_mode)))
            continue;
        if (::unlink(stray.constData()) == 0)
            qCInfo(sdkLcStore) << "profile store: removed a temporary file an interrupted write left:" << stray;
    }
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
    sweepFolderOf(path);
    // A link, folder or FIFO at one of our own names is not our file: it is
    // set aside like a damaged one, never read or written through.
    if (isOwnFile(path) && irregularAt(path)) {
        m_entries.erase(key);
        result = Status::Corrupt;
        if (onCorrupt == OnCorrupt::Fail)
            return nullptr;
        qCWarning(sdkLcStore) << "profile store: not a regular file" << path;
        recover(path, QStringLiteral("not a regular file"));
        result = Status::Recovered;
        return nullptr;
    }
    const std::optional<Stamp> stamp = stampOf(path);
    if (!stamp) {
        m_entries.erase(key);
        result = Status::Missing;
        return nullptr;
    }
    if (stamp->size > kMaxFileBytes) {
        m_entries.erase(key);
        qCWarning(sdkLcStore) << "profile store: refused, larger than" << kMaxFileBytes << "bytes:" << path;
        result = Status::TooLarge;
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
    bool tooLarge = false;
    if (!readAll(path, &bytes, &tooLarge)) {
        result = tooLarge ? Status::TooLarge : Status::Unreadable;
        return nullptr;
    }
    StoreDocument parsed;
    QString reason;
    if (!StoreXmlReader::read(bytes, &parsed, &reason)) {
        m_entries.erase(key);
        result = Status::Corrupt;
        // A file that was never ours (say, one the user picked to import) is
        // not moved: only a damaged store file, one with a backup, or one at
        // our own name in our folder is.
        const bool ours = bytes.contains(StoreXmlNames::kRootTag) || QFile::exists(path + QStringLiteral(".bak"))
                          || isOwnFile(path);
        if (onCorrupt == OnCorrupt::Fail || !ours)
            return nullptr;
        qCWarning(sdkLcStore) << "profile store: cannot read" << path << reason;
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
            qCWarning(sdkLcStore) << "profile store: the changes held back for" << path << "could not be written";
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
    sweepFolderOf(path);
    if (isOwnFile(path) && irregularAt(path)) {
        // The first read sets it aside; the backup or a fresh file stands
        // in its place for the second.
        document(path);
        return document(path) != nullptr;
    }
    if (irregularAt(path))
        return false; // a link, folder or device under that name: not ours to replace or write through
    if (stampOf(path))
        return document(path) != nullptr;
    if (QFile::exists(path))
        return false;
    StoreDocument fresh;
    if (init)
        init(fresh);
    if (!write(path, StoreXmlWriter::write(fresh), false))
        return false;
    return document(path) != nullptr;
}

std::optional<StoreDocument> StoreFileCache::readOnly(const QString& path, QString* error, Status* status)
{
    Status ignored;
    Status& result = status ? *status : ignored;
    QByteArray bytes;
    bool tooLarge = false;
    // Only a regular file is opened: a FIFO would hold the program up.
    if (!stampOf(path) || !readAll(path, &bytes, &tooLarge)) {
        if (error)
            *error = tooLarge ? QStringLiteral("%1 is larger than %2 bytes").arg(path).arg(kMaxFileBytes)
                              : QStringLiteral("cannot open %1").arg(path);
        result = tooLarge ? Status::TooLarge : Status::Unreadable;
        return std::nullopt;
    }
    result = Status::Corrupt;
    StoreDocument parsed;
    if (!StoreXmlReader::read(bytes, &parsed, error))
        return std::nullopt;
    result = Status::Ok;
    return parsed;
}

bool StoreFileCache::write(const QString& path, const QByteArray& bytes, bool keepBackup)
{
    m_lastWriteTooLarge = false;
    // The store reads no file above the limit, so it writes none: a file it
    // could not read back would take every profile of it out of reach.
    if (bytes.size() > kMaxFileBytes) {
        qCWarning(sdkLcStore) << "profile store: not written, would be larger than" << kMaxFileBytes << "bytes:" << path;
        m_lastWriteTooLarge = true;
        return false;
    }
    // A link would carry the write out of the folder, and anything else
    // that is not a regular file is not ours to replace.
    if (irregularAt(path)) {
        qCWarning(sdkLcStore) << "profile store: not written, not a regular file:" << path;
        return false;
    }
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
            qCWarning(sdkLcStore) << "profile store: cannot keep a backup of" << path;
            return false;
        }
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        qCWarning(sdkLcStore) << "profile store: cannot write" << path << file.errorString();
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        qCWarning(sdkLcStore) << "profile store: cannot write" << path << file.errorString();
        file.cancelWriting();
    }
    if (m_failCommits)
        file.cancelWriting();
    if (!file.commit()) {
        qCWarning(sdkLcStore) << "profile store: cannot write" << path << file.errorString();
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
    if (!moveTo(path, aside)) {
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
            qCWarning(sdkLcStore) << "profile store: cannot move aside" << path;
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
        moveTo(aside, path);
        note.movedAsidePath.clear();
        note.outcome = storeRecoveryInfo::LeftInPlace;
    }
    qCWarning(sdkLcStore) << "profile store: recovered" << path << "outcome" << note.outcome;
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
