#pragma once

#include <QLoggingCategory>

// One category a part of the program, named "orvane.<part>". Below warning
// they are off until QT_LOGGING_RULES turns them on (for example
// QT_LOGGING_RULES="orvane.*.debug=true"), so a normal run prints nothing
// while nothing is wrong.
Q_DECLARE_LOGGING_CATEGORY(lcLink)
Q_DECLARE_LOGGING_CATEGORY(lcDownload)
Q_DECLARE_LOGGING_CATEGORY(lcLighting)
Q_DECLARE_LOGGING_CATEGORY(lcMusic)
Q_DECLARE_LOGGING_CATEGORY(lcFirmware)
Q_DECLARE_LOGGING_CATEGORY(lcStore)
Q_DECLARE_LOGGING_CATEGORY(lcHooks)
Q_DECLARE_LOGGING_CATEGORY(lcUi)

// Every message becomes one line on standard error, written whole, so lines
// of different threads never break into each other. The first thing the
// entry point does.
void installLogOutput();
