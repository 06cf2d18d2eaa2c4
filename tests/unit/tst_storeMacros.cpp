// The macro file and the advanced-key file through the COrvaneXML_ functions,
// as the macro editor and the advanced-key editor use them.
#include "support/StoreTestSupport.h"
#include "support/TestMain.h"

#include <QTemporaryDir>

using namespace StoreTestSupport;

namespace {

// Events as "mark+explain" in stored order, the editor's row order.
QString eventOrder(const char* path, const char* macro)
{
    std::list<macroEventItem> events;
    if (!COrvaneXML_SelectAllKeyOrMouseEvent(path, macro, &events))
        return QStringLiteral("unreadable");
    QStringList out;
    for (const macroEventItem& item : events)
        out << QString::fromLatin1(item.mark) + (QByteArray(item.operateExplain) == "down" ? "d" : "u");
    return out.join(QLatin1Char(' '));
}

seniorKeyInfoStu newRecord(int index, int type)
{
    seniorKeyInfoStu record;
    std::memset(&record, 0, sizeof record);
    record.index = index;
    static const char* const kKinds[] = {"", "DKS", "MT", "TGL"};
    setText(record.name, QByteArray(kKinds[type]) + QByteArray::number(index));
    record.type = type;
    const int points[4] = {15, 36, 36, 15};
    std::memcpy(record.point, points, sizeof points);
    record.holdDuration = 10;
    return record;
}

QString describe(const seniorKeyInfoStu& record)
{
    QStringList actions, points;
    for (int action : record.action)
        actions << QString::number(action);
    for (int point : record.point)
        points << QString::number(point);
    return QStringLiteral("%1 %2 %3 [%4|%5|%6|%7] %8 %9 %10 %11")
        .arg(record.index)
        .arg(QString::fromLatin1(record.name))
        .arg(record.type)
        .arg(QString::fromLatin1(record.key[0]), QString::fromLatin1(record.key[1]), QString::fromLatin1(record.key[2]),
             QString::fromLatin1(record.key[3]))
        .arg(actions.join(QLatin1Char(',')), points.join(QLatin1Char(',')))
        .arg(record.holdDuration)
        .arg(record.tglKeySet);
}

} // namespace

class tst_storeMacros : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_files = 0;

    QByteArray newFile(const char* stem)
    {
        const QByteArray path = pathIn(m_dir, QStringLiteral("%1%2.xml").arg(QLatin1String(stem)).arg(++m_files));
        [&] { QVERIFY(COrvaneXML_CreateXMLFile(path)); }();
        return path;
    }

    // Macro 1 holding A pressed (mark 1), B pressed (mark 2) with overlapping holds.
    QByteArray macroFileWithOverlap()
    {
        const QByteArray path = newFile("appMacro");
        [&] {
            QVERIFY(COrvaneXML_CreateMacroXmlParentNode(path, "1", "Macro1"));
            std::list<macroEventItem> events{
                macroEvent("1", "0", "key", "4", "A", "down"), macroEvent("2", "30", "key", "5", "B", "down"),
                macroEvent("1", "40", "key", "4", "A", "up"), macroEvent("2", "50", "key", "5", "B", "up")};
            QVERIFY(COrvaneXML_AddKeyOrMouseEventItem(path, events, "1"));
        }();
        return path;
    }

private slots:
    void macroNodes()
    {
        const QByteArray path = newFile("appMacro");
        QVERIFY(macroNames(path).isEmpty());
        QVERIFY(COrvaneXML_CreateMacroXmlParentNode(path, "2", "Macro2"));
        QVERIFY(COrvaneXML_CreateMacroXmlParentNode(path, "1", "Macro1"));
        QVERIFY(COrvaneXML_CreateMacroXmlParentNode(path, "5", "Imported \xE2\x9C\x93"));
        QVERIFY(!COrvaneXML_CreateMacroXmlParentNode(path, "1", "Again"));
        QVERIFY(!COrvaneXML_CreateMacroXmlParentNode(path, "0", "Zero"));
        QVERIFY(!COrvaneXML_CreateMacroXmlParentNode(path, "x", "Bad"));
        QCOMPARE(macroNames(path), (QStringList{"1:Macro1", "2:Macro2", QString::fromUtf8("5:Imported \xE2\x9C\x93")}));

        QVERIFY(COrvaneXML_ModifyMacroNodeName(path, "2", "Renamed"));
        QVERIFY(!COrvaneXML_ModifyMacroNodeName(path, "9", "Nobody"));
        // Clearing a macro (delete + create) keeps its place in the list.
        QVERIFY(COrvaneXML_DeleteMacroNode(path, "1"));
        QVERIFY(COrvaneXML_CreateMacroXmlParentNode(path, "1", "Macro1"));
        QVERIFY(COrvaneXML_DeleteMacroNode(path, "5"));
        QCOMPARE(macroNames(path), (QStringList{"1:Macro1", "2:Renamed"}));
    }

    void events_appendAndReadInOrder()
    {
        const QByteArray path = macroFileWithOverlap();
        QCOMPARE(eventOrder(path, "1"), QStringLiteral("1d 2d 1u 2u"));
        QVERIFY(COrvaneXML_AddKeyOrMouseEventItem(path, keyPress("3", "513", "Left Click"), "1"));
        QCOMPARE(eventOrder(path, "1"), QStringLiteral("1d 2d 1u 2u 3d 3u"));
        std::list<macroEventItem> events;
        QVERIFY(COrvaneXML_SelectAllKeyOrMouseEvent(path, "1", &events));
        QCOMPARE(describe(events.back()), QStringLiteral("3/25/key/513/Left Click/up"));
        // Events go only into a macro that exists.
        QVERIFY(!COrvaneXML_AddKeyOrMouseEventItem(path, keyPress("1", "4", "A"), "8"));
        QVERIFY(!COrvaneXML_SelectAllKeyOrMouseEvent(path, "8", &events));
        QCOMPARE(int(events.size()), 6);
    }

    void eventEditing_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<bool>("stored");
        QTest::addColumn<QString>("order");

        QTest::newRow("move a release towards the start") << "move 1 1 1" << true << "1d 1u 2d 2u";
        QTest::newRow("move a press towards the end") << "move 2 0 0" << true << "1d 1u 2d 2u";
        QTest::newRow("move the first event towards the start") << "move 1 1 0" << false << "1d 2d 1u 2u";
        QTest::newRow("move the last event towards the end") << "move 2 0 1" << false << "1d 2d 1u 2u";
        QTest::newRow("move an unknown mark") << "move 9 1 0" << false << "1d 2d 1u 2u";
        QTest::newRow("delete a pair") << "delete 1" << true << "2d 2u";
        QTest::newRow("delete an unknown pair is no error") << "delete 7" << true << "1d 2d 1u 2u";
        QTest::newRow("update a release") << "update 2 1" << true << "1d 2d 1u 2u";
        QTest::newRow("update an unknown mark") << "update 5 0" << false << "1d 2d 1u 2u";
    }

    void eventEditing()
    {
        QFETCH(QString, operation);
        QFETCH(bool, stored);
        QFETCH(QString, order);
        const QByteArray path = macroFileWithOverlap();
        const QStringList w = operation.split(QLatin1Char(' '));
        const QByteArray mark = w[1].toLatin1();
        bool ok = false;
        if (w[0] == QLatin1String("move"))
            ok = COrvaneXML_MacroEventItemUpOrDownOperate(path, "1", mark, w[2].toInt(), w[3].toInt());
        else if (w[0] == QLatin1String("delete"))
            ok = COrvaneXML_DeleteEventItem(path, "1", mark);
        else
            ok = COrvaneXML_UpdateEventItem(path, "1", mark, w[2].toInt(),
                                            macroEvent(mark, "999", "key", "5", "B", w[2] == "0" ? "down" : "up"));
        QCOMPARE(ok, stored);
        QCOMPARE(eventOrder(path, "1"), order);
        if (w[0] == QLatin1String("update") && stored) {
            std::list<macroEventItem> events;
            QVERIFY(COrvaneXML_SelectAllKeyOrMouseEvent(path, "1", &events));
            QCOMPARE(describe(events.back()), QStringLiteral("2/999/key/5/B/up"));
            QCOMPARE(describe(events.front()), QStringLiteral("1/0/key/4/A/down"));
        }
    }

    void nextMark_isTheLargestPlusOne()
    {
        // The editor compares marks as integers when it looks for the largest.
        const QByteArray path = newFile("appMacro");
        QVERIFY(COrvaneXML_CreateMacroXmlParentNode(path, "1", "Macro1"));
        for (const char* mark : {"9", "10", "2"})
            QVERIFY(COrvaneXML_AddKeyOrMouseEventItem(path, keyPress(mark, "4", "A"), "1"));
        std::list<macroEventItem> events;
        QVERIFY(COrvaneXML_SelectAllKeyOrMouseEvent(path, "1", &events));
        int largest = 0;
        for (const macroEventItem& item : events)
            largest = std::max(largest, QByteArray(item.mark).toInt());
        QCOMPARE(largest + 1, 11);
    }

    void seniorKeys_addModifyDeleteList()
    {
        const QByteArray path = pathIn(m_dir, QStringLiteral("SeniorKeyConfig%1.xml").arg(++m_files));
        QVERIFY(COrvaneXML_SeniorKey_CreateXMLFile(path));
        QVERIFY(COrvaneXML_SeniorKey_CreateProFileXmlParentNode(path));
        std::list<seniorKeyInfoStu> records;
        QVERIFY(COrvaneXML_SeniorKey_SelectAllInfoItem(path, &records));
        QVERIFY(records.empty());

        seniorKeyInfoStu dks = newRecord(1, 1);
        setText(dks.key[0], "3,4");
        setText(dks.key[3], "41");
        for (int i = 0; i < 16; ++i)
            dks.action[i] = i % 4;
        QVERIFY(COrvaneXML_SeniorKey_AddInfoItem(path, 1, dks));
        QVERIFY(COrvaneXML_SeniorKey_AddInfoItem(path, 2, newRecord(2, 2)));
        QVERIFY(COrvaneXML_SeniorKey_AddInfoItem(path, 3, newRecord(5, 3)));
        QVERIFY(!COrvaneXML_SeniorKey_AddInfoItem(path, 2, newRecord(2, 2)));
        QVERIFY(!COrvaneXML_SeniorKey_AddInfoItem(path, 2, newRecord(0, 2)));

        seniorKeyInfoStu mt = newRecord(2, 2);
        setText(mt.key[0], "225");
        setText(mt.key[1], "1,6");
        mt.holdDuration = 1000;
        QVERIFY(COrvaneXML_SeniorKey_ModifyInfoItem(path, 2, mt));
        QVERIFY(!COrvaneXML_SeniorKey_ModifyInfoItem(path, 2, newRecord(9, 2)));
        seniorKeyInfoStu tgl = newRecord(5, 3);
        setText(tgl.key[0], "30");
        tgl.tglKeySet = 1;
        tgl.point[0] = tgl.point[3] = 7;
        QVERIFY(COrvaneXML_SeniorKey_ModifyInfoItem(path, 3, tgl));

        records.clear();
        QVERIFY(COrvaneXML_SeniorKey_SelectAllInfoItem(path, &records));
        QStringList listed;
        for (const seniorKeyInfoStu& record : records)
            listed << describe(record);
        QCOMPARE(listed, (QStringList{describe(dks), describe(mt), describe(tgl)}));
        // The download's map form, keyed by record index.
        std::map<int, seniorKeyInfoStu> byIndex;
        QVERIFY(COrvaneXML_SeniorKey_SelectAllInfoItem(path, &byIndex));
        QCOMPARE(int(byIndex.size()), 3);
        QCOMPARE(describe(byIndex.at(5)), describe(tgl));
        QCOMPARE(std::memcmp(&byIndex.at(1), &dks, sizeof dks), 0);

        QVERIFY(!COrvaneXML_SeniorKey_DeleteInfoItem(path, 1, 2)); // wrong kind for index 2
        QVERIFY(COrvaneXML_SeniorKey_DeleteInfoItem(path, 2, 2));
        QVERIFY(COrvaneXML_SeniorKey_DeleteInfoItem(path, 2, 2));
        records.clear();
        QVERIFY(COrvaneXML_SeniorKey_SelectAllInfoItem(path, &records));
        QCOMPARE(int(records.size()), 2);
    }

    void seniorKeys_atMostForty()
    {
        const QByteArray path = pathIn(m_dir, QStringLiteral("SeniorKeyConfig%1.xml").arg(++m_files));
        QVERIFY(COrvaneXML_SeniorKey_CreateXMLFile(path));
        QVERIFY(COrvaneXML_SeniorKey_CreateProFileXmlParentNode(path));
        for (int i = 1; i <= 40; ++i)
            QVERIFY(COrvaneXML_SeniorKey_AddInfoItem(path, 1 + i % 3, newRecord(i, 1 + i % 3)));
        QVERIFY(!COrvaneXML_SeniorKey_AddInfoItem(path, 1, newRecord(41, 1)));
        std::list<seniorKeyInfoStu> records;
        QVERIFY(COrvaneXML_SeniorKey_SelectAllInfoItem(path, &records));
        QCOMPARE(int(records.size()), 40);
    }

    void seniorKeys_nameWithoutNulAndUnreadableFile()
    {
        const QByteArray path = pathIn(m_dir, QStringLiteral("SeniorKeyConfig%1.xml").arg(++m_files));
        QVERIFY(COrvaneXML_SeniorKey_CreateXMLFile(path));
        seniorKeyInfoStu record = newRecord(1, 1);
        std::memset(record.name, '\xE9', sizeof record.name); // local 8-bit, no NUL in the field
        QVERIFY(COrvaneXML_SeniorKey_AddInfoItem(path, 1, record));
        std::list<seniorKeyInfoStu> records;
        QVERIFY(COrvaneXML_SeniorKey_SelectAllInfoItem(path, &records));
        QCOMPARE(QByteArray(records.front().name), QByteArray(255, '\xE9'));

        const QByteArray missing = pathIn(m_dir, QStringLiteral("absent.xml"));
        QVERIFY(!COrvaneXML_SeniorKey_SelectAllInfoItem(missing, &records));
        QVERIFY(!COrvaneXML_SeniorKey_AddInfoItem(missing, 1, newRecord(1, 1)));
        QVERIFY(!QFile::exists(QFile::decodeName(missing)));
        QCOMPARE(int(records.size()), 1);
    }
};

ORVANE_TEST_MAIN(tst_storeMacros)
#include "tst_storeMacros.moc"
