#include "platform/include/CrashDumpHandler.h"
#include "support/TestMain.h"

#include <QDateTime>
#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

// Forked children fault for real (or raise the signal where a sanitizer would
// catch the fault first) with the handler installed; the parent checks the
// dump, the notice program and how the child ended.
class tst_CrashDumpHandler : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    static constexpr uintptr_t kFaultAddress = 0x10;

    QString markerPath() const { return m_dir.filePath(QStringLiteral("notice-started")); }

    [[noreturn]] static void crash(int signal)
    {
        switch (signal) {
        case SIGSEGV:
            // Not null: UBSan would stop a null store before it faults.
            *reinterpret_cast<volatile int*>(kFaultAddress) = 1;
            break;
        case SIGILL:
            __builtin_trap();
        case SIGABRT:
            abort();
        default:
            // An integer division by zero would be caught by UBSan before
            // it faults.
            raise(signal);
        }
        _exit(99);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(
            CrashDumpHandler::install(m_dir.filePath(QStringLiteral("unused")), QStringLiteral("/bin/sh"),
                                      {QStringLiteral("-c"), QStringLiteral("echo started > '%1'").arg(markerPath())}));
    }

    void dumpAndNotice_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addColumn<QString>("name");
        QTest::newRow("segmentation fault") << int(SIGSEGV) << "SIGSEGV";
        QTest::newRow("bus error") << int(SIGBUS) << "SIGBUS";
        QTest::newRow("illegal instruction") << int(SIGILL) << "SIGILL";
        QTest::newRow("arithmetic") << int(SIGFPE) << "SIGFPE";
        QTest::newRow("abort") << int(SIGABRT) << "SIGABRT";
    }

    void dumpAndNotice()
    {
        QFETCH(int, signal);
        QFETCH(QString, name);

        // Missing parents are created at crash time.
        const QString dumpDir = m_dir.filePath(name + QStringLiteral("/data/dump"));
        CrashDumpHandler::setDumpDirectory(dumpDir);
        QCOMPARE(CrashDumpHandler::dumpDirectory(), dumpDir);
        QFile::remove(markerPath());

        const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0)
            crash(signal);

        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY2(WIFSIGNALED(status), "the default action must end the process");
        QCOMPARE(WTERMSIG(status), signal);
        const QDateTime after = QDateTime::currentDateTime().addSecs(1);

        const QStringList dumps = QDir(dumpDir).entryList(QDir::Files);
        QCOMPARE(dumps.size(), 1);
        const QString fileName = dumps.first();
        QVERIFY2(QRegularExpression(QStringLiteral("^\\d{4}_\\d\\d_\\d\\d_\\d\\d_\\d\\d_\\d\\d\\.dmp$"))
                     .match(fileName)
                     .hasMatch(),
                 qPrintable(fileName));
        const QDateTime stamp = QDateTime::fromString(fileName.left(19), QStringLiteral("yyyy_MM_dd_hh_mm_ss"));
        QVERIFY2(stamp >= before.addMSecs(-before.time().msec()) && stamp <= after, qPrintable(fileName));

        QFile dump(QDir(dumpDir).filePath(fileName));
        QVERIFY(dump.open(QIODevice::ReadOnly));
        const QString text = QString::fromLocal8Bit(dump.readAll());
        QVERIFY(text.contains(QStringLiteral("signal: %1 (%2)\n").arg(signal).arg(name)));
        QVERIFY(text.contains(QStringLiteral("process: %1\n").arg(child)));
        QVERIFY(text.contains(QStringLiteral("thread: %1 (").arg(child)));
        if (signal == SIGSEGV)
            QVERIFY(text.contains(QStringLiteral("address: 0x0000000000000010\n")));
        if (signal == SIGBUS || signal == SIGFPE)
            QVERIFY(text.contains(QStringLiteral("sent by process: %1\n").arg(child)));

        const int backtrace = text.indexOf(QStringLiteral("\nbacktrace:\n"));
        const int maps = text.indexOf(QStringLiteral("\nmemory map:\n"));
        QVERIFY(backtrace > 0 && maps > backtrace);
        const QStringList frames = text.mid(backtrace, maps - backtrace).split('\n', Qt::SkipEmptyParts);
        QVERIFY2(frames.size() >= 4, qPrintable(text.left(maps)));
        QVERIFY(text.mid(maps).contains(QRegularExpression(QStringLiteral("\n[0-9a-f]+-[0-9a-f]+ r-xp "))));
        QVERIFY(text.mid(maps).contains(QStringLiteral("[stack]")));

        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(markerPath()), 10000);
    }

    // Two crashes in one second (two instances, or a crash right after the
    // restart): the later dump goes beside the earlier one.
    void dumpOfTheSameSecondKeepsTheEarlierOne()
    {
        const QString dumpDir = m_dir.filePath(QStringLiteral("same-second"));
        QVERIFY(QDir().mkpath(dumpDir));
        CrashDumpHandler::setDumpDirectory(dumpDir);
        // Every name the crash below can take by its time is taken already.
        const QDateTime now = QDateTime::currentDateTime();
        QStringList earlier;
        for (int s = -1; s <= 5; ++s) {
            const QString name = now.addSecs(s).toString(QStringLiteral("yyyy_MM_dd_hh_mm_ss")) + ".dmp";
            QFile file(QDir(dumpDir).filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("earlier dump");
            earlier << name;
        }
        QFile::remove(markerPath());
        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0)
            crash(SIGABRT);
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);

        QStringList dumps = QDir(dumpDir).entryList(QDir::Files);
        for (const QString& name : earlier) {
            QVERIFY(dumps.removeOne(name));
            QFile file(QDir(dumpDir).filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), QByteArray("earlier dump"));
        }
        QCOMPARE(dumps.size(), 1);
        QVERIFY2(dumps.first().endsWith(QStringLiteral("_%1.dmp").arg(child)), qPrintable(dumps.first()));
        QFile dump(QDir(dumpDir).filePath(dumps.first()));
        QVERIFY(dump.open(QIODevice::ReadOnly));
        QVERIFY(dump.readAll().contains(QStringLiteral("process: %1\n").arg(child).toLatin1()));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(markerPath()), 10000);
    }

    // The notice run names the C++ frames of a dump; every other line, and
    // a file that is no dump, stays as it was.
    void framesGetReadableNames_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("backtrace");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray frames
            = "/opt/orvane/orvane-keyboard(_ZN11DDevicePage13refreshDeviceEi+0x1a)[0x55d0c0001234]\n"
              "/lib/libQt5Core.so.5(_ZN16QCoreApplication4execEv+0x9c)[0x7f0000001000]\n"
              "/opt/orvane/orvane-keyboard(main+0x2f)[0x55d0c0000100]\n"
              "/opt/orvane/orvane-keyboard(+0x4242)[0x55d0c0004242]\n"
              "/opt/orvane/orvane-keyboard(_Znot a symbol+0x1)[0x55d0c0000001]\n";
        const QByteArray named = "/opt/orvane/orvane-keyboard(DDevicePage::refreshDevice(int)+0x1a)[0x55d0c0001234]\n"
                                 "/lib/libQt5Core.so.5(QCoreApplication::exec()+0x9c)[0x7f0000001000]\n"
                                 "/opt/orvane/orvane-keyboard(main+0x2f)[0x55d0c0000100]\n"
                                 "/opt/orvane/orvane-keyboard(+0x4242)[0x55d0c0004242]\n"
                                 "/opt/orvane/orvane-keyboard(_Znot a symbol+0x1)[0x55d0c0000001]\n";
        QTest::newRow("dump") << "2026_01_02_03_04_05.dmp" << frames << true << named;
        QTest::newRow("nothing to name") << "2026_01_02_03_04_06.dmp" << named << true << named;
        QTest::newRow("not a dump's name") << "notes.txt" << frames << false << frames;
    }
    void framesGetReadableNames()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, backtrace);
        QFETCH(bool, accepted);
        QFETCH(QByteArray, expected);
        const QByteArray head
            = "Crash dump\nsignal: 11 (SIGSEGV)\nprogram: /opt/orvane/orvane-keyboard\n\nbacktrace:\n";
        // The memory map keeps what looks like a symbol.
        const QByteArray tail
            = "\nmemory map:\n55d0c0000000-55d0c0010000 r-xp 00000000 08:01 42 (_ZN3Foo3barEv+0x1)[0x1]\n";
        const QString path = m_dir.filePath(fileName);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(head + backtrace + tail);
        file.close();

        QCOMPARE(CrashDumpHandler::nameFrames(path), accepted);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), head + expected + tail);
    }

    void noDumpIsLeftAlone()
    {
        const QString path = m_dir.filePath(QStringLiteral("2026_01_02_03_04_07.dmp"));
        const QByteArray text = "backtrace:\n/x(_ZN3Foo3barEv+0x1)[0x1]\n\nmemory map:\n";
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
        file.close();
        QVERIFY(!CrashDumpHandler::nameFrames(path));
        QVERIFY(!CrashDumpHandler::nameFrames(m_dir.filePath(QStringLiteral("missing.dmp"))));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), text);
    }
};

ORVANE_TEST_MAIN(tst_CrashDumpHandler)
#include "tst_CrashDumpHandler.moc"
