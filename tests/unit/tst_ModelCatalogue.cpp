#include "support/TestMain.h"

#include "sdk/models/ModelCatalogue.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>

class tst_ModelCatalogue : public QObject
{
    Q_OBJECT

private:
    // A valid one-model catalogue with some fields of the model replaced.
    static QByteArray minimalCatalogue(const QJsonObject& overrides = {})
    {
        QJsonObject model{{"code", "A1"},
                          {"productName", "P"},
                          {"likeName", "L"},
                          {"deviceType", "keyboard"},
                          {"values", QJsonArray{0, 0, 0, 0}},
                          {"layoutNumber", 61},
                          {"layoutDeviceType", 2},
                          {"sideLightCount", 0},
                          {"vendorId", "1209"},
                          {"productId", "0001"},
                          {"receiverProductId", ""},
                          {"interfaceNumber", 1},
                          {"usagePage", "ff60"},
                          {"keyArea", QJsonObject{{"rows", QJsonArray{1, 5}}, {"columns", QJsonArray{0, 13}}}}};
        for (auto it = overrides.begin(); it != overrides.end(); ++it)
            model.insert(it.key(), it.value());
        const QJsonObject top{{"firmwareId", QJsonArray{"NUC", "01", "KB", "X"}},
                              {"bootloaders", QJsonArray{}},
                              {"models", QJsonArray{model}}};
        return QJsonDocument(top).toJson();
    }

private slots:
    void builtInCatalogueCoversTheFamily()
    {
        const ModelCatalogue& c = ModelCatalogue::instance();
        QVERIFY2(c.models().size() >= 10, "the built-in catalogue did not load or is too small");

        QSet<int> layouts, deviceTypes, sideCounts;
        int magnetic = 0, magneticWithSide = 0, receivers = 0, keyboardModes = 0, prohibitSleep = 0, rgbFirst = 0;
        QSet<QPair<int, int>> boxes;
        for (const ModelInfo& m : c.models()) {
            layouts << m.layoutNumber;
            deviceTypes << m.layoutDeviceType;
            sideCounts << m.sideLightCount;
            magnetic += m.isMagnetic();
            magneticWithSide += m.isMagnetic() && m.hasSideLight();
            receivers += m.hasReceiver();
            keyboardModes += m.keyboardModes;
            prohibitSleep += m.prohibitSleep;
            rgbFirst += m.paletteRgbFirst;
            if (m.hasOwnPictureBox())
                boxes << qMakePair(m.pictureBoxWidth, m.pictureBoxHeight);
            QCOMPARE(m.deviceType, QStringLiteral("keyboard"));
            QVERIFY(!m.productName.isEmpty() && !m.likeName.isEmpty());
            QCOMPARE(m.vendorId, uint16_t(0x1209));
        }
        for (int layout : {61, 68, 82, 84, 98, 104})
            QVERIFY2(layouts.contains(layout), qPrintable(QString::number(layout)));
        QVERIFY(magnetic >= 3);
        QVERIFY(magneticWithSide >= 1);
        QVERIFY(deviceTypes.contains(2) || deviceTypes.contains(3));
        QVERIFY(deviceTypes.contains(5));
        QVERIFY(sideCounts.contains(0) && sideCounts.contains(33) && sideCounts.contains(45));
        QVERIFY(sideCounts.contains(50) || sideCounts.contains(51));
        QVERIFY(receivers >= 2);
        QCOMPARE(keyboardModes, 1);
        QCOMPARE(prohibitSleep, 1);
        QCOMPARE(rgbFirst, 1);
        QCOMPARE(boxes, (QSet<QPair<int, int>>{{51, 91}, {100, 89}}));
        QVERIFY(c.usbIdsArePlaceholders());
        QCOMPARE(c.firmwareId().size(), 4);
    }

    void bootloaderIdentities()
    {
        const auto& ids = ModelCatalogue::instance().bootloaderIds();
        QCOMPARE(int(ids.size()), 3);
        QCOMPARE(ids[0].vendorIdText, QStringLiteral("0416"));
        QCOMPARE(ids[0].productIdText, QStringLiteral("3f00"));
        QCOMPARE(ids[1].vendorIdText, QStringLiteral("1FC9"));
        QCOMPARE(ids[1].productIdText, QStringLiteral("F7DF"));
        QCOMPARE(ids[2].vendorIdText, QStringLiteral("0416"));
        QCOMPARE(ids[2].productIdText, QStringLiteral("3f01"));
    }

    // Three image families, each with a model that also comes behind its
    // receiver, and every upgrade-mode id one of ours.
    void firmwareFamilies()
    {
        const ModelCatalogue& c = ModelCatalogue::instance();
        QMap<ModelInfo::FirmwareFamily, int> count;
        QSet<int> withReceiver;
        for (const ModelInfo& m : c.models()) {
            if (!m.isUpgradeable()) {
                QCOMPARE(m.upgradeProductId, uint16_t(0));
                continue;
            }
            ++count[m.firmwareFamily];
            if (m.hasReceiver())
                withReceiver << int(m.firmwareFamily);
            QVERIFY(!m.firmwareVersion.isEmpty());
            if (m.firmwareFamily == ModelInfo::FirmwareFamily::Vendor)
                QVERIFY2(m.firmwareVersion.size() <= 4, qPrintable(m.code));
            QCOMPARE(c.findByUpgradeId(m.vendorId, m.upgradeProductId), &m);
            QVERIFY(!c.findByUsbId(m.vendorId, m.upgradeProductId).model);
            for (const auto& b : c.bootloaderIds())
                QVERIFY(ModelCatalogue::idText(m.upgradeProductId).compare(b.productIdText, Qt::CaseInsensitive) != 0);
        }
        QCOMPARE(count.value(ModelInfo::FirmwareFamily::Vendor), 3);
        QCOMPARE(count.value(ModelInfo::FirmwareFamily::Bin512), 1);
        QCOMPARE(count.value(ModelInfo::FirmwareFamily::Bin256), 1);
        QCOMPARE(withReceiver.size(), 3);
        QVERIFY(!c.findByUpgradeId(0x1209, c.models().front().productId));
    }

    void streamBatchFollowsSideLight_data()
    {
        QTest::addColumn<int>("sideLights");
        QTest::addColumn<int>("sidePackets");
        QTest::addColumn<int>("batch");
        QTest::newRow("no side light sends the default 33") << 0 << 2 << 10;
        QTest::newRow("33") << 33 << 2 << 10;
        QTest::newRow("36 fills two packets") << 36 << 2 << 10;
        QTest::newRow("37 needs a third") << 37 << 3 << 11;
        QTest::newRow("45") << 45 << 3 << 11;
        QTest::newRow("50") << 50 << 3 << 11;
        QTest::newRow("51") << 51 << 3 << 11;
    }
    void streamBatchFollowsSideLight()
    {
        QFETCH(int, sideLights);
        QFETCH(int, sidePackets);
        QFETCH(int, batch);
        ModelInfo m;
        m.sideLightCount = sideLights;
        QCOMPARE(m.streamSidePackets(), sidePackets);
        QCOMPARE(m.streamBatchSize(), batch);
    }

    void everyBuiltInBatchCarriesWholeFrames()
    {
        for (const ModelInfo& m : ModelCatalogue::instance().models()) {
            const int leds = m.hasSideLight() ? m.sideLightCount : 33;
            QCOMPARE(m.streamBatchSize(), 8 + (leds + 17) / 18);
        }
    }

    void lookups()
    {
        const ModelCatalogue& c = ModelCatalogue::instance();
        for (const ModelInfo& m : c.models()) {
            QCOMPARE(c.find(m.code), &m);
            QVERIFY(!c.find(m.code.toLower()) || m.code == m.code.toLower());
            const auto cable = c.findByUsbId(m.vendorId, m.productId);
            QCOMPARE(cable.model, &m);
            QVERIFY(!cable.viaReceiver);
            if (m.hasReceiver()) {
                const auto dongle = c.findByUsbId(m.vendorId, m.receiverProductId);
                QCOMPARE(dongle.model, &m);
                QVERIFY(dongle.viaReceiver);
            }
            QCOMPARE(m.vendorIdText(), QStringLiteral("%1").arg(m.vendorId, 4, 16, QLatin1Char('0')).toUpper());
        }
        QVERIFY(!c.find(QStringLiteral("NOPE")));
        QVERIFY(!c.findByUsbId(0x1209, 0xFFFF).model);
        QVERIFY(!c.findByUsbId(0x046D, c.models().front().productId).model);
        QVERIFY(c.hasVendorId(0x1209));
        QCOMPARE(c.vendorIds(), std::vector<uint16_t>{0x1209});
    }

    void parsesAllFields()
    {
        ModelCatalogue c;
        QString error;
        QVERIFY2(
            ModelCatalogue::parse(minimalCatalogue({{"keyboardModes", true},
                                                    {"pictureBox", QJsonArray{51, 91}},
                                                    {"musicColumns68", 17},
                                                    {"receiverProductId", "00AB"},
                                                    {"fnLayerKeys", QJsonArray{QJsonArray{5, 1}, QJsonArray{4, 21}}}}),
                                  &c, &error),
            qPrintable(error));
        QCOMPARE(int(c.models().size()), 1);
        const ModelInfo& m = c.models().front();
        QCOMPARE(m.code, QStringLiteral("A1"));
        QCOMPARE(m.usagePage, uint16_t(0xFF60));
        QCOMPARE(m.receiverProductId, uint16_t(0xAB));
        QCOMPARE(m.receiverProductIdText(), QStringLiteral("00AB"));
        QVERIFY(m.keyboardModes);
        QVERIFY(!m.prohibitSleep);
        QCOMPARE(m.musicColumns68, 17);
        QCOMPARE(m.pictureBoxWidth, 51);
        QCOMPARE((QVector<int>{m.keyAreaTop, m.keyAreaBottom, m.keyAreaLeft, m.keyAreaRight}),
                 (QVector<int>{1, 5, 0, 13}));
        QCOMPARE(m.fnLayerKeys, (std::vector<std::pair<int, int>>{{5, 1}, {4, 21}}));
    }

    void rejectsBrokenCatalogues_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("errorPart");
        QTest::newRow("not JSON") << QByteArray("{ \"models\": [") << "not JSON";
        QTest::newRow("array at top") << QByteArray("[]") << "top level";
        QTest::newRow("no models") << QByteArray("{ \"firmwareId\": [\"a\",\"b\",\"c\",\"d\"] }") << "\"models\"";
        QTest::newRow("bad vendor id") << minimalCatalogue({{"vendorId", "12G9"}}) << "\"vendorId\"";
        QTest::newRow("short product id") << minimalCatalogue({{"productId", "1"}}) << "\"productId\"";
        QTest::newRow("layout as text") << minimalCatalogue({{"layoutNumber", "61"}}) << "\"layoutNumber\"";
        QTest::newRow("fractional side light") << minimalCatalogue({{"sideLightCount", 3.5}}) << "\"sideLightCount\"";
        QTest::newRow("negative side light") << minimalCatalogue({{"sideLightCount", -1}}) << "\"sideLightCount\"";
        QTest::newRow("flag as number") << minimalCatalogue({{"prohibitSleep", 1}}) << "\"prohibitSleep\"";
        QTest::newRow("three values") << minimalCatalogue({{"values", QJsonArray{0, 0, 0}}}) << "\"values\"";
        QTest::newRow("code with a slash") << minimalCatalogue({{"code", "../A"}}) << "\"code\"";
        QTest::newRow("empty code") << minimalCatalogue({{"code", ""}}) << "\"code\"";
        QTest::newRow("no key area") << minimalCatalogue({{"keyArea", QJsonValue()}}) << "\"keyArea\"";
        QTest::newRow("key area beyond the grid")
            << minimalCatalogue({{"keyArea", QJsonObject{{"rows", QJsonArray{0, 6}}, {"columns", QJsonArray{0, 13}}}}})
            << "\"keyArea\"";
        QTest::newRow("key area first after last")
            << minimalCatalogue({{"keyArea", QJsonObject{{"rows", QJsonArray{0, 5}}, {"columns", QJsonArray{9, 3}}}}})
            << "\"keyArea\"";
        QTest::newRow("FN-layer key beyond the grid")
            << minimalCatalogue({{"fnLayerKeys", QJsonArray{QJsonArray{6, 0}}}}) << "\"fnLayerKeys\"";
        QTest::newRow("FN-layer key without its column")
            << minimalCatalogue({{"fnLayerKeys", QJsonArray{QJsonArray{5}}}}) << "\"fnLayerKeys\"";
        QTest::newRow("bad picture box") << minimalCatalogue({{"pictureBox", QJsonArray{0, 9}}}) << "\"pictureBox\"";
        QTest::newRow("receiver id of the cable") << minimalCatalogue({{"receiverProductId", "0001"}}) << "used twice";
        const auto firmware = [](const char* family, const char* version, const char* upgradeId) {
            return QJsonObject{{"family", family}, {"version", version}, {"upgradeProductId", upgradeId}};
        };
        QTest::newRow("unknown firmware family")
            << minimalCatalogue({{"firmware", firmware("hex", "V1.0", "0002")}}) << "family";
        QTest::newRow("vendor version over 4")
            << minimalCatalogue({{"firmware", firmware("vendor", "V1.0.1", "0002")}}) << "4 of version";
        QTest::newRow("version with a comma")
            << minimalCatalogue({{"firmware", firmware("bin256", "V1,0", "0002")}}) << "\"version\"";
        QTest::newRow("upgrade id of the cable")
            << minimalCatalogue({{"firmware", firmware("bin512", "V1.0", "0001")}}) << "used twice";
        QJsonObject twice = QJsonDocument::fromJson(minimalCatalogue()).object();
        QJsonArray models = twice.value("models").toArray();
        QJsonObject second = models.at(0).toObject();
        second.insert("productId", "0002");
        models.append(second);
        twice.insert("models", models);
        QTest::newRow("code twice") << QJsonDocument(twice).toJson() << "code used twice";
    }
    void rejectsBrokenCatalogues()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, errorPart);
        ModelCatalogue c;
        QVERIFY(ModelCatalogue::parse(minimalCatalogue(), &c, nullptr));
        QString error;
        QVERIFY(!ModelCatalogue::parse(json, &c, &error));
        QVERIFY2(error.contains(errorPart), qPrintable(error));
        QCOMPARE(int(c.models().size()), 1); // the target is left as it was
    }

    // The ids a rule file grants as "vid:pid:interface" (two hex digits, or
    // "any" for a keyboard in upgrade mode), each line checked for its form.
    static void readGrants(const QByteArray& rules, QSet<QString>* found)
    {
        const QStringList lines = QString::fromUtf8(rules).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        const QString device = QStringLiteral("^KERNEL==\"hidraw\\*\", SUBSYSTEM==\"hidraw\", "
                                              "ATTRS\\{idVendor\\}==\"([0-9a-f]{4})\", "
                                              "ATTRS\\{idProduct\\}==\"([0-9a-f]{4})\", ");
        const QRegularExpression import(device + QStringLiteral("IMPORT\\{builtin\\}=\"usb_id\"$"));
        const QRegularExpression grant(
            device + QStringLiteral("(?:ENV\\{ID_USB_INTERFACE_NUM\\}==\"([0-9a-f]{2})\", )?TAG\\+=\"uaccess\"$"));
        QSet<QString> imported;
        for (const QString& line : lines) {
            if (line.startsWith(QLatin1Char('#')))
                continue;
            QVERIFY2(!line.contains(QLatin1String("GOTO")) && !line.contains(QLatin1String("MODE")), qPrintable(line));
            const auto importMatch = import.match(line);
            if (importMatch.hasMatch()) {
                imported << importMatch.captured(1) + QLatin1Char(':') + importMatch.captured(2);
                continue;
            }
            const auto match = grant.match(line);
            QVERIFY2(match.hasMatch(), qPrintable(line));
            const QString usbId = match.captured(1) + QLatin1Char(':') + match.captured(2);
            const QString interface = match.captured(3);
            // The number matched must have been imported by an earlier line.
            QVERIFY2(interface.isEmpty() || imported.contains(usbId), qPrintable(line));
            const QString id = usbId + QLatin1Char(':') + (interface.isEmpty() ? QStringLiteral("any") : interface);
            QVERIFY2(!found->contains(id), qPrintable(id));
            *found << id;
        }
    }

    // What a rule generated from the catalogue must grant: the configuration
    // interface on the cable and the receiver, and upgrade mode as a whole,
    // of the models whose ids are the maker's own, and nothing else.
    static QSet<QString> expectedGrants(const ModelCatalogue& c)
    {
        const auto hex2 = [](int n) { return QStringLiteral("%1").arg(n, 2, 16, QLatin1Char('0')); };
        QSet<QString> expected;
        for (const ModelInfo& m : c.models()) {
            if (!m.realUsbIds)
                continue;
            expected << (m.vendorIdText() + QLatin1Char(':') + m.productIdText() + QLatin1Char(':')
                         + hex2(m.interfaceNumber))
                            .toLower();
            if (m.hasReceiver())
                expected << (m.vendorIdText() + QLatin1Char(':') + m.receiverProductIdText() + QLatin1Char(':')
                             + hex2(m.interfaceNumber))
                                .toLower();
            if (m.isUpgradeable())
                expected << (m.vendorIdText() + QLatin1Char(':') + ModelCatalogue::idText(m.upgradeProductId)
                             + QStringLiteral(":any"))
                                .toLower();
        }
        return expected;
    }

    // A keyboard's typing interface is never opened to the user: only the
    // model's configuration interface is, and the keyboard in upgrade mode
    // (which does not type) as a whole. The built-in catalogue holds
    // placeholder ids only, so the rule built with the program grants none.
    void udevRuleGrantsTheConfigurationInterfaceOnly()
    {
        QFile file(QStringLiteral(ORVANE_TEST_BIN_DIR "/../packaging/60-orvane-keyboard.rules"));
        QVERIFY2(file.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(file.fileName()));
        QSet<QString> found;
        readGrants(file.readAll(), &found);
        if (QTest::currentTestFailed())
            return;
        const ModelCatalogue& c = ModelCatalogue::instance();
        QCOMPARE(found, expectedGrants(c));
        if (c.usbIdsArePlaceholders())
            QVERIFY(found.isEmpty());
        // Other makers' bootloaders are recognised, never opened.
        for (const auto& b : c.bootloaderIds())
            QVERIFY(!found.contains((b.vendorIdText + QLatin1Char(':') + b.productIdText).toLower()));
    }

    // The generator run on catalogues whose models are marked in each way:
    // only ids marked as the maker's own get a line.
    void udevRuleListsOnlyRealIds_data()
    {
        QTest::addColumn<QJsonObject>("first");
        QTest::addColumn<QJsonObject>("second");
        QTest::addColumn<int>("grants");
        const QJsonObject firmware{{"family", "bin512"}, {"version", "V1.0"}, {"upgradeProductId", "00f3"}};
        const QJsonObject plain{{"code", "B2"}, {"productId", "0011"}};
        QJsonObject withReceiver = plain;
        withReceiver.insert("receiverProductId", "0012");
        withReceiver.insert("firmware", firmware);
        QJsonObject marked = withReceiver;
        marked.insert("realUsbIds", true);
        QJsonObject markedFalse = withReceiver;
        markedFalse.insert("realUsbIds", false);
        QTest::newRow("none marked") << QJsonObject() << withReceiver << 0;
        QTest::newRow("marked false") << QJsonObject{{"realUsbIds", false}} << markedFalse << 0;
        QTest::newRow("one of two marked") << QJsonObject() << marked << 3;
        QTest::newRow("both marked") << QJsonObject{{"realUsbIds", true}} << marked << 4;
    }
    void udevRuleListsOnlyRealIds()
    {
        QFETCH(QJsonObject, first);
        QFETCH(QJsonObject, second);
        QFETCH(int, grants);
        QJsonObject top = QJsonDocument::fromJson(minimalCatalogue(first)).object();
        QJsonArray models = top.value("models").toArray();
        QJsonObject other = models.at(0).toObject();
        for (auto it = second.begin(); it != second.end(); ++it)
            other.insert(it.key(), it.value());
        models.append(other);
        top.insert("models", models);
        const QByteArray json = QJsonDocument(top).toJson();
        ModelCatalogue catalogue;
        QString error;
        QVERIFY2(ModelCatalogue::parse(json, &catalogue, &error), qPrintable(error));

        QTemporaryDir dir;
        QFile input(dir.filePath(QStringLiteral("models.json")));
        QVERIFY(input.open(QIODevice::WriteOnly) && input.write(json) == json.size());
        input.close();
        const QString cmake = QStandardPaths::findExecutable(QStringLiteral("cmake"));
        QVERIFY2(!cmake.isEmpty(), "the build needs cmake, so the test does too");
        const QString output = dir.filePath(QStringLiteral("60-orvane-keyboard.rules"));
        QProcess generator;
        generator.setProcessChannelMode(QProcess::ForwardedChannels);
        generator.start(cmake, {QStringLiteral("-DINPUT=") + input.fileName(), QStringLiteral("-DOUTPUT=") + output,
                                QStringLiteral("-P"), QStringLiteral(ORVANE_SOURCE_DIR "/tools/udev-rules.cmake")});
        QVERIFY(generator.waitForFinished(60000));
        QCOMPARE(generator.exitCode(), 0);
        QFile rules(output);
        QVERIFY(rules.open(QIODevice::ReadOnly));
        QSet<QString> found;
        readGrants(rules.readAll(), &found);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(found, expectedGrants(catalogue));
        QCOMPARE(found.size(), grants);
    }
};

ORVANE_TEST_MAIN(tst_ModelCatalogue)
#include "tst_ModelCatalogue.moc"
