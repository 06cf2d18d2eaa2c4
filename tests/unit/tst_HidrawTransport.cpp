#include "support/TestMain.h"

#include "sdk/hid/HidPath.h"
#include "sdk/hid/HidrawTransport.h"
#include "sdk/models/ModelCatalogue.h"

// The system transport, on whatever this machine has plugged in: it lists
// only the catalogue's identities, and opens nothing but hidraw nodes,
// whatever path text comes back from the application.
class tst_HidrawTransport : public QObject
{
    Q_OBJECT

private slots:
    void enumeratesOnlyCatalogueVendors()
    {
        HidrawTransport transport;
        QVERIFY(transport.initialise());
        for (const HidDeviceEntry& e : transport.enumerate()) {
            QVERIFY(ModelCatalogue::instance().hasVendorId(e.vendorId));
            QVERIFY(HidrawTransport::lists(e.vendorId, e.productId));
            QVERIFY(QString::fromStdString(HidPath::node(e.path)).startsWith("/dev/hidraw"));
            QVERIFY(QString::fromStdString(e.path).contains(
                QStringLiteral("vid_%1").arg(ModelCatalogue::idText(e.vendorId))));
        }
    }

    // Each model's cable, receiver and upgrade-mode ids; not the rest of the
    // vendor's ids, not other makers' bootloaders.
    void listsTheCatalogueIdentities_data()
    {
        QTest::addColumn<int>("vendorId");
        QTest::addColumn<int>("productId");
        QTest::addColumn<bool>("listed");
        QTest::newRow("OV68M cable") << 0x1209 << 0x0002 << true;
        QTest::newRow("OV68M receiver") << 0x1209 << 0x000d << true;
        QTest::newRow("OV68M upgrade mode") << 0x1209 << 0x0011 << true;
        QTest::newRow("OV84W upgrade mode") << 0x1209 << 0x0013 << true;
        QTest::newRow("OV98 upgrade mode") << 0x1209 << 0x0014 << true;
        QTest::newRow("same vendor, not ours") << 0x1209 << 0x0015 << false;
        QTest::newRow("same vendor, far") << 0x1209 << 0xffff << false;
        for (const ModelCatalogue::UsbId& id : ModelCatalogue::instance().bootloaderIds())
            QTest::addRow("other maker's bootloader %s:%s", qPrintable(id.vendorIdText), qPrintable(id.productIdText))
                << int(id.vendorIdText.toUInt(nullptr, 16)) << int(id.productIdText.toUInt(nullptr, 16)) << false;
    }
    void listsTheCatalogueIdentities()
    {
        QFETCH(int, vendorId);
        QFETCH(int, productId);
        QFETCH(bool, listed);
        QCOMPARE(HidrawTransport::lists(uint16_t(vendorId), uint16_t(productId)), listed);
    }

    void opensOnlyHidrawNodes_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("simulator path") << "sim:1/1#vid_1209&pid_0001&mi_01";
        QTest::newRow("ordinary file") << "/etc/passwd";
        QTest::newRow("climbing out") << "/dev/hidraw0/../../etc/passwd#vid_1209&pid_0001&mi_01";
        QTest::newRow("absent node") << "/dev/hidraw999#vid_1209&pid_0001&mi_01";
        QTest::newRow("empty") << "";
    }
    void opensOnlyHidrawNodes()
    {
        QFETCH(QString, path);
        HidrawTransport transport;
        QVERIFY(!transport.open(path.toStdString()));
    }
};

ORVANE_TEST_MAIN(tst_HidrawTransport)
#include "tst_HidrawTransport.moc"
