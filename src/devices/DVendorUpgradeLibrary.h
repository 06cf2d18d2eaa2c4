#pragma once

#include <QFunctionPointer>
#include <QString>

// The chip vendor's upgrade library: loaded once at start-up, never
// unloaded, its five entry points looked up by name. An entry point that is
// missing stays null, and the upgrade route that needs it is not offered.
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
    };

    // The library's name, looked for in the normal search order.
    static constexpr const char* kLibraryName = "jl_firmware_upgrade";
    static constexpr const char* kFailureLine
        = "-------------------- *** [ Load JL dll Failed ] *** -----------------------";

    // Loads the named library (its file name or path) and looks up the entry
    // points; logs the failure line when it does not load or one is missing.
    static EntryPoints load(const QString& library = QLatin1String(kLibraryName));
};
