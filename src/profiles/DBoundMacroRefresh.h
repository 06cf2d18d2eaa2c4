#pragma once

#include <QByteArray>

// A profile keeps its own copy of every macro a key of it is bound to, so
// the on-board download reads the copy. After the macro editor changed a
// macro, the copy is replaced from the macro file; profiles that bind no
// key to the macro are left alone.
class DBoundMacroRefresh
{
public:
    // True when the profile binds the macro and its copy was rewritten.
    static bool refresh(const char* profilePath, int profileIndex, const char* macroFilePath,
                        const QByteArray& macroIndex);
    static QByteArray tagOf(const QByteArray& macroIndex);
};
