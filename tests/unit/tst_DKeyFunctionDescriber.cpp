// The hover tip's texts for a key's stored function: every table row, the
// combination rule, and the names looked up through real profile, macro and
// advanced-key files.
#include "app/DDataManager.h"
#include "app/DKeyFunctionDescriber.h"
#include "support/StoreTestSupport.h"
#include "support/TestMain.h"

#include <QDir>
#include <QSet>
#include <QTemporaryDir>
#include <QTranslator>

#include <climits>

using namespace StoreTestSupport;

namespace {

keyOperateInfo record(const QByteArray& type, const QByteArray& paramB, const QByteArray& value)
{
    keyOperateInfo info;
    std::memset(&info, 0, sizeof info);
    setText(info.keyCode, "30");
    setText(info.keyName, "1");
    setText(info.type, type);
    setText(info.paramA, "1");
    setText(info.paramB, paramB);
    setText(info.value, value);
    return info;
}

seniorKeyInfoStu seniorKey(int index, int type, const QByteArray& name)
{
    seniorKeyInfoStu key;
    std::memset(&key, 0, sizeof key);
    key.index = index;
    key.type = type;
    setText(key.name, name);
    setText(key.key[0], "4");
    key.point[0] = 15;
    key.point[1] = 36;
    key.point[2] = 36;
    key.point[3] = 15;
    key.holdDuration = 200;
    return key;
}

const QString kUnknown = QStringLiteral("Unknow");

} // namespace

class tst_DKeyFunctionDescriber : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QByteArray m_profilePath;
    QByteArray m_macroPath;
    QByteArray m_seniorPath;
    const QMap<int, QString> m_keyNames{{4, "A"}, {5, "B"}, {41, "Esc"}, {-10, "Fn"}, {58, "F1"}};

    DKeyFunctionDescriber describer() const
    {
        return DKeyFunctionDescriber(m_keyNames, m_profilePath, m_macroPath, m_seniorPath);
    }

    DKeyFunctionDescriber::Description describe(const QByteArray& type, const QByteArray& paramB,
                                                const QByteArray& value) const
    {
        return describer().describe(record(type, paramB, value));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_profilePath = pathIn(m_dir, "appProfile_Default.xml");
        m_macroPath = pathIn(m_dir, "appMacro.xml");
        m_seniorPath = pathIn(m_dir, "SeniorKeyConfig.xml");

        QVERIFY(COrvaneXML_CreateXMLFile(m_profilePath));
        QVERIFY(COrvaneXML_CreateProFileXmlParentNode(m_profilePath, "1", "Profile1", 0));
        QVERIFY(COrvaneXML_CreateProFileXmlParentNode(m_profilePath, "2", "Spiele Grüße 日本", 0));

        QVERIFY(COrvaneXML_CreateXMLFile(m_macroPath));
        QVERIFY(COrvaneXML_CreateMacroXmlParentNode(m_macroPath, "1", "Copy paste"));
        QVERIFY(COrvaneXML_CreateMacroXmlParentNode(m_macroPath, "3", "Makro ñ 宏"));
        QVERIFY(COrvaneXML_CreateMacroXmlParentNode(m_macroPath, "12", "Twelve"));

        QVERIFY(COrvaneXML_SeniorKey_CreateXMLFile(m_seniorPath));
        QVERIFY(COrvaneXML_SeniorKey_CreateProFileXmlParentNode(m_seniorPath));
        QVERIFY(COrvaneXML_SeniorKey_AddInfoItem(m_seniorPath, 1, seniorKey(2, 1, "DKS2")));
        QVERIFY(COrvaneXML_SeniorKey_AddInfoItem(m_seniorPath, 2, seniorKey(7, 2, "Mod-Tap ü 高级")));
    }

    void categories_data()
    {
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<QString>("category");

        const QVector<QPair<int, QString>> named{
            {0, "Remap Key"}, {1, "Macro"},       {2, "Key Combination"}, {3, "Multimedia"},         {4, "Mouse"},
            {5, "Disable"},   {6, "Text"},        {7, "Switch Profile"},  {8, "Launch Application"}, {9, "Shortcuts"},
            {10, "Unknow"},   {19, "Key Config"}, {40, "Senior Keys"}};
        for (const auto& row : named)
            QTest::addRow("type %d", row.first) << QByteArray::number(row.first) << row.second;
        for (int code = 20; code <= 27; ++code)
            QTest::addRow("type %d", code) << QByteArray::number(code) << "Keyboard Light";
        for (int code = 30; code <= 34; ++code)
            QTest::addRow("type %d", code) << QByteArray::number(code) << "Atmosphere Light";
        for (int code : {11, 12, 13, 14, 15, 16, 17, 18, 28, 29, 35, 36, 37, 38, 39, 41, 100, -2, -10})
            QTest::addRow("unused type %d", code) << QByteArray::number(code) << "Default";

        QTest::newRow("no function stored") << QByteArray("-1") << "Default";
        // A type that is no number is no function, as the download sends it.
        QTest::newRow("empty type") << QByteArray("") << "Default";
        QTest::newRow("text") << QByteArray("macro") << "Default";
        QTest::newRow("digits then text") << QByteArray("3x") << "Default";
        QTest::newRow("leading blanks") << QByteArray("  9") << "Shortcuts";
        QTest::newRow("large type") << QByteArray("9999999") << "Default";
        QTest::newRow("large negative type") << QByteArray("-999999") << "Default";
    }

    void leadingNumber_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("number");
        QTest::newRow("plain") << QByteArray("40") << 40;
        QTest::newRow("negative") << QByteArray("-10") << -10;
        QTest::newRow("plus sign") << QByteArray("+7") << 7;
        QTest::newRow("leading blanks") << QByteArray(" \t12") << 12;
        QTest::newRow("trailing text") << QByteArray("5,4") << 5;
        QTest::newRow("empty") << QByteArray("") << 0;
        QTest::newRow("no digits") << QByteArray("abc") << 0;
        QTest::newRow("hex is not read") << QByteArray("0x10") << 0;
        QTest::newRow("above int range") << QByteArray("99999999999999999999") << INT_MAX;
        QTest::newRow("below int range") << QByteArray("-99999999999999999999") << INT_MIN;
        QTest::newRow("just above int") << QByteArray("2147483648") << INT_MAX;
    }

    void leadingNumber()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, number);
        QCOMPARE(DKeyFunctionDescriber::leadingNumber(text), number);
    }

    void categories()
    {
        QFETCH(QByteArray, type);
        QFETCH(QString, category);
        QCOMPARE(describe(type, "0", "0").category, category);
    }

    // Types 11 to 18 and the gaps between the light ranges fall back to the
    // same pair as a key without a function.
    void unusedTypesGiveDefaultAndUnknown_data()
    {
        QTest::addColumn<QByteArray>("type");
        for (const char* type : {"-1", "11", "15", "18", "28", "29", "35", "39", "41"})
            QTest::newRow(type) << QByteArray(type);
    }

    void unusedTypesGiveDefaultAndUnknown()
    {
        QFETCH(QByteArray, type);
        for (const QByteArray& value : {QByteArray("0"), QByteArray("1"), QByteArray("4")}) {
            const auto description = describe(type, "0", value);
            QCOMPARE(description.category, QStringLiteral("Default"));
            QCOMPARE(description.detail, kUnknown);
        }
    }

    void listedDetails_data()
    {
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<QByteArray>("paramB");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QString>("detail");

        auto byValue = [](const char* type, const QStringList& texts) {
            for (int v = 0; v < texts.size(); ++v)
                QTest::addRow("type %s value %d", type, v)
                    << QByteArray(type) << QByteArray("1") << QByteArray::number(v) << texts.at(v);
            QTest::addRow("type %s value %d", type, int(texts.size()))
                << QByteArray(type) << QByteArray("1") << QByteArray::number(texts.size()) << kUnknown;
            QTest::addRow("type %s value -1", type)
                << QByteArray(type) << QByteArray("1") << QByteArray("-1") << kUnknown;
        };

        byValue("3",
                {"Volume +", "Volume -", "Mute", "Play/Pause", "Next track", "Prev track", "Stop", kUnknown, "Player",
                 "Calculator", "Computer", "Browser", "Email", "Screen brightness+", "Screen brightness-", "Search"});
        byValue("4", {"Mouse Left", "Mouse Center", "Mouse Right", "Scroll Up", "Scroll Down", "Forward", "Backward",
                      "Sniper Key"});
        byValue("9", {"Close window", "Switch windows", "Show desktop", "My computer", "Lock computer", "Copy", "Cut",
                      "Paste", "Find", "New", "Print", "Save"});
        byValue("20", {"Overall light", "Interaction light", "All light", "Static"});
        byValue("21", {"Brightness +", "Brightness -"});
        byValue("22", {"Speed +", "Speed -"});
        byValue("23", {"Direction +1", "Direction -1", "Direction Loop"});
        byValue("24", {"Into full color", "Top color changed", "Bottom color changed"});
        byValue("25", {"Custom 1", "Custom 2"});
        byValue("30", {"Overall light", "Interaction light", "All light"});
        byValue("31", {"Brightness +", "Brightness -"});
        byValue("32", {"Speed +", "Speed -"});
        byValue("33", {"Into full color", "Top color changed", "Bottom color changed"});

        auto row
            = [](const char* name, const char* type, const char* paramB, const char* value, const QString& detail) {
                  QTest::newRow(name) << QByteArray(type) << QByteArray(paramB) << QByteArray(value) << detail;
              };
        row("multimedia value as text", "3", "1", "next", "Volume +");
        row("mouse ignores paramB", "4", "7", "2", "Mouse Right");
        row("disable", "5", "0", "0", "Disable");
        row("disable whatever the value", "5", "3", "77", "Disable");
        row("type 10", "10", "0", "0", kUnknown);

        row("lock keyboard", "19", "0", "0", "Lock keyboard");
        row("lock keyboard any value", "19", "0", "5", "Lock keyboard");
        row("win lock toggle", "19", "2", "0", "Lock/Unlock Win");
        row("win lock", "19", "2", "1", "Lock win");
        row("win unlock", "19", "2", "2", "Unlock win");
        row("win lock value 3", "19", "2", "3", kUnknown);
        row("default layer", "19", "8", "0", "Default layer");
        row("fn layer", "19", "8", "1", "FN layer");
        row("fn1 layer", "19", "8", "2", "FN1 layer");
        row("layer 3", "19", "8", "3", kUnknown);
        row("power query", "19", "10", "0", "Power query");
        row("bluetooth 1", "19", "11", "0,0", "Bluetooth 1");
        row("bluetooth 2", "19", "11", "0,1", "Bluetooth 2");
        row("bluetooth 3", "19", "11", "0,2", "Bluetooth 3");
        row("bluetooth channel 3", "19", "11", "0,3", kUnknown);
        row("bluetooth without channel", "19", "11", "0", kUnknown);
        row("2.4G", "19", "11", "1,0", "2.4G switching");
        row("2.4G any channel", "19", "11", "1,2", "2.4G switching");
        row("usb", "19", "11", "2,0", "USB switching");
        row("usb any channel", "19", "11", "2,9", "USB switching");
        row("usb without channel", "19", "11", "2", "USB switching");
        row("connection mode 3", "19", "11", "3,0", kUnknown);
        row("connection without mode", "19", "11", ",1", kUnknown);
        row("connection empty", "19", "11", "", kUnknown);
        row("connection text channel reads 0", "19", "11", "0,x", "Bluetooth 1");
        row("key config sub 1", "19", "1", "0", kUnknown);
        row("key config sub 9", "19", "9", "0", kUnknown);
        row("key config sub -1", "19", "-1", "0", kUnknown);

        row("close all", "26", "0", "0", "Close all");
        row("close back light", "26", "0", "1", "Close back light");
        row("close value 2", "26", "0", "2", kUnknown);
        row("stop back light", "26", "1", "0", "Stop back light");
        row("stop back light any value", "26", "1", "9", "Stop back light");
        row("light off paramB 2", "26", "2", "0", kUnknown);
        row("light recording", "27", "1", "0", "Light recording");
        row("light recording any value", "27", "1", "4", "Light recording");
        row("close side light", "34", "0", "2", "Close side light");
        row("close side light any value", "34", "0", "0", "Close side light");
        row("stop side light", "34", "1", "0", "Stop side light");
        row("side light off paramB 2", "34", "2", "2", kUnknown);
        row("side light static is keyboard only", "30", "1", "3", kUnknown);
    }

    void listedDetails()
    {
        QFETCH(QByteArray, type);
        QFETCH(QByteArray, paramB);
        QFETCH(QByteArray, value);
        QFETCH(QString, detail);
        QCOMPARE(describe(type, paramB, value).detail, detail);
    }

    void combination_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QString>("detail");
        QTest::newRow("ctrl alt A") << QByteArray("5,4") << "L_CTRL+L_ALT+A";
        QTest::newRow("no modifier") << QByteArray("0,4") << "A";
        QTest::newRow("shift, usage without label") << QByteArray("2,200") << "L_SHIFT";
        QTest::newRow("nothing") << QByteArray("0,200") << "";
        QTest::newRow("each bit 0") << QByteArray("1,41") << "L_CTRL+Esc";
        QTest::newRow("each bit 1") << QByteArray("2,41") << "L_SHIFT+Esc";
        QTest::newRow("each bit 2") << QByteArray("4,41") << "L_ALT+Esc";
        QTest::newRow("each bit 3") << QByteArray("8,41") << "L_WIN+Esc";
        QTest::newRow("each bit 4") << QByteArray("16,41") << "R_CTRL+Esc";
        QTest::newRow("each bit 5") << QByteArray("32,41") << "R_SHIFT+Esc";
        QTest::newRow("each bit 6") << QByteArray("64,41") << "R_ALT+Esc";
        QTest::newRow("each bit 7") << QByteArray("128,41") << "R_WIN+Esc";
        QTest::newRow("all eight, lowest first")
            << QByteArray("255,58") << "L_CTRL+L_SHIFT+L_ALT+L_WIN+R_CTRL+R_SHIFT+R_ALT+R_WIN+F1";
        QTest::newRow("higher bits ignored") << QByteArray("768,5") << "B";
        QTest::newRow("bit 8 beside bit 0") << QByteArray("257,5") << "L_CTRL+B";
        QTest::newRow("negative mask has all bits")
            << QByteArray("-1,5") << "L_CTRL+L_SHIFT+L_ALT+L_WIN+R_CTRL+R_SHIFT+R_ALT+R_WIN+B";
        QTest::newRow("fn key") << QByteArray("1,-10") << "L_CTRL+Fn";
        QTest::newRow("without key part") << QByteArray("5") << "L_CTRL+L_ALT";
        QTest::newRow("empty") << QByteArray("") << "";
        QTest::newRow("text mask reads 0") << QByteArray("ctrl,4") << "A";
        QTest::newRow("extra part ignored") << QByteArray("1,4,5") << "L_CTRL+A";
    }

    void combination()
    {
        QFETCH(QByteArray, value);
        QFETCH(QString, detail);
        const auto description = describe("2", "0", value);
        QCOMPARE(description.category, QStringLiteral("Key Combination"));
        QCOMPARE(description.detail, detail);
    }

    void remapTarget_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QString>("detail");
        QTest::newRow("A") << QByteArray("4") << "A";
        QTest::newRow("Esc") << QByteArray("41") << "Esc";
        QTest::newRow("Fn") << QByteArray("-10") << "Fn";
        QTest::newRow("no label") << QByteArray("200") << "";
        QTest::newRow("text reads as usage 0") << QByteArray("A") << "";
    }

    void remapTarget()
    {
        QFETCH(QByteArray, value);
        QFETCH(QString, detail);
        QCOMPARE(describe("0", "0", value).detail, detail);
    }

    void valueIsTheText_data()
    {
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<QString>("text");
        QTest::newRow("ascii text") << QByteArray("6") << "Hello, world";
        QTest::newRow("utf-8 text") << QByteArray("6") << "Grüße, Привет, 你好 🎮";
        QTest::newRow("empty text") << QByteArray("6") << "";
        QTest::newRow("number is text") << QByteArray("6") << "12";
        QTest::newRow("program path") << QByteArray("8") << "/usr/bin/gnome-calculator";
        QTest::newRow("utf-8 path") << QByteArray("8") << "/home/jürgen/Spiele/启动.sh";
    }

    void valueIsTheText()
    {
        QFETCH(QByteArray, type);
        QFETCH(QString, text);
        QCOMPARE(describe(type, "0", text.toUtf8()).detail, text);
    }

    // A record whose fields are filled to the brim, as a damaged file could
    // leave it: nothing is read past a field.
    void unterminatedFieldsStayInside()
    {
        keyOperateInfo info;
        std::memset(&info, '7', sizeof info);
        std::memcpy(info.type, "6", 2);
        const auto text = describer().describe(info);
        QCOMPARE(text.category, QStringLiteral("Text"));
        QCOMPARE(text.detail, QString(int(sizeof info.value), QLatin1Char('7')));

        std::memset(info.type, '9', sizeof info.type);
        const auto huge = describer().describe(info);
        QCOMPARE(huge.category, QStringLiteral("Default"));
        QCOMPARE(huge.detail, kUnknown);
    }

    void namesFromFiles_data()
    {
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("detail");
        auto row
            = [](const char* name, const char* type, const char* value, const char* category, const QString& detail) {
                  QTest::newRow(name) << QByteArray(type) << QByteArray(value) << category << detail;
              };
        row("macro 1", "1", "1", "Macro", "Copy paste");
        row("macro, utf-8 name", "1", "3", "Macro", "Makro ñ 宏");
        row("macro, two digits", "1", "12", "Macro", "Twelve");
        row("macro, leading zero", "1", "03", "Macro", "Makro ñ 宏");
        row("no such macro", "1", "2", "Macro", kUnknown);
        row("macro, text reads as 0", "1", "one", "Macro", kUnknown);
        row("macro, negative", "1", "-1", "Macro", kUnknown);

        row("profile 1", "7", "1", "Switch Profile", "Profile1");
        row("profile, utf-8 name", "7", "2", "Switch Profile", "Spiele Grüße 日本");
        row("no such profile", "7", "5", "Switch Profile", "");
        row("profile, empty", "7", "", "Switch Profile", "");
        row("profile, text", "7", "two", "Switch Profile", "");

        row("advanced key DKS", "40", "2", "Senior Keys", "DKS2");
        row("advanced key, utf-8 name", "40", "7", "Senior Keys", "Mod-Tap ü 高级");
        row("no such advanced key", "40", "3", "Senior Keys", kUnknown);
        row("advanced key, text reads as 0", "40", "MT", "Senior Keys", kUnknown);
    }

    void namesFromFiles()
    {
        QFETCH(QByteArray, type);
        QFETCH(QByteArray, value);
        QFETCH(QString, category);
        QFETCH(QString, detail);
        const auto description = describe(type, "1", value);
        QCOMPARE(description.category, category);
        QCOMPARE(description.detail, detail);
    }

    // Files that are missing, empty or not ours: the category stays, the
    // name becomes "Unknow" (an empty name for a profile).
    void unreadableFiles_data()
    {
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<QString>("fileKind");
        QTest::addColumn<QString>("detail");
        for (const char* kind : {"missing", "empty path", "garbage", "no entries"}) {
            QTest::addRow("macro, %s", kind) << QByteArray("1") << kind << kUnknown;
            QTest::addRow("profile, %s", kind) << QByteArray("7") << kind << "";
            QTest::addRow("advanced key, %s", kind) << QByteArray("40") << kind << kUnknown;
        }
    }

    void unreadableFiles()
    {
        QFETCH(QByteArray, type);
        QFETCH(QString, fileKind);
        QFETCH(QString, detail);

        QTemporaryDir dir;
        QByteArray path = pathIn(dir, "file.xml");
        if (fileKind == "empty path") {
            path.clear();
        } else if (fileKind == "garbage") {
            QFile file(QFile::decodeName(path));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("\x01\x02<not<xml>>\xff");
        } else if (fileKind == "no entries") {
            if (type == "40") {
                QVERIFY(COrvaneXML_SeniorKey_CreateXMLFile(path));
                QVERIFY(COrvaneXML_SeniorKey_CreateProFileXmlParentNode(path));
            } else {
                QVERIFY(COrvaneXML_CreateXMLFile(path));
            }
        }
        const DKeyFunctionDescriber reader(m_keyNames, path, path, path);
        const auto description = reader.describe(record(type, "0", "1"));
        QCOMPARE(description.category, describe(type, "0", "1").category);
        QCOMPARE(description.detail, detail);
    }

    // No cache: a name changed in its file shows at the next call.
    void namesAreReadOnEveryCall()
    {
        QTemporaryDir dir;
        const QByteArray profile = pathIn(dir, "layer.xml");
        const QByteArray macros = pathIn(dir, "macros.xml");
        const QByteArray senior = pathIn(dir, "senior.xml");
        QVERIFY(COrvaneXML_CreateXMLFile(profile));
        QVERIFY(COrvaneXML_CreateProFileXmlParentNode(profile, "1", "Before", 0));
        QVERIFY(COrvaneXML_CreateXMLFile(macros));
        QVERIFY(COrvaneXML_SeniorKey_CreateXMLFile(senior));
        QVERIFY(COrvaneXML_SeniorKey_CreateProFileXmlParentNode(senior));
        const DKeyFunctionDescriber reader(m_keyNames, profile, macros, senior);

        QCOMPARE(reader.describe(record("1", "1", "4")).detail, kUnknown);
        QVERIFY(COrvaneXML_CreateMacroXmlParentNode(macros, "4", "New macro"));
        QCOMPARE(reader.describe(record("1", "1", "4")).detail, QStringLiteral("New macro"));
        QVERIFY(COrvaneXML_ModifyMacroNodeName(macros, "4", "Renamed macro"));
        QCOMPARE(reader.describe(record("1", "1", "4")).detail, QStringLiteral("Renamed macro"));
        QVERIFY(COrvaneXML_DeleteMacroNode(macros, "4"));
        QCOMPARE(reader.describe(record("1", "1", "4")).detail, kUnknown);

        QCOMPARE(reader.describe(record("7", "0", "1")).detail, QStringLiteral("Before"));
        QVERIFY(COrvaneXML_ModifyProfileNodeInfo(profile, "1", "After"));
        QCOMPARE(reader.describe(record("7", "0", "1")).detail, QStringLiteral("After"));

        QCOMPARE(reader.describe(record("40", "0", "9")).detail, kUnknown);
        QVERIFY(COrvaneXML_SeniorKey_AddInfoItem(senior, 3, seniorKey(9, 3, "TGL9")));
        QCOMPARE(reader.describe(record("40", "0", "9")).detail, QStringLiteral("TGL9"));
        QVERIFY(COrvaneXML_SeniorKey_ModifyInfoItem(senior, 3, seniorKey(9, 3, "Toggle")));
        QCOMPARE(reader.describe(record("40", "0", "9")).detail, QStringLiteral("Toggle"));
        QVERIFY(COrvaneXML_SeniorKey_DeleteInfoItem(senior, 3, 9));
        QCOMPARE(reader.describe(record("40", "0", "9")).detail, kUnknown);
    }

    // The way the hover tip gets its record: stored by a key-function page,
    // read back with the type preset to "-1".
    void functionsReadBackFromTheProfile_data()
    {
        QTest::addColumn<QByteArray>("keyCode");
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<QByteArray>("paramB");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("detail");
        QTest::newRow("macro") << QByteArray("4") << QByteArray("1") << QByteArray("1") << QByteArray("3") << "Macro"
                               << "Makro ñ 宏";
        QTest::newRow("combination") << QByteArray("5") << QByteArray("2") << QByteArray("0") << QByteArray("5,4")
                                     << "Key Combination"
                                     << "L_CTRL+L_ALT+A";
        QTest::newRow("text") << QByteArray("6") << QByteArray("6") << QByteArray("0") << QByteArray("Grüße 你好")
                              << "Text"
                              << "Grüße 你好";
        QTest::newRow("profile switch") << QByteArray("7") << QByteArray("7") << QByteArray("0") << QByteArray("2")
                                        << "Switch Profile"
                                        << "Spiele Grüße 日本";
        QTest::newRow("connection") << QByteArray("8") << QByteArray("19") << QByteArray("11") << QByteArray("0,2")
                                    << "Key Config"
                                    << "Bluetooth 3";
        QTest::newRow("advanced key") << QByteArray("9") << QByteArray("40") << QByteArray("0") << QByteArray("7")
                                      << "Senior Keys"
                                      << "Mod-Tap ü 高级";
        QTest::newRow("nothing stored") << QByteArray("10") << QByteArray() << QByteArray() << QByteArray() << "Default"
                                        << kUnknown;
    }

    void functionsReadBackFromTheProfile()
    {
        QFETCH(QByteArray, keyCode);
        QFETCH(QByteArray, type);
        QFETCH(QByteArray, paramB);
        QFETCH(QByteArray, value);
        QFETCH(QString, category);
        QFETCH(QString, detail);
        if (!type.isEmpty())
            QVERIFY(COrvaneXML_AddProFileMacroWithKeyInfoItem(m_profilePath, "1", keyCode, "key", type, "1", paramB,
                                                              value));
        keyOperateInfo info = record("-1", "-1", "-1");
        COrvaneXML_SelectProFileKeyOperateInfo(m_profilePath, "1", keyCode, &info);
        const auto description = describer().describe(info);
        QCOMPARE(description.category, category);
        QCOMPARE(description.detail, detail);
    }

    // The data manager hands its own map and paths to the describer and keeps
    // the detail of the latest call.
    void dataManagerKeepsTheLatestDetail()
    {
        DDataManager manager;
        manager.setKeyNameMap(m_keyNames);
        QVERIFY(manager.setCurrentProfilePath(m_profilePath));
        QVERIFY(manager.setMacroFilePath(m_macroPath));
        QVERIFY(manager.setSeniorKeyFilePath(m_seniorPath));
        QCOMPARE(manager.keyFunctionDetailText(), kUnknown);

        const struct
        {
            keyOperateInfo info;
            QString category;
            QString detail;
        } calls[] = {
            {record("1", "1", "12"), "Macro", "Twelve"},
            {record("-1", "-1", "-1"), "Default", kUnknown},
            {record("2", "0", "5,4"), "Key Combination", "L_CTRL+L_ALT+A"},
            {record("7", "0", "2"), "Switch Profile", "Spiele Grüße 日本"},
            {record("40", "0", "2"), "Senior Keys", "DKS2"},
            {record("3", "0", "7"), "Multimedia", kUnknown},
            {record("0", "0", "41"), "Remap Key", "Esc"},
            {record("7", "0", "8"), "Switch Profile", ""},
        };
        for (const auto& call : calls) {
            QCOMPARE(manager.keyFunctionTypeName(call.info), call.category);
            QCOMPARE(manager.keyFunctionDetailText(), call.detail);
        }
    }

    // Every text the tables can produce has a translation in every language.
    void everyTextIsTranslated()
    {
        QSet<QString> texts;
        for (int code = -1; code <= 41; ++code) {
            for (int sub = 0; sub <= 11; ++sub) {
                for (int first = 0; first <= 16; ++first) {
                    for (const QByteArray& value : {QByteArray::number(first), QByteArray::number(first) + ",1"}) {
                        const auto description = describe(QByteArray::number(code), QByteArray::number(sub), value);
                        texts << description.category;
                        if (!QList<int>({0, 1, 2, 6, 7, 8, 40}).contains(code))
                            texts << description.detail;
                    }
                }
            }
        }
        texts.remove(QString());
        QVERIFY(texts.contains("Bluetooth 2"));
        QVERIFY(texts.contains("Stop side light"));

        const QDir dir(QStringLiteral(ORVANE_TEST_BIN_DIR "/translation"));
        const QStringList files = dir.entryList({"*.qm"});
        QCOMPARE(files.size(), 15);
        for (const QString& file : files) {
            QTranslator translator;
            QVERIFY2(translator.load(dir.filePath(file)), qPrintable(file));
            for (const QString& text : qAsConst(texts)) {
                const QString translated = translator.translate("QObject", text.toUtf8().constData());
                QVERIFY2(!translated.isEmpty(), qPrintable(file + ": " + text));
            }
        }
    }

    void translatedTextsReachTheTip()
    {
        QTranslator german;
        QVERIFY(german.load(QStringLiteral(ORVANE_TEST_BIN_DIR "/translation/German.qm")));
        QCoreApplication::installTranslator(&german);
        const auto light = describe("21", "1", "0");
        const auto missing = describe("-1", "-1", "-1");
        const auto combination = describe("2", "0", "5,4");
        QCoreApplication::removeTranslator(&german);

        QCOMPARE(light.category, german.translate("QObject", "Keyboard Light"));
        QCOMPARE(light.detail, german.translate("QObject", "Brightness +"));
        QVERIFY(light.category != QStringLiteral("Keyboard Light"));
        QCOMPARE(missing.category, german.translate("QObject", "Default"));
        QCOMPARE(missing.detail, QStringLiteral("Unbekannt"));
        QCOMPARE(combination.category, german.translate("QObject", "Key Combination"));
        QCOMPARE(combination.detail, QStringLiteral("L_CTRL+L_ALT+A"));
    }
};

ORVANE_TEST_MAIN(tst_DKeyFunctionDescriber)
#include "tst_DKeyFunctionDescriber.moc"
