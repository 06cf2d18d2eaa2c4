#include "platform/linux/UdevIdentity.h"

#include <QList>

#include <cctype>

bool UdevIdentity::hexId(const QByteArray& text, int maxDigits, quint16* id)
{
    if (text.isEmpty() || text.size() > maxDigits)
        return false;
    for (const char c : text) {
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return false;
    }
    bool ok = false;
    const uint value = text.toUInt(&ok, 16);
    if (!ok || value > 0xFFFF)
        return false;
    *id = static_cast<quint16>(value);
    return true;
}

bool UdevIdentity::fromProduct(const QByteArray& text, Ids* ids)
{
    const QList<QByteArray> parts = text.split('/');
    if (parts.size() != 3)
        return false;
    Ids read;
    if (!hexId(parts[0], 4, &read.vendorId) || !hexId(parts[1], 4, &read.productId))
        return false;
    *ids = read;
    return true;
}

bool UdevIdentity::fromHidId(const QByteArray& text, Ids* ids)
{
    const QList<QByteArray> parts = text.split(':');
    if (parts.size() != 3)
        return false;
    // The bus field says how the device is attached; only USB ids are ids
    // the hot-plug matching knows.
    quint16 bus = 0;
    if (!hexId(parts[0], 4, &bus) || bus != 0x0003)
        return false;
    Ids read;
    if (!hexId(parts[1], 8, &read.vendorId) || !hexId(parts[2], 8, &read.productId))
        return false;
    *ids = read;
    return true;
}

bool UdevIdentity::fromIdTexts(const QByteArray& vendorText, const QByteArray& productText, Ids* ids)
{
    Ids read;
    if (!hexId(vendorText, 4, &read.vendorId) || !hexId(productText, 4, &read.productId))
        return false;
    *ids = read;
    return true;
}
