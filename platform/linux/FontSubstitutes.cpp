#include "platform/include/FontSubstitutes.h"

#include <QFont>
#include <QStringList>

void installWindowsFontSubstitutes()
{
    const QStringList noto = {QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Noto Sans CJK TC"),
                              QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Noto Sans CJK KR")};
    // The rows' forms name the family in Chinese as well.
    for (const char* family :
         {"Microsoft YaHei", "Microsoft YaHei UI", "\xE5\xBE\xAE\xE8\xBD\xAF\xE9\x9B\x85\xE9\xBB\x91"}) {
        const QString name = QString::fromUtf8(family);
        if (QFont::substitutes(name) != noto) {
            QFont::removeSubstitutions(name);
            QFont::insertSubstitutions(name, noto);
        }
    }
}
