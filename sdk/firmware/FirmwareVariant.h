#pragma once

#include <cstdint>

// Which connection an image is built for: the keyboard on its cable, or the
// keyboard as it talks through the 2.4 GHz receiver.
enum class FirmwareVariant : uint8_t { Cable = 0, Receiver = 1 };
