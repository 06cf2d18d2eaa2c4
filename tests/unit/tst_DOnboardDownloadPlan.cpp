// One attempt of the on-board download worked out from real profile files:
// the packet rule, the order of key-map, macro and advanced-key reports,
// the slot clearing, and what is refused before anything is sent.
#include "support/ReportBytes.h"
#include "support/StoreTestSupport.h"
#include "support/TestMain.h"

#include "app/QtLinguist.h"
#include "hid/download/DOnboardDownloadPlan.h"

#include <QTemporaryDir>

using namespace ReportBytes;
using namespace StoreTestSupport;
using Step = DOnboardDownloadPlan::Step;

namespace {

struct Binding
{
    int usage;
    const char* type;
    const char* paramA;
    const char* paramB;
    const char* value;
    const char* name = "";
};

// "K<layer>.<packet>/<keys>", "M<slot>.<packet>", "S<index>", "P".
QStringList describe(const QVector<Step>& steps)
{
    QStringList out;
    for (const Step& s : steps) {
        switch (s.kind) {
        case Step::KeyMap:
            out << QStringLiteral("K%1.%2/%3").arg(s.report[2]).arg(s.report[4]).arg(s.report[5] / 4);
            break;
        case Step::Macro:
            out << QStringLiteral("M%1.%2").arg(s.report[2]).arg(s.report[4]);
            break;
        case Step::SeniorKey:
            out << QStringLiteral("S%1").arg(s.report[2]);
            break;
        case Step::Pause:
            out << QStringLiteral("P%1").arg(s.pauseMs);
            break;
        }
    }
    return out;
}

QStringList range(const QString& prefix, int from, int to, const QString& suffix = QString())
{
    QStringList out;
    for (int i = from; i <= to; ++i)
        out << prefix + QString::number(i) + suffix;
    return out;
}

QStringList macroSlot(int slot)
{
    return range(QStringLiteral("M%1.").arg(slot), 0, 4);
}

QStringList clearedMacros(int from)
{
    QStringList out;
    for (int slot = from; slot < 10; ++slot)
        out << macroSlot(slot);
    return out;
}

QByteArray entriesOf(const QVector<Step>& steps, int layerCode)
{
    QByteArray out;
    for (const Step& s : steps) {
        if (s.kind == Step::KeyMap && s.report[2] == layerCode)
            out.append(reinterpret_cast<const char*>(s.report.data()) + 6, s.report[5]);
    }
    return out;
}

seniorKeyInfoStu seniorRecord(int index, int type, const QByteArray& key0)
{
    seniorKeyInfoStu r;
    std::memset(&r, 0, sizeof r);
    r.index = index;
    r.type = type;
    setText(r.key[0], key0);
    r.holdDuration = 200;
    return r;
}

} // namespace

class tst_DOnboardDownloadPlan : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_folder;

    QByteArray layerPath(int layer) const
    {
        return QFile::encodeName(m_folder + QLatin1String(DOnboardDownloadPlan::kLayers[layer].fileName));
    }

    void bind(int layer, const QVector<Binding>& bindings)
    {
        for (const Binding& b : bindings) {
            QVERIFY(COrvaneXML_AddProFileMacroWithKeyInfoItem(layerPath(layer).constData(), "2",
                                                              QByteArray::number(b.usage).constData(), b.name, b.type,
                                                              b.paramA, b.paramB, b.value));
        }
    }

    void bindMacro(int layer, const char* macroIndex, const std::list<macroEventItem>& events)
    {
        QVERIFY(COrvaneXML_AddProFileBindMacroItem(layerPath(layer).constData(), "2", events, macroIndex, "Macro"));
    }

    // Spread over both layers, so the count is over the whole download.
    QVector<int> bindMacroKeys(int count)
    {
        QVector<int> usages;
        for (int i = 0; i < 30; ++i)
            usages << 4 + i;
        for (int i = 0; i < count; ++i)
            bind(i % 2, {{4 + i / 2, "1", "1", "1", "1"}});
        bindMacro(0, "1", keyPress("1", "4", "A"));
        bindMacro(1, "1", keyPress("1", "4", "A"));
        return usages;
    }

private slots:
    void init();
    void packetRule_data();
    void packetRule();
    void entriesFromTheStore();
    void macroKeysTakeSlotsInKeyOrder();
    void missingMacroIsSentEmpty();
    void seniorKeysTakeStoreIndexes();
    void magneticWithoutSeniorKeysClearsAll();
    void refusals_data();
    void refusals();
    void refusalCountsInTheLanguage_data();
    void refusalCountsInTheLanguage();
    void unreadableLayers_data();
    void unreadableLayers();
};

void tst_DOnboardDownloadPlan::init()
{
    QVERIFY(m_dir.isValid());
    static int folder = 0;
    m_folder = m_dir.filePath(QString::number(++folder));
    QVERIFY(QDir().mkpath(m_folder));
    for (int layer = 0; layer < 2; ++layer) {
        const QByteArray path = layerPath(layer);
        QVERIFY(createLayerFile(path, 2, 2));
    }
}

void tst_DOnboardDownloadPlan::packetRule_data()
{
    QTest::addColumn<int>("keys");
    QTest::addColumn<QStringList>("packets"); // per layer: packet/entries

    QTest::newRow("empty key list") << 0 << QStringList{};
    QTest::newRow("one key") << 1 << QStringList{"0/1"};
    QTest::newRow("13 keys") << 13 << QStringList{"0/13"};
    QTest::newRow("14 keys") << 14 << QStringList{"0/14"};
    QTest::newRow("15 keys") << 15 << QStringList{"0/14", "1/1"};
    QTest::newRow("28 keys") << 28 << QStringList{"0/14", "1/14"};
    QTest::newRow("132 keys") << 132 << (range(QString(), 0, 8, QStringLiteral("/14")) << QStringLiteral("9/6"));
}

void tst_DOnboardDownloadPlan::packetRule()
{
    QFETCH(int, keys);
    QFETCH(QStringList, packets);
    QVector<int> usages;
    for (int i = 0; i < keys; ++i)
        usages << 4 + i % 100;
    const DOnboardDownloadPlan plan(m_folder, usages, false, {});
    QCOMPARE(int(plan.status()), int(DOnboardDownloadPlan::Status::Ready));

    QStringList expected;
    for (const QString& p : packets)
        expected << QStringLiteral("K0.") + p;
    for (const QString& p : packets)
        expected << QStringLiteral("K2.") + p;
    expected << QStringLiteral("P400") << clearedMacros(0);
    QCOMPARE(describe(plan.steps()), expected);
    QCOMPARE(entriesOf(plan.steps(), 0).size(), keys * 4);
}

void tst_DOnboardDownloadPlan::entriesFromTheStore()
{
    bind(0, {{4, "0", "0", "0", "5"}, {5, "19", "0", "11", "0,2"}, {7, "2", "0", "0", "3,4"}, {8, "5", "0", "0", "0"}});
    bind(1, {{4, "3", "0", "0", "9"}, {-10, "0", "0", "0", "-20"}});
    // Only the current profile counts.
    QVERIFY(COrvaneXML_AddProFileMacroWithKeyInfoItem(layerPath(0).constData(), "1", "6", "", "0", "0", "0", "9"));
    // Key 6 has no function of its own, right after one with every field set.
    const QVector<int> usages{4, 0, -10, 5, 6, 7, 8};
    const DOnboardDownloadPlan plan(m_folder, usages, false, {});
    QCOMPARE(int(plan.status()), int(DOnboardDownloadPlan::Status::Ready));
    QCOMPARE(entriesOf(plan.steps(), 0).toHex(' '),
             hex("00 05 00 00 00 00 00 00 01 00 00 00 11 0B 00 02 00 06 00 00 13 E0 E1 04 00 00 00 00").toHex(' '));
    QCOMPARE(entriesOf(plan.steps(), 2).toHex(' '),
             hex("07 32 00 00 00 00 00 00 14 00 00 00 00 05 00 00 00 06 00 00 00 07 00 00 00 08 00 00").toHex(' '));
}

void tst_DOnboardDownloadPlan::macroKeysTakeSlotsInKeyOrder()
{
    bind(0, {{5, "1", "3", "2", "1"}, {20, "1", "1", "4", "2"}, {6, "1", "1", "1", "1"}});
    bind(1, {{4, "1", "1", "1", "2"}});
    bindMacro(0, "1", keyPress("1", "4", "A"));
    bindMacro(0, "2", keyPress("1", "5", "B"));
    bindMacro(1, "2", keyPress("1", "6", "C"));
    QVector<int> usages;
    for (int i = 0; i < 20; ++i)
        usages << 4 + i; // 4..23: key 20 is in the second packet
    const DOnboardDownloadPlan plan(m_folder, usages, false, {});
    QCOMPARE(int(plan.status()), int(DOnboardDownloadPlan::Status::Ready));
    QCOMPARE(plan.macroKeys(), 4);

    // Each macro goes out when its key is met, before the key's packet;
    // two keys with the same macro take a slot each.
    const QStringList expected = QStringList()
                                 << macroSlot(0) << macroSlot(1) << QStringLiteral("K0.0/14") << macroSlot(2)
                                 << QStringLiteral("K0.1/6") << macroSlot(3) << QStringLiteral("K2.0/14")
                                 << QStringLiteral("K2.1/6") << QStringLiteral("P400") << clearedMacros(4);
    QCOMPARE(describe(plan.steps()), expected);

    const QByteArray entries = entriesOf(plan.steps(), 0);
    QCOMPARE(entries.mid(1 * 4, 4).toHex(' '), hex("10 05 00 00").toHex(' '));
    QCOMPARE(entries.mid(2 * 4, 4).toHex(' '), hex("10 06 01 00").toHex(' '));
    QCOMPARE(entries.mid(16 * 4, 4).toHex(' '), hex("10 14 02 00").toHex(' '));
    QCOMPARE(entriesOf(plan.steps(), 2).mid(0, 4).toHex(' '), hex("10 04 03 00").toHex(' '));

    // Slot 0: macro 1 played multiple times (mode 2 -> 1), three times,
    // its two events (the press's pause is the release's delay, 25).
    const DReportFrame& first = plan.steps()[0].report;
    QCOMPARE(bytesOf(first).left(22).toHex(' '),
             hex("01 18 00 00 00 3A 00 01 00 08 00 03 00 00 04 10 00 19 04 00 00 00").toHex(' '));
    // Slot 3 comes from the FN layer's own copy of macro 2.
    const Step& fnMacro = plan.steps()[5 + 5 + 1 + 5 + 1];
    QCOMPARE(fnMacro.report[2], uint8_t(3));
    QCOMPARE(fnMacro.report[14], uint8_t(6));
}

void tst_DOnboardDownloadPlan::missingMacroIsSentEmpty()
{
    bind(0, {{4, "1", "2", "2", "7"}});
    const DOnboardDownloadPlan plan(m_folder, {4}, false, {});
    QCOMPARE(int(plan.status()), int(DOnboardDownloadPlan::Status::Ready));
    QCOMPARE(describe(plan.steps()).mid(0, 6), macroSlot(0) << QStringLiteral("K0.0/1"));
    for (int p = 0; p < 5; ++p) {
        const DReportFrame& r = plan.steps()[p].report;
        QVERIFY(std::all_of(r.begin() + 6, r.end(), [](uint8_t b) { return b == 0; }));
    }
    QCOMPARE(entriesOf(plan.steps(), 0).toHex(' '), hex("10 04 00 00").toHex(' '));
}

void tst_DOnboardDownloadPlan::seniorKeysTakeStoreIndexes()
{
    bind(0, {{4, "40", "0", "0", "1"}, {5, "40", "0", "0", "1"}, {6, "40", "0", "0", "9"}});
    bind(1, {{4, "40", "0", "0", "2"}});
    QMap<int, seniorKeyInfoStu> records;
    records.insert(1, seniorRecord(1, 3, "1,4"));
    records.insert(2, seniorRecord(2, 2, "4"));
    const DOnboardDownloadPlan plan(m_folder, {4, 5, 6}, true, records);
    QCOMPARE(int(plan.status()), int(DOnboardDownloadPlan::Status::Ready));
    QCOMPARE(plan.seniorKeys(), 4);
    const QStringList expected = QStringList{"S0", "S1", "S2", "K0.0/3", "S3", "K2.0/3", "P400"}
                                 << clearedMacros(0) << QStringLiteral("P400") << range("S", 4, 39);
    QCOMPARE(describe(plan.steps()), expected);
    QCOMPARE(entriesOf(plan.steps(), 0).toHex(' '), hex("17 00 00 00 17 01 00 00 17 02 00 00").toHex(' '));
    QCOMPARE(entriesOf(plan.steps(), 2).mid(0, 4).toHex(' '), hex("17 03 00 00").toHex(' '));
    // Two keys with one record: the same record twice; a missing record:
    // an empty slot.
    QCOMPARE(plan.steps()[0].report[6], uint8_t(3));
    QCOMPARE(plan.steps()[1].report[7], uint8_t(0x13));
    QCOMPARE(plan.steps()[1].report[2], uint8_t(1));
    const DReportFrame& missing = plan.steps()[2].report;
    QVERIFY(std::all_of(missing.begin() + 6, missing.end(), [](uint8_t b) { return b == 0; }));
    QCOMPARE(plan.steps()[4].report[6], uint8_t(2));
}

void tst_DOnboardDownloadPlan::magneticWithoutSeniorKeysClearsAll()
{
    const DOnboardDownloadPlan plan(m_folder, {4}, true, {});
    const QStringList expected = QStringList{"K0.0/1", "K2.0/1", "P400"} << clearedMacros(0) << QStringLiteral("P400")
                                                                         << range("S", 0, 39);
    QCOMPARE(describe(plan.steps()), expected);
}

void tst_DOnboardDownloadPlan::refusals_data()
{
    QTest::addColumn<int>("macroKeys");
    QTest::addColumn<int>("seniorKeys");
    QTest::addColumn<QString>("combination");
    QTest::addColumn<QString>("seniorKey0");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("refused");

    QTest::newRow("ten macro keys fit") << 10 << 0 << ""
                                        << "4"
                                        << "" << false;
    QTest::newRow("eleven macro keys") << 11 << 0 << ""
                                       << "4"
                                       << "11 keys are bound to macros, but the keyboard holds 10. Nothing was sent."
                                       << true;
    QTest::newRow("forty advanced keys fit") << 0 << 40 << ""
                                             << "4"
                                             << "" << false;
    QTest::newRow("41 advanced keys")
        << 0 << 41 << ""
        << "4"
        << "41 keys are bound to advanced keys, but the keyboard holds 40. Nothing was sent." << true;
    QTest::newRow("two modifiers fit") << 0 << 0 << "5,4"
                                       << "4"
                                       << "" << false;
    QTest::newRow("three modifiers")
        << 0 << 0 << "7,4"
        << "4"
        << "The key combination on key Öl holds more than two modifier keys, which the keyboard cannot store. "
           "Nothing was sent."
        << true;
    QTest::newRow("three modifiers in an advanced key")
        << 0 << 1 << ""
        << "14,4"
        << "The key combination on key Adv holds more than two modifier keys, which the keyboard cannot store. "
           "Nothing was sent."
        << true;
}

void tst_DOnboardDownloadPlan::refusals()
{
    QFETCH(int, macroKeys);
    QFETCH(int, seniorKeys);
    QFETCH(QString, combination);
    QFETCH(QString, seniorKey0);
    QFETCH(QString, message);
    QFETCH(bool, refused);

    const QVector<int> usages = bindMacroKeys(macroKeys);
    for (int i = 0; i < seniorKeys; ++i)
        bind(i % 2, {{10 + i / 2, "40", "0", "0", "1", "Adv"}});
    if (!combination.isEmpty())
        bind(1, {{33, "2", "0", "0", qPrintable(combination), "\xC3\x96l"}});
    QMap<int, seniorKeyInfoStu> records;
    records.insert(1, seniorRecord(1, 3, seniorKey0.toLatin1()));

    const DOnboardDownloadPlan plan(m_folder, usages, true, records);
    QCOMPARE(plan.status() == DOnboardDownloadPlan::Status::Refused, refused);
    QCOMPARE(plan.refusal(), message);
    if (refused)
        QVERIFY(plan.status() != DOnboardDownloadPlan::Status::Ready);
    // Whatever is planned stays inside the keyboard's slots.
    for (const Step& s : plan.steps()) {
        if (s.kind == Step::Macro)
            QVERIFY(s.report[2] < 10);
        if (s.kind == Step::SeniorKey)
            QVERIFY(s.report[2] < 40);
    }
}

// The count picks the noun's form: Russian and Ukrainian change at 1, 2-4
// and 5 (but 11-14 take the third) in every ten, Czech and Polish have
// three forms, Arabic six.
void tst_DOnboardDownloadPlan::refusalCountsInTheLanguage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("macroKeys");
    QTest::addColumn<QString>("expected");

    const int ru = QtLinguist::Russian;
    const QString ruText = QString::fromUtf8("Макросы назначены на %1, а клавиатура вмещает 10. Ничего не отправлено.");
    QTest::newRow("ru 21") << ru << 21 << ruText.arg(QString::fromUtf8("21 клавишу"));
    QTest::newRow("ru 22") << ru << 22 << ruText.arg(QString::fromUtf8("22 клавиши"));
    QTest::newRow("ru 25") << ru << 25 << ruText.arg(QString::fromUtf8("25 клавиш"));
    QTest::newRow("ru 12") << ru << 12 << ruText.arg(QString::fromUtf8("12 клавиш"));
    const QString ukText = QString::fromUtf8("Макроси призначено на %1, а клавіатура вміщує 10. Нічого не надіслано.");
    QTest::newRow("uk 21") << int(QtLinguist::Ukrainian) << 21 << ukText.arg(QString::fromUtf8("21 клавішу"));
    QTest::newRow("uk 23") << int(QtLinguist::Ukrainian) << 23 << ukText.arg(QString::fromUtf8("23 клавіші"));
    // Czech keeps the 2-4 form for 2, 3 and 4 alone: 22 takes the form of 25.
    QTest::newRow("cs 22") << int(QtLinguist::Czech) << 22
                           << QString::fromUtf8(
                                  "Na makra je přiřazeno 22 kláves, klávesnice jich pojme 10. Nic nebylo odesláno.");
    QTest::newRow("pl 22") << int(QtLinguist::Polish) << 22
                           << QString::fromUtf8(
                                  "Makra przypisano do 22 klawiszy, a klawiatura mieści 10. Nic nie zostało wysłane.");
    QTest::newRow("ar 13") << int(QtLinguist::Arabic) << 13
                           << QString::fromUtf8("13 مفتاحًا مرتبطًا بوحدات ماكرو، لكن لوحة المفاتيح تتسع لـ 10 فقط. "
                                                "لم يُرسل شيء.");
    QTest::newRow("en 11") << int(QtLinguist::English) << 11
                           << "11 keys are bound to macros, but the keyboard holds 10. Nothing was sent.";
    QTest::newRow("ja 11") << int(QtLinguist::Japanese) << 11
                           << QString::fromUtf8(
                                  "11 個のキーにマクロが割り当てられていますが、キーボードに保存できるのは "
                                  "10 個です。何も送信されませんでした。");
}

void tst_DOnboardDownloadPlan::refusalCountsInTheLanguage()
{
    QFETCH(int, language);
    QFETCH(int, macroKeys);
    QFETCH(QString, expected);

    QtLinguist linguist(QStringLiteral(ORVANE_TEST_BIN_DIR "/translation"));
    QVERIFY(linguist.loadLanguage(language));
    const DOnboardDownloadPlan plan(m_folder, bindMacroKeys(macroKeys), true, {});
    QCOMPARE(int(plan.status()), int(DOnboardDownloadPlan::Status::Refused));
    QCOMPARE(plan.refusal(), expected);
}

void tst_DOnboardDownloadPlan::unreadableLayers_data()
{
    QTest::addColumn<QString>("folder");
    QTest::newRow("no layer files") << QStringLiteral("missing");
    QTest::newRow("path longer than 255 bytes") << QString(250, QLatin1Char('d'));
}

void tst_DOnboardDownloadPlan::unreadableLayers()
{
    QFETCH(QString, folder);
    const DOnboardDownloadPlan plan(m_dir.filePath(folder), {4}, true, {});
    QCOMPARE(int(plan.status()), int(DOnboardDownloadPlan::Status::Unreadable));
    QVERIFY(plan.steps().isEmpty());

    // Only the FN layer without a current profile: the attempt fails too.
    QVERIFY(COrvaneXML_ModifyXMLFileProfileIndex(layerPath(1).constData(), -1));
    const DOnboardDownloadPlan fnMissing(m_folder, {4}, true, {});
    QCOMPARE(int(fnMissing.status()), int(DOnboardDownloadPlan::Status::Unreadable));
}

ORVANE_TEST_MAIN(tst_DOnboardDownloadPlan)
#include "tst_DOnboardDownloadPlan.moc"
