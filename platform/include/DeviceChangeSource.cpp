#include "platform/include/DeviceChangeSource.h"

namespace {
QString hex4(quint16 id)
{
    return QString::number(id, 16).rightJustified(4, QLatin1Char('0')).toUpper();
}
} // namespace

QString DeviceChangeSource::identityText(quint16 vendorId, quint16 productId)
{
    return QStringLiteral("vid_%1&pid_%2").arg(hex4(vendorId), hex4(productId));
}
