// What the profile store does with damaged files and failed writes: nothing
// the user stored is lost, nothing is half-written, and the program hears of it.
#include "support/LockedFolder.h"
#include "support/StoreTestSupport.h"
#include "support/TestMain.h"

#include "sdk/include/StoreFileChecks.h"
#include "sdk/store/XmlStore.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <chrono>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <thread>

#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

using namespace StoreTestSupport;

namespace {

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

std::list<storeRecoveryInfo> takeNotes()
{
    std::list<storeRecoveryInfo> notes;
    COrvaneXML_TakeRecoveryNotes(&notes);
    return notes;
}

// Something other than a file, made at path: a FIFO, a listening Unix
// socket or a character device node. False (with the reason in error) where
// the system does not let the test make it.
bool makeSpecialNode(const QString& kind, const QString& path, QString* error)
{
    const QByteArray name = QFile::encodeName(path);
    if (kind == QLatin1String("fifo"))
        return ::mkfifo(name.constData(), 0600) == 0;
    if (kind == QLatin1String("device")) {
        // The null device's numbers: harmless to anything that opens it.
        if (::mknod(name.constData(), S_IFCHR | 0600, makedev(1, 3)) == 0)
            return true;
        *error = QStringLiteral("no device node can be made here: %1").arg(QString::fromLocal8Bit(strerror(errno)));
        return false;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (size_t(name.size()) >= sizeof address.sun_path) {
        *error = QStringLiteral("the socket's path is too long");
        return false;
    }
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
    // Left bound and unclosed would keep a descriptor; the node stays after close.
    const bool bound = socket >= 0 && ::bind(socket, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0
                       && ::listen(socket, 1) == 0;
    if (socket >= 0)
        ::close(socket);
    return bound;
}

// Sees every open of what stands at a path from its making on: a FIFO or
// a device is opened through its node in the folder, which inotify watches.
class OpenWatch
{
public:
    explicit OpenWatch(const QString& path)
        : m_fd(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
    {
        if (m_fd >= 0)
            m_watch = ::inotify_add_watch(m_fd, QFile::encodeName(path).constData(), IN_OPEN | IN_DONT_FOLLOW);
    }
    ~OpenWatch()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    OpenWatch(const OpenWatch&) = delete;
    OpenWatch& operator=(const OpenWatch&) = delete;

    bool isWatching() const { return m_watch >= 0; }
    int opens()
    {
        alignas(inotify_event) char buffer[4096];
        ssize_t n = 0;
        while ((n = ::read(m_fd, buffer, sizeof buffer)) > 0) {
            for (ssize_t at = 0; at < n;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
                if (event->mask & IN_OPEN)
                    ++m_opens;
                at += ssize_t(sizeof(inotify_event) + event->len);
            }
        }
        return m_opens;
    }

private:
    int m_fd = -1;
    int m_watch = -1;
    int m_opens = 0;
};

// Watches one call of the store (which runs on the GUI thread only) from
// a thread of its own: a call held up in opening or reading the FIFO is
// let go after a while (a writer opens it and leaves), so the test goes on
// to fail instead of hanging.
class HoldUpGuard
{
public:
    explicit HoldUpGuard(const QString& fifo)
        : m_fifo(QFile::encodeName(fifo))
        , m_thread([this] {
            std::unique_lock<std::mutex> lock(m_mutex);
            // A hang guard, not a measurement: the call takes milliseconds.
            if (m_ended.wait_for(lock, std::chrono::seconds(30), [this] { return m_callEnded; }))
                return;
            m_heldUp = true;
            const int writer = ::open(m_fifo.constData(), O_WRONLY | O_NONBLOCK);
            if (writer >= 0)
                ::close(writer);
        })
    {
    }
    ~HoldUpGuard() { callEnded(); }

    // True when the call came back by itself.
    bool callEnded()
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_callEnded = true;
        }
        m_ended.notify_all();
        if (m_thread.joinable())
            m_thread.join();
        return !m_heldUp;
    }

private:
    QByteArray m_fifo;
    std::mutex m_mutex;
    std::condition_variable m_ended;
    bool m_callEnded = false;
    bool m_heldUp = false;
    std::thread m_thread;
};

} // namespace

class tst_storeRecovery : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_folders = 0;

    // A layer file in a folder of its own, written twice so that "<file>.bak"
    // holds the first version (one profile) and the file the second (two).
    QString layerWithBackup()
    {
        const QString folder = m_dir.filePath(QStringLiteral("kb%1").arg(++m_folders));
        QDir().mkpath(folder);
        const QString file = folder + QStringLiteral("/appProfile_Default.xml");
        const QByteArray path = QFile::encodeName(file);
        [&] {
            QVERIFY(createLayerFile(path, 1, 1));
            QVERIFY(COrvaneXML_AddProFileMacroWithKeyInfoItem(path, "1", "4", "A", "0", "1", "1", "5"));
            QVERIFY(COrvaneXML_CreateProFileXmlParentNode(path, "2", "Profile2", 0));
        }();
        return file;
    }

    static QStringList asideFiles(const QString& file)
    {
        const QFileInfo info(file);
        return info.dir().entryList({info.fileName() + QStringLiteral(".corrupt-*")}, QDir::Files);
    }

private slots:
    void cleanup()
    {
        XmlStore::instance().cache.setFailCommits(false);
        takeNotes();
    }

    void everyWrite_keepsThePreviousVersionAsBackup()
    {
        const QString file = layerWithBackup();
        const QByteArray path = QFile::encodeName(file);
        const QByteArray backup = QFile::encodeName(file + QStringLiteral(".bak"));
        QCOMPARE(profileNames(backup), (QStringList{"1:Profile1"}));
        QVERIFY(COrvaneXML_ModifyProfileNodeInfo(path, "2", "Second"));
        QCOMPARE(profileNames(backup), (QStringList{"1:Profile1", "2:Profile2"}));
        QCOMPARE(profileNames(path), (QStringList{"1:Profile1", "2:Second"}));
    }

    // A link at a store file's name would carry writes out of the folder:
    // nothing is written through it, and the file it names stays as it was.
    void symlinkedFile_isNeverWrittenThrough_data()
    {
        QTest::addColumn<bool>("dangling");
        QTest::newRow("link to a store file") << false;
        QTest::newRow("dangling link") << true;
    }
    void symlinkedFile_isNeverWrittenThrough()
    {
        QFETCH(bool, dangling);
        const QString real
            = dangling ? m_dir.filePath(QStringLiteral("elsewhere-%1.xml").arg(m_folders)) : layerWithBackup();
        const QByteArray before = readFile(real);
        const QString link = m_dir.filePath(QStringLiteral("linked-%1.xml").arg(++m_folders));
        QVERIFY(QFile::link(real, link));
        const QByteArray path = QFile::encodeName(link);
        QVERIFY(!COrvaneXML_CreateXMLFile(path));
        QVERIFY(!COrvaneXML_ModifyProfileNodeInfo(path, "2", "Second"));
        QVERIFY(!COrvaneXML_CreateProFileXmlParentNode(path, "3", "Third", 0));
        QCOMPARE(QFile::exists(real), !dangling);
        QCOMPARE(readFile(real), before);
        QVERIFY(!QFile::exists(link + QStringLiteral(".bak")));
        QCOMPARE(QFileInfo(link).symLinkTarget(), QFileInfo(real).absoluteFilePath());
    }

    // What stands at one of the store's own names in the program's folder is
    // the program's file, also when nothing of the store can be read in it:
    // it is moved aside as it is and a fresh file takes its place.
    void unreadableOwnFile_isMovedAsideAndStartedFresh_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::newRow("empty") << "empty";
        QTest::newRow("garbage") << "garbage";
        QTest::newRow("NUL-filled") << "nul";
        QTest::newRow("foreign XML") << "foreign";
        QTest::newRow("a folder") << "folder";
        QTest::newRow("a FIFO") << "fifo";
        QTest::newRow("a link out of the folder") << "link";
        QTest::newRow("a dangling link") << "dangling";
    }
    void unreadableOwnFile_isMovedAsideAndStartedFresh()
    {
        QFETCH(QString, damage);
        const QString own = m_dir.filePath(QStringLiteral("own%1").arg(++m_folders));
        const QString folder = own + QStringLiteral("/OV68M/serial");
        QVERIFY(QDir().mkpath(folder));
        XmlStore::instance().cache.setOwnFolder(own);
        const QString file = own + QStringLiteral("/appMacro.xml");
        const QString outside = m_dir.filePath(QStringLiteral("outside-%1.xml").arg(m_folders));
        const QByteArray path = QFile::encodeName(file);
        const QByteArray outsideBytes = "<?xml version=\"1.0\"?><orvaneStore version=\"1\"><macros/></orvaneStore>";
        QByteArray bytes;
        if (damage == QLatin1String("garbage"))
            bytes = "\x89PNG\r\n garbage";
        else if (damage == QLatin1String("nul"))
            bytes = QByteArray(4096, '\0');
        else if (damage == QLatin1String("foreign"))
            bytes = "<?xml version=\"1.0\"?><gpx><trk/></gpx>";
        if (damage == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(file));
        } else if (damage == QLatin1String("fifo")) {
            QCOMPARE(::mkfifo(path.constData(), 0600), 0);
        } else if (damage == QLatin1String("link")) {
            writeFile(outside, outsideBytes);
            QVERIFY(QFile::link(outside, file));
        } else if (damage == QLatin1String("dangling")) {
            QVERIFY(QFile::link(outside, file));
        } else {
            writeFile(file, bytes);
        }
        // A layer file in a keyboard's folder under it counts the same.
        const QString layer = folder + QStringLiteral("/appProfile_FN.xml");
        writeFile(layer, bytes.isEmpty() ? QByteArray("x") : bytes);

        std::list<macroNodeInfo> macros;
        QVERIFY(!COrvaneXML_SelectMacroAllNodes(path, &macros));
        QCOMPARE(COrvaneXML_GetCreateXMLFileProfileIndex(QFile::encodeName(layer)), -1);
        std::list<storeRecoveryInfo> notes = takeNotes();
        QCOMPARE(int(notes.size()), 2);
        const storeRecoveryInfo note = notes.front();
        QCOMPARE(QByteArray::fromStdString(note.path), path);
        QCOMPARE(note.outcome, int(storeRecoveryInfo::FreshFile));
        const QString aside = QFile::decodeName(QByteArray::fromStdString(note.movedAsidePath));
        // What stood there is kept as it was, beside the fresh file.
        const QFileInfo asideInfo(aside);
        QVERIFY(asideInfo.exists() || asideInfo.isSymLink());
        if (damage == QLatin1String("folder"))
            QVERIFY(asideInfo.isDir());
        else if (damage == QLatin1String("link") || damage == QLatin1String("dangling"))
            QVERIFY(asideInfo.isSymLink());
        else if (damage != QLatin1String("fifo"))
            QCOMPARE(readFile(aside), bytes);
        QCOMPARE(notes.back().outcome, int(storeRecoveryInfo::FreshFile));

        // Usable again, in the same run.
        QVERIFY(QFileInfo(file).isFile() && !QFileInfo(file).isSymLink());
        QVERIFY(COrvaneXML_SelectMacroAllNodes(path, &macros));
        QVERIFY(COrvaneXML_CreateMacroXmlParentNode(path, "1", "Macro1"));
        QVERIFY(COrvaneXML_CreateProFileXmlParentNode(QFile::encodeName(layer), "1", "Profile1", 0));
        // Nothing outside the folder was written.
        if (damage == QLatin1String("link"))
            QCOMPARE(readFile(outside), outsideBytes);
        if (damage == QLatin1String("dangling"))
            QVERIFY(!QFile::exists(outside));
        QVERIFY(takeNotes().empty());
        XmlStore::instance().cache.setOwnFolder(QString());
    }

    // A FIFO, socket or device node at any of the store's names in the
    // program's folder, or at the name of its backup: never opened, so
    // nothing holds the start up. One at the store name is set aside like
    // a damaged file; one at the backup's name is no backup, and a damaged
    // file beside it starts afresh.
    void specialNodeAtAStoreName_isNeverOpened_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("atBackup");
        for (const char* name : {"appProfile_Default.xml", "appProfile_FN.xml", "appProfile_Magnetic.xml",
                                 "appMacro.xml", "SeniorKeyConfig.xml"}) {
            for (const char* kind : {"fifo", "socket", "device"}) {
                for (const bool atBackup : {false, true}) {
                    QTest::addRow("%s %s at %s", kind, name, atBackup ? "its .bak" : "the name")
                        << QString::fromLatin1(name) << QString::fromLatin1(kind) << atBackup;
                }
            }
        }
    }
    void specialNodeAtAStoreName_isNeverOpened()
    {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(bool, atBackup);
        const QString own = m_dir.filePath(QStringLiteral("n%1").arg(++m_folders));
        // Layer files live in a keyboard's folder under the program's.
        const QString folder = name.startsWith(QLatin1String("appProfile")) ? own + QStringLiteral("/OV68M/sn") : own;
        QVERIFY(QDir().mkpath(folder));
        XmlStore::instance().cache.setOwnFolder(own);
        const QString file = folder + QLatin1Char('/') + name;
        const QString node = atBackup ? file + QStringLiteral(".bak") : file;
        QString error;
        if (!makeSpecialNode(kind, node, &error)) {
            XmlStore::instance().cache.setOwnFolder(QString());
            QSKIP(qPrintable(error));
        }
        if (atBackup)
            writeFile(file, "<orvaneStore version=\"1\"><profiles><profile"); // cut off
        OpenWatch watch(node);
        QVERIFY(watch.isWatching());
        struct stat before;
        QCOMPARE(::lstat(QFile::encodeName(node).constData(), &before), 0);

        const QByteArray path = QFile::encodeName(file);
        HoldUpGuard guard(node);
        const int state = COrvaneXML_FileState(path);
        QVERIFY2(guard.callEnded(), "the store call was held up");
        QCOMPARE(state, int(StoreFileDamaged));
        QCOMPARE(watch.opens(), 0);

        const std::list<storeRecoveryInfo> notes = takeNotes();
        QCOMPARE(int(notes.size()), 1);
        QCOMPARE(notes.front().outcome, int(storeRecoveryInfo::FreshFile));
        const QString aside = QFile::decodeName(QByteArray::fromStdString(notes.front().movedAsidePath));
        struct stat moved;
        QCOMPARE(::lstat(QFile::encodeName(atBackup ? node : aside).constData(), &moved), 0);
        // The node is kept as it was: at its name beside a fresh file, or aside.
        QCOMPARE(moved.st_ino, before.st_ino);
        QCOMPARE(moved.st_mode & S_IFMT, before.st_mode & S_IFMT);
        QVERIFY(QFileInfo(file).isFile());
        QCOMPARE(COrvaneXML_FileState(path), int(StoreFileReadable));
        QCOMPARE(watch.opens(), 0);
        XmlStore::instance().cache.setOwnFolder(QString());
    }

    // The same names outside the program's folder may be a file the user
    // picked: refused, never moved.
    void unreadableFileOutsideTheOwnFolder_isOnlyRefused()
    {
        const QString own = m_dir.filePath(QStringLiteral("own%1").arg(++m_folders));
        QVERIFY(QDir().mkpath(own));
        XmlStore::instance().cache.setOwnFolder(own);
        const QString file = m_dir.filePath(QStringLiteral("picked%1/appMacro.xml").arg(m_folders));
        QVERIFY(QDir().mkpath(QFileInfo(file).path()));
        writeFile(file, QByteArray(64, '\0'));
        std::list<macroNodeInfo> macros;
        QVERIFY(!COrvaneXML_SelectMacroAllNodes(QFile::encodeName(file), &macros));
        QCOMPARE(readFile(file), QByteArray(64, '\0'));
        QVERIFY(asideFiles(file).isEmpty());
        QVERIFY(takeNotes().empty());
        XmlStore::instance().cache.setOwnFolder(QString());
    }

    // A store file or an import source of many megabytes is refused before it
    // is read; the file stays as it is.
    void oversizedFiles_areRefused()
    {
        const QString file = layerWithBackup();
        const QByteArray path = QFile::encodeName(file);
        const QString big = m_dir.filePath(QStringLiteral("big-%1.xml").arg(m_folders));
        QByteArray bytes = readFile(file);
        const QByteArray padding = "<!--" + QByteArray(int(StoreFileCache::kMaxFileBytes), ' ') + "-->";
        bytes.insert(bytes.indexOf("<orvaneStore"), padding);
        writeFile(big, bytes);
        const QByteArray bigPath = QFile::encodeName(big);
        QCOMPARE(COrvaneXML_FileState(bigPath), int(StoreFileTooLarge));
        QCOMPARE(COrvaneXML_GetCreateXMLFileProfileIndex(bigPath), -1);
        QVERIFY(!COrvaneXML_ProFileImport(path, bigPath, "1"));
        QCOMPARE(profileNames(path), (QStringList{"1:Profile1", "2:Profile2"}));
        QCOMPARE(readFile(big), bytes);
        QVERIFY(asideFiles(big).isEmpty());
        QVERIFY(takeNotes().empty());
        // Just below the limit it is read.
        const QByteArray fits = readFile(file).insert(
            readFile(file).indexOf("<orvaneStore"),
            "<!--" + QByteArray(int(StoreFileCache::kMaxFileBytes) - readFile(file).size() - 8, ' ') + "-->");
        writeFile(big, fits);
        QCOMPARE(COrvaneXML_FileState(bigPath), int(StoreFileReadable));
        QVERIFY(COrvaneXML_ProFileImport(path, bigPath, "2"));
    }

    void unparsableFile_isMovedAsideAndReplaced_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<bool>("backupUsable");

        QTest::newRow("truncated, backup restored") << "truncate" << true;
        QTest::newRow("not XML, backup restored") << "garbage" << true;
        QTest::newRow("empty file, backup restored") << "empty" << true;
        QTest::newRow("wrong root, backup restored") << "root" << true;
        QTest::newRow("future version, backup restored") << "future" << true;
        QTest::newRow("broken record, backup restored") << "record" << true;
        QTest::newRow("truncated, no backup: fresh file") << "truncate" << false;
        QTest::newRow("not XML, broken backup: fresh file") << "garbage" << false;
    }

    void unparsableFile_isMovedAsideAndReplaced()
    {
        QFETCH(QString, damage);
        QFETCH(bool, backupUsable);
        const QString file = layerWithBackup();
        const QByteArray path = QFile::encodeName(file);
        const QByteArray good = readFile(file);
        QByteArray damaged;
        if (damage == QLatin1String("truncate"))
            damaged = good.left(good.size() / 2);
        else if (damage == QLatin1String("garbage"))
            damaged = QByteArray("\x89PNG\r\n\x1a\n\0\0garbage", 18);
        else if (damage == QLatin1String("root"))
            damaged = "<?xml version=\"1.0\"?><settings version=\"1\"/>";
        else if (damage == QLatin1String("future"))
            damaged = QByteArray(good).replace("version=\"1\"", "version=\"2\"");
        else if (damage == QLatin1String("record"))
            damaged = QByteArray(good).replace("keyCode=\"4\"", "keyCode=\"four\"");
        writeFile(file, damaged);
        if (!backupUsable) {
            if (damage == QLatin1String("garbage"))
                writeFile(file + QStringLiteral(".bak"), "<orvaneStore");
            else
                QVERIFY(QFile::remove(file + QStringLiteral(".bak")));
        }

        // The call that meets the broken file fails: -1, as for an unreadable file.
        QCOMPARE(COrvaneXML_GetCreateXMLFileProfileIndex(path), -1);

        const std::list<storeRecoveryInfo> notes = takeNotes();
        QCOMPARE(int(notes.size()), 1);
        const storeRecoveryInfo& note = notes.front();
        QCOMPARE(QByteArray::fromStdString(note.path), path);
        QCOMPARE(note.outcome,
                 int(backupUsable ? storeRecoveryInfo::RestoredFromBackup : storeRecoveryInfo::FreshFile));
        QVERIFY(!note.reason.empty());
        const QString aside = QFile::decodeName(QByteArray::fromStdString(note.movedAsidePath));
        QVERIFY(QRegularExpression(QStringLiteral("\\.corrupt-\\d{8}-\\d{6}$")).match(aside).hasMatch());
        // Nothing is wiped: the damaged bytes are kept as they were.
        QCOMPARE(readFile(aside), damaged);
        QCOMPARE(asideFiles(file).size(), 1);

        if (backupUsable) {
            // The previous good version is in place and readable.
            QCOMPARE(COrvaneXML_GetCreateXMLFileProfileIndex(path), 1);
            QCOMPARE(profileNames(path), (QStringList{"1:Profile1"}));
            keyOperateInfo info{};
            QVERIFY(COrvaneXML_SelectProFileKeyOperateInfo(path, "1", "4", &info));
            QCOMPARE(QByteArray(info.value), QByteArray("5"));
        } else {
            QCOMPARE(COrvaneXML_GetCreateXMLFileProfileIndex(path), -1);
            QVERIFY(profileNames(path).isEmpty());
            QVERIFY(COrvaneXML_CreateProFileXmlParentNode(path, "1", "Profile1", 0));
        }
        QVERIFY(takeNotes().empty());
    }

    void fileThatNeverWasOurs_isRefusedNotMoved()
    {
        // The import lists the file the user picked with the same call as a layer file.
        const QString file = m_dir.filePath(QStringLiteral("picked/holiday.xml"));
        QDir().mkpath(QFileInfo(file).path());
        const QByteArray bytes = "<?xml version=\"1.0\"?><gpx><trk/></gpx>";
        writeFile(file, bytes);
        const QByteArray path = QFile::encodeName(file);
        QVERIFY(profileNames(path).isEmpty());
        QVERIFY(!COrvaneXML_SelectProfileNodeInfo(path, "1", nullptr));
        QCOMPARE(COrvaneXML_GetCreateXMLFileProfileIndex(path), -1);
        QVERIFY(!COrvaneXML_ModifyXMLFileProfileIndex(path, 1));
        QCOMPARE(readFile(file), bytes);
        QVERIFY(asideFiles(file).isEmpty());
        QVERIFY(takeNotes().empty());
    }

    void fileDamagedWhileCached_isNoticed()
    {
        const QString file = layerWithBackup();
        const QByteArray path = QFile::encodeName(file);
        QCOMPARE(profileNames(path).size(), 2);
        // Another writer replaces the file with a valid one: the next call reads it.
        const QByteArray replacement = "<?xml version=\"1.0\"?><orvaneStore version=\"1\"><profiles current=\"3\">"
                                       "<profile index=\"3\" name=\"Elsewhere\"/></profiles></orvaneStore>";
        writeFile(file, replacement);
        QCOMPARE(COrvaneXML_GetCreateXMLFileProfileIndex(path), 3);
        QCOMPARE(profileNames(path), (QStringList{"3:Elsewhere"}));
    }

    void missingFile_failsWithoutCreatingAnything()
    {
        const QString file = m_dir.filePath(QStringLiteral("gone/appProfile_FN.xml"));
        QDir().mkpath(QFileInfo(file).path());
        const QByteArray path = QFile::encodeName(file);
        QCOMPARE(COrvaneXML_GetCreateXMLFileProfileIndex(path), -1);
        QVERIFY(!COrvaneXML_ModifyXMLFileProfileIndex(path, 1));
        QVERIFY(!COrvaneXML_CreateProFileXmlParentNode(path, "1", "Profile1", 0));
        QVERIFY(!COrvaneXML_AddProFileMacroWithKeyInfoItem(path, "1", "4", "A", "0", "1", "1", "5"));
        std::list<macroNodeInfo> macros;
        QVERIFY(!COrvaneXML_SelectMacroAllNodes(path, &macros));
        QVERIFY(!QFile::exists(file));
        QVERIFY(takeNotes().empty());
    }

    void failedCommit_leavesFileAndMemoryAsTheyWere()
    {
        const QString file = layerWithBackup();
        const QByteArray path = QFile::encodeName(file);
        const QByteArray before = readFile(file);
        const QStringList content = profileContent(path, "1");

        XmlStore::instance().cache.setFailCommits(true);
        QVERIFY(!COrvaneXML_AddProFileMacroWithKeyInfoItem(path, "1", "5", "B", "0", "1", "1", "6"));
        QVERIFY(!COrvaneXML_DeleteProFileSelectedNode(path, "2"));
        QVERIFY(!COrvaneXML_ModifyXMLFileProfileIndex(path, 2));
        QVERIFY(!COrvaneXML_AddProFileLightInfoItem(path, "1", light(0, 3)));
        XmlStore::instance().cache.setFailCommits(false);

        QCOMPARE(readFile(file), before);
        QCOMPARE(profileContent(path, "1"), content);
        QCOMPARE(profileNames(path), (QStringList{"1:Profile1", "2:Profile2"}));
        QCOMPARE(COrvaneXML_GetCreateXMLFileProfileIndex(path), 1);
        const QStringList leftovers = QFileInfo(file).dir().entryList(QDir::Files);
        QCOMPARE(leftovers.join(" "), QStringLiteral("appProfile_Default.xml appProfile_Default.xml.bak"));
        // The store works on once writes succeed again.
        QVERIFY(COrvaneXML_AddProFileMacroWithKeyInfoItem(path, "1", "5", "B", "0", "1", "1", "6"));
    }

    void unwritableFolder_refusesChangesAndKeepsData()
    {
        const QString file = layerWithBackup();
        const QByteArray path = QFile::encodeName(file);
        const QByteArray before = readFile(file);
        {
            LockedFolder lock(QFileInfo(file).path());
            if (!lock.locked())
                QSKIP("this file system cannot lock a folder");
            QVERIFY(!COrvaneXML_ModifyProfileNodeInfo(path, "1", "Changed"));
            QVERIFY(!COrvaneXML_SetProFileIntoSleepTimeInfo(path, "1", 60, 5));
            // Reading goes on.
            QCOMPARE(profileNames(path), (QStringList{"1:Profile1", "2:Profile2"}));
            sleepTimeInfo sleep{600, 30};
            QVERIFY(!COrvaneXML_GetProFileIntoSleepTimeInfo(path, "1", &sleep));
            QCOMPARE(sleep.lightSleepSeconds, 600);
        }
        QCOMPARE(readFile(file), before);
        QVERIFY(COrvaneXML_ModifyProfileNodeInfo(path, "1", "Changed"));
    }

    void unwritableFolder_brokenFileIsLeftInPlace()
    {
        const QString file = layerWithBackup();
        const QByteArray path = QFile::encodeName(file);
        writeFile(file, "not xml at all");
        {
            LockedFolder lock(QFileInfo(file).path());
            if (!lock.locked())
                QSKIP("this file system cannot lock a folder");
            QCOMPARE(COrvaneXML_GetCreateXMLFileProfileIndex(path), -1);
            QVERIFY(!COrvaneXML_CreateProFileXmlParentNode(path, "3", "Three", 0));
            QCOMPARE(COrvaneXML_GetCreateXMLFileProfileIndex(path), -1);
            const std::list<storeRecoveryInfo> notes = takeNotes();
            QCOMPARE(int(notes.size()), 1);
            QCOMPARE(notes.front().outcome, int(storeRecoveryInfo::LeftInPlace));
            QVERIFY(notes.front().movedAsidePath.empty());
            QCOMPARE(readFile(file), QByteArray("not xml at all"));
        }
        // Once the folder can be written again, the backup takes over.
        QCOMPARE(COrvaneXML_GetCreateXMLFileProfileIndex(path), -1);
        QCOMPARE(takeNotes().front().outcome, int(storeRecoveryInfo::RestoredFromBackup));
        QCOMPARE(profileNames(path), (QStringList{"1:Profile1"}));
    }

    void manyRecoveries_neverOverwriteAnAsideFile()
    {
        const QString file = layerWithBackup();
        const QByteArray path = QFile::encodeName(file);
        for (int round = 0; round < 3; ++round) {
            writeFile(file, "broken " + QByteArray::number(round));
            QCOMPARE(COrvaneXML_GetCreateXMLFileProfileIndex(path), -1);
        }
        QCOMPARE(asideFiles(file).size(), 3);
        QCOMPARE(int(takeNotes().size()), 3);
    }
};

ORVANE_TEST_MAIN(tst_storeRecovery)
#include "tst_storeRecovery.moc"
