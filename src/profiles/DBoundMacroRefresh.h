#pragma once

#include <QByteArray>
#include <QString>

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
    // The macro file is shared by every keyboard: every copy bound in any
    // layer file of any profile of any keyboard under the user configuration
    // folder is rewritten, in one store batch. True when each of them holds
    // the macro file's events (also when none binds it). A layer file that
    // cannot be read is left as it is and makes the result false; a write
    // the store refuses gives the whole batch up.
    static bool refreshEverywhere(const QString& userConfigDir, const char* macroFilePath,
                                  const QByteArray& macroIndex);
    static QByteArray tagOf(const QByteArray& macroIndex);
};
