#include "sdk/SdkLogCategories.h"

Q_LOGGING_CATEGORY(sdkLcLink, "orvane.link", QtWarningMsg)
Q_LOGGING_CATEGORY(sdkLcFirmware, "orvane.firmware", QtWarningMsg)
Q_LOGGING_CATEGORY(sdkLcStore, "orvane.store", QtWarningMsg)
