#include "support/ProgramRunner.h"
#include "support/TestMain.h"

#include <QDir>
#include <QRegularExpression>

#include <csignal>

// A crash of the real program: the dump lands in the data folder, a notice
// run of the program starts, and the crashed process ends by its signal.
class tst_crashNotice : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestEnvironment> m_env;

private slots:
    void init()
    {
        m_env.reset();
        m_env = std::make_unique<TestEnvironment>();
    }

    void cleanup()
    {
        if (m_env)
            ProgramRunner::endCrashNotices(*m_env);
    }

    void cleanupTestCase() { m_env.reset(); }

    void crashWritesDumpAndStartsNotice_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addColumn<QString>("name");
        QTest::newRow("segmentation fault") << int(SIGSEGV) << "SIGSEGV";
        QTest::newRow("abort") << int(SIGABRT) << "SIGABRT";
    }

    void crashWritesDumpAndStartsNotice()
    {
        QFETCH(int, signal);
        QFETCH(QString, name);

        // The sanitizer build must leave these signals to the program.
        QProcessEnvironment extra;
        extra.insert(QStringLiteral("ASAN_OPTIONS"),
                     QStringLiteral("detect_leaks=0:handle_segv=0:handle_sigbus=0:handle_sigfpe=0:"
                                    "handle_sigill=0:handle_abort=0"));
        ProgramRunner runner(*m_env);
        runner.start({}, &extra);
        QVERIFY(ProgramRunner::waitForListeningInstance(30000));
        QVERIFY(ProgramRunner::crashNotices(*m_env).isEmpty());
        const qint64 pid = runner.process().processId();
        ::kill(pid_t(pid), signal);
        QCOMPARE(runner.waitForExit(30000), -1);
        QCOMPARE(runner.process().exitStatus(), QProcess::CrashExit);
        QFile settings(m_env->appDataDir() + QStringLiteral("/UserConfig/OrvaneConfig.ini"));
        QVERIFY(settings.open(QIODevice::ReadOnly));
        const QByteArray settingsBefore = settings.readAll();
        settings.close();

        const QDir dumpDir(m_env->appDataDir() + QStringLiteral("/dump"));
        const QStringList dumps = dumpDir.entryList({QStringLiteral("*.dmp")}, QDir::Files);
        QCOMPARE(dumps.size(), 1);
        QFile dump(dumpDir.filePath(dumps.first()));
        QVERIFY(dump.open(QIODevice::ReadOnly));
        const QByteArray text = dump.readAll();
        QVERIFY(text.contains(QStringLiteral("signal: %1 (%2)\n").arg(signal).arg(name).toLatin1()));
        QVERIFY(text.contains(QStringLiteral("process: %1\n").arg(pid).toLatin1()));
        QVERIFY(text.contains("program: " + QFile::encodeName(ProgramRunner::programPath()) + '\n'));
        QVERIFY(text.contains("\nbacktrace:\n"));
        // The program's own frames carry their function's name, so a dump
        // can be read without the build it came from.
        const QString backtrace = QString::fromLocal8Bit(text.mid(text.indexOf("\nbacktrace:\n")));
        const QRegularExpression ownFrame(QRegularExpression::escape(ProgramRunner::programPath())
                                          + QStringLiteral("\\(main\\+0x[0-9a-f]+\\)"));
        QVERIFY2(backtrace.contains(ownFrame), text.constData());
        QVERIFY(text.contains("\nmemory map:\n"));

        QList<qint64> notices;
        QTRY_VERIFY_WITH_TIMEOUT(!(notices = ProgramRunner::crashNotices(*m_env)).isEmpty(), 15000);
        QCOMPARE(notices.size(), 1);
        // The notice run gives the C++ frames their readable names: none
        // keeps its linker name, and the frames under main have C++ ones.
        const auto namedBacktrace = [&dump] {
            dump.close();
            const QByteArray now = dump.open(QIODevice::ReadOnly) ? dump.readAll() : QByteArray();
            const int start = now.indexOf("\nbacktrace:\n");
            const QByteArray frames = now.mid(start, now.indexOf("\nmemory map:\n") - start);
            return start >= 0 && !frames.contains("(_Z") && frames.contains("::");
        };
        QTRY_VERIFY_WITH_TIMEOUT(namedBacktrace(), 15000);
        // It waits for the user: still there a moment later, without taking
        // the single-instance channel or touching the settings.
        QTest::qWait(1000);
        QVERIFY(QFile::exists(QStringLiteral("/proc/%1").arg(notices.first())));
        QVERIFY(!ProgramRunner::waitForListeningInstance(300));
        QVERIFY(settings.open(QIODevice::ReadOnly));
        QCOMPARE(settings.readAll(), settingsBefore);

        ProgramRunner::endCrashNotices(*m_env);
        QTRY_VERIFY_WITH_TIMEOUT(ProgramRunner::crashNotices(*m_env).isEmpty(), 10000);
    }
};

ORVANE_TEST_MAIN(tst_crashNotice)
#include "tst_crashNotice.moc"
