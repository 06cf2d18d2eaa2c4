#pragma once

// The device and profile-store library. One header for callers; each family
// of functions has its own header beside it.
#include "orvanesdk_records.h"
#include "orvanesdk_hid.h"
#include "orvanesdk_xml.h"
#include "StoreWriteBatch.h"
#include "orvanesdk_light.h"
#include "orvanesdk_firmware.h"
