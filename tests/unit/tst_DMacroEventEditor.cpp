// Changing the macro on show one event at a time: selecting, inserting a
// pair, changing an event and its partner, moving and deleting, through the
// real profile store in a temporary folder. After every case the file must
// hold exactly what the editor shows.
#include "profiles/DMacroEventEditor.h"
#include "support/LockedFolder.h"
#include "support/MacroEditorSupport.h"
#include "support/StoreTestSupport.h"
#include "support/TestMain.h"

#include "sdk/store/XmlStore.h"

#include <QDir>
#include <QTemporaryDir>

using MacroEditorSupport::describeEvents;

namespace {

using Result = DMacroEventEditor::Result;

const QStringList kResultNames{"Done", "NoSelection", "NoKey", "LimitReached", "Unchanged", "WriteFailed"};

QString nameOf(Result result)
{
    return kResultNames.value(int(result));
}

DMacroEvent::MouseButton buttonNamed(const QString& name)
{
    if (name == QLatin1String("center"))
        return DMacroEvent::CenterButton;
    return name == QLatin1String("right") ? DMacroEvent::RightButton : DMacroEvent::LeftButton;
}

// A, pressed 10 ms after the start and released 5 ms later, then B (20, 6).
const QList<DMacroEvent> kTwoPairs = {
    DMacroEvent::key(1, 10, 4, "A", true),
    DMacroEvent::key(1, 5, 4, "A", false),
    DMacroEvent::key(2, 20, 5, "B", true),
    DMacroEvent::key(2, 6, 5, "B", false),
};

} // namespace

class tst_DMacroEventEditor : public QObject
{
    Q_OBJECT

private slots:
    void editing_data();
    void editing();
    void rowLimit_data();
    void rowLimit();
    void appendKeepsStoredEvents();
    void failedWriteChangesNothing();

private:
    // A macro file of its own holding macro 1 with the events, and the
    // editor showing it as read back.
    void open(const QList<DMacroEvent>& events, const QByteArray& name = "Macro1");
    QStringList stored() const;
    // One action of a case, as text: "select N", "key before|after USAGE
    // NAME" ("-" for no name), "mouse before|after left|center|right",
    // "changeKey NAME USAGE DELAY", "changeMouse BUTTON DELAY", "up", "down",
    // "remove N".
    QString act(const QString& action);

    QTemporaryDir m_dir;
    int m_files = 0;
    DMacroFile m_file;
    DMacroEventEditor m_editor;
};

void tst_DMacroEventEditor::open(const QList<DMacroEvent>& events, const QByteArray& name)
{
    const QString folder = m_dir.filePath(QStringLiteral("config%1").arg(++m_files));
    QVERIFY(QDir().mkpath(folder));
    m_file = DMacroFile(QFile::encodeName(folder + QStringLiteral("/appMacro.xml")));
    QVERIFY(COrvaneXML_CreateXMLFile(m_file.path()));
    QVERIFY(COrvaneXML_CreateMacroXmlParentNode(m_file.path(), "1", name));
    std::list<macroEventItem> items;
    for (const DMacroEvent& event : events) {
        macroEventItem item{};
        QVERIFY(event.toItem(&item));
        items.push_back(item);
    }
    if (!items.empty())
        QVERIFY(COrvaneXML_AddKeyOrMouseEventItem(m_file.path(), items, "1"));
    QList<DMacroEvent> read;
    QVERIFY(m_file.events("1", &read));
    m_editor.setFile(m_file);
    m_editor.show("1", QString::fromUtf8(name), read);
}

QStringList tst_DMacroEventEditor::stored() const
{
    QList<DMacroEvent> read;
    if (!m_file.events("1", &read))
        return {"unreadable"};
    return describeEvents(read);
}

QString tst_DMacroEventEditor::act(const QString& action)
{
    const QStringList word = action.split(QLatin1Char(' '));
    const QString verb = word.value(0);
    const auto place = [&] {
        return word.value(1) == QLatin1String("before") ? DMacroEventEditor::Place::Before
                                                        : DMacroEventEditor::Place::After;
    };
    const auto text = [](const QString& value) { return value == QLatin1String("-") ? QString() : value; };
    if (verb == QLatin1String("select")) {
        m_editor.select(word.value(1).toInt());
        return QStringLiteral("Done");
    }
    if (verb == QLatin1String("key"))
        return nameOf(m_editor.insertKey(place(), word.value(2).toInt(), text(word.value(3))));
    if (verb == QLatin1String("mouse"))
        return nameOf(m_editor.insertMouse(place(), buttonNamed(word.value(2))));
    if (verb == QLatin1String("changeKey"))
        return nameOf(m_editor.changeToKey(text(word.value(1)), word.value(2).toInt(), word.value(3).toInt()));
    if (verb == QLatin1String("changeMouse"))
        return nameOf(m_editor.changeToMouse(buttonNamed(word.value(1)), word.value(2).toInt()));
    if (verb == QLatin1String("up"))
        return nameOf(m_editor.moveUp());
    if (verb == QLatin1String("down"))
        return nameOf(m_editor.moveDown());
    if (verb == QLatin1String("remove"))
        return nameOf(m_editor.removePair(word.value(1).toInt()));
    return QStringLiteral("unknown action ") + action;
}

void tst_DMacroEventEditor::editing_data()
{
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QStringList>("results");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<int>("selected");
    QTest::addColumn<qint64>("total");
    QTest::addColumn<int>("presses");

    const QStringList unchanged{"1/10/key/4/A/down", "1/5/key/4/A/up", "2/20/key/5/B/down", "2/6/key/5/B/up"};
    QTest::newRow("insert before the selected row: the pair at 2 and 3, the selection at 4")
        << QStringList{"select 2", "key before 6 C"} << QStringList{"Done", "Done"}
        << QStringList{"1/10/key/4/A/down", "1/5/key/4/A/up",    "3/0/key/6/C/down",
                       "3/0/key/6/C/up",    "2/20/key/5/B/down", "2/6/key/5/B/up"}
        << 4 << qint64(41) << 3;
    QTest::newRow("insert after the selected row: the pair at 3 and 4")
        << QStringList{"select 2", "key after 6 C"} << QStringList{"Done", "Done"}
        << QStringList{"1/10/key/4/A/down", "1/5/key/4/A/up", "2/20/key/5/B/down",
                       "3/0/key/6/C/down",  "3/0/key/6/C/up", "2/6/key/5/B/up"}
        << 2 << qint64(41) << 3;
    QTest::newRow("two inserts after: the second right after the selected row")
        << QStringList{"select 2", "key after 6 C", "key after 7 D"} << QStringList{"Done", "Done", "Done"}
        << QStringList{"1/10/key/4/A/down", "1/5/key/4/A/up",   "2/20/key/5/B/down", "4/0/key/7/D/down",
                       "4/0/key/7/D/up",    "3/0/key/6/C/down", "3/0/key/6/C/up",    "2/6/key/5/B/up"}
        << 2 << qint64(41) << 4;
    QTest::newRow("insert a button pair")
        << QStringList{"select 3", "mouse after right"} << QStringList{"Done", "Done"}
        << (unchanged + QStringList{"3/0/mouse/516/Right Click/down", "3/0/mouse/517/Right Click/up"}) << 3
        << qint64(41) << 3;
    QTest::newRow("insert without a selection")
        << QStringList{"key after 6 C", "mouse before left"} << QStringList{"NoSelection", "NoSelection"} << unchanged
        << -1 << qint64(41) << 2;
    QTest::newRow("insert a key without a key") << QStringList{"select 0", "key after -1 -"}
                                                << QStringList{"Done", "NoKey"} << unchanged << 0 << qint64(41) << 2;
    QTest::newRow("a new key changes the release too, a new delay only the press")
        << QStringList{"select 0", "changeKey C 6 50"} << QStringList{"Done", "Done"}
        << QStringList{"1/50/key/6/C/down", "1/5/key/6/C/up", "2/20/key/5/B/down", "2/6/key/5/B/up"} << 0 << qint64(81)
        << 2;
    QTest::newRow("the row's own label keeps its key")
        << QStringList{"select 1", "changeKey A 99 7"} << QStringList{"Done", "Done"}
        << QStringList{"1/10/key/4/A/down", "1/7/key/4/A/up", "2/20/key/5/B/down", "2/6/key/5/B/up"} << 1 << qint64(43)
        << 2;
    QTest::newRow("a key becomes the left button, each half with its own code")
        << QStringList{"select 1", "changeMouse left 5"} << QStringList{"Done", "Done"}
        << QStringList{"1/10/mouse/513/Left Click/down", "1/5/mouse/514/Left Click/up", "2/20/key/5/B/down",
                       "2/6/key/5/B/up"}
        << 1 << qint64(41) << 2;
    QTest::newRow("change without a selection or without a key")
        << QStringList{"changeKey C 6 0", "changeMouse left 0", "select 0", "changeKey - 6 0"}
        << QStringList{"NoSelection", "NoSelection", "Done", "NoKey"} << unchanged << 0 << qint64(41) << 2;
    QTest::newRow("a row never moves onto its partner")
        << QStringList{"select 0", "down", "select 1", "up"} << QStringList{"Done", "Unchanged", "Done", "Unchanged"}
        << unchanged << 1 << qint64(41) << 2;
    QTest::newRow("a release moves down past the next press and back")
        << QStringList{"select 1", "down"} << QStringList{"Done", "Done"}
        << QStringList{"1/10/key/4/A/down", "2/20/key/5/B/down", "1/5/key/4/A/up", "2/6/key/5/B/up"} << 2 << qint64(41)
        << 2;
    QTest::newRow("a press moves up and back down")
        << QStringList{"select 1", "down", "select 1", "up", "down"}
        << QStringList{"Done", "Done", "Done", "Done", "Done"}
        << QStringList{"1/10/key/4/A/down", "2/20/key/5/B/down", "1/5/key/4/A/up", "2/6/key/5/B/up"} << 1 << qint64(41)
        << 2;
    QTest::newRow("no move past the ends or without a selection")
        << QStringList{"up", "select 0", "up", "select 3", "down"}
        << QStringList{"NoSelection", "Done", "Unchanged", "Done", "Unchanged"} << unchanged << 3 << qint64(41) << 2;
    QTest::newRow("deleting the release removes the pair and both delays")
        << QStringList{"select 0", "remove 1"} << QStringList{"Done", "Done"}
        << QStringList{"2/20/key/5/B/down", "2/6/key/5/B/up"} << -1 << qint64(26) << 1;
    QTest::newRow("deleting the press removes the pair")
        << QStringList{"remove 2"} << QStringList{"Done"} << QStringList{"1/10/key/4/A/down", "1/5/key/4/A/up"} << -1
        << qint64(15) << 1;
    QTest::newRow("deleting the last pair empties the list")
        << QStringList{"remove 0", "remove 0"} << QStringList{"Done", "Done"} << QStringList{} << -1 << qint64(0) << 0;
}

void tst_DMacroEventEditor::editing()
{
    QFETCH(QStringList, actions);
    QFETCH(QStringList, results);
    QFETCH(QStringList, rows);
    QFETCH(int, selected);
    QFETCH(qint64, total);
    QFETCH(int, presses);

    open(kTwoPairs);
    QStringList got;
    for (const QString& action : actions)
        got << act(action);
    QCOMPARE(got, results);
    QCOMPARE(describeEvents(m_editor.events()), rows);
    QCOMPARE(stored(), rows);
    QCOMPARE(m_editor.selectedRow(), selected);
    QCOMPARE(m_editor.totalDelay(), total);
    QCOMPARE(m_editor.presses(), presses);
    QCOMPARE(StoreTestSupport::macroNames(m_file.path()), QStringList{"1:Macro1"});
}

void tst_DMacroEventEditor::rowLimit_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<QStringList>("results");
    QTest::addColumn<int>("after");

    QTest::newRow("39 rows grow to 41, then no more") << 39 << QStringList{"Done", "LimitReached"} << 41;
    QTest::newRow("40 rows refuse") << 40 << QStringList{"LimitReached", "LimitReached"} << 40;
}

void tst_DMacroEventEditor::rowLimit()
{
    QFETCH(int, rows);
    QFETCH(QStringList, results);
    QFETCH(int, after);

    QList<DMacroEvent> events;
    for (int row = 0; row < rows; ++row)
        events << DMacroEvent::key(row / 2, 1, 4, "A", row % 2 == 0);
    open(events);
    m_editor.select(0);
    QCOMPARE((QStringList{act("key after 5 B"), act("mouse after left")}), results);
    QCOMPARE(m_editor.events().size(), after);
    QCOMPARE(stored().size(), after);
}

void tst_DMacroEventEditor::appendKeepsStoredEvents()
{
    open(kTwoPairs);
    m_editor.select(2);
    const QList<DMacroEvent> recorded{DMacroEvent::mouse(3, 0, DMacroEvent::CenterButton, true),
                                      DMacroEvent::mouse(3, 70, DMacroEvent::CenterButton, false)};
    QCOMPARE(nameOf(m_editor.append(recorded)), QStringLiteral("Done"));
    QCOMPARE(nameOf(m_editor.append({})), QStringLiteral("Unchanged"));
    const QStringList expected = describeEvents(kTwoPairs + recorded);
    QCOMPARE(describeEvents(m_editor.events()), expected);
    QCOMPARE(stored(), expected);
    QCOMPARE(m_editor.totalDelay(), qint64(111));
    QCOMPARE(m_editor.presses(), 3);
}

void tst_DMacroEventEditor::failedWriteChangesNothing()
{
    // A renamed macro keeps its shown name when it is written anew.
    open(kTwoPairs, "Renamed");
    const QStringList before = stored();
    const QString folder = QFileInfo(QFile::decodeName(m_file.path())).absolutePath();
    {
        LockedFolder locked(folder);
        if (!locked.locked())
            QSKIP("the file system cannot refuse writes here");
        m_editor.select(2);
        QCOMPARE(
            (QStringList{act("key before 6 C"), act("changeKey C 6 9"), act("select 1"), act("down"), act("remove 0")}),
            (QStringList{"WriteFailed", "WriteFailed", "Done", "WriteFailed", "WriteFailed"}));
        QCOMPARE(describeEvents(m_editor.events()), before);
        QCOMPARE(m_editor.selectedRow(), 1);
        QCOMPARE(m_editor.totalDelay(), qint64(41));
        // What the store holds for the file after the failures is the file.
        QCOMPARE(stored(), before);
    }
    XmlStore::instance().cache.clear();
    QCOMPARE(stored(), before);
    QCOMPARE(nameOf(m_editor.insertKey(DMacroEventEditor::Place::Before, 6, "C")), QStringLiteral("Done"));
    QCOMPARE(StoreTestSupport::macroNames(m_file.path()), QStringList{"1:Renamed"});
}

ORVANE_TEST_MAIN(tst_DMacroEventEditor)
#include "tst_DMacroEventEditor.moc"
