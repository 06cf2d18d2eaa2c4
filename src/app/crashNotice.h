#pragma once

// After a crash the dump handler starts the program again with this option;
// that run only tells the user, in their language, that the program ended.
extern const char kCrashNoticeOption[];

class QString;

bool isCrashNoticeRun(int argc, char** argv);
// The notice's text: that the program ended and, when the crashed instance
// named its dump, where the dump lies, so the user can send it.
QString crashNoticeText(const QString& dumpPath);
int showCrashNotice(int& argc, char** argv);
