#include "profiles/DExportFileName.h"

#include <QFile>

QString DExportFileName::of(const QString& name, const QString& fallbackBase)
{
    QString base;
    for (const QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control)
            continue;
        base += c;
    }
    while (base.contains(QLatin1String("..")))
        base.replace(QLatin1String(".."), QLatin1String("."));
    while (base.startsWith(QLatin1Char('.')) || base.startsWith(QLatin1Char(' ')))
        base.remove(0, 1);
    while (base.endsWith(QLatin1Char(' ')))
        base.chop(1);
    while (QFile::encodeName(base).size() > kMaxBaseBytes)
        base.chop(1);
    if (base.isEmpty())
        base = fallbackBase;
    return base + QStringLiteral(".xml");
}
