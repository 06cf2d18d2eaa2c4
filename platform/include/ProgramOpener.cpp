#include "ProgramOpener.h"

namespace {
std::shared_ptr<ProgramOpener>& installed()
{
    static std::shared_ptr<ProgramOpener> opener;
    return opener;
}
} // namespace

std::shared_ptr<ProgramOpener> ProgramOpener::current()
{
    if (!installed())
        installed() = createForPlatform();
    return installed();
}

void ProgramOpener::install(std::shared_ptr<ProgramOpener> opener)
{
    installed() = std::move(opener);
}
