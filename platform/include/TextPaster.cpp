#include "TextPaster.h"

namespace {
std::shared_ptr<TextPaster>& installed()
{
    static std::shared_ptr<TextPaster> paster;
    return paster;
}
} // namespace

std::shared_ptr<TextPaster> TextPaster::current()
{
    if (!installed())
        installed() = createForPlatform();
    return installed();
}

void TextPaster::install(std::shared_ptr<TextPaster> paster)
{
    installed() = std::move(paster);
}
