#include "support/TestMain.h"

#include "sdk/firmware/BinImage.h"
#include "sdk/firmware/FirmwareBytes.h"
#include "sdk/firmware/UfwImage.h"
#include "sdk/include/orvanesdk_firmware.h"
#include "support/FirmwareImageFolder.h"

#include <cstring>

using Damage = FirmwareImageFolder::Damage;

namespace {

QByteArray ufw(const QString& model = QStringLiteral("OV68M"), const QByteArray& version = "V1.1",
               FirmwareVariant variant = FirmwareVariant::Receiver)
{
    return UfwImage::write(model, version, variant, FirmwareBytes::filler(3000, "payload"));
}

// A header field changed and the header CRC made right again, so only the
// field's own check can refuse it.
QByteArray withHeaderField(QByteArray image, int offset, const QByteArray& bytes)
{
    std::memcpy(image.data() + offset, bytes.constData(), size_t(bytes.size()));
    FirmwareBytes::writeU16(image.data() + 36, FirmwareBytes::crc16(image.constData(), 36));
    return image;
}

int load(const QByteArray& image)
{
    return JL_loadUfwData(reinterpret_cast<const unsigned char*>(image.constData()), image.size());
}

} // namespace

class tst_firmwareImages : public QObject
{
    Q_OBJECT

private slots:
    void checksumsAreTheStandardOnes()
    {
        // The check values of both algorithms for "123456789".
        QCOMPARE(FirmwareBytes::crc32("123456789", 9), 0xCBF43926u);
        QCOMPARE(FirmwareBytes::crc16("123456789", 9), uint16_t(0x906E));
    }

    void ufwThroughTheEntryPoints()
    {
        const QByteArray image = ufw(QStringLiteral("ABCDEFGHIJKLMNOP"), "V1.2");
        QCOMPARE(image.size(), UfwImage::kHeaderSize + 3000);
        QCOMPARE(load(image), 0);
        uint16_t headerCrc = 0;
        uint32_t payloadCrc = 0;
        QCOMPARE(JL_getUfwCrc(&headerCrc, &payloadCrc), 0);
        QCOMPARE(headerCrc, FirmwareBytes::crc16(image.constData(), 36));
        QCOMPARE(payloadCrc, FirmwareBytes::crc32(image.constData() + 40, 3000));
        char model[17];
        char version[4];
        std::memset(model, 'x', sizeof model);
        QCOMPARE(JL_getUfwPidVid(model, 17, version, 4), 0);
        QCOMPARE(QByteArray(model), QByteArray("ABCDEFGHIJKLMNOP"));
        QCOMPARE(QByteArray(version, 4), QByteArray("V1.2"));
        QVERIFY(JL_getUfwPidVid(model, 16, version, 4) != 0);

        UfwImage read;
        QString error;
        QVERIFY2(UfwImage::read(image, &read, &error), qPrintable(error));
        QCOMPARE(read.variant, FirmwareVariant::Receiver);
        QCOMPARE(read.payload, FirmwareBytes::filler(3000, "payload"));
    }

    void ufwRefused_data()
    {
        QTest::addColumn<QByteArray>("image");
        QTest::addColumn<QString>("reason");
        const QByteArray good = ufw();
        QTest::newRow("empty") << QByteArray() << "truncated";
        QTest::newRow("header cut") << good.left(39) << "truncated";
        QTest::newRow("payload cut") << FirmwareImageFolder::damaged(good, Damage::CutLastByte) << "truncated";
        QTest::newRow("byte appended") << FirmwareImageFolder::damaged(good, Damage::AppendByte) << "oversize";
        QTest::newRow("payload byte flipped") << FirmwareImageFolder::damaged(good, Damage::FlipByte) << "CRC-32";
        QByteArray header = good;
        header[10] = char(header.at(10) ^ 0x20);
        QTest::newRow("header byte flipped") << header << "CRC-16";
        QTest::newRow("other magic") << withHeaderField(good, 0, "OVUG") << "magic";
        QTest::newRow("format 2") << withHeaderField(good, 4, QByteArray("\x02\x00", 2)) << "format version";
        QTest::newRow("variant 2") << withHeaderField(good, 6, QByteArray("\x02", 1)) << "variant";
        QTest::newRow("huge payload size")
            << withHeaderField(good, 28, QByteArray("\xff\xff\xff\x7f", 4)) << "oversize";
        QTest::newRow("text after the model's NUL") << withHeaderField(good, 8, QByteArray("OV\0X", 4)) << "model";
        QTest::newRow("empty version") << withHeaderField(good, 24, QByteArray(4, '\0')) << "version";
    }
    void ufwRefused()
    {
        QFETCH(QByteArray, image);
        QFETCH(QString, reason);
        UfwImage read;
        read.model = QStringLiteral("untouched");
        QString error;
        QVERIFY(!UfwImage::read(image, &read, &error));
        QVERIFY2(error.contains(reason), qPrintable(error));
        QCOMPARE(read.model, QStringLiteral("untouched"));

        // The layer drops the image it held before and says why.
        QCOMPARE(load(ufw()), 0);
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^Firmware image rejected: .*" + reason));
        QVERIFY(load(image) != 0);
        uint16_t headerCrc = 0;
        uint32_t payloadCrc = 0;
        QVERIFY(JL_getUfwCrc(&headerCrc, &payloadCrc) != 0);
    }

    void ufwWriterRefusesWhatDoesNotFit_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QByteArray>("version");
        QTest::newRow("17-character model") << "ABCDEFGHIJKLMNOPQ" << QByteArray("V1.1");
        QTest::newRow("empty model") << "" << QByteArray("V1.1");
        QTest::newRow("5-character version") << "OV68M" << QByteArray("V1.10");
        QTest::newRow("space in model") << "OV 68" << QByteArray("V1.1");
    }
    void ufwWriterRefusesWhatDoesNotFit()
    {
        QFETCH(QString, model);
        QFETCH(QByteArray, version);
        QVERIFY(ufw(model, version).isEmpty());
    }

    void binRoundTrip_data()
    {
        QTest::addColumn<int>("familyLength");
        QTest::addColumn<int>("idOffset");
        QTest::newRow("512 KiB") << BinImage::kFamily512.length << BinImage::kFamily512.idOffset;
        QTest::newRow("256 KiB") << BinImage::kFamily256.length << BinImage::kFamily256.idOffset;
    }
    void binRoundTrip()
    {
        QFETCH(int, familyLength);
        QFETCH(int, idOffset);
        const BinImage::Family family{familyLength, idOffset};
        const QByteArray id = "NUC,01,KB,ORVANE,OV84W,V1.2.0";
        const QByteArray image = BinImage::write(family, familyLength, id, FirmwareVariant::Receiver, "seed");
        QCOMPARE(image.size(), familyLength);
        QCOMPARE(image.mid(idOffset, id.size()), id);
        BinImage read;
        QString error;
        QVERIFY2(BinImage::read(image, family, &read, &error), qPrintable(error));
        QCOMPARE(read.idText(), id);
        QCOMPARE(read.idFields(), QString::fromLatin1(id).split(','));
        QCOMPARE(read.variant, FirmwareVariant::Receiver);
        QCOMPARE(read.flash, image);
    }

    // A full 50-character id text has no NUL: it ends with its field.
    void binIdTextFillsItsField()
    {
        const QByteArray id = QByteArray("NUC,01,KB,ORVANE,OV84W,V1.2.0,").leftJustified(50, 'x');
        const QByteArray image
            = BinImage::write(BinImage::kFamily512, BinImage::kFamily512.length, id, FirmwareVariant::Cable, "seed");
        BinImage read;
        QVERIFY(BinImage::read(image, BinImage::kFamily512, &read, nullptr));
        QCOMPARE(read.idText(), id);
        QVERIFY(
            BinImage::write(BinImage::kFamily512, BinImage::kFamily512.length, id + "x", FirmwareVariant::Cable, "seed")
                .isEmpty());
    }

    void shortBinReadsZerosPastItsEnd()
    {
        const BinImage::Family family = BinImage::kFamily256;
        const int length = family.idOffset + BinImage::kIdFieldSize + BinImage::kTrailerSize + 100;
        const QByteArray image
            = BinImage::write(family, length, "NUC,01,KB,ORVANE,OV98,V1.0.9", FirmwareVariant::Cable, "short");
        BinImage read;
        QString error;
        QVERIFY2(BinImage::read(image, family, &read, &error), qPrintable(error));
        QCOMPARE(read.flash.size(), family.length);
        QCOMPARE(read.fileLength, length);
        QCOMPARE(read.flash.left(length), image);
        QCOMPARE(read.flash.mid(length), QByteArray(family.length - length, '\0'));
        QCOMPARE(read.idFields().at(5), QStringLiteral("V1.0.9"));
    }

    void binRefused_data()
    {
        QTest::addColumn<QByteArray>("image");
        QTest::addColumn<QString>("reason");
        const BinImage::Family family = BinImage::kFamily256;
        const QByteArray good
            = BinImage::write(family, family.length, "NUC,01,KB,ORVANE,OV98,V1.0.9", FirmwareVariant::Cable, "x");
        const QByteArray shorter = BinImage::write(family, family.length - 4096, "NUC,01,KB,ORVANE,OV98,V1.0.9",
                                                   FirmwareVariant::Cable, "x");
        QTest::newRow("empty") << QByteArray() << "truncated";
        QTest::newRow("last byte cut") << FirmwareImageFolder::damaged(good, Damage::CutLastByte) << "no trailer";
        QTest::newRow("over the flash") << FirmwareImageFolder::damaged(good, Damage::AppendByte) << "oversize";
        QTest::newRow("extended") << FirmwareImageFolder::damaged(shorter, Damage::AppendByte) << "no trailer";
        QTest::newRow("front cut, trailer kept") << shorter.mid(1) << "size mismatch";
        QTest::newRow("byte flipped") << FirmwareImageFolder::damaged(good, Damage::FlipByte) << "CRC-32";
        QByteArray variant = good;
        variant[family.length - 12] = 7;
        QTest::newRow("unknown variant") << variant << "variant";
    }
    void binRefused()
    {
        QFETCH(QByteArray, image);
        QFETCH(QString, reason);
        BinImage read;
        QString error;
        QVERIFY(!BinImage::read(image, BinImage::kFamily256, &read, &error));
        QVERIFY2(error.contains(reason), qPrintable(error));
        QVERIFY(read.flash.isEmpty());
    }
};

ORVANE_TEST_MAIN(tst_firmwareImages)
#include "tst_firmwareImages.moc"
