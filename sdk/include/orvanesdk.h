#pragma once

// The device and profile-store library. One header for callers; each family
// of functions has its own header beside it.
#include "sdk/include/StoreWriteBatch.h"
#include "sdk/include/orvanesdk_firmware.h"
#include "sdk/include/orvanesdk_hid.h"
#include "sdk/include/orvanesdk_light.h"
#include "sdk/include/orvanesdk_records.h"
#include "sdk/include/orvanesdk_xml.h"
