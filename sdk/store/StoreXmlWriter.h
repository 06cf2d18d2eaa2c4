#pragma once

#include "sdk/store/StoreDocument.h"

#include <QByteArray>

// Serialises a store document into the XML of FORMAT.md.
class StoreXmlWriter
{
public:
    static QByteArray write(const StoreDocument& document);

    // True when bytes can stand in an attribute as they are: valid UTF-8
    // without control characters or XML non-characters. Other texts are
    // written base64-encoded so that any bytes a caller stores come back.
    static bool isPlainText(const std::string& bytes);
};
