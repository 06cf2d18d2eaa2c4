#include "support/TestMain.h"

#include "sdk/hid/HidTransportRegistry.h"
#include "sdk/include/orvanesdk_hid.h"
#include "sdk/models/ModelCatalogue.h"
#include "support/ReportBytes.h"
#include "support/SimulatorHarness.h"

#include <QElapsedTimer>
#include <QVector>

#include <algorithm>
#include <cstring>

namespace {

using Report = SimulatedKeyboard::Report;

using ReportBytes::request;

std::vector<Report> drain(SimulatedKeyboard& k)
{
    std::vector<Report> answers;
    Report r{};
    while (k.takeInput(r.data()) > 0)
        answers.push_back(r);
    return answers;
}

// Colour bytes of one packet of an upload: distinct per byte and per seed.
std::vector<uint8_t> customPacket(int seed, int packet)
{
    std::vector<uint8_t> bytes;
    for (int i = 0; i < (packet < 7 ? 54 : 18); ++i)
        bytes.push_back(uint8_t(seed + packet * 54 + i));
    return bytes;
}

Report customReport(int slot, int packet, int seed, int length = -1)
{
    const std::vector<uint8_t> bytes = customPacket(seed, packet);
    Report r = request(0x08, uint8_t(slot), {{4, packet}, {5, length < 0 ? int(bytes.size()) : length}});
    std::copy(bytes.begin(), bytes.end(), r.begin() + 6);
    return r;
}

QVector<Report> customUpload(int slot, int seed)
{
    QVector<Report> packets;
    for (int packet = 0; packet < 8; ++packet)
        packets << customReport(slot, packet, seed);
    return packets;
}

std::vector<uint8_t> customColoursOf(int seed)
{
    std::vector<uint8_t> all;
    for (int packet = 0; packet < 8; ++packet) {
        const std::vector<uint8_t> bytes = customPacket(seed, packet);
        all.insert(all.end(), bytes.begin(), bytes.end());
    }
    return all;
}

// The keyboard effect report that closes an upload; `mark` tells them apart.
Report closingEffect(int mark)
{
    return request(0x06, 0, {{5, 14}, {6, 10}, {8, mark}});
}

// One packet of the cable light stream; `frame` seeds its colours.
struct StreamPacket
{
    int part;
    int packet;
    int length;
    int frame;
};
using StreamScript = QVector<StreamPacket>;

uint8_t streamByte(int frame, int part, int packet, int i)
{
    return uint8_t(frame * 37 + part * 101 + packet * 54 + i);
}

Report streamReport(const StreamPacket& p)
{
    Report r = request(0x0E, uint8_t(p.part), {{4, p.packet}, {5, p.length}});
    for (int i = 0; i < std::min(p.length, 58); ++i)
        r[size_t(6 + i)] = streamByte(p.frame, p.part, p.packet, i);
    return r;
}

// The packets of a whole frame: 132 keys, then `sideLeds` side LEDs, 18 a packet.
StreamScript wholeFrame(int sideLeds, int frame)
{
    StreamScript script;
    for (int packet = 0; packet < 8; ++packet)
        script << StreamPacket{0, packet, packet < 7 ? 54 : 18, frame};
    for (int packet = 0; packet * 18 < sideLeds; ++packet)
        script << StreamPacket{1, packet, std::min(18, sideLeds - packet * 18) * 3, frame};
    return script;
}

std::vector<uint8_t> frameColours(const StreamScript& frame, int part)
{
    std::vector<uint8_t> bytes;
    for (const StreamPacket& p : frame) {
        for (int i = 0; p.part == part && i < p.length; ++i)
            bytes.push_back(streamByte(p.frame, p.part, p.packet, i));
    }
    return bytes;
}

template<size_t N>
QString listed(const std::array<uint8_t, N>& bytes)
{
    QStringList values;
    for (uint8_t b : bytes)
        values << QString::number(b);
    return values.join(QLatin1Char(','));
}

// A compact frame as the simulated keyboard took it apart.
QString described(const SimulatedLighting::ReceiverFrame& f)
{
    QString keys;
    switch (f.keyboardEffect) {
    case 0:
    case 1:
    case 3:
        keys = QStringLiteral("colour ") + listed(f.keyColour);
        break;
    case 6:
    case 7:
    case 8:
    case 11:
    case 16:
        keys = f.keyPress ? QStringLiteral("press %1,%2 ").arg(f.pressX).arg(f.pressY) + listed(f.pressColour)
                          : QStringLiteral("no press");
        break;
    case 12:
        keys = QStringLiteral("level %1 intensity %2").arg(f.speedLevel).arg(f.speedIntensity);
        break;
    case 14:
        keys = QStringLiteral("ripple ") + listed(f.autoRipple);
        break;
    case 100:
        keys = QStringLiteral("levels %1 intensities %2").arg(listed(f.musicLevels), listed(f.musicIntensities));
        break;
    default:
        keys = QStringLiteral("-");
    }
    QString side;
    switch (f.sideEffect) {
    case 0:
    case 1:
    case 4:
    case 5:
        side = QStringLiteral("colour ") + listed(f.sideColour);
        break;
    case 3:
        side = QStringLiteral("collision ") + listed(f.collision);
        break;
    default:
        side = QStringLiteral("-");
    }
    return QStringLiteral("stamp %1 keys %2 %3 side %4 %5 stray %6")
        .arg(f.stamp)
        .arg(f.keyboardEffect)
        .arg(keys)
        .arg(f.sideEffect)
        .arg(side)
        .arg(f.strayBytes);
}

constexpr int64_t kMs = 1000000;

} // namespace

Q_DECLARE_METATYPE(StreamScript)
Q_DECLARE_METATYPE(QVector<Report>)

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
        for (const Report& packet : customUpload(0, 0xD0))
            k.receive(packet.data());
        for (const Report& packet : customUpload(2, 0xE0))
            k.receive(packet.data());
        QCOMPARE(k.customColours(0, 3), customPacket(0xD0, 3));
        QCOMPARE(k.customColours(2, 3), customPacket(0xE0, 3));
        QCOMPARE(k.customColours(3), customPacket(0xE0, 3));
        QVERIFY(k.customColours(1, 3).empty());
        QVERIFY(k.customColours(2, 8).empty());

        k.receive(request(0x13, 0, {{5, 1}, {6, 1}}).data());
        QCOMPARE(k.factoryResets(), 1);
        QVERIFY(k.customColours(2, 3).empty());
        QVERIFY(k.customColours(3).empty());
        QVERIFY(k.keyMap(1).empty());
        QVERIFY(k.macroSlot(9).empty());
        QCOMPARE(k.serialNumber(), std::string(sn)); // a reset keeps the serial number
        QCOMPARE(int(k.receivedReports().size()), 32);
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

    // The cable light stream as the firmware takes it: a frame is whole when
    // its key packets 0..7 and then each of the model's side packets arrive
    // once, in order, each of its own length.
    void lightStreamFrames_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<StreamScript>("script");
        QTest::addColumn<int>("whole");
        QTest::addColumn<int>("cut");
        QTest::addColumn<int>("lastWhole"); // the frame whose colours are kept; -1: none

        QTest::newRow("33 side LEDs") << "OV82" << wholeFrame(33, 1) << 1 << 0 << 1;
        QTest::newRow("45 side LEDs") << "OV68M" << wholeFrame(45, 1) << 1 << 0 << 1;
        QTest::newRow("50 side LEDs") << "OV98" << wholeFrame(50, 1) << 1 << 0 << 1;
        QTest::newRow("no side light: still 33") << "OV61M" << wholeFrame(33, 1) << 1 << 0 << 1;
        QTest::newRow("two frames") << "OV98" << wholeFrame(50, 1) + wholeFrame(50, 2) << 2 << 0 << 2;

        StreamScript missingLast = wholeFrame(33, 1);
        missingLast.removeLast();
        QTest::newRow("last side packet missing") << "OV82" << missingLast + wholeFrame(33, 2) << 1 << 1 << 2;
        QTest::newRow("begun before the last was whole")
            << "OV68M" << wholeFrame(45, 1).mid(0, 5) + wholeFrame(45, 2) << 1 << 1 << 2;
        StreamScript repeated = wholeFrame(33, 1);
        repeated.insert(3, repeated[3]);
        QTest::newRow("packet repeated") << "OV82" << repeated << 0 << 1 << -1;
        StreamScript swapped = wholeFrame(50, 1);
        std::swap(swapped[8], swapped[9]);
        QTest::newRow("side packets swapped") << "OV98" << swapped << 0 << 1 << -1;
        QTest::newRow("side part of another model") << "OV82" << wholeFrame(45, 1) << 0 << 1 << -1;
        QTest::newRow("side packets alone") << "OV82" << wholeFrame(33, 1).mid(8) << 0 << 0 << -1;
    }

    void lightStreamFrames()
    {
        QFETCH(QString, model);
        QFETCH(StreamScript, script);
        QFETCH(int, whole);
        QFETCH(int, cut);
        QFETCH(int, lastWhole);
        const ModelInfo* info = ModelCatalogue::instance().find(model);
        QVERIFY(info);
        SimulatedKeyboard k(*info, false);
        for (const StreamPacket& packet : script)
            QVERIFY(k.receive(streamReport(packet).data()));
        QVERIFY(drain(k).empty());
        const SimulatedLighting lighting = k.lighting();
        QCOMPARE(lighting.wholeFrames(), whole);
        QCOMPARE(lighting.cutFrames(), cut);
        const StreamScript kept = wholeFrame(info->streamSideLedCount(), lastWhole);
        QCOMPARE(lighting.lastFrameKeys(), lastWhole < 0 ? std::vector<uint8_t>() : frameColours(kept, 0));
        QCOMPARE(lighting.lastFrameSide(), lastWhole < 0 ? std::vector<uint8_t>() : frameColours(kept, 1));
    }

    // A custom slot takes an upload only whole: packets 0..7 of that slot in
    // order, 54 bytes seven times and then 18. Anything else leaves the slot
    // with its last whole upload and the effect report that closed it.
    void customColourUploads_data()
    {
        QTest::addColumn<QVector<Report>>("script");
        QTest::addColumn<bool>("replaced");
        QTest::addColumn<int>("broken");

        const QVector<Report> upload = customUpload(1, 0x40);
        QTest::newRow("whole") << upload << true << 0;
        QVector<Report> missing = upload;
        missing.remove(3);
        QTest::newRow("packet missing") << missing << false << 1;
        QVector<Report> repeated = upload;
        repeated.insert(5, upload[5]);
        QTest::newRow("packet repeated") << repeated << false << 1;
        QVector<Report> swapped = upload;
        std::swap(swapped[5], swapped[6]);
        QTest::newRow("out of order") << swapped << false << 1;
        QVector<Report> tooLong = upload;
        tooLong[7] = customReport(1, 7, 0x40, 54);
        QTest::newRow("last packet too long") << tooLong << false << 1;
        QVector<Report> shortPacket = upload;
        shortPacket[2] = customReport(1, 2, 0x40, 18);
        QTest::newRow("packet too short") << shortPacket << false << 1;
        QVector<Report> otherSlot = upload;
        otherSlot[4] = customReport(0, 4, 0x40);
        QTest::newRow("another slot's packet") << otherSlot << false << 1;
        QTest::newRow("without its beginning") << upload.mid(1) << false << 1;
        QTest::newRow("begun again before it was whole") << customUpload(1, 0x30).mid(0, 3) + upload << true << 1;
    }

    void customColourUploads()
    {
        QFETCH(QVector<Report>, script);
        QFETCH(bool, replaced);
        QFETCH(int, broken);
        SimulatedKeyboard k(*ModelCatalogue::instance().find("OV68M"), false);
        for (const Report& packet : customUpload(1, 0x10))
            k.receive(packet.data());
        k.receive(closingEffect(1).data());

        for (const Report& packet : script)
            k.receive(packet.data());
        k.receive(closingEffect(2).data());

        const SimulatedLighting lighting = k.lighting();
        QCOMPARE(lighting.wholeUploads(), replaced ? 2 : 1);
        QCOMPARE(lighting.brokenUploads(), broken);
        const std::optional<SimulatedLighting::CustomSlot> slot = lighting.customSlot(1);
        QVERIFY(slot);
        QCOMPARE(slot->colours(), customColoursOf(replaced ? 0x40 : 0x10));
        QVERIFY(slot->effect);
        QCOMPARE(int((*slot->effect)[8]), replaced ? 2 : 1);
        QVERIFY(!lighting.customSlot(0));
        // The effect report is also the keyboard's effect, whole upload or not.
        QCOMPARE(int(k.keyboardLightReport()[8]), 2);
    }

    // The compact frame from behind the receiver, taken apart by its effects.
    void receiverLightFrame_data()
    {
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<QString>("fields");
        using namespace ReportBytes;
        QTest::newRow("Static keys, Static side")
            << reportWith({{0, 1}, {1, 0x28}, {2, 1}, {3, 2}, {5, 10}, {6, 20}, {7, 30}, {35, 4}, {36, 5}, {37, 6}})
            << "stamp 258 keys 0 colour 10,20,30 side 0 colour 4,5,6 stray 0";
        QTest::newRow("Reactive, a key pressed")
            << reportWith({{1, 0x28}, {3, 255}, {4, 6}, {5, 3}, {6, 4}, {7, 255}, {34, 2}})
            << "stamp 255 keys 6 press 3,4 255,0,0 side 2 - stray 0";
        QTest::newRow("Ripple, nothing pending")
            << reportWith({{1, 0x28}, {4, 8}, {34, 5}}) << "stamp 0 keys 8 no press side 5 colour 0,0,0 stray 0";
        QTest::newRow("Speed Respond") << reportWith({{1, 0x28}, {4, 12}, {5, 7}, {6, 200}, {34, 1}, {35, 9}})
                                       << "stamp 0 keys 12 level 7 intensity 200 side 1 colour 9,0,0 stray 0";
        QTest::newRow("Auto Ripple, side Collision")
            << reportWith({{1, 0x28}, {4, 14}, {5, 1}, {9, 5}, {34, 3}, {35, 11}, {39, 15}})
            << "stamp 0 keys 14 ripple 1,0,0,0,5 side 3 collision 11,0,0,0,15 stray 0";
        QTest::newRow("Musical Rhythm")
            << reportWith({{1, 0x28}, {4, 100}, {5, 1}, {15, 11}, {16, 21}, {26, 31}})
            << "stamp 0 keys 100 levels 1,0,0,0,0,0,0,0,0,0,11 intensities 21,0,0,0,0,0,0,0,0,0,31 side 0 "
               "colour 0,0,0 stray 0";
        QTest::newRow("Wave carries no data")
            << reportWith({{1, 0x28}, {4, 2}, {5, 1}, {34, 2}, {36, 1}}) << "stamp 0 keys 2 - side 2 - stray 2";
        QTest::newRow("bytes after the side data") << reportWith({{1, 0x28}, {4, 0}, {38, 1}, {40, 1}, {63, 1}})
                                                   << "stamp 0 keys 0 colour 0,0,0 side 0 colour 0,0,0 stray 3";
    }

    void receiverLightFrame()
    {
        QFETCH(QByteArray, frame);
        QFETCH(QString, fields);
        SimulatedKeyboard k(*ModelCatalogue::instance().find("OV84W"), true);
        Report r{};
        std::copy(frame.begin(), frame.end(), r.begin());
        QVERIFY(k.receive(r.data()));
        QVERIFY(drain(k).empty());
        const std::vector<SimulatedLighting::ReceiverFrame> frames = k.lighting().receiverFrames();
        QCOMPARE(int(frames.size()), 1);
        QCOMPARE(described(frames[0]), fields);
        QCOMPARE(frames[0].bytes, r);
    }

    // The keep-alive times and their longest gap within one run of light
    // synchronisation, and the stream's frame rate, on a clock of the test's.
    void synchronisationAndFrameRate()
    {
        SimulatedLighting lighting(33);
        std::optional<Report> answer;
        auto sync = [&](int on, int64_t atMs) {
            lighting.receive(request(0x16, 0, {{5, 1}, {6, on}}), atMs * kMs, &answer);
        };
        QVERIFY(!lighting.isSynchronising());
        sync(1, 0);
        sync(1, 3000);
        sync(1, 6100);
        QVERIFY(lighting.isSynchronising());
        sync(0, 7000);
        QVERIFY(!lighting.isSynchronising());
        // Off for 13 s: not a gap between keep-alives.
        sync(1, 20000);
        sync(1, 23000);
        QVERIFY(lighting.isSynchronising());
        QCOMPARE(lighting.keepAliveTimes(),
                 (std::vector<int64_t>{0, 3000 * kMs, 6100 * kMs, 20000 * kMs, 23000 * kMs}));
        QCOMPARE(lighting.longestKeepAliveGapNs(), 3100 * kMs);
        QVERIFY(!answer);

        QCOMPARE(lighting.framesPerSecond(), 0.0);
        for (int frame = 0; frame < 4; ++frame) {
            for (const StreamPacket& packet : wholeFrame(33, frame))
                lighting.receive(streamReport(packet), (100 + frame * 30) * kMs, &answer);
        }
        QCOMPARE(lighting.wholeFrames(), 4);
        QCOMPARE(lighting.framesPerSecond(), 100.0 / 3.0);
    }

    // The keyboard's own light changes: kept, reported unasked, and what its
    // inquiries answer from then on.
    void theKeyboardsOwnLightChanges()
    {
        SimulatedKeyboard k(*ModelCatalogue::instance().find("OV68M"), false);
        const SimulatedLighting::Setting keys{4, 2, 1, {1, 2, 3}, {4, 5, 6}, 6, 1, 9};
        const SimulatedLighting::Setting side{3, 0, 4, {7, 8, 9}, {0, 0, 0}, 0, 0, 0};
        k.changeKeyboardLight(keys);
        k.changeSideLight(side);
        k.showCustomSlot(1);
        const auto reports = drain(k);
        QCOMPARE(int(reports.size()), 3);
        const QByteArray keysBytes = ReportBytes::hex("04 02 01 01 02 03 04 05 06 06 01 09");
        QCOMPARE(ReportBytes::bytesOf(reports[0]).left(6), ReportBytes::hex("01 07 00 00 00 00"));
        QCOMPARE(ReportBytes::bytesOf(reports[0]).mid(6, 12), keysBytes);
        QCOMPARE(ReportBytes::bytesOf(reports[1]).left(2), ReportBytes::hex("01 08"));
        QCOMPARE(ReportBytes::bytesOf(reports[1]).mid(6, 12), ReportBytes::hex("03 00 04 07 08 09 00 00 00 00 00 00"));
        QCOMPARE(ReportBytes::bytesOf(reports[2]).left(3), ReportBytes::hex("01 09 01"));
        QCOMPARE(k.lighting().shownCustomSlot(), 1);

        k.receive(request(0x06, 1).data());
        k.receive(request(0x07, 1).data());
        const auto answers = drain(k);
        QCOMPARE(int(answers.size()), 2);
        // Showing a custom scheme makes Custom the keys' effect.
        QCOMPARE(ReportBytes::bytesOf(answers[0]).mid(6, 12), ReportBytes::hex("0A 02 01 01 02 03 04 05 06 06 01 09"));
        QCOMPARE(ReportBytes::bytesOf(answers[1]).mid(6, 12), ReportBytes::hex("03 00 04 07 08 09 00 00 00 00 00 00"));
        QVERIFY(k.lighting().sideSetting() == side);
    }

    void environmentModelList()
    {
        qputenv("ORVANE_SIMULATE", "OV68M, OV84W@24g,NOPE,OV61M@24G");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("ORVANE_SIMULATE: no such model \"NOPE\""));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("ORVANE_SIMULATE: no such model \"OV61M\""));
        const auto bus = SimulatedBus::installFromEnvironment(QString());
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
        QVERIFY(!SimulatedBus::installFromEnvironment(QString()));
    }
};

ORVANE_TEST_MAIN(tst_SimulatedKeyboard)
#include "tst_SimulatedKeyboard.moc"
