#pragma once

#include "sdk/firmware/BinImage.h"
#include "sdk/firmware/FirmwareVariant.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A temporary folder of firmware images, written with the image formats' own
// writers and damaged on request, for the firmware check to read instead of
// the built-in ones.
class FirmwareImageFolder
{
public:
    // What is done to an image after writing it.
    enum class Damage { None, FlipByte, CutLastByte, AppendByte };

    QString path() const { return m_dir.path(); }

    bool writeUfw(const QString& name, const QString& model, const QByteArray& version,
                  FirmwareVariant variant = FirmwareVariant::Cable, Damage damage = Damage::None);
    // `length` 0: the family's whole flash.
    bool writeBin(const QString& name, const BinImage::Family& family, const QByteArray& idText,
                  FirmwareVariant variant = FirmwareVariant::Cable, Damage damage = Damage::None, int length = 0);
    bool writeBytes(const QString& name, const QByteArray& bytes);

    static QByteArray damaged(QByteArray bytes, Damage damage);

private:
    QTemporaryDir m_dir;
};
