#pragma once

#include <QLoggingCategory>

// The library's share of the program's categories: the same names, so one
// QT_LOGGING_RULES line turns on a part in the program and the library alike.
// Below warning they are off by default.
Q_DECLARE_LOGGING_CATEGORY(sdkLcLink)
Q_DECLARE_LOGGING_CATEGORY(sdkLcFirmware)
Q_DECLARE_LOGGING_CATEGORY(sdkLcStore)
