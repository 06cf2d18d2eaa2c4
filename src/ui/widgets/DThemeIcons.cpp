#include "ui/widgets/DThemeIcons.h"

#include "app/DStyleSheetUrl.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QResource>
#include <QSet>
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

// The tinted copies are small and made once: the quickest compression
// (zlib level 1) is worth more than the bytes the best one would save.
constexpr int kQuickPngQuality = 80;

// A copy is written whole or not at all; only a power cut can leave one
// empty (see tinted).
bool isWhole(const QString& path)
{
    return QFileInfo(path).size() > 0;
}

// Each folder of the cache is made once a run, not looked at for every icon.
bool makeFolderOf(const QString& path)
{
    static QSet<QString> made;
    const QString folder = QFileInfo(path).absolutePath();
    if (made.contains(folder))
        return true;
    if (!QDir().mkpath(folder))
        return false;
    made.insert(folder);
    return true;
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
    if (!made.isEmpty() && isWhole(made))
        return made;
    const QByteArray source = QResource(resource).uncompressedData();
    if (source.isEmpty())
        return resource;
    const QString digest
        = QString::fromLatin1(QCryptographicHash::hash(source, QCryptographicHash::Sha1).toHex().left(12));
    const QString relative = QString(resource).remove(QStringLiteral(":/images/"));
    const QString path = cacheFolder() + QLatin1Char('/') + colour.name().mid(1) + QLatin1Char('/') + digest
                         + QLatin1Char('/') + relative;
    if (isWhole(path)) {
        madeThisRun.insert(key, path);
        return path;
    }
    QImage image = QImage::fromData(source);
    if (image.isNull() || !makeFolderOf(path))
        return resource;
    image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    {
        QPainter painter(&image);
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.fillRect(image.rect(), colour);
    }
    // Written under a name of this process and renamed into place, so a
    // second program start never reads half an icon. Not synced to the disk:
    // a copy that a power cut takes or leaves empty is only drawn again,
    // while syncing each of a hundred icons held the first start for as long
    // as the disk took.
    const QString part = path + QStringLiteral(".%1.part").arg(QCoreApplication::applicationPid());
    QFile file(part);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || !image.save(&file, "PNG", kQuickPngQuality)) {
        file.remove();
        return resource;
    }
    file.close();
    // An empty copy left by a power cut gives way; a whole one that another
    // start made meanwhile is as good as ours.
    if (QFileInfo::exists(path) && !isWhole(path))
        QFile::remove(path);
    if (!QFile::rename(part, path)) {
        QFile::remove(part);
        if (!isWhole(path))
            return resource;
    }
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
