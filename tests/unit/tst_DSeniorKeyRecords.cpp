// The advanced-key record rules through a real advanced-key file: numbering,
// names, defaults and the limit of new records, key texts and how they read,
// and records that break the rules, which are neither written nor lost.
#include "profiles/DSeniorKeyRecords.h"
#include "support/StoreTestSupport.h"
#include "support/TestMain.h"

#include <QTemporaryDir>

#include <cstring>
#include <list>

using namespace StoreTestSupport;

Q_DECLARE_METATYPE(DSeniorKeyRecords::Result)

namespace {

seniorKeyInfoStu stored(int index, int type)
{
    seniorKeyInfoStu record;
    std::memset(&record, 0, sizeof record);
    record.index = index;
    record.type = type;
    setText(record.name, "Stored" + QByteArray::number(index));
    setText(record.key[0], "4");
    record.action[0] = 1;
    record.point[0] = 20;
    record.point[1] = 30;
    record.point[2] = 30;
    record.point[3] = 20;
    record.holdDuration = 250;
    return record;
}

QList<QByteArray> fileRecords(const char* path)
{
    std::list<seniorKeyInfoStu> list;
    if (!COrvaneXML_SeniorKey_SelectAllInfoItem(path, &list))
        return {};
    QList<QByteArray> bytes;
    for (const seniorKeyInfoStu& record : list)
        bytes << QByteArray(reinterpret_cast<const char*>(&record), int(sizeof record));
    return bytes;
}

QByteArray bytesOf(const seniorKeyInfoStu& record)
{
    return QByteArray(reinterpret_cast<const char*>(&record), int(sizeof record));
}

} // namespace

class tst_DSeniorKeyRecords : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_files = 0;

    // A fresh advanced-key file holding the given indexes, all of type 1.
    QByteArray fileWith(const QList<int>& indexes)
    {
        const QByteArray path = pathIn(m_dir, QStringLiteral("SeniorKeyConfig%1.xml").arg(++m_files));
        if (!COrvaneXML_SeniorKey_CreateXMLFile(path) || !COrvaneXML_SeniorKey_CreateProFileXmlParentNode(path))
            return QByteArray();
        for (int index : indexes) {
            if (!COrvaneXML_SeniorKey_AddInfoItem(path, 1, stored(index, 1)))
                return QByteArray();
        }
        return path;
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void create_data()
    {
        QTest::addColumn<QList<int>>("existing");
        QTest::addColumn<int>("type");
        QTest::addColumn<DSeniorKeyRecords::Result>("result");
        QTest::addColumn<int>("index");
        QTest::addColumn<QByteArray>("name");

        using R = DSeniorKeyRecords::Result;
        QList<int> forty;
        QList<int> thirtyNine;
        for (int i = 1; i <= 40; ++i)
            forty << i;
        thirtyNine = forty.mid(0, 39);

        QTest::newRow("empty store, DKS") << QList<int>() << 1 << R::Done << 1 << QByteArray("DKS1");
        QTest::newRow("empty store, MT") << QList<int>() << 2 << R::Done << 1 << QByteArray("MT1");
        QTest::newRow("empty store, TGL") << QList<int>() << 3 << R::Done << 1 << QByteArray("TGL1");
        QTest::newRow("gaps are not filled") << QList<int>{1, 2, 5} << 2 << R::Done << 6 << QByteArray("MT6");
        QTest::newRow("one numbering for all kinds") << QList<int>{3} << 3 << R::Done << 4 << QByteArray("TGL4");
        QTest::newRow("39 records: the 40th") << thirtyNine << 1 << R::Done << 40 << QByteArray("DKS40");
        QTest::newRow("40 records: none") << forty << 1 << R::LimitReached << 0 << QByteArray();
        QTest::newRow("unknown kind") << QList<int>() << 4 << R::Malformed << 0 << QByteArray();
        QTest::newRow("kind 0") << QList<int>{1} << 0 << R::Malformed << 0 << QByteArray();
    }

    void create()
    {
        QFETCH(QList<int>, existing);
        QFETCH(int, type);
        QFETCH(DSeniorKeyRecords::Result, result);
        QFETCH(int, index);
        QFETCH(QByteArray, name);

        const QByteArray path = fileWith(existing);
        QVERIFY(!path.isEmpty());
        const QList<QByteArray> before = fileRecords(path);
        DSeniorKeyRecords records(path);
        QVERIFY(records.load());

        seniorKeyInfoStu created;
        std::memset(&created, 0x5a, sizeof created);
        QCOMPARE(records.create(type, &created), result);

        const QList<QByteArray> after = fileRecords(path);
        if (result != DSeniorKeyRecords::Result::Done) {
            QCOMPARE(after, before);
            QVERIFY(!records.lastError().isEmpty());
            QCOMPARE(records.records().size(), existing.size());
            return;
        }

        // The record as the rules make it, built here field by field.
        seniorKeyInfoStu expected;
        std::memset(&expected, 0, sizeof expected);
        expected.index = index;
        std::memcpy(expected.name, name.constData(), std::size_t(name.size()));
        expected.type = type;
        expected.point[0] = 15;
        expected.point[1] = 36;
        expected.point[2] = 36;
        expected.point[3] = 15;
        expected.holdDuration = 10;
        expected.tglKeySet = 0;

        QCOMPARE(after.size(), before.size() + 1);
        QCOMPARE(after.mid(0, before.size()), before);
        QCOMPARE(after.last(), bytesOf(expected));
        QCOMPARE(bytesOf(created), bytesOf(expected));
        QCOMPARE(records.records().lastKey(), index);

        DSeniorKeyRecords reloaded(path);
        QVERIFY(reloaded.load());
        QCOMPARE(bytesOf(reloaded.records().value(index)), bytesOf(expected));
        QVERIFY(reloaded.loadProblems().isEmpty());
    }

    void displayText_data()
    {
        QTest::addColumn<QByteArray>("keyText");
        QTest::addColumn<QString>("shown");

        QTest::newRow("mask 3 with A") << QByteArray("3,4") << "L_CTRL+L_SHIFT+A";
        QTest::newRow("right Win with Esc") << QByteArray("128,41") << "R_WIN+Esc";
        QTest::newRow("a usage") << QByteArray("4") << "A";
        QTest::newRow("empty slot") << QByteArray("") << "";
        QTest::newRow("usage the map lacks") << QByteArray("5") << "";
        QTest::newRow("combination, usage the map lacks") << QByteArray("1,999") << "L_CTRL";
        QTest::newRow("mask 0") << QByteArray("0,4") << "A";
        QTest::newRow("mask 255") << QByteArray("255,4") << "L_CTRL+L_SHIFT+L_ALT+L_WIN+R_CTRL+R_SHIFT+R_ALT+R_WIN+A";
        QTest::newRow("negative mask") << QByteArray("-1,4") << "A";
        QTest::newRow("mask above 255: low 8 bits") << QByteArray("257,41") << "L_CTRL+Esc";
        QTest::newRow("mask 256 names none") << QByteArray("256,4") << "A";
        QTest::newRow("text mask reads as 0") << QByteArray("x,4") << "A";
        QTest::newRow("nothing after the comma") << QByteArray("2,") << "L_SHIFT";
        QTest::newRow("text usage") << QByteArray("abc") << "";
    }

    void displayText()
    {
        QFETCH(QByteArray, keyText);
        QFETCH(QString, shown);
        const QMap<int, QString> captions{{4, "A"}, {41, "Esc"}, {225, "L_Shift"}};
        QCOMPARE(DSeniorKeyRecords::displayText(keyText, captions), shown);
    }

    void keyTexts_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("valid");

        QTest::newRow("empty") << QByteArray("") << true;
        QTest::newRow("usage") << QByteArray("4") << true;
        QTest::newRow("modifier alone") << QByteArray("225") << true;
        QTest::newRow("combination") << QByteArray("3,4") << true;
        QTest::newRow("widest combination") << QByteArray("255,101") << true;
        QTest::newRow("mask 0") << QByteArray("0,4") << false;
        QTest::newRow("mask 256") << QByteArray("256,4") << false;
        QTest::newRow("modifier as the key") << QByteArray("1,224") << false;
        QTest::newRow("last modifier as the key") << QByteArray("1,231") << false;
        QTest::newRow("usage 0") << QByteArray("0") << false;
        QTest::newRow("usage 256") << QByteArray("256") << false;
        QTest::newRow("negative") << QByteArray("-4") << false;
        QTest::newRow("blank") << QByteArray(" 4") << false;
        QTest::newRow("text") << QByteArray("A") << false;
        QTest::newRow("three parts") << QByteArray("1,4,5") << false;
        QTest::newRow("no key") << QByteArray("3,") << false;
    }

    void keyTexts()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, valid);
        QCOMPARE(DSeniorKeyRecords::isValidKeyText(text), valid);
    }

    void pointText_data()
    {
        QTest::addColumn<int>("point");
        QTest::addColumn<QString>("text");
        QTest::newRow("lowest") << 1 << "0.1mm";
        QTest::newRow("default first") << 15 << "1.5mm";
        QTest::newRow("between") << 22 << "2.2mm";
        QTest::newRow("highest") << 36 << "3.6mm";
        QTest::newRow("beyond the slider") << 40 << "4.0mm";
    }

    void pointText()
    {
        QFETCH(int, point);
        QFETCH(QString, text);
        QCOMPARE(DSeniorKeyRecords::pointText(point), text);
    }

    // Every rule broken once: the record is refused with words naming the
    // field, and the file keeps what it held.
    void malformedRecords_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("named");

        QTest::newRow("unknown type") << 0 << "type 7";
        QTest::newRow("key text") << 1 << "key 2 \"A\"";
        QTest::newRow("unterminated key") << 2 << "key 1 does not end";
        QTest::newRow("action") << 3 << "action 6 is 4";
        QTest::newRow("trigger point") << 4 << "trigger point 0 is 40";
        QTest::newRow("point 0") << 5 << "trigger point 3 is 0";
        QTest::newRow("hold not a step") << 6 << "hold duration 15 ms";
        QTest::newRow("hold too long") << 7 << "hold duration 1010 ms";
        QTest::newRow("tglKeySet") << 8 << "tglKeySet 2";
        QTest::newRow("unterminated name") << 9 << "the name does not end";
    }

    void malformedRecords()
    {
        QFETCH(int, field);
        QFETCH(QString, named);

        const QByteArray path = fileWith({1, 2});
        QVERIFY(!path.isEmpty());
        DSeniorKeyRecords records(path);
        QVERIFY(records.load());
        const QList<QByteArray> before = fileRecords(path);

        seniorKeyInfoStu bad = stored(2, 1);
        switch (field) {
        case 0:
            bad.type = 7;
            break;
        case 1:
            setText(bad.key[2], "A");
            break;
        case 2:
            std::memset(bad.key[1], '4', sizeof bad.key[1]);
            break;
        case 3:
            bad.action[6] = 4;
            break;
        case 4:
            bad.point[0] = 40;
            break;
        case 5:
            bad.point[3] = 0;
            break;
        case 6:
            bad.holdDuration = 15;
            break;
        case 7:
            bad.holdDuration = 1010;
            break;
        case 8:
            bad.tglKeySet = 2;
            break;
        case 9:
            std::memset(bad.name, 'n', sizeof bad.name);
            break;
        }
        const QStringList problems = DSeniorKeyRecords::problems(bad);
        QCOMPARE(problems.size(), 1);
        QVERIFY2(problems.first().startsWith(named), qPrintable(problems.first()));

        QCOMPARE(records.modify(bad), DSeniorKeyRecords::Result::Malformed);
        QVERIFY2(records.lastError().contains(named), qPrintable(records.lastError()));
        QCOMPARE(fileRecords(path), before);
        QCOMPARE(bytesOf(records.records().value(2)), before.at(1));
    }

    // A record that breaks the rules in the file itself is listed with its
    // fault and kept exactly as read.
    void malformedRecordInTheFileIsKept()
    {
        const QByteArray path = fileWith({1});
        QVERIFY(!path.isEmpty());
        seniorKeyInfoStu bad = stored(3, 9);
        bad.action[15] = 7;
        QVERIFY(COrvaneXML_SeniorKey_AddInfoItem(path, 9, bad));

        DSeniorKeyRecords records(path);
        QVERIFY(records.load());
        QCOMPARE(records.records().keys(), (QList<int>{1, 3}));
        QCOMPARE(bytesOf(records.records().value(3)), bytesOf(bad));
        QCOMPARE(records.loadProblems(), (QStringList{"record 3: type 9 is not 1 (DKS), 2 (MT) or 3 (TGL)",
                                                      "record 3: action 15 is 7, not 0 to 3"}));
        QCOMPARE(records.nextIndex(), 4);
    }

    void modifyAndRemove()
    {
        const QByteArray path = fileWith({1, 2});
        QVERIFY(!path.isEmpty());
        DSeniorKeyRecords records(path);
        QVERIFY(records.load());

        seniorKeyInfoStu changed = stored(2, 1);
        setText(changed.key[3], "3,4");
        changed.action[12] = 2;
        changed.action[13] = 2;
        changed.action[15] = 1;
        QCOMPARE(records.modify(changed), DSeniorKeyRecords::Result::Done);
        QCOMPARE(fileRecords(path).at(1), bytesOf(changed));
        QCOMPARE(bytesOf(records.records().value(2)), bytesOf(changed));

        // A record the file lacks: the store refuses, nothing changes.
        const QList<QByteArray> before = fileRecords(path);
        QCOMPARE(records.modify(stored(9, 1)), DSeniorKeyRecords::Result::StoreFailed);
        QVERIFY(!records.records().contains(9));
        QCOMPARE(fileRecords(path), before);

        QCOMPARE(records.remove(2, 1), DSeniorKeyRecords::Result::StoreFailed); // wrong kind
        QCOMPARE(fileRecords(path), before);
        QCOMPARE(records.remove(1, 1), DSeniorKeyRecords::Result::Done);
        QCOMPARE(records.records().keys(), QList<int>{2});
        QCOMPARE(fileRecords(path), before.mid(1));
    }

    void unreadableFile()
    {
        const QByteArray path = pathIn(m_dir, "missing/SeniorKeyConfig.xml");
        DSeniorKeyRecords records(path);
        QVERIFY(!records.load());
        QVERIFY(!records.lastError().isEmpty());
        QVERIFY(records.records().isEmpty());
        QCOMPARE(records.nextIndex(), 1);
    }
};

ORVANE_TEST_MAIN(tst_DSeniorKeyRecords)
#include "tst_DSeniorKeyRecords.moc"
