#include "support/StoreMessageProbe.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

namespace StoreMessageProbe {

QString problemWith(QWidget* window, const QString& file, const QString& outcome)
{
    const QFileInfo info(file);
    const QStringList aside = info.dir().entryList({info.fileName() + QStringLiteral(".corrupt-*")});
    if (aside.size() != 1)
        return QStringLiteral("%1 damaged copies beside %2").arg(aside.size()).arg(file);
    auto* box = window->findChild<QMessageBox*>(QStringLiteral("storeMessage"));
    if (!box || !box->isVisible())
        return QStringLiteral("no store message on show");
    const QString message = box->text();
    for (const QString& part : {info.fileName(), outcome, info.dir().filePath(aside.first())}) {
        if (!message.contains(part))
            return QStringLiteral("\"%1\" is not in: %2").arg(part, message);
    }
    return QString();
}

} // namespace StoreMessageProbe
