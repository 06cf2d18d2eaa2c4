// A simulated keyboard keeps its on-board memory across program starts like
// a real one: per model and serial number, in a folder; "@fresh" starts one
// from its factory state.
#include "support/TestMain.h"

#include "sdk/hid/HidTransportRegistry.h"
#include "sdk/models/ModelCatalogue.h"
#include "sim/SimulatedBus.h"
#include "sim/SimulatedKeyboardMemory.h"
#include "support/ReportBytes.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

using Report = SimulatedKeyboard::Report;

using ReportBytes::request;

// Something of every kind the keyboard keeps, none of it its factory state.
void useKeyboard(SimulatedKeyboard& k)
{
    // Keys: Wave, brightness 3, speed 1, a red top and a blue bottom colour.
    k.receive(request(0x06, 0, {{6, 2}, {7, 3}, {8, 1}, {9, 255}, {14, 255}}).data());
    k.receive(request(0x07, 0, {{6, 4}, {7, 2}, {10, 200}}).data());
    for (int packet = 0; packet < 8; ++packet) {
        const int length = packet < 7 ? 54 : 18;
        Report r = request(0x08, 2, {{4, packet}, {5, length}});
        for (int i = 0; i < length; ++i)
            r[size_t(6 + i)] = uint8_t(packet * 7 + i);
        k.receive(r.data());
    }
    k.receive(request(0x06, 0, {{6, 10}, {7, 4}}).data());
    k.receive(request(0x17, 1, {{4, 0}, {5, 3}, {6, 0x04}, {7, 0x05}, {8, 0x06}}).data());
    k.receive(request(0x18, 3, {{4, 0}, {5, 2}, {6, 0x81}, {7, 0x04}}).data());
    k.receive(request(0x2A, 5, {{5, 4}, {6, 1}, {7, 2}, {8, 3}, {9, 4}}).data());
    k.receive(request(0x13, 0, {{13, 1}, {15, 1}}).data());
    k.receive(request(0x13, 1, {{9, 0}, {10, 120}, {11, 0x0E}, {12, 0x10}, {13, 1}}).data());
    // Trigger: key 2/3 rapid trigger at 32 / 10, quick 5 / 6; rate 7; anti-shake 4.
    k.receive(request(0x29, 0, {{6, 12}, {7 + 3, 1 << 2}, {29, 32}, {30, 10}, {31, 5}, {32, 6}}).data());
    k.receive(request(0x29, 0, {{6, 0x09}, {7, 1}, {8, 7}}).data());
    k.receive(request(0x29, 0, {{6, 0x0A}, {7, 1}, {8, 4}}).data());
}

// The next simulated keyboard's serial number: the plug counter's next value.
std::string nextSerial(const std::string& serial, const ModelInfo& model)
{
    const unsigned counter = std::stoul(serial.substr(8), nullptr, 16);
    char next[33];
    std::snprintf(next, sizeof next, "5a%06x%024x", unsigned(model.productId), counter + 1);
    return next;
}

QByteArray factoryText(const ModelInfo& model)
{
    return SimulatedKeyboardMemory::encode(SimulatedKeyboard(model, false).memory());
}

} // namespace

class tst_simulatedKeyboardMemory : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { HidTransportRegistry::install(nullptr); }

    // The same keyboard (model and serial number) on a later start comes
    // with all it kept; its memory file says what it holds at every change.
    void keptAcrossStarts()
    {
        QTemporaryDir folder;
        QByteArray used;
        std::string serial;
        {
            SimulatedBus bus;
            bus.setMemoryFolder(folder.path());
            const auto k = bus.plug(QStringLiteral("OV68M"));
            serial = k->serialNumber();
            const QString file = SimulatedKeyboardMemory(folder.path()).filePath(*k);
            QVERIFY(file.endsWith(QStringLiteral("/OV68M-") + QString::fromStdString(serial) + ".json"));
            QFile factory(file);
            QVERIFY(factory.open(QIODevice::ReadOnly));
            QCOMPARE(factory.readAll(), factoryText(k->model()));

            useKeyboard(*k);
            used = SimulatedKeyboardMemory::encode(k->memory());
            QVERIFY(used != factoryText(k->model()));
            QFile kept(file);
            QVERIFY(kept.open(QIODevice::ReadOnly));
            QCOMPARE(kept.readAll(), used);
        }

        SimulatedBus later;
        const auto again = later.plug(QStringLiteral("OV68M"));
        again->setSerialNumberRaw(serial);
        SimulatedKeyboardMemory(folder.path()).keep(again);
        QCOMPARE(SimulatedKeyboardMemory::encode(again->memory()), used);
        const SimulatedLighting light = again->lighting();
        QCOMPARE(int(light.keyboardSetting().effect), 10);
        QCOMPARE(int(light.keyboardSetting().brightness), 4);
        QCOMPARE(int(light.sideSetting().effect), 4);
        QCOMPARE(int(light.sideSetting().top[1]), 200);
        QVERIFY(light.customSlot(2).has_value());
        QCOMPARE(int(light.customSlot(2)->colours().size()), 7 * 54 + 18);
        QCOMPARE(int(light.customSlot(2)->colours()[60]), 7 + 6);
        QCOMPARE(again->keyMap(1), (std::vector<uint8_t>{0x04, 0x05, 0x06}));
        QCOMPARE(again->macroSlot(3), (std::vector<uint8_t>{0x81, 0x04}));
        QCOMPARE(again->advancedKeySlot(5), (std::vector<uint8_t>{1, 2, 3, 4}));
        QCOMPARE(again->lightSleep(), 120);
        QCOMPARE(again->keyboardSleep(), 0x0E10);
        QCOMPARE(again->prohibitSleep(), 1);
        QCOMPARE(int(again->lockFlags()[0]), 1);
        const SimulatedMagnetic magnetic = again->magnetic();
        QVERIFY((magnetic.key(2, 3) == SimulatedMagnetic::KeySetting{12, 32, 10, 5, 6}));
        QVERIFY((magnetic.key(2, 4) == SimulatedMagnetic::KeySetting{}));
        QCOMPARE(int(magnetic.value(SimulatedMagnetic::RateOfReturn)), 7);
        QCOMPARE(int(magnetic.value(SimulatedMagnetic::AntiShake)), 4);
    }

    void modelList_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<bool>("kept");
        QTest::newRow("as it was left") << QString() << true;
        QTest::newRow("@fresh") << QStringLiteral("@fresh") << false;
        QTest::newRow("@FRESH behind the receiver") << QStringLiteral("@24g@FRESH") << false;
    }

    // What the program's start plugs: the keyboards of ORVANE_SIMULATE with
    // what they kept, or in their factory state when told "@fresh" (which
    // they then keep).
    void modelList()
    {
        QFETCH(QString, option);
        QFETCH(bool, kept);
        QTemporaryDir folder;
        SimulatedBus first;
        first.setMemoryFolder(folder.path());
        QCOMPARE(first.plugModelList(QStringLiteral("OV84W")), 1);
        const auto used = first.keyboards().front();
        useKeyboard(*used);
        const QByteArray usedText = SimulatedKeyboardMemory::encode(used->memory());
        // The next keyboard plugged gets the next serial number: give it this one's memory.
        const SimulatedKeyboardMemory memory(folder.path());
        const QString nextFile = QString(memory.filePath(*used))
                                     .replace(QString::fromStdString(used->serialNumber()),
                                              QString::fromStdString(nextSerial(used->serialNumber(), used->model())));
        QVERIFY(QFile::copy(memory.filePath(*used), nextFile));

        SimulatedBus later;
        later.setMemoryFolder(folder.path());
        QCOMPARE(later.plugModelList(QStringLiteral("OV84W") + option), 1);
        const auto again = later.keyboards().front();
        QCOMPARE(memory.filePath(*again), nextFile);
        const QByteArray expected = kept ? usedText : factoryText(again->model());
        QCOMPARE(SimulatedKeyboardMemory::encode(again->memory()), expected);
        QFile file(nextFile);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), expected);
    }

    void unreadableMemory_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("not JSON") << QByteArray("keys: red");
        QTest::newRow("empty object") << QByteArray("{}");
        QTest::newRow("a short setting") << QByteArray(R"({"keyboardSetting": "0203"})");
        QTest::newRow("not hex")
            << SimulatedKeyboardMemory::encode(
                   SimulatedKeyboard(*ModelCatalogue::instance().find(QStringLiteral("OV68M")), false).memory())
                   .replace("\"lockFlags\": \"00000000\"", "\"lockFlags\": \"0000zz00\"");
    }

    // A memory file that is not one leaves the keyboard in its factory
    // state, with a warning, and is written over with what it holds.
    void unreadableMemory()
    {
        QFETCH(QByteArray, text);
        QVERIFY(!SimulatedKeyboardMemory::decode(text));
        QTemporaryDir folder;
        SimulatedBus bus;
        const auto k = bus.plug(QStringLiteral("OV68M"));
        const SimulatedKeyboardMemory memory(folder.path());
        QFile file(memory.filePath(*k));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
        file.close();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("its memory is unreadable"));
        memory.keep(k);
        QCOMPARE(SimulatedKeyboardMemory::encode(k->memory()), factoryText(k->model()));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), factoryText(k->model()));
    }
};

ORVANE_TEST_MAIN(tst_simulatedKeyboardMemory)
#include "tst_simulatedKeyboardMemory.moc"
