#include "ui/widgets/DThemeIcons.h"

#include "app/DStyleSheetUrl.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QResource>
#include <QSaveFile>
#include <QStandardPaths>
#include <QVariant>
#include <QWidget>

namespace {

const char kOwnSheet[] = "orvaneOwnStyleSheet";
const char kThemedSheet[] = "orvaneThemedStyleSheet";

QString cacheFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)
           + QStringLiteral("/orvane-keyboard/themeIcons");
}

} // namespace

namespace DThemeIcons {

QString tinted(const QString& resource, const QColor& colour)
{
    // One folder per colour and digest of the drawing it was made from, the
    // icon under its own name and folder: a later start finds its copy
    // without drawing it again, and a newer build's icon gets a copy of its
    // own.
    static QHash<QString, QString> madeThisRun; // resource and colour -> copy
    const QString key = colour.name() + resource;
    const QString made = madeThisRun.value(key);
    if (!made.isEmpty() && QFileInfo::exists(made))
        return made;
    const QByteArray source = QResource(resource).uncompressedData();
    if (source.isEmpty())
        return resource;
    const QString digest
        = QString::fromLatin1(QCryptographicHash::hash(source, QCryptographicHash::Sha1).toHex().left(12));
    const QString relative = QString(resource).remove(QStringLiteral(":/images/"));
    const QString path = cacheFolder() + QLatin1Char('/') + colour.name().mid(1) + QLatin1Char('/') + digest
                         + QLatin1Char('/') + relative;
    if (QFileInfo::exists(path)) {
        madeThisRun.insert(key, path);
        return path;
    }
    QImage image = QImage::fromData(source);
    if (image.isNull() || !QDir().mkpath(QFileInfo(path).absolutePath()))
        return resource;
    image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    {
        QPainter painter(&image);
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.fillRect(image.rect(), colour);
    }
    // Written whole under its final name, so a second program start never
    // reads half an icon.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit())
        return resource;
    madeThisRun.insert(key, path);
    return path;
}

QString restyle(const QString& styleSheet, const QColor& rest, const QColor& accent)
{
    // The advanced-key icons carry a second colour inside; they keep theirs.
    static const QRegularExpression kIcon(QStringLiteral("url\\((:/images/(?!DKS/)[^()]*(Def|Sel)\\.png)\\)"));
    QString out;
    int last = 0;
    QRegularExpressionMatchIterator it = kIcon.globalMatch(styleSheet);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        out += styleSheet.midRef(last, m.capturedStart() - last);
        const QColor& colour = m.captured(2) == QLatin1String("Sel") ? accent : rest;
        // The copy lies under the user's home, whose name may hold anything.
        out += DStyleSheetUrl::of(tinted(m.captured(1), colour));
        last = m.capturedEnd();
    }
    out += styleSheet.midRef(last);
    return out;
}

void applyTo(QWidget* root, const QColor& rest, const QColor& accent)
{
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* widget : widgets) {
        const QString current = widget->styleSheet();
        if (current.isEmpty())
            continue;
        QString own = widget->property(kOwnSheet).toString();
        if (own.isEmpty() || current != widget->property(kThemedSheet).toString())
            own = current;
        const QString themed = restyle(own, rest, accent);
        if (themed == own)
            continue;
        widget->setProperty(kOwnSheet, own);
        widget->setProperty(kThemedSheet, themed);
        widget->setStyleSheet(themed);
    }
}

} // namespace DThemeIcons
