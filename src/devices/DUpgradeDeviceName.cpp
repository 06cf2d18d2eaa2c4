#include "devices/DUpgradeDeviceName.h"

QString DUpgradeDeviceName::of(const QString& productName, const QString& likeName)
{
    const QString product = productName.trimmed();
    const QString like = likeName.trimmed();
    if (like.isEmpty() || product.contains(like, Qt::CaseInsensitive))
        return product;
    if (product.isEmpty() || like.contains(product, Qt::CaseInsensitive))
        return like;
    return product + QLatin1Char(' ') + like;
}
