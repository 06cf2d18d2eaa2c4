// Key functions and the profile's own macro copies through the COrvaneXML_
// functions, in the order the key-function pages and the download call them.
#include "support/StoreTestSupport.h"
#include "support/TestMain.h"

#include <QTemporaryDir>

using namespace StoreTestSupport;

namespace {

// What the download does: reset only type, keep the previous key's other fields.
keyOperateInfo presetRecord()
{
    keyOperateInfo info;
    std::memset(&info, 0x5A, sizeof info);
    setText(info.keyCode, "-1");
    setText(info.keyName, "preset");
    setText(info.type, "-1");
    setText(info.paramA, "-1");
    setText(info.paramB, "-1");
    setText(info.value, "-1");
    return info;
}

// The save sequence of every key-function page.
bool storeKey(const char* path, const char* profile, const QByteArray& key, const QByteArray& label,
              const QByteArray& type, const QByteArray& a, const QByteArray& b, const QByteArray& value)
{
    const bool removed = COrvaneXML_DeleteProFileMacroWithKeyInfoItem(path, profile, key, label);
    const bool added = COrvaneXML_AddProFileMacroWithKeyInfoItem(path, profile, key, label, type, a, b, value);
    return removed && added;
}

} // namespace

class tst_storeKeyFunctions : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_files = 0;

    QByteArray newLayerFile()
    {
        const QByteArray path = pathIn(m_dir, QStringLiteral("keys%1.xml").arg(++m_files));
        [&] { QVERIFY(createLayerFile(path, 2)); }();
        return path;
    }

private slots:
    void storedFunction_isSelectedFieldForField_data()
    {
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("label");
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<QByteArray>("paramA");
        QTest::addColumn<QByteArray>("paramB");
        QTest::addColumn<QByteArray>("value");

        QTest::newRow("remap") << QByteArray("4") << QByteArray("A") << QByteArray("0") << QByteArray("1")
                               << QByteArray("1") << QByteArray("5");
        QTest::newRow("remap to Fn") << QByteArray("57") << QByteArray("Caps") << QByteArray("0") << QByteArray("1")
                                     << QByteArray("1") << QByteArray("-10");
        QTest::newRow("macro repeated") << QByteArray("30") << QByteArray("1") << QByteArray("1") << QByteArray("12")
                                        << QByteArray("2") << QByteArray("3");
        QTest::newRow("combination") << QByteArray("5") << QByteArray("B") << QByteArray("2") << QByteArray("1")
                                     << QByteArray("1") << QByteArray("3,4");
        QTest::newRow("disable") << QByteArray("41") << QByteArray("Esc") << QByteArray("5") << QByteArray("1")
                                 << QByteArray("1") << QByteArray("-1");
        QTest::newRow("text with markup and newline")
            << QByteArray("6") << QByteArray("C") << QByteArray("6") << QByteArray("1") << QByteArray("1")
            << QByteArray("<b>\"caf\xC3\xA9\" & co</b>\n\ttab\x01");
        QTest::newRow("markup in plain text")
            << QByteArray("8") << QByteArray("E") << QByteArray("6") << QByteArray("1") << QByteArray("1")
            << QByteArray("<b a=\"1\">'x' & y</b> &amp;");
        QTest::newRow("launch path") << QByteArray("7") << QByteArray("D") << QByteArray("8") << QByteArray("1")
                                     << QByteArray("1") << QByteArray("/usr/bin/k\xC3\xA4lk --x");
        QTest::newRow("Latin-1 label from the reset page")
            << QByteArray("51") << QByteArray("\xC4\xD6") << QByteArray("19") << QByteArray("1") << QByteArray("11")
            << QByteArray("2,1");
        QTest::newRow("Fn key itself") << QByteArray("-10") << QByteArray("Fn") << QByteArray("40") << QByteArray("1")
                                       << QByteArray("1") << QByteArray("17");
    }

    void storedFunction_isSelectedFieldForField()
    {
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, label);
        QFETCH(QByteArray, type);
        QFETCH(QByteArray, paramA);
        QFETCH(QByteArray, paramB);
        QFETCH(QByteArray, value);
        const QByteArray path = newLayerFile();
        QVERIFY(storeKey(path, "1", key, label, type, paramA, paramB, value));

        keyOperateInfo info = presetRecord();
        QVERIFY(COrvaneXML_SelectProFileKeyOperateInfo(path, "1", key, &info));
        QCOMPARE(QByteArray(info.keyCode), key);
        QCOMPARE(QByteArray(info.keyName), label);
        QCOMPARE(QByteArray(info.type), type);
        QCOMPARE(QByteArray(info.paramA), paramA);
        QCOMPARE(QByteArray(info.paramB), paramB);
        QCOMPARE(QByteArray(info.value), value);

        // The other profile of the file holds nothing for the key.
        keyOperateInfo other = presetRecord();
        const keyOperateInfo untouched = other;
        QVERIFY(!COrvaneXML_SelectProFileKeyOperateInfo(path, "2", key, &other));
        QCOMPARE(std::memcmp(&other, &untouched, sizeof other), 0);
    }

    void missingEntry_leavesThePresetExactly_data()
    {
        QTest::addColumn<QByteArray>("profile");
        QTest::addColumn<QByteArray>("key");
        QTest::newRow("key without entry") << QByteArray("1") << QByteArray("9");
        QTest::newRow("profile the file lacks") << QByteArray("7") << QByteArray("4");
        QTest::newRow("key code not decimal") << QByteArray("1") << QByteArray("0x04");
        QTest::newRow("profile not decimal") << QByteArray("one") << QByteArray("4");
        QTest::newRow("empty key code") << QByteArray("1") << QByteArray("");
    }

    void missingEntry_leavesThePresetExactly()
    {
        QFETCH(QByteArray, profile);
        QFETCH(QByteArray, key);
        const QByteArray path = newLayerFile();
        QVERIFY(storeKey(path, "1", "4", "A", "0", "1", "1", "5"));
        keyOperateInfo info = presetRecord();
        const keyOperateInfo untouched = info;
        QVERIFY(!COrvaneXML_SelectProFileKeyOperateInfo(path, profile, key, &info));
        QCOMPARE(std::memcmp(&info, &untouched, sizeof info), 0);
    }

    void oneKeyHasOneEntry()
    {
        const QByteArray path = newLayerFile();
        QVERIFY(storeKey(path, "1", "4", "A", "0", "1", "1", "5"));
        QVERIFY(storeKey(path, "1", "4", "A", "3", "1", "1", "9"));
        // An add without its delete still leaves one entry.
        QVERIFY(COrvaneXML_AddProFileMacroWithKeyInfoItem(path, "1", "4", "A", "4", "1", "1", "2"));
        // "04" names the same key as "4".
        QVERIFY(COrvaneXML_AddProFileMacroWithKeyInfoItem(path, "1", "04", "A", "5", "1", "1", "-1"));
        std::list<keyOperateInfo> all;
        QVERIFY(COrvaneXML_ProFileKeyInfoSelectAll(path, "1", &all));
        QCOMPARE(int(all.size()), 1);
        QCOMPARE(describe(all.front()), QStringLiteral("4|A|5|1|1|-1"));
    }

    void deleteRemovesOnlyThatKey()
    {
        const QByteArray path = newLayerFile();
        QVERIFY(storeKey(path, "1", "4", "A", "0", "1", "1", "5"));
        QVERIFY(storeKey(path, "1", "5", "B", "0", "1", "1", "6"));
        QVERIFY(storeKey(path, "2", "4", "A", "0", "1", "1", "7"));
        // Keys are matched on the code, never the label.
        QVERIFY(COrvaneXML_DeleteProFileMacroWithKeyInfoItem(path, "1", "4", "some other label"));
        // Removing what is not there is no error.
        QVERIFY(COrvaneXML_DeleteProFileMacroWithKeyInfoItem(path, "1", "4", "A"));
        std::list<keyOperateInfo> first, second;
        QVERIFY(COrvaneXML_ProFileKeyInfoSelectAll(path, "1", &first));
        QVERIFY(COrvaneXML_ProFileKeyInfoSelectAll(path, "2", &second));
        QCOMPARE(int(first.size()), 1);
        QCOMPARE(QByteArray(first.front().keyCode), QByteArray("5"));
        QCOMPARE(int(second.size()), 1);
    }

    void selectAll_appendsToTheCallersList()
    {
        const QByteArray path = newLayerFile();
        for (int usage = 4; usage < 4 + 132; ++usage)
            QVERIFY(storeKey(path, "1", QByteArray::number(usage), "k", "0", "1", "1", "4"));
        std::list<keyOperateInfo> all(1);
        setText(all.front().keyCode, "kept");
        QVERIFY(COrvaneXML_ProFileKeyInfoSelectAll(path, "1", &all));
        QCOMPARE(int(all.size()), 133);
        QCOMPARE(QByteArray(all.front().keyCode), QByteArray("kept"));
        QVERIFY(!COrvaneXML_ProFileKeyInfoSelectAll(path, "3", &all));
        QCOMPARE(int(all.size()), 133);
    }

    void refusedArguments_storeNothing_data()
    {
        QTest::addColumn<QByteArray>("profile");
        QTest::addColumn<QByteArray>("key");
        QTest::newRow("key code with letters") << QByteArray("1") << QByteArray("4a");
        QTest::newRow("key code with blank") << QByteArray("1") << QByteArray(" 4");
        QTest::newRow("key code too long") << QByteArray("1") << QByteArray("12345678901");
        QTest::newRow("profile with letters") << QByteArray("1x") << QByteArray("4");
        QTest::newRow("missing profile") << QByteArray("3") << QByteArray("4");
    }

    void refusedArguments_storeNothing()
    {
        QFETCH(QByteArray, profile);
        QFETCH(QByteArray, key);
        const QByteArray path = newLayerFile();
        QVERIFY(!COrvaneXML_AddProFileMacroWithKeyInfoItem(path, profile, key, "A", "0", "1", "1", "5"));
        QVERIFY(!COrvaneXML_AddProFileMacroWithKeyInfoItem(path, "1", "4", "A", "0", "1", "1", nullptr));
        for (const char* index : {"1", "2"}) {
            std::list<keyOperateInfo> all;
            QVERIFY(COrvaneXML_ProFileKeyInfoSelectAll(path, index, &all));
            QVERIFY(all.empty());
        }
    }

    void longTexts_areCutInsideTheirFields_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray ascii(6000, 'x');
        QTest::newRow("ASCII") << ascii << ascii.left(5119);
        // 5118 bytes of ASCII, then a three-byte character that would cross byte 5119.
        const QByteArray utf8 = QByteArray(5118, 'y') + "\xE2\x82\xAC" + "end";
        QTest::newRow("UTF-8 cut before the character") << utf8 << QByteArray(5118, 'y');
        const QByteArray exact = QByteArray(5116, 'z') + "\xE2\x82\xAC";
        QTest::newRow("UTF-8 that just fits") << exact << exact;
    }

    void longTexts_areCutInsideTheirFields()
    {
        QFETCH(QByteArray, value);
        QFETCH(QByteArray, expected);
        const QByteArray path = newLayerFile();
        const QByteArray label = QByteArray(62, 'l') + "\xC3\xA9";
        QVERIFY(storeKey(path, "1", "4", label, "6", "1", "1", value));
        keyOperateInfo info = presetRecord();
        QVERIFY(COrvaneXML_SelectProFileKeyOperateInfo(path, "1", "4", &info));
        QCOMPARE(QByteArray(info.value, int(strnlen(info.value, sizeof info.value))), expected);
        QCOMPARE(QByteArray(info.keyName, int(strnlen(info.keyName, sizeof info.keyName))), QByteArray(62, 'l'));
    }

    void valueCount_countsByTypeAndValue()
    {
        const QByteArray path = newLayerFile();
        QVERIFY(storeKey(path, "1", "4", "A", "1", "1", "1", "3"));
        QVERIFY(storeKey(path, "1", "5", "B", "1", "5", "2", "3"));
        QVERIFY(storeKey(path, "1", "6", "C", "1", "1", "1", "4"));
        QVERIFY(storeKey(path, "1", "7", "D", "0", "1", "1", "3"));
        QVERIFY(storeKey(path, "2", "4", "A", "1", "1", "1", "3"));
        QCOMPARE(COrvaneXML_GetProFileValueNum(path, "1", "1", "3"), 2);
        QCOMPARE(COrvaneXML_GetProFileValueNum(path, "1", "1", "4"), 1);
        QCOMPARE(COrvaneXML_GetProFileValueNum(path, "1", "1", "9"), 0);
        QCOMPARE(COrvaneXML_GetProFileValueNum(path, "1", "0", "3"), 1);
        QCOMPARE(COrvaneXML_GetProFileValueNum(path, "2", "1", "3"), 1);
        // After the key is rebound, the count follows.
        QVERIFY(storeKey(path, "1", "4", "A", "0", "1", "1", "3"));
        QCOMPARE(COrvaneXML_GetProFileValueNum(path, "1", "1", "3"), 1);
        QCOMPARE(COrvaneXML_GetProFileValueNum(path, "9", "1", "3"), -1);
    }

    void boundMacroCopy_isRenewedAndReadBack()
    {
        const QByteArray path = newLayerFile();
        const std::list<macroEventItem> first = keyPress("1", "4", "A");
        std::list<macroEventItem> second = keyPress("1", "4", "A");
        second.splice(second.end(), keyPress("2", "516", "Right Click"));

        QVERIFY(COrvaneXML_DeleteProFileBindMacroNode(path, "1", "3", "Macro3"));
        QVERIFY(COrvaneXML_AddProFileBindMacroItem(path, "1", first, "3", "Macro3"));
        QVERIFY(COrvaneXML_AddProFileBindMacroItem(path, "1", keyPress("9", "5", "B"), "4", "Macro4"));
        // The renewal order of the key-function page: delete, then add the new events.
        QVERIFY(COrvaneXML_DeleteProFileBindMacroNode(path, "1", "3", "Macro3"));
        QVERIFY(COrvaneXML_AddProFileBindMacroItem(path, "1", second, "3", "Macro3"));

        std::list<macroEventItem> read;
        QVERIFY(COrvaneXML_ProFileMacroWithKeyInfoSelectAll(path, "1", "3", "", &read));
        QCOMPARE(describe(read), describe(second));
        read.clear();
        QVERIFY(COrvaneXML_ProFileMacroWithKeyInfoSelectAll(path, "1", "4", "", &read));
        QCOMPARE(describe(read), describe(keyPress("9", "5", "B")));

        QVERIFY(COrvaneXML_DeleteProFileBindMacroNode(path, "1", "3", "Macro3"));
        read.clear();
        QVERIFY(!COrvaneXML_ProFileMacroWithKeyInfoSelectAll(path, "1", "3", "", &read));
        QVERIFY(read.empty());
        // Another profile's copies are its own.
        QVERIFY(!COrvaneXML_ProFileMacroWithKeyInfoSelectAll(path, "2", "4", "", &read));
    }

    void macroEventFields_areCutAtTheirWidth()
    {
        const QByteArray path = newLayerFile();
        macroEventItem item = macroEvent("1", "65535", "key", "4", "", "down");
        // codeName without a NUL inside its 64 bytes: read as 63 bytes, never past the field.
        std::memset(item.codeName, 'c', sizeof item.codeName);
        QVERIFY(COrvaneXML_AddProFileBindMacroItem(path, "1", {item}, "1", "Macro1"));
        std::list<macroEventItem> read;
        QVERIFY(COrvaneXML_ProFileMacroWithKeyInfoSelectAll(path, "1", "1", "", &read));
        QCOMPARE(int(read.size()), 1);
        QCOMPARE(QByteArray(read.front().codeName), QByteArray(63, 'c'));
        QCOMPARE(QByteArray(read.front().operateExplain), QByteArray("down"));
    }
};

ORVANE_TEST_MAIN(tst_storeKeyFunctions)
#include "tst_storeKeyFunctions.moc"
