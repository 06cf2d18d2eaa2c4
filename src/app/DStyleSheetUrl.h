#pragma once

#include <QString>

// A file named inside a style sheet. The folder the program lives in, or the
// user's home, may hold any character (a quote, `$`, `%`, a backtick, a
// backslash, letters beyond ASCII); written bare into url(...), such a path
// makes Qt drop the whole style sheet, and with it the picture or icon.
class DStyleSheetUrl
{
public:
    // `url("<path>")`, the path quoted and escaped so that the style sheet
    // parser reads it back exactly.
    static QString of(const QString& path);
};
