#include "app/DThemeColor.h"

#include <QRegularExpression>
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

QString fitColorFunctions(const QString& styleSheet)
{
    static const QRegularExpression kColour(QStringLiteral("\\brgba?\\(([^()]*)\\)"));
    QString out;
    int last = 0;
    QRegularExpressionMatchIterator it = kColour.globalMatch(styleSheet);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        out += styleSheet.midRef(last, m.capturedStart() - last);
        const QString args = m.captured(1);
        const int fields = args.count(QLatin1Char(',')) + 1;
        if (fields == 4)
            out += QStringLiteral("rgba(%1)").arg(args);
        else if (fields == 3)
            out += QStringLiteral("rgb(%1)").arg(args);
        else
            out += m.captured(0);
        last = m.capturedEnd();
    }
    out += styleSheet.midRef(last);
    return out;
}

QString fillStyleSheet(const QString& styleTemplate, const QStringList& values)
{
    return fitColorFunctions(fillTemplate(styleTemplate, values));
}

} // namespace DThemeColor
