#include "support/TestMain.h"

#include "profiles/DKeyTextLimit.h"

// What the text of a key may hold: 5000 UTF-16 units and 5119 UTF-8 bytes;
// the excess of a typed or pasted piece is taken away back from the cursor,
// never half a character.
class tst_DKeyTextLimit : public QObject
{
    Q_OBJECT

private slots:
    void fit_data()
    {
        const QString emoji = QString::fromUcs4(U"\U0001F600");
        const QString cjk = QString(QChar(0x5DE5));
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<int>("keptCursor");
        QTest::addColumn<bool>("cut");
        QTest::newRow("5000 units") << QString(5000, 'a') << 5000 << QString(5000, 'a') << 5000 << false;
        QTest::newRow("one more at the end") << QString(5001, 'a') << 5001 << QString(5000, 'a') << 5000 << true;
        QTest::newRow("6000 pasted into nothing") << QString(6000, 'b') << 6000 << QString(5000, 'b') << 5000 << true;
        QTest::newRow("100 pasted at the start of 4950")
            << QString(100, 'p') + QString(4950, 'a') << 100 << QString(50, 'p') + QString(4950, 'a') << 50 << true;
        QTest::newRow("emoji counts two, not split")
            << QString(4999, 'a') + emoji << 5001 << QString(4999, 'a') << 4999 << true;
        QTest::newRow("emoji fits in two")
            << QString(4998, 'a') + emoji << 5000 << QString(4998, 'a') + emoji << 5000 << false;
        QTest::newRow("1706 CJK stay") << QString(1706, cjk[0]) << 1706 << QString(1706, cjk[0]) << 1706 << false;
        QTest::newRow("1707th CJK refused") << QString(1707, cjk[0]) << 1707 << QString(1706, cjk[0]) << 1706 << true;
        QTest::newRow("put in whole, cursor at 0") << QString(5100, 'c') << 0 << QString(5000, 'c') << 5000 << true;
        QTest::newRow("bytes, cursor inside")
            << QString(1000, cjk[0]) + QString(800, 'x') + QString(706, cjk[0]) << 1800
            << QString(1000, cjk[0]) + QString(1, 'x') + QString(706, cjk[0]) << 1001 << true;
    }
    void fit()
    {
        QFETCH(QString, text);
        QFETCH(int, cursor);
        QFETCH(QString, kept);
        QFETCH(int, keptCursor);
        QFETCH(bool, cut);
        const DKeyTextLimit::Fitted fitted = DKeyTextLimit::fit(text, cursor);
        QCOMPARE(fitted.text, kept);
        QCOMPARE(fitted.cursor, keptCursor);
        QCOMPARE(fitted.cut, cut);
        QVERIFY(DKeyTextLimit::fits(fitted.text));
    }
};

ORVANE_TEST_MAIN(tst_DKeyTextLimit)
#include "tst_DKeyTextLimit.moc"
