#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// Every message of a .ts file as "context|source|comment" -> its
// translation, one entry per plural form (none when unfinished). A key met
// twice is reported in duplicates: lrelease keeps only one of them, and
// which one is easy to get wrong.
QHash<QString, QStringList> readTranslationMessages(const QString& path, QStringList* duplicates, QString* error);
