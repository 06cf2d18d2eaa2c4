#include "support/TestMain.h"

#include "devices/DUpgradeDriveSearch.h"

// Slot letter -> the query's answer; slots not named answer -5.
using Answers = QMap<int, int>;

// The slot search of the vendor-library route, with the library's query
// answering from a table: which slots are asked, in which order, and how
// the search ends.
class tst_DUpgradeDriveSearch : public QObject
{
    Q_OBJECT

private slots:
    void run_data()
    {
        QTest::addColumn<Answers>("answers");
        QTest::addColumn<QString>("asked");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("drive");
        QTest::addColumn<int>("lastCode");
        const QString all = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
        QTest::newRow("every slot empty: fails after Z") << Answers{} << all << false << "Z:" << -5;
        QTest::newRow("found on A") << Answers{{'A', 0}} << "A" << true << "A:" << 0;
        QTest::newRow("found on D") << Answers{{'D', 0}} << "ABCD" << true << "D:" << 0;
        QTest::newRow("error on C: fails at once, D untried")
            << Answers{{'C', -6}, {'D', 0}} << "ABC" << false << "C:" << -6;
        QTest::newRow("found on Z") << Answers{{'Z', 0}} << all << true << "Z:" << 0;
    }
    void run()
    {
        QFETCH(Answers, answers);
        QFETCH(QString, asked);
        QFETCH(bool, found);
        QFETCH(QString, drive);
        QFETCH(int, lastCode);
        QString letters;
        const DUpgradeDriveSearch::Outcome outcome = DUpgradeDriveSearch::run([&](int letter) {
            letters += QChar(letter);
            return answers.value(letter, DUpgradeDriveSearch::kNotInSlot);
        });
        QCOMPARE(letters, asked);
        QCOMPARE(outcome.found, found);
        QCOMPARE(outcome.drive, drive);
        QCOMPARE(outcome.lastCode, lastCode);
    }

    void errorText_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("upgrade");
        QTest::addColumn<QString>("text");
        QTest::newRow("-5") << -5 << false << "Error -5";
        QTest::newRow("-26") << -26 << false << "Error -26";
        QTest::newRow("-10, search") << -10 << false << "Error -1";
        QTest::newRow("-10, upgrade") << -10 << true << "Error -10";
        QTest::newRow("0, upgrade") << 0 << true << "Error 0";
        QTest::newRow("-19 unknown") << -19 << true << "Error -1";
        QTest::newRow("7 unknown") << 7 << false << "Error -1";
    }
    void errorText()
    {
        QFETCH(int, code);
        QFETCH(bool, upgrade);
        QFETCH(QString, text);
        QCOMPARE(DUpgradeDriveSearch::errorText(code, upgrade), text);
    }
};

ORVANE_TEST_MAIN(tst_DUpgradeDriveSearch)
#include "tst_DUpgradeDriveSearch.moc"
