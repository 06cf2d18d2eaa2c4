#pragma once

#include <QString>
#include <QStringList>

// Writes a text dump when the program faults (SIGSEGV, SIGBUS, SIGILL,
// SIGFPE, SIGABRT), starts the notice program that tells the user, then lets
// the signal's default action end the process. The handler runs on an
// alternate stack and uses only async-signal-safe calls, so everything it
// needs is prepared here beforehand.
class CrashDumpHandler
{
public:
    // `dumpDir` receives "yyyy_MM_dd_hh_mm_ss.dmp" (local time); missing
    // folders are created at crash time. `noticeProgram` is started with
    // `noticeArguments` after the dump is written.
    static bool install(const QString& dumpDir, const QString& noticeProgram, const QStringList& noticeArguments);
    // Moves later dumps elsewhere (the data folder is known only once the
    // application object exists) and refreshes the local-time offset.
    static void setDumpDirectory(const QString& dumpDir);
    static QString dumpDirectory();
    // The notice program gets the dump's path as its last argument. The
    // handler can only write the frames' symbol names as the linker keeps
    // them; this gives the dump's C++ frames their readable names, outside
    // the crashed process. False when the file is no dump of ours or could
    // not be written again.
    static bool nameFrames(const QString& dumpPath);
};
