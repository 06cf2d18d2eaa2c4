// The three report encodings of the on-board download, byte for byte: the
// key entry of every stored function, the 0x17 key-map report, the macro
// stream in its five 0x18 reports and the 0x2A advanced-key report.
#include "support/ReportBytes.h"
#include "support/StoreTestSupport.h"
#include "support/TestMain.h"

#include "hid/reports/DKeyEntryEncoder.h"
#include "hid/reports/DKeyMapReport.h"
#include "hid/reports/DMacroReportEncoder.h"
#include "hid/reports/DSeniorKeyReportEncoder.h"

#include <cstring>

using namespace ReportBytes;
using StoreTestSupport::setText;

namespace {

keyOperateInfo keyRecord(const QByteArray& type, const QByteArray& value, const QByteArray& paramA = "0",
                         const QByteArray& paramB = "0")
{
    keyOperateInfo r;
    std::memset(&r, 0, sizeof r);
    setText(r.type, type);
    setText(r.value, value);
    setText(r.paramA, paramA);
    setText(r.paramB, paramB);
    return r;
}

macroEventItem recordedEvent(int delay, const QByteArray& type, int code, bool down)
{
    return StoreTestSupport::macroEvent("1", QByteArray::number(delay), type, QByteArray::number(code), "",
                                        down ? "down" : "up");
}

seniorKeyInfoStu seniorRecord(int type, const QByteArray& k0, const QByteArray& k1 = "", const QByteArray& k2 = "",
                              const QByteArray& k3 = "")
{
    seniorKeyInfoStu r;
    std::memset(&r, 0, sizeof r);
    r.index = 1;
    r.type = type;
    setText(r.key[0], k0);
    setText(r.key[1], k1);
    setText(r.key[2], k2);
    setText(r.key[3], k3);
    const int points[4] = {15, 36, 36, 15};
    std::memcpy(r.point, points, sizeof points);
    for (int i = 0; i < 16; ++i)
        r.action[i] = i + 1;
    r.holdDuration = 10;
    return r;
}

} // namespace

class tst_onboardEncoding : public QObject
{
    Q_OBJECT

private slots:
    void keyEntry_data();
    void keyEntry();
    void slotKinds_data();
    void slotKinds();
    void keyMapReport_data();
    void keyMapReport();
    void macroStream_data();
    void macroStream();
    void macroReports_data();
    void macroReports();
    void macroStreamSplitAcrossReports();
    void emptyMacroSlot();
    void seniorKeyReport_data();
    void seniorKeyReport();
    void seniorKeyDksLayout();
    void emptySeniorKeySlot();
};

void tst_onboardEncoding::keyEntry_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QByteArray>("paramB");
    QTest::addColumn<int>("usage");
    QTest::addColumn<int>("slot");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<bool>("refused");

    auto row = [](const char* name, const QByteArray& type, const QByteArray& value, const QByteArray& paramB,
                  int usage, const char* expected, int slot = 0, bool refused = false) {
        QTest::newRow(name) << type << value << paramB << usage << slot << hex(expected) << refused;
    };

    // Nothing stored: the key's own usage, Fn, and the four media keys.
    row("none plain", "-1", "", "0", 4, "00 04 00 00");
    row("none usage clamped", "-1", "", "0", 300, "00 FF 00 00");
    row("none usage 255", "-1", "", "0", 255, "00 FF 00 00");
    row("none Fn", "-1", "", "0", -10, "01 00 00 00");
    row("none calculator", "-1", "", "0", 215, "07 32 00 00");
    row("none mute", "-1", "", "0", 127, "07 12 00 00");
    row("none volume down", "-1", "", "0", 129, "07 11 00 00");
    row("none volume up", "-1", "", "0", 128, "07 10 00 00");
    row("none negative usage", "-1", "", "0", -5, "00 FB 00 00");

    // Remap.
    row("remap", "0", "5", "0", 4, "00 05 00 00");
    row("remap to Fn", "0", "-10", "0", 4, "01 00 00 00");
    row("remap special", "0", "-20", "0", 4, "14 00 00 00");
    row("remap target unclamped", "0", "300", "0", 4, "00 2C 00 00");
    // Not a remap: what is no number is no function, as the pages show it.
    row("type text not a number is the key's own", "x", "6", "0", 4, "00 04 00 00");

    // Macro: the key's usage and the slot the download gave it.
    row("macro", "1", "3", "1", 30, "10 1E 03 00", 3);
    row("macro usage clamped", "1", "3", "1", 400, "10 FF 09 00", 9);

    // Key combinations: bit n of the mask is modifier 224 + n.
    row("combination one modifier", "2", "1,4", "0", 30, "13 E0 04 00");
    row("combination two modifiers", "2", "3,4", "0", 30, "13 E0 E1 04");
    row("combination right gui", "2", "128,4", "0", 30, "13 E7 04 00");
    row("combination left alt right ctrl", "2", "20,29", "0", 30, "13 E2 E4 1D");
    row("combination no modifier", "2", "0,4", "0", 30, "13 00 04 00");
    row("combination mask bits above 7 ignored", "2", "257,4", "0", 30, "13 E0 04 00");
    row("combination three modifiers refused", "2", "7,4", "0", 30, "00 1E 00 00", 0, true);
    row("combination eight modifiers refused", "2", "255,4", "0", 30, "00 1E 00 00", 0, true);
    row("combination without comma is a plain key", "2", "4", "0", 30, "00 1E 00 00");

    // Multimedia.
    const char* const media[]
        = {"10", "11", "12", "13", "14", "15", "16", "17", "30", "32", "34", "23", "20", "38", "39", "21"};
    for (int v = 0; v < 16; ++v) {
        const QByteArray name = "multimedia " + QByteArray::number(v);
        row(name.constData(), "3", QByteArray::number(v), "0", 4,
            (QByteArray("07 ") + media[v] + " 00 00").constData());
    }
    row("multimedia outside the table", "3", "16", "0", 4, "07 00 00 00");
    row("multimedia negative", "3", "-1", "0", 4, "07 00 00 00");

    // Mouse.
    row("mouse left", "4", "0", "0", 4, "12 00 01 00");
    row("mouse middle", "4", "1", "0", 4, "12 00 04 00");
    row("mouse right", "4", "2", "0", 4, "12 00 02 00");
    row("mouse scroll up", "4", "3", "0", 4, "12 01 01 00");
    row("mouse scroll down", "4", "4", "0", 4, "12 01 FF 00");
    row("mouse forward", "4", "5", "0", 4, "12 00 10 00");
    row("mouse back", "4", "6", "0", 4, "12 00 08 00");
    row("mouse sniper", "4", "7", "0", 4, "12 00 00 00");
    row("mouse outside the table", "4", "8", "0", 4, "12 00 00 00");

    row("disable", "5", "9", "0", 4, "00 00 00 00");

    // Functions the computer carries out when the keyboard names the key.
    row("text", "6", "hello", "0", 30, "16 00 00 1E");
    row("profile switch", "7", "2", "0", 30, "16 00 00 1E");
    row("launch", "8", "/usr/bin/true", "0", 30, "16 00 00 1E");
    row("launch usage clamped", "8", "/usr/bin/true", "0", 500, "16 00 00 FF");

    // Shortcuts.
    const char* const shortcuts[]
        = {"E2 3D", "E2 2B", "E3 07", "E3 08", "E3 0F", "E0 06", "E0 1B", "E0 19", "E0 09", "E0 11", "E0 13", "E0 16"};
    for (int v = 0; v < 12; ++v) {
        const QByteArray name = "shortcut " + QByteArray::number(v);
        row(name.constData(), "9", QByteArray::number(v), "0", 4,
            (QByteArray("13 ") + shortcuts[v] + " 00").constData());
    }
    row("shortcut outside the table", "9", "12", "0", 4, "13 00 00 00");

    // Keyboard functions by sub-function (paramB).
    row("function lock keyboard", "19", "5", "0", 4, "11 00 00 00");
    for (int sub : {1, 4, 5, 6, 7, 9}) {
        const QByteArray name = "function sub " + QByteArray::number(sub);
        row(name.constData(), "19", "2", QByteArray::number(sub), 4,
            (QByteArray("11 0") + QByteArray::number(sub) + " 02 00").constData());
    }
    row("function windows lock toggle", "19", "0", "2", 4, "11 02 00 00");
    row("function windows lock", "19", "1", "2", 4, "11 02 01 00");
    row("function windows unlock", "19", "2", "2", 4, "11 02 02 00");
    row("function wide small", "19", "200", "3", 4, "11 03 00 C8");
    row("function wide two bytes", "19", "300", "3", 4, "11 03 01 2C");
    row("function wide largest", "19", "65535", "3", 4, "11 03 FF FF");
    row("function wide above two bytes", "19", "70000", "3", 4, "11 03 FF FF");
    row("function switch layer FN1", "19", "2", "8", 4, "11 08 02 00");
    row("function power query", "19", "0", "10", 4, "11 0A 00 00");
    row("function connection USB", "19", "2,0", "11", 4, "11 0B 02 00");
    row("function connection 2.4 GHz", "19", "1,0", "11", 4, "11 0B 01 00");
    row("function connection bluetooth 3", "19", "0,2", "11", 4, "11 0B 00 02");
    row("function connection without comma", "19", "1", "11", 4, "00 04 00 00");
    row("function unknown sub", "19", "1", "12", 4, "00 04 00 00");
    row("function negative sub", "19", "1", "-1", 4, "00 04 00 00");

    // Lighting actions: kind and the stored choice.
    const std::pair<int, const char*> lights[] = {{20, "02"}, {21, "03"}, {22, "04"}, {23, "05"}, {24, "06"},
                                                  {25, "08"}, {30, "0A"}, {31, "0B"}, {32, "0C"}, {33, "0D"}};
    for (const auto& [type, kind] : lights) {
        const QByteArray name = "light type " + QByteArray::number(type);
        row(name.constData(), QByteArray::number(type), "2", "0", 4, (QByteArray(kind) + " 02 00 00").constData());
    }
    row("all lights off", "26", "0", "0", 4, "11 04 00 00");
    row("backlight off", "26", "1", "0", 4, "11 04 01 00");
    row("backlight stopped", "26", "0", "1", 4, "11 05 00 00");
    row("keyboard light off other", "26", "0", "2", 4, "00 04 00 00");
    row("light recording", "27", "0", "0", 4, "09 00 00 00");
    row("side light off", "34", "2", "0", 4, "11 04 02 00");
    row("side light stopped", "34", "0", "1", 4, "11 06 00 00");
    row("side light off other", "34", "0", "3", 4, "00 04 00 00");

    row("advanced key", "40", "3", "0", 4, "17 07 00 00", 7);

    // Types outside the table are sent as the plain key.
    for (int type : {10, 11, 12, 13, 14, 15, 16, 17, 18, 28, 29, 35, 36, 37, 38, 39, 41, 100, -2}) {
        const QByteArray name = "unknown type " + QByteArray::number(type);
        row(name.constData(), QByteArray::number(type), "2", "1", 30, "00 1E 00 00");
    }
}

void tst_onboardEncoding::keyEntry()
{
    QFETCH(QByteArray, type);
    QFETCH(QByteArray, value);
    QFETCH(QByteArray, paramB);
    QFETCH(int, usage);
    QFETCH(int, slot);
    QFETCH(QByteArray, expected);
    QFETCH(bool, refused);

    const DKeyEntryEncoder::Result r = DKeyEntryEncoder::encode(keyRecord(type, value, "1", paramB), usage, slot);
    QCOMPARE(bytesOf(r.entry).toHex(' '), expected.toHex(' '));
    QCOMPARE(r.error == DKeyEntryEncoder::Error::TooManyModifiers, refused);
}

void tst_onboardEncoding::slotKinds_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<int>("kind");
    QTest::newRow("macro") << QByteArray("1") << int(DKeyEntryEncoder::SlotKind::Macro);
    QTest::newRow("advanced key") << QByteArray("40") << int(DKeyEntryEncoder::SlotKind::AdvancedKey);
    QTest::newRow("nothing") << QByteArray("-1") << int(DKeyEntryEncoder::SlotKind::None);
    QTest::newRow("combination") << QByteArray("2") << int(DKeyEntryEncoder::SlotKind::None);
    QTest::newRow("text type") << QByteArray("macro") << int(DKeyEntryEncoder::SlotKind::None);
}

void tst_onboardEncoding::slotKinds()
{
    QFETCH(QByteArray, type);
    QFETCH(int, kind);
    QCOMPARE(int(DKeyEntryEncoder::slotKindOf(keyRecord(type, "1"))), kind);
}

void tst_onboardEncoding::keyMapReport_data()
{
    QTest::addColumn<int>("entryBytes");
    QTest::addColumn<int>("layerCode");
    QTest::addColumn<int>("packet");
    QTest::newRow("full default packet") << 56 << int(DKeyMapReport::kDefaultLayer) << 0;
    QTest::newRow("last short FN packet") << 24 << int(DKeyMapReport::kFnLayer) << 9;
    QTest::newRow("one entry magnetic") << 4 << int(DKeyMapReport::kMagneticLayer) << 1;
    QTest::newRow("more than a packet holds") << 60 << int(DKeyMapReport::kDefaultLayer) << 3;
}

void tst_onboardEncoding::keyMapReport()
{
    QFETCH(int, entryBytes);
    QFETCH(int, layerCode);
    QFETCH(int, packet);
    std::vector<uint8_t> entries;
    for (int i = 0; i < entryBytes; ++i)
        entries.push_back(uint8_t(0x80 + i));

    const DReportFrame r = DKeyMapReport::build(entries, layerCode, packet);
    const int length = std::min(entryBytes, 56);
    QByteArray expected(64, '\0');
    expected[0] = 0x01;
    expected[1] = 0x17;
    expected[2] = char(layerCode);
    expected[4] = char(packet);
    expected[5] = char(length);
    for (int i = 0; i < length; ++i)
        expected[6 + i] = char(0x80 + i);
    QCOMPARE(bytesOf(r).toHex(' '), expected.toHex(' '));
}

void tst_onboardEncoding::macroStream_data()
{
    QTest::addColumn<QList<int>>("delays");
    QTest::addColumn<QStringList>("types");
    QTest::addColumn<QList<int>>("codes");
    QTest::addColumn<QList<bool>>("downs");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("key press and release") << QList<int>{0, 120} << QStringList{"key", "key"} << QList<int>{4, 4}
                                           << QList<bool>{true, false} << hex("04 10 00 78 04 00 00 00");
    QTest::newRow("pause above one byte") << QList<int>{0, 300} << QStringList{"key", "key"} << QList<int>{4, 4}
                                          << QList<bool>{true, false} << hex("04 10 01 2C 04 00 00 00");
    QTest::newRow("pause above two bytes") << QList<int>{0, 70000} << QStringList{"key", "key"} << QList<int>{4, 4}
                                           << QList<bool>{true, false} << hex("04 10 FF FF 04 00 00 00");
    QTest::newRow("negative pause") << QList<int>{0, -5} << QStringList{"key", "key"} << QList<int>{4, 4}
                                    << QList<bool>{true, false} << hex("04 10 00 00 04 00 00 00");
    QTest::newRow("first delay not sent") << QList<int>{500, 10} << QStringList{"key", "key"} << QList<int>{5, 5}
                                          << QList<bool>{true, false} << hex("05 10 00 0A 05 00 00 00");
    QTest::newRow("key code low byte") << QList<int>{0} << QStringList{"key"} << QList<int>{0x1E0} << QList<bool>{true}
                                       << hex("E0 10 00 00");
    QTest::newRow("left mouse") << QList<int>{0, 50} << QStringList{"mouse", "mouse"} << QList<int>{513, 514}
                                << QList<bool>{true, false} << hex("01 11 00 32 01 01 00 00");
    QTest::newRow("right mouse") << QList<int>{0, 50} << QStringList{"mouse", "mouse"} << QList<int>{516, 517}
                                 << QList<bool>{true, false} << hex("02 11 00 32 02 01 00 00");
    QTest::newRow("middle mouse") << QList<int>{0, 50} << QStringList{"mouse", "mouse"} << QList<int>{519, 520}
                                  << QList<bool>{true, false} << hex("04 11 00 32 04 01 00 00");
    QTest::newRow("unknown mouse message") << QList<int>{0, 7} << QStringList{"mouse", "key"} << QList<int>{522, 4}
                                           << QList<bool>{true, true} << hex("00 11 00 07 04 10 00 00");
    QTest::newRow("unknown event type") << QList<int>{0} << QStringList{"pen"} << QList<int>{4} << QList<bool>{true}
                                        << hex("00 10 00 00");
    QTest::newRow("type test is case-sensitive")
        << QList<int>{0} << QStringList{"Key"} << QList<int>{4} << QList<bool>{true} << hex("00 10 00 00");
    QTest::newRow("keyboard and mouse mixed")
        << QList<int>{0, 20, 30, 40} << QStringList{"key", "mouse", "mouse", "key"} << QList<int>{225, 513, 514, 225}
        << QList<bool>{true, true, false, false} << hex("E1 10 00 14 01 11 00 1E 01 01 00 28 E1 00 00 00");
}

void tst_onboardEncoding::macroStream()
{
    QFETCH(QList<int>, delays);
    QFETCH(QStringList, types);
    QFETCH(QList<int>, codes);
    QFETCH(QList<bool>, downs);
    QFETCH(QByteArray, expected);

    std::list<macroEventItem> events;
    for (int i = 0; i < delays.size(); ++i)
        events.push_back(recordedEvent(delays[i], types[i].toLatin1(), codes[i], downs[i]));
    const std::vector<uint8_t> stream = DMacroReportEncoder::encodeStream(events);
    QCOMPARE(int(stream.size()), 248);
    QByteArray padded = expected;
    padded.append(QByteArray(248 - expected.size(), '\0'));
    QCOMPARE(bytesOf(stream).toHex(' '), padded.toHex(' '));
}

void tst_onboardEncoding::macroReports_data()
{
    QTest::addColumn<int>("events");
    QTest::addColumn<int>("playMode");
    QTest::addColumn<int>("repeat");
    QTest::addColumn<int>("slot");
    QTest::addColumn<QByteArray>("header"); // payload bytes 6..13 of packet 0

    QTest::newRow("two events once") << 2 << 1 << 1 << 0 << hex("00 00 00 08 00 01 00 00");
    QTest::newRow("no events keeps mode and count") << 0 << 2 << 5 << 3 << hex("00 01 00 00 00 05 00 00");
    QTest::newRow("continuous") << 4 << 3 << 1 << 9 << hex("00 02 00 10 00 01 00 00");
    QTest::newRow("while held") << 2 << 4 << 1 << 1 << hex("00 03 00 08 00 01 00 00");
    QTest::newRow("repeat count low byte") << 2 << 2 << 260 << 2 << hex("00 01 00 08 00 04 00 00");
    QTest::newRow("62 events fill the stream") << 62 << 1 << 1 << 4 << hex("00 00 00 F8 00 01 00 00");
    // Only the first 62 are sent, and the header counts those.
    QTest::newRow("70 events") << 70 << 1 << 1 << 4 << hex("00 00 00 F8 00 01 00 00");
}

void tst_onboardEncoding::macroReports()
{
    QFETCH(int, events);
    QFETCH(int, playMode);
    QFETCH(int, repeat);
    QFETCH(int, slot);
    QFETCH(QByteArray, header);

    std::list<macroEventItem> list;
    for (int i = 0; i < events; ++i)
        list.push_back(recordedEvent(i * 10, "key", 4 + i % 20, i % 2 == 0));
    const QVector<DReportFrame> reports = DMacroReportEncoder::slotReports(slot, list, playMode, repeat);
    QCOMPARE(reports.size(), 5);
    const std::vector<uint8_t> stream = DMacroReportEncoder::encodeStream(list);
    QByteArray payload = header + bytesOf(stream);
    QCOMPARE(payload.size(), 256);
    int at = 0;
    for (int p = 0; p < 5; ++p) {
        const QByteArray r = bytesOf(reports[p]);
        const int length = p < 4 ? 58 : 24;
        QCOMPARE(r.left(6).toHex(' '),
                 hex("01 18").append(char(slot)).append('\0').append(char(p)).append(char(length)).toHex(' '));
        QCOMPARE(r.mid(6, length).toHex(' '), payload.mid(at, length).toHex(' '));
        QCOMPARE(r.mid(6 + length), QByteArray(58 - length, '\0'));
        at += length;
    }
}

void tst_onboardEncoding::macroStreamSplitAcrossReports()
{
    // Every stream byte distinct, so a shifted split shows.
    std::list<macroEventItem> list;
    for (int i = 0; i < 62; ++i)
        list.push_back(recordedEvent(i, "key", i + 1, true));
    const QVector<DReportFrame> reports = DMacroReportEncoder::slotReports(6, list, 1, 1);
    const QByteArray stream = bytesOf(DMacroReportEncoder::encodeStream(list));
    QCOMPARE(bytesOf(reports[0]).mid(14, 50), stream.mid(0, 50));
    QCOMPARE(bytesOf(reports[1]).mid(6, 58), stream.mid(50, 58));
    QCOMPARE(bytesOf(reports[2]).mid(6, 58), stream.mid(108, 58));
    QCOMPARE(bytesOf(reports[3]).mid(6, 58), stream.mid(166, 58));
    QCOMPARE(bytesOf(reports[4]).mid(6, 24), stream.mid(224, 24));
    // Event 61 (the last) is code 62 with no pause after it.
    QCOMPARE(stream.mid(244, 4).toHex(' '), hex("3E 10 00 00").toHex(' '));
    QCOMPARE(stream.mid(0, 4).toHex(' '), hex("01 10 00 01").toHex(' '));
}

void tst_onboardEncoding::emptyMacroSlot()
{
    const QVector<DReportFrame> reports = DMacroReportEncoder::emptySlotReports(7);
    QCOMPARE(reports.size(), 5);
    for (int p = 0; p < 5; ++p) {
        QByteArray expected(64, '\0');
        expected[0] = 0x01;
        expected[1] = 0x18;
        expected[2] = 7;
        expected[4] = char(p);
        expected[5] = char(p < 4 ? 0x3A : 0x18);
        QCOMPARE(bytesOf(reports[p]).toHex(' '), expected.toHex(' '));
    }
}

void tst_onboardEncoding::seniorKeyReport_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<int>("hold");
    QTest::addColumn<QByteArray>("expected"); // bytes 6 onwards, the rest 0
    QTest::addColumn<bool>("refused");

    QTest::newRow("DKS one key") << 1 << QStringList{"4", "", "", ""} << 10
                                 << hex("01 0F 24 24 0F 00 04 00 00 01 02 03 04 00 00 00 00 05 06 07 08 "
                                        "00 00 00 00 09 0A 0B 0C 00 00 00 00 0D 0E 0F 10")
                                 << false;
    QTest::newRow("mod-tap") << 2 << QStringList{"4", "5", "", ""} << 200 << hex("02 00 04 00 00 00 05 00 00 14")
                             << false;
    QTest::newRow("mod-tap longest hold")
        << 2 << QStringList{"4", "5", "", ""} << 1000 << hex("02 00 04 00 00 00 05 00 00 64") << false;
    QTest::newRow("mod-tap hold rounds down")
        << 2 << QStringList{"4", "5", "", ""} << 19 << hex("02 00 04 00 00 00 05 00 00 01") << false;
    QTest::newRow("mod-tap combination hold key")
        << 2 << QStringList{"2,4", "5", "", ""} << 100 << hex("02 13 E1 04 00 00 05 00 00 0A") << false;
    QTest::newRow("toggle combination") << 3 << QStringList{"1,4", "", "", ""} << 10 << hex("03 13 E0 04 00") << false;
    QTest::newRow("toggle two modifiers")
        << 3 << QStringList{"3,4", "", "", ""} << 10 << hex("03 13 E0 E1 04") << false;
    QTest::newRow("toggle not a number") << 3 << QStringList{"abc", "", "", ""} << 10 << hex("03 00 00 00 00") << false;
    QTest::newRow("toggle three modifiers")
        << 3 << QStringList{"7,4", "", "", ""} << 10 << hex("03 13 E0 E2 04") << true;
    QTest::newRow("DKS three modifiers in last key")
        << 1 << QStringList{"4", "", "", "13,4"} << 10
        << hex("01 0F 24 24 0F 00 04 00 00 01 02 03 04 00 00 00 00 05 06 07 08 "
               "00 00 00 00 09 0A 0B 0C 13 E0 E3 04 0D 0E 0F 10")
        << true;
    QTest::newRow("unknown kind") << 9 << QStringList{"4", "5", "6", "7"} << 10 << hex("09") << false;
}

void tst_onboardEncoding::seniorKeyReport()
{
    QFETCH(int, type);
    QFETCH(QStringList, keys);
    QFETCH(int, hold);
    QFETCH(QByteArray, expected);
    QFETCH(bool, refused);

    seniorKeyInfoStu record
        = seniorRecord(type, keys[0].toLatin1(), keys[1].toLatin1(), keys[2].toLatin1(), keys[3].toLatin1());
    record.holdDuration = hold;
    const DSeniorKeyReportEncoder::Result r = DSeniorKeyReportEncoder::encode(record, 12);
    QByteArray full = hex("01 2A 0C 00 00 32") + expected;
    full.append(QByteArray(64 - full.size(), '\0'));
    QCOMPARE(bytesOf(r.report).toHex(' '), full.toHex(' '));
    QCOMPARE(r.tooManyModifiers, refused);
}

void tst_onboardEncoding::seniorKeyDksLayout()
{
    // Each key and its four actions in their own place.
    seniorKeyInfoStu record = seniorRecord(1, "4", "5", "6", "7");
    const int points[4] = {1, 2, 300, 40};
    std::memcpy(record.point, points, sizeof points);
    const QByteArray r = bytesOf(DSeniorKeyReportEncoder::encode(record, 39).report);
    QCOMPARE(r.mid(0, 7).toHex(' '), hex("01 2A 27 00 00 32 01").toHex(' '));
    QCOMPARE(r.mid(7, 4).toHex(' '), hex("01 02 2C 28").toHex(' '));
    QCOMPARE(r.mid(11, 4).toHex(' '), hex("00 04 00 00").toHex(' '));
    QCOMPARE(r.mid(19, 4).toHex(' '), hex("00 05 00 00").toHex(' '));
    QCOMPARE(r.mid(27, 4).toHex(' '), hex("00 06 00 00").toHex(' '));
    QCOMPARE(r.mid(35, 4).toHex(' '), hex("00 07 00 00").toHex(' '));
    QCOMPARE(r.mid(39, 4).toHex(' '), hex("0D 0E 0F 10").toHex(' '));
    QCOMPARE(r.mid(43), QByteArray(21, '\0'));
}

void tst_onboardEncoding::emptySeniorKeySlot()
{
    QByteArray expected = hex("01 2A 05 00 00 32");
    expected.append(QByteArray(58, '\0'));
    QCOMPARE(bytesOf(DSeniorKeyReportEncoder::emptyReport(5)).toHex(' '), expected.toHex(' '));
}

ORVANE_TEST_MAIN(tst_onboardEncoding)
#include "tst_onboardEncoding.moc"
