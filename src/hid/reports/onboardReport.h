#pragma once

#include <array>
#include <cstdint>

// One 64-byte command report of the on-board download, as queued on the
// keyboard's I/O thread.
using OnboardReport = std::array<uint8_t, 64>;
