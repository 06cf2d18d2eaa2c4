#include "support/TestMain.h"

#include "sdk/hid/HidPath.h"
#include "sdk/hid/HidrawTransport.h"
#include "sdk/models/ModelCatalogue.h"

// The system transport, on whatever this machine has plugged in: it lists
// only devices with a catalogue vendor id, and opens nothing but hidraw
// nodes, whatever path text comes back from the application.
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
            QVERIFY(QString::fromStdString(HidPath::node(e.path)).startsWith("/dev/hidraw"));
            QVERIFY(QString::fromStdString(e.path).contains(
                QStringLiteral("vid_%1").arg(ModelCatalogue::idText(e.vendorId))));
        }
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
