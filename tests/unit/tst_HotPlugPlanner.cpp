#include "support/TestMain.h"

#include "devices/DHotPlugPlanner.h"

namespace {

QString stepText(const DHotPlugPlanner::Step& s)
{
    switch (s.change) {
    case DHotPlugPlanner::Change::Arrival:
        return "+" + s.path;
    case DHotPlugPlanner::Change::Removal:
        return "-" + s.path;
    case DHotPlugPlanner::Change::None:
        break;
    }
    return QString();
}

// "key:online:24g:model", online and 24g as 1 or 0.
QList<DHotPlugPlanner::Row> rows(const QStringList& texts)
{
    QList<DHotPlugPlanner::Row> result;
    for (const QString& t : texts) {
        const QStringList f = t.split(':');
        result.append({f[0], f[1] == "1", f[2] == "1", f[3]});
    }
    return result;
}

} // namespace

class tst_HotPlugPlanner : public QObject
{
    Q_OBJECT

private slots:
    void nextStep_data()
    {
        QTest::addColumn<QStringList>("known");
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QString>("step");
        QTest::newRow("nothing changed") << QStringList{"b", "a"} << QStringList{"a", "b"} << "";
        QTest::newRow("nothing at all") << QStringList{} << QStringList{} << "";
        QTest::newRow("first new path in ascending order") << QStringList{"b"} << QStringList{"d", "c", "b"} << "+c";
        QTest::newRow("first gone path in ascending order") << QStringList{"z", "y", "x"} << QStringList{"z"} << "-x";
        QTest::newRow("gone before new") << QStringList{"b"} << QStringList{"a"} << "-b";
        QTest::newRow("all gone") << QStringList{"a"} << QStringList{} << "-a";
    }
    void nextStep()
    {
        QFETCH(QStringList, known);
        QFETCH(QStringList, present);
        QFETCH(QString, step);
        QCOMPARE(stepText(DHotPlugPlanner::nextStep(known, present)), step);
    }

    // Applying steps one by one always ends with the known paths equal to
    // the present ones, within the round bound.
    void stepsConverge_data()
    {
        QTest::addColumn<QStringList>("known");
        QTest::addColumn<QStringList>("present");
        QTest::newRow("burst in") << QStringList{} << QStringList{"p3", "p1", "p2", "p5"};
        QTest::newRow("burst out") << QStringList{"p3", "p1", "p2"} << QStringList{};
        QTest::newRow("mixed") << QStringList{"p1", "p2", "p4"} << QStringList{"p2", "p3", "p5", "p6"};
        QTest::newRow("replugged elsewhere") << QStringList{"p1"} << QStringList{"p9"};
    }
    void stepsConverge()
    {
        QFETCH(QStringList, known);
        QFETCH(QStringList, present);
        const int bound = DHotPlugPlanner::maxRounds(known.size(), present.size());
        int rounds = 0;
        for (;;) {
            const DHotPlugPlanner::Step s = DHotPlugPlanner::nextStep(known, present);
            if (s.change == DHotPlugPlanner::Change::None)
                break;
            QVERIFY(++rounds <= bound);
            if (s.change == DHotPlugPlanner::Change::Arrival) {
                QVERIFY(!known.contains(s.path));
                known << s.path;
            } else {
                QVERIFY(known.removeOne(s.path));
            }
        }
        known.sort();
        present.sort();
        QCOMPARE(known, present);
    }

    void selectsArrival_data()
    {
        QTest::addColumn<int>("presentCount");
        QTest::addColumn<bool>("is24G");
        QTest::addColumn<bool>("anySelected");
        QTest::addColumn<bool>("selects");
        QTest::newRow("only cable keyboard") << 1 << false << false << true;
        QTest::newRow("only one, though something is still selected") << 1 << false << true << true;
        QTest::newRow("second cable, one selected") << 2 << false << true << false;
        QTest::newRow("second cable, none selected") << 2 << false << false << true;
        QTest::newRow("receiver alone") << 1 << true << false << false;
        QTest::newRow("receiver, none selected") << 3 << true << false << false;
    }
    void selectsArrival()
    {
        QFETCH(int, presentCount);
        QFETCH(bool, is24G);
        QFETCH(bool, anySelected);
        QFETCH(bool, selects);
        QCOMPARE(DHotPlugPlanner::selectsArrival(presentCount, is24G, anySelected), selects);
    }

    void replacement_data()
    {
        QTest::addColumn<QStringList>("candidates"); // "path:24g"
        QTest::addColumn<QStringList>("states"); // "path:state"
        QTest::addColumn<QString>("chosen");
        QTest::newRow("first cable by path") << QStringList{"c:0", "b:0"} << QStringList{} << "b";
        QTest::newRow("connected receiver before later cable")
            << QStringList{"z:0", "a:1"} << QStringList{"a:0"} << "a";
        QTest::newRow("unconnected receiver skipped") << QStringList{"a:1", "b:0"} << QStringList{"a:1"} << "b";
        QTest::newRow("receiver without a state yet") << QStringList{"a:1"} << QStringList{} << "";
        QTest::newRow("only unconnected receivers") << QStringList{"a:1", "b:1"} << QStringList{"a:2", "b:1"} << "";
        QTest::newRow("none left") << QStringList{} << QStringList{} << "";
    }
    void replacement()
    {
        QFETCH(QStringList, candidates);
        QFETCH(QStringList, states);
        QFETCH(QString, chosen);
        QList<DHotPlugPlanner::Candidate> list;
        for (const QString& c : candidates)
            list.append({c.section(':', 0, 0), c.section(':', 1, 1) == "1"});
        QMap<QString, int> map;
        for (const QString& s : states)
            map.insert(s.section(':', 0, 0), s.section(':', 1, 1).toInt());
        QCOMPARE(DHotPlugPlanner::replacementAfterRemoval(list, map), chosen);
    }

    void rowOrder_data()
    {
        QTest::addColumn<QStringList>("rowTexts");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("selected first, then cable, receiver, offline")
            << QStringList{"OV98:0:0:OV98", "p1:1:1:OV68M", "p2:1:0:OV82M", "p3:1:0:OV61M"} << "p3"
            << QStringList{"p3", "p2", "p1", "OV98"};
        QTest::newRow("same model as the selected one is left out, in any case")
            << QStringList{"p1:1:0:ov68m", "p2:1:0:OV68M", "p3:1:1:Ov68M", "p4:1:0:OV82M"} << "p2"
            << QStringList{"p2", "p4"};
        QTest::newRow("nothing selected")
            << QStringList{"OV61M:0:0:OV61M", "p2:1:1:OV68M", "p1:1:0:OV82M", "p0:1:0:OV82M"} << ""
            << QStringList{"p0", "p1", "p2", "OV61M"};
        QTest::newRow("offline rows keep their key order")
            << QStringList{"OV98:0:0:OV98", "OV61M:0:0:OV61M", "OV68M:0:0:OV68M"} << ""
            << QStringList{"OV61M", "OV68M", "OV98"};
        QTest::newRow("selection not among the rows")
            << QStringList{"p1:1:0:A", "p2:1:0:A"} << "gone" << QStringList{"p1", "p2"};
    }
    void rowOrder()
    {
        QFETCH(QStringList, rowTexts);
        QFETCH(QString, selected);
        QFETCH(QStringList, order);
        QCOMPARE(DHotPlugPlanner::rowOrder(rows(rowTexts), selected), order);
    }
};

ORVANE_TEST_MAIN(tst_HotPlugPlanner)
#include "tst_HotPlugPlanner.moc"
