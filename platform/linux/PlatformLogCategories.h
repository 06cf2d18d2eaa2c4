#pragma once

#include <QLoggingCategory>

// The platform layer's share of the program's categories: the same names, so
// one QT_LOGGING_RULES line turns on a part wherever it is written. Below
// warning they are off by default.
Q_DECLARE_LOGGING_CATEGORY(platformLcHooks)
Q_DECLARE_LOGGING_CATEGORY(platformLcMusic)
Q_DECLARE_LOGGING_CATEGORY(platformLcUi)
