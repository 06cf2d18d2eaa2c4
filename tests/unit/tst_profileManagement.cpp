// A keyboard's profile file set and the profile operations of the device
// page, through the profile store.
#include "support/StoreTestSupport.h"
#include "support/TestMain.h"

#include "profiles/DProfileFileSet.h"
#include "profiles/DProfileLightDefaults.h"
#include "profiles/DProfileOperations.h"
#include "profiles/DStoredKeyFunctions.h"
#include "sdk/include/StoreFileChecks.h"
#include "ui/mainwidget/devicePage/DStoreRecoveryNotice.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>

using namespace StoreTestSupport;
using Result = DProfileOperations::Result;

Q_DECLARE_METATYPE(DProfileOperations::Result)
Q_DECLARE_METATYPE(DProfileFileSet::OpenResult)

namespace {

const QString kSerialA = QStringLiteral("0123456789abcdef0123456789abcdef");
const QString kSerialB = QStringLiteral("fedcba9876543210fedcba9876543210");

hidStructInfoAll record(const char* model, int layout, const char* type = "keyboard")
{
    hidStructInfoAll info;
    qstrncpy(info.modelName, model, sizeof info.modelName);
    qstrncpy(info.deviceType, type, sizeof info.deviceType);
    info.layoutNumber = layout;
    return info;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList filesUnder(const QString& folder)
{
    QStringList out;
    // The store's own backups beside each file are not counted.
    QDirIterator it(folder, {QStringLiteral("*.xml")}, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        out << QDir(folder).relativeFilePath(it.next());
    out.sort();
    return out;
}

} // namespace

class tst_profileManagement : public QObject
{
    Q_OBJECT

private:
    const DProfileLightDefaults m_defaults{84, QStringLiteral("OV84"), true};
    QTemporaryDir m_dir;
    int m_files = 0;

    // A layer file listing the given profiles, the first one current.
    QByteArray layerWith(const QList<int>& indexes)
    {
        const QByteArray path = pathIn(m_dir, QStringLiteral("layer%1.xml").arg(++m_files));
        [&] {
            QVERIFY(COrvaneXML_CreateXMLFile(path));
            for (int index : indexes)
                QVERIFY(COrvaneXML_CreateProFileXmlParentNode(path, QByteArray::number(index),
                                                              "Profile" + QByteArray::number(index), 0));
            if (!indexes.isEmpty())
                QVERIFY(COrvaneXML_ModifyXMLFileProfileIndex(path, indexes.first()));
        }();
        return path;
    }

    QString newConfigDir()
    {
        const QString dir = m_dir.filePath(QStringLiteral("config%1").arg(++m_files));
        QDir().mkpath(dir);
        return dir;
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void firstOpenCreatesTheSet_data()
    {
        QTest::addColumn<bool>("magnetic");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("ordinary keyboard")
            << false
            << QStringList{"OV84/" + kSerialA + "/appProfile_Default.xml", "OV84/" + kSerialA + "/appProfile_FN.xml"};
        QTest::newRow("magnetic switches")
            << true
            << QStringList{"OV84/" + kSerialA + "/appProfile_Default.xml", "OV84/" + kSerialA + "/appProfile_FN.xml",
                           "OV84/" + kSerialA + "/appProfile_Magnetic.xml"};
    }

    void firstOpenCreatesTheSet()
    {
        QFETCH(bool, magnetic);
        QFETCH(QStringList, files);
        const QString config = newConfigDir();
        DProfileFileSet set;
        QCOMPARE(set.open(config, record("OV84", 84), kSerialA, magnetic, m_defaults),
                 DProfileFileSet::OpenResult::Opened);
        QCOMPARE(set.folder(), config + "/OV84/" + kSerialA);
        QCOMPARE(filesUnder(config), files);
        QCOMPARE(set.layerCount(), files.size());

        for (int layer = 0; layer < set.layerCount(); ++layer) {
            const QByteArray path = set.layerPath(layer);
            QCOMPARE(path, QFile::encodeName(config + QLatin1Char('/') + files[layer]));
            QCOMPARE(profileNames(path), QStringList{"1:Profile1"});
            QCOMPARE(COrvaneXML_GetCreateXMLFileProfileIndex(path), 1);
            std::list<customLightNodeInfo> schemes;
            COrvaneXML_SelectProFileCustomLightAllNodes(path, "1", &schemes);
            colorInfoData light{};
            const bool hasLight = COrvaneXML_SelectProfileColorDataInfo(path, "1", 0, 2, &light);
            if (layer == DProfileFileSet::MagneticLayer) {
                QVERIFY(schemes.empty());
                QVERIFY(!hasLight);
            } else {
                QCOMPARE(int(schemes.size()), 5);
                QVERIFY(hasLight);
                std::list<customLightDataItem> colours;
                COrvaneXML_ProFileCustomLightInfoSelectAll(path, "1", "0", &colours);
                QVERIFY(!colours.empty());
            }
        }
    }

    void secondOpenKeepsTheFiles()
    {
        const QString config = newConfigDir();
        DProfileFileSet set;
        QCOMPARE(set.open(config, record("OV84", 84), kSerialA, false, m_defaults),
                 DProfileFileSet::OpenResult::Opened);
        const QByteArray fn = set.layerPath(DProfileFileSet::FnLayer);
        DProfileOperations operations(fn, m_defaults);
        QCOMPARE(operations.create(), Result::Created);
        QCOMPARE(operations.switchTo(2), Result::Switched);
        const QByteArray before = readFile(QFile::decodeName(fn));

        DProfileFileSet again;
        QCOMPARE(again.open(config, record("OV84", 84), kSerialA, false, m_defaults),
                 DProfileFileSet::OpenResult::Opened);
        QCOMPARE(readFile(QFile::decodeName(fn)), before);
        QCOMPARE(COrvaneXML_GetCreateXMLFileProfileIndex(fn), 2);
    }

    void keyboardsOfOneModelHaveTheirOwnFolders()
    {
        const QString config = newConfigDir();
        DProfileFileSet first;
        DProfileFileSet second;
        QCOMPARE(first.open(config, record("OV68", 68), kSerialA, false, m_defaults),
                 DProfileFileSet::OpenResult::Opened);
        QCOMPARE(second.open(config, record("OV68", 68), kSerialB, false, m_defaults),
                 DProfileFileSet::OpenResult::Opened);
        QVERIFY(first.folder() != second.folder());
        QVERIFY(COrvaneXML_ModifyProfileNodeInfo(first.layerPath(0), "1", "Mine"));
        QCOMPARE(profileNames(second.layerPath(0)), QStringList{"1:Profile1"});
    }

    void nothingIsMadeWithoutASet_data()
    {
        QTest::addColumn<QString>("serial");
        QTest::addColumn<QByteArray>("deviceType");
        QTest::addColumn<QByteArray>("model");
        QTest::addColumn<DProfileFileSet::OpenResult>("result");
        QTest::newRow("no serial number yet")
            << QString() << QByteArray("keyboard") << QByteArray("OV84") << DProfileFileSet::OpenResult::NoSerialNumber;
        QTest::newRow("short serial number") << kSerialA.left(31) << QByteArray("keyboard") << QByteArray("OV84")
                                             << DProfileFileSet::OpenResult::NoSerialNumber;
        QTest::newRow("serial number with a path in it")
            << QStringLiteral("../../../../../../../../../../..") << QByteArray("keyboard") << QByteArray("OV84")
            << DProfileFileSet::OpenResult::NoSerialNumber;
        QTest::newRow("not a keyboard") << kSerialA << QByteArray("receiver") << QByteArray("OV84")
                                        << DProfileFileSet::OpenResult::NotAKeyboard;
        QTest::newRow("model code with a path in it")
            << kSerialA << QByteArray("keyboard") << QByteArray("../x") << DProfileFileSet::OpenResult::FolderFailed;
    }

    void nothingIsMadeWithoutASet()
    {
        QFETCH(QString, serial);
        QFETCH(QByteArray, deviceType);
        QFETCH(QByteArray, model);
        QFETCH(DProfileFileSet::OpenResult, result);
        const QString config = newConfigDir();
        DProfileFileSet set;
        QCOMPARE(set.open(config, record(model, 84, deviceType), serial, false, m_defaults), result);
        QVERIFY(set.layerPath(0).isEmpty());
        QVERIFY(set.folder().isEmpty());
        QCOMPARE(QDir(config).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    }

    void tooLongAFolderIsRefused()
    {
        const QString config = newConfigDir() + QLatin1Char('/') + QString(200, QLatin1Char('d'));
        DProfileFileSet set;
        QCOMPARE(set.open(config, record("OV84", 84), kSerialA, false, m_defaults),
                 DProfileFileSet::OpenResult::PathTooLong);
        QVERIFY(!QFileInfo::exists(config));
    }

    // The store replaces a damaged file with an empty one; the set makes it
    // usable again and the user learns which file was set aside.
    void damagedLayerFileIsRecoveredAndReported_data()
    {
        QTest::addColumn<bool>("keepBackup");
        QTest::addColumn<QStringList>("profiles");
        QTest::addColumn<int>("current");
        // The usual case: the backup is the version before the last change
        // and lists the profiles the user had then.
        QTest::newRow("backup lists profiles") << true << QStringList{"1:Profile1", "2:Mine"} << 2;
        QTest::newRow("backup removed") << false << QStringList{"1:Profile1"} << 1;
    }

    void damagedLayerFileIsRecoveredAndReported()
    {
        QFETCH(bool, keepBackup);
        QFETCH(QStringList, profiles);
        QFETCH(int, current);
        const QString config = newConfigDir();
        DProfileFileSet set;
        QCOMPARE(set.open(config, record("OV84", 84), kSerialA, false, m_defaults),
                 DProfileFileSet::OpenResult::Opened);
        const QByteArray fnPath = set.layerPath(DProfileFileSet::FnLayer);
        QVERIFY(COrvaneXML_CreateProFileXmlParentNode(fnPath, "2", "Mine", 0));
        QVERIFY(COrvaneXML_ModifyXMLFileProfileIndex(fnPath, 2));
        // One change more, so the backup holds the two changes above.
        QVERIFY(COrvaneXML_ModifyProfileNodeInfo(fnPath, "2", "Mine, renamed"));
        DStoreRecoveryNotice::takeMessages();
        const QString fn = QFile::decodeName(fnPath);
        if (!keepBackup)
            QFile::remove(fn + QStringLiteral(".bak"));
        QFile file(fn);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("<orvaneStore version=\"1\"><profiles current=\"1\"><profile index=\"x\"");
        file.close();

        QCOMPARE(set.open(config, record("OV84", 84), kSerialA, false, m_defaults),
                 DProfileFileSet::OpenResult::Opened);
        QCOMPARE(profileNames(set.layerPath(DProfileFileSet::FnLayer)), profiles);
        QCOMPARE(COrvaneXML_GetCreateXMLFileProfileIndex(set.layerPath(DProfileFileSet::FnLayer)), current);

        const QStringList messages = DStoreRecoveryNotice::takeMessages();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().contains(QStringLiteral("appProfile_FN.xml")), qPrintable(messages.first()));
        const QStringList aside = QDir(set.folder()).entryList({QStringLiteral("appProfile_FN.xml.corrupt-*")});
        QCOMPARE(aside.size(), 1);
        QVERIFY2(messages.first().contains(set.folder() + QLatin1Char('/') + aside.first()),
                 qPrintable(messages.first()));
        QVERIFY(DStoreRecoveryNotice::takeMessages().isEmpty());
    }

    void currentProfileIsAlwaysListed_data()
    {
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("expected");
        QTest::newRow("listed") << 4 << 4;
        QTest::newRow("deleted behind our back") << 7 << 2;
        QTest::newRow("none") << -1 << 2;
    }

    void currentProfileIsAlwaysListed()
    {
        QFETCH(int, current);
        QFETCH(int, expected);
        const QByteArray path = layerWith({2, 4});
        QVERIFY(COrvaneXML_ModifyXMLFileProfileIndex(path, current));
        QCOMPARE(DProfileFileSet::ensureListedCurrent(path), expected);
        QCOMPARE(COrvaneXML_GetCreateXMLFileProfileIndex(path), expected);
        QCOMPARE(DProfileFileSet::ensureListedCurrent(layerWith({})), -1);
    }

    void create_data()
    {
        QTest::addColumn<QList<int>>("listed");
        QTest::addColumn<Result>("result");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("after 1, 2, 5") << QList<int>{1, 2, 5} << Result::Created
                                       << QStringList{"1:Profile1", "2:Profile2", "5:Profile5", "6:Profile6"};
        QTest::newRow("after 3 alone") << QList<int>{3} << Result::Created << QStringList{"3:Profile3", "4:Profile4"};
        // The next index would pass the store's limit: refused, no overflow.
        QTest::newRow("after the highest index")
            << QList<int>{1, kStoreMaxProfileIndex} << Result::MaximumReached
            << QStringList{"1:Profile1", QStringLiteral("%1:Profile%1").arg(kStoreMaxProfileIndex)};
        QList<int> ten;
        QStringList tenNames;
        for (int i = 1; i <= 10; ++i) {
            ten << i;
            tenNames << QStringLiteral("%1:Profile%1").arg(i);
        }
        QTest::newRow("ten at most") << ten << Result::MaximumReached << tenNames;
    }

    void create()
    {
        QFETCH(QList<int>, listed);
        QFETCH(Result, result);
        QFETCH(QStringList, after);
        const QByteArray path = layerWith(listed);
        DProfileOperations operations(path, m_defaults);
        int index = -1;
        QCOMPARE(operations.create(&index), result);
        QCOMPARE(profileNames(path), after);
        QCOMPARE(COrvaneXML_GetCreateXMLFileProfileIndex(path), listed.first());
        if (result == Result::Created) {
            QCOMPARE(index, listed.last() + 1);
            std::list<customLightNodeInfo> schemes;
            COrvaneXML_SelectProFileCustomLightAllNodes(path, QByteArray::number(index), &schemes);
            QCOMPARE(int(schemes.size()), 5);
            colorInfoData light{};
            QVERIFY(COrvaneXML_SelectProfileColorDataInfo(path, QByteArray::number(index), 1, 2, &light));
        }
    }

    void remove_data()
    {
        QTest::addColumn<QList<int>>("listed");
        QTest::addColumn<int>("current");
        QTest::addColumn<Result>("result");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<int>("currentAfter");
        QTest::newRow("current 3 of 1, 3, 4")
            << QList<int>{1, 3, 4} << 3 << Result::Deleted << QStringList{"1:Profile1", "4:Profile4"} << 1;
        QTest::newRow("the first one") << QList<int>{2, 5} << 2 << Result::Deleted << QStringList{"5:Profile5"} << 5;
        QTest::newRow("one at least") << QList<int>{7} << 7 << Result::KeepOne << QStringList{"7:Profile7"} << 7;
        QTest::newRow("not listed") << QList<int>{1, 2} << 9 << Result::NodeMissing
                                    << QStringList{"1:Profile1", "2:Profile2"} << 9;
    }

    void remove()
    {
        QFETCH(QList<int>, listed);
        QFETCH(int, current);
        QFETCH(Result, result);
        QFETCH(QStringList, after);
        QFETCH(int, currentAfter);
        const QByteArray path = layerWith(listed);
        QVERIFY(COrvaneXML_ModifyXMLFileProfileIndex(path, current));
        DProfileOperations operations(path, m_defaults);
        int newCurrent = -1;
        QCOMPARE(operations.remove(current, &newCurrent), result);
        QCOMPARE(profileNames(path), after);
        QCOMPARE(COrvaneXML_GetCreateXMLFileProfileIndex(path), currentAfter);
        if (result == Result::Deleted)
            QCOMPARE(newCurrent, currentAfter);
    }

    void rename_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        QTest::addColumn<Result>("result");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("new name") << 2 << "Game" << Result::Renamed << QStringList{"1:Profile1", "2:Game"};
        QTest::newRow("non-Latin name") << 1 << QStringLiteral("Игра ゲーム") << Result::Renamed
                                        << QStringList{QStringLiteral("1:Игра ゲーム"), "2:Profile2"};
        QTest::newRow("empty name refused") << 2 << "" << Result::EmptyName << QStringList{"1:Profile1", "2:Profile2"};
        QTest::newRow("not listed") << 3 << "Game" << Result::NodeMissing << QStringList{"1:Profile1", "2:Profile2"};
    }

    void rename()
    {
        QFETCH(int, index);
        QFETCH(QString, name);
        QFETCH(Result, result);
        QFETCH(QStringList, after);
        const QByteArray path = layerWith({1, 2});
        DProfileOperations operations(path, m_defaults);
        QCOMPARE(operations.rename(index, name), result);
        QStringList names;
        for (const profileNodeInfo& node : operations.profiles())
            names << QString::fromStdString(node.index) + QLatin1Char(':') + QString::fromUtf8(node.name.c_str());
        QCOMPARE(names, after);
    }

    // A profile switch asked for by the keyboard names a number; one the file
    // does not list is ignored.
    void switchTo_data()
    {
        QTest::addColumn<int>("target");
        QTest::addColumn<Result>("result");
        QTest::addColumn<int>("currentAfter");
        QTest::newRow("listed") << 5 << Result::Switched << 5;
        QTest::newRow("not listed") << 4 << Result::UnknownProfile << 1;
        QTest::newRow("zero") << 0 << Result::UnknownProfile << 1;
        QTest::newRow("negative") << -1 << Result::UnknownProfile << 1;
    }

    void switchTo()
    {
        QFETCH(int, target);
        QFETCH(Result, result);
        QFETCH(int, currentAfter);
        const QByteArray path = layerWith({1, 5});
        DProfileOperations operations(path, m_defaults);
        if (result == Result::UnknownProfile)
            QTest::ignoreMessage(QtDebugMsg,
                                 QRegularExpression(QStringLiteral("^Profile switch to %1 ignored").arg(target)));
        QCOMPARE(operations.switchTo(target), result);
        QCOMPARE(COrvaneXML_GetCreateXMLFileProfileIndex(path), currentAfter);
    }

    void resetKeepsIndexAndName()
    {
        const QByteArray path = layerWith({1, 4, 6});
        QVERIFY(COrvaneXML_ModifyProfileNodeInfo(path, "4", "Work"));
        QVERIFY(COrvaneXML_AddProFileMacroWithKeyInfoItem(path, "4", "4", "A", "0", "1", "1", "5"));
        QVERIFY(COrvaneXML_SetProFileIntoSleepTimeInfo(path, "4", 900, 45));
        QVERIFY(COrvaneXML_AddProFileLightInfoItem(path, "4", light(0, 7)));
        QVERIFY(COrvaneXML_AddProFileFunctionInfo(path, "4", "1", "1", "1", "1"));
        const QStringList untouched = profileContent(path, "6");

        DProfileOperations operations(path, m_defaults);
        QCOMPARE(operations.reset(4), Result::ResetDone);
        QCOMPARE(profileNames(path), (QStringList{"1:Profile1", "4:Work", "6:Profile6"}));
        QVERIFY(DStoredKeyFunctions::customisedUsages(path, 4).isEmpty());

        // Exactly what a new profile holds.
        const QByteArray fresh = layerWith({4});
        m_defaults.addDefaultLightInfo(fresh, 4);
        m_defaults.addDefaultCustomLights(fresh, 4);
        QCOMPARE(profileContent(path, "4"), profileContent(fresh, "4"));
        QCOMPARE(profileContent(path, "6"), untouched);
        QCOMPARE(operations.reset(5), Result::NodeMissing);
    }

    // A file written by hand may list more profiles than the store creates;
    // resetting one there would delete it and then be refused its re-creation.
    void resetInAnOverfullFileKeepsTheProfile()
    {
        QByteArray xml
            = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<orvaneStore version=\"1\"><profiles current=\"1\">";
        for (int index = 1; index <= DProfileOperations::kMaxProfiles + 1; ++index)
            xml += "<profile index=\"" + QByteArray::number(index) + "\" name=\"Hand" + QByteArray::number(index)
                   + "\"/>";
        xml += "</profiles></orvaneStore>\n";
        const QByteArray path = pathIn(m_dir, QStringLiteral("overfull.xml"));
        QFile file(QFile::decodeName(path));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(xml), qint64(xml.size()));
        file.close();
        QCOMPARE(profileNames(path).size(), DProfileOperations::kMaxProfiles + 1);

        QCOMPARE(DProfileOperations(path, m_defaults).reset(3), Result::ResetFailed);
        QVERIFY(profileNames(path).contains(QStringLiteral("3:Hand3")));
        QCOMPARE(readFile(QFile::decodeName(path)), xml);
    }

    // Operations on the FN layer file leave the default layer file alone.
    void operationsChangeOnlyTheirLayerFile()
    {
        const QString config = newConfigDir();
        DProfileFileSet set;
        QCOMPARE(set.open(config, record("OV84", 84), kSerialA, true, m_defaults), DProfileFileSet::OpenResult::Opened);
        const QString defaultFile = QFile::decodeName(set.layerPath(DProfileFileSet::DefaultLayer));
        const QString magneticFile = QFile::decodeName(set.layerPath(DProfileFileSet::MagneticLayer));
        const QByteArray defaultBefore = readFile(defaultFile);
        const QByteArray magneticBefore = readFile(magneticFile);

        DProfileOperations fn(set.layerPath(DProfileFileSet::FnLayer), m_defaults);
        QCOMPARE(fn.create(), Result::Created);
        QCOMPARE(fn.create(), Result::Created);
        QCOMPARE(fn.rename(2, QStringLiteral("Fn two")), Result::Renamed);
        QCOMPARE(fn.switchTo(3), Result::Switched);
        QCOMPARE(fn.remove(3), Result::Deleted);
        QCOMPARE(fn.reset(1), Result::ResetDone);
        QVERIFY(fn.importFrom(QFile::decodeName(set.layerPath(DProfileFileSet::FnLayer))) == Result::Imported);

        QCOMPARE(profileNames(set.layerPath(DProfileFileSet::FnLayer)),
                 (QStringList{"1:Profile1", "2:Fn two", "3:Fn two"}));
        QCOMPARE(readFile(defaultFile), defaultBefore);
        QCOMPARE(readFile(magneticFile), magneticBefore);
    }

    void exportFileName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("file");
        QTest::newRow("plain") << "Game"
                               << "Game.xml";
        QTest::newRow("spaces inside kept") << " My Game "
                                            << "My Game.xml";
        QTest::newRow("non-Latin") << QStringLiteral("Игра") << QStringLiteral("Игра.xml");
        QTest::newRow("climbing out") << "../../etc/passwd"
                                      << "etcpasswd.xml";
        QTest::newRow("back-slashes") << "..\\..\\x"
                                      << "x.xml";
        QTest::newRow("hidden") << ".bashrc"
                                << "bashrc.xml";
        QTest::newRow("control characters") << QStringLiteral("a\nb\tc\x01") << "abc.xml";
        QTest::newRow("dots in the middle") << "v1.2..3"
                                            << "v1.2.3.xml";
        QTest::newRow("nothing left") << "/../."
                                      << "Profile3.xml";
        QTest::newRow("empty") << ""
                               << "Profile3.xml";
        QTest::newRow("too long") << QString(300, QLatin1Char('x')) << QString(200, QLatin1Char('x')) + ".xml";
    }

    void exportFileName()
    {
        QFETCH(QString, name);
        QFETCH(QString, file);
        QCOMPARE(DProfileOperations::exportFileName(name, 3), file);
    }

    void exportAndImport()
    {
        const QByteArray source = layerWith({1, 2});
        QVERIFY(COrvaneXML_ModifyProfileNodeInfo(source, "2", "../Game"));
        QVERIFY(COrvaneXML_AddProFileMacroWithKeyInfoItem(source, "2", "4", "A", "0", "1", "1", "5"));
        QVERIFY(COrvaneXML_SetProFileIntoSleepTimeInfo(source, "2", 300, 20));
        const QString folder = m_dir.filePath(QStringLiteral("exports%1").arg(++m_files));
        QVERIFY(QDir().mkpath(folder));

        DProfileOperations operations(source, m_defaults);
        QString target;
        QCOMPARE(operations.exportTo(2, QString(), false), Result::NoDirectory);
        QCOMPARE(operations.exportTo(9, folder, false), Result::NodeMissing);
        QCOMPARE(operations.exportTo(2, folder, false, &target), Result::Exported);
        QCOMPARE(target, folder + QStringLiteral("/Game.xml"));
        QCOMPARE(filesUnder(folder), QStringList{"Game.xml"});
        QCOMPARE(profileNames(QFile::encodeName(target)), QStringList{"2:../Game"});

        const QByteArray into = layerWith({1, 3});
        DProfileOperations importer(into, m_defaults);
        QCOMPARE(importer.importFrom(QString()), Result::NoImportFile);
        QCOMPARE(importer.importFrom(target), Result::Imported);
        QCOMPARE(profileNames(into), (QStringList{"1:Profile1", "3:Profile3", "4:../Game"}));
        QCOMPARE(profileContent(into, "4"), profileContent(source, "2"));
        QCOMPARE(COrvaneXML_GetCreateXMLFileProfileIndex(into), 1);
    }

    void exportNeverMergesIntoAnExistingFile()
    {
        const QByteArray source = layerWith({1, 2});
        QVERIFY(COrvaneXML_ModifyProfileNodeInfo(source, "1", "Game"));
        QVERIFY(COrvaneXML_ModifyProfileNodeInfo(source, "2", "Game"));
        const QString folder = m_dir.filePath(QStringLiteral("exports%1").arg(++m_files));
        QVERIFY(QDir().mkpath(folder));
        const QString target = folder + QStringLiteral("/Game.xml");
        QFile existing(target);
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.write("the user's own file");
        existing.close();

        DProfileOperations operations(source, m_defaults);
        QString reported;
        QCOMPARE(operations.exportTo(1, folder, false, &reported), Result::TargetExists);
        QCOMPARE(reported, target);
        QCOMPARE(readFile(target), QByteArray("the user's own file"));

        QCOMPARE(operations.exportTo(1, folder, true), Result::Exported);
        QCOMPARE(profileNames(QFile::encodeName(target)), QStringList{"1:Game"});
        QCOMPARE(operations.exportTo(2, folder, true), Result::Exported);
        QCOMPARE(profileNames(QFile::encodeName(target)), QStringList{"2:Game"});
        QCOMPARE(filesUnder(folder), QStringList{"Game.xml"});
    }

    // Replacing what cannot be replaced fails and leaves it as it was.
    void exportOntoAFolderFails()
    {
        const QByteArray source = layerWith({1});
        const QString folder = m_dir.filePath(QStringLiteral("exports%1").arg(++m_files));
        QVERIFY(QDir().mkpath(folder + QStringLiteral("/Profile1.xml/inside")));
        DProfileOperations operations(source, m_defaults);
        QCOMPARE(operations.exportTo(1, folder, false), Result::TargetExists);
        QCOMPARE(operations.exportTo(1, folder, true), Result::ExportFailed);
        QVERIFY(QFileInfo(folder + QStringLiteral("/Profile1.xml/inside")).isDir());
    }

    void importLimitsAndBadFiles()
    {
        QList<int> ten;
        for (int i = 1; i <= 10; ++i)
            ten << i;
        const QByteArray full = layerWith(ten);
        const QByteArray source = layerWith({1});
        QCOMPARE(DProfileOperations(full, m_defaults).importFrom(QFile::decodeName(source)), Result::MaximumReached);
        QCOMPARE(profileNames(full).size(), 10);

        // A damaged file the user picked is refused and stays where it is.
        const QString damaged = m_dir.filePath(QStringLiteral("damaged.xml"));
        QFile file(damaged);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<orvaneStore version=\"1\"><profiles><profile index=\"1\" name=\"x\"><key keyCode=\"zz\"/>");
        file.close();
        const QByteArray into = layerWith({1});
        DStoreRecoveryNotice::takeMessages();
        QCOMPARE(DProfileOperations(into, m_defaults).importFrom(damaged), Result::ImportFailed);
        QCOMPARE(DProfileOperations(into, m_defaults).importFrom(m_dir.filePath("absent.xml")), Result::ImportFailed);
        QVERIFY(file.exists());
        QVERIFY(DStoreRecoveryNotice::takeMessages().isEmpty());
        QCOMPARE(profileNames(into), QStringList{"1:Profile1"});

        // A FIFO is not opened (it would hold the window until a writer
        // came), and a file of many megabytes is refused unread.
        const QString fifo = m_dir.filePath(QStringLiteral("picked.fifo"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QCOMPARE(DProfileOperations(into, m_defaults).importFrom(fifo), Result::ImportFailed);
        const QString large = m_dir.filePath(QStringLiteral("large.xml"));
        QByteArray bytes = readFile(QFile::decodeName(source));
        bytes.insert(bytes.indexOf("<orvaneStore"),
                     "<!--" + QByteArray(kStoreMaxFileMegabytes * 1024 * 1024, ' ') + "-->");
        QFile largeFile(large);
        QVERIFY(largeFile.open(QIODevice::WriteOnly));
        largeFile.write(bytes);
        largeFile.close();
        QCOMPARE(DProfileOperations(into, m_defaults).importFrom(large), Result::ImportTooLarge);
        QVERIFY(DProfileOperations::message(Result::ImportTooLarge).contains(QString::number(kStoreMaxFileMegabytes)));
        QCOMPARE(profileNames(into), QStringList{"1:Profile1"});
    }

    // Keys that open programs are shown before anything of the profile is
    // stored, with what each runs (a desktop entry's Exec line too); No
    // stores nothing, Yes imports the profile as it was shown.
    void importWithProgramKeysAsksFirst_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::newRow("no") << false;
        QTest::newRow("yes") << true;
    }
    void importWithProgramKeysAsksFirst()
    {
        QFETCH(bool, answer);
        QTemporaryDir programs;
        const QString entry = programs.filePath(QStringLiteral("tool.desktop"));
        QFile desktop(entry);
        QVERIFY(desktop.open(QIODevice::WriteOnly));
        desktop.write("[Desktop Action Other]\nExec=/usr/bin/other\n"
                      "[Desktop Entry]\nType=Application\nName=Tool\nExec=sh -c 'echo hidden'\n");
        desktop.close();
        const QByteArray source = layerWith({1, 2});
        QVERIFY(COrvaneXML_AddProFileMacroWithKeyInfoItem(source, "2", "4", "A", "8", "1", "1", "/usr/bin/xterm"));
        QVERIFY(COrvaneXML_AddProFileMacroWithKeyInfoItem(source, "2", "5", "B", "0", "1", "1", "6"));
        QVERIFY(COrvaneXML_AddProFileMacroWithKeyInfoItem(source, "2", "6", "C", "8", "1", "1",
                                                          "/opt/Some Tool/t\xC3\xB6\xC3\xB6l"));
        QVERIFY(
            COrvaneXML_AddProFileMacroWithKeyInfoItem(source, "2", "7", "D", "8", "1", "1", QFile::encodeName(entry)));
        const QByteArray into = layerWith({1, 3});
        const QByteArray before = readFileBytes(into);
        DProfileOperations importer(into, m_defaults);

        QStringList asked;
        QStringList storedWhenAsked;
        int imported = -1;
        const Result result = importer.importFrom(QFile::decodeName(source), &imported, [&](const QStringList& shown) {
            asked = shown;
            storedWhenAsked = profileNames(into);
            return answer;
        });

        asked.sort();
        QStringList expected{QStringLiteral("/opt/Some Tool/t\u00f6\u00f6l"), "/usr/bin/xterm",
                             entry + QStringLiteral("\n    Exec=sh -c 'echo hidden'")};
        expected.sort();
        QCOMPARE(asked, expected);
        // Nothing is stored before the answer.
        QCOMPARE(storedWhenAsked, (QStringList{"1:Profile1", "3:Profile3"}));
        if (!answer) {
            QCOMPARE(result, Result::ImportDeclined);
            QCOMPARE(readFileBytes(into), before);
            QCOMPARE(profileNames(into), (QStringList{"1:Profile1", "3:Profile3"}));
            return;
        }
        QCOMPARE(result, Result::Imported);
        QCOMPARE(imported, 4);
        QStringList kept = importer.programsOpenedBy(imported);
        kept.sort();
        QCOMPARE(kept, asked);
        QVERIFY(importer.programsOpenedBy(1).isEmpty());
        keyOperateInfo other{};
        QVERIFY(COrvaneXML_SelectProFileKeyOperateInfo(into, "4", "5", &other));
        QCOMPARE(QByteArray(other.value), QByteArray("6"));
    }

    // A profile without program keys is imported without a question.
    void importWithoutProgramKeysAsksNothing()
    {
        const QByteArray source = layerWith({1, 2});
        QVERIFY(COrvaneXML_AddProFileMacroWithKeyInfoItem(source, "2", "5", "B", "0", "1", "1", "6"));
        const QByteArray into = layerWith({1});
        bool asked = false;
        int imported = -1;
        QCOMPARE(DProfileOperations(into, m_defaults)
                     .importFrom(QFile::decodeName(source), &imported,
                                 [&asked](const QStringList&) {
                                     asked = true;
                                     return false;
                                 }),
                 Result::Imported);
        QVERIFY(!asked);
        QCOMPARE(imported, 2);
    }

    void messagesOfEveryResult()
    {
        for (Result result :
             {Result::Created,      Result::Deleted,       Result::Renamed,        Result::ResetDone,
              Result::Exported,     Result::Imported,      Result::MaximumReached, Result::IndexExists,
              Result::KeepOne,      Result::NodeMissing,   Result::EmptyName,      Result::UnknownProfile,
              Result::TargetExists, Result::NoDirectory,   Result::NoImportFile,   Result::CreateFailed,
              Result::DeleteFailed, Result::RenameFailed,  Result::ResetFailed,    Result::ExportFailed,
              Result::ImportFailed, Result::ImportTooLarge})
            QVERIFY(!DProfileOperations::message(result).isEmpty());
        QCOMPARE(DProfileOperations::message(Result::Created), QStringLiteral("Create profile successful"));
        QCOMPARE(DProfileOperations::message(Result::MaximumReached),
                 QStringLiteral("The number of profile has reached the maximum"));
        QVERIFY(DProfileOperations::message(Result::Switched).isEmpty());
    }

    void storedKeyFunctions()
    {
        const QByteArray path = layerWith({1});
        QVERIFY(COrvaneXML_AddProFileMacroWithKeyInfoItem(path, "1", "4", "A", "0", "1", "1", "5"));
        QVERIFY(COrvaneXML_AddProFileMacroWithKeyInfoItem(path, "1", "-10", "Fn", "5", "1", "1", "0"));
        QVERIFY(COrvaneXML_AddProFileMacroWithKeyInfoItem(path, "1", "41", "Esc", "2", "1", "1", "1,4"));
        QList<int> usages = DStoredKeyFunctions::customisedUsages(path, 1);
        std::sort(usages.begin(), usages.end());
        QCOMPARE(usages, (QList<int>{-10, 4, 41}));
        QVERIFY(DStoredKeyFunctions::customisedUsages(path, 2).isEmpty());
    }
};

ORVANE_TEST_MAIN(tst_profileManagement)
#include "tst_profileManagement.moc"
