// A key's stored type as both sides read it: what the pages show for the
// entry (the hover tip's category, the page the key customisation page
// opens) and what the on-board download sends for it. A type that is no
// decimal number is no function on both sides; a well-formed one is the same
// function on both.
#include "support/StoreTestSupport.h"
#include "support/TestMain.h"

#include "app/DKeyFunctionDescriber.h"
#include "hid/reports/DKeyEntryEncoder.h"
#include "profiles/DKeyFunctionStore.h"
#include "profiles/DKeyFunctionType.h"

#include <cstring>

using StoreTestSupport::setText;

namespace {

constexpr int kUsageOfA = 4;

keyOperateInfo entry(const QByteArray& type, const QByteArray& value)
{
    keyOperateInfo r;
    std::memset(&r, 0, sizeof r);
    setText(r.keyCode, QByteArray::number(kUsageOfA));
    setText(r.keyName, "A");
    setText(r.type, type);
    setText(r.paramA, "1");
    setText(r.paramB, "0");
    setText(r.value, value);
    return r;
}

} // namespace

class tst_storedKeyType : public QObject
{
    Q_OBJECT

private slots:
    void bothSidesReadOneType_data()
    {
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<int>("readAs");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QByteArray>("sent");

        const QString none = QStringLiteral("Default");
        const QByteArray ownKey = "00 04 00 00";
        QTest::newRow("text") << QByteArray("6") << QByteArray("hi") << 6 << "Text" << QByteArray("16 00 00 04");
        QTest::newRow("blanks around") << QByteArray(" 6 ") << QByteArray("hi") << 6 << "Text"
                                       << QByteArray("16 00 00 04");
        QTest::newRow("remap") << QByteArray("0") << QByteArray("5") << 0 << "Remap Key" << QByteArray("00 05 00 00");
        QTest::newRow("multimedia") << QByteArray("3") << QByteArray("2") << 3 << "Multimedia"
                                    << QByteArray("07 12 00 00");
        QTest::newRow("nothing stored") << QByteArray("-1") << QByteArray("0") << -1 << none << ownKey;
        // Malformed: neither a text key on the page and a remap on the
        // keyboard, nor any other pair of guesses.
        QTest::newRow("digits then a letter") << QByteArray("6x") << QByteArray("5") << -1 << none << ownKey;
        QTest::newRow("a letter then digits") << QByteArray("x6") << QByteArray("5") << -1 << none << ownKey;
        QTest::newRow("empty") << QByteArray("") << QByteArray("5") << -1 << none << ownKey;
        QTest::newRow("a word") << QByteArray("macro") << QByteArray("5") << -1 << none << ownKey;
        QTest::newRow("a fraction") << QByteArray("3.0") << QByteArray("2") << -1 << none << ownKey;
        QTest::newRow("remap with a tail") << QByteArray("0x") << QByteArray("5") << -1 << none << ownKey;
        QTest::newRow("two numbers") << QByteArray("6 6") << QByteArray("5") << -1 << none << ownKey;
        QTest::newRow("macro with a tail") << QByteArray("1x") << QByteArray("1") << -1 << none << ownKey;
        QTest::newRow("advanced key with a tail") << QByteArray("40 x") << QByteArray("1") << -1 << none << ownKey;
    }

    void bothSidesReadOneType()
    {
        QFETCH(QByteArray, type);
        QFETCH(QByteArray, value);
        QFETCH(int, readAs);
        QFETCH(QString, shown);
        QFETCH(QByteArray, sent);
        const keyOperateInfo record = entry(type, value);

        QCOMPARE(DKeyFunctionType::of(record), readAs);
        // The key customisation page opens the page of this type.
        QCOMPARE(DKeyFunctionStore::typeOf(record), readAs);
        const DKeyFunctionDescriber describer({{kUsageOfA, QStringLiteral("A")}}, "", "", "");
        QCOMPARE(describer.describe(record).category, shown);

        const DKeyEntryEncoder::Result result = DKeyEntryEncoder::encode(record, kUsageOfA);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(result.entry.data()), 4).toHex(' '), sent);
        // A malformed macro or advanced key takes no slot of the keyboard.
        if (readAs == DKeyFunctionType::kNoFunction)
            QCOMPARE(DKeyEntryEncoder::slotKindOf(record), DKeyEntryEncoder::SlotKind::None);
    }
};

ORVANE_TEST_MAIN(tst_storedKeyType)
#include "tst_storedKeyType.moc"
