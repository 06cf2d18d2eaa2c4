// The keyboard link through its real I/O thread against the simulated
// keyboard and the real profile store: the start-up chain, the serial
// number, every input-report handler, the key-report echo with its lock
// filter and the actions a keyboard asks of the computer.
#include "support/TestMain.h"

#include "app/DDataManager.h"
#include "hid/DCommandQueue.h"
#include "hid/DDeviceKeyboardLink.h"
#include "hid/DInputReportReader.h"
#include "hid/MainHidInterFace.h"
#include "sdk/include/orvanesdk_xml.h"
#include "support/FakeProgramOpener.h"
#include "support/FakeTextPaster.h"
#include "support/ReportBytes.h"
#include "support/SimulatorHarness.h"
#include "ui/mainwidget/devicePage/lightDeal/lightDealMain.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cstring>
#include <memory>

using Bytes = QList<int>;
using Reports = QList<Bytes>;
Q_DECLARE_METATYPE(Reports)

using namespace ReportBytes;

namespace {

constexpr char kValidSerial[] = "0123456789abcdef0123456789abcdef";
constexpr int kFenceType = 0x0B;
constexpr int kFenceValue = 0xEE;

// "type: at=value ..." as a 64-byte report; a Bytes row is {type, at, value, at, value, ...}.
SimulatedKeyboard::Report reportOf(const Bytes& row)
{
    SimulatedKeyboard::Report r{};
    r[0] = 0x01;
    r[1] = uint8_t(row.value(0));
    for (int i = 1; i + 1 < row.size(); i += 2)
        r[size_t(row[i])] = uint8_t(row[i + 1]);
    return r;
}

// A command the keyboard received: "cc" or "cc/ss" (byte 2) or "29:ss" (byte 6).
QString commandName(const SimulatedKeyboard::Report& r)
{
    const QString cmd = QString::asprintf("%02x", r[1]);
    if (r[1] == 0x29)
        return cmd + QString::asprintf(":%02x", r[6]);
    if (r[2] != 0)
        return cmd + QString::asprintf("/%d", r[2]);
    return cmd;
}

bool isHandshake(const SimulatedKeyboard::Report& r)
{
    return r[0] == 0x00 && r[1] == 0x00;
}

} // namespace

class tst_DDeviceKeyboardLink : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<SimulatorHarness> m_sim;
    std::shared_ptr<SimulatedKeyboard> m_keyboard;
    std::unique_ptr<DDeviceKeyboardLink> m_link;
    QStringList m_log;
    QByteArray m_profilePath;
    int m_files = 0;

    // Plugs a keyboard and opens its link; the serial number is preset so
    // the rows can name it.
    void open(const char* model, const std::string& serial = kValidSerial, bool viaReceiver = false)
    {
        m_keyboard = m_sim->plug(model, viaReceiver);
        QVERIFY(m_keyboard);
        m_keyboard->setSerialNumberRaw(serial);
        const hidStructInfoAll info = m_sim->deviceRecord(m_keyboard);
        m_link.reset(new DDeviceKeyboardLink);
        record(m_link.get());
        m_link->openDevice(7, info);
        QVERIFY(m_link->hidInterface());
    }

    void openReady(const char* model, const std::string& serial = kValidSerial)
    {
        open(model, serial);
        QTRY_VERIFY_WITH_TIMEOUT(m_link->isReady(), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(!m_link->customizableKeys().isEmpty(), 5000);
        m_log.clear();
    }

    QByteArray newProfileFile(int profiles = 1)
    {
        const QByteArray path = QFile::encodeName(m_dir.filePath(QStringLiteral("layer%1.xml").arg(++m_files)));
        [&] {
            QVERIFY(COrvaneXML_CreateXMLFile(path));
            for (int i = 1; i <= profiles; ++i)
                QVERIFY(COrvaneXML_CreateProFileXmlParentNode(path, QByteArray::number(i), "Profile", 0));
        }();
        return path;
    }

    void useProfile(int index = 1)
    {
        m_profilePath = newProfileFile(2);
        m_link->setProfilePath(m_profilePath);
        m_link->setProfileIndex(index);
    }

    void record(DDeviceKeyboardLink* link)
    {
        using L = DDeviceKeyboardLink;
        const auto path = [this](const QString& p) {
            return m_keyboard && p == QString::fromStdString(m_sim->pathOf(m_keyboard)) ? QStringLiteral("PATH") : p;
        };
        connect(link, &L::sigSendChargingStatusAndElectricity, this, [this](int c, int e, int m, int v, QString sn) {
            m_log << QStringLiteral("state %1 %2 %3 %4 %5").arg(c).arg(e).arg(m).arg(v).arg(sn);
        });
        connect(link, &L::sigDongleStatus, this, [this, path](int v, QString p, QString name) {
            m_log << QStringLiteral("dongle %1 %2 %3").arg(v).arg(path(p), name);
        });
        connect(link, &L::sigRuningOnboardDownloadStatus, this,
                [this](int s) { m_log << QStringLiteral("download %1").arg(s); });
        connect(link, &L::sigTheKeyboardModeChanged, this,
                [this](int m) { m_log << QStringLiteral("mode %1").arg(m); });
        connect(link, &L::sigSleepTimeSetSuccessful, this, [this] { m_log << QStringLiteral("sleep set"); });
        connect(link, &L::sigRuningOnboard0x18Cmd, this, [this] { m_log << QStringLiteral("0x18"); });
        connect(link, &L::sigRuningOnboard0x19Cmd, this, [this] { m_log << QStringLiteral("0x19"); });
        connect(link, &L::sigQN9080Recv0x0bCmd, this, [this](int n) { m_log << QStringLiteral("0x0b %1").arg(n); });
        connect(link, &L::sigWaitForDataReturn_0x0d, this,
                [this, path](QString p, QString field) { m_log << QStringLiteral("0x0d %1 %2").arg(path(p), field); });
        connect(link, &L::sigLightConfigHaveChanged_HidSend, this,
                [this](int part, int effect) { m_log << QStringLiteral("light %1 %2").arg(part).arg(effect); });
        connect(link, &L::sigCustomLight_ConfigHaveChanged_HidSend0x09, this, [this](int part, int effect, int slot) {
            m_log << QStringLiteral("custom %1 %2 %3").arg(part).arg(effect).arg(slot);
        });
        connect(link, &L::sigCustomEventChangProfile, this,
                [this](int p) { m_log << QStringLiteral("profile %1").arg(p); });
    }

    // Sends the reports and waits until the link has handled them all: a
    // last 0x0B report is the fence, and is taken off the log again.
    void deliver(const Reports& reports)
    {
        for (const Bytes& row : reports)
            m_keyboard->injectInput(reportOf(row));
        m_keyboard->injectInput(reportOf({kFenceType, 2, kFenceValue}));
        const QString fence = QStringLiteral("0x0b %1").arg(kFenceValue);
        QTRY_VERIFY_WITH_TIMEOUT(m_log.contains(fence), 5000);
        m_log.removeAll(fence);
    }

    QStringList commands(bool withHandshakes = false) const
    {
        QStringList list;
        for (const auto& e : m_keyboard->receivedReports()) {
            if (withHandshakes || !isHandshake(e.bytes))
                list << commandName(e.bytes);
        }
        return list;
    }

    QList<SimulatedKeyboard::Report> received(uint8_t command) const
    {
        return receivedWhere(*m_keyboard, [command](const auto& r) { return r[1] == command && !isHandshake(r); });
    }

    static void addKeyFunction(const char* path, const char* usage, const char* type, const QByteArray& value)
    {
        QVERIFY(COrvaneXML_AddProFileMacroWithKeyInfoItem(path, "1", usage, "Key", type, "0", "0", value));
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void init()
    {
        m_sim.reset(new SimulatorHarness);
        m_log.clear();
    }

    void cleanup()
    {
        m_link.reset();
        m_keyboard.reset();
        m_sim.reset();
        TextPaster::install(nullptr);
        ProgramOpener::install(nullptr);
    }

    void startUpChain_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QStringList>("chain");
        QTest::addColumn<bool>("sideLight");

        QTest::newRow("plain model") << "OV61" << QStringList{"14", "06/1", "07/1", "09", "01", "0d"} << false;
        QTest::newRow("magnetic model") << "OV68M" << QStringList{"14",    "06/1",  "07/1", "09", "29:04",
                                                                  "29:0a", "29:09", "01",   "0d"}
                                        << true;
    }

    void startUpChain()
    {
        QFETCH(QString, model);
        QFETCH(QStringList, chain);
        QFETCH(bool, sideLight);
        DDataManager::getInstance()->setHasSideLight(!sideLight);
        DDataManager::getInstance()->setKeyTravelMaxLevel(0);
        open(model.toLatin1());
        QVERIFY(!m_link->isReady());
        QTRY_VERIFY_WITH_TIMEOUT(m_link->isReady(), 5000);
        // The keys whose FN layer the firmware keeps for itself.
        QTRY_COMPARE_WITH_TIMEOUT(m_link->customizableKeys().size(), int(m_keyboard->model().fnLayerKeys.size()), 5000);
        QCOMPARE(commands(), chain);
        QCOMPARE(m_link->currentSN(), QString::fromLatin1(kValidSerial));
        QCOMPARE(m_link->keyboardModes().lightTypeList.size(), 20);
        QCOMPARE(m_link->keyboardModes().speedMax, 5);
        QCOMPARE(m_link->keyboardModes().brightnessMax, 5);
        QCOMPARE(m_link->sideModes().lightTypeList.size(), sideLight ? 10 : 0);
        QCOMPARE(DDataManager::getInstance()->hasSideLight(), sideLight);
        // The link keeps its keyboard's answer; the device page hands the selected one's on.
        QCOMPARE(m_link->magneticSettings().travelLevels, chain.contains("29:04") ? 40 : 0);
        // The reported light settings are kept, not yet stored or announced.
        QVERIFY(m_log.isEmpty());
        QVERIFY(!m_link->lightInfoSaved());

        // What the device page hands the lighting engine when it selects the keyboard.
        lightDealMain engine;
        engine.setHidDeviceInfo(m_link->hidInfo());
        engine.setHidInterface(m_link->hidInterface());
        engine.setLightCapability(m_link->keyboardModes(), m_link->sideModes());
        QCOMPARE(QByteArray(engine.hidDeviceInfo().modelName), model.toLatin1());
        QCOMPARE(engine.hidInterface(), m_link->hidInterface());
        QCOMPARE(engine.keyboardCapability().lightTypeList, m_link->keyboardModes().lightTypeList);
        QCOMPARE(engine.sideCapability().lightTypeList.size(), sideLight ? 10 : 0);
    }

    void deviceFunctions()
    {
        openReady("OV61");
        useProfile();
        m_link->setSleepTime(300, 1200, 1);
        QCOMPARE(m_link->setLockWinKeyFeatures(1, 0, 1, 0), 0);
        QTRY_COMPARE_WITH_TIMEOUT(m_log, QStringList{"sleep set"}, 5000);
        QCOMPARE(m_keyboard->lightSleep(), 300);
        QCOMPARE(m_keyboard->keyboardSleep(), 1200);
        QCOMPARE(m_keyboard->prohibitSleep(), 1);
        QCOMPARE(m_keyboard->lockFlags(), (std::array<uint8_t, 4>{1, 0, 0, 1}));

        // The keyboard's answer to the sleep query lands in the profile.
        m_link->checkSleepTime();
        sleepTimeInfo times{};
        QTRY_VERIFY_WITH_TIMEOUT(COrvaneXML_GetProFileIntoSleepTimeInfo(m_profilePath, "1", &times)
                                     && times.keyboardSleepMinutes == 20,
                                 5000);
        QCOMPARE(times.lightSleepSeconds, 300);

        m_link->resetKeyboard();
        QTRY_COMPARE_WITH_TIMEOUT(m_keyboard->factoryResets(), 1, 5000);
    }

    void silentKeyboard_data()
    {
        QTest::addColumn<QList<int>>("silent"); // -1: nothing answered at all
        QTest::addColumn<QStringList>("chain");

        QTest::newRow("no answers") << QList<int>{-1} << QStringList{"14"};
        QTest::newRow("no serial number") << QList<int>{0x14} << QStringList{"14"};
        QTest::newRow("no keyboard effect list") << QList<int>{0x09} << QStringList{"14", "06/1", "07/1", "09"};
        QTest::newRow("no side effect list") << QList<int>{0x01} << QStringList{"14", "06/1", "07/1", "09", "01"};
    }

    void silentKeyboard()
    {
        QFETCH(QList<int>, silent);
        QFETCH(QStringList, chain);
        m_keyboard = m_sim->plug("OV61");
        for (int command : silent) {
            if (command < 0)
                m_keyboard->setAnswering(false);
            else
                m_keyboard->setSilentCommand(uint8_t(command), true);
        }
        const hidStructInfoAll info = m_sim->deviceRecord(m_keyboard);
        m_link.reset(new DDeviceKeyboardLink);
        m_link->openDevice(1, info);
        // The handshake goes on regardless, once a second.
        QTRY_VERIFY_WITH_TIMEOUT(commands(true).count("00") >= 2, 4000);
        QCOMPARE(commands(), chain);
        QVERIFY(!m_link->isReady());
    }

    void openFailure()
    {
        hidStructInfoAll info;
        qstrncpy(info.hidPath, "sim:nothing-here", sizeof info.hidPath);
        qstrncpy(info.modelName, "OV61", sizeof info.modelName);
        DDeviceKeyboardLink link;
        QTest::ignoreMessage(QtDebugMsg, "Open the device-failed");
        link.openDevice(1, info);
        QVERIFY(link.hidInterface());
        QVERIFY(!link.hidInterface()->isRunning());
        QCOMPARE(link.setLockWinKeyFeatures(1, 1, 1, 1), -1);
        link.resetKeyboard();
        link.setSleepTime(1, 2, 0);
        QVERIFY(!link.isReady());
    }

    void serialNumber_data()
    {
        QTest::addColumn<QByteArray>("serial");
        QTest::addColumn<bool>("kept");

        QTest::newRow("32 characters kept") << QByteArray(kValidSerial) << true;
        QTest::newRow("31 characters") << QByteArray(kValidSerial).left(31) << false;
        QTest::newRow("none") << QByteArray() << false;
        QTest::newRow("a path in it") << QByteArray("../../").append(QByteArray(kValidSerial).left(26)) << false;
    }

    void serialNumber()
    {
        QFETCH(QByteArray, serial);
        QFETCH(bool, kept);
        openReady("OV61", serial.toStdString());
        const QList<SimulatedKeyboard::Report> writes = received(0x15);
        if (kept) {
            QCOMPARE(m_link->currentSN(), QString::fromLatin1(serial));
            QVERIFY(writes.isEmpty());
            return;
        }
        QVERIFY(QRegularExpression("^[0-9a-f]{32}$").match(m_link->currentSN()).hasMatch());
        QCOMPARE(writes.size(), 1);
        QCOMPARE(bytesOf(writes[0]).mid(6, 32), m_link->currentSN().toLatin1());
        QCOMPARE(QString::fromStdString(m_keyboard->serialNumber()), m_link->currentSN());
    }

    void repeatedInvalidSerialKeepsTheGeneratedOne()
    {
        // Firmware that does not keep a written serial number answers
        // without one every time.
        open("OV61", "");
        m_keyboard->setForgetsSerialWrites(true);
        QTRY_VERIFY_WITH_TIMEOUT(m_link->isReady(), 5000);
        const QString generated = m_link->currentSN();
        QVERIFY(DInputReportReader::isUsableSerialNumber(generated));
        // One answer at a time: the same report still waiting is not
        // queued twice.
        for (int i = 2; i <= 3; ++i) {
            m_keyboard->sendSerialNumberReport();
            QTRY_COMPARE_WITH_TIMEOUT(received(0x15).size(), i, 5000);
            // Every answer runs the inquiries again.
            QTRY_COMPARE_WITH_TIMEOUT(received(0x06).size(), i, 5000);
        }
        QCOMPARE(m_link->currentSN(), generated);
        for (const auto& write : received(0x15))
            QCOMPARE(bytesOf(write).mid(6, 32), generated.toLatin1());
        QCOMPARE(m_keyboard->serialNumber(), std::string());
    }

    void unaskedSerialNumbersKeepTheQueueBounded_data()
    {
        QTest::addColumn<bool>("valid");
        QTest::newRow("valid serial numbers") << true;
        QTest::newRow("invalid ones, each answered by a write") << false;
    }

    void unaskedSerialNumbersKeepTheQueueBounded()
    {
        QFETCH(bool, valid);
        constexpr int kReports = 1000;
        openReady("OV98M");
        m_keyboard->setAnswering(false);
        if (valid) {
            for (int i = 0; i < kReports; ++i)
                m_keyboard->sendSerialNumberReport();
        } else {
            m_keyboard->flood(0x15, kReports);
        }
        MainHidInterFace* hid = m_link->hidInterface();
        int most = 0;
        const auto drained = [&] {
            most = std::max(most, hid->pendingCmdReports());
            return m_keyboard->pendingInput() == 0;
        };
        QTRY_VERIFY_WITH_TIMEOUT(drained(), 30000);
        QVERIFY2(most <= DCommandQueue::kUnaskedLimit, qPrintable(QString::number(most)));

        // The user's command is not stuck behind what the flood provoked.
        const int locksBefore = received(0x13).size();
        QCOMPARE(m_link->setLockWinKeyFeatures(1, 0, 0, 0), 0);
        QTRY_COMPARE_WITH_TIMEOUT(received(0x13).size(), locksBefore + 1, 5000);
    }

    void laterValidSerialIsTaken()
    {
        openReady("OV61", "");
        m_keyboard->setSerialNumberRaw(kValidSerial);
        m_keyboard->sendSerialNumberReport();
        QTRY_COMPARE_WITH_TIMEOUT(m_link->currentSN(), QString::fromLatin1(kValidSerial), 5000);
        QCOMPARE(received(0x15).size(), 1);
    }

    void handlers_data()
    {
        QTest::addColumn<Reports>("reports");
        QTest::addColumn<bool>("dongleStatus");
        QTest::addColumn<QStringList>("emitted");
        QTest::addColumn<bool>("lockArmed");

        const QString sn = QString::fromLatin1(kValidSerial);
        QTest::newRow("state with byte 5 = 0 is dropped")
            << Reports{{0x01, 5, 0, 6, 1, 10, 50, 13, 2}} << false << QStringList{} << false;
        QTest::newRow("state") << Reports{{0x01, 5, 1, 9, 1, 10, 80}} << false << QStringList{"state 1 80 0 0 " + sn}
                               << false;
        QTest::newRow("state arms the lock filter")
            << Reports{{0x01, 5, 1, 6, 1, 10, 80}} << false << QStringList{"state 0 80 0 0 " + sn} << true;
        QTest::newRow("second state disarms it") << Reports{{0x01, 5, 1, 6, 1}, {0x01, 5, 1, 6, 2}} << false
                                                 << QStringList{"state 0 0 0 0 " + sn, "state 0 0 0 0 " + sn} << false;
        QTest::newRow("battery out of range is clamped")
            << Reports{{0x01, 5, 1, 10, 201}} << false << QStringList{"state 0 100 0 0 " + sn} << false;
        QTest::newRow("download status") << Reports{{0x01, 5, 1, 13, 3}} << false
                                         << QStringList{"state 0 0 0 0 " + sn, "download 3"} << false;
        QTest::newRow("receiver validity off")
            << Reports{{0x01, 5, 1, 11, 1, 12, 1}} << false << QStringList{"state 0 0 1 1 " + sn} << false;
        QTest::newRow("receiver validity changes")
            << Reports{{0x01, 5, 1, 11, 1, 12, 1}, {0x01, 5, 1, 11, 1, 12, 1}, {0x01, 5, 1, 11, 1, 12, 0}} << true
            << QStringList{"state 0 0 1 1 " + sn, "dongle 1 PATH OV61", "state 0 0 1 1 " + sn, "state 0 0 1 0 " + sn,
                           "dongle 0 PATH OV61"}
            << false;
        QTest::newRow("receiver byte ignored on the cable")
            << Reports{{0x01, 5, 1, 11, 0, 12, 1}} << true << QStringList{"state 0 0 0 1 " + sn} << false;
        QTest::newRow("sleep times set") << Reports{{0x14, 2, 0}} << false << QStringList{"sleep set"} << false;
        QTest::newRow("other sleep sub-type") << Reports{{0x14, 2, 1}} << false << QStringList{} << false;
        QTest::newRow("download marker and acknowledgement")
            << Reports{{0x18}, {0x19}} << false << QStringList{"0x18", "0x19"} << false;
        QTest::newRow("answer number") << Reports{{0x0B, 2, 9}} << false << QStringList{"0x0b 9"} << false;
        QTest::newRow("text report") << Reports{{0x0D, 6, 'a', 7, ',', 8, ',', 9, ',', 10, ',', 11, 'V', 12, '2'}}
                                     << false << QStringList{"0x0d PATH V2"} << false;
        QTest::newRow("custom light slot") << Reports{{0x09, 2, 1}} << false << QStringList{"custom 0 10 1"} << false;
        QTest::newRow("light settings before any save are silent")
            << Reports{{0x07, 6, 3}, {0x08, 6, 4}} << false << QStringList{} << false;
        QTest::newRow("ignored and unknown types")
            << Reports{{0x06}, {0x33}, {0x00}, {0xFF, 1, 1}} << false << QStringList{} << false;
        QTest::newRow("release of an action key") << Reports{{0x20, 9, 4, 10, 0}} << false << QStringList{} << false;
    }

    void handlers()
    {
        QFETCH(Reports, reports);
        QFETCH(bool, dongleStatus);
        QFETCH(QStringList, emitted);
        QFETCH(bool, lockArmed);
        openReady("OV61");
        m_link->setDongleStatusEnabled(dongleStatus);
        deliver(reports);
        QCOMPARE(m_log, emitted);
        QCOMPARE(m_link->isLockArmed(), lockArmed);
    }

    void customLightSlotStored()
    {
        openReady("OV61");
        useProfile();
        deliver({{0x09, 2, 1}});
        QCOMPARE(COrvaneXML_SelectProFileMouseLightTypeUsingIndex(m_profilePath, "1", 0), 10);
    }

    void keyboardMode()
    {
        openReady("OV98M");
        deliver({{0x01, 5, 1, 14, 2}, {0x01, 5, 1, 14, 2}, {0x01, 5, 1, 14, 0}});
        const QString state = QStringLiteral("state 0 0 0 0 ") + kValidSerial;
        QCOMPARE(m_log, (QStringList{state, "mode 2", state, state, "mode 0"}));
    }

    void lightSettingsSaved()
    {
        openReady("OV61");
        useProfile();
        // The first save of a link (the device page loading the profile) is silent.
        m_link->saveLightInfoToProfile(0);
        QVERIFY(m_log.isEmpty());
        QVERIFY(COrvaneXML_IsProFileAlreadyHaveLightInfo(m_profilePath, "1", 0, 1));

        // Later ones are announced and stored.
        deliver({{0x07, 6, 5, 7, 2, 8, 3, 9, 10, 10, 20, 11, 30, 12, 40, 13, 50, 14, 60, 15, 1, 16, 1, 17, 9}});
        QCOMPARE(m_log, QStringList{"light 0 5"});
        colorInfoData stored{};
        QVERIFY(COrvaneXML_SelectProfileColorDataInfo(m_profilePath, "1", 0, 5, &stored));
        QCOMPARE((Bytes{stored.lightPart, stored.ledType, stored.ledBrightness, stored.ledSpeed, stored.topRed,
                        stored.bottomBlue, stored.ledDirection, stored.fullColor, stored.extraValue}),
                 (Bytes{0, 5, 3, 4, 10, 60, 1, 1, 9}));
        QCOMPARE(COrvaneXML_SelectProFileMouseLightTypeUsingIndex(m_profilePath, "1", 0), 5);

        // The same effect again replaces its entry (held to the end of the
        // interval that the save above opened).
        deliver({{0x07, 6, 5, 7, 0}});
        QTRY_VERIFY_WITH_TIMEOUT(COrvaneXML_SelectProfileColorDataInfo(m_profilePath, "1", 0, 5, &stored)
                                     && stored.ledBrightness == 1,
                                 5000);
        QCOMPARE(m_log, (QStringList{"light 0 5", "light 0 5"}));
    }

    // A keyboard that keeps answering does not rewrite the profile file at
    // its pace: a few saves a second, and the last answer is the one stored.
    void lightAnswerFloodIsStoredCoalesced()
    {
        openReady("OV61");
        useProfile();
        m_link->saveLightInfoToProfile(0);
        QElapsedTimer clock;
        clock.start();
        constexpr int kAnswers = 400;
        Reports flood;
        for (int i = 0; i < kAnswers; ++i)
            flood.push_back({0x07, 6, 5, 7, i % 4});
        deliver(flood);
        const qint64 elapsed = clock.elapsed();
        const int saves = m_log.count(QStringLiteral("light 0 5"));
        QVERIFY2(saves >= 1 && saves <= elapsed / 300 + 2,
                 qPrintable(QStringLiteral("%1 saves in %2 ms").arg(saves).arg(elapsed)));
        // The latest answer is stored once its interval ends.
        colorInfoData stored{};
        QTRY_VERIFY_WITH_TIMEOUT(COrvaneXML_SelectProfileColorDataInfo(m_profilePath, "1", 0, 5, &stored)
                                     && stored.ledBrightness == (kAnswers - 1) % 4 + 1,
                                 5000);
    }

    void inquireLightConfigSavesAnswers()
    {
        openReady("OV68M");
        useProfile(2);
        m_link->inquireLightConfig();
        QTRY_COMPARE_WITH_TIMEOUT(m_log, (QStringList{"light 0 1", "light 1 1"}), 5000);
        QCOMPARE(COrvaneXML_SelectProFileMouseLightTypeUsingIndex(m_profilePath, "2", 1), 1);
        QVERIFY(!COrvaneXML_IsProFileAlreadyHaveLightInfo(m_profilePath, "1", 1, 1));
        QCOMPARE(received(0x0D).size(), 2);
    }

    void failedLightSaveIsNotAnnounced()
    {
        openReady("OV61");
        m_link->setProfilePath(QFile::encodeName(m_dir.filePath("missing/none.xml")));
        m_link->inquireLightConfig();
        deliver({{0x07, 6, 2}});
        QVERIFY(m_log.isEmpty());
    }

    void sleepTimesStored()
    {
        openReady("OV61");
        useProfile();
        DDataManager::getInstance()->setProhibitSleep(0);
        deliver({{0x14, 2, 2, 9, 0x02, 10, 0x58, 11, 0x07, 12, 0x07, 13, 1}});
        sleepTimeInfo times{};
        QVERIFY(COrvaneXML_GetProFileIntoSleepTimeInfo(m_profilePath, "1", &times));
        QCOMPARE(times.lightSleepSeconds, 600);
        QCOMPARE(times.keyboardSleepMinutes, 29);
        QCOMPARE(DDataManager::getInstance()->prohibitSleep(), 1);
    }

    void magneticAnswers_data()
    {
        QTest::addColumn<Bytes>("report");
        QTest::addColumn<QString>("relayed");

        QTest::newRow("travel levels") << Bytes{0x21, 6, 0x04, 7, 33} << "levels 33";
        QTest::newRow("rate of return") << Bytes{0x21, 6, 0x09, 7, 3} << "return 3";
        QTest::newRow("anti-shake") << Bytes{0x21, 6, 0x0A, 7, 4} << "shake 4";
        QTest::newRow("live travel") << Bytes{0x21, 6, 0x01, 7, 2, 8, 5, 9, 77} << "live 2 5 77";
        QTest::newRow("key travel info") << Bytes{0x21, 6, 0x05, 7, 1, 8, 2, 9, 3, 10, 4, 11, 5} << "info 1 2 3 4 5";
        QTest::newRow("key calibration") << Bytes{0x21, 6, 0x07, 7, 1} << "calibration 1";
        QTest::newRow("all keys calibration") << Bytes{0x21, 6, 0x08, 7, 1, 8, 4, 29, 6} << "all 1 {0:4,21:6}";
        QTest::newRow("all keys calibration status 2 keeps no result")
            << Bytes{0x21, 6, 0x08, 7, 2, 8, 4} << "all 2 {}";
        QTest::newRow("unknown sub-command") << Bytes{0x21, 6, 0x02, 7, 9} << "";
    }

    void magneticAnswers()
    {
        QFETCH(Bytes, report);
        QFETCH(QString, relayed);
        openReady("OV68M");
        DDataManager* data = DDataManager::getInstance();
        data->setKeyTravelMaxLevel(0);
        data->setRateOfReturn(0);
        data->setKeyAntiShake(0);
        data->querySensitivity(1, 0, 0);
        QStringList seen;
        QObject context;
        connect(data, &DDataManager::sigBackDynamicDisplaySensitivityNum, &context,
                [&](int x, int y, int v) { seen << QStringLiteral("live %1 %2 %3").arg(x).arg(y).arg(v); });
        connect(data, &DDataManager::sigQueryDynamicDisplaySensitivityNum_MouseClicked_BackInfo, &context,
                [&](int a, int b, int c, int d, int e) {
                    seen << QStringLiteral("info %1 %2 %3 %4 %5").arg(a).arg(b).arg(c).arg(d).arg(e);
                });
        connect(data, &DDataManager::sigTheMagneticKeyboardCalibrationStatusBack, &context,
                [&](int s) { seen << QStringLiteral("calibration %1").arg(s); });
        connect(data, &DDataManager::sigMagneticKeyboardAllKeysCalibrationStatusBack, &context, [&](int s) {
            QStringList entries;
            const QMap<int, int> map = m_link->calibrationResult();
            for (auto it = map.cbegin(); it != map.cend(); ++it)
                entries << QStringLiteral("%1:%2").arg(it.key()).arg(it.value());
            seen << QStringLiteral("all %1 {%2}").arg(s).arg(entries.join(','));
        });
        // The start-up answers stay with the link of their keyboard.
        const DDeviceKeyboardLink::MagneticSettings before = m_link->magneticSettings();
        deliver({report});
        const DDeviceKeyboardLink::MagneticSettings kept = m_link->magneticSettings();
        if (kept.travelLevels != before.travelLevels)
            seen << QStringLiteral("levels %1").arg(kept.travelLevels);
        if (kept.rateOfReturn != before.rateOfReturn)
            seen << QStringLiteral("return %1").arg(kept.rateOfReturn);
        if (kept.antiShake != before.antiShake)
            seen << QStringLiteral("shake %1").arg(kept.antiShake);
        QCOMPARE(seen.join('|'), relayed);
    }

    void customizableKeysFollowTheLatestAnswer()
    {
        openReady("OV61");
        Bytes row{0x0E};
        for (int column = 0; column < 22; ++column)
            row << 6 + column << (column == 2 ? 0x05 : 0);
        deliver({row, row});
        QCOMPARE(m_link->customizableKeys(), (QList<QPair<int, int>>{{0, 2}, {2, 2}}));
    }

    void fullKeyReportEchoed()
    {
        openReady("OV61");
        m_keyboard->sendFullKeyReport({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13});
        QTRY_COMPARE_WITH_TIMEOUT(received(0x04).size(), 1, 5000);
        const auto echo = received(0x04).first();
        QCOMPARE(echo[5], uint8_t(0x15));
        QCOMPARE(bytesOf(echo).mid(6, 14), QByteArray("\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0a\x0b\x0c\x0d\x00", 14));
    }

    void keyReportEcho_data()
    {
        QTest::addColumn<bool>("armed");
        QTest::addColumn<QByteArray>("locks"); // Alt+Tab, Alt+F4, Shift+Tab, Windows
        QTest::addColumn<Reports>("keys"); // 8-byte keyboard reports
        QTest::addColumn<QList<QByteArray>>("echoes");

        const QByteArray zero(8, '\0');
        QTest::newRow("a key, filter off")
            << false << QByteArray("1111") << Reports{{0, 0, 4, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 0}}
            << QList<QByteArray>{QByteArray("\0\0\x04\0\0\0\0\0", 8), zero};
        QTest::newRow("Windows key with the filter off")
            << false << QByteArray("1111") << Reports{{0x08, 0, 0, 0, 0, 0, 0, 0}}
            << QList<QByteArray>{QByteArray("\x08\0\0\0\0\0\0\0", 8)};
        QTest::newRow("Windows key locked") << true << QByteArray("0001") << Reports{{0x08, 0, 5, 0, 0, 0, 0, 0}}
                                            << QList<QByteArray>{QByteArray("\0\0\x05\0\0\0\0\0", 8)};
        QTest::newRow("Alt+Tab locked") << true << QByteArray("1000")
                                        << Reports{{0x04, 0, 0, 0, 0, 0, 0, 0}, {0x04, 0, 0x2B, 0, 0, 0, 0, 0}}
                                        << QList<QByteArray>{QByteArray("\x04\0\0\0\0\0\0\0", 8),
                                                             QByteArray("\x04\0\0\0\0\0\0\0", 8)};
        QTest::newRow("Alt+Tab free") << true << QByteArray("0111") << Reports{{0x04, 0, 0x2B, 0, 0, 0, 0, 0}}
                                      << QList<QByteArray>{QByteArray("\x04\0\x2B\0\0\0\0\0", 8)};
        QTest::newRow("Alt+F4 locked") << true << QByteArray("0100") << Reports{{0x40, 0, 0x3D, 0, 0, 0, 0, 0}}
                                       << QList<QByteArray>{QByteArray("\x40\0\0\0\0\0\0\0", 8)};
        QTest::newRow("Shift+Tab locked") << true << QByteArray("0010") << Reports{{0x02, 0, 0x2B, 0, 0, 0, 0, 0}}
                                          << QList<QByteArray>{QByteArray("\x02\0\0\0\0\0\0\0", 8)};
    }

    void keyReportEcho()
    {
        QFETCH(bool, armed);
        QFETCH(QByteArray, locks);
        QFETCH(Reports, keys);
        QFETCH(QList<QByteArray>, echoes);
        openReady("OV61");
        useProfile();
        const auto flag = [&](int i) { return QByteArray(1, locks[i]); };
        QVERIFY(COrvaneXML_AddProFileFunctionInfo(m_profilePath, "1", flag(0), flag(1), flag(2), flag(3)));
        deliver({{0x01, 5, 1, 6, armed ? 1 : 0}});
        QCOMPARE(m_link->isLockArmed(), armed);
        m_keyboard->clearLog();
        for (const Bytes& k : keys) {
            std::array<uint8_t, 8> report{};
            std::copy(k.begin(), k.end(), report.begin());
            m_keyboard->sendKeyReport(report);
        }
        // Every key report is answered, filter or not.
        QTRY_COMPARE_WITH_TIMEOUT(received(0x03).size(), keys.size(), 5000);
        QList<QByteArray> sent;
        for (const auto& r : received(0x03)) {
            QCOMPARE(r[5], uint8_t(9));
            sent << bytesOf(r).mid(6, 8);
        }
        QCOMPARE(sent, echoes);
    }

    void pcKeyFunctions_data()
    {
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<bool>("pressed");
        QTest::addColumn<QStringList>("pasted");
        QTest::addColumn<QStringList>("opened");
        QTest::addColumn<QStringList>("emitted");

        QTest::newRow("text") << QByteArray("6") << QByteArray("hello") << true << QStringList{"hello"} << QStringList{}
                              << QStringList{};
        QTest::newRow("text, release") << QByteArray("6") << QByteArray("hello") << false << QStringList{}
                                       << QStringList{} << QStringList{};
        QTest::newRow("empty text") << QByteArray("6") << QByteArray() << true << QStringList{""} << QStringList{}
                                    << QStringList{};
        const QString cyrillic = QStringLiteral("Привет, 世界");
        QTest::newRow("non-Latin text") << QByteArray("6") << cyrillic.toUtf8() << true << QStringList{cyrillic}
                                        << QStringList{} << QStringList{};
        QTest::newRow("profile switch") << QByteArray("7") << QByteArray("3") << true << QStringList{} << QStringList{}
                                        << QStringList{"profile 3"};
        QTest::newRow("profile switch to a later profile")
            << QByteArray("7") << QByteArray("12") << true << QStringList{} << QStringList{}
            << QStringList{"profile 12"};
        QTest::newRow("profile switch to no profile")
            << QByteArray("7") << QByteArray("0") << true << QStringList{} << QStringList{} << QStringList{};
        QTest::newRow("profile switch to a negative one")
            << QByteArray("7") << QByteArray("-3") << true << QStringList{} << QStringList{} << QStringList{};
        QTest::newRow("profile switch without a number")
            << QByteArray("7") << QByteArray("x") << true << QStringList{} << QStringList{} << QStringList{};
        QTest::newRow("launch") << QByteArray("8") << QByteArray("/usr/bin/true") << true << QStringList{}
                                << QStringList{"/usr/bin/true"} << QStringList{};
        QTest::newRow("disabled key") << QByteArray("5") << QByteArray("0") << true << QStringList{} << QStringList{}
                                      << QStringList{};
        QTest::newRow("shortcut is not run here")
            << QByteArray("9") << QByteArray("7") << true << QStringList{} << QStringList{} << QStringList{};
    }

    void pcKeyFunctions()
    {
        QFETCH(QByteArray, type);
        QFETCH(QByteArray, value);
        QFETCH(bool, pressed);
        QFETCH(QStringList, pasted);
        QFETCH(QStringList, opened);
        QFETCH(QStringList, emitted);
        auto paster = std::make_shared<FakeTextPaster>();
        auto opener = std::make_shared<FakeProgramOpener>();
        TextPaster::install(paster);
        ProgramOpener::install(opener);
        openReady("OV61");
        useProfile();
        addKeyFunction(m_profilePath, "4", type, value);
        m_keyboard->sendActionReport(4, pressed);
        m_keyboard->sendActionReport(5, true); // a key without a function
        deliver({});
        QCOMPARE(paster->pasted, pasted);
        QCOMPARE(opener->opened, opened);
        QCOMPARE(m_log, emitted);
    }

    void pcKeyFunctionUsesTheLayerInUse()
    {
        auto paster = std::make_shared<FakeTextPaster>();
        TextPaster::install(paster);
        openReady("OV61");
        useProfile();
        const QByteArray fnLayer = newProfileFile();
        addKeyFunction(fnLayer, "4", "6", "from FN");
        m_keyboard->sendActionReport(4, true);
        deliver({});
        QVERIFY(paster->pasted.isEmpty());

        m_link->setProfilePath(fnLayer);
        m_keyboard->sendActionReport(4, true);
        deliver({});
        QCOMPARE(paster->pasted, QStringList{"from FN"});
    }

    void profilePathIsCut()
    {
        DDeviceKeyboardLink link;
        const QByteArray longPath(300, 'p');
        link.setProfilePath(longPath);
        QCOMPARE(QByteArray(link.profilePath()), longPath.left(255));
    }
};

ORVANE_TEST_MAIN(tst_DDeviceKeyboardLink)
#include "tst_DDeviceKeyboardLink.moc"
