#include "support/TestMain.h"

#include "devices/DDeviceListLoader.h"
#include "devices/DFirmwareCheck.h"
#include "devices/DVendorUpgradeLibrary.h"
#include "sdk/models/ModelCatalogue.h"
#include "support/FirmwareImageFolder.h"
#include "support/SimulatorHarness.h"

#include <cstring>

using Damage = FirmwareImageFolder::Damage;

namespace {

const QString kKeep = QStringLiteral("<as reported>");

DVendorUpgradeLibrary::EntryPoints entryPoints()
{
    return DVendorUpgradeLibrary::load();
}

void setText(char* field, size_t size, const QString& text)
{
    std::memset(field, 0, size);
    qstrncpy(field, text.toLatin1().constData(), uint(size));
}

} // namespace

class tst_DFirmwareCheck : public QObject
{
    Q_OBJECT

private:
    // The records of the keyboards plugged, as the device list finds them.
    static QMap<QString, hidStructInfoAll> discovered() { return DDeviceListLoader::load().present; }

private slots:
    // One keyboard against one image folder. `image` names how the folder's
    // one image is written: ufw:<model>:<version>:<variant>, or
    // bin512|bin256:<id text>:<variant>, each with an optional damage.
    void checkDeviceFirmware_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<bool>("receiver");
        QTest::addColumn<QString>("keyboardVersion");
        QTest::addColumn<QString>("imageName");
        QTest::addColumn<QString>("image");
        QTest::addColumn<int>("damage");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("expected"); // the new version; empty: not upgradeable
        QTest::addColumn<QString>("logLine"); // a regular expression; empty: none

        const auto row = [](const char* name, const char* model, bool receiver, const QString& keyboardVersion,
                            const char* imageName, const char* image, const char* expected,
                            Damage damage = Damage::None, const char* logLine = "", int length = 0) {
            QTest::newRow(name) << model << receiver << keyboardVersion << imageName << image << int(damage) << length
                                << expected << logLine;
        };
        const QString old = QStringLiteral("V1.0");
        const char* id84 = "bin512:NUC,01,KB,ORVANE,OV84W,V1.3.0:cable";

        row("vendor model, newer image", "OV68M", false, old, "OV68M.ufw", "ufw:OV68M:V1.2:cable", "V1.2");
        row("listed model without its image", "OV68M", false, old, "OV82M.ufw", "ufw:OV82M:V1.2:cable", "");
        row("model not in the table", "OV61", false, old, "OV61.ufw", "ufw:OV61:V1.2:cable", "");
        row("receiver keyboard without its _Dongle image", "OV68M", true, old, "OV68M.ufw", "ufw:OV68M:V1.2:cable", "");
        row("receiver keyboard with its _Dongle image", "OV68M", true, old, "OV68M_Dongle.ufw",
            "ufw:OV68M:V1.2:receiver", "V1.2");
        row("receiver .ufw built for the cable", "OV68M", true, old, "OV68M_Dongle.ufw", "ufw:OV68M:V1.2:cable", "",
            Damage::None, "OV68M_Dongle.ufw rejected: built for the other connection");
        row("cable .ufw built for the receiver", "OV68M", false, old, "OV68M.ufw", "ufw:OV68M:V1.2:receiver", "",
            Damage::None, "OV68M.ufw rejected: built for the other connection");
        row("256 KiB family behind the receiver reads .bin", "OV98", true, old, "OV98.bin",
            "bin256:NUC,01,KB,ORVANE,OV98,V1.0.9:cable", "V1.0.9");
        row("512 KiB family behind the receiver", "OV84W", true, old, "OV84W_Dongle.bin",
            "bin512:NUC,01,KB,ORVANE,OV84W,V1.3.0:receiver", "V1.3.0");
        row("512 KiB receiver image built for the cable", "OV84W", true, old, "OV84W_Dongle.bin", id84, "",
            Damage::None, "rejected: built for the other connection");
        row("empty keyboard version", "OV84W", false, "", "OV84W.bin", id84, "V1.3.0");
        row("version equal up to letter case", "OV84W", false, "v1.3.0", "OV84W.bin", id84, "");
        row("older image", "OV84W", false, "V1.3.1", "OV84W.bin", id84, "");
        row("numbers compared, not text", "OV84W", false, "V1.0.9", "OV84W.bin",
            "bin512:NUC,01,KB,ORVANE,OV84W,V1.0.10:cable", "V1.0.10");
        row("id text of five fields", "OV84W", false, old, "OV84W.bin", "bin512:NUC,01,KB,ORVANE,OV84W:cable", "");
        row("field 2 matches anything", "OV84W", false, old, "OV84W.bin",
            "bin512:NUC,01,anything,ORVANE,OV84W,V1.3.0:cable", "V1.3.0");
        row("fields ignore letter case", "OV84W", false, old, "OV84W.bin", "bin512:nuc,01,kb,orvane,ov84w,V1.3.0:cable",
            "V1.3.0");
        row("field 0 differs", "OV84W", false, old, "OV84W.bin", "bin512:NUD,01,KB,ORVANE,OV84W,V1.3.0:cable", "");
        row("field 1 differs", "OV84W", false, old, "OV84W.bin", "bin512:NUC,02,KB,ORVANE,OV84W,V1.3.0:cable", "");
        row("field 3 differs", "OV84W", false, old, "OV84W.bin", "bin512:NUC,01,KB,OTHER,OV84W,V1.3.0:cable", "");
        row("field 4 differs", "OV84W", false, old, "OV84W.bin", "bin512:NUC,01,KB,ORVANE,OV84,V1.3.0:cable", "");
        row("short .bin", "OV84W", false, old, "OV84W.bin", id84, "V1.3.0", Damage::None, "",
            BinImage::kFamily512.idOffset + BinImage::kIdFieldSize + BinImage::kTrailerSize);
        row("flipped byte in a .bin", "OV84W", false, old, "OV84W.bin", id84, "", Damage::FlipByte,
            "OV84W.bin rejected: corrupted");
        row("oversize .bin", "OV84W", false, old, "OV84W.bin", id84, "", Damage::AppendByte,
            "OV84W.bin rejected: oversize");
        row("truncated .bin", "OV84W", false, old, "OV84W.bin", id84, "", Damage::CutLastByte,
            "OV84W.bin rejected: no trailer");
        row("flipped byte in a .ufw", "OV68M", false, old, "OV68M.ufw", "ufw:OV68M:V1.2:cable", "", Damage::FlipByte,
            "File error 02 JL");
        row("truncated .ufw", "OV68M", false, old, "OV68M.ufw", "ufw:OV68M:V1.2:cable", "", Damage::CutLastByte,
            "File error 02 JL");
        row(".ufw of another model", "OV68M", false, old, "OV68M.ufw", "ufw:OV82M:V1.2:cable", "");
        row(".ufw model compared with its case", "OV68M", false, old, "OV68M.ufw", "ufw:ov68m:V1.2:cable", "");
        row(".ufw not newer", "OV68M", false, kKeep, "OV68M.ufw", "ufw:OV68M:V1.1:cable", "");
    }
    void checkDeviceFirmware()
    {
        QFETCH(QString, model);
        QFETCH(bool, receiver);
        QFETCH(QString, keyboardVersion);
        QFETCH(QString, imageName);
        QFETCH(QString, image);
        QFETCH(int, damage);
        QFETCH(int, length);
        QFETCH(QString, expected);
        QFETCH(QString, logLine);

        FirmwareImageFolder folder;
        const QStringList spec = image.split(QLatin1Char(':'));
        const FirmwareVariant variant
            = spec.last() == QLatin1String("receiver") ? FirmwareVariant::Receiver : FirmwareVariant::Cable;
        if (spec.first() == QLatin1String("ufw"))
            QVERIFY(folder.writeUfw(imageName, spec.at(1), spec.at(2).toLatin1(), variant, Damage(damage)));
        else
            QVERIFY(folder.writeBin(
                imageName, spec.first() == QLatin1String("bin512") ? BinImage::kFamily512 : BinImage::kFamily256,
                spec.at(1).toLatin1(), variant, Damage(damage), length));

        SimulatorHarness sim;
        const std::optional<std::string> version
            = keyboardVersion == kKeep ? std::nullopt : std::optional<std::string>(keyboardVersion.toStdString());
        QVERIFY(sim.plug(model.toLatin1().constData(), receiver, version));
        const QMap<QString, hidStructInfoAll> records = discovered();
        QCOMPARE(records.size(), 1);
        const hidStructInfoAll record = records.first();
        QCOMPARE(record.is24G, receiver ? 1 : 0);

        const DFirmwareCheck check(entryPoints(), folder.path());
        if (!logLine.isEmpty()) {
            // The firmware layer says why it refused a damaged .ufw image, the
            // check that it did.
            if (spec.first() == QLatin1String("ufw") && Damage(damage) != Damage::None)
                QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^Firmware image rejected: "));
            QTest::ignoreMessage(QtDebugMsg, QRegularExpression(logLine));
        }
        QString newVersion = QStringLiteral("unchanged");
        QCOMPARE(check.checkDeviceFirmware(record, &newVersion), !expected.isEmpty());
        QCOMPARE(newVersion, expected.isEmpty() ? QStringLiteral("unchanged") : expected);
    }

    void nothingToCollect_data()
    {
        QTest::addColumn<QStringList>("models");
        QTest::newRow("no keyboard") << QStringList{};
        QTest::newRow("none with a listed model") << QStringList{"OV61", "OV104"};
        QTest::newRow("listed models running their image") << QStringList{"OV84W", "OV68M"};
    }
    void nothingToCollect()
    {
        QFETCH(QStringList, models);
        FirmwareImageFolder folder;
        QVERIFY(folder.writeBin("OV84W.bin", BinImage::kFamily512, "NUC,01,KB,ORVANE,OV84W,V1.2.0"));
        QVERIFY(folder.writeUfw("OV68M.ufw", "OV68M", "V1.1"));
        QVERIFY(folder.writeUfw("OV61.ufw", "OV61", "V9.9"));
        SimulatorHarness sim;
        for (const QString& m : models)
            QVERIFY(sim.plug(m.toLatin1().constData()));
        const DFirmwareCheck check(entryPoints(), folder.path());
        QVERIFY(check.collect(discovered()).isEmpty());
    }

    // Without one of the three entry points a vendor-family image is never
    // handed over; the bootloader families do not need them.
    void missingEntryPoint_data()
    {
        QTest::addColumn<int>("missing");
        QTest::newRow("JL_loadUfwData") << 0;
        QTest::newRow("JL_getUfwCrc") << 1;
        QTest::newRow("JL_getUfwPidVid") << 2;
    }
    void missingEntryPoint()
    {
        QFETCH(int, missing);
        FirmwareImageFolder folder;
        QVERIFY(folder.writeUfw("OV68M.ufw", "OV68M", "V1.2"));
        QVERIFY(folder.writeBin("OV84W.bin", BinImage::kFamily512, "NUC,01,KB,ORVANE,OV84W,V1.3.0"));
        SimulatorHarness sim;
        QVERIFY(sim.plug("OV68M", false, std::string("V1.0")));
        QVERIFY(sim.plug("OV84W", false, std::string("V1.0")));
        DVendorUpgradeLibrary::EntryPoints entries = entryPoints();
        QVERIFY(DFirmwareCheck(entries, folder.path()).collect(discovered()).size() == 2);

        QFunctionPointer* pointers[] = {&entries.loadUfwData, &entries.getUfwCrc, &entries.getUfwPidVid};
        *pointers[missing] = nullptr;
        const QList<hidStructInfoAll> found = DFirmwareCheck(entries, folder.path()).collect(discovered());
        QCOMPARE(found.size(), 1);
        QCOMPARE(QByteArray(found.first().modelName), QByteArray("OV84W"));
    }

    void upgradeableKeyboardsInPathOrder()
    {
        FirmwareImageFolder folder;
        QVERIFY(folder.writeUfw("OV68M.ufw", "OV68M", "V1.2"));
        QVERIFY(folder.writeUfw("OV68M_Dongle.ufw", "OV68M", "V1.3", FirmwareVariant::Receiver));
        QVERIFY(folder.writeBin("OV84W.bin", BinImage::kFamily512, "NUC,01,KB,ORVANE,OV84W,V1.3.0"));
        SimulatorHarness sim;
        // One keyboard runs the image's version and one has no listed model.
        QVERIFY(sim.plug("OV84W", false, std::string("V1.0")));
        QVERIFY(sim.plug("OV61"));
        QVERIFY(sim.plug("OV68M", true, std::string("V1.0")));
        QVERIFY(sim.plug("OV68M", false, std::string("V1.2")));
        QVERIFY(sim.plug("OV68M", false, std::string("V1.0")));
        const QMap<QString, hidStructInfoAll> records = discovered();
        QCOMPARE(records.size(), 5);

        const QList<hidStructInfoAll> found = DFirmwareCheck(entryPoints(), folder.path()).collect(records);
        QStringList expectedPaths;
        for (const hidStructInfoAll& r : records) {
            if (QByteArray(r.modelName) != "OV61" && QByteArray(r.firmwareVersion) == "V1.0")
                expectedPaths << QString::fromLatin1(r.hidPath);
        }
        QCOMPARE(expectedPaths.size(), 3);
        QStringList paths;
        QStringList versions;
        for (const hidStructInfoAll& r : found) {
            paths << QString::fromLatin1(r.hidPath);
            versions << QString::fromLatin1(r.newFirmwareVersion);
        }
        QCOMPARE(paths, expectedPaths);
        QStringList sorted = paths;
        sorted.sort();
        QCOMPARE(paths, sorted);
        for (int i = 0; i < found.size(); ++i) {
            const QByteArray model(found.at(i).modelName);
            const QString expected = model == "OV84W" ? "V1.3.0" : found.at(i).is24G ? "V1.3" : "V1.2";
            QCOMPARE(versions.at(i), expected);
        }
    }

    // The images the program carries: one per upgradeable model and
    // connection, each offered to a keyboard running older firmware and
    // not to one running the image's own version.
    void builtInImages()
    {
        const DFirmwareCheck check(entryPoints());
        int checked = 0;
        for (const ModelInfo& m : ModelCatalogue::instance().models()) {
            for (const bool receiver : {false, true}) {
                if (receiver && !m.hasReceiver())
                    continue;
                SimulatorHarness sim;
                QVERIFY(sim.plug(m.code.toLatin1().constData(), receiver, std::string("V1.0")));
                QVERIFY(sim.plug(m.code.toLatin1().constData(), receiver));
                const QList<hidStructInfoAll> found = check.collect(discovered());
                QCOMPARE(found.size(), m.isUpgradeable() ? 1 : 0);
                if (!m.isUpgradeable())
                    continue;
                QCOMPARE(QByteArray(found.first().firmwareVersion), QByteArray("V1.0"));
                QCOMPARE(QString::fromLatin1(found.first().newFirmwareVersion), m.firmwareVersion);
                ++checked;
            }
        }
        QCOMPARE(checked, 8);
    }

    void imageNames_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("is24G");
        QTest::addColumn<QString>("name");
        QTest::newRow("vendor cable") << "OV61M" << 0 << "OV61M.ufw";
        QTest::newRow("vendor receiver") << "OV68M" << 1 << "OV68M_Dongle.ufw";
        QTest::newRow("512 receiver") << "OV84W" << 1 << "OV84W_Dongle.bin";
        QTest::newRow("256 receiver") << "OV98" << 1 << "OV98.bin";
        QTest::newRow("not listed") << "OV61" << 0 << "";
        QTest::newRow("case differs") << "ov68m" << 0 << "";
    }
    void imageNames()
    {
        QFETCH(QString, model);
        QFETCH(int, is24G);
        QFETCH(QString, name);
        hidStructInfoAll record;
        setText(record.modelName, sizeof record.modelName, model);
        record.is24G = is24G;
        QCOMPARE(DFirmwareCheck::imageName(record), name);
    }
};

ORVANE_TEST_MAIN(tst_DFirmwareCheck)
#include "tst_DFirmwareCheck.moc"
