#include "support/ProgramRunner.h"
#include "support/TestMain.h"

#include <QDir>
#include <QSettings>
#include <QSharedMemory>

#include <csignal>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

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
        QSharedMemory segment(ProgramRunner::segmentKey());
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
        QSharedMemory holder(ours ? ProgramRunner::segmentKey() : ProgramRunner::segmentKey(::getuid() + 1));
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
