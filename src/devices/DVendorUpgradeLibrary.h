#pragma once

#include <QFunctionPointer>

// The five upgrade entry points the program calls by the vendor library's
// names. Our firmware layer is linked in and serves them for our own image
// format; no other library is loaded. An entry point that is missing stays
// null, and nothing that needs it is offered or called.
class DVendorUpgradeLibrary
{
public:
    struct EntryPoints
    {
        QFunctionPointer loadUfwData = nullptr;
        QFunctionPointer getUfwCrc = nullptr;
        QFunctionPointer getUfwPidVid = nullptr;
        QFunctionPointer upgradeDevice = nullptr;
        QFunctionPointer queryDevicePidVid = nullptr;

        bool complete() const { return loadUfwData && getUfwCrc && getUfwPidVid && upgradeDevice && queryDevicePidVid; }
        // The three the firmware check reads a ".ufw" image with.
        bool canReadImages() const { return loadUfwData && getUfwCrc && getUfwPidVid; }
    };

    static constexpr const char* kFailureLine
        = "-------------------- *** [ Load JL dll Failed ] *** -----------------------";

    // The firmware layer's entry points; logs the failure line while one of
    // the five is missing.
    static EntryPoints load();
};
