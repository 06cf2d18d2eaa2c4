#include "platform/linux/PlatformLogCategories.h"

Q_LOGGING_CATEGORY(platformLcHooks, "orvane.hooks", QtWarningMsg)
Q_LOGGING_CATEGORY(platformLcMusic, "orvane.music", QtWarningMsg)
Q_LOGGING_CATEGORY(platformLcUi, "orvane.ui", QtWarningMsg)
