// The folder of the single-instance channel when there is no runtime folder:
// the user's own, closed to everyone else, never one another user made.
#include "support/TestMain.h"

#include "platform/include/LocalSocketUser.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr uint kOtherUser = 65534;

mode_t modeOf(const QString& path)
{
    struct stat info;
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0;
}

} // namespace

class tst_LocalSocketUser : public QObject
{
    Q_OBJECT

private slots:
    void privateFolder_data()
    {
        QTest::addColumn<QString>("standing"); // what stands at the name before
        QTest::addColumn<bool>("usable");
        QTest::newRow("nothing") << "nothing" << true;
        QTest::newRow("our closed folder") << "closed" << true;
        QTest::newRow("our open folder") << "open" << true;
        QTest::newRow("a link to our folder") << "link" << false;
        QTest::newRow("a file") << "file" << false;
        QTest::newRow("another user's folder") << "foreign" << false;
    }
    void privateFolder()
    {
        QFETCH(QString, standing);
        QFETCH(bool, usable);
        if (standing == QLatin1String("foreign") && ::geteuid() != 0)
            QSKIP("giving a folder to another user needs root");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("orvane-keyboard-1000"));
        const QByteArray native = QFile::encodeName(path);
        if (standing == QLatin1String("closed") || standing == QLatin1String("open")
            || standing == QLatin1String("foreign")) {
            QVERIFY(::mkdir(native.constData(), standing == QLatin1String("closed") ? 0700 : 0777) == 0);
            QVERIFY(::chmod(native.constData(), standing == QLatin1String("closed") ? 0700 : 0777) == 0);
            if (standing == QLatin1String("foreign"))
                QVERIFY(::chown(native.constData(), kOtherUser, kOtherUser) == 0);
        } else if (standing == QLatin1String("link")) {
            const QString target = dir.filePath(QStringLiteral("elsewhere"));
            QVERIFY(::mkdir(QFile::encodeName(target).constData(), 0700) == 0);
            QVERIFY(QFile::link(target, path));
        } else if (standing == QLatin1String("file")) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        const mode_t before = modeOf(path);

        const QString chosen = LocalSocketUser::privateFolder(path);

        if (!usable) {
            QVERIFY(chosen.isEmpty());
            QCOMPARE(modeOf(path), before); // left as it was
            return;
        }
        QCOMPARE(chosen, path);
        const QFileInfo info(path);
        QVERIFY(info.isDir() && !info.isSymLink());
        QCOMPARE(info.ownerId(), uint(::getuid()));
        QCOMPARE(modeOf(path), mode_t(0700));
    }

    // Without a runtime folder the channel lies in a folder of the user's
    // own in the temporary folder; when another user holds that name, in
    // the user's cache folder.
    void serverPathWithoutRuntimeFolder()
    {
        const QByteArray savedRuntime = qgetenv("XDG_RUNTIME_DIR");
        qunsetenv("XDG_RUNTIME_DIR");
        const QString suffix = QStringLiteral("-%1").arg(::getuid());
        const QString inTemp = QDir::tempPath() + QStringLiteral("/orvane-test") + suffix;
        QCOMPARE(LocalSocketUser::serverPath(QStringLiteral("orvane-test")), inTemp + QStringLiteral("/orvane-test"));
        QCOMPARE(modeOf(inTemp), mode_t(0700));
        if (::geteuid() == 0) {
            QVERIFY(::chown(QFile::encodeName(inTemp).constData(), kOtherUser, kOtherUser) == 0);
            const QString inCache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)
                                    + QStringLiteral("/orvane-test") + suffix;
            QCOMPARE(LocalSocketUser::serverPath(QStringLiteral("orvane-test")),
                     inCache + QStringLiteral("/orvane-test"));
            QCOMPARE(modeOf(inCache), mode_t(0700));
        }
        if (!savedRuntime.isNull())
            qputenv("XDG_RUNTIME_DIR", savedRuntime);
    }
};

ORVANE_TEST_MAIN(tst_LocalSocketUser)
#include "tst_LocalSocketUser.moc"
