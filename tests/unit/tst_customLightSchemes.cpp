// The lighting page's custom scheme list without widgets: which scheme a
// rebuild selects for the slot in use, what a click changes, how marking a
// scheme "Using" moves a keyboard slot between schemes, and how long a name
// may be. Also the light setting the page invents for an effect the profile
// holds nothing for.
#include "support/TestMain.h"

#include "profiles/DCustomLightSchemeList.h"
#include "profiles/DDefaultLightRecord.h"

#include <cstring>

using Nodes = std::list<customLightNodeInfo>;
Q_DECLARE_METATYPE(Nodes)

namespace {

customLightNodeInfo node(const char* index, const char* status, int slot)
{
    customLightNodeInfo n{};
    std::strncpy(n.index, index, sizeof n.index - 1);
    std::strncpy(n.name, (QByteArray("Scheme ") + index).constData(), sizeof n.name - 1);
    std::strncpy(n.status, status, sizeof n.status - 1);
    n.slot = slot;
    return n;
}

// Schemes 1 (Using, slot 0), 2 (Using, slot 1) and 3 (UnUsing).
Nodes threeSchemes()
{
    return {node("1", "Using", 0), node("2", "Using", 1), node("3", "UnUsing", -1)};
}

QStringList states(const DCustomLightSchemeList& list)
{
    QStringList out;
    for (const DCustomLightSchemeList::Scheme& s : list.schemes())
        out << QStringLiteral("%1:%2:%3").arg(s.index, s.status).arg(s.slot);
    return out;
}

} // namespace

class tst_customLightSchemes : public QObject
{
    Q_OBJECT

private slots:
    void rebuildSelectsTheSchemeInTheSlot_data()
    {
        QTest::addColumn<Nodes>("nodes");
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("selectedRow");

        QTest::newRow("slot 0: scheme 1") << threeSchemes() << 0 << 0;
        QTest::newRow("keyboard reported slot 1: scheme 2") << threeSchemes() << 1 << 1;
        QTest::newRow("no slot: nothing") << threeSchemes() << -1 << -1;
        QTest::newRow("empty list") << Nodes{} << 0 << -1;
        QTest::newRow("two in one slot: the first")
            << Nodes{node("4", "UnUsing", 1), node("5", "Using", 1), node("6", "Using", 1)} << 1 << 1;
        QTest::newRow("an UnUsing scheme with a slot is not taken")
            << Nodes{node("7", "UnUsing", 0), node("8", "Using", 0)} << 0 << 1;
    }

    void rebuildSelectsTheSchemeInTheSlot()
    {
        QFETCH(Nodes, nodes);
        QFETCH(int, slot);
        QFETCH(int, selectedRow);

        DCustomLightSchemeList list;
        int usingSlot = 1;
        list.rebuild(threeSchemes(), usingSlot); // the selection before goes
        usingSlot = slot;
        const auto selection = list.rebuild(nodes, usingSlot);
        QCOMPARE(list.selectedRow(), selectedRow);
        QCOMPARE(usingSlot, slot);
        QCOMPARE(list.schemes().size(), int(nodes.size()));
        QCOMPARE(bool(selection), selectedRow >= 0);
        if (selection) {
            const DCustomLightSchemeList::Scheme& s = list.schemes().at(selectedRow);
            QCOMPARE(selection->slot, slot);
            QCOMPARE(selection->index, s.index);
            QCOMPARE(selection->name, QStringLiteral("Scheme ") + s.index);
        }
    }

    void unterminatedTextsStayInTheirFields()
    {
        customLightNodeInfo n{};
        std::memset(&n, 'x', sizeof n);
        n.slot = 0;
        DCustomLightSchemeList list;
        int slot = 0;
        list.rebuild({n}, slot);
        QCOMPARE(list.schemes().at(0).index, QString(16, QLatin1Char('x')));
        QCOMPARE(list.schemes().at(0).name, QString(64, QLatin1Char('x')));
        QCOMPARE(list.schemes().at(0).status, QString(16, QLatin1Char('x')));
    }

    void clickingARow_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("slotAfter");
        QTest::addColumn<bool>("announced");

        QTest::newRow("the selected row: its slot, nothing announced") << 0 << 0 << false;
        QTest::newRow("a Using row in slot 1") << 1 << 1 << true;
        QTest::newRow("an UnUsing row: no slot") << 2 << -1 << true;
        QTest::newRow("no such row") << 3 << 1 << false;
    }

    void clickingARow()
    {
        QFETCH(int, row);
        QFETCH(int, slotAfter);
        QFETCH(bool, announced);

        DCustomLightSchemeList list;
        int usingSlot = 0;
        list.rebuild(threeSchemes(), usingSlot);
        usingSlot = 1; // the page may have moved on since the rebuild
        const auto selection = list.select(row, usingSlot);
        QCOMPARE(usingSlot, slotAfter);
        QCOMPARE(bool(selection), announced);
        QCOMPARE(list.selectedRow(), row < 3 ? row : 0);
        if (selection) {
            QCOMPARE(selection->index, list.schemes().at(row).index);
            QCOMPARE(selection->slot, list.schemes().at(row).slot);
        }
    }

    void markingASchemeUsing_data()
    {
        QTest::addColumn<Nodes>("nodes");
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("isUsing");
        QTest::addColumn<QList<int>>("released");
        QTest::addColumn<int>("slotAfter");
        QTest::addColumn<QStringList>("statesAfter");

        const QStringList unchanged{"1:Using:0", "2:Using:1", "3:UnUsing:-1"};
        QTest::newRow("slot 0 current: 3 takes it from 1") << threeSchemes() << 0 << 2 << true << QList<int>{0} << 0
                                                           << QStringList{"1:UnUsing:-1", "2:Using:1", "3:Using:0"};
        QTest::newRow("slot 1 current: 3 takes it from 2") << threeSchemes() << 1 << 2 << true << QList<int>{1} << 1
                                                           << QStringList{"1:Using:0", "2:UnUsing:-1", "3:Using:1"};
        QTest::newRow("no slot yet: slot 0") << threeSchemes() << -1 << 2 << true << QList<int>{0} << 0
                                             << QStringList{"1:UnUsing:-1", "2:Using:1", "3:Using:0"};
        QTest::newRow("box cleared: only selected")
            << threeSchemes() << 0 << 2 << false << QList<int>{} << 0 << unchanged;
        QTest::newRow("one scheme in use: 2 takes slot 0 from 1")
            << Nodes{node("1", "Using", 0), node("2", "UnUsing", -1)} << 0 << 1 << true << QList<int>{0} << 0
            << QStringList{"1:UnUsing:-1", "2:Using:0"};
        QTest::newRow("two in use, both slot 0: 3 takes it from both")
            << Nodes{node("1", "Using", 0), node("2", "Using", 0), node("3", "UnUsing", -1)} << 0 << 2 << true
            << QList<int>{0, 1} << 0 << QStringList{"1:UnUsing:-1", "2:UnUsing:-1", "3:Using:0"};
        QTest::newRow("none in use: slot 0, nothing released")
            << Nodes{node("1", "UnUsing", -1), node("2", "UnUsing", -1)} << -1 << 0 << true << QList<int>{} << 0
            << QStringList{"1:Using:0", "2:UnUsing:-1"};
        QTest::newRow("the holder checked again: it keeps the slot")
            << threeSchemes() << 0 << 0 << true << QList<int>{} << 0 << unchanged;
    }

    void markingASchemeUsing()
    {
        QFETCH(Nodes, nodes);
        QFETCH(int, slot);
        QFETCH(int, row);
        QFETCH(bool, isUsing);
        QFETCH(QList<int>, released);
        QFETCH(int, slotAfter);
        QFETCH(QStringList, statesAfter);

        DCustomLightSchemeList list;
        int usingSlot = slot;
        list.rebuild(nodes, usingSlot);
        const auto handOver = list.markUsing(row, isUsing, usingSlot);
        QCOMPARE(list.selectedRow(), row);
        QCOMPARE(usingSlot, slotAfter);
        QCOMPARE(states(list), statesAfter);
        QCOMPARE(bool(handOver), isUsing);
        if (handOver) {
            QCOMPARE(handOver->releasedRows, released);
            QCOMPARE(handOver->takenRow, row);
            QCOMPARE(handOver->slot, slotAfter);
        }
    }

    void namesFitTheirField_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("fitted");
        const QString sixtyThree(63, QLatin1Char('a'));
        QTest::newRow("short: kept") << QStringLiteral("WASD") << QStringLiteral("WASD");
        QTest::newRow("one space: kept") << QStringLiteral(" ") << QStringLiteral(" ");
        QTest::newRow("63 bytes: kept") << sixtyThree << sixtyThree;
        QTest::newRow("64 bytes: the last cut") << sixtyThree + QLatin1Char('b') << sixtyThree;
        // 62 bytes, then a two-byte letter that does not fit whole.
        QTest::newRow("a letter across the end: left out")
            << QString(62, QLatin1Char('a')) + QChar(0xE4) << QString(62, QLatin1Char('a'));
        // Three-byte characters: 21 of them are 63 bytes.
        QTest::newRow("three-byte characters") << QString(30, QChar(0x706F)) << QString(21, QChar(0x706F));
        // A character outside the BMP is four bytes and two UTF-16 units:
        // never split between them.
        const QString emoji = QString::fromUcs4(U"\U0001F308");
        QTest::newRow("four-byte characters") << emoji.repeated(20) << emoji.repeated(15);
        QTest::newRow("61 bytes, then four: left out")
            << QString(61, QLatin1Char('a')) + emoji << QString(61, QLatin1Char('a'));
    }

    // What the edit field keeps is what the 64-byte field stores: at most
    // 63 bytes of UTF-8, never half a character.
    void namesFitTheirField()
    {
        QFETCH(QString, name);
        QFETCH(QString, fitted);
        const QString result = DCustomLightSchemeList::fitName(name);
        QCOMPARE(result, fitted);
        QVERIFY(result.toUtf8().size() <= 63);
        QCOMPARE(QString::fromUtf8(result.toUtf8()), result);
    }

    void defaultRecords_data()
    {
        QTest::addColumn<int>("part");
        QTest::addColumn<int>("effect");
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("topRed");

        QTest::newRow("Static") << 0 << 0 << 0 << 255;
        QTest::newRow("Radar turns clockwise") << 0 << 4 << 6 << 255;
        QTest::newRow("Aurora spreads out") << 0 << 7 << 4 << 255;
        QTest::newRow("Speed Respond goes up") << 0 << 12 << 2 << 255;
        QTest::newRow("Fireworks spreads out") << 0 << 16 << 4 << 255;
        QTest::newRow("Musical Rhythm goes up") << 0 << 100 << 2 << 255;
        QTest::newRow("unknown effect") << 0 << 55 << 0 << 255;
        QTest::newRow("side Wave") << 1 << 2 << 0 << 255;
        QTest::newRow("side Close is dark") << 1 << 5 << 0 << 0;
    }

    void defaultRecords()
    {
        QFETCH(int, part);
        QFETCH(int, effect);
        QFETCH(int, direction);
        QFETCH(int, topRed);
        const colorInfoData r = DDefaultLightRecord::make(part, effect);
        const colorInfoData expected{part, effect, 3, 3, topRed, 0, 0, 0, 0, 0, direction, 1, 0, 0};
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(&r), sizeof r),
                 QByteArray(reinterpret_cast<const char*>(&expected), sizeof expected));
    }
};

ORVANE_TEST_MAIN(tst_customLightSchemes)
#include "tst_customLightSchemes.moc"
