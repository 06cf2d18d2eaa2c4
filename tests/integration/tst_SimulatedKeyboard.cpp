#include "support/TestMain.h"

#include "sdk/hid/HidTransportRegistry.h"
#include "sdk/include/orvanesdk_hid.h"
#include "sdk/models/ModelCatalogue.h"
#include "support/SimulatorHarness.h"

#include <QElapsedTimer>
#include <cstring>

namespace {

using Report = SimulatedKeyboard::Report;

Report request(uint8_t command, uint8_t sub = 0, std::initializer_list<std::pair<int, int>> bytes = {})
{
    Report r{};
    r[0] = 0x01;
    r[1] = command;
    r[2] = sub;
    for (const auto& [at, value] : bytes)
        r[size_t(at)] = uint8_t(value);
    return r;
}

std::vector<Report> drain(SimulatedKeyboard& k)
{
    std::vector<Report> answers;
    Report r{};
    while (k.takeInput(r.data()) > 0)
        answers.push_back(r);
    return answers;
}

} // namespace

class tst_SimulatedKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void answerRule_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("sub");
        QTest::addColumn<int>("sixth");
        QTest::addColumn<int>("answerType");
        QTest::addColumn<int>("answerSub");
        QTest::addColumn<int>("answerSixth");
        QTest::newRow("serial 0x14 -> 0x15") << 0x14 << 0 << 0 << 0x15 << 0 << -1;
        QTest::newRow("keyboard light 0x06/1 -> 0x07") << 0x06 << 1 << 0 << 0x07 << 0 << -1;
        QTest::newRow("side light 0x07/1 -> 0x08") << 0x07 << 1 << 0 << 0x08 << 0 << -1;
        QTest::newRow("effect list 0x09 -> 0x0A") << 0x09 << 0 << 0 << 0x0A << 0 << -1;
        QTest::newRow("side list 0x01 -> 0x02") << 0x01 << 0 << 0 << 0x02 << 0 << -1;
        QTest::newRow("customisable 0x0D -> 0x0E") << 0x0D << 0 << 0 << 0x0E << 0 << -1;
        QTest::newRow("sleep set 0x13/1 -> 0x14/0") << 0x13 << 1 << 0 << 0x14 << 0 << -1;
        QTest::newRow("sleep query 0x13/2 -> 0x14/2") << 0x13 << 2 << 0 << 0x14 << 2 << -1;
        QTest::newRow("macro 0x18 -> 0x19") << 0x18 << 3 << 0 << 0x19 << 3 << -1;
        QTest::newRow("levels 0x29/4 -> 0x21/4") << 0x29 << 0 << 0x04 << 0x21 << 0 << 0x04;
        QTest::newRow("anti-shake 0x29/0A -> 0x21/0A") << 0x29 << 0 << 0x0A << 0x21 << 0 << 0x0A;
        QTest::newRow("return 0x29/09 -> 0x21/09") << 0x29 << 0 << 0x09 << 0x21 << 0 << 0x09;
        QTest::newRow("handshake: none") << 0x00 << 0 << 0 << -1 << 0 << -1;
        QTest::newRow("set effect 0x06/0: none") << 0x06 << 0 << 0 << -1 << 0 << -1;
        QTest::newRow("key map 0x17: none") << 0x17 << 0 << 0 << -1 << 0 << -1;
        QTest::newRow("advanced key 0x2A: none") << 0x2A << 0 << 0 << -1 << 0 << -1;
        QTest::newRow("lock 0x13/0: none") << 0x13 << 0 << 0 << -1 << 0 << -1;
        QTest::newRow("serial write 0x15: none") << 0x15 << 0 << 0 << -1 << 0 << -1;
    }
    void answerRule()
    {
        QFETCH(int, command);
        QFETCH(int, sub);
        QFETCH(int, sixth);
        QFETCH(int, answerType);
        QFETCH(int, answerSub);
        QFETCH(int, answerSixth);
        for (const ModelInfo& model : ModelCatalogue::instance().models()) {
            SimulatedKeyboard k(model, false);
            QVERIFY(k.receive(request(uint8_t(command), uint8_t(sub), {{6, sixth}}).data()));
            const auto answers = drain(k);
            if (answerType < 0) {
                QVERIFY(answers.empty());
                continue;
            }
            QCOMPARE(int(answers.size()), 1);
            QCOMPARE(int(answers[0][1]), answerType);
            QCOMPARE(int(answers[0][2]), answerSub);
            if (answerSixth >= 0)
                QCOMPARE(int(answers[0][6]), answerSixth);
        }
    }

    void keepsWhatCommandsSet()
    {
        SimulatedKeyboard k(*ModelCatalogue::instance().find("OV68M"), false);
        // Key map of layer 1 in two packets, sent out of order.
        k.receive(request(0x17, 1, {{4, 0}, {5, 4}, {6, 0xA1}, {9, 0xA4}}).data());
        k.receive(request(0x17, 1, {{4, 1}, {5, 2}, {6, 0xB1}, {7, 0xB2}}).data());
        QCOMPARE(k.keyMap(1), (std::vector<uint8_t>{0xA1, 0, 0, 0xA4, 0xB1, 0xB2}));
        QVERIFY(k.keyMap(0).empty());
        // A new transfer of the layer replaces the old one.
        k.receive(request(0x17, 1, {{4, 0}, {5, 1}, {6, 0xC1}}).data());
        QCOMPARE(k.keyMap(1), (std::vector<uint8_t>{0xC1}));

        for (int packet = 0; packet < 5; ++packet)
            k.receive(request(0x18, 9, {{4, packet}, {5, packet < 4 ? 0x3A : 0x18}, {6, 0x10 + packet}}).data());
        QCOMPARE(int(k.macroSlot(9).size()), 4 * 58 + 24);
        QCOMPARE(int(k.macroSlot(9)[58]), 0x11);
        k.receive(request(0x2A, 39, {{5, 0x32}, {6, 3}, {55, 0x7F}}).data());
        QCOMPARE(int(k.advancedKeySlot(39).size()), 50);
        QCOMPARE(int(k.advancedKeySlot(39).back()), 0x7F);

        k.receive(request(0x13, 0, {{5, 1}, {13, 1}, {14, 0}, {15, 1}, {16, 1}}).data());
        QCOMPARE(k.lockFlags(), (std::array<uint8_t, 4>{1, 0, 1, 1}));
        k.receive(request(0x13, 1, {{5, 1}, {9, 0x02}, {10, 0x58}, {11, 0x07}, {12, 0x08}, {13, 1}}).data());
        QCOMPARE(k.lightSleep(), 600);
        QCOMPARE(k.keyboardSleep(), 1800);
        QCOMPARE(k.prohibitSleep(), 1);
        drain(k);
        k.receive(request(0x13, 2).data());
        const auto sleep = drain(k);
        QCOMPARE(int(sleep.size()), 1);
        QCOMPARE(int(sleep[0][9]) * 256 + sleep[0][10], 600);
        QCOMPARE(int(sleep[0][13]), 1);

        const char sn[] = "fedcba9876543210fedcba9876543210";
        Report write = request(0x15, 0, {{5, 0x20}});
        std::memcpy(write.data() + 6, sn, 32);
        k.receive(write.data());
        QCOMPARE(k.serialNumber(), std::string(sn));

        k.receive(request(0x06, 0, {{5, 14}, {6, 7}, {7, 3}}).data());
        k.receive(request(0x06, 1).data());
        const auto config = drain(k);
        QCOMPARE(int(config.back()[6]), 7);
        QCOMPARE(int(config.back()[7]), 3);

        // Custom colours are kept per slot; the packet alone gives the newest.
        k.receive(request(0x08, 0, {{4, 3}, {5, 3}, {6, 0xD0}, {7, 0xD1}, {8, 0xD2}}).data());
        k.receive(request(0x08, 2, {{4, 3}, {5, 3}, {6, 0xE0}, {7, 0xE1}, {8, 0xE2}}).data());
        QCOMPARE(k.customColours(0, 3), (std::vector<uint8_t>{0xD0, 0xD1, 0xD2}));
        QCOMPARE(k.customColours(2, 3), (std::vector<uint8_t>{0xE0, 0xE1, 0xE2}));
        QCOMPARE(k.customColours(3), (std::vector<uint8_t>{0xE0, 0xE1, 0xE2}));
        QVERIFY(k.customColours(1, 3).empty());
        QVERIFY(k.customColours(2, 4).empty());

        k.receive(request(0x13, 0, {{5, 1}, {6, 1}}).data());
        QCOMPARE(k.factoryResets(), 1);
        QVERIFY(k.customColours(2, 3).empty());
        QVERIFY(k.customColours(3).empty());
        QVERIFY(k.keyMap(1).empty());
        QVERIFY(k.macroSlot(9).empty());
        QCOMPARE(k.serialNumber(), std::string(sn)); // a reset keeps the serial number
        QCOMPARE(int(k.receivedReports().size()), 18);
    }

    void effectListsFollowTheSideLight()
    {
        for (const ModelInfo& model : ModelCatalogue::instance().models()) {
            SimulatedKeyboard k(model, false);
            k.receive(request(0x01).data());
            const auto answers = drain(k);
            QCOMPARE(int(answers.size()), 1);
            const bool listsEffects = answers[0][6] != 0xA5;
            QCOMPARE(listsEffects, model.hasSideLight());
        }
    }

    void faults()
    {
        SimulatedKeyboard k(*ModelCatalogue::instance().find("OV61M"), false);
        k.setAnswering(false);
        k.receive(request(0x09).data());
        QVERIFY(drain(k).empty());
        k.setAnswering(true);
        k.setSilentCommand(0x09, true);
        k.receive(request(0x09).data());
        k.receive(request(0x01).data());
        QCOMPARE(int(drain(k).size()), 1);
        k.setSilentCommand(0x09, false);

        k.setDuplicateAnswers(true);
        k.receive(request(0x14).data());
        QCOMPARE(int(drain(k).size()), 2);
        k.setDuplicateAnswers(false);

        k.setAnswerDelayMs(40);
        QElapsedTimer t;
        t.start();
        k.receive(request(0x14).data());
        QVERIFY(drain(k).empty());
        QTRY_COMPARE(k.pendingInput(), 1);
        Report r{};
        while (k.takeInput(r.data()) == 0)
            QThread::usleep(500);
        QVERIFY(t.elapsed() >= 39);
        k.setAnswerDelayMs(0);

        k.dropAcknowledgement(2);
        for (int packet = 0; packet < 5; ++packet)
            k.receive(request(0x18, 0, {{4, packet}}).data());
        std::vector<int> acked;
        for (const auto& a : drain(k))
            acked.push_back(a[4]);
        QCOMPARE(acked, (std::vector<int>{0, 2, 3, 4}));

        k.failWrites(2);
        QVERIFY(!k.receive(request(0x14).data()));
        QVERIFY(!k.receive(request(0x14).data()));
        QVERIFY(k.receive(request(0x14).data()));
        k.failReads(1);
        QCOMPARE(k.takeInput(r.data()), -1);
        QCOMPARE(k.takeInput(r.data()), 64);

        k.setSerialNumberRaw("short");
        k.receive(request(0x14).data());
        auto answer = drain(k);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(answer[0].data() + 6)), QByteArray("short"));
        k.setSerialNumberRaw(std::string("\xff\x01not-hex", 9));
        k.receive(request(0x14).data());
        answer = drain(k);
        QCOMPARE(int(answer[0][6]), 0xFF);

        // Firmware that forgets a written serial number keeps sending its old one.
        k.setSerialNumberRaw("");
        k.setForgetsSerialWrites(true);
        Report serialWrite = request(0x15, 0, {{5, 0x20}});
        std::memcpy(serialWrite.data() + 6, "0123456789abcdef0123456789abcdef", 32);
        k.receive(serialWrite.data());
        QCOMPARE(k.serialNumber(), std::string());
        k.sendSerialNumberReport();
        answer = drain(k);
        QCOMPARE(int(answer.size()), 1);
        QCOMPARE(int(answer[0][1]), 0x15);
        QCOMPARE(int(answer[0][6]), 0);
        k.setForgetsSerialWrites(false);

        k.setKeyboardEffectListRaw(std::vector<uint8_t>(70, 0x5A));
        k.receive(request(0x09).data());
        answer = drain(k);
        QCOMPARE(int(answer[0][63]), 0x5A);

        k.flood(0x05, 500);
        QCOMPARE(int(drain(k).size()), 500);

        k.setPlugged(false);
        QVERIFY(!k.receive(request(0x14).data()));
        QCOMPARE(k.takeInput(r.data()), -1);
    }

    void onDemandReports()
    {
        SimulatedKeyboard k(*ModelCatalogue::instance().find("OV84W"), true);
        k.setState({1, 1, 57, 3, 0});
        k.sendStateReport();
        k.sendKeyReport({0x02, 0, 0x04, 0, 0, 0, 0, 0});
        k.sendFullKeyReport({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13});
        k.sendActionReport(0x3A, true);
        const auto reports = drain(k);
        QCOMPARE(int(reports.size()), 4);
        const Report& state = reports[0];
        QCOMPARE(int(state[1]), 0x01);
        QCOMPARE(int(state[5]), 1);
        QCOMPARE(int(state[6]), 1);
        QCOMPARE(int(state[9]), 1);
        QCOMPARE(int(state[10]), 57);
        QCOMPARE(int(state[11]), 1); // behind the receiver
        QCOMPARE(int(state[12]), 0); // and connected
        QCOMPARE(int(state[13]), 3);
        QCOMPARE(int(reports[1][1]), 0x04);
        QCOMPARE(int(reports[1][8]), 0x04);
        QCOMPARE(int(reports[2][1]), 0x05);
        QCOMPARE(int(reports[2][18]), 13);
        QCOMPARE(int(reports[3][1]), 0x20);
        QCOMPARE(int(reports[3][9]), 0x3A);
        QCOMPARE(int(reports[3][10]), 1);
    }

    void environmentModelList()
    {
        qputenv("ORVANE_SIMULATE", "OV68M, OV84W@24g,NOPE,OV61M@24G");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("ORVANE_SIMULATE: no such model \"NOPE\""));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("ORVANE_SIMULATE: no such model \"OV61M\""));
        const auto bus = SimulatedBus::installFromEnvironment();
        qunsetenv("ORVANE_SIMULATE");
        QVERIFY(bus);
        const auto keyboards = bus->keyboards();
        QCOMPARE(int(keyboards.size()), 2);
        QCOMPARE(keyboards[0]->model().code, QStringLiteral("OV68M"));
        QVERIFY(!keyboards[0]->viaReceiver());
        QCOMPARE(keyboards[1]->model().code, QStringLiteral("OV84W"));
        QVERIFY(keyboards[1]->viaReceiver());
        std::list<std::string> paths;
        COrvaneHid_GetHidInfoList(&paths);
        QCOMPARE(int(paths.size()), 2);
        HidTransportRegistry::install(nullptr);
        QVERIFY(!SimulatedBus::installFromEnvironment());
    }
};

ORVANE_TEST_MAIN(tst_SimulatedKeyboard)
#include "tst_SimulatedKeyboard.moc"
