// Export of a macro to a file of its own and import of such a file, through
// the macro editor with its dialogs answered as a user would, on a real
// macro file: what is written, what is asked, what is refused and why, and
// that a refused file stores nothing.
#include "support/ApplicationSetUp.h"
#include "support/DialogAnswers.h"
#include "support/LockedFolder.h"
#include "support/MacroEditorProbe.h"
#include "support/StoreTestSupport.h"
#include "support/TestMain.h"

#include "app/DDataManager.h"
#include "sdk/store/XmlStore.h"
#include "ui/macro/DMacroListItem.h"
#include "ui/macro/DMacroPage.h"

#include <QDir>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>

#include <sys/stat.h>

using namespace DialogAnswers;
using namespace MacroEditorProbe;
using namespace StoreTestSupport;

namespace {

// Macro 2 as it is exported: a key whose label is not ASCII, then a button.
const char kExportedMacro2[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<Parameters profileIndex="1">
    <macro index="2" name="Macro2">
        <item mark="1" delay="0" type="key" keyCode="51" codeName="Ö" operateExplain="down"/>
        <item mark="1" delay="120" type="key" keyCode="51" codeName="Ö" operateExplain="up"/>
        <item mark="2" delay="35" type="mouse" keyCode="516" codeName="Right Click" operateExplain="down"/>
        <item mark="2" delay="40" type="mouse" keyCode="517" codeName="Right Click" operateExplain="up"/>
    </macro>
</Parameters>
)";

std::list<macroEventItem> macro2Events()
{
    return {macroEvent("1", "0", "key", "51", "Ö", "down"), macroEvent("1", "120", "key", "51", "Ö", "up"),
            macroEvent("2", "35", "mouse", "516", "Right Click", "down"),
            macroEvent("2", "40", "mouse", "517", "Right Click", "up")};
}

QByteArray item(const QByteArray& mark, const QByteArray& delay, const QByteArray& type, const QByteArray& code,
                const QByteArray& name, const QByteArray& explain, const QByteArray& element = "item")
{
    return "<" + element + " mark=\"" + mark + "\" delay=\"" + delay + "\" type=\"" + type + "\" keyCode=\"" + code
           + "\" codeName=\"" + name + "\" operateExplain=\"" + explain + "\"/>\n";
}

QByteArray pressOfA(const QByteArray& mark)
{
    return item(mark, "10", "key", "4", "A", "down") + item(mark, "20", "key", "4", "A", "up");
}

QByteArray document(const QByteArray& items)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Parameters profileIndex=\"1\">\n"
           "<macro index=\"7\" name=\"Seven\">\n"
           + items + "</macro>\n</Parameters>\n";
}

QStringList eventsOf(const QByteArray& path, const QByteArray& index)
{
    std::list<macroEventItem> events;
    if (!COrvaneXML_SelectAllKeyOrMouseEvent(path, index, &events))
        return {QStringLiteral("unreadable")};
    return describe(events);
}

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class tst_macroTransfer : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_files = 0;
    QList<QPointer<DMacroPage>> m_open;

    // A macro file holding macros `indexes`: macro 2 holds the events of
    // kExportedMacro2, every other macro n holds n presses of A.
    QByteArray macroFile(const QList<int>& indexes)
    {
        const QByteArray path = pathIn(m_dir, QStringLiteral("macros%1.xml").arg(++m_files));
        [&] {
            QVERIFY(COrvaneXML_CreateXMLFile(path));
            for (int index : indexes) {
                const QByteArray text = QByteArray::number(index);
                QVERIFY(COrvaneXML_CreateMacroXmlParentNode(path, text, "Macro" + text));
                std::list<macroEventItem> events = index == 2 ? macro2Events() : std::list<macroEventItem>();
                for (int press = 1; index != 2 && press <= index; ++press) {
                    for (const macroEventItem& event : keyPress(QByteArray::number(press), "4", "A"))
                        events.push_back(event);
                }
                QVERIFY(COrvaneXML_AddKeyOrMouseEventItem(path, events, text));
            }
        }();
        return path;
    }

    QString newFolder()
    {
        const QString folder = m_dir.filePath(QStringLiteral("folder%1").arg(++m_files));
        QDir().mkpath(folder);
        return folder;
    }

    DMacroPage* openEditor(const QByteArray& path)
    {
        DMacroPage* page = openMacroEditor(path);
        m_open << page;
        return page;
    }

    // The row menu's Export, with the folder dialog answered by `folder`.
    static void exportMacro(DMacroPage* page, const QString& index, const QString& folder)
    {
        answerFileDialog(folder);
        DMacroListItem* row = macroRow(page, index);
        QVERIFY(row);
        QVERIFY(QMetaObject::invokeMethod(row, "onMacroExport"));
    }

    // The import button, with the file dialog answered by `file`.
    static void importFile(DMacroPage* page, const QString& file)
    {
        answerFileDialog(file);
        page->findChild<QPushButton*>(QStringLiteral("pushButton_Import"))->click();
    }

private slots:
    void initTestCase()
    {
        prepareApplicationTest();
        QVERIFY(m_dir.isValid());
    }

    void cleanup()
    {
        for (const QPointer<DMacroPage>& page : qAsConst(m_open))
            delete page.data();
        m_open.clear();
        XmlStore::instance().cache.clear();
    }

    void exportWritesTheFile()
    {
        const QByteArray path = macroFile({1, 2});
        DMacroPage* page = openEditor(path);
        const QString folder = newFolder();
        exportMacro(page, QStringLiteral("2"), folder);
        QCOMPARE(toast(page), QStringLiteral("Export macro successful"));
        QCOMPARE(entries(folder), QStringList{"Macro2.xml"});
        QCOMPARE(readFileBytes(QFile::encodeName(folder + QStringLiteral("/Macro2.xml"))),
                 QByteArray(kExportedMacro2));
        // Export reads; it changes nothing.
        QCOMPARE(macroNames(path), (QStringList{"1:Macro1", "2:Macro2"}));
    }

    void existingFileIsAskedAbout_data()
    {
        QTest::addColumn<bool>("replace");
        QTest::newRow("Yes replaces it") << true;
        QTest::newRow("No keeps it") << false;
    }

    void existingFileIsAskedAbout()
    {
        QFETCH(bool, replace);
        DMacroPage* page = openEditor(macroFile({1, 2}));
        const QString folder = newFolder();
        const QString target = folder + QStringLiteral("/Macro2.xml");
        const QByteArray old("<old>kept byte for byte</old>\r\n");
        QVERIFY(writeFile(target, old));

        QString question;
        answerQuestion(page, replace ? QStringLiteral("Yes") : QStringLiteral("No"), &question);
        exportMacro(page, QStringLiteral("2"), folder);
        QCOMPARE(question, QStringLiteral("The file %1 already exists. Do you want to replace it?")
                               .arg(QDir::toNativeSeparators(target)));
        QCOMPARE(entries(folder), QStringList{"Macro2.xml"});
        QCOMPARE(readFileBytes(QFile::encodeName(target)), replace ? QByteArray(kExportedMacro2) : old);
        QCOMPARE(toast(page) == QLatin1String("Export macro successful"), replace);
    }

    void aLinkInTheFolderIsReplacedNotFollowed()
    {
        DMacroPage* page = openEditor(macroFile({1, 2}));
        const QString folder = newFolder();
        const QString elsewhere = newFolder() + QStringLiteral("/elsewhere.xml");
        const QByteArray old("not to be touched");
        QVERIFY(writeFile(elsewhere, old));
        QVERIFY(QFile::link(elsewhere, folder + QStringLiteral("/Macro2.xml")));

        QString question;
        answerQuestion(page, QStringLiteral("Yes"), &question);
        exportMacro(page, QStringLiteral("2"), folder);
        QVERIFY(!question.isEmpty());
        QCOMPARE(toast(page), QStringLiteral("Export macro successful"));
        QCOMPARE(readFileBytes(QFile::encodeName(elsewhere)), old);
        const QFileInfo written(folder + QStringLiteral("/Macro2.xml"));
        QVERIFY(!written.isSymLink());
        QCOMPARE(readFileBytes(QFile::encodeName(written.filePath())), QByteArray(kExportedMacro2));
    }

    void exportThenImport_data()
    {
        QTest::addColumn<QString>("macroName");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("importedName");
        QTest::newRow("Macro2.xml") << "Macro2"
                                    << "Macro2.xml"
                                    << "Macro2";
        QTest::newRow("my.macro.xml") << "my.macro"
                                      << "my.macro.xml"
                                      << "my";
    }

    void exportThenImport()
    {
        QFETCH(QString, macroName);
        QFETCH(QString, fileName);
        QFETCH(QString, importedName);
        const QByteArray path = macroFile({3, 2, 1});
        QVERIFY(COrvaneXML_ModifyMacroNodeName(path, "2", macroName.toUtf8()));
        DMacroPage* page = openEditor(path);
        const QString folder = newFolder();
        exportMacro(page, QStringLiteral("2"), folder);
        QCOMPARE(entries(folder), QStringList{fileName});

        importFile(page, folder + QLatin1Char('/') + fileName);
        QCOMPARE(toast(page), QStringLiteral("Import macro successful"));
        // One above the largest index in use.
        QCOMPARE(macroNames(path), (QStringList{"1:Macro1", "2:" + macroName, "3:Macro3", "4:" + importedName}));
        QCOMPARE(eventsOf(path, "4"), describe(macro2Events()));
        // The list is read again and shows the first macro, one press of A.
        QCOMPARE(macroRows(page), (QStringList{"*1:Macro1", "2:" + macroName, "3:Macro3", "4:" + importedName}));
        QCOMPARE(eventTexts(page).size(), 2);
    }

    // Every macro the editor can hold, from none to its 40 events, comes
    // back from its own export as it went.
    void everyMacroComesBack_data()
    {
        QTest::addColumn<int>("pairs");
        QTest::addColumn<bool>("mouse");
        QTest::newRow("an empty macro") << 0 << false;
        QTest::newRow("one key") << 1 << false;
        QTest::newRow("one mouse button") << 1 << true;
        QTest::newRow("the editor's 40 events") << 20 << false;
    }

    void everyMacroComesBack()
    {
        QFETCH(int, pairs);
        QFETCH(bool, mouse);
        const QByteArray path = pathIn(m_dir, QStringLiteral("macros%1.xml").arg(++m_files));
        QVERIFY(COrvaneXML_CreateXMLFile(path));
        QVERIFY(COrvaneXML_CreateMacroXmlParentNode(path, "1", "Held"));
        std::list<macroEventItem> events;
        for (int pair = 1; pair <= pairs; ++pair) {
            const QByteArray mark = QByteArray::number(pair);
            if (mouse) {
                events.push_back(macroEvent(mark, "5", "mouse", "513", "Left Click", "down"));
                events.push_back(macroEvent(mark, "6", "mouse", "514", "Left Click", "up"));
            } else {
                for (const macroEventItem& event : keyPress(mark, QByteArray::number(3 + pair), "K"))
                    events.push_back(event);
            }
        }
        QVERIFY(COrvaneXML_AddKeyOrMouseEventItem(path, events, "1"));
        DMacroPage* page = openEditor(path);
        const QString folder = newFolder();
        exportMacro(page, QStringLiteral("1"), folder);
        QCOMPARE(entries(folder), QStringList{"Held.xml"});

        importFile(page, folder + QStringLiteral("/Held.xml"));
        QCOMPARE(toast(page), QStringLiteral("Import macro successful"));
        QCOMPARE(macroNames(path), (QStringList{"1:Held", "2:Held"}));
        QCOMPARE(eventsOf(path, "2"), describe(events));
    }

    void importAccepts_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("events");
        const QStringList noDelays = {describe(macroEvent("1", "0", "key", "4", "A", "down")),
                                      describe(macroEvent("1", "0", "key", "4", "A", "up"))};
        QStringList withDelays;
        for (const macroEventItem& event :
             {macroEvent("1", "10", "key", "4", "A", "down"), macroEvent("1", "20", "key", "4", "A", "up")})
            withDelays << describe(event);

        QTest::newRow("events in elements of any name")
            << document(item("1", "10", "key", "4", "A", "down", "press") + item("1", "20", "key", "4", "A", "up", "x"))
            << withDelays;
        QTest::newRow("an absent delay is 0") << document("<item mark=\"1\" type=\"key\" keyCode=\"4\" codeName=\"A\" "
                                                          "operateExplain=\"down\"/>\n"
                                                          "<item mark=\"1\" type=\"key\" keyCode=\"4\" codeName=\"A\" "
                                                          "operateExplain=\"up\"/>\n")
                                              << noDelays;
        QTest::newRow("two macro elements, one new macro")
            << QByteArray("<Parameters><macro index=\"1\" name=\"a\">" + item("1", "10", "key", "4", "A", "down")
                          + "</macro><macro index=\"2\" name=\"b\">" + item("1", "20", "key", "4", "A", "up")
                          + "</macro></Parameters>")
            << withDelays;
        QStringList both = withDelays;
        QByteArray mouseAndKey = pressOfA("1");
        both << describe(macroEvent("2", "0", "mouse", "519", "Center Click", "down"))
             << describe(macroEvent("2", "65535", "mouse", "520", "Center Click", "up"));
        mouseAndKey += item("2", "0", "mouse", "519", "Center Click", "down")
                       + item("2", "65535", "mouse", "520", "Center Click", "up");
        QTest::newRow("a mouse button, the longest delay") << document(mouseAndKey) << both;
        QByteArray sixtyTwo;
        QStringList stored;
        for (int pair = 1; pair <= 31; ++pair) {
            const QByteArray mark = QByteArray::number(pair);
            sixtyTwo += item(mark, "0", "key", "-1", "", "down") + item(mark, "1", "key", "255", "", "up");
            stored << describe(macroEvent(mark, "0", "key", "-1", "", "down"))
                   << describe(macroEvent(mark, "1", "key", "255", "", "up"));
        }
        QTest::newRow("62 events, key codes at both ends") << document(sixtyTwo) << stored;
    }

    void importAccepts()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, events);
        const QByteArray path = macroFile({});
        DMacroPage* page = openEditor(path);
        const QString chosen = newFolder() + QStringLiteral("/Picked.xml");
        QVERIFY(writeFile(chosen, file));
        importFile(page, chosen);
        QCOMPARE(toast(page), QStringLiteral("Import macro successful"));
        QCOMPARE(macroNames(path), QStringList{"1:Picked"});
        QCOMPARE(eventsOf(path, "1"), events);
        QCOMPARE(macroRows(page), QStringList{"*1:Picked"});
    }

    void importRefusals_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("reason");
        const QString notXml = QStringLiteral("the file is not a complete XML document");
        const QString unpaired = QStringLiteral("mark 1 does not have one press followed by one release");
        const QByteArray whole = document(pressOfA("1"));

        QTest::newRow("not XML") << QByteArray("mark=1 type=key") << notXml;
        QTest::newRow("empty") << QByteArray() << notXml;
        QTest::newRow("cut short") << whole.left(whole.indexOf("</macro>")) << notXml;
        QTest::newRow("neither a macro nor an event")
            << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Parameters profileIndex=\"1\"/>\n")
            << QStringLiteral("the file holds no event");
        QTest::newRow("type") << document(item("1", "0", "pen", "4", "A", "down") + item("1", "0", "key", "4", "A", "up"))
                              << QStringLiteral("event 1 is neither a key nor a mouse event");
        QTest::newRow("no type in an item")
            << document("<item mark=\"1\" delay=\"0\" keyCode=\"4\" codeName=\"A\" operateExplain=\"down\"/>")
            << QStringLiteral("event 1 is neither a key nor a mouse event");
        const QString keyCode = QStringLiteral("the key code of event 1 is not a number from -1 to 255");
        for (const char* code : {"256", "-2", "0x10", "", "4.0", "+4"})
            QTest::addRow("key code \"%s\"", code)
                << document(item("1", "0", "key", code, "A", "down") + item("1", "0", "key", "4", "A", "up")) << keyCode;
        for (const char* code : {"4", "515", "518", "0"})
            QTest::addRow("mouse code %s", code)
                << document(item("1", "0", "mouse", code, "Left Click", "down")
                            + item("1", "0", "mouse", "514", "Left Click", "up"))
                << QStringLiteral("the mouse code of event 1 names no mouse button");
        const QString delay = QStringLiteral("the delay of event 3 is not a number from 0 to 65535");
        for (const char* value : {"65536", "-1", "1.5", "", "ten"})
            QTest::addRow("delay \"%s\"", value)
                << document(pressOfA("1") + item("2", value, "key", "5", "B", "down")
                            + item("2", "0", "key", "5", "B", "up"))
                << delay;
        QTest::newRow("direction") << document(item("1", "0", "key", "4", "A", "hold"))
                                   << QStringLiteral("event 1 is neither a press nor a release");
        for (const char* mark : {"a", "-1", "", "1.0", " 1"})
            QTest::addRow("mark \"%s\"", mark) << document(item(mark, "0", "key", "4", "A", "down"))
                                               << QStringLiteral("the mark of event 1 is not a decimal number");
        QTest::newRow("two presses") << document(item("1", "0", "key", "4", "A", "down") + pressOfA("1"))
                                     << unpaired;
        QTest::newRow("two releases") << document(pressOfA("1") + item("1", "0", "key", "4", "A", "up")) << unpaired;
        QTest::newRow("release before its press")
            << document(item("1", "0", "key", "4", "A", "up") + item("1", "0", "key", "4", "A", "down")) << unpaired;
        QTest::newRow("press without release")
            << document(item("1", "0", "key", "4", "A", "down") + pressOfA("2")) << unpaired;
        const QString tooLong = QStringLiteral("a value of event 3 is longer than its field");
        QTest::newRow("label of 64 bytes")
            << document(pressOfA("1") + item("2", "0", "key", "5", QString(32, QChar(0xd6)).toUtf8(), "down"))
            << tooLong;
        QTest::newRow("mark of 64 digits") << document(pressOfA("1") + item(QByteArray(64, '1'), "0", "key", "5", "B", "down"))
                                           << tooLong;
        QTest::newRow("delay of 16 digits")
            << document(pressOfA("1") + item("2", QByteArray(16, '0'), "key", "5", "B", "down")) << tooLong;
        QByteArray sixtyThree;
        for (int pair = 1; pair <= 32; ++pair)
            sixtyThree += pressOfA(QByteArray::number(pair));
        QTest::newRow("63 events") << document(sixtyThree.left(sixtyThree.lastIndexOf("<item")))
                                   << QStringLiteral("the file holds too many events (at most 62)");
        QTest::newRow("over 1 MiB") << document(pressOfA("1") + "<!--" + QByteArray(1024 * 1024, ' ') + "-->")
                                    << QStringLiteral("the file is larger than 1 MB");
        // A FIFO stands for a file that cannot be opened: permissions do not
        // stop a test that runs as root.
        QTest::newRow("cannot be opened") << QByteArray("fifo") << QStringLiteral("the file could not be opened");
    }

    void importRefusals()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, reason);
        const QByteArray path = macroFile({1});
        const QByteArray before = readFileBytes(path);
        DMacroPage* page = openEditor(path);
        const QString chosen = newFolder() + QStringLiteral("/Refused.xml");
        if (QByteArray(QTest::currentDataTag()) == "cannot be opened")
            QCOMPARE(::mkfifo(QFile::encodeName(chosen).constData(), 0600), 0);
        else
            QVERIFY(writeFile(chosen, file));
        importFile(page, chosen);
        QCOMPARE(toast(page), QStringLiteral("Import macro failed: ") + reason);
        QCOMPARE(macroNames(path), QStringList{"1:Macro1"});
        QCOMPARE(readFileBytes(path), before);
        QCOMPARE(macroRows(page), QStringList{"*1:Macro1"});
    }

    void cancelledDialogsChangeNothing()
    {
        const QByteArray path = macroFile({1, 2});
        const QByteArray before = readFileBytes(path);
        DMacroPage* page = openEditor(path);
        const QStringList outside = entries(m_dir.path());

        importFile(page, QString());
        QCOMPARE(toast(page), QString());
        exportMacro(page, QStringLiteral("2"), QString());
        QCOMPARE(toast(page), QStringLiteral("Please select save directory first"));

        QCOMPARE(readFileBytes(path), before);
        QCOMPARE(entries(m_dir.path()), outside);
        QCOMPARE(macroRows(page), (QStringList{"*1:Macro1", "2:Macro2"}));
    }

    void exportOfAnUnreadableMacro()
    {
        const QByteArray path = macroFile({1, 2});
        DMacroPage* page = openEditor(path);
        // Gone from the file behind the editor's back: its row stays.
        QVERIFY(COrvaneXML_DeleteMacroNode(path, "2"));
        const QString folder = newFolder();
        exportMacro(page, QStringLiteral("2"), folder);
        QCOMPARE(toast(page), QStringLiteral("Export macro failed: the macro could not be read"));
        QCOMPARE(entries(folder), QStringList());
    }

    void exportIntoAFolderThatCannotBeWritten()
    {
        DMacroPage* page = openEditor(macroFile({1, 2}));
        const QString folder = newFolder();
        LockedFolder lock(folder);
        if (!lock.locked())
            QSKIP("this file system cannot lock a folder");
        exportMacro(page, QStringLiteral("2"), folder);
        QCOMPARE(toast(page), QStringLiteral("Export macro failed: %1 could not be written")
                                  .arg(QDir::toNativeSeparators(folder + QStringLiteral("/Macro2.xml"))));
        QCOMPARE(entries(folder), QStringList());
    }

    void exportFileNames_data()
    {
        QTest::addColumn<QString>("macroName");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("climbing out") << "../x"
                                      << "x.xml";
        QTest::newRow("a sub-folder") << "a/b"
                                      << "ab.xml";
        QTest::newRow("back-slashes") << "..\\..\\y"
                                      << "y.xml";
        QTest::newRow("hidden") << ".hidden"
                                << "hidden.xml";
        QTest::newRow("control characters") << QStringLiteral("a\tb\x01\nc") << "abc.xml";
        QTest::newRow("nothing left") << "/../."
                                      << "Macro2.xml";
        QTest::newRow("spaces only") << "   "
                                     << "Macro2.xml";
    }

    void exportFileNames()
    {
        QFETCH(QString, macroName);
        QFETCH(QString, fileName);
        const QByteArray path = macroFile({1, 2});
        QVERIFY(COrvaneXML_ModifyMacroNodeName(path, "2", macroName.toUtf8()));
        DMacroPage* page = openEditor(path);
        const QString parent = newFolder();
        const QString folder = parent + QStringLiteral("/chosen");
        QVERIFY(QDir().mkpath(folder));
        const QStringList outside = entries(m_dir.path());

        exportMacro(page, QStringLiteral("2"), folder);
        QCOMPARE(toast(page), QStringLiteral("Export macro successful"));
        QCOMPARE(entries(folder), QStringList{fileName});
        QCOMPARE(entries(parent), QStringList{"chosen"});
        QCOMPARE(entries(m_dir.path()), outside);
        // The file still carries the macro's own name.
        const QByteArray written = readFileBytes(QFile::encodeName(folder + QLatin1Char('/') + fileName));
        QVERIFY(written.contains("<item mark=\"2\" delay=\"40\""));
    }
};

ORVANE_TEST_MAIN(tst_macroTransfer)
#include "tst_macroTransfer.moc"
