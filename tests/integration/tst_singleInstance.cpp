#include "support/ProgramRunner.h"
#include "support/TestMain.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSettings>
#include <QSharedMemory>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <memory>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

// The program as a user starts it: one instance, later starts wake it and end
// with exit code 1, leftovers of a crashed instance are recovered, and the
// stored language is resolved and written back.
class tst_singleInstance : public QObject
{
    Q_OBJECT

private:
    TestEnvironment& env() { return *m_env; }
    std::unique_ptr<TestEnvironment> m_env;

    QString userFile() const { return m_env->appDataDir() + QStringLiteral("/UserConfig/OrvaneConfig.ini"); }
    QString socketPath() const { return ProgramRunner::serverName(); }

    // What a start printed up to the data manager's start, which comes after
    // the handling of a segment that was already there (or all it printed,
    // if it never got there).
    static QByteArray startLog(ProgramRunner& runner)
    {
        runner.waitForOutput("App Runing");
        return runner.output();
    }

    // A socket file nobody listens on, as a killed instance leaves it.
    bool leaveDeadSocket() const
    {
        const QByteArray path = QFile::encodeName(socketPath());
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address = {};
        address.sun_family = AF_UNIX;
        qstrncpy(address.sun_path, path.constData(), sizeof address.sun_path);
        const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
        ::close(fd);
        return bound && QFile::exists(socketPath());
    }

private slots:
    void init()
    {
        // Each case starts from a machine where the program never ran.
        m_env.reset();
        m_env = std::make_unique<TestEnvironment>();
    }

    void cleanupTestCase() { m_env.reset(); }

    // A log-out or `kill` ends the program through its event loop, so it
    // leaves neither its segment nor its socket name for the next start.
    void terminationSignalsEndCleanly_data()
    {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT") << int(SIGINT);
        QTest::newRow("SIGHUP") << int(SIGHUP);
    }

    void terminationSignalsEndCleanly()
    {
        QFETCH(int, signalNumber);
        // With keyboards open, their I/O threads must be joined before the
        // device library goes away at exit.
        QProcessEnvironment keyboards;
        keyboards.insert(QStringLiteral("ORVANE_SIMULATE"), QStringLiteral("OV68M,OV84W@24g"));
        ProgramRunner runner(env());
        runner.captureOutput();
        runner.start({}, &keyboards);
        QVERIFY(ProgramRunner::waitForListeningInstance(ProgramRunner::kPatienceMs));
        QVERIFY(QFile::exists(socketPath()));
        // The device list has loaded and the links are open.
        QVERIFY2(runner.waitForOutput("loading hid list over"), runner.output().constData());

        ::kill(static_cast<pid_t>(runner.process().processId()), signalNumber);
        QCOMPARE(runner.waitForExit(ProgramRunner::kPatienceMs), 0);
        QVERIFY2(!QDir(env().appDataDir() + QStringLiteral("/dump")).exists(), "the program crashed on its way out");
        QVERIFY(!QFile::exists(socketPath()));
        QSharedMemory segment;
        segment.setNativeKey(ProgramRunner::segmentKeyFile());
        QVERIFY2(!segment.attach(), "the segment outlived the program");
    }

    void secondStartExitsWithOne_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("no arguments") << QStringList();
        QTest::newRow("several arguments") << QStringList{QStringLiteral("one"), QStringLiteral("two")};
    }

    void secondStartExitsWithOne()
    {
        QFETCH(QStringList, arguments);
        ProgramRunner first(env());
        first.start();
        QVERIFY(ProgramRunner::waitForListeningInstance(ProgramRunner::kPatienceMs));

        ProgramRunner second(env());
        second.captureOutput();
        second.start(arguments);
        QCOMPARE(second.waitForExit(ProgramRunner::kPatienceMs), 1);
        const QByteArray secondLog = second.output();
        QVERIFY(secondLog.contains("EXE already runing"));
        // It was answered, not left to wait for an answer.
        QVERIFY2(!secondLog.contains("nobody answers"), secondLog.constData());
        QVERIFY2(!secondLog.contains("App Runing"), "a second start creates no data manager");

        QCOMPARE(first.process().state(), QProcess::Running);
        QVERIFY(ProgramRunner::waitForListeningInstance(ProgramRunner::kPatienceMs));
    }

    void leftoversOfACrashedInstanceAreRecovered_data()
    {
        QTest::addColumn<bool>("leaveSegment");
        QTest::addColumn<bool>("leaveSocket");
        QTest::newRow("segment and socket") << true << true;
        QTest::newRow("segment only") << true << false;
        QTest::newRow("socket only") << false << true;
    }

    void leftoversOfACrashedInstanceAreRecovered()
    {
        QFETCH(bool, leaveSegment);
        QFETCH(bool, leaveSocket);

        if (leaveSegment) {
            ProgramRunner crashed(env());
            crashed.keepLeftSegment();
            crashed.start();
            QVERIFY(ProgramRunner::waitForListeningInstance(ProgramRunner::kPatienceMs));
            ::kill(pid_t(crashed.process().processId()), SIGKILL);
            QCOMPARE(crashed.waitForExit(10000), -1);
            QVERIFY(QFile::exists(socketPath()));
            if (!leaveSocket)
                QVERIFY(QFile::remove(socketPath()));
        } else {
            QVERIFY(leaveDeadSocket());
        }
        QVERIFY(!ProgramRunner::waitForListeningInstance(300));

        ProgramRunner next(env());
        next.captureOutput();
        next.start();
        const bool listening = ProgramRunner::waitForListeningInstance(ProgramRunner::kPatienceMs);
        const QByteArray log = startLog(next);
        QVERIFY2(listening, "the next start must become the first instance: " + log);
        QVERIFY2(log.contains("App Runing"), log.constData());
        // SysV keys come from only part of the key file's inode number, so on
        // a busy machine another instance's segment can share ours: then the
        // program reclaims a stale one or starts anyway beside a live one.
        if (leaveSegment) {
            QVERIFY2(log.contains("EXE already runing"), log.constData());
            QVERIFY2(log.contains("reclaimed the segment") || log.contains("starting all the same"), log.constData());
        }
        QCOMPARE(next.process().state(), QProcess::Running);

        ProgramRunner later(env());
        later.start();
        QCOMPARE(later.waitForExit(ProgramRunner::kPatienceMs), 1);

        // Taken over once: after the instance that took over quits, the
        // next start finds nothing left to take over or to report.
        ::kill(pid_t(next.process().processId()), SIGTERM);
        QCOMPARE(next.waitForExit(ProgramRunner::kPatienceMs), 0);
        ProgramRunner clean(env());
        clean.captureOutput();
        clean.start();
        const bool cleanListening = ProgramRunner::waitForListeningInstance(ProgramRunner::kPatienceMs);
        const QByteArray cleanLog = clean.output();
        QVERIFY2(cleanListening, cleanLog.constData());
        QVERIFY2(!cleanLog.contains("EXE already runing") && !cleanLog.contains("reclaimed the segment")
                     && !cleanLog.contains("starting all the same"),
                 cleanLog.constData());
    }

    // A live process holds a segment but serves no channel: a hung instance
    // under another name or a colliding key holds ours, which costs the
    // start a wait; another user's instance holds theirs, which costs
    // nothing.
    void silentHolderOfTheSegmentDoesNotStrandTheStart_data()
    {
        QTest::addColumn<bool>("ours");
        QTest::newRow("our segment") << true;
        QTest::newRow("another user's segment") << false;
    }
    void silentHolderOfTheSegmentDoesNotStrandTheStart()
    {
        QFETCH(bool, ours);
        // Another user's segment has its key file in that user's folder.
        QSharedMemory holder;
        holder.setNativeKey(ours ? ProgramRunner::segmentKeyFile()
                                 : env().tempDir() + QStringLiteral("/another-user.segment"));
        QVERIFY(holder.create(1) || holder.attach());

        ProgramRunner next(env());
        next.captureOutput();
        next.start();
        const bool listening = ProgramRunner::waitForListeningInstance(ProgramRunner::kPatienceMs);
        const QByteArray log = startLog(next);
        QVERIFY2(listening, "the start must come up with its window: " + log);
        QCOMPARE(log.contains("nobody answers; starting all the same"), ours);
        QCOMPARE(log.contains("EXE already runing"), ours);
        QVERIFY(log.contains("App Runing"));

        ProgramRunner later(env());
        later.start();
        QCOMPARE(later.waitForExit(ProgramRunner::kPatienceMs), 1);
    }

    // The channel is the user's alone: in the user's runtime folder, and
    // the socket itself closed to everyone else.
    void channelIsTheUsersAlone()
    {
        ProgramRunner runner(env());
        runner.start();
        QVERIFY(ProgramRunner::waitForListeningInstance(ProgramRunner::kPatienceMs));
        const QFileInfo socket(socketPath());
        QVERIFY(socket.exists());
        QCOMPARE(socket.absolutePath(), QFileInfo(env().root() + QStringLiteral("/runtime")).absoluteFilePath());
        const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup
                                                | QFileDevice::ReadOther | QFileDevice::WriteOther
                                                | QFileDevice::ExeOther;
        QCOMPARE(socket.permissions() & others, QFileDevice::Permissions());
        QVERIFY(!QFile::exists(env().tempDir() + QStringLiteral("/orvane-keyboard")));
    }

    // Another user listening at our channel's name (where a shared folder
    // lets them) is not our running instance: the start goes on, becomes the
    // instance, and hands that listener nothing.
    void anotherUsersListenerIsNotTheRunningInstance()
    {
        if (::geteuid() != 0)
            QSKIP("acting as a second user needs root");
        constexpr uid_t kOtherUser = 65534;
        const QByteArray path = QFile::encodeName(socketPath());
        int received[2];
        QVERIFY(::pipe(received) == 0);
        const pid_t squatter = fork();
        QVERIFY(squatter >= 0);
        if (squatter == 0) {
            ::close(received[0]);
            const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un address = {};
            address.sun_family = AF_UNIX;
            qstrncpy(address.sun_path, path.constData(), sizeof address.sun_path);
            if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
                _exit(2);
            if (::chown(path.constData(), kOtherUser, kOtherUser) != 0 || ::chmod(path.constData(), 0777) != 0)
                _exit(4);
            // The kernel records the listener's user when it starts listening.
            if (::setresgid(kOtherUser, kOtherUser, kOtherUser) != 0
                || ::setresuid(kOtherUser, kOtherUser, kOtherUser) != 0 || ::listen(fd, 8) != 0)
                _exit(3);
            ::write(received[1], "L", 1);
            for (;;) {
                const int peer = ::accept(fd, nullptr, nullptr);
                char buffer[256];
                ssize_t n;
                while ((n = ::read(peer, buffer, sizeof buffer)) > 0)
                    ::write(received[1], buffer, size_t(n));
                ::close(peer);
            }
        }
        ::close(received[1]);
        char ready = 0;
        QCOMPARE(::read(received[0], &ready, 1), ssize_t(1));
        QCOMPARE(ready, 'L');

        ProgramRunner runner(env());
        runner.captureOutput();
        runner.start({QStringLiteral("--private-argument")});
        // Until the start has put its own socket in place, the listener
        // would answer a probe.
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(socketPath()).ownerId() == ::getuid(), ProgramRunner::kPatienceMs);
        const bool listening = ProgramRunner::waitForListeningInstance(ProgramRunner::kPatienceMs);
        // Said after the data manager's start, before the channel is ours.
        runner.waitForOutput("is served by another user");
        const QByteArray log = runner.output();
        ::kill(squatter, SIGKILL);
        ::waitpid(squatter, nullptr, 0);
        QByteArray heard;
        char buffer[256];
        ssize_t n;
        while ((n = ::read(received[0], buffer, sizeof buffer)) > 0)
            heard.append(buffer, int(n));
        ::close(received[0]);

        QVERIFY2(listening, "the start must become the instance: " + log);
        QCOMPARE(runner.process().state(), QProcess::Running);
        QVERIFY2(log.contains("is served by another user"), log.constData());
        QVERIFY2(!heard.contains("private"), heard.constData());

        // Our next start finds our instance, not that listener.
        ProgramRunner later(env());
        later.start({QStringLiteral("again")});
        QCOMPARE(later.waitForExit(ProgramRunner::kPatienceMs), 1);
    }

    // Two local users on a machine without runtime folders (XDG_RUNTIME_DIR
    // unset), sharing one temporary folder: each gets one instance of their
    // own, at once, and a second start of each finds their own instance.
    // Where the other user has taken the name of the first one's folder, that
    // user's cache folder serves instead.
    void usersWithoutRuntimeFolderEachHaveTheirOwnInstance_data()
    {
        QTest::addColumn<bool>("squatted");
        QTest::addColumn<bool>("foreignSegment");
        QTest::newRow("free temporary folder") << false << false;
        QTest::newRow("folder name taken by the other user") << true << false;
        // Where a segment key would come from a file in the shared folder,
        // the other user could make it lead to a segment of theirs.
        QTest::newRow("the other user's segment behind a key file in the shared folder") << false << true;
    }
    void usersWithoutRuntimeFolderEachHaveTheirOwnInstance()
    {
        QFETCH(bool, squatted);
        QFETCH(bool, foreignSegment);
        if (::geteuid() != 0)
            QSKIP("acting as two other users needs root; LocalSocketUser's folder checks are tested apart");
        const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
        if (setpriv.isEmpty())
            QSKIP("setpriv (util-linux) is needed to start the program as another user");
        constexpr uint kFirst = 65534;
        constexpr uint kSecond = 65533;
        // Open to both users, as /tmp is; their homes are their own.
        QTemporaryDir machine(QStringLiteral("/tmp/orvane-users-XXXXXX"));
        QVERIFY(machine.isValid());
        QVERIFY(::chmod(QFile::encodeName(machine.path()).constData(), 0755) == 0);
        const QString shared = machine.filePath(QStringLiteral("tmp"));
        QVERIFY(QDir().mkpath(shared));
        QVERIFY(::chmod(QFile::encodeName(shared).constData(), 01777) == 0);
        const QString name = QFileInfo(ProgramRunner::programPath()).fileName();
        const auto home = [&](uint user) { return machine.filePath(QStringLiteral("home%1").arg(user)); };
        const auto environmentOf = [&](uint user) {
            QProcessEnvironment environment = env().processEnvironment();
            environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
            environment.insert(QStringLiteral("HOME"), home(user));
            environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home(user) + QStringLiteral("/.config"));
            environment.insert(QStringLiteral("XDG_DATA_HOME"), home(user) + QStringLiteral("/.local/share"));
            environment.insert(QStringLiteral("XDG_CACHE_HOME"), home(user) + QStringLiteral("/.cache"));
            environment.insert(QStringLiteral("TMPDIR"), shared);
            // LeakSanitizer cannot stop the world as an ordinary user here,
            // and would make every exit code 1.
            environment.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
            return environment;
        };
        for (uint user : {kFirst, kSecond}) {
            QVERIFY(QDir().mkpath(home(user)));
            QVERIFY(::chown(QFile::encodeName(home(user)).constData(), user, user) == 0);
            QVERIFY(::chmod(QFile::encodeName(home(user)).constData(), 0700) == 0);
        }
        const auto folderName
            = [&](uint user) { return shared + QLatin1Char('/') + name + QLatin1Char('-') + QString::number(user); };
        QString firstSocket = folderName(kFirst) + QLatin1Char('/') + name;
        if (squatted) {
            QVERIFY(QDir().mkpath(folderName(kFirst)));
            QVERIFY(::chown(QFile::encodeName(folderName(kFirst)).constData(), kSecond, kSecond) == 0);
            QVERIFY(::chmod(QFile::encodeName(folderName(kFirst)).constData(), 0777) == 0);
            firstSocket = home(kFirst) + QStringLiteral("/.cache/") + name + QLatin1Char('-') + QString::number(kFirst)
                          + QLatin1Char('/') + name;
        }
        const QString secondSocket = folderName(kSecond) + QLatin1Char('/') + name;
        int foreignId = -1;
        if (foreignSegment) {
            // Qt's key file of a segment keyed by name, as the second user
            // can make it for the first user's key.
            const QString key = QStringLiteral("VELKOV2.0_1.2.0.1-uid%1").arg(kFirst);
            const QString keyFile
                = shared + QStringLiteral("/qipc_sharedmemory_") + QString(key).remove(QRegularExpression("[^A-Za-z]"))
                  + QString::fromLatin1(QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex());
            QFile file(keyFile);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.close();
            QVERIFY(::chown(QFile::encodeName(keyFile).constData(), kSecond, kSecond) == 0);
            const key_t ipcKey = ::ftok(QFile::encodeName(keyFile).constData(), 'Q');
            QVERIFY(ipcKey != -1);
            const pid_t maker = fork();
            QVERIFY(maker >= 0);
            if (maker == 0) {
                if (::setresgid(kSecond, kSecond, kSecond) != 0 || ::setresuid(kSecond, kSecond, kSecond) != 0)
                    _exit(2);
                _exit(::shmget(ipcKey, 1, IPC_CREAT | IPC_EXCL | 0600) == -1 ? 3 : 0);
            }
            int status = 0;
            QCOMPARE(::waitpid(maker, &status, 0), maker);
            QCOMPARE(WEXITSTATUS(status), 0);
            foreignId = ::shmget(ipcKey, 0, 0);
            QVERIFY(foreignId != -1);
        }
        const auto removeForeignSegment = qScopeGuard([foreignId] {
            if (foreignId != -1)
                ::shmctl(foreignId, IPC_RMID, nullptr);
        });

        std::vector<std::unique_ptr<QProcess>> started;
        const auto start = [&](uint user, const QStringList& arguments = {}) {
            auto process = std::make_unique<QProcess>();
            process->setProcessEnvironment(environmentOf(user));
            process->setProcessChannelMode(QProcess::MergedChannels);
            process->start(setpriv,
                           QStringList{QStringLiteral("--reuid=%1").arg(user), QStringLiteral("--regid=%1").arg(user),
                                       QStringLiteral("--clear-groups"), QStringLiteral("--"),
                                       ProgramRunner::programPath()}
                               + arguments);
            process->waitForStarted(10000);
            started.push_back(std::move(process));
            return started.back().get();
        };
        const auto listening = [](const QString& path) {
            const QDeadlineTimer deadline(30000);
            while (!deadline.hasExpired()) {
                QLocalSocket socket;
                socket.connectToServer(path);
                if (socket.waitForConnected(200))
                    return true;
                QThread::msleep(50);
            }
            return false;
        };
        const auto endAll = [&] {
            for (const auto& process : started) {
                if (process->state() != QProcess::NotRunning) {
                    process->terminate();
                    if (!process->waitForFinished(10000))
                        process->kill();
                    process->waitForFinished(3000);
                }
            }
        };

        QProcess* first = start(kFirst);
        QVERIFY2(listening(firstSocket), first->readAll().constData());
        QProcess* second = start(kSecond);
        QVERIFY2(listening(secondSocket), second->readAll().constData());
        QCOMPARE(first->state(), QProcess::Running);
        QCOMPARE(second->state(), QProcess::Running);
        const QFileInfo folder(QFileInfo(secondSocket).path());
        QCOMPARE(folder.ownerId(), kSecond);
        QCOMPARE(folder.permissions()
                     & (QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup
                        | QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther),
                 QFileDevice::Permissions());
        QCOMPARE(QFileInfo(QFileInfo(firstSocket).path()).ownerId(), kFirst);

        // Each user's next start finds that user's own instance.
        for (uint user : {kFirst, kSecond}) {
            QProcess* again = start(user, {QStringLiteral("again")});
            const bool ended = again->waitForFinished(30000);
            const QByteArray log = again->readAll();
            QVERIFY2(ended, log.constData());
            QCOMPARE(again->exitCode(), 1);
            QVERIFY2(!log.contains("starting all the same"), log.constData());
        }
        QByteArray logs = first->readAll() + second->readAll();
        endAll();
        logs += first->readAll() + second->readAll();
        QVERIFY2(!logs.contains("starting all the same") && !logs.contains("is served by another user"),
                 logs.constData());
        QVERIFY2(!logs.contains("EXE already runing"), logs.constData());
    }

    void storedLanguageIsResolvedAndWrittenBack_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<int>("expected");

        QTest::newRow("-1 with a German system") << "de_DE.UTF-8" << QVariant(-1) << 10;
        QTest::newRow("absent with a Taiwanese system") << "zh_TW.UTF-8" << QVariant() << 2;
        QTest::newRow("absent with a Dutch system") << "nl_NL.UTF-8" << QVariant() << 3;
        QTest::newRow("stored choice kept") << "de_DE.UTF-8" << QVariant(5) << 5;
    }

    void storedLanguageIsResolvedAndWrittenBack()
    {
        QFETCH(QString, locale);
        QFETCH(QVariant, stored);
        QFETCH(int, expected);

        if (stored.isValid()) {
            QVERIFY(QDir().mkpath(QFileInfo(userFile()).path()));
            QSettings(userFile(), QSettings::IniFormat)
                .setValue(QStringLiteral("Language/selectLanguageIndex"), stored);
        }
        QProcessEnvironment extra;
        extra.insert(QStringLiteral("LC_ALL"), locale);
        extra.insert(QStringLiteral("LANG"), locale);
        extra.insert(QStringLiteral("LANGUAGE"), QString());
        ProgramRunner runner(env());
        runner.captureOutput();
        runner.start({}, &extra);
        QVERIFY2(runner.waitForMainWindow(), runner.output().constData());
        QCOMPARE(
            QSettings(userFile(), QSettings::IniFormat).value(QStringLiteral("Language/selectLanguageIndex")).toInt(),
            expected);
    }
};

ORVANE_TEST_MAIN(tst_singleInstance)
#include "tst_singleInstance.moc"
