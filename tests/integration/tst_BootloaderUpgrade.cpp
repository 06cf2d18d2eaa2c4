// The firmware layer's upgrade call against the simulated bootloader, through
// the library's own device table: what reaches the bootloader for a good
// image and for images that must never be written.
#include "support/TestMain.h"

#include "sdk/firmware/FirmwareBytes.h"
#include "sdk/include/orvanesdk_firmware.h"
#include "sdk/include/orvanesdk_hid.h"
#include "support/SimulatorHarness.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

// Bootloader protocol operation codes, as the simulator logs them.
constexpr uint8_t kIdentify = 0x01;
constexpr uint8_t kStart = 0x02;

QByteArray image(const QString& name)
{
    QFile file(QStringLiteral(":/images/UpdateFirmwareFile/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class tst_BootloaderUpgrade : public QObject
{
    Q_OBJECT

private slots:
    void upgrade_data()
    {
        QTest::addColumn<QString>("source"); // image in the bundle; empty: no file
        QTest::addColumn<int>("damage"); // 0 none, 1 a flipped byte, 2 cut short
        QTest::addColumn<int>("result");
        QTest::addColumn<bool>("identified");
        QTest::newRow("the keyboard's image") << "OV98.bin" << 0 << 0 << true;
        QTest::newRow("no image file") << "" << 0 << -2 << false;
        QTest::newRow("a flipped byte") << "OV98.bin" << 1 << -9 << true;
        QTest::newRow("cut short") << "OV98.bin" << 2 << -9 << true;
        QTest::newRow("another model's image") << "OV84W.bin" << 0 << -9 << true;
    }
    void upgrade()
    {
        QFETCH(QString, source);
        QFETCH(int, damage);
        QFETCH(int, result);
        QFETCH(bool, identified);
        SimulatorHarness sim;
        const auto bootloader = sim.bus().plugBootloader(QStringLiteral("OV98"));
        QVERIFY(bootloader);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("image.bin"));
        if (!source.isEmpty()) {
            QByteArray bytes = image(source);
            QVERIFY(!bytes.isEmpty());
            if (damage == 1)
                bytes[1000] = char(bytes[1000] ^ 0x01);
            if (damage == 2)
                bytes.chop(4096);
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QCOMPARE(file.write(bytes), qint64(bytes.size()));
        }
        const int handle = COrvaneHid_OpenPath(sim.bus().pathOf(bootloader).c_str());
        QVERIFY(handle);
        static QList<QPair<int, int>> progress;
        progress.clear();
        QCOMPARE(COrvaneHid_FirmwareUpgrade(handle, QFile::encodeName(path).constData(), 0x40000, 0, 0,
                                            [](int total, int done) {
                                                progress.append({total, done});
                                            }),
                 result);
        COrvaneHid_Close(handle);
        QCOMPARE(bootloader->receivedCount(kIdentify), identified ? 1 : 0);
        QCOMPARE(bootloader->accepted(), result == 0);
        if (result != 0) {
            // Nothing was written.
            QCOMPARE(bootloader->receivedCount(kStart), 0);
            QVERIFY(progress.isEmpty());
            return;
        }
        const QByteArray written = image(source);
        QCOMPARE(progress.first(), qMakePair(written.size(), 0));
        QCOMPARE(progress.last(), qMakePair(written.size(), written.size()));
        QCOMPARE(bootloader->firmwareVersion(), std::string("V1.0.8"));
    }
};

ORVANE_TEST_MAIN(tst_BootloaderUpgrade)
#include "tst_BootloaderUpgrade.moc"
