// Light settings and custom light schemes through the COrvaneXML_ functions,
// as the new-profile defaults, the lighting page and the device page use them.
#include "support/StoreTestSupport.h"
#include "support/TestMain.h"

#include <QTemporaryDir>

using namespace StoreTestSupport;

class tst_storeLights : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_files = 0;

    QByteArray newLayerFile()
    {
        const QByteArray path = pathIn(m_dir, QStringLiteral("lights%1.xml").arg(++m_files));
        [&] { QVERIFY(createLayerFile(path, 2)); }();
        return path;
    }

    // The defaults every new profile gets: parts 0, 1 and 2, effect 2.
    void addDefaults(const char* path, const char* profile)
    {
        for (int part = 0; part <= 2; ++part)
            QVERIFY(COrvaneXML_AddProFileLightInfoItem(path, profile,
                                                       colorInfoData{part, 2, 3, 3, 255, 0, 0, 0, 0, 0, 0, 1, 0, 0}));
    }

    static QString readSetting(const char* path, const char* profile, int part, int effect)
    {
        colorInfoData info;
        std::memset(&info, 0x11, sizeof info);
        const bool found = COrvaneXML_SelectProfileColorDataInfo(path, profile, part, effect, &info);
        return found ? describe(info) : QStringLiteral("none ") + describe(info);
    }

private slots:
    void settings_data()
    {
        QTest::addColumn<QStringList>("operations");
        QTest::addColumn<QString>("results");
        QTest::addColumn<int>("part");
        QTest::addColumn<int>("effect");
        QTest::addColumn<QString>("expected");

        const QString untouched = QStringLiteral("none 286331153,286331153,286331153,286331153,286331153,286331153,"
                                                 "286331153,286331153,286331153,286331153,286331153,286331153,"
                                                 "286331153,286331153");
        QTest::newRow("default for part 2 is kept") << QStringList{} << "" << 2 << 2 << "2,2,3,3,255,0,0,0,0,0,0,1,0,0";
        QTest::newRow("absent setting leaves the record") << QStringList{} << "" << 0 << 7 << untouched;
        QTest::newRow("add a new effect")
            << QStringList{"add 0 7 5"} << "1" << 0 << 7 << "0,7,5,3,255,0,0,0,0,0,0,1,0,0";
        QTest::newRow("modify all fourteen values")
            << QStringList{"modify 1 2 4"} << "1" << 1 << 2 << "1,2,4,3,255,0,0,0,0,0,0,1,0,0";
        QTest::newRow("modify of an absent setting stores nothing")
            << QStringList{"modify 0 9 4"} << "0" << 0 << 9 << untouched;
        QTest::newRow("add twice keeps one setting")
            << QStringList{"add 0 7 5", "add 0 7 6"} << "11" << 0 << 7 << "0,7,6,3,255,0,0,0,0,0,0,1,0,0";
        QTest::newRow("profile the file lacks") << QStringList{"add@5 0 7 5"} << "0" << 0 << 7 << untouched;
    }

    void settings()
    {
        QFETCH(QStringList, operations);
        QFETCH(QString, results);
        QFETCH(int, part);
        QFETCH(int, effect);
        QFETCH(QString, expected);
        const QByteArray path = newLayerFile();
        addDefaults(path, "1");
        for (int i = 0; i < operations.size(); ++i) {
            const QStringList w = operations[i].split(QLatin1Char(' '));
            const QByteArray profile
                = w[0].contains(QLatin1Char('@')) ? w[0].section(QLatin1Char('@'), 1).toLatin1() : QByteArray("1");
            const int p = w[1].toInt(), e = w[2].toInt(), brightness = w[3].toInt();
            bool ok;
            if (w[0].startsWith(QLatin1String("add")))
                ok = COrvaneXML_AddProFileLightInfoItem(path, profile, light(p, e, brightness));
            else // the record's own part and effect do not matter: the arguments name the setting
                ok = COrvaneXML_ModifyProFileLightInfoItem(path, profile, p, e, light(9, 99, brightness));
            QCOMPARE(ok ? '1' : '0', results[i].toLatin1());
        }
        QCOMPARE(readSetting(path, "1", part, effect), expected);
        QCOMPARE(COrvaneXML_IsProFileAlreadyHaveLightInfo(path, "1", part, effect), !expected.startsWith("none"));
        QVERIFY(!COrvaneXML_IsProFileAlreadyHaveLightInfo(path, "2", part, effect));
    }

    void effectInUse()
    {
        const QByteArray path = newLayerFile();
        // Nothing stored at all.
        QCOMPARE(COrvaneXML_SelectProFileMouseLightTypeUsingIndex(path, "1", 0), -1);
        addDefaults(path, "1");
        // Without a recorded effect, the part's stored setting is the one in use.
        QCOMPARE(COrvaneXML_SelectProFileMouseLightTypeUsingIndex(path, "1", 0), 2);
        QVERIFY(COrvaneXML_ModifyProFileMouseLightUsingIndex(path, "1", 0, 10));
        QVERIFY(COrvaneXML_ModifyProFileMouseLightUsingIndex(path, "1", 1, 4));
        QVERIFY(COrvaneXML_ModifyProFileMouseLightUsingIndex(path, "1", 0, 12));
        QCOMPARE(COrvaneXML_SelectProFileMouseLightTypeUsingIndex(path, "1", 0), 12);
        QCOMPARE(COrvaneXML_SelectProFileMouseLightTypeUsingIndex(path, "1", 1), 4);
        QCOMPARE(COrvaneXML_SelectProFileMouseLightTypeUsingIndex(path, "2", 0), -1);
        QCOMPARE(COrvaneXML_SelectProFileMouseLightTypeUsingIndex(path, "x", 0), -1);
        QVERIFY(!COrvaneXML_ModifyProFileMouseLightUsingIndex(path, "3", 0, 1));
        QVERIFY(COrvaneXML_ModifyProFileLightSynchronizeStatus(path, "1", 1));
        QVERIFY(!COrvaneXML_ModifyProFileLightSynchronizeStatus(path, "3", 1));
    }

    void schemes_nodesAndStatus()
    {
        const QByteArray path = newLayerFile();
        QVERIFY(COrvaneXML_AddProFileCustomLightNode(path, "1", "0", "Alphabets", "Using", 0));
        QVERIFY(COrvaneXML_AddProFileCustomLightNode(path, "1", "1", "WASD+Arrows", "Using", 1));
        for (int i = 2; i <= 4; ++i)
            QVERIFY(COrvaneXML_AddProFileCustomLightNode(path, "1", QByteArray::number(i),
                                                         "Custom " + QByteArray::number(i + 1), "UnUsing", -1));
        QVERIFY(!COrvaneXML_AddProFileCustomLightNode(path, "1", "2", "Twice", "UnUsing", -1));
        QVERIFY(!COrvaneXML_AddProFileCustomLightNode(path, "1", "two", "Bad", "UnUsing", -1));

        // The lighting page hands slot 0 from scheme 0 to scheme 3.
        QVERIFY(COrvaneXML_ModifyProFileCustomLightNodeUsingStatus(path, "1", "0", "UnUsing", -1));
        QVERIFY(COrvaneXML_ModifyProFileCustomLightNodeUsingStatus(path, "1", "3", "Using", 0));
        QVERIFY(COrvaneXML_ModifyProFileCustomLightNodeName(path, "1", "3", "R\xC3\xB6t"));
        QVERIFY(!COrvaneXML_ModifyProFileCustomLightNodeName(path, "1", "7", "Nope"));
        QVERIFY(!COrvaneXML_ModifyProFileCustomLightNodeUsingStatus(path, "1", "7", "Using", 1));

        std::list<customLightNodeInfo> nodes;
        QVERIFY(COrvaneXML_SelectProFileCustomLightAllNodes(path, "1", &nodes));
        QStringList listed;
        for (const customLightNodeInfo& node : nodes)
            listed << describe(node);
        QCOMPARE(listed, (QStringList{"0|Alphabets|UnUsing|-1", "1|WASD+Arrows|Using|1", "2|Custom 3|UnUsing|-1",
                                      QString::fromUtf8("3|R\xC3\xB6t|Using|0"), "4|Custom 5|UnUsing|-1"}));
        nodes.clear();
        QVERIFY(COrvaneXML_SelectProFileCustomLightAllNodes(path, "2", &nodes));
        QVERIFY(nodes.empty());
    }

    void schemes_keyColours()
    {
        const QByteArray path = newLayerFile();
        QVERIFY(COrvaneXML_AddProFileCustomLightNode(path, "1", "0", "Alphabets", "Using", 0));
        QVERIFY(COrvaneXML_AddProFileCustomLightNode(path, "1", "1", "WASD", "Using", 1));
        const QList<customLightDataItem> colours{keyColour("4", "A", 3, 1, 255, 0, 0),
                                                 keyColour("26", "W", 2, 2, 0, 255, 0),
                                                 keyColour("-10", "\xC4", 5, 21, 1, 2, 3, 7)};
        for (const customLightDataItem& colour : colours)
            QVERIFY(COrvaneXML_AddProFileCustomLightDataInfo(path, "1", "0", colour));
        QVERIFY(COrvaneXML_AddProFileCustomLightDataInfo(path, "1", "1", keyColour("7", "D", 3, 3, 9, 9, 9)));
        QVERIFY(!COrvaneXML_AddProFileCustomLightDataInfo(path, "1", "4", keyColour("7", "D", 3, 3, 9, 9, 9)));

        std::list<customLightDataItem> read;
        QVERIFY(COrvaneXML_ProFileCustomLightInfoSelectAll(path, "1", "0", &read));
        QStringList got, wanted;
        for (const customLightDataItem& item : read)
            got << describe(item);
        for (const customLightDataItem& item : colours)
            wanted << describe(item);
        QCOMPARE(got, wanted);

        // Saving a scheme: clear it, then add what is not black; the other scheme stays.
        QVERIFY(COrvaneXML_ClearProFileCustomLightNode(path, "1", "0"));
        QVERIFY(COrvaneXML_ClearProFileCustomLightNode(path, "1", "0"));
        QVERIFY(!COrvaneXML_ClearProFileCustomLightNode(path, "1", "4"));
        read.clear();
        QVERIFY(COrvaneXML_ProFileCustomLightInfoSelectAll(path, "1", "0", &read));
        QVERIFY(read.empty());
        QVERIFY(COrvaneXML_ProFileCustomLightInfoSelectAll(path, "1", "1", &read));
        QCOMPARE(int(read.size()), 1);
        QVERIFY(!COrvaneXML_ProFileCustomLightInfoSelectAll(path, "1", "4", &read));
        QCOMPARE(int(read.size()), 1);
    }

    void defaultSchemeFile_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QByteArray>("scheme");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<bool>("found");
        const QByteArray file
            = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<orvaneStore version=\"1\"><customLights>"
              "<customLight index=\"0\"><keyColour keyCode=\"4\" keyLabel=\"A\" row=\"3\" column=\"1\" red=\"255\" "
              "green=\"0\" blue=\"0\" fourth=\"0\"/><keyColour keyCode=\"5\" keyLabel=\"B\" row=\"4\" column=\"5\" "
              "red=\"1\" green=\"2\" blue=\"3\" fourth=\"255\"/></customLight>"
              "<customLight index=\"1\"/></customLights></orvaneStore>";
        QTest::newRow("scheme 0") << file << QByteArray("0") << QStringList{"4|A|3,1|255,0,0|0", "5|B|4,5|1,2,3|255"}
                                  << true;
        QTest::newRow("empty scheme") << file << QByteArray("1") << QStringList{} << true;
        QTest::newRow("scheme the file lacks") << file << QByteArray("2") << QStringList{} << false;
        QTest::newRow("not a scheme file") << QByteArray("garbage") << QByteArray("0") << QStringList{} << false;
    }

    void defaultSchemeFile()
    {
        QFETCH(QByteArray, content);
        QFETCH(QByteArray, scheme);
        QFETCH(QStringList, expected);
        QFETCH(bool, found);
        const QByteArray path = pathIn(m_dir, QStringLiteral("customLightDefaultConfig%1.xml").arg(++m_files));
        {
            QFile file(QFile::decodeName(path));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        std::list<customLightDataItem> items;
        QCOMPARE(COrvaneXML_XmlCustomLightInfoSelectAll(path, scheme, &items), found);
        QStringList got;
        for (const customLightDataItem& item : items)
            got << describe(item);
        QCOMPARE(got, expected);
        // A shipped default file is only read: never moved aside or rewritten.
        QFile file(QFile::decodeName(path));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), content);
        // The resource copy may have failed: the device page passes an empty path.
        QVERIFY(!COrvaneXML_XmlCustomLightInfoSelectAll("", scheme, &items));
        QCOMPARE(int(items.size()), expected.size());
    }
};

ORVANE_TEST_MAIN(tst_storeLights)
#include "tst_storeLights.moc"
