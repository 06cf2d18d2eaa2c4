#pragma once

#include "platform/include/InstalledService.h"
#include "platform/include/SoundLoopbackSource.h"

#include <memory>

// Makes the loopback sources of the sound output: the platform's own unless
// another maker is installed. GUI thread only.
class SoundLoopback
{
public:
    virtual ~SoundLoopback() = default;

    virtual SoundLoopbackSource* createSource(QObject* parent) = 0;

    static std::shared_ptr<SoundLoopback> current()
    {
        return InstalledService<SoundLoopback>::current(&createForPlatform);
    }
    // Null puts the platform's own back.
    static void install(std::shared_ptr<SoundLoopback> loopback)
    {
        InstalledService<SoundLoopback>::install(std::move(loopback));
    }

private:
    static std::shared_ptr<SoundLoopback> createForPlatform();
};
