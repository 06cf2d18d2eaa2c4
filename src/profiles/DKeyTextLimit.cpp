#include "profiles/DKeyTextLimit.h"

namespace {

int utf8Bytes(uint codePoint)
{
    if (codePoint < 0x80)
        return 1;
    if (codePoint < 0x800)
        return 2;
    if (codePoint < 0x10000)
        return 3;
    return 4;
}

// The code point that ends just before `end`: its start and its bytes.
int stepBack(const QString& text, int end, int* bytes)
{
    int start = end - 1;
    if (start > 0 && text.at(start).isLowSurrogate() && text.at(start - 1).isHighSurrogate())
        --start;
    *bytes = utf8Bytes(start + 1 < end ? QChar::surrogateToUcs4(text.at(start), text.at(start + 1))
                                       : text.at(start).unicode());
    return start;
}

} // namespace

bool DKeyTextLimit::fits(const QString& text)
{
    return text.size() <= kMaxUnits && text.toUtf8().size() <= kMaxUtf8Bytes;
}

DKeyTextLimit::Fitted DKeyTextLimit::fit(const QString& text, int cursor)
{
    Fitted out;
    if (fits(text)) {
        out.text = text;
        out.cursor = cursor;
        return out;
    }
    out.cut = true;
    cursor = qBound(0, cursor, text.size());
    int units = text.size();
    int bytes = text.toUtf8().size();
    int start = cursor;
    while (start > 0 && (units > kMaxUnits || bytes > kMaxUtf8Bytes)) {
        int removed = 0;
        const int previous = stepBack(text, start, &removed);
        units -= start - previous;
        bytes -= removed;
        start = previous;
    }
    if (units <= kMaxUnits && bytes <= kMaxUtf8Bytes) {
        out.text = text.left(start) + text.mid(cursor);
        out.cursor = start;
        return out;
    }
    // The longest beginning that fits, whole characters only.
    int end = 0;
    units = 0;
    bytes = 0;
    while (end < text.size()) {
        const bool pair = end + 1 < text.size() && text.at(end).isHighSurrogate() && text.at(end + 1).isLowSurrogate();
        const int width = pair ? 2 : 1;
        const int size
            = utf8Bytes(pair ? QChar::surrogateToUcs4(text.at(end), text.at(end + 1)) : text.at(end).unicode());
        if (units + width > kMaxUnits || bytes + size > kMaxUtf8Bytes)
            break;
        units += width;
        bytes += size;
        end += width;
    }
    out.text = text.left(end);
    out.cursor = end;
    return out;
}
