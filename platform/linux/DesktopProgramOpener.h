#pragma once

#include "platform/include/ProgramOpener.h"

// Executables through QProcess::startDetached with an empty argument list,
// launcher entries (".desktop") through "gio launch", everything else
// through QDesktopServices.
class DesktopProgramOpener : public ProgramOpener
{
public:
    bool open(const QString& path) override;
};
