#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>

// Reads the fixed-width text fields of the library's records (`char f[N]`).
// The library terminates what it writes, but a record can come from a file
// or a device: a field is read up to its first zero byte and never past its
// width.
class DFixedText
{
public:
    static QByteArray bytes(const char* field, int width);
    // The field as a decimal number, spaces around it allowed; 0, and *ok
    // false, for anything else.
    static int number(const char* field, int width, bool* ok = nullptr);

    template<std::size_t N>
    static QByteArray bytes(const char (&field)[N])
    {
        return bytes(field, int(N));
    }
    template<std::size_t N>
    static int number(const char (&field)[N], bool* ok = nullptr)
    {
        return number(field, int(N), ok);
    }
    template<std::size_t N>
    static QString utf8(const char (&field)[N])
    {
        return QString::fromUtf8(bytes(field));
    }
    template<std::size_t N>
    static QString local8Bit(const char (&field)[N])
    {
        return QString::fromLocal8Bit(bytes(field));
    }
    template<std::size_t N>
    static QString latin1(const char (&field)[N])
    {
        return QString::fromLatin1(bytes(field));
    }
};
