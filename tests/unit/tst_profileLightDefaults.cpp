// Default light settings and custom light schemes of new profiles, the
// choice of the built-in scheme file, and the scheme painted on the picture.
#include "support/StoreTestSupport.h"
#include "support/TestMain.h"

#include "profiles/DProfileLightDefaults.h"
#include "sdk/models/ModelCatalogue.h"
#include "ui/mainwidget/devicePage/keyboardView/DKeyLayoutDescription.h"
#include "ui/mainwidget/devicePage/keyboardView/keyboardButCustom.h"

#include <QFile>
#include <QTemporaryDir>

#include <memory>

using namespace StoreTestSupport;

namespace {

// The key colours of one scheme of a built-in file, read the way the store
// reads it for a new profile.
QStringList builtInScheme(const QString& fileName, int scheme)
{
    QTemporaryDir dir;
    const QString copy = dir.filePath(fileName);
    if (!QFile::copy(QStringLiteral(":/images/configDir/") + fileName, copy))
        return {QStringLiteral("missing ") + fileName};
    std::list<customLightDataItem> items;
    COrvaneXML_XmlCustomLightInfoSelectAll(QFile::encodeName(copy), QByteArray::number(scheme), &items);
    QStringList out;
    for (const customLightDataItem& item : items)
        out << describe(item);
    return out;
}

QStringList storedScheme(const char* path, const char* profile, const char* scheme)
{
    std::list<customLightDataItem> items;
    COrvaneXML_ProFileCustomLightInfoSelectAll(path, profile, scheme, &items);
    QStringList out;
    for (const customLightDataItem& item : items)
        out << describe(item);
    return out;
}

} // namespace

class tst_profileLightDefaults : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_files = 0;

    QByteArray newProfileFile(const char* index = "1")
    {
        const QByteArray path = pathIn(m_dir, QStringLiteral("layer%1.xml").arg(++m_files));
        [&] {
            QVERIFY(COrvaneXML_CreateXMLFile(path));
            QVERIFY(COrvaneXML_CreateProFileXmlParentNode(path, index, "Profile1", 0));
        }();
        return path;
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void schemeFileChoice_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("file");

        QTest::newRow("84") << 84 << "OV84"
                            << "customLightDefaultConfig_84.xml";
        QTest::newRow("69 uses the 84 grid") << 69 << "OV84"
                                             << "customLightDefaultConfig_84.xml";
        QTest::newRow("83") << 83 << "OV84"
                            << "customLightDefaultConfig_83.xml";
        QTest::newRow("97") << 97 << "OV98"
                            << "customLightDefaultConfig_98.xml";
        QTest::newRow("99 whatever the model") << 99 << "OV68M"
                                               << "customLightDefaultConfig_98.xml";
        QTest::newRow("100 whatever the model") << 100 << "OV104M"
                                                << "customLightDefaultConfig_98.xml";
        QTest::newRow("61 HE has no model file") << 61 << "OV61M"
                                                 << "customLightDefaultConfig_61.xml";
        QTest::newRow("68") << 68 << "OV68"
                            << "customLightDefaultConfig_68.xml";
        QTest::newRow("68 model file") << 68 << "OV68M"
                                       << "customLightDefaultConfig_OV68M.xml";
        QTest::newRow("model codes are case-sensitive") << 68 << "ov68m"
                                                        << "customLightDefaultConfig_68.xml";
        QTest::newRow("34") << 34 << "OV68M"
                            << "customLightDefaultConfig_34.xml";
        QTest::newRow("18") << 18 << "OV104M"
                            << "customLightDefaultConfig_18.xml";
        QTest::newRow("82") << 82 << "OV82"
                            << "customLightDefaultConfig_82.xml";
        QTest::newRow("82 model file") << 82 << "OV82M"
                                       << "customLightDefaultConfig_OV82M.xml";
        QTest::newRow("a model of another layout's table") << 82 << "OV68M"
                                                           << "customLightDefaultConfig_82.xml";
        QTest::newRow("no row: general") << 104 << "OV104"
                                         << "customLightDefaultConfig.xml";
        QTest::newRow("no row: model table") << 104 << "OV104M"
                                             << "customLightDefaultConfig_OV104M.xml";
        QTest::newRow("no row, unknown model") << 0 << ""
                                               << "customLightDefaultConfig.xml";
    }

    void schemeFileChoice()
    {
        QFETCH(int, layout);
        QFETCH(QString, model);
        QFETCH(QString, file);
        QCOMPARE(DProfileLightDefaults::defaultSchemeFileName(layout, model), file);
    }

    // Each catalogue model's file has both default schemes, and every key
    // colour sits on the grid place that model's picture gives that key.
    void everyModelsSchemesFitItsGrid_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("layout");
        for (const ModelInfo& model : ModelCatalogue::instance().models())
            QTest::newRow(qPrintable(model.code)) << model.code << model.layoutNumber;
    }

    void everyModelsSchemesFitItsGrid()
    {
        QFETCH(QString, model);
        QFETCH(int, layout);
        DKeyLayoutDescription description;
        QVERIFY(description.parse(
            DKeyLayoutDescription::readResource(QStringLiteral("KeyInfo_%1.config").arg(model), "no layout"), 1, 6));
        const DKeyLayoutDescription::Grid grid = description.keyGrid();
        const QString file = DProfileLightDefaults::defaultSchemeFileName(layout, model);
        QTemporaryDir dir;
        QVERIFY(QFile::copy(QStringLiteral(":/images/configDir/") + file, dir.filePath(file)));
        const QByteArray copy = QFile::encodeName(dir.filePath(file));

        // Letters for the first, W A S D (and arrows where the grid has them)
        // for the second.
        const QList<int> expected[2] = {
            [] {
                QList<int> l;
                for (int u = 4; u <= 29; ++u)
                    l << u;
                return l;
            }(),
            {26, 4, 22, 7, 79, 80, 81, 82},
        };
        for (int scheme = 0; scheme < 2; ++scheme) {
            std::list<customLightDataItem> items;
            QVERIFY(COrvaneXML_XmlCustomLightInfoSelectAll(copy, QByteArray::number(scheme), &items));
            QList<int> usages;
            for (const customLightDataItem& item : items) {
                QVERIFY(item.row >= 0 && item.row < 6 && item.column >= 0 && item.column < 22);
                QCOMPARE(QByteArray::number(grid[item.row][item.column].dec), QByteArray(item.keyCode));
                QVERIFY(item.red || item.green || item.blue);
                usages << QByteArray(item.keyCode).toInt();
            }
            QList<int> onGrid;
            for (int usage : expected[scheme]) {
                for (const auto& row : grid)
                    for (const DKeyLayoutEntry& entry : row)
                        if (entry.dec == usage)
                            onGrid << usage;
            }
            std::sort(usages.begin(), usages.end());
            std::sort(onGrid.begin(), onGrid.end());
            QCOMPARE(usages, onGrid);
            QVERIFY(usages.size() >= (scheme == 0 ? 26 : 4));
        }
    }

    void defaultLightInfo_data()
    {
        QTest::addColumn<bool>("synchronize");
        QTest::newRow("synchronisation on") << true;
        QTest::newRow("synchronisation off") << false;
    }

    void defaultLightInfo()
    {
        QFETCH(bool, synchronize);
        const QByteArray path = newProfileFile("3");
        DProfileLightDefaults(84, QStringLiteral("OV84"), synchronize).addDefaultLightInfo(path, 3);
        for (int part = 0; part < 3; ++part) {
            colorInfoData info{};
            QVERIFY(COrvaneXML_SelectProfileColorDataInfo(path, "3", part, 2, &info));
            QCOMPARE(describe(info), QStringLiteral("%1,2,3,3,255,0,0,0,0,0,0,1,0,0").arg(part));
        }
        QFile file(QFile::decodeName(path));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().contains("<lightSynchronize status=\"1\""), synchronize);
    }

    void defaultCustomLights_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<QString>("model");
        QTest::newRow("84") << 84 << "OV84";
        QTest::newRow("68 HE") << 68 << "OV68M";
        QTest::newRow("104") << 104 << "OV104";
    }

    void defaultCustomLights()
    {
        QFETCH(int, layout);
        QFETCH(QString, model);
        const QByteArray path = newProfileFile("2");
        DProfileLightDefaults(layout, model, false).addDefaultCustomLights(path, 2);

        std::list<customLightNodeInfo> schemes;
        QVERIFY(COrvaneXML_SelectProFileCustomLightAllNodes(path, "2", &schemes));
        QStringList described;
        for (const customLightNodeInfo& scheme : schemes)
            described << describe(scheme);
        QCOMPARE(described, (QStringList{"0|Alphabets|Using|0", "1|WASD+Arrows|Using|1", "2|Custom 3|UnUsing|-1",
                                         "3|Custom 4|UnUsing|-1", "4|Custom 5|UnUsing|-1"}));
        const QString file = DProfileLightDefaults::defaultSchemeFileName(layout, model);
        QCOMPARE(storedScheme(path, "2", "0"), builtInScheme(file, 0));
        QCOMPARE(storedScheme(path, "2", "1"), builtInScheme(file, 1));
        QVERIFY(!storedScheme(path, "2", "0").isEmpty());
        for (const char* empty : {"2", "3", "4"})
            QVERIFY(storedScheme(path, "2", empty).isEmpty());
    }

    // A layout whose file is not built in still gets its five schemes, the
    // first two without key colours.
    void missingSchemeFileLeavesSchemesEmpty()
    {
        const QByteArray path = newProfileFile();
        const DProfileLightDefaults defaults(34, QStringLiteral("OV34"), false);
        QVERIFY(!QFile::exists(QStringLiteral(":/images/configDir/")
                               + DProfileLightDefaults::defaultSchemeFileName(34, QStringLiteral("OV34"))));
        defaults.addDefaultCustomLights(path, 1);
        std::list<customLightNodeInfo> schemes;
        QVERIFY(COrvaneXML_SelectProFileCustomLightAllNodes(path, "1", &schemes));
        QCOMPARE(int(schemes.size()), 5);
        QVERIFY(storedScheme(path, "1", "0").isEmpty());
        QVERIFY(!defaults.fillDefaultCustomLight(path, 1, 0));
    }

    void saveCustomLight_data()
    {
        QTest::addColumn<QList<QColor>>("colours"); // one per cap of the first row
        QTest::addColumn<QStringList>("stored");

        QTest::newRow("coloured and black keys") << QList<QColor>{QColor(255, 0, 0), QColor(0, 0, 0), QColor(1, 2, 3)}
                                                 << QStringList{"41|Esc|0,0|255,0,0|128", "59|F2|0,2|1,2,3|128"};
        QTest::newRow("every key black") << QList<QColor>{Qt::black, Qt::black, Qt::black} << QStringList{};
    }

    void saveCustomLight()
    {
        QFETCH(QList<QColor>, colours);
        QFETCH(QStringList, stored);
        const QByteArray path = newProfileFile();
        QVERIFY(COrvaneXML_AddProFileCustomLightNode(path, "1", "2", "Custom 3", "Using", -1));
        QVERIFY(COrvaneXML_AddProFileCustomLightDataInfo(path, "1", "2", keyColour("4", "A", 3, 1, 9, 9, 9)));

        const int usages[] = {41, 58, 59};
        const char* labels[] = {"Esc", "F1", "F2"};
        QVector<DProfileLightDefaults::PaintedKey> keys;
        for (int column = 0; column < colours.size(); ++column)
            keys.append({usages[column], QString::fromLatin1(labels[column]), 0, column, colours[column]});
        QVERIFY(DProfileLightDefaults::saveCustomLight(path, 1, 2, keys));
        QCOMPARE(storedScheme(path, "1", "2"), stored);
    }

    void saveCustomLightIntoMissingSchemeChangesNothing()
    {
        const QByteArray path = newProfileFile();
        QFile file(QFile::decodeName(path));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        file.close();
        const QVector<DProfileLightDefaults::PaintedKey> keys{{4, QStringLiteral("A"), 3, 1, Qt::red}};
        QVERIFY(!DProfileLightDefaults::saveCustomLight(path, 7, 0, keys));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
    }
};

ORVANE_TEST_MAIN(tst_profileLightDefaults)
#include "tst_profileLightDefaults.moc"
