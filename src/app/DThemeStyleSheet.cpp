#include "app/DThemeStyleSheet.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace DThemeStyleSheet {

QString templates()
{
    static const QString kAll = [] {
        QString all;
        const QDir folder(QStringLiteral(":/images/StyleQss/sheets"));
        const QStringList files = folder.entryList({QStringLiteral("*.qss")}, QDir::Files, QDir::Name);
        for (const QString& name : files) {
            QFile file(folder.filePath(name));
            if (file.open(QIODevice::ReadOnly | QIODevice::Text))
                all += QString::fromUtf8(file.readAll()) + QLatin1Char('\n');
        }
        return all;
    }();
    return kAll;
}

QString fill(const QString& text, const DThemeRoles& roles, const QHash<QString, QString>& extras, QStringList* unknown)
{
    static const QRegularExpression kName(QStringLiteral("@([A-Za-z][A-Za-z0-9]*)"));
    QString out;
    out.reserve(text.size() + text.size() / 4);
    int last = 0;
    QRegularExpressionMatchIterator it = kName.globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        out += text.midRef(last, m.capturedStart() - last);
        const QString name = m.captured(1);
        const DThemeRoles::Role role = DThemeRoles::byName(name);
        const auto extra = extras.constFind(name);
        if (role != DThemeRoles::RoleCount) {
            out += roles.css(role);
        } else if (extra != extras.constEnd()) {
            out += *extra;
        } else {
            out += m.captured(0);
            if (unknown)
                *unknown << name;
        }
        last = m.capturedEnd();
    }
    out += text.midRef(last);
    return out;
}

} // namespace DThemeStyleSheet
