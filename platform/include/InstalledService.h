#pragma once

#include <memory>

// A process-wide platform service: the platform's own, made on first use,
// unless a test installed another one. GUI thread only.
template<typename Service>
class InstalledService
{
public:
    static std::shared_ptr<Service> current(std::shared_ptr<Service> (*createForPlatform)())
    {
        if (!slot())
            slot() = createForPlatform();
        return slot();
    }

    // Null puts the platform's own back.
    static void install(std::shared_ptr<Service> service) { slot() = std::move(service); }

private:
    static std::shared_ptr<Service>& slot()
    {
        static std::shared_ptr<Service> service;
        return service;
    }
};
