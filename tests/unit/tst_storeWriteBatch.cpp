// Write batches of the profile store: changes made under a batch reach the
// file once, at its end, as the same bytes the changes written one by one
// give; reads see them before; a batch that cannot write says so and leaves
// the files as they were.
#include "support/LockedFolder.h"
#include "support/StoreTestSupport.h"
#include "support/TestMain.h"

#include "hid/DXmlLinkProfileStore.h"
#include "profiles/DBoundMacroRefresh.h"
#include "profiles/DProfileFileSet.h"
#include "profiles/DProfileLightDefaults.h"
#include "profiles/DProfileOperations.h"
#include "sdk/include/StoreWriteBatch.h"
#include "sdk/store/XmlStore.h"

#include <QDir>
#include <QDirIterator>
#include <QMap>
#include <QTemporaryDir>

#include <functional>

using namespace StoreTestSupport;

namespace {

const char kLayer[] = "appProfile_Default.xml";
const char kMacros[] = "appMacro.xml";
const QString kSerial = QStringLiteral("0123456789abcdef0123456789abcdef");

// Changes made to the files of a folder holding kLayer and kMacros.
using Changes = std::function<void(const QString& folder)>;

QByteArray fileIn(const QString& folder, const char* name)
{
    return QFile::encodeName(folder + QLatin1Char('/') + QLatin1String(name));
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every store file under folder (backups not counted) with its bytes.
QMap<QString, QByteArray> filesUnder(const QString& folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, {QStringLiteral("*.xml")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(folder).relativeFilePath(path), readFile(path));
    }
    return files;
}

// What the store answers about every file under folder: each layer file's
// profiles and their content, the macro file's macros and their events.
QStringList storeView(const QString& folder)
{
    QStringList out;
    for (const QString& name : filesUnder(folder).keys()) {
        const QByteArray path = QFile::encodeName(folder + QLatin1Char('/') + name);
        out << QStringLiteral("file ") + name
                   + QStringLiteral(" current %1").arg(COrvaneXML_GetCreateXMLFileProfileIndex(path));
        for (const QString& profile : profileNames(path)) {
            out << QStringLiteral("profile ") + profile;
            out << profileContent(path, profile.section(QLatin1Char(':'), 0, 0).toLatin1());
        }
        std::list<macroNodeInfo> macros;
        COrvaneXML_SelectMacroAllNodes(path, &macros);
        for (const macroNodeInfo& macro : macros) {
            std::list<macroEventItem> events;
            COrvaneXML_SelectAllKeyOrMouseEvent(path, macro.index.c_str(), &events);
            out << QString::fromStdString("macro " + macro.index + ":" + macro.name) << describe(events);
        }
    }
    return out;
}

hidStructInfoAll keyboardRecord()
{
    hidStructInfoAll info;
    qstrncpy(info.modelName, "OV104", sizeof info.modelName);
    qstrncpy(info.deviceType, "keyboard", sizeof info.deviceType);
    info.layoutNumber = 104;
    return info;
}

const DProfileLightDefaults& lightDefaults()
{
    static const DProfileLightDefaults kDefaults(104, QStringLiteral("OV104"), true);
    return kDefaults;
}

// The raw changes of the first rows, as several pages make them one after another.
void keyFunctionsAndLights(const QString& folder)
{
    const QByteArray layer = fileIn(folder, kLayer);
    for (int usage = 4; usage < 30; ++usage) {
        const QByteArray key = QByteArray::number(usage);
        COrvaneXML_DeleteProFileMacroWithKeyInfoItem(layer, "1", key, "K");
        COrvaneXML_AddProFileMacroWithKeyInfoItem(layer, "1", key, "K" + key, "0", "1", "1",
                                                  QByteArray::number(usage + 1));
    }
    COrvaneXML_DeleteProFileMacroWithKeyInfoItem(layer, "1", "5", "B");
    COrvaneXML_AddProFileLightInfoItem(layer, "1", light(0, 7, 4, 2, 10));
    COrvaneXML_ModifyProFileLightInfoItem(layer, "1", 0, 2, light(0, 2, 1, 1, 99));
    COrvaneXML_ModifyProFileMouseLightUsingIndex(layer, "1", 0, 7);
    COrvaneXML_SetProFileIntoSleepTimeInfo(layer, "1", 300, 10);
    COrvaneXML_AddProFileFunctionInfo(layer, "1", "1", "0", "1", "0");
}

void profilesAndSchemes(const QString& folder)
{
    const QByteArray layer = fileIn(folder, kLayer);
    COrvaneXML_CreateProFileXmlParentNode(layer, "2", "Profile2", 0);
    COrvaneXML_AddProFileCustomLightNode(layer, "2", "0", "Mine", "Using", 0);
    for (int cell = 0; cell < 12; ++cell)
        COrvaneXML_AddProFileCustomLightDataInfo(
            layer, "2", "0",
            keyColour(QByteArray::number(4 + cell), "K", cell / 6, cell % 6, 20 * cell, 0, 255 - cell));
    COrvaneXML_ModifyProFileCustomLightNodeName(layer, "2", "0", "Renamed");
    COrvaneXML_ModifyProfileNodeInfo(layer, "1", "First");
    COrvaneXML_ModifyXMLFileProfileIndex(layer, 2);
    COrvaneXML_DeleteProFileSelectedNode(layer, "2");
    COrvaneXML_CreateProFileXmlParentNode(layer, "2", "Again", 0);
}

void macroFile(const QString& folder)
{
    const QByteArray macros = fileIn(folder, kMacros);
    COrvaneXML_CreateMacroXmlParentNode(macros, "2", "Second");
    COrvaneXML_AddKeyOrMouseEventItem(macros, keyPress("1", "4", "A"), "2");
    COrvaneXML_AddKeyOrMouseEventItem(macros, keyPress("2", "5", "B"), "2");
    COrvaneXML_UpdateEventItem(macros, "2", "1", 0, macroEvent("1", "40", "key", "4", "A", "down"));
    COrvaneXML_ModifyMacroNodeName(macros, "1", "First");
}

} // namespace

Q_DECLARE_METATYPE(Changes)

class tst_storeWriteBatch : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_folders = 0;

    // A keyboard's folder as it is after some use: profile 1 with a key
    // bound to macro 1 and its copy, profile 3 with a key and a light; the
    // macro file with macro 1.
    QString usedFolder()
    {
        const QString folder = m_dir.filePath(QStringLiteral("kb%1").arg(++m_folders));
        QDir().mkpath(folder);
        const QByteArray layer = fileIn(folder, kLayer);
        const QByteArray macros = fileIn(folder, kMacros);
        [&] {
            QVERIFY(COrvaneXML_CreateXMLFile(layer));
            QVERIFY(COrvaneXML_CreateProFileXmlParentNode(layer, "1", "Profile1", 0));
            QVERIFY(COrvaneXML_ModifyXMLFileProfileIndex(layer, 1));
            QVERIFY(COrvaneXML_AddProFileMacroWithKeyInfoItem(layer, "1", "5", "B", "1", "1", "1", "1"));
            QVERIFY(COrvaneXML_AddProFileBindMacroItem(layer, "1", keyPress("1", "4", "A"), "1", "Macro1"));
            QVERIFY(COrvaneXML_AddProFileLightInfoItem(layer, "1", light(0, 2)));
            QVERIFY(COrvaneXML_CreateProFileXmlParentNode(layer, "3", "Profile3", 0));
            QVERIFY(COrvaneXML_AddProFileMacroWithKeyInfoItem(layer, "3", "41", "Esc", "0", "1", "1", "42"));
            QVERIFY(COrvaneXML_AddProFileLightInfoItem(layer, "3", light(1, 4)));
            QVERIFY(COrvaneXML_CreateXMLFile(macros));
            QVERIFY(COrvaneXML_CreateMacroXmlParentNode(macros, "1", "Macro1"));
            QVERIFY(COrvaneXML_AddKeyOrMouseEventItem(macros, keyPress("1", "4", "A"), "1"));
            QVERIFY(COrvaneXML_AddKeyOrMouseEventItem(macros, keyPress("2", "6", "C"), "1"));
        }();
        return folder;
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void cleanup()
    {
        XmlStore::instance().cache.setWriteThrough(false);
        XmlStore::instance().cache.setFailCommits(false);
        QCOMPARE(XmlStore::instance().cache.batchDepth(), 0);
    }

    // The same changes on two copies of a folder, one written through and
    // one under a batch: the batched files do not change until the batch
    // ends, the store answers as for the written-through ones meanwhile, and
    // at the end they hold the same bytes, with the version from before the
    // batch as their backup.
    void batchedChangesMatchWrittenThrough_data()
    {
        QTest::addColumn<Changes>("changes");
        QTest::newRow("key functions and lights") << Changes(keyFunctionsAndLights);
        QTest::newRow("profiles and schemes") << Changes(profilesAndSchemes);
        QTest::newRow("macro file") << Changes(macroFile);
        QTest::newRow("two files") << Changes([](const QString& folder) {
            macroFile(folder);
            keyFunctionsAndLights(folder);
        });
        QTest::newRow("new profile with defaults") << Changes([](const QString& folder) {
            QCOMPARE(DProfileOperations(fileIn(folder, kLayer), lightDefaults()).create(),
                     DProfileOperations::Result::Created);
        });
        QTest::newRow("reset to defaults") << Changes([](const QString& folder) {
            QCOMPARE(DProfileOperations(fileIn(folder, kLayer), lightDefaults()).reset(3),
                     DProfileOperations::Result::ResetDone);
        });
        QTest::newRow("new keyboard's files") << Changes([](const QString& folder) {
            DProfileFileSet set;
            QCOMPARE(set.open(folder, keyboardRecord(), kSerial, true, lightDefaults()),
                     DProfileFileSet::OpenResult::Opened);
        });
        QTest::newRow("reported light") << Changes([](const QString& folder) {
            QVERIFY(DXmlLinkProfileStore().saveLight(fileIn(folder, kLayer), 3, light(1, 4, 1, 5, 7)));
            QVERIFY(DXmlLinkProfileStore().saveLight(fileIn(folder, kLayer), 3, light(0, 9)));
        });
        QTest::newRow("bound macro refresh") << Changes([](const QString& folder) {
            QVERIFY(COrvaneXML_AddKeyOrMouseEventItem(fileIn(folder, kMacros), keyPress("3", "7", "D"), "1"));
            QVERIFY(DBoundMacroRefresh::refresh(fileIn(folder, kLayer), 1, fileIn(folder, kMacros), "1"));
        });
    }

    void batchedChangesMatchWrittenThrough()
    {
        QFETCH(Changes, changes);
        const QString through = usedFolder();
        const QString batched = usedFolder();
        const QMap<QString, QByteArray> before = filesUnder(batched);
        QCOMPARE(filesUnder(through), before);

        XmlStore::instance().cache.setWriteThrough(true);
        changes(through);
        XmlStore::instance().cache.setWriteThrough(false);
        const QMap<QString, QByteArray> expected = filesUnder(through);
        QVERIFY(expected != before);

        StoreWriteBatch batch;
        changes(batched);
        // Files made under the batch (a new keyboard's) are not compared:
        // creating a file is written at once.
        for (auto it = before.begin(); it != before.end(); ++it)
            QCOMPARE(readFile(batched + QLatin1Char('/') + it.key()), it.value());
        QCOMPARE(storeView(batched), storeView(through));
        QVERIFY(batch.commit());

        QCOMPARE(filesUnder(batched), expected);
        for (auto it = before.begin(); it != before.end(); ++it) {
            if (expected.value(it.key()) != it.value())
                QCOMPARE(readFile(batched + QLatin1Char('/') + it.key() + QStringLiteral(".bak")), it.value());
        }
        // The store reads the written files as it held them.
        XmlStore::instance().cache.clear();
        QCOMPARE(storeView(batched), storeView(through));
    }

    // Only the outermost batch writes, once, whichever way it ends.
    void nestedBatchesWriteOnce_data()
    {
        QTest::addColumn<bool>("commitOuter");
        QTest::newRow("outer committed") << true;
        QTest::newRow("outer left to its scope") << false;
    }

    void nestedBatchesWriteOnce()
    {
        QFETCH(bool, commitOuter);
        const QString folder = usedFolder();
        const QString layer = QFile::decodeName(fileIn(folder, kLayer));
        const QByteArray path = fileIn(folder, kLayer);
        const QByteArray before = readFile(layer);
        {
            StoreWriteBatch outer;
            QVERIFY(COrvaneXML_ModifyProfileNodeInfo(path, "1", "Outer"));
            {
                StoreWriteBatch inner;
                QVERIFY(COrvaneXML_ModifyProfileNodeInfo(path, "3", "Inner"));
                {
                    StoreWriteBatch innermost;
                    QVERIFY(COrvaneXML_SetProFileIntoSleepTimeInfo(path, "3", 120, 5));
                }
                QVERIFY(inner.commit());
                QVERIFY(inner.commit());
            }
            QCOMPARE(readFile(layer), before);
            QCOMPARE(profileNames(path), (QStringList{"1:Outer", "3:Inner"}));
            if (commitOuter) {
                QVERIFY(outer.commit());
                QVERIFY(readFile(layer) != before);
            }
        }
        // One write: the backup is the file from before the outer batch.
        QCOMPARE(readFile(layer + QStringLiteral(".bak")), before);
        XmlStore::instance().cache.clear();
        QCOMPARE(profileNames(path), (QStringList{"1:Outer", "3:Inner"}));
        sleepTimeInfo sleep{};
        QVERIFY(COrvaneXML_GetProFileIntoSleepTimeInfo(path, "3", &sleep));
        QCOMPARE(sleep.lightSleepSeconds, 120);
        QCOMPARE(sleep.keyboardSleepMinutes, 5);
    }

    // A batch that cannot write a file reports it; the file and its backup
    // stay as they were and the store forgets the held-back changes. A file
    // of the batch that can be written is written.
    void failedWriteIsReportedAndKeepsTheFile_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::addColumn<bool>("otherWritten");
        QTest::newRow("folder refuses new files") << "locked" << true;
        QTest::newRow("file removed meanwhile") << "removed" << true;
        QTest::newRow("no file can be replaced") << "commit" << false;
    }

    void failedWriteIsReportedAndKeepsTheFile()
    {
        QFETCH(QString, failure);
        QFETCH(bool, otherWritten);
        const QString folder = usedFolder();
        const QString other = usedFolder();
        const QString layer = QFile::decodeName(fileIn(folder, kLayer));
        const QByteArray path = fileIn(folder, kLayer);
        const QByteArray otherPath = fileIn(other, kLayer);
        // Another change first, so "<file>.bak" differs from the file.
        QVERIFY(COrvaneXML_ModifyProfileNodeInfo(path, "3", "Three"));
        const QByteArray before = readFile(layer);
        const QByteArray backup = readFile(layer + QStringLiteral(".bak"));
        const QStringList view = storeView(folder);

        bool written = true;
        {
            std::unique_ptr<LockedFolder> lock;
            StoreWriteBatch batch;
            QVERIFY(COrvaneXML_ModifyProfileNodeInfo(otherPath, "1", "Other"));
            {
                StoreWriteBatch inner;
                QVERIFY(COrvaneXML_CreateProFileXmlParentNode(path, "2", "Profile2", 0));
                QVERIFY(COrvaneXML_DeleteProFileSelectedNode(path, "3"));
                QVERIFY(inner.commit());
            }
            if (failure == QLatin1String("locked")) {
                lock = std::make_unique<LockedFolder>(folder);
                if (!lock->locked())
                    QSKIP("this file system cannot lock a folder");
            } else if (failure == QLatin1String("commit")) {
                XmlStore::instance().cache.setFailCommits(true);
            } else {
                QVERIFY(QFile::rename(layer, layer + QStringLiteral(".moved")));
                // Still the held-back changes, not the missing file.
                QCOMPARE(profileNames(path), (QStringList{"1:Profile1", "2:Profile2"}));
            }
            written = batch.commit();
            QVERIFY(!batch.commit());
        }
        QVERIFY(!written);
        XmlStore::instance().cache.setFailCommits(false);
        if (failure == QLatin1String("removed")) {
            QVERIFY(!QFile::exists(layer));
            QVERIFY(QFile::rename(layer + QStringLiteral(".moved"), layer));
        }
        QCOMPARE(readFile(layer), before);
        // A replace that fails after the backup was kept leaves the backup a
        // copy of the file, which is intact.
        QCOMPARE(readFile(layer + QStringLiteral(".bak")), failure == QLatin1String("commit") ? before : backup);
        QCOMPARE(storeView(folder), view);
        QCOMPARE(profileNames(otherPath), (QStringList{otherWritten ? "1:Other" : "1:Profile1", "3:Profile3"}));
        // Writing works again once the folder lets it.
        QVERIFY(COrvaneXML_DeleteProFileSelectedNode(path, "3"));
        QCOMPARE(profileNames(path), QStringList{"1:Profile1"});
    }

    // A batch given up, at whichever level, writes nothing of itself, not
    // even the changes that went through before it was given up; the store
    // reads as the files do, and the next change is written as usual.
    void abandonedBatchWritesNothing_data()
    {
        QTest::addColumn<bool>("innerGivesUp");
        QTest::newRow("outer gives up") << false;
        QTest::newRow("inner gives up, outer commits") << true;
    }

    void abandonedBatchWritesNothing()
    {
        QFETCH(bool, innerGivesUp);
        const QString folder = usedFolder();
        const QByteArray path = fileIn(folder, kLayer);
        const QMap<QString, QByteArray> files = filesUnder(folder);
        const QStringList view = storeView(folder);
        {
            StoreWriteBatch outer;
            QVERIFY(COrvaneXML_ModifyProfileNodeInfo(path, "1", "Outer"));
            {
                StoreWriteBatch inner;
                QVERIFY(COrvaneXML_DeleteProFileSelectedNode(path, "3"));
                if (innerGivesUp) {
                    inner.abandon();
                    QVERIFY(!inner.commit());
                } else {
                    QVERIFY(inner.commit());
                }
            }
            if (innerGivesUp) {
                QVERIFY(!outer.commit());
            } else {
                outer.abandon();
                QVERIFY(!outer.commit());
            }
        }
        QCOMPARE(filesUnder(folder), files);
        QCOMPARE(storeView(folder), view);
        QCOMPARE(profileNames(path), (QStringList{"1:Profile1", "3:Profile3"}));

        StoreWriteBatch next;
        QVERIFY(COrvaneXML_ModifyProfileNodeInfo(path, "1", "After"));
        QVERIFY(next.commit());
        XmlStore::instance().cache.clear();
        QCOMPARE(profileNames(path), (QStringList{"1:After", "3:Profile3"}));
    }

    // Operations that batch their changes report a write that fails, and
    // leave the file as it was.
    void operationsReportAFailedWrite()
    {
        const QString folder = usedFolder();
        const QString layer = QFile::decodeName(fileIn(folder, kLayer));
        const QByteArray path = fileIn(folder, kLayer);
        const QByteArray before = readFile(layer);
        DProfileOperations operations(path, lightDefaults());
        XmlStore::instance().cache.setFailCommits(true);
        QCOMPARE(operations.create(), DProfileOperations::Result::CreateFailed);
        QCOMPARE(operations.reset(3), DProfileOperations::Result::ResetFailed);
        QVERIFY(!DXmlLinkProfileStore().saveLight(path, 3, light(0, 9)));
        QVERIFY(!DBoundMacroRefresh::refresh(path, 1, fileIn(folder, kMacros), "1"));
        XmlStore::instance().cache.setFailCommits(false);
        QCOMPARE(readFile(layer), before);
        QCOMPARE(profileNames(path), (QStringList{"1:Profile1", "3:Profile3"}));
    }
};

ORVANE_TEST_MAIN(tst_storeWriteBatch)
#include "tst_storeWriteBatch.moc"
