// The macro file as the macro editor changes it, and the keys of every
// keyboard's profiles that a deleted macro takes with it, through the real
// profile store in a temporary user configuration folder.
#include "profiles/DMacroBindings.h"
#include "profiles/DMacroFile.h"
#include "support/LockedFolder.h"
#include "support/StoreTestSupport.h"
#include "support/TestMain.h"

#include "sdk/store/XmlStore.h"

#include <QDir>
#include <QTemporaryDir>

using namespace StoreTestSupport;

namespace {

QStringList listed(const DMacroFile& file)
{
    QList<DMacroFile::Macro> macros;
    if (!file.macros(&macros))
        return {QStringLiteral("unreadable")};
    QStringList out;
    for (const DMacroFile::Macro& macro : macros)
        out << macro.index + QLatin1Char(':') + macro.name;
    return out;
}

int eventCount(const DMacroFile& file, const QString& index)
{
    QList<DMacroEvent> events;
    return file.events(index, &events) ? events.size() : -1;
}

QByteArray keyFunction(const QByteArray& layer, const char* profile, const char* keyCode)
{
    keyOperateInfo info;
    std::memset(&info, 0, sizeof info);
    setText(info.keyCode, "-1");
    COrvaneXML_SelectProFileKeyOperateInfo(layer, profile, keyCode, &info);
    return QByteArray(info.keyCode) + '/' + QByteArray(info.type) + '/' + QByteArray(info.value);
}

bool hasCopy(const QByteArray& layer, const char* profile, const char* macroIndex)
{
    std::list<macroEventItem> events;
    return COrvaneXML_ProFileMacroWithKeyInfoSelectAll(layer, profile, macroIndex, "", &events);
}

} // namespace

class tst_macroFile : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_configs = 0;

    // A user configuration folder of its own with an empty macro file.
    QString newConfig()
    {
        const QString config = m_dir.filePath(QStringLiteral("config%1").arg(++m_configs));
        QDir().mkpath(config);
        [&] { QVERIFY(COrvaneXML_CreateXMLFile(QFile::encodeName(config + QStringLiteral("/appMacro.xml")))); }();
        return config;
    }
    static DMacroFile macroFileIn(const QString& config)
    {
        return DMacroFile(QFile::encodeName(config + QStringLiteral("/appMacro.xml")));
    }
    static DMacroFile withMacros(const QString& config, const QList<int>& indexes)
    {
        DMacroFile file = macroFileIn(config);
        for (int index : indexes) {
            const QByteArray text = QByteArray::number(index);
            [&] {
                QVERIFY(COrvaneXML_CreateMacroXmlParentNode(file.path(), text, "Macro" + text));
                QVERIFY(COrvaneXML_AddKeyOrMouseEventItem(file.path(), keyPress(text, "4", "A"), text));
            }();
        }
        return file;
    }
    // A keyboard's layer file with `profiles` profiles, as the device page
    // makes it.
    static QByteArray layerFile(const QString& config, const QString& keyboard, const char* layer, int profiles)
    {
        const QString folder = config + QLatin1Char('/') + keyboard;
        QDir().mkpath(folder);
        const QByteArray path = QFile::encodeName(folder + QLatin1Char('/') + QLatin1String(layer));
        [&] { QVERIFY(createLayerFile(path, profiles, 1)); }();
        return path;
    }
    // Key `keyCode` of the profile plays the macro; the profile keeps its copy.

private slots:
    void cleanup()
    {
        XmlStore::instance().cache.setFailCommits(false);
        std::list<storeRecoveryInfo> notes;
        COrvaneXML_TakeRecoveryNotes(&notes);
    }

    void addTakesTheSmallestFreeIndex_data()
    {
        QTest::addColumn<QList<int>>("existing");
        QTest::addColumn<QString>("created");

        QTest::newRow("after 1, 2, 3") << QList<int>{1, 2, 3} << "4:Macro4";
        QTest::newRow("before 2, 3") << QList<int>{2, 3} << "1:Macro1";
        QTest::newRow("between 1 and 3") << QList<int>{1, 3} << "2:Macro2";
        QTest::newRow("empty file") << QList<int>{} << "1:Macro1";
    }
    void addTakesTheSmallestFreeIndex()
    {
        QFETCH(QList<int>, existing);
        QFETCH(QString, created);
        DMacroFile file = withMacros(newConfig(), existing);
        DMacroFile::Macro macro;
        QVERIFY(file.add(&macro));
        QCOMPARE(macro.index + QLatin1Char(':') + macro.name, created);
        QVERIFY(listed(file).contains(created));
        QCOMPARE(eventCount(file, macro.index), 0);
    }

    void clearKeepsIndexNameAndPlace()
    {
        DMacroFile file = withMacros(newConfig(), {1, 2, 3});
        QVERIFY(file.rename("2", QString::fromUtf8("Sprung \xE2\x9C\x93")));
        QVERIFY(file.clear("2", QString::fromUtf8("Sprung \xE2\x9C\x93")));
        QCOMPARE(listed(file), (QStringList{"1:Macro1", QString::fromUtf8("2:Sprung \xE2\x9C\x93"), "3:Macro3"}));
        QCOMPARE(eventCount(file, "2"), 0);
        QCOMPARE(eventCount(file, "1"), 2);
        // Marks start again once the macro is empty.
        QCOMPARE(file.nextEventMark("2"), 0);
        QCOMPARE(file.nextEventMark("3"), 4);
    }

    void aFailedClearLosesNothing()
    {
        DMacroFile file = withMacros(newConfig(), {1, 2});
        XmlStore::instance().cache.setFailCommits(true);
        QVERIFY(!file.clear("2", "Macro2"));
        XmlStore::instance().cache.setFailCommits(false);
        QCOMPARE(listed(file), (QStringList{"1:Macro1", "2:Macro2"}));
        QCOMPARE(eventCount(file, "2"), 2);
        // Nor is an index the store would not re-create taken apart.
        QVERIFY(!file.clear("0", "Macro0"));
        QVERIFY(!file.clear("x", "Macro"));
        QCOMPARE(listed(file), (QStringList{"1:Macro1", "2:Macro2"}));
    }

    void aPathTooLongIsRefusedNotCut()
    {
        const QString config = newConfig();
        const QByteArray exact = QFile::encodeName(config + QStringLiteral("/appMacro.xml"));
        // The same file reached through enough "./" to pass 255 bytes: cut,
        // it would name the folder or another file.
        QByteArray padded = QFile::encodeName(config);
        while (padded.size() + 13 <= DMacroFile::kMaxPathBytes)
            padded += "/.";
        padded += "/appMacro.xml";
        QVERIFY(padded.size() > DMacroFile::kMaxPathBytes);
        DMacroFile tooLong(padded);
        QVERIFY(!tooLong.isUsable());
        DMacroFile::Macro macro;
        QVERIFY(!tooLong.add(&macro));
        QCOMPARE(listed(tooLong), QStringList{QStringLiteral("unreadable")});
        QCOMPARE(listed(DMacroFile(exact)), QStringList{});
    }

    void aDamagedFileIsSetAsideAndReported()
    {
        const QString config = newConfig();
        DMacroFile file = withMacros(config, {1});
        const QString path = config + QStringLiteral("/appMacro.xml");
        XmlStore::instance().cache.clear();
        QFile damaged(path);
        QVERIFY(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
        damaged.write("<orvaneStore version=\"1\"><macros><macro index=\"1\" name=\"\xff\"><event mark=");
        damaged.close();
        // The read that finds the damage fails; the store falls back to the
        // backup (the file before macro 1 got its events) and says so, and the
        // damaged copy stays beside it.
        QCOMPARE(listed(file), QStringList{QStringLiteral("unreadable")});
        const QStringList after = listed(file);
        std::list<storeRecoveryInfo> notes;
        COrvaneXML_TakeRecoveryNotes(&notes);
        QCOMPARE(int(notes.size()), 1);
        QCOMPARE(QString::fromStdString(notes.front().path), path);
        QVERIFY(QFile::exists(QString::fromStdString(notes.front().movedAsidePath)));
        QCOMPARE(after, QStringList{"1:Macro1"});
    }

    void deleteTakesEveryBindingAlong()
    {
        const QString config = newConfig();
        DMacroFile macros = withMacros(config, {1, 3});
        const QByteArray defaultLayer = layerFile(config, "OV68M/SERIAL1", "appProfile_Default.xml", 1);
        const QByteArray fnLayer = layerFile(config, "OV68M/SERIAL1", "appProfile_FN.xml", 4);
        const QByteArray otherKeyboard = layerFile(config, "OV84W/SERIAL2", "appProfile_Magnetic.xml", 1);
        QVERIFY(bindKeyToMacro(defaultLayer, "1", "4", macros.path(), "3"));
        QVERIFY(bindKeyToMacro(fnLayer, "4", "5", macros.path(), "3"));
        QVERIFY(bindKeyToMacro(otherKeyboard, "1", "6", macros.path(), "3"));
        QVERIFY(bindKeyToMacro(defaultLayer, "1", "7", macros.path(), "1"));
        // A copy that no key refers to any more goes too.
        QVERIFY(COrvaneXML_AddProFileBindMacroItem(fnLayer, "2", keyPress("1", "4", "A"), "3", "Macro3"));

        QList<DMacroBindings::Binding> found;
        QVERIFY(DMacroBindings::find(config, 3, &found));
        QCOMPARE(found.size(), 3);

        QVERIFY(DMacroBindings::removeMacro(macros, config, 3));
        QCOMPARE(listed(macros), QStringList{"1:Macro1"});
        QCOMPARE(keyFunction(defaultLayer, "1", "4"), QByteArray("-1//"));
        QCOMPARE(keyFunction(fnLayer, "4", "5"), QByteArray("-1//"));
        QCOMPARE(keyFunction(otherKeyboard, "1", "6"), QByteArray("-1//"));
        QVERIFY(!hasCopy(defaultLayer, "1", "3"));
        QVERIFY(!hasCopy(fnLayer, "4", "3"));
        QVERIFY(!hasCopy(fnLayer, "2", "3"));
        QVERIFY(!hasCopy(otherKeyboard, "1", "3"));
        // Another macro's binding and copy stay.
        QCOMPARE(keyFunction(defaultLayer, "1", "7"), QByteArray("7/1/1"));
        QVERIFY(hasCopy(defaultLayer, "1", "1"));

        // The index is free again, and what takes it is bound to no key.
        DMacroFile::Macro added;
        QVERIFY(macros.add(&added));
        QCOMPARE(added.index, QStringLiteral("2"));
        QVERIFY(macros.add(&added));
        QCOMPARE(added.index, QStringLiteral("3"));
        QVERIFY(DMacroBindings::find(config, 3, &found));
        QVERIFY(found.isEmpty());
    }

    void aFailedUnbindKeepsTheMacro()
    {
        const QString config = newConfig();
        DMacroFile macros = withMacros(config, {2});
        const QByteArray layer = layerFile(config, "OV68M/SERIAL1", "appProfile_Default.xml", 1);
        QVERIFY(bindKeyToMacro(layer, "1", "4", macros.path(), "2"));
        XmlStore::instance().cache.clear();
        LockedFolder locked(config + QStringLiteral("/OV68M/SERIAL1"));
        if (!locked.locked())
            QSKIP("the file system cannot refuse writes here");
        QVERIFY(!DMacroBindings::removeMacro(macros, config, 2));
        // Never a key bound to a macro that is gone.
        QCOMPARE(listed(macros), QStringList{"2:Macro2"});
        QCOMPARE(eventCount(macros, "2"), 2);
        QCOMPARE(keyFunction(layer, "1", "4"), QByteArray("4/1/2"));
    }

    void aMacroBoundNowhereGoesAlone()
    {
        const QString config = newConfig();
        DMacroFile macros = withMacros(config, {1, 2});
        const QByteArray layer = layerFile(config, "OV68M/SERIAL1", "appProfile_Default.xml", 2);
        QVERIFY(bindKeyToMacro(layer, "2", "4", macros.path(), "1"));
        QFile file(QString::fromLocal8Bit(layer));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        file.close();
        QVERIFY(DMacroBindings::removeMacro(macros, config, 2));
        QCOMPARE(listed(macros), QStringList{"1:Macro1"});
        // The layer file was not touched.
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), bytes);
        QCOMPARE(keyFunction(layer, "2", "4"), QByteArray("4/1/1"));
    }
};

ORVANE_TEST_MAIN(tst_macroFile)
#include "tst_macroFile.moc"
