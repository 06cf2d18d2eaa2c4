#include "sdk/hid/HidPath.h"

#include <cstdio>

std::string HidPath::compose(const std::string& node, uint16_t vendorId, uint16_t productId, int interfaceNumber)
{
    char identity[40];
    std::snprintf(identity, sizeof identity, "#vid_%04X&pid_%04X&mi_%02X", vendorId, productId,
                  interfaceNumber < 0 ? 0xFF : interfaceNumber & 0xFF);
    return node + identity;
}

std::string HidPath::node(const std::string& path)
{
    const size_t hash = path.rfind('#');
    return hash == std::string::npos ? path : path.substr(0, hash);
}
