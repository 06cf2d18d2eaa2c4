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

QString fillTemplate(const QString& styleTemplate, const QStringList& values)
{
    QString out;
    out.reserve(styleTemplate.size() + 16 * values.size());
    for (int i = 0; i < styleTemplate.size(); ++i) {
        const QChar c = styleTemplate.at(i);
        if (c == QLatin1Char('%') && i + 1 < styleTemplate.size()) {
            const int marker = styleTemplate.at(i + 1).digitValue();
            if (marker >= 1 && marker <= values.size()) {
                out += values.at(marker - 1);
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

}
