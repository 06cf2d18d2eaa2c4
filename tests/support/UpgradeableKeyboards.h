#pragma once

#include "hid/hidStructInfoAll.h"

#include <QList>

// Records of two keyboards with newer firmware to offer, one of them behind
// a receiver, as the upgrade window lists them.
QList<hidStructInfoAll> upgradeableKeyboards();
