#pragma once

#include "sdk/hid/HidTransport.h"

#include <memory>

// The transport the library's discovery and open calls use. It is the
// system's hidraw nodes unless another one is installed (the simulator, when
// ORVANE_SIMULATE names models, or a test).
class HidTransportRegistry
{
public:
    static std::shared_ptr<HidTransport> current();
    // Null puts the hidraw transport back.
    static void install(std::shared_ptr<HidTransport> transport);
};
