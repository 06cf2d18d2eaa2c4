#include "app/DStyleSheetUrl.h"

QString DStyleSheetUrl::of(const QString& path)
{
    // Inside a quoted string the parser takes the character after a
    // backslash as it stands; a line break must be escaped to stay in it.
    QString escaped;
    escaped.reserve(path.size() + 8);
    for (const QChar c : path) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('"') || c == QLatin1Char('\n') || c == QLatin1Char('\r')
            || c == QLatin1Char('\f'))
            escaped += QLatin1Char('\\');
        escaped += c;
    }
    return QStringLiteral("url(\"") + escaped + QStringLiteral("\")");
}
