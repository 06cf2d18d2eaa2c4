#include "support/TestMain.h"

#include "app/DColorChannelText.h"

// Only whole numbers from 0 to 255 are channel values; typed larger ones
// stand as 255.
class tst_DColorChannelText : public QObject
{
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value"); // -1: refused
        QTest::newRow("zero") << "0" << 0;
        QTest::newRow("leading zero") << "017" << 17;
        QTest::newRow("top") << "255" << 255;
        QTest::newRow("one too many") << "256" << -1;
        QTest::newRow("far too many") << "300" << -1;
        QTest::newRow("negative") << "-5" << -1;
        QTest::newRow("plus sign") << "+5" << -1;
        QTest::newRow("fraction") << "2.5" << -1;
        QTest::newRow("letters") << "abc" << -1;
        QTest::newRow("space") << " 5" << -1;
        QTest::newRow("empty") << "" << -1;
        QTest::newRow("other digits") << QString::fromUtf8("\xd9\xa5") << -1;
    }
    void parse()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        const std::optional<int> parsed = DColorChannelText::parse(text);
        QCOMPARE(parsed.value_or(-1), value);
    }

    void typed_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value"); // -1: refused
        QTest::newRow("in range") << "17" << 17;
        QTest::newRow("top") << "255" << 255;
        QTest::newRow("one too many") << "256" << 255;
        QTest::newRow("999 is the top, not 99") << "999" << 255;
        QTest::newRow("a long number") << "99999999999999999999" << 255;
        QTest::newRow("negative") << "-5" << -1;
        QTest::newRow("letters") << "9a" << -1;
        QTest::newRow("empty") << "" << -1;
    }

    // What a field holds as the user types: never cut to its first digits.
    void typed()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(DColorChannelText::typed(text).value_or(-1), value);
    }
};

ORVANE_TEST_MAIN(tst_DColorChannelText)
#include "tst_DColorChannelText.moc"
