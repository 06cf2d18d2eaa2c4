// Layer files and profiles through the COrvaneXML_ functions, as the profile
// management, performance page and export/import use them.
#include "support/StoreTestSupport.h"
#include "support/TestMain.h"

#include "sdk/include/StoreFileChecks.h"

#include <QDir>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <csignal>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace StoreTestSupport;

class tst_storeProfiles : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_files = 0;

    // A new layer file as the device page creates it: file, profile "1", current 1.
    QByteArray newLayerFile()
    {
        const QByteArray path = pathIn(m_dir, QStringLiteral("layer%1.xml").arg(++m_files));
        [&] { QVERIFY(createLayerFile(path, 1, 1)); }();
        return path;
    }

    // A profile holding one of everything a profile can hold.
    void fillProfile(const char* path, const char* index)
    {
        QVERIFY(COrvaneXML_AddProFileMacroWithKeyInfoItem(path, index, "4", "A", "0", "1", "1", "5"));
        QVERIFY(
            COrvaneXML_AddProFileMacroWithKeyInfoItem(path, index, "-10", "Fn", "6", "1", "1", "h\xC3\xA9llo\nworld"));
        QVERIFY(COrvaneXML_AddProFileMacroWithKeyInfoItem(path, index, "41", "Esc", "1", "3", "2", "7"));
        std::list<macroEventItem> events = keyPress("1", "4", "A");
        events.splice(events.end(), keyPress("2", "513", "Left Click"));
        QVERIFY(COrvaneXML_AddProFileBindMacroItem(path, index, events, "7", "Macro7"));
        QVERIFY(COrvaneXML_AddProFileLightInfoItem(path, index, light(0, 2)));
        QVERIFY(COrvaneXML_AddProFileLightInfoItem(path, index, light(1, 5, 2, 4, 0)));
        QVERIFY(COrvaneXML_AddProFileLightInfoItem(path, index, light(2, 2)));
        QVERIFY(COrvaneXML_ModifyProFileMouseLightUsingIndex(path, index, 0, 10));
        QVERIFY(COrvaneXML_ModifyProFileLightSynchronizeStatus(path, index, 1));
        QVERIFY(COrvaneXML_AddProFileCustomLightNode(path, index, "0", "Alphabets", "Using", 0));
        QVERIFY(COrvaneXML_AddProFileCustomLightNode(path, index, "2", "Custom 3", "UnUsing", -1));
        QVERIFY(COrvaneXML_AddProFileCustomLightDataInfo(path, index, "0", keyColour("4", "A", 3, 1, 255, 0, 9)));
        QVERIFY(COrvaneXML_SetProFileIntoSleepTimeInfo(path, index, 900, 45));
        QVERIFY(COrvaneXML_AddProFileFunctionInfo(path, index, "1", "0", "1", "0"));
    }

private slots:
    void newLayerFile_readsBackAsCreated()
    {
        const QByteArray path = newLayerFile();
        QCOMPARE(COrvaneXML_GetCreateXMLFileProfileIndex(path), 1);
        QCOMPARE(profileNames(path), QStringList{QStringLiteral("1:Profile1")});

        profileNodeRecord record;
        std::memset(&record, 0x55, sizeof record);
        QVERIFY(COrvaneXML_SelectProfileNodeInfo(path, "1", &record));
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(&record) + 8), QByteArray("Profile1"));
        QVERIFY(COrvaneXML_IsExistenceSelectProfileNode(path, "1"));
        QVERIFY(!COrvaneXML_IsExistenceSelectProfileNode(path, "2"));
    }

    void profileOperations_data()
    {
        QTest::addColumn<QStringList>("operations");
        QTest::addColumn<QString>("results");
        QTest::addColumn<QStringList>("listed");

        // Each operation is "<verb> <index> [name]"; results has one 1/0 per operation.
        QTest::newRow("create keeps index order")
            << QStringList{"create 3 Three", "create 2 Two"} << "11" << QStringList{"1:Profile1", "2:Two", "3:Three"};
        QTest::newRow("existing index refused") << QStringList{"create 1 Again"} << "0" << QStringList{"1:Profile1"};
        QTest::newRow("delete removes only that profile") << QStringList{"create 2 Two", "create 3 Three", "delete 2"}
                                                          << "111" << QStringList{"1:Profile1", "3:Three"};
        QTest::newRow("delete of a missing profile leaves the file as it is")
            << QStringList{"delete 5"} << "1" << QStringList{"1:Profile1"};
        QTest::newRow("reset = delete + create keeps its place")
            << QStringList{"create 2 Two", "create 3 Three", "delete 2", "create 2 Two"} << "1111"
            << QStringList{"1:Profile1", "2:Two", "3:Three"};
        QTest::newRow("rename in UTF-8") << QStringList{QString::fromUtf8(
            "rename 1 Spi\xC3\xA9l \xE6\xB8\xB8\xE6\x88\x8F")}
                                         << "1"
                                         << QStringList{QString::fromUtf8("1:Spi\xC3\xA9l \xE6\xB8\xB8\xE6\x88\x8F")};
        QTest::newRow("rename of a missing profile fails")
            << QStringList{"rename 4 Four"} << "0" << QStringList{"1:Profile1"};
        QTest::newRow("non-decimal indexes refused")
            << QStringList{"create x X", "create 2a X", "create +2 X", "create -0x1 X", "delete one"} << "00000"
            << QStringList{"1:Profile1"};
        QTest::newRow("index zero refused") << QStringList{"create 0 Zero"} << "0" << QStringList{"1:Profile1"};
        QStringList ten;
        for (int i = 2; i <= 11; ++i)
            ten << QStringLiteral("create %1 P%1").arg(i);
        QStringList tenListed{"1:Profile1"};
        for (int i = 2; i <= 10; ++i)
            tenListed << QStringLiteral("%1:P%1").arg(i);
        QTest::newRow("at most ten profiles") << ten << "1111111110" << tenListed;
    }

    void profileOperations()
    {
        QFETCH(QStringList, operations);
        QFETCH(QString, results);
        QFETCH(QStringList, listed);
        const QByteArray path = newLayerFile();
        for (int i = 0; i < operations.size(); ++i) {
            const QStringList words = operations[i].split(QLatin1Char(' '));
            const QByteArray index = words.value(1).toLatin1();
            const QByteArray name = words.mid(2).join(QLatin1Char(' ')).toUtf8();
            bool ok = false;
            if (words[0] == QLatin1String("create"))
                ok = COrvaneXML_CreateProFileXmlParentNode(path, index, name, 0);
            else if (words[0] == QLatin1String("delete"))
                ok = COrvaneXML_DeleteProFileSelectedNode(path, index);
            else if (words[0] == QLatin1String("rename"))
                ok = COrvaneXML_ModifyProfileNodeInfo(path, index, name);
            QCOMPARE(ok ? '1' : '0', results[i].toLatin1());
        }
        QCOMPARE(profileNames(path), listed);
        // What is listed is what a new reader of the file lists.
        std::list<profileNodeInfo> asList;
        QVERIFY(COrvaneXML_SelectProFileAllNodes(path, &asList));
        QCOMPARE(int(asList.size()), listed.size());
        QCOMPARE(QString::fromStdString(asList.back().index + ":" + asList.back().name), listed.last());
    }

    void currentProfile_isKeptPerFile()
    {
        const QByteArray defaultLayer = newLayerFile();
        const QByteArray fnLayer = newLayerFile();
        QVERIFY(COrvaneXML_CreateProFileXmlParentNode(defaultLayer, "2", "Profile2", 0));
        QVERIFY(COrvaneXML_ModifyXMLFileProfileIndex(defaultLayer, 2));
        QCOMPARE(COrvaneXML_GetCreateXMLFileProfileIndex(defaultLayer), 2);
        QCOMPARE(COrvaneXML_GetCreateXMLFileProfileIndex(fnLayer), 1);
        // The keyboard may ask for a profile the file does not hold; it is stored as asked.
        QVERIFY(COrvaneXML_ModifyXMLFileProfileIndex(fnLayer, 7));
        QCOMPARE(COrvaneXML_GetCreateXMLFileProfileIndex(fnLayer), 7);
        QCOMPARE(COrvaneXML_GetCreateXMLFileProfileIndex(defaultLayer), 2);
    }

    void currentProfile_unreadable_data()
    {
        QTest::addColumn<QByteArray>("path");
        QTest::newRow("missing file") << pathIn(m_dir, QStringLiteral("nothing-here.xml"));
        QTest::newRow("empty path") << QByteArray();
        QTest::newRow("path over 255 bytes") << QByteArray(300, 'a');
    }

    void currentProfile_unreadable()
    {
        QFETCH(QByteArray, path);
        QCOMPARE(COrvaneXML_GetCreateXMLFileProfileIndex(path.isNull() ? "" : path.constData()), -1);
        QCOMPARE(COrvaneXML_GetCreateXMLFileProfileIndex(nullptr), -1);
    }

    void freshFile_hasNoCurrentProfileAndNoNodes()
    {
        const QByteArray path = pathIn(m_dir, QStringLiteral("fresh.xml"));
        QVERIFY(COrvaneXML_CreateXMLFile(path));
        QCOMPARE(COrvaneXML_GetCreateXMLFileProfileIndex(path), -1);
        QVERIFY(profileNames(path).isEmpty());
    }

    void createXmlFile_keepsAnExistingFile()
    {
        const QByteArray path = newLayerFile();
        QVERIFY(COrvaneXML_CreateXMLFile(path));
        QCOMPARE(profileNames(path), QStringList{QStringLiteral("1:Profile1")});
    }

    void longPath_isRefusedNotTruncated()
    {
        // A 256-byte path whose first 255 bytes name an existing file.
        const QString longDir = m_dir.filePath(QString(100, QLatin1Char('d')));
        QVERIFY(QDir().mkpath(longDir));
        QByteArray path = QFile::encodeName(longDir + QLatin1Char('/'));
        path += QByteArray(255 - path.size(), 'f');
        QCOMPARE(path.size(), 255);
        QVERIFY(COrvaneXML_CreateXMLFile(path));
        QVERIFY(COrvaneXML_CreateProFileXmlParentNode(path, "1", "Short", 0));
        const QByteArray longer = path + "g";
        QVERIFY(!COrvaneXML_CreateXMLFile(longer));
        QVERIFY(!COrvaneXML_CreateProFileXmlParentNode(longer, "2", "Long", 0));
        QVERIFY(!QFile::exists(QFile::decodeName(longer)));
        QCOMPARE(profileNames(path), QStringList{QStringLiteral("1:Short")});
    }

    void recordName_isCutAtACharacterBoundary()
    {
        const QByteArray path = newLayerFile();
        // 639 bytes fit; 638 ASCII + a two-byte character would end on byte 640.
        const QByteArray name = QByteArray(638, 'n') + "\xC3\xA9" + "tail";
        QVERIFY(COrvaneXML_ModifyProfileNodeInfo(path, "1", name));
        profileNodeRecord record;
        std::memset(&record, 0x7F, sizeof record);
        QVERIFY(COrvaneXML_SelectProfileNodeInfo(path, "1", &record));
        QCOMPARE(QByteArray(record.name, int(strnlen(record.name, sizeof record.name))), QByteArray(638, 'n'));
    }

    void missingProfile_leavesRecordsUntouched()
    {
        const QByteArray path = newLayerFile();
        profileNodeRecord record;
        std::memset(&record, 0x33, sizeof record);
        QVERIFY(!COrvaneXML_SelectProfileNodeInfo(path, "9", &record));
        QVERIFY(!COrvaneXML_SelectProfileNodeInfo(path, "abc", &record));
        for (std::size_t i = 0; i < sizeof record; ++i)
            QCOMPARE(int(reinterpret_cast<unsigned char*>(&record)[i]), 0x33);
    }

    void sleepAndLocks_data()
    {
        QTest::addColumn<bool>("store");
        QTest::addColumn<QString>("expected");
        QTest::newRow("nothing stored: presets stay") << false << "600 30 | 0 0 0 0";
        QTest::newRow("stored values come back") << true << "1200 15 | 1 0 0 1";
    }

    void sleepAndLocks()
    {
        QFETCH(bool, store);
        QFETCH(QString, expected);
        const QByteArray path = newLayerFile();
        if (store) {
            QVERIFY(COrvaneXML_SetProFileIntoSleepTimeInfo(path, "1", 300, 5));
            QVERIFY(COrvaneXML_SetProFileIntoSleepTimeInfo(path, "1", 1200, 15));
            QVERIFY(COrvaneXML_AddProFileFunctionInfo(path, "1", "0", "1", "1", "0"));
            QVERIFY(COrvaneXML_AddProFileFunctionInfo(path, "1", "1", "0", "0", "1"));
        }
        sleepTimeInfo sleep{600, 30};
        COrvaneXML_GetProFileIntoSleepTimeInfo(path, "1", &sleep);
        int pair[2] = {600, 30};
        COrvaneXML_GetProFileIntoSleepTimeInfo(path, "1", pair);
        QCOMPARE(pair[0], sleep.lightSleepSeconds);
        QCOMPARE(pair[1], sleep.keyboardSleepMinutes);
        functionLockInfo locks;
        for (char* field : {locks.altTab, locks.altF4, locks.shiftTab, locks.windowsKey})
            setText(field, 8, "0");
        COrvaneXML_GetProFileFunctionInfo(path, "1", &locks);
        QCOMPARE(QStringLiteral("%1 %2 | %3 %4 %5 %6")
                     .arg(sleep.lightSleepSeconds)
                     .arg(sleep.keyboardSleepMinutes)
                     .arg(QLatin1String(locks.altTab), QLatin1String(locks.altF4), QLatin1String(locks.shiftTab),
                          QLatin1String(locks.windowsKey)),
                 expected);
    }

    void sleepAndLocks_missingProfileFails()
    {
        const QByteArray path = newLayerFile();
        QVERIFY(!COrvaneXML_SetProFileIntoSleepTimeInfo(path, "4", 60, 5));
        QVERIFY(!COrvaneXML_AddProFileFunctionInfo(path, "4", "1", "1", "1", "1"));
        QVERIFY(!COrvaneXML_AddProFileFunctionInfo(path, "1", "1", nullptr, "1", "1"));
    }

    void writtenFile_followsTheDocumentedSchema()
    {
        const QByteArray path = newLayerFile();
        QVERIFY(COrvaneXML_AddProFileMacroWithKeyInfoItem(path, "1", "4", "\xC4", "6", "1", "1", "two\nlines"));
        QVERIFY(COrvaneXML_AddProFileMacroWithKeyInfoItem(path, "1", "5", "B", "0", "1", "1", "6"));
        QFile file(QFile::decodeName(path));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QStringList seen;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            QStringList attributes;
            for (const QXmlStreamAttribute& attribute : xml.attributes())
                attributes << attribute.name() + QLatin1Char('=') + attribute.value();
            seen << xml.name() + QLatin1Char(' ') + attributes.join(QLatin1Char(' '));
        }
        QVERIFY(!xml.hasError());
        // Latin-1 and line breaks travel base64-encoded; plain text stays readable.
        QCOMPARE(seen,
                 (QStringList{"orvaneStore version=1", "profiles current=1", "profile index=1 name=Profile1 fixed=0",
                              "key keyCode=4 keyName-base64=xA== type=6 paramA=1 paramB=1 value-base64=dHdvCmxpbmVz",
                              "key keyCode=5 keyName=B type=0 paramA=1 paramB=1 value=6"}));
    }

    void callOffTheGuiThread_isCaughtInDebugBuilds()
    {
#ifdef QT_NO_DEBUG
        QSKIP("the thread check is a debug-build assertion");
#else
        const QByteArray path = newLayerFile();
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            std::thread([&] { COrvaneXML_GetCreateXMLFileProfileIndex(path); }).join();
            ::_exit(0);
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFSIGNALED(status));
        QCOMPARE(WTERMSIG(status), SIGABRT);
        QCOMPARE(COrvaneXML_GetCreateXMLFileProfileIndex(path), 1);
#endif
    }

    void exportThenImport_roundTripsAFullProfile()
    {
        const QByteArray source = newLayerFile();
        fillProfile(source, "1");
        QVERIFY(COrvaneXML_ModifyProfileNodeInfo(source, "1", "Gaming \xE2\x98\x85"));
        const QStringList content = profileContent(source, "1");
        QVERIFY(content.size() > 10);

        const QByteArray target = pathIn(m_dir, QStringLiteral("Gaming.xml"));
        QVERIFY(COrvaneXML_CreateXMLFile(target));
        QVERIFY(COrvaneXML_ProFileExport(source, target, "1", 0));
        // The import lists the chosen file first, with the same call as a layer file.
        QCOMPARE(profileNames(target), QStringList{QString::fromUtf8("1:Gaming \xE2\x98\x85")});

        const QByteArray other = newLayerFile();
        QVERIFY(COrvaneXML_CreateProFileXmlParentNode(other, "2", "Profile2", 0));
        QVERIFY(COrvaneXML_ModifyXMLFileProfileIndex(other, 2));
        QVERIFY(COrvaneXML_ProFileImport(other, target, "1"));
        QCOMPARE(profileNames(other),
                 (QStringList{"1:Profile1", "2:Profile2", QString::fromUtf8("3:Gaming \xE2\x98\x85")}));
        QCOMPARE(profileContent(other, "3"), content);
        QCOMPARE(COrvaneXML_GetCreateXMLFileProfileIndex(other), 2);
        // The original is untouched by the export.
        QCOMPARE(profileContent(source, "1"), content);
    }

    void export_reusesAnExistingTarget()
    {
        const QByteArray source = newLayerFile();
        QVERIFY(COrvaneXML_CreateProFileXmlParentNode(source, "2", "Second", 0));
        const QByteArray target = pathIn(m_dir, QStringLiteral("reused.xml"));
        QVERIFY(COrvaneXML_CreateXMLFile(target));
        QVERIFY(COrvaneXML_ProFileExport(source, target, "1", 0));
        QVERIFY(COrvaneXML_ProFileExport(source, target, "2", 0));
        QVERIFY(COrvaneXML_ModifyProfileNodeInfo(source, "1", "Renamed"));
        QVERIFY(COrvaneXML_ProFileExport(source, target, "1", 0));
        QCOMPARE(profileNames(target), (QStringList{"1:Renamed", "2:Second"}));
    }

    // An index the program never writes makes the file damaged; the next
    // index after the highest one allowed is never computed.
    void profileIndexOutsideTheRange_isRefused_data()
    {
        QTest::addColumn<QByteArray>("index");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("zero") << QByteArray("0") << false;
        QTest::newRow("negative") << QByteArray("-5") << false;
        QTest::newRow("above the limit") << QByteArray::number(kStoreMaxProfileIndex + 1) << false;
        QTest::newRow("int max") << QByteArray("2147483647") << false;
        QTest::newRow("the limit") << QByteArray::number(kStoreMaxProfileIndex) << true;
    }
    void profileIndexOutsideTheRange_isRefused()
    {
        QFETCH(QByteArray, index);
        QFETCH(bool, accepted);
        const QByteArray path = pathIn(m_dir, QStringLiteral("range%1.xml").arg(++m_files));
        {
            QFile file(QFile::decodeName(path));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("<?xml version=\"1.0\"?><orvaneStore version=\"1\"><profiles current=\"1\">"
                       "<profile index=\"1\" name=\"Profile1\"/><profile index=\""
                       + index + "\" name=\"Odd\"/></profiles></orvaneStore>");
        }
        std::list<storeRecoveryInfo> notes;
        COrvaneXML_TakeRecoveryNotes(&notes);
        notes.clear();
        const QStringList listed = profileNames(path);
        COrvaneXML_TakeRecoveryNotes(&notes);
        if (accepted) {
            QCOMPARE(listed, (QStringList{QStringLiteral("1:Profile1"), QString::fromLatin1(index + ":Odd")}));
            QVERIFY(notes.empty());
            // Nothing can follow the highest index: an import is refused.
            const QByteArray source = newLayerFile();
            QVERIFY(!COrvaneXML_ProFileImport(path, source, "1"));
            QCOMPARE(profileNames(path).size(), 2);
        } else {
            QVERIFY(listed.isEmpty());
            QCOMPARE(int(notes.size()), 1);
        }
        QVERIFY(!COrvaneXML_CreateProFileXmlParentNode(path, QByteArray::number(kStoreMaxProfileIndex + 1), "P", 0));
    }

    void exportAndImport_failures_data()
    {
        QTest::addColumn<QString>("scenario");
        QTest::newRow("export of a missing profile") << "export-missing";
        QTest::newRow("export into a file that is not ours") << "export-foreign";
        QTest::newRow("import of a missing index") << "import-missing";
        QTest::newRow("import from a file that is not ours") << "import-foreign";
        QTest::newRow("import into a full layer file") << "import-full";
    }

    void exportAndImport_failures()
    {
        QFETCH(QString, scenario);
        const QByteArray layer = newLayerFile();
        const QByteArray foreign = pathIn(m_dir, QStringLiteral("foreign-%1.xml").arg(m_files));
        const QByteArray foreignBytes = "<html><body>not a profile</body></html>";
        {
            QFile file(QFile::decodeName(foreign));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(foreignBytes);
        }
        const QByteArray exported = pathIn(m_dir, QStringLiteral("exported-%1.xml").arg(m_files));
        QVERIFY(COrvaneXML_CreateXMLFile(exported));
        QVERIFY(COrvaneXML_ProFileExport(layer, exported, "1", 0));
        const QStringList before = profileNames(layer);

        bool result = true;
        if (scenario == QLatin1String("export-missing")) {
            result = COrvaneXML_ProFileExport(layer, exported, "5", 0);
        } else if (scenario == QLatin1String("export-foreign")) {
            result = COrvaneXML_ProFileExport(layer, foreign, "1", 0);
        } else if (scenario == QLatin1String("import-missing")) {
            result = COrvaneXML_ProFileImport(layer, exported, "4");
        } else if (scenario == QLatin1String("import-foreign")) {
            result = COrvaneXML_ProFileImport(layer, foreign, "1");
        } else if (scenario == QLatin1String("import-full")) {
            for (int i = 2; i <= 10; ++i)
                QVERIFY(COrvaneXML_CreateProFileXmlParentNode(layer, QByteArray::number(i), "P", 0));
            result = COrvaneXML_ProFileImport(layer, exported, "1");
            QCOMPARE(profileNames(layer).size(), 10);
            QVERIFY(!result);
            return;
        }
        QVERIFY(!result);
        QCOMPARE(profileNames(layer), before);
        QFile file(QFile::decodeName(foreign));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), foreignBytes);
        QCOMPARE(profileNames(exported), QStringList{QStringLiteral("1:Profile1")});
    }
};

ORVANE_TEST_MAIN(tst_storeProfiles)
#include "tst_storeProfiles.moc"
