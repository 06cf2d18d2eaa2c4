#include "DThemeColor.h"

#include <QStringList>

namespace DThemeColor {

QColor fromText(const QString& text)
{
    const QStringList fields = text.split(QLatin1Char(','));
    int rgb[3] = {0, 0, 0};
    for (int i = 0; i < 3 && i < fields.size(); ++i)
        rgb[i] = qBound(0, fields.at(i).trimmed().toInt(), 255);
    return QColor(rgb[0], rgb[1], rgb[2]);
}

}
