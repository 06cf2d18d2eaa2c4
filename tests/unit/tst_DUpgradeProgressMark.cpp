#include "support/TestMain.h"

#include "devices/DUpgradeProgressMark.h"

using Reports = QList<QPair<int, int>>;

class tst_DUpgradeProgressMark : public QObject
{
    Q_OBJECT

private slots:
    // Reports as (total, done) pairs, and what each one shows (-1: nothing).
    void shown_data()
    {
        QTest::addColumn<Reports>("reports");
        QTest::addColumn<QList<int>>("shown");
        QTest::newRow("only rising") << Reports{{100, 10}, {100, 5}, {100, 10}, {100, 40}}
                                     << QList<int>{10, -1, -1, 40};
        QTest::newRow("vendor percentage") << Reports{{100, 53}} << QList<int>{53};
        QTest::newRow("total of 0 dropped") << Reports{{0, 0}, {0, 5}, {100, 0}} << QList<int>{-1, -1, 0};
        QTest::newRow("negative total dropped") << Reports{{-100, -50}} << QList<int>{-1};
        QTest::newRow("no 64-bit overflow") << Reports{{2000000000, 1999999999}} << QList<int>{99};
        QTest::newRow("kept to 100") << Reports{{10, 30}, {10, 11}} << QList<int>{100, -1};
        QTest::newRow("kept to 0") << Reports{{10, -3}, {10, 1}} << QList<int>{0, 10};
        QTest::newRow("bytes of an image") << Reports{{524288, 4096}, {524288, 524288}} << QList<int>{0, 100};
    }
    void shown()
    {
        QFETCH(Reports, reports);
        QFETCH(QList<int>, shown);
        DUpgradeProgressMark mark;
        QList<int> got;
        for (const auto& report : reports)
            got << mark.next(report.first, report.second);
        QCOMPARE(got, shown);
    }

    void resetStartsAgain()
    {
        DUpgradeProgressMark mark;
        QCOMPARE(mark.next(100, 80), 80);
        QCOMPARE(mark.next(100, 20), -1);
        mark.reset();
        QCOMPARE(mark.shown(), -1);
        QCOMPARE(mark.next(100, 20), 20);
    }
};

ORVANE_TEST_MAIN(tst_DUpgradeProgressMark)
#include "tst_DUpgradeProgressMark.moc"
