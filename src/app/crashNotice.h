#pragma once

// After a crash the dump handler starts the program again with this option;
// that run only tells the user, in their language, that the program ended.
extern const char kCrashNoticeOption[];

bool isCrashNoticeRun(int argc, char** argv);
// Shows DCrashNotice in the user's language and theme until it is closed.
int showCrashNotice(int& argc, char** argv);
