#pragma once

#include <cstdint>
#include <string>

// Device paths handed to the application: the transport's own node name,
// then the USB identity in the text form the hot-plug matching looks for,
// e.g. "/dev/hidraw3#vid_1209&pid_0002&mi_01".
class HidPath
{
public:
    static std::string compose(const std::string& node, uint16_t vendorId, uint16_t productId, int interfaceNumber);
    // The transport's node name of a composed path (the whole text when it
    // carries no identity part).
    static std::string node(const std::string& path);
};
