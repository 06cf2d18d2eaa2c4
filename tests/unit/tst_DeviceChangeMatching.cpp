#include "support/TestMain.h"

#include "devices/DBootloaderIdentity.h"
#include "devices/DDeviceChangeMatcher.h"
#include "platform/include/DeviceChangeSource.h"
#include "platform/linux/UdevDeviceChangeSource.h"
#include "platform/linux/UdevEventTranslator.h"
#include "platform/linux/UdevIdentity.h"
#include "sdk/hid/HidPath.h"
#include "sdk/include/orvanesdk_hid.h"
#include "sdk/models/ModelCatalogue.h"

#include <QDir>

#include <cstring>

namespace {

hidSupportInfo record(const char* model, const char* vendor, const char* product)
{
    hidSupportInfo r{};
    std::strncpy(r.model, model, sizeof r.model - 1);
    std::strncpy(r.vendorIdText, vendor, sizeof r.vendorIdText - 1);
    std::strncpy(r.productIdText, product, sizeof r.productIdText - 1);
    return r;
}

// Two models with ids that only differ across the records, so a mixed path
// can hold the vendor of one and the product of the other.
std::list<hidSupportInfo> twoModels()
{
    return {record("FIRST", "abcd", "1234"), record("SECOND", "beef", "5678")};
}

} // namespace

class tst_DeviceChangeMatching : public QObject
{
    Q_OBJECT

private slots:
    void decisions_data()
    {
        QTest::addColumn<int>("changeType");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("model");
        QTest::addColumn<bool>("bootloader");

        QTest::newRow("upper-case path, lower-case ids") << 11 << "/dev/hidraw3#vid_ABCD&pid_1234"
                                                         << "FIRST" << false;
        QTest::newRow("removal matches too") << 12 << "/dev/hidraw3#vid_abcd&pid_1234"
                                             << "FIRST" << false;
        QTest::newRow("second model") << 11 << "X#VID_BEEF&PID_5678"
                                      << "SECOND" << false;
        QTest::newRow("vendor of one, product of the other") << 11 << "X#vid_ABCD&pid_5678"
                                                             << "" << false;
        QTest::newRow("unknown device") << 11 << "X#vid_1111&pid_2222"
                                        << "" << false;
        QTest::newRow("lower-case bootloader, no model") << 11 << "X#vid_1fc9&pid_f7df"
                                                         << "" << true;
        QTest::newRow("bootloader 0416:3F00") << 11 << "X#VID_0416&PID_3F00"
                                              << "" << true;
        QTest::newRow("bootloader 0416:3f01") << 11 << "X#vid_0416&pid_3f01"
                                              << "" << true;
        QTest::newRow("catalogue keyboard in upgrade mode") << 11 << "X#vid_1209&pid_0013&mi_00"
                                                            << "" << true;
        QTest::newRow("bootloader ids from two pairs") << 11 << "X#vid_0416&pid_F7DF"
                                                       << "" << false;
        QTest::newRow("bootloader removal schedules nothing") << 12 << "X#vid_1FC9&pid_F7DF"
                                                              << "" << false;
        QTest::newRow("other change type") << 7 << "X#vid_ABCD&pid_1234"
                                           << "" << false;
        QTest::newRow("other change type, bootloader") << 7 << "X#vid_1FC9&pid_F7DF"
                                                       << "" << false;
    }
    void decisions()
    {
        QFETCH(int, changeType);
        QFETCH(QString, path);
        QFETCH(QString, model);
        QFETCH(bool, bootloader);
        const std::list<hidSupportInfo> list = twoModels();
        const DDeviceChangeMatcher::Decision d = DDeviceChangeMatcher::decide(changeType, &list, path);
        QCOMPARE(d.model ? QString::fromLatin1(d.model->model) : QString(), model);
        QCOMPARE(d.refreshDevicePage, !model.isEmpty());
        QCOMPARE(d.scheduleBootloaderUpgrade, bootloader);
    }

    void firstMatchingRecordWins()
    {
        const std::list<hidSupportInfo> list{record("A", "1209", "0002"), record("B", "1209", "0002")};
        const hidSupportInfo* found = DDeviceChangeMatcher::findModel(&list, "x#vid_1209&pid_0002");
        QVERIFY(found);
        QCOMPARE(QString::fromLatin1(found->model), QStringLiteral("A"));
    }

    void recordsWithoutIdsMatchNothing()
    {
        // An empty text occurs in every path; it must not make every device
        // a supported keyboard.
        const std::list<hidSupportInfo> list{record("NOVENDOR", "", "1234"), record("NOPRODUCT", "abcd", "")};
        QVERIFY(!DDeviceChangeMatcher::findModel(&list, "x#vid_ABCD&pid_1234"));
    }

    void idFieldsWithoutTerminatorStayInTheirField()
    {
        hidSupportInfo r = record("FULL", "", "");
        std::memset(r.vendorIdText, 'A', sizeof r.vendorIdText);
        std::memset(r.productIdText, 'B', sizeof r.productIdText);
        r.is24G = 0;
        const std::list<hidSupportInfo> list{r};
        const QString path = QString(16, 'a') + QString(16, 'b');
        QVERIFY(DDeviceChangeMatcher::findModel(&list, path));
        QVERIFY(!DDeviceChangeMatcher::findModel(&list, QString(15, 'a') + QString(16, 'b')));
    }

    void withoutSupportListOnlyBootloadersCount()
    {
        const DDeviceChangeMatcher::Decision keyboard
            = DDeviceChangeMatcher::decide(11, nullptr, QStringLiteral("x#vid_1209&pid_0002"));
        QVERIFY(!keyboard.model);
        QVERIFY(!keyboard.refreshDevicePage);
        const DDeviceChangeMatcher::Decision boot
            = DDeviceChangeMatcher::decide(11, nullptr, QStringLiteral("x#vid_0416&pid_3F00"));
        QVERIFY(!boot.refreshDevicePage);
        QVERIFY(boot.scheduleBootloaderUpgrade);
    }

    // The library's own list against the paths its own transports compose.
    void everyCatalogueIdentityMatchesItsModel()
    {
        std::list<hidSupportInfo> list;
        COrvaneHid_GetSupportInfoList(&list);
        const auto& models = ModelCatalogue::instance().models();
        QVERIFY(!models.empty());
        for (const ModelInfo& m : models) {
            for (const bool receiver : {false, true}) {
                if (receiver && !m.hasReceiver())
                    continue;
                const uint16_t pid = receiver ? m.receiverProductId : m.productId;
                const QString path
                    = QString::fromStdString(HidPath::compose("/dev/hidraw7", m.vendorId, pid, m.interfaceNumber));
                const hidSupportInfo* found = DDeviceChangeMatcher::findModel(&list, path);
                QVERIFY2(found, qPrintable(path));
                QCOMPARE(QString::fromLatin1(found->model), m.code);
                QCOMPARE(found->is24G, receiver ? 1 : 0);
                QVERIFY(!DBootloaderIdentity::matches(path));
            }
        }
    }

    // Only our own keyboards in upgrade mode are ever opened.
    void onlyCatalogueUpgradeModeIsOpened_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("recognised");
        QTest::addColumn<bool>("opened");
        for (const auto& b : ModelCatalogue::instance().bootloaderIds())
            QTest::newRow(qPrintable(b.vendorIdText + ':' + b.productIdText))
                << "X#vid_" + b.vendorIdText + "&pid_" + b.productIdText << true << false;
        for (const ModelInfo& m : ModelCatalogue::instance().models()) {
            if (m.isUpgradeable())
                QTest::newRow(qPrintable(m.code))
                    << "X#VID_1209&PID_" + ModelCatalogue::idText(m.upgradeProductId) << true << true;
        }
        QTest::newRow("a keyboard in normal mode") << "X#vid_1209&pid_0009" << false << false;
    }
    void onlyCatalogueUpgradeModeIsOpened()
    {
        QFETCH(QString, path);
        QFETCH(bool, recognised);
        QFETCH(bool, opened);
        QCOMPARE(DBootloaderIdentity::matches(path), recognised);
        QCOMPARE(DBootloaderIdentity::isCatalogueUpgradeMode(path), opened);
    }

    void bootloaderPairsAreTheCatalogues()
    {
        const auto& catalogue = ModelCatalogue::instance().bootloaderIds();
        QCOMPARE(int(catalogue.size()), int(std::size(DBootloaderIdentity::kPairs)));
        for (size_t i = 0; i < catalogue.size(); ++i) {
            QCOMPARE(QString::fromLatin1(DBootloaderIdentity::kPairs[i].vendorIdText), catalogue[i].vendorIdText);
            QCOMPARE(QString::fromLatin1(DBootloaderIdentity::kPairs[i].productIdText), catalogue[i].productIdText);
        }
    }

    void identityText_data()
    {
        QTest::addColumn<int>("vid");
        QTest::addColumn<int>("pid");
        QTest::addColumn<QString>("text");
        QTest::newRow("padded") << 0x1209 << 0x000d << "vid_1209&pid_000D";
        QTest::newRow("letters") << 0x1fc9 << 0xf7df << "vid_1FC9&pid_F7DF";
        QTest::newRow("zero") << 0 << 0 << "vid_0000&pid_0000";
    }
    void identityText()
    {
        QFETCH(int, vid);
        QFETCH(int, pid);
        QFETCH(QString, text);
        QCOMPARE(DeviceChangeSource::identityText(quint16(vid), quint16(pid)), text);
    }

    void udevTexts_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("first");
        QTest::addColumn<QByteArray>("second");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("vid");
        QTest::addColumn<int>("pid");
        QTest::newRow("PRODUCT") << "product" << QByteArray("1209/2/100") << QByteArray() << true << 0x1209 << 2;
        QTest::newRow("PRODUCT upper") << "product" << QByteArray("1FC9/F7DF/1") << QByteArray() << true << 0x1fc9
                                       << 0xf7df;
        QTest::newRow("PRODUCT two parts") << "product" << QByteArray("1209/2") << QByteArray() << false << 0 << 0;
        QTest::newRow("PRODUCT too wide") << "product" << QByteArray("12090/2/1") << QByteArray() << false << 0 << 0;
        QTest::newRow("PRODUCT not hex") << "product" << QByteArray("12g9/2/1") << QByteArray() << false << 0 << 0;
        QTest::newRow("PRODUCT sign") << "product" << QByteArray("-1/2/1") << QByteArray() << false << 0 << 0;
        QTest::newRow("PRODUCT empty") << "product" << QByteArray() << QByteArray() << false << 0 << 0;
        QTest::newRow("HID_ID usb") << "hid" << QByteArray("0003:00001209:0000000D") << QByteArray() << true << 0x1209
                                    << 0x000d;
        QTest::newRow("HID_ID bluetooth")
            << "hid" << QByteArray("0005:00001209:0000000D") << QByteArray() << false << 0 << 0;
        QTest::newRow("HID_ID over 16 bits")
            << "hid" << QByteArray("0003:00011209:0000000D") << QByteArray() << false << 0 << 0;
        QTest::newRow("HID_ID short") << "hid" << QByteArray("0003:00001209") << QByteArray() << false << 0 << 0;
        QTest::newRow("ID texts") << "ids" << QByteArray("1209") << QByteArray("000d") << true << 0x1209 << 0x000d;
        QTest::newRow("ID texts missing model") << "ids" << QByteArray("1209") << QByteArray() << false << 0 << 0;
    }
    void udevTexts()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, first);
        QFETCH(QByteArray, second);
        QFETCH(bool, ok);
        QFETCH(int, vid);
        QFETCH(int, pid);
        UdevIdentity::Ids ids{0x5555, 0x5555};
        bool read = false;
        if (kind == QLatin1String("product"))
            read = UdevIdentity::fromProduct(first, &ids);
        else if (kind == QLatin1String("hid"))
            read = UdevIdentity::fromHidId(first, &ids);
        else
            read = UdevIdentity::fromIdTexts(first, second, &ids);
        QCOMPARE(read, ok);
        QCOMPARE(int(ids.vendorId), ok ? vid : 0x5555);
        QCOMPARE(int(ids.productId), ok ? pid : 0x5555);
    }

    // Each row is a sequence of events, "action subsystem/devtype syspath
    // node identity" ("-" for an empty field), after devices learnt at start;
    // the notices they give are compared.
    void udevEvents_data()
    {
        QTest::addColumn<QStringList>("learnt");
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<QStringList>("notices");
        const QString id = QStringLiteral("vid_1209&pid_0002");
        QTest::newRow("hidraw in and out, ids only on arrival")
            << QStringList{}
            << QStringList{"add hidraw/- /sys/h3 /dev/hidraw3 " + id, "remove hidraw/- /sys/h3 /dev/hidraw3 -"}
            << QStringList{"11 /dev/hidraw3#" + id, "12 /dev/hidraw3#" + id};
        QTest::newRow("present at start, then removed")
            << QStringList{"/sys/h5 " + id} << QStringList{"remove hidraw/- /sys/h5 /dev/hidraw5 -"}
            << QStringList{"12 /dev/hidraw5#" + id};
        QTest::newRow("removal carries its own ids")
            << QStringList{} << QStringList{"remove usb/usb_device /sys/u1 /dev/bus/usb/001/004 " + id}
            << QStringList{"12 /dev/bus/usb/001/004#" + id};
        QTest::newRow("removal of a device never seen, no ids")
            << QStringList{} << QStringList{"remove hidraw/- /sys/h9 /dev/hidraw9 -"} << QStringList{};
        QTest::newRow("a second removal has nothing left")
            << QStringList{"/sys/h5 " + id}
            << QStringList{"remove hidraw/- /sys/h5 /dev/hidraw5 -", "remove hidraw/- /sys/h5 /dev/hidraw5 -"}
            << QStringList{"12 /dev/hidraw5#" + id};
        QTest::newRow("USB interfaces and other subsystems are not watched")
            << QStringList{}
            << QStringList{"add usb/usb_interface /sys/u1:1.0 - " + id, "add hid/- /sys/hid1 - " + id,
                           "add input/- /sys/i1 /dev/input/event3 " + id}
            << QStringList{};
        QTest::newRow("other actions") << QStringList{"/sys/h3 " + id}
                                       << QStringList{"change hidraw/- /sys/h3 /dev/hidraw3 " + id,
                                                      "bind usb/usb_device /sys/u1 - " + id}
                                       << QStringList{};
        QTest::newRow("arrival without ids")
            << QStringList{} << QStringList{"add hidraw/- /sys/h3 /dev/hidraw3 -"} << QStringList{};
        QTest::newRow("no node: the syspath")
            << QStringList{} << QStringList{"add usb/usb_device /sys/u7 - " + id} << QStringList{"11 /sys/u7#" + id};
    }
    void udevEvents()
    {
        QFETCH(QStringList, learnt);
        QFETCH(QStringList, events);
        QFETCH(QStringList, notices);
        const auto field = [](const QString& text) { return text == QLatin1String("-") ? QString() : text; };
        UdevEventTranslator translator;
        for (const QString& l : learnt) {
            const QStringList parts = l.split(' ');
            translator.learn(parts[0].toUtf8(), parts[1]);
        }
        QStringList seen;
        for (const QString& e : events) {
            const QStringList parts = e.split(' ');
            QCOMPARE(parts.size(), 5);
            UdevEventTranslator::Event event;
            event.action = parts[0].toUtf8();
            event.subsystem = parts[1].section('/', 0, 0).toUtf8();
            event.devtype = field(parts[1].section('/', 1, 1)).toUtf8();
            event.syspath = parts[2].toUtf8();
            event.devnode = field(parts[3]).toUtf8();
            event.identity = field(parts[4]);
            const UdevEventTranslator::Notice n = translator.translate(event);
            if (n.changeType != 0)
                seen << QStringLiteral("%1 %2").arg(n.changeType).arg(n.path);
            else
                QVERIFY(n.path.isEmpty());
        }
        QCOMPARE(seen, notices);
    }

    // The monitor needs a udev netlink socket, which a build container may
    // not offer; where it runs, it knows every USB device present at start.
    void udevSourceLearnsThePresentDevices()
    {
        UdevDeviceChangeSource source;
        if (!source.start())
            QSKIP(qPrintable(QStringLiteral("no udev monitor here: ") + source.errorText()));
        const QStringList usbDevices
            = QDir(QStringLiteral("/sys/bus/usb/devices")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        int withIds = 0;
        for (const QString& d : usbDevices) {
            if (QFile::exists(QStringLiteral("/sys/bus/usb/devices/%1/idVendor").arg(d)))
                ++withIds;
        }
        QVERIFY2(source.knownDeviceCount() >= withIds,
                 qPrintable(QStringLiteral("%1 known, %2 USB devices").arg(source.knownDeviceCount()).arg(withIds)));
        QVERIFY(source.start());
    }
};

ORVANE_TEST_MAIN(tst_DeviceChangeMatching)
#include "tst_DeviceChangeMatching.moc"
