#pragma once

#include <memory>

class DDevicePage;

// A device page that has finished its first keyboard list load, or null
// when the load did not end in time.
std::unique_ptr<DDevicePage> loadedDevicePage(int timeoutMs = 20000);
