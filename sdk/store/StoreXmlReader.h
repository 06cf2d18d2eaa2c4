#pragma once

#include "sdk/store/StoreDocument.h"

#include <QByteArray>
#include <QString>

// Parses the XML of FORMAT.md. Anything else (not XML, truncated, another
// root, another version, a broken record, a duplicate index) is refused as a
// whole with a reason: a file is either read completely or not at all.
class StoreXmlReader
{
public:
    static bool read(const QByteArray& bytes, StoreDocument* document, QString* error);
};
