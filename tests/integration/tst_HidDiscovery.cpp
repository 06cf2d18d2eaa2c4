#include "support/TestMain.h"

#include "sdk/hid/HidDeviceTable.h"
#include "sdk/hid/HidDiscovery.h"
#include "sdk/hid/HidPath.h"
#include "sdk/include/orvanesdk.h"
#include "sdk/models/ModelCatalogue.h"
#include "support/SimulatorHarness.h"

#include <QThread>
#include <atomic>
#include <cstring>
#include <thread>

class tst_HidDiscovery : public QObject
{
    Q_OBJECT

private:
    static std::list<std::string> paths()
    {
        std::list<std::string> list;
        COrvaneHid_GetHidInfoList(&list);
        return list;
    }

private slots:
    void startUp()
    {
        char version[1024] = {};
        QCOMPARE(COrvaneSDK_VersionStr(version), 0);
        QVERIFY(std::strlen(version) > 0);
        SimulatorHarness sim;
        QCOMPARE(COrvaneHid_Init(), 0);
        QCOMPARE(COrvaneLight_Init(), 0);
    }

    void supportListCarriesEveryUsbIdentity()
    {
        std::list<hidSupportInfo> list;
        COrvaneHid_GetSupportInfoList(&list);
        const ModelCatalogue& c = ModelCatalogue::instance();
        size_t expected = 0;
        for (const ModelInfo& m : c.models())
            expected += m.hasReceiver() ? 2 : 1;
        QCOMPARE(list.size(), expected);
        for (const hidSupportInfo& info : list) {
            const auto* raw = reinterpret_cast<const char*>(&info);
            const QString vid = QString::fromLatin1(raw + 128);
            const QString pid = QString::fromLatin1(raw + 144);
            const auto match = c.findByUsbId(uint16_t(vid.toUInt(nullptr, 16)), uint16_t(pid.toUInt(nullptr, 16)));
            QVERIFY2(match.model, qPrintable(vid + ":" + pid));
            QCOMPARE(QString::fromLatin1(info.model), match.model->code);
            QCOMPARE(info.is24G, match.viaReceiver ? 1 : 0);
        }
    }

    void modelTableHoldsEveryModel()
    {
        std::map<std::string, hidSupportMapInfo> table;
        COrvaneHid_GetHidInfoStuMapList(&table);
        const ModelCatalogue& c = ModelCatalogue::instance();
        QCOMPARE(table.size(), c.models().size());
        for (const ModelInfo& m : c.models()) {
            const auto it = table.find(m.code.toStdString());
            QVERIFY(it != table.end());
            const auto* raw = reinterpret_cast<const char*>(&it->second);
            QCOMPARE(QString::fromLatin1(raw + 0), QStringLiteral("keyboard"));
            QCOMPARE(QString::fromLatin1(raw + 144), m.code);
            int32_t layout = 0;
            std::memcpy(&layout, raw + 272, 4);
            QCOMPARE(layout, m.layoutNumber);
            QCOMPARE(QString::fromUtf8(raw + 276), m.productName);
            QCOMPARE(QString::fromUtf8(raw + 404), m.likeName);
            QCOMPARE(it->second.value0, m.values[0]);
        }
    }

    void cableReceiverTwinsAndStrangers()
    {
        SimulatorHarness sim;
        const auto cable = sim.plug("OV68M");
        const auto receiver = sim.plug("OV84W", true);
        const auto twinA = sim.plug("OV61M");
        const auto twinB = sim.plug("OV61M");
        QVERIFY(cable && receiver && twinA && twinB);
        QVERIFY(!sim.plug("OV61M", true)); // no receiver for that model
        QVERIFY(!sim.plug("NOPE"));
        const std::string unknownPid = sim.bus().plugForeign(0x1209, 0x0FFF, 1);
        const std::string otherVendor = sim.bus().plugForeign(0x046D, 0xC31C, 0);

        const std::list<std::string> list = paths();
        // One path per keyboard (its report interface), plus the strangers.
        QCOMPARE(int(list.size()), 6);
        std::set<std::string> unique(list.begin(), list.end());
        QCOMPARE(unique.size(), list.size());

        struct Expect
        {
            std::shared_ptr<SimulatedKeyboard> keyboard;
            const char* model;
            int is24G;
        };
        int described = 0;
        for (const Expect& e : {Expect{cable, "OV68M", 0}, Expect{receiver, "OV84W", 1}, Expect{twinA, "OV61M", 0},
                                Expect{twinB, "OV61M", 0}}) {
            const std::string path = sim.pathOf(e.keyboard);
            QVERIFY(std::find(list.begin(), list.end(), path) != list.end());
            const ModelInfo* m = ModelCatalogue::instance().find(e.model);
            const QString lower = QString::fromStdString(path).toLower();
            QVERIFY2(lower.contains("vid_" + m->vendorIdText().toLower()), path.c_str());
            QVERIFY2(lower.contains("pid_" + (e.is24G ? m->receiverProductIdText() : m->productIdText()).toLower()),
                     path.c_str());

            hidInfoStu hid;
            hidFirmwareInfoStu firmware;
            std::memset(&hid, 0x5A, sizeof hid);
            QVERIFY(COrvaneHid_GetHidAndFirmwareInfoStu(path.c_str(), &hid, &firmware) != 0);
            const auto* raw = reinterpret_cast<const char*>(&hid);
            QCOMPARE(QByteArray(raw + 8), QByteArray::fromStdString(path));
            QCOMPARE(QByteArray(raw + 392), QByteArray(e.model));
            int32_t is24G = -1;
            std::memcpy(&is24G, raw + 652, 4);
            QCOMPARE(is24G, e.is24G);
            QCOMPARE(hid.vendorId, int32_t(m->vendorId));
            QCOMPARE(hid.interfaceNumber, m->interfaceNumber);
            // An upgradeable keyboard runs its built-in image unless told otherwise.
            if (m->isUpgradeable())
                QCOMPARE(QByteArray(firmware.version), m->firmwareVersion.toLatin1());
            else
                QVERIFY(QByteArray(firmware.version).startsWith("V1.0."));
            QCOMPARE(QByteArray(firmware.idSection0), QByteArray("NUC"));
            QCOMPARE(QByteArray(firmware.idSection3), ModelCatalogue::instance().firmwareId().at(3).toLatin1());
            QCOMPARE(QByteArray(firmware.model), QByteArray(e.model));
            ++described;
        }
        QCOMPARE(described, 4);
        hidInfoStu hid;
        hidFirmwareInfoStu firmware;
        QCOMPARE(COrvaneHid_GetHidAndFirmwareInfoStu(unknownPid.c_str(), &hid, &firmware), 0);
        QCOMPARE(COrvaneHid_GetHidAndFirmwareInfoStu(otherVendor.c_str(), &hid, &firmware), 0);
        QCOMPARE(COrvaneHid_GetHidAndFirmwareInfoStu("sim:404/1#vid_1209&pid_0001&mi_01", &hid, &firmware), 0);
        QCOMPARE(COrvaneHid_GetHidAndFirmwareInfoStu(nullptr, &hid, &firmware), 0);

        // A keyboard that is unplugged leaves the list.
        sim.bus().unplug(twinB);
        QCOMPARE(int(paths().size()), 5);
    }

    void openOnlyWhatWasListed()
    {
        SimulatorHarness sim;
        const auto keyboard = sim.plug("OV82");
        const std::string path = sim.pathOf(keyboard);
        const size_t before = HidDeviceTable::instance().openCount();
        const int handle = COrvaneHid_OpenPath(path.c_str());
        QVERIFY(handle != 0);
        const int second = COrvaneHid_OpenPath(path.c_str());
        QVERIFY(second != 0 && second != handle);

        // The keyboard's other interfaces, unknown paths and overlong ones.
        std::string otherInterface = path;
        otherInterface.replace(otherInterface.find("/1#"), 3, "/0#");
        QCOMPARE(COrvaneHid_OpenPath(otherInterface.c_str()), 0);
        QCOMPARE(COrvaneHid_OpenPath("sim:77/1"), 0);
        QCOMPARE(COrvaneHid_OpenPath(std::string(300, 'x').c_str()), 0);
        QCOMPARE(COrvaneHid_OpenPath(nullptr), 0);

        QCOMPARE(COrvaneHid_SetNonblocking(handle, 1), 0);
        unsigned char report[64] = {0x00, 0x14};
        QCOMPARE(COrvaneHid_HidWriteBuff(handle, report, path.c_str()), 64);
        unsigned char in[64];
        std::memset(in, 0xEE, sizeof in);
        QCOMPARE(COrvaneHid_HidReadBuff(handle, in), 64);
        QCOMPARE(int(in[1]), 0x15);
        QCOMPARE(COrvaneHid_HidReadBuff(handle, in), 0);

        // A short report: the rest of the 64 bytes is zero, not stale.
        SimulatedKeyboard::Report shortReport{};
        shortReport.fill(0x33);
        keyboard->injectInput(shortReport, 5);
        std::memset(in, 0xEE, sizeof in);
        QCOMPARE(COrvaneHid_HidReadBuff(handle, in), 5);
        QCOMPARE(int(in[4]), 0x33);
        for (int i = 5; i < 64; ++i)
            QCOMPARE(int(in[i]), 0);
        // An overlong claim is cut to the buffer.
        keyboard->injectInput(shortReport, 500);
        QCOMPARE(COrvaneHid_HidReadBuff(handle, in), 64);

        COrvaneHid_Close(handle);
        COrvaneHid_Close(handle);
        QCOMPARE(COrvaneHid_HidWriteBuff(handle, report, path.c_str()), -1);
        QCOMPARE(COrvaneHid_HidReadBuff(handle, in), -1);
        QCOMPARE(COrvaneHid_SetNonblocking(handle, 1), -1);

        // Unplugged under an open handle: reads and writes fail.
        sim.bus().unplug(keyboard);
        QCOMPARE(COrvaneHid_HidWriteBuff(second, report, path.c_str()), -1);
        QCOMPARE(COrvaneHid_HidReadBuff(second, in), -1);
        COrvaneHid_Close(second);
        QCOMPARE(HidDeviceTable::instance().openCount(), before);
    }

    // The wait an idle I/O thread sleeps in: it ends for a report, a late
    // answer once due, a wake (also one that came before it), the close
    // and the keyboard's unplug, and never for nothing.
    void waitSleepsUntilInputOrWake()
    {
        SimulatorHarness sim;
        const auto keyboard = sim.plug("OV82");
        const std::string path = sim.pathOf(keyboard);
        const int handle = COrvaneHid_OpenPath(path.c_str());
        QVERIFY(handle != 0);
        QCOMPARE(COrvaneHid_SetNonblocking(handle, 1), 0);
        unsigned char in[64];

        QCOMPARE(COrvaneHid_WaitForInput(handle, 30), 0);
        keyboard->injectInput(SimulatedKeyboard::Report{});
        QCOMPARE(COrvaneHid_WaitForInput(handle, -1), 1);
        QCOMPARE(COrvaneHid_HidReadBuff(handle, in), 64);

        COrvaneHid_Wake(handle);
        QCOMPARE(COrvaneHid_WaitForInput(handle, -1), 0);
        QCOMPARE(COrvaneHid_WaitForInput(handle, 30), 0); // that wake is used up

        // An answer that is late wakes the wait when it is due.
        keyboard->setAnswerDelayMs(40);
        unsigned char inquiry[64] = {0x00, 0x14};
        QCOMPARE(COrvaneHid_HidWriteBuff(handle, inquiry, path.c_str()), 64);
        QCOMPARE(COrvaneHid_HidReadBuff(handle, in), 0);
        QCOMPARE(COrvaneHid_WaitForInput(handle, -1), 1);
        QCOMPARE(COrvaneHid_HidReadBuff(handle, in), 64);
        QCOMPARE(int(in[1]), 0x15);

        // Input and wakes from other threads reach a wait in progress.
        std::atomic<int> result{-2};
        auto waitOnce = [&] {
            result = -2;
            return std::thread([&] { result = COrvaneHid_WaitForInput(handle, -1); });
        };
        std::thread waiter = waitOnce();
        QThread::msleep(20);
        QCOMPARE(result.load(), -2);
        keyboard->sendStateReport();
        waiter.join();
        QCOMPARE(result.load(), 1);
        QCOMPARE(COrvaneHid_HidReadBuff(handle, in), 64);
        waiter = waitOnce();
        QThread::msleep(20);
        COrvaneHid_Wake(handle);
        waiter.join();
        QCOMPARE(result.load(), 0);
        waiter = waitOnce();
        QThread::msleep(20);
        COrvaneHid_Close(handle);
        waiter.join();
        QVERIFY(result.load() <= 0);
        QCOMPARE(COrvaneHid_WaitForInput(handle, -1), -1);

        // An unplug under a sleeping wait: the read that follows fails.
        const int second = COrvaneHid_OpenPath(path.c_str());
        QVERIFY(second != 0);
        result = -2;
        waiter = std::thread([&] { result = COrvaneHid_WaitForInput(second, -1); });
        QThread::msleep(20);
        sim.bus().unplug(keyboard);
        waiter.join();
        QCOMPARE(result.load(), 1);
        QCOMPARE(COrvaneHid_HidReadBuff(second, in), -1);
        COrvaneHid_Close(second);
    }

    void changeNoticesCarryTheReportPath()
    {
        SimulatorHarness sim;
        QStringList notices;
        sim.bus().setChangeListener([&notices](bool arrived, const std::string& path) {
            notices << QStringLiteral("%1 %2").arg(arrived ? "+" : "-", QString::fromStdString(path));
        });
        const auto keyboard = sim.plug("OV98", false);
        const QString path = QString::fromStdString(sim.pathOf(keyboard));
        sim.bus().unplug(keyboard);
        QCOMPARE(notices, (QStringList{"+ " + path, "- " + path}));
    }

    void pathForm_data()
    {
        QTest::addColumn<QString>("node");
        QTest::addColumn<int>("vid");
        QTest::addColumn<int>("pid");
        QTest::addColumn<int>("iface");
        QTest::addColumn<QString>("path");
        QTest::newRow("hidraw") << "/dev/hidraw3" << 0x1209 << 0x000d << 1 << "/dev/hidraw3#vid_1209&pid_000D&mi_01";
        QTest::newRow("unknown interface") << "sim:1/0" << 0xABCD << 0x1234 << -1 << "sim:1/0#vid_ABCD&pid_1234&mi_FF";
    }
    void pathForm()
    {
        QFETCH(QString, node);
        QFETCH(int, vid);
        QFETCH(int, pid);
        QFETCH(int, iface);
        QFETCH(QString, path);
        const std::string composed = HidPath::compose(node.toStdString(), uint16_t(vid), uint16_t(pid), iface);
        QCOMPARE(QString::fromStdString(composed), path);
        QCOMPARE(QString::fromStdString(HidPath::node(composed)), node);
        QCOMPARE(QString::fromStdString(HidPath::node(node.toStdString())), node);
    }

    void versionFromReleaseNumber()
    {
        QCOMPARE(QString::fromStdString(HidDiscovery::versionText(0x0123)), QStringLiteral("V1.2.3"));
        QCOMPARE(QString::fromStdString(HidDiscovery::versionText(0x1A0F)), QStringLiteral("V1a.0.f"));
    }
};

ORVANE_TEST_MAIN(tst_HidDiscovery)
#include "tst_HidDiscovery.moc"
