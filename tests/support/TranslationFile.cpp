#include "support/TranslationFile.h"

#include <QFile>
#include <QXmlStreamReader>

QHash<QString, QStringList> readTranslationMessages(const QString& path, QStringList* duplicates, QString* error)
{
    QHash<QString, QStringList> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    QString comment;
    QStringList forms;
    QString plain;
    bool inTranslation = false;
    bool finished = true;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const QStringRef name = xml.name();
            if (name == QLatin1String("name"))
                context = xml.readElementText();
            else if (name == QLatin1String("message")) {
                source.clear();
                comment.clear();
                forms.clear();
                finished = true;
            } else if (name == QLatin1String("source"))
                source = xml.readElementText();
            else if (name == QLatin1String("comment"))
                comment = xml.readElementText();
            else if (name == QLatin1String("translation")) {
                finished = xml.attributes().value(QLatin1String("type")).isEmpty();
                inTranslation = true;
                plain.clear();
            } else if (name == QLatin1String("numerusform"))
                forms << xml.readElementText();
        } else if (xml.isCharacters() && inTranslation) {
            plain += xml.text();
        } else if (xml.isEndElement() && xml.name() == QLatin1String("translation")) {
            // Plain text sits directly in the element, plural forms in
            // <numerusform> children (with only layout between them).
            if (forms.isEmpty())
                forms << plain;
            inTranslation = false;
        } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            const QString key = context + QLatin1Char('|') + source + QLatin1Char('|') + comment;
            if (messages.contains(key))
                *duplicates << key;
            // One empty plural form leaves the message unfinished.
            if (!finished || forms.contains(QString()))
                forms.clear();
            messages.insert(key, forms);
        }
    }
    if (xml.hasError())
        *error = QStringLiteral("line %1: %2").arg(xml.lineNumber()).arg(xml.errorString());
    return messages;
}
