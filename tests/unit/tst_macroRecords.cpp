// One macro event as values and as the store's fixed-width record, the
// pairing rules and the next mark of a macro.
#include "profiles/DMacroEvent.h"
#include "support/StoreTestSupport.h"
#include "support/TestMain.h"

#include <cstring>

using namespace StoreTestSupport;

Q_DECLARE_METATYPE(DMacroEvent)

namespace {

std::list<macroEventItem> withMarks(const QList<QByteArray>& marks)
{
    std::list<macroEventItem> items;
    for (const QByteArray& mark : marks)
        items.push_back(macroEvent(mark, "0", "key", "4", "A", "down"));
    return items;
}

} // namespace

class tst_macroRecords : public QObject
{
    Q_OBJECT

private slots:
    void buildsTheRecordFieldByField_data()
    {
        QTest::addColumn<DMacroEvent>("event");
        QTest::addColumn<QString>("fields");

        QTest::newRow("right button released")
            << DMacroEvent::mouse(7, 120, DMacroEvent::RightButton, false) << "7/120/mouse/517/Right Click/up";
        QTest::newRow("left button pressed")
            << DMacroEvent::mouse(1, 0, DMacroEvent::LeftButton, true) << "1/0/mouse/513/Left Click/down";
        QTest::newRow("middle button released")
            << DMacroEvent::mouse(2, 65535, DMacroEvent::CenterButton, false) << "2/65535/mouse/520/Center Click/up";
        QTest::newRow("key without a usage") << DMacroEvent::key(3, 5, -1, "Fn", true) << "3/5/key/-1/Fn/down";
        QTest::newRow("negative delay keeps its sign") << DMacroEvent::key(4, -20, 4, "A", false) << "4/-20/key/4/A/up";
    }
    void buildsTheRecordFieldByField()
    {
        QFETCH(DMacroEvent, event);
        QFETCH(QString, fields);
        macroEventItem item;
        std::memset(&item, 'x', sizeof item);
        QVERIFY(event.toItem(&item));
        QCOMPARE(describe(item), fields);
        // Read back, the values are the ones built.
        const DMacroEvent back = DMacroEvent::fromItem(item);
        QCOMPARE(back.mark, event.mark);
        QCOMPARE(back.delay, event.delay);
        QCOMPARE(back.type, event.type);
        QCOMPARE(back.keyCode, event.keyCode);
        QCOMPARE(back.codeName, event.codeName);
        QCOMPARE(back.operateExplain, event.operateExplain);
    }

    void aLabelOutsideAsciiTravelsAsUtf8()
    {
        const QString label = QString::fromUtf8("\xC3\x96 \xD0\x96");
        macroEventItem item;
        QVERIFY(DMacroEvent::key(1, 0, 51, label, true).toItem(&item));
        QCOMPARE(QByteArray(item.codeName), label.toUtf8());
        QCOMPARE(DMacroEvent::fromItem(item).codeName, label);
    }

    void aValueThatDoesNotFitIsRefusedWhole_data()
    {
        QTest::addColumn<DMacroEvent>("event");

        DMacroEvent longLabel = DMacroEvent::key(1, 0, 4, QString(63, QLatin1Char('L')), true);
        QTest::newRow("label of 63 bytes fits") << longLabel;
        longLabel.codeName += QLatin1Char('L');
        QTest::newRow("label of 64 bytes") << longLabel;
        DMacroEvent wideLabel = DMacroEvent::key(1, 0, 4, QString(32, QChar(0x416)), true);
        QTest::newRow("label of 32 two-byte characters") << wideLabel;
        DMacroEvent longMark = DMacroEvent::key(1, 0, 4, "A", true);
        longMark.mark = QString(64, QLatin1Char('9'));
        QTest::newRow("mark of 64 digits") << longMark;
        DMacroEvent longType = DMacroEvent::key(1, 0, 4, "A", true);
        longType.type = QStringLiteral("keykeykeykeykeyk");
        QTest::newRow("type of 16 letters") << longType;
        DMacroEvent wideType = DMacroEvent::key(1, 0, 4, "A", true);
        wideType.type = QString::fromUtf8("k\xC3\xA9y");
        QTest::newRow("type outside ASCII") << wideType;
        DMacroEvent zeroInLabel = DMacroEvent::key(1, 0, 4, QString::fromLatin1("A\0B", 3), true);
        QTest::newRow("label holding a zero") << zeroInLabel;
    }
    void aValueThatDoesNotFitIsRefusedWhole()
    {
        QFETCH(DMacroEvent, event);
        const bool fits = QByteArray(QTest::currentDataTag()) == "label of 63 bytes fits";
        macroEventItem item;
        std::memset(&item, 'x', sizeof item);
        macroEventItem before = item;
        QCOMPARE(event.toItem(&item), fits);
        if (fits)
            QCOMPARE(DMacroEvent::fromItem(item).codeName, event.codeName);
        else
            QVERIFY(std::memcmp(&item, &before, sizeof item) == 0);
    }

    void aRecordWithoutTerminatorsIsReadWithinItsFields()
    {
        macroEventItem item;
        std::memset(&item, '7', sizeof item);
        const DMacroEvent event = DMacroEvent::fromItem(item);
        QCOMPARE(event.mark, QString(64, QLatin1Char('7')));
        QCOMPARE(event.type, QString(16, QLatin1Char('7')));
        QCOMPARE(event.codeName, QString(64, QLatin1Char('7')));
        // Sixteen digits are no int: they read as 0, like any other text that
        // is no number.
        QCOMPARE(event.delay, 0);
        QCOMPARE(event.keyCode, 0);
    }

    void numbersThatAreNoNumbersReadAsZero()
    {
        const DMacroEvent event = DMacroEvent::fromItem(macroEvent("1", "soon", "key", "4x", "A", "down"));
        QCOMPARE(event.delay, 0);
        QCOMPARE(event.keyCode, 0);
    }

    void nextEventMark_data()
    {
        QTest::addColumn<QList<QByteArray>>("marks");
        QTest::addColumn<int>("next");

        QTest::newRow("no events") << QList<QByteArray>{} << 0;
        QTest::newRow("compared as numbers") << QList<QByteArray>{"3", "10", "3", "10"} << 11;
        QTest::newRow("leading zero counts as the number") << QList<QByteArray>{"07", "7"} << 8;
        QTest::newRow("leading digits of a text") << QList<QByteArray>{"12abc", "4"} << 13;
        QTest::newRow("no digits count as 0") << QList<QByteArray>{"abc"} << 1;
        QTest::newRow("negative marks") << QList<QByteArray>{"-5"} << 0;
        QTest::newRow("largest int") << QList<QByteArray>{"2147483646"} << 2147483647;
        QTest::newRow("no larger int left") << QList<QByteArray>{"1", "2147483647"} << -1;
        QTest::newRow("beyond int") << QList<QByteArray>{"99999999999999999999"} << -1;
    }
    void nextEventMark()
    {
        QFETCH(QList<QByteArray>, marks);
        QFETCH(int, next);
        QCOMPARE(DMacroEvent::nextEventMark(withMarks(marks)), next);
    }

    void partnersShareTheMarkAsText_data()
    {
        QTest::addColumn<QString>("markA");
        QTest::addColumn<QString>("explainA");
        QTest::addColumn<QString>("markB");
        QTest::addColumn<QString>("explainB");
        QTest::addColumn<bool>("partners");

        QTest::newRow("press and release") << "7"
                                           << "down"
                                           << "7"
                                           << "up" << true;
        QTest::newRow("release and press") << "7"
                                           << "up"
                                           << "7"
                                           << "down" << true;
        QTest::newRow("same direction") << "7"
                                        << "down"
                                        << "7"
                                        << "down" << false;
        QTest::newRow("07 is not 7") << "07"
                                     << "down"
                                     << "7"
                                     << "up" << false;
        QTest::newRow("other mark") << "7"
                                    << "down"
                                    << "8"
                                    << "up" << false;
    }
    void partnersShareTheMarkAsText()
    {
        QFETCH(QString, markA);
        QFETCH(QString, explainA);
        QFETCH(QString, markB);
        QFETCH(QString, explainB);
        QFETCH(bool, partners);
        DMacroEvent a = DMacroEvent::key(0, 0, 4, "A", true);
        a.mark = markA;
        a.operateExplain = explainA;
        DMacroEvent b = a;
        b.mark = markB;
        b.operateExplain = explainB;
        QCOMPARE(a.isPartnerOf(b), partners);
    }

    void totalTimeAndPresses()
    {
        const QList<DMacroEvent> events = DMacroEvent::fromItems(
            {macroEvent("1", "0", "key", "4", "A", "down"), macroEvent("1", "65535", "key", "4", "A", "up"),
             macroEvent("2", "65535", "mouse", "513", "Left Click", "down"),
             macroEvent("2", "40", "mouse", "514", "Left Click", "up")});
        QCOMPARE(DMacroEvent::totalDelay(events), qint64(131110));
        QCOMPARE(DMacroEvent::downCount(events), 2);
    }
};

ORVANE_TEST_MAIN(tst_macroRecords)
#include "tst_macroRecords.moc"
