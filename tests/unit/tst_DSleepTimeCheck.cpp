#include "support/TestMain.h"

#include "ui/mainwidget/devicePage/DSleepTimeCheck.h"

class tst_DSleepTimeCheck : public QObject
{
    Q_OBJECT

private slots:
    void check_data()
    {
        QTest::addColumn<int>("light");
        QTest::addColumn<int>("keyboard");
        QTest::addColumn<int>("expected");
        QTest::newRow("600 s with 5 min") << 600 << 300 << int(DSleepTimeCheck::LightLongerThanKeyboard);
        QTest::newRow("300 s with 5 min") << 300 << 300 << int(DSleepTimeCheck::Accepted);
        QTest::newRow("600 s with 30 min") << 600 << 1800 << int(DSleepTimeCheck::Accepted);
        QTest::newRow("600 s with 4 min, too short") << 600 << 240 << int(DSleepTimeCheck::KeyboardTooShort);
        QTest::newRow("light 0 with 4 min") << 0 << 240 << int(DSleepTimeCheck::KeyboardTooShort);
        QTest::newRow("one second under 5 min") << 0 << 299 << int(DSleepTimeCheck::KeyboardTooShort);
        QTest::newRow("empty fields") << 0 << 0 << int(DSleepTimeCheck::KeyboardTooShort);
        QTest::newRow("1200 s with 10 min") << 1200 << 600 << int(DSleepTimeCheck::LightLongerThanKeyboard);
        QTest::newRow("one second longer") << 601 << 600 << int(DSleepTimeCheck::LightLongerThanKeyboard);
        QTest::newRow("largest") << 60000 << 60000 << int(DSleepTimeCheck::Accepted);
        QTest::newRow("keyboard above 1000 min") << 600 << 60060 << int(DSleepTimeCheck::OutOfRange);
        QTest::newRow("keyboard beyond 16 bits") << 600 << 65536 + 600 << int(DSleepTimeCheck::OutOfRange);
        QTest::newRow("light above 60000 s") << 60001 << 60000 << int(DSleepTimeCheck::OutOfRange);
        QTest::newRow("negative light") << -1 << 600 << int(DSleepTimeCheck::OutOfRange);
    }
    void check()
    {
        QFETCH(int, light);
        QFETCH(int, keyboard);
        QFETCH(int, expected);
        QCOMPARE(int(DSleepTimeCheck::check(light, keyboard)), expected);
    }

    void refusalTexts()
    {
        QVERIFY(DSleepTimeCheck::refusalText(DSleepTimeCheck::Accepted).isEmpty());
        QCOMPARE(DSleepTimeCheck::refusalText(DSleepTimeCheck::KeyboardTooShort),
                 QStringLiteral("Keyboard enters sleep time is too short"));
        QCOMPARE(
            DSleepTimeCheck::refusalText(DSleepTimeCheck::LightLongerThanKeyboard),
            QStringLiteral("The time when the light enters sleep cannot be longer than the keyboard enters sleep"));
        QCOMPARE(DSleepTimeCheck::refusalText(DSleepTimeCheck::OutOfRange),
                 QStringLiteral("Sleep time is out of range"));
    }

    void fieldValue_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("number") << "600" << 600;
        QTest::newRow("spaces") << " 30 " << 30;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("letters") << "abc" << 0;
        QTest::newRow("trailing junk") << "12x" << 0;
        QTest::newRow("zero") << "0" << 0;
    }
    void fieldValue()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(DSleepTimeCheck::fieldValue(text), value);
    }
};

ORVANE_TEST_MAIN(tst_DSleepTimeCheck)
#include "tst_DSleepTimeCheck.moc"
