#include "app/DFixedText.h"

QByteArray DFixedText::bytes(const char* field, int width)
{
    if (!field || width <= 0)
        return QByteArray();
    return QByteArray(field, int(qstrnlen(field, uint(width))));
}

int DFixedText::number(const char* field, int width, bool* ok)
{
    return bytes(field, width).trimmed().toInt(ok);
}
