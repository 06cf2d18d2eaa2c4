#include "platform/include/FontSubstitutes.h"

#include <QFont>
#include <QStringList>

void installWindowsFontSubstitutes()
{
    const QStringList noto = {QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Noto Sans CJK TC"),
                              QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Noto Sans CJK KR")};
    for (const char* family : {"Microsoft YaHei", "Microsoft YaHei UI"}) {
        const QString name = QString::fromLatin1(family);
        if (QFont::substitutes(name) != noto) {
            QFont::removeSubstitutions(name);
            QFont::insertSubstitutions(name, noto);
        }
    }
}
