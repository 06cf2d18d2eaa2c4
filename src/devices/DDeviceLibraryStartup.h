#pragma once

#include "devices/DVendorUpgradeLibrary.h"
#include "sdk/include/orvanesdk_records.h"

#include <QString>

#include <array>
#include <functional>
#include <list>
#include <memory>

// Starts the device library once, while the main window is built: version
// text; the three initialisers, all called before any result counts; then,
// only when all three are ready, the macro and advanced-key files, the
// supported-model list and the chip vendor's upgrade library.
class DDeviceLibraryStartup
{
public:
    // The library calls start-up makes, as one table so a test can watch
    // them (each still reaching the real library).
    struct Calls
    {
        Calls();
        std::function<int(char*)> versionStr;
        std::function<int()> xmlInit;
        std::function<int()> hidInit;
        std::function<int()> lightInit;
        std::function<bool(const char*)> createMacroFile;
        std::function<bool(const char*)> createSeniorKeyFile;
        std::function<bool(const char*)> createSeniorKeyParentNode;
        std::function<void(std::list<hidSupportInfo>*)> getSupportInfoList;
        std::function<DVendorUpgradeLibrary::EntryPoints()> loadUpgradeLibrary;
    };

    using PathField = std::array<char, 256>;

    struct Result
    {
        QString versionText;
        bool started = false; // all three initialisers returned 0
        std::unique_ptr<std::list<hidSupportInfo>> supportList; // null unless started
        PathField macroFilePath{}; // empty unless started
        PathField seniorKeyFilePath{};
        DVendorUpgradeLibrary::EntryPoints upgradeEntryPoints;
    };

    static constexpr const char* kMacroFileName = "/appMacro.xml";
    static constexpr const char* kSeniorKeyFileName = "/SeniorKeyConfig.xml";

    static Result run(const QString& userConfigDir, const Calls& calls = Calls());

    // The path in the local 8-bit encoding; false (and the field left empty)
    // when it does not fit the 256-byte field with its terminating NUL.
    static bool fillPathField(const QString& path, PathField* field);
};
