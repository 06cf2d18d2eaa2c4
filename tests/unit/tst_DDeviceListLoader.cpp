#include "support/TestMain.h"

#include "devices/DDeviceListLoader.h"
#include "sdk/include/orvanesdk_hid.h"

#include <cstring>

namespace {

hidSupportMapInfo modelEntry(const char* code)
{
    hidSupportMapInfo model{};
    std::strcpy(model.deviceType, "keyboard");
    std::strcpy(model.model, code);
    std::strcpy(model.productName, "Orvane Test");
    std::strcpy(model.likeName, "Test");
    model.value0 = 1;
    model.value1 = 2;
    model.value2 = 3;
    model.value3 = 4;
    model.layoutNumber = 84;
    return model;
}

} // namespace

// The device records built from the library's records: which field comes
// from where, and texts never read past their field, even without a NUL.
class tst_DDeviceListLoader : public QObject
{
    Q_OBJECT

private slots:
    void presentRecord_data()
    {
        QTest::addColumn<int>("is24G");
        QTest::addColumn<int>("online");
        QTest::newRow("cable") << 0 << 1;
        QTest::newRow("behind a receiver") << 1 << 0;
    }
    void presentRecord()
    {
        QFETCH(int, is24G);
        QFETCH(int, online);
        hidInfoStu hid{};
        std::strcpy(hid.path, "sim:0003:interface1");
        std::strcpy(hid.model, "OV84W");
        hid.is24G = is24G;
        hidFirmwareInfoStu firmware{};
        std::strcpy(firmware.idSection0, "id0");
        std::strcpy(firmware.idSection1, "id1");
        std::strcpy(firmware.idSection2, "id2");
        std::strcpy(firmware.idSection3, "id3");
        std::strcpy(firmware.version, "V1.02");
        const hidStructInfoAll record = DDeviceListLoader::presentRecord(hid, firmware, modelEntry("OV84W"));
        QCOMPARE(QByteArray(record.hidPath), QByteArray("sim:0003:interface1"));
        QCOMPARE(QByteArray(record.modelName), QByteArray("OV84W"));
        QCOMPARE(QByteArray(record.deviceType), QByteArray("keyboard"));
        QCOMPARE(QByteArray(record.productName), QByteArray("Orvane Test"));
        QCOMPARE(QByteArray(record.likeName), QByteArray("Test"));
        QCOMPARE(QByteArray(record.firmwareVersion), QByteArray("V1.02"));
        QCOMPARE(QByteArray(record.firmwareIdPart0), QByteArray("id0"));
        QCOMPARE(QByteArray(record.firmwareIdPart1), QByteArray("id1"));
        QCOMPARE(QByteArray(record.firmwareIdPart3), QByteArray("id3"));
        QCOMPARE(record.isOnline, online);
        QCOMPARE(record.is24G, is24G);
        QCOMPARE(record.supportValue0, 1);
        QCOMPARE(record.supportValue3, 4);
        QCOMPARE(record.layoutNumber, 84);
        QCOMPARE(QByteArray(record.newFirmwareVersion), QByteArray());
    }

    void offlineRecord()
    {
        const hidStructInfoAll record = DDeviceListLoader::offlineRecord(modelEntry("OV61"));
        QCOMPARE(QByteArray(record.modelName), QByteArray("OV61"));
        QCOMPARE(QByteArray(record.hidPath), QByteArray());
        QCOMPARE(QByteArray(record.firmwareVersion), QByteArray());
        QCOMPARE(record.isOnline, 0);
        QCOMPARE(record.is24G, 0);
        QCOMPARE(record.layoutNumber, 84);
    }

    // Records from the library are not trusted to end their texts.
    void unterminatedTexts()
    {
        hidInfoStu hid;
        std::memset(&hid, 'p', sizeof hid);
        hid.is24G = 0;
        hidFirmwareInfoStu firmware;
        std::memset(&firmware, 'f', sizeof firmware);
        hidSupportMapInfo model;
        std::memset(&model, 'm', sizeof model);
        const hidStructInfoAll record = DDeviceListLoader::presentRecord(hid, firmware, model);
        QCOMPARE(qstrlen(record.hidPath), uint(sizeof record.hidPath - 1));
        QCOMPARE(qstrlen(record.modelName), uint(sizeof record.modelName - 1));
        QCOMPARE(qstrlen(record.deviceType), uint(sizeof record.deviceType - 1));
        QCOMPARE(qstrlen(record.firmwareVersion), uint(sizeof record.firmwareVersion - 1));
        // A shorter source field than the record's ends at its own width.
        QCOMPARE(qstrlen(record.firmwareIdPart0), uint(sizeof firmware.idSection0));
        QCOMPARE(qstrlen(record.productName), uint(sizeof record.productName - 1));
    }

    // With nothing plugged and no simulator, the real discovery still gives
    // one offline record per supported model.
    void loadWithoutKeyboards()
    {
        const DDeviceListLoader::Result result = DDeviceListLoader::load();
        if (result.found)
            QSKIP("a supported keyboard is plugged into this machine");
        std::map<std::string, hidSupportMapInfo> models;
        COrvaneHid_GetHidInfoStuMapList(&models);
        QCOMPARE(result.shown.size(), int(models.size()));
        QVERIFY(result.present.isEmpty());
        QVERIFY(result.receiverPaths.isEmpty());
        for (const hidStructInfoAll& record : result.shown)
            QCOMPARE(record.isOnline, 0);
    }
};

ORVANE_TEST_MAIN(tst_DDeviceListLoader)
#include "tst_DDeviceListLoader.moc"
