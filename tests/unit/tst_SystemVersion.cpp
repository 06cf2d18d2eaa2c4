#include "platform/include/SystemVersion.h"
#include "support/TestMain.h"

#include <cstdio>

class tst_SystemVersion : public QObject
{
    Q_OBJECT

private slots:
    void windowsVersions_data()
    {
        QTest::addColumn<int>("platformId");
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("printed");

        QTest::newRow("XP") << 2 << 5 << 1 << 1 << "xp\n";
        QTest::newRow("2003") << 2 << 5 << 2 << 2 << "windows 2003\n";
        QTest::newRow("Vista") << 2 << 6 << 0 << 3 << "vista and 2008\n";
        QTest::newRow("Windows 7") << 2 << 6 << 1 << 4 << "2008 R2 and Windows 7\n";
        QTest::newRow("Windows 8 and later report 6.2") << 2 << 6 << 2 << 5 << "Windows 10\n";
        QTest::newRow("6.3 unknown") << 2 << 6 << 3 << 0 << "";
        QTest::newRow("10.0 unknown") << 2 << 10 << 0 << 0 << "";
        QTest::newRow("not NT") << 1 << 5 << 1 << 0 << "";
    }

    void windowsVersions()
    {
        QFETCH(int, platformId);
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(int, code);
        QFETCH(QString, printed);

        std::FILE* out = std::tmpfile();
        QVERIFY(out);
        QCOMPARE(windowsVersionCode(platformId, major, minor, out), code);
        std::rewind(out);
        char text[64] = {};
        const size_t n = std::fread(text, 1, sizeof text - 1, out);
        std::fclose(out);
        QCOMPARE(QString::fromLatin1(text, int(n)), printed);
    }

    void linuxIsNeverXp()
    {
        // XP is the one code that leaves high-DPI scaling off.
        QCOMPARE(systemVersionCode(), 0);
    }
};

ORVANE_TEST_MAIN(tst_SystemVersion)
#include "tst_SystemVersion.moc"
