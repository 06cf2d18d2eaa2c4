#include "sdk/hid/HidTransportRegistry.h"

#include "sdk/hid/HidrawTransport.h"

#include <mutex>

namespace {
std::mutex g_mutex;
std::shared_ptr<HidTransport> g_transport;
} // namespace

std::shared_ptr<HidTransport> HidTransportRegistry::current()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    if (!g_transport)
        g_transport = std::make_shared<HidrawTransport>();
    return g_transport;
}

void HidTransportRegistry::install(std::shared_ptr<HidTransport> transport)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    g_transport = std::move(transport);
}
