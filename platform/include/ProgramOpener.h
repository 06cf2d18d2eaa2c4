#pragma once

#include "platform/include/InstalledService.h"

#include <QString>
#include <memory>

// Opens a program or a document for the keyboard. The path comes from a
// profile, which may have been imported from anywhere, so it is treated as
// untrusted: only an absolute path of something that exists is opened, an
// executable file is started directly without arguments, anything else goes
// to the desktop's handler for it, and nothing ever passes through a shell.
// GUI thread only.
class ProgramOpener
{
public:
    virtual ~ProgramOpener() = default;

    // False when the path was refused or nothing could be started.
    virtual bool open(const QString& path) = 0;

    // The platform's opener unless another one is installed.
    static std::shared_ptr<ProgramOpener> current()
    {
        return InstalledService<ProgramOpener>::current(&createForPlatform);
    }
    // Null puts the platform's opener back.
    static void install(std::shared_ptr<ProgramOpener> opener)
    {
        InstalledService<ProgramOpener>::install(std::move(opener));
    }

private:
    static std::shared_ptr<ProgramOpener> createForPlatform();
};
