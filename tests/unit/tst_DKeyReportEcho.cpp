// The key-report echo: which keys changed between two keyboard reports, how
// the echo report follows keys, and which combinations the lock filter
// takes out of it.
#include "support/TestMain.h"

#include "hid/DKeyReportEcho.h"
#include "sdk/include/orvanesdk_xml.h"

#include <cstring>

using KeyReport = DKeyReportEcho::KeyReport;
using Changes = QList<DKeyReportEcho::KeyChange>;
using Reports = QList<KeyReport>;
Q_DECLARE_METATYPE(KeyReport)
Q_DECLARE_METATYPE(Reports)

namespace {

QString describe(const Changes& changes)
{
    QStringList parts;
    for (const auto& c : changes)
        parts << QStringLiteral("%1%2").arg(c.pressed ? '+' : '-').arg(c.usage);
    return parts.join(' ');
}

QString describe(const KeyReport& report)
{
    QStringList parts;
    for (uint8_t byte : report)
        parts << QString::number(byte, 16);
    return parts.join(' ');
}

// Locks given as "altTab altF4 shiftTab windows", each "1" or "0".
functionLockInfo lockSet(const char* altTab, const char* altF4, const char* shiftTab, const char* windows)
{
    functionLockInfo info{};
    std::strcpy(info.altTab, altTab);
    std::strcpy(info.altF4, altF4);
    std::strcpy(info.shiftTab, shiftTab);
    std::strcpy(info.windowsKey, windows);
    return info;
}

// Feeds a report the way the link does: every change goes to the echo.
void follow(DKeyReportEcho& echo, const KeyReport& report)
{
    for (const auto& change : echo.takeReport(report))
        echo.setKeyState(change.usage, change.pressed);
}

} // namespace

Q_DECLARE_METATYPE(functionLockInfo)

class tst_DKeyReportEcho : public QObject
{
    Q_OBJECT

private slots:
    void modifierUsage_data()
    {
        QTest::addColumn<unsigned>("mask");
        QTest::addColumn<int>("usage");
        const int usages[] = {224, 225, 226, 227, 228, 229, 230, 231};
        for (int bit = 0; bit < 8; ++bit)
            QTest::addRow("bit %d", bit) << (1u << bit) << usages[bit];
        QTest::newRow("none") << 0u << -1;
        QTest::newRow("two bits") << 0x03u << -1;
        QTest::newRow("all bits") << 0xFFu << -1;
        QTest::newRow("beyond a byte") << 0x100u << -1;
    }

    void modifierUsage()
    {
        QFETCH(unsigned, mask);
        QFETCH(int, usage);
        QCOMPARE(DKeyReportEcho::modifierUsage(mask), usage);
    }

    void changes_data()
    {
        QTest::addColumn<Reports>("reports");
        QTest::addColumn<QStringList>("changes");

        QTest::newRow("a key down and up")
            << Reports{{0, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 4, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 0}}
            << QStringList{"", "+4", "-4"};
        QTest::newRow("modifiers in bit order before keys")
            << Reports{{0x03, 0, 5, 0, 0, 0, 0, 0}} << QStringList{"+224 +225 +5"};
        QTest::newRow("only the order changed")
            << Reports{{0, 0, 4, 5, 6, 0, 0, 0}, {0, 0, 6, 4, 5, 0, 0, 0}} << QStringList{"+4 +5 +6", ""};
        QTest::newRow("downs before ups") << Reports{{0x01, 0, 4, 0, 0, 0, 0, 0}, {0x02, 0, 5, 0, 0, 0, 0, 0}}
                                          << QStringList{"+224 +4", "+225 +5 -224 -4"};
        QTest::newRow("reserved byte is not a key") << Reports{{0, 9, 0, 0, 0, 0, 0, 0}} << QStringList{""};
    }

    void changes()
    {
        QFETCH(Reports, reports);
        QFETCH(QStringList, changes);
        DKeyReportEcho echo;
        QStringList seen;
        for (const KeyReport& r : reports) {
            seen << describe(echo.takeReport(r));
            QCOMPARE(echo.lastReport(), r);
        }
        QCOMPARE(seen, changes);
    }

    void setKeyState()
    {
        DKeyReportEcho echo;
        for (int usage : {4, 0x2B, 5})
            echo.setKeyState(usage, true);
        echo.setKeyState(226, true);
        QCOMPARE(describe(echo.echoReport()), QStringLiteral("4 0 4 2b 5 0 0 0"));
        QCOMPARE(echo.echoLength(), 5);

        echo.setKeyState(0x2B, false);
        QCOMPARE(describe(echo.echoReport()), QStringLiteral("4 0 4 5 0 0 0 0"));
        QCOMPARE(echo.echoLength(), 4);

        // A release of a key that is not there changes nothing.
        echo.setKeyState(0x2B, false);
        QCOMPARE(echo.echoLength(), 4);

        echo.setKeyState(0, true);
        QCOMPARE(echo.echoLength(), 4);

        for (int usage : {6, 7, 8, 9})
            echo.setKeyState(usage, true);
        QCOMPARE(echo.echoLength(), 8);
        echo.setKeyState(10, true);
        QCOMPARE(describe(echo.echoReport()), QStringLiteral("4 0 4 5 6 7 8 9"));

        echo.setKeyState(226, false);
        echo.setKeyState(4, false);
        QCOMPARE(describe(echo.echoReport()), QStringLiteral("0 0 5 6 7 8 9 0"));
        QCOMPARE(echo.echoLength(), 7);
    }

    void locks_data()
    {
        QTest::addColumn<KeyReport>("keys");
        QTest::addColumn<functionLockInfo>("locks");
        QTest::addColumn<KeyReport>("echo");

        const functionLockInfo all = lockSet("1", "1", "1", "1");
        const functionLockInfo none = lockSet("0", "0", "0", "0");
        QTest::newRow("left Windows locked")
            << KeyReport{0x08, 0, 4, 0, 0, 0, 0, 0} << all << KeyReport{0, 0, 4, 0, 0, 0, 0, 0};
        QTest::newRow("right Windows locked, with Alt+Tab only Windows goes")
            << KeyReport{0x84, 0, 0x2B, 0, 0, 0, 0, 0} << all << KeyReport{0x04, 0, 0x2B, 0, 0, 0, 0, 0};
        QTest::newRow("Windows free") << KeyReport{0x08, 0, 4, 0, 0, 0, 0, 0} << lockSet("1", "1", "1", "0")
                                      << KeyReport{0x08, 0, 4, 0, 0, 0, 0, 0};
        QTest::newRow("left Alt+Tab") << KeyReport{0x04, 0, 4, 0x2B, 0, 0, 0, 0} << lockSet("1", "0", "0", "0")
                                      << KeyReport{0x04, 0, 4, 0, 0, 0, 0, 0};
        QTest::newRow("right Alt+F4") << KeyReport{0x40, 0, 0x3D, 5, 0, 0, 0, 0} << lockSet("0", "1", "0", "0")
                                      << KeyReport{0x40, 0, 5, 0, 0, 0, 0, 0};
        QTest::newRow("Alt+F4 free") << KeyReport{0x04, 0, 0x3D, 0, 0, 0, 0, 0} << lockSet("1", "0", "1", "1")
                                     << KeyReport{0x04, 0, 0x3D, 0, 0, 0, 0, 0};
        QTest::newRow("Shift+Tab") << KeyReport{0x02, 0, 0x2B, 0, 0, 0, 0, 0} << lockSet("0", "0", "1", "0")
                                   << KeyReport{0x02, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("Shift+Tab is not Alt+Tab")
            << KeyReport{0x20, 0, 0x2B, 0, 0, 0, 0, 0} << lockSet("1", "0", "0", "0")
            << KeyReport{0x20, 0, 0x2B, 0, 0, 0, 0, 0};
        QTest::newRow("Ctrl+Tab is never locked")
            << KeyReport{0x01, 0, 0x2B, 0, 0, 0, 0, 0} << all << KeyReport{0x01, 0, 0x2B, 0, 0, 0, 0, 0};
        QTest::newRow("both Alts and Tab")
            << KeyReport{0x44, 0, 0x2B, 4, 0, 0, 0, 0} << all << KeyReport{0x44, 0, 4, 0, 0, 0, 0, 0};
        QTest::newRow("Ctrl+Shift+Tab") << KeyReport{0x03, 0, 0x2B, 0, 0, 0, 0, 0} << all
                                        << KeyReport{0x03, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("nothing locked") << KeyReport{0x0C, 0, 0x2B, 0x3D, 0, 0, 0, 0} << none
                                        << KeyReport{0x0C, 0, 0x2B, 0x3D, 0, 0, 0, 0};
        QTest::newRow("lock text must be exactly 1")
            << KeyReport{0x04, 0, 0x2B, 0, 0, 0, 0, 0} << lockSet("11", "0", "0", "0")
            << KeyReport{0x04, 0, 0x2B, 0, 0, 0, 0, 0};
    }

    void locks()
    {
        QFETCH(KeyReport, keys);
        QFETCH(functionLockInfo, locks);
        QFETCH(KeyReport, echo);
        DKeyReportEcho e;
        follow(e, keys);
        e.applyLocks(locks);
        QCOMPARE(describe(e.echoReport()), describe(echo));
    }

    void lockedKeyStaysOutUntilReleased()
    {
        DKeyReportEcho e;
        const functionLockInfo altTab = lockSet("1", "0", "0", "0");
        follow(e, {0x04, 0, 0x2B, 0, 0, 0, 0, 0});
        e.applyLocks(altTab);
        follow(e, {0x04, 0, 0x2B, 5, 0, 0, 0, 0});
        QCOMPARE(describe(e.echoReport()), QStringLiteral("4 0 5 0 0 0 0 0"));
        follow(e, {0, 0, 0, 0, 0, 0, 0, 0});
        QCOMPARE(describe(e.echoReport()), QStringLiteral("0 0 0 0 0 0 0 0"));
        QCOMPARE(e.echoLength(), 2);
    }
};

ORVANE_TEST_MAIN(tst_DKeyReportEcho)
#include "tst_DKeyReportEcho.moc"
